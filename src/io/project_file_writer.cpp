// Writes the project file: the whole text is composed in memory, checked, written to a temporary
// file beside the target and renamed over it.
#include "format/number_format.h"
#include "io/file_replacing.h"
#include "io/project_file.h"
#include "io/project_file_format.h"
#include "io/project_file_load_cases.h"
#include "io/project_file_slenderness.h"

#include <cmath>
#include <stdexcept>
#include <string_view>

namespace pmsect {
namespace {

// Raised while composing the text; caught in writeProjectFile and turned into its result.
struct UnwritableModel : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class RecordText {
public:
    // Starts a new line; `what` names the record in a refusal message.
    RecordText& record(std::string_view what) {
        if (open_) {
            text_ += kFileLineEnd;
        }
        open_ = true;
        first_ = true;
        what_ = what;
        return *this;
    }
    RecordText& real(float value) {
        checkFinite(std::isfinite(value));
        return field(fileNumberText(value));
    }
    RecordText& real(double value) {
        checkFinite(std::isfinite(value));
        return field(fileNumberText(value));
    }
    RecordText& integer(long value) { return field(std::to_string(value)); }
    RecordText& flag(bool value) { return field(value ? kFileTrue : kFileFalse); }
    RecordText& text(std::string_view value) { return field(value); }

    std::string finish() {
        if (open_) {
            text_ += kFileLineEnd;
        }
        open_ = false;
        return std::move(text_);
    }

private:
    RecordText& field(std::string_view text) {
        if (!first_) {
            text_ += ',';
        }
        first_ = false;
        text_ += text;
        return *this;
    }
    void checkFinite(bool finite) const {
        if (!finite) {
            throw UnwritableModel(what_ + " holds a value that is not a finite number");
        }
    }

    std::string text_;
    std::string what_;
    bool open_ = false;
    bool first_ = true;
};

void checkCount(int count, int capacity, std::string_view what) {
    if (count < 0 || count > capacity) {
        throw UnwritableModel("The number of " + std::string(what) + " (" + std::to_string(count) +
                              ") lies outside 0 to " + std::to_string(capacity));
    }
}

template <std::size_t N>
int listPosition(const std::array<int, N>& list, float barNumber, std::string_view what) {
    const auto position = barListPosition(list, barNumber);
    if (!position) {
        throw UnwritableModel("The " + std::string(what) + " bar size " +
                              fileNumberText(barNumber) + " is not in its bar size list");
    }
    return *position;
}

// The angle is held in single precision but was typed as a decimal: the double of its shortest
// decimal text is the number the user meant, and writes as "22.5" rather than as the float's
// binary expansion.
double asTypedDouble(float value) {
    if (!std::isfinite(value)) {
        return value;
    }
    return parseNumber(fileNumberText(value)).value_or(value);
}

std::string composeProjectText(const ProjectModel& m) {
    checkCount(m.numPoints, kMaxPoints, "outline points");
    checkCount(m.numBars, kMaxBars, "bars");
    checkCount(m.numBarSets, kMaxBarSets, "bar sets");
    if (m.sectionType < kRectangular || m.sectionType > kArbitrary) {
        throw UnwritableModel("The section type " + std::to_string(m.sectionType) +
                              " is not 1, 2 or 3");
    }
    if (m.barLayout < kBarSets || m.barLayout > kPlacedBars) {
        throw UnwritableModel("The bar layout " + std::to_string(m.barLayout) +
                              " is not 1, 2 or 3");
    }
    const int longPosition = listPosition(kLongBarList, m.longBarSize, "longitudinal");
    const int tiePosition = listPosition(kTieBarList, m.tieBarSize, "tie");

    RecordText out;
    out.record("Record 1 (section type and bar layout)")
        .integer(m.sectionType)
        .integer(m.barLayout);
    out.record("Record 2 (table counts)")
        .integer(m.numPoints)
        .integer(m.numBars)
        .integer(m.numBarSets)
        .integer(m.loads.count());
    out.record("Record 3 (materials)")
        .real(m.unitWt)
        .real(m.fpc)
        .integer(m.fy)
        .integer(m.Ec)
        .integer(m.Es);
    out.record("Record 4 (section dimensions)").real(m.rectB).real(m.rectH).real(m.circDiam);
    out.record("Record 5 (cover, spacing and extents)")
        .real(m.clearCover)
        .real(m.clearSpacing)
        .real(m.extentX)
        .real(m.extentY);
    out.record("Record 6 (section choice)")
        .flag(m.sectionType == kRectangular)
        .flag(m.sectionType == kRound)
        .flag(m.sectionType == kArbitrary);
    out.record("Record 7 (bar layout choice)")
        .flag(m.barLayout == kBarSets)
        .flag(m.barLayout == kCircular)
        .flag(m.barLayout == kPlacedBars);
    out.record("Record 8 (confinement)").flag(!isSpiral(m)).flag(isSpiral(m));
    out.record("Record 9 (circular layout)")
        .real(static_cast<double>(m.totBars))
        .real(asTypedDouble(m.firstBarAngle));
    out.record("Record 10 (bar set direction)")
        .integer(0)
        .flag(!m.barSetsAlongY)
        .flag(m.barSetsAlongY);
    out.record("Record 11 (bar size lists)").integer(longPosition).integer(tiePosition);

    for (int i = 1; i <= m.numPoints; ++i) {
        const auto& p = m.points[static_cast<std::size_t>(i)];
        out.record("Outline point " + std::to_string(i)).real(p.x).real(p.y);
    }
    for (int i = 1; i <= m.numBars; ++i) {
        const auto& b = m.bars[static_cast<std::size_t>(i)];
        out.record("Bar " + std::to_string(i)).real(b.x).real(b.y).real(b.size);
    }
    for (int i = 1; i <= m.numBarSets; ++i) {
        const auto& s = m.barSets[static_cast<std::size_t>(i)];
        out.record("Bar set " + std::to_string(i)).real(s.count).real(s.size);
    }
    for (int i = 1; i <= m.loads.count(); ++i) {
        const auto& l = m.loads[static_cast<std::size_t>(i)];
        out.record("Load combination " + std::to_string(i))
            .real(l[kPu])
            .real(l[kMux])
            .real(l[kMuy]);
    }
    if (m.designCode != DesignCode::Aci318_05) {
        out.record("Design code").text(designCodeLine(m.designCode));
    }
    std::string text = out.finish();
    if (!m.loadCases.empty()) {
        try {
            text += loadCaseBlockText(m.loadCases, kFileLineEnd);
        } catch (const std::invalid_argument& e) {
            throw UnwritableModel(e.what());
        }
    }
    try {
        text += slendernessBlocksText(m, kFileLineEnd);
    } catch (const std::invalid_argument& e) {
        throw UnwritableModel(e.what());
    }
    return text;
}

} // namespace

std::optional<std::string> projectFileText(const ProjectModel& model) {
    try {
        return composeProjectText(model);
    } catch (const UnwritableModel&) {
        return std::nullopt;
    }
}

FileResult writeProjectFile(const std::string& path, const ProjectModel& model) {
    std::string text;
    try {
        text = composeProjectText(model);
    } catch (const UnwritableModel& e) {
        return FileResult::failure(std::string(e.what()) + "; " + path + " was not written");
    }

    return writeFileReplacing(path, text);
}

} // namespace pmsect
