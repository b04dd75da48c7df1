// The one record of the project's inputs: section, materials, bars, loads, load cases and the
// member's slenderness data. Window state lives with the windows' presenters and the Application;
// the display units and the file name stay here, since the report, the exported tables and the
// contour's typed load are written in those units and the title and the next save name the file.
// Every field is read and written directly; the engine takes its inputs as values
// (project/engine_inputs_of.h builds them) and returns its results as values the caller keeps
// (engine/section_results.h).
#pragma once

#include "model/confinement.h"
#include "model/design_code.h"
#include "model/load_cases.h"
#include "model/load_table.h"
#include "model/section_geometry.h"
#include "model/slenderness_data.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace pmsect {

// Fixed table capacities. Tables are 1-based: row 0 is never used.
inline constexpr int kMaxBarSets = 20;

enum SectionType : int16_t { kRectangular = 1, kRound = 2, kArbitrary = 3 };
enum BarLayout : int16_t { kBarSets = 1, kCircular = 2, kPlacedBars = 3 };

struct BarSet {
    float count = 0; // number of bars, a real as typed
    float size = 0;  // bar number
};

// Display units: a shown value is the internal value times its factor. The factors are held in
// double precision, so that a shown value carries no rounding of its own (400 in^2 reads
// 258,064.00 mm^2).
struct DisplayUnits {
    int16_t lengthUnit = 1;
    int16_t forceUnit = 2;
    int16_t momentUnit = 4;
    int16_t stressUnit = 1;
    int16_t unitWtUnit = 1;
    double lengthFactor = 1;
    double forceFactor = 1;
    double momentFactor = 1;
    double areaFactor = 1;
    double stressFactor = 1;
    double unitWtFactor = 1;
    std::string lengthLabel = "in.";
    std::string forceLabel = "k";
    std::string momentLabel = "ft-k";
    std::string areaLabel = "in^2";
    std::string stressLabel = "psi";
    std::string unitWtLabel = "pcf";
};

struct ProjectModel {
    // Materials
    float fpc = 3000;      // psi
    float unitWt = 145;    // lb/ft^3
    int32_t fy = 60000;    // psi
    int32_t Es = 29000000; // psi
    int32_t Ec = 3155924;  // psi
    float beta1 = 0.85f;

    // Design code edition: its rules give phi and its strain limits.
    DesignCode designCode = DesignCode::Aci318_05;

    // Confinement, and the factors the design code gives it (kept for the files and the
    // windows, which show them).
    Confinement confinement = Confinement::Tied;
    float phiCompression = 0.65f;
    float pnMaxFactor = 0.80f;
    float phiTension = 0.90f;

    // Section
    int16_t sectionType = kRectangular;
    float rectB = 12;
    float rectH = 18;
    float circDiam = 16;
    int16_t numPoints = 4;
    std::array<Point, kMaxPoints + 1> points{};
    float grossArea = 216;
    float refX = 0;
    float refY = 0;
    float extentX = 12;
    float extentY = 18;
    float midX = 0;
    float midY = 0;

    // Reinforcement
    int16_t barLayout = kBarSets;
    float longBarSize = 5;
    float tieBarSize = 3;
    float clearCover = 1.5f;
    float clearSpacing = 1.0f;
    int16_t totBars = 6;
    float firstBarAngle = 0;
    int16_t numBarSets = 2;
    std::array<BarSet, kMaxBarSets + 1> barSets{};
    float barSetWidth = 12;
    float barSetHeight = 18;
    bool barSetsAlongY = false;
    int16_t numBars = 0;
    std::array<Bar, kMaxBars + 1> bars{};

    // Load combinations
    LoadTable loads;
    // Service load cases and the options of their strength combinations, checked beside the
    // factored loads above.
    LoadCaseSet loadCases;
    // The member's lengths and frame, for the moment magnifier; absent, the loads are checked on
    // their own moments.
    std::optional<SlendernessData> slenderness;

    // The file the project was last opened from or saved to; empty for a new project.
    std::string projectFileName;

    DisplayUnits units;
};

// Rows 1..count of the outline and the bars, with the counts kept inside the tables.
inline std::span<const Point> outlinePoints(const ProjectModel& m) {
    const int n = m.numPoints < 0 ? 0 : (m.numPoints > kMaxPoints ? kMaxPoints : m.numPoints);
    return std::span<const Point>(m.points).subspan(1, static_cast<std::size_t>(n));
}
inline std::span<const Bar> modelBars(const ProjectModel& m) {
    const int n = m.numBars < 0 ? 0 : (m.numBars > kMaxBars ? kMaxBars : m.numBars);
    return std::span<const Bar>(m.bars).subspan(1, static_cast<std::size_t>(n));
}

} // namespace pmsect
