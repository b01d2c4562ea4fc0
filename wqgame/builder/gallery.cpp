#include "wqgame/builder/gallery.h"

#include "wqgame/builder/card_composer.h"
#include "wqgame/builder/card_sheets.h"
#include "wqgame/builder/picture_kit.h"
#include "wqgame/card_layout.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QResource>

#include <algorithm>
#include <functional>
#include <vector>

namespace quintaro::wqgame {

namespace {

const QString root = QStringLiteral(":/gallery");
constexpr int sheetWidth = 1110;
constexpr int gap = 10;
constexpr int labelHeight = 16;

// Pictures that hold their mask in their right half.
bool isMasked(int id) {
    return id == 1000 || (id >= 1001 && id <= 1005) || id == 1115 || id == 3000;
}

QImage bitmap(int id) {
    return QImage(QStringLiteral("%1/bitmap/%2.png").arg(root).arg(id));
}

QString text(const QString& kind, int id) {
    QFile file(QStringLiteral("%1/%2/%3.txt").arg(root, kind).arg(id));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Lays a masked picture on the dialog colour with AND and OR, as the program does.
QImage drawnThroughMask(const QImage& packed) {
    const int w = packed.width() / 2;
    QImage laid(w, packed.height(), QImage::Format_RGB32);
    laid.fill(dialogFace());
    QPainter painter(&laid);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(0, 0, packed, w, 0, w, packed.height());
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(0, 0, packed, 0, 0, w, packed.height());
    return laid;
}

struct Item {
    QString label;
    QImage image;
};

// Places items left to right, wrapping at the sheet's width; returns the height used.
int flow(const std::vector<Item>& items, int top, const QFont& font, QPainter* painter) {
    const QFontMetrics metrics(font);
    int x = gap, y = top, rowHeight = 0;
    for (const Item& item : items) {
        const int width = std::max(item.image.width(), metrics.horizontalAdvance(item.label));
        if (x + width > sheetWidth - gap && x > gap) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        if (painter != nullptr) {
            painter->drawText(QRect(x, y, width, labelHeight), Qt::AlignLeft | Qt::AlignVCenter,
                              item.label);
            painter->drawImage(x, y + labelHeight, item.image);
        }
        x += width + gap;
        rowHeight = std::max(rowHeight, item.image.height() + labelHeight);
    }
    return y + rowHeight + gap - top;
}

} // namespace

bool writeGallery(const QString& bundle, const QString& output, QString* error) {
    if (!QResource::registerResource(bundle, root)) {
        *error = QStringLiteral("cannot open %1").arg(bundle);
        return false;
    }
    std::vector<int> ids;
    // The 1x pictures only: the @2x and @3x variants show the same at a larger size.
    for (const QString& name : QDir(root + QStringLiteral("/bitmap")).entryList(QDir::Files))
        if (!name.contains(u'@'))
            ids.push_back(name.section(u'.', 0, 0).toInt());
    std::sort(ids.begin(), ids.end());

    const QImage backs = bitmap(card_layout::backBitmap);
    std::vector<Item> cardRows;
    for (int faceSet = 0; !bitmap(card_layout::firstFaceSetBitmap + faceSet).isNull(); ++faceSet) {
        const CardComposer cards({bitmap(card_layout::pipBitmap), bitmap(card_layout::suitBitmap),
                                  bitmap(card_layout::indexBitmap),
                                  bitmap(card_layout::firstFaceSetBitmap + faceSet), backs,
                                  bitmap(card_layout::maskBitmap)});
        QImage row(15 * (card_layout::cardWidth + 2), card_layout::cardHeight,
                   QImage::Format_ARGB32_Premultiplied);
        row.fill(Qt::transparent);
        QPainter painter(&row);
        const int suit = faceSet % 4;
        for (int rank = 1; rank <= 13; ++rank)
            painter.drawImage((rank - 1) * (card_layout::cardWidth + 2), 0,
                              cards.faceUp(suit, rank));
        painter.drawImage(13 * (card_layout::cardWidth + 2), 0, cards.faceUp(0, 15));
        painter.drawImage(14 * (card_layout::cardWidth + 2), 0, cards.faceUp(0, 16));
        cardRows.push_back({QStringLiteral("face set %1").arg(faceSet), row});
        if (faceSet == 0) {
            QImage down(backs.width() / card_layout::cardWidth * (card_layout::cardWidth + 2),
                        card_layout::cardHeight, QImage::Format_ARGB32_Premultiplied);
            down.fill(Qt::transparent);
            QPainter backPainter(&down);
            for (int back = 0; back < backs.width() / card_layout::cardWidth; ++back)
                backPainter.drawImage(back * (card_layout::cardWidth + 2), 0, cards.faceDown(back));
            cardRows.push_back({QStringLiteral("backs"), down});
        }
    }

    std::vector<Item> pictures;
    for (int id : ids) {
        const QImage image = bitmap(id);
        pictures.push_back(
            {QStringLiteral("%1  (%2 x %3)").arg(id).arg(image.width()).arg(image.height()),
             image});
        if (isMasked(id))
            pictures.push_back({QStringLiteral("%1 laid").arg(id), drawnThroughMask(image)});
    }

    QStringList lines;
    for (const QString& kind : {QStringLiteral("string"), QStringLiteral("query"),
                                QStringLiteral("font"), QStringLiteral("menu")})
        for (const QString& name : QDir(root + u'/' + kind).entryList(QDir::Files)) {
            const int id = name.section(u'.', 0, 0).toInt();
            lines << QStringLiteral("%1 %2: %3")
                         .arg(kind)
                         .arg(id)
                         .arg(text(kind, id).trimmed().replace(u'\n', QStringLiteral("  /  ")));
        }

    const QFont font = pictureFont(QStringLiteral("Liberation Sans"), 12, false);
    const int lineHeight = QFontMetrics(font).height();
    const int cardsHeight = flow(cardRows, gap, font, nullptr);
    const int picturesHeight = flow(pictures, gap, font, nullptr);
    QImage sheet(sheetWidth, gap + cardsHeight + picturesHeight + lineHeight * lines.size() + gap,
                 QImage::Format_RGB32);
    sheet.fill(QColor(0xD8, 0xD8, 0xD8));
    QPainter painter(&sheet);
    painter.setFont(font);
    painter.fillRect(QRect(0, 0, sheetWidth, gap + cardsHeight), QBrush(bitmap(1100)));
    painter.setPen(Qt::white);
    flow(cardRows, gap, font, &painter);
    painter.setPen(Qt::black);
    flow(pictures, gap + cardsHeight, font, &painter);
    int y = gap + cardsHeight + picturesHeight;
    for (const QString& line : lines) {
        painter.drawText(QRect(gap, y, sheetWidth - 2 * gap, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, line);
        y += lineHeight;
    }
    painter.end();
    QResource::unregisterResource(bundle, root);
    if (!sheet.save(output, "PNG")) {
        *error = QStringLiteral("cannot write %1").arg(output);
        return false;
    }
    return true;
}

} // namespace quintaro::wqgame
