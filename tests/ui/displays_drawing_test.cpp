#include "app/status_window.h"
#include "dark_theme.h"
#include "displays/bevel.h"
#include "displays/centred_text.h"
#include "displays/classic_colours.h"
#include "displays/framed_tab.h"
#include "displays/hand_names_window.h"
#include "displays/payline_window.h"
#include "displays/table_figures.h"
#include "displays/table_font.h"
#include "displays/vga_palette.h"
#include "displays_pixels.h"
#include "poker/game_state.h"

#include <QPainter>
#include <QtTest>

#include <string_view>
#include <tuple>

using namespace quintaro;
using namespace quintaro::test;

namespace {

const QColor backdrop(0x12, 0x34, 0x56);
const QColor black = vgaColour(VgaColour::Black);
const QColor white = vgaColour(VgaColour::White);
const auto nearWhite = [](QRgb pixel) { return qGray(pixel) > 200; };

QImage blank(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(backdrop);
    return image;
}

QImage renderAt(QWidget& widget, qreal ratio) {
    QImage image(widget.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(backdrop);
    widget.render(&image);
    return image;
}

// The pixels of the layout from `from` on, one `step` apart, are wholly the colours
// `colours` names, one letter each: k black, l light, s shadow, f face, w white. Each
// covers every device pixel its edges round to, as the painter rounds a fill.
void expectRun(const QImage& image, QPoint from, QPoint step, std::string_view colours) {
    const QHash<char, QRgb> named{{'k', qRgb(0, 0, 0)},
                                  {'l', qRgb(255, 255, 255)},
                                  {'s', qRgb(128, 128, 128)},
                                  {'f', qRgb(192, 192, 192)},
                                  {'w', vgaColour(VgaColour::White).rgb()}};
    const qreal ratio = image.devicePixelRatio();
    const auto device = [ratio](int at) { return qRound(at * ratio); };
    QPoint at = from;
    for (char colour : colours) {
        for (int y = device(at.y()); y < device(at.y() + 1); ++y)
            for (int x = device(at.x()); x < device(at.x() + 1); ++x)
                QVERIFY2(image.pixel(x, y) == named[colour],
                         qPrintable(
                             QString::asprintf("%c at %d,%d x%g", colour, at.x(), at.y(), ratio)));
        at += step;
    }
}

} // namespace

class DisplaysDrawingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void centringHalvesTowardZeroAndTooWideTextsShrinkToNoLessThanFourFifths() {
        const QRect label(QPoint(0, 10), QPoint(109, 30)); // 110 x 21
        QCOMPARE(centredTextOrigin(label, QSize(40, 17)), QPoint(35, 12));
        QCOMPARE(centredTextOrigin(label, QSize(41, 16)), QPoint(34, 12));
        QCOMPARE(centredTextOrigin(QRect(100, 50, 10, 10), QSize(15, 15)), QPoint(98, 48));
        const QFontMetrics metrics(tableFont(15));
        QCOMPARE(controlTextSize(metrics, QStringLiteral("&Welcome")),
                 controlTextSize(metrics, QStringLiteral("Welcome")));

        // A text too wide for its box on the table, as a translation may be, is drawn
        // smaller, within the box, down to four fifths of the font; one that fits as ever.
        const QString text = QStringLiteral("Quinte flush royale (sans joker)");
        const QFont font = tableFont(15);
        const int fullWidth = QFontMetrics(font).horizontalAdvance(text);
        const auto drawn = [&](int boxWidth, bool fitted) {
            QImage image(fullWidth + 40, 30, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setFont(font);
            painter.setPen(Qt::black);
            const QRect box((image.width() - boxWidth) / 2, 0, boxWidth, 30);
            if (fitted)
                drawFittedCentredText(painter, box, text);
            else
                drawCentredText(painter, box, text);
            return image;
        };
        const auto inkWidth = [](const QImage& image) {
            int left = image.width(), right = -1;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            return right - left + 1;
        };
        QCOMPARE(drawn(fullWidth, true), drawn(fullWidth, false));
        const int tenthShort = fullWidth * 9 / 10;
        QVERIFY(inkWidth(drawn(tenthShort, true)) <= tenthShort);
        QVERIFY(inkWidth(drawn(tenthShort, true)) > fullWidth * 8 / 10);
        // Half the room: drawn at four fifths, overhanging, never smaller.
        const int atFourFifths = inkWidth(drawn(fullWidth / 2, true));
        QVERIFY2(atFourFifths > fullWidth * 3 / 4 && atFourFifths < fullWidth * 17 / 20,
                 qPrintable(QString::number(atFourFifths)));
    }

