#include "app/options_dialog.h"
#include "cards/backs_page.h"
#include "cards/faces_page.h"
#include "displays/choice_list.h"
#include "persist/game_frame_window.h"
#include "platform/memory_registry_store.h"
#include "wqgame/resource_module.h"

#include <QListWidget>
#include <QtTest>

using namespace quintaro;

namespace {

class SilentOutput : public SoundOutput {
public:
    int deviceCount() const override { return 0; }
    void play(const std::string&) override {}
};

QImage library(int id, qreal ratio = 1.0) {
    wqgame::LibraryBracket bracket;
    QImage image = wqgame::loadBitmap(id, ratio).convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

// The dialog at `ratio` device pixels per pixel; the result counts in device pixels.
QImage rendered(QWidget& dialog, qreal ratio = 1.0) {
    QImage image(dialog.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    dialog.render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

} // namespace

class FacesBacksTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
    }

    void namesEndAtTheFirstEmptyPiece() {
        QCOMPARE(listNames(QStringLiteral("Paris,Dondorf")),
                 QStringList({QStringLiteral("Paris"), QStringLiteral("Dondorf")}));
        QCOMPARE(listNames(QStringLiteral("Paris,")), QStringList({QStringLiteral("Paris")}));
        QCOMPARE(listNames(QStringLiteral("Paris,,Nicu")), QStringList({QStringLiteral("Paris")}));
        QCOMPARE(listNames(QString()), QStringList());
    }

    // The preview of face set s is its jack of suit 0, 44 right of and 36 below the
    // preview box at (262, 40); only while the Faces tab is selected.
    void facesPreviewShowsTheJackOfEachSet() {
        MemoryRegistryStore store;
        SilentOutput output;
        GameFrameWindow frame(QStringLiteral("Faces Test"), QSize(600, 410), &store, &output);
        OptionsDialog dialog(frame, 0, GameType::StraightPoker, 2, 0);
        const QRect preview(306, 76, 45, 74);
        const QImage hidden = rendered(dialog).copy(preview);
        const QImage jack2 = library(2006).copy(0, 0, 45, 74);
        QVERIFY(hidden != jack2);

        dialog.facesPage()->select(true);
        QCOMPARE(dialog.facesPage()->nameList()->count(), 4);
        for (int set = 0; set < 4; ++set) {
            dialog.facesPage()->nameList()->setCurrentRow(set);
            const QImage jack = library(2004 + set).copy(0, 0, 45, 74);
            QCOMPARE(rendered(dialog).copy(preview), jack);
        }
    }

    // A face-down card at (262 + 32, 40 + 24): the back inside, the dialog in the corners.
    void backsPreviewIsARoundedCard() {
        MemoryRegistryStore store;
        SilentOutput output;
        GameFrameWindow frame(QStringLiteral("Backs Test"), QSize(600, 410), &store, &output);
        OptionsDialog dialog(frame, 0, GameType::StraightPoker, 0, 3);
        dialog.backsPage()->select(true);
        const QImage image = rendered(dialog);
        const QImage backs = library(2000);
        const QRgb window = dialog.palette().color(QPalette::Window).rgb();
        const QPoint at(294, 64);
        for (QPoint corner : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95)})
            QCOMPARE(image.pixel(at + corner), window);
        for (QPoint inside : {QPoint(35, 48), QPoint(10, 10), QPoint(60, 85)})
            QCOMPARE(image.pixel(at + inside), backs.pixel(3 * 71 + inside.x(), inside.y()));
    }

    // Rendered at ratio 2 after ratio 1, both previews come from the library's 2x pictures,
    // and the back keeps the 2x mask's shape.
    void previewsFollowTheRatioTheyArePaintedAt() {
        MemoryRegistryStore store;
        SilentOutput output;
        GameFrameWindow frame(QStringLiteral("Ratio Test"), QSize(600, 410), &store, &output);
        OptionsDialog dialog(frame, 0, GameType::StraightPoker, 1, 3);
        dialog.facesPage()->select(true);
        rendered(dialog);
        QCOMPARE(rendered(dialog, 2).copy(QRect(QPoint(306, 76) * 2, QSize(90, 148))),
                 library(2005, 2).copy(0, 0, 90, 148));

        dialog.backsPage()->select(true);
        rendered(dialog);
        const QImage image = rendered(dialog, 2);
        const QImage backs = library(2000, 2);
        const QImage mask = library(2012, 2);
        const QRgb window = dialog.palette().color(QPalette::Window).rgb();
        const QPoint at = QPoint(294, 64) * 2;
        for (int y = 0; y < 192; ++y)
            for (int x = 0; x < 142; ++x) {
                const QRgb expected =
                    mask.pixel(x, y) == qRgb(255, 255, 255) ? window : backs.pixel(3 * 142 + x, y);
                QCOMPARE(image.pixel(at + QPoint(x, y)), expected);
            }
    }
};

QTEST_MAIN(FacesBacksTest)
#include "faces_backs_test.moc"
