// The "PMSECT Output" window without its widgets: the text report rebuilt from the model whenever
// the window becomes active and saved as a text file; the calculation (calculation_report.h)
// printed or saved as PDF on the paper chosen, under the title and the engineer typed.
#pragma once

#include "io/settings_file.h"
#include "model/project_model.h"
#include "results/document.h"
#include "ui/calculation_report.h"
#include "ui/page_sink.h"
#include "ui/platform.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pmsect {

struct ReportView {
    std::string caption = "PMSECT Output";
    std::string saveCaption = "Print&File";
    std::string printCaption = "&Print";
    std::string savePdfCaption = "Save PDF...";
    std::string exitCaption = "&Exit";
    std::string fontName; // the fixed-pitch font the text is shown and printed in
    std::string text;
    // The header of the printed pages, typed above the text and kept in the settings file.
    std::string lblTitle = "Project title";
    std::string txtTitle;
    std::string lblEngineer = "Engineer";
    std::string txtEngineer;
    std::string lblPaper = "Paper";
    PaperSize paper = PaperSize::Letter; // "US Letter" or "A4", kept in the settings file
    bool visible = false;
};

// The PDF bytes of a document on a paper, or nothing when they cannot be made.
using PdfMaker = std::function<std::optional<std::string>(const Document&, PaperSize)>;

class ReportPresenter {
public:
    // section: the results kept beside the model, which each report's summary refreshes.
    ReportPresenter(ProjectModel& model, SectionResults& section, Platform& platform);

    const ReportView& view() const { return view_; }
    // The last saved report's path; separate from the project file's name.
    const std::string& reportFileName() const { return reportFileName_; }

    // The Output menu entry: shows the window, which then becomes active.
    void open();
    // The window became active: the report is rebuilt from the model as it stands now.
    void activate();

    // The settings file of installDir holds the title, the engineer and the paper: they are read
    // now and written there whenever one of them changes.
    void keepHeaderIn(std::string installDir);
    void setTitle(std::string_view text);
    void setEngineer(std::string_view text);
    void setPaper(PaperSize paper);
    // Today's date as the page header shows it; the clock, unless a test sets another.
    void setToday(std::function<std::string()> today) { today_ = std::move(today); }
    // The toolkit's PDF writer; without one "Save PDF..." saves nothing.
    void setPdfMaker(PdfMaker maker) { pdfMaker_ = std::move(maker); }
    CalculationHeader calculationHeader() const;
    // The calculation of the model as it stands, with the project's loads.
    Document calculation();

    // "Print&File": the report saved as a text file. True when a file was written.
    bool onSaveFile();
    // "&Print": the print dialog, then each copy's pages of the calculation through the sink,
    // every copy starting on a new sheet. Returns the pages printed; a cancelled dialog or a
    // printer that cannot be opened prints nothing and shows nothing.
    int onPrint(ReportPageSink& sink);
    // "Save PDF...": the calculation as a PDF file, under a name chosen as every save chooses
    // it. True when a file was written; a file that cannot be made or written says so.
    bool onSavePdf();
    // "&Exit", or the window closed.
    void onExit();

private:
    ProjectModel& model_;
    SectionResults& section_;
    Platform& platform_;
    void saveHeader();

    ReportView view_;
    std::string reportFileName_;
    std::string pdfFileName_;
    std::string installDir_;
    bool keepsHeader_ = false;
    PdfMaker pdfMaker_;
    std::function<std::string()> today_;
};

} // namespace pmsect
