#pragma once

#include "displays/centered_dialog.h"

#include <QString>

#include <array>

class QLabel;
class QPushButton;

namespace quintaro {

class AboutPicture;
class FramedTab;

// The About box: the program's name and version over four pages: a welcome picture, the
// machine, the credits and the system information.
class AboutDialog : public CenteredDialog {
    Q_OBJECT
public:
    // Precondition: the resource library is current, for the layout and the pictures.
    AboutDialog(QWidget* parent, const QString& versionText, const QString& programName);

    // Tabs 1 to 4, pictures 5 to 7, fixed texts 1 to 6, by their numbers in the layout.
    FramedTab* tab(int number) const;
    AboutPicture* picture(int number) const;
    QLabel* fixedText(int number) const;
    QPushButton* okButton() const { return m_ok; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<AboutPicture*, 3> m_pictures{};
    std::array<QLabel*, 6> m_texts{};
    std::array<FramedTab*, 4> m_tabs{};
    QPushButton* m_ok;
};

} // namespace quintaro
