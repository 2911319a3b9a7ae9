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

    QCheckBox* chkResultAll = nullptr;
    QPushButton* cmdResultViewNext = nullptr;
    QPushButton* cmdResultViewAll = nullptr;
    QPushButton* cmdSortResult = nullptr;
    QWidget* picGame2 = nullptr;
    QWidget* picMultiResult = nullptr;
    QWidget* picResult1 = nullptr;
    QWidget* picResultGrade = nullptr;
    QWidget* picSingleCountR = nullptr;
    QWidget* picRBase = nullptr;
    QWidget* picResultKakutei = nullptr;
    QWidget* picResultView = nullptr;
    QLabel* lblRSingleCount = nullptr;
    QLabel* lblRSinglePage = nullptr;
    QLabel* imgRMovePrevious = nullptr;
    QLabel* imgRMoveNext = nullptr;

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

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildPanels(QWidget* page);
    void InitializeGrids();
    void PlacePanels();
    void CopyResultColumn(int slot);
    void PageImageClicked(QObject* image);

    clsTResult& controller_;
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
