#include "app/options_dialog.h"
#include "cards/backs_page.h"
#include "cards/faces_page.h"
#include "dark_theme.h"
#include "displays/choice_list.h"
#include "displays/framed_tab.h"
#include "displays_pixels.h"
#include "persist/game_frame_window.h"
#include "platform/memory_registry_store.h"
#include "sound/extras_page.h"
#include "sound/locate_sound_dialog.h"
#include "wqgame/resource_module.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

using namespace quintaro;

namespace {

class SilentOutput : public SoundOutput {
public:
    int deviceCount() const override { return 1; }
    void play(const std::string&) override {}
};

class Frame : public GameFrameWindow {
public:
    Frame(RegistryStore& store, SoundOutput& output)
        : GameFrameWindow(QStringLiteral("Options Test"), QSize(600, 410), &store, &output) {
        RegisterSound("Jackpot", "slotjack");
    }
};

// The Alt+letters of the controls `dialog` shows, with the letters taken twice.
QStringList clashingMnemonics(QWidget& dialog) {
    QMap<QString, QStringList> owners;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&dialog))
            continue;
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            text = label->text();
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            text = box->title();
        else if (auto* tab = dynamic_cast<FramedTab*>(w))
            text = tab->text();
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            owners[key.toString()] << text;
    }
    QStringList clashes;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
        if (it.value().size() > 1)
            clashes << it.key() + QStringLiteral(": ") + it.value().join(QStringLiteral(", "));
    }
    return clashes;
}

