// The load table's columns for a slender member, and the cells of its magnifier.
#include "ui/load_table_columns.h"

#include "units/unit_conversion.h"

namespace pmsect {
namespace {

std::optional<float> shownCell(const DisplayUnits& u, Quantity q,
                               const std::optional<double>& value) {
    if (!value) {
        return std::nullopt;
    }
    return twoDecimalCell(shown(u, q, *value));
}

} // namespace

std::vector<LoadTableColumn> loadTableColumns(const DisplayUnits& u,
                                              const std::optional<SlendernessData>& slenderness) {
    const std::string captions[] = {"Num",
                                    "Pu (" + u.forceLabel + ")",
                                    "Mux (" + u.momentLabel + ")",
                                    "Muy (" + u.momentLabel + ")",
                                    "eccen. (" + u.lengthLabel + ")",
                                    "Angle (deg)",
                                    "pPn (" + u.forceLabel + ")",
                                    "pMnx (" + u.momentLabel + ")",
                                    "pMny (" + u.momentLabel + ")",
                                    "Check"};
    std::vector<LoadTableColumn> columns;
    const auto field = [&](int f) {
        columns.push_back(
            {{captions[f], kLoadColumnShare, f >= 1 && f <= 3, true}, LoadCellKind::Field, f});
    };
    for (int f = 0; f <= 3; ++f) {
        field(f);
    }
    const bool sway[] = {slenderness && slenderness->x.sway, slenderness && slenderness->y.sway};
    const std::string moment = " (" + u.momentLabel + ")";
    if (slenderness) {
        columns.push_back({{"Mcx" + moment, 0, false, true}, LoadCellKind::Mc, 0});
        columns.push_back({{"Mcy" + moment, 0, false, true}, LoadCellKind::Mc, 1});
        for (int a = 0; a < 2; ++a) {
            columns.push_back(
                {{a == 0 ? "δns,x" : "δns,y", 0, false, true}, LoadCellKind::DeltaNs, a});
        }
        for (int a = 0; a < 2; ++a) {
            if (sway[a]) {
                columns.push_back(
                    {{a == 0 ? "δs,x" : "δs,y", 0, false, true}, LoadCellKind::DeltaS, a});
            }
        }
        columns.push_back({{"Slender", 0, false, true}, LoadCellKind::Slender, 0});
    }
    for (int f = 4; f <= 9; ++f) {
        field(f);
    }
    if (slenderness) {
        // The moment captions are the load file's column names, so that an export reads back.
        for (std::size_t m = 0; m < kEndMomentCount; ++m) {
            if (m < kMxTopSway || sway[(m - kMxTopSway) / 2]) {
                columns.push_back({{std::string(kLoadEndMomentNames[m]) + moment, 0, true, true},
                                   LoadCellKind::EndMoment,
                                   static_cast<int>(m)});
            }
        }
        columns.push_back(
            {{"PuSustained (" + u.forceLabel + ")", 0, true, true}, LoadCellKind::PuSustained, 0});
    }
    if (slenderness) {
        // The grid's width shared by every column; each stays as wide as its caption.
        const double share = 0.95 / static_cast<double>(columns.size());
        for (LoadTableColumn& c : columns) {
            c.widthShare = share;
        }
    }
    return columns;
}

MagnifiedCells magnifiedCells(const LoadMagnification& magnification, const DisplayUnits& u) {
    MagnifiedCells cells;
    const AxisMagnification* axes[] = {&magnification.x, &magnification.y};
    for (std::size_t a = 0; a < 2; ++a) {
        cells.Mc[a] = shownCell(u, Quantity::Moment, axes[a]->Mc);
        cells.deltaNs[a] = shownCell(u, Quantity::Plain, axes[a]->deltaNs);
        cells.deltaS[a] = shownCell(u, Quantity::Plain, axes[a]->deltaS);
    }
    if (magnification.noStableMagnifier()) {
        cells.slender = "unstable";
    } else if (magnification.x.slender || magnification.y.slender) {
        cells.slender = magnification.x.slender && magnification.y.slender ? "x, y"
                        : magnification.x.slender                          ? "x"
                                                                           : "y";
    }
    return cells;
}

EndCells endCells(const LoadEndMoments& ends, const DisplayUnits& u) {
    EndCells cells{};
    for (std::size_t m = 0; m < kEndMomentCount; ++m) {
        if (ends.moments[m]) {
            cells[m] = twoDecimalCell(shownMoment(u, *ends.moments[m]));
        }
    }
    if (ends.PuSustained) {
        cells[kEndMomentCount] = twoDecimalCell(shownForce(u, *ends.PuSustained));
    }
    return cells;
}

} // namespace pmsect
