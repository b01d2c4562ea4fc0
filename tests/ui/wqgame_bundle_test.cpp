#include "wqgame/control_layouts.h"
#include "wqgame/resource_module.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <cmath>

using namespace quintaro::wqgame;

namespace {

constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb black = 0xFF000000;

// A pixel of a Format_RGB32 picture; QImage::pixel() costs several times as much, which
// tells on the 3x pictures.
QRgb rgb(const QImage& image, int x, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
}

// The library's picture `id` as drawn for `scale` (1, 2 or 3), in device pixels.
QImage bitmap(int id, int scale = 1) {
    QImage image = loadBitmap(id, scale).convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

const QString at(int id, int scale, int x, int y) {
    return QStringLiteral("%1 at %2x: %3,%4").arg(id).arg(scale).arg(x).arg(y);
}

double difference(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += difference(rgb(a, x, y), rgb(b, x, y));
    return sum / (a.width() * a.height());
}

bool isRed(QRgb pixel) {
    return qRed(pixel) > qGreen(pixel) + 8 && qRed(pixel) > qBlue(pixel) + 8;
}

bool isNeutral(QRgb pixel) {
    return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
}

// Names as the Faces and Backs pages read them: pieces up to the first empty one.
QStringList names(const QString& text) {
    QStringList list;
    for (const QString& piece : text.split(u',')) {
        if (piece.isEmpty())
            break;
        list << piece;
    }
    return list;
}

int faceSetCount() {
    int count = 0;
    while (!loadBitmap(2004 + count).isNull())
        ++count;
    return count;
}

QList<int> bitmapIds() {
    QList<int> ids{1000, 1001, 1002, 1003, 1004, 1005, 1115,
                   1116, 2000, 2001, 2002, 2003, 2012, 3000};
    for (int id = 1100; id <= 1114; ++id)
        ids << id;
    for (int f = 0; f < faceSetCount(); ++f)
        ids << 2004 + f;
    return ids;
}

QImage nearestDoubled(const QImage& image) {
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage smoothDoubled(const QImage& image) {
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

// The 2x picture must be the 1x one drawn again at twice the size, not the 1x one
// enlarged, by doubling its pixels or smoothly: it differs from both.
void checkDrawnAtScale(const QString& what, const QImage& one, const QImage& two) {
    QCOMPARE(two.size(), one.size() * 2);
    const double fromDoubled = meanDifference(two, nearestDoubled(one));
    const double fromSmooth = meanDifference(two, smoothDoubled(one));
    const QString figures = QStringLiteral("%1: from doubled %2, from smooth %3")
                                .arg(what)
                                .arg(fromDoubled)
                                .arg(fromSmooth);
    qInfo("%s", qPrintable(figures));
    QVERIFY2(fromDoubled > 2 && fromSmooth > 2, qPrintable(figures));
}

int inkPixels(const QImage& cell) {
    int ink = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            ink += rgb(cell, x, y) != white;
    return ink;
}

// The lower half of a sheet must be its upper half with every cell turned half round.
void checkTurnedRow(const QImage& sheet, int cellWidth, int cellHeight, int top) {
    for (int x = 0; x + cellWidth <= sheet.width(); x += cellWidth) {
        const QImage upright = sheet.copy(x, top, cellWidth, cellHeight);
        const QImage turned = sheet.copy(x, top + cellHeight, cellWidth, cellHeight);
        QCOMPARE(turned, upright.mirrored(true, true));
        QVERIFY2(inkPixels(upright) > 6, "empty cell");
    }
}

} // namespace

class WqgameBundleTest : public QObject {
    Q_OBJECT

    static void scaleRows() {
        QTest::addColumn<int>("scale");
        QTest::newRow("1x") << 1;
        QTest::newRow("2x") << 2;
        QTest::newRow("3x") << 3;
    }

private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(openLibrary(&error), qPrintable(error));
        enterLibrary();
    }

    void cleanupTestCase() { leaveLibrary(); }

    void everyPictureHasTheSizeItsReadersRelyOn() {
        const QImage backs = bitmap(2000);
        QCOMPARE(backs.height(), 96);
        QCOMPARE(backs.width() % 71, 0);
        QVERIFY(backs.width() / 71 >= 8 && backs.width() / 71 <= 14);
        QCOMPARE(bitmap(2001).size(), QSize(4 * 15, 2 * 15));
        QCOMPARE(bitmap(2002).size(), QSize(4 * 11, 2 * 11));
        QCOMPARE(bitmap(2003).size(), QSize(117 + 9, 4 * 14));
        QVERIFY(faceSetCount() >= 4);
        for (int f = 0; f < faceSetCount(); ++f)
            QCOMPARE(bitmap(2004 + f).size(), QSize(810, 74));
        QCOMPARE(bitmap(2012).size(), QSize(71, 96));
        QCOMPARE(bitmap(3000).size(), QSize(702, 302));
        QCOMPARE(bitmap(1000).size(), QSize(642, 298));
        QCOMPARE(bitmap(1115).size(), QSize(182, 98));
        QVERIFY(!bitmap(1116).isNull());
        for (int id = 1001; id <= 1003; ++id)
            QCOMPARE(bitmap(id).size(), QSize(240, 200));
        for (int id : {1004, 1005})
            QVERIFY(!bitmap(id).isNull() && bitmap(id).width() % 2 == 0);
        for (int id = 1100; id <= 1114; ++id)
            QVERIFY2(bitmap(id).width() > 0, qPrintable(QString::number(id)));
    }

    // Every reader cuts cells at s times their 1x places, so every variant is exactly s
    // times its 1x picture in both directions.
    void everyPictureHasVariantsAtTwiceAndThreeTimesItsSize() {
        const QList<int> ids = bitmapIds();
        QCOMPARE(ids.size(), 33);
        for (int id : ids) {
            const QSize size = bitmap(id).size();
            QVERIFY2(!size.isEmpty(), qPrintable(QString::number(id)));
            for (int scale : {2, 3}) {
                const QImage variant = loadBitmap(id, scale);
                QCOMPARE(variant.devicePixelRatio(), qreal(scale));
                QCOMPARE(variant.size(), size * scale);
                QCOMPARE(variant.deviceIndependentSize(), QSizeF(size));
            }
        }
    }

    // Drawn again at 2x from the decks and our own drawing code, not enlarged: a deck's back,
    // our own backs, a face picture, the sheets, and pictures of the library.
    void variantsAreDrawnAtScaleNotEnlarged() {
        const QImage backs1 = bitmap(2000), backs2 = bitmap(2000, 2);
        const int backCount = backs1.width() / 71;
        // Two of the decks' backs and our own Argyle (our Tartan is all whole-pixel bands:
        // drawn at 2x it is its 1x picture doubled, rightly).
        for (int back : {0, 2, backCount - 2})
            checkDrawnAtScale(QStringLiteral("back %1").arg(back),
                              backs1.copy(71 * back, 0, 71, 96),
                              backs2.copy(142 * back, 0, 142, 192));
        for (int f = 0; f < faceSetCount(); ++f)
            for (int picture : {0, 12, 16})
                checkDrawnAtScale(QStringLiteral("face set %1 picture %2").arg(f).arg(picture),
                                  bitmap(2004 + f).copy(45 * picture, 0, 45, 74),
                                  bitmap(2004 + f, 2).copy(90 * picture, 0, 90, 148));
        for (int id : {2001, 2002, 2003, 1100})
            checkDrawnAtScale(QString::number(id), bitmap(id), bitmap(id, 2));
        for (int id : {1000, 1001, 1002, 1003, 1004, 1115, 3000}) {
            const QImage one = bitmap(id), two = bitmap(id, 2);
            checkDrawnAtScale(QString::number(id), one.copy(0, 0, one.width() / 2, one.height()),
                              two.copy(0, 0, two.width() / 2, two.height()));
        }
        checkDrawnAtScale(QStringLiteral("1116"), bitmap(1116), bitmap(1116, 2));
    }

    void aboutPicturesFitTheControlsThatShowThem() {
        const DialogLayout about = dialogLayout(1000).value();
        const auto shown = [&](int id) {
            const ControlLayout c = dialogControl(about, ControlKind::Picture, id).value();
            return QSize(c.width, c.height);
        };
        QCOMPARE(shown(5), QSize(bitmap(1000).width() / 2, bitmap(1000).height()));
        QCOMPARE(shown(6), QSize(bitmap(1115).width() / 2, bitmap(1115).height()));
        QCOMPARE(shown(7), bitmap(1116).size());
    }

    // Drawn with AND through the mask and then OR with the picture, a masked picture shows
    // the background exactly where the mask is white, so the picture must be black there.
    // At every scale the picture keeps the left half and its mask the right.
    void masksAreWhiteOnlyWherePicturesAreBlack() {
        for (int scale = 1; scale <= 3; ++scale)
            for (int id : {1000, 1001, 1002, 1003, 1004, 1005, 1115, 3000}) {
                const QImage packed = bitmap(id, scale);
                const int w = packed.width() / 2;
                int see = 0;
                for (int y = 0; y < packed.height(); ++y)
                    for (int x = 0; x < w; ++x) {
                        const QRgb mask = rgb(packed, w + x, y);
                        if (mask != white && mask != black)
                            QFAIL(qPrintable(QStringLiteral("grey mask: ") + at(id, scale, x, y)));
                        if (mask == white) {
                            ++see;
                            if (rgb(packed, x, y) != black)
                                QFAIL(qPrintable(at(id, scale, x, y)));
                        }
                    }
                const double share = double(see) / (w * packed.height());
                QVERIFY2(share > 0.02 && share < 0.9, qPrintable(QString::number(id)));
            }
    }

    void hallOfFameBoxesLieOnThePicture() {
        // The dialog draws ten rows of boxes over the picture, each 11 pixels further right.
        for (int scale = 1; scale <= 3; ++scale) {
            const QImage packed = bitmap(3000, scale);
            for (int row = 0; row < 10; ++row)
                for (int x = 6 + 11 * row; x <= 251 + 11 * row && x < 351; x += 5)
                    for (int y = 27 * row; y <= 27 * row + 17; y += 4)
                        for (const int d : {0, scale - 1})
                            QVERIFY2(rgb(packed, scale * (351 + x) + d, scale * y + d) == black,
                                     qPrintable(at(3000, scale, x, y)));
        }
    }

    void cardMaskIsTheRoundedCard() {
        for (int scale = 1; scale <= 3; ++scale) {
            const QImage mask = bitmap(2012, scale);
            const int w = 71 * scale, h = 96 * scale;
            const double r = 6.0 * scale;
            QCOMPARE(mask.size(), QSize(w, h));
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    // Fold every corner onto the top-left one; its arc has radius 6 about
                    // (6, 6) in 1x pixels.
                    const double cx = std::min(x, w - 1 - x) + 0.5;
                    const double cy = std::min(y, h - 1 - y) + 0.5;
                    const QRgb pixel = rgb(mask, x, y);
                    const double d = std::hypot(cx - r, cy - r);
                    const bool wrong = (pixel != white && pixel != black) ||
                                       ((cx >= r || cy >= r || d < r - 0.6) && pixel != black) ||
                                       (cx < r && cy < r && d > r + 0.6 && pixel != white);
                    if (wrong)
                        QFAIL(qPrintable(at(2012, scale, x, y)));
                }
            QCOMPARE(rgb(mask, 0, 0), white);
            QCOMPARE(rgb(mask, w - 1, h - 1), white);
            QCOMPARE(rgb(mask, w / 2, h / 2), black);
            // The arc's tolerance must not hide uneven corners: each is the others mirrored.
            QCOMPARE(mask, mask.mirrored(true, false));
            QCOMPARE(mask, mask.mirrored(false, true));
        }
    }

    void backsAreDistinctAndBlackOutsideTheCard_data() { scaleRows(); }
    void backsAreDistinctAndBlackOutsideTheCard() {
        QFETCH(int, scale);
        const QImage mask = bitmap(2012, scale);
        const QImage strip = bitmap(2000, scale);
        const int w = 71 * scale, h = 96 * scale;
        QList<QImage> backs;
        for (int b = 0; b < strip.width() / w; ++b)
            backs << strip.copy(w * b, 0, w, h);
        for (const QImage& back : backs) {
            int blackInside = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    if (rgb(mask, x, y) == white) {
                        if (rgb(back, x, y) != black)
                            QFAIL(qPrintable(at(2000, scale, x, y)));
                    } else
                        blackInside += rgb(back, x, y) == black;
                }
            QVERIFY(blackInside < w * h / 4);
        }
        for (qsizetype i = 0; i < backs.size(); ++i)
            for (qsizetype j = i + 1; j < backs.size(); ++j)
                QVERIFY2(meanDifference(backs[i], backs[j]) > 30,
                         qPrintable(QStringLiteral("backs %1 and %2").arg(i).arg(j)));
    }

