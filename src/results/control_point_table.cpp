// Control-point table rows in fixed-width columns.
#include "results/control_point_table.h"

#include "format/number_format.h"
#include "units/unit_conversion.h"

#include <cstdio>

namespace pmsect {
namespace {

std::string cell(std::optional<double> value, const char* pattern) {
    return value ? formatNumber(*value, pattern) : std::string("-");
}

std::optional<double> shownAs(std::optional<float> value,
                              double (*convert)(const DisplayUnits&, double),
                              const DisplayUnits& u) {
    if (!value) {
        return std::nullopt;
    }
    return convert(u, *value);
}

std::string row(const std::string& letter, const std::string& title, const std::string& c,
                const std::string& eps, const std::string& Pn, const std::string& Mn,
                const std::string& phi, const std::string& phiPn, const std::string& phiMn) {
    char line[200];
    std::snprintf(line, sizeof line, "%-2s%-19s%8s%8s%10s%10s%6s%10s%10s", letter.c_str(),
                  title.c_str(), c.c_str(), eps.c_str(), Pn.c_str(), Mn.c_str(), phi.c_str(),
                  phiPn.c_str(), phiMn.c_str());
    return line;
}

} // namespace

std::string_view controlPointName(ControlPointKind kind) {
    switch (kind) {
    case ControlPointKind::Compression:
        return "compression";
    case ControlPointKind::PhiPnMax:
        return "phiPnMax";
    case ControlPointKind::Fs0:
        return "fs0";
    case ControlPointKind::FsHalfFy:
        return "fsHalfFy";
    case ControlPointKind::Balanced:
        return "balanced";
    case ControlPointKind::TensionControlled:
        return "tensionControlled";
    case ControlPointKind::PureBending:
        return "pureBending";
    case ControlPointKind::Tension:
        return "tension";
    }
    return "";
}

std::string_view controlPointTitle(ControlPointKind kind) {
    switch (kind) {
    case ControlPointKind::Compression:
        return "Pure compression";
    case ControlPointKind::PhiPnMax:
        return "phi*Pn(max)";
    case ControlPointKind::Fs0:
        return "fs = 0";
    case ControlPointKind::FsHalfFy:
        return "fs = 0.5 fy";
    case ControlPointKind::Balanced:
        return "Balanced";
    case ControlPointKind::TensionControlled:
        return "Tension controlled";
    case ControlPointKind::PureBending:
        return "Pure bending";
    case ControlPointKind::Tension:
        return "Pure tension";
    }
    return "";
}

std::vector<std::string> controlPointTableLines(const ControlPoints& points,
                                                const DisplayUnits& units) {
    std::vector<std::string> lines;
    lines.push_back(row("", "Control point", "c", "eps_t", "Pn", "Mn", "phi", "phi*Pn", "phi*Mn"));
    const std::string f = "(" + units.forceLabel + ")";
    const std::string m = "(" + units.momentLabel + ")";
    lines.push_back(row("", "", "(" + units.lengthLabel + ")", "", f, m, "", f, m));
    for (const ControlPoint& p : points) {
        const std::string letter(1, static_cast<char>('A' + static_cast<int>(p.kind)));
        const std::string title(controlPointTitle(p.kind));
        if (!p.found) {
            lines.push_back(row(letter, title, "not found", "", "", "", "", "", ""));
            continue;
        }
        lines.push_back(row(letter, title, cell(shownAs(p.c, shownLength, units), "#,##0.00"),
                            cell(p.epsT, "0.00000"), cell(shownForce(units, p.Pn), "#,##0.0"),
                            cell(shownAs(p.Mn, shownMomentFromKipIn, units), "#,##0.0"),
                            cell(p.phi, "0.000"), cell(shownForce(units, p.phiPn), "#,##0.0"),
                            cell(shownMomentFromKipIn(units, p.phiMn), "#,##0.0")));
    }
    return lines;
}

std::string controlPointTableText(const ControlPoints& points, const DisplayUnits& units) {
    std::string text;
    for (const std::string& line : controlPointTableLines(points, units)) {
        text += line;
        text += '\n';
    }
    return text;
}

} // namespace pmsect
