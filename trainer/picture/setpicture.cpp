#include "trainer/picture/setpicture.h"

#include "trainer/picture/picturestages.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <numeric>
#include <vector>

namespace trainer {

using stages::Frame;
using stages::Rgb;

namespace {
constexpr float kPi = std::numbers::pi_v<float>;

// The cabinet's mask around the tube's rounded corners.
constexpr QRgb kMask = qRgb(26, 26, 26);

// The level of a blank raster: the tube lit evenly, with no picture on it.
constexpr float kRasterLevel = 185.0f;

int level(float value)
{
    return std::clamp(static_cast<int>(value + 0.5f), 0, 255);
}

// The dark glass of a tube with no beam on it, the room's light faintly caught at its upper left;
// `distance` is the squared distance from the reflection's heart.
float glass(float distance)
{
    const float sheen = std::max(0.0f, 1 - distance * (1 / 0.3f));
    return 10 + 12 * sheen * sheen;
}

// The test pattern at full health, in logical coordinates: a white crosshatch on grey, a circle, and inside
// it colour bars (white, yellow, cyan, green, magenta, red, blue, black), a black strip with a centre cross
// and a grey scale from black to white.
QImage drawPattern(QSizeF size, QSize pixels, qreal scale)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(QColor(92, 92, 92));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const QPointF centre(w / 2, h / 2);
    const qreal line = std::max(1.0, h / 180);
    const QColor white(235, 235, 235);

    const qreal square = h / 10;
    p.setPen(QPen(white, line));
    for (qreal x = centre.x() - square / 2; x > 0; x -= square) {
        p.drawLine(QPointF(x, 0), QPointF(x, h));
        p.drawLine(QPointF(w - x, 0), QPointF(w - x, h));
    }
    for (qreal y = centre.y() - square / 2; y > 0; y -= square) {
        p.drawLine(QPointF(0, y), QPointF(w, y));
        p.drawLine(QPointF(0, h - y), QPointF(w, h - y));
    }

    const qreal radius = 0.42 * h;
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath inside;
    inside.addEllipse(circle);
    p.save();
    p.setClipPath(inside);
    p.setPen(Qt::NoPen);
    static constexpr std::array<QRgb, 8> bars = {qRgb(235, 235, 235), qRgb(235, 235, 16), qRgb(16, 235, 235),
                                                 qRgb(16, 235, 16),   qRgb(235, 16, 235), qRgb(235, 16, 16),
                                                 qRgb(16, 16, 235),   qRgb(16, 16, 16)};
    const qreal bar = circle.width() / bars.size();
    for (std::size_t i = 0; i < bars.size(); ++i)
        p.fillRect(QRectF(circle.left() + bar * static_cast<qreal>(i), 0.25 * h, bar, 0.21 * h),
                   QColor(bars[i]));
    p.fillRect(QRectF(circle.left(), 0.46 * h, circle.width(), 0.08 * h), QColor(16, 16, 16));
    const qreal step = circle.width() / 6;
    for (int i = 0; i < 6; ++i)
        p.fillRect(QRectF(circle.left() + step * i, 0.54 * h, step, 0.19 * h),
                   QColor::fromRgb(qRgb(16 + 44 * i, 16 + 44 * i, 16 + 44 * i)));
    p.restore();

