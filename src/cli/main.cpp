// pmsect-cli: the strength engine from the command line, for scripts and batch checks.
#include "cli/combinations_command.h"
#include "cli/commands.h"
#include "cli/design_command.h"
#include "cli/load_file_command.h"
#include "cli/pdf_report_command.h"
#include "cli/results_commands.h"
#include "format/text.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cmath>
#include <iostream>
#include <vector>

namespace {

using namespace pmsect::cli;

void requireFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) {
            throw CommandError("numbers must be finite");
        }
    }
}

struct FormatFlags {
    bool json = false;
    bool csv = false;
    OutputFormat format() const {
        return json ? OutputFormat::Json : (csv ? OutputFormat::Csv : OutputFormat::Table);
    }
};

// --code: the design code edition to compute under, overriding the project's own.
void addCodeOption(CLI::App* cmd, std::string& code, const char* help) {
    std::vector<std::string> names;
    for (const pmsect::DesignCode c : pmsect::kDesignCodes) {
        names.emplace_back(pmsect::designCodeName(c));
    }
    cmd->add_option("--code", code, help)->check(CLI::IsMember(names));
}

void addFormatFlags(CLI::App* cmd, FormatFlags& flags, bool withCsv) {
    auto* json = cmd->add_flag("--json", flags.json, "print JSON");
    if (withCsv) {
        cmd->add_flag("--csv", flags.csv, "print CSV")->excludes(json);
    }
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"PMSECT: axial and flexural strength of a reinforced-concrete section"};
    app.require_subcommand(1);
    std::string file;
    FormatFlags flags;
    float c = 0;
    float angle = 0;
    float pn = 0;
    float sections = 8;
    ReportUnits units;
    PlotRequest plot;
    std::vector<double> view;
    std::string code;
    const char* const codeHelp = "design code edition for this run: 318-05, 318-14 or 318-19";

    auto* newCmd = app.add_subcommand("new", "write the default new project");
    newCmd->add_option("FILE", file, "project file to write")->required();
    addCodeOption(newCmd, code, "design code edition of the project (default 318-05)");

    std::string convertOut;
    auto* convert = app.add_subcommand("convert", "a .rcs project to .json or back");
    convert->add_option("IN", file, "project to read")->required();
    convert->add_option("OUT", convertOut, "project to write")->required();

    auto* point = app.add_subcommand("point", "one strain-compatibility evaluation");
    point->add_option("FILE", file, "project file")->required();
    addCodeOption(point, code, codeHelp);
    point->add_option("--c", c, "neutral-axis depth (in)")->required();
    point->add_option("--angle", angle, "neutral-axis angle (deg)")->required();
    addFormatFlags(point, flags, false);

    auto* summary = app.add_subcommand("summary", "section summary and load checks");
    summary->add_option("FILE", file, "project file")->required();
    addCodeOption(summary, code, codeHelp);
    addFormatFlags(summary, flags, false);

    auto* check = app.add_subcommand("check", "load checks; exit 1 when any fails");
    check->add_option("FILE", file, "project file")->required();
    addCodeOption(check, code, codeHelp);
    std::string loadsPath;
    unsigned threads = 0; // every core
    auto* loadsOption = check->add_option(
        "--loads", loadsPath, "CSV of loads (Pu, Mux, Muy, optional id) checked instead");
    std::string casesPath;
    check->add_option("--cases", casesPath,
                      "CSV of load cases (case, kind, P, Mx, My, ...) combined instead of the "
                      "project's");
    check->add_option("--threads", threads, "threads for --loads (default and most: every core)")
        ->check(CLI::PositiveNumber)
        ->needs(loadsOption);
    addFormatFlags(check, flags, true);

    auto* combos =
        app.add_subcommand("combos", "the strength combinations of the project's load cases");
    combos->add_option("FILE", file, "project file")->required();
    addCodeOption(combos, code, codeHelp);
    combos->add_option("--cases", casesPath, "CSV of load cases combined instead of the project's");
    addFormatFlags(combos, flags, true);

    auto* curve = app.add_subcommand("curve", "Pn-Mn curve at a bending direction");
    curve->add_option("FILE", file, "project file")->required();
    addCodeOption(curve, code, codeHelp);
    curve->add_option("--angle", angle, "bending direction (deg), 90 = about x")->required();
    addFormatFlags(curve, flags, true);

    auto* contour = app.add_subcommand("contour", "biaxial moment contour at an axial load");
    contour->add_option("FILE", file, "project file")->required();
    addCodeOption(contour, code, codeHelp);
    contour->add_option("--pn", pn, "axial load (kips, compression negative)")->required();
    addFormatFlags(contour, flags, true);

    auto* surface = app.add_subcommand("surface", "failure surface");
    surface->add_option("FILE", file, "project file")->required();
    addCodeOption(surface, code, codeHelp);
    surface->add_option("--sections", sections, "bending directions, 4 to 32")->required();
    addFormatFlags(surface, flags, true);

    auto* controlPoints =
        app.add_subcommand("control-points", "control points of the Pn-Mn diagram at a direction");
    controlPoints->add_option("FILE", file, "project file")->required();
    addCodeOption(controlPoints, code, codeHelp);
    controlPoints->add_option("--angle", angle, "bending direction (deg), 90 = about x")
        ->required();
    addFormatFlags(controlPoints, flags, true);

    auto* report = app.add_subcommand("report", "the text report");
    report->add_option("FILE", file, "project file")->required();
    addCodeOption(report, code, codeHelp);
    report->add_option("--length", units.length, "in, ft, mm, cm, m");
    report->add_option("--force", units.force, "lbs, kips, N, kN");
    report->add_option("--moment", units.moment, "in-lb, in-kip, ft-lb, ft-kip, N-m, kN-m");
    report->add_option("--stress", units.stress, "psi, psf, kPa, MPa");
    report->add_option("--unit-weight", units.unitWeight, "pcf, kg/m^3");
    PdfReportRequest pdf;
    std::string paper = "letter";
    auto* pdfOption = report->add_option("--pdf", pdf.pdfPath, "the calculation as a PDF file");
    report->add_option("--loads", pdf.loadsPath, "CSV of loads checked instead of the project's")
        ->needs(pdfOption);
    report->add_option("--paper", paper, "letter (default) or a4")
        ->check(CLI::IsMember({"letter", "a4"}))
        ->needs(pdfOption);
    report->add_option("--title", pdf.title, "project title in the page header")->needs(pdfOption);
    report->add_option("--engineer", pdf.engineer, "engineer in the page header")->needs(pdfOption);

    auto* design =
        app.add_subcommand("design", "the lightest reinforcement that carries every load");
    design->add_option("FILE", file, "project file")->required();
    addCodeOption(design, code, codeHelp);
    DesignRequest designRequest;
    std::string sizes = "5-11";
    std::string rho = "1-4";
    design->add_option("--sizes", sizes, "bar sizes to try, e.g. 5-11");
    design->add_option("--rho", rho, "steel ratios allowed, in percent, up to 8 (default 1-4)");
    design->add_option("--out", designRequest.outPath, "project file to write with the best");
    design->add_option("--loads", designRequest.loadsPath,
                       "CSV of loads (Pu, Mux, Muy, optional id) checked instead of the project's");
    design->add_option("--threads", designRequest.options.threads, "threads (at most every core)")
        ->check(CLI::PositiveNumber);
    addFormatFlags(design, flags, false);

    auto* plotCmd = app.add_subcommand("plot", "a diagram of the results window as SVG");
    plotCmd->add_option("FILE", file, "project file")->required();
    addCodeOption(plotCmd, code, codeHelp);
    auto* byCurve = plotCmd->add_option("--curve", plot.value, "Pn-Mn curve at THETA (deg)");
    auto* byContour = plotCmd->add_option("--contour", plot.value, "biaxial contour at P (kips)");
    auto* bySurface = plotCmd->add_option("--surface", plot.value, "3D view with N sections");
    byCurve->excludes(byContour)->excludes(bySurface);
    byContour->excludes(bySurface);
    plotCmd->add_option("--view", view, "3D viewing angles H V (deg)")->expected(2);
    plotCmd->add_option("--svg", plot.svgPath, "SVG file to write")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "pmsect-cli: " << e.what() << "\n";
        return 2;
    }
    try {
        requireFinite({c, angle, pn, sections, plot.value});
        const ProjectSource source(file, pmsect::designCodeFromName(code));
        if (*newCmd) {
            return runNew(file, source.code);
        }
        if (*convert) {
            return runConvert(file, convertOut);
        }
        if (*point) {
            return runPoint(source, c, angle, flags.json);
        }
        if (*summary) {
            return runSummary(source, flags.json);
        }
        if (*check) {
            if (loadsOption->count() > 0) {
                return runCheckLoadFile(source, loadsPath, casesPath, flags.format(), threads);
            }
            if (flags.csv) {
                throw CommandError("--csv goes with --loads");
            }
            return runCheckWithCombinations(source, casesPath, flags.json);
        }
        if (*combos) {
            return runCombos(source, casesPath, flags.format());
        }
        if (*curve) {
            return runCurve(source, angle, flags.format());
        }
        if (*contour) {
            return runContour(source, pn, flags.format());
        }
        if (*surface) {
            return runSurface(source, sections, flags.format());
        }
        if (*controlPoints) {
            return runControlPoints(source, angle, flags.format());
        }
        if (*report) {
            if (pdfOption->count() > 0) {
                pdf.paper = paperFromName(paper);
                pdf.threads = threads;
                const pmsect::cli::LoadedProject project = reportProject(source, units);
                return runPdfReport(source, project, pdf);
            }
            return runReport(source, units);
        }
        if (*design) {
            parseSizeRange(sizes, designRequest.options);
            parseSteelRatioRange(rho, designRequest.options);
            designRequest.json = flags.json;
            return runDesign(source, designRequest);
        }
        if (byContour->count() > 0) {
            plot.kind = PlotRequest::Kind::Contour;
        } else if (bySurface->count() > 0) {
            plot.kind = PlotRequest::Kind::Surface;
        } else if (byCurve->count() == 0) {
            throw CommandError("plot needs --curve, --contour or --surface");
        }
        if (view.size() == 2) {
            requireFinite({view[0], view[1]});
            plot.horizontal = view[0];
            plot.vertical = view[1];
        }
        return runPlot(source, plot);
    } catch (const FileError& e) {
        std::cerr << "pmsect-cli: " << pmsect::printable(e.what()) << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "pmsect-cli: " << pmsect::printable(file) << ": "
                  << pmsect::printable(e.what()) << "\n";
        return 2;
    }
}
