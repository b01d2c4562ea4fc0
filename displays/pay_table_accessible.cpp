#include "displays/pay_table_accessible.h"

#include "displays/hand_names_window.h"
#include "displays/payline_window.h"
#include "poker/hand_category.h"

#include <QCoreApplication>

namespace quintaro {

namespace {

// A cell, row header or column header of the pay table. It reads the table live, so it
// never holds a stale payoff; its table deletes it.
class PayTableCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    PayTableCell(PayTableAccessible* table, int row, int column)
        : m_table(table), m_row(row), m_column(column) {}

    bool isValid() const override {
        return m_table->isValid() && m_row < m_table->rowCount() &&
               m_column < m_table->columnCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_table->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return m_table; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? m_table->cellText(m_row, m_column) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return isValid() ? m_table->cellRect(m_row, m_column) : QRect(); }
    QAccessible::Role role() const override {
        if (m_row < 0)
            return QAccessible::ColumnHeader;
        return m_column < 0 ? QAccessible::RowHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !isValid();
        state.selectable = isDataCell();
        state.selected = isDataCell() && isSelected();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface && isDataCell()
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override {
        return m_table->isColumnSelected(m_column) || m_table->isRowSelected(m_row);
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return {m_table->cell(-1, m_column)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        return {m_table->cell(m_row, -1)};
    }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return m_table; }

private:
    bool isDataCell() const { return m_row >= 0 && m_column >= 0; }

    PayTableAccessible* m_table;
    int m_row;
    int m_column;
};

QRect globalRect(const QWidget& widget, const QRect& rect) {
    return {widget.mapToGlobal(rect.topLeft()), rect.size()};
}

} // namespace

PayTableAccessible::PayTableAccessible(HandNamesWindow* names)
    : QAccessibleWidget(names, QAccessible::Table) {}

PayTableAccessible::~PayTableAccessible() {
    for (const auto& [place, id] : m_cells)
        QAccessible::deleteAccessibleInterface(id);
}

HandNamesWindow* PayTableAccessible::names() const {
    return static_cast<HandNamesWindow*>(widget());
}

const PaylineWindow* PayTableAccessible::betColumn(int column) const {
    const QWidget* table = names()->parentWidget();
    if (table == nullptr)
        return nullptr;
    for (const PaylineWindow* window :
         table->findChildren<const PaylineWindow*>(Qt::FindDirectChildrenOnly))
        if (window->column().bet == column + 1)
            return window;
    return nullptr;
}

QString PayTableAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    return QCoreApplication::translate("Screen reader", "%1 pay table")
        .arg(QString::fromStdString(names()->pay().title));
}

QRect PayTableAccessible::rect() const {
    QRect area = globalRect(*names(), names()->rect());
    for (int column = 0; column < columnCount(); ++column)
        if (const PaylineWindow* window = betColumn(column))
            area |= globalRect(*window, window->rect());
    return area;
}

int PayTableAccessible::childCount() const {
    return rowCount() * columnCount();
}

QAccessibleInterface* PayTableAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    return cell(index / columnCount(), index % columnCount());
}

int PayTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    // Only the cells are children; the headers are reached through the cells.
    auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (cell == nullptr || cell->table() != this || !child->isValid())
        return -1;
    return cell->rowIndex() * columnCount() + cell->columnIndex();
}

void* PayTableAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* PayTableAccessible::cell(int row, int column) const {
    const auto place = std::make_pair(row, column);
    if (auto found = m_cells.find(place); found != m_cells.end())
        return QAccessible::accessibleInterface(found->second);
    auto* made = new PayTableCell(const_cast<PayTableAccessible*>(this), row, column);
    m_cells.emplace(place, QAccessible::registerAccessibleInterface(made));
    return made;
}

QAccessibleInterface* PayTableAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return cell(row, column);
}

QString PayTableAccessible::cellText(int row, int column) const {
    if (row < 0)
        return columnDescription(column);
    if (column < 0)
        return rowDescription(row);
    const PaylineWindow* window = betColumn(column);
    return window ? QString::number(names()->pay().payoff(row, window->column().bet)) : QString();
}

QRect PayTableAccessible::cellRect(int row, int column) const {
    if (column < 0)
        return globalRect(*names(), names()->bandRect(row + 1));
    const PaylineWindow* window = betColumn(column);
    return window ? globalRect(*window, window->bandRect(row + 1)) : QRect();
}

int PayTableAccessible::selectedCellCount() const {
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> PayTableAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < columnCount(); ++column)
            if (isRowSelected(row) || isColumnSelected(column))
                cells.append(cell(row, column));
    return cells;
}

QString PayTableAccessible::columnDescription(int column) const {
    const PaylineWindow* window = betColumn(column);
    return window ? window->windowTitle() : QString();
}

QString PayTableAccessible::rowDescription(int row) const {
    if (row < 0 || row >= rowCount())
        return {};
    return QString::fromStdString(
        handCategoryText(names()->pay().categories[static_cast<std::size_t>(row)]));
}

int PayTableAccessible::selectedColumnCount() const {
    return static_cast<int>(selectedColumns().size());
}

int PayTableAccessible::selectedRowCount() const {
    return static_cast<int>(selectedRows().size());
}

int PayTableAccessible::columnCount() const {
    return betCount;
}

int PayTableAccessible::rowCount() const {
    return std::min(names()->pay().lineCount, maxPayLines);
}

QList<int> PayTableAccessible::selectedColumns() const {
    QList<int> columns;
    for (int column = 0; column < columnCount(); ++column)
        if (isColumnSelected(column))
            columns.append(column);
    return columns;
}

QList<int> PayTableAccessible::selectedRows() const {
    QList<int> rows;
    for (int row = 0; row < rowCount(); ++row)
        if (isRowSelected(row))
            rows.append(row);
    return rows;
}

bool PayTableAccessible::isColumnSelected(int column) const {
    const PaylineWindow* window = betColumn(column);
    return window != nullptr && window->column().selected;
}

bool PayTableAccessible::isRowSelected(int row) const {
    return row >= 0 && row < rowCount() && row == names()->column().highlightedLine;
}

void PayTableAccessible::modelChange(QAccessibleTableModelChangeEvent*) {
    // Nothing to refresh: every cell reads the pay table when asked, and a cell past the
    // current line count reports itself invalid.
}

QAccessibleInterface* payTableAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("quintaro::HandNamesWindow"))
        return new PayTableAccessible(static_cast<HandNamesWindow*>(object));
    return nullptr;
}

} // namespace quintaro
