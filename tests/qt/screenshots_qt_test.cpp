// Pictures of the windows for a person to look at: disabled in the normal run, started by
// tools/screenshots.sh under a virtual display, writing PNG files (and the printed report as a
// PDF) into the folder named by PMSECT_SCREENSHOTS.
#include "screenshot_fixture.h"
#include "ui/qt/directory_window.h"
#include "ui/qt/grid_table_view.h"
#include "ui/qt/grid_window.h"
#include "ui/qt/information_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/opening_window.h"
#include "ui/qt/program_windows.h"
#include "ui/qt/report_window.h"
#include "ui/qt/single_point_window.h"
#include "ui/qt/units_window.h"
#include "ui/qt/wait_window.h"
#include "units/display_units.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace pmsect::test {
namespace {

using ScreenshotTest = ScreenshotFixture;

TEST_F(ScreenshotTest, DISABLED_EveryWindow) {
    windows->start();
    snap(windows->openingWindow(), "01-opening");
    windows->continueFromOpening();
    snap(windows->informationWindow(), "02-information");
    windows->informationWindow()->findChild<QPushButton*>("cmdDone")->click();

    MainWindow* main = windows->mainWindow();
    main->resize(1280, 760);
    snap(main, "03-main");

    // The warning line of a yield strength above the code's limit, under the summary.
    QLineEdit* fy = main->findChild<QLineEdit*>("txtStlStren");
    fy->setText("90000");
    QMetaObject::invokeMethod(fy, "returnPressed");
    snap(main, "03-main-high-fy");
    fy->setText("60000");
    QMetaObject::invokeMethod(fy, "returnPressed");

    // A round column with bars on a circle, to see the other enable states and the drawing.
    QMetaObject::invokeMethod(main->findChild<QObject*>("optRounc"), "clicked");
    QMetaObject::invokeMethod(main->findChild<QObject*>("optRCirc"), "clicked");
    QLineEdit* bars = main->findChild<QLineEdit*>("txtTotBars");
    bars->setText("8");
    QMetaObject::invokeMethod(bars, "returnPressed");
    snap(main, "04-main-round");
    QMetaObject::invokeMethod(main->findChild<QObject*>("optRect"), "clicked");
    QMetaObject::invokeMethod(main->findChild<QObject*>("optBRect"), "clicked");

    main->findChild<QPushButton*>("cmdPnMn")->click();
    windows->singlePointWindow()->resize(820, 520);
    QLineEdit* c = windows->singlePointWindow()->findChild<QLineEdit*>("txtc");
    c->setText("8");
    QMetaObject::invokeMethod(c, "returnPressed");
    QLineEdit* angle = windows->singlePointWindow()->findChild<QLineEdit*>("txtRotAng");
    angle->setText("30");
    QMetaObject::invokeMethod(angle, "returnPressed");
    snap(windows->singlePointWindow(), "05-single-point");

    main->findChild<QAction*>("mnuOutput")->trigger();
    // Typed, and each box left as a user leaves it.
    for (auto [box, text] : {std::pair{"txtTitle", "Tower B, level 3 columns"},
                             std::pair{"txtEngineer", "J. Q. Engineer"}}) {
        QLineEdit* edit = windows->reportWindow()->findChild<QLineEdit*>(box);
        edit->setText(text);
        QMetaObject::invokeMethod(edit, "editingFinished");
    }
    snap(windows->reportWindow(), "06-report");
    platform.pdfPath = (out / "07-printed-report.pdf").string();
    windows->reportWindow()->print();

    main->findChild<QAction*>("mnuUnits")->trigger();
    snap(windows->unitsWindow(), "08-units");
    main->findChild<QAction*>("mnuDefDir")->trigger();
    snap(windows->directoryWindow(), "09-default-directory");

    WaitView wait;
    wait.shown = true;
    wait.caption = "Loading file " + dir.file("column.rcs");
    wait.lines[0] = wait.caption;
    WaitWindow waitWindow;
    waitWindow.render(wait);
    snap(&waitWindow, "10-wait");
    wait.shown = false;
    waitWindow.render(wait);
}

TEST_F(ScreenshotTest, DISABLED_SIUnitsFailingLoadAndUnsavedWork) {
    saveShowInfoAtStart(dir.path(), 0);
    windows->start();
    windows->continueFromOpening();
    for (const auto& [group, name] :
         std::vector<std::pair<UnitGroup, const char*>>{{UnitGroup::Length, "mm"},
                                                        {UnitGroup::Force, "kN"},
                                                        {UnitGroup::Moment, "kN-m"},
                                                        {UnitGroup::Stress, "MPa"},
                                                        {UnitGroup::UnitWeight, "kg/m^3"}}) {
        app->units().select(group, *unitPositionByName(group, name));
    }
    app->units().applyUnits();
    MainWindow* main = windows->mainWindow();
    main->render(true);
    // Asked for less than its least size, the window keeps that size.
    main->resize(800, 500);
    snap(main, "11-main-si");

    // One load inside the section's strength and one far outside it.
    main->findChild<QPushButton*>("cmdLoads")->click();
    GridWindow* loads = windows->loadTableWindow();
    GridTableModel& grid = loads->grid().gridModel();
    const char* cells[2][3] = {{"-500", "60", "0"}, {"-900", "400", "150"}};
    for (int r = 0; r < 2; ++r) {
        loads->findChild<QPushButton*>("cmdAddLoad")->click();
        for (int c = 0; c < 3; ++c) {
            grid.setData(grid.index(r, c + 1), QString(cells[r][c]), Qt::EditRole);
        }
    }
    loads->findChild<QPushButton*>("cmdUpdate")->click();
    snap(loads, "12-loads-si-failing");
    loads->findChild<QPushButton*>("cmdDone")->click();

    // New with the loads unsaved: the question, grabbed as it shows, then cancelled.
    platform.showSaveQuestion = true;
    bool grabbed = false;
    QTimer::singleShot(500, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        snap(box, "13-save-changes");
        grabbed = true;
        box->button(QMessageBox::Cancel)->click();
    });
    main->findChild<QAction*>("mnuNew")->trigger();
    EXPECT_TRUE(grabbed);
    EXPECT_EQ(app->model().loads.count(), 2); // Cancel kept the project
}

