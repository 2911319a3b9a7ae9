#pragma once
// The one way the core talks to the user: message boxes, questions, the busy pointer,
// the progress dialog and "let pending events run". The window installs a Qt
// implementation, tests a recorder, the command-line companion a stderr printer.
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace kujimate {

inline constexpr const char* AppTitle = "KUJIMATE";

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class Answer { Yes, No, Cancel };

class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void Message(const std::string& text, MsgIcon icon, const std::string& caption) = 0;
    // Yes/No box with the question icon, No as the default; true for Yes.
    virtual bool Question(const std::string& text, const std::string& caption) = 0;
    // Yes/No/Cancel box with the question icon, Yes as the default and Escape for Cancel.
    // Whoever cannot ask cancels, so nothing is given up unasked.
    virtual Answer QuestionCancel(const std::string& text, const std::string& caption) { return Answer::Cancel; }
    virtual void BusyBegin() {}
    virtual void BusyEnd() {}
    virtual void ProgressOpen() {}
    virtual void ProgressMessage(const std::string& text) {}
    virtual void ProgressMax(int64_t max) {}
    virtual void ProgressValue(int64_t value) {}
    virtual void ProgressClose() {}
    virtual void DoEvents() {}
};

Reporter& Report();
// Installs r (not owned) as the reporter; nullptr restores the stderr reporter.
void SetReporter(Reporter* r);

// The class error report: a message of the class's own, warning icon,
// caption "KUJIMATE / class / operation".
void ClassMessage(const std::string& className, const std::string& operation, const std::string& message);
// An unexpected failure: error icon, text "description ( number )".
void ClassFailure(const std::string& className, const std::string& operation, const std::string& description,
                  long number);
// A box with the application title as its caption.
void AppMessage(const std::string& text, MsgIcon icon);
bool AppQuestion(const std::string& text);

// Busy pointer for the lifetime of the object.
class BusyPointer {
public:
    BusyPointer() { Report().BusyBegin(); }
    ~BusyPointer() { Report().BusyEnd(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// Progress dialog, open for the lifetime of the object.
class ProgressScope {
public:
    ProgressScope() { Report().ProgressOpen(); }
    ~ProgressScope() { Report().ProgressClose(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    void Message(const std::string& t) { Report().ProgressMessage(t); }
    void Max(int64_t m) { Report().ProgressMax(m); }
    void Value(int64_t v) { Report().ProgressValue(v); }
};

// Prints every message to stderr and answers every question No; never blocks.
class StderrReporter : public Reporter {
public:
    void Message(const std::string& text, MsgIcon icon, const std::string& caption) override;
    bool Question(const std::string& text, const std::string& caption) override;
};

// Holds back every message while it lives and answers No: for a look at a file whose
// faults are reported when it is really read.
class QuietReports : public Reporter {
public:
    QuietReports() : previous_(&Report()) { SetReporter(this); }
    ~QuietReports() override { SetReporter(previous_); }
    QuietReports(const QuietReports&) = delete;
    QuietReports& operator=(const QuietReports&) = delete;
    void Message(const std::string&, MsgIcon, const std::string&) override {}
    bool Question(const std::string&, const std::string&) override { return false; }

private:
    Reporter* previous_;
};

// Records everything for tests and answers questions from a script.
class RecordingReporter : public Reporter {
public:
    enum class Kind { Message, Question, BusyBegin, BusyEnd, ProgressOpen, ProgressMessage, ProgressMax,
                      ProgressValue, ProgressClose, DoEvents };
    struct Entry {
        Kind kind;
        MsgIcon icon = MsgIcon::None;
        std::string caption;
        std::string text;
        int64_t number = 0;
    };

    RecordingReporter();   // installs itself
    ~RecordingReporter() override;  // restores the default

    void Message(const std::string& text, MsgIcon icon, const std::string& caption) override;
    bool Question(const std::string& text, const std::string& caption) override;
    Answer QuestionCancel(const std::string& text, const std::string& caption) override;
    void BusyBegin() override;
    void BusyEnd() override;
    void ProgressOpen() override;
    void ProgressMessage(const std::string& text) override;
    void ProgressMax(int64_t max) override;
    void ProgressValue(int64_t value) override;
    void ProgressClose() override;
    void DoEvents() override;

    std::vector<Entry> entries;
    std::deque<bool> answers;     // answers for the next questions, in order
    bool defaultAnswer = false;   // when the script has run out
    std::deque<Answer> choices;   // answers for the next Yes/No/Cancel questions
    Answer defaultChoice = Answer::Cancel;

    // Message boxes and questions only, in order.
    std::vector<Entry> Messages() const;
    int Count(Kind k) const;
    void Clear() { entries.clear(); }
};

}  // namespace kujimate
