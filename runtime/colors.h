#pragma once

#include <QColor>

namespace fw {

// Colours shared by every screen.
namespace colors {
inline const QColor black{0, 0, 0};
inline const QColor white{255, 255, 255};
inline const QColor red{255, 0, 0};
inline const QColor darkRed{192, 0, 0};
inline const QColor blue{0, 0, 255};
inline const QColor darkBlue{0, 0, 192};
inline const QColor lightCyan{192, 255, 255};
inline const QColor pink{255, 192, 192};
} // namespace colors

} // namespace fw
