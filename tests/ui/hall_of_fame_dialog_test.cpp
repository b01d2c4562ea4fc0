#include "app/message_dialog.h"
#include "dark_theme.h"
#include "dialog_probes.h"
#include "displays/accessibility_events.h"
#include "displays_pixels.h"
#include "persist/hall_of_fame.h"
#include "persist/hall_of_fame_dialog.h"
#include "persist/sign_in_dialog.h"
#include "platform/memory_registry_store.h"
#include "wqgame/resource_module.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace quintaro;

namespace {

const std::string settingsPath = "SOFTWARE\\Varden\\Parlorset\\Quintaro";

// Box i of row `row`: 0 number, 1 name, 2 score; both corners inside.
QRect box(int column, int row) {
    const int lefts[] = {10, 35, 196};
    const int rights[] = {30, 191, 255};
    const int dx = 11 * row;
    return {QPoint(lefts[column] + dx, 10 + 27 * row), QPoint(rights[column] + dx, 27 + 27 * row)};
}

bool insideABox(QPoint p) {
    for (int row = 0; row < 10; ++row)
        for (int column = 0; column < 3; ++column)
            if (box(column, row).contains(p))
                return true;
    return false;
}

// The topmost row of `rect` holding a pixel other than white, or -1.
int firstInkRow(const QImage& image, const QRect& rect) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return y;
    return -1;
}

// The rightmost pixel of row `y` from `from` up to `to` that is not `background`, or -1.
int lastInk(const QImage& image, int y, int from, int to, QRgb background) {
    for (int x = to; x >= from; --x)
        if (image.pixel(x, y) != background)
            return x;
    return -1;
}

int nonWhiteInside(const QImage& image, const QRect& rect) {
    int count = 0;
    for (int y = rect.top() + 1; y < rect.bottom(); ++y)
        for (int x = rect.left() + 1; x < rect.right(); ++x)
            count += image.pixel(x, y) != qRgb(255, 255, 255);
    return count;
}

// The parts whose names changed, each with the name it had when the event went out.
std::vector<std::pair<QAccessibleInterface*, QString>> renamed;

void recordRenamed(QAccessibleEvent* event) {
    if (event->type() == QAccessible::NameChanged)
        renamed.emplace_back(event->accessibleInterface(),
                             event->accessibleInterface()->text(QAccessible::Name));
}

} // namespace

class HallOfFameDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Runs before the library is opened, so the picture draws nothing and every pixel
    // outside the boxes is the dialog's background: the classic face, under a dark theme too.
    void boxesFollowTheSlantOfThePicture() {
        const test::DarkTheme theme;
        MemoryRegistryStore store;
        store.writeValue(settingsPath, HallOfFame::nameValue(0, 0), "Ann");
        store.writeValue(settingsPath, HallOfFame::scoreValue(0, 0), "4700");
        HallOfFame hall(store, "Quintaro", 0, 1);
        HallOfFameDialog dialog(hall, nullptr);
        dialog.copyEntries();
        const QImage image = dialog.grab().toImage();
        const QRgb background = qRgb(192, 192, 192);
        const QRgb black = qRgb(0, 0, 0);

        // The outline covers both corners and nothing beyond them.
        for (int row : {0, 4, 9})
            for (int column = 0; column < 3; ++column) {
                const QRect r = box(column, row);
                const int middle = r.top() + 8;
                QCOMPARE(image.pixel(r.topLeft()), black);
                QCOMPARE(image.pixel(r.bottomRight()), black);
                QCOMPARE(image.pixel(r.left(), middle), black);
                QCOMPARE(image.pixel(r.right(), middle), black);
                QCOMPARE(image.pixel(r.left() - 1, middle), background);
                QCOMPARE(image.pixel(r.right() + 1, middle), background);
                QCOMPARE(image.pixel(r.left() + 1, r.bottom() + 1), background);
                QCOMPARE(image.pixel(r.left() + 1, r.top() + 1), qRgb(255, 255, 255));
            }

        QVERIFY(nonWhiteInside(image, box(0, 9)) > 0); // "10"
        QVERIFY(test::inkContrast(image, box(1, 0).adjusted(1, 1, -1, -1), Qt::white) >=
                test::readableContrast);               // "Ann"
        QVERIFY(nonWhiteInside(image, box(2, 0)) > 0); // "4700"
        QCOMPARE(nonWhiteInside(image, box(1, 1)), 0);
        QCOMPARE(nonWhiteInside(image, box(2, 9)), 0);

        // A name too long for its box stays inside it: nothing else changes.
        store.writeValue(settingsPath, HallOfFame::nameValue(0, 0), std::string(60, 'W'));
        HallOfFame longHall(store, "Quintaro", 0, 1);
        HallOfFameDialog longDialog(longHall, nullptr);
        longDialog.copyEntries();
        const QImage longImage = longDialog.grab().toImage();
        const QRect name = box(1, 0);
        for (int y = name.top() - 3; y <= name.bottom() + 3; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!name.adjusted(1, 1, -1, -1).contains(x, y))
                    QCOMPARE(longImage.pixel(x, y), image.pixel(x, y));
        QVERIFY(nonWhiteInside(longImage, name) > nonWhiteInside(image, name));
    }

    // The picture's mask lets the background through. "10" reads whole, its digits as tall
    // as the "1" above; and the lowest row's plaque ends in the same slanted edge as the
    // rows above it, shifted along the staircase, where a picture too narrow cuts it
    // square. At one to three device pixels per pixel.
    void theMaskLetsTheBackgroundThroughAndRankTenReadsWhole() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
        MemoryRegistryStore store;
        HallOfFame hall(store, "Quintaro", 0, 1);
        HallOfFameDialog dialog(hall, nullptr);
        const QRgb face = qRgb(192, 192, 192);
        for (int r : {1, 2, 3}) {
            const QImage image = test::rendered(dialog, r);
            const auto inside = [r](const QRect& box) {
                return QRect(box.topLeft() * r, box.bottomRight() * r + QPoint(r - 1, r - 1))
                    .adjusted(r, r, -r, -r);
            };
            const QRect one = inside(box(0, 0));
            const QRect ten = inside(box(0, 9));
            QVERIFY(firstInkRow(image, one) >= 0);
            QCOMPARE(firstInkRow(image, ten) - ten.top(), firstInkRow(image, one) - one.top());

            // Rows 5 and 10, across their plaques' height, right of their score boxes.
            int edges = 0;
            for (int dy = -3 * r; dy < 23 * r; ++dy) {
                const int edge5 = lastInk(image, (10 + 27 * 4) * r + dy, 300 * r, 383 * r, face);
                const int edge10 = lastInk(image, (10 + 27 * 9) * r + dy, 355 * r, 383 * r, face);
                QCOMPARE(edge10, edge5 < 0 ? -1 : edge5 + 55 * r);
                edges += edge5 >= 0;
            }
            QVERIFY(edges > 10 * r);
        }

        // What the window system shows: the widget painted into its own backing store.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage image = dialog.screen()
                                 ->grabWindow(dialog.winId())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), dialog.size());
        QCOMPARE(test::maskedPictureFaults(image, QPoint(4, 10), test::library(3000),
                                           dialog.palette().color(QPalette::Window).rgb(), {},
                                           insideABox),
                 0);
    }

    // The sign-in's controls sit where the layout puts them, and its name field holds at
    // most 255 bytes of UTF-8.
    void signInControlsSitWhereTheLayoutPutsThem() {
        SignInDialog dialog(nullptr, QStringLiteral("Ann"));
        QCOMPARE(dialog.size(), QSize(320, 150));

        QCOMPARE(dialog.welcomeText()->geometry(), QRect(0, 8, 320, 26));
        QCOMPARE(dialog.welcomeText()->font().pixelSize(), 24);
        QCOMPARE(dialog.welcomeText()->text(), QStringLiteral("Welcome to the Casino!"));

        QCOMPARE(dialog.noteText()->geometry(), QRect(31, 47, 258, 40));
        QCOMPARE(dialog.noteText()->font().pixelSize(), 12);
        QVERIFY(dialog.noteText()->wordWrap());
        QCOMPARE(dialog.noteText()->text(),
                 QStringLiteral("You will be provided with $100 to play.  Please enter your "
                                "name below."));

        QCOMPARE(dialog.nameEdit()->geometry(), QRect(31, 90, 258, 24));
        QCOMPARE(dialog.nameEdit()->whatsThis(),
                 QStringLiteral("Enter your name here.  It will be used for the high score "
                                "tables."));

        QCOMPARE(dialog.okButton()->geometry(), QRect(125, 125, 70, 20));
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("OK"));
        QCOMPARE(dialog.okButton()->whatsThis(),
                 QStringLiteral("Click OK when you have entered your name in the above "
                                "field."));

        QLineEdit* edit = dialog.nameEdit();
        edit->clear();
        const auto type = [edit](const QString& text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
            QApplication::sendEvent(edit, &press);
        };
        const QString e = QString(QChar(0xE9)); // two bytes in UTF-8
        for (int i = 0; i < 127; ++i)
            type(e);
        QCOMPARE(edit->text().toUtf8().size(), 254);
        type(e);
        QCOMPARE(edit->text().toUtf8().size(), 254);
        QTest::keyClicks(edit, QStringLiteral("ab"));
        QCOMPARE(edit->text().toUtf8().size(), 255);
        QVERIFY(edit->text().endsWith(u'a'));

        edit->clear();
        edit->insert(QString(200, QChar(0x20AC))); // 600 bytes at once: refused whole
        QCOMPARE(edit->text(), QString());
    }

    // Run after the library is open. Under a dark theme the picture's surface, the message
    // on it and the OK button keep their classic colours. A heading replaces the usual one
    // only when given. A screen reader reads the message as the dialog's description and
    // as a text of its own.
    void messageShowsItsPictureAndTextUnderADarkTheme() {
        const test::DarkTheme theme;
        MessageDialog dialog(nullptr, QStringLiteral("You are broke!"));
        QCOMPARE(wqgame::libraryNesting(), 0);
        QCOMPARE(dialog.picture().size(), QSize(240, 200));
        const QImage image = test::renderOn(dialog, Qt::magenta);
        QCOMPARE(test::maskedPictureFaults(image, QPoint(0, 0), dialog.picture(),
                                           dialog.palette().color(QPalette::Window).rgb()),
                 0);
        const QLabel* message = nullptr;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            if (label->text() == QStringLiteral("You are broke!"))
                message = label;
        QVERIFY(message);
        // The label lies in a group box, which the style may tint a shade darker.
        const QRect text = message->geometry();
        const QColor ground = image.pixelColor(text.bottomRight());
        const QColor face(192, 192, 192);
        QVERIFY(test::inkContrast(image, QRect(text.bottomRight(), QSize(1, 1)), face) < 8);
        QVERIFY(test::inkContrast(image, text, ground) >= test::readableContrast);
        QCOMPARE(dialog.findChild<QPushButton*>()->palette().color(QPalette::Button), face);
        // So is the sign-in: a white name field on the grey face.
        SignInDialog signIn(nullptr, QString());
        const QImage welcome = test::renderOn(signIn, Qt::magenta);
        QCOMPARE(welcome.pixelColor(signIn.nameEdit()->geometry().center()), QColor(Qt::white));
        QCOMPARE(welcome.pixelColor(5, 140), face);

        QVERIFY(!dialog.heading().isEmpty() && dialog.secondLine().isEmpty());
        MessageDialog full(nullptr, QStringLiteral("You are broke!"),
                           QStringLiteral("Better luck next time."), QStringLiteral("Heading"));
        QCOMPARE(full.heading(), QStringLiteral("Heading"));
        QCOMPARE(full.secondLine(), QStringLiteral("Better luck next time."));
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&full);
        QCOMPARE(window->text(QAccessible::Description),
                 QStringLiteral("You are broke! Better luck next time."));
        QVERIFY(test::names(test::childrenWith(window, QAccessible::StaticText))
                    .contains(QStringLiteral("You are broke!")));
    }

    // To a screen reader: ten entries, each its rank, name and score, then OK and Clear.
    // Clearing tells of each entry that held a player.
    void readsAsAListOfEntries() {
        MemoryRegistryStore store;
        store.writeValue(settingsPath, HallOfFame::nameValue(0, 0), "Ann");
        store.writeValue(settingsPath, HallOfFame::scoreValue(0, 0), "4700");
        store.writeValue(settingsPath, HallOfFame::nameValue(0, 1), "Bob");
        store.writeValue(settingsPath, HallOfFame::scoreValue(0, 1), "310");
        HallOfFame hall(store, "Quintaro", 0, 1);
        HallOfFameDialog dialog(hall, nullptr);
        dialog.copyEntries();
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&dialog);
        const auto lists = test::childrenWith(window, QAccessible::List);
        QCOMPARE(lists.size(), 1);
        const auto entries = test::childrenWith(lists[0], QAccessible::ListItem);
        QCOMPARE(entries.size(), 10);
        QCOMPARE(test::names(entries).mid(0, 3),
                 (QStringList{"1. Ann, 4700", "2. Bob, 310", "3."}));
        QCOMPARE(entries[9]->text(QAccessible::Name), QStringLiteral("10."));
        QCOMPARE(test::names(test::childrenWith(window, QAccessible::Button)),
                 (QStringList{"OK", "Clear"}));

        setAccessibilityEventSink(recordRenamed);
        bool answered = false;
        test::answerWhenAsked(dialog, QMessageBox::Yes, answered);
        dialog.clearButton()->click();
        QVERIFY(answered);
        setAccessibilityEventSink(QAccessible::updateAccessibility);
        QCOMPARE(renamed, (decltype(renamed){{entries[0], "1."}, {entries[1], "2."}}));
    }
};

QTEST_MAIN(HallOfFameDialogTest)
#include "hall_of_fame_dialog_test.moc"
