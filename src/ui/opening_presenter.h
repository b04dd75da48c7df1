// The opening window: the program's name, version and date, the default directory, and
// Continue, which leads to the information window or straight to the main window.
#pragma once

#include "ui/busy_pointer.h"
#include "ui/window_id.h"

#include <string>

namespace pmsect {

struct OpeningView {
    std::string caption = "PMSECT:  R.C. Section Axial & Flexural Strength Analysis";
    std::string version = "Version 3.0e";
    std::string date = "3/6/2007";
    std::string defaultDirectoryLine;
    std::string continueCaption = "Continue";
    bool visible = false;
};

class OpeningPresenter {
public:
    explicit OpeningPresenter(BusyPointer& pointer) : pointer_(pointer) {}

    const OpeningView& view() const { return view_; }

    // The settings have been read: show the default directory and remember where to go next.
    void load(const std::string& defaultDir, bool showInfoAtStart);
    // Closes the window under the busy pointer, which the next window releases.
    WindowId onContinue();

private:
    BusyPointer& pointer_;
    OpeningView view_;
    bool showInfoAtStart_ = true;
};

} // namespace pmsect
