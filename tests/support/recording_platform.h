// A Platform for tests: records every message and question, and answers dialogs from queues the
// test fills beforehand.
#pragma once

#include "ui/platform.h"

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace pmsect::test {

// "A/B/C": the choices of a question as the tests record them.
inline std::string joined(const std::vector<std::string>& choices) {
    std::string all;
    for (const std::string& c : choices) {
        all += (all.empty() ? "" : "/") + c;
    }
    return all;
}

class RecordingPlatform : public Platform {
public:
    std::vector<std::string> messages;
    std::vector<std::string> questions; // "title|text"
    std::deque<bool> answers;           // Yes/No answers, in order; No when empty
    std::vector<std::string> saveQuestions;
    std::deque<SaveChoice> saveChoices;       // in order; Don't Save when empty
    std::vector<std::string> choiceQuestions; // "text|choice 1/choice 2/..."
    std::deque<std::size_t> choiceAnswers;    // in order; the last choice when empty
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::vector<FileDialogRequest> dialogRequests;
    std::optional<int> printCopies;
    bool pointerBusy = false;
    int pointerChanges = 0;
    ScreenSize screen{1920, 1080};
    std::string directory = "/tmp";

    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& title, const std::string& text) override {
        questions.push_back(title + "|" + text);
        if (answers.empty()) {
            return false;
        }
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    SaveChoice askSaveChanges(const std::string& text) override {
        saveQuestions.push_back(text);
        if (saveChoices.empty()) {
            return SaveChoice::DontSave;
        }
        const SaveChoice c = saveChoices.front();
        saveChoices.pop_front();
        return c;
    }
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
    std::optional<int> printDialog() override { return printCopies; }
    void showBusyPointer(bool busy) override {
        pointerBusy = busy;
        ++pointerChanges;
    }
    void repeatWhile(int, std::function<bool()> tick) override { ticks.push_back(std::move(tick)); }
    // Runs the repeated ticks, as the event loop would, until every one has returned false.
    void runTicks() {
        while (!ticks.empty()) {
            // A tick may ask for another: it joins the next round.
            std::vector<std::function<bool()>> round;
            round.swap(ticks);
            for (auto& tick : round) {
                if (tick()) {
                    ticks.push_back(std::move(tick));
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    std::vector<std::function<bool()>> ticks;
    ScreenSize screenSize() override { return screen; }
    std::string currentDirectory() override { return directory; }
    bool setCurrentDirectory(const std::string& path) override {
        directory = path;
        return true;
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

} // namespace pmsect::test
