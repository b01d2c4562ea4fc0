#pragma once

#include "displays/pay_table_columns.h"

#include <QWidget>

namespace quintaro {

// One bet column of the pay table. It paints the column record it is given and nothing
// else; the header is the widget's window title ("Bet $1" ... "Bet $5"). The record is
// owned by the round flow and must outlive the widget.
class PaylineWindow : public QWidget {
    Q_OBJECT
public:
    PaylineWindow(const PaylineColumn& column, QWidget* parent);

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
    const PaylineColumn& m_column;
};

} // namespace quintaro
