#include "wqgame/builder/deck_art.h"

#include "platform/translated_text.h"
#include "wqgame/builder/card_sheets.h"
#include "wqgame/builder/picture_kit.h"
#include "wqgame/builder/suit_shapes.h"
#include "wqgame/card_layout.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>

#include <array>

namespace quintaro::wqgame {

namespace {

// How a deck's jokers are found: two elements, one element for both (the red one is then
// tinted), or a bare picture of the jester that we frame ourselves.
enum class JokerKind { RedAndBlack, Single, FaceOnly };

struct FaceSetSource {
    const char* name;
    const char* deck;
    // Zooming in a little pushes a deck's own corner indices out of the cut; what still
    // shows of them in the outer columns is painted over with the card's white.
    qreal zoom;
    int clearedColumns;
    JokerKind jokers;
    const char* redJoker;
    const char* blackJoker;
};

constexpr std::array faceSetSources{
    FaceSetSource{QUINTARO_TEXT("Library", "Paris"), "svg-gm-paris/paris.svgz", 1.0, 0,
                  JokerKind::FaceOnly, "jokerface", "jokerface"},
    FaceSetSource{QUINTARO_TEXT("Library", "Dondorf"), "svg-dondorf/dondorf.svgz", 1.0, 0,
                  JokerKind::Single, "joker", "joker"},
    // Nicu dresses the jester of its black-lettered joker in red: that one goes with our
    // red index.
    FaceSetSource{QUINTARO_TEXT("Library", "Nicu"), "svg-nicu-white/white.svgz", 1.12, 4,
                  JokerKind::RedAndBlack, "black_joker", "red_joker"},
    FaceSetSource{QUINTARO_TEXT("Library", "Oxygen Air"), "svg-oxygen-air/oxygen-air.svgz", 1.0, 0,
                  JokerKind::Single, "joker", "joker"},
};

struct BackSource {
    const char* name;
    const char* deck;
    const char* element;
    // Degrees the hue is turned by, to make a second colour of one design.
    int hueTurn;
};

constexpr std::array backSources{
    BackSource{QUINTARO_TEXT("Library", "Paris Blue"), "svg-gm-paris/paris.svgz", "back", 0},
    BackSource{QUINTARO_TEXT("Library", "Paris Red"), "svg-gm-paris/paris.svgz", "back", 124},
    BackSource{QUINTARO_TEXT("Library", "Lattice"), "svg-standard/standard.svgz", "back", 0},
    BackSource{QUINTARO_TEXT("Library", "Aces Blue"), "svg-nicu-white/white.svgz", "back", 0},
    BackSource{QUINTARO_TEXT("Library", "Aces Red"), "svg-nicu-ornamental/ornamental.svgz", "back",
               0},
    BackSource{QUINTARO_TEXT("Library", "Edelweiss"), "svg-dondorf/dondorf.svgz", "back", 0},
    BackSource{QUINTARO_TEXT("Library", "Royal Crest"), "svg-jolly-royal/jolly-royal.svgz", "back",
               0},
    BackSource{QUINTARO_TEXT("Library", "Green Vine"), "svg-oxygen/oxygen.svgz", "back", 0},
    BackSource{QUINTARO_TEXT("Library", "Night Vine"), "svg-oxygen-white/oxygen-white.svgz", "back",
               0},
    BackSource{QUINTARO_TEXT("Library", "Damask"), "svg-oxygen-air/oxygen-air.svgz", "back", 0},
    BackSource{QUINTARO_TEXT("Library", "Tristan"), "svg-xskat-french/french.svgz", "back", 0},
    BackSource{QUINTARO_TEXT("Library", "Pyramid"), "svg-ancient-egyptians/Ancient_Egyptians.svgz",
               "back", 0},
};

const char* suitName(int suit) {
    static constexpr std::array names{"club", "spade", "heart", "diamond"};
    return names.at(static_cast<std::size_t>(suit));
}

QImage blankCard(int scale) {
    QImage card = scaledImage(card_layout::cardWidth, card_layout::cardHeight, scale,
                              QImage::Format_ARGB32_Premultiplied);
    card.fill(Qt::white);
    return card;
}

QImage renderCard(QSvgRenderer& renderer, const QString& element, qreal zoom, int scale) {
    QImage card = blankCard(scale);
    QPainter painter(&card);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QSizeF size(card_layout::cardWidth * zoom, card_layout::cardHeight * zoom);
    const QPointF corner((card_layout::cardWidth - size.width()) / 2,
                         (card_layout::cardHeight - size.height()) / 2);
    renderer.render(&painter, element, QRectF(corner, size));
    return card;
}

// A picture of only the jester, fitted into the face cell on white.
QImage framedJester(QSvgRenderer& renderer, const QString& element, int scale) {
    QImage face = scaledImage(card_layout::faceWidth, card_layout::faceHeight, scale,
                              QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::white);
    const QRectF bounds =
        renderer.transformForElement(element).mapRect(renderer.boundsOnElement(element));
    const QRectF room(2, 6, card_layout::faceWidth - 4, card_layout::faceHeight - 12);
    QSizeF fitted = bounds.size().scaled(room.size(), Qt::KeepAspectRatio);
    QPainter painter(&face);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, element,
                    QRectF(room.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted));
    return face;
}

// Turns the ink of a picture red: dark stays dark, paper stays paper.
QImage tintedRed(const QImage& picture) {
    QImage tinted = picture.convertToFormat(QImage::Format_RGB32);
    const QColor red = cardRed();
    for (int y = 0; y < tinted.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tinted.scanLine(y));
        for (int x = 0; x < tinted.width(); ++x) {
            const qreal ink = 1.0 - qGray(line[x]) / 255.0;
            const auto mix = [ink](int paper, int colour) {
                return qRound(paper * (1.0 - ink) + colour * (1.0 - 0.45 * ink) * ink);
            };
            line[x] = qRgb(mix(255, red.red()), mix(255, red.green()), mix(255, red.blue()));
        }
    }
    return tinted;
}

