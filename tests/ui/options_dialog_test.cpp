#include "app/game_menu.h"
#include "app/table_window.h"
#include "dark_theme.h"
#include "dialog_probes.h"
#include "displays/choice_list.h"
#include "displays/framed_tab.h"
#include "displays/masked_picture.h"
#include "displays/vga_palette.h"
#include "displays_pixels.h"
#include "options/backs_page.h"
#include "options/extras_page.h"
#include "options/faces_page.h"
#include "options/locate_sound_dialog.h"
#include "options/options_dialog.h"
#include "persist/game_frame_window.h"
#include "platform/memory_registry_store.h"
#include "tests/core/recording_output.h"
#include "trainer/statistics_dialog.h"
#include "trainer/trainer_statistics.h"
#include "wqgame/resource_module.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>
#include <tuple>

using namespace quintaro;
using namespace quintaro::test;

namespace {

const std::string framePath = "SOFTWARE\\Varden\\Parlorset\\Options Test";
const std::string statisticsKey = "SOFTWARE\\Varden\\Parlorset\\Quintaro\\Statistics";

// A frame over a store and a sound output of its own, with `stored` in its settings first.
struct Setup {
    explicit Setup(int devices = 1, const MemoryRegistryStore::Values& stored = {})
        : output(devices) {
        for (const auto& [name, value] : stored)
            store.writeValue(framePath, name, value);
        frame.emplace(QStringLiteral("Options Test"), QSize(600, 410), &store, &output);
    }
    MemoryRegistryStore store;
    RecordingOutput output;
    std::optional<GameFrameWindow> frame;
};

// The Alt+letters of the controls `dialog` shows that are taken twice, with their owners.
QString clashingMnemonics(QWidget& dialog) {
    QMap<QString, QStringList> owners;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            text = label->text();
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            text = box->title();
        else if (auto* tab = dynamic_cast<FramedTab*>(w))
            text = tab->text();
        if (w->isVisibleTo(&dialog) && !QKeySequence::mnemonic(text).isEmpty())
            owners[QKeySequence::mnemonic(text).toString()] << text;
    }
    QString clashes;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it)
        if (it.value().size() > 1)
            clashes += it.key() + QStringLiteral(": ") + it.value().join(u',') + u';';
    return clashes;
}

// Where a radio button or check box draws its text, in its parent's coordinates.
QRect captionRect(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QStyle::SubElement contents = qobject_cast<const QRadioButton*>(&button)
                                            ? QStyle::SE_RadioButtonContents
                                            : QStyle::SE_CheckBoxContents;
    return button.style()->subElementRect(contents, &option, &button).translated(button.pos());
}

const QColor none(0x12, 0x34, 0x56);

// A row of 81 x 24 tabs at (17 + 80 i, 5) over one page, as in the About box.
struct TabRow {
    std::unique_ptr<QWidget> widget = std::make_unique<QWidget>();
    std::vector<FramedTab*> tabs;
    explicit TabRow(int count, QRect page = QRect(QPoint(10, 0), QPoint(469, 359))) {
        widget->resize(480, 404);
        for (int i = 0; i < count; ++i)
            tabs.push_back(new FramedTab(widget.get(), QRect(17 + 80 * i, 5, 81, 24),
                                         QStringLiteral("&Tab %1").arg(i + 1), page, i == 0));
    }
};

QImage paintedFrame(const FramedTab& tab, bool group) {
    QImage image(480, 404, QImage::Format_RGB32);
    image.fill(none);
    QPainter painter(&image);
    group ? tab.paintGroupFrame(painter) : tab.paintPageFrame(painter);
    return image;
}

// The classic 3-D colours, whatever the desktop theme.
const QColor face(192, 192, 192);

