#pragma once

#include "persist/game_frame_window.h"

#include <array>
#include <cstdint>

class QPushButton;

namespace quintaro {

// The poker table: pay-table displays at the top, five cards with their caption windows,
// the Deal button and the status box, on a fixed 600 x 410 client area.
class TableWindow : public GameFrameWindow {
    Q_OBJECT
public:
    // The store and the output, when given, must outlive the window (see GameFrameWindow).
    explicit TableWindow(RegistryStore* store = nullptr, SoundOutput* output = nullptr);
    ~TableWindow() override;

    QPushButton* dealButton() const { return m_dealButton; }

    // Runs the command of a "Game" menu item; other identifiers are ignored.
    void onMenuSelect(int id);

private:
    void buildMenu();
    void registerGameSounds();

    // 0 Straight Poker, 1 Jokers Wild Poker, 2 Deuces Wild Poker.
    std::uint16_t m_gameType = 0;

    QWidget* m_statusWindow;
    QWidget* m_handNames;
    QPushButton* m_dealButton;
    std::array<QWidget*, 5> m_paylines{};
    std::array<QWidget*, 5> m_cardWindows{};
};

} // namespace quintaro
