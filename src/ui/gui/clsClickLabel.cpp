#include "ui/gui/clsClickLabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <mutex>

namespace kujimate {

namespace {

class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? static_cast<QLabel*>(widget())->text() : name;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && widget()->isEnabled()) emit static_cast<clsClickLabel*>(widget())->Clicked();
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("kujimate::clsClickLabel") && object && object->isWidgetType())
        return new ClickLabelAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

clsClickLabel::clsClickLabel(QWidget* parent) : QLabel(parent) {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(Factory); });
}

void clsClickLabel::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    QLabel::mousePressEvent(e);
}

void clsClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(e);
    if (click) emit Clicked();
}

// The base class would take the second press for a press of its own: not handed on.
void clsClickLabel::mouseDoubleClickEvent(QMouseEvent* e) {
    pressed_ = doubleCounts_ && e->button() == Qt::LeftButton;
    e->accept();
}

}  // namespace kujimate
