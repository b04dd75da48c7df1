// The program's windows working together on the offscreen platform: start-up, File > Open
// through the wait window, the single-point window, the report printed to a PDF file, and the
// windows registered for the main window's buttons.
#include "building/new_project.h"
#include "io/project_file.h"
#include "qt_test_support.h"
#include "ui/qt/bar_set_editor_window.h"
#include "ui/qt/design_window.h"
#include "ui/qt/grid_window.h"
#include "ui/qt/information_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/opening_window.h"
#include "ui/qt/report_window.h"
#include "ui/qt/results_window.h"
#include "ui/qt/single_point_window.h"
#include "ui/qt/units_window.h"
#include "ui/qt/wait_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <functional>
#include <utility>

namespace pmsect::test {
namespace {

using ProgramFlowQtTest = ProgramTest;

QAction* action(QWidget* window, const char* name) {
    QAction* found = window->findChild<QAction*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST_F(ProgramFlowQtTest, FirstStartShowsTheOpeningThenTheInformationWindow) {
    windows->start();
    OpeningWindow* opening = windows->openingWindow();
    ASSERT_NE(opening, nullptr);
    EXPECT_TRUE(opening->isVisible());
    EXPECT_EQ(opening->windowTitle(), "PMSECT:  R.C. Section Axial & Flexural Strength Analysis");
    EXPECT_EQ(child<QLabel>(opening, "lblVersion")->text(), "Version 3.0e");
    EXPECT_EQ(child<QLabel>(opening, "lblDefaultDir")->text(),
              QString::fromStdString("Default Directory: " + platform.currentDirectory()));
    // No settings file yet: it is created in the installation folder, with the information
    // window to be shown at start-up.
    EXPECT_TRUE(std::filesystem::exists(dir.file("rcprefs.dat")));

    child<QPushButton>(opening, "cmdContinue")->click();
    EXPECT_FALSE(opening->isVisible());
    InformationWindow* info = windows->informationWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(windows->mainWindow(), nullptr);

    // Clearing "Show on Startup" is written at once; Done leads to the main window.
    child<QCheckBox>(info, "chkShowStart")->click();
    EXPECT_EQ(loadSettings(dir.path(), dir.path()).settings.showInfoAtStart, 0);
    child<QPushButton>(info, "cmdDone")->click();
    EXPECT_FALSE(info->isVisible());
    ASSERT_NE(windows->mainWindow(), nullptr);
    EXPECT_TRUE(windows->mainWindow()->isVisible());
}

TEST_F(ProgramFlowQtTest, OpenLoadsTheFileBehindTheWaitWindow) {
    startToMainWindow();
    MainWindow* main = windows->mainWindow();
    ProjectModel saved;
    resetToNewProject(saved);
    saved.fpc = 5000;
    saved.fy = 50000;
    // The file carries Ec itself: 33 * 145^1.5 * sqrt(5000) psi.
    saved.Ec = 4074281;
    const std::string path = dir.file("column.rcs");
    ASSERT_TRUE(writeProjectFile(path, saved));

    platform.openAnswers.push_back(path);
    action(main, "mnuOpen")->trigger();

    ASSERT_EQ(platform.dialogRequests.size(), 1u);
    EXPECT_EQ(platform.dialogRequests[0].filters,
              "All Files (*.*)|*.* |Projects (*.rcs *.json)|*.rcs;*.json|Conc. Files (*.rcs)|*.rcs"
              "|JSON Projects (*.json)|*.json");
    EXPECT_TRUE(platform.messages.empty());
    // The load ran as a task of the one wait window, which it left hidden with its caption.
    ASSERT_NE(windows->waitWindow(), nullptr);
    EXPECT_EQ(windows->waitWindow()->windowTitle().toStdString(), "Loading file " + path);
    EXPECT_FALSE(windows->waitWindow()->isVisible());
    EXPECT_EQ(app->pointer().busyCount(), 0);

    EXPECT_EQ(main->windowTitle().toStdString(),
              "PMSECT: R.C. Section Axial & Flexural Strength Analysis - " + path);
    EXPECT_EQ(child<QLineEdit>(main, "txtfpc")->text(), "5000");
    EXPECT_EQ(child<QLineEdit>(main, "txtStlStren")->text(), "50000");
    // Po = -(4250 * (216 - 6.2) + 50000 * 6.2) lb = -(891,650 + 310,000) lb.
    EXPECT_EQ(child<QLabel>(main, "lblPo")->text(), "Po = -1,201.65 k");
    EXPECT_EQ(std::lround(33 * std::pow(145.0, 1.5) * std::sqrt(5000.0)), 4074281);
    EXPECT_EQ(child<QLabel>(main, "lblEc")->text(), "Conc. Mod. of Elasticity = 4,074,281 psi");
}

TEST_F(ProgramFlowQtTest, PnMnOpensTheSinglePointWindowAtFourInches) {
    startToMainWindow();
    child<QPushButton>(windows->mainWindow(), "cmdPnMn")->click();
    SinglePointWindow* single = windows->singlePointWindow();
    ASSERT_NE(single, nullptr);
    EXPECT_TRUE(single->isVisible());
    EXPECT_EQ(single->windowTitle(), "Single Strength Computations");
    EXPECT_FALSE(app->summaryEnabled());
    for (const char* name : {"txtc", "txtRotAng", "txte", "txtLdAng"}) {
        child<QLineEdit>(single, name);
    }
    EXPECT_EQ(child<QLineEdit>(single, "txtRotAng")->text(), "0");
    EXPECT_EQ(child<QLineEdit>(single, "txtc")->text().toDouble(), 4.0);
    EXPECT_TRUE(child<QRadioButton>(single, "optGivenC")->isChecked());
    EXPECT_EQ(child<QRadioButton>(single, "optGivenC")->text(), "Given c && NA Angle");
    EXPECT_FALSE(child<QLineEdit>(single, "txte")->isEnabled());
    for (const auto& [name, prefix] :
         std::vector<std::pair<const char*, const char*>>{{"lblPn", "Pn = "},
                                                          {"lblTforce", "Tens. Force = "},
                                                          {"lblCforce", "Comp. Force = "},
                                                          {"lblAc", "Ac = "},
                                                          {"lblAg", "Gross Comp. Area = "},
                                                          {"lblMnx", "Mnx = "},
                                                          {"lblMny", "Mny = "}}) {
        EXPECT_TRUE(child<QLabel>(single, name)->text().startsWith(prefix)) << name;
    }
    // At c = 4 in with the axis at 0 degrees the block is beta1 c = 3.4 in deep over the full
    // 12 in width: 40.8 in2 of concrete less the bars inside it.
    const double ag = child<QLabel>(single, "lblAg")->text().mid(19, 6).toDouble();
    EXPECT_NEAR(ag, 0.85 * 4 * 12, 0.01);

    QLineEdit* c = child<QLineEdit>(single, "txtc");
    c->setText("abc");
    QMetaObject::invokeMethod(c, "returnPressed");
    EXPECT_EQ(platform.messages, std::vector<std::string>{"c must be numeric"});
    EXPECT_EQ(c->text().toDouble(), 4.0);

    child<QPushButton>(single, "cmdDone")->click();
    EXPECT_FALSE(single->isVisible());
}

TEST_F(ProgramFlowQtTest, ReportPrintsToAPdfFile) {
    startToMainWindow();
    action(windows->mainWindow(), "mnuOutput")->trigger();
    ReportWindow* report = windows->reportWindow();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    EXPECT_EQ(report->windowTitle(), "PMSECT Output");
    auto* text = child<QPlainTextEdit>(report, "txtReport");
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_TRUE(text->toPlainText().contains("f'c = 3,000 psi        fy  = 60,000 psi"));
    EXPECT_TRUE(QFontInfo(text->font()).fixedPitch());

    // The header's boxes reach the presenter, which keeps them in the settings file.
    auto* title = child<QLineEdit>(report, "txtTitle");
    title->setText("Tower B");
    QMetaObject::invokeMethod(title, "editingFinished");
    EXPECT_EQ(app->report().view().txtTitle, "Tower B");
    EXPECT_EQ(child<QLabel>(report, "lblEngineer")->text(), "Engineer");
    child<QLineEdit>(report, "txtEngineer")->setText("J. Engineer"); // taken by the print

    platform.pdfPath = dir.file("report.pdf");
    platform.copies = 2;
    action(report, "mnuPrint")->trigger();
    EXPECT_EQ(app->report().view().txtEngineer, "J. Engineer");
    QFile pdf(QString::fromStdString(platform.pdfPath));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(4) == "%PDF");
    // Two copies, each on its own sheet: the page count is even and not zero.
    pdf.seek(0);
    const QByteArray bytes = pdf.readAll();
    const qsizetype pages = bytes.count("/Type /Page\n") + bytes.count("/Type /Page ");
    EXPECT_GE(pages, 2);
    EXPECT_EQ(pages % 2, 0) << pages;
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 612.000000 792.000000]")) << "US Letter by default";

