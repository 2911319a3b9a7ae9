#include "site/WinInetLog.h"

namespace kujimate {
namespace {
class SilentWinInetLog : public WinInetLog {
public:
    void Show(OwnerWindow) override {}
    void AddLine(const std::string&) override {}
    void AppendToLastLine(const std::string&) override {}
    void Unload(OwnerWindow) override {}
};
SilentWinInetLog g_silent;
WinInetLog* g_log = &g_silent;
}  // namespace

WinInetLog& GetWinInetLog() { return *g_log; }
void SetWinInetLog(WinInetLog* log) { g_log = log ? log : &g_silent; }

RecordingWinInetLog::RecordingWinInetLog() { SetWinInetLog(this); }
RecordingWinInetLog::~RecordingWinInetLog() {
    if (&GetWinInetLog() == this) SetWinInetLog(nullptr);
}

void RecordingWinInetLog::Show(OwnerWindow) {
    open = true;
    ++shows;
}
void RecordingWinInetLog::AddLine(const std::string& line) { lines.push_back(line); }
void RecordingWinInetLog::AppendToLastLine(const std::string& text) {
    if (lines.empty()) lines.emplace_back();
    lines.back() += text;
}
void RecordingWinInetLog::Unload(OwnerWindow) {
    open = false;
    ++unloads;
}

}  // namespace kujimate
