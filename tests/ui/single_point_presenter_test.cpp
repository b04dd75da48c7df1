// The single-point window on the default 12 x 18 in section (20 #5 bars, f'c 3000 psi): first
// opening in inches and millimetres, validation and resets, the raised depth, the e-mode search
// and what an unreachable load leaves behind.
#include "building/new_project.h"
#include "engine/bar_table.h"
#include "engine/searches.h"
#include "format/number_format.h"
#include "model/model_fields.h"
#include "project/engine_inputs_of.h"
#include "recording_platform.h"
#include "results/recording_canvas.h"
#include "ui/single_point_presenter.h"
#include "units/display_units.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace pmsect {
namespace {

class SinglePointTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetToNewProject(model);
        useLength(1);
    }
    void useLength(int16_t position) { applyUnitChoice(model.units, position, 2, 4, 1, 1); }

    // The number after a label's prefix, e.g. "Pn = -1,234.50 k" -> -1234.5.
    static double valueOf(const std::string& line, const std::string& prefix) {
        EXPECT_EQ(line.rfind(prefix, 0), 0u) << line;
        const std::string rest = line.substr(prefix.size());
        return parseNumber(rest.substr(0, rest.find(' '))).value_or(NAN);
    }
    std::string pnText(float pn) { return "Pn = " + formatNumber(pn, "##,##0.00") + " k"; }

    // Given e: the eccentricity and load angle typed, then Enter in the e box.
    void solveForEccentricity(const char* e, const char* loadAngle) {
        presenter.chooseMode(SinglePointMode::GivenE);
        presenter.setText(SinglePointInput::E, e);
        presenter.setText(SinglePointInput::LoadAngle, loadAngle);
        presenter.enter(SinglePointInput::E);
    }

    ProjectModel model;
    test::RecordingPlatform platform;
    std::vector<bool> pointer;
    SinglePointPresenter presenter{model, platform, [this](bool busy) { pointer.push_back(busy); }};
};

// Pn at angle 0 by hand: stress block 0.85 f'c over a = beta1 c from the top (y = 9) less the
// bars inside it, and every bar at its strain, limited to fy.
double handPn(const ProjectModel& m, double c) {
    const double a = m.beta1 * c;
    double concreteArea = m.rectB * a;
    double steel = 0;
    for (const Bar& b : modelBars(m)) {
        const double depth = 9 - b.y;
        if (depth < a) {
            concreteArea -= Barea(b.size);
        }
        const double fs = std::clamp(-0.003 * (c - depth) / c * m.Es, -1.0 * m.fy, 1.0 * m.fy);
        steel += Barea(b.size) * fs / 1000;
    }
    return -0.85 * m.fpc * concreteArea / 1000 + steel;
}

TEST_F(SinglePointTest, FirstOpeningInInches) {
    presenter.open();
    const SinglePointView& v = presenter.view();
    EXPECT_EQ(v.c.text, " 4");
    EXPECT_EQ(v.neutralAxisAngle.text, "0");
    EXPECT_EQ(v.mode, SinglePointMode::GivenC);
    EXPECT_TRUE(v.c.enabled && v.neutralAxisAngle.enabled);
    EXPECT_FALSE(v.e.enabled || v.loadAngle.enabled);
    EXPECT_EQ(v.c.unit, "in.");
    EXPECT_EQ(v.loadAngle.unit, "deg.");
    EXPECT_FLOAT_EQ(presenter.depth(), 4);
    EXPECT_TRUE(presenter.showsSolution());
    EXPECT_EQ(pointer, std::vector<bool>{false});
    EXPECT_TRUE(platform.messages.empty());

    // By hand: a = 3.4 in holds the six top bars; Pn is a small tension of about 8.3 kips.
    EXPECT_NEAR(valueOf(v.pn, "Pn = "), handPn(model, 4), 0.006);
    EXPECT_NEAR(handPn(model, 4), 8.32, 0.01);
    EXPECT_EQ(v.ac, "Ac = 38.94 in^2"); // 12 x 3.4 - 6 x 0.31
    EXPECT_EQ(v.grossCompArea, "Gross Comp. Area = 40.80 in^2");

    ProjectModel copy = model;
    NeutralAxisState direct;
    direct.c = 4;
    solveNeutralAxis(engineInputsOf(copy), 0, direct);
    EXPECT_EQ(v.pn, pnText(direct.Pn));
    EXPECT_EQ(v.e.text, formatNumber(-direct.Mn / direct.Pn, "###,##0.00"));
    EXPECT_EQ(v.loadAngle.text, "90.00"); // bending about x alone
    EXPECT_NEAR(valueOf(v.mnx, "Mnx = ") * 12, direct.Mn, 0.1);

    RecordingCanvas canvas(4000, 3000);
    presenter.draw(canvas);
    EXPECT_EQ(canvas.count(PrimitiveKind::Circle, kLightMagenta), 20u);
}

