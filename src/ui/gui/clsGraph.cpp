#include "ui/gui/clsGraph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>

#include "support/NumberText.h"
#include "support/Report.h"
#include "support/basStandard.h"
#include "ui/gui/clsPictureBox.h"
#include "ui/GraphMath.h"
#include "ui/gui/DisplayScale.h"

namespace kujimate {


QString NewControlName(QWidget* container) {
    for (;;) {
        QString name = QStringLiteral("UserControl") + QString::number(QRandomGenerator::global()->bounded(1000000));
        if (!container || !container->findChild<QWidget*>(name)) return name;
    }
}

void clsGraph::Initialize(clsPictureBox* box) {
    box_ = box;
    initialized_ = true;
}

void clsGraph::GraphPaint(int left, int top, int width, int height, long color) {
    if (!initialized_) {
        ClassMessage("clsGraph", "GraphPaint", "Initialize Err");
        return;
    }
    if (!box_ || width <= 0 || height <= 0) return;
    const Rgb base = GraphBaseColor(color);
    QPainter p(&box_->Canvas());
    const int x = Sx(left), w = Sx(left + width) - x;
    for (int row = 0; row < height; ++row) {
        Rgb c = GraphRowColor(base, row);
        const int y = Sy(top + row), y2 = Sy(top + row + 1);
        p.fillRect(QRect(x, y, w, std::max(1, y2 - y)), QColor(c.r, c.g, c.b));
    }
    p.end();
    box_->update();
}

void clsGraph::SetPercentGraph(int l, int t, int w, int h, long foreColor, long backColor) {
    left_ = l, top_ = t, width_ = w, height_ = h;
    fore_ = foreColor, back_ = backColor;
    drawnFilled_ = -1;
    DrawPercent();
}

bool clsGraph::Max(long v) {
    max_ = v < 0 ? 0 : v;
    value_ = 0;
    return DrawPercent();
}

bool clsGraph::Value(long v) {
    value_ = std::clamp(v, 0L, max_);
    return DrawPercent();
}

// A long loop sets the value a thousand times and more; the bar moves a few hundred pixels.
bool clsGraph::DrawPercent() {
    const int filled = ProgressFilled(width_, max_, value_);
    if (filled < 0) return false;
    const int pixels = Sx(left_ + filled) - Sx(left_);
    if (pixels == drawnFilled_) return false;
    drawnFilled_ = pixels;
    GraphPaint(left_, top_, filled, height_, fore_);
    GraphPaint(left_ + filled, top_, width_ - filled, height_, back_);
    return true;
}

void clsGraph::SetGraph3(int l, int t, int w, int h) {
    left_ = l, top_ = t, width_ = w, height_ = h;
    DrawThree();
}

void clsGraph::SetValue3(double a, double b, double c) {
    v1_ = a, v2_ = b, v3_ = c;
    DrawThree();
}

void clsGraph::DrawThree() {
    const ThreeParts parts = SplitThree(width_, v1_, v2_, v3_);
    if (!parts.any) {
        GraphPaint(left_, top_, width_, height_, 0);
        return;
    }
    GraphPaint(left_, top_, parts.w1, height_, 1);
    GraphPaint(left_ + parts.w1, top_, parts.w2, height_, 2);
    GraphPaint(left_ + parts.w1 + parts.w2, top_, parts.w3, height_, 3);
}

void clsGraphEx::Initialize(QWidget* container, clsPictureBox* pic) {
    box_ = pic ? pic : new clsPictureBox(container);
    if (!pic) box_->setObjectName(NewControlName(container));
    box_->show();
    graph_.Initialize(box_);
}

void clsGraphEx::SetGraph3(int l, int t, int w, int h) {
    if (!box_) return;
    box_->setGeometry(l, t, Sx(w), Sy(h));
    graph_.SetGraph3(0, 0, w, h);
}

void clsGraphEx::Visible(bool v) {
    if (box_) box_->setVisible(v);
}

void clsTGraphEx::Initialize(QWidget* container) {
    for (int i = 0; i < 11; ++i) {
        bars_[i].Initialize(container);
        clsPictureBox* box = bars_[i].Box();
        box->setProperty("Tag", i);
        connect(box, &clsPictureBox::Released, this, [this, box](QMouseEvent* e) {
            if (box->rect().contains(e->position().toPoint())) emit MouseClick(box->property("Tag").toInt() + 1);
        });
    }
}

void clsTGraphEx::SetGraph3(int bar, int l, int t, int w, int h) { bars_[bar - 1].SetGraph3(l, t, w, h); }
void clsTGraphEx::SetValue3(int bar, double a, double b, double c) { bars_[bar - 1].SetValue3(a, b, c); }
void clsTGraphEx::Visible(int index, bool v) { bars_[index].Visible(v); }

}  // namespace kujimate
