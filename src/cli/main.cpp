// pmsect-cli: the strength engine from the command line, for scripts and batch checks.
#include "cli/commands.h"

#include <CLI/CLI.hpp>
#include <iostream>

int main(int argc, char** argv) {
    using namespace pmsect::cli;
    CLI::App app{"PMSECT: axial and flexural strength of a reinforced-concrete section"};
    app.require_subcommand(1);
    std::string file;
    bool json = false;
    float c = 0;
    float angle = 0;

    auto* newCmd = app.add_subcommand("new", "write the default new project");
    newCmd->add_option("FILE", file, "project file to write")->required();

    auto* point = app.add_subcommand("point", "one strain-compatibility evaluation");
    point->add_option("FILE", file, "project file")->required();
    point->add_option("--c", c, "neutral-axis depth (in)")->required();
    point->add_option("--angle", angle, "neutral-axis angle (deg)")->required();
    point->add_flag("--json", json, "print JSON");

    auto* summary = app.add_subcommand("summary", "section summary and load checks");
    summary->add_option("FILE", file, "project file")->required();
    summary->add_flag("--json", json, "print JSON");

    auto* check = app.add_subcommand("check", "load checks; exit 1 when any fails");
    check->add_option("FILE", file, "project file")->required();
    check->add_flag("--json", json, "print JSON");

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "pmsect-cli: " << e.what() << "\n";
        return 2;
    }
    try {
        if (*newCmd) {
            return runNew(file);
        }
        if (*point) {
            if (!std::isfinite(c) || !std::isfinite(angle)) {
                throw CommandError("--c and --angle must be finite numbers");
            }
            return runPoint(file, c, angle, json);
        }
        if (*summary) {
            return runSummary(file, json);
        }
        return runCheck(file, json);
    } catch (const std::exception& e) {
        std::cerr << "pmsect-cli: " << file << ": " << e.what() << "\n";
        return 2;
    }
}