TEST_F(SinglePointTest, FirstOpeningInMillimetres) {
    useLength(3);
    presenter.open();
    EXPECT_EQ(presenter.view().c.text, " 4");
    EXPECT_EQ(presenter.view().c.unit, "mm");
    EXPECT_NEAR(presenter.depth(), 4 / 25.4, 1e-6);
    EXPECT_NEAR(valueOf(presenter.view().pn, "Pn = "), handPn(model, 4 / 25.4), 0.006);
}

TEST_F(SinglePointTest, EachSolutionReportsABarSizeMissingFromTheTable) {
    model.bars[1].size = 7.5f;
    presenter.open();
    EXPECT_EQ(platform.messages, std::vector<std::string>{unmatchedBarSizeMessage(7.5f)});
    presenter.setText(SinglePointInput::C, "8");
    presenter.enter(SinglePointInput::C);
    EXPECT_EQ(platform.messages, std::vector<std::string>(2, unmatchedBarSizeMessage(7.5f)));
}

TEST_F(SinglePointTest, LettersInCAreReplacedByFourInchesAndComputed) {
    presenter.open();
    const std::string pnAtFour = presenter.view().pn;
    presenter.setText(SinglePointInput::C, "8");
    presenter.enter(SinglePointInput::C);
    ASSERT_NE(presenter.view().pn, pnAtFour);
    presenter.setText(SinglePointInput::C, "4x");
    presenter.enter(SinglePointInput::C);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"c must be numeric"});
    EXPECT_EQ(presenter.view().c.text, "4.00");
    EXPECT_FLOAT_EQ(presenter.depth(), 4);
    EXPECT_EQ(presenter.view().pn, pnAtFour);

    presenter.setText(SinglePointInput::NeutralAxisAngle, "north");
    presenter.leave(SinglePointInput::NeutralAxisAngle);
    EXPECT_EQ(platform.messages.back(), "Rotation Angle must be numeric");
    EXPECT_EQ(presenter.view().neutralAxisAngle.text, "0.00");
}

TEST_F(SinglePointTest, LettersInTheEModeInputsOnLeavingOnlyReset) {
    useLength(3);
    presenter.open();
    presenter.chooseMode(SinglePointMode::GivenE);
    EXPECT_TRUE(presenter.view().e.enabled && !presenter.view().c.enabled);
    const SinglePointView before = presenter.view();
    presenter.setText(SinglePointInput::LoadAngle, "steep");
    presenter.leave(SinglePointInput::LoadAngle);
    presenter.setText(SinglePointInput::E, "far");
    presenter.leave(SinglePointInput::E);
    EXPECT_EQ(platform.messages,
              (std::vector<std::string>{"The Load Angle needs to be numeric",
                                        "The eccentricity needs to be numeric"}));
    EXPECT_EQ(presenter.view().loadAngle.text, " 90");
    EXPECT_EQ(presenter.view().e.text, " 25.4"); // one inch in millimetres
    EXPECT_EQ(presenter.view().pn, before.pn);
    EXPECT_EQ(presenter.view().drawingSerial, before.drawingSerial);
}

TEST_F(SinglePointTest, ADepthBelowTheMinimumIsShownRaised) {
    useLength(3);
    presenter.open();
    presenter.setText(SinglePointInput::C, "0.01"); // mm, below 0.001 in
    presenter.enter(SinglePointInput::C);
    EXPECT_FLOAT_EQ(presenter.depth(), 0.001f);
    EXPECT_EQ(presenter.view().c.text, "0.03"); // 0.0254 mm
}

