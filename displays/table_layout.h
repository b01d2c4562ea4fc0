#pragma once

#include "platform/translated_text.h"

#include <array>

namespace quintaro::table_layout {

// Positions and sizes in pixels of the table window's client area.
struct Box {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int clientWidth = 600;
inline constexpr int clientHeight = 410;
inline constexpr int windowFontHeight = 16;

inline constexpr Box dealButton{240, 370, 120, 32};
inline constexpr int dealButtonFontHeight = 15;

inline constexpr std::array<int, 5> cardWindowLefts{15, 135, 255, 375, 495};
inline constexpr int cardWindowTop = 330;
inline constexpr int cardWindowWidth = 90;
inline constexpr int cardWindowHeight = 30;
inline constexpr int cardWindowFontHeight = 20;
// A card's picture stands above its window: (window left + 10, 227), 71 x 96.
inline constexpr int cardOffsetX = 10;
inline constexpr int cardTop = 227;

inline constexpr std::array<int, 5> paylineLefts{300, 360, 420, 480, 540};
inline constexpr int paylineTop = 0;
inline constexpr int paylineWidth = 60;
inline constexpr int paylineHeight = 200;
inline constexpr int paylineFontHeight = 15;

inline constexpr Box handNames{110, 0, 190, 200};
inline constexpr int handNamesFontHeight = 15;

inline constexpr Box status{150, 246, 300, 48};
inline constexpr int statusFontHeight = 20;

inline constexpr const char* windowHelp = QUINTARO_TEXT(
    "Pop-up help",
    "Quintaro is a simulation of a Las Vegas-style poker machine.  The payoffs for the "
    "various hands are shown at the top of the screen.  Click the columns to place your "
    "bet, and press the 'Deal' button to start dealing your cards.  You are allowed one "
    "redeal after choosing which cards to discard.  Cards are discarded by clicking on the "
    "card face to flip the card over.  Click on the 'Redeal' to get your new cards and to "
    "finish the round.\n\nPress F1 for extended help.");
inline constexpr const char* dealButtonHelp =
    QUINTARO_TEXT("Pop-up help", "Click the deal button to deal or redeal your cards.");
inline constexpr std::array<const char*, 5> cardWindowHelps{
    QUINTARO_TEXT("Pop-up help",
                  "Click here to toggle holding or discarding the first card in your poker hand."),
    QUINTARO_TEXT("Pop-up help",
                  "Click here to toggle holding or discarding the second card in your poker hand."),
    QUINTARO_TEXT("Pop-up help",
                  "Click here to toggle holding or discarding the third card in your poker hand."),
    QUINTARO_TEXT("Pop-up help",
                  "Click here to toggle holding or discarding the fourth card in your poker hand."),
    QUINTARO_TEXT("Pop-up help",
                  "Click here to toggle holding or discarding the fifth card in your poker hand.")};
inline constexpr std::array<const char*, 5> paylineHelps{
    QUINTARO_TEXT(
        "Pop-up help",
        "These boxes show the payoffs for a bet of one dollar.  They correspond to the hands on "
        "the left.  Click here to bet this amount.  You cannot bet when a game is in progress."),
    QUINTARO_TEXT(
        "Pop-up help",
        "These boxes show the payoffs for a bet of two dollars.  They correspond to the hands on "
        "the left.  Click here to bet this amount.  You cannot bet when a game is in progress."),
    QUINTARO_TEXT(
        "Pop-up help",
        "These boxes show the payoffs for a bet of three dollars.  They correspond to the hands "
        "on the left.  Click here to bet this amount.  You cannot bet when a game is in progress."),
    QUINTARO_TEXT(
        "Pop-up help",
        "These boxes show the payoffs for a bet of four dollars.  They correspond to the hands on "
        "the left.  Click here to bet this amount.  You cannot bet when a game is in progress."),
    QUINTARO_TEXT(
        "Pop-up help",
        "These boxes show the payoffs for a bet of five dollars.  They correspond to the hands on "
        "the left.  Click here to bet this amount.  You cannot bet when a game is in progress.")};
inline constexpr std::array<const char*, 5> paylineHeaders{
    QUINTARO_TEXT("Table", "Bet $1"), QUINTARO_TEXT("Table", "Bet $2"),
    QUINTARO_TEXT("Table", "Bet $3"), QUINTARO_TEXT("Table", "Bet $4"),
    QUINTARO_TEXT("Table", "Bet $5")};
inline constexpr const char* handNamesHelp = QUINTARO_TEXT(
    "Pop-up help", "These boxes show the poker hands that pay for this particular game.");

} // namespace quintaro::table_layout
