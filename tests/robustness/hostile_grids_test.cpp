// Hostile typing into the load table, the three editors (cells and the effective width and depth
// boxes) and the results window's boxes: a text is refused with the window's message or taken,
// tables never grow past their capacity, and no real of the model becomes NaN or infinite.
#include "format/number_format.h"
#include "hostile_texts.h"
#include "model/model_fields.h"
#include "project/project_summary.h"
#include "recording_platform.h"
#include "ui/bar_size_cells.h"
#include "ui/window_id.h"
#include "window_opening.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace pmsect {
namespace {

using robust::hostileTexts;
using robust::shownForMessage;

bool blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

// A grid cell accepts blank text (an empty cell) or a number.
bool cellAccepts(const std::string& text) {
    return blank(text) || parseNumber(text).has_value();
}

bool showsNonFinite(const std::string& text) {
    return text.find("NaN") != std::string::npos || text.find("Inf") != std::string::npos;
}

class HostileGrids : public ::testing::Test {
protected:
    void SetUp() override {
        app.start();
        platform.messages.clear();
    }
    void expectSound(const std::string& context) {
        EXPECT_EQ(robust::firstCountOutOfRange(app.model()), "") << context;
        EXPECT_EQ(robust::firstNonFinite(app.model()), "") << context;
    }
    // Typing text into a cell: the cell's verdict, and the message only for a refusal.
    template <class Presenter>
    void typeCell(Presenter& p, int row, int column, const std::string& text, bool editable,
                  const char* refusal, const std::string& context, bool sizeColumn = false) {
        platform.messages.clear();
        const bool taken = p.editCell(row, column, text);
        if (!editable) {
            EXPECT_FALSE(taken) << context;
            return;
        }
        if (!cellAccepts(text)) {
            EXPECT_FALSE(taken) << context;
            ASSERT_EQ(platform.messages.size(), 1u) << context;
            EXPECT_EQ(platform.messages[0], refusal) << context;
        } else if (taken) {
            EXPECT_TRUE(platform.messages.empty()) << context;
        } else if (sizeColumn) {
            // A number is refused as a bar size the bar table does not hold,
            ASSERT_EQ(platform.messages.size(), 1u) << context;
            EXPECT_EQ(platform.messages[0], kBarSizeRefusal) << context;
        } else {
            // or as a value outside its column's range, which the refusal names.
            ASSERT_EQ(platform.messages.size(), 1u) << context;
            const double stored = parseNumber(text).value();
            EXPECT_TRUE(std::fabs(stored) > 1'200) << context;
            EXPECT_NE(platform.messages[0].find(" must lie between "), std::string::npos)
                << context;
        }
    }

    test::RecordingPlatform platform;
    Application app{platform};
};

TEST_F(HostileGrids, LoadTableCellsAndCapacity) {
    LoadTablePresenter& loads = app.loads();
    ASSERT_TRUE(test::openWindow(app, WindowId::Loads));
    loads.activate();
    constexpr int kRows = 45;
    for (int i = 0; i < kRows; ++i) {
        loads.addLoad();
    }
    EXPECT_EQ(loads.view().rows.size(), static_cast<std::size_t>(kRows));
    for (const std::string& text : hostileTexts()) {
        for (const int row : {-1, 0, 1, kRows - 1, kRows, 1000}) {
            for (int field = 0; field < kLoadFields; ++field) {
                const bool editable = row >= 0 && row < kRows && field >= 1 && field <= 3;
                typeCell(loads, row, field, text, editable, kLoadNotNumericMessage,
                         "load cell " + std::to_string(row) + "," + std::to_string(field) + " <- " +
                             shownForMessage(text));
            }
        }
    }
    // Keep the check quick: three loads carry what was typed last into them, the rest are cleared.
    for (int row = 3; row < kRows; ++row) {
        for (int field = 1; field <= 3; ++field) {
            loads.editCell(row, field, "0");
        }
    }
    loads.update();
    EXPECT_LE(app.model().loads.count(), kRows);
    expectSound("load table after Update");
}

TEST_F(HostileGrids, LoadValuesThatOverflowInOtherUnits) {
    // A load as large as single precision allows, then a force unit that multiplies it by 1000.
    for (const std::string big : {"3.4e38", "-3.4e38", "1e38", "1e35"}) {
        LoadTablePresenter& loads = app.loads();
        loads.show();
        loads.activate();
        while (!loads.view().rows.empty()) {
            loads.deleteLoad();
        }
        loads.addLoad();
        loads.editCell(0, 1, big);
        loads.editCell(0, 2, big);
        loads.editCell(0, 3, "1");
        loads.update();
        expectSound("load " + big);
        app.units().select(UnitGroup::Force, 1);  // lbs
        app.units().select(UnitGroup::Moment, 1); // in-lb
        app.units().onDone();
        loads.activate();
        for (int f = 0; f < kLoadFields; ++f) {
            EXPECT_FALSE(showsNonFinite(loads.cellText(0, f))) << big << " field " << f;
        }
        loads.update();
        expectSound("load " + big + " shown in lbs and updated");
        app.units().select(UnitGroup::Force, 2);
        app.units().select(UnitGroup::Moment, 4);
        app.units().onDone();
    }
}

TEST_F(HostileGrids, PointEditorCellsAndCounts) {
    app.mainWindow().onOption(MainOption::Arbitrary);
    PointEditorPresenter& points = app.pointEditor();
    ASSERT_TRUE(test::openWindow(app, WindowId::PointEditor));
    points.activate();
    for (int i = 0; i < 120; ++i) {
        points.addPoint();
    }
    EXPECT_LE(points.view().rows.size(), 100u);
    EXPECT_LE(app.model().numPoints, kMaxPoints);
    for (const std::string& text : hostileTexts()) {
        for (const int row : {-1, 0, 2, 99, 100}) {
            for (int column = 0; column < 3; ++column) {
                const bool editable =
                    row >= 0 && row < static_cast<int>(points.view().rows.size()) && column >= 1;
                typeCell(points, row, column, text, editable, kPointNotNumericMessage,
                         "point cell <- " + shownForMessage(text));
            }
        }
        points.update();
        expectSound("point editor Update after " + shownForMessage(text));
    }
    while (points.view().rows.size() > 3) {
        points.deletePoint();
    }
    platform.messages.clear();
    points.deletePoint();
    EXPECT_EQ(points.view().rows.size(), 3u);
    EXPECT_EQ(platform.messages, std::vector<std::string>{kTooFewPointsMessage});
    points.done();
    expectSound("point editor Done");
}

TEST_F(HostileGrids, BarEditorCellsAndCounts) {
    app.mainWindow().onOption(MainOption::PlacedBars);
    BarEditorPresenter& bars = app.barEditor();
    ASSERT_TRUE(test::openWindow(app, WindowId::BarEditor));
    bars.activate();
    for (int i = 0; i < 120; ++i) {
        bars.addBar();
    }
    EXPECT_LE(bars.view().rows.size(), 100u);
    for (const std::string& text : hostileTexts()) {
        for (const int row : {-1, 0, 50, 99, 100}) {
            for (int column = 0; column < 4; ++column) {
                const bool editable =
                    row >= 0 && row < static_cast<int>(bars.view().rows.size()) && column >= 1;
                typeCell(bars, row, column, text, editable, kBarNotNumericMessage,
                         "bar cell <- " + shownForMessage(text), column == kBarSizeColumn);
            }
        }
        bars.update();
        expectSound("bar editor Update after " + shownForMessage(text));
    }
    while (bars.view().rows.size() > 3) {
        bars.deleteBar();
    }
    platform.messages.clear();
    bars.deleteBar();
    EXPECT_EQ(platform.messages, std::vector<std::string>{kTooFewBarsMessage});
    bars.done();
    expectSound("bar editor Done");
}

TEST_F(HostileGrids, BarSetEditorCellsBoxesAndCounts) {
    BarSetEditorPresenter& sets = app.barSetEditor();
    ASSERT_TRUE(test::openWindow(app, WindowId::BarSetEditor));
    sets.activate();
    for (int i = 0; i < 25; ++i) {
        sets.addBarSet();
    }
    EXPECT_LE(sets.view().rows.size(), 20u);
    EXPECT_LE(app.model().numBarSets, kMaxBarSets);
    for (const std::string& text : hostileTexts()) {
        for (const int row : {-1, 0, 19, 20}) {
            for (int column = 0; column < 3; ++column) {
                const bool editable =
                    row >= 0 && row < static_cast<int>(sets.view().rows.size()) && column >= 1;
                typeCell(sets, row, column, text, editable, kBarSetNotNumericMessage,
                         "bar set cell <- " + shownForMessage(text), column == kBarSetSize);
            }
        }
        sets.update();
        expectSound("bar-set editor Update after " + shownForMessage(text));
        EXPECT_LE(app.model().numBars, kMaxBars);
        for (const BarSetBox box : {BarSetBox::EffectiveWidth, BarSetBox::EffectiveDepth}) {
            platform.messages.clear();
            sets.confirmBox(box, text);
            // A number is taken without a message unless what it makes overflows or lays bars
            // outside the section.
            if (parseNumber(text)) {
                EXPECT_TRUE(platform.messages.empty() ||
                            platform.messages == std::vector<std::string>{kTooLargeMessage} ||
                            platform.messages[0].starts_with(sectionFaultMessage("")))
                    << shownForMessage(text);
            }
            expectSound("effective side <- " + shownForMessage(text));
            EXPECT_FALSE(showsNonFinite(sets.view().txtEWidth)) << sets.view().txtEWidth;
            EXPECT_FALSE(showsNonFinite(sets.view().txtEDepth)) << sets.view().txtEDepth;
        }
        sets.onParallel(text.size() % 2 == 1);
        expectSound("orientation after " + shownForMessage(text));
    }
    sets.done();
    expectSound("bar-set editor Done");
}

TEST_F(HostileGrids, ResultsWindowBoxes) {
    ResultsPresenter& results = app.results();
    ASSERT_TRUE(test::openWindow(app, WindowId::Results));
    results.activate();
    struct Box {
        void (ResultsPresenter::*confirm)(std::string_view);
        const char* message;
    };
    const Box boxes[] = {{&ResultsPresenter::confirm2DAngle, k2DAngleMessage},
                         {&ResultsPresenter::confirmNumSections, kSectionsMessage},
                         {&ResultsPresenter::confirm3DHorAngle, k3DHorAngleMessage},
                         {&ResultsPresenter::confirm3DVertAngle, k3DVertAngleMessage}};
    for (const bool biaxial : {false, true}) {
        if (biaxial) {
            results.onOptBiMn();
        }
        for (const Box& box : boxes) {
            for (const std::string& text : hostileTexts()) {
                platform.messages.clear();
                (results.*box.confirm)(text);
                const std::string context = std::string(box.message) + " <- " +
                                            shownForMessage(text) +
                                            (biaxial ? " (biaxial)" : " (Pn-Mn)");
                if (!parseNumber(text)) {
                    ASSERT_FALSE(platform.messages.empty()) << context;
                    EXPECT_EQ(platform.messages.front(), box.message) << context;
                } else {
                    EXPECT_TRUE(platform.messages.empty()) << context;
                }
                expectSound(context);
                // A refused number of sections stays in its box as typed; the others are
                // rewritten by the window.
                const ResultsView& v = results.view();
                for (const std::string* shown :
                     {&v.txt2DHorAngle, &v.txt3DHorAngle, &v.txt3DVertAngle}) {
                    EXPECT_FALSE(showsNonFinite(*shown)) << context << ": " << *shown;
                }
                EXPECT_GE(v.hsb3D.value, v.hsb3D.min) << context;
                EXPECT_LE(v.hsb3D.value, v.hsb3D.max) << context;
                EXPECT_GE(v.vsb3D.value, v.vsb3D.min) << context;
                EXPECT_LE(v.vsb3D.value, v.vsb3D.max) << context;
            }
        }
    }
    for (const int32_t value : {-2147483647, -1, 0, 361, 32768, 2147483647}) {
        results.onHsb2DChange(value);
        results.onHsb3DChange(value);
        results.onVsb3DChange(value);
        expectSound("scroll bars at " + std::to_string(value));
    }
}

// The large 3D view: scroll bars at any value and window sizes that are not sizes at all.
TEST_F(HostileGrids, LargeViewScrollBarsAndSizes) {
    ResultsPresenter& results = app.results();
    ASSERT_TRUE(test::openWindow(app, WindowId::Results));
    results.activate();
    LargeViewPresenter& large = app.largeView();
    large.show();
    large.activate();
    const double inf = std::numeric_limits<double>::infinity();
    const double sizes[] = {0, -1, 1e300, -1e300, inf, -inf, std::nan(""), 5000};
    for (const double w : sizes) {
        for (const double h : sizes) {
            large.resize(w, h);
            const LargeViewLayout& l = large.view().layout;
            for (const LayoutRect* r :
                 {&l.cmdDone, &l.chk3Dwophi, &l.chk3Dwphi, &l.chk3DLoads, &l.chk3DSection,
                  &l.lblHang, &l.lblVang, &l.vsbVang, &l.hsbHang, &l.pic3D}) {
                // Sizes never below zero, and never NaN.
                EXPECT_TRUE(r->width >= 0 && r->height >= 0) << w << " x " << h;
            }
        }
    }
    for (const int32_t value : {std::numeric_limits<int32_t>::min(), -361, -91, 0, 91, 361,
                                std::numeric_limits<int32_t>::max()}) {
        large.onHangScroll(value);
        large.onHangChange(value);
        large.onVangScroll(value);
        large.onVangChange(value);
        EXPECT_FALSE(showsNonFinite(large.view().lblHang)) << value;
        EXPECT_FALSE(showsNonFinite(large.view().lblVang)) << value;
    }
    expectSound("large view");
}

// A tiny axial force under the largest moment a load may have: the eccentricity cannot be held,
// so the update is undone and the table stays open with the loads as they were. A moment beyond
// the range is refused at its cell.
TEST_F(HostileGrids, LoadTableRefusesLoadsWhoseEccentricityOverflows) {
    LoadTablePresenter& loads = app.loads();
    loads.show();
    loads.activate();
    loads.addLoad();
    loads.editCell(0, kPu, "-50");
    loads.editCell(0, kMux, "20");
    ASSERT_TRUE(loads.update());
    const ProjectModel before = app.model();
    platform.messages.clear();
    EXPECT_FALSE(loads.editCell(0, kMux, "-3e38"));
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"Mux must lie between -10,000,000 and 10,000,000 ft-k"});
    // 1.2E+8 kip-in over 1E-31 kips is 1.2E+39 in: beyond single precision.
    loads.editCell(0, kPu, "1e-31");
    loads.editCell(0, kMux, "-10000000");
    platform.messages.clear();
    loads.done();
    expectSound("load 1e-31, -1e7");
    EXPECT_EQ(platform.messages, std::vector<std::string>{kTooLargeMessage});
    EXPECT_EQ(robust::firstDifference(before, app.model()), "");
    EXPECT_TRUE(loads.view().visible);
    EXPECT_EQ(loads.cellText(0, kPu), "-50.00");
}

