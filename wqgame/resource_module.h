#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace quintaro::wqgame {

// The shared game resource library: a Qt binary resource bundle opened by file name.
// Inside, each resource lives at /<kind>/<id>: /bitmap/2000.png, /string/1002.txt,
// /query/1001.txt, /font/3000.txt, /menu/1000.txt. Look-ups succeed only while the library is
// current, that is inside a LibraryBracket.

inline constexpr const char* libraryFileName = "wqgame32.rcc";

// The folders searched for the bundle, in order: next to the program (the build tree),
// the data folder of an install tree relative to the program, then the configured one.
QStringList librarySearchPaths();

// The bundle carries a seal of its own contents, made when it was built. Its structure is
// checked against the seal before Qt is given it, and each file when it is first read.

// Opens the first bundle on the search paths that passes the check; on failure `error` says
// which file is missing or damaged and where it was sought.
bool openLibrary(QString* error);
// Opens the bundle `file`; on failure `error` says why.
bool openLibraryFile(const QString& file, QString* error);
void closeLibrary();
bool isLibraryOpen();

// Called with a message for the player when a file read from the open library does not
// match its seal. The library is closed first, so every later look-up finds nothing.
// Without a handler the message goes to stderr.
void onDamagedLibrary(std::function<void(const QString& message)> handler);

// The nesting bracket: entering makes the library current when the count is 0 and
// counts up; leaving counts down, and at 0 the program's own resources are current.
void enterLibrary();
void leaveLibrary();
int libraryNesting();
bool isLibraryCurrent();

class LibraryBracket {
public:
    LibraryBracket() { enterLibrary(); }
    ~LibraryBracket() { leaveLibrary(); }
    LibraryBracket(const LibraryBracket&) = delete;
    LibraryBracket& operator=(const LibraryBracket&) = delete;
};

// Besides each picture /bitmap/<id>.png at its 1x size, the library holds variants
// /bitmap/<id>@2x.png and @3x.png drawn at 2 and 3 times that size.
inline constexpr int largestBitmapScale = 3;

// The variant scale for a device pixel ratio: the ratio rounded up (2.0000001 counts as 2),
// from 1 to largestBitmapScale. So 1.25, 1.5 and 2 give 2.
int bitmapScaleFor(qreal devicePixelRatio);

// Typed look-ups against the current module; a null image, empty text or default font
// when the library is not current or holds no such id.
// Above ratio 1 the variant of bitmapScaleFor(ratio) is loaded, else the next smaller one,
// at last the 1x picture; the image's devicePixelRatio() is the scale loaded, so its
// deviceIndependentSize() is the 1x size. At ratio 1 only the 1x picture is read.
QImage loadBitmap(int id, qreal devicePixelRatio = 1.0);
QString loadString(int id);
// Query and menu texts come in the program's language.
QString loadQueryText(int id);
// A font description "family,pixel size,weight" (weight as QFont::Weight's number).
QFont loadFont(int id);
bool hasResource(const QString& kind, int id);

// A menu of the library: the item it adds to a menu bar and the entries of that item's
// popup, in position order.
struct MenuItemResource {
    int position = 0;
    int id = 0;
    QString text;
    bool separator = false;
    bool checkable = false;
};

struct MenuResource {
    int id = 0;
    QString text;
    QList<MenuItemResource> items;
};

// Nothing when the library is not current or holds no such menu.
std::optional<MenuResource> loadMenu(int id);

// Runs query box `id` on `parent` as a Yes/No question: 2 for yes, anything else for no.
int runQueryBox(QWidget* parent, int id);

} // namespace quintaro::wqgame
