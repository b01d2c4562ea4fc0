#pragma once

#include "displays/centered_dialog.h"
#include "poker/game_type.h"

#include <array>
#include <cstdint>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quintaro {

class BacksPage;
class ExtrasPage;
class FacesPage;
class FramedTab;
class GameFrameWindow;

// The Options dialog: the game to play, the card faces and backs, the table background
// and the sounds, on four tabs. It only collects choices; the table applies them once it
// has been accepted, and a game with money left asks before it is.
class OptionsDialog : public CenteredDialog {
    Q_OBJECT
public:
    // `frame` is the table window and the dialog's parent; it must outlive the dialog.
    // With `balance` above 0, OK asks whether the game in progress may end. The game,
    // face set and back are preselected; the background comes from the frame.
    OptionsDialog(GameFrameWindow& frame, std::uint32_t balance, GameType game, int faceSet,
                  int back);
    // Hands the sound switch to the frame, whether the dialog was accepted or not.
    ~OptionsDialog() override;

    GameType chosenGame() const;
    // The selected list positions; the preselected ones while nothing is selected.
    int chosenFaceSet() const;
    int chosenBack() const;

    // Called by the table on acceptance, after the new game and card look are set up.
    void applyBackground(GameFrameWindow& frame);
    void applySounds(GameFrameWindow& frame);

    FramedTab* optionsTab() const { return m_optionsTab; }
    FacesPage* facesPage() const { return m_facesPage; }
    BacksPage* backsPage() const { return m_backsPage; }
    ExtrasPage* extrasPage() const { return m_extrasPage; }
    QRadioButton* gameButton(int game) const {
        return m_gameButtons.at(static_cast<std::size_t>(game));
    }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void okCheck();

    FramedTab* m_optionsTab;
    FacesPage* m_facesPage;
    BacksPage* m_backsPage;
    ExtrasPage* m_extrasPage;
    QGroupBox* m_gameGroup;
    std::array<QRadioButton*, 3> m_gameButtons;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    std::uint32_t m_balance;
    int m_presetFaceSet;
    int m_presetBack;
};

} // namespace quintaro
