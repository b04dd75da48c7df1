// Hostile typing into the main window, the Units window, the single-point window and the
// directory window: every text is either refused with the box's own message or accepted, and
// the model never holds a count outside its table nor a real that is not finite.
#include "format/number_format.h"
#include "hostile_texts.h"
#include "model/model_fields.h"
#include "recording_platform.h"
#include "ui/application.h"
#include "ui/directory_presenter.h"
#include "ui/single_point_presenter.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pmsect {
namespace {

using robust::hostileTexts;
using robust::shownForMessage;

// Texts a box shows must never spell out a non-finite value ("NaN", "Inf", "-Inf" as words).
bool showsNonFinite(const std::string& text) {
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (const std::string word : {"NaN", "nan", "Inf", "inf"}) {
        for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
            const bool startsWord = at == 0 || !isLetter(text[at - 1]);
            const bool endsWord =
                at + word.size() == text.size() || !isLetter(text[at + word.size()]);
            if (startsWord && endsWord) {
                return true;
            }
        }
    }
    return false;
}

void expectSound(const ProjectModel& m, const std::string& context) {
    EXPECT_EQ(robust::firstCountOutOfRange(m), "") << context;
    EXPECT_EQ(robust::firstNonFinite(m), "") << context;
}

void expectViewFinite(const MainWindowView& v, const std::string& context) {
    for (const InputView& in : v.inputs) {
        EXPECT_FALSE(showsNonFinite(in.text)) << context << ": box shows " << in.text;
    }
    const SummaryLabels& s = v.summary;
    for (const LabelText* label :
         {&s.As, &s.percentRein, &s.grossArea, &s.Po, &s.phiPnMax, &s.To, &s.phiTnMax, &s.posMnx,
          &s.posPhiMnx, &s.posStrainX, &s.negMnx, &s.negPhiMnx, &s.negStrainX, &s.posMny,
          &s.posPhiMny, &s.posStrainY, &s.negMny, &s.negPhiMny, &s.negStrainY}) {
        EXPECT_FALSE(showsNonFinite(label->text)) << context << ": label " << label->text;
    }
    EXPECT_FALSE(showsNonFinite(v.lblEc)) << context << ": " << v.lblEc;
    EXPECT_FALSE(showsNonFinite(v.lblBeta1)) << context << ": " << v.lblBeta1;
}

struct BoxCase {
    MainInput input;
    const char* name;
    const char* message;
};

constexpr BoxCase kBoxes[] = {
    {MainInput::Width, "txtRectb", "Width must be numeric"},
    {MainInput::Depth, "txtRecth", "Depth must be numeric"},
    {MainInput::Diameter, "txtCdiam", "Diameter must be numeric"},
    {MainInput::Cover, "txtClrCov", "Clear Cover must be numeric"},
    {MainInput::Spacing, "TxtClrSpace", "Clear spacing must be numeric"},
    {MainInput::BarCount, "txtTotBars", "Total Bars in Circle must be numeric"},
    {MainInput::FirstBarAngle, "txtFAngle", "Angle to first bar must be numeric"},
    {MainInput::Fpc, "txtfpc", "28 day strength must be numeric"},
    {MainInput::UnitWeight, "txtUnitWt", "Concrete Unit Weight must be numeric"},
    {MainInput::Fy, "txtStlStren", "Steel Strength must be numeric"},
};

// Section and bar-layout options under which every box is tried.
struct Context {
    const char* name;
    MainOption section;
    MainOption layout;
};
constexpr Context kContexts[] = {
    {"rectangle, bar sets", MainOption::Rectangular, MainOption::BarSets},
    {"round, circular bars", MainOption::Round, MainOption::Circle},
    {"arbitrary, placed bars", MainOption::Arbitrary, MainOption::PlacedBars},
};

bool boxIsLive(MainInput input, int16_t sectionType) {
    if (input == MainInput::Width || input == MainInput::Depth) {
        return sectionType == kRectangular;
    }
    if (input == MainInput::Diameter) {
        return sectionType == kRound;
    }
    return true;
}

