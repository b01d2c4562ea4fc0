#include "displays/outlined_group_box.h"

#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <qdrawutil.h>

namespace quintaro {

namespace {

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

} // namespace quintaro
