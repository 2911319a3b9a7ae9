#include "views/gui/clsTSingleDraw.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <mutex>

#include "singles/clsTNumber.h"
#include "support/Report.h"
#include "support/basStandard.h"
#include "ui/gui/clsClickLabel.h"
#include "ui/gui/clsPictureBox.h"
#include "ui/gui/clsGraph.h"
#include "ui/gui/DisplayScale.h"

namespace kujimate {

namespace {

const QColor LineColor(245, 80, 165);
const QColor TintedCard(253, 214, 201);
// Display order of the marks in a row: 1, 0, 2.
int Position(int code) { return code == 1 ? 0 : code == 0 ? 1 : 2; }

class CardMarkAccessible : public QAccessibleWidget {
public:
    explicit CardMarkAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<CardMark*>(widget())->AccessibleText() : QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        auto* m = static_cast<CardMark*>(widget());
        if (name == pressAction()) emit m->Pressed(m->Tag(), 1);
    }
};

QAccessibleInterface* MarkFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("kujimate::CardMark") && object && object->isWidgetType())
        return new CardMarkAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

CardMark::CardMark(QWidget* parent, int tag) : QWidget(parent), tag_(tag) {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(MarkFactory); });
    setFocusPolicy(Qt::NoFocus);
}

void CardMark::SetPicture(const QPixmap* picture) {
    if (picture_ == picture) return;
    picture_ = picture;
    update();
}

QString CardMark::AccessibleText() const {
    const int code = (tag_ % 1000) / 100;
    const int match = tag_ % 100;
    // An empty card goes by its slot's number, which no shown single of a later page has.
    QString number = label_ ? label_->text() : QString();
    if (number.isEmpty()) number = QString::number(tag_ / 1000 + 1);
    return number + QStringLiteral(" 第") + QString::number(match + 1) +
           QStringLiteral("試合 ") + QString::number(code);
}

void CardMark::paintEvent(QPaintEvent*) {
    if (!picture_) return;
    QPainter p(this);
    p.drawPixmap(0, 0, *picture_);
}

void CardMark::mousePressEvent(QMouseEvent* e) {
    const int button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : 4;
    emit Pressed(tag_, button);
}

// A double click is one press: its second press would add or change once more.
void CardMark::mouseDoubleClickEvent(QMouseEvent* e) { e->accept(); }

clsTSingleDraw::clsTSingleDraw(QObject* parent) : QObject(parent) {
    for (auto& s : drawn_) s.fill(NoCode);
}

int clsTSingleDraw::GetSy(int lngValue) { return SyFloor(lngValue); }

void clsTSingleDraw::SetImage(int lngNo, int lngMark, const QPixmap& objImage) {
    if (lngNo < 0 || lngNo > 2 || lngMark < 0 || lngMark > 1) return;
    images_[static_cast<size_t>(lngNo)][static_cast<size_t>(lngMark)] = objImage;
}

QLabel* clsTSingleDraw::NumberLabel(int slot) const { return labels_[static_cast<size_t>(slot)]; }

void clsTSingleDraw::Initialize(clsPictureBox* area) {
    area_ = area;
    numberRow_ = GetSy(21);
    matchRow_ = GetSy(26);
    const int h = matchRow_;
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic")});
    font.setPointSize(12);
    for (int s = 0; s < Slots; ++s) {
        auto* label = new clsClickLabel(area);
        labels_[static_cast<size_t>(s)] = label;
        label->setObjectName(NewControlName(area));
        label->setProperty("Tag", s);
        label->DoubleClickCounts(false);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        label->setText(QString::number(s + 1));
        label->setGeometry(SxFloor(SlotWidth * s + 2), (numberRow_ - 16) / 2 + 1, SxFloor(50), 16);
        SetNo(s, s + 1, false);
        connect(label, &clsClickLabel::Clicked, this, [this, s] { emit NoClick(s); });
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < Matches; ++k) {
                auto* m = new CardMark(area, s * 1000 + c * 100 + k);
                m->setObjectName(NewControlName(area));
                m->SetNumberLabel(label);
                m->SetPicture(&images_[static_cast<size_t>(c)][0]);
                const QPixmap& pic = images_[static_cast<size_t>(c)][0];
                m->setGeometry(SxFloor(SlotWidth * s + 6 + 16 * Position(c)), GetSy(24) + k * h + k,
                               pic.isNull() ? 13 : pic.width(), pic.isNull() ? 21 : pic.height());
                connect(m, &CardMark::Pressed, this, [this](int tag, int button) {
                    emit MouseDown(tag / 1000, (tag % 1000) / 100, tag % 100, button);
                });
                marks_[static_cast<size_t>(s)][static_cast<size_t>(c)][static_cast<size_t>(k)] = m;
            }
    }
    for (auto& s : drawn_) s.fill(NoCode);
    area->resize(SxFloor(SlotWidth * Slots + 2), GetSy(23) + 11 * h + 11);
    DrawArea();
    for (clsClickLabel* l : labels_) l->raise();
}

