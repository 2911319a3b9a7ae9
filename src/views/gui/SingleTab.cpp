#include "views/gui/SingleTab.h"

#include <QLabel>
#include <QPushButton>

#include "views/gui/CountGridView.h"
#include "analysis/gui/SingleListView.h"
#include "support/NumberText.h"
#include "support/basStandard.h"
#include "ui/gui/clsClickLabel.h"
#include "ui/gui/clsPictureBox.h"
#include "views/gui/CardPictures.h"
#include "views/gui/clsTSingleDraw.h"
#include "views/gui/clsTSingleGame.h"
#include "ui/gui/DisplayScale.h"

namespace kujimate {

namespace {

// Left edges on the page (96 dpi): the match table, then the cards, then the composition.
constexpr int GameLeft = 8;
constexpr int CardsLeft = 187;
constexpr int CountLeft = 727;
constexpr int TopRow = 42;
// The list view's caption column (112 + its line) sits left of the cards, so that each
// list column stands under its card.
constexpr int ListLeft = CardsLeft - 113;

QWidget* NewPanel(QWidget* parent, const char* name) {
    auto* w = new QWidget(parent);
    w->setObjectName(QString::fromUtf8(name));
    return w;
}
}  // namespace

SingleTab::SingleTab(QWidget* page, QObject* parent)
    : QObject(parent),
      page_(page),
      game_(new clsTSingleGame(this)),
      draw_(new clsTSingleDraw(this)),
      count_(new CountGridView(this)),
      list_(new SingleListView(this)) {
    cmdSingleAdd_ = new QPushButton(QStringLiteral("シングルを追加"), page);
    cmdSingleAdd_->setObjectName(QStringLiteral("cmdSingleAdd"));
    cmdSingleAdd2_ = new QPushButton(QStringLiteral("数値で追加"), page);
    cmdSingleAdd2_->setObjectName(QStringLiteral("cmdSingleAdd2"));
    cmdSingleDel_ = new QPushButton(QStringLiteral("選択シングルを削除"), page);
    cmdSingleDel_->setObjectName(QStringLiteral("cmdSingleDel"));
    cmdSort_ = new QPushButton(QStringLiteral("並び替え"), page);
    cmdSort_->setObjectName(QStringLiteral("cmdSort"));
    int x = GameLeft;
    for (QPushButton* b : {cmdSingleAdd_, cmdSingleAdd2_, cmdSingleDel_, cmdSort_}) {
        b->setGeometry(Sx(x), Sy(8), Sx(120), Sy(26));
        x += 128;
    }
    connect(cmdSingleAdd_, &QPushButton::clicked, this, &SingleTab::AddClicked);
    connect(cmdSingleAdd2_, &QPushButton::clicked, this, &SingleTab::AddByNumberClicked);
    connect(cmdSingleDel_, &QPushButton::clicked, this, &SingleTab::DeleteClicked);
    connect(cmdSort_, &QPushButton::clicked, this, &SingleTab::SortClicked);

    picGameS_ = NewPanel(page, "picGameS");
    picGameS_->move(Sx(GameLeft), Sy(TopRow));
    picSingle_ = new clsPictureBox(page);
    picSingle_->setObjectName(QStringLiteral("picSingle"));
    picSingle_->move(Sx(CardsLeft), Sy(TopRow));
    picCount_ = NewPanel(page, "picCount");
    picCount_->move(Sx(CountLeft), Sy(TopRow));

    picSingleList_ = NewPanel(page, "picSingleList");
    picSList_ = NewPanel(picSingleList_, "picSList");
    picSingleBase_ = NewPanel(page, "picSingleBase");
    auto* caption = new QLabel(QStringLiteral("シングル数"), picSingleBase_);
    caption->setObjectName(QStringLiteral("lblSingleCountTitle"));
    caption->setGeometry(Sx(8), Sy(10), Sx(80), Sy(20));
    lblSingleCount_ = new QLabel(QStringLiteral("0"), picSingleBase_);
    lblSingleCount_->setObjectName(QStringLiteral("lblSingleCount"));
    lblSingleCount_->setGeometry(Sx(88), Sy(10), Sx(88), Sy(20));
    lblSingleCount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = lblSingleCount_->font();
    bold.setBold(true);
    lblSingleCount_->setFont(bold);

    picSinglePage_ = NewPanel(picSingleBase_, "picSinglePage");
    picSinglePage_->setGeometry(Sx(8), Sy(44), Sx(168), Sy(34));
    for (int d = 0; d < 2; ++d)
        for (int e = 0; e < 2; ++e) arrows_[d][e] = PageArrowPicture(d, e == 1);
    imgMovePrevious_ = new clsClickLabel(picSinglePage_);
    imgMovePrevious_->setObjectName(QStringLiteral("imgMovePrevious"));
    imgMovePrevious_->setAccessibleName(QStringLiteral("前のページ"));
    imgMovePrevious_->setGeometry(Sx(4), Sy(7), 24, 20);
    lblPage_ = new QLabel(QStringLiteral("1／1"), picSinglePage_);
    lblPage_->setObjectName(QStringLiteral("lblPage"));
    lblPage_->setAlignment(Qt::AlignCenter);
    lblPage_->setGeometry(Sx(32), Sy(7), Sx(104), Sy(20));
    imgMoveNext_ = new clsClickLabel(picSinglePage_);
    imgMoveNext_->setObjectName(QStringLiteral("imgMoveNext"));
    imgMoveNext_->setAccessibleName(QStringLiteral("次のページ"));
    imgMoveNext_->setGeometry(Sx(140), Sy(7), 24, 20);
    SetArrow(imgMovePrevious_, 0, false);
    SetArrow(imgMoveNext_, 1, false);

    picComment1_ = NewPanel(page, "picComment1");
    auto* comment = new QLabel(
        QStringLiteral("　推定金額とは、もしtotoであった場合の推定金額を計算しています。（投票率が存在しない試合は各1/3で計算)"),
        picComment1_);
    comment->setObjectName(QStringLiteral("lblComment1"));
    comment->setWordWrap(true);
    comment->setGeometry(Sx(8), Sy(6), Sx(628), Sy(20));
}

SingleTab::~SingleTab() = default;

QLabel* SingleTab::lblPage() const { return lblPage_; }

QWidget* SingleTab::Panel(const char* name) const { return page_->findChild<QWidget*>(QString::fromUtf8(name)); }

void SingleTab::Initialize(clsTSingle* presenter) {
    presenter_ = presenter;
    game_->Initialize(picGameS_, 26);
    for (int code = 0; code < 3; ++code) {
        draw_->SetImage(code, 0, MarkPicture(code, false));
        draw_->SetImage(code, 1, MarkPicture(code, true));
    }
    draw_->Initialize(picSingle_);
    count_->Initialize(picCount_, 60, 26);
    list_->Initialize(picSList_, 52, 28);

    // Stacked as the main window lays its panels out: list and base 5 below the cards,
    // the comment 5 below the list.
    const int below = picSingle_->geometry().bottom() + 1 + Sy(5);
    picSingleList_->setGeometry(Sx(ListLeft), below, picSList_->width(), picSList_->height());
    picSingleBase_->setGeometry(Sx(CountLeft), below, picCount_->width(), picSList_->height());
    picComment1_->setGeometry(Sx(ListLeft), picSingleList_->geometry().bottom() + 1 + Sy(5), picSList_->width(),
                              Sy(32));

    connect(draw_, &clsTSingleDraw::NoClick, this, [this](int slot) {
        if (!blocked_) presenter_->NoClick(slot);
    });
    connect(draw_, &clsTSingleDraw::MouseDown, this, [this](int slot, int code, int match, int button) {
        if (!blocked_) presenter_->MouseDown(slot, code, match, button);
    });
    connect(count_, &CountGridView::Click, this, [this](int, int, int column, int row) {
        if (!blocked_) presenter_->CountClick(column, row);
    });
    connect(imgMovePrevious_, &clsClickLabel::Clicked, this, [this] {
        if (!blocked_) presenter_->MovePrevious();
    });
    connect(imgMoveNext_, &clsClickLabel::Clicked, this, [this] {
        if (!blocked_) presenter_->MoveNext();
    });
    presenter_->SetView(this);
}

void SingleTab::Schedure(const ScheduleRecord& record) { game_->Schedure(record); }

void SingleTab::SetArrow(clsClickLabel* image, int direction, bool enabled) {
    image->setPixmap(arrows_[static_cast<size_t>(direction)][enabled ? 1 : 0]);
    image->setCursor(enabled ? Qt::PointingHandCursor : Qt::ArrowCursor);
    image->setAccessibleDescription(enabled ? QString() : QStringLiteral("無効"));
}

void SingleTab::SingleCountText(const std::string& text) { lblSingleCount_->setText(QString::fromStdString(text)); }
void SingleTab::PageText(const std::string& text) { lblPage_->setText(QString::fromStdString(text)); }
void SingleTab::PreviousLook(bool enabled) { SetArrow(imgMovePrevious_, 0, enabled); }
void SingleTab::NextLook(bool enabled) { SetArrow(imgMoveNext_, 1, enabled); }

void SingleTab::Card(int slot, int32_t number, bool selected, int32_t single) {
    draw_->SetNo(slot, number, selected);
    draw_->SetMark(slot, single);
}

void SingleTab::CardNumber(int slot, int32_t number, bool selected) { draw_->SetNo(slot, number, selected); }
void SingleTab::CardOutcomes(int slot, int32_t single) { draw_->SetMark(slot, single); }

void SingleTab::ListColumn(int slot, const std::array<std::string, clsTSingleList::Rows>& rows) {
    list_->SetColumn(slot, rows);
}

void SingleTab::CountChanged(const clsTCount& grid) { count_->Show(grid); }

}  // namespace kujimate
