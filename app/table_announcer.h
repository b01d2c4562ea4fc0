#pragma once

#include "poker/game_state.h"

#include <QAccessible>
#include <QObject>
#include <QString>

#include <array>
#include <optional>

namespace quintaro {

class TableClientAccessible;
class TableWindow;

// Tells assistive technologies what changed on the table: the cards' names and holds, the
// figures, the pay table's selection, and aloud through the table's announcement the
// result of a hand, the bet, the hint or trainer strip and the status box. It compares the
// table with what it told last, once per turn of the event loop, and does nothing at all
// while no assistive technology is active. A turn's news go out as one announcement: the
// bridge sends a name change without the name, so a second one in the same turn would
// replace the first before a screen reader reads it.
class TableAnnouncer : public QObject, private QAccessible::ActivationObserver {
    Q_OBJECT
public:
    // The table must outlive the announcer.
    explicit TableAnnouncer(TableWindow& table);
    ~TableAnnouncer() override;

    const QString& lastAnnouncement() const { return m_announcement; }

    // Something on the table may have changed.
    void tableChanged();
    // Tells what changed so far at once, then announces `text`: for a message shown in a
    // dialog that is about to open.
    void announceNow(const QString& text);

private:
    struct Told {
        std::array<QString, 5> cards;
        std::array<bool, 5> held{};
        QString win;
        QString balance;
        int bet = 0;
        int line = 0;
        int lines = 0;
        RoundPhase phase = RoundPhase::NotStarted;
        QString strip;
        QString status;
    };

    void accessibilityActiveChanged(bool active) override;
    Told current() const;
    // Tells what changed since last time, and announces it in one text with `more` after.
    void tell(const QString& more = {});
    void announce(const QString& text);
    QString resultText() const;
    TableClientAccessible* client() const;

    TableWindow& m_table;
    bool m_active;
    bool m_due = false;
    std::optional<Told> m_told;
    QString m_announcement;
};

} // namespace quintaro
