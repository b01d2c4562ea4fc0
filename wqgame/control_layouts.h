#pragma once

#include <optional>
#include <span>

namespace quintaro::wqgame {

// The dialogs and controls the library lends to the games, by kind and id. Positions are
// in pixels of the dialog's client area; a control that its page places itself keeps
// only its size and text from here.
enum class ControlKind {
    GroupBox,
    ListBox,
    CheckBox,
    PushButton,
    FixedText,
    OkButton,
    Picture,
    Tab
};

struct ControlLayout {
    ControlKind kind;
    int id;
    int left;
    int top;
    int width;
    int height;
    const char* text; // in English; shown through the translations (context "Library")
};

struct DialogLayout {
    int id;
    int width;
    int height;
    const char* title;
    std::span<const ControlLayout> controls;
};

// A dialog of the library: 1000 the About box, 1002 the message box, 3000 the Hall of Fame.
std::optional<DialogLayout> dialogLayout(int id);
// A single control that a page creates by id on a dialog of the program's own.
std::optional<ControlLayout> controlLayout(ControlKind kind, int id);
// A control of a library dialog.
std::optional<ControlLayout> dialogControl(const DialogLayout& dialog, ControlKind kind, int id);

} // namespace quintaro::wqgame