// Probes "k@x,y" and so on: k black, f face, l light, s shadow, - left as it was.
void expectPixels(const QImage& image, const QString& probes) {
    const QHash<QChar, QRgb> colours{{u'k', qRgb(0, 0, 0)},
                                     {u'f', face.rgb()},
                                     {u'l', qRgb(255, 255, 255)},
                                     {u's', qRgb(128, 128, 128)},
                                     {u'-', none.rgb()}};
    for (const QString& probe : probes.split(u' ')) {
        const QStringList xy = probe.mid(2).split(u',');
        QVERIFY2(image.pixel(xy[0].toInt(), xy[1].toInt()) == colours[probe[0]], qPrintable(probe));
    }
}

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
    }

    // It opens on the Options tab with the game checked and OK focused. Under a dark theme
    // the pages, their tabs and their lists are one classic surface with dark labels. A
    // screen reader finds one page tab list in the tabs' place, the selected tab marked,
    // and pressing a tab switches to it; lists are named by their boxes, game buttons by
    // their texts.
    void opensOnTheOptionsTabAsOneClassicSurfaceAndReadsAsOne() {
        const test::DarkTheme theme;
        Setup setup;
        for (GameType game : {GameType::JokersWildPoker, GameType::DeucesWildPoker}) {
            OptionsDialog dialog(*setup.frame, 100, game, 1, 2);
            QCOMPARE(dialog.size(), QSize(515, 246));
            QVERIFY(dialog.optionsTab()->isSelected());
            QVERIFY(dialog.gameButton(2)->isVisibleTo(&dialog));
            QVERIFY(!dialog.facesPage()->nameList()->isVisibleTo(&dialog));
            for (int i = 0; i < 3; ++i)
                QCOMPARE(dialog.gameButton(i)->isChecked(), i == gameTypeNumber(game));
            QCOMPARE(dialog.chosenGame(), game);
            QCOMPARE(dialog.focusWidget(), dialog.okButton());
            QCOMPARE(dialog.okButton()->geometry(), QRect(355, 218, 70, 20));
            QCOMPARE(dialog.cancelButton()->geometry(), QRect(435, 218, 70, 20));
        }
        OptionsDialog dialog(*setup.frame, 0, GameType::StraightPoker, 0, 0);
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
        QCOMPARE(names(childrenWith(window, QAccessible::List)),
                 (QStringList{"Face Names", "Card Back Names", "Background", "Sounds"}));
        QAccessibleInterface* jokers = QAccessible::queryAccessibleInterface(dialog.gameButton(1));
        QCOMPARE(jokers->role(), QAccessible::RadioButton);
        QCOMPARE(jokers->text(QAccessible::Name), QStringLiteral("Jokers Wild"));
        QVERIFY(!jokers->state().checked);
        QVERIFY(QAccessible::queryAccessibleInterface(dialog.gameButton(0))->state().checked);
        const QImage options = test::renderOn(dialog, Qt::magenta);
        // Inside the page, left of the game group.
        QCOMPARE(options.pixelColor(60, 120), face);
        QVERIFY(test::inkContrast(options, captionRect(*dialog.gameButton(0)), face) >=
                test::readableContrast);

        tabs[1]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(dialog.facesPage()->isSelected());
        QCOMPARE(selected(), (QList<bool>{false, true, false, false}));
        const QListWidget& list = *dialog.facesPage()->nameList();
        const QImage faces = test::renderOn(dialog, Qt::magenta);
        QCOMPARE(faces.pixelColor(list.geometry().bottomLeft() + QPoint(4, -4)), QColor(Qt::white));

        dialog.extrasPage()->select(true);
        const QImage extras = test::renderOn(dialog, Qt::magenta);
        QVERIFY(test::inkContrast(extras, captionRect(*dialog.extrasPage()->soundSwitch()), face) >=
                test::readableContrast);
    }

    // Each Alt+letter does one thing on every page and in the Locate dialog. The lists show
    // whole rows: each list's rows fill its inside exactly, within the height its layout
    // gives it. The pages act on the selected row, so no list may be left without one.
    void everyMnemonicIsTakenOnceAndEveryListShowsWholeRowsAndKeepsItsChoice() {
        Setup setup;
        OptionsDialog dialog(*setup.frame, 100, GameType::StraightPoker, 0, 0);
        dialog.optionsTab()->select(true);
        QCOMPARE(clashingMnemonics(dialog), QString());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const std::tuple<FramedTab*, QListWidget*, int> lists[] = {
            {dialog.facesPage(), dialog.facesPage()->nameList(), 112},
            {dialog.backsPage(), dialog.backsPage()->nameList(), 112},
            {dialog.extrasPage(), dialog.extrasPage()->backgroundList(), 80},
            {dialog.extrasPage(), dialog.extrasPage()->soundList(), 68}};
        for (auto [page, list, layoutHeight] : lists) {
            page->select(true);
            QCOMPARE(clashingMnemonics(dialog), QString());
            const int height = list->visualItemRect(list->item(0)).height();
            QVERIFY(height > 0 && list->height() <= layoutHeight);
            QCOMPARE(list->viewport()->height() % height, 0);
            QVERIFY(layoutHeight - list->height() < height);
            selectRow(*list, 1);
            const QPoint row = list->visualItemRect(list->item(1)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, row);
            QCOMPARE(selectedRow(*list), 1);
            QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
            QCOMPARE(selectedRow(*list), 1);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(0)).center());
            QCOMPARE(selectedRow(*list), 0);
        }
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCheckBox* sound = dialog.extrasPage()->soundSwitch();
        const bool wasOn = sound->isChecked();
        QTest::keyClick(&dialog, Qt::Key_U, Qt::AltModifier);
        QTRY_COMPARE(sound->isChecked(), !wasOn);
        QVERIFY(dialog.extrasPage()->isSelected());
        LocateSoundDialog locate(&dialog, QStringLiteral("Jackpot"), setup.output);
        QCOMPARE(clashingMnemonics(locate), QString());

        // A list's names end at the first empty piece.
        QCOMPARE(listNames("Paris,Dondorf"), (QStringList{"Paris", "Dondorf"}));
        QCOMPARE(listNames("Paris,"), QStringList{"Paris"});
        QCOMPARE(listNames("Paris,,Nicu"), QStringList{"Paris"});
        QCOMPARE(listNames(QString()), QStringList());
    }

    // With money in play OK asks first, and No keeps the dialog open; without, it closes.
    void okAsksOnlyWhileTheGameHasMoney() {
        Setup setup;
        for (int money : {0, 7}) {
            OptionsDialog dialog(*setup.frame, money, GameType::StraightPoker, 0, 0);
            dialog.show();
            for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
                bool asked = false;
                answerWhenAsked(dialog, answer, asked);
                dialog.okButton()->click();
                QCOMPARE(asked, money > 0);
                QCOMPARE(dialog.isVisible(), money > 0 && answer == QMessageBox::No);
            }
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
    }

    // Through the table, with Deuces Wild, face set 1, back 3, background 5, no sound for
    // "Jackpot" and sound off chosen: Cancel changes nothing, in the game or in what is
    // stored, except the sound switch; OK applies them all.
    void theTableTakesTheChoicesOnlyOnOk() {
        const std::string key = "SOFTWARE\\Varden\\Parlorset\\Quintaro";
        std::map<std::string, MemoryRegistryStore::Values> stored;
        for (const std::string run : {"untouched", "cancel", "ok"}) {
            MemoryRegistryStore store;
            RecordingOutput output(1);
            {
                TableWindow table(&store, &output);
                const bool ok = run == "ok";
                if (run != "untouched") {
                    QTimer::singleShot(0, this, [ok] {
                        auto* dialog =
                            qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
                        QVERIFY(dialog);
                        dialog->gameButton(2)->click();
                        dialog->facesPage()->nameList()->setCurrentRow(1);
                        dialog->backsPage()->nameList()->setCurrentRow(3);
                        ExtrasPage& extras = *dialog->extrasPage();
                        extras.select(true);
                        extras.selectBackground(5);
                        QListWidget& sounds = *extras.soundList();
                        sounds.setCurrentItem(sounds.findItems("Jackpot", Qt::MatchExactly)[0]);
                        QTimer::singleShot(0, [] {
                            auto* locate =
                                qobject_cast<LocateSoundDialog*>(QApplication::activeModalWidget());
                            QVERIFY(locate);
                            QCOMPARE(locate->windowTitle(),
                                     QStringLiteral("Locate Sound for Jackpot"));
                            locate->noneButton()->click();
                        });
                        extras.locateButton()->click();
                        extras.soundSwitch()->click();
                        (ok ? dialog->okButton() : dialog->cancelButton())->click();
                    });
                    table.onMenuSelect(GameMenuOptions);
                }
                QCOMPARE(table.round().gameType(),
                         ok ? GameType::DeucesWildPoker : GameType::StraightPoker);
                QCOMPARE(table.cardLook().faceSet(), ok ? 1 : 0);
                QCOMPARE(table.cardLook().back(), ok ? 3 : 0);
                QCOMPARE(int(table.background()), ok ? 5 : 16);
                QCOMPARE(table.FindSound("Jackpot"), ok ? std::string() : "slotjack.wav");
                QCOMPARE(table.soundEnabled(), run == "untouched" ? 1 : 0);
            }
            stored[run] = store.values(key);
            stored[run].erase("SoundEnabled");
        }
        QVERIFY(stored["cancel"] == stored["untouched"]);
        QCOMPARE(stored["ok"].at("CardFace"), std::string("1"));
    }

    // Play takes the first event of a name, Locate the last: with "Jackpot" stored twice,
    // Play sounds a.wav while Locate edits the second entry. Cancel keeps its file, a chosen
    // file is taken with its full path, None silences it.
    void playTakesTheFirstMatchAndLocateTheLast() {
        Setup setup(
            1, {{"Sound0", "Jackpot,a.wav"}, {"Sound1", "Jackpot,b.wav"}, {"SoundEnabled", "0"}});
        OptionsDialog dialog(*setup.frame, 0, GameType::StraightPoker, 0, 0);
        ExtrasPage& extras = *dialog.extrasPage();
        QVERIFY(!extras.soundSwitch()->isChecked() && !extras.playButton()->isEnabled());
        extras.soundSwitch()->click();

        extras.soundList()->setCurrentRow(1);
        extras.playButton()->click();
        QCOMPARE(setup.output.played, std::vector<std::string>{"a.wav"});
        QTemporaryDir folder;
        const QString chosen = folder.filePath(QStringLiteral("ding.wav"));
        QVERIFY(QFile(chosen).open(QIODevice::WriteOnly));
        const auto locate = [&](const std::function<void(LocateSoundDialog&)>& answer) {
            QTimer::singleShot(0, this, [answer] {
                auto* dialog = qobject_cast<LocateSoundDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                answer(*dialog);
            });
            extras.locateButton()->click();
        };
        locate([](LocateSoundDialog& d) { d.reject(); });
        QCOMPARE(extras.soundCopy()[1].file, std::string("b.wav"));
        locate([&chosen](LocateSoundDialog& d) {
            d.selectFile(chosen);
            static_cast<QDialog&>(d).accept(); // Open, through the dialog's own check
        });
        QCOMPARE(extras.soundCopy()[1].file, chosen.toStdString());
        locate([](LocateSoundDialog& d) { d.noneButton()->click(); });
        QCOMPARE(extras.soundCopy()[0].file, std::string("a.wav"));
        QCOMPARE(extras.soundCopy()[1].file, std::string());

        // Without a sound device every sound control is off, and the switch is kept.
        Setup silent(0);
        {
            OptionsDialog mute(*silent.frame, 0, GameType::StraightPoker, 0, 0);
            ExtrasPage& quiet = *mute.extrasPage();
            QVERIFY(quiet.soundSwitch()->isChecked() && !quiet.soundSwitch()->isEnabled());
            QVERIFY(!quiet.soundList()->isEnabled() && !quiet.locateButton()->isEnabled());
            QVERIFY(!quiet.playButton()->isEnabled());
        }
        QCOMPARE(silent.frame->soundEnabled(), 1);
    }

    // The preview of face set s is its jack of suit 0, 44 right of and 36 below the preview
    // box at (262, 40), only while the Faces tab is selected. The back is a face-down card at
    // (262 + 32, 40 + 24), in the mask's shape: the back inside, the dialog in the corners.
    // Rendered at ratio 2 after ratio 1, both previews come from the library's 2x pictures.
    // The background's preview fills the bands around its list, only on the Extras page.
    void previewsShowTheChoicesAtTheRatioTheyArePaintedAt() {
        Setup setup(1, {{"Background", "5"}});
        OptionsDialog dialog(*setup.frame, 0, GameType::StraightPoker, 2, 3);
        const QRect preview(306, 76, 45, 74);
        const QImage jack2 = library(2006).copy(0, 0, 45, 74);
        QVERIFY(rendered(dialog).copy(preview) != jack2);
        dialog.facesPage()->select(true);
        QCOMPARE(rendered(dialog).copy(preview), jack2);
        QCOMPARE(dialog.facesPage()->nameList()->count(), 4);
        for (int set = 0; set < 4; ++set) {
            dialog.facesPage()->nameList()->setCurrentRow(set);
            QCOMPARE(rendered(dialog).copy(preview), library(2004 + set).copy(0, 0, 45, 74));
        }
        QCOMPARE(rendered(dialog, 2).copy(QRect(QPoint(306, 76) * 2, QSize(90, 148))),
                 library(2007, 2).copy(0, 0, 90, 148));

        dialog.backsPage()->select(true);
        const QRgb window = dialog.palette().color(QPalette::Window).rgb();
        for (int ratio : {1, 2}) {
            const QImage image = rendered(dialog, ratio);
            const QImage backs = library(2000, ratio);
            const QImage mask = library(2012, ratio);
            const QPoint at = QPoint(294, 64) * ratio;
            for (int y = 0; y < 96 * ratio; ++y)
                for (int x = 0; x < 71 * ratio; ++x) {
                    const QRgb expected = mask.pixel(x, y) == qRgb(255, 255, 255)
                                              ? window
                                              : backs.pixel(3 * 71 * ratio + x, y);
                    QCOMPARE(image.pixel(at + QPoint(x, y)), expected);
                }
        }

        const QRgb magenta = vgaColour(VgaColour::Magenta).rgb();
        QVERIFY(rendered(dialog).pixel(70, 60) != magenta);

        dialog.extrasPage()->select(true);
        QImage image = rendered(dialog);
        for (QPoint p : {QPoint(68, 56), QPoint(253, 168), QPoint(93, 100), QPoint(216, 100),
                         QPoint(150, 70), QPoint(150, 145)})
            QCOMPARE(image.pixel(p), magenta);
        for (QPoint p : {QPoint(67, 100), QPoint(254, 100), QPoint(150, 169), QPoint(94, 100),
                         QPoint(215, 100), QPoint(150, 71), QPoint(150, 144)})
            QVERIFY(image.pixel(p) != magenta);

        // Choice 20 is one large tile; choice 28 (96 x 96) repeats both ways.
        for (int choice : {20, 28}) {
            dialog.extrasPage()->selectBackground(choice);
            const QImage tile = library(1084 + choice);
            QVERIFY(!tile.isNull());
            image = rendered(dialog);
            // The preview area outside the background list grown by one pixel: the list at
            // (95, 72) is 120 x 72, five whole rows of 14 pixels in its frame.
            const QRect list(QPoint(94, 71), QPoint(215, 144));
            int wrong = 0;
            for (int y = 56; y <= 168; ++y)
                for (int x = 68; x <= 253; ++x)
                    if (!list.contains(x, y))
                        wrong += image.pixel(x, y) !=
                                 tile.pixel((x - 68) % tile.width(), (y - 56) % tile.height());
            QCOMPARE(wrong, 0);
        }
    }

    // Two hands of Deuces Wild stored from before, one more this session: the pages show
    // each column in the table's dollars, and Reset empties only the page shown, if asked.
    void statisticsPagesShowBothColumnsAndResetAsks() {
        MemoryRegistryStore store;
        const std::int64_t scale = valueScale(GameType::DeucesWildPoker);
        store.writeValue(statisticsKey, "Hands_2", "2");
        store.writeValue(statisticsKey, "Bet_2", "10");
        store.writeValue(statisticsKey, "Paid_2", "5");
        store.writeValue(statisticsKey, "Expected_2", std::to_string(9 * scale));
        store.writeValue(statisticsKey, "Hands_0", "4");
        TrainerStatistics statistics(store, "Quintaro");
        // Made-up worths at $5: the 3 kept for $0.25 where the four kings are worth $1.25.
        const CardDeck deck(false);
        const PokerHand::Cards dealt{deck.card(41), deck.card(12), deck.card(38), deck.card(25),
                                     deck.card(51)};
        JudgedRedeal judged{0b00001, 0b11110, scale / 4, 5 * scale / 4, scale, 2, 1, 1, 5};
        statistics.record(GameType::DeucesWildPoker, judged, dealt, 5);

        StatisticsDialog dialog(statistics, GameType::DeucesWildPoker, nullptr);
        QCOMPARE(dialog.pages()->tabText(2), QStringLiteral("Deuces Wild Poker"));
        QCOMPARE(dialog.pages()->currentIndex(), 2);
        const auto row = [&](int page, int r) {
            return QStringList{dialog.cell(page, r, 0), dialog.cell(page, r, 1),
                               dialog.cell(page, r, 2)};
        };
        QCOMPARE(row(2, 1), (QStringList{"Hands played", "1", "3"}));
        QCOMPARE(row(2, 2), (QStringList{"Total bet", "$5", "$15"}));
        QCOMPARE(row(2, 3), (QStringList{"Total paid", "$1", "$6"}));
        QCOMPARE(row(2, 5), (QStringList{"Expected return of your holds", "5.00%", "61.67%"}));
        QCOMPARE(row(2, 11),
                 (QStringList{"Costliest mistake", "3♦ K♣ K♥ K♠ K♦", "3♦ K♣ K♥ K♠ K♦"}));
        QCOMPARE(row(2, 12), (QStringList{"    Hold taken", "hold 3♦ ($0.25)", "hold 3♦ ($0.25)"}));
        QCOMPARE(row(2, 13).at(1), QStringLiteral("hold K♣ K♥ K♠ K♦ ($1.25)"));
        QCOMPARE(row(2, 16).at(1), QStringLiteral("0 / 1"));
        QCOMPARE(row(2, 17).at(2), QStringLiteral("1 / 0"));
        QCOMPARE(row(0, 1), (QStringList{"Hands played", "0", "4"}));
        QCOMPARE(row(0, 4), (QStringList{"Return", "-", "-"})); // no bet stored

        // The reset is reachable by its mnemonic; No keeps everything.
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // A screen reader reads a page row by row, each cell under its column's header.
        QAccessibleInterface* page =
            QAccessible::queryAccessibleInterface(dialog.pages()->widget(2));
        QVERIFY(page != nullptr && page->tableInterface() != nullptr);
        QAccessibleInterface* hands = page->tableInterface()->cellAt(0, 2);
        QCOMPARE(hands->text(QAccessible::Name), QStringLiteral("3"));
        const auto headers = hands->tableCellInterface()->columnHeaderCells();
        QCOMPARE(headers.size(), 1);
        QCOMPARE(headers.first()->text(QAccessible::Name), QStringLiteral("All time"));
        bool answered = false;
        answerWhenAsked(dialog, QMessageBox::No, answered);
        QTest::keyClick(&dialog, Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(answered);
        QCOMPARE(store.values(statisticsKey).at("Hands_2"), std::string("2"));
        answerWhenAsked(dialog, QMessageBox::Yes, answered);
        dialog.resetButton()->click();
        QVERIFY(answered);
        QCOMPARE(row(2, 1), (QStringList{"Hands played", "0", "0"}));
        QCOMPARE(store.values(statisticsKey).count("Hands_2"), 0u);
        QCOMPARE(store.values(statisticsKey).at("Hands_0"), std::string("4"));
        // Shown, it follows the figures: a hand judged, another copy's hands found at a save.
        statistics.record(GameType::DeucesWildPoker, judged, dealt, 5);
        QCOMPARE(row(2, 1), (QStringList{"Hands played", "1", "1"}));
        store.writeValue(statisticsKey, "Hands_0", "6");
        QVERIFY(statistics.save());
        QCOMPARE(row(0, 1), (QStringList{"Hands played", "0", "6"}));

        // Close, in words, is the default: Enter closes from the Reset button too, unasked.
        QVERIFY(dialog.closeButton()->isDefault());
        QVERIFY(dialog.closeButton()->icon().isNull());
        dialog.resetButton()->setFocus();
        answerWhenAsked(dialog, QMessageBox::Yes, answered);
        QTest::keyClick(dialog.resetButton(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QTest::qWait(50);
        QVERIFY(!answered);
        QCOMPARE(store.values(statisticsKey).at("Hands_2"), std::string("1"));
    }

    // Under a dark theme: the tabs and their frame keep the classic colours and dark text.
    // While a tab lives, a row of suits runs along its frame's bottom between two clasps,
    // standing on the bottom bevel and touching the side ones; nothing lies outside the
    // frame. The last tab to go drops the pictures.
    void selectedTabIsOpenTowardsItsPageAndTheFrameUnderIt() {
        const DarkTheme theme;
        {
            TabRow dialog(3);
            QCOMPARE(dialog.tabs[1]->pageRect().top(), 5 + 24 - 3);
            dialog.tabs[1]->select(true);
            // R = 80, B = 23.
            expectPixels(renderOn(*dialog.tabs[1], none),
                         "f@0,0 k@0,10 l@2,10 f@3,10 l@10,2 f@10,3 k@80,10 s@78,10 f@77,10 "
                         "l@0,23 l@0,22 k@0,21 s@80,23 s@80,22 f@5,23 f@5,21");
            // An unselected tab carries the frame's top border across its foot.
            const QImage unselected = renderOn(*dialog.tabs[2], none);
            expectPixels(unselected, "l@1,10 f@2,10 l@10,1 f@10,2 s@79,10 f@78,10 l@40,23 "
                                     "l@40,22 k@40,21 l@80,23");
            QVERIFY(!dialog.tabs[2]->hasFocus());
            QVERIFY(inkContrast(unselected, QRect(20, 4, 41, 14), face) >= readableContrast);
            // L = 10, T = 26, Rr = 469, Bb = 359; the selected tab runs from 97 to 177.
            const QImage image = paintedFrame(*dialog.tabs[1], false);
            expectPixels(image,
                         "-@10,26 -@469,26 -@10,359 -@469,359 k@11,26 k@97,26 k@177,26 k@469,27 "
                         "k@11,359 k@10,27 -@98,26 -@176,26 -@137,27 l@12,28 l@97,28 l@177,27 "
                         "l@12,200 -@13,200 s@467,28 s@467,200 s@12,357");
            // Any tab of the group paints the frame of the selected one.
            QCOMPARE(paintedFrame(*dialog.tabs[0], true), image);
            QVERIFY(paintedFrame(*dialog.tabs[0], false) != image);

            const QImage& row = FramedTab::decoration(0);
            const QImage& clasp = FramedTab::decoration(1);
            QCOMPARE(maskedPictureSize(row), QSize(48, 12));
            QCOMPARE(maskedPictureSize(clasp), QSize(20, 12));
            // The bevels end at 12 and 467, the bottom one at 357.
            QCOMPARE(maskedPictureFaults(image, QPoint(13, 345), clasp, none.rgb()), 0);
            QCOMPARE(maskedPictureFaults(image, QPoint(447, 345), clasp, none.rgb()), 0);
            // 414 pixels between the clasps: 34 suits and 3 pixels on either side.
            for (int i = 0; i < 34; ++i)
                QCOMPARE(maskedPictureFaults(image, QPoint(36 + 12 * i, 345), row, none.rgb(),
                                             QRect(12 * (i % 4), 0, 12, 12)),
                         0);
            QVERIFY(!anyPixel(image, QRect(0, 360, 480, 44), isNot(none)));

            // Too narrow for a suit: the clasps alone.
            TabRow narrow(1, QRect(QPoint(10, 0), QPoint(66, 300)));
            const QImage small = paintedFrame(*narrow.tabs[0], false);
            QCOMPARE(maskedPictureFaults(small, QPoint(13, 286), clasp, none.rgb()), 0);
            QCOMPARE(maskedPictureFaults(small, QPoint(44, 286), clasp, none.rgb()), 0);
            QVERIFY(!anyPixel(small, QRect(33, 286, 11, 12), isNot(none)));
        }
        QCOMPARE(FramedTab::tabCount(), 0);
        QVERIFY(FramedTab::decoration(0).isNull() && FramedTab::decoration(1).isNull());
    }

    void selectionShowsOnePageAndTakesTheFocus() {
        TabRow dialog(3);
        std::vector<QLabel*> pages;
        for (FramedTab* tab : dialog.tabs) {
            pages.push_back(new QLabel(QStringLiteral("page"), dialog.widget.get()));
            tab->addPageControl(pages.back());
        }
        dialog.widget->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.widget.get()));
        const auto expectSelected = [&](int selected) {
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(dialog.tabs[i]->isSelected(), i == selected);
                QCOMPARE(pages[i]->isHidden(), i != selected);
            }
            QVERIFY(dialog.tabs[selected]->hasFocus());
        };
        dialog.tabs[0]->select(true);
        expectSelected(0);
        QTest::mouseClick(dialog.tabs[2], Qt::LeftButton, {}, QPoint(40, 12));
        expectSelected(2);
        QTest::keyClick(dialog.tabs[1], Qt::Key_A);
        expectSelected(2);
        QTest::keyClick(dialog.tabs[0], Qt::Key_Space);
        expectSelected(0);
        QTest::keyClick(dialog.tabs[1], Qt::Key_Space, Qt::ShiftModifier);
        expectSelected(1);
        QTest::keyClick(dialog.tabs[2], Qt::Key_Space, Qt::ControlModifier);
        expectSelected(2);

        // Selecting the selected tab again changes nothing but the focus.
        const QImage before = renderOn(*dialog.widget, none);
        dialog.tabs[0]->setFocus();
        QSignalSpy changes(dialog.tabs[2], &FramedTab::selectionChanged);
        dialog.tabs[2]->select(true);
        expectSelected(2);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(renderOn(*dialog.widget, none), before);

        // The focus rectangle runs one pixel outside the text, only while focused.
        const QFontMetrics metrics = dialog.tabs[2]->fontMetrics();
        const int width = metrics.size(Qt::TextShowMnemonic, QStringLiteral("&Tab 3")).width();
        const QRect focus((81 - width) / 2 - 1, (24 - metrics.height()) / 2 - 1, width + 2,
                          metrics.height() + 2);
        QCOMPARE(dialog.tabs[2]->focusRect(), focus);
        const QRect edge(focus.topLeft(), QSize(focus.width(), 1));
        const QColor ink(0, 0, 0);
        QVERIFY(anyPixel(renderOn(*dialog.tabs[2], none), edge, is(ink)));
        dialog.tabs[0]->setFocus();
        QVERIFY(!anyPixel(renderOn(*dialog.tabs[2], none), edge, is(ink)));

        // Alt with a tab's marked letter selects it.
        auto* marked = new FramedTab(dialog.widget.get(), QRect(260, 5, 81, 24),
                                     QStringLiteral("&Zeta"), QRect(10, 0, 505, 196), false);
        marked->show();
        QTest::keyClick(dialog.widget.get(), Qt::Key_Z, Qt::AltModifier);
        QVERIFY(marked->isSelected());
        QVERIFY(!dialog.tabs[2]->isSelected());
        // Another group's selection leaves this one's alone.
        TabRow other(2);
        other.tabs[1]->select(true);
        QVERIFY(marked->isSelected());
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
