#pragma once

#include <QAccessibleWidget>
#include <QHash>

class CSkinListCtrl;

// What a screen reader is offered of the results list: a table whose children are the column
// headers, then the cells row by row, each with the whole text the list holds (a cell cut to fit
// on screen reads whole). A selected row reads as selected. The list reports a refill with a
// table-model change (after which the cells are made afresh) and a click with a selection event.
class SkinListAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit SkinListAccessible(CSkinListCtrl* list);
    ~SkinListAccessible() override;

    // Makes every CSkinListCtrl answer with this interface; once per program is enough.
    static void Install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    // The selection is the calculation's to make: a reader can read it, not move it.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    const CSkinListCtrl& List() const;

private:
    // Drops every cell made so far; the next question makes them from the list as it is now.
    void ForgetCells();

    mutable QHash<int, QAccessible::Id> m_cells; // by child index
};
