#include "runtime/pictures.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace fw {

namespace {
struct Entry
{
    QSize size;
    QHash<int, QPixmap> byRatio; // keyed by the ratio in hundredths
};

QHash<QString, Entry>& cache()
{
    static QHash<QString, Entry> entries;
    return entries;
}

Entry& entryFor(const QString& resource)
{
    auto it = cache().find(resource);
    if (it == cache().end()) {
        QSvgRenderer renderer(resource);
        it = cache().insert(resource, Entry{renderer.isValid() ? renderer.defaultSize() : QSize(), {}});
    }
    return *it;
}
} // namespace

QSize pictureSize(const QString& resource)
{
    return entryFor(resource).size;
}

QPixmap picturePixmap(const QString& resource, qreal devicePixelRatio)
{
    Entry& entry = entryFor(resource);
    if (entry.size.isEmpty())
        return {};
    const int key = qRound(devicePixelRatio * 100);
    auto it = entry.byRatio.find(key);
    if (it == entry.byRatio.end()) {
        QPixmap pixmap(entry.size * devicePixelRatio);
        pixmap.setDevicePixelRatio(devicePixelRatio);
        pixmap.fill(Qt::transparent);
        QSvgRenderer renderer(resource);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(entry.size)));
        painter.end();
        it = entry.byRatio.insert(key, pixmap);
    }
    return *it;
}

} // namespace fw
