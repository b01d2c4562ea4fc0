#pragma once

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

class QPainter;

namespace quintaro {

// A file-card tab drawn in 3-D. It owns no widgets but shows the controls of its page
// while it is the selected tab of its group and hides them otherwise; the owning dialog
// paints the selected page's frame with paintGroupFrame() from its paint event.
//
// Tabs created one after another form a group, until a tab opens a new one. The two
// decoration pictures along the frame are loaded from the game resource library when
// the first tab of the process comes to life and dropped when the last one dies.
class FramedTab : public QWidget {
    Q_OBJECT
public:
    // `geometry` is in the parent's coordinates; `text` may carry a "&" mnemonic marker.
    // `pageRect` (parent coordinates, both corners inside) gets its top replaced, so that
    // the tab's lowest three rows lie on the frame's top border.
    FramedTab(QWidget* parent, const QRect& geometry, const QString& text, const QRect& pageRect,
              bool opensGroup);
    ~FramedTab() override;

    QString text() const { return m_text; }
    const QRect& pageRect() const { return m_pageRect; }
    // Moves the page, as a dialog that grows does; its top goes on the tab's foot again.
    void setPageRect(const QRect& pageRect);
    // The width the tab needs to show its text whole, with its focus rectangle, between
    // its bevels.
    int neededWidth() const;
    bool isSelected() const { return m_selected; }
    FramedTab* groupBack() const { return m_back; }
    FramedTab* groupForward() const { return m_forward; }

    // Hides `control` and adds it to this tab's page. The control stays owned by its parent.
    void addPageControl(QWidget* control);

    // Selecting a tab unselects the rest of its group; either way the tab takes the focus.
    void select(bool flag);

    // Where the focus rectangle goes around the text, in the tab's coordinates.
    QRect focusRect() const;

    // Paint on the parent, with `painter` open on it; the painter's state is kept.
    void paintPageFrame(QPainter& painter) const;
    // Paints the frame of the group's selected tab, whichever tab of the group this is.
    void paintGroupFrame(QPainter& painter) const;

    static int tabCount();
    // Decoration sheet 0 (the suits along the frame) or 1 (the clasp at each end of the
    // row): picture left, mask right. Null while no tab exists or when the library was not
    // open.
    static const QImage& decoration(int which);

Q_SIGNALS:
    // The selected flag changed; owners that paint page content repaint on it.
    void selectionChanged(bool selected);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void setSelectedFlag(bool flag);

    QString m_text;
    std::vector<QPointer<QWidget>> m_pageControls;
    FramedTab* m_back = nullptr;
    FramedTab* m_forward = nullptr;
    bool m_selected = false;
    QRect m_pageRect;
};

} // namespace quintaro
