#pragma once
// A label that reports clicks (press and release of the left button over it, or a double
// click), and offers assistive technology a press action that does the same.
#include <QLabel>

namespace kujimate {

class clsClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit clsClickLabel(QWidget* parent = nullptr);
    // Whether the second press of a double click is a click too (page arrows) or not
    // (number labels, which would otherwise flip back).
    void DoubleClickCounts(bool v) { doubleCounts_ = v; }

signals:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    bool pressed_ = false;
    bool doubleCounts_ = true;
};

}  // namespace kujimate
