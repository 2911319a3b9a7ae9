#include "check/gui/CheckTab.h"

#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "support/NumberText.h"
#include "support/basStandard.h"
#include "views/gui/CardPictures.h"
#include "views/gui/ViewColors.h"
#include "ui/gui/DisplayScale.h"
#include "ui/gui/Paint.h"

namespace kujimate {

namespace {
// Scaled and truncated one by one, as the composition view's left edge is summed.
int TruncX(int v) { return static_cast<int>(DpiPixelX(v)); }
QRect Scaled(int x, int y, int w, int h) { return QRect(Sx(x), Sy(y), Sx(w), Sy(h)); }

QColor ResultColor(ResultBack back) {
    switch (back) {
        case ResultBack::Red: return QColor(255, 0, 0);
        case ResultBack::Blue: return QColor(0, 0, 255);
        case ResultBack::Yellow: return QColor(255, 255, 0);
        case ResultBack::Green: return QColor(0, 255, 0);
        case ResultBack::ButtonFace: return ButtonFace();
        default: return Qt::white;
    }
}

// The cell pictures of hits, void matches, misses and paying grades: a soft tile under the digit.
QPixmap CellPicture(const QColor& tile) {
    QPixmap pm(Sx(21), Sy(17));
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(tile.darker(130), 1));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(0.5, 0.5, pm.width() - 1.0, pm.height() - 1.0), 4, 4);
    return pm;
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromUtf8(name));
    return l;
}

QWidget* NewBox(QWidget* parent, const char* name) {
    auto* w = new QWidget(parent);
    w->setObjectName(QString::fromUtf8(name));
    return w;
}
}  // namespace

CheckTab::CheckTab(QWidget* page, clsTResult& controller, QMenu* popup7)
    : QObject(page), controller_(controller), popup7_(popup7) {
    BuildPanels(page);
    cTGame2_.Initialize(picGame2_, false);
    InitializeGrids();
    PlacePanels();
    controller_.SetView(this);
    controller_.Initialize();

    connect(&multi_, &clsGrid::MouseClick, this,
            [this](int button, int, int col, int row) { controller_.MultiResultClick(button, col, row); });
    connect(&count_, &CountGridView::Click, this, [this](int, int, int col, int row) { controller_.CountClick(col, row); });
    connect(cmdResultViewNext_, &QPushButton::clicked, this, [this] {
        controller_.SetNextData();
        SetResultViewButtons();
    });
    connect(cmdResultViewAll_, &QPushButton::clicked, this, [this] {
        controller_.SetAlltData();
        SetResultViewButtons();
    });
    connect(cmdSortResult_, &QPushButton::clicked, this, &CheckTab::SortResult);
    connect(&cTGame2_, &clsTGame::VoteClick, this, [this] { controller_.CountVisible(true); });
    SetResultViewButtons();
}

void CheckTab::SetResultViewButtons() {
    const bool on = controller_.RevealButtonsEnabled();
    cmdResultViewNext_->setEnabled(on);
    cmdResultViewAll_->setEnabled(on);
}

void CheckTab::ApplyColorScheme() { Paint(chkResultAll_, PanelColor); }