void clsTSingleDraw::DrawArea() {
    QPixmap& canvas = area_->Canvas();
    const int w = canvas.width(), ht = canvas.height();
    const int h = matchRow_;
    QPainter p(&canvas);
    p.fillRect(0, 0, w, ht, Qt::white);
    const int bottom = numberRow_ + 11 * h + 11;
    for (int s = 0; s < Slots; ++s)
        p.fillRect(QRect(QPoint(SxFloor(SlotWidth * s), 21), QPoint(SxFloor(SlotWidth * s + SlotWidth), bottom)),
                   s % 2 == 1 ? QColor(Qt::white) : TintedCard);
    p.setPen(QPen(LineColor, 1));
    for (int s = 1; s < Slots; ++s) p.drawLine(SxFloor(SlotWidth * s), 0, SxFloor(SlotWidth * s), ht - 1);
    for (int k : {3, 6, 9}) p.drawLine(0, numberRow_ + k * h + k, w - 1, numberRow_ + k * h + k);
    p.fillRect(0, numberRow_, w, 2, LineColor);
    // The frame: 3 pixels wide, centred on the rectangle from (0, 0) to (width - 1, height - 1).
    p.setPen(QPen(LineColor, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(0, 0, w - 1, ht - 1);
    p.end();
    area_->update();
}

void clsTSingleDraw::SetNo(int slot, int32_t lngValue, bool blnSelect) {
    if (slot < 0 || slot >= Slots || !labels_[static_cast<size_t>(slot)]) {
        ClassFailure("clsTSingleDraw", "SetNo_Sub", "Subscript out of range", 9);
        return;
    }
    clsClickLabel* l = labels_[static_cast<size_t>(slot)];
    const QString text = lngValue < 0 ? QString() : QString::number(lngValue);
    if (l->text() != text) l->setText(text);
    QPalette pal = l->palette();
    const QColor fore = blnSelect ? Qt::white : Qt::black;
    const QColor back = blnSelect ? Qt::black : Qt::white;
    if (pal.color(QPalette::WindowText) != fore || pal.color(QPalette::Window) != back) {
        pal.setColor(QPalette::WindowText, fore);
        pal.setColor(QPalette::Window, back);
        l->setPalette(pal);
    }
    l->setAccessibleDescription(blnSelect ? QStringLiteral("選択") : QString());
}

void clsTSingleDraw::SetMark(int slot, int32_t lngValue) {
    lastChanges_ = 0;
    if (slot < 0 || slot >= Slots) return;
    uint8_t d[SingleGames];
    if (lngValue < 0 || !IsSingleNumber(lngValue)) std::fill(std::begin(d), std::end(d), NoCode);
    else UnpackSingle(lngValue, d);
    auto& drawn = drawn_[static_cast<size_t>(slot)];
    for (int k = 0; k < Matches; ++k) {
        const uint8_t now = d[k];
        if (now == drawn[static_cast<size_t>(k)]) continue;
        const uint8_t old = drawn[static_cast<size_t>(k)];
        if (old != NoCode)
            marks_[static_cast<size_t>(slot)][old][static_cast<size_t>(k)]->SetPicture(&images_[old][0]);
        if (now != NoCode)
            marks_[static_cast<size_t>(slot)][now][static_cast<size_t>(k)]->SetPicture(&images_[now][1]);
        drawn[static_cast<size_t>(k)] = now;
        ++lastChanges_;
    }
}

}  // namespace kujimate
