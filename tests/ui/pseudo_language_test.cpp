#include "about/about_dialog.h"
#include "about/help_window.h"
#include "app/game_menu.h"
#include "app/hand_analysis_window.h"
#include "app/message_dialog.h"
#include "app/table_window.h"
#include "options/backs_page.h"
#include "options/extras_page.h"
#include "options/faces_page.h"
#include "options/options_dialog.h"
#include "persist/game_frame_window.h"
#include "persist/hall_of_fame.h"
#include "persist/hall_of_fame_dialog.h"
#include "persist/sign_in_dialog.h"
#include "platform/memory_registry_store.h"
#include "platform/text_translations.h"
#include "tests/core/recording_output.h"
#include "trainer/statistics_dialog.h"
#include "wqgame/resource_module.h"

#include <QAccessible>
#include <QMenuBar>
#include <QRegularExpression>
#include <QtTest>

using namespace quintaro;

namespace {

// What a screen reader, and so a sighted player, reads of `window`: every name,
// description and pop-up help text that holds a word. Texts that are data, not the program's words
// (the program's and the player's names, amounts), hold no letters or are `allowed`.
QStringList wordsOf(QWidget* window, const QStringList& allowed) {
    QStringList texts;
    const QRegularExpression letter(QStringLiteral("\\p{L}"));
    const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (node == nullptr || node->state().invisible)
            return;
        for (const QAccessible::Text kind :
             {QAccessible::Name, QAccessible::Description, QAccessible::Help}) {
            const QString text = node->text(kind).trimmed();
            if (text.contains(letter) && !allowed.contains(text))
                texts << text;
        }
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(window));
    return texts;
}

// The texts of `window` that did not go through the translations.
QStringList untranslated(QWidget* window, const QStringList& allowed = {}) {
    QStringList missed;
    for (const QString& text : wordsOf(window, allowed + QStringList{QStringLiteral("Quintaro")}))
        if (!text.startsWith(u'[') || !text.endsWith(u']'))
            missed << text;
    return missed;
}

} // namespace

// In the pseudo-language, made from the English texts at build time, every text is
// bracketed and a third longer: a text shown without brackets missed the translations.
class PseudoLanguageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
        QVERIFY(
            installTranslations(qApp, QStringLiteral("qps"), QStringLiteral(QUINTARO_PSEUDO_QM)));
        QCOMPARE(textLanguage(), QStringLiteral("qps"));
    }

    void everyDialogShowsOnlyTranslatedTexts() {
        MemoryRegistryStore store;
        test::RecordingOutput output(1);
        GameFrameWindow frame(QStringLiteral("Quintaro"), QSize(600, 410), &store, &output);
        frame.show();
        QCOMPARE(untranslated(&frame), QStringList{});

        OptionsDialog options(frame, 100, GameType::DeucesWildPoker, 0, 0);
        options.show();
        for (FramedTab* page :
             {static_cast<FramedTab*>(options.facesPage()),
              static_cast<FramedTab*>(options.backsPage()),
              static_cast<FramedTab*>(options.extrasPage()), options.optionsTab()}) {
            page->select(true);
            QCOMPARE(untranslated(&options), QStringList{});
        }

        SignInDialog signIn(&frame, QStringLiteral("Ann"));
        signIn.show();
        QCOMPARE(untranslated(&signIn, {QStringLiteral("Ann")}), QStringList{});

        HallOfFame hallOfFame(store, "Quintaro", 0, 1);
        hallOfFame.setTitle(QCoreApplication::translate("Games", "Straight Poker").toStdString());
        HallOfFameDialog fame(hallOfFame, &frame);
        fame.show();
        QCOMPARE(untranslated(&fame), QStringList{});

        AboutDialog about(&frame, QStringLiteral("1.0"), QStringLiteral("Quintaro"));
        about.show();
        QCOMPARE(untranslated(&about, {QStringLiteral("1.0")}), QStringList{});

        MessageDialog message(&frame, QStringLiteral("[message]"));
        message.show();
        QCOMPARE(untranslated(&message), QStringList{});

        HelpWindow help(&frame, QStringLiteral("Quintaro"));
        help.show();
        QCOMPARE(untranslated(&help), QStringList{});
    }

    void theTableItsMenusHandAnalysisAndStatisticsShowOnlyTranslatedTexts() {
        MemoryRegistryStore store;
        TableWindow table(&store);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QCOMPARE(untranslated(&table), QStringList{});

        QStringList missed;
        for (const QAction* item : table.menuBar()->actions()) {
            QList<QAction*> entries{item->menu()->actions()};
            entries.prepend(item->menu()->menuAction());
            for (const QAction* entry : entries)
                for (const QString& text : {entry->text(), entry->whatsThis()})
                    if (!text.isEmpty() && !(text.startsWith(u'[') && text.endsWith(u']')))
                        missed << text;
        }
        QCOMPARE(missed, QStringList{});

        table.onMenuSelect(GameMenuAnalysis);
        QVERIFY(table.handAnalysis() != nullptr);
        QCOMPARE(untranslated(table.handAnalysis()), QStringList{});
        table.onMenuSelect(GameMenuStatistics);
        QVERIFY(table.statisticsWindow() != nullptr);
        QCOMPARE(untranslated(table.statisticsWindow()), QStringList{});
    }
};

QTEST_MAIN(PseudoLanguageTest)
#include "pseudo_language_test.moc"
