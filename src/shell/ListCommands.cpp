#include "shell/ListCommands.h"

#include "singles/FailureText.h"
#include "singles/basSingles.h"
#include "singles/clsTClipImport.h"
#include "support/NumberText.h"
#include "support/Report.h"
#include "support/Text.h"

namespace kujimate {

bool JSingleDel(std::vector<int32_t>& list, SingleFrame& frame) {
    if (list.empty()) return false;
    auto unique = RemoveDuplicateSingles(list);
    if (!unique) {
        ClassFailure("frmMain", "mnuEdit_JSingleDel", ErrOverflow.Description, ErrOverflow.Number);
        return false;
    }
    if (unique->size() == list.size()) {
        AppMessage("重複したシングルは存在しません", MsgIcon::Information);
        return true;
    }
    const auto oldCount = static_cast<int64_t>(list.size());
    list = std::move(*unique);
    clsTSingleFrame().GetSingleFrame(static_cast<int32_t>(list.size()), list, frame);
    AppMessage("重複したシングルを消去しました" + std::string(CrLf) + "シングル総数：" + FormatNumber(oldCount, "#,##0") +
                   " → " + FormatNumber(static_cast<int64_t>(list.size()), "#,##0"),
               MsgIcon::Information);
    return true;
}

bool TakeImportedSingles(const std::vector<int32_t>& imported, std::vector<int32_t>& list, SingleFrame& frame,
                         const std::function<void()>& beforeMessage) {
    if (imported.empty()) return false;
    list = imported;
    clsTSingleFrame().GetSingleFrame(static_cast<int32_t>(list.size()), list, frame);
    if (beforeMessage) beforeMessage();
    AppMessage(clsTClipImport::DoneMessage(static_cast<int64_t>(list.size())), MsgIcon::Information);
    return true;
}

}  // namespace kujimate
