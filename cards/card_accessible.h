#pragma once

#include <QAccessibleWidget>

namespace quintaro {

class CardWindow;

// A card window as a screen reader meets it: a check box named by the card and its
// caption ("Seven of Clubs, Hold"), checked while held, whose Toggle action presses the
// window as a click does.
class CardAccessible : public QAccessibleWidget {
public:
    explicit CardAccessible(CardWindow* window);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    CardWindow* cardWindow() const;
};

// For QAccessible::installFactory: a CardAccessible for each card window.
QAccessibleInterface* cardAccessibleFactory(const QString& className, QObject* object);

} // namespace quintaro
