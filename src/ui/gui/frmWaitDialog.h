#pragma once
// The small progress window kept in front of its owner during long loops.
#include <QDialog>
#include <cstdint>
#include <memory>

class QLabel;

namespace kujimate {

class clsGraph;
class clsPictureBox;

class frmWaitDialog : public QDialog {
    Q_OBJECT
public:
    explicit frmWaitDialog(QWidget* owner);
    ~frmWaitDialog() override;
    void SetMessage(const QString& text);
    void SetMax(int64_t max);
    void SetValue(int64_t value);
    QString MessageText() const;
    clsPictureBox* GraphArea() const { return picGraph_; }

private:
    QLabel* lblFixed_;
    QLabel* lblMessage_;
    clsPictureBox* picGraph_;
    std::unique_ptr<clsGraph> graph_;
};

}  // namespace kujimate