TEST(HostileTyping, MainWindowBoxesRefuseWithTheirMessageOrAccept) {
    int refused = 0;
    int accepted = 0;
    for (const Context& ctx : kContexts) {
        for (const BoxCase& box : kBoxes) {
            for (const std::string& text : hostileTexts()) {
                test::RecordingPlatform platform;
                Application app(platform);
                app.start();
                MainWindowPresenter& main = app.mainWindow();
                main.onOption(ctx.section);
                main.onOption(ctx.layout);
                platform.messages.clear();

                const std::string context =
                    std::string(ctx.name) + ", " + box.name + " <- " + shownForMessage(text);
                main.onTextConfirmed(box.input, text);

                const bool live = boxIsLive(box.input, app.model().sectionType);
                const bool numeric = parseNumber(text).has_value();
                if (live && !numeric) {
                    ++refused;
                    ASSERT_FALSE(platform.messages.empty()) << context;
                    EXPECT_EQ(platform.messages.front(), box.message) << context;
                    EXPECT_TRUE(parseNumber(main.view().input(box.input).text).has_value())
                        << context << ": box restored to " << main.view().input(box.input).text;
                } else {
                    accepted += live ? 1 : 0;
                    for (const std::string& m : platform.messages) {
                        EXPECT_EQ(m.find("must be numeric"), std::string::npos) << context;
                    }
                }
                expectSound(app.model(), context);
                if (live) {
                    expectViewFinite(main.view(), context);
                }
            }
        }
    }
    // Both branches were exercised, many times over.
    EXPECT_GT(refused, 300);
    EXPECT_GT(accepted, 100);
}

// Texts typed into boxes that ignore them (the width of a round section) lie in wait: a change of
// units, or choosing the section that reads them, must still refuse or contain them.
TEST(HostileTyping, IgnoredBoxesReadLaterByUnitsAndOptions) {
    for (const std::string& text : hostileTexts()) {
        test::RecordingPlatform platform;
        Application app(platform);
        app.start();
        MainWindowPresenter& main = app.mainWindow();
        const std::string context = "waiting text " + shownForMessage(text);

        main.onOption(MainOption::Round);
        main.onTextConfirmed(MainInput::Width, text);
        main.onTextConfirmed(MainInput::Depth, text);
        main.onOption(MainOption::Arbitrary);
        main.onTextConfirmed(MainInput::Diameter, text);
        // The Units window rebuilds the model from every box as it reads now.
        app.units().select(UnitGroup::Length, 3);
        app.units().onDone();
        expectSound(app.model(), context + ", after a change of units");
        main.onOption(MainOption::Rectangular);
        expectSound(app.model(), context + ", rectangle chosen");
        main.onOption(MainOption::Round);
        expectSound(app.model(), context + ", round chosen");
        main.onOption(MainOption::Circle);
        expectSound(app.model(), context + ", circular bars chosen");
        expectViewFinite(main.view(), context);
    }
}

TEST(HostileTyping, UnitPositionsOutsideTheirGroupsKeepAChoice) {
    test::RecordingPlatform platform;
    Application app(platform);
    app.start();
    const int16_t positions[] = {-32768, -1, 0, 1, 2, 3, 4, 5, 6, 7, 100, 32767};
    for (const UnitGroup g : {UnitGroup::Length, UnitGroup::Force, UnitGroup::Moment,
                              UnitGroup::Stress, UnitGroup::UnitWeight}) {
        for (const int16_t p : positions) {
            app.units().select(g, p);
            app.units().onDone();
            const UnitPositions now = app.units().positions();
            for (const int16_t chosen :
                 {now.length, now.force, now.moment, now.stress, now.unitWeight}) {
                EXPECT_GE(chosen, 1);
                EXPECT_LE(chosen, 6);
            }
            expectSound(app.model(), "unit position " + std::to_string(p));
        }
    }
    // Startup positions read from a damaged settings file take the same route.
    app.units().setPositions({-5, 0, 99, 32767, -32768});
    app.units().applyUnits();
    expectSound(app.model(), "damaged start-up positions");
}

struct SinglePointCase {
    SinglePointInput input;
    const char* name;
    const char* message;
    SinglePointMode mode;
};

