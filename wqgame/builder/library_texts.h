#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quintaro::wqgame {

// A text the library lends: a name list, a question, a font description or a menu.
struct TextResource {
    QString kind;
    int id;
    QString text;
};

// The names are those of the pictures actually built, so each list has exactly one entry
// per picture.
QList<TextResource> libraryTexts(const QStringList& faceSetNames, const QStringList& backNames,
                                 const QStringList& backgroundNames);

} // namespace quintaro::wqgame
