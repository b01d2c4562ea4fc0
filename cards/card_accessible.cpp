#include "cards/card_accessible.h"

#include "analysis/deck_index.h"
#include "analysis/hold_outcomes.h"
#include "cards/card_window.h"

#include <QCoreApplication>

namespace quintaro {

CardAccessible::CardAccessible(CardWindow* window)
    : QAccessibleWidget(window, QAccessible::CheckBox) {}

CardWindow* CardAccessible::cardWindow() const {
    return static_cast<CardWindow*>(widget());
}

QString CardAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    const Card* card = cardWindow()->card();
    QString name = card != nullptr && card->state == CardState::FaceUp
                       ? QString::fromStdString(cardWords(deckIndexOf(*card)))
                       : QCoreApplication::translate("Screen reader", "Face down");
    const QString caption = cardWindow()->caption();
    if (!caption.isEmpty())
        name += QStringLiteral(", ") + caption;
    return name;
}

QAccessible::State CardAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = cardWindow()->phase() != RoundPhase::NotStarted &&
                    cardWindow()->holdState() == HoldState::Hold;
    // Only while the player holds can a press change the card; between hands it beeps.
    state.focusable = cardWindow()->phase() == RoundPhase::Holding;
    return state;
}

QStringList CardAccessible::actionNames() const {
    return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
}

void CardAccessible::doAction(const QString& actionName) {
    if (actionName == toggleAction())
        cardWindow()->press();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList CardAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == toggleAction())
        return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

QAccessibleInterface* cardAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("quintaro::CardWindow"))
        return new CardAccessible(static_cast<CardWindow*>(object));
    return nullptr;
}

} // namespace quintaro
