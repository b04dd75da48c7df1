// The chain every accepted change ends in: the section summary, then every window that shows
// its results. The Application runs it and keeps the results; presenters ask for it.
#pragma once

#include "engine/section_results.h"

#include <cstddef>

namespace pmsect {

// The load checks running in the background after a summary: how many rows of how many are
// checked. Nothing runs while total is 0.
struct LoadCheckProgress {
    std::size_t checked = 0;
    std::size_t total = 0;
    bool running() const { return total > 0; }
};

class SummaryChain {
public:
    virtual ~SummaryChain() = default;

    // The section summary as it stands: nothing happens while the summary is disabled.
    virtual void recompute() = 0;
    // The summary even while it is disabled, which it stays.
    virtual void refresh() = 0;
    // The windows that take over the project (the load table, the results, the single point)
    // disable the summary; accepted changes and a new or opened project enable it again.
    virtual void setSummaryEnabled(bool enabled) = 0;
    virtual bool summaryEnabled() const = 0;
    // The interaction curve, contour and surface no longer belong to the project.
    virtual void markResultsStale() = 0;
    // The main window's "Auto Recompute": whether a change of the outline or the layout also
    // lays the bars out again before the summary.
    virtual void setAutoRecompute(bool on) = 0;
    virtual bool autoRecompute() const = 0;
    // The axial limits, pure-bending strengths and load checks of the last summary the windows
    // show.
    virtual const SectionResults& sectionResults() const = 0;
    // A summary run elsewhere (a new project, a change undone) hands its results over.
    virtual void setSectionResults(const SectionResults& section) = 0;
    // The summary has just run elsewhere (a new project, a loaded file): the windows that show
    // it take the new results.
    virtual void summaryChanged() = 0;
    // A summary of many loads shows at once and checks the loads in the background: how far
    // it has come, and Stop, after which the rows not yet checked stay without a result.
    virtual LoadCheckProgress loadCheckProgress() const = 0;
    virtual void stopLoadChecks() = 0;
};

} // namespace pmsect
