#pragma once
// The instruments on the trainer's bench, drawn as the student reads them: a scope's screen with its
// graticule, trace and settings, and a meter's display with its figure, unit and range. Each drawing is a
// pure function of what the instrument shows and the size; the widget shows a reading's instruments beside
// the working set's, as the service data prints them.

#include "trainer/model/instrument.h"

#include <QImage>
#include <QWidget>

class QPainter;

namespace trainer {

// The scope's screen (its 10 x 8 divisions) inside the rectangle a scope drawing is given: below the
// caption and above the settings line, as large as fits at 10:8.
QRectF scopeScreen(const QRectF& rect, const QFont& font);

// The settings under a scope's screen are never written smaller than this, in points.
constexpr double kSmallestSettings = 8;
// The settings as written under a screen `room` pixels wide in `font`: on one line where they fit, else on
// two, each elided where even that is too narrow.
QString settingsText(const ScopeTrace& trace, const QFont& font, double room);

// A scope with its caption above ("This set") and its settings written below the screen. `dim` draws the
// trace less bright, for a reference.
void paintScope(QPainter& painter, const QRectF& rect, const ScopeTrace& trace, const QString& caption,
                bool dim = false);
// A meter's face: its caption, the figure and unit on the display, a bar for the share of the range, and
// the range.
void paintMeter(QPainter& painter, const QRectF& rect, const MeterFace& meter, const QString& caption);

// The same into an image of `size` logical pixels at `devicePixelRatio`, with the widget's font.
QImage renderScope(const ScopeTrace& trace, QSize size, qreal devicePixelRatio = 1.0);
QImage renderMeter(const MeterFace& meter, QSize size, qreal devicePixelRatio = 1.0);

// The colour of a bright trace, and of a reference trace.
QColor traceColour(bool dim = false);

// A reading's instruments: what the set on the bench shows, large, and beside it the working set's, smaller.
// Where the reading carries no instrument, it says where one will show.
class InstrumentView : public QWidget
{
public:
    explicit InstrumentView(QWidget* parent = nullptr);

    void setInstruments(const Instrument& now, const Instrument& working);
    void clear() { setInstruments({}, {}); }
    bool isEmpty() const { return !m_now.scope && !m_now.meter; }
    const Instrument& now() const { return m_now; }

    QSize sizeHint() const override { return {400, 240}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Instrument m_now;
    Instrument m_working;
};

} // namespace trainer
