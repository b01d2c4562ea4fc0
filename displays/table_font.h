#pragma once

#include <QFont>

namespace quintaro {

// The table's type face (Liberation Sans, metric-compatible with Arial) at a height in pixels.
QFont tableFont(int pixelHeight);

// The dialogs' type face at a height in pixels.
QFont dialogFont(int pixelHeight);

} // namespace quintaro
