#include "shell/ListCommands.h"

#include "singles/FailureText.h"
#include "singles/clsTClipImport.h"
#include "singles/clsTNumber.h"
#include "support/NumberText.h"
#include "support/Report.h"
#include "support/Text.h"

namespace kujimate {

bool JSingleDel(clsTDocument& doc) {
    const std::vector<int32_t>& list = doc.Singles();
    if (list.empty()) return false;
    std::vector<bool> seen(SingleSpace, false);
    std::vector<bool> later(list.size(), false);
    bool any = false;
    for (size_t i = 0; i < list.size(); ++i) {
        const int32_t s = list[i];
        if (!IsSingleNumber(s)) {
            ClassFailure("frmMain", "mnuEdit_JSingleDel", ErrOverflow.Description, ErrOverflow.Number);
            return false;
        }
        if (seen[static_cast<size_t>(s)]) any = later[i] = true;
        seen[static_cast<size_t>(s)] = true;
    }
    if (!any) {
        AppMessage("重複したシングルは存在しません", MsgIcon::Information);
        return true;
    }
    const auto oldCount = static_cast<int64_t>(list.size());
    doc.RemoveFlagged(later);
    AppMessage("重複したシングルを消去しました" + std::string(CrLf) + "シングル総数：" + FormatNumber(oldCount, "#,##0") +
                   " → " + FormatNumber(static_cast<int64_t>(doc.Count()), "#,##0"),
               MsgIcon::Information);
    return true;
}

bool TakeImportedSingles(std::vector<int32_t> imported, clsTDocument& doc, const std::function<void()>& beforeMessage) {
    if (imported.empty()) return false;
    doc.Replace(std::move(imported));
    if (beforeMessage) beforeMessage();
    AppMessage(clsTClipImport::DoneMessage(static_cast<int64_t>(doc.Count())), MsgIcon::Information);
    return true;
}

}  // namespace kujimate
