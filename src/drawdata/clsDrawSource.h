#pragma once
// What the schedule, vote and result sources share: the initialised check, the state
// flags, the download question and the failure message.
#include <memory>
#include <string>

#include "drawdata/PageParsers.h"

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

    // The stored file when DType allows and it reads; otherwise, when allowed, the page.
    // download(record&) fetches and returns whether a record was produced; save(record)
    // stores it. Sets the flags; afterRead sees a record read from a file.
    template <typename Xml, typename Record, typename Parser, typename Download, typename AfterRead>
    Record Obtain(int32_t No, const std::string& Kumi, long DType, bool blnDQuestion, Parser* parser,
                  Download download, AfterRead afterRead) {
        cancel_ = unpublished_ = false;
        Record r;
        if (No <= 0) return r;
        if (DType & DTypeLoadFile) {
            Xml file;
            if (file.XmlLoad(file.GetFileName(No, Kumi))) {
                r = file.GetRecord();
                afterRead(r);
                return r;
            }
        }
        if ((DType & DTypeDownload) && ConfirmDownload(blnDQuestion) && parser) {
            PrepareParser(*parser);
            download(r);
            unpublished_ = parser->Unpublished();
        }
        return r;
    }

    // Stores a complete downloaded record unless its file exists: downloads never overwrite.
    template <typename Xml, typename Record>
    static void SaveDownloaded(Xml& xml, const Record& r, bool complete) {
        if (!complete) return;
        const std::string path = xml.GetFileName(r.DrawNo, r.Group);
        if (FileExists(path)) return;
        xml.SetRecord(r);
        xml.XmlSave(path);
    }
    static bool FileExists(const std::string& path);

    std::string class_;
    std::string subject_;
    bool initialized_ = false;
    OwnerWindow owner_ = nullptr;
    bool cancel_ = false;
    bool unpublished_ = false;
    bool progressOpen_ = true;
    bool progressClose_ = true;
};

}  // namespace kujimate
