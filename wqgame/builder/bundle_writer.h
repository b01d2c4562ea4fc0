#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace quintaro::wqgame {

// Renders every resource of the library into `folder` as /<kind>/<id> files, with a Qt
// resource collection file `wqgame32.qrc` listing them for rcc. Each picture is written at
// its 1x size as bitmap/<id>.png and, drawn again at 2 and 3 times that size, as
// bitmap/<id>@2x.png and bitmap/<id>@3x.png.
class BundleWriter {
public:
    BundleWriter(QString folder, QString deckFolder);

    // False, with `error` saying why, when a deck is missing or a file cannot be written.
    bool write(QString* error);

private:
    // Every picture at every scale, drawn in shares side by side on threads of their own.
    bool writeAllBitmaps(QString* error);
    bool writeText(const QString& kind, int id, const QString& text, QString* error);
    bool writeCollection(QString* error) const;

    QString m_folder;
    QString m_deckFolder;
    QStringList m_files;
};

} // namespace quintaro::wqgame
