#pragma once
// The dialog in which the user gives a team that no dictionary knows its short name.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace kujimate {

class frmTeamName : public QDialog {
    Q_OBJECT
public:
    explicit frmTeamName(QWidget* owner = nullptr);
    // Modal over the owner, the fields filled with the last name no dictionary knew.
    static void ShowDialog(QWidget* owner);

    QLineEdit* txtMeisho() const { return txtMeisho_; }
    QLineEdit* txtRyakusho() const { return txtRyakusho_; }
    QPushButton* cmdAdd() const { return cmdAdd_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }

private:
    QLineEdit* txtMeisho_;
    QLineEdit* txtRyakusho_;
    QPushButton* cmdAdd_;
    QPushButton* cmdCancel_;
};

}  // namespace kujimate
