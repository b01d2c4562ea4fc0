#include "about/about_dialog.h"
#include "about/help_window.h"
#include "app/game_menu.h"
#include "app/hand_analysis_window.h"
#include "app/message_dialog.h"
#include "app/table_window.h"
#include "displays/choice_list.h"
#include "displays/framed_tab.h"
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
#include "wqgame/hall_of_fame_banner.h"
#include "wqgame/resource_module.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
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

// A control's text, the size it needs, measured from the text and the font as the control
// draws it (texts we draw ourselves name their own width; one line needs no height
// checked), and where it shows, in the window's coordinates.
struct TextRoom {
    QString text;
    QSize needed;
    QRect shown;
};

std::optional<TextRoom> textRoom(QWidget* control, QWidget* window) {
    const QFontMetrics metrics = control->fontMetrics();
    const QRect place(control->mapTo(window, QPoint(0, 0)), control->size());
    const auto width = [&](const QString& text) {
        return metrics.size(Qt::TextShowMnemonic, text).width();
    };
    const auto centred = [&](const QString& text) {
        return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                   QSize(width(text), metrics.height()), place);
    };
    const auto beside = [&](QAbstractButton* button, QStyle::PixelMetric indicator,
                            QStyle::PixelMetric spacing) {
        const int before =
            control->style()->pixelMetric(indicator) + control->style()->pixelMetric(spacing);
        return TextRoom{button->text(), QSize(before + width(button->text()), 0), place};
    };
    // A tab's text has its focus rectangle's pixel, a pixel's gap and the 3-pixel bevel on
    // either side.
    if (auto* tab = qobject_cast<FramedTab*>(control))
        return TextRoom{tab->text(), QSize(width(tab->text()) + 2 * (1 + 1 + 3), 0),
                        centred(tab->text())};
    // A list's rows keep the item view's text margins, inside its frame and beside its
    // scroll bar when it shows one.
    if (auto* list = qobject_cast<ChoiceList*>(control)) {
        int widest = 0;
        for (int row = 0; row < list->count(); ++row)
            widest = std::max(widest, metrics.horizontalAdvance(list->item(row)->text()));
        const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        const QScrollBar* bar = list->verticalScrollBar();
        return TextRoom{list->accessibleName(),
                        QSize(widest + 2 * margin + 2 * list->frameWidth() +
                                  (bar->isVisibleTo(list) ? bar->width() : 0),
                              0),
                        place};
    }
    // The title sits 6 pixels in, and the frame's line shows as much after it.
    if (auto* box = qobject_cast<QGroupBox*>(control); box != nullptr && !box->title().isEmpty())
        return TextRoom{box->title(), QSize(width(box->title()) + 2 * 6, 0),
                        QRect(place.topLeft(), QSize(place.width(), metrics.height()))};
    if (auto* radio = qobject_cast<QRadioButton*>(control))
        return beside(radio, QStyle::PM_ExclusiveIndicatorWidth,
                      QStyle::PM_RadioButtonLabelSpacing);
    if (auto* check = qobject_cast<QCheckBox*>(control))
        return beside(check, QStyle::PM_IndicatorWidth, QStyle::PM_CheckBoxLabelSpacing);
    // A button's text stays clear of its 2-pixel bevel and 2 pixels more on either side.
    if (auto* button = qobject_cast<QPushButton*>(control))
        return TextRoom{button->text(), QSize(width(button->text()) + 8, 0),
                        centred(button->text())};
    auto* label = qobject_cast<QLabel*>(control);
    if (label == nullptr || label->text().isEmpty() || Qt::mightBeRichText(label->text()))
        return std::nullopt;
    const QSize text = label->wordWrap() ? metrics
                                               .boundingRect(QRect(0, 0, label->width(), 10000),
                                                             Qt::TextWordWrap, label->text())
                                               .size()
                                         : QSize(metrics.size(0, label->text()).width(), 0);
    return TextRoom{label->text(), text,
                    QStyle::alignedRect(Qt::LeftToRight, label->alignment(),
                                        text.boundedTo(place.size()), place)};
}

// The visible texts of `window` that have less room than they need, or that run into
// another's.
QStringList crowdedTexts(QWidget* window) {
    QStringList crowded;
    std::vector<TextRoom> rooms;
    for (QWidget* control : window->findChildren<QWidget*>())
        if (const auto room =
                control->isVisibleTo(window) ? textRoom(control, window) : std::nullopt) {
            if (room->needed.width() > control->width() ||
                room->needed.height() > control->height())
                crowded << room->text + QStringLiteral(" has no room");
            rooms.push_back(*room);
        }
    for (std::size_t i = 0; i < rooms.size(); ++i) {
        const TextRoom& room = rooms[i];
        for (std::size_t j = i + 1; j < rooms.size(); ++j)
            if (room.shown.intersects(rooms[j].shown))
                crowded << room.text + QStringLiteral(" overlaps ") + rooms[j].text;
    }
    return crowded;
}

// Every text of `window` translated and with room for itself.
void expectReadable(QWidget* window, const QStringList& allowed = {}) {
    QCOMPARE(untranslated(window, allowed), QStringList{});
    QCOMPARE(crowdedTexts(window).join(u'\n'), QString());
}

} // namespace

// In the pseudo-language, made from the English texts at build time, every text is
// bracketed and a third longer: a text shown without brackets missed the translations, and
// one without room shows where a window does not grow for a longer translation.
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

    void everyDialogShowsOnlyTranslatedTextsWithRoomForThem() {
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
            expectReadable(&options);
        }

        SignInDialog signIn(&frame, QStringLiteral("Ann"));
        signIn.show();
        expectReadable(&signIn, {QStringLiteral("Ann")});

        HallOfFame hallOfFame(store, "Quintaro", 0, 1);
        hallOfFame.setTitle(QCoreApplication::translate("Games", "Straight Poker").toStdString());
        HallOfFameDialog fame(hallOfFame, &frame);
        fame.show();
        expectReadable(&fame);
        // The picture's ribbon, English in the library, is written over in the language shown.
        const QRect ribbon = wqgame::hallOfFameRibbon.toRect();
        wqgame::LibraryBracket library;
        const QImage english = wqgame::loadBitmap(3000, 1).copy(ribbon);
        QVERIFY(fame.grab(ribbon.translated(4, 10)).toImage().convertToFormat(english.format()) !=
                english);

        AboutDialog about(&frame, QStringLiteral("1.0"), QStringLiteral("Quintaro"));
        about.show();
        QCOMPARE(untranslated(&about, {QStringLiteral("1.0")}), QStringList{});
        for (int tab = 1; tab <= 4; ++tab) {
            about.tab(tab)->select(true);
            QCOMPARE(crowdedTexts(&about).join(u'\n'), QString());
        }

        MessageDialog message(&frame, QCoreApplication::translate("Errors",
                                                                  "Your settings file was damaged: "
                                                                  "everything that could be read "
                                                                  "is kept"));
        message.show();
        expectReadable(&message);

        HelpWindow help(&frame, QStringLiteral("Quintaro"));
        help.show();
        expectReadable(&help);
    }

    void theTableItsMenusHandAnalysisAndStatisticsShowOnlyTranslatedTexts() {
        MemoryRegistryStore store;
        TableWindow table(&store);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        expectReadable(&table);

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
        expectReadable(table.handAnalysis());
        table.onMenuSelect(GameMenuStatistics);
        QVERIFY(table.statisticsWindow() != nullptr);
        expectReadable(table.statisticsWindow());
    }
};

QTEST_MAIN(PseudoLanguageTest)
#include "pseudo_language_test.moc"
