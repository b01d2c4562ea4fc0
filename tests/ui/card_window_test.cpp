#include "cards/card_window.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

using namespace quintaro;

namespace {

// The caption's ink on a white ground, as the bounding box of every non-white pixel.
QRect ink(CardWindow& window) {
    QImage image(window.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    window.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class CardWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void captionFollowsPhaseAndHoldState() {
        RoundPhase phase = RoundPhase::NotStarted;
        HoldState hold = HoldState::Hold;
        CardWindow window;
        QCOMPARE(window.size(), QSize(90, 30));
        QCOMPARE(window.font().pixelSize(), 20);
        QCOMPARE(window.holdState(), HoldState::Blank);
        QVERIFY(ink(window).isEmpty());

        window.watch(&phase, &hold);
        QVERIFY(ink(window).isEmpty()); // no caption before the game starts

        const QFontMetrics metrics(window.font());
        for (RoundPhase shown : {RoundPhase::Holding, RoundPhase::Over}) {
            phase = shown;
            for (auto [state, text] :
                 {std::pair{HoldState::Hold, "Hold"}, std::pair{HoldState::Discard, "Discard"}}) {
                hold = state;
                const QRect box = ink(window);
                QVERIFY(!box.isEmpty());
                // Centred across: the ink lies within a pixel or two of the measured
                // text box, which stands half the spare room in from each side.
                const int width = metrics.horizontalAdvance(QString::fromLatin1(text));
                const int left = (90 - width) / 2;
                QVERIFY2(qAbs(box.left() - left) <= 2 && qAbs(box.right() - (left + width)) <= 3,
                         text);
                const int top = (30 - metrics.height()) / 2;
                QVERIFY(box.top() >= top && box.bottom() < top + metrics.height());
            }
        }
        hold = HoldState::Blank;
        QVERIFY(ink(window).isEmpty());
    }

    void aClickOnTheCaptionIsAPress() {
        CardWindow window;
        QSignalSpy presses(&window, &CardWindow::pressed);
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(45, 15));
        QCOMPARE(presses.count(), 1);
    }
};

QTEST_MAIN(CardWindowTest)
#include "card_window_test.moc"
