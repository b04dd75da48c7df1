// The report window's save: dialog, name rule, overwrite question, then the io write.
#include "ui/report_save.h"

#include "io/report_file.h"
#include "ui/save_path.h"

namespace pmsect {

bool saveReport(Platform& platform, const std::string& reportText, std::string& reportFileName) {
    const SavePathChoice choice =
        chooseSavePath(platform, kReportFileFilters, 2, reportFileName, ".txt");
    if (choice.overwriteRefused) {
        reportFileName.clear();
    }
    if (!choice.path) {
        return false;
    }
    reportFileName = *choice.path;
    // The old file is replaced only by a complete new one, so it is not deleted beforehand.
    if (!writeReportFile(reportFileName, reportText)) {
        platform.showMessage(kNoFileSaved);
        return false;
    }
    return true;
}

} // namespace pmsect
