#include "displays/framed_tab.h"

#include "displays/centred_text.h"
#include "displays/classic_colours.h"
#include "displays/device_pixels.h"
#include "displays/masked_picture.h"
#include "displays/vga_palette.h"
#include "wqgame/resource_module.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>

#include <algorithm>
#include <array>

namespace quintaro {

namespace {

struct TabLook {
    std::array<int, 2> decorationIds{1004, 1005};
    // The tab's lowest rows that overlap the frame's top border.
    int frameOverlap = 3;
    // The decoration row stands on the frame's bottom bevel, this high above the frame's
    // outer edge, between the inner edges of its side bevels: a clasp at each end, and
    // between them as many whole suits of the row picture as fit, centred.
    int decorationRise = 14;
    int bevelWidth = 3;
    int suitsPerRow = 4;
    // Between the focus rectangle and the bevel on either side.
    int focusGap = 1;
};
constexpr TabLook look;

// Process-wide: the tabs alive, the one created last (a new tab joins its group), and
// the decoration sheets, which live exactly as long as some tab does. The sheets are held
// for the pixel ratio of the dialog last painted.
int g_tabCount = 0;
FramedTab* g_lastCreated = nullptr;
std::array<QImage, 2> g_decorations;
qreal g_decorationRatio = 0;

void loadDecorations(qreal ratio) {
    if (ratio == g_decorationRatio)
        return;
    g_decorationRatio = ratio;
    wqgame::LibraryBracket library;
    for (std::size_t i = 0; i < g_decorations.size(); ++i)
        g_decorations[i] =
            wqgame::loadBitmap(look.decorationIds[i], ratio).convertToFormat(QImage::Format_RGB32);
}

struct Bevel {
    QColor face;
    QColor light;
    QColor shadow;
    QColor black;
};

// The tabs and their frames keep the classic colours under any theme, so a tab always
// matches the page it opens onto.
Bevel classicBevel() {
    const ClassicColours& classic = classicColours();
    return {classic.buttonFace, classic.light, classic.dark, vgaColour(VgaColour::Black)};
}

void polyline(QPainter& painter, const QColor& colour, std::initializer_list<QPoint> points) {
    for (const QPoint* from = points.begin(); from + 1 != points.end(); ++from)
        drawHairline(painter, colour, *from, *(from + 1));
}

// The classic dotted focus rectangle: every other pixel of the outline.
void drawFocusRect(QPainter& painter, const QRect& rect, const QColor& colour) {
    const auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            painter.fillRect(QRect(x, y, 1, 1), colour);
    };
    for (int x = rect.left(); x <= rect.right(); ++x)
        for (int y : {rect.top(), rect.bottom()})
            dot(x, y);
    for (int y = rect.top() + 1; y < rect.bottom(); ++y)
        for (int x : {rect.left(), rect.right()})
            dot(x, y);
}

} // namespace

FramedTab::FramedTab(QWidget* parent, const QRect& geometry, const QString& text,
                     const QRect& pageRect, bool opensGroup)
    : QWidget(parent), m_text(text), m_pageRect(pageRect) {
    if (g_tabCount == 0)
        loadDecorations(devicePixelRatioF());
    ++g_tabCount;

    setGeometry(geometry);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setPageRect(pageRect);

    if (!opensGroup && g_lastCreated != nullptr) {
        m_back = g_lastCreated;
        g_lastCreated->m_forward = this;
    }
    g_lastCreated = this;

    // Alt with the marked letter of the text selects the tab, as it would a button.
    const QKeySequence mnemonic = QKeySequence::mnemonic(text);
    if (!mnemonic.isEmpty())
        connect(new QShortcut(mnemonic, this), &QShortcut::activated, this,
                [this] { select(true); });
}

FramedTab::~FramedTab() {
    // Close the gap in the group, so a tab that dies before its siblings leaves no
    // dangling link behind.
    if (m_back != nullptr)
        m_back->m_forward = m_forward;
    if (m_forward != nullptr)
        m_forward->m_back = m_back;
    if (g_lastCreated == this)
        g_lastCreated = m_back;
    if (--g_tabCount == 0) {
        g_decorations = {};
        g_decorationRatio = 0;
    }
}

void FramedTab::setPageRect(const QRect& pageRect) {
    m_pageRect = pageRect;
    m_pageRect.setTop(y() + height() - look.frameOverlap);
}

int FramedTab::neededWidth() const {
    return focusRect().width() + 2 * (look.bevelWidth + look.focusGap);
}

int FramedTab::tabCount() {
    return g_tabCount;
}

const QImage& FramedTab::decoration(int which) {
    return g_decorations[static_cast<std::size_t>(which) & 1u];
}

void FramedTab::addPageControl(QWidget* control) {
    control->hide();
    m_pageControls.emplace_back(control);
}

void FramedTab::select(bool flag) {
    if (m_selected != flag) {
        // The others give up their selection without taking the focus on the way: the
        // focus ends on this tab in any case.
        if (flag) {
            for (FramedTab* tab = m_back; tab != nullptr; tab = tab->m_back)
                tab->setSelectedFlag(false);
            for (FramedTab* tab = m_forward; tab != nullptr; tab = tab->m_forward)
                tab->setSelectedFlag(false);
        }
        setSelectedFlag(flag);
    }
    if (!hasFocus())
        setFocus(Qt::OtherFocusReason);
}

