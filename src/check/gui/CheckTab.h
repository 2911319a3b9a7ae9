#pragma once
// The Check tab's panels: the game table, the multi-result grid, the page of ten results,
// the grade summary, the confirmed payout table and the composition view, with the reveal
// buttons and the page controls. The result controller draws through it; clicks go back.
#include <QObject>
#include <QPixmap>
#include <array>

#include "check/clsTResult.h"
#include "check/clsTResultGrid.h"
#include "ui/gui/clsGrid.h"
#include "views/gui/CountGridView.h"
#include "views/gui/clsTGame.h"

class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;

namespace kujimate {

class CheckTab : public QObject, public clsTResult::View {
    Q_OBJECT
public:
    // Builds the panels on page, initialises the game table and the controller on them.
    CheckTab(QWidget* page, clsTResult& controller, QMenu* popup7);

    clsTGame& Game() { return cTGame2_; }
    clsGrid& MultiGrid() { return multi_; }
    clsGrid& ResultGrid() { return result_; }
    clsGrid& GradeGrid() { return grade_; }
    clsGrid& KakuteiGrid() { return kakutei_; }
    clsGrid& CountGrid() { return count_.Grid(); }
    const clsTResultGrid& ResultPage() const { return resultPage_; }

    QCheckBox* chkResultAll() const { return chkResultAll_; }
    QPushButton* cmdResultViewNext() const { return cmdResultViewNext_; }
    QPushButton* cmdResultViewAll() const { return cmdResultViewAll_; }
    QPushButton* cmdSortResult() const { return cmdSortResult_; }
    QWidget* picGame2() const { return picGame2_; }
    QWidget* picMultiResult() const { return picMultiResult_; }
    QWidget* picResult1() const { return picResult1_; }
    QWidget* picResultGrade() const { return picResultGrade_; }
    QWidget* picSingleCountR() const { return picSingleCountR_; }
    QWidget* picRBase() const { return picRBase_; }
    QWidget* picResultKakutei() const { return picResultKakutei_; }
    QWidget* picResultView() const { return picResultView_; }
    QLabel* lblRSingleCount() const { return lblRSingleCount_; }
    QLabel* lblRSinglePage() const { return lblRSinglePage_; }
    QLabel* imgRMovePrevious() const { return imgRMovePrevious_; }
    QLabel* imgRMoveNext() const { return imgRMoveNext_; }

    // Both reveal buttons are enabled while official results remain hidden.
    void SetResultViewButtons();
    void ApplyColorScheme();

    // clsTResult::View
    void SingleCountText(const std::string& text) override;
    void PageText(const std::string& text) override;
    void PreviousLook(bool enabled) override;
    void NextLook(bool enabled) override;
    void ResultColumn(int slot, const std::array<uint8_t, 12>& digits, const std::array<uint8_t, 11>& states,
                      int32_t kaisaikai) override;
    void ResultClear(int slot) override;
    void ResultRefresh() override;
    void ResultGridClear() override;
    void GradeChanged(const clsTResultGrade& grade) override;
    void KakuteiChanged(const clsTResultKakutei& kakutei) override;
    void MultiResultChanged(const clsTMultiResult& multi) override;
    void CountChanged(const clsTCount& grid) override;
    void CountVisible(bool visible) override;
    void ShowPopup7() override;

signals:
    // "当せん数順": the list's owner sorts.
    void SortResult();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildPanels(QWidget* page);
    void InitializeGrids();
    void PlacePanels();
    void CopyResultColumn(int slot);
    void PageImageClicked(QObject* image);

    clsTResult& controller_;
    QCheckBox* chkResultAll_ = nullptr;
    QPushButton* cmdResultViewNext_ = nullptr;
    QPushButton* cmdResultViewAll_ = nullptr;
    QPushButton* cmdSortResult_ = nullptr;
    QWidget* picGame2_ = nullptr;
    QWidget* picMultiResult_ = nullptr;
    QWidget* picResult1_ = nullptr;
    QWidget* picResultGrade_ = nullptr;
    QWidget* picSingleCountR_ = nullptr;
    QWidget* picRBase_ = nullptr;
    QWidget* picResultKakutei_ = nullptr;
    QWidget* picResultView_ = nullptr;
    QLabel* lblRSingleCount_ = nullptr;
    QLabel* lblRSinglePage_ = nullptr;
    QLabel* imgRMovePrevious_ = nullptr;
    QLabel* imgRMoveNext_ = nullptr;

    QMenu* popup7_;
    clsTGame cTGame2_;
    clsGrid multi_, result_, grade_, kakutei_;
    CountGridView count_;
    clsTResultGrid resultPage_;
    QLabel* imgMovePreviousDisable_ = nullptr;
    QLabel* imgMoveNextDisable_ = nullptr;
    std::array<QLabel*, 4> imgResult_{};
    QPixmap previousEnabled_, nextEnabled_;
    // The second press of a double click is one more click; its release is not.
    QObject* doubleClicked_ = nullptr;
};

}  // namespace kujimate
