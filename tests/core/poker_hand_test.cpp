#include "poker/game_setup.h"
#include "poker/hand_category.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace quintaro {
namespace {

// One game's rules; hands are written as in quintaro-analyze: rank (A 2..9 T J Q K) then
// suit digit, "X" and "Y" for the jokers.
struct Game {
    GameType type;

    // The name of the line `cards` win, or "none".
    std::string wins(const std::string& cards) const {
        const CardDeck deck(true); // not shuffled: suit * 13 + rank - 1, then the jokers
        const std::string ranks = "A23456789TJQK";
        std::istringstream in(cards);
        std::string name;
        PokerHand::Cards hand{};
        for (const Card*& card : hand) {
            in >> name;
            int index = name == "X" ? 52 : name == "Y" ? 53 : -1;
            if (index < 0)
                index = (name[1] - '0') * 13 + static_cast<int>(ranks.find(name[0]));
            card = deck.card(index);
        }
        const int line = winningLineOf(type, deck, hand);
        if (line == noLine)
            return "none";
        return std::string(
            handCategoryName(payTable(type).lines[static_cast<std::size_t>(line)].category));
    }
};

TEST(PokerHand, StraightPokerLines) {
    const Game t{GameType::StraightPoker};
    EXPECT_EQ(t.wins("Q0 Q1 41 72 93"), "Pair (Jacks or better)");
    EXPECT_EQ(t.wins("A0 71 A2 42 93"), "Pair (Jacks or better)");
    EXPECT_EQ(t.wins("T0 T1 41 72 93"), "none");
    EXPECT_EQ(t.wins("K0 K1 Q2 Q3 21"), "Two Pair");
    EXPECT_EQ(t.wins("K0 K1 K2 40 71"), "Three of a Kind");
    EXPECT_EQ(t.wins("A0 21 32 43 50"), "Straight");
    EXPECT_EQ(t.wins("K0 A1 Q2 J3 T0"), "Straight");
    EXPECT_EQ(t.wins("J0 Q1 K2 A3 20"), "none");
    EXPECT_EQ(t.wins("20 70 90 J0 K0"), "Flush");
    EXPECT_EQ(t.wins("30 93 31 92 32"), "Full House");
    EXPECT_EQ(t.wins("70 71 72 73 K2"), "Four of a Kind");
    EXPECT_EQ(t.wins("A2 22 32 42 52"), "Straight Flush");
    EXPECT_EQ(t.wins("T2 J2 Q2 K2 A2"), "Royal Flush");
}

TEST(PokerHand, JokersWildLines) {
    const Game t{GameType::JokersWildPoker};
    EXPECT_EQ(t.wins("K0 21 52 83 X"), "Pair (Kings or better)");
    EXPECT_EQ(t.wins("A0 A1 62 83 93"), "Pair (Kings or better)");
    EXPECT_EQ(t.wins("Q0 21 52 83 Y"), "none");
    EXPECT_EQ(t.wins("Q0 Q1 52 83 93"), "none");
    EXPECT_EQ(t.wins("K0 K1 52 83 X"), "Three of a Kind");
    EXPECT_EQ(t.wins("A0 X 62 83 Y"), "Three of a Kind");
    EXPECT_EQ(t.wins("K0 K1 52 53 X"), "Full House");
    EXPECT_EQ(t.wins("K0 K1 52 53 93"), "Two Pair");
    EXPECT_EQ(t.wins("70 71 72 73 X"), "Five of a Kind");
    EXPECT_EQ(t.wins("70 X 72 Y 73"), "Five of a Kind");
    EXPECT_EQ(t.wins("31 X 51 Y 71"), "Straight Flush");
    EXPECT_EQ(t.wins("T1 J1 Q1 K1 A1"), "Royal Flush (No Wilds)");
    EXPECT_EQ(t.wins("T1 J1 Q1 K1 X"), "Royal Flush");
    EXPECT_EQ(t.wins("91 J1 Q1 K1 Y"), "Royal Flush");
    EXPECT_EQ(t.wins("91 X K1 Y J1"), "Royal Flush");
    EXPECT_EQ(t.wins("81 J1 Q1 K1 Y"), "Flush");
}

TEST(PokerHand, DeucesWildLines) {
    const Game t{GameType::DeucesWildPoker};
    EXPECT_EQ(t.wins("20 21 K1 22 23"), "Four Wild Cards");
    EXPECT_EQ(t.wins("50 51 52 20 21"), "Five of a Kind");
    EXPECT_EQ(t.wins("31 42 53 60 21"), "Straight");
    EXPECT_EQ(t.wins("A1 31 41 51 22"), "Straight Flush");
    EXPECT_EQ(t.wins("91 J1 Q1 K1 20"), "Royal Flush");
    EXPECT_EQ(t.wins("T3 J3 Q3 K3 A3"), "Royal Flush (No Wilds)");
    EXPECT_EQ(t.wins("A0 A1 20 51 72"), "Three of a Kind");
    EXPECT_EQ(t.wins("A0 20 62 83 21"), "Three of a Kind");
    EXPECT_EQ(t.wins("A0 A1 50 51 72"), "none");
    EXPECT_EQ(t.wins("50 51 20 21 K1"), "Four of a Kind");
}

} // namespace
} // namespace quintaro
