// The chain every accepted change ends in: the section summary, then every window that shows
// its results. The Application runs it; presenters ask for it.
#pragma once

namespace pmsect {

class SummaryChain {
public:
    virtual ~SummaryChain() = default;

    // The section summary as it stands: nothing happens while summaryEnabled is clear.
    virtual void recompute() = 0;
    // The summary even while summaryEnabled is clear, leaving the flag as it was.
    virtual void refresh() = 0;
    // The summary has just run elsewhere (a new project, a loaded file): the windows that show
    // it take the new results.
    virtual void summaryChanged() = 0;
};

} // namespace pmsect
