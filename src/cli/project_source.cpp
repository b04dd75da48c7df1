// Loading a command's project, under the edition the command line asks for.
#include "cli/project_source.h"

#include "cli/commands.h"
#include "io/project_formats.h"
#include "project/design_code_choice.h"
#include "project/project_summary.h"

namespace pmsect::cli {

LoadedProject loadProject(const ProjectSource& source) {
    LoadedProject project;
    ProjectModel& model = project.model;
    // Under another edition than the file's, the loads are checked once, under the one asked for.
    const LoadChecks checks = source.code ? LoadChecks::Deferred : LoadChecks::Now;
    const FileResult result = loadAnyProject(source.path, model, checks, &project.section);
    if (!result) {
        throw FileError(result.error);
    }
    if (source.code) {
        if (*source.code != model.designCode) {
            applyDesignCode(model, *source.code);
        }
        project.section = computeSectionSummary(model);
    }
    return project;
}

nlohmann::ordered_json designCodeJson(const ProjectModel& model) {
    return std::string(designCodeName(model.designCode));
}

} // namespace pmsect::cli