    // The box keeps its classic colours and dark text under a dark theme.
    void statusBoxHasItsBevelAndSaysGameOverOnlyAfterAGame() {
        const DarkTheme theme;
        GameState state;
        StatusWindow status(state, nullptr);
        status.resize(300, 48);
        status.setFont(tableFont(20));
        const QRgb light = qRgb(255, 255, 255);
        const QRgb shadow = qRgb(128, 128, 128);
        const QColor face(192, 192, 192);
        // Each bevel ring goes top, right, bottom, left: left owns both left corners.
        const std::pair<QPoint, QRgb> probes[] = {
            {{0, 0}, qRgb(0, 0, 0)}, {{299, 47}, qRgb(0, 0, 0)}, {{1, 1}, light},
            {{2, 2}, light},         {{1, 46}, light},           {{298, 46}, shadow},
            {{297, 45}, shadow},     {{298, 1}, shadow},         {{3, 3}, face.rgb()}};
        const QImage played = renderOn(status, Qt::magenta);
        for (const auto& [point, rgb] : probes)
            QCOMPARE(played.pixel(point), rgb);
        state.freshGame = true;
        const QImage fresh = renderOn(status, Qt::magenta);
        const QRect upper(3, 3, 294, 10);
        QVERIFY(inkContrast(played, upper, face) >= readableContrast);
        QVERIFY(!anyPixel(fresh, upper, isNot(face)));
        QVERIFY(anyPixel(played, QRect(3, 30, 294, 10), isNot(face)));
        QVERIFY(inkContrast(fresh, QRect(3, 18, 294, 12), face) >= readableContrast);
        QVERIFY(!anyPixel(fresh, QRect(3, 38, 294, 7), isNot(face)));

        QImage image = blank(QSize(10, 10));
        QPainter painter(&image);
        drawBevel(painter, QRect(1, 1, 8, 8), 2, {std::nullopt, std::nullopt, Qt::red, {}, {}});
        QCOMPARE(image.pixelColor(8, 8), QColor(Qt::red));
        for (QPoint point : {QPoint(4, 1), QPoint(8, 4), QPoint(5, 5), QPoint(1, 4)})
            QCOMPARE(image.pixelColor(point), backdrop);
    }

    // Rules, outlines and bevels one pixel wide are whole pixels of the layout when scaled:
    // no stripe of what lies under them shows inside or between them.
    void linesOfOnePixelStaySolidAtTwoAndOneAndAHalf() {
        QWidget dialog;
        dialog.resize(200, 100);
        FramedTab selected(&dialog, QRect(0, 0, 81, 24), QStringLiteral("One"),
                           QRect(0, 0, 199, 99), true);
        FramedTab unselected(&dialog, QRect(80, 0, 81, 24), QStringLiteral("Two"),
                             QRect(0, 0, 199, 99), false);
        selected.select(true);
        PayDisplayData pay;
        pay.lineCount = 9;
        PaylineColumn column;
        PaylineWindow payline(pay, column, nullptr);
        payline.resize(60, 200);
        payline.setFont(tableFont(15));
        GameState state;
        StatusWindow status(state, nullptr);
        status.resize(300, 48);
        for (qreal ratio : {2.0, 1.5}) {
            const QImage open = renderAt(selected, ratio);
            expectRun(open, {0, 10}, {1, 0}, "kllff");
            expectRun(open, {76, 10}, {1, 0}, "ffssk");
            expectRun(open, {40, 0}, {0, 1}, "kllff");
            expectRun(open, {1, 3}, {1, -1}, "lll");
            expectRun(open, {0, 20}, {0, 1}, "kkll");
            const QImage closed = renderAt(unselected, ratio);
            expectRun(closed, {0, 10}, {1, 0}, "klff");
            expectRun(closed, {77, 10}, {1, 0}, "ffsk");
            expectRun(closed, {40, 0}, {0, 1}, "klff");
            expectRun(closed, {40, 19}, {0, 1}, "ffkll");
            // The rules of the column: down its left side and under each band.
            const QImage rules = renderAt(payline, ratio);
            expectRun(rules, {0, 105}, {1, 0}, "kww");
            expectRun(rules, {58, 17}, {0, 1}, "wwkww");
            expectRun(rules, {58, 37}, {0, 1}, "wwkww");
            const QImage bevel = renderAt(status, ratio);
            expectRun(bevel, {0, 20}, {1, 0}, "kllf");
            expectRun(bevel, {150, 0}, {0, 1}, "kll");
        }
    }

