#include "app/options_dialog.h"
#include "cards/backs_page.h"
#include "persist/game_frame_window.h"
#include "platform/memory_registry_store.h"
#include "tests/core/recording_output.h"
#include "wqgame/resource_module.h"

#include <QAccessible>
#include <QRadioButton>
#include <QtTest>

using namespace quintaro;

namespace {

// The children of `parent` with `role`, each checked to name `parent` as its parent.
QList<QAccessibleInterface*> childrenWith(QAccessibleInterface* parent, QAccessible::Role role) {
    QList<QAccessibleInterface*> found;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child == nullptr || child->role() != role)
            continue;
        if (child->parent() != parent || parent->indexOfChild(child) != i)
            return {};
        found << child;
    }
    return found;
}

QStringList names(const QList<QAccessibleInterface*>& objects) {
    QStringList list;
    for (const QAccessibleInterface* object : objects)
        list << object->text(QAccessible::Name);
    return list;
}

} // namespace

// What a screen reader receives from the dialogs the game draws itself.
class DialogsAccessibilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
    }

    // One page tab list in the tabs' place, the selected tab marked; pressing a tab
    // switches to it. The game buttons speak with their texts.
    void optionsTabsReadAsAPageTabList() {
        MemoryRegistryStore store;
        test::RecordingOutput output(1);
        GameFrameWindow frame(QStringLiteral("Options Test"), QSize(600, 410), &store, &output);
        OptionsDialog dialog(frame, 0, GameType::JokersWildPoker, 0, 0);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&dialog);
        QCOMPARE(window->role(), QAccessible::Dialog);
        QVERIFY(childrenWith(window, QAccessible::PageTab).isEmpty());
        const QList<QAccessibleInterface*> lists = childrenWith(window, QAccessible::PageTabList);
        QCOMPARE(lists.size(), 1);
        const QList<QAccessibleInterface*> tabs = childrenWith(lists[0], QAccessible::PageTab);
        QCOMPARE(names(tabs), (QStringList{"Options", "Faces", "Backs", "Extras"}));
        const auto selected = [&tabs] {
            QList<bool> marks;
            for (QAccessibleInterface* tab : tabs)
                marks << bool(tab->state().selected);
            return marks;
        };
        QCOMPARE(selected(), (QList<bool>{true, false, false, false}));
        tabs[2]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(dialog.backsPage()->isSelected());
        QCOMPARE(selected(), (QList<bool>{false, false, true, false}));

        QAccessibleInterface* jokers = QAccessible::queryAccessibleInterface(dialog.gameButton(1));
        QCOMPARE(jokers->role(), QAccessible::RadioButton);
        QCOMPARE(jokers->text(QAccessible::Name), QStringLiteral("Jokers Wild"));
        QVERIFY(jokers->state().checked);
    }
};

QTEST_MAIN(DialogsAccessibilityTest)
#include "dialogs_accessibility_test.moc"
