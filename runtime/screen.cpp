#include "runtime/screen.h"

#include "runtime/notes.h"
#include "runtime/pictures.h"
#include "runtime/services.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QWindow>

#include <algorithm>

namespace fw {

namespace {
// The top-level window of a screen. Closing it ends the program, as Quit does, so that no hidden screen is
// ever left running without a visible one.
class ScreenWindow : public QWidget
{
public:
    using QWidget::destroy;
    using QWidget::QWidget;

    // Where Tab and Shift+Tab go from the window itself, when the focus starts there.
    QPointer<QWidget> firstStop;
    QPointer<QWidget> lastStop;
    // The screen shown in the window, asked before the close box ends the program.
    QPointer<Screen> owner;

protected:
    bool focusNextPrevChild(bool next) override
    {
        QWidget* stop = next ? firstStop : lastStop;
        if (!stop || focusWidget() != this)
            return QWidget::focusNextPrevChild(next);
        stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }

    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        if (!owner || owner->QueryUnload())
            services().End();
    }

    // The platform fills an empty title bar with the program's name; a screen without a caption gets a
    // blank one instead, so that its title bar stays empty.
    void showEvent(QShowEvent* event) override
    {
        if (windowTitle().isEmpty() && windowHandle())
            windowHandle()->setTitle(QStringLiteral(" "));
        QWidget::showEvent(event);
    }

    // Once a screen has been drawn, the windows of the screens unloaded before it can go.
    void paintEvent(QPaintEvent* event) override
    {
        QWidget::paintEvent(event);
        Registry::instance().painted();
    }
};

} // namespace

Screen::Screen(const QString& name, const QString& caption, QSize clientSize)
    : m_caption(caption), m_clientSize(clientSize), m_width(clientSize.width()), m_height(clientSize.height())
{
    setObjectName(name);
}

Screen::~Screen()
{
    delete m_window;
}

void Screen::Load()
{
    if (isLoaded())
        return;
    m_width = m_clientSize.width();
    m_height = m_clientSize.height();
    m_maximized = false;
    auto* window = new ScreenWindow;
    window->owner = this;
    window->setObjectName(name());
    window->setWindowTitle(caption());
    window->setWindowIcon(programIcon());
    window->setFont(controlFont(8.25));
    if (const QColor back = backColor(); back.isValid())
        setBackColor(window, back);
    m_window = window;
    // The pictures shown at once are drawn before the controls are made, which measure text: on the first
    // screen, the font database is still being read on another thread meanwhile.
    const Design table = design();
    QHash<QString, QPixmap> drawn;
    for (const Ctl& c : table)
        if (c.kind == Kind::Picture && c.isVisible && !c.text.isEmpty())
            drawn.insert(c.text, picturePixmap(c.text, window->devicePixelRatioF()));
    m_controls = build(window, table, tabOrder(), name().toLatin1().constData());
    for (QWidget* w : std::as_const(m_controls))
        if (auto* picture = qobject_cast<PictureBox*>(w); picture && drawn.contains(picture->picture()))
            picture->setRendered(drawn.value(picture->picture()));
    attachNotes(name(), m_controls);
    offerNotes(window);
    applyGeometry();
    wire();
    offerToKeyboard();
    Form_Load();
    if (isDrawing())
        offerDrawingToKeyboard();
}

bool Screen::isShown() const
{
    return isLoaded() && m_window->isVisible();
}

QWidget* Screen::window()
{
    Load();
    return m_window;
}

QList<QWidget*> Screen::controls()
{
    Load();
    return m_controls.values();
}

void Screen::Show()
{
    m_newOnTop = !(isLoaded() && m_window->windowHandle());
    Load();
    m_window->show();
    bringToFront();
    Registry::instance().shown(this);
    m_newOnTop = false;
}

// The window to the front, with the keyboard focus. A native window made by the Show under way is already
// on top of its siblings: raising it as well would cost a restack, then a wait for the server to report the
// new place and three more for the frame, all before its first paint. The offscreen platform (tests,
// screenshots) has no stacking to change and warns on every attempt to raise.
void Screen::bringToFront()
{
    if (!m_newOnTop && QGuiApplication::platformName() != QLatin1String("offscreen"))
        m_window->raise();
    m_window->activateWindow();
}