    // Each figure is its label, then its wiped value area with the amount in the large font;
    // the hint shows only between hands with money. Pixel for pixel, from the texts read.
    void figuresAndHintShowTheirTexts() {
        QVERIFY(showsPaylineHint(GameState{5, 0, RoundPhase::NotStarted, false}));
        QVERIFY(!showsPaylineHint(GameState{5, 0, RoundPhase::Holding, false}));
        const QColor table = vgaColour(VgaColour::White);
        const auto background = [&](QPainter& on, const QRect& rect) { on.fillRect(rect, table); };
        for (const GameState& state : {GameState{0, 4700, RoundPhase::Over, false},
                                       GameState{12345, 0, RoundPhase::Over, false}}) {
            QImage image = blank(QSize(610, 230));
            QPainter painter(&image);
            painter.setFont(tableFont(16));
            // A painter opened on a widget under a dark theme comes with light ink.
            painter.setPen(Qt::white);
            drawWinFigure(painter, state, displayFont(), background);
            drawBalanceFigure(painter, state, displayFont(), background);
            drawPaylineHint(painter, state);
            QCOMPARE(painter.font().pixelSize(), 16);
            painter.end();

            QImage expected = blank(QSize(610, 230));
            QPainter by(&expected);
            by.setPen(classicColours().windowText);
            const std::tuple<QString, int, QString> figures[] = {
                {QStringLiteral("Win"), 10, QStringLiteral("$%1").arg(state.lastWin)},
                {QStringLiteral("Balance"), 100, QStringLiteral("$%1").arg(state.balance)}};
            for (const auto& [label, top, value] : figures) {
                by.setFont(tableFont(16));
                drawCentredText(by, QRect(QPoint(0, top), QPoint(109, top + 20)), label);
                const QRect valueArea(QPoint(0, top + 20), QPoint(109, top + 90));
                by.fillRect(valueArea, table);
                by.setFont(tableFont(30));
                drawCentredText(by, valueArea, value);
            }
            by.setFont(tableFont(16));
            if (state.balance != 0)
                drawCentredText(by, QRect(QPoint(300, 200), QPoint(600, 220)),
                                QStringLiteral("Click a payline to change your bet"));
            by.end();
            QCOMPARE(image, expected);
        }
    }

