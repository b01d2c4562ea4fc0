#pragma once

#include <cstdint>

namespace quintaro {

enum class CardState : std::int32_t { FaceUp = 0, FaceDown = 1, NotOnTable = 2 };

inline constexpr int aceRank = 1;
inline constexpr int jackRank = 11;
inline constexpr int queenRank = 12;
inline constexpr int kingRank = 13;
// Aces count as this rank only inside the ace-high straight test.
inline constexpr int highAceRank = 14;
inline constexpr int firstJokerRank = 15;
inline constexpr int secondJokerRank = 16;

// Told when the first card of the thread comes into being and when the last one goes
// away; the card look loads and saves its settings there. Not owned by the cards.
class CardLifecycleObserver {
public:
    virtual ~CardLifecycleObserver() = default;
    virtual void firstCardCreated() = 0;
    virtual void lastCardDestroyed() = 0;
};

// Installs the calling thread's one observer (nullptr for none), which hears only of that
// thread's cards. Cards created or destroyed while none is installed are still counted.
void setCardLifecycleObserver(CardLifecycleObserver* observer);
int liveCardCount();

// One physical card. Its identity is the record itself: wild lists and card windows hold
// pointers to it, so it can be neither copied nor moved. Owned by its deck.
class Card {
public:
    Card(int rank, int suit);
    ~Card();
    Card(const Card&) = delete;
    Card& operator=(const Card&) = delete;

    std::int16_t x = 0;
    std::int16_t y = 0;
    int rank;
    int suit;
    CardState state = CardState::NotOnTable;
};

} // namespace quintaro
