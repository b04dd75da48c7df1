// The report file's write.
#include "io/report_file.h"

#include "io/file_replacing.h"

namespace pmsect {

FileResult writeReportFile(const std::string& path, const std::string& reportText) {
    return writeFileReplacing(path, reportText + "\r\n");
}

} // namespace pmsect
