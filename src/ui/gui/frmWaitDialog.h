#pragma once
// The small progress window kept in front of its owner during long loops.
#include <QDialog>
#include <cstdint>

class QLabel;

namespace kujimate {

class frmWaitDialog : public QDialog {
    Q_OBJECT
public:
    explicit frmWaitDialog(QWidget* owner);
    void SetMessage(const QString& text);
    void SetMax(int64_t max);
    void SetValue(int64_t value);
    QString MessageText() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QLabel* lblFixed_;
    QLabel* lblMessage_;
    int64_t max_ = 0;
    int64_t value_ = 0;
};

}  // namespace kujimate
