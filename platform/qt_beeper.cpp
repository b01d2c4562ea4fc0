#include "platform/qt_beeper.h"

#include <QApplication>

namespace quintaro {

QtBeeper::QtBeeper(SoundOutput& output) : m_output(output) {}

void QtBeeper::errorBeep() {
    beep(errorBeepFile);
}

void QtBeeper::defaultBeep() {
    beep(defaultBeepFile);
}

void QtBeeper::beep(const char* file) {
    if (!m_devicePresent)
        m_devicePresent = m_output.deviceCount() > 0;
    if (*m_devicePresent)
        m_output.playBeside(file);
    else
        QApplication::beep();
}

} // namespace quintaro
