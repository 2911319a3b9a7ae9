#include "ui/gui/GridAccessible.h"

#include <mutex>

#include "ui/gui/clsGrid.h"
#include "ui/gui/clsPictureBox.h"

namespace kujimate {

namespace {

class GridCellAccessible : public QAccessibleInterface,
                           public QAccessibleTableCellInterface,
                           public QAccessibleActionInterface {
public:
    GridCellAccessible(GridAccessible* table, int row, int column) : table_(table), row_(row), column_(column) {}

    bool isValid() const override {
        const clsGrid* g = Grid();
        return g && g->Surface() && column_ < g->Cols() && row_ < g->Rows();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }
    QAccessibleInterface* parent() const override { return table_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) return {};
        return Grid()->Caption(column_ + 1, row_ + 1).trimmed();
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const clsGrid* g = Grid();
        const CellRect rc = g->Geometry().Cell(column_ + 1, row_ + 1);
        const QPoint topLeft = g->Surface()->mapToGlobal(QPoint(rc.x1, rc.y1));
        return QRect(topLeft, QSize(rc.x2 - rc.x1 + 1, rc.y2 - rc.y1 + 1));
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const clsGrid* g = Grid();
        s.invisible = !isValid() || !g->Surface()->isVisible() || g->ColWidth(column_ + 1) == 0;
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return table_; }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override {
        // A left click on the cell, as the mouse gives it.
        if (name == pressAction() && isValid()) Grid()->Click(1, 0, column_ + 1, row_ + 1);
    }

private:
    clsGrid* Grid() const { return table_->Grid(); }
    GridAccessible* table_;
    int row_, column_;
};

QAccessibleInterface* GridFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("kujimate::clsPictureBox") || !object || !object->isWidgetType()) return nullptr;
    auto* grid = qobject_cast<clsGrid*>(object->property("kujimateGrid").value<QObject*>());
    if (!grid) return nullptr;
    return new GridAccessible(static_cast<QWidget*>(object), grid);
}

}  // namespace

GridAccessible::GridAccessible(QWidget* surface, clsGrid* grid) : QAccessibleWidget(surface, QAccessible::Table), grid_(grid) {}

GridAccessible::~GridAccessible() {
    for (const auto& [key, id] : cells_) QAccessible::deleteAccessibleInterface(id);
}

void* GridAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString GridAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && grid_) {
        const QString name = widget()->accessibleName();
        if (!name.isEmpty()) return name;
        if (widget()->parentWidget()) return widget()->parentWidget()->objectName();
    }
    return QAccessibleWidget::text(t);
}

int GridAccessible::columnCount() const { return grid_ ? grid_->Cols() : 0; }
int GridAccessible::rowCount() const { return grid_ ? grid_->Rows() : 0; }
int GridAccessible::childCount() const { return columnCount() * rowCount(); }

QAccessibleInterface* GridAccessible::cellAt(int row, int column) const {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
    auto it = cells_.find({row, column});
    if (it == cells_.end()) {
        auto* cell = new GridCellAccessible(const_cast<GridAccessible*>(this), row, column);
        it = cells_.emplace(std::make_pair(row, column), QAccessible::registerAccessibleInterface(cell)).first;
    }
    return QAccessible::accessibleInterface(it->second);
}

QAccessibleInterface* GridAccessible::child(int index) const {
    const int cols = columnCount();
    if (cols <= 0 || index < 0) return nullptr;
    return cellAt(index / cols, index % cols);
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child || child->parent() != this) return -1;
    auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    return cell ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
}

QAccessibleInterface* GridAccessible::childAt(int x, int y) const {
    if (!grid_ || !grid_->Surface()) return nullptr;
    const QPoint p = grid_->Surface()->mapFromGlobal(QPoint(x, y));
    if (!grid_->Surface()->rect().contains(p)) return nullptr;
    return cellAt(grid_->Geometry().RowAt(p.y()) - 1, grid_->Geometry().ColAt(p.x()) - 1);
}

void InstallGridAccessibility() {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(GridFactory); });
}

}  // namespace kujimate
