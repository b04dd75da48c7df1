// Ten thousand random events through the presenters with a fixed seed: boxes with random and
// hostile texts, options, lists, editor rows, load updates, unit changes, New and Open of corpus
// files. After every event the counts fit their tables, every real is finite and an evaluation
// leaves the bars as they were; after events that refresh the summary, the stored summary agrees
// with a fresh one computed on a copy of the model.
#include "corpus_paths.h"
#include "engine/strain_compat.h"
#include "format/number_format.h"
#include "hostile_texts.h"
#include "io/project_file.h"
#include "model/model_fields.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"
#include "recording_platform.h"
#include "ui/single_point_presenter.h"
#include "window_opening.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace pmsect {
namespace {

namespace fs = std::filesystem;

constexpr int kEvents = 10000;
constexpr unsigned kSeed = 20240611;

// Project files to open: the seed corpus (valid and broken ones) and the regression inputs.
std::vector<std::string> openableFiles() {
    std::vector<std::string> files;
    for (const fs::path& folder : {robust::fuzzCorpus() / "project_file", robust::foundInputs()}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            files.push_back(entry.path().string());
        }
    }
    files.push_back("/nonexistent/file.rcs");
    std::sort(files.begin(), files.end());
    return files;
}

class RandomEvents {
public:
    RandomEvents() : files_(openableFiles()) { app_.start(); }

    void run(int events) {
        for (int i = 0; i < events; ++i) {
            refreshed_ = false;
            event_ = pick(kEventKinds);
            before_ = app_.model();
            platform_.messages.clear();
            const std::string what = step();
            // A change undone as too large leaves the summary that was there before it.
            if (undoneAsTooLarge()) {
                refreshed_ = false;
                ++undone_;
            }
            ++counts_[static_cast<std::size_t>(event_)];
            check(i, what);
            if (::testing::Test::HasFatalFailure() || failures_ > 20) {
                return;
            }
        }
    }

