#include "runtime/picturebox.h"

#include "runtime/pictures.h"

#include <QMetaMethod>
#include <QPainter>

namespace fw {

void PictureBox::connectNotify(const QMetaMethod& signal)
{
    offerToKeyboard(this, signal, QMetaMethod::fromSignal(&PictureBox::Click));
}

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setAutoFillBackground(true);
    takeClicks(this, [this] { emit Click(); });
}

void PictureBox::setPicture(const QString& resource)
{
    m_picture = resource;
    m_rendered = {};
    update();
}

QSize PictureBox::pictureSize() const
{
    return m_picture.isEmpty() ? QSize() : fw::pictureSize(m_picture);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_picture.isEmpty())
        return;
    if (m_rendered.isNull() || m_rendered.devicePixelRatio() != devicePixelRatioF())
        m_rendered = picturePixmap(m_picture, devicePixelRatioF());
    QPainter painter(this);
    painter.drawPixmap(contentsRect().topLeft(), m_rendered);
}

} // namespace fw