TEST_F(SinglePointTest, EModeReachesSixInchesAtNinetyDegrees) {
    presenter.open();
    ProjectModel copy = model;
    solveForEccentricity("6", "90");
    ASSERT_TRUE(platform.messages.empty());

    NeutralAxisState direct;
    direct.c = 4;
    float e = 6;
    float angle = 90;
    ASSERT_TRUE(searchForEccentricityAndAngle(engineInputsOf(copy), e, angle, direct).converged);
    const SinglePointView& v = presenter.view();
    EXPECT_EQ(v.pn, pnText(direct.Pn));
    EXPECT_EQ(v.c.text, formatNumber(direct.c, "###,##0.00"));
    EXPECT_EQ(v.neutralAxisAngle.text, "0.00");
    EXPECT_EQ(v.loadAngle.text, "90.00");
    EXPECT_NEAR(*parseNumber(v.e.text), 6, 0.0105);
    // Independently, from the shown lines: e = |Mnx| / |Pn| with no moment about y.
    const double pn = valueOf(v.pn, "Pn = ");
    EXPECT_NEAR(std::fabs(valueOf(v.mnx, "Mnx = ") * 12 / pn), 6, 0.01);
    EXPECT_NEAR(valueOf(v.mny, "Mny = "), 0, 0.01);
}

TEST_F(SinglePointTest, EModeShowsTheEccentricityReachedAtAnOddAngle) {
    // The engine's angle search aims each trial at the e of the one before and ends near 6.03:
    // the window shows the e of the strain state it found, which carries the load line asked.
    ProjectModel copy = model;
    NeutralAxisState drift;
    drift.c = 4;
    float e = 6;
    float angle = 45;
    ASSERT_TRUE(searchForEccentricityAndAngle(engineInputsOf(copy), e, angle, drift).converged);
    ASSERT_GT(std::fabs(e - 6), 0.006);

    presenter.open();
    presenter.chooseMode(SinglePointMode::GivenE);
    presenter.setText(SinglePointInput::E, "6");
    presenter.setText(SinglePointInput::LoadAngle, "45");
    presenter.enter(SinglePointInput::LoadAngle);
    ASSERT_TRUE(platform.messages.empty());
    const SinglePointView& v = presenter.view();
    EXPECT_EQ(v.loadAngle.text, "45.00");
    const double pn = valueOf(v.pn, "Pn = ");
    const double mx = valueOf(v.mnx, "Mnx = ") * 12;
    const double my = valueOf(v.mny, "Mny = ") * 12;
    const double shownE = *parseNumber(v.e.text);
    EXPECT_NEAR(shownE, e, 0.005);
    EXPECT_NEAR(shownE, 6, 0.06);
    EXPECT_NEAR(std::hypot(mx, my) / std::fabs(pn), shownE, 0.012);
    EXPECT_NEAR(mx / my, 1, 0.002); // tan 45
}

TEST_F(SinglePointTest, AnUnreachableLoadLeavesThePreviousResults) {
    presenter.open();
    solveForEccentricity("6", "90");
    const SinglePointView before = presenter.view();
    const ProjectModel modelBefore = model;

    // Next to pure compression the load line has no usable direction.
    presenter.setText(SinglePointInput::E, "0.01");
    presenter.setText(SinglePointInput::LoadAngle, "30");
    presenter.enter(SinglePointInput::E);
    EXPECT_EQ(platform.messages, std::vector<std::string>{kUnreachedLoadMessage});
    const SinglePointView& v = presenter.view();
    EXPECT_EQ(v.c.text, before.c.text);
    EXPECT_EQ(v.neutralAxisAngle.text, before.neutralAxisAngle.text);
    EXPECT_EQ(v.pn, before.pn);
    EXPECT_EQ(v.mnx, before.mnx);
    EXPECT_EQ(v.drawingSerial, before.drawingSerial);
    EXPECT_EQ(v.e.text, "0.01");
    EXPECT_EQ(robust::firstDifference(model, modelBefore), "");
}

