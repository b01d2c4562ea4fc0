#pragma once

class QGroupBox;

namespace quintaro {

// Gives the group box an etched outline with nothing inside it, so that what the dialog
// paints under the box, such as a preview, shows unaltered.
void drawOutlineOnly(QGroupBox& box);

} // namespace quintaro
