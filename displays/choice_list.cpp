#include "displays/choice_list.h"

namespace quintaro {

QItemSelectionModel::SelectionFlags ChoiceList::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (!index.isValid() || command.testFlag(QItemSelectionModel::Deselect) ||
        command.testFlag(QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return command;
}

QStringList listNames(const QString& names) {
    QStringList list;
    for (const QString& name : names.split(u','))
        if (name.isEmpty())
            break;
        else
            list << name;
    return list;
}

int selectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.first());
}

void selectRow(QListWidget& list, int row) {
    list.clearSelection();
    if (row < 0 || row >= list.count())
        return;
    list.setCurrentRow(row);
    // A list that is not shown yet does not follow its current row by itself.
    list.scrollToItem(list.item(row));
}

} // namespace quintaro
