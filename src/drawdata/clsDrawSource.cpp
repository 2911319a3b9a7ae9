#include "drawdata/clsDrawSource.h"

#include "support/Report.h"

namespace kujimate {

bool clsDrawSource::Checked(const char* op) const {
    if (initialized_) return true;
    ClassMessage(class_, op, "Initialize Err");
    return false;
}

bool clsDrawSource::ConfirmDownload(bool blnDQuestion) {
    if (!blnDQuestion) return true;
    if (Report().Question("インターネットより " + subject_ + " をダウンロードします。よろしいですか？", Title())) return true;
    cancel_ = true;
    return false;
}

void clsDrawSource::FalseDialog(int32_t No) const {
    if (cancel_) return;
    if (unpublished_)
        Report().Message("第" + std::to_string(No) + "回 " + subject_ + "は発表されていません。", MsgIcon::Information,
                         Title());
    else
        Report().Message("インターネットよりダウンロードに失敗しました。", MsgIcon::Warning, Title());
}

}  // namespace kujimate
