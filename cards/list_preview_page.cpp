#include "cards/list_preview_page.h"

#include "displays/choice_list.h"
#include "wqgame/control_layouts.h"
#include "wqgame/library_control.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <qdrawutil.h>

namespace quintaro {

namespace {

struct PageLook {
    int titleBoxId = 1001;
    int previewBoxId = 1000;
    int nameListId = 1000;
    QPoint titleBoxAt{114, 40};
    QPoint previewBoxAt{262, 40};
    QPoint nameListAt{122, 58};
};
const PageLook look;

constexpr int titleIndent = 6;

// The classic group box: an etched outline whose top runs through the middle of the
// title, broken under it, and nothing filled.
class OutlineFrameStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control == CC_GroupBox && part == SC_GroupBoxLabel)
            rect.translate(titleIndent, 0);
        return rect;
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        if (element != PE_FrameGroupBox || box == nullptr) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        QStyleOptionGroupBox title;
        title.initFrom(box);
        title.text = box->title();
        title.textAlignment = box->alignment();
        title.subControls = SC_GroupBoxFrame | SC_GroupBoxLabel;
        const QRect label = subControlRect(CC_GroupBox, &title, SC_GroupBoxLabel, box);
        QRect frame = option->rect;
        if (!title.text.isEmpty())
            frame.setTop(label.center().y());
        painter->save();
        painter->setClipRegion(QRegion(option->rect).subtracted(label.adjusted(-2, 0, 2, 0)));
        qDrawShadeRect(painter, frame, option->palette, true, 1, 0);
        painter->restore();
    }
};

} // namespace

void drawOutlineOnly(QGroupBox& box) {
    // The box owns its style, which uses the application's for everything else.
    auto* style = new OutlineFrameStyle;
    style->setParent(&box);
    box.setStyle(style);
}

QStringList listNames(const QString& names) {
    QStringList list;
    for (const QString& name : names.split(u','))
        if (name.isEmpty())
            break;
        else
            list << name;
    return list;
}

int selectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.first());
}

void selectRow(QListWidget& list, int row) {
    list.clearSelection();
    if (row < 0 || row >= list.count())
        return;
    list.setCurrentRow(row);
    // A list that is not shown yet does not follow its current row by itself.
    list.scrollToItem(list.item(row));
}

ListPreviewPage::ListPreviewPage(QWidget* dialog, const QRect& geometry, const QString& text,
                                 const QRect& pageRect, QString title, QString previewCaption)
    : FramedTab(dialog, geometry, text, pageRect, false), m_dialog(dialog),
      m_title(std::move(title)), m_previewCaption(std::move(previewCaption)) {}

void ListPreviewPage::createControls() {
    using wqgame::ControlKind;
    m_titleBox = wqgame::libraryControl<QGroupBox>(m_dialog, ControlKind::GroupBox, look.titleBoxId,
                                                   look.titleBoxAt);
    m_previewBox = wqgame::libraryControl<QGroupBox>(m_dialog, ControlKind::GroupBox,
                                                     look.previewBoxId, look.previewBoxAt);
    m_nameList = wqgame::libraryControl<ChoiceList>(m_dialog, ControlKind::ListBox, look.nameListId,
                                                    look.nameListAt);
    drawOutlineOnly(*m_titleBox);
    drawOutlineOnly(*m_previewBox);
    m_titleBox->setTitle(m_title);
    m_previewBox->setTitle(m_previewCaption);
    connect(m_nameList, &QListWidget::itemSelectionChanged, this,
            [this] { m_dialog->update(previewArea()); });

    addPageControl(m_nameList);
    addPageControl(m_titleBox);
    addPageControl(m_previewBox);
}

void ListPreviewPage::fillNames(const QString& names) {
    m_nameList->clear();
    m_nameList->addItems(listNames(names));
}

bool ListPreviewPage::pageShown() const {
    return m_titleBox != nullptr && m_titleBox->isVisibleTo(m_dialog);
}

} // namespace quintaro
