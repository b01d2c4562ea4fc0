#include "dark_theme.h"
#include "displays/hand_names_window.h"
#include "displays/payline_window.h"
#include "displays/table_font.h"
#include "displays/vga_palette.h"
#include "displays_pixels.h"

#include <QPaintEvent>
#include <QtTest>

using namespace quintaro;
using namespace quintaro::test;

namespace {

const QColor black = vgaColour(VgaColour::Black);
const QColor white = vgaColour(VgaColour::White);
const auto nearWhite = [](QRgb pixel) { return qGray(pixel) > 200; };

} // namespace

class DisplaysColumnsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Under a dark theme, whose light text would vanish on the white columns.
    void selectedColumnIsYellowAndTheHighlightedBandBlack() {
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

    // A band shows the payoff of its own line at the column's own bet, and nothing else.
    void eachBandShowsItsLinesPayoffAtTheColumnsBet() {
        PayDisplayData pay;
        pay.lineCount = 9;
        PaylineColumn column;
        column.bet = 3;
        PaylineWindow window(pay, column, nullptr);
        window.resize(60, 200);
        window.setFont(tableFont(15));
        const auto lineOne = [&] { return renderOn(window, Qt::magenta).copy(window.bandRect(2)); };
        const QImage shown = lineOne();
        for (auto [bet, line] : {std::pair{2, 1}, {4, 1}, {3, 0}, {3, 2}})
            pay.payoffs[static_cast<std::size_t>(bet - 1)][static_cast<std::size_t>(line)] = 800;
        QCOMPARE(lineOne(), shown);
        pay.payoffs[2][1] = 800;
        QVERIFY(lineOne() != shown);
    }

    // The names keep their own blue under a dark theme.
    void handNamesLetTheTableShowThrough() {
        const DarkTheme theme;
        QWidget table;
        table.resize(300, 200);
        table.setAutoFillBackground(true);
        const QColor green = vgaColour(VgaColour::Green);
        QPalette palette = table.palette();
        palette.setColor(QPalette::Window, green);
        table.setPalette(palette);
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

QTEST_MAIN(DisplaysColumnsTest)
#include "displays_columns_test.moc"
