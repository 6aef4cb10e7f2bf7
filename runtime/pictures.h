#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace fw {

// The natural size, in logical pixels, of a picture in the resources (an empty size when it is missing).
QSize pictureSize(const QString& resource);

// The picture rendered at its natural size for the given device pixel ratio. A picture box keeps its
// rendering while it lives; besides, the most recently used renderings are kept up to a small budget, so
// that a page opened again costs no SVG parsing, while a tour of every page does not keep them all.
QPixmap picturePixmap(const QString& resource, qreal devicePixelRatio);

// The program's icon, drawn once at the sizes window systems ask for (an SVG icon would be parsed again for
// every size).
const QIcon& programIcon();

// The renderings kept for pages opened again, in kilobytes, at most kPictureCacheKB.
int pictureCacheKB();
inline constexpr int kPictureCacheKB = 2048;

} // namespace fw
