// The main window's title with the edition in force.
#include "ui/main_window_title.h"

#include "ui/main_window_view.h"

namespace pmsect {

std::string mainWindowTitle(DesignCode code, const std::optional<std::string>& fileName) {
    if (code == DesignCode::Aci318_05) {
        return fileName ? std::string(kTitlePrefix) + *fileName : std::string(kInitialTitle);
    }
    const std::string edition = "(ACI " + std::string(designCodeName(code)) + ")";
    if (!fileName) {
        return std::string(kInitialTitleStem) + edition;
    }
    return std::string(kNamedTitleStem) + edition + " - " + *fileName;
}

} // namespace pmsect
