#include "runtime/notes.h"

#include "runtime/services.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QShortcut>
#include <QWhatsThis>

#include <algorithm>

namespace fw {

void attachNote(QWidget* control, const QString& summary, const QString& note)
{
    control->setToolTip(summary);
    control->setWhatsThis(note);
    control->setAccessibleDescription(note);
}

void attachNote(QWidget* list, int item, const QString& summary, const QString& note)
{
    const auto put = [&](auto&& set) {
        set(Qt::ToolTipRole, summary);
        set(Qt::WhatsThisRole, note);
        set(Qt::AccessibleDescriptionRole, note);
    };
    if (auto* listBox = qobject_cast<QListWidget*>(list)) {
        if (QListWidgetItem* row = listBox->item(item))
            put([row](int role, const QString& text) { row->setData(role, text); });
    } else if (auto* combo = qobject_cast<QComboBox*>(list); combo && item >= 0 && item < combo->count()) {
        put([combo, item](int role, const QString& text) { combo->setItemData(item, text, role); });
    }
}

QString noteOf(const QWidget* control)
{
    QString note;
    if (auto* view = qobject_cast<const QAbstractItemView*>(control))
        note = view->currentIndex().data(Qt::WhatsThisRole).toString();
    else if (auto* combo = qobject_cast<const QComboBox*>(control))
        note = combo->currentData(Qt::WhatsThisRole).toString();
    return note.isEmpty() ? control->whatsThis() : note;
}

namespace {
bool g_notesShown = true;
NoteLookup g_lookup = nullptr;

int itemIndex(QWidget* list, const QString& text)
{
    if (auto* listBox = qobject_cast<QListWidget*>(list)) {
        for (int i = 0; i < listBox->count(); ++i)
            if (listBox->item(i)->text() == text)
                return i;
    } else if (auto* combo = qobject_cast<QComboBox*>(list)) {
        return combo->findText(text, Qt::MatchExactly);
    }
    return -1;
}
} // namespace

void setNoteLookup(NoteLookup lookup)
{
    g_lookup = lookup;
}

WithoutNotes::WithoutNotes() : m_before(g_notesShown)
{
    g_notesShown = false;
}

WithoutNotes::~WithoutNotes()
{
    g_notesShown = m_before;
}

void attachNotes(const QString& screen, const QHash<QString, QWidget*>& controls)
{
    if (!g_notesShown || !g_lookup)
        return;
    for (const PlacedNote& placed : g_lookup(screen)) {
        QWidget* control = controls.value(placed.control);
        if (!control)
            continue;
        // The item as the list shows it: in the user's language.
        const QString item = placed.item.isEmpty()
                                 ? QString()
                                 : QCoreApplication::translate(screen.toLatin1().constData(),
                                                               placed.item.toUtf8().constData());
        if (!item.isEmpty())
            attachNote(control, itemIndex(control, item), placed.summary, placed.text);
        else
            attachNote(control, placed.summary, placed.text);
    }
}

namespace {
bool hasNote(const QWidget* control)
{
    if (!control->whatsThis().isEmpty())
        return true;
    if (auto* view = qobject_cast<const QAbstractItemView*>(control)) {
        const QAbstractItemModel* model = view->model();
        for (int row = 0; model && row < model->rowCount(view->rootIndex()); ++row)
            if (!model->index(row, 0, view->rootIndex()).data(Qt::WhatsThisRole).toString().isEmpty())
                return true;
    } else if (auto* combo = qobject_cast<const QComboBox*>(control)) {
        for (int item = 0; item < combo->count(); ++item)
            if (!combo->itemData(item, Qt::WhatsThisRole).toString().isEmpty())
                return true;
    }
    return false;
}
} // namespace

// Where nothing in the window has a note, What's This mode could only wait for a click that shows nothing:
// Shift+F1 beeps instead and says so in a popup. The popup takes the keyboard, so an Escape pressed to
// leave the help closes the popup, not the screen with what the user entered on it.
void offerNotes(QWidget* window)
{
    auto* whatsThis = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), window);
    QObject::connect(whatsThis, &QShortcut::activated, window, [window] {
        QWidget* focused = window->focusWidget();
        const QString note = focused ? noteOf(focused) : QString();
        if (!note.isEmpty()) {
            QWhatsThis::showText(focused->mapToGlobal(focused->rect().center()), note, focused);
            return;
        }
        const QList<QWidget*> controls = window->findChildren<QWidget*>();
        if (std::any_of(controls.cbegin(), controls.cend(), hasNote))
            QWhatsThis::enterWhatsThisMode();
        else {
            services().Beep();
            QWidget* at = focused ? focused : window;
            QWhatsThis::showText(
                at->mapToGlobal(at->rect().center()),
                QCoreApplication::translate("fw::Screen", "Nothing on this screen has a note."), at);
        }
    });
}

} // namespace fw
