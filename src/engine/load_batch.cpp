// A pool of threads that take the loads in small chunks, each on a working copy of the section.
#include "engine/load_batch.h"

#include "engine/load_check.h"
#include "engine/worker_threads.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace pmsect {
namespace {

// Small enough to keep the threads busy to the end, large enough that taking a chunk costs
// nothing beside the dozens of strain-compatibility evaluations of one load.
constexpr std::size_t kChunk = 16;

// The strain a freshly read project starts its first evaluation from. Every load starts from it,
// so that no result can depend on the loads checked before it on the same thread.
const float kStartingStrain = ProjectModel{}.maxSteelStrain;

} // namespace

CheckedLoad checkLoadAlone(ProjectModel& section, const LoadInput& load) {
    section.numLoads = 1;
    section.maxSteelStrain = kStartingStrain;
    LoadRow& row = section.loads[1];
    row = LoadRow{};
    row[kPu] = load.Pu;
    row[kMux] = load.Mux;
    row[kMuy] = load.Muy;
    checkLoadCombination(section, 1);
    return {row, section.loadStatus[1].capacityFound};
}

std::vector<CheckedLoad> checkLoads(const ProjectModel& section, std::span<const LoadInput> loads,
                                    unsigned threads) {
    std::vector<CheckedLoad> results(loads.size());
    std::atomic<std::size_t> nextChunk{0};
    const auto work = [&] {
        ProjectModel workingCopy = section;
        while (true) {
            const std::size_t first = nextChunk.fetch_add(kChunk, std::memory_order_relaxed);
            if (first >= loads.size()) {
                return;
            }
            const std::size_t last = std::min(first + kChunk, loads.size());
            for (std::size_t i = first; i < last; ++i) {
                results[i] = checkLoadAlone(workingCopy, loads[i]);
            }
        }
    };
    const std::size_t chunks = (loads.size() + kChunk - 1) / kChunk;
    const std::size_t helpers = std::min<std::size_t>(workerThreads(threads) - 1, chunks);
    {
        std::vector<std::jthread> pool;
        pool.reserve(helpers);
        for (std::size_t t = 0; t < helpers; ++t) {
            pool.emplace_back(work);
        }
        work(); // the calling thread is one of them
    }
    return results;
}

} // namespace pmsect