void Screen::Hide()
{
    if (!isLoaded())
        return;
    m_window->hide();
    Registry::instance().gone(this);
}

void Screen::Unload()
{
    if (!isLoaded())
        return;
    QWidget* window = m_window;
    m_window = nullptr;
    m_controls.clear();
    // The native window goes at once, so the screen leaves the display at once; hiding the window instead
    // would tell each of its controls in turn, which the next screen would wait for. The controls go after
    // the next screen is drawn.
    static_cast<ScreenWindow*>(window)->destroy();
    Registry::instance().retire(window);
    Registry::instance().gone(this);
}

namespace {
// Escape in an open drop-down list closes the list and nothing else. The key is first offered as a shortcut
// to the open list's view (or to the list, which keeps the focus), and the list's own handling closes the
// list then without taking the key, so that the window's Escape shortcut would fire on the same key: the list
// is closed here, and the key taken.
class EscapeClosesList : public QObject
{
public:
    explicit EscapeClosesList(QComboBox* list) : QObject(list), m_list(list)
    {
        list->installEventFilter(this);
        list->view()->installEventFilter(this); // after the popup's own filter on it, so met first
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride || !m_list->view()->isVisible())
            return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->matches(QKeySequence::Cancel))
            return QObject::eventFilter(watched, event);
        m_list->hidePopup();
        key->accept();
        return true;
    }

private:
    QComboBox* m_list;
};
} // namespace

// Escape presses the screen's way back when it has exactly one (its caption read without its mnemonic).
// Escape in an open drop-down list closes the list and does nothing more.
void Screen::offerToKeyboard()
{
    QList<CommandButton*> ways;
    for (QWidget* w : std::as_const(m_controls)) {
        auto* button = qobject_cast<CommandButton*>(w);
        const QString caption = button ? QString(button->Caption()).remove(QLatin1Char('&')) : QString();
        if (caption == ownText("Return").remove(QLatin1Char('&')) ||
            caption == ownText("Close").remove(QLatin1Char('&')))
            ways.append(button);
    }
    if (ways.size() == 1) {
        for (QWidget* w : std::as_const(m_controls))
            if (auto* list = qobject_cast<QComboBox*>(w))
                new EscapeClosesList(list);
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_window);
        CommandButton* way = ways.first();
        connect(escape, &QShortcut::activated, way, [way] {
            // Another popup (a menu, a tooltip's) is closed, and nothing more.
            if (QWidget* popup = QApplication::activePopupWidget()) {
                if (auto* list = qobject_cast<QComboBox*>(popup->parentWidget()))
                    list->hidePopup();
                else
                    popup->close();
                return;
            }
            if (way->isVisible() && way->isEnabled())
                way->click();
        });
    }
}

// Reading order: rows from top to bottom, each row from left to right. A control starting above the foot of
// every control of the row so far joins that row, so that boxes drawn a little higher or lower than their
// neighbours, and a tall picture beside them, read as one row.
void sortForReading(QList<QWidget*>& controls)
{
    const auto place = [](const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint()), w->size()); };
    std::stable_sort(controls.begin(), controls.end(),
                     [&](const QWidget* a, const QWidget* b) { return place(a).top() < place(b).top(); });
    const auto byLeft = [&](const QWidget* a, const QWidget* b) { return place(a).left() < place(b).left(); };
    qsizetype rowStart = 0;
    int rowFoot = 0;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect r = place(controls[i]);
        if (i > rowStart && r.top() >= rowFoot) {
            std::stable_sort(controls.begin() + rowStart, controls.begin() + i, byLeft);
            rowStart = i;
        }
        rowFoot = i == rowStart ? r.bottom() : std::min(rowFoot, r.bottom());
    }
    std::stable_sort(controls.begin() + rowStart, controls.end(), byLeft);
}

