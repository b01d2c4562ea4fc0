#include "persist/sign_in_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace quintaro;

class SignInDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlsSitWhereTheLayoutPutsThem() {
        SignInDialog dialog(nullptr, QStringLiteral("Ann"));
        QCOMPARE(dialog.size(), QSize(320, 150));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Please Sign In"));

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
        QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("Ann"));
        QCOMPARE(dialog.nameEdit()->whatsThis(),
                 QStringLiteral("Enter your name here.  It will be used for the high score "
                                "tables."));

        QCOMPARE(dialog.okButton()->geometry(), QRect(125, 125, 70, 20));
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("OK"));
        QCOMPARE(dialog.okButton()->whatsThis(),
                 QStringLiteral("Click OK when you have entered your name in the above "
                                "field."));
    }

    void theNameFieldHoldsAtMost255BytesOfUtf8() {
        SignInDialog dialog(nullptr, QString());
        QLineEdit* edit = dialog.nameEdit();
        const QString e = QString(QChar(0xE9)); // two bytes in UTF-8
        for (int i = 0; i < 127; ++i)
            type(edit, e);
        QCOMPARE(edit->text().toUtf8().size(), 254);
        type(edit, e);
        QCOMPARE(edit->text().toUtf8().size(), 254);
        QTest::keyClicks(edit, QStringLiteral("ab"));
        QCOMPARE(edit->text().toUtf8().size(), 255);
        QVERIFY(edit->text().endsWith(u'a'));

        edit->clear();
        edit->insert(QString(200, QChar(0x20AC))); // 600 bytes at once: refused whole
        QCOMPARE(edit->text(), QString());
    }

private:
    static void type(QWidget* widget, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &press);
    }
};

QTEST_MAIN(SignInDialogTest)
#include "sign_in_dialog_test.moc"
