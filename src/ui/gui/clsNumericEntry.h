#pragma once
// Digits-only entry with a spin control: 0..max, Up/Down step by one, Page Up/Down jump
// to the limits, leading zeros dropped; empty text is allowed and means "no number".
#include <QLineEdit>
#include <QWidget>

class QToolButton;

namespace kujimate {

class clsNumericEntry : public QObject {
    Q_OBJECT
public:
    // Binds the behaviour to box and puts the spin control beside it inside spinParent.
    clsNumericEntry(QLineEdit* box, QWidget* spinParent, int min, int max);
    QWidget* Spin() const { return spin_; }
    void Step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Normalize();
    QLineEdit* box_;
    QWidget* spin_;
    int min_, max_;
    bool normalizing_ = false;
};

}  // namespace kujimate
