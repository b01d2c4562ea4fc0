#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace quintaro {

// The pop-up help mode: while it is on, the help text of whatever control, window or menu
// item the pointer rests on pops up as a tooltip. Installed as an event filter on the
// application, so it covers every window and dialog of the program.
class PopupHelp : public QObject {
    Q_OBJECT
public:
    explicit PopupHelp(QObject* parent);

    bool isOn() const { return m_on; }
    // Switching it off takes down a help text that is showing.
    void setOn(bool on);

    // The widget's help text, or failing that the nearest one among its parents within
    // its window; empty when none of them has one.
    static QString helpText(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_on = false;
};

} // namespace quintaro
