// The opening window.
#include "ui/opening_presenter.h"

namespace pmsect {

void OpeningPresenter::load(const std::string& defaultDir, bool showInfoAtStart) {
    view_.defaultDirectoryLine = "Default Directory: " + defaultDir;
    showInfoAtStart_ = showInfoAtStart;
    view_.visible = true;
}

WindowId OpeningPresenter::onContinue() {
    view_.visible = false;
    pointer_.setPointer(kPointerBusy);
    return showInfoAtStart_ ? WindowId::Information : WindowId::Main;
}

} // namespace pmsect
