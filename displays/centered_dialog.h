#pragma once

#include <QDialog>

class QScreen;

namespace quintaro {

// Base of the program's modal dialogs: the first time it is shown it moves itself to the
// middle of the free area of the screen that holds its owner window, halves rounded toward
// zero. On Wayland the compositor places it instead.
class CenteredDialog : public QDialog {
    Q_OBJECT
public:
    explicit CenteredDialog(QWidget* parent);

    // The screen of the window the dialog belongs to; its own when it has no owner.
    QScreen* ownerScreen() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_notPlaced = true;
};

} // namespace quintaro
