#include "displays/framed_tab_accessible.h"

#include "displays/framed_tab.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace quintaro {

namespace {

// The text without its mnemonic marker, as buttons are named.
QString plainText(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

// One group of tabs, from the tab that opens it on. It has no object of its own: the tab
// that opens the group owns it.
class FramedTabListAccessible : public QAccessibleInterface {
public:
    explicit FramedTabListAccessible(FramedTab* first) : m_first(first) {}

    std::vector<FramedTab*> tabs() const {
        std::vector<FramedTab*> group;
        for (FramedTab* tab = m_first; tab != nullptr; tab = tab->groupForward())
            group.push_back(tab);
        return group;
    }

    bool isValid() const override { return !m_first.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_first ? m_first->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return m_first ? QAccessible::queryAccessibleInterface(m_first->parentWidget()) : nullptr;
    }
    int childCount() const override { return static_cast<int>(tabs().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<FramedTab*> group = tabs();
        if (index < 0 || index >= static_cast<int>(group.size()))
            return nullptr;
        return QAccessible::queryAccessibleInterface(group[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<FramedTab*> group = tabs();
        const auto found = std::find(group.begin(), group.end(), child ? child->object() : nullptr);
        return found == group.end() ? -1 : static_cast<int>(found - group.begin());
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* tab = child(i); tab && tab->rect().contains(x, y))
                return tab;
        return nullptr;
    }
    QRect rect() const override {
        QRect all;
        for (int i = 0; i < childCount(); ++i)
            all |= child(i)->rect();
        return all;
    }
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::PageTabList; }
    QAccessible::State state() const override { return {}; }

private:
    QPointer<FramedTab> m_first;
};

class FramedTabAccessible : public QAccessibleWidget {
public:
    explicit FramedTabAccessible(FramedTab* tab) : QAccessibleWidget(tab, QAccessible::PageTab) {}
    ~FramedTabAccessible() override {
        if (m_list != 0)
            QAccessible::deleteAccessibleInterface(m_list);
    }

    FramedTab* tab() const { return static_cast<FramedTab*>(widget()); }

    // The list of this tab's group; made by the tab that opens the group.
    QAccessibleInterface* tabList() {
        FramedTab* first = tab();
        while (first->groupBack() != nullptr)
            first = first->groupBack();
        if (first != tab()) {
            auto* opener =
                dynamic_cast<FramedTabAccessible*>(QAccessible::queryAccessibleInterface(first));
            return opener ? opener->tabList() : nullptr;
        }
        if (m_list == 0)
            m_list = QAccessible::registerAccessibleInterface(new FramedTabListAccessible(first));
        return QAccessible::accessibleInterface(m_list);
    }

    QAccessibleInterface* parent() const override {
        QAccessibleInterface* list = const_cast<FramedTabAccessible*>(this)->tabList();
        return list ? list : QAccessibleWidget::parent();
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && tab()->accessibleName().isEmpty())
            return plainText(tab()->text());
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = tab()->isSelected();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            tab()->select(true);
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAccessible::Id m_list = 0;
};

// A dialog lists each group of framed tabs once, in the place of the tab that opens it.
class TabbedDialogAccessible : public QAccessibleWidget {
public:
    explicit TabbedDialogAccessible(QWidget* dialog)
        : QAccessibleWidget(dialog, QAccessible::Dialog) {}

    std::vector<QAccessibleInterface*> children() const {
        std::vector<QAccessibleInterface*> shown;
        for (QObject* object : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(object);
            if (control == nullptr || control->isWindow())
                continue;
            QAccessibleInterface* child = QAccessible::queryAccessibleInterface(control);
            if (auto* tab = dynamic_cast<FramedTabAccessible*>(child)) {
                if (tab->tab()->groupBack() == nullptr)
                    shown.push_back(tab->tabList());
            } else if (child != nullptr) {
                shown.push_back(child);
            }
        }
        return shown;
    }

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QAccessibleInterface*> shown = children();
        return index >= 0 && index < static_cast<int>(shown.size())
                   ? shown[static_cast<std::size_t>(index)]
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QAccessibleInterface*> shown = children();
        const auto found = std::find(shown.begin(), shown.end(), child);
        return found == shown.end() ? -1 : static_cast<int>(found - shown.begin());
    }
};

} // namespace

QAccessibleInterface* framedTabAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("quintaro::FramedTab"))
        return new FramedTabAccessible(static_cast<FramedTab*>(object));
    if (className == QLatin1String("quintaro::CenteredDialog"))
        return new TabbedDialogAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace quintaro
