#include "persist/hall_of_fame_dialog.h"

#include "displays/centred_text.h"
#include "displays/classic_colours.h"
#include "displays/device_pixels.h"
#include "displays/grow_to_fit_texts.h"
#include "displays/masked_picture.h"
#include "displays/vga_palette.h"
#include "persist/hall_of_fame.h"
#include "persist/hall_of_fame_accessible.h"
#include "wqgame/control_layouts.h"
#include "wqgame/hall_of_fame_banner.h"
#include "wqgame/library_control.h"
#include "wqgame/resource_module.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QPainter>
#include <QPushButton>

#include <memory>

namespace quintaro {

namespace {

constexpr int dialogId = 3000;
constexpr int pictureId = 3000;
constexpr int fontId = 3000;
constexpr int clearQueryId = 3000;
constexpr int yes = 2;

// The picture sheet: picture on the left, its mask on the right.
constexpr QSize sheetSize(732, 302);
constexpr QPoint pictureAt(4, 10);

// Every row sits 11 pixels right of the one above, following the picture's slant.
struct BoxColumns {
    int left;
    int right;
};
// The rank box holds "10" whole in the library's font at every scale.
constexpr BoxColumns numberBox{10, 30};
constexpr BoxColumns nameBox{35, 191};
constexpr BoxColumns scoreBox{196, 255};
constexpr int rowShift = 11;
constexpr int firstRowTop = 10;
constexpr int rowPitch = 27;
constexpr int rowHeight = 17;
// Space kept clear between a box's outline and its text.
constexpr int textMargin = 2;
constexpr VgaColour boxFill = VgaColour::White;

QImage pictureSheet(qreal ratio) {
    wqgame::LibraryBracket library;
    const QImage bitmap = wqgame::loadBitmap(pictureId, ratio);
    // Without the bitmap the sheet is a black picture under a white mask: it draws nothing.
    QImage sheet = surfaceAtScaleOf(bitmap, sheetSize);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.fillRect(QRect(QPoint(0, 0), maskedPictureSize(sheet)), Qt::black);
    painter.drawImage(0, 0, bitmap);
    return sheet;
}

QRect box(const BoxColumns& columns, int row) {
    const int dx = rowShift * row;
    const int top = firstRowTop + rowPitch * row;
    return {QPoint(columns.left + dx, top), QPoint(columns.right + dx, top + rowHeight)};
}

// The box's outline on its own edge pixels, white inside, the text centred; a text too
// long for the box is shortened with an ellipsis, so it never runs over its neighbours.
void drawBox(QPainter& painter, const QRect& rect, const QString& text) {
    painter.fillRect(rect, vgaColour(boxFill));
    drawHairlineRect(painter, Qt::black, rect);
    const int room = rect.width() - 2 * textMargin;
    drawCentredText(painter, rect, painter.fontMetrics().elidedText(text, Qt::ElideRight, room));
}

void placeButton(const wqgame::DialogLayout& layout, wqgame::ControlKind kind,
                 QPushButton* button) {
    if (auto control = wqgame::dialogControl(layout, kind, 1)) {
        button->setGeometry(control->left, control->top, control->width, control->height);
        button->setText(wqgame::libraryText(control->text));
    }
}

} // namespace

HallOfFameDialog::HallOfFameDialog(HallOfFame& hallOfFame, QWidget* parent)
    : CenteredDialog(parent), m_ok(new QPushButton(this)), m_clear(new QPushButton(this)),
      m_font(wqgame::loadFont(fontId)), m_picture(pictureSheet, devicePixelRatioF()),
      m_hallOfFame(hallOfFame) {
    [[maybe_unused]] static const bool readable = [] {
        QAccessible::installFactory(hallOfFameAccessibleFactory);
        return true;
    }();
    // The picture's cut-out shows the surface it was drawn for.
    useClassicSurface(*this);
    if (auto layout = wqgame::dialogLayout(dialogId)) {
        setFixedSize(layout->width, layout->height);
        setWindowTitle(wqgame::libraryText(layout->title));
        placeButton(*layout, wqgame::ControlKind::OkButton, m_ok);
        placeButton(*layout, wqgame::ControlKind::PushButton, m_clear);
    }
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_clear, &QPushButton::clicked, this, &HallOfFameDialog::onClear);
    growToFitTexts(*this);
}

void HallOfFameDialog::copyEntries() {
    for (int i = 0; i < HallOfFame::entryCount; ++i) {
        m_names.at(static_cast<std::size_t>(i)) = QString::fromStdString(m_hallOfFame.name(i));
        m_scores.at(static_cast<std::size_t>(i)) = QString::fromStdString(m_hallOfFame.score(i));
    }
}

QRect HallOfFameDialog::entryRect(int row) const {
    return box(numberBox, row).united(box(scoreBox, row));
}

void HallOfFameDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawMaskedPicture(painter, pictureAt, m_picture.forPainter(painter));
    // The picture's ribbon reads "HALL OF FAME"; another language writes its own words on it.
    const QString bannerWords = QCoreApplication::translate("Library", "HALL OF FAME");
    if (bannerWords != QLatin1String("HALL OF FAME")) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(pictureAt);
        wqgame::drawHallOfFameRibbonFace(painter, bannerWords);
        painter.restore();
    }

    painter.save();
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    for (int row = 0; row < HallOfFame::entryCount; ++row) {
        const auto entry = static_cast<std::size_t>(row);
        drawBox(painter, box(numberBox, row), QString::number(row + 1));
        drawBox(painter, box(nameBox, row), m_names.at(entry));
        drawBox(painter, box(scoreBox, row), m_scores.at(entry));
    }
    painter.restore();
}

void HallOfFameDialog::onClear() {
    if (!ClearTable(m_hallOfFame, this))
        return;
    for (int rank = 0; rank < HallOfFame::entryCount; ++rank) {
        const auto entry = static_cast<std::size_t>(rank);
        if (m_names.at(entry).isEmpty() && m_scores.at(entry).isEmpty())
            continue;
        m_names.at(entry).clear();
        m_scores.at(entry).clear();
        tellEntryRenamed(*this, rank);
    }
    update();
}

void ShowTable(HallOfFame& hallOfFame, QWidget* parent) {
    std::unique_ptr<HallOfFameDialog> dialog;
    {
        wqgame::LibraryBracket library;
        dialog = std::make_unique<HallOfFameDialog>(hallOfFame, parent);
    }
    dialog->setWindowTitle(QString::fromStdString(hallOfFame.title()));
    dialog->copyEntries();
    dialog->exec();
}

bool ClearTable(HallOfFame& hallOfFame, QWidget* parent) {
    return hallOfFame.ClearTable([parent] {
        wqgame::LibraryBracket library;
        return wqgame::runQueryBox(parent, clearQueryId) == yes;
    });
}

} // namespace quintaro
