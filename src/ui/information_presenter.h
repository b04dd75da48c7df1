// The information window: a list of help pages chosen by buttons, the "Show on Startup" check
// box, and Done, which leads to the main window.
#pragma once

#include "model/project_model.h"
#include "ui/window_id.h"

#include <functional>
#include <string>
#include <vector>

namespace pmsect {

struct InformationView {
    std::string caption = "Information";
    std::vector<std::string> pageTitles;
    int selectedPage = 0; // 0-based
    std::string pageText;
    std::string showOnStartupCaption = "Show on Startup";
    bool showOnStartup = true;
    std::string doneCaption = "Done";
    bool visible = false;
    bool calledFromMenu = false;
};

class InformationPresenter {
public:
    // The pages are written for the model's design code edition as it is when they are shown.
    explicit InformationPresenter(const ProjectModel& model);

    const InformationView& view() const { return view_; }

    // Where a change of the check box is written at once (the settings file).
    void setSaveShowOnStartup(std::function<void(bool)> save) { save_ = std::move(save); }

    // The value read at start-up, shown without being written back.
    void setShowOnStartup(bool show) { view_.showOnStartup = show; }
    void show(bool fromMenu);
    void selectPage(int index);
    // The user ticked or cleared the check box.
    void onShowOnStartup(bool checked);
    // Done, or the window closed: it hides and the main window is shown.
    WindowId onDone();

private:
    const ProjectModel& model_;
    InformationView view_;
    std::function<void(bool)> save_;
};

} // namespace pmsect
