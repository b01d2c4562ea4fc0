#include "wqgame/builder/library_texts.h"

namespace quintaro::wqgame {

namespace {

// The background list offers the sixteen palette colours before the pictures.
const char* const colourNames =
    "Black,Blue,Green,Cyan,Red,Magenta,Brown,Grey,Light Grey,Light Blue,Light Green,"
    "Light Cyan,Light Red,Light Magenta,Yellow,White";

// The help menu: the menu bar item first, then one popup entry a line as
// position|id|text|flags. The program's name goes in at character 7 of item 99.
const char* const helpMenu = "90|&Help\n"
                             "0|91|&Contents|\n"
                             "1|92|&How to Play|\n"
                             "2|93|&Using Help|\n"
                             "3|0||separator\n"
                             "4|94|&Pop-up Help|check\n"
                             "5|0||separator\n"
                             "6|99|&About ...|\n";

} // namespace

QList<TextResource> libraryTexts(const QStringList& faceSetNames, const QStringList& backNames,
                                 const QStringList& backgroundNames) {
    const QString comma = QStringLiteral(",");
    return {
        {QStringLiteral("string"), 1002, faceSetNames.join(comma)},
        {QStringLiteral("string"), 1003, backNames.join(comma)},
        {QStringLiteral("string"), 1004,
         QLatin1String(colourNames) + comma + backgroundNames.join(comma)},
        {QStringLiteral("query"), 1000,
         QStringLiteral("Changing the options ends the game in progress. "
                        "Do you want to continue?")},
        {QStringLiteral("query"), 1001,
         QStringLiteral("Starting a new game ends the game in progress. "
                        "Do you want to start a new game?")},
        {QStringLiteral("query"), 3000,
         QStringLiteral("Do you want to clear every name and score from this Hall of Fame?")},
        {QStringLiteral("font"), 3000, QStringLiteral("Liberation Sans,13,700")},
        {QStringLiteral("menu"), 1000, QLatin1String(helpMenu)},
    };
}

} // namespace quintaro::wqgame
