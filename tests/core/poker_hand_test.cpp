#include "poker/game_setup.h"
#include "poker/hand_category.h"
#include "poker/poker_hand.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace quintaro {
namespace {

class NoSeams : public GameSetupSeams {
public:
    void switchHallOfFame(GameType) override {}
    void setHallOfFameTitle(std::string_view) override {}
};

// A table set up for one game; hands are written as in quintaro-analyze: rank
// (A 2..9 T J Q K) then suit digit, "X" and "Y" for the jokers.
class Table {
public:
    explicit Table(GameType type) {
        NoSeams seams;
        setUpGame(type, m_table, seams);
    }

    const Card* card(const std::string& name) const {
        const std::string ranks = "A23456789TJQK";
        int index = name == "X" ? 52 : name == "Y" ? 53 : -1;
        if (index < 0)
            index = (name[1] - '0') * 13 + static_cast<int>(ranks.find(name[0]));
        return m_table.deck->card(index);
    }

    PokerHand& deal(const std::string& cards) {
        std::istringstream in(cards);
        std::string name;
        for (int i = 0; i < PokerHand::handSize && in >> name; ++i)
            m_table.hand.setCard(i, card(name));
        return m_table.hand;
    }

    // The name of the winning line, or "none".
    std::string wins(const std::string& cards) {
        const int line = deal(cards).winningLine(m_table.pay.categories, m_table.pay.lineCount);
        if (line == noLine)
            return "none";
        return std::string(
            handCategoryName(m_table.pay.categories[static_cast<std::size_t>(line)]));
    }

