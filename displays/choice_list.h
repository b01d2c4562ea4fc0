#pragma once

#include <QListWidget>

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

} // namespace quintaro
