#pragma once
// The ten single cards of a page drawn like marked tickets: a number at the top of each
// card and, per match, the marks 1, 0, 2 with the single's outcome filled in.
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>

#include <QLabel>

namespace kujimate {

class clsPictureBox;
class clsClickLabel;
class CardMark;

class clsTSingleDraw : public QObject {
    Q_OBJECT
public:
    static constexpr int Slots = 10;
    static constexpr int SlotWidth = 53;
    static constexpr int Matches = 11;
    static constexpr uint8_t NoCode = 255;

    explicit clsTSingleDraw(QObject* parent = nullptr);

    // Look 0 normal, 1 marked; before Initialize.
    void SetImage(int lngNo, int lngMark, const QPixmap& objImage);
    void Initialize(clsPictureBox* objPictureBox);
    void SetNo(int slot, int32_t lngValue, bool blnSelect);
    void SetMark(int slot, int32_t lngValue);
    static int GetSy(int lngValue);

    int NumberRowHeight() const { return numberRow_; }
    int MatchRowHeight() const { return matchRow_; }
    QLabel* NumberLabel(int slot) const;
    CardMark* Mark(int slot, int code, int match) const { return marks_[slot][code][match]; }
    uint8_t DrawnCode(int slot, int match) const { return drawn_[slot][match]; }
    // How many marks the last SetMark changed.
    int LastMarkChanges() const { return lastChanges_; }

signals:
    void NoClick(int slot);
    void MouseDown(int slot, int code, int match, int button);

private:
    void DrawArea();

    QPointer<clsPictureBox> area_;
    std::array<std::array<QPixmap, 2>, 3> images_;
    std::array<clsClickLabel*, Slots> labels_{};
    std::array<std::array<std::array<CardMark*, Matches>, 3>, Slots> marks_{};
    std::array<std::array<uint8_t, Matches>, Slots> drawn_{};
    int numberRow_ = 21;
    int matchRow_ = 26;
    int lastChanges_ = 0;
};

// One mark image; its tag is slot × 1000 + code × 100 + match.
class CardMark : public QWidget {
    Q_OBJECT
public:
    CardMark(QWidget* parent, int tag);
    int Tag() const { return tag_; }
    void SetPicture(const QPixmap* picture);
    // Read by assistive technology: "<card number> 第<match>試合 <1|0|2>".
    QString AccessibleText() const;
    void SetNumberLabel(QLabel* label) { label_ = label; }

signals:
    void Pressed(int tag, int button);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    int tag_;
    const QPixmap* picture_ = nullptr;
    QPointer<QLabel> label_;
};

}  // namespace kujimate
