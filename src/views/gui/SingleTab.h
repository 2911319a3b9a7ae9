#pragma once
// The Single tab's widgets: match table, cards, composition grid, list view, count and
// page, and the tab's buttons. It draws what the presenter tells it and forwards clicks;
// the list itself belongs to the main window.
#include <QObject>
#include <QPixmap>
#include <array>

#include "views/clsTSingle.h"

class QLabel;
class QPushButton;
class QWidget;

namespace kujimate {

class clsClickLabel;
class clsPictureBox;
class clsTSingleDraw;
class clsTSingleGame;
class CountGridView;
class SingleListView;

class SingleTab : public QObject, public clsTSingle::View {
    Q_OBJECT
public:
    // Builds the tab's widgets on page.
    SingleTab(QWidget* page, QObject* parent = nullptr);
    ~SingleTab() override;

    // Binds the presenter: it draws through this tab and receives its clicks.
    void Initialize(clsTSingle* presenter);
    void Schedure(const ScheduleRecord& record);
    // While blocked, clicks on cards, pages and the composition grid are ignored.
    void Blocked(bool b) { blocked_ = b; }

    QPushButton* cmdSingleAdd() const { return cmdSingleAdd_; }
    QPushButton* cmdSingleAdd2() const { return cmdSingleAdd2_; }
    QPushButton* cmdSingleDel() const { return cmdSingleDel_; }
    QPushButton* cmdSort() const { return cmdSort_; }
    clsTSingleDraw& Draw() { return *draw_; }
    clsTSingleGame& Game() { return *game_; }
    CountGridView& Count() { return *count_; }
    SingleListView& List() { return *list_; }
    QLabel* lblSingleCount() const { return lblSingleCount_; }
    QLabel* lblPage() const;
    clsClickLabel* imgMovePrevious() const { return imgMovePrevious_; }
    clsClickLabel* imgMoveNext() const { return imgMoveNext_; }
    QWidget* Panel(const char* name) const;

    // clsTSingle::View
    void SingleCountText(const std::string& text) override;
    void PageText(const std::string& text) override;
    void PreviousLook(bool enabled) override;
    void NextLook(bool enabled) override;
    void Card(int slot, int32_t number, bool selected, int32_t single) override;
    void CardNumber(int slot, int32_t number, bool selected) override;
    void CardOutcomes(int slot, int32_t single) override;
    void ListColumn(int slot, const std::array<std::string, clsTSingleList::Rows>& rows) override;
    void CountChanged(const clsTCount& grid) override;

signals:
    // The tab's four buttons: the window runs the commands, which the menus share.
    void AddClicked();
    void AddByNumberClicked();
    void DeleteClicked();
    void SortClicked();

private:
    void SetArrow(clsClickLabel* image, int direction, bool enabled);

    QWidget* page_;
    clsTSingle* presenter_ = nullptr;
    bool blocked_ = false;
    clsTSingleGame* game_;
    clsTSingleDraw* draw_;
    CountGridView* count_;
    SingleListView* list_;
    QWidget* picGameS_ = nullptr;
    clsPictureBox* picSingle_ = nullptr;
    QWidget* picCount_ = nullptr;
    QWidget* picSingleList_ = nullptr;
    QWidget* picSList_ = nullptr;
    QWidget* picSingleBase_ = nullptr;
    QWidget* picSinglePage_ = nullptr;
    QWidget* picComment1_ = nullptr;
    QLabel* lblSingleCount_ = nullptr;
    QLabel* lblPage_ = nullptr;
    clsClickLabel* imgMovePrevious_ = nullptr;
    clsClickLabel* imgMoveNext_ = nullptr;
    std::array<std::array<QPixmap, 2>, 2> arrows_;  // [direction][enabled]
    QPushButton* cmdSingleAdd_ = nullptr;
    QPushButton* cmdSingleAdd2_ = nullptr;
    QPushButton* cmdSingleDel_ = nullptr;
    QPushButton* cmdSort_ = nullptr;
};

}  // namespace kujimate
