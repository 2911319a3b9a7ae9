#pragma once
// The Check tab's rules: what is known of the results, the judging of every single, grades
// and grade counts, pages of ten singles, the result cache file and the grade sort. The
// window implements View, forwards clicks, and draws what it is told.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/clsTCount.h"
#include "analysis/clsTSingleFrame.h"
#include "check/ResultStates.h"
#include "check/clsTMultiResult.h"
#include "check/clsTResultGrade.h"
#include "check/clsTResultKakutei.h"
#include "drawdata/DrawRecords.h"

namespace kujimate {

class clsTResult {
public:
    static constexpr int PageSize = 10;
    static constexpr int32_t ProgressFrom = 10001;  // singles from which the progress dialog shows

    class View {
    public:
        virtual ~View() = default;
        virtual void SingleCountText(const std::string& text) {}
        virtual void PageText(const std::string& text) {}
        virtual void PreviousLook(bool enabled) {}
        virtual void NextLook(bool enabled) {}
        // digits: the single's 11 outcomes, then its grade; states: the judged state per match.
        virtual void ResultColumn(int slot, const std::array<uint8_t, 12>& digits,
                                  const std::array<uint8_t, 11>& states, int32_t kaisaikai) {}
        virtual void ResultClear(int slot) {}
        virtual void ResultRefresh() {}
        virtual void ResultGridClear() {}
        virtual void GradeChanged(const clsTResultGrade& grade) {}
        virtual void KakuteiChanged(const clsTResultKakutei& kakutei) {}
        virtual void MultiResultChanged(const clsTMultiResult& multi) {}
        // The composition view has new texts or colours.
        virtual void CountChanged(const clsTCount& grid) {}
        virtual void CountVisible(bool visible) {}
        // A right click on a match of the multi-result grid: offer "中止" at the pointer.
        virtual void ShowPopup7() {}
    };

    clsTResult();
    clsTResult(const clsTResult&) = delete;
    clsTResult& operator=(const clsTResult&) = delete;

    void SetView(View* view) { view_ = view ? view : &nullView_; }
    void Initialize() { initialized_ = true; }
    // The companion reads results without touching the user's cache files.
    void UseResultTemp(bool use) { useResultTemp_ = use; }

    void SetResultData(int32_t lngKaisaikai, const std::string& strKumi, const ResultRecord& record,
                       bool blnAllResult);
    void SetNextData() { ShowResult_Sub(1); }
    void SetAlltData() { ShowResult_Sub(2); }
    void Clear();
    // The list is read where it lies (it must outlive its use here), not copied.
    void SetSingle(int32_t lngSingleCount, const std::vector<int32_t>& lngSingle);
    void SetSingle(int32_t, std::vector<int32_t>&&) = delete;  // a temporary would dangle
    // Shows page lngPage, clamped to the pages there are.
    void MovePage(int32_t lngPage) { ShowPage_Sub(std::clamp(lngPage, 0, lastPage_)); }
    // Reorders the list by the grades of the last judging; false when it does not match.
    bool GradeSort(std::vector<int32_t>& lngSingle, bool ascending);
    bool FullResult() const { return reveal_ == 11; }
    // "次の結果を表示" and "全ての結果を表示" are enabled while official results remain hidden.
    bool RevealButtonsEnabled() const { return record_.DrawNo > 0 && !FullResult(); }

    void SetSingleFrame(const SingleFrame& lngValue, const SingleFrameFlags& blnVisible);
    void Percent(bool value);
    void CountVisible(bool value) { view_->CountVisible(value); }
    // A click on the composition view: it flips its display, and hides when back at counts.
    void CountClick(int column, int row);
    void SetPopup(int index) { multi_.SetPopup(index); }
    void MultiResultClick(int button, int column, int row) { multi_.MouseClick(button, column, row); }
    void MovePrevious() { ShowPage_Sub(std::max(page_ - 1, 0)); }
    void MoveNext() { ShowPage_Sub(std::min(page_ + 1, lastPage_)); }

    static std::string GetResultTempPath(int32_t lngKaisaikai, const std::string& strKumi);

    int32_t RevealCount() const { return reveal_; }
    int32_t Count() const { return count_; }
    int32_t Page() const { return page_; }
    int32_t LastPage() const { return lastPage_; }
    const std::vector<uint8_t>& Grades() const { return grades_; }
    const GradeCounts& Counts() const { return counts_; }
    int DecidedCount() const { return GetDecidedCount(multi_.States()); }
    bool KakuteiShown() const { return kakuteiShown_; }
    const clsTMultiResult& MultiResult() const { return multi_; }
    const clsTResultGrade& Grade() const { return grade_; }
    const clsTResultKakutei& Kakutei() const { return kakutei_; }
    const clsTCount& CountGrid() const { return countGrid_; }

private:
    void ShowResult_Sub(int mode);
    void LoadResultTemp(ResultStates& states);
    void SaveResultTemp();
    void SetSingle_Sub(int32_t count, const std::vector<int32_t>& list);
    void JudgeSingle_Sub(bool withKakutei);
    void ShowPage_Sub(int32_t page);
    void OnChange(bool byUser);

    View nullView_;
    View* view_ = &nullView_;
    bool initialized_ = false;
    bool useResultTemp_ = true;

    int32_t kaisaikai_ = 0;
    std::string kumi_;
    bool official_ = false;
    ResultRecord record_;
    int32_t reveal_ = 0;

    int32_t count_ = 0;
    static inline const std::vector<int32_t> noSingles_{};
    const std::vector<int32_t>* singles_ = &noSingles_;  // checked single numbers
    std::vector<uint8_t> grades_;
    GradeCounts counts_{};
    int32_t page_ = 0;
    int32_t lastPage_ = 0;
    bool kakuteiShown_ = false;

    clsTMultiResult multi_;
    clsTResultGrade grade_;
    clsTResultKakutei kakutei_;
    clsTCount countGrid_;
};

}  // namespace kujimate
