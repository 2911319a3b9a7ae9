#pragma once
// The dialog in which the user types one single as its eleven outcome digits.
#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace kujimate {

class frmNumbers : public QDialog {
    Q_OBJECT
public:
    explicit frmNumbers(QWidget* owner = nullptr);
    // Modal over the owner; the accepted digits, or empty when cancelled or closed.
    static std::string ShowDialog(QWidget* ownerForm);

    QLineEdit* txtNumber() const { return txtNumber_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }
    std::string Digits() const { return digits_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void OkClick();

    QLineEdit* txtNumber_;
    QPushButton* cmdOK_;
    QPushButton* cmdCancel_;
    std::string digits_;
};

}  // namespace kujimate
