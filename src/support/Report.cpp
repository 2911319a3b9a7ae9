#include "support/Report.h"

#include <cstdio>

namespace kujimate {
namespace {
StderrReporter g_stderrReporter;
Reporter* g_reporter = &g_stderrReporter;
}  // namespace

Reporter& Report() { return *g_reporter; }
void SetReporter(Reporter* r) { g_reporter = r ? r : &g_stderrReporter; }

void ClassMessage(const std::string& className, const std::string& operation, const std::string& message) {
    Report().Message(message, MsgIcon::Warning, std::string(AppTitle) + " / " + className + " / " + operation);
}

void ClassFailure(const std::string& className, const std::string& operation, const std::string& description,
                  long number) {
    Report().Message(description + " ( " + std::to_string(number) + " )", MsgIcon::Error,
                     std::string(AppTitle) + " / " + className + " / " + operation);
}

void AppMessage(const std::string& text, MsgIcon icon) { Report().Message(text, icon, AppTitle); }
bool AppQuestion(const std::string& text) { return Report().Question(text, AppTitle); }

void StderrReporter::Message(const std::string& text, MsgIcon, const std::string& caption) {
    std::string oneLine;
    for (char c : text) oneLine += (c == '\r' || c == '\n') ? ' ' : c;
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), oneLine.c_str());
}

bool StderrReporter::Question(const std::string&, const std::string&) { return false; }

RecordingReporter::RecordingReporter() { SetReporter(this); }
RecordingReporter::~RecordingReporter() {
    if (&Report() == this) SetReporter(nullptr);
}

void RecordingReporter::Message(const std::string& text, MsgIcon icon, const std::string& caption) {
    entries.push_back(Entry{Kind::Message, icon, caption, text, 0});
}
bool RecordingReporter::Question(const std::string& text, const std::string& caption) {
    entries.push_back(Entry{Kind::Question, MsgIcon::Question, caption, text, 0});
    if (answers.empty()) return defaultAnswer;
    bool a = answers.front();
    answers.pop_front();
    return a;
}
Answer RecordingReporter::QuestionCancel(const std::string& text, const std::string& caption) {
    entries.push_back(Entry{Kind::Question, MsgIcon::Question, caption, text, 0});
    if (choices.empty()) return defaultChoice;
    Answer a = choices.front();
    choices.pop_front();
    return a;
}
void RecordingReporter::BusyBegin() { entries.push_back(Entry{Kind::BusyBegin, MsgIcon::None, {}, {}, 0}); }
void RecordingReporter::BusyEnd() { entries.push_back(Entry{Kind::BusyEnd, MsgIcon::None, {}, {}, 0}); }
void RecordingReporter::ProgressOpen() { entries.push_back(Entry{Kind::ProgressOpen, MsgIcon::None, {}, {}, 0}); }
void RecordingReporter::ProgressMessage(const std::string& text) {
    entries.push_back(Entry{Kind::ProgressMessage, MsgIcon::None, {}, text, 0});
}
void RecordingReporter::ProgressMax(int64_t max) { entries.push_back({Kind::ProgressMax, MsgIcon::None, {}, {}, max}); }
void RecordingReporter::ProgressValue(int64_t value) {
    entries.push_back({Kind::ProgressValue, MsgIcon::None, {}, {}, value});
}
void RecordingReporter::ProgressClose() { entries.push_back(Entry{Kind::ProgressClose, MsgIcon::None, {}, {}, 0}); }
void RecordingReporter::DoEvents() { entries.push_back(Entry{Kind::DoEvents, MsgIcon::None, {}, {}, 0}); }

std::vector<RecordingReporter::Entry> RecordingReporter::Messages() const {
    std::vector<Entry> out;
    for (const auto& e : entries)
        if (e.kind == Kind::Message || e.kind == Kind::Question) out.push_back(e);
    return out;
}

int RecordingReporter::Count(Kind k) const {
    int n = 0;
    for (const auto& e : entries) n += e.kind == k;
    return n;
}

}  // namespace kujimate