    const std::array<int, 16>& counts() const { return counts_; }
    int summaryComparisons() const { return comparisons_; }
    int undoneAsTooLargeCount() const { return undone_; }

private:
    static constexpr int kEventKinds = 16;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    double uniform(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng_);
    }

    // A text for a box: mostly a plausible number, sometimes a hostile text.
    std::string text(double lo, double hi) {
        if (pick(4) == 0) {
            const auto& hostile = robust::hostileTexts();
            return hostile[static_cast<std::size_t>(pick(static_cast<int>(hostile.size())))];
        }
        return boxNumberText(static_cast<float>(uniform(lo, hi)));
    }
    // Whether the last event was undone because its results overflow or its section cannot be
    // computed.
    bool undoneAsTooLarge() const {
        return std::any_of(
            platform_.messages.begin(), platform_.messages.end(), [](const std::string& m) {
                return m == kTooLargeMessage || m.starts_with(sectionFaultMessage(""));
            });
    }

    MainWindowPresenter& main() { return app_.mainWindow(); }

    std::string step() {
        switch (event_) {
        case 0:
        case 1: { // a main-window box
            static const MainInput inputs[] = {MainInput::Width,         MainInput::Depth,
                                               MainInput::Diameter,      MainInput::Cover,
                                               MainInput::Spacing,       MainInput::BarCount,
                                               MainInput::FirstBarAngle, MainInput::Fpc,
                                               MainInput::UnitWeight,    MainInput::Fy};
            const MainInput in = inputs[pick(10)];
            const double hi = in == MainInput::Fpc             ? 10000
                              : in == MainInput::Fy            ? 100000
                              : in == MainInput::UnitWeight    ? 160
                              : in == MainInput::BarCount      ? 40
                              : in == MainInput::FirstBarAngle ? 360
                                                               : 40;
            const std::string t = text(in == MainInput::FirstBarAngle ? -360 : 0.5, hi);
            const int16_t section = app_.model().sectionType;
            const bool live =
                (in != MainInput::Width && in != MainInput::Depth && in != MainInput::Diameter) ||
                (in == MainInput::Diameter ? section == kRound : section == kRectangular);
            const bool rebuildsAnyway = in == MainInput::BarCount || in == MainInput::FirstBarAngle;
            main().onTextConfirmed(in, t);
            // A box refreshes the summary when it takes its text (the bar count and angle boxes
            // also after a refusal); an ignored box or a refused text leave the summary as it
            // was.
            refreshed_ = live && (parseNumber(t) || rebuildsAnyway);
            return "box " + std::to_string(static_cast<int>(in)) + " <- " +
                   robust::shownForMessage(t);
        }
        case 2: { // an option
            const auto option = static_cast<MainOption>(pick(8));
            main().onOption(option);
            return "option " + std::to_string(static_cast<int>(option));
        }
        case 3: { // a list, or Auto Recompute
            const int which = pick(4);
            const int index = pick(14) - 1;
            if (which == 0) {
                main().onLongBarSelected(index);
            } else if (which == 1) {
                main().onTieBarSelected(index % 4);
            } else if (which == 2) {
                // Only a new edition recomputes; a position off the list or the edition in
                // force leaves the summary as it was.
                const DesignCode before = app_.model().designCode;
                main().onDesignCodeSelected(index % 4);
                refreshed_ = app_.model().designCode != before;
            } else {
                main().onAutoRecompute(pick(2) == 0);
            }
            return "list " + std::to_string(which) + " at " + std::to_string(index);
        }
        case 4: { // a button that opens a window (disables the summary for some)
            const auto button = static_cast<MainButton>(pick(6));
            test::openWindow(app_, main().onButton(button).window);
            return "button " + std::to_string(static_cast<int>(button));
        }
        case 5:
            return loadTableEvent();
        // The editors, while the main window's button for them is enabled (the point editor
        // only for an arbitrary section, and so on).
        case 6:
            return main().view().editPointsEnabled ? pointEditorEvent() : "point editor closed";
        case 7:
            return main().view().editBarsEnabled ? barEditorEvent() : "bar editor closed";
        case 8:
            return main().view().editBarSetEnabled ? barSetEditorEvent() : "bar-set editor closed";
        case 9: { // units
            for (int g = 0; g < 5; ++g) {
                app_.units().select(static_cast<UnitGroup>(g), static_cast<int16_t>(pick(8) - 1));
            }
            app_.units().onDone();
            refreshed_ = true;
            return "units";
        }
        case 10:
            main().newProject();
            refreshed_ = true;
            return "New";
        case 11: { // Open
            const std::string& file =
                files_[static_cast<std::size_t>(pick(static_cast<int>(files_.size())))];
            platform_.openAnswers.push_back(file);
            const std::string before = app_.model().projectFileName;
            main().openProject();
            refreshed_ = app_.model().projectFileName == file;
            trimLoads();
            return "Open " + file;
        }
        case 12:
        case 13: { // the single-point window
            static const SinglePointInput inputs[] = {
                SinglePointInput::C, SinglePointInput::NeutralAxisAngle, SinglePointInput::E,
                SinglePointInput::LoadAngle};
            const SinglePointInput in = inputs[pick(4)];
            if (!singlePointOpen_) {
                singlePoint_.open();
                singlePointOpen_ = true;
            }
            singlePoint_.chooseMode(in == SinglePointInput::C ||
                                            in == SinglePointInput::NeutralAxisAngle
                                        ? SinglePointMode::GivenC
                                        : SinglePointMode::GivenE);
            const std::string t = text(-20, 40);
            singlePoint_.setText(in, t);
            pick(2) == 0 ? singlePoint_.enter(in) : singlePoint_.leave(in);
            return "single point " + std::to_string(static_cast<int>(in)) + " <- " +
                   robust::shownForMessage(t);
        }
        case 14: { // the results window, rarely: each box runs a curve or a surface
            if (pick(8) != 0) {
                return "results skipped";
            }
            ResultsPresenter& r = app_.results();
            const int which = pick(5);
            const std::string t = text(-30, 400);
            if (which == 0) {
                r.confirm2DAngle(t);
            } else if (which == 1) {
                r.confirmNumSections(pick(2) == 0 ? t : "4");
            } else if (which == 2) {
                r.confirm3DHorAngle(t);
            } else if (which == 3) {
                r.confirm3DVertAngle(t);
            } else {
                pick(2) == 0 ? r.onOptBiMn() : r.onOptPnMn();
            }
            return "results " + std::to_string(which) + " <- " + robust::shownForMessage(t);
        }
        default: { // Save As into the scratch folder and reopen it
            platform_.saveAnswers.push_back(scratch_ + "/random.rcs");
            platform_.answers.push_back(true);
            main().saveProjectAs();
            return "Save As";
        }
        }
    }

    // Loads stay few, so that each summary stays quick.
    void trimLoads() {
        if (app_.model().loads.count() <= 4) {
            return;
        }
        LoadTablePresenter& loads = app_.loads();
        loads.activate();
        while (loads.view().rows.size() > 3) {
            loads.deleteLoad();
        }
        loads.update();
    }

    std::string loadTableEvent() {
        LoadTablePresenter& loads = app_.loads();
        loads.activate();
        const int actions = 1 + pick(4);
        for (int a = 0; a < actions; ++a) {
            const int kind = pick(4);
            const int rows = static_cast<int>(loads.view().rows.size());
            if (kind == 0 && rows < 4) {
                loads.addLoad();
            } else if (kind == 1) {
                loads.selectRow(pick(rows + 2) - 1);
                loads.deleteLoad();
            } else {
                loads.editCell(pick(rows + 1), 1 + pick(3), text(-400, 200));
            }
        }
        // A row added and left empty makes Update refuse: nothing is written or recomputed.
        const auto& rows = loads.view().rows;
        const bool refused = std::any_of(rows.begin(), rows.end(), [](const LoadGridRow& r) {
            return !r.field[kPu] && !r.field[kMux] && !r.field[kMuy];
        });
        loads.update();
        refreshed_ = !refused;
        return "load table";
    }

    std::string pointEditorEvent() {
        PointEditorPresenter& points = app_.pointEditor();
        points.activate();
        const int rows = static_cast<int>(points.view().rows.size());
        const int kind = pick(4);
        if (kind == 0) {
            points.addPoint();
        } else if (kind == 1) {
            points.selectRow(pick(rows + 1));
            points.deletePoint();
        } else {
            points.editCell(pick(rows + 1), 1 + pick(2), text(-20, 20));
            points.update();
        }
        refreshed_ = kind >= 1; // Delete and Update apply and refresh; Add only reads the rows
        return "point editor " + std::to_string(kind);
    }

    std::string barEditorEvent() {
        BarEditorPresenter& bars = app_.barEditor();
        bars.activate();
        const int rows = static_cast<int>(bars.view().rows.size());
        const int kind = pick(4);
        if (kind == 0) {
            bars.addBar();
        } else if (kind == 1) {
            bars.selectRow(pick(rows + 1));
            bars.deleteBar();
        } else {
            const int column = 1 + pick(3);
            bars.editCell(pick(rows + 1), column,
                          column == kBarSizeColumn ? text(2, 19) : text(-8, 8));
            bars.update();
            refreshed_ = true;
        }
        return "bar editor " + std::to_string(kind);
    }

    std::string barSetEditorEvent() {
        BarSetEditorPresenter& sets = app_.barSetEditor();
        sets.activate();
        const int rows = static_cast<int>(sets.view().rows.size());
        const int kind = pick(6);
        if (kind == 0) {
            sets.addBarSet();
        } else if (kind == 1) {
            sets.selectRow(pick(rows + 1));
            sets.deleteBarSet();
        } else if (kind == 2) {
            sets.onParallel(pick(2) == 0);
        } else if (kind == 3) {
            sets.confirmBox(pick(2) == 0 ? BarSetBox::EffectiveWidth : BarSetBox::EffectiveDepth,
                            text(0, 40));
        } else {
            const int column = 1 + pick(2);
            sets.editCell(pick(rows + 1), column,
                          column == kBarSetSize ? text(2, 19) : text(0, 12));
            sets.update();
            refreshed_ = true;
        }
        return "bar-set editor " + std::to_string(kind);
    }

    void fail(int i, const std::string& what, const std::string& problem) {
        if (failures_ == 0 && std::getenv("PMSECT_RANDOM_DUMP")) {
            ProjectModel copy = before_;
            writeProjectFile(std::getenv("PMSECT_RANDOM_DUMP"), copy);
            std::fprintf(stderr, "units %d %d %d %d %d sectionType %d layout %d\n",
                         copy.units.lengthUnit, copy.units.forceUnit, copy.units.momentUnit,
                         copy.units.stressUnit, copy.units.unitWtUnit, copy.sectionType,
                         copy.barLayout);
        }
        ++failures_;
        ADD_FAILURE() << "event " << i << " (" << what << "): " << problem;
    }

    void check(int i, const std::string& what) {
        ProjectModel& m = app_.model();
        if (const auto bad = robust::firstCountOutOfRange(m); !bad.empty()) {
            fail(i, what, "count outside its table: " + bad);
        }
        if (const auto bad = robust::firstNonFinite(m); !bad.empty()) {
            fail(i, what, "not finite: " + bad);
        }
        // An evaluation turns the bars into its own frame and must hand them back unchanged.
        const auto barsBefore = m.bars;
        NeutralAxisState state;
        state.c = static_cast<float>(uniform(0, 30));
        EvaluationDetail detail;
        solveNeutralAxis(engineInputsOf(m), static_cast<float>(uniform(-360, 360)), state, &detail);
        if (std::memcmp(barsBefore.data(), m.bars.data(), sizeof barsBefore) != 0) {
            fail(i, what, "an evaluation changed the bars");
        }

        // The stored summary against a fresh one, after events that refresh it (every third
        // such event, to keep the run short).
        if (refreshed_ && app_.summaryEnabled() && ++refreshedSeen_ % 3 == 0) {
            compareSummary(i, what);
        }
    }

    void compareSummary(int i, const std::string& what) {
        const ProjectModel& m = app_.model();
        const SectionResults& kept = app_.data().section;
        ProjectModel fresh = m;
        const SectionResults freshSection = computeSectionSummary(fresh);
        ++comparisons_;
        const auto same = [](float a, float b) { return a == b || (a != a && b != b); };
        const AxialLimits& l = kept.limits;
        const AxialLimits& f = freshSection.limits;
        if (!same(l.Po, f.Po) || !same(l.To, f.To) || !same(l.steelArea, f.steelArea)) {
            fail(i, what, "Po, To or steelArea differ from a fresh summary");
        }
        for (int k = 1; k <= m.loads.count(); ++k) {
            const auto row = static_cast<std::size_t>(k);
            const LoadResult a = storedLoadCheck(kept, m, row).result;
            const LoadResult b = storedLoadCheck(freshSection, fresh, row).result;
            if (!same(a.eccentricity, b.eccentricity) || !same(a.angle, b.angle) ||
                !same(a.phiPn, b.phiPn) || !same(a.phiMnx, b.phiMnx) || !same(a.phiMny, b.phiMny) ||
                !same(a.ratio, b.ratio)) {
                fail(i, what, "load " + std::to_string(k) + " differs from a fresh summary");
            }
        }
        if (kept.pureBending.has_value() != freshSection.pureBending.has_value()) {
            fail(i, what, "pure bending validity differs from a fresh summary");
            return;
        }
        for (std::size_t p = 0; kept.pureBending && p < kept.pureBending->size(); ++p) {
            const PureBendingResult& k = (*kept.pureBending)[p];
            const PureBendingResult& r = (*freshSection.pureBending)[p];
            if (!same(k.Mn, r.Mn) || !same(k.phiMn, r.phiMn) ||
                !same(k.neutralAxisAngle, r.neutralAxisAngle)) {
                fail(i, what,
                     "pure bending " + std::to_string(p) + " differs from a fresh summary");
            }
        }
    }

    std::mt19937 rng_{kSeed};
    std::vector<std::string> files_;
    test::RecordingPlatform platform_;
    Application app_{platform_};
    SinglePointPresenter& singlePoint_ = app_.singlePoint();
    bool singlePointOpen_ = false;
    std::string scratch_ = [] {
        const fs::path dir =
            fs::temp_directory_path() / ("pmsect_random_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        return dir.string();
    }();
    int event_ = 0;
    ProjectModel before_;
    bool refreshed_ = false;
    int refreshedSeen_ = 0;
    int comparisons_ = 0;
    int undone_ = 0;
    int failures_ = 0;
    std::array<int, 16> counts_{};
};

TEST(RandomEvents, TenThousandEventsKeepTheModelSound) {
    const auto start = std::chrono::steady_clock::now();
    RandomEvents events;
    events.run(kEvents);
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Every kind of event happened, and the summary was compared often.
    for (std::size_t kind = 0; kind < events.counts().size(); ++kind) {
        EXPECT_GT(events.counts()[kind], 100) << "event kind " << kind;
    }
    EXPECT_GT(events.summaryComparisons(), 500);
    // Hostile numbers got as far as a change that had to be undone.
    EXPECT_GT(events.undoneAsTooLargeCount(), 10);
    RecordProperty("undone", std::to_string(events.undoneAsTooLargeCount()));
    RecordProperty("seconds", std::to_string(seconds));
    fs::remove_all(fs::temp_directory_path() / ("pmsect_random_" + std::to_string(::getpid())));
}

} // namespace
} // namespace pmsect
