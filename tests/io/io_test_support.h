// Helpers shared by the project-file tests: a scratch folder per test, whole-file reads and
// writes, and a field-by-field comparison of two models.
#pragma once

#include "model/project_model.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace pmsect::testing {

// A fresh folder under the system's temporary folder, removed when the test ends.
class ScratchFolder {
public:
    ScratchFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("pmsect_io_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    const std::filesystem::path& dir() const { return dir_; }

private:
    std::filesystem::path dir_;
};

// A load table of count rows, no two alike (the row patterns repeat only after 2,958,500 rows),
// each value exact in single precision and in a file's shortest decimal.
inline void fillLoads(ProjectModel& m, int count) {
    m.loads.resize(static_cast<std::size_t>(count));
    for (int k = 1; k <= count; ++k) {
        LoadRow& row = m.loads[static_cast<std::size_t>(k)];
        row[kPu] = -static_cast<float>(k % 500) - 0.25f;
        row[kMux] = 0.5f * static_cast<float>(k % 97);
        row[kMuy] = -0.125f * static_cast<float>(k % 61);
    }
}

// The names in a folder, sorted: a save must leave no temporary behind.
inline std::vector<std::string> folderEntries(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Lines of a text whose lines all end in CR LF; fails the test when one does not.
inline std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text after the last CR LF: \"" << text.substr(start) << "\"";
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Every field that the project file stores, compared exactly.
inline void expectSameFileFields(const ProjectModel& a, const ProjectModel& b) {
    EXPECT_EQ(a.sectionType, b.sectionType);
    EXPECT_EQ(a.barLayout, b.barLayout);
    EXPECT_EQ(a.numPoints, b.numPoints);
    EXPECT_EQ(a.numBars, b.numBars);
    EXPECT_EQ(a.numBarSets, b.numBarSets);
    EXPECT_EQ(a.loads.count(), b.loads.count());
    EXPECT_EQ(a.unitWt, b.unitWt);
    EXPECT_EQ(a.fpc, b.fpc);
    EXPECT_EQ(a.fy, b.fy);
    EXPECT_EQ(a.Ec, b.Ec);
    EXPECT_EQ(a.Es, b.Es);
    EXPECT_EQ(a.rectB, b.rectB);
    EXPECT_EQ(a.rectH, b.rectH);
    EXPECT_EQ(a.circDiam, b.circDiam);
    EXPECT_EQ(a.clearCover, b.clearCover);
    EXPECT_EQ(a.clearSpacing, b.clearSpacing);
    EXPECT_EQ(a.extentX, b.extentX);
    EXPECT_EQ(a.extentY, b.extentY);
    EXPECT_EQ(a.phiCompression, b.phiCompression);
    EXPECT_EQ(a.pnMaxFactor, b.pnMaxFactor);
    EXPECT_EQ(a.totBars, b.totBars);
    EXPECT_EQ(a.firstBarAngle, b.firstBarAngle);
    EXPECT_EQ(a.barSetsAlongY, b.barSetsAlongY);
    EXPECT_EQ(a.longBarSize, b.longBarSize);
    EXPECT_EQ(a.tieBarSize, b.tieBarSize);
    for (int i = 1; i <= a.numPoints && i <= kMaxPoints; ++i) {
        EXPECT_EQ(a.points[i].x, b.points[i].x) << "point " << i;
        EXPECT_EQ(a.points[i].y, b.points[i].y) << "point " << i;
    }
    for (int i = 1; i <= a.numBars && i <= kMaxBars; ++i) {
        EXPECT_EQ(a.bars[i].x, b.bars[i].x) << "bar " << i;
        EXPECT_EQ(a.bars[i].y, b.bars[i].y) << "bar " << i;
        EXPECT_EQ(a.bars[i].size, b.bars[i].size) << "bar " << i;
    }
    for (int i = 1; i <= a.numBarSets && i <= kMaxBarSets; ++i) {
        EXPECT_EQ(a.barSets[i].count, b.barSets[i].count) << "bar set " << i;
        EXPECT_EQ(a.barSets[i].size, b.barSets[i].size) << "bar set " << i;
    }
    for (int i = 1; i <= std::min(a.loads.count(), b.loads.count()); ++i) {
        for (int c = kPu; c <= kMuy; ++c) {
            EXPECT_EQ(a.loads[i][c], b.loads[i][c]) << "load " << i << " column " << c;
        }
    }
}

// The whole model, including the derived fields, the load checks, flags and display units.
inline void expectSameModel(const ProjectModel& a, const ProjectModel& b) {
    expectSameFileFields(a, b);
    EXPECT_EQ(a.beta1, b.beta1);
    EXPECT_EQ(a.phiTension, b.phiTension);
    EXPECT_EQ(a.grossArea, b.grossArea);
    EXPECT_EQ(a.refX, b.refX);
    EXPECT_EQ(a.refY, b.refY);
    EXPECT_EQ(a.midX, b.midX);
    EXPECT_EQ(a.midY, b.midY);
    EXPECT_EQ(a.barSetWidth, b.barSetWidth);
    EXPECT_EQ(a.barSetHeight, b.barSetHeight);
    for (int i = 1; i <= std::min(a.loads.count(), b.loads.count()); ++i) {
        for (int c = kPu; c <= kMuy; ++c) {
            EXPECT_EQ(a.loads[i][c], b.loads[i][c]) << "load " << i << " column " << c;
        }
    }
    EXPECT_EQ(a.projectFileName, b.projectFileName);
    EXPECT_EQ(a.units.lengthFactor, b.units.lengthFactor);
    EXPECT_EQ(a.units.lengthLabel, b.units.lengthLabel);
}

} // namespace pmsect::testing