    // Save PDF... writes the same calculation on the paper chosen, kept in the settings.
    auto* paper = child<QComboBox>(report, "cmbPaper");
    EXPECT_EQ(paper->currentText(), "US Letter");
    paper->setCurrentIndex(1);
    QMetaObject::invokeMethod(paper, "activated", Q_ARG(int, 1));
    EXPECT_EQ(app->report().view().paper, PaperSize::A4);
    platform.saveAnswers.push_back(dir.file("calculation"));
    action(report, "mnuSavePdf")->trigger();
    QFile saved(QString::fromStdString(dir.file("calculation.pdf")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray a4 = saved.readAll();
    EXPECT_TRUE(a4.startsWith("%PDF"));
    EXPECT_TRUE(a4.contains("/MediaBox [0 0 595")) << "A4";
    EXPECT_TRUE(platform.messages.empty());

    // Print&File saves the text; Exit hides the window.
    platform.saveAnswers.push_back(dir.file("report"));
    action(report, "mnuPrintFile")->trigger();
    EXPECT_TRUE(std::filesystem::exists(dir.file("report.txt")));
    EXPECT_EQ(app->report().reportFileName(), dir.file("report.txt"));
    action(report, "mnuExit")->trigger();
    EXPECT_FALSE(report->isVisible());
}

TEST_F(ProgramFlowQtTest, UnitsDoneRewritesTheMainWindowAndStoresTheChoice) {
    startToMainWindow();
    action(windows->mainWindow(), "mnuUnits")->trigger();
    UnitsWindow* units = windows->unitsWindow();
    ASSERT_NE(units, nullptr);
    EXPECT_TRUE(units->isVisible());
    child<QRadioButton>(units, "optLength3")->click(); // mm
    child<QRadioButton>(units, "optStress4")->click(); // MPa
    child<QPushButton>(units, "cmdDone")->click();
    EXPECT_FALSE(units->isVisible());

    MainWindow* main = windows->mainWindow();
    // 12 in = 304.8 mm; 3000 psi x 0.0068947573 = 20.684272 MPa.
    EXPECT_EQ(child<QLineEdit>(main, "txtRectb")->text(), "304.8");
    EXPECT_EQ(child<QLineEdit>(main, "txtRecth")->text(), "457.2");
    EXPECT_EQ(child<QLabel>(main, "lblUnitRectb")->text(), "mm");
    EXPECT_EQ(child<QLineEdit>(main, "txtfpc")->text(), "20.684272");
    const StoredUnitPositions stored = loadSettings(dir.path(), dir.path()).settings.units;
    EXPECT_EQ(stored.length, 3);
    EXPECT_EQ(stored.stress, 4);
}

TEST_F(ProgramFlowQtTest, EveryButtonOpensItsWindow) {
    startToMainWindow();
    MainWindow* main = windows->mainWindow();
    child<QPushButton>(main, "cmdResults")->click();
    EXPECT_TRUE(platform.messages.empty());
    // The busy pointer the P-M diagrams button asked for is not left behind.
    EXPECT_EQ(app->pointer().busyCount(), 0);
    ASSERT_NE(windows->resultsWindow(), nullptr);
    EXPECT_TRUE(windows->resultsWindow()->isVisible());

    const std::pair<const char*, std::function<QWidget*()>> buttons[] = {
        {"cmdLoads", [&] { return static_cast<QWidget*>(windows->loadTableWindow()); }},
        {"cmdPnMn", [&] { return static_cast<QWidget*>(windows->singlePointWindow()); }},
        {"cmdEdBarSet", [&] { return static_cast<QWidget*>(windows->barSetEditorWindow()); }},
        {"cmdDesign", [&] { return static_cast<QWidget*>(windows->designWindow()); }}};
    for (const auto& [name, window] : buttons) {
        child<QPushButton>(main, name)->click();
        ASSERT_NE(window(), nullptr) << name;
        EXPECT_TRUE(window()->isVisible()) << name;
    }
    EXPECT_TRUE(platform.messages.empty());
}

} // namespace
} // namespace pmsect::test
