#pragma once
// The owner-drawn grid every table of the program is drawn on: cells with text, colours,
// alignment and pictures; only changed cells are redrawn.
#include <QColor>
#include <QFont>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <vector>

#include "ui/GridGeometry.h"

namespace kujimate {

class clsPictureBox;

class clsGrid : public QObject {
    Q_OBJECT
public:
    explicit clsGrid(QObject* parent = nullptr);
    ~clsGrid() override;

    void Initialize(QWidget* objPictureBox);
    int Width();
    int Height();
    void FontSize(float sngValue);

    int ColWidth(int index) const { return geo_.ColWidth(index); }
    void ColWidth(int index, int value);
    int RowHeight(int index) const { return geo_.RowHeight(index); }
    void RowHeight(int index, int value);

    void ForeColor(int lngCol, int lngRow, const QColor& value);
    void BackColor(int lngCol, int lngRow, const QColor& value);
    void Caption(int lngCol, int lngRow, const QString& value);
    QString Caption(int lngCol, int lngRow) const { return At(lngCol, lngRow).caption; }
    void Alignment(int lngCol, int lngRow, int value);  // 0 left, 1 right, 2 centred

    void SetGridColRow(int lngCol, int lngRow, int lngDefCol, int lngDefRow);
    void ForeColorAll(const QColor& value);
    void ForeColorRow(int lngRow, const QColor& value);
    void BackColorRow(int lngRow, const QColor& value);
    void Refresh();
    void SetColorImage(const QPixmap& objImage, const QColor& lngColor);

    int Cols() const { return geo_.Cols(); }
    int Rows() const { return geo_.Rows(); }
    const GridGeometry& Geometry() const { return geo_; }
    clsPictureBox* Surface() const { return surface_; }
    // The name assistive technology reads for the grid; the host's name when not set.
    void AccessibleName(const QString& name);
    // A click as the mouse would give it (assistive technology's press action).
    void Click(int Button, int Shift, int lngCol, int lngRow) { emit MouseClick(Button, Shift, lngCol, lngRow); }
    // How many cells the last Refresh drew.
    int LastDrawCount() const { return lastDrawCount_; }

signals:
    // Button 1 left, 2 right, 4 middle; Shift 1 + Ctrl 2.
    void MouseClick(int Button, int Shift, int lngCol, int lngRow);

private:
    struct Cell {
        QString caption;
        QColor fore = Qt::black;
        QColor back = Qt::white;
        int alignment = 2;
        bool changed = true;
    };
    Cell& At(int c, int r) { return cells_[static_cast<size_t>((c - 1) * geo_.Rows() + (r - 1))]; }
    const Cell& At(int c, int r) const { return cells_[static_cast<size_t>((c - 1) * geo_.Rows() + (r - 1))]; }
    bool CheckInit(const char* op) const;
    void ApplySize();
    void DrawCell(QPainter& p, int c, int r);
    void MarkColsFrom(int c);
    void MarkRowsFrom(int r);

    bool initialized_ = false;
    QPointer<clsPictureBox> surface_;
    QFont font_;
    GridGeometry geo_;
    std::vector<Cell> cells_;
    std::vector<std::pair<QPixmap, QColor>> images_;
    bool sizeChanged_ = true;
    int lastDrawCount_ = 0;
    Qt::MouseButton pressed_ = Qt::NoButton;
};

}  // namespace kujimate
