#pragma once

#include "displays/centered_dialog.h"
#include "displays/device_pixels.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <array>

class QPushButton;

namespace quintaro {

class HallOfFame;

// Shows one game's Hall of Fame over the library's slanted picture. It only shows its own
// copy of the table; the Clear button is the one way it changes the HallOfFame.
class HallOfFameDialog : public CenteredDialog {
    Q_OBJECT
public:
    // Precondition: the resource library is current, for the picture and the font.
    HallOfFameDialog(HallOfFame& hallOfFame, QWidget* parent);

    void copyEntries();
    const QString& name(int i) const { return m_names.at(static_cast<std::size_t>(i)); }
    const QString& score(int i) const { return m_scores.at(static_cast<std::size_t>(i)); }
    // Where entry `row` (0 to 9) shows its rank, name and score, in the dialog's coordinates.
    QRect entryRect(int row) const;
    QPushButton* okButton() const { return m_ok; }
    QPushButton* clearButton() const { return m_clear; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void onClear();

    std::array<QString, 10> m_names;
    std::array<QString, 10> m_scores;
    QPushButton* m_ok;
    QPushButton* m_clear;
    QFont m_font;
    // Made for the dialog's pixel ratio, again when it paints at another.
    DevicePicture m_picture;
    HallOfFame& m_hallOfFame;
};

// Shows the Hall of Fame of the current game modally on `parent`.
void ShowTable(HallOfFame& hallOfFame, QWidget* parent);
// Asks the library's query 3000 on `parent`; on yes empties the current game's table.
bool ClearTable(HallOfFame& hallOfFame, QWidget* parent);

} // namespace quintaro
