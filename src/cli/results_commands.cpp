// The results subcommands: interaction curve, biaxial contour, failure surface, report and the
// plots drawn as SVG exactly as the results window draws them.
#include "cli/results_commands.h"

#include "cli/commands.h"
#include "cli/json_output.h"
#include "engine/interaction_curve.h"
#include "engine/interaction_surface.h"
#include "io/file_replacing.h"
#include "io/project_file.h"
#include "io/report_text.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"
#include "results/canvas_region.h"
#include "results/control_point_table.h"
#include "results/figure_title.h"
#include "results/plot_drawing.h"
#include "results/svg_canvas.h"
#include "units/display_units.h"
#include "units/unit_conversion.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pmsect::cli {
namespace {

using json = nlohmann::ordered_json;

// The results window's default number of sections, computed before its first 2D plot.
constexpr float kWindowSections = 8;
constexpr double kPictureSize = 640;

json curvePointsJson(const CurveTable& table) {
    json points = json::array();
    for (int i = 1; i <= table.count; ++i) {
        points.push_back({{"phi", jsonNumber(table.phi(i))},
                          {"Pn_kip", jsonNumber(table.col1(i))},
                          {"Mn_kipin", jsonNumber(table.col2(i))},
                          {"found", table.isFound(i)}});
    }
    return points;
}

// A moment that was not found is left empty.
std::string csvNumber(float value, bool found = true) {
    if (!found) {
        return "";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

void printCurveCsv(const CurveTable& table, const char* firstColumn = nullptr,
                   const float* firstValue = nullptr) {
    std::printf("%sphi,Pn_kip,Mn_kipin\n", firstColumn ? firstColumn : "");
    for (int i = 1; i <= table.count; ++i) {
        std::printf("%s%s,%s,%s\n", firstValue ? (csvNumber(*firstValue) + ",").c_str() : "",
                    csvNumber(table.phi(i)).c_str(), csvNumber(table.col1(i)).c_str(),
                    csvNumber(table.col2(i), table.isFound(i)).c_str());
    }
}

int16_t unitPosition(UnitGroup group, const std::string& name, int16_t fallback) {
    if (name.empty()) {
        return fallback;
    }
    const auto position = unitPositionByName(group, name);
    if (!position) {
        throw CommandError("unknown unit \"" + name + "\"");
    }
    return *position;
}

// The contour's axial load is given in the project's display force unit, as typed in the
// results window; the engine takes kips.
float typedContourLoad(const ProjectModel& model, double PnDisplay) {
    return static_cast<float>(typedForce(model.units, PnDisplay));
}

void writeSvg(const std::string& path, const SvgCanvas& canvas) {
    const FileResult written = writeFileReplacing(path, canvas.document());
    if (!written) {
        throw FileError(written.error);
    }
}

} // namespace

int runCurve(const ProjectSource& source, float angle, OutputFormat format) {
    const LoadedProject project = loadProject(source);
    const ProjectModel& model = project.model;
    CurveDepthMemo depths;
    const CurveTable table = computeCurve(engineInputsOf(model), project.section.limits, angle,
                                          depths.depthsFor(project.section.revision));
    if (format == OutputFormat::Json) {
        const json out = {{"code", designCodeJson(model)},
                          {"angle_deg", jsonNumber(angle)},
                          {"points", curvePointsJson(table)}};
        std::cout << out.dump(2) << "\n";
    } else if (format == OutputFormat::Csv) {
        printCurveCsv(table);
    } else {
        std::printf("Pn-Mn curve at %s deg\n%4s %8s %12s %12s\n", csvNumber(angle).c_str(), "row",
                    "phi", "Pn (k)", "Mn (in-k)");
        for (int i = 1; i <= table.count; ++i) {
            std::printf("%4d %8.4f %12.2f %12s\n", i, table.phi(i), table.col1(i),
                        table.isFound(i) ? csvNumber(table.col2(i)).c_str() : "not found");
        }
    }
    return 0;
}

int runContour(const ProjectSource& source, float Pn, OutputFormat format) {
    const LoadedProject project = loadProject(source);
    const ProjectModel& model = project.model;
    const Contour load =
        computeContour(engineInputsOf(model), project.section.limits, typedContourLoad(model, Pn));
    const CurveTable& table = load.table;
    const auto designAt = [&table](int i) -> const DesignContourPoint& {
        return table.design.points[static_cast<std::size_t>(i)];
    };
    float direction = 0;
    if (format == OutputFormat::Json) {
        json points = json::array();
        json design = json::array();
        for (int i = 1; i <= kContourPoints; ++i) {
            points.push_back({{"direction_deg", jsonNumber(direction)},
                              {"phi", jsonNumber(table.phi(i))},
                              {"Pn_kip", jsonNumber(table.reachedPn[static_cast<std::size_t>(i)])},
                              {"M1_kipin", jsonNumber(table.col1(i))},
                              {"M2_kipin", jsonNumber(table.col2(i))},
                              {"found", table.isFound(i)}});
            const DesignContourPoint& d = designAt(i);
            const auto value = [&d](float v) { return d.found ? jsonNumber(v) : json(nullptr); };
            design.push_back({{"direction_deg", jsonNumber(direction)},
                              {"phi", value(d.phi)},
                              {"Pn_kip", value(d.Pn)},
                              {"phiPn_kip", value(d.phiPn)},
                              {"phiM1_kipin", value(d.phiM1)},
                              {"phiM2_kipin", value(d.phiM2)},
                              {"found", d.found}});
            direction = static_cast<float>(static_cast<double>(direction) + 9);
        }
        const json out = {{"code", designCodeJson(model)},
                          {"Pn_kip", jsonNumber(load.Pn)},
                          {"points", points},
                          {"design", design}};
        std::cout << out.dump(2) << "\n";
        return 0;
    }
    if (format == OutputFormat::Table) {
        std::printf("Biaxial contour at Pn = %s k\n", csvNumber(load.Pn).c_str());
    }
    std::printf("direction_deg,phi,Pn_kip,M1_kipin,M2_kipin,"
                "design_phi,design_Pn_kip,phiPn_kip,phiM1_kipin,phiM2_kipin,design_found\n");
    for (int i = 1; i <= kContourPoints; ++i) {
        const DesignContourPoint& d = designAt(i);
        std::printf("%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s\n", csvNumber(direction).c_str(),
                    csvNumber(table.phi(i)).c_str(),
                    csvNumber(table.reachedPn[static_cast<std::size_t>(i)]).c_str(),
                    csvNumber(table.col1(i), table.isFound(i)).c_str(),
                    csvNumber(table.col2(i), table.isFound(i)).c_str(),
                    csvNumber(d.phi, d.found).c_str(), csvNumber(d.Pn, d.found).c_str(),
                    csvNumber(d.phiPn, d.found).c_str(), csvNumber(d.phiM1, d.found).c_str(),
                    csvNumber(d.phiM2, d.found).c_str(), d.found ? "yes" : "no");
        direction = static_cast<float>(static_cast<double>(direction) + 9);
    }
    return 0;
}

int runSurface(const ProjectSource& source, float sections, OutputFormat format) {
    const LoadedProject project = loadProject(source);
    const ProjectModel& model = project.model;
    CurveDepthMemo depths;
    const auto surface = std::make_unique<SurfaceData>(
        computeSurface(engineInputsOf(model), project.section.limits, sections,
                       depths.depthsFor(project.section.revision)));
    if (format == OutputFormat::Json) {
        json directions = json::array();
        for (int j = 1; j <= surface->sections; ++j) {
            json points = json::array();
            for (int i = 1; i <= surface->rowCount; ++i) {
                points.push_back({{"phi", jsonNumber(surface->phi(j, i))},
                                  {"Pn_kip", jsonNumber(surface->Pn(j, i))},
                                  {"Mn_kipin", jsonNumber(surface->Mn(j, i))},
                                  {"found", surface->isFound(j, i)}});
            }
            directions.push_back(
                {{"angle_deg", jsonNumber(surface->bendingDirection[static_cast<std::size_t>(j)])},
                 {"points", points}});
        }
        const SurfaceExtents& e = surface->extents;
        const json out = {{"code", designCodeJson(model)},
                          {"sections", surface->sections},
                          {"directions", directions},
                          {"extents",
                           {{"MnMax_kipin", jsonNumber(e.MnMax)},
                            {"MnMin_kipin", jsonNumber(e.MnMin)},
                            {"PnMax_kip", jsonNumber(e.PnMax)},
                            {"PnMin_kip", jsonNumber(e.PnMin)}}}};
        std::cout << out.dump(2) << "\n";
        return 0;
    }
    std::printf("angle_deg,phi,Pn_kip,Mn_kipin\n");
    for (int j = 1; j <= surface->sections; ++j) {
        for (int i = 1; i <= surface->rowCount; ++i) {
            std::printf("%s,%s,%s,%s\n",
                        csvNumber(surface->bendingDirection[static_cast<std::size_t>(j)]).c_str(),
                        csvNumber(surface->phi(j, i)).c_str(), csvNumber(surface->Pn(j, i)).c_str(),
                        csvNumber(surface->Mn(j, i), surface->isFound(j, i)).c_str());
        }
    }
    return 0;
}

namespace {

// A moment in kip-in as the load table states it, in kip-ft.
std::optional<float> kipFt(std::optional<float> kipIn) {
    if (!kipIn) {
        return std::nullopt;
    }
    return static_cast<float>(static_cast<double>(*kipIn) / 12.0);
}

json optionalNumber(std::optional<float> value) {
    return value ? jsonNumber(*value) : json(nullptr);
}

std::string optionalCsv(std::optional<float> value) {
    return value ? csvNumber(*value) : std::string();
}

} // namespace

int runControlPoints(const ProjectSource& source, float angle, OutputFormat format) {
    const LoadedProject project = loadProject(source);
    const ProjectModel& model = project.model;
    const ControlPoints points =
        computeControlPoints(engineInputsOf(model), project.section.limits, angle);
    if (format == OutputFormat::Json) {
        json rows = json::array();
        for (const ControlPoint& p : points) {
            rows.push_back({{"name", std::string(controlPointName(p.kind))},
                            {"c_in", optionalNumber(p.c)},
                            {"epsT", optionalNumber(p.epsT)},
                            {"Pn_kip", jsonNumber(p.Pn)},
                            {"Mn_kipft", optionalNumber(kipFt(p.Mn))},
                            {"phi", jsonNumber(p.phi)},
                            {"phiPn_kip", jsonNumber(p.phiPn)},
                            {"phiMn_kipft", optionalNumber(kipFt(p.phiMn))},
                            {"found", p.found}});
        }
        const json out = {
            {"code", designCodeJson(model)}, {"angle_deg", jsonNumber(angle)}, {"points", rows}};
        std::cout << out.dump(2) << "\n";
        return 0;
    }
    if (format == OutputFormat::Table) {
        std::printf("Control points at %s deg (ACI %s)\n", csvNumber(angle).c_str(),
                    std::string(designCodeName(model.designCode)).c_str());
    }
    std::printf("name,c_in,epsT,Pn_kip,Mn_kipft,phi,phiPn_kip,phiMn_kipft,found\n");
    for (const ControlPoint& p : points) {
        std::printf("%s,%s,%s,%s,%s,%s,%s,%s,%s\n", std::string(controlPointName(p.kind)).c_str(),
                    optionalCsv(p.c).c_str(), optionalCsv(p.epsT).c_str(), csvNumber(p.Pn).c_str(),
                    optionalCsv(kipFt(p.Mn)).c_str(), csvNumber(p.phi).c_str(),
                    csvNumber(p.phiPn).c_str(), optionalCsv(kipFt(p.phiMn)).c_str(),
                    p.found ? "yes" : "no");
    }
    return 0;
}

LoadedProject reportProject(const ProjectSource& source, const ReportUnits& units) {
    LoadedProject project = loadProject(source);
    ProjectModel& model = project.model;
    const DisplayUnits defaults;
    applyUnitChoice(model.units, unitPosition(UnitGroup::Length, units.length, defaults.lengthUnit),
                    unitPosition(UnitGroup::Force, units.force, defaults.forceUnit),
                    unitPosition(UnitGroup::Moment, units.moment, defaults.momentUnit),
                    unitPosition(UnitGroup::Stress, units.stress, defaults.stressUnit),
                    unitPosition(UnitGroup::UnitWeight, units.unitWeight, defaults.unitWtUnit));
    return project;
}

int runReport(const ProjectSource& source, const ReportUnits& units) {
    const LoadedProject project = reportProject(source, units);
    std::cout << composeReport(project.model, project.section);
    return 0;
}

int runPlot(const ProjectSource& source, const PlotRequest& request) {
    const LoadedProject loaded = loadProject(source);
    const ProjectModel& model = loaded.model;
    const std::string project = std::filesystem::path(source.path).filename().string();
    const EngineInputs inputs = engineInputsOf(model);
    const AxialLimits& limits = loaded.section.limits;
    CurveDepthMemo memo;
    CurveDepthMemo::Depths& depths = memo.depthsFor(loaded.section.revision);
    // Figures for a calculation package: on white, under their title line.
    SvgCanvas canvas(kPictureSize, kPictureSize, SvgBackground::White);
    if (request.kind == PlotRequest::Kind::Surface) {
        const auto surface =
            std::make_unique<SurfaceData>(computeSurface(inputs, limits, request.value, depths));
        drawTitledFigure(canvas, surfaceTitle(project, model), [&](Canvas& c) {
            drawView3D(c, *surface, model, loaded.section, request.horizontal, request.vertical,
                       View3DOptions{}, MomentScaleSource::Extents);
        });
        writeSvg(request.svgPath, canvas);
        return 0;
    }
    // The results window computes its surface first, which leaves the curve searches their
    // starting depths.
    computeSurface(inputs, limits, kWindowSections, depths);
    CurveTable table;
    Plot2DData data;
    data.table = &table;
    ControlPoints points{};
    if (request.kind == PlotRequest::Kind::Curve) {
        table = computeCurve(inputs, limits, request.value, depths);
        points = computeControlPoints(inputs, limits, request.value);
        data.count = table.count;
        data.angle = request.value;
        data.controlPoints = &points;
    } else {
        const Contour contour =
            computeContour(inputs, limits, typedContourLoad(model, request.value));
        table = contour.table;
        data.mode = PlotMode::Biaxial;
        data.count = kContourPoints;
        data.contourPn = contour.Pn;
    }
    // The control points are listed under the diagram, as the window and the report do.
    const std::vector<std::string> lines = data.controlPoints
                                               ? controlPointTableLines(points, model.units)
                                               : std::vector<std::string>();
    const double th = canvas.textHeight();
    SvgCanvas figure(kPictureSize, kPictureSize + (lines.empty() ? 0 : (lines.size() + 1.5) * th),
                     SvgBackground::White);
    figure.clear();
    CanvasRegion plot(figure, 0, 0, kPictureSize, kPictureSize);
    drawTitledFigure(plot, plotTitle(project, data, model), [&](Canvas& c) {
        drawPlot2D(c, data, model, loaded.section, Plot2DOptions{});
    });
    double y = kPictureSize + th / 2;
    for (const std::string& line : lines) {
        figure.text(th, y, line, kBlack);
        y += th;
    }
    writeSvg(request.svgPath, figure);
    return 0;
}

} // namespace pmsect::cli
