#pragma once
// Shaded bars drawn into a picture box: progress bars and the three-part vote bars.
#include <QObject>
#include <QPointer>

namespace kujimate {

class clsPictureBox;

class clsGraph {
public:
    void Initialize(clsPictureBox* objPictureBox);
    void GraphPaint(int lngLeft, int lngTop, int lngWidth, int lngHeight, long lngColor);

    void SetPercentGraph(int lngLeft, int lngTop, int lngWidth, int lngHeight, long ForeColor, long BackColor);
    long Max() const { return max_; }
    // Both redraw only when the bar's filled width on screen changes; true when they did.
    bool Max(long v);
    bool Value(long v);
    long Value() const { return value_; }

    void SetGraph3(int lngLeft, int lngTop, int lngWidth, int lngHeight);
    void SetValue3(double Value1, double Value2, double Value3);

private:
    bool DrawPercent();
    void DrawThree();

    QPointer<clsPictureBox> box_;
    bool initialized_ = false;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    long fore_ = 1, back_ = 0, max_ = 0, value_ = 0;
    double v1_ = 0, v2_ = 0, v3_ = 0;
    int drawnFilled_ = -1;  // pixels of the percent bar last drawn, -1 for none
};

// One bar in a picture box of its own that can be moved, sized and hidden.
class clsGraphEx {
public:
    void Initialize(QWidget* objPictureBox, clsPictureBox* objGraphPic = nullptr);
    void SetGraph3(int lngLeft, int lngTop, int lngWidth, int lngHeight);
    void SetValue3(double v1, double v2, double v3) { graph_.SetValue3(v1, v2, v3); }
    void Visible(bool v);
    clsPictureBox* Box() const { return box_; }

private:
    QPointer<clsPictureBox> box_;
    clsGraph graph_;
};

// The 11 vote bars of the game table.
class clsTGraphEx : public QObject {
    Q_OBJECT
public:
    void Initialize(QWidget* objPictureBox);
    void SetGraph3(int bar, int lngLeft, int lngTop, int lngWidth, int lngHeight);
    void SetValue3(int bar, double v1, double v2, double v3);
    void Visible(int index, bool v);  // index 0..10
    clsGraphEx& Bar(int bar) { return bars_[bar - 1]; }

signals:
    void MouseClick(int bar);

private:
    clsGraphEx bars_[11];
};

// "UserControl" + a random number below 1,000,000 not yet used inside the container.
QString NewControlName(QWidget* container);

}  // namespace kujimate
