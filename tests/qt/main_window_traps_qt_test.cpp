// FrmMain's fit on the desktop: boxes wide enough for their texts in every unit system, a least
// size at which no control overlaps another, tooltips on red values, the File shortcuts, the
// unsaved-work question on closing, and secondary windows centred over the main window.
#include "qt_test_support.h"
#include "ui/qt/main_window.h"
#include "ui/qt/report_window.h"
#include "ui/qt/single_point_window.h"
#include "ui/qt/units_window.h"
#include "units/display_units.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace pmsect::test {
namespace {

class MainWindowTrapsQtTest : public MainWindowProgramTest {
protected:
    void useUnits(std::initializer_list<std::pair<UnitGroup, const char*>> choices) {
        for (const auto& [group, name] : choices) {
            app->units().select(group, *unitPositionByName(group, name));
        }
        app->units().applyUnits();
        main->render(true);
        QApplication::processEvents();
    }

    // The room a line edit has for its text, as QLineEdit itself works it out.
    static int textRoom(QLineEdit* edit) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        const QRect contents =
            edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        const QMargins margins = edit->textMargins();
        constexpr int kLineEditInnerMargin = 2; // each side
        return contents.width() - margins.left() - margins.right() - 2 * kLineEditInnerMargin;
    }

    void expectEveryBoxShowsItsWholeText() {
        for (QLineEdit* edit : main->findChildren<QLineEdit*>()) {
            if (edit->objectName().isEmpty()) {
                continue; // the combo boxes' own editors
            }
            const int needed = edit->fontMetrics().horizontalAdvance(edit->text());
            EXPECT_LE(needed, textRoom(edit))
                << edit->objectName().toStdString() << " \"" << edit->text().toStdString() << "\"";
            EXPECT_EQ(edit->cursorPosition(), 0) << edit->objectName().toStdString();
        }
    }
};

TEST_F(MainWindowTrapsQtTest, EveryBoxIsWideEnoughInEveryUnitSystem) {
    expectEveryBoxShowsItsWholeText();
    useUnits(
        {{UnitGroup::Length, "mm"}, {UnitGroup::Stress, "MPa"}, {UnitGroup::UnitWeight, "kg/m^3"}});
    EXPECT_EQ(child<QLineEdit>(main, "txtRecth")->text(), "457.2");
    EXPECT_EQ(child<QLineEdit>(main, "txtUnitWt")->text(), "2322.6772"); // 145 pcf
    expectEveryBoxShowsItsWholeText();
    useUnits({{UnitGroup::Length, "m"}, {UnitGroup::Stress, "kPa"}});
    expectEveryBoxShowsItsWholeText();
    useUnits({{UnitGroup::Length, "ft"}, {UnitGroup::Stress, "psf"}});
    expectEveryBoxShowsItsWholeText();
}

TEST_F(MainWindowTrapsQtTest, NoControlOverlapsAnotherAtTheLeastSize) {
    useUnits({{UnitGroup::Length, "mm"},
              {UnitGroup::Force, "kN"},
              {UnitGroup::Moment, "kN-m"},
              {UnitGroup::Stress, "MPa"},
              {UnitGroup::UnitWeight, "kg/m^3"}});
    main->resize(800, 500);
    QApplication::processEvents();
    EXPECT_GE(main->width(), main->sizeHint().width());
    EXPECT_GE(main->height(), main->sizeHint().height());
    for (QGroupBox* group : main->findChildren<QGroupBox*>()) {
        QList<QWidget*> shown;
        for (QWidget* w : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isVisible()) {
                shown.push_back(w);
            }
        }
        for (qsizetype i = 0; i < shown.size(); ++i) {
            // Every control has at least the room its text asks for...
            EXPECT_GE(shown[i]->width(), shown[i]->minimumSizeHint().width())
                << shown[i]->objectName().toStdString();
            EXPECT_GE(shown[i]->height(), shown[i]->minimumSizeHint().height())
                << shown[i]->objectName().toStdString();
            // ...and none lies over another.
            for (qsizetype j = i + 1; j < shown.size(); ++j) {
                EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                    << group->objectName().toStdString() << ": "
                    << shown[i]->objectName().toStdString() << " and "
                    << shown[j]->objectName().toStdString();
            }
        }
    }
}

