#include "displays/choice_list.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStyle>

#include <algorithm>

namespace quintaro {

ChoiceList::ChoiceList(QWidget* parent) : QListWidget(parent) {
    // Every row is one line of the list's font: the first row's height measures them all.
    setUniformItemSizes(true);
}

void ChoiceList::rowsInserted(const QModelIndex& parent, int start, int end) {
    QListWidget::rowsInserted(parent, start, end);
    fitWholeRows();
}

void ChoiceList::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    fitWholeRows();
}

void ChoiceList::changeEvent(QEvent* event) {
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitWholeRows();
}

// A fitted height fits again unchanged, so the resize this makes ends the recursion.
void ChoiceList::fitWholeRows() {
    const int row = sizeHintForRow(0);
    if (row <= 0)
        return;
    const int frame = 2 * frameWidth();
    const int rows = std::max((height() - frame) / row, 1);
    if (frame + rows * row != height())
        resize(width(), frame + rows * row);
}

int ChoiceList::neededWidth() const {
    int widest = 0;
    for (int row = 0; row < count(); ++row)
        widest = std::max(widest, fontMetrics().horizontalAdvance(item(row)->text()));
    // A row's text keeps the focus frame's margin and one pixel more on either side.
    const int textMargin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int rowHeight = sizeHintForRow(0);
    const bool scrolls = rowHeight > 0 && count() * rowHeight > height() - 2 * frameWidth();
    return widest + 2 * textMargin + 2 * frameWidth() +
           (scrolls ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) : 0);
}

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
            list << QCoreApplication::translate("Library", name.toUtf8().constData());
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
