// A pool of threads that take the loads in small chunks, all reading the same inputs.
#include "engine/load_batch.h"

#include "engine/strength_reduction.h"
#include "engine/worker_threads.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace pmsect {
namespace {

// Small enough to keep the threads busy to the end, large enough that taking a chunk costs
// nothing beside the dozens of strain-compatibility evaluations of one load.
constexpr std::size_t kChunk = 16;

} // namespace

std::vector<CheckedLoad> checkLoads(const EngineInputs& inputs, std::span<const LoadInput> loads,
                                    unsigned threads) {
    std::vector<CheckedLoad> results(loads.size());
    const AxialLimits limits = axialLimits(inputs);
    std::atomic<std::size_t> nextChunk{0};
    const auto work = [&] {
        while (true) {
            const std::size_t first = nextChunk.fetch_add(kChunk, std::memory_order_relaxed);
            if (first >= loads.size()) {
                return;
            }
            const std::size_t last = std::min(first + kChunk, loads.size());
            for (std::size_t i = first; i < last; ++i) {
                results[i] = checkLoadCombination(inputs, limits, loads[i]);
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
