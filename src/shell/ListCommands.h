#pragma once
// Main-window commands that replace the authoritative singles list and its composition.
#include <cstdint>
#include <functional>
#include <vector>

#include "analysis/clsTSingleFrame.h"

namespace kujimate {

// 重複シングル削除: replaces the list and its composition and tells the user. Returns false
// when there are no singles (nothing happens); otherwise the Check tab is to be shown next.
bool JSingleDel(std::vector<int32_t>& lngSingle, SingleFrame& lngSingleFrame);

// The clipboard import's result taking the list's place: only when it holds singles, and
// then the previous list is gone, the composition recomputed and the user told. Returns
// whether it did (the Check tab is to be shown next).
// beforeMessage runs once the list is taken and before the user is told (the window shows
// the Check tab there).
bool TakeImportedSingles(const std::vector<int32_t>& imported, std::vector<int32_t>& lngSingle,
                         SingleFrame& lngSingleFrame, const std::function<void()>& beforeMessage = {});

}  // namespace kujimate
