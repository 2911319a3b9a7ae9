#pragma once
// What the schedule, vote and result sources share: the initialised check, the state
// flags, the download question and the failure message.
#include <memory>
#include <optional>
#include <string>

#include "drawdata/PageParsers.h"
#include "support/Report.h"

namespace kujimate {

// Bits of DType.
inline constexpr long DTypeLoadFile = 1;
inline constexpr long DTypeDownload = 2;

class clsDrawSource {
public:
    void Initialize(OwnerWindow objOwnerForm) {
        owner_ = objOwnerForm;
        initialized_ = true;
    }
    bool Cancel() const { return Checked("Cancel") && cancel_; }
    bool Unpublished() const { return Checked("Unpublished") && unpublished_; }
    bool ProgressOpen() const { return progressOpen_; }
    void ProgressOpen(bool v) { progressOpen_ = v; }
    bool ProgressClose() const { return progressClose_; }
    void ProgressClose(bool v) { progressClose_ = v; }
    // The message for the last failed call; nothing when the user declined.
    void FalseDialog(int32_t No) const;
    // The last call downloaded a record to store and could not write its file (the writer
    // has reported why).
    bool StoreFailed() const { return storeFailed_; }

protected:
    clsDrawSource(const char* className, const char* subject) : class_(className), subject_(subject) {}
    ~clsDrawSource() = default;

    // Reports "Initialize Err" under op when the object was not initialised.
    bool Checked(const char* op) const;
    // Asks (when told to) before a download; false sets Cancel.
    bool ConfirmDownload(bool blnDQuestion);
    void PrepareParser(PageParserBase& p) const {
        p.ProgressOpen(progressOpen_);
        p.ProgressClose(progressClose_);
    }
    std::string Title() const { return " " + subject_; }

    // The stored file when DType allows and it is usable; otherwise, when allowed, the page.
    // download(record&) fetches and returns whether a record was produced; save(record)
    // stores it. Sets the flags. afterRead sees a record read from a file and says whether
    // it is usable: a damaged file (empty, cut off, garbage) is no file when a download is
    // allowed, so the download runs and replaces it.
    template <typename Xml, typename Record, typename Parser, typename Download, typename AfterRead>
    Record Obtain(int32_t No, const std::string& Kumi, long DType, bool blnDQuestion, Parser* parser,
                  Download download, AfterRead afterRead) {
        cancel_ = unpublished_ = storeFailed_ = false;
        Record r;
        if (No <= 0) return r;
        if (DType & DTypeLoadFile) {
            Xml file;
            // The window showed a damaged file's fault when it loaded the draw; the download
            // that replaces the file does not show it again.
            std::optional<QuietReports> quiet;
            if (DType & DTypeDownload) quiet.emplace();
            if (file.XmlLoad(file.GetFileName(No, Kumi))) {
                r = file.GetRecord();
                if (afterRead(r) || !(DType & DTypeDownload)) return r;
                r = Record{};
            }
        }
        if ((DType & DTypeDownload) && ConfirmDownload(blnDQuestion) && parser) {
            PrepareParser(*parser);
            download(r);
            unpublished_ = parser->Unpublished();
        }
        return r;
    }

    // Whether the file at path reads, silently, into a record that usable accepts.
    template <typename Xml, typename Usable>
    static bool StoredUsable(const std::string& path, Usable usable) {
        QuietReports quiet;
        Xml file;
        return file.XmlLoad(path) && usable(file.GetRecord());
    }

    // Stores a complete downloaded record unless a usable file is there: downloads never
    // overwrite a good file, and replace a damaged one (the writer swaps it in whole).
    template <typename Xml, typename Record, typename Usable>
    void SaveDownloaded(Xml& xml, const Record& r, bool complete, Usable usable) {
        if (!complete) return;
        const std::string path = xml.GetFileName(r.DrawNo, r.Group);
        if (StoredUsable<Xml>(path, usable)) return;
        xml.SetRecord(r);
        storeFailed_ = !xml.XmlSave(path);
    }

    std::string class_;
    std::string subject_;
    bool initialized_ = false;
    OwnerWindow owner_ = nullptr;
    bool cancel_ = false;
    bool unpublished_ = false;
    bool storeFailed_ = false;
    bool progressOpen_ = true;
    bool progressClose_ = true;
};

}  // namespace kujimate
