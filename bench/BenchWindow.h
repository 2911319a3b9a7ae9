#pragma once
// The main window as the GUI benchmarks use it: a program folder of its own with the
// dictionaries and draw 812's schedule, final vote and result, and a million singles opened
// from a file, on the offscreen platform.
#include <memory>
#include <string>

#include "shell/gui/frmMain.h"
#include "support/Report.h"

namespace kujimate::bench {

class BenchWindow {
public:
    BenchWindow();
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;
    // The file's list again, in its own order.
    void Reload();
    // A path in the user's data folder.
    std::string UserFile(const std::string& name) const;

    RecordingReporter quiet;
    std::unique_ptr<frmMain> w;

private:
    struct Folder;
    std::unique_ptr<Folder> folder_;
};

// One window for every benchmark of a program.
BenchWindow& SharedWindow();

// main() of a GUI benchmark program: the offscreen platform, the program's set-up, the runs.
int RunGuiBenchmarks(int argc, char** argv);

}  // namespace kujimate::bench
