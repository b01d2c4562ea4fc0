#include "poker/card.h"

namespace quintaro {

namespace {
CardLifecycleObserver* g_observer = nullptr;
int g_liveCards = 0;
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
