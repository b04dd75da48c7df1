// The check of a load file: the same numbers whatever the number of threads, and the same as the
// project's own load table gives each load, checked in it alone or among others.
#include "building/new_project.h"
#include "engine/load_batch.h"
#include "engine/worker_threads.h"
#include "io/project_file.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace pmsect {
namespace {

std::string golden(const std::string& name) {
    return std::string(PMSECT_TEST_DATA) + "/golden/" + name + ".rcs";
}

struct Loaded {
    ProjectModel model;
    SectionResults section;
};

Loaded loaded(const std::string& path) {
    Loaded out;
    const FileResult r = loadProjectFile(path, out.model, LoadChecks::Now, &out.section);
    EXPECT_TRUE(r) << r.error;
    return out;
}

// Compares the bits, so that a -0 for a 0 or one ulp anywhere fails.
void expectSameCheck(const CheckedLoad& a, const CheckedLoad& b, const std::string& where) {
    EXPECT_EQ(a.result.capacityFound, b.result.capacityFound) << where;
    const auto values = [](const CheckedLoad& c) {
        const LoadResult& r = c.result;
        return std::array{c.load.Pu, c.load.Mux, c.load.Muy, r.eccentricity, r.angle,
                          r.phiPn,   r.phiMnx,   r.phiMny,   r.ratio};
    };
    const auto va = values(a);
    const auto vb = values(b);
    for (std::size_t v = 0; v < va.size(); ++v) {
        EXPECT_EQ(std::bit_cast<std::uint32_t>(va[v]), std::bit_cast<std::uint32_t>(vb[v]))
            << where << " value " << v << ": " << va[v] << " vs " << vb[v];
    }
}

// Loads of every kind: compression and tension, each quadrant, pure bending, no load, concentric.
std::vector<LoadInput> variedLoads(int count) {
    std::mt19937 random(15);
    std::uniform_real_distribution<float> force(-800, 300);
    std::uniform_real_distribution<float> moment(-250, 250);
    std::vector<LoadInput> loads = {{0, 0, 0},  {0, 30, 40}, {-100, 50, 0}, {-300, 0, 0},
                                    {50, 0, 0}, {20, -3, 5}, {0, -120, 0}};
    while (static_cast<int>(loads.size()) < count) {
        loads.push_back({force(random), moment(random), moment(random)});
    }
    return loads;
}

TEST(LoadBatch, FortyLoadsAsTheProjectsOwnTableChecksThem) {
    const Loaded project = loaded(golden("forty_loads"));
    const ProjectModel& m = project.model;
    ASSERT_EQ(m.loads.count(), 40);
    std::vector<LoadInput> loads;
    for (int i = 1; i <= m.loads.count(); ++i) {
        loads.push_back({m.loads[i][kPu], m.loads[i][kMux], m.loads[i][kMuy]});
    }
    for (const unsigned threads : {1u, 2u, 5u}) {
        const auto results = checkLoads(engineInputsOf(m), loads, threads);
        ASSERT_EQ(results.size(), loads.size());
        for (int i = 1; i <= m.loads.count(); ++i) {
            const CheckedLoad& r = results[static_cast<std::size_t>(i - 1)];
            expectSameCheck(r, storedLoadCheck(project.section, m, static_cast<std::size_t>(i)),
                            "load " + std::to_string(i) + ", " + std::to_string(threads) +
                                " threads");
        }
    }
}

TEST(LoadBatch, EveryThreadCountGivesTheSameNumbersInTheSameOrder) {
    for (const char* name : {"default", "round_circle", "l_shape", "t_shape"}) {
        const ProjectModel m = loaded(golden(name)).model;
        const std::vector<LoadInput> loads = variedLoads(150);
        const auto one = checkLoads(engineInputsOf(m), loads, 1);
        for (const unsigned threads : {2u, 3u, 8u}) {
            const auto many = checkLoads(engineInputsOf(m), loads, threads);
            ASSERT_EQ(many.size(), one.size());
            for (std::size_t i = 0; i < one.size(); ++i) {
                expectSameCheck(many[i], one[i],
                                std::string(name) + " load " + std::to_string(i + 1) + ", " +
                                    std::to_string(threads) + " threads");
            }
        }
        // Each row carries its own load: the order is the input's.
        for (std::size_t i = 0; i < one.size(); ++i) {
            EXPECT_EQ(one[i].load.Pu, loads[i].Pu);
            EXPECT_EQ(one[i].load.Muy, loads[i].Muy);
        }
    }
}

// A section without bars carries the strain of one evaluation into the next: each load must
// still come out as it does alone in a freshly read project.
TEST(LoadBatch, EachLoadAsAloneInTheProjectEvenWithoutBars) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("pmsect_load_batch_alone_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "alone.rcs").string();
    for (const bool withBars : {true, false}) {
        ProjectModel base;
        resetToNewProject(base);
        if (!withBars) {
            base.barLayout = kPlacedBars;
            base.numBars = 0;
        }
        ASSERT_TRUE(writeProjectFile(path, base));
        const ProjectModel section = loaded(path).model;
        const std::vector<LoadInput> loads = variedLoads(24);
        const auto batch = checkLoads(engineInputsOf(section), loads, 3);
        for (std::size_t i = 0; i < loads.size(); ++i) {
            ProjectModel single = section;
            single.loads.resize(1);
            single.loads[1][kPu] = loads[i].Pu;
            single.loads[1][kMux] = loads[i].Mux;
            single.loads[1][kMuy] = loads[i].Muy;
            ASSERT_TRUE(writeProjectFile(path, single));
            const Loaded alone = loaded(path);
            expectSameCheck(batch[i], storedLoadCheck(alone.section, alone.model, 1),
                            std::string(withBars ? "bars" : "no bars") + " load " +
                                std::to_string(i + 1));
        }
    }
    std::filesystem::remove_all(dir);
}

TEST(LoadBatch, NoLoadsGiveNoResults) {
    ProjectModel m;
    resetToNewProject(m);
    EXPECT_TRUE(checkLoads(engineInputsOf(m), {}, 4).empty());
}

// A count typed by mistake starts no more threads than the machine runs: each would hold its own
// copy of the section for nothing.
TEST(LoadBatch, AThreadCountAboveTheMachinesIsCapped) {
    const unsigned machine = std::max(1u, std::thread::hardware_concurrency());
    EXPECT_EQ(workerThreads(0), machine);
    EXPECT_EQ(workerThreads(1), 1u);
    EXPECT_EQ(workerThreads(machine + 1), machine);
    EXPECT_EQ(workerThreads(~0u), machine);
}

} // namespace
} // namespace pmsect
