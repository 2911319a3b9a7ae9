#include "shell/clsTMain.h"

#include "support/NumberText.h"
#include "support/Report.h"

namespace kujimate {

clsTMain::clsTMain() : schedule_src_(std::make_unique<clsSchedule>()) {}
clsTMain::~clsTMain() = default;

std::string clsTMain::NormalizeEntry(const std::string& text) { return NormalizeDigitEntry(text, 0, 9999); }

int32_t clsTMain::EntryValue(const std::string& text) {
    return text.empty() ? -1 : std::stoi(NormalizeEntry(text));
}

void clsTMain::Initialize(OwnerWindow owner) {
    owner_ = owner;
    entryText_ = "0";
    schedule_src_->Initialize(owner);
    vote_src_.Initialize(owner);
    result_src_.Initialize(owner);
    initialized_ = true;
}

void clsTMain::EntryChanged(const std::string& text) {
    if (!initialized_) return;
    entryText_ = NormalizeEntry(text);
    LoadKaisai(true, true);
}

void clsTMain::KumiClick() {
    if (!initialized_) return;
    LoadKaisai(true, true);
}

void clsTMain::LoadKaisai(bool reloadVote, bool clearVote) {
    drawNo_ = EntryValue(entryText_);
    schedule_ = schedule_src_->GetSchedule(drawNo_, kumi_, DTypeLoadFile, false) ? schedule_src_->Schedule()
                                                                                : ScheduleRecord{};
    noGame_ = schedule_src_->NoGame();
    if (reloadVote) {
        if (vote_src_.GetVote(drawNo_, kumi_, DTypeLoadFile, false)) vote_ = vote_src_.Vote();
        else if (clearVote) vote_ = VoteRecord{};
    }
    result_ = result_src_.GetResult(drawNo_, kumi_, DTypeLoadFile, false) ? result_src_.Result() : ResultRecord{};
    if (KaisaikaiChange) KaisaikaiChange(drawNo_, kumi_);
}

void clsTMain::GetSchedule(bool blnDQuestion) {
    if (noGame_) return;
    if (schedule_src_->GetSchedule(drawNo_, kumi_, DTypeLoadFile | DTypeDownload, blnDQuestion)) {
        schedule_ = schedule_src_->Schedule();
        LoadKaisai(false, false);
    } else {
        schedule_src_->FalseDialog(drawNo_);
    }
}

void clsTMain::GetVote(bool blnDQuestion) {
    if (noGame_) return;
    if (!schedule_src_->CheckScheduleFile(drawNo_, kumi_)) {
        AppMessage("開催情報を先にダウンロードして下さい。", MsgIcon::Information);
        return;
    }
    if (vote_src_.GetVote(drawNo_, kumi_, DTypeLoadFile | DTypeDownload, blnDQuestion)) {
        vote_ = vote_src_.Vote();
        LoadKaisai(true, false);
    } else {
        vote_src_.FalseDialog(drawNo_);
    }
}

void clsTMain::GetResult(bool blnDQuestion) {
    if (noGame_) return;
    if (result_src_.GetResult(drawNo_, kumi_, DTypeLoadFile | DTypeDownload, blnDQuestion)) {
        result_ = result_src_.Result();
        LoadKaisai(false, false);
    } else {
        result_src_.FalseDialog(drawNo_);
    }
}

void clsTMain::SetKaisaikai(int32_t n) {
    std::string text = NormalizeEntry(std::to_string(n < 0 ? 0 : n));
    if (WriteEntry) WriteEntry(text);
    else if (text != entryText_) EntryChanged(text);
}

bool clsTMain::CheckScheduleFile() const { return schedule_src_->CheckScheduleFile(drawNo_, kumi_); }
bool clsTMain::CheckVoteFile() const { return vote_src_.CheckVoteFile(drawNo_, kumi_); }
bool clsTMain::CheckResultFile() const { return result_src_.CheckResultFile(drawNo_, kumi_); }

void clsTMain::ScheduleInitialize() {
    auto fresh = std::make_unique<clsSchedule>();
    fresh->Initialize(owner_);
    schedule_src_ = std::move(fresh);
}

}  // namespace kujimate