    void sheetsTurnTheirLowerRowsAndColourTheRedSuits_data() { scaleRows(); }
    void sheetsTurnTheirLowerRowsAndColourTheRedSuits() {
        QFETCH(int, scale);
        const QImage pips = bitmap(2001, scale);
        const QImage suits = bitmap(2002, scale);
        const QImage indices = bitmap(2003, scale);
        const int s = scale;
        checkTurnedRow(pips, 15 * s, 15 * s, 0);
        checkTurnedRow(suits, 11 * s, 11 * s, 0);
        checkTurnedRow(indices, 9 * s, 14 * s, 0);
        checkTurnedRow(indices, 9 * s, 14 * s, 28 * s);
        // Suits 0 and 1 are black, 2 and 3 red, in every sheet; so are the index rows.
        const auto ink = [](const QImage& sheet, QRect cell, bool (*test)(QRgb)) {
            int count = 0, all = 0;
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    if (rgb(sheet, x, y) != white) {
                        ++all;
                        count += test(rgb(sheet, x, y));
                    }
            return all > 0 && count * 4 >= all * 3;
        };
        for (int suit = 0; suit < 4; ++suit) {
            const auto test = suit < 2 ? isNeutral : isRed;
            QVERIFY(ink(pips, QRect(15 * s * suit, 0, 15 * s, 15 * s), test));
            QVERIFY(ink(suits, QRect(11 * s * suit, 0, 11 * s, 11 * s), test));
        }
        for (int glyph = 0; glyph < 14; ++glyph) {
            QVERIFY(ink(indices, QRect(9 * s * glyph, 0, 9 * s, 14 * s), isNeutral));
            QVERIFY(ink(indices, QRect(9 * s * glyph, 28 * s, 9 * s, 14 * s), isRed));
            for (int other = 0; other < glyph; ++other)
                QVERIFY(indices.copy(9 * s * glyph, 0, 9 * s, 14 * s) !=
                        indices.copy(9 * s * other, 0, 9 * s, 14 * s));
        }
    }

