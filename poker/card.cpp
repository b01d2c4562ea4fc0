#include "poker/card.h"

namespace quintaro {

namespace {
// Per thread: the card look belongs to the thread that installed it, while the strategy
// analysis builds decks of its own on pool threads, which must neither race on the count
// nor reach a card look that may already be gone.
thread_local CardLifecycleObserver* g_observer = nullptr;
thread_local int g_liveCards = 0;
} // namespace

void setCardLifecycleObserver(CardLifecycleObserver* observer) {
    g_observer = observer;
}

int liveCardCount() {
    return g_liveCards;
}

Card::Card(int rank, int suit) : rank(rank), suit(suit) {
    if (g_liveCards++ == 0 && g_observer != nullptr)
        g_observer->firstCardCreated();
}

Card::~Card() {
    if (--g_liveCards == 0 && g_observer != nullptr)
        g_observer->lastCardDestroyed();
}

} // namespace quintaro
