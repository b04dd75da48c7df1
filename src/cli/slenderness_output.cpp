// The magnifier's steps in the command line's outputs.
#include "cli/slenderness_output.h"

#include "cli/json_output.h"
#include "cli/load_row_text.h"
#include "project/engine_inputs_of.h"

#include <cstdio>
#include <string>

namespace pmsect::cli {
namespace {

using json = nlohmann::ordered_json;

json optionalNumber(const std::optional<double>& value) {
    return value ? jsonNumber(static_cast<float>(*value)) : json(nullptr);
}

json axisJson(const AxisMagnification& a) {
    return {{"kluOverR", jsonNumber(static_cast<float>(a.kluOverR))},
            {"limit", jsonNumber(static_cast<float>(a.limit))},
            {"slender", a.slender},
            {"EI_kipin2", jsonNumber(static_cast<float>(a.EI))},
            {"Pc_kip", jsonNumber(static_cast<float>(a.Pc))},
            {"Cm", optionalNumber(a.Cm)},
            {"deltaNs", optionalNumber(a.deltaNs)},
            {"deltaS", optionalNumber(a.deltaS)},
            {"M2_kipft", jsonNumber(static_cast<float>(a.M2))},
            {"M2min_kipft", jsonNumber(static_cast<float>(a.M2min))},
            {"Mc_kipft", optionalNumber(a.Mc)},
            {"governs", std::string(magnifierGovernsName(a.governs))},
            {"warnings", a.warnings}};
}

std::string momentText(const std::optional<double>& Mc) {
    return Mc ? fixed(*Mc) : std::string("-");
}

std::string axisText(const AxisMagnification& a) {
    std::string text =
        "k lu/r " + fixed(a.kluOverR, "0.0") + (a.slender ? " > " : " <= ") + fixed(a.limit, "0.0");
    if (!a.slender) {
        return text + ", not slender";
    }
    if (a.deltaS) {
        text += ", delta_s " + fixed(*a.deltaS, "0.000");
    }
    if (a.deltaNs) {
        text += ", delta_ns " + fixed(*a.deltaNs, "0.000");
    }
    if (a.noStableMagnifier) {
        return text + ", no stable magnifier";
    }
    return text + ", " + std::string(magnifierGovernsName(a.governs)) + " governs";
}

} // namespace

void addSlendernessKeys(json& object, const LoadMagnification& m) {
    object["slenderness"] = {{"x", axisJson(m.x)}, {"y", axisJson(m.y)}};
    object["Mcx_kipft"] = optionalNumber(m.x.Mc);
    object["Mcy_kipft"] = optionalNumber(m.y.Mc);
}

void printMagnification(const LoadMagnification& m) {
    std::printf("      magnified: Mcx = %s, Mcy = %s ft-k; x: %s; y: %s\n",
                momentText(m.x.Mc).c_str(), momentText(m.y.Mc).c_str(), axisText(m.x).c_str(),
                axisText(m.y).c_str());
    for (const auto* axis : {&m.x, &m.y}) {
        for (const std::string& warning : axis->warnings) {
            std::printf("      warning (%s): %s\n", axis == &m.x ? "x" : "y", warning.c_str());
        }
    }
}

std::vector<std::optional<LoadMagnification>> projectMagnifications(const ProjectModel& model) {
    std::vector<std::optional<LoadMagnification>> out;
    const EngineInputs inputs = engineInputsOf(model);
    for (int i = 1; i <= model.loads.count(); ++i) {
        out.push_back(
            magnificationOf(inputs, loadInputOf(model.loads[static_cast<std::size_t>(i)])));
    }
    return out;
}

} // namespace pmsect::cli
