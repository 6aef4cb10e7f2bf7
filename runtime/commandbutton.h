#pragma once

#include <QPushButton>

namespace fw {

class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr);
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace fw
