#include "runtime/frame.h"

namespace fw {

Frame::Frame(QWidget* parent) : QGroupBox(parent) {}

QString Frame::Caption() const
{
    return title().replace(QStringLiteral("&&"), QStringLiteral("&"));
}

void Frame::setCaption(const QString& caption)
{
    setTitle(QString(caption).replace(u'&', QStringLiteral("&&")));
}

} // namespace fw
