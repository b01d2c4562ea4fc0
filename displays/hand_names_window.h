#pragma once

#include "displays/pay_table_columns.h"

#include <QWidget>

namespace quintaro {

// The hand-name column left of the bet columns: the game's title and the name of each
// line's hand category. It has no background of its own, so the table shows through.
// The pay table and the column record are owned by the round flow and must outlive the
// widget. Tab reaches it from the keyboard, so a screen reader lands on the pay table; a
// click never focuses it.
class HandNamesWindow : public QWidget {
    Q_OBJECT
public:
    HandNamesWindow(const PayDisplayData& pay, const HandNamesColumn& column, QWidget* parent);

    const HandNamesColumn& column() const { return m_column; }
    const PayDisplayData& pay() const { return m_pay; }

    QRect bandRect(int band) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PayDisplayData& m_pay;
    const HandNamesColumn& m_column;
};

} // namespace quintaro
