#include "wqgame/control_layouts.h"

#include "platform/translated_text.h"

#include <array>

namespace quintaro::wqgame {

namespace {

using K = ControlKind;

// Message box: the picture takes the left 120 pixels, the text sits in the group box.
constexpr std::array messageControls{
    ControlLayout{K::GroupBox, 1, 132, 8, 256, 140, ""},
    ControlLayout{K::FixedText, 1, 144, 30, 232, 24, "Quintaro"},
    ControlLayout{K::FixedText, 2, 144, 64, 232, 40, ""},
    ControlLayout{K::FixedText, 3, 144, 108, 232, 32, ""},
    ControlLayout{K::OkButton, 1, 220, 162, 80, 26, QUINTARO_TEXT("Library", "OK")},
};

// Hall of Fame: the slanted picture on the left, OK and Clear on the right.
constexpr std::array hallOfFameControls{
    ControlLayout{K::OkButton, 1, 384, 236, 84, 26, QUINTARO_TEXT("Library", "OK")},
    ControlLayout{K::PushButton, 1, 384, 272, 84, 26, QUINTARO_TEXT("Library", "&Clear")},
};

// About box: four tabs over a 460 x 357 page. The name and version, visible on every tab,
// sit under the page beside the OK button so that no page's content runs under them.
constexpr std::array aboutControls{
    ControlLayout{K::Tab, 1, 17, 5, 81, 24, QUINTARO_TEXT("Library", "&Welcome")},
    ControlLayout{K::Tab, 2, 97, 5, 81, 24, QUINTARO_TEXT("Library", "&Table")},
    ControlLayout{K::Tab, 3, 177, 5, 81, 24, QUINTARO_TEXT("Library", "&Credits")},
    ControlLayout{K::Tab, 4, 257, 5, 81, 24, QUINTARO_TEXT("Library", "&System")},
    ControlLayout{K::Picture, 7, 20, 36, 440, 300, ""},
    ControlLayout{K::Picture, 5, 75, 40, 321, 298, ""},
    ControlLayout{K::Picture, 6, 40, 60, 91, 98, ""},
    ControlLayout{K::FixedText, 1, 60, 60, 360, 240, ""},
    ControlLayout{K::FixedText, 2, 16, 362, 250, 22, ""},
    ControlLayout{K::FixedText, 3, 16, 384, 250, 18, ""},
    ControlLayout{
        K::FixedText, 4, 150, 60, 290, 60,
        QUINTARO_TEXT("Library",
                      "Card faces and backs are drawn from the free card decks of the KDE games: "
                      "Paris, Dondorf, Nicu, Oxygen and others, under the GNU GPL.")},
    ControlLayout{
        K::FixedText, 5, 150, 130, 290, 60,
        QUINTARO_TEXT("Library",
                      "The table pictures, backgrounds and sounds are made by the game's own "
                      "tools when it is built.")},
    ControlLayout{K::FixedText, 6, 150, 200, 290, 60,
                  QUINTARO_TEXT("Library", "Text is set in Liberation Sans. Built with Qt.")},
    ControlLayout{K::OkButton, 1, 390, 370, 80, 26, QUINTARO_TEXT("Library", "OK")},
};

constexpr std::array dialogs{
    DialogLayout{1000, 480, 404, QUINTARO_TEXT("Library", "About"), aboutControls},
    DialogLayout{1002, 400, 200, "Quintaro", messageControls},
    DialogLayout{3000, 480, 318, QUINTARO_TEXT("Library", "Hall of Fame"), hallOfFameControls},
};

// Controls the Options dialog's pages create by id and place themselves.
constexpr std::array pageControls{
    ControlLayout{K::GroupBox, 1000, 0, 0, 140, 138, QUINTARO_TEXT("Library", "Preview")},
    ControlLayout{K::GroupBox, 1001, 0, 0, 140, 138, QUINTARO_TEXT("Library", "Names")},
    ControlLayout{K::ListBox, 1000, 0, 0, 124, 112, ""},
    ControlLayout{K::GroupBox, 1002, 0, 0, 200, 138, QUINTARO_TEXT("Library", "Background")},
    ControlLayout{K::GroupBox, 1003, 0, 0, 225, 138, QUINTARO_TEXT("Library", "Sounds")},
    ControlLayout{K::ListBox, 1001, 0, 0, 205, 68, ""},
    ControlLayout{K::ListBox, 1002, 0, 0, 120, 80, ""},
    ControlLayout{K::CheckBox, 1000, 0, 0, 160, 20, QUINTARO_TEXT("Library", "So&und Enabled")},
    ControlLayout{K::PushButton, 1001, 0, 0, 80, 24, QUINTARO_TEXT("Library", "&Locate...")},
    ControlLayout{K::PushButton, 1002, 0, 0, 80, 24, QUINTARO_TEXT("Library", "&Play")},
    ControlLayout{K::PushButton, 1003, 0, 0, 75, 24, QUINTARO_TEXT("Library", "&Play")},
    ControlLayout{K::PushButton, 1004, 0, 0, 75, 24, QUINTARO_TEXT("Library", "Non&e")},
};

} // namespace

std::optional<DialogLayout> dialogLayout(int id) {
    for (const DialogLayout& dialog : dialogs)
        if (dialog.id == id)
            return dialog;
    return std::nullopt;
}

std::optional<ControlLayout> controlLayout(ControlKind kind, int id) {
    for (const ControlLayout& control : pageControls)
        if (control.kind == kind && control.id == id)
            return control;
    return std::nullopt;
}

std::optional<ControlLayout> dialogControl(const DialogLayout& dialog, ControlKind kind, int id) {
    for (const ControlLayout& control : dialog.controls)
        if (control.kind == kind && control.id == id)
            return control;
    return std::nullopt;
}

} // namespace quintaro::wqgame
