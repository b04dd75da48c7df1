// pmsect-cli design: the ranked arrangements, the best one, and the project written with it.
#include "cli/design_command.h"

#include "cli/commands.h"
#include "cli/json_output.h"
#include "format/number_format.h"
#include "format/text.h"
#include "io/load_file.h"
#include "io/project_formats.h"
#include "project/project_summary.h"

#include <charconv>
#include <cstdio>
#include <iostream>

namespace pmsect::cli {
namespace {

using json = nlohmann::ordered_json;

// "A-B" with A <= B, each a number of type T.
template <typename T> std::pair<T, T> parseRange(const std::string& text, const char* what) {
    const auto dash = text.find('-');
    T low = 0;
    T high = 0;
    const auto read = [](std::string_view part, T& value) {
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        return error == std::errc{} && end == part.data() + part.size() && !part.empty();
    };
    if (dash == std::string::npos || !read(std::string_view(text).substr(0, dash), low) ||
        !read(std::string_view(text).substr(dash + 1), high) || low > high) {
        throw CommandError(std::string(what) + " must be a range such as 5-11, not \"" + text +
                           "\"");
    }
    return {low, high};
}

// How a load is named in the output: its id in the load file, or its 1-based row.
class LoadNames {
public:
    explicit LoadNames(std::vector<std::string> ids) : ids_(std::move(ids)) {}
    json operator()(int row) const {
        if (ids_.empty()) {
            return row;
        }
        return ids_[static_cast<std::size_t>(row - 1)];
    }
    std::string text(int row) const {
        return ids_.empty() ? std::to_string(row) : ids_[static_cast<std::size_t>(row - 1)];
    }

private:
    std::vector<std::string> ids_;
};

json candidateJson(const DesignCandidate& c, const LoadNames& name) {
    const Arrangement& a = c.arrangement;
    json out = {{"barSize", a.barSize}, {"barCount", a.totalBars()}};
    if (!a.circular()) {
        out["barsPerXFace"] = a.barsPerXFace;
        out["barsPerYFace"] = a.barsPerYFace;
    }
    out["clearSpacing_in"] = jsonNumber(a.clearSpacing);
    out["steelArea_in2"] = jsonNumber(a.steelArea);
    out["rho"] = a.steelRatio;
    if (lapSplicesDoubleTheSteel(a)) {
        out["note"] = kLapSpliceNote;
    }
    out["pass"] = c.pass;
    if (c.pass) {
        out["maxRatio"] = c.governingLoad > 0 ? jsonNumber(c.maxRatio) : json(nullptr);
        out["governingLoad"] = c.governingLoad > 0 ? name(c.governingLoad) : json(nullptr);
    } else {
        out["firstFailingLoad"] = name(c.firstFailingLoad);
    }
    json bars = json::array();
    for (const Bar& b : a.bars) {
        bars.push_back({{"x", jsonNumber(b.x)}, {"y", jsonNumber(b.y)}, {"size", a.barSize}});
    }
    out["bars"] = bars;
    return out;
}

void printTable(const DesignResult& result, std::size_t loadCount, const LoadNames& name) {
    std::printf(
        "%s checked against %s\n",
        countOf(result.candidates.size(), "admissible arrangement", "admissible arrangements")
            .c_str(),
        countOf(loadCount, "load", "loads").c_str());
    std::printf("%4s  %-34s %10s %8s  %s\n", "rank", "arrangement", "As (in^2)", "rho", "result");
    for (std::size_t i = 0; i < result.candidates.size(); ++i) {
        const DesignCandidate& c = result.candidates[i];
        const Arrangement& a = c.arrangement;
        std::string verdict;
        if (c.pass) {
            verdict = c.governingLoad > 0 ? "carries every load; largest ratio " +
                                                formatNumber(c.maxRatio, "0.000") + " (load " +
                                                std::to_string(c.governingLoad) + ")"
                                          : "carries every load";
        } else {
            verdict = "fails load " + name.text(c.firstFailingLoad);
        }
        if (lapSplicesDoubleTheSteel(a)) {
            verdict += std::string("; ") + kLapSpliceNote;
        }
        std::printf("%4zu  %-34s %10s %7s%%  %s%s\n", i + 1, arrangementText(a).c_str(),
                    formatNumber(a.steelArea, "0.00").c_str(),
                    formatNumber(a.steelRatio * 100, "0.00").c_str(), verdict.c_str(),
                    result.best == i ? "  <- best" : "");
    }
}

} // namespace

void parseSizeRange(const std::string& text, DesignOptions& options) {
    const auto [low, high] = parseRange<int>(text, "--sizes");
    options.minBarSize = low;
    options.maxBarSize = high;
}

void parseSteelRatioRange(const std::string& text, DesignOptions& options) {
    const auto [low, high] = parseRange<double>(text, "--rho");
    if (!(low >= 0 && high <= kGreatestSteelRatio * 100)) {
        throw CommandError("--rho is a range of percentages between 0 and " +
                           formatNumber(kGreatestSteelRatio * 100, "0"));
    }
    options.minSteelRatio = low / 100.0;
    options.maxSteelRatio = high / 100.0;
}

int runDesign(const ProjectSource& source, const DesignRequest& request) {
    const ProjectModel model = loadProject(source).model;
    if (const auto refusal = designRefusal(model)) {
        throw CommandError(*refusal);
    }
    std::vector<LoadInput> loads = projectLoads(model);
    std::vector<std::string> ids;
    if (!request.loadsPath.empty()) {
        LoadFileResult file = readLoadFile(request.loadsPath);
        if (!file) {
            throw FileError(request.loadsPath + ": " + file.error->text());
        }
        loads = std::move(file.contents.loads);
        ids = std::move(file.contents.ids);
    }
    const LoadNames name(std::move(ids));
    const DesignResult result = designReinforcement(model, loads, request.options);

    if (request.json) {
        json candidates = json::array();
        for (const DesignCandidate& c : result.candidates) {
            candidates.push_back(candidateJson(c, name));
        }
        const json out = {{"code", designCodeJson(model)},
                          {"layout", model.sectionType == kRound ? "circle" : "perimeter"},
                          {"loads", loads.size()},
                          {"best", result.best
                                       ? candidateJson(result.candidates[*result.best], name)
                                       : json(nullptr)},
                          {"candidates", candidates}};
        std::cout << out.dump(2) << "\n";
    } else {
        printTable(result, loads.size(), name);
    }

    if (!result.best) {
        if (result.candidates.empty()) {
            std::cerr << "pmsect-cli: " << source.path
                      << ": no arrangement is admissible within the sizes and steel ratios "
                         "asked for; the section must grow or the ranges widen\n";
        } else {
            const DesignCandidate& heaviest = result.candidates.back();
            std::cerr << "pmsect-cli: " << source.path
                      << ": no admissible arrangement carries every load; load "
                      << name.text(heaviest.firstFailingLoad) << " fails even the heaviest ("
                      << arrangementText(heaviest.arrangement)
                      << "); the section must grow or the steel band widen (--rho, up to 8)\n";
        }
        return 1;
    }
    if (!request.outPath.empty()) {
        ProjectModel designed = model;
        applyArrangement(designed, result.candidates[*result.best].arrangement);
        const FileResult written = writeAnyProject(request.outPath, designed);
        if (!written) {
            throw FileError(written.error);
        }
    }
    return 0;
}

} // namespace pmsect::cli
