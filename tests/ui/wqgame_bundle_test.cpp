#include "displays/choice_list.h"
#include "displays_pixels.h"
#include "wqgame/control_layouts.h"
#include "wqgame/resource_module.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <cmath>

using namespace quintaro::wqgame;
using quintaro::listNames;
using quintaro::test::library;

namespace {

constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb black = 0xFF000000;

// A pixel of a Format_RGB32 picture; QImage::pixel() costs several times as much, which
// tells on the 3x pictures.
QRgb rgb(const QImage& image, int x, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
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

int faceSetCount() {
    int count = 0;
    while (!loadBitmap(2004 + count).isNull())
        ++count;
    return count;
}

// The library's pictures by kind: their 1x size (empty where the readers take any), whether
// the picture keeps its left half and its mask the right, and the 1x places that must be
// drawn again at 2x rather than enlarged (a null one for the picture, or its left half).
struct PictureKind {
    const char* name;
    QList<int> ids;
    QSize size;
    bool masked;
    QList<QRect> drawnAgain;
};

QList<PictureKind> pictureKinds() {
    // Two of the decks' backs and our own Argyle (our Tartan is all whole-pixel bands: drawn
    // at 2x it is its 1x picture doubled, rightly).
    const int backs = static_cast<int>(listNames(loadString(1003)).size());
    QList<int> faceSets, backgrounds;
    for (int f = 0; f < listNames(loadString(1002)).size(); ++f)
        faceSets << 2004 + f;
    for (int id = 1100; id <= 1114; ++id)
        backgrounds << id;
    return {
        {"backs",
         {2000},
         QSize(71 * backs, 96),
         false,
         {QRect(0, 0, 71, 96), QRect(142, 0, 71, 96), QRect(71 * (backs - 2), 0, 71, 96)}},
        {"pips", {2001}, QSize(4 * 15, 2 * 15), false, {QRect()}},
        {"suits", {2002}, QSize(4 * 11, 2 * 11), false, {QRect()}},
        {"indices", {2003}, QSize(117 + 9, 4 * 14), false, {QRect()}},
        {"face sets",
         faceSets,
         QSize(810, 74),
         false,
         {QRect(0, 0, 45, 74), QRect(540, 0, 45, 74), QRect(720, 0, 45, 74)}},
        {"card mask", {2012}, QSize(71, 96), false, {}},
        {"hall of fame", {3000}, QSize(732, 302), true, {QRect()}},
        {"about machine", {1000}, QSize(642, 298), true, {QRect()}},
        {"about jester", {1115}, QSize(182, 98), true, {QRect()}},
        {"welcome", {1116}, QSize(), false, {QRect()}},
        {"messages", {1001, 1002, 1003}, QSize(240, 200), true, {QRect()}},
        {"tab decorations", {1004}, QSize(), true, {QRect()}},
        {"tab end", {1005}, QSize(), true, {}},
        {"backgrounds", backgrounds, QSize(), false, {}},
        {"first background", {1100}, QSize(), false, {QRect()}},
    };
}

// The 2x picture must be the 1x one drawn again at twice the size, not the 1x one
// enlarged, by doubling its pixels or smoothly: it differs from both.
void checkDrawnAtScale(const QString& what, const QImage& one, const QImage& two) {
    const double fromDoubled = meanDifference(two, one.scaled(two.size()));
    const double fromSmooth =
        meanDifference(two, one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32));
    QVERIFY2(fromDoubled > 2 && fromSmooth > 2,
             qPrintable(QStringLiteral("%1: %2 %3").arg(what).arg(fromDoubled).arg(fromSmooth)));
}

// No two pictures of `pictures` are nearly alike.
void expectDistinct(const QList<QImage>& pictures, double least) {
    for (qsizetype i = 0; i < pictures.size(); ++i)
        for (qsizetype j = i + 1; j < pictures.size(); ++j)
            QVERIFY2(meanDifference(pictures[i], pictures[j]) > least,
                     qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
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

// Drawn with AND through the mask and then OR with the picture, a masked picture shows
// the background exactly where the mask is white, so the picture must be black there.
void checkMask(int id, int scale) {
    const QImage packed = library(id, scale);
    const int w = packed.width() / 2;
    int see = 0;
    for (int y = 0; y < packed.height(); ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb mask = rgb(packed, w + x, y);
            if (mask != white && mask != black)
                QFAIL(qPrintable(QStringLiteral("grey mask: ") + at(id, scale, x, y)));
            see += mask == white;
            if (mask == white && rgb(packed, x, y) != black)
                QFAIL(qPrintable(at(id, scale, x, y)));
        }
    const double share = double(see) / (w * packed.height());
    QVERIFY2(share > 0.02 && share < 0.9, qPrintable(QString::number(id)));
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

    void everyPictureHasItsSizeAndIsDrawnAgainAtEachScale_data() {
        QTest::addColumn<int>("kind");
        const QList<PictureKind> kinds = pictureKinds();
        for (int kind = 0; kind < kinds.size(); ++kind)
            QTest::newRow(kinds[kind].name) << kind;
    }
    // Every reader cuts cells at s times their 1x places, so every variant must be exactly s
    // times its 1x picture, drawn again rather than enlarged, and masked alike.
    void everyPictureHasItsSizeAndIsDrawnAgainAtEachScale() {
        QFETCH(int, kind);
        const PictureKind picture = pictureKinds().at(kind);
        QVERIFY(!picture.ids.isEmpty());
        for (int id : picture.ids) {
            const QImage one = library(id);
            QVERIFY2(!one.isNull(), qPrintable(QString::number(id)));
            if (!picture.size.isEmpty())
                QCOMPARE(one.size(), picture.size);
            for (int scale = 1; scale <= 3; ++scale) {
                const QImage variant = loadBitmap(id, scale);
                QCOMPARE(variant.devicePixelRatio(), qreal(scale));
                QCOMPARE(variant.size(), one.size() * scale);
                if (picture.masked)
                    checkMask(id, scale);
            }
            const QImage two = library(id, 2);
            for (QRect place : picture.drawnAgain) {
                if (place.isNull())
                    place =
                        QRect(0, 0, picture.masked ? one.width() / 2 : one.width(), one.height());
                checkDrawnAtScale(
                    QStringLiteral("%1 at %2,%3").arg(id).arg(place.x()).arg(place.y()),
                    one.copy(place), two.copy(QRect(place.topLeft() * 2, place.size() * 2)));
            }
        }
    }

    void picturesFitTheirDialogs() {
        const DialogLayout about = dialogLayout(1000).value();
        const auto shown = [&](int id) {
            const ControlLayout c = dialogControl(about, ControlKind::Picture, id).value();
            return QSize(c.width, c.height);
        };
        QCOMPARE(shown(5), QSize(library(1000).width() / 2, library(1000).height()));
        QCOMPARE(shown(6), QSize(library(1115).width() / 2, library(1115).height()));
        QCOMPARE(shown(7), library(1116).size());

        // The Hall of Fame draws ten rows of boxes over its picture, each 11 pixels further
        // right; the lowest rows too lie whole on it.
        for (int scale = 1; scale <= 3; ++scale) {
            const QImage packed = library(3000, scale);
            for (int row = 0; row < 10; ++row)
                for (int x = 6 + 11 * row; x <= 251 + 11 * row; x += 5)
                    for (int y = 27 * row; y <= 27 * row + 17; y += 4)
                        for (const int d : {0, scale - 1})
                            QVERIFY2(rgb(packed, scale * (366 + x) + d, scale * y + d) == black,
                                     qPrintable(at(3000, scale, x, y)));
        }
    }

    void cardMaskIsTheRoundedCardAndTheBacksLieInsideIt() {
        for (int scale = 1; scale <= 3; ++scale) {
            const QImage mask = library(2012, scale);
            const int w = 71 * scale, h = 96 * scale;
            const double r = 6.0 * scale;
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
            // The arc's tolerance must not hide uneven corners: each is the others mirrored.
            QCOMPARE(mask, mask.mirrored(true, false));
            QCOMPARE(mask, mask.mirrored(false, true));

            // The backs are distinct and black outside the card.
            const QImage strip = library(2000, scale);
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
            expectDistinct(backs, 30);
        }
    }

    void sheetsTurnTheirLowerRowsAndColourTheRedSuitsAndFaceSetsDiffer() {
        for (int scale = 1; scale <= 3; ++scale) {
            const QImage pips = library(2001, scale);
            const QImage suits = library(2002, scale);
            const QImage indices = library(2003, scale);
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

            // The face sets differ, and each puts the red joker first.
            QList<QImage> sets;
            for (int f = 0; f < faceSetCount(); ++f)
                sets << library(2004 + f, scale);
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
            expectDistinct(sets, 60);
        }
    }

    // Across a seam the step between the last four columns and the first four is well
    // above the usual step inside the tile; the same for rows. A 125 % screen lays 2x tiles.
    void backgroundsTileWithoutSeams() {
        for (int scale = 1; scale <= 3; ++scale)
            for (int id = 1100; id <= 1114; ++id) {
                const QImage tile = library(id, scale);
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
                    QVERIFY2(usual > 1 && step(0) < 2 * usual,
                             qPrintable(QString::asprintf("%d at %dx %d: %g", id, scale, down,
                                                          step(0) / usual)));
                }
            }
    }

    void nameListsHaveOneNamePerPicture() {
        // The pictures' own test sizes the backs and counts the face sets by these names.
        QVERIFY(faceSetCount() >= 4);
        QCOMPARE(listNames(loadString(1002)).size(), faceSetCount());
        QVERIFY(listNames(loadString(1003)).size() >= 8 &&
                listNames(loadString(1003)).size() <= 14);
        // The background list: the sixteen colours, then pictures 1100 to 1114.
        QCOMPARE(listNames(loadString(1004)).size(), 31);
        for (int id : {1000, 1001, 3000})
            QVERIFY(loadQueryText(id).endsWith(u'?'));
    }
};

QTEST_MAIN(WqgameBundleTest)
#include "wqgame_bundle_test.moc"
