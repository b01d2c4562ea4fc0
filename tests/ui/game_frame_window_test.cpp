#include "persist/game_frame_window.h"
#include "platform/memory_registry_store.h"
#include "tests/core/recording_output.h"
#include "wqgame/resource_module.h"

#include <QPainter>
#include <QScreen>
#include <QtTest>

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
            QVERIFY(frame.soundDevicePresent());
            QCOMPARE(output.played, std::vector<std::string>{"hello.wav"});
            frame.show();
            QVERIFY(frame.close());
            QCOMPARE(output.played, (std::vector<std::string>{"hello.wav", "/sounds/bye.wav"}));
        }
        RecordingOutput silent(0);
        Frame frame(store, silent);
        QVERIFY(!frame.soundDevicePresent());
        frame.show();
        frame.close();
        QVERIFY(silent.played.empty());
    }

    void aColourBackgroundFillsTheDamagedRectangle() {
        MemoryRegistryStore store;
        RecordingOutput output(0);
        Frame frame(store, output);
        frame.setBackground(5);
        QImage image = paintedClient(frame, QRect(0, 0, 600, 410));
        QCOMPARE(image.pixel(0, 0), qRgb(0x80, 0x00, 0x80));
        QCOMPARE(image.pixel(599, 409), qRgb(0x80, 0x00, 0x80));

        frame.setBackground(12);
        image = paintedClient(frame, QRect(100, 50, 20, 10));
        QCOMPARE(image.pixel(100, 50), qRgb(0xFF, 0x00, 0x00));
        QCOMPARE(image.pixel(119, 59), qRgb(0xFF, 0x00, 0x00));
        QCOMPARE(image.pixel(120, 59), qRgb(0xFF, 0xFF, 0xFF));
        QCOMPARE(image.pixel(99, 50), qRgb(0xFF, 0xFF, 0xFF));

        // Through the window's own painting, as the screen gets it.
        const QImage shown = frame.client()->grab().toImage();
        QCOMPARE(shown.pixel(300, 200), qRgb(0xFF, 0x00, 0x00));
    }

    void aPictureIsTiledFromTheClientOriginAndClippedToTheRectangle() {
        MemoryRegistryStore store;
        store.writeValue(settingsPath, "Background", "200"); // 30 in use
        RecordingOutput output(0);
        Frame frame(store, output);
        QCOMPARE(frame.background(), 30);

        // Without its picture the background stays unpainted.
        frame.setBackgroundPicture(QImage());
        QCOMPARE(paintedClient(frame, QRect(0, 0, 600, 410)).pixel(5, 5), qRgb(0xFF, 0xFF, 0xFF));

        QImage tile(7, 5, QImage::Format_RGB32);
        tile.fill(Qt::blue);
        tile.setPixel(0, 0, qRgb(0xFF, 0, 0));
        frame.setBackgroundPicture(tile);
        // Rectangle (10, 12) to (39, 31): tiles start at x = 7, 14, ... and y = 10, 15, ...
        const QImage image = paintedClient(frame, QRect(10, 12, 30, 20));
        QCOMPARE(image.pixel(14, 15), qRgb(0xFF, 0, 0));
        QCOMPARE(image.pixel(35, 30), qRgb(0xFF, 0, 0));
        QCOMPARE(image.pixel(13, 15), qRgb(0, 0, 0xFF));
        QCOMPARE(image.pixel(10, 12), qRgb(0, 0, 0xFF));
        QCOMPARE(image.pixel(39, 31), qRgb(0, 0, 0xFF));
        QCOMPARE(image.pixel(9, 12), qRgb(0xFF, 0xFF, 0xFF));
        QCOMPARE(image.pixel(40, 31), qRgb(0xFF, 0xFF, 0xFF));
        QCOMPARE(image.pixel(39, 32), qRgb(0xFF, 0xFF, 0xFF));
    }

    // The default background is the library's felt, laid in device pixels: at 2 the
    // library's 2x tile itself, finer than the 1x one doubled; at 1.5 a tile of 1.5 x 128
    // pixels made from it. Every device pixel, across every tile edge, is the tile's own
    // pixel at that place.
    void aPictureBackgroundMeetsWithoutGapsAtEveryRatio() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
        QImage felt, felt2x;
        {
            wqgame::LibraryBracket library;
            felt = wqgame::loadBitmap(1100).convertToFormat(QImage::Format_RGB32);
            felt2x = wqgame::loadBitmap(1100, 2).convertToFormat(QImage::Format_RGB32);
        }
        QCOMPARE(felt2x.size(), QSize(256, 256));
        QVERIFY(felt2x != felt.scaled(256, 256));
        MemoryRegistryStore store;
        RecordingOutput output(0);
        Frame frame(store, output);
        QCOMPARE(frame.background(), 16);
        for (qreal ratio : {1.0, 2.0, 1.5}) {
            const QImage image = paintedClient(frame, QRect(0, 0, 600, 410), ratio);
            const QImage tile = frame.backgroundPicture().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(tile.size(), QSize(128, 128) * ratio);
            if (ratio != 1.5)
                QCOMPARE(tile, ratio == 1.0 ? felt : felt2x);
            int wrong = 0;
            for (int y = 0; y < image.height(); y += 7)
                for (int x = 0; x < image.width(); ++x)
                    wrong += image.pixel(x, y) != tile.pixel(x % tile.width(), y % tile.height());
            for (int x = 0; x < image.width(); x += 7)
                for (int y = 0; y < image.height(); ++y)
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