// The boxes, knobs and pictures with a note take the keyboard, so that Shift+F1 can show it; the captions
// of the knobs do not, as their knobs do. The focus starts on the window itself: nothing is framed and no
// button pressed by a stray Enter before the user moves, and the first Tab goes to the first box.
void Screen::offerDrawingToKeyboard()
{
    QList<QWidget*> stops;
    QList<QWidget*> buttons;
    for (QWidget* w : std::as_const(m_controls)) {
        if (qobject_cast<CommandButton*>(w)) {
            buttons.append(w);
            continue;
        }
        if (!qobject_cast<QLabel*>(w) && !w->whatsThis().isEmpty())
            w->setFocusPolicy(Qt::StrongFocus);
        if (w->focusPolicy() & Qt::TabFocus) {
            stops.append(w);
            frameFocus(w);
        }
    }
    sortForReading(stops);
    sortForReading(buttons);
    stops.append(buttons);
    for (qsizetype i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
    if (stops.isEmpty())
        return;
    auto* window = static_cast<ScreenWindow*>(m_window);
    window->firstStop = stops.first();
    window->lastStop = stops.last();
    window->setFocus();
}

void Screen::activate()
{
    if (!isLoaded())
        return;
    bringToFront();
    Form_Activate();
}

void Screen::setLeft(double twips)
{
    m_left = twips;
    applyGeometry();
}

void Screen::setTop(double twips)
{
    m_top = twips;
    applyGeometry();
}

void Screen::setWidth(double twips)
{
    m_width = twips;
    applyGeometry();
}

void Screen::setHeight(double twips)
{
    m_height = twips;
    applyGeometry();
}

void Screen::setMaximized(bool maximized)
{
    m_maximized = maximized;
    applyGeometry();
}

// A maximised window takes the size the window manager gives it, so it has no fixed size; nor has a
// resizable one, which is only kept from shrinking below its design. The offscreen
// platform (tests, screenshots) has no window manager, but would still resize the window to its own screen.
void Screen::applyGeometry()
{
    if (!isLoaded())
        return;
    const QSize size(std::max(1, toPixels(m_width)), std::max(1, toPixels(m_height)));
    const bool maximized = m_maximized && QGuiApplication::platformName() != QLatin1String("offscreen");
    if (maximized) {
        m_window->setMinimumSize(0, 0);
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_window->resize(size);
    } else if (isResizable()) {
        m_window->setMinimumSize(toPixels(m_clientSize.width()), toPixels(m_clientSize.height()));
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_window->resize(size);
    } else {
        m_window->setFixedSize(size);
    }
    m_window->move(toPixels(m_left), toPixels(m_top));
    // Changing the state makes the native window, so it is changed only when it differs: a screen that is
    // not maximised gets its native window when shown, with its final place and size.
    const Qt::WindowStates state = maximized ? m_window->windowState() | Qt::WindowMaximized
                                             : m_window->windowState() & ~Qt::WindowMaximized;
    if (state != m_window->windowState())
        m_window->setWindowState(state);
}

Registry& Registry::instance()
{
    static Registry registry;
    return registry;
}

std::vector<Screen*> Registry::screens() const
{
    std::vector<Screen*> all;
    for (const auto& [type, screen] : m_screens)
        all.push_back(screen.get());
    return all;
}

std::vector<Screen*> Registry::loadedScreens() const
{
    std::vector<Screen*> loaded;
    for (const auto& [type, screen] : m_screens)
        if (screen->isLoaded())
            loaded.push_back(screen.get());
    return loaded;
}

void Registry::shown(Screen* screen)
{
    if (activeScreen() == screen)
        return;
    std::erase(m_shown, screen);
    m_shown.push_back(screen);
    screen->activate();
}

void Registry::gone(Screen* screen)
{
    const bool wasActive = activeScreen() == screen;
    std::erase(m_shown, screen);
    if (wasActive && activeScreen())
        activeScreen()->activate();
}

// An unloaded window is destroyed after the next screen window has been drawn, so that tearing down its
// controls does not hold up the screen shown in its place; if no screen is drawn before another unload, it
// goes then.
void Registry::retire(QWidget* window)
{
    painted();
    m_retired.emplace_back(window);
}

void Registry::painted()
{
    std::erase_if(m_doomed, [](const QPointer<QWidget>& w) { return w.isNull(); });
    for (const QPointer<QWidget>& w : m_retired) {
        if (w)
            w->deleteLater();
        m_doomed.push_back(w);
    }
    m_retired.clear();
}

void Registry::reset()
{
    m_shown.clear();
    m_screens.clear();
    for (auto* windows : {&m_retired, &m_doomed}) {
        for (const QPointer<QWidget>& w : *windows)
            delete w.data();
        windows->clear();
    }
}

} // namespace fw
