// Start-up and window flow: the busy pointer, window placement, the opening and information
// windows.
#include "io/settings_file.h"
#include "recording_platform.h"
#include "ui/application.h"
#include "ui/information_pages.h"
#include "units/display_units.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace pmsect::test {
namespace {

TEST(BusyPointer, NestedRequestsNeedAsManyReleases) {
    RecordingPlatform platform;
    BusyPointer pointer(platform);
    pointer.setPointer(kPointerNormal); // nothing to release: stays at 0
    EXPECT_EQ(pointer.busyCount(), 0);
    EXPECT_FALSE(platform.pointerBusy);
    pointer.setPointer(kPointerBusy);
    pointer.setPointer(kPointerBusy);
    pointer.setPointer(kPointerNormal);
    EXPECT_EQ(pointer.busyCount(), 1);
    EXPECT_TRUE(platform.pointerBusy);
    pointer.setPointer(kPointerNormal);
    EXPECT_FALSE(platform.pointerBusy);
    pointer.setPointer(kPointerNormal);
    EXPECT_EQ(pointer.busyCount(), 0);

    pointer.setPointer(kPointerBusy);
    pointer.setPointer(1); // another shape: shown at once, the count untouched
    EXPECT_EQ(pointer.busyCount(), 1);
    EXPECT_FALSE(platform.pointerBusy);
}

TEST(BusyPointer, ScopeReleasesWhenWorkThrows) {
    RecordingPlatform platform;
    BusyPointer pointer(platform);
    try {
        BusyScope busy(pointer);
        throw std::runtime_error("stop");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(pointer.busyCount(), 0);
    EXPECT_FALSE(platform.pointerBusy);
}

TEST(CentreWindow, PlacesAboveTheMiddle) {
    // 1920 x 1080 screen, 800 x 600 window: top = 918 div 2 - 300 = 159, left = 960 - 400.
    const WindowPosition p = centreWindow(1920, 1080, 800, 600);
    EXPECT_EQ(p.top, 159);
    EXPECT_EQ(p.left, 560);
    // Twice as tall as 0.85 of the screen: 2 x 918 = 1836, top = 459 - 918.
    const WindowPosition tall = centreWindow(1920, 1080, 800, 1836);
    EXPECT_EQ(tall.top, -459);
    // Odd sizes: 1001 * 0.85 = 850.85 rounds to 851, 851 div 2 = 425; 301 div 2 = 150.
    const WindowPosition odd = centreWindow(1001, 1001, 301, 301);
    EXPECT_EQ(odd.top, 275);
    EXPECT_EQ(odd.left, 350);
}

TEST(SummaryChain, ADisabledSummaryRunsOnlyWhenRefreshedAndStaysDisabled) {
    RecordingPlatform platform;
    Application app(platform);
    app.start();
    ProjectModel& m = app.model();
    const AxialLimits& limits = app.data().section.limits;
    const float before = limits.To;
    app.setSummaryEnabled(false);
    m.fy = 40000;
    app.recompute();
    EXPECT_EQ(limits.To, before);
    app.refresh();
    EXPECT_NEAR(limits.To, limits.steelArea * 40000.0, 1);
    EXPECT_FALSE(app.summaryEnabled());
    app.setSummaryEnabled(true);
    m.fy = 60000;
    app.recompute();
    EXPECT_NEAR(limits.To, limits.steelArea * 60000.0, 1);
}

TEST(StartFlow, TheSettingsFileIsReadAtTheOpeningAndKeepsEveryChoice) {
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("pmsect_settings_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    ASSERT_TRUE(saveShowInfoAtStart(dir.string(), 0));
    ASSERT_TRUE(saveDesignCode(dir.string(), DesignCode::Aci318_19));
    ASSERT_TRUE(saveUnitChoice(dir.string(), {3, 2, 4, 1, 1}));

    RecordingPlatform platform;
    platform.directory = dir.string();
    Application app(platform, dir.string());
    app.loadOpening();
    EXPECT_FALSE(app.information().view().showOnStartup);
    EXPECT_EQ(app.units().view().groups[0].selected, 3);
    app.start();
    EXPECT_EQ(app.model().designCode, DesignCode::Aci318_19); // new projects take it
    EXPECT_EQ(app.model().units.lengthLabel, "mm");

    const int16_t kN = *unitPositionByName(UnitGroup::Force, "kN");
    app.units().show();
    app.units().select(UnitGroup::Force, kN);
    app.units().onDone();
    EXPECT_EQ(loadSettings(dir.string(), dir.string()).settings.units.force, kN);

    // Without a settings folder nothing is read: the defaults of a first run.
    Application bare(platform);
    bare.loadOpening();
    EXPECT_TRUE(bare.information().view().showOnStartup);
    EXPECT_EQ(bare.units().view().groups[0].selected, 1);
    fs::remove_all(dir);
}

TEST(StartFlow, OpeningShowsTheSettingsAndContinuesToTheMainWindow) {
    RecordingPlatform platform;
    Application app(platform);
    app.model().Es = 1;
    app.loadOpening([] { return StartupSettings{"projects/sections", false, {3, 4, 6, 1, 1}}; });
    const OpeningView& v = app.opening().view();
    EXPECT_EQ(v.caption, "PMSECT:  R.C. Section Axial & Flexural Strength Analysis");
    EXPECT_EQ(v.version, "Version 3.0e");
    EXPECT_EQ(v.date, "3/6/2007");
    EXPECT_EQ(v.defaultDirectoryLine, "Default Directory: projects/sections");
    EXPECT_EQ(app.model().Es, 29000000);
    EXPECT_FALSE(app.information().view().showOnStartup);
    // Selected but not applied until the main window starts.
    EXPECT_EQ(app.units().view().groups[0].selected, 3);
    EXPECT_EQ(app.model().units.lengthLabel, "in.");

    EXPECT_EQ(app.opening().onContinue(), WindowId::Main);
    EXPECT_EQ(app.pointer().busyCount(), 1);
    app.start();
    app.mainWindow().onActivated();
    EXPECT_EQ(app.pointer().busyCount(), 0);
    EXPECT_EQ(app.model().units.lengthLabel, "mm");
    EXPECT_EQ(app.mainWindow().view().input(MainInput::Width).text, "304.8");
    EXPECT_EQ(app.mainWindow().view().summary.Po.text, "Po = -4,034.49 kN"); // 906.99 x 4.44822
}

TEST(StartFlow, InformationFirstWhenAsked) {
    RecordingPlatform platform;
    Application app(platform);
    app.loadOpening([] { return StartupSettings{"/", true, {}}; });
    EXPECT_EQ(app.opening().onContinue(), WindowId::Information);

    std::vector<bool> written;
    InformationPresenter& info = app.information();
    info.setSaveShowOnStartup([&](bool show) { written.push_back(show); });
    EXPECT_TRUE(info.view().showOnStartup);
    info.onShowOnStartup(false);
    EXPECT_EQ(written, std::vector<bool>{false});
    EXPECT_EQ(info.onDone(), WindowId::Main);
}

TEST(StartFlow, InformationPagesHaveTheirTitlesAndText) {
    const ProjectModel model;
    InformationPresenter info(model);
    const std::vector<std::string> titles{
        "Overview",    "Theory of Operation", "Terminology",     "Tips",
        "Limitations", "References",          "Future Releases", "Contacting the Developer"};
    EXPECT_EQ(info.view().pageTitles, titles);
    for (int i = 0; i < 8; ++i) {
        info.selectPage(i);
        EXPECT_EQ(info.view().selectedPage, i);
        EXPECT_GT(info.view().pageText.size(), 50u) << titles[static_cast<std::size_t>(i)];
    }
    info.selectPage(8); // past the last page: stays
    EXPECT_EQ(info.view().selectedPage, 7);
}

} // namespace
} // namespace pmsect::test
