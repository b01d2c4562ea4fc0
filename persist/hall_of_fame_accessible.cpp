#include "persist/hall_of_fame_accessible.h"

#include "displays/accessibility_events.h"
#include "persist/hall_of_fame.h"
#include "persist/hall_of_fame_dialog.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <array>

namespace quintaro {

namespace {

// A drawn object of the dialog, with no object of its own; the dialog's interface owns it.
class DrawnPart : public QAccessibleInterface {
public:
    explicit DrawnPart(HallOfFameDialog* dialog) : m_dialog(dialog) {}

    bool isValid() const override { return !m_dialog.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_dialog ? m_dialog->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override { return {}; }

protected:
    // `local` in the dialog's coordinates, on the screen.
    QRect onScreen(const QRect& local) const {
        return m_dialog ? QRect(m_dialog->mapToGlobal(local.topLeft()), local.size()) : QRect();
    }

    QPointer<HallOfFameDialog> m_dialog;
};

class EntryAccessible : public DrawnPart {
public:
    EntryAccessible(HallOfFameDialog* dialog, int rank, QAccessibleInterface* list)
        : DrawnPart(dialog), m_rank(rank), m_list(list) {}

    QAccessibleInterface* parent() const override { return m_list; }
    QRect rect() const override {
        return m_dialog ? onScreen(m_dialog->entryRect(m_rank)) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    // "3. Ann, 4700"; an entry nobody holds is only its rank.
    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !m_dialog)
            return {};
        const QString rank = QString::number(m_rank + 1) + u'.';
        const QString& name = m_dialog->name(m_rank);
        const QString& score = m_dialog->score(m_rank);
        if (name.isEmpty() && score.isEmpty())
            return rank;
        return rank + u' ' + name + QStringLiteral(", ") + score;
    }

private:
    int m_rank;
    QAccessibleInterface* m_list;
};

class EntryListAccessible : public DrawnPart {
public:
    explicit EntryListAccessible(HallOfFameDialog* dialog) : DrawnPart(dialog) {}
    ~EntryListAccessible() override {
        for (QAccessible::Id entry : m_entries)
            if (entry != 0)
                QAccessible::deleteAccessibleInterface(entry);
    }

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_dialog.data());
    }
    int childCount() const override { return HallOfFame::entryCount; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= HallOfFame::entryCount)
            return nullptr;
        QAccessible::Id& entry = m_entries.at(static_cast<std::size_t>(index));
        if (entry == 0)
            entry = QAccessible::registerAccessibleInterface(
                new EntryAccessible(m_dialog, index, const_cast<EntryListAccessible*>(this)));
        return QAccessible::accessibleInterface(entry);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < HallOfFame::entryCount; ++i)
            if (m_entries.at(static_cast<std::size_t>(i)) != 0 && this->child(i) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < HallOfFame::entryCount; ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }
    QRect rect() const override {
        QRect all;
        for (int i = 0; i < HallOfFame::entryCount; ++i)
            all |= child(i)->rect();
        return all;
    }
    QAccessible::Role role() const override { return QAccessible::List; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && m_dialog ? m_dialog->windowTitle() : QString();
    }

private:
    mutable std::array<QAccessible::Id, HallOfFame::entryCount> m_entries{};
};

// The list first, then the buttons.
class HallOfFameDialogAccessible : public QAccessibleWidget {
public:
    explicit HallOfFameDialogAccessible(HallOfFameDialog* dialog)
        : QAccessibleWidget(dialog, QAccessible::Dialog),
          m_list(QAccessible::registerAccessibleInterface(new EntryListAccessible(dialog))) {}
    ~HallOfFameDialogAccessible() override { QAccessible::deleteAccessibleInterface(m_list); }

    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::accessibleInterface(m_list)
                          : QAccessibleWidget::child(index - 1);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == QAccessible::accessibleInterface(m_list))
            return 0;
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? -1 : index + 1;
    }

private:
    QAccessible::Id m_list;
};

} // namespace

QAccessibleInterface* hallOfFameAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("quintaro::HallOfFameDialog"))
        return new HallOfFameDialogAccessible(static_cast<HallOfFameDialog*>(object));
    return nullptr;
}

void tellEntryRenamed(HallOfFameDialog& dialog, int rank) {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&dialog)->child(0);
    QAccessibleEvent event(list->child(rank), QAccessible::NameChanged);
    sendAccessibilityEvent(event);
}

} // namespace quintaro
