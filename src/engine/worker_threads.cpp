// The cap on the threads a batch starts.
#include "engine/worker_threads.h"

#include <algorithm>
#include <thread>

namespace pmsect {

unsigned machineThreads() {
    return std::max(1u, std::thread::hardware_concurrency());
}

unsigned workerThreads(unsigned asked) {
    const unsigned machine = machineThreads();
    return asked == 0 ? machine : std::min(asked, machine);
}

} // namespace pmsect
