// Saving the report: the name rules, the overwrite question and a replace-on-success write.
#include "io/report_file.h"

#include "io/file_replacing.h"
#include "io/project_file.h"

#include <filesystem>

namespace pmsect {
namespace {

constexpr const char* kNotSaved = "No file saved";

std::string trimBlanks(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

} // namespace

std::string reportFileNameFor(const std::string& chosenName) {
    const std::string name = trimBlanks(chosenName);
    // The platform's own notion of the file part, so that folder separators are those it uses.
    const std::string filePart = std::filesystem::path(name).filename().string();
    if (filePart.find('.') == std::string::npos) {
        return name + ".txt";
    }
    return name;
}

bool saveReport(Platform& platform, const std::string& reportText, std::string& reportFileName) {
    const auto chosen =
        platform.saveFileDialog(FileDialogRequest{kReportFileFilters, 2, reportFileName});
    if (!chosen || trimBlanks(*chosen).empty()) {
        platform.showMessage(kNotSaved);
        return false;
    }
    reportFileName = reportFileNameFor(*chosen);

    if (fileExists(reportFileName) &&
        !platform.askYesNo("FILE EXISTS!", "Do you wish to overwrite " + reportFileName + "?")) {
        reportFileName.clear();
        platform.showMessage(kNotSaved);
        return false;
    }
    // The old file is replaced only by a complete new one, so it is not deleted beforehand.
    if (!writeFileReplacing(reportFileName, reportText + "\r\n")) {
        platform.showMessage(kNotSaved);
        return false;
    }
    return true;
}

} // namespace pmsect
