#pragma once

#include <QList>
#include <QRadioButton>

namespace fw {

// An option button. The options placed directly in one container form one group: selecting one clears
// the others. Value can be set to false in code, which leaves the group with nothing selected.
//
// From the keyboard a group is one stop, as an exclusive group is on the desktop: Tab and Shift+Tab enter
// it on its selected option, or on its first option in reading order when none is selected, and leave it
// from any of its options. Inside the group the arrow keys move in reading order; they carry the selection
// along when they leave a selected option, and only move the focus otherwise, so that Space chooses.
class OptionButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);
    bool Value() const { return isChecked(); }
    void setValue(bool value);
    QString Caption() const { return text(); }
signals:
    void Click();

protected:
    bool event(QEvent* event) override;
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QList<OptionButton*> group() const;
    void choose();
    void fixTabStop();
};

} // namespace fw
