// The save dialog, the name rule and the overwrite question.
#include "ui/save_path.h"

#include "format/text.h"
#include "io/project_file.h"

namespace pmsect {

SavePathChoice chooseSavePath(Platform& platform, const std::string& filters, int filterIndex,
                              const std::string& startName, std::string_view defaultExtension) {
    const std::string chosen =
        platform.saveFileDialog({filters, filterIndex, startName}).value_or(std::string());
    const std::string_view name = trimBlanks(chosen);
    if (name.empty()) {
        platform.showMessage(kNoFileSaved);
        return {};
    }
    std::string path = withDefaultExtension(name, defaultExtension);
    if (fileExists(path) &&
        !platform.askYesNo("FILE EXISTS!", "Do you wish to overwrite " + path + "?")) {
        platform.showMessage(kNoFileSaved);
        return {std::nullopt, true};
    }
    return {std::move(path), false};
}

} // namespace pmsect
