#include "poker/pay_table.h"

#include "platform/translated_text.h"

namespace quintaro {

namespace {

using C = HandCategory;

constexpr PayTable straightPoker{
    QUINTARO_TEXT("Games", "Straight Poker"),
    9,
    {{{C::RoyalFlush, 250},
      {C::StraightFlush, 50},
      {C::FourOfAKind, 25},
      {C::FullHouse, 8},
      {C::Flush, 5},
      {C::Straight, 4},
      {C::ThreeOfAKind, 3},
      {C::TwoPair, 2},
      {C::JacksOrBetter, 1}}},
    4000,
    false,
    WildRule::None,
};

constexpr PayTable jokersWildPoker{
    QUINTARO_TEXT("Games", "Jokers Wild Poker"),
    11,
    {{{C::NaturalRoyalFlush, 400},
      {C::FiveOfAKind, 200},
      {C::RoyalFlush, 100},
      {C::StraightFlush, 50},
      {C::FourOfAKind, 15},
      {C::FullHouse, 7},
      {C::Flush, 5},
      {C::Straight, 3},
      {C::ThreeOfAKind, 2},
      {C::TwoPair, 1},
      {C::KingsOrBetter, 1}}},
    4700,
    true,
    WildRule::Jokers,
};

constexpr PayTable deucesWildPoker{
    QUINTARO_TEXT("Games", "Deuces Wild Poker"),
    10,
    {{{C::NaturalRoyalFlush, 250},
      {C::FourWildCards, 200},
      {C::RoyalFlush, 20},
      {C::FiveOfAKind, 10},
      {C::StraightFlush, 10},
      {C::FourOfAKind, 4},
      {C::FullHouse, 4},
      {C::Flush, 3},
      {C::Straight, 2},
      {C::ThreeOfAKind, 1}}},
    4000,
    false,
    WildRule::Deuces,
};

} // namespace

std::uint16_t PayTable::payoff(int line, int bet) const {
    if (line == 0 && bet == betCount)
        return topPayoff;
    return static_cast<std::uint16_t>(lines[static_cast<std::size_t>(line)].base * bet);
}

const PayTable& payTable(GameType type) {
    switch (type) {
    case GameType::JokersWildPoker:
        return jokersWildPoker;
    case GameType::DeucesWildPoker:
        return deucesWildPoker;
    case GameType::StraightPoker:
        break;
    }
    return straightPoker;
}

} // namespace quintaro
