// Unsaved work: New, Open and Exit ask "Save changes to NAME?" once the project differs from what
// was last started, opened or saved, and do what the answer says.
#include "main_window_fixture.h"

#include <filesystem>

namespace pmsect::test {
namespace {

namespace fs = std::filesystem;

class UnsavedWork : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        dir = fs::temp_directory_path() /
              ("pmsect_unsaved_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Save As under dir/name.rcs; the path saved.
    std::string saveAs(const std::string& name) {
        const std::string file = (dir / (name + ".rcs")).string();
        platform.saveAnswers.push_back(file);
        main.saveProjectAs();
        return file;
    }

    fs::path dir;
};

TEST_F(UnsavedWork, AStartedOrSavedProjectIsNotAsked) {
    EXPECT_FALSE(main.hasUnsavedChanges());
    EXPECT_TRUE(main.confirmExit());
    main.newProject();
    EXPECT_TRUE(platform.saveQuestions.empty());

    // Looking at other units or recomputing changes nothing that a file holds.
    main.rebuildFromInputs();
    EXPECT_FALSE(main.hasUnsavedChanges());

    type(MainInput::Fpc, "4000");
    EXPECT_TRUE(main.hasUnsavedChanges());
    saveAs("pier");
    EXPECT_FALSE(main.hasUnsavedChanges());
    EXPECT_TRUE(main.confirmExit());
    EXPECT_TRUE(platform.saveQuestions.empty());

    // Typing the value back is no change either.
    type(MainInput::Fpc, "5000");
    type(MainInput::Fpc, "4000");
    EXPECT_FALSE(main.hasUnsavedChanges());
}

TEST_F(UnsavedWork, CancelKeepsTheEditedProject) {
    type(MainInput::Width, "16");
    platform.saveChoices.push_back(SaveChoice::Cancel);
    main.newProject();
    EXPECT_EQ(platform.saveQuestions, std::vector<std::string>{"Save changes to Untitled?"});
    EXPECT_EQ(model.rectB, 16.0f);
    EXPECT_EQ(box(MainInput::Width).text, "16");

    platform.saveChoices.push_back(SaveChoice::Cancel);
    main.openProject();
    EXPECT_TRUE(platform.dialogRequests.empty()); // no file dialog after Cancel
    EXPECT_EQ(model.rectB, 16.0f);

    platform.saveChoices.push_back(SaveChoice::Cancel);
    EXPECT_FALSE(main.confirmExit());
    EXPECT_EQ(platform.saveQuestions.size(), 3u);
}

TEST_F(UnsavedWork, DontSaveThrowsTheChangesAway) {
    const std::string file = saveAs("beam");
    type(MainInput::Width, "16");
    platform.saveChoices.push_back(SaveChoice::DontSave);
    main.newProject();
    EXPECT_EQ(platform.saveQuestions, std::vector<std::string>{"Save changes to beam.rcs?"});
    EXPECT_EQ(model.rectB, 12.0f);
    EXPECT_EQ(view().title, "PMSECT: R.C. Section Axial & Flexural Strength Analysis - Untitled");
    EXPECT_FALSE(main.hasUnsavedChanges());
    // The file still holds the 12 in width it was saved with.
    platform.openAnswers.push_back(file);
    main.openProject();
    EXPECT_EQ(model.rectB, 12.0f);
    EXPECT_EQ(platform.saveQuestions.size(), 1u);
}

TEST_F(UnsavedWork, SaveWritesTheFileFirst) {
    const std::string file = saveAs("column");
    type(MainInput::Depth, "24");
    const std::string other = (dir / "other.rcs").string();
    {
        // A second project to open.
        test::RecordingPlatform p2;
        Application a2{p2};
        a2.start();
        p2.saveAnswers.push_back(other);
        a2.mainWindow().saveProjectAs();
        ASSERT_TRUE(fs::exists(other));
    }
    platform.saveChoices.push_back(SaveChoice::Save);
    platform.openAnswers.push_back(other);
    main.openProject();
    EXPECT_EQ(platform.saveQuestions, std::vector<std::string>{"Save changes to column.rcs?"});
    EXPECT_EQ(model.projectFileName, other);
    EXPECT_EQ(model.rectH, 18.0f);
    // The edit reached its own file before the other one was opened.
    platform.openAnswers.push_back(file);
    main.openProject();
    EXPECT_EQ(model.rectH, 24.0f);
    EXPECT_EQ(platform.saveQuestions.size(), 1u);
}

TEST_F(UnsavedWork, ASaveThatDoesNotHappenKeepsTheProject) {
    // Never saved: Save asks for a name, and cancelling that dialog cancels the New too.
    type(MainInput::Width, "20");
    platform.saveChoices.push_back(SaveChoice::Save);
    main.newProject();
    EXPECT_EQ(platform.messages, std::vector<std::string>{"No file saved"});
    EXPECT_EQ(model.rectB, 20.0f);
    EXPECT_TRUE(main.hasUnsavedChanges());

    platform.saveChoices.push_back(SaveChoice::Save);
    EXPECT_FALSE(main.confirmExit());
}

TEST_F(UnsavedWork, LoadsAndBarsChangedElsewhereCountAsChanges) {
    model.loads.resize(1);
    model.loads[1][kPu] = -100;
    EXPECT_TRUE(main.hasUnsavedChanges());
    model.loads.resize(0);
    EXPECT_FALSE(main.hasUnsavedChanges());
    main.onLongBarSelected(4);
    EXPECT_TRUE(main.hasUnsavedChanges());
}

} // namespace
} // namespace pmsect::test
