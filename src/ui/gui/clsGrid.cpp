#include "ui/gui/clsGrid.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "support/NumberText.h"
#include "support/Report.h"
#include "support/basStandard.h"
#include "ui/gui/GridAccessible.h"
#include "ui/gui/clsPictureBox.h"

namespace kujimate {

namespace {
QFont GridFont(float points) {
    QFont f;
    f.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                   QStringLiteral("IPAゴシック")});
    f.setPointSizeF(points);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}
}  // namespace

clsGrid::clsGrid(QObject* parent) : QObject(parent), font_(GridFont(9)) {}
clsGrid::~clsGrid() = default;

bool clsGrid::CheckInit(const char* op) const {
    if (initialized_) return true;
    ClassMessage("clsGrid", op, "Initialize Err");
    return false;
}

void clsGrid::Initialize(QWidget* host) {
    surface_ = new clsPictureBox(host);
    surface_->setObjectName(QStringLiteral("GridSurface"));
    surface_->setProperty("kujimateGrid", QVariant::fromValue<QObject*>(this));
    InstallGridAccessibility();
    surface_->move(0, 0);
    surface_->show();
    connect(surface_, &clsPictureBox::Pressed, this, [this](QMouseEvent* e) { pressed_ = e->button(); });
    connect(surface_, &clsPictureBox::DoubleClicked, this, [this](QMouseEvent*) { pressed_ = Qt::NoButton; });
    connect(surface_, &clsPictureBox::Released, this, [this](QMouseEvent* e) {
        const bool same = e->button() == pressed_;
        pressed_ = Qt::NoButton;
        const QPoint pt = e->position().toPoint();
        if (!same || !surface_->rect().contains(pt)) return;
        int button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : 4;
        int shift = (e->modifiers() & Qt::ShiftModifier ? 1 : 0) + (e->modifiers() & Qt::ControlModifier ? 2 : 0);
        emit MouseClick(button, shift, geo_.ColAt(pt.x()), geo_.RowAt(pt.y()));
    });
    initialized_ = true;
    SetGridColRow(1, 1, 30, 20);
}

void clsGrid::AccessibleName(const QString& name) {
    if (surface_) surface_->setAccessibleName(name);
}

int clsGrid::Width() {
    if (!CheckInit("Width")) return 0;
    ApplySize();
    return surface_->width();
}

int clsGrid::Height() {
    if (!CheckInit("Height")) return 0;
    ApplySize();
    return surface_->height();
}

void clsGrid::FontSize(float sngValue) {
    if (!CheckInit("FontSize")) return;
    font_.setPointSizeF(sngValue);
}

void clsGrid::MarkColsFrom(int c) {
    for (int cc = c; cc <= geo_.Cols(); ++cc)
        for (int r = 1; r <= geo_.Rows(); ++r) At(cc, r).changed = true;
}

void clsGrid::MarkRowsFrom(int r) {
    for (int c = 1; c <= geo_.Cols(); ++c)
        for (int rr = r; rr <= geo_.Rows(); ++rr) At(c, rr).changed = true;
}

void clsGrid::ColWidth(int index, int value) {
    geo_.SetColWidth(index, value);
    MarkColsFrom(index);
    sizeChanged_ = true;
}

void clsGrid::RowHeight(int index, int value) {
    geo_.SetRowHeight(index, value);
    MarkRowsFrom(index);
    sizeChanged_ = true;
}

void clsGrid::ForeColor(int c, int r, const QColor& v) {
    Cell& cell = At(c, r);
    if (cell.fore.rgba() != v.rgba()) { cell.fore = v; cell.changed = true; }
}

void clsGrid::BackColor(int c, int r, const QColor& v) {
    Cell& cell = At(c, r);
    if (cell.back.rgba() != v.rgba()) { cell.back = v; cell.changed = true; }
}

void clsGrid::Caption(int c, int r, const QString& v) {
    Cell& cell = At(c, r);
    if (cell.caption != v) { cell.caption = v; cell.changed = true; }
}

