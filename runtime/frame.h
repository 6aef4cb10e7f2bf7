#pragma once

#include <QGroupBox>

namespace fw {

// A frame's caption is shown as written: an '&' in it is a character, not a keyboard-shortcut mark.
class Frame : public QGroupBox
{
    Q_OBJECT
public:
    explicit Frame(QWidget* parent = nullptr);
    QString Caption() const;
    void setCaption(const QString& caption);
};

} // namespace fw