    p.setPen(QPen(white, 2 * line));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(circle);
    p.drawLine(QPointF(centre.x(), 0.46 * h), QPointF(centre.x(), 0.54 * h));
    p.drawLine(QPointF(centre.x() - 0.08 * h, centre.y()), QPointF(centre.x() + 0.08 * h, centre.y()));
    return image;
}

// Where, on the undistorted picture, the beam lighting a row of the screen comes from. A fold-over lays two
// parts of the picture on the same rows; `gain` is how much light the scan lines packed on the row give.
struct RowSource
{
    int count = 0;               // 0: the beam never reaches the row
    std::array<float, 2> v = {}; // in the picture's height, 0 to 1
    float gain = 1.0f;           // on the sum of the sources
};

RowSource verticalSource(Vertical vertical, float v)
{
    switch (vertical) {
    case Vertical::Normal:
    case Vertical::Line:
        return {1, {v, 0}, 1.0f};
    case Vertical::Short: {
        const float top = 0.14f;
        if (v < top || v > 1 - top)
            return {};
        return {1, {(v - top) / (1 - 2 * top), 0}, 1.0f};
    }
    case Vertical::CrampedBottom: {
        // The sweep slows at the top and hurries at the bottom, and stops short of the bottom edge.
        const float t = v / 0.9f;
        if (t > 1)
            return {};
        const float a = 0.6f;
        const float slope = 1 + a * (2 * t - 1);
        return {1, {t + a * t * (t - 1), 0}, 0.75f + 0.25f * slope};
    }
    case Vertical::NonLinear: {
        // Short, and the sweep starts slowly: the top of the picture crowds into a narrow, brighter band,
        // the rest is stretched out, and the picture stops short of the bottom.
        const float t = v / 0.82f;
        if (t > 1)
            return {};
        const float packed = 1.1f * (1 - t) + 0.45f; // picture lines to a screen line
        return {1, {1 - (1 - t) * (1 - t) * 0.55f - (1 - t) * 0.45f, 0}, 0.7f + 0.3f * packed};
    }
    case Vertical::FoldTop: {
        // The sweep starts at the fold, runs up to the top edge, turns and runs down again: the first part
        // of the picture lies on the band twice, once upside down, its lines packed and bright.
        const float fold = 0.16f;
        const float folded = 0.3f;
        if (v < fold) {
            const float f = v / fold;
            return {2, {folded / 2 * (1 - f), folded / 2 * (1 + f)}, 0.7f + 0.4f * std::exp(-v / 0.012f)};
        }
        return {1, {folded + (v - fold) / (1 - fold) * (1 - folded), 0}, 1.0f};
    }
    case Vertical::Roll: {
        // Caught between two fields: the vertical blanking runs across the screen as a dark bar.
        const float w = std::fmod(v + 0.42f, 1.1f);
        if (w >= 1)
            return {};
        return {1, {w, 0}, 1.0f};
    }
    }
    return {};
}

// Which column of the undistorted picture the beam lights at each column of a row at height `v`; -1 where
// the beam does not reach.
void sourceColumns(Horizontal horizontal, float v, std::vector<int>& columns)
{
    const int width = static_cast<int>(columns.size());
    const float fw = static_cast<float>(width);
    const auto column = [width, fw](float s) {
        return s < 0 || s >= 1 ? -1 : std::min(width - 1, static_cast<int>(s * fw));
    };
    float offset = 0; // for the sweeps that only narrow the picture: s = (u - offset) * stretch
    float stretch = 1;
    switch (horizontal) {
    case Horizontal::Normal:
    case Horizontal::Line: // drawn by the beam itself, down one column
        std::iota(columns.begin(), columns.end(), 0);
        return;
    case Horizontal::Narrow:
        offset = 0.12f;
        stretch = 1 / (1 - 2 * offset);
        break;
    case Horizontal::BowedSides: {
        // Pincushion: full width at the top and bottom, pulled in at the middle.
        const float edge = 2 * v - 1;
        const float across = 1 - 0.14f * (1 - edge * edge);
        offset = (1 - across) / 2;
        stretch = 1 / across;
        break;
    }
    case Horizontal::Unlocked:
        // The AFC pulls the oscillator but cannot hold it: the picture sits shifted, bends near the top
        // where each field's lock is lost, and breaks into a few slanting bars lower down.
        for (int x = 0; x < width; ++x) {
            const float u = (static_cast<float>(x) + 0.5f) / fw;
            const float bend = 0.18f * std::exp(-v / 0.15f);
            const float phase = u + 0.2f + bend + 0.9f * v;
            columns[static_cast<std::size_t>(x)] =
                column(phase - static_cast<float>(static_cast<int>(phase)));
        }
        return;
    case Horizontal::Tearing:
        // Out of horizontal lock: each line starts a little later than the last, so the picture slides
        // sideways down the screen in slanting bars, the line blanking between them.
        for (int x = 0; x < width; ++x) {
            const float u = (static_cast<float>(x) + 0.5f) / fw;
            const float phase = (u + 3.5f * v + 0.3f) / 1.25f; // never negative
            columns[static_cast<std::size_t>(x)] =
                column(1.25f * (phase - static_cast<float>(static_cast<int>(phase))));
        }
        return;
    }
    for (int x = 0; x < width; ++x)
        columns[static_cast<std::size_t>(x)] =
            column(((static_cast<float>(x) + 0.5f) / fw - offset) * stretch);
}

// A sagging high voltage lets the beam deflect further: the picture swells about the centre.
void swell(RowSource& rows, std::vector<int>& columns)
{
    constexpr float grown = 1.07f;
    for (int i = 0; i < rows.count; ++i) {
        float& v = rows.v[static_cast<std::size_t>(i)];
        v = std::clamp(0.5f + (v - 0.5f) / grown, 0.0f, 1.0f);
    }
    const float centre = static_cast<float>(columns.size()) / 2;
    for (int& c : columns)
        if (c >= 0)
            c = static_cast<int>(centre + (static_cast<float>(c) + 0.5f - centre) / grown);
}

// A crushed sync lets the oscillator slip at the start of each field: the top of the picture bends
// sideways, and the rest of it stands where it should.
void bendTop(const Frame& f, float v, std::vector<int>& columns)
{
    const int shift = static_cast<int>(std::lround(0.07f * f.fw * std::exp(-v / 0.07f)));
    if (shift <= 0)
        return;
    for (int x = f.width - 1; x >= 0; --x)
        columns[static_cast<std::size_t>(x)] = x >= shift ? columns[static_cast<std::size_t>(x - shift)] : -1;
}
} // namespace

