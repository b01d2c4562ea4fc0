#pragma once

#include <QAccessibleWidget>

namespace quintaro {

class TableWindow;

// The table's client area as a screen reader walks it: the five cards left to right, the
// Deal button, the pay table, the Win and Balance figures, the status box and the
// announcement, which carries what the table says aloud. The figures and the announcement
// are drawn, not widgets: they live here, made only once an assistive technology asks.
class TableClientAccessible : public QAccessibleWidget {
public:
    explicit TableClientAccessible(TableWindow& table);
    ~TableClientAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QAccessibleInterface* winFigure() const;
    QAccessibleInterface* balanceFigure() const;
    QAccessibleInterface* announcement() const;

private:
    QList<QAccessibleInterface*> parts() const;

    TableWindow& m_table;
    QAccessible::Id m_win;
    QAccessible::Id m_balance;
    QAccessible::Id m_announcement;
};

// Installs the factories of every accessible part of the table, once per process.
void installTableAccessibility();

} // namespace quintaro
