// Desktop traps in the Qt layer: a scroll-bar click that went on stepping, Escape in the
// secondary windows, Add Load scrolling, and the main window's least width after a long text.
#include "results_windows_qt_support.h"
#include "ui/qt/bar_set_editor_window.h"
#include "ui/qt/design_window.h"
#include "ui/qt/information_window.h"
#include "ui/qt/large_view_window.h"
#include "ui/qt/results_window.h"
#include "ui/qt/units_window.h"
#include "units/display_units.h"

#include <QAction>
#include <QDialog>
#include <QScrollBar>
#include <QTest>

namespace pmsect::test {
namespace {

using DesktopTrapsQtTest = ResultsWindowsQtTest;

// The left button on the bar's right arrow, through its window as the windowing system reports
// a mouse: Qt's modal blocking and its record of the buttons held both see it.
void pressArrow(QScrollBar* bar, bool down) {
    QWindow* window = bar->window()->windowHandle();
    const QPoint at =
        bar->mapTo(bar->window(), QPoint(bar->width() - bar->height() / 2, bar->height() / 2));
    if (down) {
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
    } else {
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at);
    }
}

TEST_F(DesktopTrapsQtTest, AScrollBarClickIsOneStepAndHoldingStepsOnlyWhileHeld) {
    clickMain("cmdResults");
    QScrollBar* angle = child<QScrollBar>(set->resultsWindow(), "hsb2D");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(set->resultsWindow()));
    // The release lands under a modal window, as under the wait window of the step's curve.
    pressArrow(angle, true);
    {
        QDialog blocking(set->resultsWindow());
        blocking.setModal(true);
        blocking.show();
        pressArrow(angle, false);
    }
    QTest::qWait(1500); // three times Qt's delay before a held arrow repeats
    EXPECT_EQ(app->results().view().hsb2D.value, 91);
    pressArrow(angle, true);
    QTest::qWait(1500);
    pressArrow(angle, false);
    const int reached = angle->value();
    EXPECT_GT(reached, 92);
    QTest::qWait(1000);
    EXPECT_EQ(app->results().view().hsb2D.value, reached);
}

TEST_F(DesktopTrapsQtTest, EscapeClosesEverySecondaryWindowAsItsDoneOrCancelWould) {
    // Each window, opened; what its Done writes, typed once it is active (activation reloads).
    const std::vector<std::pair<std::function<QWidget*()>, std::function<void(QWidget*)>>> cases{
        {[&] { return child<QAction>(main, "mnuUnits")->trigger(), set->unitsWindow(); },
         [&](QWidget* w) { child<QAbstractButton>(w, "optLength3")->click(); }},
        {[&] { return clickMain("cmdEdBarSet"), set->barSetEditorWindow(); },
         [&](QWidget* w) { editCell(static_cast<GridWindow*>(w), 0, 1, "4"); }},
        {[&] { return clickMain("optBarbit"), clickMain("cmdEditBars"), set->barEditorWindow(); },
         [&](QWidget* w) { editCell(static_cast<GridWindow*>(w), 0, 3, "8"); }},
        {[&] { return clickMain("cmdDesign"), set->designWindow(); }, {}},
        {[&] {
             return child<QAction>(main, "mnuInformation")->trigger(), set->informationWindow();
         },
         {}},
        {[&] {
             clickMain("cmdResults");
             child<QAbstractButton>(set->resultsWindow(), "cmdLrg3D")->click();
             return set->largeViewWindow();
         },
         {}}};
    for (const auto& [open, type] : cases) {
        QWidget* window = open();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
        if (type) {
            type(window);
        }
        QTest::keyClick(window, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
    EXPECT_EQ(app->model().units.lengthLabel, "mm");
    EXPECT_FLOAT_EQ(app->model().barSets[1].count, 4.0f);
    EXPECT_EQ(app->model().bars[1].size, 8);
    EXPECT_TRUE(set->resultsWindow()->isVisible()); // the large view's Done goes back to it
}

TEST_F(DesktopTrapsQtTest, AddLoadScrollsTheTableToTheNewRow) {
    clickMain("cmdLoads");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(set->loadTableWindow()));
    QTableView& grid = set->loadTableWindow()->grid();
    for (int i = 0; i < 30; ++i) {
        child<QAbstractButton>(set->loadTableWindow(), "cmdAddLoad")->click();
        const QRect row = grid.visualRect(grid.model()->index(i, 1));
        EXPECT_TRUE(grid.viewport()->rect().contains(row)) << "row " << i + 1;
    }
}

TEST_F(DesktopTrapsQtTest, TheLeastWidthFollowsWhatTheMainWindowShowsNow) {
    // In inch-pounds a 1,200 in square section bends with nine digits before the point.
    app->units().select(UnitGroup::Moment, *unitPositionByName(UnitGroup::Moment, "in-lb"));
    app->units().applyUnits();
    main->render(true);
    const auto section = [this](const char* side) {
        typeAndEnter(child<QLineEdit>(main, "txtRectb"), side);
        typeAndEnter(child<QLineEdit>(main, "txtRecth"), side);
        QTest::qWait(100); // the grown labels' layout requests go up the window
        return main->minimumWidth();
    };
    const int least = section("18");
    const int widened = section("1200");
    ASSERT_GT(widened, least);
    EXPECT_EQ(section("18"), least);
    EXPECT_LT(main->width(), widened);
}

} // namespace
} // namespace pmsect::test