    // Under a dark theme, whose light text would vanish on the white columns.
    void columnsShowTheirBetsPayoffsTheSelectionAndTheHighlight() {
        const DarkTheme theme;
        PayDisplayData pay;
        pay.lineCount = 9;
        pay.payoffs[2][0] = 250;
        pay.payoffs[2][1] = 4000;
        PaylineColumn column;
        column.bet = 3;
        column.highlightedLine = 0;
        PaylineWindow window(pay, column, nullptr);
        window.resize(60, 200);
        window.setFont(tableFont(15));
        window.setWindowTitle(QStringLiteral("Bet $3"));
        // A band shows the payoff of its own line at the column's own bet, and nothing else.
        const auto lineOne = [&] { return renderOn(window, Qt::magenta).copy(window.bandRect(2)); };
        const QImage shown = lineOne();
        for (auto [bet, line] : {std::pair{2, 1}, {4, 1}, {3, 0}, {3, 2}})
            pay.payoffs[static_cast<std::size_t>(bet - 1)][static_cast<std::size_t>(line)] = 800;
        QCOMPARE(lineOne(), shown);
        pay.payoffs[2][1] = 800;
        QVERIFY(lineOne() != shown);

        for (bool selected : {false, true}) {
            column.selected = selected;
            const QImage image = renderOn(window, Qt::magenta);
            const QColor tint = selected ? vgaColour(VgaColour::Yellow) : white;
            QCOMPARE(image.pixelColor(58, 5), tint);
            QCOMPARE(image.pixelColor(0, 100), black);
            // Line 0 is band 1, y = 20 to 39, with the rules on rows 19 and 39.
            for (int y : {19, 20, 38, 39})
                QCOMPARE(image.pixelColor(58, y), black);
            QCOMPARE(image.pixelColor(58, 18), tint);
            QCOMPARE(image.pixelColor(58, 40), tint);
            QVERIFY(anyPixel(image, QRect(1, 0, 59, 19), is(vgaColour(VgaColour::Red))));
            QVERIFY(anyPixel(image, QRect(1, 20, 59, 19), nearWhite));
            QVERIFY(inkContrast(image, QRect(1, 40, 57, 19), tint) >= readableContrast);
        }
        // Band b of N lines runs from 200 b / (N + 1) down to the next band's top.
        pay.lineCount = 10;
        QCOMPARE(window.bandRect(1), QRect(0, 18, 60, 18));
        QCOMPARE(window.bandRect(5), QRect(0, 90, 60, 19));
        pay.lineCount = 11;
        column.selected = false;
        column.highlightedLine = noLine;
        QCOMPARE(window.bandRect(1), QRect(0, 16, 60, 17));
        QCOMPARE(window.bandRect(11), QRect(0, 183, 60, 17));
        const QImage eleven = renderOn(window, Qt::magenta);
        QCOMPARE(eleven.pixelColor(58, 31), white);
        QCOMPARE(eleven.pixelColor(58, 32), black);
        QCOMPARE(eleven.pixelColor(58, 33), white);
    }

    // The names keep their own blue under a dark theme.
    void handNamesLetTheTableShowThrough() {
        const DarkTheme theme;
        QWidget table;
        table.resize(300, 200);
        table.setAutoFillBackground(true);
        const QColor green = vgaColour(VgaColour::Green);
        table.setPalette(QPalette(green)); // the window too takes the colour
        PayDisplayData pay;
        pay.title = "Straight Poker";
        pay.lineCount = 9;
        pay.categories[0] = HandCategory::Straight;
        HandNamesColumn column;
        column.highlightedLine = 3;
        auto* names = new HandNamesWindow(pay, column, &table);
        names->setGeometry(110, 0, 190, 200);
        names->setFont(tableFont(15));

        const QImage image = renderOn(table, Qt::magenta);
        QCOMPARE(image.pixelColor(110, 100), black);
        QCOMPARE(image.pixelColor(295, 19), black);
        QCOMPARE(image.pixelColor(295, 5), green);
        QCOMPARE(image.pixelColor(295, 30), green);
        QVERIFY(anyPixel(image, QRect(111, 0, 189, 19), is(vgaColour(VgaColour::Red))));
        QVERIFY(!anyPixel(image, QRect(111, 0, 189, 19), is(vgaColour(VgaColour::Blue))));
        QVERIFY(anyPixel(image, QRect(111, 20, 189, 19), is(vgaColour(VgaColour::Blue))));
        // Line 3 is band 4, y = 80 to 99: white on black, nothing of the table.
        QVERIFY(anyPixel(image, QRect(111, 80, 189, 19), nearWhite));
        QVERIFY(!anyPixel(image, QRect(111, 80, 189, 19), is(green)));
        // Names start at x = 4 of the window, give or take the first glyph's bearing.
        QVERIFY(!anyPixel(image, QRect(111, 20, 3, 18), isNot(green)));
        QVERIFY(anyPixel(image, QRect(114, 20, 3, 18), isNot(green)));
    }
};

QTEST_MAIN(DisplaysDrawingTest)
#include "displays_drawing_test.moc"
