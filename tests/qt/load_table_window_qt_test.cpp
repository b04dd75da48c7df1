// frmLoads on the offscreen platform: opened by "Load Analysis", its grid over the load rows,
// typed cells through the model, and Update, Delete and the frame's close writing back.
#include "results_windows_qt_support.h"
#include "units/display_units.h"

#include <QCheckBox>
#include <QClipboard>
#include <QColor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <cmath>

namespace pmsect::test {
namespace {

class LoadTableWindowQtTest : public ResultsWindowsQtTest {
protected:
    void SetUp() override {
        ResultsWindowsQtTest::SetUp();
        clickMain("cmdLoads");
        window = set->loadTableWindow();
        ASSERT_NE(window, nullptr);
    }
    GridTableModel& model() { return window->grid().gridModel(); }
    void click(const char* name) { child<QPushButton>(window, name)->click(); }

    GridWindow* window = nullptr;
};

TEST_F(LoadTableWindowQtTest, OpensWithTheGridAndButtonsOfTheLoadTable) {
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->objectName(), "frmLoads");
    EXPECT_EQ(window->grid().objectName(), "grdLoads");
    EXPECT_EQ(child<QPushButton>(window, "cmdAddLoad")->text(), "Add Load");
    EXPECT_EQ(child<QPushButton>(window, "cmdDelLoad")->text(), "Delete Load");
    EXPECT_EQ(child<QPushButton>(window, "cmdUpdate")->text(), "Update");
    EXPECT_EQ(child<QPushButton>(window, "cmdDone")->text(), "Done");
    // "Load Analysis" holds the summary back until Update.
    EXPECT_FALSE(app->summaryEnabled());

    ASSERT_EQ(model().columnCount(), 10);
    const char* captions[] = {"Num",          "Pu (k)",      "Mux (ft-k)", "Muy (ft-k)",
                              "eccen. (in.)", "Angle (deg)", "pPn (k)",    "pMnx (ft-k)",
                              "pMny (ft-k)",  "Check"};
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(model().headerData(c, Qt::Horizontal).toString(), captions[c]) << c;
    }
}