constexpr SinglePointCase kSinglePointBoxes[] = {
    {SinglePointInput::C, "c", "c must be numeric", SinglePointMode::GivenC},
    {SinglePointInput::NeutralAxisAngle, "N.A. angle", "Rotation Angle must be numeric",
     SinglePointMode::GivenC},
    {SinglePointInput::E, "e", "The eccentricity needs to be numeric", SinglePointMode::GivenE},
    {SinglePointInput::LoadAngle, "load angle", "The Load Angle needs to be numeric",
     SinglePointMode::GivenE},
};

TEST(HostileTyping, SinglePointInputsRefuseWithTheirMessageOrCompute) {
    for (const bool sectionIsRound : {false, true}) {
        for (const SinglePointCase& box : kSinglePointBoxes) {
            for (const std::string& text : hostileTexts()) {
                for (const bool byEnter : {true, false}) {
                    test::RecordingPlatform platform;
                    Application app(platform);
                    app.start();
                    if (sectionIsRound) {
                        app.mainWindow().onOption(MainOption::Round);
                    }
                    SinglePointPresenter sp(app.model(), platform, [](bool) {});
                    app.mainWindow().onButton(MainButton::SinglePoint);
                    sp.open();
                    sp.chooseMode(box.mode);
                    platform.messages.clear();

                    const std::string context = std::string(box.name) + " <- " +
                                                shownForMessage(text) +
                                                (byEnter ? " (Enter)" : " (leave)");
                    sp.setText(box.input, text);
                    if (byEnter) {
                        sp.enter(box.input);
                    } else {
                        sp.leave(box.input);
                    }
                    if (!parseNumber(text)) {
                        ASSERT_FALSE(platform.messages.empty()) << context;
                        EXPECT_EQ(platform.messages.front(), box.message) << context;
                    } else {
                        for (const std::string& m : platform.messages) {
                            EXPECT_EQ(m.find("numeric"), std::string::npos) << context;
                        }
                    }
                    expectSound(app.model(), context);
                    const SinglePointView& v = sp.view();
                    for (const std::string* shown :
                         {&v.c.text, &v.neutralAxisAngle.text, &v.e.text, &v.loadAngle.text, &v.pn,
                          &v.tensionForce, &v.compressionForce, &v.ac, &v.grossCompArea, &v.mnx,
                          &v.mny}) {
                        EXPECT_FALSE(showsNonFinite(*shown)) << context << ": shows " << *shown;
                    }
                    // The main window's summary afterwards still works from the same inputs.
                    sp.refreshFromSummary();
                    expectSound(app.model(), context + ", then the summary's refresh");
                }
            }
        }
    }
}

class HostileDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        root = std::filesystem::temp_directory_path() /
               ("pmsect_hostile_dir_" + std::to_string(::getpid()));
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "install");
        std::filesystem::create_directories(root / "work");
        platform.directory = (root / "work").string();
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    std::filesystem::path root;
    test::RecordingPlatform platform;
    std::string defaultDir = "/start";
};

TEST_F(HostileDirectory, HostilePathsAndNamesChangeNothingOrApplyAWholeChoice) {
    DirectoryPresenter dir(
        platform, (root / "install").string(), defaultDir, [](bool) {},
        [this] {
            return std::vector<std::string>{"/", root.string()};
        });
    dir.open();
    std::vector<std::string> paths = hostileTexts();
    paths.push_back(std::string(5000, '/'));
    paths.push_back("/" + std::string(300, 'a')); // a name longer than the system allows
    paths.push_back((root / "work" / ".." / "work").string());
    paths.push_back("/proc/self/fd/0");
    paths.push_back("..");
    for (const std::string& p : paths) {
        const std::string before = dir.view().listPath;
        const bool moved = dir.chooseDirectory(p) || dir.openSubdirectory(p) || dir.chooseDrive(p);
        if (!moved) {
            EXPECT_EQ(dir.view().listPath, before) << shownForMessage(p);
        }
        dir.openParent();
        EXPECT_FALSE(dir.view().listPath.empty()) << shownForMessage(p);
    }
    dir.done();
    EXPECT_EQ(defaultDir, dir.view().listPath);
    EXPECT_TRUE(dir.lastSave().ok) << dir.lastSave().error;
}

} // namespace
} // namespace pmsect
