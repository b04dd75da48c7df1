// Shared by the window tests: one QApplication for the test program (offscreen unless the
// caller chose a platform), a QtPlatform whose dialogs answer from queues, a scratch folder, and
// the whole program started on them.
#pragma once

#include "io/settings_file.h"
#include "recording_platform.h"
#include "ui/application.h"
#include "ui/qt/main_window.h"
#include "ui/qt/program_windows.h"
#include "ui/qt/qt_platform.h"

#include <QApplication>
#include <QPrinter>
#include <QWidget>
#include <deque>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace pmsect::test {

inline void ensureQtApplication() {
    if (QApplication::instance() != nullptr) {
        return;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "test_qt";
    static char* argv[] = {name, nullptr};
    // Lives until the test program ends.
    new QApplication(argc, argv);
}

// The real platform with its dialogs and message boxes answered by the test.
class DialoglessPlatform : public QtPlatform {
public:
    std::vector<std::string> messages;
    std::deque<bool> answers;
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::vector<FileDialogRequest> dialogRequests;
    // The print dialog's answer: the printer writes this PDF file; empty cancels.
    std::string pdfPath;
    int copies = 1;

    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string&, const std::string&) override {
        const bool a = !answers.empty() && answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return a;
    }
    // Unsaved-work questions and their answers (Don't Save when none is left); with
    // showSaveQuestion the real message box is shown instead.
    std::vector<std::string> saveQuestions;
    std::deque<SaveChoice> saveChoices;
    bool showSaveQuestion = false;
    SaveChoice askSaveChanges(const std::string& text) override {
        saveQuestions.push_back(text);
        if (showSaveQuestion) {
            return QtPlatform::askSaveChanges(text);
        }
        if (saveChoices.empty()) {
            return SaveChoice::DontSave;
        }
        const SaveChoice c = saveChoices.front();
        saveChoices.pop_front();
        return c;
    }
    // Questions with choices, as "text|choice/...", answered from choiceAnswers or by the
    // last choice.
    std::vector<std::string> choiceQuestions;
    std::deque<std::size_t> choiceAnswers;
    std::size_t askChoice(const std::string& text,
                          const std::vector<std::string>& choices) override {
        choiceQuestions.push_back(text + "|" + joined(choices));
        const std::size_t a = choiceAnswers.empty() ? choices.size() - 1 : choiceAnswers.front();
        if (!choiceAnswers.empty()) {
            choiceAnswers.pop_front();
        }
        return a;
    }
    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override {
        return next(openAnswers, request);
    }
    std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override {
        return next(saveAnswers, request);
    }
    std::optional<int> printDialog() override {
        if (pdfPath.empty()) {
            return std::nullopt;
        }
        printer().setOutputFormat(QPrinter::PdfFormat);
        printer().setOutputFileName(QString::fromStdString(pdfPath));
        return copies;
    }

private:
    std::optional<std::string> next(std::deque<std::optional<std::string>>& queue,
                                    const FileDialogRequest& request) {
        dialogRequests.push_back(request);
        if (queue.empty()) {
            return std::nullopt;
        }
        auto a = queue.front();
        queue.pop_front();
        return a;
    }
};

// A folder of its own for each test, removed afterwards.
class ScratchDir {
public:
    ScratchDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("pmsect_qt_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

// The program as main starts it, with the settings file in a scratch folder.
class ProgramTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureQtApplication(); }

    void SetUp() override {
        app = std::make_unique<Application>(platform, dir.path());
        windows = std::make_unique<ProgramWindows>(*app, platform);
    }
    void TearDown() override {
        windows.reset();
        app.reset();
    }

    // Start-up through the opening window straight to the main window.
    void startToMainWindow() {
        saveShowInfoAtStart(dir.path(), 0);
        windows->start();
        windows->continueFromOpening();
        // Lets the main window become active, which releases the pointer Continue made busy.
        QApplication::processEvents();
    }

    template <typename T> T* child(QWidget* window, const char* name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    ScratchDir dir;
    DialoglessPlatform platform;
    std::unique_ptr<Application> app;
    std::unique_ptr<ProgramWindows> windows;
};

// The program started through to its main window, as most window tests begin.
class MainWindowProgramTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        startToMainWindow();
        main = windows->mainWindow();
        ASSERT_NE(main, nullptr);
    }

    MainWindow* main = nullptr;
};

} // namespace pmsect::test