    bool passes(const std::string& cards, HandCategory category) {
        PokerHand& hand = deal(cards);
        hand.sort();
        return hand.passes(category);
    }

private:
    PokerTable m_table;
};

TEST(PokerHand, StraightPokerLines) {
    Table t(GameType::StraightPoker);
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
    Table t(GameType::JokersWildPoker);
    EXPECT_EQ(t.wins("K0 21 52 83 X"), "Pair (Kings or better)");
    EXPECT_EQ(t.wins("Q0 21 52 83 Y"), "none");
    EXPECT_EQ(t.wins("Q0 Q1 52 83 93"), "none");
    EXPECT_EQ(t.wins("K0 K1 52 83 X"), "Three of a Kind");
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
    Table t(GameType::DeucesWildPoker);
    EXPECT_EQ(t.wins("20 21 K1 22 23"), "Four Wild Cards");
    EXPECT_EQ(t.wins("50 51 52 20 21"), "Five of a Kind");
    EXPECT_EQ(t.wins("31 42 53 60 21"), "Straight");
    EXPECT_EQ(t.wins("A1 31 41 51 22"), "Straight Flush");
    EXPECT_EQ(t.wins("91 J1 Q1 K1 20"), "Royal Flush");
    EXPECT_EQ(t.wins("T3 J3 Q3 K3 A3"), "Royal Flush (No Wilds)");
    EXPECT_EQ(t.wins("A0 A1 20 51 72"), "Three of a Kind");
    EXPECT_EQ(t.wins("A0 A1 50 51 72"), "none");
    EXPECT_EQ(t.wins("50 51 20 21 K1"), "Four of a Kind");
}

TEST(PokerHand, GroupCountsAreExact) {
    Table t(GameType::JokersWildPoker);
    EXPECT_FALSE(t.passes("K0 K1 K2 40 71", HandCategory::KingsOrBetter));
    EXPECT_FALSE(t.passes("K0 K1 K2 40 71", HandCategory::JacksOrBetter));
    EXPECT_TRUE(t.passes("J0 41 62 83 X", HandCategory::JacksOrBetter));
    EXPECT_FALSE(t.passes("J0 J1 62 83 X", HandCategory::JacksOrBetter));
    EXPECT_FALSE(t.passes("A0 X 62 83 Y", HandCategory::KingsOrBetter));
    EXPECT_TRUE(t.passes("A0 A1 62 83 93", HandCategory::KingsOrBetter));
    EXPECT_FALSE(t.passes("70 71 72 73 K2", HandCategory::ThreeOfAKind));
    EXPECT_TRUE(t.passes("70 71 72 73 K2", HandCategory::TwoPair));
    EXPECT_FALSE(t.passes("70 71 72 X Y", HandCategory::FourOfAKind));
    EXPECT_FALSE(t.passes("70 71 K2 X Y", HandCategory::FullHouse));
    EXPECT_FALSE(t.passes("70 71 K2 K1 X", HandCategory::TwoPair));

    // A natural full house passes three of a kind and two pair as well; the line order decides.
    EXPECT_TRUE(t.passes("30 93 31 92 32", HandCategory::ThreeOfAKind));
    EXPECT_TRUE(t.passes("30 93 31 92 32", HandCategory::TwoPair));
    PokerHand& hand = t.deal("30 93 31 92 32");
    const HandCategory lines[] = {HandCategory::TwoPair, HandCategory::FullHouse,
                                  HandCategory::ThreeOfAKind};
    EXPECT_EQ(hand.winningLine(lines, 3), 0);
    EXPECT_EQ(hand.winningLine(std::span(lines).subspan(1), 2), 0);
    EXPECT_EQ(hand.winningLine(lines, 0), noLine);

    // Codes without a test, or outside 2..14, never match.
    const HandCategory untested[] = {HandCategory::Nothing, HandCategory::Pair,
                                     static_cast<HandCategory>(15), static_cast<HandCategory>(-1),
                                     HandCategory::FiveOfAKind};
    EXPECT_EQ(t.deal("30 31 X Y 32").winningLine(untested, 4), noLine);
    EXPECT_EQ(t.deal("30 31 X Y 32").winningLine(untested, 5), 4);
}

TEST(PokerHand, SortKeepsWindowOrderAndMovesWildCardsOut) {
    Table t(GameType::DeucesWildPoker);
    PokerHand& hand = t.deal("K1 20 K0 51 22");
    hand.sort();
    EXPECT_EQ(hand.sorted()[0], t.card("51"));
    EXPECT_EQ(hand.sorted()[1], t.card("K1"));
    EXPECT_EQ(hand.sorted()[2], t.card("K0"));
    EXPECT_EQ(hand.sorted()[3], nullptr);
    EXPECT_EQ(hand.sorted()[4], nullptr);
    EXPECT_EQ(hand.wildCount(), 2);
    EXPECT_EQ(hand.longestGroup(), 2);
    EXPECT_EQ(hand.hand()[1], t.card("20"));
}

TEST(PokerHand, AcesCountLowAgainAfterTheAceHighTest) {
    Table t(GameType::StraightPoker);
    for (const char* cards : {"T0 A1 J2 K3 Q0", "A0 A1 30 51 92", "A3 J0 K1 Q1 81"}) {
        t.wins(cards);
        const PokerHand& hand = t.deal(cards); // the same cards again: sorted is untouched
        EXPECT_EQ(hand.sorted()[0]->rank, 1) << cards;
        for (const Card* card : hand.hand())
            EXPECT_NE(card->rank, 14) << cards;
    }
    EXPECT_EQ(t.wins("T0 A1 J2 K3 Q0"), "Straight");
}

// The names of the hands on the pay lines are checked with the pay tables.
TEST(HandCategory, NamesOffThePayTables) {
    EXPECT_EQ(handCategoryName(HandCategory::Nothing), "Nothing");
    EXPECT_EQ(handCategoryName(HandCategory::Pair), "Pair");
    EXPECT_TRUE(handCategoryName(static_cast<HandCategory>(15)).empty());
    EXPECT_TRUE(handCategoryName(static_cast<HandCategory>(-1)).empty());
}

} // namespace
} // namespace quintaro