void CheckTab::BuildPanels(QWidget* page) {
    picGame2_ = NewBox(page, "picGame2");
    picMultiResult_ = NewBox(page, "picMultiResult");
    picResult1_ = NewBox(page, "picResult1");
    picResultGrade_ = NewBox(page, "picResultGrade");

    picResultView_ = NewBox(page, "picResultView");
    Paint(picResultView_, PanelColor);
    chkResultAll_ = new QCheckBox(QStringLiteral("常に全ての結果を表示する"), picResultView_);
    chkResultAll_->setObjectName(QStringLiteral("chkResultAll"));
    chkResultAll_->setGeometry(Scaled(8, 8, 220, 22));
    Paint(chkResultAll_, PanelColor);
    cmdResultViewNext_ = new QPushButton(QStringLiteral("次の結果を表示"), picResultView_);
    cmdResultViewNext_->setObjectName(QStringLiteral("cmdResultViewNext"));
    cmdResultViewNext_->setGeometry(Scaled(8, 38, 150, 28));
    cmdResultViewAll_ = new QPushButton(QStringLiteral("全ての結果を表示"), picResultView_);
    cmdResultViewAll_->setObjectName(QStringLiteral("cmdResultViewAll"));
    cmdResultViewAll_->setGeometry(Scaled(166, 38, 150, 28));

    picRBase_ = NewBox(page, "picRBase");
    Paint(picRBase_, PanelColor);
    NewLabel(picRBase_, "lblRSingleCountTitle", QStringLiteral("シングル数"))->setGeometry(Scaled(8, 12, 70, 20));
    lblRSingleCount_ = NewLabel(picRBase_, "lblRSingleCount", QStringLiteral("0"));
    lblRSingleCount_->setGeometry(Scaled(70, 12, 70, 20));
    lblRSingleCount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    imgRMovePrevious_ = NewLabel(picRBase_, "imgRMovePrevious");
    imgRMovePrevious_->setGeometry(Scaled(148, 12, 20, 20));
    imgRMovePrevious_->setAccessibleName(QStringLiteral("前のページ"));
    lblRSinglePage_ = NewLabel(picRBase_, "lblRSinglePage", QStringLiteral("1／1"));
    lblRSinglePage_->setGeometry(Scaled(170, 12, 76, 20));
    lblRSinglePage_->setAlignment(Qt::AlignCenter);
    imgRMoveNext_ = NewLabel(picRBase_, "imgRMoveNext");
    imgRMoveNext_->setGeometry(Scaled(248, 12, 20, 20));
    imgRMoveNext_->setAccessibleName(QStringLiteral("次のページ"));
    cmdSortResult_ = new QPushButton(QStringLiteral("当せん数順"), picRBase_);
    cmdSortResult_->setObjectName(QStringLiteral("cmdSortResult"));
    cmdSortResult_->setGeometry(Scaled(455, 8, 110, 28));

    // The enabled looks are the images' own pictures, the disabled ones sit in hidden images.
    imgRMovePrevious_->setPixmap(PageArrowPicture(0, true));
    imgRMoveNext_->setPixmap(PageArrowPicture(1, true));
    previousEnabled_ = imgRMovePrevious_->pixmap();
    nextEnabled_ = imgRMoveNext_->pixmap();
    imgMovePreviousDisable_ = NewLabel(picRBase_, "imgMovePreviousDisable");
    imgMovePreviousDisable_->setPixmap(PageArrowPicture(0, false));
    imgMovePreviousDisable_->hide();
    imgMoveNextDisable_ = NewLabel(picRBase_, "imgMoveNextDisable");
    imgMoveNextDisable_->setPixmap(PageArrowPicture(1, false));
    imgMoveNextDisable_->hide();
    for (QLabel* img : {imgRMovePrevious_, imgRMoveNext_}) img->installEventFilter(this);

    const QColor tiles[] = {QColor(150, 190, 255), QColor(255, 236, 120), QColor(255, 155, 155), QColor(150, 230, 150)};
    for (int i = 0; i < 4; ++i) {
        imgResult_[static_cast<size_t>(i)] = NewLabel(page, "imgResult");
        imgResult_[static_cast<size_t>(i)]->setProperty("Index", i);
        imgResult_[static_cast<size_t>(i)]->setPixmap(CellPicture(tiles[i]));
        imgResult_[static_cast<size_t>(i)]->hide();
    }

    picResultKakutei_ = NewBox(page, "picResultKakutei");
    // Over the game table's vote column; shown by a click on the vote area.
    picSingleCountR_ = NewBox(page, "picSingleCountR");
    picSingleCountR_->hide();
}

