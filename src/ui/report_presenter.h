// The "PMSECT Output" window without its widgets: the report rebuilt from the model whenever the
// window becomes active, saved as a text file, or printed with the section drawing.
#pragma once

#include "model/project_model.h"
#include "results/canvas.h"
#include "results/printed_page.h"
#include "results/section_drawing.h"
#include "ui/platform.h"

#include <functional>
#include <string>
#include <string_view>

namespace pmsect {

struct ReportView {
    std::string caption = "PMSECT Output";
    std::string saveCaption = "Print&File";
    std::string printCaption = "&Print";
    std::string exitCaption = "&Exit";
    std::string fontName; // the fixed-pitch font the text is shown and printed in
    std::string text;
    // The header of the printed pages, typed above the text and kept in the settings file.
    std::string lblTitle = "Project title";
    std::string txtTitle;
    std::string lblEngineer = "Engineer";
    std::string txtEngineer;
    bool visible = false;
};

// Where the printed pages go. The toolkit opens its printer as the print dialog left it; the
// report only draws on the page and says when a page is complete.
class ReportPageSink {
public:
    virtual ~ReportPageSink() = default;
    // False when the printer cannot be opened; nothing is printed then.
    virtual bool begin() = 0;
    // The printable page, valid between begin and finish.
    virtual Canvas& page() = 0;
    // The page is complete: whatever is drawn next goes on a new sheet.
    virtual void endPage() = 0;
    virtual void finish() = 0;
    // The load markers' sizes in the page's units (the defaults suit a page measured in twips).
    virtual SectionDrawingStyle drawingStyle() const { return {}; }
};

class ReportPresenter {
public:
    ReportPresenter(ProjectModel& model, Platform& platform);

    const ReportView& view() const { return view_; }
    // The last saved report's path; separate from the project file's name.
    const std::string& reportFileName() const { return reportFileName_; }

    // The Output menu entry: shows the window, which then becomes active.
    void open();
    // The window became active: the report is rebuilt from the model as it stands now.
    void activate();

    // The settings file of installDir holds the title and the engineer: they are read now and
    // written there whenever one of them is typed.
    void keepHeaderIn(std::string installDir);
    void setTitle(std::string_view text);
    void setEngineer(std::string_view text);
    // The figures printed after the text, made when a print starts; without a source only the
    // section drawing follows the text.
    void setFigureSource(std::function<PrintedFigures()> source) { figures_ = std::move(source); }
    // Today's date as the printed header shows it; the clock, unless a test sets another.
    void setToday(std::function<std::string()> today) { today_ = std::move(today); }
    PrintedHeader printedHeader() const;

    // "Print&File": the report saved as a text file. True when a file was written.
    bool onSaveFile();
    // "&Print": the print dialog, then each copy's pages through the sink, every copy starting
    // on a new sheet. Returns the pages printed; a cancelled dialog or a printer that cannot be
    // opened prints nothing and shows nothing.
    int onPrint(ReportPageSink& sink);
    // "&Exit", or the window closed.
    void onExit();

private:
    ProjectModel& model_;
    Platform& platform_;
    void saveHeader();

    ReportView view_;
    std::string reportFileName_;
    std::string installDir_;
    bool keepsHeader_ = false;
    std::function<PrintedFigures()> figures_;
    std::function<std::string()> today_;
};

} // namespace pmsect
