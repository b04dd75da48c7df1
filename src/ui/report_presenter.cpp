// The report window's commands.
#include "ui/report_presenter.h"

#include "io/file_replacing.h"
#include "io/report_text.h"
#include "io/settings_file.h"
#include "project/project_summary.h"
#include "ui/document_printing.h"
#include "ui/report_save.h"
#include "ui/save_path.h"

namespace pmsect {

namespace {

constexpr const char* kPdfFilters = "PDF documents (*.pdf) | *.pdf | All files (*.*) | *.*";

} // namespace

ReportPresenter::ReportPresenter(ProjectModel& model, SectionResults& section, Platform& platform)
    : model_(model), section_(section), platform_(platform), today_(localDate) {
    view_.fontName = kReportFontName;
}

void ReportPresenter::keepHeaderIn(std::string installDir) {
    installDir_ = std::move(installDir);
    keepsHeader_ = true;
    const ReportHeaderSettings stored = loadReportHeader(installDir_);
    view_.txtTitle = stored.title;
    view_.txtEngineer = stored.engineer;
    view_.paper = loadPaperSize(installDir_);
}

void ReportPresenter::setPaper(PaperSize paper) {
    if (view_.paper != paper) {
        view_.paper = paper;
        if (keepsHeader_) {
            savePaperSize(installDir_, paper);
        }
    }
}

void ReportPresenter::setTitle(std::string_view text) {
    if (view_.txtTitle != text) {
        view_.txtTitle = std::string(text);
        saveHeader();
    }
}

void ReportPresenter::setEngineer(std::string_view text) {
    if (view_.txtEngineer != text) {
        view_.txtEngineer = std::string(text);
        saveHeader();
    }
}

void ReportPresenter::saveHeader() {
    // A settings file that cannot be written costs only the memory of the header: the printout
    // still carries what was typed, as the unit choice does.
    if (keepsHeader_) {
        saveReportHeader(installDir_, {view_.txtTitle, view_.txtEngineer});
    }
}

CalculationHeader ReportPresenter::calculationHeader() const {
    return {view_.txtTitle, view_.txtEngineer, today_ ? today_() : std::string(),
            model_.projectFileName};
}

Document ReportPresenter::calculation() {
    // The same summary the text report and the main window show.
    section_ = computeSectionSummary(model_);
    return calculationReport(model_, section_, checkedProjectLoads(model_, section_),
                             calculationHeader());
}

void ReportPresenter::open() {
    view_.visible = true;
    activate();
}

void ReportPresenter::activate() {
    section_ = computeSectionSummary(model_);
    view_.text = composeReport(model_, section_);
}

bool ReportPresenter::onSaveFile() {
    return saveReport(platform_, view_.text, reportFileName_);
}

int ReportPresenter::onPrint(ReportPageSink& sink) {
    const auto copies = platform_.printDialog();
    if (!copies || *copies < 1 || !sink.begin()) {
        return 0;
    }
    const Document document = calculation();
    int pages = 0;
    for (int copy = 0; copy < *copies; ++copy) {
        pages += printDocument(document, sink);
    }
    sink.finish();
    return pages;
}

bool ReportPresenter::onSavePdf() {
    const SavePathChoice choice = chooseSavePath(platform_, kPdfFilters, 1, pdfFileName_, ".pdf");
    if (choice.overwriteRefused) {
        pdfFileName_.clear();
    }
    if (!choice.path) {
        return false;
    }
    pdfFileName_ = *choice.path;
    const std::optional<std::string> bytes =
        pdfMaker_ ? pdfMaker_(calculation(), view_.paper) : std::nullopt;
    if (!bytes) {
        platform_.showMessage("The PDF could not be made: " + pdfFileName_);
        return false;
    }
    if (const FileResult written = writeFileReplacing(pdfFileName_, *bytes); !written) {
        platform_.showMessage(written.error);
        return false;
    }
    return true;
}

void ReportPresenter::onExit() {
    view_.visible = false;
}

} // namespace pmsect