TEST_F(SinglePointTest, SummaryRefreshResizeAndLeaving) {
    presenter.refreshFromSummary(); // never opened: nothing to refresh
    EXPECT_TRUE(presenter.view().pn.empty());

    presenter.open();
    model.fpc = 4000;
    presenter.refreshFromSummary();
    EXPECT_NEAR(valueOf(presenter.view().pn, "Pn = "), handPn(model, 4), 0.006);
    presenter.setText(SinglePointInput::C, "deep");
    presenter.refreshFromSummary();
    EXPECT_TRUE(platform.messages.empty());

    EXPECT_EQ(singlePointDrawingArea(8000, 6000).width, 5240);
    EXPECT_EQ(singlePointDrawingArea(8000, 6000).height, 5235);
    EXPECT_EQ(singlePointDrawingArea(2000, 500).width, 0);
    presenter.resize(8000, 6000);
    EXPECT_EQ(presenter.view().drawingArea.width, 5240);

    presenter.done();
    EXPECT_EQ(pointer.back(), true);
    EXPECT_FALSE(presenter.view().visible);
    EXPECT_FALSE(presenter.showsSolution());
    EXPECT_EQ(captionShownText(presenter.view().givenCCaption), "Given c & NA Angle");
    EXPECT_EQ(captionShownText(presenter.view().doneCaption), "Done");
}

TEST_F(SinglePointTest, AResizeRedrawsTheSolvedStateWithoutSolvingAgain) {
    presenter.open();
    solveForEccentricity("6", "45");
    ASSERT_TRUE(platform.messages.empty());
    const SinglePointView solved = presenter.view();

    // The c box shows the depth to two decimals; solving again from it would move the answer.
    presenter.resize(9000, 7000);
    presenter.resize(6000, 4000);
    const SinglePointView& v = presenter.view();
    EXPECT_EQ(v.e.text, solved.e.text);
    EXPECT_EQ(v.pn, solved.pn);
    EXPECT_EQ(v.mnx, solved.mnx);
    EXPECT_EQ(v.mny, solved.mny);
    EXPECT_EQ(v.c.text, solved.c.text);
    EXPECT_EQ(v.drawingSerial, solved.drawingSerial + 2); // drawn again at each size
    EXPECT_EQ(v.drawingArea.width, 6000 - kDrawingWidthAllowance);
}

TEST_F(SinglePointTest, AConcentricLoadShowsTheSquashState) {
    presenter.open();
    solveForEccentricity("0", "90");
    EXPECT_TRUE(platform.messages.empty());

    // Po by hand: 0.85 f'c (Ag - As) + fy As, with the 20 #5 bars (0.31 in^2 each) of the
    // default 12 x 18 section all yielded in compression.
    const double as = 20 * 0.31;
    const double po = (0.85 * 3000 * (12 * 18 - as) + 60000 * as) / 1000;
    const SinglePointView& v = presenter.view();
    EXPECT_NEAR(valueOf(v.pn, "Pn = "), -po, 0.01);
    EXPECT_EQ(v.e.text, "0.00");
    EXPECT_NEAR(valueOf(v.mnx, "Mnx = "), 0, 0.01); // a symmetric section
    EXPECT_NEAR(valueOf(v.mny, "Mny = "), 0, 0.01);
    EXPECT_TRUE(presenter.hasDrawing());
    // The depth shown reads back: coming back to the window solves the same state again.
    presenter.activate();
    EXPECT_NEAR(valueOf(presenter.view().pn, "Pn = "), -po, 0.01);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SinglePointTest, EveryEccentricityFindsItsStateWhateverWasSolvedBefore) {
    // After a concentric load (a depth far beyond the section), after another e and after the
    // window was closed and opened again, each e reaches its state; at a load angle of 90 the
    // neutral axis is level and Pn follows by hand from the depth shown.
    presenter.open();
    for (int round = 0; round < 2; ++round) {
        for (const char* e : {"6", "2", "30", "-4"}) {
            solveForEccentricity("0", "90");
            solveForEccentricity(e, "90");
            ASSERT_TRUE(platform.messages.empty()) << e << " after e = 0";
            const double pn = valueOf(presenter.view().pn, "Pn = ");
            EXPECT_NEAR(pn, handPn(model, *parseNumber(presenter.view().c.text)),
                        0.005 * std::fabs(pn));
            EXPECT_NEAR(*parseNumber(presenter.view().e.text), *parseNumber(e),
                        0.011 * std::fabs(*parseNumber(e)));
        }
        presenter.done();
        presenter.open();
    }
}

TEST_F(SinglePointTest, NoAxialForceShowsAnInfiniteEccentricity) {
    presenter.open();
    model.numPoints = 0; // nothing to compress and no bars: Pn is exactly zero
    model.numBars = 0;
    presenter.enter(SinglePointInput::C);
    EXPECT_EQ(presenter.view().e.text, "infinite");
    EXPECT_EQ(presenter.view().pn, "Pn = 0.00 k");
}

} // namespace
} // namespace pmsect