QImage turnedHue(const QImage& picture, int degrees) {
    QImage turned = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < turned.height(); ++y)
        for (int x = 0; x < turned.width(); ++x) {
            QColor colour = turned.pixelColor(x, y);
            if (colour.hsvHue() >= 0)
                colour.setHsv((colour.hsvHue() + degrees) % 360, colour.hsvSaturation(),
                              std::min(255, colour.value() * 5 / 4));
            turned.setPixelColor(x, y, colour);
        }
    return turned;
}

// Our own backs: a white border round a woven or chequered field.
void drawArgyle(QPainter& painter, const QRectF& field) {
    painter.fillRect(field, QColor(0x7A, 0x12, 0x1C));
    const qreal w = 14, h = 20;
    painter.setPen(Qt::NoPen);
    for (int row = -1; row * h / 2 < field.height() + h; ++row)
        for (int col = -1; col * w < field.width() + w; ++col) {
            const qreal cx = field.left() + col * w + (row % 2 != 0 ? w / 2 : 0);
            const qreal cy = field.top() + row * h / 2;
            const QPointF diamond[] = {
                {cx, cy - h / 2}, {cx + w / 2, cy}, {cx, cy + h / 2}, {cx - w / 2, cy}};
            painter.setBrush((row + 2) % 2 == 0 ? QColor(0xB8, 0x1E, 0x2A)
                                                : QColor(0x5C, 0x0C, 0x14));
            painter.drawPolygon(diamond, 4);
        }
    painter.setPen(QPen(QColor(0xF0, 0xD8, 0x90, 200), 0.6, Qt::DashLine));
    for (qreal x = field.left() - field.height(); x < field.right(); x += w) {
        painter.drawLine(QPointF(x, field.top()),
                         QPointF(x + field.height() * w / h, field.bottom()));
        painter.drawLine(QPointF(x + field.height() * w / h, field.top()),
                         QPointF(x, field.bottom()));
    }
}

void drawTartan(QPainter& painter, const QRectF& field) {
    painter.fillRect(field, QColor(0x0E, 0x4A, 0x2A));
    const struct {
        qreal offset, width;
        QColor colour;
    } bands[] = {{0, 6, QColor(0x0A, 0x24, 0x4A, 170)},
                 {9, 2, QColor(0xE8, 0xC8, 0x40, 190)},
                 {13, 4, QColor(0x0A, 0x24, 0x4A, 150)},
                 {19, 1, QColor(0xB0, 0x18, 0x20, 200)}};
    const qreal repeat = 22;
    for (qreal start = field.left() - repeat; start < field.right(); start += repeat)
        for (const auto& band : bands)
            painter.fillRect(QRectF(start + band.offset, field.top(), band.width, field.height()),
                             band.colour);
    for (qreal start = field.top() - repeat; start < field.bottom(); start += repeat)
        for (const auto& band : bands)
            painter.fillRect(QRectF(field.left(), start + band.offset, field.width(), band.width),
                             band.colour);
}

QImage ownBack(void (*drawField)(QPainter&, const QRectF&), int scale) {
    QImage back = blankCard(scale);
    QPainter painter(&back);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF field(4, 4, card_layout::cardWidth - 8, card_layout::cardHeight - 8);
    painter.setClipRect(field);
    drawField(painter, field);
    painter.setClipping(false);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(field.adjusted(0.5, 0.5, -0.5, -0.5));
    return back;
}

// Gives a back the card's outline and blackens what lies outside it, so that the back can
// be laid through the card mask with OR.
QImage trimmedToCard(const QImage& back) {
    QImage trimmed = back.convertToFormat(QImage::Format_RGB32);
    drawCardOutline(trimmed, QColor(0x40, 0x40, 0x40));
    const int scale = qRound(trimmed.devicePixelRatio());
    for (int y = 0; y < trimmed.height(); ++y)
        for (int x = 0; x < trimmed.width(); ++x)
            if (!onCard(x, y, scale))
                trimmed.setPixel(x, y, qRgb(0, 0, 0));
    return trimmed;
}

} // namespace

