#pragma once
// Main-window commands that replace the user's singles list, each one step of its history.
#include <cstdint>
#include <functional>
#include <vector>

#include "shell/clsTDocument.h"

namespace kujimate {

// 重複シングル削除: removes later copies and tells the user. Returns false when there are
// no singles (nothing happens); otherwise the Check tab is to be shown next.
bool JSingleDel(clsTDocument& doc);

// The clipboard import's result taking the list's place: only when it holds singles, and
// then the previous list is gone and the user told. Returns whether it did (the Check tab is
// to be shown next). beforeMessage runs once the list is taken and before the user is told
// (the window shows the Check tab there).
bool TakeImportedSingles(std::vector<int32_t> imported, clsTDocument& doc,
                         const std::function<void()>& beforeMessage = {});

}  // namespace kujimate