void CheckTab::InitializeGrids() {
    const QColor face = ButtonFace();

    result_.Initialize(picResult1_);
    result_.SetGridColRow(clsTResultGrid::Cols, clsTResultGrid::Rows, 25, 21);
    result_.RowHeight(1, Sy(20));
    result_.FontSize(11);
    ResultGridClear();
    result_.SetColorImage(imgResult_[0]->pixmap(), ResultColor(ResultBack::Blue));
    result_.SetColorImage(imgResult_[1]->pixmap(), ResultColor(ResultBack::Yellow));
    result_.SetColorImage(imgResult_[2]->pixmap(), ResultColor(ResultBack::Red));
    result_.SetColorImage(imgResult_[3]->pixmap(), ResultColor(ResultBack::Green));
    picResult1_->resize(result_.Width(), result_.Height());

    grade_.Initialize(picResultGrade_);
    grade_.SetGridColRow(clsTResultGrade::Cols, clsTResultGrade::Rows, 40, 21);
    grade_.RowHeight(1, Sy(20));
    grade_.ColWidth(2, Sx(70));
    grade_.FontSize(11);
    GradeChanged(controller_.Grade());
    picResultGrade_->resize(grade_.Width(), grade_.Height());

    multi_.Initialize(picMultiResult_);
    multi_.SetGridColRow(3, 12, 30, 21);
    multi_.RowHeight(1, Sy(20));
    multi_.FontSize(11);
    for (int c = 1; c <= 3; ++c) multi_.Caption(c, 1, QString::number(clsTMultiResult::CodeOfColumn(c)));
    multi_.BackColorRow(1, face);
    for (int r = 3; r <= 11; r += 2) multi_.BackColorRow(r, LightYellow);
    MultiResultChanged(controller_.MultiResult());
    picMultiResult_->resize(multi_.Width(), multi_.Height());

    count_.Initialize(picSingleCountR_, 67, 21);
    CountChanged(controller_.CountGrid());

    kakutei_.Initialize(picResultKakutei_);
    kakutei_.SetGridColRow(clsTResultKakutei::Cols, clsTResultKakutei::Rows, 40, 21);
    kakutei_.RowHeight(1, Sy(20));
    kakutei_.ColWidth(2, Sx(110));
    for (int c = 3; c <= 6; ++c) kakutei_.ColWidth(c, Sx(100));
    kakutei_.FontSize(10);
    KakuteiChanged(controller_.Kakutei());
    picResultKakutei_->resize(kakutei_.Width(), kakutei_.Height());
}

void CheckTab::PlacePanels() {
    auto right = [](QWidget* w) { return w->x() + w->width(); };
    auto bottom = [](QWidget* w) { return w->y() + w->height(); };
    picGame2_->move(Sx(8), Sy(8));
    // The multi-result rows continue the game table's rows.
    picMultiResult_->move(right(picGame2_) + Sx(2), picGame2_->y());
    picResult1_->move(right(picMultiResult_) + Sx(2), picMultiResult_->y());
    picResultGrade_->move(right(picResult1_) + Sx(2), picResult1_->y());
    picSingleCountR_->move(TruncX(51) + TruncX(21) + TruncX(51) + TruncX(51) + TruncX(8), picResult1_->y());
    picRBase_->setGeometry(Sx(337), bottom(picResult1_) + Sy(5), right(picResultGrade_) + Sx(8) - Sx(337),
                          Sy(45) + picResultKakutei_->height() + Sy(8));
    picResultKakutei_->move(picRBase_->x() + Sx(8), picRBase_->y() + Sy(45));
    picResultKakutei_->raise();
    picResultView_->setGeometry(Sx(8), bottom(picMultiResult_) + Sy(10), picRBase_->x() - Sx(2) - Sx(8), Sy(76));
    picSingleCountR_->raise();
}

void CheckTab::SingleCountText(const std::string& text) { lblRSingleCount_->setText(QString::fromStdString(text)); }
void CheckTab::PageText(const std::string& text) { lblRSinglePage_->setText(QString::fromStdString(text)); }

