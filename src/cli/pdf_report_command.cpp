// The calculation drawn by the same writer as the desktop's "Save PDF...", then written whole.
#include "cli/pdf_report_command.h"

#include "cli/commands.h"
#include "engine/load_batch.h"
#include "io/file_replacing.h"
#include "io/load_file.h"
#include "project/engine_inputs_of.h"
#include "project/project_verdict.h"
#include "ui/calculation_report.h"
#include "ui/qt/pdf_document.h"

#include <filesystem>
#include <iostream>

namespace pmsect::cli {

PaperSize paperFromName(const std::string& name) {
    if (name == "letter") {
        return PaperSize::Letter;
    }
    if (name == "a4") {
        return PaperSize::A4;
    }
    throw CommandError("unknown paper \"" + name + "\" (letter or a4)");
}

int runPdfReport(const ProjectSource& source, const LoadedProject& project,
                 const PdfReportRequest& request) {
    const ProjectModel& model = project.model;
    std::vector<ReportLoad> loads;
    if (request.loadsPath.empty()) {
        loads = checkedProjectLoads(model, project.section);
    } else {
        const LoadFileResult read = readLoadFile(request.loadsPath);
        if (!read) {
            std::cerr << "pmsect-cli: " << request.loadsPath << ": " << read.error->text() << "\n";
            return 2;
        }
        const LoadFileContents& file = read.contents;
        const std::vector<CheckedLoad> checked =
            checkLoads(engineInputsOf(model), file.loads, request.threads);
        for (std::size_t i = 0; i < checked.size(); ++i) {
            loads.push_back({file.ids.empty() ? std::to_string(i + 1) : file.ids[i], checked[i]});
        }
        // As check --loads: the file's loads in place of the project's, its combinations beside.
        const CheckedCombinations combinations = checkedCombinations(model);
        for (std::size_t k = 0; k < combinations.checks.size(); ++k) {
            loads.push_back({combinations.combinations[k].name, combinations.checks[k], true});
        }
    }
    const CalculationHeader header{request.title, request.engineer, localDate(),
                                   std::filesystem::path(source.path).filename().string()};
    const std::optional<std::string> pdf =
        pdfDocument(calculationReport(model, project.section, loads, header), request.paper);
    if (!pdf) {
        throw CommandError("the PDF could not be drawn");
    }
    if (const FileResult written = writeFileReplacing(request.pdfPath, *pdf); !written) {
        throw CommandError(written.error);
    }
    return 0;
}

} // namespace pmsect::cli
