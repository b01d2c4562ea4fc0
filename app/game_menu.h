#pragma once

#include "platform/translated_text.h"

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

// The texts are in English; they are shown translated (contexts "Menu" and "Pop-up help").
struct GameMenuItem {
    GameMenuId id;
    const char* text;
    const char* shortcut;
    const char* help;
    bool checkable = false;
};

inline constexpr const char* gameMenuTitle = QUINTARO_TEXT("Menu", "&Game");

inline constexpr std::array<GameMenuItem, 10> gameMenuItems{{
    {GameMenuNew, QUINTARO_TEXT("Menu", "&New"), "F2",
     QUINTARO_TEXT(
         "Pop-up help",
         "Starts a new game.  Choose this option if you have run out of money, or you want to "
         "restart the game under a different name.")},
    {GameMenuHighScores, QUINTARO_TEXT("Menu", "Show &High Scores..."), "",
     QUINTARO_TEXT(
         "Pop-up help",
         "Show the table of high scores.  There are three different high score tables, one for "
         "each game (Straight, Jokers Wild, Deuces Wild).  The table displayed depends on the game "
         "being played, chosen from the Game Options dialog.")},
    {GameMenuSeparator, "", "", ""},
    {GameMenuOptions, QUINTARO_TEXT("Menu", "&Options..."), "",
     QUINTARO_TEXT(
         "Pop-up help",
         "Brings up the Game Options dialog.  This Game Options dialog will allow you change both "
         "the appearance and rules of the game.")},
    {GameMenuStrategy, QUINTARO_TEXT("Menu", "Show &Strategy"), "",
     QUINTARO_TEXT(
         "Pop-up help",
         "While this is checked, the strip under the pay table names the hold that pays most on "
         "average for the cards dealt, with its expected payoff at the current bet."),
     true},
    {GameMenuTrainer, QUINTARO_TEXT("Menu", "&Trainer"), "",
     QUINTARO_TEXT(
         "Pop-up help",
         "While this is checked, a Redeal whose hold is worth less on average than the best hold "
         "is held back once, and the strip under the pay table names the better hold; press "
         "Redeal again to keep yours.  After each hand the strip tells what best play would have "
         "paid, and the hand is counted in the statistics."),
     true},
    {GameMenuAnalysis, QUINTARO_TEXT("Menu", "Hand &Analysis..."), "",
     QUINTARO_TEXT(
         "Pop-up help",
         "Opens a window beside the table that lists every way to hold the cards dealt, the best "
         "first, with what each pays on average at the current bet and its chance of each pay "
         "line.  Your own hold is marked, and the window follows every deal and every card you "
         "hold or discard.")},
    {GameMenuStatistics, QUINTARO_TEXT("Menu", "&Statistics..."), "",
     QUINTARO_TEXT(
         "Pop-up help",
         "Shows, for each game, the hands played with the trainer on, for this session and for all "
         "time: the money bet and paid, the expected return of your holds and of best play, your "
         "mistakes and what they cost, and how often each pay line was hit.")},
    {GameMenuSeparator, "", "", ""},
    {GameMenuExit, QUINTARO_TEXT("Menu", "E&xit"), "Alt+F4",
     QUINTARO_TEXT("Pop-up help", "Quits the game.")},
}};

} // namespace quintaro
