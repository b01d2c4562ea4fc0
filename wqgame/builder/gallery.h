#pragma once

#include <QString>

namespace quintaro::wqgame {

// Writes a contact sheet of the bundle at `bundle` to the PNG `output`: cards put together
// from its sheets, every picture labelled with its id (the masked ones also as they look
// laid on a dialog), and its texts.
bool writeGallery(const QString& bundle, const QString& output, QString* error);

} // namespace quintaro::wqgame
