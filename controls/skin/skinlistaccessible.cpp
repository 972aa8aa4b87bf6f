#include "skinlistaccessible.h"

#include "qaccessiblefactory.h"
#include "qrect.h"
#include "skinlistctrl.h"

namespace {

// A column header (row -1) or a cell of the list. It holds no text of its own: every answer is
// read from the list at the moment it is asked.
class SkinListCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    SkinListCell(SkinListAccessible* table, int row, int column)
        : m_table(table), m_row(row), m_column(column) {}

    bool isValid() const override {
        const SkinListModel& model = m_table->List().Model();
        return m_row < model.GetItemCount() && m_column < model.GetColumnCount();
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return m_table; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text type) const override {
        if (type != QAccessible::Name)
            return {};
        const SkinListModel& model = m_table->List().Model();
        return QString::fromStdU16String(m_row < 0 ? model.GetColumnText(m_column)
                                                   : model.GetItemText(m_row, m_column));
    }
    QAccessible::Role role() const override {
        return m_row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (m_row >= 0) {
            state.selectable = true;
            state.selected = isSelected();
        }
        return state;
    }
    QRect rect() const override {
        const CSkinListCtrl& list = m_table->List();
        const SkinListModel& model = list.Model();
        const QRect local =
            ToQRect(m_row < 0 ? model.HeaderItemRect(m_column, SkinListModel::kHeaderHeight)
                              : model.CellRect(m_row, m_column));
        return local.translated(list.mapToGlobal(QPoint(0, 0)));
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface && m_row >= 0
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return m_table->isRowSelected(m_row); }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return {m_table->child(m_column)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return m_table; }

private:
    SkinListAccessible* m_table;
    int m_row;
    int m_column;
};

} // namespace

SkinListAccessible::SkinListAccessible(CSkinListCtrl* list)
    : QAccessibleWidget(list, QAccessible::Table) {}

SkinListAccessible::~SkinListAccessible() {
    ForgetCells();
}

void SkinListAccessible::Install() {
    InstallAccessibleFactory<CSkinListCtrl, SkinListAccessible>();
}

const CSkinListCtrl& SkinListAccessible::List() const {
    return *static_cast<const CSkinListCtrl*>(widget());
}

void* SkinListAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int SkinListAccessible::childCount() const {
    return (rowCount() + 1) * columnCount();
}

QAccessibleInterface* SkinListAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto made = m_cells.constFind(index); made != m_cells.constEnd())
        return QAccessible::accessibleInterface(*made);
    const int columns = columnCount();
    auto* cell = new SkinListCell(const_cast<SkinListAccessible*>(this), index / columns - 1,
                                  index % columns);
    m_cells.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int SkinListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (auto at = m_cells.constBegin(); at != m_cells.constEnd(); ++at) {
        if (QAccessible::accessibleInterface(at.value()) == child)
            return at.key();
    }
    return -1;
}

QAccessibleInterface* SkinListAccessible::childAt(int x, int y) const {
    const QPoint local = List().mapFromGlobal(QPoint(x, y));
    if (!List().rect().contains(local))
        return nullptr;
    if (local.y() < SkinListModel::kHeaderHeight) {
        for (int column = 0; column < columnCount(); ++column) {
            if (ToQRect(List().Model().HeaderItemRect(column, SkinListModel::kHeaderHeight))
                    .contains(local))
                return child(column);
        }
        return nullptr;
    }
    const SkinCell cell = List().Model().CellAt(local.x(), local.y());
    return cell.nRow < 0 ? nullptr : cellAt(cell.nRow, cell.nColumn);
}

QAccessibleInterface* SkinListAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return child((row + 1) * columnCount() + column);
}

int SkinListAccessible::selectedCellCount() const {
    return selectedRowCount() * columnCount();
}

QList<QAccessibleInterface*> SkinListAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (int row : selectedRows()) {
        for (int column = 0; column < columnCount(); ++column)
            cells.append(cellAt(row, column));
    }
    return cells;
}

QString SkinListAccessible::columnDescription(int column) const {
    return QString::fromStdU16String(List().Model().GetColumnText(column));
}

int SkinListAccessible::selectedRowCount() const {
    return static_cast<int>(selectedRows().size());
}

int SkinListAccessible::columnCount() const {
    return List().Model().GetColumnCount();
}

int SkinListAccessible::rowCount() const {
    return List().Model().GetItemCount();
}

QList<int> SkinListAccessible::selectedRows() const {
    QList<int> rows;
    for (int row = 0; row < rowCount(); ++row) {
        if (isRowSelected(row))
            rows.append(row);
    }
    return rows;
}

bool SkinListAccessible::isRowSelected(int row) const {
    return row >= 0 && List().Model().GetItemState(row, SkinListModel::kStateSelected) != 0;
}

void SkinListAccessible::modelChange(QAccessibleTableModelChangeEvent*) {
    ForgetCells();
}

void SkinListAccessible::ForgetCells() {
    for (QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
}