// A coordinate beyond its range is refused at its cell. A shape that leaves bars outside the
// outline, and a side or count so large that the steel overflows, are refused whole: the model
// stays as it was, the rows show it again, the window says why and stays open.
TEST_F(HostileGrids, EditorsRefuseNumbersWhoseResultsOverflow) {
    const auto expectRefused = [&](const ProjectModel& before, const std::string& message,
                                   const std::string& context) {
        expectSound(context);
        ASSERT_EQ(platform.messages.size(), 1u) << context;
        EXPECT_EQ(platform.messages[0].rfind(message, 0), 0u) << platform.messages[0];
        EXPECT_EQ(robust::firstDifference(before, app.model()), "") << context;
        // The results shown are those of the model put back, as a fresh summary gives them.
        ProjectModel fresh = before;
        const AxialLimits expected = computeSectionSummary(fresh).limits;
        EXPECT_EQ(app.data().section.limits.Po, expected.Po) << context;
        EXPECT_EQ(app.data().section.limits.steelArea, expected.steelArea) << context;
        platform.messages.clear();
    };
    const std::string undone = sectionFaultMessage("");

    app.mainWindow().onOption(MainOption::Arbitrary);
    PointEditorPresenter& points = app.pointEditor();
    points.show();
    points.activate();
    ProjectModel before = app.model();
    platform.messages.clear();
    EXPECT_FALSE(points.editCell(0, kPointX, "1e38"));
    expectRefused(before, "X must lie between -1,200 and 1,200 in.", "point X 1e38");
    EXPECT_EQ(points.cellText(0, kPointX), realCellText(before.points[1].x));
    // (-6, -9) moved to (0, -9) leaves the bar at (-3.8125, -6.8125) outside.
    points.editCell(0, kPointX, "0");
    points.done();
    expectRefused(before, undone + "bar 11 at (-3.8125, -6.8125) lies outside", "point X 0");
    EXPECT_TRUE(points.view().visible);
    EXPECT_EQ(points.cellText(0, kPointX), realCellText(before.points[1].x));
    points.done();
    EXPECT_FALSE(points.view().visible);
    // Deleting a point applies the rows as well: the triangle left holds not every bar.
    points.show();
    points.activate();
    points.selectRow(1);
    before = app.model();
    points.deletePoint();
    expectRefused(before, undone, "point deleted");

    app.mainWindow().onOption(MainOption::PlacedBars);
    BarEditorPresenter& bars = app.barEditor();
    bars.show();
    bars.activate();
    before = app.model();
    EXPECT_FALSE(bars.editCell(0, kBarY, "-3e38"));
    expectRefused(before, "Y must lie between -1,200 and 1,200 in.", "bar Y -3e38");
    bars.editCell(0, kBarY, "100");
    EXPECT_FALSE(bars.update());
    expectRefused(before, undone + "bar 1 at (-3.8125, 100) lies outside", "bar Y 100");
    EXPECT_EQ(bars.cellText(0, kBarY), boxNumberText(before.bars[1].y));
    // A position inside is kept.
    bars.editCell(0, kBarY, "0");
    EXPECT_TRUE(bars.update());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(app.model().bars[1].y, 0.0f);

    app.mainWindow().onOption(MainOption::Rectangular);
    app.mainWindow().onOption(MainOption::BarSets);
    BarSetEditorPresenter& sets = app.barSetEditor();
    sets.show();
    sets.activate();
    before = app.model();
    const std::string widthShown = sets.view().txtEWidth;
    platform.messages.clear();
    sets.confirmBox(BarSetBox::EffectiveWidth, "1e38");
    expectRefused(before, kTooLargeMessage, "effective width 1e38");
    EXPECT_EQ(sets.view().txtEWidth, widthShown);
    // A count that large asks for more bars than the table holds: refused, nothing is cut.
    sets.editCell(0, kBarSetCount, "3e38");
    platform.messages.clear();
    EXPECT_FALSE(sets.update());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].rfind("The bar sets ask for ", 0), 0u) << platform.messages[0];
    EXPECT_EQ(app.model().numBars, before.numBars);
    sets.onParallel(!before.barSetsAlongY);
    expectSound("bar sets turned after a count of 3e38");
}

} // namespace
} // namespace pmsect