void clsGrid::Alignment(int c, int r, int v) {
    Cell& cell = At(c, r);
    if (cell.alignment != v) { cell.alignment = v; cell.changed = true; }
}

void clsGrid::SetGridColRow(int lngCol, int lngRow, int lngDefCol, int lngDefRow) {
    const int w = static_cast<int>(RoundHalfEven(DpiPixelX(lngDefCol)));
    const int h = static_cast<int>(RoundHalfEven(DpiPixelY(lngDefRow)));
    geo_.Reset(lngCol, lngRow, w, h);
    cells_.assign(static_cast<size_t>(std::max(lngCol, 0)) * static_cast<size_t>(std::max(lngRow, 0)), Cell{});
    sizeChanged_ = true;
}

void clsGrid::ForeColorAll(const QColor& v) {
    for (int c = 1; c <= geo_.Cols(); ++c)
        for (int r = 1; r <= geo_.Rows(); ++r) ForeColor(c, r, v);
}

void clsGrid::ForeColorRow(int r, const QColor& v) {
    for (int c = 1; c <= geo_.Cols(); ++c) ForeColor(c, r, v);
}

void clsGrid::BackColorRow(int r, const QColor& v) {
    for (int c = 1; c <= geo_.Cols(); ++c) BackColor(c, r, v);
}

void clsGrid::SetColorImage(const QPixmap& objImage, const QColor& lngColor) { images_.emplace_back(objImage, lngColor); }

void clsGrid::ApplySize() {
    if (!sizeChanged_ || !surface_) return;
    sizeChanged_ = false;
    surface_->resize(geo_.SurfaceWidth(), geo_.SurfaceHeight());
}

void clsGrid::DrawCell(QPainter& p, int c, int r) {
    const int w = geo_.ColWidth(c);
    if (w == 0) return;
    const int h = geo_.RowHeight(r);
    const CellRect rc = geo_.Cell(c, r);
    const Cell& cell = At(c, r);
    p.fillRect(QRect(rc.x1, rc.y1, w + 1, h + 1), cell.back);
    p.setPen(QPen(QColor(192, 192, 192), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(rc.x1, rc.y1, w + 1, h + 1));

    const int W = (w >= 2 ? w - 1 : 1) + 1;
    const int H = (h >= 2 ? h - 1 : 1) + 1;
    QPixmap buffer(W, H);
    const std::pair<QPixmap, QColor>* picture = nullptr;
    for (const auto& im : images_)
        if (im.second.rgba() == cell.back.rgba()) { picture = &im; break; }
    buffer.fill(picture ? QColor(Qt::white) : cell.back);
    QPainter b(&buffer);
    if (picture) b.drawPixmap((W - picture->first.width()) / 2, (H - picture->first.height()) / 2, picture->first);
    if (!cell.caption.isEmpty()) {
        b.setFont(font_);
        b.setPen(cell.fore);
        QFontMetrics fm(font_);
        const int tw = fm.horizontalAdvance(cell.caption);
        const int th = fm.height();
        int x = cell.alignment == 0 ? 2 : cell.alignment == 1 ? W - tw - 2 : (W - tw) / 2;
        int y = (H - th) / 2;
        b.drawText(QRect(x, y, tw, th), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, cell.caption);
    }
    b.end();
    p.drawPixmap(rc.x1 + 1, rc.y1 + 1, buffer);
}

void clsGrid::Refresh() {
    if (!initialized_) return;
    ApplySize();
    int drawn = 0;
    QPainter p(&surface_->Canvas());
    for (int c = 1; c <= geo_.Cols(); ++c)
        for (int r = 1; r <= geo_.Rows(); ++r) {
            Cell& cell = At(c, r);
            if (!cell.changed) continue;
            cell.changed = false;
            DrawCell(p, c, r);
            ++drawn;
        }
    p.end();
    lastDrawCount_ = drawn;
    if (drawn) surface_->update();
}

}  // namespace kujimate
