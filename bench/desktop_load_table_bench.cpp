// The desktop's load table with 10,000 loads: Import of a load file through the presenter, the
// summary shown, and every load checked in the background until the table holds the last ratio,
// with the background's results collected at the desktop's own interval.
#include "ui/application.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace pmsect {
namespace {

// The desktop without its windows: the chosen file, and the event loop's ticks in a plain loop.
class BenchPlatform : public Platform {
public:
    std::string file;

    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    SaveChoice askSaveChanges(const std::string&) override { return SaveChoice::DontSave; }
    std::size_t askChoice(const std::string&, const std::vector<std::string>&) override {
        return 0; // Replace the rows in the table
    }
    std::optional<std::string> openFileDialog(const FileDialogRequest&) override { return file; }
    std::optional<std::string> saveFileDialog(const FileDialogRequest&) override { return {}; }
    std::optional<int> printDialog() override { return {}; }
    void showBusyPointer(bool) override {}
    void repeatWhile(int intervalMs, std::function<bool()> tick) override {
        interval_ = std::chrono::milliseconds(intervalMs);
        tick_ = std::move(tick);
    }
    ScreenSize screenSize() override { return {1920, 1080}; }
    std::string currentDirectory() override { return "/tmp"; }
    bool setCurrentDirectory(const std::string&) override { return true; }

    void runTicks() {
        while (tick_) {
            std::this_thread::sleep_for(interval_);
            if (!tick_()) {
                tick_ = nullptr;
            }
        }
    }
    std::vector<std::string> messages;

private:
    std::function<bool()> tick_;
    std::chrono::milliseconds interval_{0};
};

// Loads of the default 12 x 18 section, one in seven far beyond its strength.
std::string tenThousandLoads() {
    std::string text = "id,Pu,Mux,Muy\n";
    for (int k = 1; k <= 10'000; ++k) {
        text += std::to_string(k) + "," + std::to_string(-(k % 150)) + "," +
                std::to_string(k % 7 == 0 ? 400 : k % 37) + "," + std::to_string(k % 11) + "\n";
    }
    return text;
}

// state.range(0): 1 for a slender member (lu = 240 in about both axes), whose every row then shows
// its magnified moments, computed once per row as the checks come in.
void BM_DesktopImportAndCheckTenThousandLoads(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() / "pmsect_bench_10000_loads.csv";
    std::ofstream(path, std::ios::binary) << tenThousandLoads();
    BenchPlatform platform;
    platform.file = path.string();
    Application app{platform};
    app.start();
    if (state.range(0) == 1) {
        SlendernessData slender;
        slender.x.lu = 240;
        slender.y.lu = 240;
        app.model().slenderness = slender;
    }
    LoadTablePresenter& loads = app.loads();
    for (auto _ : state) {
        loads.show();
        loads.activate();
        loads.importLoads();
        platform.runTicks();
        benchmark::DoNotOptimize(loads.view().verdict);
    }
    if (!platform.messages.empty() || app.model().loads.count() != 10'000 ||
        app.loadCheckProgress().running()) {
        state.SkipWithError("the import or the checks did not finish");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_DesktopImportAndCheckTenThousandLoads)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace pmsect
