// frmSlenderness on the offscreen platform: the main window's Slenderness... button opens it,
// "Check slenderness" and a typed length reach the project and the load table's columns, Escape
// closes it; and pictures of it and of the load table with magnified loads for a person to see.
#include "qt_test_support.h"
#include "screenshot_fixture.h"
#include "ui/qt/grid_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/slenderness_window.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace pmsect::test {
namespace {

class SlendernessWindowQtTest : public ProgramTest {};

TEST_F(SlendernessWindowQtTest, CheckSlendernessAndATypedLengthReachTheProject) {
    startToMainWindow();
    child<QPushButton>(windows->mainWindow(), "cmdSlenderness")->click();
    SlendernessWindow* window = windows->slendernessWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    auto* lu = child<QLineEdit>(window, "txtLuX");
    EXPECT_FALSE(lu->isEnabled());
    child<QCheckBox>(window, "chkSlenderness")->click();
    ASSERT_TRUE(app->model().slenderness.has_value());
    EXPECT_TRUE(lu->isEnabled());

    lu->setFocus();
    lu->selectAll();
    QTest::keyClicks(lu, "240");
    QTest::keyClick(lu, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(app->model().slenderness->x.lu, 240.0f);
    EXPECT_EQ(child<QLabel>(window, "lblSlendernessX")->text().toStdString(),
              app->slenderness().view().axes[0].slenderness);

    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

class SlendernessScreenshotTest : public ScreenshotFixture {
protected:
    void openSlenderProject() {
        startToMainWindow();
        platform.openAnswers.push_back(PMSECT_TEST_DATA
                                       "/../../fuzz/corpus/project_json/slender.project.json");
        windows->mainWindow()->findChild<QAction*>("mnuOpen")->trigger();
        ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
        ASSERT_TRUE(app->model().slenderness.has_value());
    }
};

// The sway column about x (its storey's sums) and the braced one about y, EI (b).
TEST_F(SlendernessScreenshotTest, DISABLED_SlendernessWindow) {
    openSlenderProject();
    windows->mainWindow()->findChild<QPushButton*>("cmdSlenderness")->click();
    snap(windows->slendernessWindow(), "40-slenderness");
}

// The same project's loads with their end moments, magnified moments and magnifiers.
TEST_F(SlendernessScreenshotTest, DISABLED_LoadTableWithMagnifiedLoads) {
    openSlenderProject();
    windows->mainWindow()->findChild<QPushButton*>("cmdLoads")->click();
    GridWindow* loads = windows->loadTableWindow();
    ASSERT_NE(loads, nullptr);
    loads->resize(1500, 420);
    snap(loads, "41-loads-slender");
}

} // namespace
} // namespace pmsect::test