TEST_F(LoadTableWindowQtTest, OnlyPuMuxAndMuyAreEditableAndEveryCellIsCentred) {
    click("cmdAddLoad");
    ASSERT_EQ(model().rowCount(), 1);
    for (int c = 0; c < 10; ++c) {
        const QModelIndex at = model().index(0, c);
        EXPECT_EQ(bool(model().flags(at) & Qt::ItemIsEditable), c >= 1 && c <= 3) << c;
        EXPECT_EQ(model().data(at, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                  Qt::Alignment(Qt::AlignCenter));
    }
    // A read-only cell takes nothing, whatever is typed.
    EXPECT_FALSE(editCell(window, 0, 5, "45"));
    EXPECT_EQ(cell(window, 0, 5), "");
}

TEST_F(LoadTableWindowQtTest, ColumnsAreSharesOfTheGridWidthAfterAResize) {
    window->resize(1100, 400);
    QApplication::processEvents();
    const double width = window->grid().viewport()->width();
    for (int c = 0; c < 10; ++c) {
        EXPECT_NEAR(window->grid().columnWidth(c), 0.095 * width, 1.0) << c;
    }
    // Narrower, a column keeps the width of its caption.
    window->resize(500, 400);
    QApplication::processEvents();
    const QHeaderView* header = window->grid().horizontalHeader();
    for (int c = 0; c < 10; ++c) {
        const double share = 0.095 * window->grid().viewport()->width();
        EXPECT_NEAR(window->grid().columnWidth(c),
                    std::max(share, 1.0 * header->sectionSizeHint(c)), 1.0)
            << c;
        EXPECT_GE(window->grid().columnWidth(c), header->sectionSizeHint(c)) << c;
    }
}

TEST_F(LoadTableWindowQtTest, SICaptionsAreNotClipped) {
    window->close();
    app->units().select(UnitGroup::Force, *unitPositionByName(UnitGroup::Force, "kN"));
    app->units().select(UnitGroup::Moment, *unitPositionByName(UnitGroup::Moment, "kN-m"));
    app->units().select(UnitGroup::Length, *unitPositionByName(UnitGroup::Length, "mm"));
    app->units().applyUnits();
    clickMain("cmdLoads");
    QApplication::processEvents();
    EXPECT_EQ(model().headerData(7, Qt::Horizontal).toString(), "pMnx (kN-m)");
    const QHeaderView* header = window->grid().horizontalHeader();
    const QFontMetrics metrics(header->font());
    for (int c = 0; c < 10; ++c) {
        const QString caption = model().headerData(c, Qt::Horizontal).toString();
        EXPECT_GT(window->grid().columnWidth(c), metrics.horizontalAdvance(caption)) << c;
    }
}

TEST_F(LoadTableWindowQtTest, TypedLoadsReachTheModelOnUpdateWithTheirChecks) {
    click("cmdAddLoad");
    click("cmdAddLoad");
    ASSERT_EQ(model().rowCount(), 2);
    EXPECT_EQ(cell(window, 1, 0), "2");

    // Text that is not a number is refused with the table's message and the cell keeps nothing.
    EXPECT_FALSE(editCell(window, 0, 1, "abc"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "Pu, Mux and Muy must be numeric");
    EXPECT_EQ(cell(window, 0, 1), "");

    // By hand: a concentric load meets phi*Pn(max) = 0.65 * 0.80 * (0.85 f'c (Ag - As) + fy As).
    const ProjectModel& m = app->model();
    const double As = app->data().section.limits.steelArea;
    const double po = 0.85 * m.fpc * (m.grossArea - As) + m.fy * As;
    const double phiPnMax = 0.65 * 0.80 * po / 1000.0;
    const double axial = std::round(1.25 * phiPnMax);

    // Row 1 a moderate load with bending, row 2 a pure axial load beyond phi*Pn(max).
    EXPECT_TRUE(editCell(window, 0, 1, "-150.456"));
    EXPECT_TRUE(editCell(window, 0, 2, "40"));
    EXPECT_TRUE(editCell(window, 1, 1, QString::number(-axial)));
    EXPECT_EQ(app->model().loads.count(), 0) << "nothing reaches the model before Update";

    click("cmdUpdate");
    ASSERT_EQ(m.loads.count(), 2);
    EXPECT_FLOAT_EQ(m.loads[1][kPu], -150.456f);
    EXPECT_FLOAT_EQ(m.loads[1][kMux], 40.0f);
    EXPECT_FLOAT_EQ(m.loads[2][kPu], static_cast<float>(-axial));
    EXPECT_TRUE(app->summaryEnabled());

    // The rows are rewritten from the model with two decimals.
    EXPECT_EQ(cell(window, 0, 1), "-150.46");
    EXPECT_EQ(cell(window, 0, 2), "40.00");
    // The capacity lies on the load's own line: Pu over phi*Pn is the check ratio.
    const double pu1 = cell(window, 0, 1).toDouble();
    const double phiPn1 = cell(window, 0, 6).remove(',').toDouble();
    EXPECT_NEAR(pu1 / phiPn1, cell(window, 0, 9).toDouble(), 0.01);
    EXPECT_LT(cell(window, 0, 9).toDouble(), 1.0);

    EXPECT_NEAR(cell(window, 1, 9).toDouble(), axial / phiPnMax, 0.01);
    EXPECT_GT(cell(window, 1, 9).toDouble(), 1.0);
    // The failing check is red; the passing one and the other cells keep the grid's colour.
    const auto colour = [this](int r, int c) {
        return model().data(model().index(r, c), Qt::ForegroundRole);
    };
    EXPECT_EQ(colour(1, 9).value<QColor>(), QColor(Qt::red));
    EXPECT_FALSE(colour(0, 9).isValid());
    EXPECT_FALSE(colour(1, 1).isValid());
}

TEST_F(LoadTableWindowQtTest, CancelAndEscapeCloseWithoutChangingTheLoads) {
    click("cmdAddLoad");
    editCell(window, 0, 1, "-50");
    click("cmdUpdate");
    editCell(window, 0, 1, "-70");
    click("cmdAddLoad");
    EXPECT_EQ(child<QPushButton>(window, "cmdCancel")->text(), "Cancel");
    click("cmdCancel");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(app->model().loads.count(), 1);
    EXPECT_EQ(app->model().loads[1][kPu], -50.0f);

    clickMain("cmdLoads");
    QApplication::processEvents();
    ASSERT_TRUE(window->isVisible());
    click("cmdAddLoad");
    editCell(window, 1, 1, "-90");
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(app->model().loads.count(), 1);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LoadTableWindowQtTest, DeleteRemovesTheSelectedRowAndRenumbers) {
    for (int i = 0; i < 3; ++i) {
        click("cmdAddLoad");
    }
    editCell(window, 0, 1, "-10");
    editCell(window, 1, 1, "-20");
    editCell(window, 2, 1, "-30");
    // The user selects the middle row.
    window->grid().selectionModel()->setCurrentIndex(
        model().index(1, 1), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(app->loads().view().currentRow, 1);
    click("cmdDelLoad");
    ASSERT_EQ(model().rowCount(), 2);
    EXPECT_EQ(cell(window, 1, 0), "2");
    EXPECT_EQ(cell(window, 1, 1), "-30.00");
    EXPECT_EQ(app->model().loads.count(), 0);
    click("cmdUpdate");
    EXPECT_EQ(app->model().loads.count(), 2);
    EXPECT_FLOAT_EQ(app->model().loads[2][kPu], -30.0f);
}

TEST_F(LoadTableWindowQtTest, ClosingTheFrameRunsDone) {
    click("cmdAddLoad");
    editCell(window, 0, 1, "-50");
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(app->model().loads.count(), 1);
    EXPECT_FLOAT_EQ(app->model().loads[1][kPu], -50.0f);
}

TEST_F(LoadTableWindowQtTest, ActivationRebuildsTheRowsFromTheModel) {
    click("cmdAddLoad");
    editCell(window, 0, 1, "-50");
    click("cmdUpdate");
    click("cmdAddLoad");
    ASSERT_EQ(model().rowCount(), 2);
    // The main window comes to the front, then the table again: the unsaved row is gone.
    main->activateWindow();
    QApplication::processEvents();
    window->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(model().rowCount(), 1);
    EXPECT_EQ(cell(window, 0, 1), "-50.00");
}

TEST_F(LoadTableWindowQtTest, ImportExportAndPasteAreWired) {
    EXPECT_EQ(child<QPushButton>(window, "cmdImport")->text(), "Import...");
    EXPECT_EQ(child<QPushButton>(window, "cmdExport")->text(), "Export...");
    // A cancelled dialog does nothing.
    click("cmdImport");
    EXPECT_EQ(platform.dialogRequests.back().filters,
              "Load files (*.csv) | *.csv | All files (*.*) | *.*");
    EXPECT_EQ(model().rowCount(), 0);

    // Ctrl+V in the grid takes the clipboard's rows.
    QGuiApplication::clipboard()->setText("-100\t50\t0\n-200\t10\t5\n");
    window->grid().setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, "v");
    QApplication::sendEvent(&window->grid(), &press);
    ASSERT_EQ(model().rowCount(), 2);
    EXPECT_EQ(cell(window, 1, 1), "-200.00");
    EXPECT_EQ(cell(window, 1, 3), "5.00");
}

TEST_F(LoadTableWindowQtTest, TenThousandRowsShowAtOnceAndFillInAsTheyAreChecked) {
    std::string rows;
    for (int k = 1; k <= 10'000; ++k) {
        rows +=
            std::to_string(-(k % 150)) + "\t" + std::to_string(k % 7 == 0 ? 400 : k % 37) + "\t1\n";
    }
    ASSERT_TRUE(app->loads().paste(rows));
    click("cmdUpdate");
    // The summary is shown and the rows are there; their checks come in the background.
    ASSERT_EQ(model().rowCount(), 10'000);
    auto* progress = child<QProgressBar>(window, "prgLoadChecks");
    EXPECT_TRUE(progress->isVisible());
    EXPECT_TRUE(child<QPushButton>(window, "cmdStopChecks")->isVisible());
    EXPECT_EQ(model().data(model().index(9'999, kRatio)).toString(), kCheckRunningText);
    // The grid paints the rows in sight, a few dozen of the 10,000.
    EXPECT_LT(window->grid().rowAt(window->grid().viewport()->height() - 1), 100);

    QTRY_VERIFY_WITH_TIMEOUT(!app->loadCheckProgress().running(), 120'000);
    EXPECT_FALSE(progress->isVisible());
    EXPECT_NE(model().data(model().index(9'999, kRatio)).toString(), kCheckRunningText);
    const QString verdict = child<QLabel>(window, "lblLoadVerdict")->text();
    EXPECT_TRUE(verdict.contains("of 10,000 loads fail")) << verdict.toStdString();

    child<QCheckBox>(window, "chkFailingOnly")->click();
    EXPECT_EQ(model().rowCount(), static_cast<int>(app->loads().view().shown.size()));
    EXPECT_LT(model().rowCount(), 10'000);
    EXPECT_EQ(model().data(model().index(0, kRatio), Qt::ForegroundRole).value<QColor>(),
              QColor(Qt::red));
}

} // namespace
} // namespace pmsect::test
