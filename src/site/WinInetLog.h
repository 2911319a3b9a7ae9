#pragma once
// The small log window that a download writes into. The program has one; the Qt window
// implements this interface, tests record it, the command-line companion has none.
#include <string>
#include <vector>

#include "drawdata/PageParsers.h"

namespace kujimate {

class WinInetLog {
public:
    virtual ~WinInetLog() = default;
    // Shows the window without blocking, owned by owner (topmost when owner is).
    virtual void Show(OwnerWindow owner) = 0;
    // A new last line, kept in view.
    virtual void AddLine(const std::string& line) = 0;
    // Text added to the end of the last line.
    virtual void AppendToLastLine(const std::string& text) = 0;
    // Closes the window and redraws its owner.
    virtual void Unload(OwnerWindow owner) = 0;
};

// The shared window; a silent one until the program installs its own.
WinInetLog& GetWinInetLog();
// Installs log (not owned); nullptr restores the silent one.
void SetWinInetLog(WinInetLog* log);

// Keeps the lines and whether the window is open, for tests; installs itself.
class RecordingWinInetLog : public WinInetLog {
public:
    RecordingWinInetLog();
    ~RecordingWinInetLog() override;
    RecordingWinInetLog(const RecordingWinInetLog&) = delete;
    RecordingWinInetLog& operator=(const RecordingWinInetLog&) = delete;

    void Show(OwnerWindow owner) override;
    void AddLine(const std::string& line) override;
    void AppendToLastLine(const std::string& text) override;
    void Unload(OwnerWindow owner) override;

    std::vector<std::string> lines;
    bool open = false;
    int shows = 0;
    int unloads = 0;
};

}  // namespace kujimate
