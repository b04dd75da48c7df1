// BackgroundLoadCheck: one worker thread walks the blocks and hands each to the engine's batch
// check, which spreads it over every core.
#include "ui/background_load_check.h"

#include "engine/load_batch.h"

#include <algorithm>
#include <span>

namespace pmsect {
namespace {

// Rows per block: enough to keep every core busy through a block, few enough that the table
// fills in steps a user sees and that Cancel waits for a fraction of a second at most.
constexpr std::size_t kBlock = 256;

} // namespace

void BackgroundLoadCheck::start(const EngineInputs& inputs, std::vector<LoadInput> loads) {
    cancel();
    total_ = loads.size();
    collected_ = 0;
    {
        const std::scoped_lock lock(mutex_);
        pending_.clear();
        ended_ = false;
    }
    running_ = true;
    worker_ = std::jthread([this, inputs, moved = std::move(loads)](std::stop_token stop) mutable {
        work(stop, std::move(inputs), std::move(moved));
    });
}

void BackgroundLoadCheck::work(std::stop_token stop, EngineInputs inputs,
                               std::vector<LoadInput> loads) {
    const std::span<const LoadInput> all(loads);
    for (std::size_t first = 0; first < all.size() && !stop.stop_requested(); first += kBlock) {
        const std::size_t count = std::min(kBlock, all.size() - first);
        std::vector<CheckedLoad> block = checkLoads(inputs, all.subspan(first, count), 0);
        const std::scoped_lock lock(mutex_);
        pending_.insert(pending_.end(), block.begin(), block.end());
    }
    const std::scoped_lock lock(mutex_);
    ended_ = true;
}

void BackgroundLoadCheck::cancel() {
    if (worker_.joinable()) {
        worker_.request_stop();
        worker_.join();
    }
    running_ = false;
}

CollectedChecks BackgroundLoadCheck::collect() {
    CollectedChecks out;
    out.first = collected_;
    {
        const std::scoped_lock lock(mutex_);
        out.results.swap(pending_);
        out.finished = ended_;
    }
    collected_ += out.results.size();
    if (out.finished && worker_.joinable()) {
        worker_.join();
        running_ = false;
    }
    return out;
}

} // namespace pmsect