    void faceSetsDifferAndPutTheRedJokerFirst_data() { scaleRows(); }
    void faceSetsDifferAndPutTheRedJokerFirst() {
        QFETCH(int, scale);
        const int s = scale;
        QList<QImage> sets;
        for (int f = 0; f < faceSetCount(); ++f)
            sets << bitmap(2004 + f, scale);
        for (const QImage& set : sets) {
            for (int k = 0; k < 18; ++k)
                QVERIFY(inkPixels(set.copy(45 * s * k, 0, 45 * s, 74 * s)) > 60 * s * s);
            const auto redness = [&](int k) {
                int red = 0;
                for (int y = 0; y < 74 * s; ++y)
                    for (int x = 45 * s * k; x < 45 * s * (k + 1); ++x)
                        red += isRed(rgb(set, x, y));
                return red;
            };
            QVERIFY(redness(16) > redness(17));
        }
        for (qsizetype i = 0; i < sets.size(); ++i)
            for (qsizetype j = i + 1; j < sets.size(); ++j)
                QVERIFY(meanDifference(sets[i], sets[j]) > 60);
    }

    // Across a seam the colours jump: the step between the last columns and the first
    // ones is then well above the usual step between neighbouring columns inside the tile.
    // Four columns are averaged on each side to look past the grain. The same for rows. The
    // 2x tiles are the ones a 125 % or 150 % screen lays, scaled down.
    void backgroundsTileWithoutSeams_data() { scaleRows(); }
    void backgroundsTileWithoutSeams() {
        QFETCH(int, scale);
        for (int id = 1100; id <= 1114; ++id) {
            const QImage tile = bitmap(id, scale);
            for (const bool down : {false, true}) {
                const QImage image = down ? tile.transformed(QTransform(0, 1, 1, 0, 0, 0))
                                                .convertToFormat(QImage::Format_RGB32)
                                          : tile;
                const int w = image.width(), h = image.height();
                // The step between the four columns left of `x` and the four from `x` on.
                const auto step = [&](int x) {
                    double sum = 0;
                    for (int y = 0; y < h; ++y)
                        for (int i = 1; i <= 4; ++i)
                            sum += difference(rgb(image, (x - i + w) % w, y),
                                              rgb(image, (x + i - 1) % w, y));
                    return sum / (4 * h);
                };
                double usual = 0;
                for (int x = 1; x < w; ++x)
                    usual += step(x) / (w - 1);
                QVERIFY2(usual > 1, qPrintable(QStringLiteral("%1 is flat").arg(id)));
                QVERIFY2(step(0) < 2 * usual, qPrintable(QStringLiteral("%1 at %2x seam %3: %4 "
                                                                        "against %5")
                                                             .arg(id)
                                                             .arg(scale)
                                                             .arg(down ? "down" : "across")
                                                             .arg(step(0))
                                                             .arg(usual)));
            }
        }
    }

    void nameListsHaveOneNamePerPicture() {
        QCOMPARE(names(loadString(1002)).size(), faceSetCount());
        QCOMPARE(names(loadString(1002)).join(u','), loadString(1002));
        QCOMPARE(names(loadString(1003)).size(), bitmap(2000).width() / 71);
        QCOMPARE(names(loadString(1003)).join(u','), loadString(1003));
        // The background list: the sixteen colours, then pictures 1100 to 1114.
        QCOMPARE(names(loadString(1004)).size(), 31);
        for (int id : {1000, 1001, 3000})
            QVERIFY(loadQueryText(id).endsWith(u'?'));
    }
};

QTEST_MAIN(WqgameBundleTest)
#include "wqgame_bundle_test.moc"