TEST_F(ScreenshotTest, DISABLED_JsonProjectOpened) {
    saveShowInfoAtStart(dir.path(), 0);
    windows->start();
    windows->continueFromOpening();
    platform.openAnswers.push_back(PMSECT_TEST_DATA
                                   "/../../docs/examples/round-spiral.project.json");
    windows->mainWindow()->findChild<QAction*>("mnuOpen")->trigger();
    EXPECT_TRUE(platform.messages.empty());
    snap(windows->mainWindow(), "30-json-project");
}

TEST_F(ScreenshotTest, DISABLED_TenThousandLoadsWhileCheckingAndAfter) {
    windows->start();
    windows->continueFromOpening();
    windows->informationWindow()->findChild<QPushButton*>("cmdDone")->click();
    MainWindow* main = windows->mainWindow();
    main->resize(1280, 760);
    main->findChild<QPushButton*>("cmdLoads")->click();
    GridWindow* loads = windows->loadTableWindow();
    loads->resize(1100, 640);
    std::string rows;
    for (int k = 1; k <= 10'000; ++k) {
        rows += std::to_string(-(k % 150)) + "\t" + std::to_string(k % 7 == 0 ? 400 : k % 37) +
                "\t" + std::to_string(k % 11) + "\n";
    }
    ASSERT_TRUE(app->loads().paste(rows));
    loads->findChild<QPushButton*>("cmdUpdate")->click();
    // Part way: some rows checked, the rest waiting.
    QTRY_VERIFY_WITH_TIMEOUT(app->loadCheckProgress().checked >= 1'000, 60'000);
    snap(loads, "30-loads-10000-checking");
    snap(main, "31-main-10000-checking");
    QTRY_VERIFY_WITH_TIMEOUT(!app->loadCheckProgress().running(), 120'000);
    snap(loads, "32-loads-10000-checked");
    loads->findChild<QCheckBox*>("chkSortByRatio")->click();
    loads->findChild<QCheckBox*>("chkFailingOnly")->click();
    snap(loads, "33-loads-10000-failing-by-ratio");
    snap(main, "34-main-10000-governing");
}

} // namespace
} // namespace pmsect::test
