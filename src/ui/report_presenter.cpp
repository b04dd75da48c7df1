// The report window's commands.
#include "ui/report_presenter.h"

#include "io/report_text.h"
#include "io/settings_file.h"
#include "results/printed_page.h"
#include "ui/report_save.h"

#include <ctime>

namespace pmsect {

namespace {

// The local date, year first, so that it reads the same in every country.
std::string localDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

} // namespace

ReportPresenter::ReportPresenter(ProjectModel& model, Platform& platform)
    : model_(model), platform_(platform), today_(localDate) {
    view_.fontName = kReportFontName;
}

void ReportPresenter::keepHeaderIn(std::string installDir) {
    installDir_ = std::move(installDir);
    keepsHeader_ = true;
    const ReportHeaderSettings stored = loadReportHeader(installDir_);
    view_.txtTitle = stored.title;
    view_.txtEngineer = stored.engineer;
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

PrintedHeader ReportPresenter::printedHeader() const {
    return {view_.txtTitle, view_.txtEngineer, today_ ? today_() : std::string(),
            model_.projectFileName};
}

void ReportPresenter::open() {
    view_.visible = true;
    activate();
}

void ReportPresenter::activate() {
    view_.text = buildReport(model_);
}

bool ReportPresenter::onSaveFile() {
    return saveReport(platform_, view_.text, reportFileName_);
}

int ReportPresenter::onPrint(ReportPageSink& sink) {
    const auto copies = platform_.printDialog();
    if (!copies || *copies < 1 || !sink.begin()) {
        return 0;
    }
    const PrintedHeader header = printedHeader();
    const PrintedFigures figures = figures_ ? figures_() : PrintedFigures{};
    int pages = 0;
    for (int copy = 0; copy < *copies; ++copy) {
        pages += printReportCopy(
            model_, view_.text, header, figures, sink.page(), [&sink] { sink.endPage(); },
            sink.drawingStyle());
    }
    sink.finish();
    return pages;
}

void ReportPresenter::onExit() {
    view_.visible = false;
}

} // namespace pmsect
