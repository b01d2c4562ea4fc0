#pragma once

#include <array>

namespace quintaro::card_layout {

// Where a card's picture is put together from the cached sheets. Positions on the card
// are relative to its top-left corner; sheet cells are addressed by their top-left corner.
struct Spot {
    int x;
    int y;
};

inline constexpr int cardWidth = 71;
inline constexpr int cardHeight = 96;

inline constexpr int backBitmap = 2000;
inline constexpr int pipBitmap = 2001;
inline constexpr int suitBitmap = 2002;
inline constexpr int indexBitmap = 2003;
inline constexpr int firstFaceSetBitmap = 2004;
inline constexpr int maskBitmap = 2012;
inline constexpr int faceSetWidth = 810;

inline constexpr int indexWidth = 9;
inline constexpr int indexHeight = 14;
inline constexpr int jokerIndexX = 117;
// Suits 0 and 1 share one ink, 2 and 3 the other; each row pair holds upright then turned.
inline constexpr int indexInkRowHeight = 28;
inline constexpr Spot uprightIndex{3, 4};
inline constexpr Spot turnedIndex{59, 78};

inline constexpr int suitSymbolSize = 11;
inline constexpr Spot uprightSuit{2, 18};
inline constexpr Spot turnedSuit{58, 67};

inline constexpr int faceWidth = 45;
inline constexpr int faceHeight = 74;
inline constexpr Spot facePicture{13, 10};
// Cells of the face-set strip: jacks from 0, queens from 4, kings from 8, aces from 12,
// by suit; then the two jokers.
inline constexpr int jackCell = 0;
inline constexpr int queenCell = 4;
inline constexpr int kingCell = 8;
inline constexpr int aceCell = 12;
inline constexpr int firstJokerCell = 16;
inline constexpr int secondJokerCell = 17;

inline constexpr int pipSize = 15;

// Pips of ranks 2 to 10, upright ones first, in drawing order.
struct PipLayout {
    int uprightCount;
    std::array<Spot, 5> upright;
    int turnedCount;
    std::array<Spot, 5> turned;
};

inline constexpr std::array<PipLayout, 9> pipLayouts{{
    {1, {{{28, 10}}}, 1, {{{28, 71}}}},
    {2, {{{28, 40}, {28, 10}}}, 1, {{{28, 71}}}},
    {2, {{{15, 10}, {41, 10}}}, 2, {{{15, 71}, {41, 71}}}},
    {3, {{{28, 41}, {15, 10}, {41, 10}}}, 2, {{{15, 71}, {41, 71}}}},
    {4, {{{15, 10}, {41, 10}, {15, 41}, {41, 41}}}, 2, {{{15, 71}, {41, 71}}}},
    {5, {{{28, 27}, {15, 10}, {41, 10}, {15, 41}, {41, 41}}}, 2, {{{15, 71}, {41, 71}}}},
    {4, {{{15, 10}, {41, 10}, {15, 31}, {41, 31}}}, 4, {{{15, 50}, {41, 50}, {15, 71}, {41, 71}}}},
    {5,
     {{{28, 40}, {13, 10}, {43, 10}, {13, 30}, {43, 30}}},
     4,
     {{{13, 51}, {43, 51}, {13, 71}, {43, 71}}}},
    {5,
     {{{28, 20}, {13, 10}, {43, 10}, {13, 31}, {43, 31}}},
     5,
     {{{28, 61}, {13, 50}, {43, 50}, {13, 71}, {43, 71}}}},
}};

inline constexpr int firstPipRank = 2;
inline constexpr int lastPipRank = 10;

} // namespace quintaro::card_layout
