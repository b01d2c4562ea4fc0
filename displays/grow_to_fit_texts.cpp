#include "displays/grow_to_fit_texts.h"

#include "displays/choice_list.h"
#include "displays/framed_tab.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace quintaro {

namespace {

// Room to spare for a text: half a pixel lost to rounding at each scaled edge.
constexpr int roundingSlack = 1;

int mnemonicTextWidth(const QWidget& control, const QString& text) {
    return control.fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

// Where a group box's title goes, as its style lays it out; the frame keeps as much room
// after the title as before it.
int groupTitleWidth(const QGroupBox& box) {
    if (box.title().isEmpty())
        return 0;
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    return label.right() + 1 + label.left();
}

int indicatorTextWidth(const QAbstractButton& button, QStyle::PixelMetric indicator,
                       QStyle::PixelMetric spacing) {
    const QStyle* style = button.style();
    return style->pixelMetric(indicator, nullptr, &button) +
           style->pixelMetric(spacing, nullptr, &button) + mnemonicTextWidth(button, button.text());
}

// The wrapped text's extent at `width`: as wide as its longest word needs, as tall as its
// lines.
QSize wrappedTextSize(const QLabel& label, int width) {
    const int room = std::max(width - 2 * label.margin(), 1);
    const QRect lines =
        label.fontMetrics().boundingRect(QRect(0, 0, room, std::numeric_limits<int>::max() / 2),
                                         Qt::TextWordWrap | int(label.alignment()), label.text());
    return lines.size() + QSize(2 * label.margin(), 2 * label.margin());
}

// The width `control` needs for its text in one line, or for the longest word of a
// wrapped one; 0 for a control without text.
int neededWidth(const QWidget& control) {
    if (const auto* tab = qobject_cast<const FramedTab*>(&control))
        return tab->neededWidth();
    if (const auto* list = qobject_cast<const ChoiceList*>(&control))
        return list->neededWidth();
    if (const auto* box = qobject_cast<const QGroupBox*>(&control))
        return groupTitleWidth(*box);
    if (const auto* radio = qobject_cast<const QRadioButton*>(&control))
        return indicatorTextWidth(*radio, QStyle::PM_ExclusiveIndicatorWidth,
                                  QStyle::PM_RadioButtonLabelSpacing);
    if (const auto* check = qobject_cast<const QCheckBox*>(&control))
        return indicatorTextWidth(*check, QStyle::PM_IndicatorWidth,
                                  QStyle::PM_CheckBoxLabelSpacing);
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        const QStyle* style = button->style();
        return mnemonicTextWidth(*button, button->text()) +
               style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
               2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->text().isEmpty())
            return 0;
        if (label->wordWrap())
            return wrappedTextSize(*label, label->width()).width();
        return label->fontMetrics().size(0, label->text()).width() + 2 * label->margin();
    }
    return 0;
}

int neededHeight(const QWidget& control) {
    const auto* label = qobject_cast<const QLabel*>(&control);
    if (label == nullptr || !label->wordWrap() || label->text().isEmpty())
        return 0;
    return wrappedTextSize(*label, label->width()).height();
}

// Controls whose height follows the dialog's: wrapped texts and what frames or lists
// other controls. The rest hold one line, or a picture, and keep theirs.
bool growsInHeight(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->wordWrap();
    return qobject_cast<const QGroupBox*>(&control) != nullptr ||
           qobject_cast<const QAbstractScrollArea*>(&control) != nullptr;
}

// The start and end of a span [from, to) scaled by `factor`, rounded alike so that spans
// that met still meet.
std::pair<int, int> scaledSpan(int from, int to, double factor) {
    return {static_cast<int>(std::lround(from * factor)),
            static_cast<int>(std::lround(to * factor))};
}

QRect scaledRect(const QRect& rect, QSizeF factors, bool keepHeight) {
    const auto [left, right] = scaledSpan(rect.left(), rect.left() + rect.width(), factors.width());
    const auto [top, bottom] = scaledSpan(rect.top(), rect.top() + rect.height(), factors.height());
    return {left, top, right - left, keepHeight ? rect.height() : bottom - top};
}

double factorFor(const QList<QWidget*>& controls, int (*needed)(const QWidget&),
                 int (QWidget::*has)() const) {
    double factor = 1;
    for (const QWidget* control : controls) {
        const int room = (control->*has)();
        const int need = needed(*control);
        if (room > 0 && need > room)
            factor = std::max(factor, static_cast<double>(need + roundingSlack) / room);
    }
    return factor;
}

void scaleDialog(QWidget& dialog, const QList<QWidget*>& controls, QSizeF factors) {
    for (QWidget* control : controls)
        control->setGeometry(scaledRect(control->geometry(), factors, !growsInHeight(*control)));
    // A tab's page follows, with its top on the tab's foot again.
    for (QWidget* control : controls)
        if (auto* tab = qobject_cast<FramedTab*>(control))
            tab->setPageRect(scaledRect(tab->pageRect(), factors, false));
    dialog.setFixedSize(scaledRect(QRect(QPoint(0, 0), dialog.size()), factors, false).size());
}

} // namespace

QSizeF growToFitTexts(QWidget& dialog) {
    const QList<QWidget*> controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    const QSizeF wider(factorFor(controls, neededWidth, &QWidget::width), 1);
    if (wider.width() > 1)
        scaleDialog(dialog, controls, wider);
    // Wrapped texts measured at their new widths, which may have spared them a line.
    const QSizeF taller(1, factorFor(controls, neededHeight, &QWidget::height));
    if (taller.height() > 1)
        scaleDialog(dialog, controls, taller);
    return {wider.width(), taller.height()};
}

} // namespace quintaro
