// Loading a command's project, under the edition the command line asks for.
#include "cli/project_source.h"

#include "cli/commands.h"
#include "io/project_formats.h"
#include "project/design_code_choice.h"
#include "project/project_summary.h"

namespace pmsect::cli {

ProjectModel loadProject(const ProjectSource& source) {
    ProjectModel model;
    const FileResult result = loadAnyProject(source.path, model);
    if (!result) {
        throw FileError(result.error);
    }
    if (source.code && *source.code != model.designCode) {
        // Loading computed the summary under the file's edition; the limits and the load checks
        // must follow the one asked for.
        applyDesignCode(model, *source.code);
        computeSectionSummary(model);
    }
    return model;
}

nlohmann::ordered_json designCodeJson(const ProjectModel& model) {
    return std::string(designCodeName(model.designCode));
}

} // namespace pmsect::cli