stages::Frame::Frame(const Appearance& appearance, QSizeF size, qreal scale)
    : a(appearance),
      pixels(std::max(1, qCeil(size.width() * scale)), std::max(1, qCeil(size.height() * scale))),
      width(pixels.width()), height(pixels.height()), fw(static_cast<float>(width)),
      fh(static_cast<float>(height)), px(static_cast<float>(scale)), unit(fh / 240),
      dead(a.power == Power::Dead || a.raster == Raster::None), line(a.vertical == Vertical::Line),
      blank(a.content == Content::Blank), snowOnly(a.content == Content::SnowOnly),
      vline(a.horizontal == Horizontal::Line && !dead)
{
    // The pattern only changes with the size: the last one drawn is kept for the next picture.
    thread_local QImage lastPattern;
    if (!dead && !line && !vline && !blank && !snowOnly) {
        if (lastPattern.size() != pixels || lastPattern.devicePixelRatio() != scale)
            lastPattern = drawPattern(size, pixels, scale);
        pattern = &lastPattern;
    }
    const auto columns = static_cast<std::size_t>(width);
    across.resize(columns);
    sheen.resize(columns);
    chromaCos.resize(columns);
    chromaSin.resize(columns);
    for (std::size_t x = 0; x < columns; ++x) {
        across[x] = (static_cast<float>(x) + 0.5f) / fw;
        const float du = (across[x] - 0.28f) * fw / fh;
        sheen[x] = du * du;
        chromaCos[x] = std::cos(2 * kPi * 2.5f * across[x]);
        chromaSin[x] = std::sin(2 * kPi * 2.5f * across[x]);
    }
}

