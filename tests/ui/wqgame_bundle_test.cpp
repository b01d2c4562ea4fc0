#include "wqgame/control_layouts.h"
#include "wqgame/resource_module.h"

#include <QtTest>

#include <cmath>

using namespace quintaro::wqgame;

namespace {

constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb black = 0xFF000000;

QImage bitmap(int id) {
    return loadBitmap(id).convertToFormat(QImage::Format_RGB32);
}

double difference(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += difference(a.pixel(x, y), b.pixel(x, y));
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

int inkPixels(const QImage& cell) {
    int ink = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            ink += cell.pixel(x, y) != white;
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
    void masksAreWhiteOnlyWherePicturesAreBlack() {
        for (int id : {1000, 1001, 1002, 1003, 1004, 1005, 1115, 3000}) {
            const QImage packed = bitmap(id);
            const int w = packed.width() / 2;
            int see = 0;
            for (int y = 0; y < packed.height(); ++y)
                for (int x = 0; x < w; ++x) {
                    const QRgb mask = packed.pixel(w + x, y);
                    QVERIFY2(
                        mask == white || mask == black,
                        qPrintable(QStringLiteral("%1 grey mask at %2,%3").arg(id).arg(x).arg(y)));
                    if (mask == white) {
                        ++see;
                        QVERIFY2(packed.pixel(x, y) == black,
                                 qPrintable(QStringLiteral("%1 at %2,%3").arg(id).arg(x).arg(y)));
                    }
                }
            const double share = double(see) / (w * packed.height());
            QVERIFY2(share > 0.02 && share < 0.9, qPrintable(QString::number(id)));
        }
    }

    void hallOfFameBoxesLieOnThePicture() {
        // The dialog draws ten rows of boxes over the picture, each 11 pixels further right.
        const QImage packed = bitmap(3000);
        for (int row = 0; row < 10; ++row)
            for (int x = 6 + 11 * row; x <= 251 + 11 * row && x < 351; x += 5)
                for (int y = 27 * row; y <= 27 * row + 17; y += 4)
                    QVERIFY2(packed.pixel(351 + x, y) == black,
                             qPrintable(QStringLiteral("row %1 at %2,%3").arg(row).arg(x).arg(y)));
    }

    void cardMaskIsTheRoundedCard() {
        const QImage mask = bitmap(2012);
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 71; ++x) {
                // Fold every corner onto the top-left one; its arc has radius 6 about (6, 6).
                const double cx = std::min(x, 70 - x) + 0.5;
                const double cy = std::min(y, 95 - y) + 0.5;
                const QRgb pixel = mask.pixel(x, y);
                QVERIFY(pixel == white || pixel == black);
                if (cx >= 6 || cy >= 6)
                    QVERIFY2(pixel == black, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                else if (std::hypot(cx - 6, cy - 6) > 6.6)
                    QVERIFY2(pixel == white, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                else if (std::hypot(cx - 6, cy - 6) < 5.4)
                    QVERIFY2(pixel == black, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        QCOMPARE(mask.pixel(0, 0), white);
        QCOMPARE(mask.pixel(70, 95), white);
        QCOMPARE(mask.pixel(35, 48), black);
    }

    void backsAreDistinctAndBlackOutsideTheCard() {
        const QImage mask = bitmap(2012);
        const QImage strip = bitmap(2000);
        QList<QImage> backs;
        for (int b = 0; b < strip.width() / 71; ++b)
            backs << strip.copy(71 * b, 0, 71, 96);
        for (const QImage& back : backs) {
            int blackInside = 0;
            for (int y = 0; y < 96; ++y)
                for (int x = 0; x < 71; ++x) {
                    if (mask.pixel(x, y) == white)
                        QCOMPARE(back.pixel(x, y), black);
                    else
                        blackInside += back.pixel(x, y) == black;
                }
            QVERIFY(blackInside < 71 * 96 / 4);
        }
        for (qsizetype i = 0; i < backs.size(); ++i)
            for (qsizetype j = i + 1; j < backs.size(); ++j)
                QVERIFY2(meanDifference(backs[i], backs[j]) > 30,
                         qPrintable(QStringLiteral("backs %1 and %2").arg(i).arg(j)));
    }

    void sheetsTurnTheirLowerRowsAndColourTheRedSuits() {
        const QImage pips = bitmap(2001);
        const QImage suits = bitmap(2002);
        const QImage indices = bitmap(2003);
        checkTurnedRow(pips, 15, 15, 0);
        checkTurnedRow(suits, 11, 11, 0);
        checkTurnedRow(indices, 9, 14, 0);
        checkTurnedRow(indices, 9, 14, 28);
        // Suits 0 and 1 are black, 2 and 3 red, in every sheet; so are the index rows.
        const auto ink = [](const QImage& sheet, QRect cell, bool (*test)(QRgb)) {
            int count = 0, all = 0;
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    if (sheet.pixel(x, y) != white) {
                        ++all;
                        count += test(sheet.pixel(x, y));
                    }
            return all > 0 && count * 4 >= all * 3;
        };
        for (int suit = 0; suit < 4; ++suit) {
            const auto test = suit < 2 ? isNeutral : isRed;
            QVERIFY(ink(pips, QRect(15 * suit, 0, 15, 15), test));
            QVERIFY(ink(suits, QRect(11 * suit, 0, 11, 11), test));
        }
        for (int glyph = 0; glyph < 14; ++glyph) {
            QVERIFY(ink(indices, QRect(9 * glyph, 0, 9, 14), isNeutral));
            QVERIFY(ink(indices, QRect(9 * glyph, 28, 9, 14), isRed));
            for (int other = 0; other < glyph; ++other)
                QVERIFY(indices.copy(9 * glyph, 0, 9, 14) != indices.copy(9 * other, 0, 9, 14));
        }
    }

    void faceSetsDifferAndPutTheRedJokerFirst() {
        QList<QImage> sets;
        for (int f = 0; f < faceSetCount(); ++f)
            sets << bitmap(2004 + f);
        for (const QImage& set : sets) {
            for (int k = 0; k < 18; ++k)
                QVERIFY(inkPixels(set.copy(45 * k, 0, 45, 74)) > 60);
            const auto redness = [&](int k) {
                int red = 0;
                for (int y = 0; y < 74; ++y)
                    for (int x = 45 * k; x < 45 * k + 45; ++x)
                        red += isRed(set.pixel(x, y));
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
    // Four columns are averaged on each side to look past the grain. The same for rows.
    void backgroundsTileWithoutSeams() {
        for (int id = 1100; id <= 1114; ++id) {
            const QImage tile = bitmap(id);
            for (const bool down : {false, true}) {
                const QImage image = down ? tile.transformed(QTransform(0, 1, 1, 0, 0, 0)) : tile;
                const int w = image.width(), h = image.height();
                // The step between the four columns left of `x` and the four from `x` on.
                const auto step = [&](int x) {
                    double sum = 0;
                    for (int y = 0; y < h; ++y)
                        for (int i = 1; i <= 4; ++i)
                            sum += difference(image.pixel((x - i + w) % w, y),
                                              image.pixel((x + i - 1) % w, y));
                    return sum / (4 * h);
                };
                double usual = 0;
                for (int x = 1; x < w; ++x)
                    usual += step(x) / (w - 1);
                QVERIFY2(usual > 1, qPrintable(QStringLiteral("%1 is flat").arg(id)));
                QVERIFY2(step(0) < 2 * usual, qPrintable(QStringLiteral("%1 seam %2: %3 against %4")
                                                             .arg(id)
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
