#pragma once

#include "runtime/clicks.h"

#include <QLabel>

namespace fw {

class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;
};

} // namespace fw
