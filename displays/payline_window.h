#pragma once

#include "displays/pay_table_columns.h"

#include <QWidget>

namespace quintaro {

// One bet column of the pay table. It paints the pay table's payoffs for its bet and
// nothing else; the header is the widget's window title ("Bet $1" ... "Bet $5"). The pay
// table and the column record are owned by the round flow and must outlive the widget.
class PaylineWindow : public QWidget {
    Q_OBJECT
public:
    PaylineWindow(const PayDisplayData& pay, const PaylineColumn& column, QWidget* parent);

    const PaylineColumn& column() const { return m_column; }

    // Band 0 is the header, band b >= 1 shows line b - 1.
    QRect bandRect(int band) const;

Q_SIGNALS:
    // Any mouse button went down on the column; the round flow decides what it means.
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const PayDisplayData& m_pay;
    const PaylineColumn& m_column;
};

} // namespace quintaro
