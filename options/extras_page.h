#pragma once

#include "displays/device_pixels.h"
#include "displays/framed_tab.h"
#include "sound/sound_events.h"

#include <QCheckBox>
#include <QPointer>

class QGroupBox;
class QListWidget;
class QPainter;
class QPushButton;

namespace quintaro {

class GameFrameWindow;

// The Extras tab of the Options dialog: the table background with its preview, and the
// sound events. It edits copies; the background and the sound files reach the frame only
// through the two apply calls, while the sound switch reaches it whenever the page dies,
// whether the dialog was accepted or not.
//
// The page's controls are children of the dialog, which owns them; the dialog must
// destroy the page before its controls, so that the switch can still be read.
class ExtrasPage : public FramedTab {
    Q_OBJECT
public:
    // `frame` is the window whose settings the page edits; it must outlive the page.
    ExtrasPage(QWidget* dialog, GameFrameWindow& frame, const QRect& geometry, const QString& text,
               const QRect& pageRect);
    ~ExtrasPage() override;

    // Creates the controls and copies the frame's sound events; run once, after every
    // member of the dialog exists.
    void setUp();

    // Background choice 0 to 30; a choice the list does not hold leaves it unselected.
    void selectBackground(int choice);
    int selectedBackground() const;

    // Draws the background preview on the dialog while the page is shown.
    void paintPreview(QPainter& painter) const;
    // The dialog's area the preview covers, inside the background box.
    QRect previewRect() const;

    void applyBackground(GameFrameWindow& frame) const;
    void applySounds(GameFrameWindow& frame) const;

    const SoundEventList& soundCopy() const { return m_soundCopy; }
    QListWidget* backgroundList() const { return m_backgroundList; }
    QCheckBox* soundSwitch() const { return m_soundSwitch; }
    QListWidget* soundList() const { return m_soundList; }
    QPushButton* locateButton() const { return m_locate; }
    QPushButton* playButton() const { return m_play; }

private:
    void onBackgroundSelected();
    void enableSoundControls(bool on);
    void playSelected();
    void locateSelected();

    mutable DevicePicture m_previewPicture;
    SoundEventList m_soundCopy;
    QListWidget* m_backgroundList = nullptr;
    QPointer<QCheckBox> m_soundSwitch;
    QListWidget* m_soundList = nullptr;
    QPushButton* m_locate = nullptr;
    QPushButton* m_play = nullptr;
    QWidget* m_dialog;
    QGroupBox* m_backgroundGroup = nullptr;
    QGroupBox* m_soundGroup = nullptr;
    GameFrameWindow& m_frame;
};

} // namespace quintaro
