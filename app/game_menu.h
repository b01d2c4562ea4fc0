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
    GameMenuTrainer = 15,
    GameMenuStatistics = 17,
    GameMenuAnalysis = 18,
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

inline constexpr std::array<GameMenuItem, 10> gameMenuItems{{
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
    {GameMenuTrainer, "&Trainer", "",
     "While this is checked, a Redeal whose hold is worth less on average than the best hold "
     "is held back once, and the strip under the pay table names the better hold; press "
     "Redeal again to keep yours.  After each hand the strip tells what best play would have "
     "paid, and the hand is counted in the statistics.",
     true},
    {GameMenuAnalysis, "Hand &Analysis...", "",
     "Opens a window beside the table that lists every way to hold the cards dealt, the best "
     "first, with what each pays on average at the current bet and its chance of each pay "
     "line.  Your own hold is marked, and the window follows every deal and every card you "
     "hold or discard."},
    {GameMenuStatistics, "&Statistics...", "",
     "Shows, for each game, the hands played with the trainer on, for this session and for all "
     "time: the money bet and paid, the expected return of your holds and of best play, your "
     "mistakes and what they cost, and how often each pay line was hit."},
    {GameMenuSeparator, "", "", ""},
    {GameMenuExit, "E&xit", "Alt+F4", "Quits the game."},
}};

} // namespace quintaro