void FramedTab::setSelectedFlag(bool flag) {
    if (m_selected == flag)
        return;
    m_selected = flag;
    for (const QPointer<QWidget>& control : m_pageControls)
        if (control)
            control->setVisible(flag);
    update();
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    Q_EMIT selectionChanged(flag);
}

QRect FramedTab::focusRect() const {
    const QSize text = controlTextSize(fontMetrics(), m_text);
    return {(width() - text.width()) / 2 - 1, (height() - text.height()) / 2 - 1, text.width() + 2,
            text.height() + 2};
}

void FramedTab::mousePressEvent(QMouseEvent*) {
    select(true);
}

void FramedTab::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        select(true);
        return;
    }
    QWidget::keyPressEvent(event);
}

void FramedTab::focusInEvent(QFocusEvent* event) {
    update(focusRect());
    QWidget::focusInEvent(event);
}

void FramedTab::focusOutEvent(QFocusEvent* event) {
    update(focusRect());
    QWidget::focusOutEvent(event);
}

void FramedTab::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Bevel colours = classicBevel();
    const int r = width() - 1;
    const int b = height() - 1;
    const int depth = m_selected ? 2 : 1;

    painter.fillRect(rect(), colours.face);
    polyline(painter, colours.black, {{0, b}, {0, 3}, {3, 0}, {r - 3, 0}, {r, 3}, {r, b}});

    for (int i = 0; i < depth; ++i) {
        polyline(painter, colours.light, {{i + 1, b}, {i + 1, 3}, {3, i + 1}, {r - 3, i + 1}});
        if (!m_selected)
            drawHairline(painter, colours.light, {0, b - i}, {r, b - i});
    }
    if (m_selected)
        drawHairline(painter, colours.light, {0, b}, {0, b - 1});

    for (int i = 0; i < depth; ++i)
        polyline(painter, colours.shadow, {{r - 3, i + 1}, {r - i - 1, 3}, {r - i - 1, b}});

    if (m_selected) {
        drawHairline(painter, colours.shadow, {r, b - 1}, {r, b});
    } else {
        // An unselected tab carries the frame's top border across its foot.
        drawHairline(painter, colours.light, {0, b}, {r, b});
        drawHairline(painter, colours.light, {0, b - 1}, {r, b - 1});
        drawHairline(painter, colours.black, {0, b - 2}, {r, b - 2});
    }

    const QColor text = classicColours().windowText;
    painter.setPen(text);
    drawCentredControlText(painter, rect(), m_text);
    if (hasFocus())
        drawFocusRect(painter, focusRect(), text);
}

void FramedTab::paintPageFrame(QPainter& painter) const {
    const Bevel colours = classicBevel();
    const int l = m_pageRect.left();
    const int t = m_pageRect.top();
    const int rr = m_pageRect.right();
    const int bb = m_pageRect.bottom();
    const int tx = x();
    const int tr = x() + width() - 1;

    painter.save();
    const auto line = [&painter](const QColor& colour, int x1, int y1, int x2, int y2) {
        drawHairline(painter, colour, {x1, y1}, {x2, y2});
    };
    line(colours.black, l + 1, t, tx, t);
    line(colours.black, tr, t, rr - 1, t);
    line(colours.black, rr, t + 1, rr, bb - 1);
    line(colours.black, rr - 1, bb, l + 1, bb);
    line(colours.black, l, t + 1, l, bb - 1);

    for (int i = 1; i <= 2; ++i) {
        line(colours.light, l + i, bb - i, l + i, t + i);
        line(colours.light, l + i, t + i, tx, t + i);
        line(colours.light, tr, t + i, rr - i, t + i);
    }
    for (int i = 1; i <= 2; ++i) {
        line(colours.shadow, rr - i, t + i, rr - i, bb - i);
        line(colours.shadow, rr - i, bb - i, l + i, bb - i);
    }

    loadDecorations(devicePixelRatioOf(painter));
    const QImage& row = decoration(0);
    const QImage& clasp = decoration(1);
    const int y = bb - look.decorationRise;
    const int claspWidth = maskedPictureSize(clasp).width();
    const int first = l + look.bevelWidth;
    const int last = rr - look.bevelWidth;
    drawMaskedPicture(painter, QPoint(first, y), clasp);
    drawMaskedPicture(painter, QPoint(last + 1 - claspWidth, y), clasp);
    const int suit = maskedPictureSize(row).width() / look.suitsPerRow;
    if (suit > 0) {
        const int room = last + 1 - first - 2 * claspWidth;
        const int suits = std::max(room / suit, 0);
        const int start = first + claspWidth + (room - suits * suit) / 2;
        for (int i = 0; i < suits; ++i)
            drawMaskedPicture(
                painter, QPoint(start + i * suit, y), row,
                QRect(i % look.suitsPerRow * suit, 0, suit, maskedPictureSize(row).height()));
    }
    painter.restore();
}

void FramedTab::paintGroupFrame(QPainter& painter) const {
    if (m_selected)
        paintPageFrame(painter);
    for (const FramedTab* tab = m_back; tab != nullptr; tab = tab->m_back)
        if (tab->m_selected)
            tab->paintPageFrame(painter);
    for (const FramedTab* tab = m_forward; tab != nullptr; tab = tab->m_forward)
        if (tab->m_selected)
            tab->paintPageFrame(painter);
}

} // namespace quintaro
