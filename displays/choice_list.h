#pragma once

#include <QListWidget>
#include <QString>
#include <QStringList>

namespace quintaro {

// A list of names that keeps its one choice: once a row is selected, Ctrl+click,
// Ctrl+Space and a click below the last row, which clear a plain single-selection list,
// leave the selection as it is. Pages act on the selected row, so it must always exist.
//
// Like a classic list box it shows whole rows only: once it holds a row, its height is
// cut down to its frame and the whole rows that fit in the height it was given.
class ChoiceList : public QListWidget {
    Q_OBJECT
public:
    explicit ChoiceList(QWidget* parent = nullptr);

    // The width the list needs to show its longest name whole, beside the scroll bar when
    // its rows do not all fit.
    int neededWidth() const;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitWholeRows();
};

// The names of a library string: the text up to each comma is the next name, and the
// first empty name ends the list, so a trailing comma adds nothing and two commas in a
// row end the list there. Each name is shown in the program's language.
QStringList listNames(const QString& names);

// The selected row of a single-selection list, or -1 when nothing is selected.
int selectedRow(const QListWidget& list);
// Selects `row`; a row the list does not hold leaves it without a selection.
void selectRow(QListWidget& list, int row);

} // namespace quintaro
