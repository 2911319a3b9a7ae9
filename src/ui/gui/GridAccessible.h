#pragma once
// Grids read by assistive technology as tables: one cell per grid cell, named by the text
// drawn in it, with its screen rectangle and a press action that clicks it.
#include <QAccessibleWidget>
#include <QPointer>
#include <map>
#include <utility>

namespace kujimate {

class clsGrid;

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    GridAccessible(QWidget* surface, clsGrid* grid);
    ~GridAccessible() override;

    void* interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override;
    int rowCount() const override;
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    clsGrid* Grid() const { return grid_; }

private:
    QPointer<clsGrid> grid_;
    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;  // (row, column), 0-based
};

// Installs the factory that gives grid surfaces their table (once per program).
void InstallGridAccessibility();

}  // namespace kujimate
