// The entry point of the sound module. Creating the output brings in Qt Multimedia and the
// sound server's libraries, so the program loads this module only when it first needs it.
#include "platform/qt_sound_output.h"

#include <QtGlobal>

// The caller owns the output and keeps the module loaded while the output lives.
extern "C" Q_DECL_EXPORT quintaro::SoundOutput* quintaroCreateSoundOutput() {
    return new quintaro::QtSoundOutput;
}
