#pragma once

#include <QAccessibleWidget>

#include <array>
#include <map>

namespace quintaro {

class HandNamesWindow;
class PaylineWindow;

// The pay table as one table for a screen reader, carried by the hand-name column: a row
// per pay line headed by its hand name, a column per bet headed "Bet $1" to "Bet $5", the
// payoffs in the cells. The chosen bet's column and the highlighted line are selected.
// The bet columns are the hand-name column's sibling windows.
class PayTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit PayTableAccessible(HandNamesWindow* names);
    ~PayTableAccessible() override;

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    // The selection follows the bet and the hand: a screen reader cannot change it here.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // Row -1 is the column headers' row, column -1 the row headers' column.
    QAccessibleInterface* cell(int row, int column) const;
    QString cellText(int row, int column) const;
    QRect cellRect(int row, int column) const;

private:
    HandNamesWindow* names() const;
    // The bet column's window, or nullptr once the table has gone.
    const PaylineWindow* betColumn(int column) const;

    // The cells made so far, by (row, column); the cache owns them, this table deletes them.
    mutable std::map<std::pair<int, int>, QAccessible::Id> m_cells;
};

// For QAccessible::installFactory: a PayTableAccessible for each hand-name column.
QAccessibleInterface* payTableAccessibleFactory(const QString& className, QObject* object);

} // namespace quintaro
