#pragma once

#include <QMainWindow>

class QPainter;

namespace quintaro {

// The main window every game of the family shares: a fixed client area on which the
// game paints, the settings key named by the window title, and the close request.
class GameFrameWindow : public QMainWindow {
    Q_OBJECT
public:
    GameFrameWindow(const QString& title, QSize clientSize);

    const QString& settingsKeyName() const { return m_settingsKeyName; }
    // The widget whose coordinates are the client coordinates of the window.
    QWidget* client() const { return m_client; }

    // Fills a rectangle of the client area with the table background.
    void paintBackground(QPainter& painter, const QRect& rect) const;

protected:
    // Paints a damaged rectangle of the client area; the default paints the background.
    virtual void paintClient(QPainter& painter, const QRect& rect);
    virtual void clientMousePress(QMouseEvent* event);

private:
    friend class FrameClient;

    QWidget* m_client;
    QString m_settingsKeyName;
};

} // namespace quintaro
