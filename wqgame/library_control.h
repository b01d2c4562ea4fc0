#pragma once

#include "wqgame/control_layouts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QRect>
#include <QString>
#include <QWidget>

#include <type_traits>

namespace quintaro::wqgame {

// A text of the library's layouts or files, in the program's language.
inline QString libraryText(const char* english) {
    return QCoreApplication::translate("Library", english);
}

// Creates the library's control `kind` `id` on `dialog` at `at`, with the control's size
// and, for buttons and group boxes, its text. A control the library lacks gets no size.
// The dialog owns the control.
template <typename Control>
Control* libraryControl(QWidget* dialog, ControlKind kind, int id, QPoint at) {
    auto* control = new Control(dialog);
    const auto layout = controlLayout(kind, id);
    control->setGeometry(QRect(at, layout ? QSize(layout->width, layout->height) : QSize()));
    if (layout) {
        if constexpr (std::is_base_of_v<QAbstractButton, Control>)
            control->setText(libraryText(layout->text));
        else if constexpr (std::is_same_v<Control, QGroupBox>)
            control->setTitle(libraryText(layout->text));
    }
    return control;
}

} // namespace quintaro::wqgame
