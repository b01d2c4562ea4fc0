#include "displays_pixels.h"
#include "persist/game_frame_window.h"
#include "platform/memory_registry_store.h"
#include "tests/core/recording_output.h"
#include "wqgame/resource_module.h"

#include <QPainter>
#include <QScreen>
#include <QtTest>

#include <functional>

using namespace quintaro;

namespace {

const std::string settingsPath = "SOFTWARE\\Varden\\Parlorset\\Frame Test";

using test::RecordingOutput;

class Frame : public GameFrameWindow {
public:
    Frame(RegistryStore& store, SoundOutput& output)
        : GameFrameWindow(QStringLiteral("Frame Test"), QSize(600, 410), &store, &output) {}
};

QImage paintedClient(GameFrameWindow& frame, const QRect& rect, qreal ratio = 1.0) {
    QImage image(QSize(600, 410) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    frame.paintBackground(painter, rect);
    return image;
}

const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
const QRgb red = qRgb(0xFF, 0x00, 0x00);
const QRgb blue = qRgb(0x00, 0x00, 0xFF);

// Pixels painted for the damaged rectangle (10, 12) to (39, 31) that are not `fill` inside
// it or untouched outside it.
int wrongPixels(GameFrameWindow& frame, const std::function<QRgb(QPoint)>& fill) {
    const QRect damaged(10, 12, 30, 20);
    const QImage image = paintedClient(frame, damaged);
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            wrong += image.pixel(x, y) != (damaged.contains(x, y) ? fill({x, y}) : white);
    return wrong;
}

} // namespace

class GameFrameWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startPlaysAtConstructionAndExitOnTheCloseRequest() {
        MemoryRegistryStore store;
        store.writeValue(settingsPath, "Sound0", "Frame Test Exit,/sounds/bye.wav");
        store.writeValue(settingsPath, "Sound1", "Frame Test Start,hello.wav");
        {
            RecordingOutput output(2);
            Frame frame(store, output);
            QCOMPARE(output.played, std::vector<std::string>{"hello.wav"});
            frame.show();
            QVERIFY(frame.close());
            QCOMPARE(output.played, (std::vector<std::string>{"hello.wav", "/sounds/bye.wav"}));
        }
        RecordingOutput silent(0);
        Frame frame(store, silent);
        frame.show();
        frame.close();
        QVERIFY(silent.played.empty());
    }

    // A colour fills the damaged rectangle evenly; a picture fills it with tiles laid from
    // the client's origin. Nothing outside the rectangle is painted.
    void aBackgroundFillsExactlyTheDamagedRectangle() {
        MemoryRegistryStore store;
        store.writeValue(settingsPath, "Background", "200"); // 30 in use
        RecordingOutput output(0);
        Frame frame(store, output);
        QCOMPARE(frame.background(), 30);
        // Without its picture the background stays unpainted.
        frame.setBackgroundPicture(QImage());
        QCOMPARE(paintedClient(frame, QRect(0, 0, 600, 410)).pixel(5, 5), white);

        QImage tile(7, 5, QImage::Format_RGB32);
        tile.fill(Qt::blue);
        tile.setPixel(0, 0, red);
        frame.setBackgroundPicture(tile);
        const auto tiled = [](QPoint p) { return p.x() % 7 == 0 && p.y() % 5 == 0 ? red : blue; };
        QCOMPARE(wrongPixels(frame, tiled), 0);
        frame.setBackground(5);
        QCOMPARE(wrongPixels(frame, [](QPoint) { return qRgb(0x80, 0x00, 0x80); }), 0);
        frame.setBackground(12);
        QCOMPARE(wrongPixels(frame, [](QPoint) { return red; }), 0);
        // Through the window's own painting, as the screen gets it.
        QCOMPARE(frame.client()->grab().toImage().pixel(300, 200), red);
    }

    // The default background is the library's felt, laid in device pixels: at 2 the
    // library's 2x tile itself, finer than the 1x one doubled; at 1.5 a tile of 1.5 x 128
    // pixels made from it. Every device pixel, across every tile edge, is the tile's own
    // pixel at that place.
    void aPictureBackgroundMeetsWithoutGapsAtEveryRatio() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
        const QImage felt = test::library(1100), felt2x = test::library(1100, 2);
        MemoryRegistryStore store;
        RecordingOutput output(0);
        Frame frame(store, output);
        QCOMPARE(frame.background(), 16);
        for (qreal ratio : {1.0, 2.0, 1.5}) {
            const QImage image = paintedClient(frame, QRect(0, 0, 600, 410), ratio);
            QImage tile = frame.backgroundPicture().convertToFormat(QImage::Format_RGB32);
            tile.setDevicePixelRatio(1); // compared in its own pixels with the library's
            QCOMPARE(tile.size(), QSize(128, 128) * ratio);
            if (ratio != 1.5)
                QCOMPARE(tile, ratio == 1.0 ? felt : felt2x);
            int wrong = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    wrong += image.pixel(x, y) != tile.pixel(x % tile.width(), y % tile.height());
            QCOMPARE(wrong, 0);
        }
        // Back at ratio 1 the 1x felt is used again.
        paintedClient(frame, QRect(0, 0, 600, 410));
        QCOMPARE(frame.backgroundPicture().convertToFormat(QImage::Format_RGB32), felt);
    }

    void escapeEndsThePopupHelpModeAndMinimises() {
        MemoryRegistryStore store;
        RecordingOutput output(0);
        Frame frame(store, output);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        frame.setPopupHelpMode(true);
        QTest::keyClick(&frame, Qt::Key_A);
        QVERIFY(frame.popupHelpMode());
        QVERIFY(!frame.isMinimized());
        QTest::keyClick(&frame, Qt::Key_Escape, Qt::ShiftModifier);
        QVERIFY(!frame.popupHelpMode());
        QVERIFY(frame.isMinimized());
    }

    // The test runs on two screens side by side: 800 x 600 at (0, 0) and 1024 x 768 at
    // (800, 0). A window is pulled onto the screen it is on, not onto the first one.
    void theFirstShowPullsTheWindowOntoItsScreen() {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        MemoryRegistryStore store;
        RecordingOutput output(0);
        Frame inside(store, output);
        inside.move(10, 20);
        inside.show();
        QCOMPARE(inside.pos(), QPoint(10, 20));

        Frame overLeft(store, output);
        overLeft.move(400, 300);
        overLeft.show();
        QCOMPARE(overLeft.frameGeometry().right(), 799);
        QCOMPARE(overLeft.frameGeometry().bottom(), 599);

        Frame overRight(store, output);
        overRight.move(1500, 500);
        overRight.show();
        QCOMPARE(overRight.frameGeometry().right(), 1823);
        QCOMPARE(overRight.frameGeometry().bottom(), 767);
    }
};

QTEST_MAIN(GameFrameWindowTest)
#include "game_frame_window_test.moc"
