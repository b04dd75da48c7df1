// The report file: its name rule and its write.
#include "io/report_file.h"

#include "io/file_replacing.h"

#include <filesystem>

namespace pmsect {
namespace {

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

FileResult writeReportFile(const std::string& path, const std::string& reportText) {
    return writeFileReplacing(path, reportText + "\r\n");
}

} // namespace pmsect
