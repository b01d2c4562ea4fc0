#include "about/about_dialog.h"
#include "about/about_picture.h"
#include "app/message_dialog.h"
#include "displays/accessibility_events.h"
#include "options/backs_page.h"
#include "options/options_dialog.h"
#include "persist/game_frame_window.h"
#include "persist/hall_of_fame.h"
#include "persist/hall_of_fame_dialog.h"
#include "platform/memory_registry_store.h"
#include "tests/core/recording_output.h"
#include "wqgame/resource_module.h"

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
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

// The parts whose names changed, each with the name it had when the event went out.
std::vector<std::pair<QAccessibleInterface*, QString>> renamed;

void recordRenamed(QAccessibleEvent* event) {
    if (event->type() == QAccessible::NameChanged)
        renamed.emplace_back(event->accessibleInterface(),
                             event->accessibleInterface()->text(QAccessible::Name));
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
    // switches to it. The lists are named by their boxes, the game buttons by their texts.
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

        QCOMPARE(names(childrenWith(window, QAccessible::List)),
                 (QStringList{"Face Names", "Card Back Names", "Background", "Sounds"}));

        QAccessibleInterface* jokers = QAccessible::queryAccessibleInterface(dialog.gameButton(1));
        QCOMPARE(jokers->role(), QAccessible::RadioButton);
        QCOMPARE(jokers->text(QAccessible::Name), QStringLiteral("Jokers Wild"));
        QVERIFY(jokers->state().checked);
    }

    // Ten entries, each its rank, name and score, then OK and Clear. Clearing tells of each
    // entry that held a player.
    void hallOfFameReadsAsAListOfEntries() {
        MemoryRegistryStore store;
        const std::string key = "SOFTWARE\\Varden\\Parlorset\\Quintaro";
        store.writeValue(key, HallOfFame::nameValue(0, 0), "Ann");
        store.writeValue(key, HallOfFame::scoreValue(0, 0), "4700");
        store.writeValue(key, HallOfFame::nameValue(0, 1), "Bob");
        store.writeValue(key, HallOfFame::scoreValue(0, 1), "310");
        HallOfFame hall(store, "Quintaro", 0, 1);
        HallOfFameDialog dialog(hall, nullptr);
        dialog.copyEntries();
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&dialog);
        const QList<QAccessibleInterface*> lists = childrenWith(window, QAccessible::List);
        QCOMPARE(lists.size(), 1);
        const QList<QAccessibleInterface*> entries = childrenWith(lists[0], QAccessible::ListItem);
        QCOMPARE(entries.size(), 10);
        QCOMPARE(names(entries).mid(0, 3), (QStringList{"1. Ann, 4700", "2. Bob, 310", "3."}));
        QCOMPARE(entries[9]->text(QAccessible::Name), QStringLiteral("10."));
        QCOMPARE(names(childrenWith(window, QAccessible::Button)), (QStringList{"OK", "Clear"}));

        setAccessibilityEventSink(recordRenamed);
        QTimer::singleShot(0, [] {
            auto* query = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(query);
            query->button(QMessageBox::Yes)->click();
        });
        dialog.clearButton()->click();
        setAccessibilityEventSink(QAccessible::updateAccessibility);
        QCOMPARE(renamed, (decltype(renamed){{entries[0], "1."}, {entries[1], "2."}}));
    }

    // The message is the dialog's description and a text of its own.
    void messageDialogReadsItsText() {
        MessageDialog dialog(nullptr, QStringLiteral("You are broke!"),
                             QStringLiteral("Better luck next time."));
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&dialog);
        QCOMPARE(window->text(QAccessible::Description),
                 QStringLiteral("You are broke! Better luck next time."));
        QVERIFY(names(childrenWith(window, QAccessible::StaticText))
                    .contains(QStringLiteral("You are broke!")));
    }

    // Its tabs, its pictures by what they show and the system lines as they read.
    void aboutNamesItsPicturesAndSystemLines() {
        AboutDialog dialog(nullptr, QStringLiteral("Version 1.0"), QStringLiteral("Quintaro"));
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&dialog);
        const QList<QAccessibleInterface*> lists = childrenWith(window, QAccessible::PageTabList);
        QCOMPARE(lists.size(), 1);
        QCOMPARE(names(childrenWith(lists[0], QAccessible::PageTab)),
                 (QStringList{"Welcome", "Table", "Credits", "System"}));
        const QList<QAccessibleInterface*> pictures = childrenWith(window, QAccessible::Graphic);
        QCOMPARE(pictures.size(), 3);
        for (const QString& name : names(pictures))
            QVERIFY2(name.size() > 8, qPrintable(name));
        QAccessibleInterface* system = QAccessible::queryAccessibleInterface(dialog.fixedText(1));
        QVERIFY(dialog.fixedText(1)->text().count(u'\n') >= 2);
        QCOMPARE(system->text(QAccessible::Name), dialog.fixedText(1)->text());
    }
};

QTEST_MAIN(DialogsAccessibilityTest)
#include "dialogs_accessibility_test.moc"
