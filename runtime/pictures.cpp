#include "runtime/pictures.h"

#include <QCache>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace fw {

namespace {
QHash<QString, QSize>& sizes()
{
    static QHash<QString, QSize> known;
    return known;
}

QCache<QString, QPixmap>& renderings()
{
    static QCache<QString, QPixmap> kept(kPictureCacheKB);
    return kept;
}

// The picture's natural size, remembered from its first parse.
QSize remember(const QString& resource, const QSvgRenderer& renderer)
{
    return *sizes().insert(resource, renderer.isValid() ? renderer.defaultSize() : QSize());
}

QPixmap render(QSvgRenderer& renderer, QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return pixmap;
}
} // namespace

QSize pictureSize(const QString& resource)
{
    if (const auto it = sizes().constFind(resource); it != sizes().cend())
        return *it;
    return remember(resource, QSvgRenderer(resource));
}

QPixmap picturePixmap(const QString& resource, qreal devicePixelRatio)
{
    if (const auto it = sizes().constFind(resource); it != sizes().cend() && it->isEmpty())
        return {};
    const QString key = resource + QLatin1Char('@') + QString::number(qRound(devicePixelRatio * 100));
    if (const QPixmap* kept = renderings().object(key))
        return *kept;
    QSvgRenderer renderer(resource); // parsed once, for its size and its drawing
    const QSize size = remember(resource, renderer);
    if (size.isEmpty())
        return {};
    const QPixmap pixmap = render(renderer, size, devicePixelRatio);
    const qsizetype kilobytes = pixmap.width() * pixmap.height() * pixmap.depth() / 8 / 1024 + 1;
    renderings().insert(key, new QPixmap(pixmap), kilobytes); // dropped at once when larger than the budget
    return pixmap;
}

const QIcon& programIcon()
{
    static const QIcon icon = [] {
        QIcon drawn;
        QSvgRenderer renderer(QStringLiteral(":/assets/icon.svg"));
        for (const int side : {16, 24, 32, 48, 64}) {
            QPixmap pixmap(side, side);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter);
            painter.end();
            drawn.addPixmap(pixmap);
        }
        return drawn;
    }();
    return icon;
}

int pictureCacheKB()
{
    return static_cast<int>(renderings().totalCost());
}

} // namespace fw
