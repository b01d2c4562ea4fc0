#include "wqgame/builder/stored_png.h"
#include "wqgame/png_image.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

using namespace quintaro;

namespace {

// Every channel value shows up somewhere, alpha included, so a swapped channel, a
// premultiplied colour or a dropped row cannot go unnoticed.
QImage sampler(bool withAlpha) {
    QImage image(61, 37, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int n = y * image.width() + x;
            image.setPixel(
                x, y,
                qRgba(n % 256, (n * 7) % 256, (n * 13) % 256, withAlpha ? (n * 29) % 256 : 255));
        }
    return image;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PngImageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Both writers' PNGs decode, through Qt's reader and the fast path, to the very pixels
    // written, in a format that keeps alpha only where there is some.
    void writtenAndOrdinaryPngsDecodeAndBrokenOnesDoNot() {
        QTemporaryDir folder;
        for (const bool compressed : {false, true})
            for (const bool withAlpha : {false, true}) {
                const QImage picture = sampler(withAlpha);
                const QString path =
                    folder.filePath(QStringLiteral("%1%2.png").arg(compressed).arg(withAlpha));
                QVERIFY(compressed ? wqgame::writeCompressedPng(picture, path)
                                   : wqgame::writeStoredPng(picture, path));
                const qint64 raw = picture.width() * picture.height() * (withAlpha ? 4 : 3);
                QVERIFY(compressed ? QFileInfo(path).size() < raw / 2
                                   : QFileInfo(path).size() > raw);
                QCOMPARE(QImage(path, "PNG").convertToFormat(picture.format()), picture);
                const QImage decoded = decodePng(fileBytes(path));
                QCOMPARE(decoded.format(), picture.format());
                QCOMPARE(decoded, picture);
            }

        // Other writers' PNGs, palette ones too, decode as Qt reads them; broken ones to nothing.
        for (const QImage& picture :
             {sampler(false), sampler(true),
              sampler(false).convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)}) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG"));
            const QImage expected = QImage::fromData(bytes, "PNG");
            QCOMPARE(decodePng(bytes).convertToFormat(QImage::Format_ARGB32),
                     expected.convertToFormat(QImage::Format_ARGB32));
            QVERIFY(decodePng(bytes.left(bytes.size() / 2)).isNull());
        }
        QVERIFY(decodePng(QByteArray("not a picture")).isNull());
        QVERIFY(decodePng(QByteArray()).isNull());
        QVERIFY(loadPngResource(QStringLiteral(":/no/such/picture.png")).isNull());
    }
};

QTEST_GUILESS_MAIN(PngImageTest)
#include "png_image_test.moc"
