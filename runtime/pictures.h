#pragma once

#include <QPixmap>
#include <QString>

namespace fw {

// The natural size, in logical pixels, of a picture in the resources (an empty size when it is missing).
QSize pictureSize(const QString& resource);

// The picture rendered at its natural size for the given device pixel ratio. Each picture is rendered once
// per ratio and kept, so showing a screen again costs no SVG parsing.
QPixmap picturePixmap(const QString& resource, qreal devicePixelRatio);

} // namespace fw
