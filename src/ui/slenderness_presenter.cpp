// The Slenderness window: the member's data shown in the display units, each typed box checked by
// the rules the project files apply, and the project's checks run again on every change.
#include "ui/slenderness_presenter.h"

#include "engine/moment_magnifier.h"
#include "format/number_format.h"
#include "io/slenderness_rules.h"
#include "project/engine_inputs_of.h"
#include "ui/finite_change.h"
#include "ui/grid_cells.h"
#include "units/unit_conversion.h"

#include <algorithm>
#include <optional>

namespace pmsect {
namespace {

constexpr std::size_t box(AxisBox b) {
    return static_cast<std::size_t>(b);
}

// The field of the files each box edits, whose range the box takes.
constexpr std::array<AxisField, kAxisBoxCount> kBoxFields = {
    kAxisLu, kAxisK, kAxisKSway, kAxisSumPu, kAxisSumPc, kAxisQ, kAxisDeltaS, kAxisBetaDs};

// A box's value in the model: lu in inches, the storey's sums in kips, the rest plain numbers.
std::optional<float>* optionalSlot(AxisMember& m, AxisBox b) {
    switch (b) {
    case AxisBox::SumPu:
        return &m.sumPu;
    case AxisBox::SumPc:
        return &m.sumPc;
    case AxisBox::Q:
        return &m.Q;
    case AxisBox::DeltaS:
        return &m.deltaS;
    default:
        return nullptr;
    }
}

float* plainSlot(AxisMember& m, AxisBox b) {
    switch (b) {
    case AxisBox::Lu:
        return &m.lu;
    case AxisBox::K:
        return &m.k;
    case AxisBox::KSway:
        return &m.kSway;
    case AxisBox::BetaDs:
        return &m.betaDs;
    default:
        return nullptr;
    }
}

SwaySource swaySourceOf(const AxisMember& m) {
    // The order the magnifier takes them in: delta_s itself, then Q, then the storey's sums.
    if (m.deltaS) {
        return SwaySource::Magnifier;
    }
    return m.Q ? SwaySource::StabilityIndex : SwaySource::StoreySums;
}

AxisMember& member(SlendernessData& data, SlenderAxis axis) {
    return axis == SlenderAxis::X ? data.x : data.y;
}

char axisLetter(SlenderAxis axis) {
    return axis == SlenderAxis::X ? 'x' : 'y';
}

} // namespace

SlendernessPresenter::SlendernessPresenter(ProjectModel& model, Platform& platform,
                                           SummaryChain& chain)
    : model_(model), platform_(platform), chain_(chain) {
    view_.swaySources = {"ΣPu and ΣPc", "Q", "δs"};
    view_.stiffnessChoices = {"(a) 0.4·Ec·Ig", "(b) 0.2·Ec·Ig + Es·Ise", "EI given (kip-in²)"};
}

void SlendernessPresenter::open() {
    view_.visible = true;
    refresh();
}

void SlendernessPresenter::refresh() {
    fill();
}

namespace {

// What a box holds: lu a length, the storey sums forces, the others plain numbers.
Quantity boxKind(AxisBox b) {
    switch (b) {
    case AxisBox::Lu:
        return Quantity::Length;
    case AxisBox::SumPu:
    case AxisBox::SumPc:
        return Quantity::Force;
    default:
        return Quantity::Plain;
    }
}

constexpr std::array<const char*, kAxisBoxCount> kBoxNames = {"lu",  "k", "k sway", "ΣPu",
                                                              "ΣPc", "Q", "δs",     "βds"};

} // namespace

void SlendernessPresenter::fill() {
    const std::optional<SlendernessData>& data = model_.slenderness;
    view_.checked = data.has_value();
    const SlendernessData shown = data.value_or(SlendernessData{});
    view_.stiffness = static_cast<int>(shown.stiffness);
    view_.givenEnabled = view_.checked && shown.stiffness == StiffnessChoice::Given;
    view_.givenEI = shown.stiffness == StiffnessChoice::Given ? boxNumberText(shown.givenEI) : "";
    view_.betaDns = boxNumberText(shown.betaDns);
    view_.note = view_.checked
                     ? "The loads are checked on their moments magnified for slenderness, Mcx and "
                       "Mcy (moment magnifier method)."
                     : "The loads are checked on their own moments: slenderness is not checked.";
    fillAxis(SlenderAxis::X);
    fillAxis(SlenderAxis::Y);
}

void SlendernessPresenter::fillAxis(SlenderAxis axis) {
    const DisplayUnits& u = model_.units;
    SlendernessData data = model_.slenderness.value_or(SlendernessData{});
    AxisMember& m = member(data, axis);
    AxisView& v = view_.axes[axis == SlenderAxis::X ? 0 : 1];
    v.title = std::string("Bending about ") + axisLetter(axis);
    v.sway = m.sway;
    v.swaySource = static_cast<int>(swaySourceOf(m));
    for (std::size_t b = 0; b < kAxisBoxCount; ++b) {
        const auto which = static_cast<AxisBox>(b);
        const Quantity kind = boxKind(which);
        const std::string unit = unitLabel(u, kind);
        v.labels[b] = std::string(kBoxNames[b]) + (unit.empty() ? "" : " (" + unit + ")");
        if (float* plain = plainSlot(m, which)) {
            v.boxes[b] = shownNumberText(u, kind, *plain);
        } else {
            const std::optional<float>& value = *optionalSlot(m, which);
            v.boxes[b] = value ? shownNumberText(u, kind, *value) : "";
        }
    }
    const bool on = view_.checked;
    const SwaySource source = swaySourceOf(m);
    v.enabled = {on,
                 on,
                 on && m.sway,
                 on && m.sway && source == SwaySource::StoreySums,
                 on && m.sway && source == SwaySource::StoreySums,
                 on && m.sway && source == SwaySource::StabilityIndex,
                 on && m.sway && source == SwaySource::Magnifier,
                 on && m.sway};
    v.slenderness.clear();
    if (model_.slenderness) {
        const EngineInputs inputs = engineInputsOf(model_);
        const AxisSection& section =
            axis == SlenderAxis::X ? inputs.slenderness->section.x : inputs.slenderness->section.y;
        if (section.r > 0) {
            const double k = m.sway ? m.kSway : m.k;
            v.slenderness = "r = " + formatNumber(shownLength(u, section.r), "#,##0.00") + " " +
                            u.lengthLabel +
                            ", k·lu/r = " + formatNumber(k * m.lu / section.r, "#,##0.0");
            if (m.sway && m.lu > 0) {
                const double Pc = storeyCriticalLoad(
                    *inputs.slenderness, inputs.code->momentMagnifier(), axis == SlenderAxis::X);
                v.slenderness +=
                    "\nPc for ΣPc (k sway, βds) = " + formatNumber(shownForce(u, Pc), "#,##0.0") +
                    " " + u.forceLabel;
            }
        }
    }
}

bool SlendernessPresenter::accepts(const SlendernessData& data, std::string_view what) {
    const auto fault = slendernessFault(data);
    if (!fault) {
        return true;
    }
    platform_.showMessage(std::string(what) + " " + fault->reason);
    return false;
}

void SlendernessPresenter::apply(const SlendernessData& data) {
    const ProjectBefore before{model_, chain_.sectionResults()};
    model_.slenderness = data;
    // As a typed box of the main window: the summary runs even while another window holds it.
    chain_.refresh();
    keepFiniteChange(model_, before, chain_, platform_);
    fill();
}

void SlendernessPresenter::setChecked(bool on) {
    if (on == model_.slenderness.has_value()) {
        return;
    }
    const ProjectBefore before{model_, chain_.sectionResults()};
    if (on) {
        model_.slenderness = SlendernessData{};
    } else {
        model_.slenderness.reset();
    }
    chain_.refresh();
    keepFiniteChange(model_, before, chain_, platform_);
    fill();
}

bool SlendernessPresenter::editAxis(SlenderAxis axis, AxisBox which, std::string_view text) {
    if (!model_.slenderness) {
        return false;
    }
    const Quantity kind = boxKind(which);
    const std::string what =
        std::string(kBoxNames[box(which)]) + " about " + std::string(1, axisLetter(axis));
    const CellText cell = readCellText(text);
    SlendernessData data = *model_.slenderness;
    AxisMember& m = member(data, axis);
    const ValueRange range = axisFieldRange(kBoxFields[box(which)]);
    const auto value = static_cast<float>(typed(model_.units, kind, cell.value.value_or(0)));
    if (!cell.accepted || !cell.value) {
        platform_.showMessage(what + " must be a number");
    } else if (!range.holds(value)) {
        platform_.showMessage(what + " " + rangeReason(range, model_.units, kind));
    } else {
        if (std::optional<float>* optional = optionalSlot(m, which)) {
            *optional = value;
        } else {
            *plainSlot(m, which) = value;
        }
        if (accepts(data, what)) {
            apply(data);
            return true;
        }
    }
    fill();
    return false;
}

bool SlendernessPresenter::editProject(ProjectBox which, std::string_view text) {
    if (!model_.slenderness) {
        return false;
    }
    const bool ei = which == ProjectBox::GivenEI;
    const std::string what = ei ? "EI" : "βdns";
    const CellText typed = readCellText(text);
    SlendernessData data = *model_.slenderness;
    if (!typed.accepted || !typed.value) {
        platform_.showMessage(what + " must be a number");
    } else if (!ei && !betaDnsRange().holds(static_cast<float>(*typed.value))) {
        platform_.showMessage(what + " " + rangeReason(betaDnsRange()));
    } else {
        (ei ? data.givenEI : data.betaDns) = static_cast<float>(*typed.value);
        if (accepts(data, what)) {
            apply(data);
            return true;
        }
    }
    fill();
    return false;
}

void SlendernessPresenter::setSway(SlenderAxis axis, bool sway) {
    if (!model_.slenderness) {
        return;
    }
    SlendernessData data = *model_.slenderness;
    AxisMember& m = member(data, axis);
    m.sway = sway;
    // A storey turned sway starts without a sway magnifier of its own: Q = 0 gives delta_s = 1.
    if (sway && !m.sumPu && !m.Q && !m.deltaS) {
        m.Q = 0;
    }
    if (accepts(data, std::string("The sway storey about ") + axisLetter(axis))) {
        apply(data);
    } else {
        fill();
    }
}

void SlendernessPresenter::setSwaySource(SlenderAxis axis, SwaySource source) {
    if (!model_.slenderness) {
        return;
    }
    SlendernessData data = *model_.slenderness;
    AxisMember& m = member(data, axis);
    if (!m.sway || swaySourceOf(m) == source) {
        return;
    }
    // The magnifier takes delta_s before Q before the sums: the sources before the one chosen
    // go. Each new source starts where delta_s = 1: Q = 0, or no storey load beside its Pc.
    m.deltaS.reset();
    if (source != SwaySource::StabilityIndex) {
        m.Q.reset();
    }
    switch (source) {
    case SwaySource::StoreySums:
        m.sumPu = m.sumPu.value_or(0);
        m.sumPc = m.sumPc.value_or(1000);
        break;
    case SwaySource::StabilityIndex:
        m.sumPu.reset();
        m.sumPc.reset();
        m.Q = m.Q.value_or(0);
        break;
    case SwaySource::Magnifier:
        m.sumPu.reset();
        m.sumPc.reset();
        m.deltaS = 1;
        break;
    }
    apply(data);
}

void SlendernessPresenter::setStiffness(StiffnessChoice choice) {
    if (!model_.slenderness || model_.slenderness->stiffness == choice) {
        return;
    }
    SlendernessData data = *model_.slenderness;
    data.stiffness = choice;
    if (choice == StiffnessChoice::Given && !(data.givenEI > 0)) {
        // Until the engineer types one: what (a) gives about the section's weaker axis.
        const EngineInputs inputs = engineInputsOf(model_);
        const SlenderSection& s = inputs.slenderness->section;
        const double Ig = std::min(s.x.Ig, s.y.Ig);
        data.givenEI = static_cast<float>(inputs.code->momentMagnifier().effectiveStiffness(
            false, s.Ec * Ig / 1000, 0, data.betaDns));
        if (!(data.givenEI > 0)) {
            data.givenEI = 1;
        }
    }
    apply(data);
}

} // namespace pmsect
