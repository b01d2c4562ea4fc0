#include "app/options_dialog.h"
#include "cards/backs_page.h"
#include "cards/faces_page.h"
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

QImage library(int id) {
    wqgame::LibraryBracket bracket;
    return wqgame::loadBitmap(id).convertToFormat(QImage::Format_RGB32);
}

QImage rendered(QWidget& dialog) {
    QImage image(dialog.size(), QImage::Format_RGB32);
    dialog.render(&image);
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
};

QTEST_MAIN(FacesBacksTest)
#include "faces_backs_test.moc"