void CheckTab::PreviousLook(bool enabled) {
    imgRMovePrevious_->setPixmap(enabled ? previousEnabled_ : imgMovePreviousDisable_->pixmap());
    imgRMovePrevious_->setCursor(enabled ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void CheckTab::NextLook(bool enabled) {
    imgRMoveNext_->setPixmap(enabled ? nextEnabled_ : imgMoveNextDisable_->pixmap());
    imgRMoveNext_->setCursor(enabled ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void CheckTab::CopyResultColumn(int slot) {
    const int c = slot + 1;
    for (int r = 2; r <= clsTResultGrid::Rows; ++r) {
        result_.Caption(c, r, QString::fromStdString(resultPage_.Text(c, r)));
        result_.BackColor(c, r, ResultColor(resultPage_.Back(c, r)));
    }
}

void CheckTab::ResultColumn(int slot, const std::array<uint8_t, 12>& digits, const std::array<uint8_t, 11>& states,
                            int32_t kaisaikai) {
    resultPage_.SetValue(slot, digits, states, kaisaikai);
    CopyResultColumn(slot);
}

void CheckTab::ResultClear(int slot) {
    resultPage_.SetClear(slot);
    CopyResultColumn(slot);
}

void CheckTab::ResultRefresh() { result_.Refresh(); }

void CheckTab::ResultGridClear() {
    resultPage_.Clear();
    for (int c = 1; c <= clsTResultGrid::Cols; ++c) {
        result_.Caption(c, 1, QString::fromStdString(resultPage_.Text(c, 1)));
        result_.BackColor(c, 1, ResultColor(ResultBack::ButtonFace));
        CopyResultColumn(c - 1);
    }
    result_.Refresh();
}

void CheckTab::GradeChanged(const clsTResultGrade& g) {
    for (int r = 1; r <= clsTResultGrade::Rows; ++r) {
        grade_.BackColorRow(r, CellColor(clsTResultGrade::Back(r)));
        grade_.ForeColorRow(r, g.Blue(r) ? PureBlue : QColor(Qt::black));
        for (int c = 1; c <= clsTResultGrade::Cols; ++c) {
            grade_.Caption(c, r, QString::fromStdString(g.Text(c, r)));
            grade_.Alignment(c, r, clsTResultGrade::RightAligned(c, r) ? 1 : 2);
        }
    }
    grade_.Refresh();
}

void CheckTab::KakuteiChanged(const clsTResultKakutei& k) {
    for (int r = 1; r <= clsTResultKakutei::Rows; ++r) {
        kakutei_.BackColorRow(r, CellColor(clsTResultKakutei::Back(r)));
        for (int c = 1; c <= clsTResultKakutei::Cols; ++c) {
            kakutei_.Caption(c, r, QString::fromStdString(k.Text(c, r)));
            kakutei_.ForeColor(c, r, k.Blue(c, r) ? PureBlue : QColor(Qt::black));
            kakutei_.Alignment(c, r, clsTResultKakutei::RightAligned(c, r) ? 1 : 2);
        }
    }
    kakutei_.Refresh();
}

void CheckTab::MultiResultChanged(const clsTMultiResult& m) {
    for (int r = 2; r <= 12; ++r)
        for (int c = 1; c <= 3; ++c) multi_.Caption(c, r, QString::fromStdString(m.Text(c, r)));
    multi_.Refresh();
}

void CheckTab::CountChanged(const clsTCount& cnt) { count_.Show(cnt); }

void CheckTab::CountVisible(bool visible) {
    picSingleCountR_->setVisible(visible);
    if (visible) picSingleCountR_->raise();
}

void CheckTab::ShowPopup7() {
    if (popup7_) popup7_->popup(QCursor::pos());
}

void CheckTab::PageImageClicked(QObject* image) {
    if (image == imgRMovePrevious_) controller_.MovePrevious();
    else controller_.MoveNext();
}

bool CheckTab::eventFilter(QObject* watched, QEvent* e) {
    if (watched == imgRMovePrevious_ || watched == imgRMoveNext_) {
        auto* me = static_cast<QMouseEvent*>(e);
        if (e->type() == QEvent::MouseButtonDblClick && me->button() == Qt::LeftButton) {
            doubleClicked_ = watched;
            PageImageClicked(watched);
            return true;
        }
        if (e->type() == QEvent::MouseButtonRelease && me->button() == Qt::LeftButton) {
            const bool afterDouble = doubleClicked_ == watched;
            doubleClicked_ = nullptr;
            if (!afterDouble && static_cast<QWidget*>(watched)->rect().contains(me->position().toPoint()))
                PageImageClicked(watched);
            return true;
        }
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace kujimate
