// The information window.
#include "ui/information_presenter.h"

#include "ui/information_pages.h"

namespace pmsect {

InformationPresenter::InformationPresenter(const ProjectModel& model) : model_(model) {
    for (const InformationPage& page : informationPages(model_.designCode)) {
        view_.pageTitles.emplace_back(page.title);
    }
    selectPage(0);
}

void InformationPresenter::show(bool fromMenu) {
    view_.calledFromMenu = fromMenu;
    view_.visible = true;
    selectPage(view_.selectedPage);
}

void InformationPresenter::selectPage(int index) {
    const auto pages = informationPages(model_.designCode);
    if (index < 0 || index >= static_cast<int>(pages.size())) {
        return;
    }
    view_.selectedPage = index;
    view_.pageText = pages[static_cast<std::size_t>(index)].text;
}

void InformationPresenter::onShowOnStartup(bool checked) {
    view_.showOnStartup = checked;
    if (save_) {
        save_(checked);
    }
}

WindowId InformationPresenter::onDone() {
    view_.visible = false;
    return WindowId::Main;
}

} // namespace pmsect
