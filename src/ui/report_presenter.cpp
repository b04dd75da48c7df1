// The report window's commands.
#include "ui/report_presenter.h"

#include "io/report_text.h"
#include "results/printed_page.h"
#include "ui/report_save.h"

namespace pmsect {

ReportPresenter::ReportPresenter(ProjectModel& model, Platform& platform)
    : model_(model), platform_(platform) {
    view_.fontName = kReportFontName;
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
    int pages = 0;
    for (int copy = 0; copy < *copies; ++copy) {
        pages += printReportCopy(
            model_, view_.text, sink.page(), [&sink] { sink.endPage(); }, sink.drawingStyle());
    }
    sink.finish();
    return pages;
}

void ReportPresenter::onExit() {
    view_.visible = false;
}

} // namespace pmsect
