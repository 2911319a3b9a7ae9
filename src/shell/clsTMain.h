#pragma once
// The current draw: bound to the draw number entry and the group list; reloads the draw's
// stored records on every change and carries the three official downloads.
#include <functional>
#include <memory>
#include <string>

#include "drawdata/clsResult.h"
#include "drawdata/clsSchedule.h"
#include "drawdata/clsVote.h"

namespace kujimate {

class clsTMain {
public:
    clsTMain();
    ~clsTMain();

    // Raised after every reload, when schedule, vote, result and NoGame hold the new draw.
    std::function<void(int32_t lngKaisaikai, const std::string& strKumi)> KaisaikaiChange;
    // Puts text into the bound entry (whose change then calls EntryChanged). Without a
    // window the text goes straight to EntryChanged.
    std::function<void(const std::string& text)> WriteEntry;

    void Initialize(OwnerWindow owner);
    bool Initialized() const { return initialized_; }

    // The entry's text changed (already normalised); the group list was clicked.
    void EntryChanged(const std::string& text);
    void KumiClick();

    void GetSchedule(bool blnDQuestion);
    void GetVote(bool blnDQuestion);
    void GetResult(bool blnDQuestion);
    void SetKaisaikai(int32_t n);
    bool CheckScheduleFile() const;
    bool CheckVoteFile() const;
    bool CheckResultFile() const;
    void ScheduleInitialize();

    ScheduleRecord CurrentSchedule() const { return schedule_; }
    VoteRecord CurrentVote() const { return vote_; }
    ResultRecord CurrentResult() const { return result_; }
    int32_t Kaisaikai() const { return drawNo_; }
    const std::string& Kumi() const { return kumi_; }
    bool NoGame() const { return noGame_; }

    // The sources, for tests that put fake page parsers in.
    clsSchedule& ScheduleSource() { return *schedule_src_; }
    clsVote& VoteSource() { return vote_src_; }
    clsResult& ResultSource() { return result_src_; }

    // Normalised entry text: digits only, value limited to 0..9999, leading zeros dropped;
    // empty stays empty.
    static std::string NormalizeEntry(const std::string& text);
    static int32_t EntryValue(const std::string& text);

private:
    void LoadKaisai(bool reloadVote, bool clearVote);

    bool initialized_ = false;
    OwnerWindow owner_ = nullptr;
    std::unique_ptr<clsSchedule> schedule_src_;
    clsVote vote_src_;
    clsResult result_src_;
    std::string entryText_ = "0";
    int32_t drawNo_ = -1;
    std::string kumi_;
    ScheduleRecord schedule_;
    VoteRecord vote_;
    ResultRecord result_;
    bool noGame_ = false;
};

}  // namespace kujimate
