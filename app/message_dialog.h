#pragma once

#include "displays/centered_dialog.h"
#include "displays/device_pixels.h"

#include <QString>

class QLabel;

namespace quintaro {

// The library's message box: a picture on the left, a heading and two lines of text on
// the right, and OK. The picture is loaded from the game resource library, which must be
// open; without it the box shows its texts only.
class MessageDialog : public CenteredDialog {
    Q_OBJECT
public:
    // An empty heading keeps the box's own heading. `pictureStyle` 0, 1 and 2 or more
    // choose among the library's three message pictures.
    MessageDialog(QWidget* parent, const QString& message, const QString& secondLine = {},
                  const QString& heading = {}, int pictureStyle = 0);

    // Shows `text` on the second line on one line, with its middle left out where it is
    // too wide: for a file's path.
    void setSecondLineElided(const QString& text);

    QString heading() const;
    QString message() const;
    QString secondLine() const;
    // The picture sheet: picture left, mask right, as made for the ratio last painted at.
    const QImage& picture() const { return m_picture.image(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void describe(const QString& message, const QString& secondLine);

    QLabel* m_heading = nullptr;
    QLabel* m_message = nullptr;
    QLabel* m_secondLine = nullptr;
    DevicePicture m_picture;
};

} // namespace quintaro
