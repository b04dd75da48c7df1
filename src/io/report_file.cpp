// The report file: its name rule and its write.
#include "io/report_file.h"

#include "format/text.h"
#include "io/file_replacing.h"

namespace pmsect {

std::string reportFileNameFor(const std::string& chosenName) {
    return withDefaultExtension(trimBlanks(chosenName), ".txt");
}

FileResult writeReportFile(const std::string& path, const std::string& reportText) {
    return writeFileReplacing(path, reportText + "\r\n");
}

} // namespace pmsect
