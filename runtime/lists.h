#pragma once
// The lists: drop-down and plain.
#include <QComboBox>
#include <QListWidget>

namespace fw {

// A drop-down list; ListIndex is -1 when nothing is chosen, and the placeholder then shows.
class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int index) { setCurrentIndex(index); }
signals:
    void Click();
};

class ListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);
    int ListIndex() const { return currentRow(); }
    void setListIndex(int index) { setCurrentRow(index); }
    int ListCount() const { return count(); }
    QString List(int index) const;
signals:
    void Click();
};

} // namespace fw
