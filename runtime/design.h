#pragma once
// A screen's design: its controls in design order, with positions in twips (15 twips to a logical pixel).
// A screen lists them once, as a table, and build() turns the table into widgets:
//
//     return {
//         label("Label1", "TV Dead", 3960, 120, 2055, 555).bold(24).fore(colors::darkRed).centred(),
//         option("Option1", "TV Dead", 480, 600, 1815, 255).in("Frame1").bold(8.25),
//         line("Line1", 1000, 200, 1000, 900),
//     };
//
// Coordinates of a control placed in a frame are relative to that frame. The widgets' objectNames are
// the design names, and the tab order is the design order unless the screen gives another.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QRect>
#include <QStringList>

#include <optional>
#include <vector>

class QWidget;

namespace fw {

constexpr int kTwipsPerPixel = 15;

enum class Kind { Label, TextBox, TextArea, Button, Option, Frame, Combo, List, Picture, Line, Shape };

struct Ctl
{
    Kind kind;
    QString name;
    QString text;
    QRect rect; // left, top, width, height in twips; for a line, its two ends (x1, y1) and (x2, y2)
    QString container;
    double pointSize = 8.25;
    bool isBold = false;
    bool isItalic = false;
    bool isSerif = false;
    std::optional<QColor> foreColor;
    std::optional<QColor> backColor;
    bool isVisible = true;
    bool hasBorder = false;
    bool isCentred = false;
    bool isReadOnly = false;
    int lineWidth = 1;
    QStringList itemList;
    QString spoken; // what assistive technology says for a control without a caption, or what a picture shows

    Ctl& in(const QString& frame)
    {
        container = frame;
        return *this;
    }
    Ctl& size(double points)
    {
        pointSize = points;
        return *this;
    }
    Ctl& bold(double points)
    {
        pointSize = points;
        isBold = true;
        return *this;
    }
    Ctl& italic()
    {
        isItalic = true;
        return *this;
    }
    Ctl& serif()
    {
        isSerif = true;
        return *this;
    }
    Ctl& fore(const QColor& color)
    {
        foreColor = color;
        return *this;
    }
    Ctl& back(const QColor& color)
    {
        backColor = color;
        return *this;
    }
    Ctl& hidden()
    {
        isVisible = false;
        return *this;
    }
    Ctl& bordered()
    {
        hasBorder = true;
        return *this;
    }
    Ctl& centred()
    {
        isCentred = true;
        return *this;
    }
    Ctl& readOnly()
    {
        isReadOnly = true;
        return *this;
    }
    Ctl& width(int pixels)
    {
        lineWidth = pixels;
        return *this;
    }
    Ctl& items(const QStringList& list)
    {
        itemList = list;
        return *this;
    }
    Ctl& says(const QString& words)
    {
        spoken = words;
        return *this;
    }
};

using Design = std::vector<Ctl>;

Ctl label(const QString& name, const QString& caption, int left, int top, int width, int height);
Ctl command(const QString& name, const QString& caption, int left, int top, int width, int height);
Ctl option(const QString& name, const QString& caption, int left, int top, int width, int height);
Ctl frame(const QString& name, const QString& caption, int left, int top, int width, int height);
Ctl textBox(const QString& name, const QString& text, int left, int top, int width, int height);
Ctl textArea(const QString& name, const QString& text, int left, int top, int width, int height);
// A combo box's placeholder (shown while nothing is chosen) is its design text.
Ctl combo(const QString& name, const QString& prompt, int left, int top, int width, int height);
Ctl listBox(const QString& name, int left, int top, int width, int height);
// `resource` names an SVG in the resources, e.g. ":/assets/tv.svg".
Ctl picture(const QString& name, const QString& resource, int left, int top, int width, int height);
Ctl line(const QString& name, int x1, int y1, int x2, int y2);
Ctl knob(const QString& name, int left, int top, int diameter = 255);

// Twips to logical pixels, rounded to the nearest pixel.
int toPixels(double twips);

// Builds the design's controls into `client` and returns them by name. With a `context` (the screen's name),
// the captions, list items and spoken names are the design's texts translated in that context.
QHash<QString, QWidget*> build(QWidget* client, const Design& design, const QStringList& tabOrder = {},
                               const char* context = nullptr);

// The design's text in the user's language: translated in the screen's context, as lupdate finds it marked
// with QT_TR_NOOP in the screen's design table.
Ctl translated(Ctl c, const char* context);

// The font a control of the given size and weight is drawn with (pixel-sized, so that layouts in twips
// look the same on every display density setting).
QFont controlFont(double points, bool bold = false, bool italic = false, bool serif = false);

} // namespace fw