TEST_F(MainWindowTrapsQtTest, RedValuesSayWhyTheyAreRed) {
    EXPECT_TRUE(child<QLabel>(main, "lblPercRein")->toolTip().isEmpty());
    // #11 bars: 20 x 1.56 in^2 in a 12 x 18 in section is 14.4 % steel, and pure bending is
    // no longer tension controlled.
    QComboBox* sizes = child<QComboBox>(main, "cmbLBar");
    sizes->setCurrentIndex(8);
    emit sizes->activated(8);
    QApplication::processEvents();
    EXPECT_EQ(child<QLabel>(main, "lblPercRein")->toolTip(),
              "The steel area is outside 1% to 8% of the gross area");
    EXPECT_EQ(child<QLabel>(main, "lblPoscbx")->toolTip(),
              "The steel strain is below the tension-controlled limit of 0.005");
    EXPECT_TRUE(child<QLabel>(main, "lblPosMnx")->toolTip().isEmpty());
}

TEST_F(MainWindowTrapsQtTest, TheFileCommandsHaveTheirKeys) {
    EXPECT_EQ(main->findChild<QAction*>("mnuNew")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(main->findChild<QAction*>("mnuOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(main->findChild<QAction*>("mnuSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(main->findChild<QAction*>("mnuSaveAs")->shortcut(),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
}

TEST_F(MainWindowTrapsQtTest, ClosingWithUnsavedWorkAsksAndCancelKeepsTheWindow) {
    QLineEdit* width = child<QLineEdit>(main, "txtRectb");
    width->setText("16");
    emit width->returnPressed();
    ASSERT_EQ(app->model().rectB, 16.0f);

    platform.saveChoices.push_back(SaveChoice::Cancel);
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(platform.saveQuestions, std::vector<std::string>{"Save changes to Untitled?"});

    // New after Don't Save: the defaults and a title that names the project.
    platform.saveChoices.push_back(SaveChoice::DontSave);
    main->findChild<QAction*>("mnuNew")->trigger();
    EXPECT_EQ(app->model().rectB, 12.0f);
    EXPECT_EQ(main->windowTitle(),
              "PMSECT: R.C. Section Axial & Flexural Strength Analysis - Untitled");
    EXPECT_EQ(platform.saveQuestions.size(), 2u);
}

// Where a window centred over the main window starts, moved back onto the screen as little as
// it takes: the screen of the offscreen platform is smaller than the main window.
QPoint expectedTopLeft(const QRect& owner, const QSize& window, const ScreenSize& screen) {
    const auto fit = [](int start, int size, int limit) {
        return std::max(0, std::min(start, limit - size));
    };
    return {fit(owner.center().x() - window.width() / 2, window.width(), screen.width),
            fit(owner.center().y() - window.height() / 2, window.height(), screen.height)};
}

TEST_F(MainWindowTrapsQtTest, SecondaryWindowsOpenCentredOverTheMainWindow) {
    main->move(40, 30);
    QApplication::processEvents();
    const QRect owner = main->frameGeometry();
    child<QPushButton>(main, "cmdPnMn")->click();
    child<QAction>(main, "mnuOutput")->trigger();
    child<QAction>(main, "mnuUnits")->trigger();
    for (QWidget* window : std::initializer_list<QWidget*>{
             windows->singlePointWindow(), windows->reportWindow(), windows->unitsWindow()}) {
        ASSERT_NE(window, nullptr);
        const QRect frame = window->frameGeometry();
        const QPoint expected = expectedTopLeft(owner, frame.size(), platform.screenSize());
        // Within the frame's border, which a window learns only once it is shown.
        EXPECT_NEAR(frame.left(), expected.x(), 5) << window->objectName().toStdString();
        EXPECT_NEAR(frame.top(), expected.y(), 5) << window->objectName().toStdString();
        // Never the screen's top-left corner, where they used to open.
        EXPECT_NE(frame.topLeft(), QPoint(0, 0)) << window->objectName().toStdString();
    }
}

} // namespace
} // namespace pmsect::test
