// Reads the project file into a copy of the model, record by record with the counts of record 2,
// and hands the copy over only when the whole file has been read.
#include "building/bar_layout.h"
#include "building/input_limits.h"
#include "building/section_checks.h"
#include "engine/polygon_properties.h"
#include "format/number_format.h"
#include "format/text.h"
#include "io/loaded_project.h"
#include "io/project_file.h"
#include "io/project_file_format.h"
#include "io/project_file_load_cases.h"
#include "io/project_file_slenderness.h"
#include "io/record_reader.h"
#include "model/model_fields.h"
#include "project/design_code_choice.h"
#include "project/project_summary.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <vector>

namespace pmsect {
namespace {

constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

// The option chosen in a group of booleans: when several are true the last wins, as selecting
// them one after the other would leave it; none true gives nothing.
std::optional<int16_t> chosenOption(const Record& record, std::size_t count) {
    std::optional<int16_t> chosen;
    for (std::size_t i = 0; i < count; ++i) {
        if (record.flag(i)) {
            chosen = static_cast<int16_t>(i + 1);
        }
    }
    return chosen;
}

// The option groups decide; record 1 stands in only when its group has no choice at all.
int16_t choiceOrFallback(const Record& choices, std::size_t count, int32_t fallback,
                         const Record& record1, std::size_t record1Field) {
    if (const auto chosen = chosenOption(choices, count)) {
        return *chosen;
    }
    if (fallback < 1 || fallback > 3) {
        throw FileFormatError("Line " + std::to_string(choices.lineNumber()) +
                              ": no option is chosen, and field " +
                              std::to_string(record1Field + 1) + " of line " +
                              std::to_string(record1.lineNumber()) + " is not 1, 2 or 3");
    }
    return static_cast<int16_t>(fallback);
}

std::string rowName(const char* table, int row) {
    return std::string(table) + " " + std::to_string(row);
}

// The lines the table rows were read from, for the messages about a whole section.
struct TableLines {
    std::vector<int> points; // line of outline point i at [i - 1]
    std::vector<int> bars;
};

void readTables(RecordReader& in, ProjectModel& m, int32_t loadCount, TableLines& lines) {
    // Rows past the counts are cleared, so that nothing of the previous project lingers there.
    m.points.fill(Point{});
    m.bars.fill(Bar{});
    m.barSets.fill(BarSet{});
    m.loads.clear(); // rows are added as they are read: the count may promise more than follow
    for (int i = 1; i <= m.numPoints; ++i) {
        const Record r = in.next(rowName("outline point", i), 2);
        m.points[static_cast<std::size_t>(i)] = Point{r.single(0), r.single(1)};
        r.requireWithin(0, "x", InputQuantity::Coordinate, r.single(0));
        r.requireWithin(1, "y", InputQuantity::Coordinate, r.single(1));
        lines.points.push_back(r.lineNumber());
    }
    for (int i = 1; i <= m.numBars; ++i) {
        const Record r = in.next(rowName("bar", i), 3);
        m.bars[static_cast<std::size_t>(i)] = Bar{r.single(0), r.single(1), r.single(2)};
        r.requireWithin(0, "x", InputQuantity::Coordinate, r.single(0));
        r.requireWithin(1, "y", InputQuantity::Coordinate, r.single(1));
        lines.bars.push_back(r.lineNumber());
    }
    int64_t barSetBars = 0;
    for (int i = 1; i <= m.numBarSets; ++i) {
        const Record r = in.next(rowName("bar set", i), 2);
        m.barSets[static_cast<std::size_t>(i)] = BarSet{r.single(0), r.single(1)};
        const int32_t count = roundHalfEven32(r.real(0));
        r.requireWithin(0, "the number of bars", InputQuantity::BarSetBars, count);
        barSetBars += count;
        if (!withinLimit(InputQuantity::BarSetBars, static_cast<double>(barSetBars))) {
            r.fail(0, "brings the bar sets to " + std::to_string(barSetBars) +
                          " bars, more than the " + std::to_string(kMaxBars) +
                          " the project can hold");
        }
    }
    for (int i = 1; i <= loadCount; ++i) {
        const Record r = in.next(rowName("load combination", i), 3);
        m.loads.append(LoadRow{});
        auto& row = m.loads[static_cast<std::size_t>(i)];
        row[kPu] = r.single(0);
        row[kMux] = r.single(1);
        row[kMuy] = r.single(2);
        r.requireWithin(0, "Pu", InputQuantity::AxialLoad, row[kPu]);
        r.requireWithin(1, "Mux", InputQuantity::Moment, row[kMux]);
        r.requireWithin(2, "Muy", InputQuantity::Moment, row[kMuy]);
    }
}

// An outline or bars no strength can be computed for, told at the line of the row at fault.
void requireComputableSection(const ProjectModel& m, const TableLines& lines) {
    const auto fault = sectionFault(m);
    if (!fault) {
        return;
    }
    const std::vector<int>& rows = fault->inBars ? lines.bars : lines.points;
    if (fault->row >= 1 && static_cast<std::size_t>(fault->row) <= rows.size()) {
        throw FileFormatError(
            "Line " + std::to_string(rows[static_cast<std::size_t>(fault->row) - 1]) + " (" +
            rowName(fault->inBars ? "bar" : "outline point", fault->row) + "): " + fault->reason);
    }
    const std::string where = lines.points.empty()
                                  ? std::string("Line 2 (record 2, table counts)")
                                  : "Lines " + std::to_string(lines.points.front()) + " to " +
                                        std::to_string(lines.points.back()) + " (the outline)";
    throw FileFormatError(where + ": " + fault->reason);
}

// The optional lines after the last load combination: the edition (without it the project is of
// ACI 318-05), then the load cases, then the slenderness data and the loads' end moments. The
// edition decides the spiral's phi, so the confinement read before is applied again under it.
void readTrailingLines(RecordReader& in, ProjectModel& m) {
    DesignCode code = DesignCode::Aci318_05;
    auto line = in.nextNonBlankLine();
    const auto isLoadCases = [&] { return line && line->starts_with(kLoadCasesLineStart); };
    if (line && !isLoadCases() && !startsSlendernessBlock(*line)) {
        const auto known = std::find_if(kDesignCodes.begin(), kDesignCodes.end(),
                                        [&](DesignCode c) { return designCodeLine(c) == *line; });
        if (known == kDesignCodes.end()) {
            throw FileFormatError(
                "Line " + std::to_string(in.lineNumber()) + ": \"" + printable(*line) +
                "\" is not a design code edition; after the last load combination only "
                "ACI318-14 or ACI318-19, the load cases and the slenderness data may follow");
        }
        code = *known;
        line = in.nextNonBlankLine();
    }
    applyDesignCode(m, code);
    m.loadCases = {};
    m.slenderness.reset();
    if (isLoadCases()) {
        readLoadCaseBlock(in, *line, m.loadCases);
        line = in.nextNonBlankLine();
    }
    while (line) {
        if (!startsSlendernessBlock(*line)) {
            throw FileFormatError("Line " + std::to_string(in.lineNumber()) + ": \"" +
                                  printable(*line) +
                                  "\" follows the design code; only the load cases, the "
                                  "slenderness data and the loads' end moments may");
        }
        readSlendernessBlock(in, *line, m);
        line = in.nextNonBlankLine();
    }
}

void readRecords(RecordReader& in, ProjectModel& m) {
    if (const int format = in.readFormat(); format > kProjectFileFormat) {
        throw FileFormatError(newerFormatText(format));
    }
    const Record r1 = in.next("record 1, section type and bar layout", 2);
    const int32_t storedSection = r1.integer(0, kInt32Min, kInt32Max);
    const int32_t storedLayout = r1.integer(1, kInt32Min, kInt32Max);

    const Record r2 = in.next("record 2, table counts", 4);
    m.numPoints = static_cast<int16_t>(r2.integer(0, 0, kMaxPoints));
    m.numBars = static_cast<int16_t>(r2.integer(1, 0, kMaxBars));
    m.numBarSets = static_cast<int16_t>(r2.integer(2, 0, kMaxBarSets));
    // Any number of loads: a file of more than 40 is refused by versions before the load table
    // grew (they held 40 at most).
    const int32_t loadCount = r2.integer(3, 0, kInt32Max);

    const Record r3 = in.next("record 3, materials", 5);
    m.unitWt = r3.single(0);
    m.fpc = r3.single(1);
    r3.requireWithin(0, "the unit weight", InputQuantity::UnitWeight, m.unitWt);
    r3.requireWithin(1, "f'c", InputQuantity::ConcreteStrength, m.fpc);
    // The integers are judged as they would be stored, before they are: a huge value saturates.
    r3.requireWithin(2, "fy", InputQuantity::SteelStrength, roundHalfEven32(r3.real(2)));
    r3.requireWithin(3, "Ec", InputQuantity::ConcreteModulus, roundHalfEven32(r3.real(3)));
    r3.requireWithin(4, "Es", InputQuantity::SteelModulus, roundHalfEven32(r3.real(4)));
    m.fy = r3.integer(2, kInt32Min, kInt32Max);
    m.Ec = r3.integer(3, kInt32Min, kInt32Max);
    m.Es = r3.integer(4, kInt32Min, kInt32Max);

    // Every dimension is judged, the ones the section type does not use too: the desktop shows
    // them in their boxes and takes them when the section type changes.
    const Record r4 = in.next("record 4, section dimensions", 3);
    m.rectB = r4.single(0);
    m.rectH = r4.single(1);
    m.circDiam = r4.single(2);
    r4.requireWithin(0, "the width", InputQuantity::SectionSize, m.rectB);
    r4.requireWithin(1, "the depth", InputQuantity::SectionSize, m.rectH);
    r4.requireWithin(2, "the diameter", InputQuantity::SectionSize, m.circDiam);

    const Record r5 = in.next("record 5, cover, spacing and extents", 4);
    m.clearCover = r5.single(0);
    m.clearSpacing = r5.single(1);
    m.extentX = r5.single(2);
    m.extentY = r5.single(3);
    r5.requireWithin(0, "the clear cover", InputQuantity::CoverOrSpacing, m.clearCover);
    r5.requireWithin(1, "the clear spacing", InputQuantity::CoverOrSpacing, m.clearSpacing);
    r5.requireWithin(2, "the width of the outline", InputQuantity::Extent, m.extentX);
    r5.requireWithin(3, "the height of the outline", InputQuantity::Extent, m.extentY);

    const Record r6 = in.next("record 6, section choice", 3);
    m.sectionType = choiceOrFallback(r6, 3, storedSection, r1, 0);
    const Record r7 = in.next("record 7, bar layout choice", 3);
    m.barLayout = choiceOrFallback(r7, 3, storedLayout, r1, 1);
    const Record r8 = in.next("record 8, confinement choice", 2);
    // Neither choice true leaves the confinement as it was, as an unticked option changes nothing.
    if (const auto confinement = chosenOption(r8, 2)) {
        applyConfinement(m, *confinement == 2 ? Confinement::Spiral : Confinement::Tied);
    }

    const Record r9 = in.next("record 9, circular layout", 2);
    // Judged before it is stored as a 16-bit count, which would saturate.
    r9.requireWithin(0, "the number of bars on the circle", InputQuantity::CircleBars,
                     roundHalfEven32(r9.real(0)));
    m.totBars = roundHalfEven16(r9.real(0));
    m.firstBarAngle = r9.single(1);
    r9.requireWithin(1, "the angle to the first bar", InputQuantity::FirstBarAngle,
                     m.firstBarAngle);

    const Record r10 = in.next("record 10, bar set direction", 3);
    r10.real(0); // always 0 and not used, but it must still be a number
    const bool alongX = r10.flag(1);
    const bool alongY = r10.flag(2);
    if (alongY) {
        m.barSetsAlongY = true;
    } else if (alongX) {
        m.barSetsAlongY = false;
    }

    const Record r11 = in.next("record 11, bar size lists", 2);
    const auto longPosition = r11.integer(0, 0, static_cast<int32_t>(kLongBarList.size()) - 1);
    const auto tiePosition = r11.integer(1, 0, static_cast<int32_t>(kTieBarList.size()) - 1);
    m.longBarSize = static_cast<float>(kLongBarList[static_cast<std::size_t>(longPosition)]);
    m.tieBarSize = static_cast<float>(kTieBarList[static_cast<std::size_t>(tiePosition)]);

    TableLines lines;
    readTables(in, m, loadCount, lines);
    requireComputableSection(m, lines);
    readTrailingLines(in, m);
    in.expectEnd();
}

} // namespace

// The fields the file does not hold but that follow from what it does.
void deriveLoadedFields(ProjectModel& m) {
    m.beta1 = stressBlockDepthFactorOf(m);

    const PolygonProperties props = polygonProperties(m);
    m.grossArea = props.grossArea;
    if (m.sectionType == kArbitrary) {
        m.refX = props.centroidX;
        m.refY = props.centroidY;
    } else {
        // Generated rectangles and circles are centred on the origin.
        m.refX = 0;
        m.refY = 0;
    }

    const auto outline = outlinePoints(m);
    if (outline.empty()) {
        m.midX = 0;
        m.midY = 0;
    } else {
        float xmin = outline[0].x, xmax = outline[0].x, ymin = outline[0].y, ymax = outline[0].y;
        for (const Point& p : outline) {
            xmin = std::min(xmin, p.x);
            xmax = std::max(xmax, p.x);
            ymin = std::min(ymin, p.y);
            ymax = std::max(ymax, p.y);
        }
        m.midX = (xmax + xmin) / 2;
        m.midY = (ymax + ymin) / 2;
    }

    // The bar-set rectangle is not stored; taking it from the loaded section keeps the next
    // rebuild of the bars from using the previous project's rectangle.
    setBarSetOutline(m);
}

FileResult finishLoadedProject(ProjectModel& loaded, const std::string& path, ProjectModel& model,
                               LoadChecks checks, SectionResults* section) {
    deriveLoadedFields(loaded);
    loaded.projectFileName = path;
    const SectionResults results = computeSectionSummary(loaded, checks);
    // Finite numbers can still overflow what follows from them (an outline 1E+38 in wide has
    // no finite area); such a file is refused whole like any other that cannot be used.
    std::optional<std::string> what = firstNonFiniteValue(loaded);
    if (!what) {
        what = firstNonFiniteValue(results);
    }
    if (what) {
        return FileResult::failure(path + ": the numbers are too large to compute " + *what);
    }
    model = std::move(loaded);
    if (section) {
        *section = results;
    }
    return FileResult::success();
}

FileResult loadProjectFile(const std::string& path, ProjectModel& model, LoadChecks checks,
                           SectionResults* section) {
    if (!fileExists(path)) {
        return FileResult::failure(path + ": " + whyNotReadable(path));
    }
    std::error_code sizeError;
    const std::uintmax_t bytes = std::filesystem::file_size(path, sizeError);
    if (!sizeError && bytes > kMaxProjectFileBytes) {
        return FileResult::failure(path + ": it is too large to be a project file (" +
                                   std::to_string(bytes) + " bytes)");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return FileResult::failure(path + ": " + whyNotReadable(path));
    }

    ProjectModel loaded = model;
    try {
        RecordReader in(file);
        readRecords(in, loaded);
    } catch (const FileFormatError& e) {
        return FileResult::failure(path + ": " + e.what());
    }
    file.close();
    return finishLoadedProject(loaded, path, model, checks, section);
}

} // namespace pmsect
