#pragma once

#include "displays/centered_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quintaro {

// Asks the player's name at the start of every game. The name field holds at most what
// the registry reads back whole: 255 bytes of UTF-8.
class SignInDialog : public CenteredDialog {
    Q_OBJECT
public:
    SignInDialog(QWidget* parent, const QString& playerName);

    QString playerName() const;

    QLabel* welcomeText() const { return m_welcome; }
    QLabel* noteText() const { return m_note; }
    QLineEdit* nameEdit() const { return m_name; }
    QPushButton* okButton() const { return m_ok; }

private:
    QLabel* m_welcome;
    QLabel* m_note;
    QLineEdit* m_name;
    QPushButton* m_ok;
};

} // namespace quintaro
