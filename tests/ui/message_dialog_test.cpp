#include "app/message_dialog.h"
#include "dark_theme.h"
#include "displays_pixels.h"
#include "wqgame/resource_module.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace quintaro;

class MessageDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headingIsReplacedOnlyWhenGiven() {
        MessageDialog plain(nullptr, QStringLiteral("You are broke!"));
        MessageDialog full(nullptr, QStringLiteral("one"), QStringLiteral("two"),
                           QStringLiteral("Heading"));
        QCOMPARE(plain.message(), QStringLiteral("You are broke!"));
        QVERIFY(!plain.heading().isEmpty() && plain.secondLine().isEmpty());
        QCOMPARE(full.heading(), QStringLiteral("Heading"));
        QCOMPARE(full.secondLine(), QStringLiteral("two"));
        QTimer::singleShot(0, plain.findChild<QPushButton*>(), &QPushButton::click);
        QCOMPARE(plain.exec(), int(QDialog::Accepted));
    }

    void pictureShowsTheDialogWhereItsMaskIsWhite() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
        MessageDialog dialog(nullptr, QStringLiteral("You are broke!"));
        QCOMPARE(wqgame::libraryNesting(), 0);
        const QImage& sheet = dialog.picture();
        QCOMPARE(sheet.size(), QSize(240, 200));
        const QImage image = test::renderOn(dialog, Qt::magenta);
        const QRgb background = dialog.palette().color(QPalette::Window).rgb();
        int masked = 0;
        int drawn = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 120; ++x) {
                const QRgb mask = sheet.pixel(x + 120, y);
                if (mask == qRgb(255, 255, 255)) {
                    ++masked;
                    QCOMPARE(image.pixel(x, y), background);
                } else if (mask == qRgb(0, 0, 0)) {
                    ++drawn;
                    QCOMPARE(image.pixel(x, y), sheet.pixel(x, y));
                }
            }
        QVERIFY(masked > 0 && drawn > 0);
    }

    // The picture's surface and the message on it keep their classic colours, while the
    // OK button follows a dark theme.
    void messageStaysReadableUnderADarkTheme() {
        const test::DarkTheme theme;
        MessageDialog dialog(nullptr, QStringLiteral("You are broke!"));
        const QImage image = test::renderOn(dialog, Qt::magenta);
        const QColor face(192, 192, 192);
        const QLabel* message = nullptr;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            if (label->text() == dialog.message())
                message = label;
        QVERIFY(message);
        // The label lies in a group box, which the style may tint a shade darker.
        const QRect text = message->geometry();
        const QColor ground = image.pixelColor(text.bottomRight());
        QVERIFY(test::inkContrast(image, QRect(text.bottomRight(), QSize(1, 1)), face) < 8);
        QVERIFY(test::inkContrast(image, text, ground) >= test::readableContrast);
        const QPushButton* ok = dialog.findChild<QPushButton*>();
        QCOMPARE(ok->palette().color(QPalette::Button),
                 test::darkPalette().color(QPalette::Button));
    }
};

QTEST_MAIN(MessageDialogTest)
#include "message_dialog_test.moc"
