// Where a command's project comes from: the file, and the design code edition that overrides the
// file's own for this run (`--code`).
#pragma once

#include "engine/section_results.h"
#include "model/design_code.h"
#include "model/project_model.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace pmsect::cli {

struct ProjectSource {
    // A plain path reads the project as its file says.
    ProjectSource(std::string path, std::optional<DesignCode> code = std::nullopt)
        : path(std::move(path)), code(code) {}

    std::string path;
    std::optional<DesignCode> code;
};

// A command's project and the results of its section summary, kept beside it for the run.
struct LoadedProject {
    ProjectModel model;
    SectionResults section;
};

// The project of the source (a .rcs or a .json project) with its summary computed under the edition
// in force; a file that cannot be read is a CommandError.
LoadedProject loadProject(const ProjectSource& source);

// The "code" value that every JSON object carries: the edition the results were computed under.
nlohmann::ordered_json designCodeJson(const ProjectModel& model);

} // namespace pmsect::cli
