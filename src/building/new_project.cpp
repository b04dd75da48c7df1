// Reset to a new project.
#include "building/new_project.h"

#include "building/bar_layout.h"
#include "building/section_generators.h"
#include "project/design_code_choice.h"
#include "project/project_summary.h"

namespace pmsect {

namespace {

constexpr float kDefaultFpc = 3000;         // psi
constexpr float kDefaultUnitWt = 145;       // lb/ft^3
constexpr int32_t kDefaultFy = 60000;       // psi
constexpr int32_t kSteelModulus = 29000000; // psi
constexpr float kDefaultWidth = 12;         // in
constexpr float kDefaultDepth = 18;         // in
constexpr float kDefaultDiameter = 16;      // in
constexpr float kDefaultCover = 1.5f;       // in
constexpr float kDefaultSpacing = 1.0f;     // in
constexpr float kDefaultBarsPerSet = 10;
constexpr float kDefaultLongBar = 5;
constexpr float kDefaultTieBar = 3;
constexpr int16_t kDefaultCircleBars = 6;

} // namespace

SectionResults resetToNewProject(ProjectModel& model) {
    // Materials first; Ec and beta1 follow from f'c and the unit weight.
    model.fpc = kDefaultFpc;
    model.unitWt = kDefaultUnitWt;
    model.Ec = concreteModulusOf(model);
    model.fy = kDefaultFy;
    model.Es = kSteelModulus;
    model.beta1 = stressBlockDepthFactorOf(model);

    // Section: the rectangle is chosen with its outline; the diameter waits in its box.
    model.rectB = kDefaultWidth;
    model.rectH = kDefaultDepth;
    model.circDiam = kDefaultDiameter;
    chooseRectangularSection(model, model.rectB, model.rectH);

    // Reinforcement.
    model.clearCover = kDefaultCover;
    model.clearSpacing = kDefaultSpacing;
    model.numBarSets = 2;
    model.barSets[1] = {kDefaultBarsPerSet, kDefaultLongBar};
    model.barSets[2] = {kDefaultBarsPerSet, kDefaultLongBar};
    model.longBarSize = kDefaultLongBar;
    model.tieBarSize = kDefaultTieBar;
    model.totBars = kDefaultCircleBars;
    model.firstBarAngle = 0;
    model.barSetsAlongY = false;

    // Choosing the bar-set layout selects Tied, lays the bar-set rectangle and rebuilds the bars.
    applyConfinement(model, Confinement::Tied);
    model.barLayout = kBarSets;
    setBarSetOutline(model);
    rebuildBars(model);

    model.loads.clear();
    model.loadCases = {};
    model.projectFileName.clear();

    return computeSectionSummary(model);
}

} // namespace pmsect
