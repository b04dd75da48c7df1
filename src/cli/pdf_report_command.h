// report --pdf: the calculation as a PDF file, with the project's loads or a load file's.
#pragma once

#include "cli/project_source.h"
#include "io/settings_file.h"
#include "model/project_model.h"

#include <string>

namespace pmsect::cli {

struct PdfReportRequest {
    std::string pdfPath;
    std::string loadsPath; // empty: the project's own loads
    PaperSize paper = PaperSize::Letter;
    std::string title;
    std::string engineer;
    unsigned threads = 1;
};

// "letter" or "a4"; anything else is a CommandError.
PaperSize paperFromName(const std::string& name);

// model: the project with its summary and its display units. A load file that cannot be read is
// refused with its line and column, exit 2, and no file written.
int runPdfReport(const ProjectSource& source, const LoadedProject& project,
                 const PdfReportRequest& request);

} // namespace pmsect::cli
