#pragma once

#include <QListWidget>
#include <QString>
#include <QStringList>

namespace quintaro {

// A list of names that keeps its one choice: once a row is selected, Ctrl+click,
// Ctrl+Space and a click below the last row, which clear a plain single-selection list,
// leave the selection as it is. Pages act on the selected row, so it must always exist.
class ChoiceList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
};

// The names of a library string: the text up to each comma is the next name, and the
// first empty name ends the list, so a trailing comma adds nothing and two commas in a
// row end the list there.
QStringList listNames(const QString& names);

// The selected row of a single-selection list, or -1 when nothing is selected.
int selectedRow(const QListWidget& list);
// Selects `row`; a row the list does not hold leaves it without a selection.
void selectRow(QListWidget& list, int row);

} // namespace quintaro
