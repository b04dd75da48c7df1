// The load checks of a large load table, in the background on every core, so that the windows
// stay live: the loads are checked block by block in their order, so that the rows checked so far
// are always the first ones, and the UI thread collects the finished rows when it likes.
#pragma once

#include "engine/engine_inputs.h"
#include "engine/load_check.h"

#include <cstddef>
#include <mutex>
#include <thread>
#include <vector>

namespace pmsect {

// Rows checked since the last collect, and whether the run has ended (all checked or cancelled).
struct CollectedChecks {
    std::size_t first = 0; // 0-based position of results[0] among the loads
    std::vector<CheckedLoad> results;
    bool finished = false;
};

class BackgroundLoadCheck {
public:
    BackgroundLoadCheck() = default;
    BackgroundLoadCheck(const BackgroundLoadCheck&) = delete;
    BackgroundLoadCheck& operator=(const BackgroundLoadCheck&) = delete;
    ~BackgroundLoadCheck() { cancel(); }

    // A run of its own over copies of the inputs and loads; a run under way is cancelled first.
    void start(const EngineInputs& inputs, std::vector<LoadInput> loads);
    // Stops the run after the block being checked and waits for it; the rows not collected yet
    // are dropped.
    void cancel();
    bool running() const { return running_; }
    std::size_t total() const { return total_; }
    // The rows collected so far.
    std::size_t collectedCount() const { return collected_; }

    // What has been checked since the last call. Called on the thread that started the run.
    CollectedChecks collect();

private:
    void work(std::stop_token stop, EngineInputs inputs, std::vector<LoadInput> loads);

    std::mutex mutex_;
    std::vector<CheckedLoad> pending_; // checked, not yet collected (guarded by mutex_)
    bool ended_ = false;               // guarded by mutex_
    std::size_t collected_ = 0;
    std::size_t total_ = 0;
    bool running_ = false;
    std::jthread worker_;
};

} // namespace pmsect
