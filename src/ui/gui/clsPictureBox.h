#pragma once
// A drawing surface that keeps its picture between repaints.
#include <QPixmap>
#include <QWidget>

namespace kujimate {

class clsPictureBox : public QWidget {
    Q_OBJECT
public:
    explicit clsPictureBox(QWidget* parent = nullptr);
    // The kept picture, as large as the box; drawing into it shows at the next repaint.
    QPixmap& Canvas();
    // The kept picture as it stands (for tests and screenshots).
    QImage Snapshot() const { return canvas_.toImage(); }

signals:
    void Pressed(QMouseEvent* e);
    void Released(QMouseEvent* e);
    void DoubleClicked(QMouseEvent* e);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override { emit Pressed(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { emit Released(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { emit DoubleClicked(e); }

private:
    QPixmap canvas_;
};

}  // namespace kujimate
