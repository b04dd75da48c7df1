// The point, bar and bar-set editors on the offscreen platform: each opened by its main-window
// button, a cell typed through the grid's model, and Update writing the rows to the model.
#include "engine/bar_table.h"
#include "results_windows_qt_support.h"
#include "ui/qt/bar_set_editor_window.h"

#include <QLabel>
#include <QRadioButton>
#include <cmath>

namespace pmsect::test {
namespace {

using EditorWindowsQtTest = ResultsWindowsQtTest;

void click(QWidget* window, const char* name) {
    QPushButton* button = window->findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

TEST_F(EditorWindowsQtTest, PointEditorWritesATypedPointOnUpdate) {
    clickMain("optArbitrary");
    clickMain("cmdEdPnts");
    GridWindow* window = set->pointEditorWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->objectName(), "frmEdPnts");
    EXPECT_EQ(window->windowTitle(), "Edit Geometry");
    EXPECT_EQ(window->grid().objectName(), "PointGrid");
    EXPECT_EQ(child<QPushButton>(window, "cmdAddPoint")->text(), "Add Point");
    EXPECT_EQ(child<QPushButton>(window, "cmdDelPoint")->text(), "Delete Point");
    GridTableModel& m = window->grid().gridModel();
    ASSERT_EQ(m.rowCount(), app->model().numPoints);
    EXPECT_EQ(m.headerData(1, Qt::Horizontal).toString(), "X (in.)");
    EXPECT_FALSE(m.flags(m.index(0, 0)) & Qt::ItemIsEditable);

    // The default 12 x 18 rectangle: its two corners of largest x moved 2 in outwards make it
    // 14 x 18.
    const float oldArea = app->model().grossArea;
    const double maxX = [&] {
        double x = -1e9;
        for (int r = 0; r < m.rowCount(); ++r) {
            x = std::max(x, cell(window, r, 1).toDouble());
        }
        return x;
    }();
    for (int r = 0; r < m.rowCount(); ++r) {
        if (cell(window, r, 1).toDouble() == maxX) {
            EXPECT_TRUE(editCell(window, r, 1, QString::number(maxX + 2)));
        }
    }
    EXPECT_FLOAT_EQ(app->model().grossArea, oldArea) << "nothing changes before Update";
    click(window, "cmdUpdate");
    EXPECT_NEAR(app->model().grossArea, 14.0 * 18.0, 1e-3);
    EXPECT_NEAR(oldArea, 12.0 * 18.0, 1e-3);

    EXPECT_FALSE(editCell(window, 0, 2, "north"));
    EXPECT_EQ(platform.messages.back(), "X and Y must be numeric");
}

TEST_F(EditorWindowsQtTest, PointEditorKeepsTheLastThreePoints) {
    clickMain("optArbitrary");
    // Without bars: a smaller outline would leave bars outside and be undone.
    clickMain("optBarbit");
    app->model().numBars = 0;
    clickMain("cmdEdPnts");
    GridWindow* window = set->pointEditorWindow();
    ASSERT_NE(window, nullptr);
    while (window->grid().gridModel().rowCount() > 3) {
        click(window, "cmdDelPoint");
    }
    EXPECT_TRUE(platform.messages.empty());
    click(window, "cmdDelPoint");
    EXPECT_EQ(platform.messages.back(), "There must be at least three points");
    EXPECT_EQ(window->grid().gridModel().rowCount(), 3);
    EXPECT_EQ(app->model().numPoints, 3);
}

TEST_F(EditorWindowsQtTest, BarEditorChangesABarSizeOnUpdate) {
    clickMain("optBarbit");
    clickMain("cmdEditBars");
    GridWindow* window = set->barEditorWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), "frmEdRebar");
    EXPECT_EQ(window->windowTitle(), "Edit Rebar");
    EXPECT_EQ(window->grid().objectName(), "BarGrid");
    EXPECT_EQ(child<QPushButton>(window, "cmdAddBar")->text(), "Add a Bar");
    EXPECT_EQ(child<QPushButton>(window, "cmdDelBar")->text(), "Delete a Bar");
    const int bars = app->model().numBars;
    ASSERT_GE(bars, 3);
    ASSERT_EQ(window->grid().gridModel().rowCount(), bars);

    EXPECT_TRUE(editCell(window, 0, 3, "8"));
    // A size the bar table does not hold is refused with the sizes it does; the cell keeps its
    // size.
    EXPECT_FALSE(editCell(window, 1, 3, "12"));
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Bar Size must be 3 to 11, 14 or 18"});
    EXPECT_EQ(cell(window, 1, 3), "5");
    click(window, "cmdUpdate");
    EXPECT_FLOAT_EQ(app->model().bars[1].size, 8.0f);
    EXPECT_FLOAT_EQ(app->model().bars[2].size, 5.0f);
    // The steel area is the sum of the bars' areas, a #8 bar being 0.79 in^2.
    double sum = 0;
    for (int i = 1; i <= app->model().numBars; ++i) {
        sum += Barea(app->model().bars[static_cast<std::size_t>(i)].size);
    }
    EXPECT_NEAR(Barea(8), 0.79, 1e-6);
    EXPECT_NEAR(app->data().section.limits.steelArea, sum, 1e-4);
}

TEST_F(EditorWindowsQtTest, BarSetEditorWritesItsSetsOrientationAndRectangle) {
    clickMain("cmdEdBarSet");
    auto* window = set->barSetEditorWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), "frmEdBarSet");
    EXPECT_EQ(window->windowTitle(), "Edit Rectangular Bar Sets");
    EXPECT_EQ(window->grid().objectName(), "BarSetGrid");
    EXPECT_EQ(child<QPushButton>(window, "cmdAddBarSet")->text(), "Add Bar Set");
    EXPECT_EQ(child<QPushButton>(window, "cmdDelBarSet")->text(), "Delete Bar Set");
    EXPECT_TRUE(child<QRadioButton>(window, "optParaX")->isChecked());
    ASSERT_EQ(window->grid().gridModel().rowCount(), app->model().numBarSets);

    EXPECT_TRUE(editCell(window, 0, 1, "5"));
    click(window, "cmdUpdate");
    EXPECT_FLOAT_EQ(app->model().barSets[1].count, 5.0f);

    // Two #5 bars side by side inside #3 ties with 1.5 in cover and 1 in clear:
    // 2 * (0.625 + 1.5 + 0.375) + 1.0 = 6.0 in.
    QLineEdit* width = child<QLineEdit>(window, "txtEWidth");
    typeAndEnter(width, "5");
    EXPECT_FLOAT_EQ(app->model().barSetWidth, 6.0f);
    EXPECT_EQ(width->text().toDouble(), 6.0);

    child<QRadioButton>(window, "optParaY")->click();
    EXPECT_TRUE(app->model().barSetsAlongY);
    child<QLineEdit>(window, "txtEDepth");
}

TEST_F(EditorWindowsQtTest, DoneAndTheFrameHideTheEditor) {
    clickMain("cmdEdBarSet");
    auto* window = set->barSetEditorWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(editCell(window, 0, 1, "4"));
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FLOAT_EQ(app->model().barSets[1].count, 4.0f);
    clickMain("cmdEdBarSet");
    EXPECT_TRUE(window->isVisible());
    click(window, "cmdDone");
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace pmsect::test
