#pragma once

#include <QDialog>

namespace quintaro {

// Base of the program's modal dialogs: the first time it is shown it moves itself to the
// middle of the screen, halves rounded toward zero.
class CenteredDialog : public QDialog {
    Q_OBJECT
public:
    explicit CenteredDialog(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_notPlaced = true;
};

} // namespace quintaro
