#include "app/table_accessible.h"

#include "app/status_window.h"
#include "app/table_announcer.h"
#include "app/table_window.h"
#include "cards/card_accessible.h"
#include "cards/card_window.h"
#include "displays/hand_names_window.h"
#include "displays/pay_table_accessible.h"
#include "displays/table_figures.h"

#include <QPointer>
#include <QPushButton>

#include <functional>

namespace quintaro {

namespace {

// A text the table paints on its client area, or speaks without painting: read-only, no
// children, gone with the client.
class PaintedText : public QAccessibleInterface {
public:
    PaintedText(QAccessibleInterface* parent, QAccessible::Role role, std::function<QString()> name,
                QRect area)
        : m_parent(parent), m_surface(static_cast<QWidget*>(parent->object())), m_role(role),
          m_name(std::move(name)), m_area(area) {}

    bool isValid() const override { return !m_surface.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_parent->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return m_parent; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? m_name() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid() || m_area.isEmpty())
            return {};
        return {m_surface->mapToGlobal(m_area.topLeft()), m_area.size()};
    }
    QAccessible::Role role() const override { return m_role; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

private:
    QAccessibleInterface* m_parent;
    QPointer<QWidget> m_surface;
    QAccessible::Role m_role;
    std::function<QString()> m_name;
    QRect m_area;
};

class StatusAccessible : public QAccessibleWidget {
public:
    explicit StatusAccessible(StatusWindow* status)
        : QAccessibleWidget(status, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<StatusWindow*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* tableAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("quintaro::StatusWindow"))
        return new StatusAccessible(static_cast<StatusWindow*>(object));
    // The client area is a plain widget: known by its place in a table window.
    if (className == QLatin1String("QWidget") && object->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(object);
        auto* table = qobject_cast<TableWindow*>(widget->parentWidget());
        if (table != nullptr && table->client() == widget)
            return new TableClientAccessible(*table);
    }
    return nullptr;
}

} // namespace

TableClientAccessible::TableClientAccessible(TableWindow& table)
    : QAccessibleWidget(table.client(), QAccessible::Client), m_table(table) {
    const GameState& state = table.round().state();
    m_win = QAccessible::registerAccessibleInterface(new PaintedText(
        this, QAccessible::StaticText, [&state] { return winFigureText(state); }, winFigureRect()));
    m_balance = QAccessible::registerAccessibleInterface(new PaintedText(
        this, QAccessible::StaticText, [&state] { return balanceFigureText(state); },
        balanceFigureRect()));
    const TableAnnouncer& announcer = table.announcer();
    m_announcement = QAccessible::registerAccessibleInterface(new PaintedText(
        this, QAccessible::Notification, [&announcer] { return announcer.lastAnnouncement(); },
        QRect()));
}

TableClientAccessible::~TableClientAccessible() {
    for (QAccessible::Id id : {m_win, m_balance, m_announcement})
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* TableClientAccessible::winFigure() const {
    return QAccessible::accessibleInterface(m_win);
}

QAccessibleInterface* TableClientAccessible::balanceFigure() const {
    return QAccessible::accessibleInterface(m_balance);
}

QAccessibleInterface* TableClientAccessible::announcement() const {
    return QAccessible::accessibleInterface(m_announcement);
}

QList<QAccessibleInterface*> TableClientAccessible::parts() const {
    QList<QAccessibleInterface*> parts;
    for (int window = 0; window < RoundFlow::cardWindowCount; ++window)
        parts.append(QAccessible::queryAccessibleInterface(m_table.cardWindow(window)));
    parts.append(QAccessible::queryAccessibleInterface(m_table.dealButton()));
    parts.append(QAccessible::queryAccessibleInterface(m_table.handNamesWindow()));
    parts.append({winFigure(), balanceFigure()});
    parts.append(QAccessible::queryAccessibleInterface(m_table.statusWindow()));
    parts.append(announcement());
    return parts;
}

int TableClientAccessible::childCount() const {
    return static_cast<int>(parts().size());
}

QAccessibleInterface* TableClientAccessible::child(int index) const {
    const QList<QAccessibleInterface*> all = parts();
    return index >= 0 && index < all.size() ? all.at(index) : nullptr;
}

int TableClientAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return static_cast<int>(parts().indexOf(const_cast<QAccessibleInterface*>(child)));
}

void installTableAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(cardAccessibleFactory);
        QAccessible::installFactory(payTableAccessibleFactory);
        QAccessible::installFactory(tableAccessibleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace quintaro
