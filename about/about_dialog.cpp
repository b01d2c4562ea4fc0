#include "about/about_dialog.h"

#include "about/about_picture.h"
#include "about/system_info.h"
#include "about/system_name.h"
#include "displays/classic_colours.h"
#include "displays/framed_tab.h"
#include "displays/grow_to_fit_texts.h"
#include "displays/table_font.h"
#include "platform/translated_text.h"
#include "wqgame/control_layouts.h"
#include "wqgame/library_control.h"
#include "wqgame/resource_module.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace quintaro {

namespace {

using wqgame::ControlKind;

constexpr int dialogId = 1000;

struct PictureLook {
    int number;
    int bitmapId;
    // What a screen reader says the picture shows.
    const char* name;
    // An empty size means the bitmap's own size, shown whole and unmasked.
    QSize surfaceSize;
    QSize shownSize;
    bool masked;
};

constexpr std::array<PictureLook, 3> pictureLooks{{
    {5, 1000, QUINTARO_TEXT("Screen reader", "A draw poker machine"), QSize(642, 298),
     QSize(321, 298), true},
    {6, 1115, QUINTARO_TEXT("Screen reader", "A jester's cap"), QSize(182, 98), QSize(91, 98),
     true},
    {7, 1116,
     QUINTARO_TEXT("Screen reader",
                   "Five Card Draw: a royal flush of spades on a card table among stacks of chips"),
     QSize(), QSize(), false},
}};

struct AboutLook {
    // In dialog coordinates, both corners inside; the tabs move its top to their foot.
    QRect pageRect{QPoint(10, 0), QPoint(470, 357)};
    int textHeight = 12;
    int nameHeight = 18;
    int versionHeight = 13;
    int nameText = 2;
    int versionText = 3;
    int systemText = 1;
};
const AboutLook look;

// Which tab's page each picture and fixed text goes on. Texts 2 and 3 are on none.
struct PageEntry {
    int tab;
    ControlKind kind;
    int number;
};

constexpr std::array<PageEntry, 7> pageEntries{{
    {1, ControlKind::Picture, 7},
    {2, ControlKind::Picture, 5},
    {3, ControlKind::Picture, 6},
    {3, ControlKind::FixedText, 4},
    {3, ControlKind::FixedText, 5},
    {3, ControlKind::FixedText, 6},
    {4, ControlKind::FixedText, 1},
}};

// Qt knows no palette size: a deep screen reports none, a palette screen its depth's count.
constexpr int deepestPaletteScreen = 8;

QImage pictureSurface(const PictureLook& picture, qreal ratio) {
    wqgame::LibraryBracket library;
    const QImage bitmap = wqgame::loadBitmap(picture.bitmapId, ratio);
    if (!picture.masked)
        return bitmap;
    // Without its bitmap the surface is a black picture under a white mask: it draws nothing.
    QImage surface = surfaceAtScaleOf(bitmap, picture.surfaceSize);
    surface.fill(Qt::white);
    QPainter painter(&surface);
    painter.fillRect(QRect(QPoint(0, 0), picture.shownSize), Qt::black);
    painter.drawImage(0, 0, bitmap);
    return surface;
}

SystemFacts machineFacts(const QScreen* screen) {
    SystemFacts facts;
    facts.systemName = systemName({"/etc/os-release", "/usr/lib/os-release"});
    facts.displayDriver = QGuiApplication::platformName().toStdString();
    if (screen != nullptr) {
        const QSize pixels = screen->size() * screen->devicePixelRatio();
        facts.screen.width = pixels.width();
        facts.screen.height = pixels.height();
        facts.screen.bitsPerPixel = screen->depth();
        if (screen->depth() <= deepestPaletteScreen)
            facts.screen.reportedColours = 0;
    }
    return facts;
}

void place(QWidget* widget, const std::optional<wqgame::ControlLayout>& control) {
    if (control)
        widget->setGeometry(control->left, control->top, control->width, control->height);
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent, const QString& versionText, const QString& programName)
    : CenteredDialog(parent), m_ok(nullptr) {
    // The pages, their tabs and the pictures are the game's own: the classic colours.
    useClassicSurface(*this);
    const auto layout = wqgame::dialogLayout(dialogId);
    const auto control = [&layout](ControlKind kind, int number) {
        return layout ? wqgame::dialogControl(*layout, kind, number) : std::nullopt;
    };
    if (layout) {
        setFixedSize(layout->width, layout->height);
        //: The About box's title: "About" (%1), then the program's name (%2).
        setWindowTitle(QCoreApplication::translate("About", "%1 %2")
                           .arg(wqgame::libraryText(layout->title), programName));
    }

    for (std::size_t i = 0; i < pictureLooks.size(); ++i) {
        const PictureLook& picture = pictureLooks[i];
        m_pictures[i] = new AboutPicture(
            this, [picture](qreal ratio) { return pictureSurface(picture, ratio); },
            picture.shownSize, picture.masked);
        m_pictures[i]->setAccessibleName(
            QCoreApplication::translate("Screen reader", picture.name));
        place(m_pictures[i], control(ControlKind::Picture, picture.number));
    }
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const auto text = control(ControlKind::FixedText, number);
        m_texts[i] = new QLabel(this);
        m_texts[i]->setTextFormat(Qt::PlainText);
        m_texts[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_texts[i]->setWordWrap(true);
        m_texts[i]->setFont(dialogFont(look.textHeight));
        if (text)
            m_texts[i]->setText(wqgame::libraryText(text->text));
        place(m_texts[i], text);
    }
    for (std::size_t i = 0; i < m_tabs.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const auto tab = control(ControlKind::Tab, number);
        const QRect geometry = tab ? QRect(tab->left, tab->top, tab->width, tab->height) : QRect();
        m_tabs[i] = new FramedTab(this, geometry, tab ? wqgame::libraryText(tab->text) : QString(),
                                  look.pageRect, i == 0);
        m_tabs[i]->setFont(dialogFont(look.textHeight));
    }
    const auto ok = control(ControlKind::OkButton, 1);
    m_ok = new QPushButton(ok ? wqgame::libraryText(ok->text) : QStringLiteral("OK"), this);
    place(m_ok, ok);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    QFont nameFont = dialogFont(look.nameHeight);
    nameFont.setBold(true);
    fixedText(look.nameText)->setFont(nameFont);
    fixedText(look.nameText)->setText(programName);
    fixedText(look.versionText)->setFont(dialogFont(look.versionHeight));
    fixedText(look.versionText)->setText(versionText);
    fixedText(look.systemText)
        ->setText(QString::fromStdString(systemInformationText(machineFacts(ownerScreen()))));

    for (const PageEntry& entry : pageEntries) {
        QWidget* control = entry.kind == ControlKind::Picture
                               ? static_cast<QWidget*>(picture(entry.number))
                               : fixedText(entry.number);
        tab(entry.tab)->addPageControl(control);
    }
    tab(1)->select(true);
    growToFitTexts(*this);
}

FramedTab* AboutDialog::tab(int number) const {
    return m_tabs.at(static_cast<std::size_t>(number - 1));
}

AboutPicture* AboutDialog::picture(int number) const {
    for (std::size_t i = 0; i < pictureLooks.size(); ++i)
        if (pictureLooks[i].number == number)
            return m_pictures[i];
    return nullptr;
}

QLabel* AboutDialog::fixedText(int number) const {
    return m_texts.at(static_cast<std::size_t>(number - 1));
}

void AboutDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_tabs[0]->paintGroupFrame(painter);
}

} // namespace quintaro
