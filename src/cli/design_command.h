// pmsect-cli design: the lightest reinforcement of the project's section that carries every load.
#pragma once

#include "building/reinforcement_design.h"
#include "cli/project_source.h"

#include <string>

namespace pmsect::cli {

struct DesignRequest {
    DesignOptions options;
    std::string outPath;   // empty: no project written
    std::string loadsPath; // a load file checked instead of the project's loads; empty: those
    bool json = false;
};

// "5-11" (bar numbers) and "1-8" or "1-2.5" (percent): the ranges of the command line; a
// malformed range is a CommandError.
void parseSizeRange(const std::string& text, DesignOptions& options);
void parseSteelRatioRange(const std::string& text, DesignOptions& options);

// Exit status 1 when no admissible arrangement carries the loads.
int runDesign(const ProjectSource& source, const DesignRequest& request);

} // namespace pmsect::cli
