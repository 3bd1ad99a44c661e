// The main window over a generated 200,000-line database: the time from a search for a term
// that hits every line to a filled hit grid, the memory the window then holds beside the
// database file's size, and one repaint of the grid with every hit selected.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "GeneratedDatabase.h"
#include "app/SearchMain.h"
#include "app/Startup.h"
#include "controls/Edit.h"
#include "controls/Ezhitstg_Ext.h"
#include "db/DatabaseKey.h"
#include "qtplatform/MessageBoxes.h"

namespace {

constexpr std::size_t kLines = 200'000;

// A message box in the benchmark would wait for a click that never comes.
class PrintedMessageBoxes : public TMessageBoxes {
public:
    void ShowMessage(const std::string& text) override { Print(text); }
    void MessageDlg(const std::string& text, TMsgDlgType) override { Print(text); }
    void ErrorBox(const std::string& text) override { Print(text); }

private:
    static void Print(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }
};

// A status line of /proc/self/status in bytes, such as "VmRSS:" or "VmHWM:".
double StatusBytes(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == key) {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes * 1024;
        }
    }
    return 0;
}

// The generated database as the program's own file, in a folder that goes with this object.
class DatabaseFolder {
public:
    DatabaseFolder()
        : folder_(std::filesystem::temp_directory_path() /
                  ("lumbrafix-grid-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder_);
        TMemoryStream image = GenerateEncipheredDatabase(kLines, BuildDatabaseKey());
        std::ofstream(folder_ / "marbelin_ext.txt", std::ios::binary)
            .write(reinterpret_cast<const char*>(image.Memory()), image.Size());
        fileBytes_ = static_cast<double>(image.Size());
    }
    ~DatabaseFolder() { std::filesystem::remove_all(folder_); }

    std::string Path() const { return folder_.string() + "/"; }
    double FileBytes() const { return fileBytes_; }

private:
    std::filesystem::path folder_;
    double fileBytes_ = 0;
};

// Every generated line has an extension that starts with ".".
void SearchEverything(TLumbrafixForm& form) {
    form.edExtension->setText(QStringLiteral("."));
    form.butSearchClick();
}

bool GridShowsEveryHit(const TLumbrafixForm& form) {
    const TEzHitGrid& grid = *form.StringGridInfo;
    return form.HitList.size() == kLines && grid.RowCount() == static_cast<int>(kLines) + 1 &&
           grid.Cells(0, static_cast<int>(kLines)).startsWith(QLatin1Char('.'));
}

void BM_SearchToFilledGrid(benchmark::State& state) {
    PrintedMessageBoxes boxes;
    ScopedMessageBoxes answerer(boxes);
    const DatabaseFolder database;
    const double before = StatusBytes("VmRSS:");
    const std::unique_ptr<TLumbrafixForm> started = StartLumbrafix(database.Path());
    TLumbrafixForm& form = *started;
    for (auto _ : state) {
        SearchEverything(form);
    }
    if (!GridShowsEveryHit(form)) {
        state.SkipWithError("the grid does not show every line");
    }
    const double extra = StatusBytes("VmRSS:") - before;
    state.counters["file_MB"] = database.FileBytes() / 1e6;
    state.counters["extra_MB"] = extra / 1e6;
    state.counters["extra_per_file"] = extra / database.FileBytes();
    state.counters["peak_MB"] = StatusBytes("VmHWM:") / 1e6;
}
BENCHMARK(BM_SearchToFilledGrid)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_PaintGridWithEveryHitSelected(benchmark::State& state) {
    PrintedMessageBoxes boxes;
    ScopedMessageBoxes answerer(boxes);
    const DatabaseFolder database;
    const std::unique_ptr<TLumbrafixForm> started = StartLumbrafix(database.Path());
    TLumbrafixForm& form = *started;
    form.show();
    SearchEverything(form);
    TEzHitGrid& grid = *form.StringGridInfo;
    grid.setFocus();
    grid.SetSelection({0, 1, 3, static_cast<int>(kLines)});
    for (auto _ : state) {
        benchmark::DoNotOptimize(grid.viewport()->grab());
    }
}
BENCHMARK(BM_PaintGridWithEveryHitSelected)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
