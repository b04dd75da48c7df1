// Which checked load governs and how many fail, said the same way by every command that checks
// loads: a line under the text tables and a "governing" object in the JSON outputs.
#pragma once

#include "engine/governing_load.h"
#include "engine/section_results.h"
#include "model/project_model.h"

#include <cstddef>
#include <functional>
#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <vector>

namespace pmsect::cli {

// How a load is named in the outputs: its id (a number or a text, as its table gives it) and its
// name (the id as text, or a combination's formula).
struct LoadName {
    nlohmann::ordered_json id;
    std::string name;
};
using LoadNaming = std::function<LoadName(std::size_t)>;

// The project's one verdict sentence (project/project_verdict.h), "12 of 40 loads fail; largest
// ratio 1.935 (load 40)": the last `combinations` of the loads are combinations of load cases.
std::string verdictLine(const LoadVerdict& verdict, std::size_t combinations,
                        const LoadNaming& nameOf);

// {"id", "name", "ratio"} of the governing load, or null when no load has a capacity.
nlohmann::ordered_json governingJson(const LoadVerdict& verdict, const LoadNaming& nameOf);

// Rows 1..count of the project's load table as checked loads, and their names: the row
// number.
std::vector<CheckedLoad> projectChecks(const ProjectModel& model, const SectionResults& section);
LoadName projectLoadName(std::size_t index);

} // namespace pmsect::cli
