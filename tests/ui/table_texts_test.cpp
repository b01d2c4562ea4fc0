#include "displays/table_figures.h"
#include "displays/table_font.h"
#include "displays/table_layout.h"
#include "poker/pay_table.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QTranslator>
#include <QtTest>

#include <cmath>

using namespace quintaro;
namespace layout = table_layout;

namespace {

QString text(const char* context, const char* english) {
    return QCoreApplication::translate(context, english);
}

// The texts of one box on the table, in one font size, and whether they may shrink there.
struct TableBox {
    QStringList texts;
    int width;
    int fontPixels;
    bool shrinks = true;
};

// Every text the table draws, in the language installed, with the box it is drawn in.
std::vector<TableBox> tableBoxes() {
    QStringList names;
    for (const GameType game :
         {GameType::StraightPoker, GameType::JokersWildPoker, GameType::DeucesWildPoker}) {
        const PayTable& pay = payTable(game);
        names << text("Games", pay.title.data());
        for (int line = 0; line < pay.lineCount; ++line)
            names << text(
                "Hands",
                handCategoryName(pay.lines[static_cast<std::size_t>(line)].category).data());
    }
    QStringList bets;
    for (const char* bet : layout::paylineHeaders)
        bets << text("Table", bet);
    // The widest hold and amounts the strip can name, as the trainer's brief word.
    const QString best =
        text("Hints", "Best: %1 (%2)")
            .arg(text("Hints", "hold %1").arg(QStringLiteral("10♣ 10♦ 10♥ 10♠ 10♣")),
                 QStringLiteral("$4000.00"));
    // The names start 4 pixels into their column; the status text keeps off its 1-pixel rim.
    return {
        {names, layout::handNames.width - 4, layout::handNamesFontHeight},
        {bets, layout::paylineWidth, layout::paylineFontHeight},
        {{text("Table", "Game Over"), text("Table", "Press \"Deal\" for a new game")},
         layout::status.width - 2,
         layout::statusFontHeight},
        {{text("Table", "Hold"), text("Table", "Discard")},
         layout::cardWindowWidth,
         layout::cardWindowFontHeight},
        {{text("Table", "Win"), text("Table", "Balance")},
         winFigureRect().width(),
         layout::windowFontHeight},
        {{text("Table", "Click a payline to change your bet")},
         paylineHintRect().width(),
         layout::windowFontHeight},
        {{text("Trainer", "%1; yours %2").arg(best, QStringLiteral("$4000.00"))},
         layout::clientWidth,
         layout::windowFontHeight,
         false},
    };
}

} // namespace

// The table keeps its layout in every language: a translation longer than English takes a
// smaller size of the same font, down to 80 % of it, and must fit there. The Deal button's
// text is Qt's to draw and keeps its size.
class TableTextsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTableTextFitsItsBoxAtEightyPercentOrMore_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de", "fr", "es"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void everyTableTextFitsItsBoxAtEightyPercentOrMore() {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(
            QStringLiteral(QUINTARO_TRANSLATIONS_DIR "/quintaro_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
        QVERIFY(text("Table", "Bet $1") != QStringLiteral("Bet $1"));

        QStringList tooWide;
        for (const TableBox& box : tableBoxes()) {
            QFont font = tableFont(box.fontPixels);
            if (box.shrinks)
                font.setPixelSize(static_cast<int>(std::ceil(box.fontPixels * 0.8)));
            for (const QString& line : box.texts)
                if (QFontMetrics(font).horizontalAdvance(line) > box.width)
                    tooWide << line;
        }
        for (const char* deal : {"Deal", "Redeal"}) {
            const QFontMetrics metrics(tableFont(layout::dealButtonFontHeight));
            // The button's frame and margin, as Qt's style keeps them clear of text.
            const int frame = 2 * qApp->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                              qApp->style()->pixelMetric(QStyle::PM_ButtonMargin);
            if (metrics.horizontalAdvance(text("Table", deal)) + frame > layout::dealButton.width)
                tooWide << text("Table", deal);
        }
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(tooWide.join(u'\n'), QString());
    }
};

QTEST_MAIN(TableTextsTest)
#include "table_texts_test.moc"
