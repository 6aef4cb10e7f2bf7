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

QPixmap render(const QString& resource, QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return pixmap;
}
} // namespace

QSize pictureSize(const QString& resource)
{
    auto it = sizes().find(resource);
    if (it == sizes().end()) {
        const QSvgRenderer renderer(resource);
        it = sizes().insert(resource, renderer.isValid() ? renderer.defaultSize() : QSize());
    }
    return *it;
}

QPixmap picturePixmap(const QString& resource, qreal devicePixelRatio)
{
    const QSize size = pictureSize(resource);
    if (size.isEmpty())
        return {};
    const QString key = resource + QLatin1Char('@') + QString::number(qRound(devicePixelRatio * 100));
    if (const QPixmap* kept = renderings().object(key))
        return *kept;
    const QPixmap pixmap = render(resource, size, devicePixelRatio);
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