namespace {

// The beam: the dark glass where it does not land, and where it does, the part of the picture the sweep
// puts there.
void beam(const Frame& f, int y, float v, const RowSource& rows, const std::vector<int>& columns,
          std::vector<Rgb>& row)
{
    const float dv = v - 0.22f;
    for (std::size_t x = 0; x < row.size(); ++x) {
        const float dark = columns[x] < 0 || f.line || f.vline ? glass(f.sheen[x] + dv * dv) : 0.0f;
        row[x] = {dark, dark, dark};
    }
    if (f.vline) {
        // A collapsed line sweep: every line of the field drawn down the same few columns at the middle.
        for (std::size_t x = 0; x < row.size(); ++x) {
            const float distance = std::abs(f.across[x] - 0.5f) * f.fw / f.px;
            const float light = distance <= 1 ? 255.0f : 255.0f * std::max(0.0f, 1 - (distance - 1) / 2) / 2;
            row[x] = {std::max(row[x].r, light), std::max(row[x].g, light), std::max(row[x].b, light)};
        }
        return;
    }
    if (f.line) {
        // A collapsed field: every line of the picture drawn over the same few rows at the middle.
        const float distance = std::abs(static_cast<float>(y) + 0.5f - f.fh / 2) / f.px;
        const float light = distance <= 1 ? 255.0f : 255.0f * std::max(0.0f, 1 - (distance - 1) / 2) / 2;
        for (std::size_t x = 0; x < row.size(); ++x)
            if (columns[x] >= 0)
                row[x] = {std::max(row[x].r, light), std::max(row[x].g, light), std::max(row[x].b, light)};
        return;
    }
    if (f.blank || f.snowOnly) {
        // A raster with nothing on it; with no signal at all, the snow alone lights it.
        const float lit = f.blank ? kRasterLevel : 0.0f;
        for (std::size_t x = 0; x < row.size(); ++x)
            if (columns[x] >= 0)
                row[x] = {lit, lit, lit};
        return;
    }
    const auto sourceRow = [&f](int sy) {
        return reinterpret_cast<const QRgb*>(f.pattern->constScanLine(std::clamp(sy, 0, f.height - 1)));
    };
    // Misconvergence: the red beam lands right of and below the green, the blue left of and above it.
    const bool misconverged = f.a.colour == Colour::Misconvergence;
    const int shiftX = misconverged ? qRound(2.5f * f.unit) : 0;
    const int shiftY = misconverged ? qRound(1.2f * f.unit) : 0;
    for (int i = 0; i < rows.count; ++i) {
        const int sy = std::min(f.height - 1, static_cast<int>(rows.v[static_cast<std::size_t>(i)] * f.fh));
        const QRgb* green = sourceRow(sy);
        const QRgb* red = sourceRow(sy - shiftY);
        const QRgb* blue = sourceRow(sy + shiftY);
        for (std::size_t x = 0; x < row.size(); ++x) {
            const int sx = columns[x];
            if (sx < 0)
                continue;
            row[x].r += rows.gain * static_cast<float>(qRed(red[std::max(0, sx - shiftX)]));
            row[x].g += rows.gain * static_cast<float>(qGreen(green[sx]));
            row[x].b += rows.gain * static_cast<float>(qBlue(blue[std::min(f.width - 1, sx + shiftX)]));
        }
    }
}

// The row as the screen shows it: through the guns that fire, inside the tube's rounded corners.
void show(const Frame& f, int y, const std::vector<Rgb>& row, QRgb* shown)
{
    // A gun that does not fire gives none of its colour anywhere, whatever the picture asks for.
    const Rgb guns{f.a.colour == Colour::NoRed ? 0.0f : 1.0f, f.a.colour == Colour::NoGreen ? 0.0f : 1.0f,
                   f.a.colour == Colour::NoBlue ? 0.0f : 1.0f};
    const float corner = 0.06f * f.fh;
    const float fromEdge = std::min(static_cast<float>(y) + 0.5f, f.fh - static_cast<float>(y) - 0.5f);
    const float inset = fromEdge >= corner
                            ? 0.0f
                            : corner - std::sqrt(corner * corner - (corner - fromEdge) * (corner - fromEdge));
    const int face = std::min(f.width / 2, static_cast<int>(std::ceil(inset - 0.5f)));
    std::fill(shown, shown + face, kMask);
    std::fill(shown + f.width - face, shown + f.width, kMask);
    for (int x = face; x < f.width - face; ++x) {
        const Rgb& c = row[static_cast<std::size_t>(x)];
        shown[x] = qRgb(level(c.r * guns.r), level(c.g * guns.g), level(c.b * guns.b));
    }
}

// The screen as the set shows it, for a screen of `size` logical pixels at `scale`. Each row goes through
// the set's stages in turn, as the signal does: the sweep picks what part of the picture lands where, the
// tuner and video stages shape it, the colour stages tint it, the tube lights it. A defocused tube spreads
// every spot over its neighbours, so its rows are kept until the whole picture is there.
QImage picture(const Appearance& a, QSizeF size, qreal scale)
{
    using namespace stages;
    const Frame f(a, size, scale);
    QImage out(f.pixels, QImage::Format_RGB32);
    out.setDevicePixelRatio(scale);
    // A faint picture goes the same way as a weak one, washed towards grey, only without the grain.
    const bool snowy = a.content == Content::Snow || a.content == Content::Weak ||
                       a.content == Content::Faint || f.snowOnly;
    const bool blooming = a.raster == Raster::Blooming && !f.dead && !f.line && !f.vline;
    std::vector<int> columns(static_cast<std::size_t>(f.width));
    std::vector<Rgb> row(columns.size());
    std::vector<Rgb> kept(blooming ? row.size() * static_cast<std::size_t>(f.height) : 0);
    for (int y = 0; y < f.height; ++y) {
        const float v = (static_cast<float>(y) + 0.5f) / f.fh;
        RowSource rows = f.dead ? RowSource{} : verticalSource(a.vertical, v);
        if (rows.count == 0)
            std::fill(columns.begin(), columns.end(), -1);
        else
            sourceColumns(a.horizontal, f.line ? 0.5f : v, columns);
        if (blooming)
            swell(rows, columns);
        if (a.content == Content::Overloaded && !f.line)
            bendTop(f, v, columns);
        beam(f, y, v, rows, columns, row);
        if (!f.line && !f.vline) {
            if (snowy)
                addSnow(f, y, columns, row);
            if (a.content == Content::Overloaded)
                overload(f, y, columns, row);
            video(f, y, v, columns, row);
        }
        if (a.colour != Colour::Normal)
            tint(f, v, columns, row);
        light(f, v, columns, row);
        if (blooming)
            std::copy(row.begin(), row.end(), kept.begin() + static_cast<std::ptrdiff_t>(y) * f.width);
        else
            show(f, y, row, reinterpret_cast<QRgb*>(out.scanLine(y)));
    }
    if (blooming) {
        defocus(f, kept);
        for (int y = 0; y < f.height; ++y) {
            std::copy(kept.begin() + static_cast<std::ptrdiff_t>(y) * f.width,
                      kept.begin() + static_cast<std::ptrdiff_t>(y + 1) * f.width, row.begin());
            show(f, y, row, reinterpret_cast<QRgb*>(out.scanLine(y)));
        }
    }
    return out;
}
} // namespace

