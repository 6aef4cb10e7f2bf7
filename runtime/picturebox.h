#pragma once

#include "runtime/clicks.h"

#include <QFrame>
#include <QPixmap>

namespace fw {

// Shows a picture from the resources at its own size in the top-left corner, on the box's background.
// The picture is rendered for the device's pixel ratio when first painted and kept while the box lives.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void setPicture(const QString& resource);
    QString picture() const { return m_picture; }
    // Gives the box its picture already drawn, at the ratio the drawing says.
    void setRendered(const QPixmap& rendered) { m_rendered = rendered; }
    QSize pictureSize() const;
signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;

private:
    QString m_picture;
    QPixmap m_rendered;
};

} // namespace fw
