// The project's rows 1..count of the outline and the bars, and its materials, as engine inputs.
#include "project/engine_inputs_of.h"

#include "engine/bar_table.h"
#include "engine/codes/aci318.h"
#include "engine/slender_section.h"

namespace pmsect {

const DesignCodeRules& designCodeRules(const ProjectModel& model) {
    return aci318Rules(model.designCode);
}

Materials materialsOf(const ProjectModel& model) {
    return {model.fpc, model.unitWt, model.fy, model.Es, model.Ec};
}

namespace {

SectionShape sectionShape(const ProjectModel& model) {
    switch (model.sectionType) {
    case kRectangular:
        return SectionShape::Rectangular;
    case kRound:
        return SectionShape::Round;
    default:
        return SectionShape::Other;
    }
}

} // namespace

LoadInput loadInputOf(const LoadRow& row) {
    return {row[kPu], row[kMux], row[kMuy], row.ends};
}

std::optional<float> unmatchedBarSize(const ProjectModel& model) {
    std::optional<float> unmatched;
    for (const Bar& bar : modelBars(model)) {
        if (!barSizeOf(bar.size)) {
            unmatched = bar.size;
        }
    }
    return unmatched;
}

EngineInputs engineInputsOf(const ProjectModel& model) {
    EngineInputs in;
    const auto outline = outlinePoints(model);
    in.section.outline.assign(outline.begin(), outline.end());
    const auto bars = modelBars(model);
    in.section.bars.reserve(bars.size());
    for (const Bar& bar : bars) {
        const BarSize* size = barSizeOf(bar.size);
        in.section.bars.push_back(
            {bar.x, bar.y, size ? size->area : 0.0f, size ? size->diameter : -1.0f});
    }
    in.section.reference = {model.refX, model.refY};
    in.section.grossArea = model.grossArea;
    in.section.extentX = model.extentX;
    in.section.extentY = model.extentY;
    in.materials = materialsOf(model);
    in.confinement = model.confinement;
    in.code = &designCodeRules(model);
    if (model.slenderness) {
        in.slenderness = MemberSlenderness{
            *model.slenderness, slenderSectionOf(in.section, sectionShape(model), in.materials)};
    }
    return in;
}

std::vector<LoadInput> loadInputsOf(const ProjectModel& model) {
    std::vector<LoadInput> loads;
    loads.reserve(static_cast<std::size_t>(model.loads.count()));
    for (int k = 1; k <= model.loads.count(); ++k) {
        loads.push_back(loadInputOf(model.loads[static_cast<std::size_t>(k)]));
    }
    return loads;
}

} // namespace pmsect
