// The report window's save: dialog, name rule, overwrite question, then the io write.
#include "ui/report_save.h"

#include "io/project_file.h"
#include "io/report_file.h"

namespace pmsect {
namespace {

constexpr const char* kNotSaved = "No file saved";

bool blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

bool saveReport(Platform& platform, const std::string& reportText, std::string& reportFileName) {
    const auto chosen =
        platform.saveFileDialog(FileDialogRequest{kReportFileFilters, 2, reportFileName});
    if (!chosen || blank(*chosen)) {
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
    if (!writeReportFile(reportFileName, reportText)) {
        platform.showMessage(kNotSaved);
        return false;
    }
    return true;
}

} // namespace pmsect
