#pragma once

#include <QFileDialog>

class QPushButton;

namespace quintaro {

class SoundOutput;

// Picks the .wav file of one sound event. Besides Open and Cancel it has Play, which
// plays the file in the name field, and None, which closes it as accepted but with the
// accept flag cleared: the event becomes silent.
class LocateSoundDialog : public QFileDialog {
    Q_OBJECT
public:
    // `output` must outlive the dialog.
    LocateSoundDialog(QWidget* parent, const QString& eventName, SoundOutput& output);

    // Cleared by None; an accepted dialog then means "no sound".
    bool acceptFlag() const { return m_acceptFlag; }
    // The path the dialog points at: the selected or typed file, in full.
    QString currentPath() const;

    QPushButton* playButton() const { return m_play; }
    QPushButton* noneButton() const { return m_none; }

private:
    bool m_acceptFlag = true;
    QPushButton* m_play;
    QPushButton* m_none;
    SoundOutput& m_output;
};

} // namespace quintaro
