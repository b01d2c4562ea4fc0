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
#include "wqgame/card_layout.h"
#include "wqgame/resource_module.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSaveFile>

#include <future>
#include <vector>

namespace quintaro::wqgame {

namespace {

constexpr int firstBackground = 1100;

struct WrittenBitmap {
    int id;
    QString name;
    QSize size;
};

// A share of the pictures at one scale, drawn on a thread of its own: the cards and the
// pictures (with the first background, which the welcome picture lies on), or some of the
// other backgrounds.
struct Share {
    int scale;
    bool cards;
    int firstBackground;
    int endBackground;
    QList<WrittenBitmap> written;
    QString error;
};

QString bitmapName(int id, int scale) {
    return scale == 1 ? QStringLiteral("bitmap/%1.png").arg(id)
                      : QStringLiteral("bitmap/%1@%2x.png").arg(id).arg(scale);
}

bool writeBitmap(const QString& folder, int id, const QImage& image, Share* share) {
    const QString name = bitmapName(id, share->scale);
    const QString path = QDir(folder).filePath(name);
    // The 1x pictures are read at every start and stay stored for speed; the variants only
    // at higher device pixel ratios, so they are compressed to keep the package small.
    if (!(share->scale == 1 ? writeStoredPng(image, path) : writeCompressedPng(image, path))) {
        share->error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    share->written.append({id, name, image.size()});
    return true;
}

bool writeBackgrounds(const QString& folder, Share* share) {
    for (int b = share->firstBackground; b < share->endBackground; ++b)
        if (!writeBitmap(folder, firstBackground + b, background(b, share->scale), share))
            return false;
    return true;
}

// Each thread reads the decks through a DeckArt of its own.
bool writeCards(const QString& folder, const QString& deckFolder, Share* share) {
    const int scale = share->scale;
    const DeckArt decks(deckFolder);
    const QImage backs = decks.backs(scale);
    QList<QImage> faceSets;
    for (int f = 0; f < decks.faceSetCount(); ++f)
        faceSets << decks.faceSet(f, scale);
    const QImage pips = pipSheet(scale);
    const QImage suits = suitSheet(scale);
    const QImage indices = indexSheet(scale);
    const QImage mask = cardMask(scale);
    const CardComposer cards({pips, suits, indices, faceSets.value(0), backs, mask});
    const QImage felt = background(0, scale);

    const auto write = [&](int id, const QImage& image) {
        return writeBitmap(folder, id, image, share);
    };
    bool ok = write(card_layout::backBitmap, backs) && write(card_layout::pipBitmap, pips) &&
              write(card_layout::suitBitmap, suits) && write(card_layout::indexBitmap, indices) &&
              write(card_layout::maskBitmap, mask);
    for (int f = 0; ok && f < faceSets.size(); ++f)
        ok = write(card_layout::firstFaceSetBitmap + f, faceSets[f]);
    ok = ok && write(firstBackground, felt);
    for (int style = 0; ok && style < 3; ++style)
        ok = write(1001 + style, messagePicture(style, cards));
    return ok && write(1000, aboutMachinePicture(cards)) &&
           write(1115, aboutJesterPicture(scale)) &&
           write(1116, aboutWelcomePicture(cards, felt)) && write(1004, tabDecorationRow(scale)) &&
           write(1005, tabDecorationEnd(scale)) && write(3000, hallOfFamePicture(scale));
}

} // namespace

BundleWriter::BundleWriter(QString folder, QString deckFolder)
    : m_folder(std::move(folder)), m_deckFolder(std::move(deckFolder)) {}

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

bool BundleWriter::writeAllBitmaps(QString* error) {
    // Every scale in three shares, the backgrounds being the largest part of the work.
    std::vector<Share> shares;
    const int half = (backgroundCount() + 1) / 2;
    for (int scale = 1; scale <= largestBitmapScale; ++scale) {
        shares.push_back({scale, true, 0, 0, {}, {}});
        shares.push_back({scale, false, 1, half, {}, {}});
        shares.push_back({scale, false, half, backgroundCount(), {}, {}});
    }
    std::vector<std::future<bool>> threads;
    for (Share& share : shares)
        threads.push_back(std::async(std::launch::async, [this, &share] {
            return share.cards ? writeCards(m_folder, m_deckFolder, &share)
                               : writeBackgrounds(m_folder, &share);
        }));
    bool ok = true;
    for (std::size_t i = 0; i < shares.size(); ++i)
        if (!threads[i].get() && ok) {
            *error = shares[i].error;
            ok = false;
        }
    // The shares of scale 1 come first, so every 1x size is known before its variants.
    QMap<int, QSize> sizes;
    for (std::size_t i = 0; ok && i < shares.size(); ++i)
        for (const WrittenBitmap& bitmap : shares[i].written) {
            const int scale = shares[i].scale;
            if (scale == 1) {
                sizes.insert(bitmap.id, bitmap.size);
            } else if (bitmap.size != sizes.value(bitmap.id) * scale) {
                // The readers cut cells at s times their 1x places: a variant of any other
                // size would show the wrong pieces.
                *error = QStringLiteral("%1 is %2 x %3, not %4 times its 1x picture")
                             .arg(bitmap.name)
                             .arg(bitmap.size.width())
                             .arg(bitmap.size.height())
                             .arg(scale);
                return false;
            }
            m_files << bitmap.name;
        }
    return ok;
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
    bool ok = writeAllBitmaps(error);
    const QList<TextResource> texts =
        libraryTexts(decks.faceSetNames(), decks.backNames(), backgroundNames());
    for (const TextResource& text : texts)
        ok = ok && writeText(text.kind, text.id, text.text, error);
    return ok && writeCollection(error);
}

} // namespace quintaro::wqgame
