#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace quintaro::wqgame {

// Renders every resource of the library into `folder` as /<kind>/<id> files, with a Qt
// resource collection file `wqgame32.qrc` listing them for rcc.
class BundleWriter {
public:
    BundleWriter(QString folder, QString deckFolder);

    // False, with `error` saying why, when a deck is missing or a file cannot be written.
    bool write(QString* error);

private:
    bool writeBitmap(int id, const QImage& image, QString* error);
    bool writeText(const QString& kind, int id, const QString& text, QString* error);
    bool writeCollection(QString* error) const;

    QString m_folder;
    QString m_deckFolder;
    QStringList m_files;
};

} // namespace quintaro::wqgame
