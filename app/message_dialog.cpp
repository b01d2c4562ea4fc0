#include "app/message_dialog.h"

#include "displays/classic_colours.h"
#include "displays/grow_to_fit_texts.h"
#include "displays/masked_picture.h"
#include "wqgame/control_layouts.h"
#include "wqgame/library_control.h"
#include "wqgame/resource_module.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace quintaro {

namespace {

struct MessageLayout {
    int dialogId = 1002;
    int firstPictureId = 1001;
    int pictureStyles = 3;
    QSize surface{240, 200};
};
constexpr MessageLayout messageLook;

using wqgame::ControlKind;

void place(QWidget* control, const wqgame::ControlLayout& where) {
    control->setGeometry(where.left, where.top, where.width, where.height);
}

QLabel* fixedText(QWidget* dialog, const wqgame::DialogLayout& box, int id) {
    auto* label = new QLabel(dialog);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (const auto where = wqgame::dialogControl(box, ControlKind::FixedText, id)) {
        place(label, *where);
        label->setText(wqgame::libraryText(where->text));
    }
    return label;
}

QImage loadPicture(int style, qreal ratio) {
    const int id = messageLook.firstPictureId + std::clamp(style, 0, messageLook.pictureStyles - 1);
    QImage bitmap;
    {
        wqgame::LibraryBracket library;
        bitmap = wqgame::loadBitmap(id, ratio);
    }
    if (bitmap.isNull())
        return {};
    QImage surface = surfaceAtScaleOf(bitmap, messageLook.surface);
    surface.fill(Qt::white);
    QPainter painter(&surface);
    painter.drawImage(0, 0, bitmap);
    return surface;
}

} // namespace

MessageDialog::MessageDialog(QWidget* parent, const QString& message, const QString& secondLine,
                             const QString& heading, int pictureStyle)
    : CenteredDialog(parent) {
    // The picture's cut-out shows the surface it was drawn for.
    useClassicSurface(*this);
    // The library's layout table always holds the message box; the fallback only keeps
    // the dialog usable if it ever does not.
    const wqgame::DialogLayout box =
        wqgame::dialogLayout(messageLook.dialogId)
            .value_or(wqgame::DialogLayout{messageLook.dialogId, 400, 200, "", {}});
    setFixedSize(box.width, box.height);
    setWindowTitle(wqgame::libraryText(box.title));
    if (const auto where = wqgame::dialogControl(box, ControlKind::GroupBox, 1))
        place(new QGroupBox(wqgame::libraryText(where->text), this), *where);
    m_heading = fixedText(this, box, 1);
    m_message = fixedText(this, box, 2);
    m_secondLine = fixedText(this, box, 3);
    if (const auto where = wqgame::dialogControl(box, ControlKind::OkButton, 1)) {
        auto* ok = new QPushButton(wqgame::libraryText(where->text), this);
        place(ok, *where);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
    m_message->setText(message);
    m_secondLine->setText(secondLine);
    describe(message, secondLine);
    if (!heading.isEmpty())
        m_heading->setText(heading);
    m_picture =
        DevicePicture([pictureStyle](qreal ratio) { return loadPicture(pictureStyle, ratio); },
                      devicePixelRatioF());
    growToFitTexts(*this);
}

QString MessageDialog::heading() const {
    return m_heading->text();
}

QString MessageDialog::message() const {
    return m_message->text();
}

void MessageDialog::setSecondLineElided(const QString& text) {
    m_secondLine->setWordWrap(false);
    m_secondLine->setText(
        m_secondLine->fontMetrics().elidedText(text, Qt::ElideMiddle, m_secondLine->width()));
    m_secondLine->setToolTip(text);
    describe(m_message->text(), text);
}

// A screen reader reads the message with the dialog's title, as it appears.
void MessageDialog::describe(const QString& message, const QString& secondLine) {
    setAccessibleDescription(secondLine.isEmpty() ? message : message + u' ' + secondLine);
}

QString MessageDialog::secondLine() const {
    return m_secondLine->text();
}

void MessageDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawMaskedPicture(painter, QPoint(0, 0), m_picture.forPainter(painter));
}

} // namespace quintaro
