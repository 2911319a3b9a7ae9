#pragma once
// Splash window shown while the main window loads.
#include <QWidget>

namespace kujimate {

class frmLoad : public QWidget {
    Q_OBJECT
public:
    frmLoad();
    QString NoticeText() const;

protected:
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace kujimate
