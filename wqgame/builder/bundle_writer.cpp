#include "wqgame/builder/bundle_writer.h"

#include "wqgame/builder/about_pictures.h"
#include "wqgame/builder/backgrounds.h"
#include "wqgame/builder/card_composer.h"
#include "wqgame/builder/card_sheets.h"
#include "wqgame/builder/deck_art.h"
#include "wqgame/builder/hall_of_fame_picture.h"
#include "wqgame/builder/library_texts.h"
#include "wqgame/builder/message_pictures.h"
#include "wqgame/builder/stored_png.h"
#include "wqgame/builder/tab_decorations.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace quintaro::wqgame {

namespace {

constexpr int firstBackground = 1100;
constexpr int firstFaceSet = 2004;

} // namespace

BundleWriter::BundleWriter(QString folder, QString deckFolder)
    : m_folder(std::move(folder)), m_deckFolder(std::move(deckFolder)) {}

bool BundleWriter::writeBitmap(int id, const QImage& image, QString* error) {
    const QString name = QStringLiteral("bitmap/%1.png").arg(id);
    if (!writeStoredPng(image, QDir(m_folder).filePath(name))) {
        *error = QStringLiteral("cannot write %1").arg(QDir(m_folder).filePath(name));
        return false;
    }
    m_files << name;
    return true;
}

bool BundleWriter::writeText(const QString& kind, int id, const QString& text, QString* error) {
    const QString name = QStringLiteral("%1/%2.txt").arg(kind).arg(id);
    QDir(m_folder).mkpath(kind);
    QSaveFile file(QDir(m_folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        *error = QStringLiteral("cannot write %1").arg(file.fileName());
        return false;
    }
    m_files << name;
    return true;
}

bool BundleWriter::writeCollection(QString* error) const {
    QSaveFile file(QDir(m_folder).filePath(QStringLiteral("wqgame32.qrc")));
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1").arg(file.fileName());
        return false;
    }
    QByteArray text = "<RCC>\n  <qresource prefix=\"/\">\n";
    for (const QString& name : m_files)
        text += "    <file>" + name.toUtf8() + "</file>\n";
    text += "  </qresource>\n</RCC>\n";
    file.write(text);
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1").arg(file.fileName());
        return false;
    }
    return true;
}

bool BundleWriter::write(QString* error) {
    const DeckArt decks(m_deckFolder);
    if (const QStringList missing = decks.missingDecks(); !missing.isEmpty()) {
        *error = QStringLiteral("cannot read the card decks %1 (package kdegames-card-data-kf5)")
                     .arg(missing.join(QStringLiteral(", ")));
        return false;
    }
    if (!QDir().mkpath(QDir(m_folder).filePath(QStringLiteral("bitmap")))) {
        *error = QStringLiteral("cannot create %1").arg(m_folder);
        return false;
    }
    m_files.clear();

    const QImage backs = decks.backs();
    QList<QImage> faceSets;
    for (int f = 0; f < decks.faceSetCount(); ++f)
        faceSets << decks.faceSet(f);
    const CardComposer cards(
        {pipSheet(), suitSheet(), indexSheet(), faceSets.value(0), backs, cardMask()});
    const QImage felt = background(0);

    bool ok = writeBitmap(2000, backs, error) && writeBitmap(2001, pipSheet(), error) &&
              writeBitmap(2002, suitSheet(), error) && writeBitmap(2003, indexSheet(), error) &&
              writeBitmap(2012, cardMask(), error);
    for (int f = 0; ok && f < faceSets.size(); ++f)
        ok = writeBitmap(firstFaceSet + f, faceSets[f], error);
    for (int b = 0; ok && b < backgroundCount(); ++b)
        ok = writeBitmap(firstBackground + b, b == 0 ? felt : background(b), error);
    for (int style = 0; ok && style < 3; ++style)
        ok = writeBitmap(1001 + style, messagePicture(style, cards), error);
    ok = ok && writeBitmap(1000, aboutMachinePicture(cards), error) &&
         writeBitmap(1115, aboutJesterPicture(), error) &&
         writeBitmap(1116, aboutWelcomePicture(cards, felt), error) &&
         writeBitmap(1004, tabDecorationRow(), error) &&
         writeBitmap(1005, tabDecorationEnd(), error) &&
         writeBitmap(3000, hallOfFamePicture(), error);

    const QList<TextResource> texts =
        libraryTexts(decks.faceSetNames(), decks.backNames(), backgroundNames());
    for (const TextResource& text : texts)
        ok = ok && writeText(text.kind, text.id, text.text, error);
    return ok && writeCollection(error);
}

} // namespace quintaro::wqgame
