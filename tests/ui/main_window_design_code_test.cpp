// The design code edition in the main window: cmbCode, the title, the summary it recomputes, the
// edition a new project takes, and the information pages that name it.
#include "io/project_file.h"
#include "main_window_fixture.h"
#include "project/design_code_choice.h"

#include <filesystem>
#include <unistd.h>

namespace pmsect::test {
namespace {

namespace fs = std::filesystem;

constexpr int k318_05 = 0;
constexpr int k318_14 = 1;
constexpr int k318_19 = 2;

class MainWindowDesignCode : public MainWindowTest {};

TEST_F(MainWindowDesignCode, FirstStartIs318_05AsBefore) {
    EXPECT_EQ(model.designCode, DesignCode::Aci318_05);
    EXPECT_EQ(view().designCodeIndex, k318_05);
    EXPECT_EQ(view().title,
              "PMSECT:  R.C. Section Axial & Flexural Strength Analysis (ACI 318-05)");
    EXPECT_EQ(kDesignCodeItems[k318_19], "ACI 318-19");
}

TEST_F(MainWindowDesignCode, ChoosingAnEditionRecomputesMarksStaleAndRetitles) {
    std::vector<DesignCode> saved;
    main.setSaveDesignCode([&](DesignCode code) { saved.push_back(code); });
    main.onOption(MainOption::Circle);
    main.onOption(MainOption::Spiral);
    ASSERT_TRUE(isSpiral(model));
    const float phiPnMax05 = app.data().section.limits.phiPnMax;
    const std::string label05 = view().summary.phiPnMax.text;
    clearStale();

    main.onDesignCodeSelected(k318_19);
    EXPECT_EQ(model.designCode, DesignCode::Aci318_19);
    EXPECT_EQ(view().designCodeIndex, k318_19);
    EXPECT_EQ(view().title,
              "PMSECT:  R.C. Section Axial & Flexural Strength Analysis (ACI 318-19)");
    EXPECT_TRUE(app.data().curvesStale);
    EXPECT_TRUE(app.data().surfaceStale);
    // The spiral's phi is 0.75 now, and the summary's cap follows: 0.85 * 0.75 / (0.85 * 0.70).
    EXPECT_FLOAT_EQ(model.phiCompression, 0.75f);
    EXPECT_NEAR(app.data().section.limits.phiPnMax / phiPnMax05, 0.75 / 0.70, 1e-6);
    EXPECT_NE(view().summary.phiPnMax.text, label05);
    EXPECT_EQ(saved, std::vector<DesignCode>{DesignCode::Aci318_19});
    EXPECT_TRUE(platform.messages.empty());

    // An index outside the list changes nothing.
    main.onDesignCodeSelected(3);
    main.onDesignCodeSelected(-1);
    EXPECT_EQ(model.designCode, DesignCode::Aci318_19);
}

TEST_F(MainWindowDesignCode, TheRedStrainFollowsTheEditionsTensionControlledLimit) {
    // A strain just short of 0.005 + 0.0000690 is red only under 318-19.
    SectionResults section = app.data().section;
    ASSERT_TRUE(section.pureBending);
    (*section.pureBending)[0].maxSteelStrain = 0.00503f;
    const float strain = (*section.pureBending)[0].maxSteelStrain;
    EXPECT_NE(summaryLabels(model, section).posStrainX.colour, kColourBrightRed) << strain;
    applyDesignCode(model, DesignCode::Aci318_19);
    EXPECT_EQ(summaryLabels(model, section).posStrainX.colour, kColourBrightRed);
}

TEST_F(MainWindowDesignCode, NewProjectsTakeTheLastChosenEdition) {
    main.onDesignCodeSelected(k318_14);
    main.newProject();
    EXPECT_EQ(model.designCode, DesignCode::Aci318_14);
    EXPECT_EQ(view().designCodeIndex, k318_14);
    EXPECT_EQ(view().title,
              "PMSECT: R.C. Section Axial & Flexural Strength Analysis (ACI 318-14) - Untitled");

    // The settings' edition reaches a freshly started program.
    RecordingPlatform otherPlatform;
    Application other(otherPlatform);
    other.loadOpening([] {
        StartupSettings s;
        s.designCode = DesignCode::Aci318_19;
        return s;
    });
    other.start();
    EXPECT_EQ(other.model().designCode, DesignCode::Aci318_19);
    EXPECT_EQ(other.mainWindow().view().designCodeIndex, k318_19);
}

TEST_F(MainWindowDesignCode, OpeningAFileShowsItsEditionWithoutChangingTheRemembered) {
    const fs::path dir =
        fs::temp_directory_path() / ("pmsect_design_code_open_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ProjectModel project = model;
    applyDesignCode(project, DesignCode::Aci318_19);
    const std::string path = (dir / "col.rcs").string();
    ASSERT_TRUE(writeProjectFile(path, project));

    platform.openAnswers.push_back(path);
    main.openProject();
    EXPECT_EQ(model.designCode, DesignCode::Aci318_19);
    EXPECT_EQ(view().designCodeIndex, k318_19);
    EXPECT_EQ(view().title,
              "PMSECT: R.C. Section Axial & Flexural Strength Analysis (ACI 318-19) - " + path);

    // Saving keeps the edition's line; New goes back to the edition last chosen (318-05).
    platform.saveAnswers.push_back((dir / "copy.rcs").string());
    main.saveProjectAs();
    ProjectModel reread;
    ASSERT_TRUE(loadProjectFile((dir / "copy.rcs").string(), reread));
    EXPECT_EQ(reread.designCode, DesignCode::Aci318_19);
    main.newProject();
    EXPECT_EQ(model.designCode, DesignCode::Aci318_05);
    EXPECT_EQ(view().title, "PMSECT: R.C. Section Axial & Flexural Strength Analysis - Untitled");
    fs::remove_all(dir);
}

TEST_F(MainWindowDesignCode, InformationPagesNameTheEditionInForce) {
    InformationPresenter& info = app.information();
    info.show(true);
    info.selectPage(0);
    EXPECT_NE(info.view().pageText.find("ACI 318-05"), std::string::npos);
    main.onDesignCodeSelected(k318_19);
    info.show(true);
    EXPECT_NE(info.view().pageText.find("strength method of ACI 318-19"), std::string::npos);
    info.selectPage(1);
    EXPECT_NE(info.view().pageText.find("Table 21.2.2"), std::string::npos);
    EXPECT_NE(info.view().pageText.find("0.75 for spiral"), std::string::npos);
    EXPECT_NE(info.view().pageText.find("a spiral section a larger one"), std::string::npos);
}

} // namespace
} // namespace pmsect::test
