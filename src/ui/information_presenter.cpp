// The information window.
#include "ui/information_presenter.h"

#include "ui/information_pages.h"

namespace pmsect {

InformationPresenter::InformationPresenter() {
    for (const InformationPage& page : informationPages()) {
        view_.pageTitles.emplace_back(page.title);
    }
    selectPage(0);
}

void InformationPresenter::show(bool fromMenu) {
    view_.calledFromMenu = fromMenu;
    view_.visible = true;
}

void InformationPresenter::selectPage(int index) {
    const auto pages = informationPages();
    if (index < 0 || index >= static_cast<int>(pages.size())) {
        return;
    }
    view_.selectedPage = index;
    view_.pageText = std::string(pages[static_cast<std::size_t>(index)].text);
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
