#pragma once

#include <array>

namespace quintaro {

// Identifiers of the "Game" menu's items; the selection handler switches on them.
enum GameMenuId : int {
    GameMenuSeparator = 0,
    GameMenuNew = 11,
    GameMenuHighScores = 12,
    GameMenuOptions = 13,
    GameMenuStrategy = 14,
    GameMenuExit = 19,
};

struct GameMenuItem {
    GameMenuId id;
    const char* text;
    const char* shortcut;
    const char* help;
    bool checkable = false;
};

inline constexpr const char* gameMenuTitle = "&Game";

inline constexpr std::array<GameMenuItem, 7> gameMenuItems{{
    {GameMenuNew, "&New", "F2",
     "Starts a new game.  Choose this option if you have run out of money, or you want to "
     "restart the game under a different name."},
    {GameMenuHighScores, "Show &High Scores...", "",
     "Show the table of high scores.  There are three different high score tables, one for "
     "each game (Straight, Jokers Wild, Deuces Wild).  The table displayed depends on the game "
     "being played, chosen from the Game Options dialog."},
    {GameMenuSeparator, "", "", ""},
    {GameMenuOptions, "&Options...", "",
     "Brings up the Game Options dialog.  This Game Options dialog will allow you change both "
     "the appearance and rules of the game."},
    {GameMenuStrategy, "Show &Strategy", "",
     "While this is checked, the strip under the pay table names the hold that pays most on "
     "average for the cards dealt, with its expected payoff at the current bet.",
     true},
    {GameMenuSeparator, "", "", ""},
    {GameMenuExit, "E&xit", "Alt+F4", "Quits the game."},
}};

} // namespace quintaro
