#include "runtime/optionbutton.h"

#include <QKeyEvent>

namespace fw {

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent)
{
    setAutoExclusive(false);
    connect(this, &QAbstractButton::toggled, this, &OptionButton::fixTabStop);
}

QList<OptionButton*> OptionButton::group() const
{
    if (!parentWidget())
        return {};
    return parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly);
}

namespace {
// The way the eye reads a group: top to bottom, then left to right.
void sortForReading(QList<OptionButton*>& options)
{
    std::stable_sort(options.begin(), options.end(), [](const OptionButton* a, const OptionButton* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
}

// An option the keyboard could reach if its window were on the display.
bool reachable(const OptionButton* option)
{
    return !option->isHidden() && option->isEnabled();
}
} // namespace

// Gives the group's Tab stop to its selected option, or to its first in reading order when none is
// selected; an option that is hidden or disabled cannot hold it. Every other option keeps taking the focus
// from a click and from the arrow keys.
void OptionButton::fixTabStop()
{
    QList<OptionButton*> options = group();
    sortForReading(options);
    OptionButton* stop = nullptr;
    for (OptionButton* option : std::as_const(options)) {
        if (!reachable(option))
            continue;
        if (option->isChecked()) {
            stop = option;
            break;
        }
        if (!stop)
            stop = option;
    }
    for (OptionButton* option : std::as_const(options)) {
        const Qt::FocusPolicy policy = option->focusPolicy();
        option->setFocusPolicy(option == stop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                              : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

bool OptionButton::event(QEvent* event)
{
    const bool handled = QRadioButton::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::EnabledChange:
    case QEvent::Move:
    case QEvent::ParentChange:
        fixTabStop();
        break;
    default:
        break;
    }
    return handled;
}

// Tab leaves the group from whichever of its options has the focus, never landing on another of them.
bool OptionButton::focusNextPrevChild(bool next)
{
    const QList<OptionButton*> options = group();
    for (OptionButton* option : options)
        option->setFocusPolicy(Qt::FocusPolicy(option->focusPolicy() & ~Qt::TabFocus));
    const bool moved = QRadioButton::focusNextPrevChild(next);
    fixTabStop();
    return moved;
}

void OptionButton::setValue(bool value)
{
    if (value) {
        for (OptionButton* other : group())
            if (other != this)
                other->setChecked(false);
    }
    setChecked(value);
}

void OptionButton::choose()
{
    if (Value())
        return;
    setValue(true);
    emit Click();
}

// A click selects; it never clears, as with any option button.
void OptionButton::nextCheckState()
{
    choose();
}

void OptionButton::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
    const bool backward = key == Qt::Key_Up || key == Qt::Key_Left;
    if (!forward && !backward) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    QList<OptionButton*> options;
    for (OptionButton* option : group())
        if (option->isVisible() && option->isEnabled())
            options.append(option);
    sortForReading(options);
    const qsizetype here = options.indexOf(this);
    if (options.size() < 2 || here < 0)
        return;
    const bool carriesSelection = Value();
    const qsizetype next = (here + (forward ? 1 : options.size() - 1)) % options.size();
    options[next]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (carriesSelection)
        options[next]->choose();
}

} // namespace fw
