#include "wqgame/builder/library_texts.h"

#include "platform/translated_text.h"

#include <array>

namespace quintaro::wqgame {

namespace {

// The background list offers the sixteen palette colours before the pictures.
constexpr std::array colourNames{
    QUINTARO_TEXT("Library", "Black"),       QUINTARO_TEXT("Library", "Blue"),
    QUINTARO_TEXT("Library", "Green"),       QUINTARO_TEXT("Library", "Cyan"),
    QUINTARO_TEXT("Library", "Red"),         QUINTARO_TEXT("Library", "Magenta"),
    QUINTARO_TEXT("Library", "Brown"),       QUINTARO_TEXT("Library", "Grey"),
    QUINTARO_TEXT("Library", "Light Grey"),  QUINTARO_TEXT("Library", "Light Blue"),
    QUINTARO_TEXT("Library", "Light Green"), QUINTARO_TEXT("Library", "Light Cyan"),
    QUINTARO_TEXT("Library", "Light Red"),   QUINTARO_TEXT("Library", "Light Magenta"),
    QUINTARO_TEXT("Library", "Yellow"),      QUINTARO_TEXT("Library", "White")};

struct MenuLine {
    int position;
    int id;
    const char* text;
    const char* flags;
};

// The help menu: the menu bar item first, then one popup entry a line as
// position|id|text|flags. The program's name goes in at character 7 of item 99; a
// translation of that item marks the place with %1.
constexpr std::array helpMenu{
    MenuLine{0, 91, QUINTARO_TEXT("Library", "&Contents"), ""},
    MenuLine{1, 92, QUINTARO_TEXT("Library", "&How to Play"), ""},
    MenuLine{2, 93, QUINTARO_TEXT("Library", "&Using Help"), ""},
    MenuLine{3, 0, "", "separator"},
    MenuLine{4, 94, QUINTARO_TEXT("Library", "&Pop-up Help"), "check"},
    MenuLine{5, 0, "", "separator"},
    //: The program's name goes in after "About "; mark its place with %1: "Ü&ber %1...".
    MenuLine{6, 99, QUINTARO_TEXT("Library", "&About ..."), ""},
};

QString helpMenuText() {
    QString text = QStringLiteral("90|") + QLatin1String(QUINTARO_TEXT("Library", "&Help")) + u'\n';
    for (const MenuLine& line : helpMenu)
        text += QStringLiteral("%1|%2|%3|%4\n")
                    .arg(line.position)
                    .arg(line.id)
                    .arg(QLatin1String(line.text), QLatin1String(line.flags));
    return text;
}

} // namespace

QList<TextResource> libraryTexts(const QStringList& faceSetNames, const QStringList& backNames,
                                 const QStringList& backgroundNames) {
    const QString comma = QStringLiteral(",");
    return {
        {QStringLiteral("string"), 1002, faceSetNames.join(comma)},
        {QStringLiteral("string"), 1003, backNames.join(comma)},
        {QStringLiteral("string"), 1004,
         QStringList(colourNames.begin(), colourNames.end()).join(comma) + comma +
             backgroundNames.join(comma)},
        {QStringLiteral("query"), 1000,
         QString::fromUtf8(QUINTARO_TEXT("Library",
                                         "Changing the options ends the game in progress. "
                                         "Do you want to continue?"))},
        {QStringLiteral("query"), 1001,
         QString::fromUtf8(QUINTARO_TEXT("Library",
                                         "Starting a new game ends the game in progress. "
                                         "Do you want to start a new game?"))},
        {QStringLiteral("query"), 3000,
         QString::fromUtf8(QUINTARO_TEXT(
             "Library", "Do you want to clear every name and score from this Hall of Fame?"))},
        {QStringLiteral("font"), 3000, QStringLiteral("Liberation Sans,13,700")},
        {QStringLiteral("menu"), 1000, helpMenuText()},
    };
}

} // namespace quintaro::wqgame
