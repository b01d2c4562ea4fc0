#pragma once

#include <string>

namespace quintaro {

// What the round flow needs of the screen. The table window implements it with Qt; the
// core tests implement it with a recorder. Windows are numbered from 0: card windows 0 to
// 4, pay columns 0 to 4 for the bets $1 to $5 and 5 for the hand names.
class TableView {
public:
    static constexpr int handNamesColumn = 5;

    virtual ~TableView() = default;

    virtual void errorBeep() = 0;
    // Plays the sound assigned to the named event, if any.
    virtual void playSoundEvent(const std::string& event) = 0;

    // The card of a card window changed state: draw it on the table at once.
    virtual void drawCardNow(int window) = 0;
    virtual void cardWindowChanged(int window) = 0;
    // Row band b of a column (0 the header, b >= 1 line b - 1) needs repainting.
    virtual void columnBandChanged(int column, int band) = 0;
    // A whole column needs repainting: its selection changed.
    virtual void columnChanged(int column) = 0;
    // The Win or Balance figure is drawn at once, not at the next paint.
    virtual void drawWinFigure() = 0;
    virtual void drawBalanceFigure() = 0;
    // Carries out every pending repaint of the table now.
    virtual void flushRepaints() = 0;
    // The hint under the pay table may have appeared or gone.
    virtual void hintAreaChanged() = 0;
    virtual void statusVisibilityChanged(bool visible) = 0;
    virtual void dealButtonTextChanged(const std::string& text) = 0;
    virtual void titleChanged(const std::string& title) = 0;
    // Everything on the table needs repainting.
    virtual void tableChanged() = 0;

    // Runs the sign-in dialog with the name preset; gives the name it then holds.
    virtual std::string signIn(const std::string& name) = 0;
    // Runs a Yes/No query box of the resource library; true for yes.
    virtual bool askYesNo(int queryId) = 0;
    // Shows the game-lost message until the player closes it.
    virtual void showMessage(const std::string& message) = 0;
};

} // namespace quintaro