DeckArt::DeckArt(QString deckFolder) : m_deckFolder(std::move(deckFolder)) {}

DeckArt::~DeckArt() = default;

QSvgRenderer& DeckArt::renderer(const char* deck) const {
    const QString file = deckFile(QLatin1String(deck));
    std::unique_ptr<QSvgRenderer>& parsed = m_renderers[file];
    if (!parsed)
        parsed = std::make_unique<QSvgRenderer>(file);
    return *parsed;
}

QString DeckArt::deckFile(const QString& deck) const {
    return QDir(m_deckFolder).filePath(deck);
}

QStringList DeckArt::missingDecks() const {
    QStringList missing;
    const auto check = [&](const char* deck) {
        if (!renderer(deck).isValid() && !missing.contains(deckFile(QLatin1String(deck))))
            missing << deckFile(QLatin1String(deck));
    };
    for (const FaceSetSource& source : faceSetSources)
        check(source.deck);
    for (const BackSource& source : backSources)
        check(source.deck);
    return missing;
}

int DeckArt::faceSetCount() const {
    return static_cast<int>(faceSetSources.size());
}

QStringList DeckArt::faceSetNames() const {
    QStringList names;
    for (const FaceSetSource& source : faceSetSources)
        names << QLatin1String(source.name);
    return names;
}

QImage DeckArt::faceSet(int index, int scale) const {
    const FaceSetSource& source = faceSetSources.at(static_cast<std::size_t>(index));
    QSvgRenderer& renderer = this->renderer(source.deck);
    if (!renderer.isValid())
        return {};
    using namespace card_layout;
    QImage strip = scaledImage(faceSetWidth, faceHeight, scale, QImage::Format_RGB32);
    QPainter painter(&strip);
    const QRect cut(QPoint(facePicture.x, facePicture.y) * scale,
                    QSize(faceWidth, faceHeight) * scale);
    const char* ranks[] = {"jack", "queen", "king", "1"};
    for (int rank = 0; rank < 4; ++rank)
        for (int suit = 0; suit < suitCount; ++suit) {
            const QString element = QStringLiteral("%1_%2").arg(QLatin1String(ranks[rank]),
                                                                QLatin1String(suitName(suit)));
            const QImage card = renderCard(renderer, element, source.zoom, scale);
            painter.drawImage(faceWidth * (jackCell + 4 * rank + suit), 0, card.copy(cut));
        }
    const auto jokerFace = [&](const char* element) {
        if (source.jokers == JokerKind::FaceOnly)
            return framedJester(renderer, QLatin1String(element), scale);
        return renderCard(renderer, QLatin1String(element), source.zoom, scale).copy(cut);
    };
    const QImage red = jokerFace(source.redJoker);
    painter.drawImage(faceWidth * firstJokerCell, 0,
                      source.jokers == JokerKind::RedAndBlack ? red : tintedRed(red));
    painter.drawImage(faceWidth * secondJokerCell, 0, jokerFace(source.blackJoker));
    for (int left = 0; left < faceSetWidth; left += faceWidth) {
        painter.fillRect(left, 0, source.clearedColumns, faceHeight, Qt::white);
        painter.fillRect(left + faceWidth - source.clearedColumns, 0, source.clearedColumns,
                         faceHeight, Qt::white);
    }
    return strip;
}

QStringList DeckArt::backNames() const {
    QStringList names;
    for (const BackSource& source : backSources)
        names << QLatin1String(source.name);
    return names << QStringLiteral(QUINTARO_TEXT("Library", "Argyle"))
                 << QStringLiteral(QUINTARO_TEXT("Library", "Tartan"));
}

QImage DeckArt::backs(int scale) const {
    const QStringList names = backNames();
    QImage strip = scaledImage(card_layout::cardWidth * static_cast<int>(names.size()),
                               card_layout::cardHeight, scale, QImage::Format_RGB32);
    QPainter painter(&strip);
    int cell = 0;
    for (const BackSource& source : backSources) {
        QSvgRenderer& renderer = this->renderer(source.deck);
        QImage back = renderCard(renderer, QLatin1String(source.element), 1.0, scale);
        if (source.hueTurn != 0)
            back = turnedHue(back, source.hueTurn);
        painter.drawImage(card_layout::cardWidth * cell++, 0, trimmedToCard(back));
    }
    painter.drawImage(card_layout::cardWidth * cell++, 0,
                      trimmedToCard(ownBack(drawArgyle, scale)));
    painter.drawImage(card_layout::cardWidth * cell++, 0,
                      trimmedToCard(ownBack(drawTartan, scale)));
    return strip;
}

} // namespace quintaro::wqgame
