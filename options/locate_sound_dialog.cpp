#include "options/locate_sound_dialog.h"

#include "platform/sound_output.h"
#include "platform/translated_text.h"
#include "wqgame/control_layouts.h"
#include "wqgame/library_control.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>

namespace quintaro {

namespace {

struct LocateLook {
    //: %1 is the sound event, as the Extras page lists it.
    const char* title = QUINTARO_TEXT("Options", "Locate Sound for %1");
    const char* filter = QUINTARO_TEXT("Options", "Sounds (*.wav)");
    int playId = 1003;
    int noneId = 1004;
};
const LocateLook look;

QPushButton* libraryButton(QWidget* parent, int id) {
    auto* button = new QPushButton(parent);
    if (auto layout = wqgame::controlLayout(wqgame::ControlKind::PushButton, id)) {
        button->setText(wqgame::libraryText(layout->text));
        button->setMinimumSize(layout->width, layout->height);
    }
    return button;
}

} // namespace

LocateSoundDialog::LocateSoundDialog(QWidget* parent, const QString& eventName, SoundOutput& output)
    : QFileDialog(parent), m_output(output) {
    // Only Qt's own dialog takes extra buttons.
    setOption(QFileDialog::DontUseNativeDialog);
    setWindowTitle(QCoreApplication::translate("Options", look.title).arg(eventName));
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's dialog matches the pattern in either case, so "DING.WAV" is offered too.
    setNameFilter(QCoreApplication::translate("Options", look.filter));

    auto* buttons = findChild<QDialogButtonBox*>();
    m_play = libraryButton(this, look.playId);
    m_none = libraryButton(this, look.noneId);
    if (buttons != nullptr) {
        buttons->addButton(m_play, QDialogButtonBox::ActionRole);
        buttons->addButton(m_none, QDialogButtonBox::ActionRole);
    }
    // Extra buttons must never close the dialog on Enter in the name field.
    m_play->setAutoDefault(false);
    m_none->setAutoDefault(false);

    connect(m_play, &QPushButton::clicked, this, [this] {
        const QString path = currentPath();
        if (!path.isEmpty())
            m_output.play(path.toStdString());
    });
    connect(m_none, &QPushButton::clicked, this, [this] {
        m_acceptFlag = false;
        // Not through accept(), which would insist on an existing file.
        done(QDialog::Accepted);
    });
}

QString LocateSoundDialog::currentPath() const {
    return selectedFiles().value(0);
}

} // namespace quintaro
