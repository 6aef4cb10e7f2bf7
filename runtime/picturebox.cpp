#include "runtime/picturebox.h"

#include "runtime/pictures.h"

#include <QKeyEvent>
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

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    QFrame::mousePressEvent(event);
    m_click.press(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    QFrame::mouseReleaseEvent(event);
    if (m_click.release(event, rect()))
        emit Click();
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    if (focusPolicy() != Qt::NoFocus && isActivationKey(event))
        emit Click();
    else
        QFrame::keyPressEvent(event);
}

} // namespace fw