int rowOf(const QListWidget& list, const QString& text) {
    return list.row(list.findItems(text, Qt::MatchExactly).value(0));
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

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
    }

    void opensOnTheOptionsTabWithTheGameCheckedAndOkFocused() {
        MemoryRegistryStore store;
        SilentOutput output;
        Frame frame(store, output);
        for (GameType game : {GameType::JokersWildPoker, GameType::DeucesWildPoker}) {
            OptionsDialog dialog(frame, 100, game, 1, 2);
            QCOMPARE(dialog.size(), QSize(515, 246));
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Quintaro Options"));
            QVERIFY(dialog.optionsTab()->isSelected());
            QVERIFY(!dialog.facesPage()->isSelected() && !dialog.extrasPage()->isSelected());
            QVERIFY(dialog.gameButton(2)->isVisibleTo(&dialog));
            QVERIFY(!dialog.facesPage()->nameList()->isVisibleTo(&dialog));
            for (int i = 0; i < 3; ++i)
                QCOMPARE(dialog.gameButton(i)->isChecked(), i == gameTypeNumber(game));
            QCOMPARE(dialog.focusWidget(), dialog.okButton());
            QCOMPARE(dialog.okButton()->geometry(), QRect(355, 218, 70, 20));
            QCOMPARE(dialog.cancelButton()->geometry(), QRect(435, 218, 70, 20));
            QCOMPARE(dialog.chosenGame(), game);
            QCOMPARE(dialog.chosenFaceSet(), 1);
            QCOMPARE(dialog.chosenBack(), 2);
            QCOMPARE(dialog.extrasPage()->selectedBackground(), int(frame.background()));
        }
        OptionsDialog dialog(frame, 0, GameType::DeucesWildPoker, 0, 0);
        dialog.gameButton(0)->click();
        QCOMPARE(dialog.chosenGame(), GameType::StraightPoker);
        dialog.backsPage()->nameList()->setCurrentRow(3);
        QCOMPARE(dialog.chosenBack(), 3);
    }

    // Each Alt+letter does one thing on every page and in the Locate dialog.
    void everyMnemonicIsTakenOnce() {
        MemoryRegistryStore store;
        SilentOutput output;
        Frame frame(store, output);
        OptionsDialog dialog(frame, 100, GameType::StraightPoker, 0, 0);
        for (FramedTab* page :
             std::initializer_list<FramedTab*>{dialog.optionsTab(), dialog.facesPage(),
                                               dialog.backsPage(), dialog.extrasPage()}) {
            page->select(true);
            QVERIFY2(clashingMnemonics(dialog).isEmpty(),
                     qPrintable(clashingMnemonics(dialog).join(QStringLiteral("; "))));
        }
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCheckBox* sound = dialog.extrasPage()->soundSwitch();
        const bool wasOn = sound->isChecked();
        QTest::keyClick(&dialog, Qt::Key_U, Qt::AltModifier);
        QTRY_COMPARE(sound->isChecked(), !wasOn);
        QVERIFY(dialog.extrasPage()->isSelected());

        LocateSoundDialog locate(&dialog, QStringLiteral("Jackpot"), output);
        QVERIFY2(clashingMnemonics(locate).isEmpty(),
                 qPrintable(clashingMnemonics(locate).join(QStringLiteral("; "))));
    }

    // Pages act on the selected row, so no list may be left without one.
    void everyListKeepsItsChoice() {
        MemoryRegistryStore store;
        SilentOutput output;
        Frame frame(store, output);
        OptionsDialog dialog(frame, 100, GameType::StraightPoker, 0, 0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const std::pair<FramedTab*, QListWidget*> lists[] = {
            {dialog.facesPage(), dialog.facesPage()->nameList()},
            {dialog.backsPage(), dialog.backsPage()->nameList()},
            {dialog.extrasPage(), dialog.extrasPage()->backgroundList()},
            {dialog.extrasPage(), dialog.extrasPage()->soundList()}};
        for (auto [page, list] : lists) {
            page->select(true);
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
    }

    // Under a dark theme the pages and their tabs are one classic surface with dark labels,
    // while the lists keep the theme's own colours.
    void pagesAndTabsAgreeUnderADarkTheme() {
        const test::DarkTheme theme;
        MemoryRegistryStore store;
        SilentOutput output;
        Frame frame(store, output);
        OptionsDialog dialog(frame, 0, GameType::StraightPoker, 0, 0);
        const QColor face(192, 192, 192);
        const QImage options = test::renderOn(dialog, Qt::magenta);
        // Inside the page, left of the game group; and the unselected Faces tab at (97, 5).
        QCOMPARE(options.pixelColor(60, 120), face);
        QCOMPARE(options.pixelColor(107, 17), face);
        QVERIFY(test::inkContrast(options, captionRect(*dialog.gameButton(0)), face) >=
                test::readableContrast);

        dialog.facesPage()->select(true);
        const QListWidget& list = *dialog.facesPage()->nameList();
        const QImage faces = test::renderOn(dialog, Qt::magenta);
        QCOMPARE(faces.pixelColor(list.geometry().bottomLeft() + QPoint(4, -4)),
                 test::darkPalette().color(QPalette::Base));

        dialog.extrasPage()->select(true);
        const QImage extras = test::renderOn(dialog, Qt::magenta);
        QVERIFY(test::inkContrast(extras, captionRect(*dialog.extrasPage()->soundSwitch()), face) >=
                test::readableContrast);
    }

    void okAsksOnlyWhileTheGameHasMoney() {
        MemoryRegistryStore store;
        SilentOutput output;
        Frame frame(store, output);
        {
            OptionsDialog dialog(frame, 0, GameType::StraightPoker, 0, 0);
            dialog.show();
            answerQuery(QMessageBox::No);
            dialog.okButton()->click();
            QCOMPARE(m_questions, 0);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(!dialog.isVisible());
            QTest::qWait(0); // the unused answer runs out here
        }
        OptionsDialog dialog(frame, 7, GameType::StraightPoker, 0, 0);
        dialog.show();
        answerQuery(QMessageBox::No);
        dialog.okButton()->click();
        QCOMPARE(m_questions, 1);
        QVERIFY(dialog.isVisible());
        answerQuery(QMessageBox::Yes);
        dialog.okButton()->click();
        QCOMPARE(m_questions, 2);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }

    // Cancel drops the background and the sound files but not the sound switch; OK with
    // the two apply calls takes all three.
    void onlyTheSoundSwitchSurvivesCancel() {
        for (bool accept : {false, true}) {
            MemoryRegistryStore store;
            SilentOutput output;
            Frame frame(store, output);
            QCOMPARE(int(frame.background()), 16);
            {
                OptionsDialog dialog(frame, 0, GameType::StraightPoker, 0, 0);
                ExtrasPage& extras = *dialog.extrasPage();
                extras.select(true);
                extras.selectBackground(5);
                extras.soundList()->setCurrentRow(
                    rowOf(*extras.soundList(), QStringLiteral("Jackpot")));
                QTimer::singleShot(0, this, [] {
                    auto* locate =
                        qobject_cast<LocateSoundDialog*>(QApplication::activeModalWidget());
                    QVERIFY(locate);
                    QCOMPARE(locate->windowTitle(), QStringLiteral("Locate Sound for Jackpot"));
                    locate->noneButton()->click();
                });
                extras.locateButton()->click();
                extras.soundSwitch()->click();
                QVERIFY(!extras.locateButton()->isEnabled());
                if (accept) {
                    dialog.okButton()->click();
                    dialog.applyBackground(frame);
                    dialog.applySounds(frame);
                } else {
                    dialog.cancelButton()->click();
                }
                QCOMPARE(frame.soundEnabled(), 1);
            }
            QCOMPARE(frame.soundEnabled(), 0);
            QCOMPARE(int(frame.background()), accept ? 5 : 16);
            QCOMPARE(frame.FindSound("Jackpot"), accept ? std::string() : "slotjack.wav");
        }
    }

private:
    // Answers the next query box, counting it.
    void answerQuery(QMessageBox::StandardButton answer) {
        QTimer::singleShot(0, this, [this, answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++m_questions;
                box->button(answer)->click();
            }
        });
    }

    int m_questions = 0;
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
