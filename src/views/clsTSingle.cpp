#include "views/clsTSingle.h"

#include <algorithm>

#include "singles/FailureText.h"
#include "singles/clsTClipImport.h"
#include "support/NumberText.h"
#include "support/Report.h"

namespace kujimate {
namespace {
constexpr const char* DeleteTitle = "選択シングルを削除";
}

void clsTSingle::SinglePercent(bool percent) {
    countGrid_.Percent(percent);
    view_->CountChanged(countGrid_);
}

void clsTSingle::CountClick(int column, int row) {
    countGrid_.MouseClick(column, row);
    view_->CountChanged(countGrid_);
}

void clsTSingle::SetSingleFrame(const SingleFrame& lngValue, const SingleFrameFlags& blnVisible) {
    countGrid_.SetVisible(blnVisible);
    countGrid_.SetValue(lngValue);
    view_->CountChanged(countGrid_);
    frame_ = lngValue;
}

void clsTSingle::SetSingle(int32_t lngSingleCount, const std::vector<int32_t>& lngSingle) {
    BusyPointer busy;
    const int32_t n = std::clamp<int32_t>(lngSingleCount, 0, static_cast<int32_t>(lngSingle.size()));
    count_ = n;
    view_->SingleCountText(FormatNumber(static_cast<int64_t>(n), "#,##0"));
    singles_ = &lngSingle;
    selected_.assign(static_cast<size_t>(n), false);
    lastPage_ = (n - 1) / PageSize;  // toward zero: 0 for an empty list
}

void clsTSingle::FillSlot(int slot) {
    const int32_t i = page_ * PageSize + slot;
    if (i >= 0 && i < count_) {
        view_->Card(slot, i + 1, selected_[static_cast<size_t>(i)], At(i));
        view_->ListColumn(slot, list_.SetData_Sub(At(i)));
    } else {
        view_->Card(slot, -1, false, -1);
        view_->ListColumn(slot, list_.SetData_Sub(-1));
    }
}

void clsTSingle::MovePage(int32_t lngPage) {
    page_ = lngPage;
    for (int s = 0; s < PageSize; ++s) FillSlot(s);
    view_->PageText(std::to_string(page_ + 1) + "／" + std::to_string(lastPage_ + 1));
    view_->PreviousLook(page_ != 0);
    view_->NextLook(page_ != lastPage_);
}

void clsTSingle::NoClick(int slot) {
    const int32_t i = page_ * PageSize + slot;
    if (slot < 0 || slot >= PageSize || i < 0 || i >= count_) return;
    selected_[static_cast<size_t>(i)] = !selected_[static_cast<size_t>(i)];
    view_->CardNumber(slot, i + 1, selected_[static_cast<size_t>(i)]);
}

void clsTSingle::SetAllSelect(bool value) {
    if (count_ < 1) return;
    selected_.assign(selected_.size(), value);
    for (int s = 0; s < PageSize; ++s) {
        const int32_t i = page_ * PageSize + s;
        if (i < count_) view_->CardNumber(s, i + 1, value);
    }
}

void clsTSingle::MouseDown(int slot, int code, int match, int) {
    if (slot < 0 || slot >= PageSize || code < 0 || code > 2 || match < 0 || match >= SingleGames) return;
    const int32_t i = page_ * PageSize + slot;
    if (i >= count_) {
        Add();
        return;
    }
    const int32_t single = At(i);
    if (!IsSingleNumber(single)) {
        ClassFailure("clsTSingle", "MouseDown", ErrOverflow.Description, ErrOverflow.Number);
        return;
    }
    uint8_t d[SingleGames];
    UnpackSingle(single, d);
    d[match] = static_cast<uint8_t>(code);
    const int32_t n = PackSingle(d);
    if (ChangeValue) ChangeValue(i, n);
    view_->CardOutcomes(slot, n);
    view_->ListColumn(slot, list_.SetData_Sub(n));
}

void clsTSingle::Append(int32_t single) {
    if (ChangeCount) ChangeCount(CountEdit{single, nullptr});
    MovePageLast();
}

void clsTSingle::Add() { Append(0); }

void clsTSingle::AddEx(const std::string& text) {
    if (!IsSingleDigits(text)) {
        ClassFailure("clsTSingle", "AddEx", ErrTypeMismatch.Description, ErrTypeMismatch.Number);
        return;
    }
    Append(DigitsToSingle(text));
}

void clsTSingle::SelectDelete() {
    int32_t n = 0;
    for (bool s : selected_) n += s;
    if (n == 0) {
        Report().Message("削除対象のシングルが選択されていません", MsgIcon::Information, DeleteTitle);
        return;
    }
    if (!Report().Question("選択シングルを削除します。よろしいですか？", DeleteTitle)) return;
    // The flags are read by the owner before SetSingle resets them.
    const std::vector<bool> flags = selected_;
    if (ChangeCount) ChangeCount(CountEdit{-1, &flags});
    if (page_ > lastPage_) page_ = lastPage_;
    MovePage(page_);
}

}  // namespace kujimate
