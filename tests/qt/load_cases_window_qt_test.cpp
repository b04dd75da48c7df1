// frmLoadCases on the offscreen platform: the main window's Load Cases... button opens it, a case
// typed into the grid reaches the project and the checked combinations, so do a factor of the
// table and an added combination, Escape closes it; and its picture for a person to see.
#include "qt_test_support.h"
#include "screenshot_fixture.h"
#include "ui/qt/load_cases_window.h"
#include "ui/qt/main_window.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace pmsect::test {
namespace {

// A cell typed through the grid's item, as its editor commits it.
void typeCell(QTableWidget* grid, int row, CaseColumn column, const QString& text) {
    grid->item(row, static_cast<int>(column))->setText(text);
    QCoreApplication::processEvents();
}

class LoadCasesWindowQtTest : public ProgramTest {};

TEST_F(LoadCasesWindowQtTest, ATypedCaseReachesTheProjectAndItsCombinations) {
    startToMainWindow();
    child<QPushButton>(windows->mainWindow(), "cmdLoadCases")->click();
    LoadCasesWindow* window = windows->loadCasesWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    auto* grid = child<QTableWidget>(window, "grdLoadCases");
    child<QPushButton>(window, "cmdAddCase")->click();
    ASSERT_EQ(grid->rowCount(), 1);
    typeCell(grid, 0, CaseColumn::P, "-100");
    ASSERT_EQ(app->model().loadCases.cases.size(), 1u);
    EXPECT_EQ(app->model().loadCases.cases[0].P, -100.0f);
    auto* combinations = child<QTableWidget>(window, "grdCombinations");
    ASSERT_EQ(combinations->rowCount(), 1); // 1.4D alone
    EXPECT_EQ(combinations->item(0, 1)->text(), "-140.00");
    EXPECT_EQ(child<QLabel>(window, "lblCombinations")->text().toStdString(),
              app->loadCases().view().status);

    auto* kind = qobject_cast<QComboBox*>(grid->cellWidget(0, static_cast<int>(CaseColumn::Kind)));
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(kind->currentText(), "D");
    kind->setCurrentText("L");
    emit kind->activated(kind->currentIndex());
    QCoreApplication::processEvents();
    EXPECT_EQ(app->model().loadCases.cases[0].kind, LoadKind::L);
    ASSERT_EQ(combinations->rowCount(), 1); // 1.2D + 1.6L without its D
    EXPECT_EQ(combinations->item(0, 1)->text(), "-160.00");

    // A factor typed into the table and restored; a combination of the user's added by button.
    auto* factors = child<QTableWidget>(window, "grdFactorTable");
    auto* restore = child<QPushButton>(window, "cmdRestoreFactors");
    EXPECT_FALSE(restore->isEnabled());
    EXPECT_FALSE(factors->item(0, 2)->flags() & Qt::ItemIsEditable); // 1.4D has no L
    factors->item(1, 2)->setText("1.7");                             // 1.2D + 1.6L + 0.5Lr
    QCoreApplication::processEvents();
    EXPECT_EQ(combinations->item(0, 0)->text(), "1.7L");
    ASSERT_TRUE(restore->isEnabled());
    restore->click();
    EXPECT_TRUE(app->model().loadCases.options.factorTable.empty());
    child<QPushButton>(window, "cmdAddCombination")->click();
    auto* users = child<QTableWidget>(window, "grdUserCombinations");
    ASSERT_EQ(users->rowCount(), 1);
    EXPECT_EQ(users->horizontalHeaderItem(1)->text(), "Case 1");
    EXPECT_EQ(app->model().loadCases.options.userCombinations.at(0).name, "User 1");

    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

class LoadCasesScreenshotTest : public ScreenshotFixture {};

// Dead, live, snow, wind and crane cases of the new project's column, some combinations beyond
// its strength: the factor table as ASCE 7 gives it and a combination of the user's with the
// crane, which only such combinations take.
TEST_F(LoadCasesScreenshotTest, DISABLED_LoadCasesWindow) {
    startToMainWindow();
    app->model().loadCases.cases = {{"Dead", LoadKind::D, -150, 12, 3},
                                    {"Live", LoadKind::L, -60, 6, 1.5f},
                                    {"Snow", LoadKind::S, -15, 2, 0},
                                    {"Wind", LoadKind::W, -5, 150, 8, true},
                                    {"Crane", LoadKind::Other, -10, 4, 0}};
    app->model().loadCases.options.sustainedLiveFraction = 0.25;
    app->model().loadCases.options.userCombinations = {
        {"Crane lift", {{"Dead", 1.2}, {"Live", 0.5}, {"Crane", 1.6}}}};
    child<QPushButton>(windows->mainWindow(), "cmdLoadCases")->click();
    LoadCasesWindow* window = windows->loadCasesWindow();
    ASSERT_NE(window, nullptr);
    snap(window, "22-load-cases");
    // The main window's verdict counts the combinations with the factored loads.
    window->close();
    app->refresh();
    snap(windows->mainWindow(), "23-main-combinations-verdict");
    // With the member's slenderness data the cases show their sway and end moments.
    app->model().slenderness = SlendernessData{};
    app->model().loadCases.cases[3].ends[kMxBot] = -120;
    child<QPushButton>(windows->mainWindow(), "cmdLoadCases")->click();
    snap(window, "24-load-cases-end-moments");
}

} // namespace
} // namespace pmsect::test
