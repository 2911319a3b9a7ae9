#pragma once
// The Single tab's rules: ten cards a page, selection, editing one outcome, adding and
// deleting singles. The list itself belongs to the window's document: this class reads it
// where it lies, announces every change by an event that the document applies, and is
// handed the list again through SetSingle when its length changed. The window implements
// View and forwards its clicks here.
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "analysis/clsTCount.h"
#include "analysis/clsTSingleFrame.h"
#include "analysis/clsTSingleList.h"
#include "drawdata/DrawRecords.h"

namespace kujimate {

class clsTSingle {
public:
    static constexpr int PageSize = 10;

    class View {
    public:
        virtual ~View() = default;
        virtual void SingleCountText(const std::string& text) {}
        virtual void PageText(const std::string& text) {}
        // Enabled look with the page image's own pointer, or the disabled look.
        virtual void PreviousLook(bool enabled) {}
        virtual void NextLook(bool enabled) {}
        // number: 1-based list position, -1 for an empty card (single -1 too).
        virtual void Card(int slot, int32_t number, bool selected, int32_t single) {}
        virtual void CardNumber(int slot, int32_t number, bool selected) {}
        virtual void CardOutcomes(int slot, int32_t single) {}
        virtual void ListColumn(int slot, const std::array<std::string, clsTSingleList::Rows>& rows) {}
        // The composition grid has new texts.
        virtual void CountChanged(const clsTCount& grid) {}
    };

    // A change of the list's length: one single appended, or the flagged ones removed.
    struct CountEdit {
        int32_t appended = -1;
        const std::vector<bool>* removed = nullptr;
    };

    // Edits for the list's owner. After ChangeCount the owner hands the list back through
    // SetSingle; the composition comes back through SetSingleFrame.
    std::function<void(int32_t index, int32_t single)> ChangeValue;
    std::function<void(const CountEdit& edit)> ChangeCount;

    void SetView(View* view) { view_ = view; }
    void SetVote(const VoteRecord& vote) { list_.SetVote(vote); }
    void SinglePercent(bool percent);
    void SetSingleFrame(const SingleFrame& lngValue, const SingleFrameFlags& blnVisible);
    // The list is read where it lies (it must outlive its use here), not copied.
    void SetSingle(int32_t lngSingleCount, const std::vector<int32_t>& lngSingle);
    void SetSingle(int32_t, std::vector<int32_t>&&) = delete;  // a temporary would dangle
    void MovePage(int32_t lngPage);
    void MovePageLast() { MovePage(lastPage_); }
    void MovePrevious() { MovePage(std::max(page_ - 1, 0)); }
    void MoveNext() { MovePage(std::min(page_ + 1, lastPage_)); }
    void SetAllSelect(bool value);
    void NoClick(int slot);
    void MouseDown(int slot, int code, int match, int button);
    void Add();
    void AddEx(const std::string& text);
    void SelectDelete();
    // A click on the composition grid only flips that grid's display.
    void CountClick(int column, int row);

    int32_t Count() const { return count_; }
    const std::vector<int32_t>& Singles() const { return *singles_; }
    bool Selected(int32_t index) const { return selected_[static_cast<size_t>(index)]; }
    int32_t Page() const { return page_; }
    int32_t LastPage() const { return lastPage_; }
    const SingleFrame& Frame() const { return frame_; }
    const clsTSingleList& List() const { return list_; }
    const clsTCount& CountGrid() const { return countGrid_; }

private:
    void Append(int32_t single);
    void FillSlot(int slot);
    int32_t At(int32_t i) const { return (*singles_)[static_cast<size_t>(i)]; }

    View nullView_;
    View* view_ = &nullView_;
    clsTSingleList list_;
    clsTCount countGrid_;
    int32_t count_ = 0;
    static inline const std::vector<int32_t> noSingles_{};
    const std::vector<int32_t>* singles_ = &noSingles_;
    std::vector<bool> selected_;
    int32_t page_ = 0;
    int32_t lastPage_ = 0;
    SingleFrame frame_{};
};

}  // namespace kujimate
