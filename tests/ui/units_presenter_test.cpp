// The Units window: its groups, and applyUnits rewriting the main window in the new units.
#include "format/number_format.h"
#include "main_window_fixture.h"

namespace pmsect::test {
namespace {

using UnitsWindow = MainWindowTest;

TEST_F(UnitsWindow, ShowsTheFiveGroupsInOrder) {
    const UnitsView& v = app.units().view();
    EXPECT_EQ(v.caption, "Units");
    EXPECT_EQ(v.doneCaption, "&Done");
    const char* captions[] = {"Length Units", "Force Units", "Moment Units", "Stress Units",
                              "Unit Weight Units"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(v.groups[i].caption, captions[i]);
    }
    EXPECT_EQ(v.groups[0].options, (std::vector<std::string>{"Inch", "Feet", "mm", "cm", "meter"}));
    EXPECT_EQ(v.groups[1].options, (std::vector<std::string>{"lbs", "kips", "N", "kN"}));
    EXPECT_EQ(v.groups[2].options.back(), "kN-m");
    EXPECT_EQ(v.groups[3].options.back(), "MPa");
    EXPECT_EQ(v.groups[4].options, (std::vector<std::string>{"pcf", "Kg/m^3"}));
}

TEST_F(UnitsWindow, KilonewtonsRewriteTheLabelsAndInputs) {
    UnitPositions stored;
    int saves = 0;
    app.units().setSaveChoice([&](const UnitPositions& p) {
        stored = p;
        ++saves;
    });
    const std::string mnxFtK = view().summary.posMnx.text;
    app.units().show();
    app.units().select(UnitGroup::Force, 4);  // kN
    app.units().select(UnitGroup::Moment, 6); // kN-m
    app.units().select(UnitGroup::Stress, 4); // MPa
    app.units().onDone();

    EXPECT_FALSE(app.units().view().visible);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(stored.force, 4);
    EXPECT_EQ(stored.moment, 6);
    EXPECT_EQ(stored.stress, 4);
    EXPECT_EQ(stored.length, 1);
    EXPECT_EQ(app.pointer().busyCount(), 0);

    // Po = -906.99 kips, times 4.4482216 kN per kip.
    EXPECT_EQ(view().summary.Po.text, "Po = -4,034.49 kN");
    EXPECT_EQ(view().flexuralUnits, "Flexural Units: kN-m");
    // A moment in ft-k times 1.35581795 = 4.4482216 kN x 0.3048 m.
    const double ftK = parseNumber(mnxFtK).value();
    const double kNm = parseNumber(view().summary.posMnx.text).value();
    EXPECT_NEAR(kNm, ftK * 1.35581795, 0.01 * 1.35581795 + 0.005);

    // The inputs are written in the new units from their first character: 3000 psi is
    // 20.684272 MPa and 60000 psi 413.68544 MPa at 0.0068947573 MPa per psi.
    EXPECT_EQ(box(MainInput::Fpc).unitLabel, "MPa");
    EXPECT_EQ(box(MainInput::Fpc).text, "20.684272");
    EXPECT_EQ(box(MainInput::Fy).text, "413.68544");
    EXPECT_EQ(box(MainInput::Width).text, "12");
    // Reading the inputs back leaves the model as it was.
    EXPECT_EQ(model.fpc, 3000.0f);
    EXPECT_EQ(model.fy, 60000);
    EXPECT_EQ(model.rectB, 12.0f);
    EXPECT_EQ(view().lblEc.substr(view().lblEc.size() - 4), " MPa");

    // A typed value is divided by the exact factor: 27.579029 MPa is 4000 psi.
    type(MainInput::Fpc, "27.579029");
    EXPECT_NEAR(model.fpc, 4000, 0.01);
}

TEST_F(UnitsWindow, MillimetresRoundTripToInches) {
    app.units().select(UnitGroup::Length, 3);
    app.units().onDone();
    EXPECT_NEAR(parseNumber(box(MainInput::Depth).text).value(), 18 * 25.4, 1e-3);
    EXPECT_EQ(box(MainInput::Cover).unitLabel, "mm");
    // 216 x 25.4^2 = 139,354.56 exactly, and so it reads.
    EXPECT_EQ(view().summary.grossArea.text, "Gross Area = 139,354.56 mm^2");
    type(MainInput::Cover, "-50.8");
    EXPECT_NEAR(model.clearCover, 2.0, 1e-6);
    EXPECT_EQ(box(MainInput::Cover).text, "50.8");

    app.units().select(UnitGroup::Length, 1);
    app.units().onDone();
    EXPECT_NEAR(model.rectH, 18, 1e-5);
    EXPECT_NEAR(model.clearCover, 2, 1e-5);
    EXPECT_EQ(view().summary.grossArea.text, "Gross Area = 216.00 in^2");
}

} // namespace
} // namespace pmsect::test
