#include "cards/card_image_cache.h"
#include "cards/card_window.h"
#include "displays_pixels.h"
#include "wqgame/resource_module.h"

#include <QPainter>
#include <QtTest>

#include <algorithm>
#include <utility>
#include <vector>

using namespace quintaro;
using test::library;

namespace {

const QRgb magenta = qRgb(255, 0, 255);
const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);
const QPoint at(6, 9); // the card's place on the test table

void place(Card& card, CardState state) {
    card.x = static_cast<std::int16_t>(at.x());
    card.y = static_cast<std::int16_t>(at.y());
    card.state = state;
}

// A table of magenta with one card drawn on it, at `ratio` device pixels per pixel.
QImage drawn(const CardImageCache& cache, const Card& card, qreal ratio = 1.0) {
    QImage table(QSize(90, 120) * ratio, QImage::Format_RGB32);
    table.setDevicePixelRatio(ratio);
    table.fill(magenta);
    QPainter painter(&table);
    cache.drawCard(painter, card);
    return table;
}

// The 15 x 15 (or other) region at a card position, as it was drawn, in device pixels.
QImage region(const QImage& table, QPoint onCard, QSize size) {
    QImage copy = table.copy(QRect(at * qRound(table.devicePixelRatio()) + onCard, size));
    copy.setDevicePixelRatio(1);
    return copy;
}

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

class CardImageCacheTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
    }

    void faceUpIsAWhiteRoundedCardWithItsPicturesAndPipsInPlace() {
        CardImageCache cache;
        cache.reloadFaceSet(0);
        const QImage suits = library(2002), indices = library(2003), faces = library(2004);
        Card card(3, 2);
        place(card, CardState::FaceUp);
        QImage table = drawn(cache, card);
        for (QPoint edge : {QPoint(0, 48), QPoint(70, 48), QPoint(35, 0), QPoint(35, 95),
                            QPoint(2, 1), QPoint(1, 2)})
            QCOMPARE(table.pixel(at + edge), black);
        QCOMPARE(table.pixel(at + QPoint(1, 48)), white);
        QCOMPARE(table.pixel(at + QPoint(35, 30)), white);
        QCOMPARE(table.pixel(at + QPoint(1, 1)), magenta);
        QCOMPARE(table.pixel(at + QPoint(71, 48)), magenta);
        QCOMPARE(region(table, QPoint(3, 4), QSize(9, 14)), indices.copy(18, 28, 9, 14));
        QCOMPARE(region(table, QPoint(59, 78), QSize(9, 14)), indices.copy(18, 42, 9, 14));
        QCOMPARE(region(table, QPoint(2, 18), QSize(11, 11)), suits.copy(22, 0, 11, 11));
        QCOMPARE(region(table, QPoint(58, 67), QSize(11, 11)), suits.copy(22, 11, 11, 11));

        // Jacks, queens, kings and aces of suit 2, then the two jokers, take one cell each.
        // The jokers show their glyph in both corners but no suit.
        for (auto [rank, cell] :
             {std::pair{11, 2}, {12, 6}, {13, 10}, {1, 14}, {15, 16}, {16, 17}}) {
            card.rank = rank;
            table = drawn(cache, card);
            QCOMPARE(region(table, QPoint(13, 10), QSize(45, 74)),
                     faces.copy(45 * cell, 0, 45, 74));
            if (rank < 15)
                continue;
            const int row = rank == 15 ? 28 : 0;
            QCOMPARE(region(table, QPoint(3, 4), QSize(9, 14)), indices.copy(117, row, 9, 14));
            QCOMPARE(region(table, QPoint(59, 78), QSize(9, 14)),
                     indices.copy(117, row + 14, 9, 14));
            QImage blank(11, 11, QImage::Format_RGB32);
            blank.fill(white);
            for (QPoint suitPlace : {QPoint(2, 18), QPoint(58, 67)})
                QCOMPARE(region(table, suitPlace, QSize(11, 11)), blank);
        }

        // A joker already drawn shows the new face set's picture once the set changes.
        cache.reloadFaceSet(1);
        QCOMPARE(region(drawn(cache, card), QPoint(13, 10), QSize(45, 74)),
                 library(2005).copy(45 * 17, 0, 45, 74));

        // Every place a pip of the suit shows, upright or turned, for each rank: the classic
        // layouts, which no other picture on the card matches.
        using Spots = std::vector<QPoint>;
        // In the order the scan below finds them: by row, then by column.
        const std::pair<Spots, Spots> layouts[] = {
            {{{28, 10}}, {{28, 71}}},
            {{{28, 10}, {28, 40}}, {{28, 71}}},
            {{{15, 10}, {41, 10}}, {{15, 71}, {41, 71}}},
            {{{15, 10}, {41, 10}, {28, 41}}, {{15, 71}, {41, 71}}},
            {{{15, 10}, {41, 10}, {15, 41}, {41, 41}}, {{15, 71}, {41, 71}}},
            {{{15, 10}, {41, 10}, {28, 27}, {15, 41}, {41, 41}}, {{15, 71}, {41, 71}}},
            {{{15, 10}, {41, 10}, {15, 31}, {41, 31}}, {{15, 50}, {41, 50}, {15, 71}, {41, 71}}},
            {{{13, 10}, {43, 10}, {13, 30}, {43, 30}, {28, 40}},
             {{13, 51}, {43, 51}, {13, 71}, {43, 71}}},
            {{{13, 10}, {43, 10}, {28, 20}, {13, 31}, {43, 31}},
             {{13, 50}, {43, 50}, {28, 61}, {13, 71}, {43, 71}}}};
        const QImage pips = library(2001);
        card.rank = 2;
        card.suit = 1;
        for (const auto& [upright, turned] : layouts) {
            const QImage table = drawn(cache, card);
            Spots foundUpright, foundTurned;
            for (int y = 0; y <= 96 - 15; ++y)
                for (int x = 0; x <= 71 - 15; ++x) {
                    const QImage cell = region(table, QPoint(x, y), QSize(15, 15));
                    if (cell == pips.copy(15, 0, 15, 15))
                        foundUpright.emplace_back(x, y);
                    if (cell == pips.copy(15, 15, 15, 15))
                        foundTurned.emplace_back(x, y);
                }
            QCOMPARE(foundUpright, upright);
            QCOMPARE(foundTurned, turned);
            ++card.rank;
        }
    }

    // Every device pixel comes from the pictures for the target's ratio (at 2 the finer 2x
    // ones), both ways; the painter's mode is kept; a card off the table draws nothing.
    void cardsTakeTheMasksShapeAndThePicturesOfTheirRatio() {
        Card card(3, 2);
        place(card, CardState::FaceUp);
        CardImageCache cache;
        cache.rebuildBackImage(1);
        cache.reloadFaceSet(0);
        for (CardState state : {CardState::FaceUp, CardState::FaceDown}) {
            card.state = state;
            for (int ratio : {1, 2, 1}) {
                const QImage mask = library(2012, ratio), backs = library(2000, ratio);
                const QImage table = drawn(cache, card, ratio);
                for (int y = 0; y < 96 * ratio; ++y)
                    for (int x = 0; x < 71 * ratio; ++x)
                        QVERIFY((table.pixel(at * ratio + QPoint(x, y)) == magenta) ==
                                (mask.pixel(x, y) == white));
                QCOMPARE(table.pixel(at * ratio - QPoint(1, 1)), magenta);
                QCOMPARE(table.pixel(at * ratio + QPoint(71, 96) * ratio - QPoint(0, 1)), magenta);
                if (state == CardState::FaceUp)
                    QCOMPARE(region(table, QPoint(28, 40) * ratio, QSize(15, 15) * ratio),
                             library(2001, ratio).copy(30 * ratio, 0, 15 * ratio, 15 * ratio));
                else
                    QCOMPARE(region(table, QPoint(8, 8) * ratio, QSize(55, 80) * ratio),
                             backs.copy(79 * ratio, 8 * ratio, 55 * ratio, 80 * ratio));
            }
        }
        QImage target(90, 120, QImage::Format_RGB32);
        QPainter painter(&target);
        painter.setCompositionMode(QPainter::RasterOp_NotSource);
        cache.drawCard(painter, card);
        QCOMPARE(painter.compositionMode(), QPainter::RasterOp_NotSource);
        painter.end();
        card.state = CardState::NotOnTable;
        target.fill(magenta);
        QCOMPARE(drawn(cache, card), target);
    }

    void captionFollowsPhaseAndHoldState() {
        RoundPhase phase = RoundPhase::NotStarted;
        HoldState hold = HoldState::Hold;
        CardWindow window;
        QCOMPARE(window.size(), QSize(90, 30));
        QCOMPARE(window.font().pixelSize(), 20);
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
                // Centred across, within a pixel or two of the measured text box.
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
};

QTEST_MAIN(CardImageCacheTest)
#include "card_image_cache_test.moc"
