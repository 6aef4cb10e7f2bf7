#pragma once
// The forms runtime: how a screen lives.
//
// A screen object exists once for the whole run (it holds the screen's own variables); its window and
// controls exist only while the screen is loaded. Naming a screen (Form<T>::get() followed by any use that
// needs its window or controls) loads it: the window is built hidden from the screen's design table, then
// Form_Load runs. Show, Hide and Unload act on the window; Unload forgets the controls but keeps the
// object, so a later reference builds fresh controls and runs Form_Load again. A handler may unload its own
// screen: the screen is marked unloaded and its window hidden at once; the old widgets are deleted once the
// event is over and a screen window has been drawn after it (or at the next unload, whichever comes first).
//
// The runtime keeps the order in which visible screens were shown. The last shown one is the active
// screen; Form_Activate runs each time a screen becomes active, whether by being shown on top or by being
// uncovered when the screen above it is hidden or unloaded. The window's close box ends the program.
// Escape presses a screen's one way back (Return or Close), unless it only leaves What's This mode.

#include "runtime/controls.h"
#include "runtime/design.h"

#include <QCoreApplication>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSize>

#include <memory>
#include <typeindex>
#include <unordered_map>
#include <vector>

namespace fw {

class Screen : public QObject
{
    Q_OBJECT
public:
    // `clientSize` is the design client area in twips.
    Screen(const QString& name, const QString& caption, QSize clientSize);
    ~Screen() override;

    QString name() const { return objectName(); }
    // The window's caption in the user's language.
    QString caption() const
    {
        return m_caption.isEmpty() ? m_caption : ownText(m_caption.toUtf8().constData());
    }

    // A text of this screen in the user's language, translated in the screen's context (its name): what
    // lupdate finds marked with tr() or QT_TR_NOOP in the screen's class.
    QString ownText(const char* source, const char* disambiguation = nullptr, int n = -1) const
    {
        return QCoreApplication::translate(name().toLatin1().constData(), source, disambiguation, n);
    }

    bool isLoaded() const { return m_window != nullptr; }
    void Load();
    void Show();
    void Hide();
    void Unload();
    bool isShown() const; // loaded and its window visible

    QWidget* window(); // loads

    // Asked before the window's close box ends the program: false keeps it running (an exercise under
    // way asks the user first).
    virtual bool QueryUnload() { return true; }

    // Window geometry in twips, as floating point; negative values are allowed.
    double Left() const { return m_left; }
    double Top() const { return m_top; }
    double Width() const { return m_width; }
    double Height() const { return m_height; }
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    // Asks the window manager to maximise the window: it then fills the area the window manager gives,
    // frame included, clear of any panel. Where there is none, the window keeps its own geometry.
    void setMaximized(bool maximized);

    // A control of this screen by design name; loads the screen.
    template <class T = QWidget> T* control(const QString& name)
    {
        Load();
        auto* w = qobject_cast<T*>(m_controls.value(name));
        Q_ASSERT_X(w, "fw::Screen::control", qPrintable(m_caption + QLatin1Char('.') + name));
        return w;
    }
    QList<QWidget*> controls();

protected:
    virtual Design design() const = 0;
    // The tab order by design name, when it is not the design order.
    virtual QStringList tabOrder() const { return {}; }
    virtual QColor backColor() const { return {}; }
    // A drawing (a block diagram) is read like a page: Tab runs over its boxes, knobs and pictures that
    // carry a note or open a page, top to bottom and left to right, then over its buttons; a focused box,
    // knob or picture is framed just outside it.
    virtual bool isDrawing() const { return false; }
    // A screen that lays itself out again as its window is resized: the user can resize and maximise it,
    // never below its design size.
    virtual bool isResizable() const { return false; }
    // Connects the controls' events to the screen's handlers; runs after every build.
    virtual void wire() {}
    virtual void Form_Load() {}
    virtual void Form_Activate() {}

private:
    friend class Registry;
    void applyGeometry();
    void activate();
    void bringToFront();
    void offerToKeyboard();
    void offerDrawingToKeyboard();

    QString m_caption;
    QSize m_clientSize;
    double m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_maximized = false;
    bool m_newOnTop = false; // during Show: its native window was made by it, so is on top already
    QWidget* m_window = nullptr;
    QHash<QString, QWidget*> m_controls;
};

// Puts controls in reading order: rows from top to bottom, each row from left to right, by their places
// in their window.
void sortForReading(QList<QWidget*>& controls);

// Every screen object, created on first use, and the order of the visible screens.
class Registry
{
public:
    static Registry& instance();

    template <class T> T& get()
    {
        auto& slot = m_screens[std::type_index(typeid(T))];
        if (!slot)
            slot = std::make_unique<T>();
        return static_cast<T&>(*slot);
    }

    Screen* activeScreen() const { return m_shown.empty() ? nullptr : m_shown.back(); }
    std::vector<Screen*> screens() const;
    std::vector<Screen*> loadedScreens() const;
    std::vector<Screen*> shownScreens() const { return m_shown; }

    // Destroys every screen object and window: the program's state as before start-up.
    void reset();

    // A screen window has been drawn: the windows of screens unloaded before it are deleted once the
    // event is over.
    void painted();

private:
    friend class Screen;
    void shown(Screen* screen);
    void gone(Screen* screen);
    void retire(QWidget* window);

    std::unordered_map<std::type_index, std::unique_ptr<Screen>> m_screens;
    std::vector<Screen*> m_shown;
    std::vector<QPointer<QWidget>> m_retired; // unloaded windows awaiting a drawn screen
    std::vector<QPointer<QWidget>> m_doomed;  // unloaded windows whose deletion is posted
};

// The base of every screen class: gives it its accessor, so that `frmDead::get()` names the screen.
template <class T> class Form : public Screen
{
public:
    using Screen::Screen;
    static T& get() { return Registry::instance().get<T>(); }
    // tr() in a screen's class translates in the screen's own context, as lupdate reads it.
    QString tr(const char* source, const char* disambiguation = nullptr, int n = -1) const
    {
        return ownText(source, disambiguation, n);
    }
};

} // namespace fw

// Declares an accessor for a control of the screen by its design name: `FW_CONTROL(OptionButton, opt1)`
// gives `OptionButton* opt1()`.
#define FW_CONTROL(Type, Name)                                                                               \
    fw::Type* Name()                                                                                         \
    {                                                                                                        \
        return control<fw::Type>(QStringLiteral(#Name));                                                     \
    }