void paintSet(QPainter& painter, const QRectF& screen, const trainer::Appearance& appearance)
{
    if (screen.isEmpty())
        return;
    const QTransform& transform = painter.worldTransform();
    const qreal scale = painter.device()->devicePixelRatioF() * std::hypot(transform.m11(), transform.m12());
    painter.drawImage(screen, picture(appearance, screen.size(), scale));
}

QImage renderSet(const trainer::Appearance& appearance, QSize size, qreal devicePixelRatio)
{
    if (size.isEmpty())
        return {};
    return picture(appearance, QSizeF(size), devicePixelRatio);
}

SetScreen::SetScreen(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleDescription(describe(appearance_));
}

void SetScreen::setAppearance(const trainer::Appearance& appearance)
{
    if (appearance == appearance_)
        return;
    appearance_ = appearance;
    picture_ = {};
    setAccessibleDescription(describe(appearance_));
    update();
}

QSize SetScreen::sizeHint() const
{
    return {320, 240};
}

QSize SetScreen::minimumSizeHint() const
{
    return {160, 120};
}

int SetScreen::heightForWidth(int width) const
{
    return width * 3 / 4;
}

void SetScreen::paintEvent(QPaintEvent* /*event*/)
{
    const qreal scale = devicePixelRatioF();
    if (picture_.isNull() || picture_.deviceIndependentSize() != QSizeF(size()) ||
        picture_.devicePixelRatio() != scale)
        picture_ = renderSet(appearance_, size(), scale);
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
}

} // namespace trainer
