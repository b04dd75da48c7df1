// Writing and reading the slenderness blocks of the project file.
#include "io/project_file_slenderness.h"

#include "format/number_format.h"
#include "io/delimited_fields.h"
#include "io/project_file_format.h"
#include "io/slenderness_rules.h"

#include <cmath>
#include <stdexcept>

namespace pmsect {
namespace {

constexpr std::string_view kSlendernessStart = "SLENDERNESS";
constexpr std::string_view kEndMomentsStart = "LOAD END MOMENTS";
constexpr std::size_t kAxisFields = 1 + kAxisFieldCount;
constexpr std::size_t kLoadFields = 2 + kEndMomentCount;

std::string number(float value) {
    if (!std::isfinite(value)) {
        throw std::invalid_argument(
            "The slenderness data hold a value that is not a finite number");
    }
    return fileNumberText(value);
}

std::string optionalNumber(const std::optional<float>& value) {
    return value ? number(*value) : std::string();
}

std::string axisLine(char name, const AxisMember& a) {
    return std::string(1, name) + "," + number(a.lu) + "," + number(a.k) + "," +
           std::string(a.sway ? kFileTrue : kFileFalse) + "," + number(a.kSway) + "," +
           optionalNumber(a.sumPu) + "," + optionalNumber(a.sumPc) + "," + optionalNumber(a.Q) +
           "," + optionalNumber(a.deltaS) + "," + number(a.betaDs);
}

Record record(RecordReader& in, const std::string& what, std::size_t count) {
    const auto line = in.nextNonBlankLine();
    if (!line) {
        throw FileFormatError("The file ends before " + what);
    }
    auto fields = splitFields(*line, ',');
    if (!fields || fields->size() != count) {
        throw FileFormatError("Line " + std::to_string(in.lineNumber()) + " (" + what +
                              "): " + std::to_string(count) + " fields are expected");
    }
    return Record(in.lineNumber(), what, std::move(*fields));
}

std::optional<float> optionalField(const Record& r, std::size_t i) {
    if (r.text(i).empty()) {
        return std::nullopt;
    }
    return r.single(i);
}

AxisMember readAxis(RecordReader& in, char name) {
    const Record r = record(in, std::string("slenderness about ") + name, kAxisFields);
    if (r.text(0) != std::string(1, name)) {
        r.fail(0, std::string("must be ") + name);
    }
    AxisMember a;
    a.lu = r.single(1 + kAxisLu);
    a.k = r.single(1 + kAxisK);
    a.sway = r.flag(1 + kAxisSway);
    a.kSway = r.single(1 + kAxisKSway);
    a.sumPu = optionalField(r, 1 + kAxisSumPu);
    a.sumPc = optionalField(r, 1 + kAxisSumPc);
    a.Q = optionalField(r, 1 + kAxisQ);
    a.deltaS = optionalField(r, 1 + kAxisDeltaS);
    a.betaDs = r.single(1 + kAxisBetaDs);
    return a;
}

void readSlenderness(RecordReader& in, const std::string& firstLine, ProjectModel& m) {
    const int headLine = in.lineNumber();
    const auto fields = splitFields(firstLine, ',');
    if (!fields || fields->size() != 3) {
        throw FileFormatError("Line " + std::to_string(headLine) +
                              " (slenderness): 3 fields are expected");
    }
    const Record head(headLine, "slenderness", *fields);
    SlendernessData data;
    if (head.text(1) == "a" || head.text(1) == "b") {
        data.stiffness =
            head.text(1) == "a" ? StiffnessChoice::ConcreteOnly : StiffnessChoice::WithBars;
    } else {
        data.stiffness = StiffnessChoice::Given;
        data.givenEI = head.single(1);
    }
    data.betaDns = head.single(2);
    const int xLine = in.lineNumber() + 1;
    data.x = readAxis(in, 'x');
    const int yLine = in.lineNumber();
    data.y = readAxis(in, 'y');
    if (const auto fault = slendernessFault(data)) {
        const int line = !fault->axis ? headLine : (*fault->axis == 'x' ? xLine : yLine);
        throw FileFormatError("Line " + std::to_string(line) + " (slenderness): " + fault->field +
                              " " + fault->reason);
    }
    m.slenderness = data;
}

void readEndMoments(RecordReader& in, const std::string& firstLine, ProjectModel& m) {
    const auto fields = splitFields(firstLine, ',');
    if (!fields || fields->size() != 2) {
        throw FileFormatError("Line " + std::to_string(in.lineNumber()) +
                              " (load end moments): 2 fields are expected");
    }
    const Record head(in.lineNumber(), "load end moments", *fields);
    const int32_t count = head.integer(1, 0, m.loads.count());
    for (int32_t i = 0; i < count; ++i) {
        const Record r = record(in, "load end moments " + std::to_string(i + 1), kLoadFields);
        const int32_t row = r.integer(0, 1, m.loads.count());
        LoadEndMoments& ends = m.loads[static_cast<std::size_t>(row)].ends;
        for (std::size_t e = 0; e < kEndMomentCount; ++e) {
            ends.moments[e] = optionalField(r, 1 + e);
            if (ends.moments[e]) {
                r.requireWithin(1 + e, kLoadEndMomentNames[e], InputQuantity::Moment,
                                *ends.moments[e]);
            }
        }
        ends.PuSustained = optionalField(r, 1 + kEndMomentCount);
        if (ends.PuSustained) {
            r.requireWithin(1 + kEndMomentCount, "PuSustained", InputQuantity::AxialLoad,
                            *ends.PuSustained);
        }
    }
}

} // namespace

std::string slendernessBlocksText(const ProjectModel& m, std::string_view lineEnd) {
    std::string text;
    if (m.slenderness) {
        const SlendernessData& s = *m.slenderness;
        const std::string ei =
            s.stiffness == StiffnessChoice::Given
                ? number(s.givenEI)
                : std::string(s.stiffness == StiffnessChoice::ConcreteOnly ? "a" : "b");
        text += std::string(kSlendernessStart) + "," + ei + "," + number(s.betaDns);
        text += lineEnd;
        text += axisLine('x', s.x);
        text += lineEnd;
        text += axisLine('y', s.y);
        text += lineEnd;
    }
    std::string rows;
    int count = 0;
    for (int i = 1; i <= m.loads.count(); ++i) {
        const LoadEndMoments& ends = m.loads[static_cast<std::size_t>(i)].ends;
        if (ends.empty()) {
            continue;
        }
        ++count;
        rows += std::to_string(i);
        for (const auto& moment : ends.moments) {
            rows += "," + optionalNumber(moment);
        }
        rows += "," + optionalNumber(ends.PuSustained);
        rows += lineEnd;
    }
    if (count > 0) {
        text += std::string(kEndMomentsStart) + "," + std::to_string(count);
        text += lineEnd;
        text += rows;
    }
    return text;
}

bool startsSlendernessBlock(const std::string& firstLine) {
    return firstLine.starts_with(kSlendernessStart) || firstLine.starts_with(kEndMomentsStart);
}

void readSlendernessBlock(RecordReader& in, const std::string& firstLine, ProjectModel& m) {
    if (firstLine.starts_with(kSlendernessStart)) {
        readSlenderness(in, firstLine, m);
    } else {
        readEndMoments(in, firstLine, m);
    }
}

} // namespace pmsect
