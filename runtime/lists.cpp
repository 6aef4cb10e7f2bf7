#include "runtime/lists.h"

namespace fw {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, &ComboBox::Click);
}

ListBox::ListBox(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemClicked, this, &ListBox::Click);
}

QString ListBox::List(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? it->text() : QString();
}

} // namespace fw
