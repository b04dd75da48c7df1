// The benchmark set's projects and loads in proportion to each section, for the load benchmarks.
#pragma once

#include "engine/load_check.h"
#include "io/project_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace pmsect::bench {

// A benchmark project and the results of the summary its loading ran.
struct BenchProject {
    ProjectModel model;
    SectionResults section;
};

inline BenchProject benchProject(const std::string& name) {
    BenchProject p;
    if (!loadProjectFile(std::string(PMSECT_BENCH_DATA) + "/" + name + ".rcs", p.model,
                         LoadChecks::Now, &p.section)) {
        throw std::runtime_error("cannot load " + name + ".rcs");
    }
    return p;
}

// Loads in proportion to the section, so that every section sees compression, tension and
// biaxial bending, about as many failing as passing: Pu from 1.1 Po to 1.1 To, each moment up
// to 1.3 times the section's largest pure-bending strength about its axis.
inline std::vector<LoadInput> proportionalLoads(const SectionResults& section, std::size_t count,
                                                unsigned seed = 24) {
    const std::array<PureBendingResult, 4> bending =
        section.pureBending.value_or(std::array<PureBendingResult, 4>{});
    const auto largest = [&](int a, int b) {
        return std::max(std::fabs(bending[a].Mn), std::fabs(bending[b].Mn)) / 12.0f;
    };
    const float mx = 1.3f * largest(0, 1);
    const float my = 1.3f * largest(2, 3);
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> pu(1.1f * section.limits.Po / 1000,
                                             1.1f * section.limits.To / 1000);
    std::uniform_real_distribution<float> mux(-mx, mx);
    std::uniform_real_distribution<float> muy(-my, my);
    std::vector<LoadInput> loads(count);
    for (LoadInput& load : loads) {
        load = {pu(random), mux(random), muy(random)};
    }
    return loads;
}

} // namespace pmsect::bench
