#include "trainer/setpicture.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace trainer {

namespace {
constexpr float kPi = std::numbers::pi_v<float>;

// The cabinet's mask around the tube's rounded corners.
constexpr QRgb kMask = qRgb(26, 26, 26);

// The level of a blank raster: the tube lit evenly, with no picture on it.
constexpr float kRasterLevel = 185.0f;

struct Rgb
{
    float r = 0, g = 0, b = 0;
};

Rgb rgbOf(QRgb pixel)
{
    return {static_cast<float>(qRed(pixel)), static_cast<float>(qGreen(pixel)), static_cast<float>(qBlue(pixel))};
}

float luma(const Rgb& c)
{
    return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b;
}

int level(float value)
{
    return std::clamp(static_cast<int>(value + 0.5f), 0, 255);
}

// The dark glass of a tube with no beam on it, the room's light faintly caught at its upper left.
float glass(float u, float v, float aspect)
{
    const float du = (u - 0.28f) * aspect;
    const float dv = v - 0.22f;
    const float sheen = std::max(0.0f, 1 - (du * du + dv * dv) / 0.3f);
    return 10 + 12 * sheen * sheen;
}

// Turns the colour of a pixel about the grey axis by `angle`: what a wrong chroma phase does to the hues,
// leaving the brightness alone.
Rgb turnHue(const Rgb& c, float angle)
{
    const float y = luma(c);
    const float cr = c.r - y;
    const float cb = c.b - y;
    const float cosine = std::cos(angle);
    const float sine = std::sin(angle);
    const float r = y + cr * cosine - cb * sine;
    const float b = y + cr * sine + cb * cosine;
    return {r, (y - 0.299f * r - 0.114f * b) / 0.587f, b};
}

// Noise from a fixed seed, hashed from a grain's place, so snow is the same each time and at every scale.
float grain(int x, int y)
{
    quint32 h = static_cast<quint32>(x) * 0x8da6b343u ^ static_cast<quint32>(y) * 0xd8163841u ^ 0x2545f491u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return static_cast<float>(h & 0xffu);
}

// The test pattern at full health, in logical coordinates: a white crosshatch on grey, a circle, and inside
// it colour bars (white, yellow, cyan, green, magenta, red, blue, black), a black strip with a centre cross
// and a grey scale from black to white.
QImage pattern(QSizeF size, QSize pixels, qreal scale)
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
        p.fillRect(QRectF(circle.left() + bar * static_cast<qreal>(i), 0.25 * h, bar, 0.21 * h), QColor(bars[i]));
    p.fillRect(QRectF(circle.left(), 0.46 * h, circle.width(), 0.08 * h), QColor(16, 16, 16));
    const qreal step = circle.width() / 6;
    for (int i = 0; i < 6; ++i)
        p.fillRect(QRectF(circle.left() + step * i, 0.54 * h, step, 0.19 * h), QColor::fromRgb(qRgb(
                                                                                     16 + 44 * i, 16 + 44 * i, 16 + 44 * i)));
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
    int count = 0;                 // 0: the beam never reaches the row
    std::array<float, 2> v = {};   // in the picture's height, 0 to 1
    float gain = 1.0f; // on the sum of the sources
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

// Where, across the undistorted picture, the beam at `u` on a row at height `v` comes from; negative where
// the beam does not reach.
float horizontalSource(Horizontal horizontal, float u, float v)
{
    switch (horizontal) {
    case Horizontal::Normal:
        return u;
    case Horizontal::Narrow: {
        const float side = 0.12f;
        return u < side || u > 1 - side ? -1.0f : (u - side) / (1 - 2 * side);
    }
    case Horizontal::BowedSides: {
        // Pincushion: full width at the top and bottom, pulled in at the middle.
        const float edge = 2 * v - 1;
        const float width = 1 - 0.14f * (1 - edge * edge);
        const float s = (u - 0.5f) / width + 0.5f;
        return s < 0 || s > 1 ? -1.0f : s;
    }
    case Horizontal::Tearing: {
        // Out of horizontal lock: each line starts a little later than the last, so the picture slides
        // sideways down the screen in slanting bars, the line blanking between them.
        const float w = std::fmod(u + 1.8f * v + 0.3f, 1.2f);
        return w >= 1 ? -1.0f : w;
    }
    }
    return u;
}

// The colour gains of a tube with purity errors: each corner stained by its own blotch.
Rgb purityGains(float u, float v, float aspect)
{
    struct Blotch
    {
        float u, v;
        Rgb gains; // at the blotch's heart
    };
    static constexpr std::array<Blotch, 4> blotches = {{{0.0f, 0.0f, {1.0f, 0.35f, 0.9f}},
                                                        {1.0f, 0.05f, {0.4f, 1.0f, 0.45f}},
                                                        {0.05f, 1.0f, {0.45f, 1.0f, 0.5f}},
                                                        {1.0f, 1.0f, {1.0f, 0.4f, 0.4f}}}};
    Rgb gains{1, 1, 1};
    for (const Blotch& blotch : blotches) {
        const float du = (u - blotch.u) * aspect;
        const float dv = v - blotch.v;
        const float reach = std::max(0.0f, 1 - std::sqrt(du * du + dv * dv) / 0.5f);
        const float weight = reach * reach * (3 - 2 * reach);
        gains.r *= 1 - weight * (1 - blotch.gains.r);
        gains.g *= 1 - weight * (1 - blotch.gains.g);
        gains.b *= 1 - weight * (1 - blotch.gains.b);
    }
    return gains;
}

// The screen as the set shows it, `pixels` device pixels at `scale` for a screen of `size` logical pixels.
QImage picture(const Appearance& a, QSizeF size, qreal scale)
{
    const QSize pixels(std::max(1, qCeil(size.width() * scale)), std::max(1, qCeil(size.height() * scale)));
    QImage out(pixels, QImage::Format_RGB32);
    out.setDevicePixelRatio(scale);
    const int width = pixels.width();
    const int height = pixels.height();
    const float fw = static_cast<float>(width);
    const float fh = static_cast<float>(height);
    const float px = static_cast<float>(scale); // device pixels to a logical pixel

    const bool dead = a.power == Power::Dead || a.raster == Raster::None;
    const bool line = a.vertical == Vertical::Line;
    const bool blank = a.content == Content::Blank;
    const QImage source = dead || line || blank ? QImage() : pattern(size, pixels, scale);

    // Misconvergence: the red beam lands right of and below the green, the blue left of and above it.
    const bool misconverged = a.colour == Colour::Misconvergence;
    const float shiftU = 2.5f * px / fw;
    const float shiftV = 1.2f * px / fh;

    const float dim = a.raster == Raster::Dark ? 0.22f : 1.0f;
    const bool bright = a.raster == Raster::TooBright;
    const float smear = a.content == Content::Smear ? 1 - std::exp(-1 / (7 * px)) : 0.0f;
    const float aspect = fw / fh;
    const float corner = 0.06f * fh; // the tube's rounded corners, in device pixels

    const auto sample = [&](float u, float v) {
        const int x = std::clamp(static_cast<int>(u * fw), 0, width - 1);
        const int y = std::clamp(static_cast<int>(v * fh), 0, height - 1);
        return rgbOf(reinterpret_cast<const QRgb*>(source.constScanLine(y))[x]);
    };

    std::vector<Rgb> row(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        const float v = (static_cast<float>(y) + 0.5f) / fh;
        const RowSource rows = dead ? RowSource{} : verticalSource(a.vertical, v);
        // A collapsed field: every line of the picture drawn over the same few rows at the middle.
        const float lineDistance = std::abs(static_cast<float>(y) + 0.5f - fh / 2) / px;
        const float lineLight = lineDistance <= 1 ? 255.0f : 255.0f * std::max(0.0f, 1 - (lineDistance - 1) / 2) / 2;
        const float hum = a.humBars && !line ? 1 - 0.5f * std::pow(std::max(0.0f, std::cos(4 * kPi * (v - 0.3f))), 2.0f)
                                             : 1.0f;
        const int snowRow = static_cast<int>(static_cast<float>(y) / px);
        Rgb trail;

        for (int x = 0; x < width; ++x) {
            const float u = (static_cast<float>(x) + 0.5f) / fw;
            Rgb c;
            const float su = rows.count == 0 ? -1.0f : horizontalSource(a.horizontal, u, line ? 0.5f : v);
            if (su < 0) {
                const float dark = glass(u, v, aspect);
                c = {dark, dark, dark};
            } else {
                if (line) {
                    const float light = std::max(glass(u, v, aspect), lineLight);
                    c = {light, light, light};
                } else if (blank) {
                    c = {kRasterLevel, kRasterLevel, kRasterLevel};
                } else {
                    c = {};
                    for (int i = 0; i < rows.count; ++i) {
                        const float sv = rows.v[static_cast<std::size_t>(i)];
                        if (misconverged) {
                            c.r += sample(su + shiftU, sv + shiftV).r;
                            c.g += sample(su, sv).g;
                            c.b += sample(su - shiftU, sv - shiftV).b;
                        } else {
                            const Rgb s = sample(su, sv);
                            c = {c.r + s.r, c.g + s.g, c.b + s.b};
                        }
                    }
                    c = {c.r * rows.gain, c.g * rows.gain, c.b * rows.gain};
                }
                if (a.content == Content::Snow || a.content == Content::Weak) {
                    const float noise = grain(static_cast<int>(static_cast<float>(x) / (2 * px)), snowRow);
                    const bool snow = a.content == Content::Snow;
                    const float keep = snow ? 0.35f : 0.4f;
                    const float add = snow ? 0.65f * noise : 0.6f * 95.0f + 0.12f * (noise - 128);
                    c = {keep * c.r + add, keep * c.g + add, keep * c.b + add};
                }
                switch (a.colour) {
                case Colour::None: {
                    const float y0 = luma(c);
                    c = {y0, y0, y0};
                    break;
                }
                case Colour::WrongHues:
                    c = turnHue(c, 2.0f);
                    break;
                case Colour::Unlocked:
                    c = turnHue(c, 2 * kPi * (2.5f * u + 1.5f * v));
                    break;
                case Colour::Purity: {
                    const Rgb gains = purityGains(u, v, aspect);
                    c = {c.r * gains.r, c.g * gains.g, c.b * gains.b};
                    break;
                }
                default:
                    break;
                }
                const float gain = hum * dim;
                c = {c.r * gain, c.g * gain, c.b * gain};
                if (bright) {
                    // The black level lifted, and the beam seen on its way back up the screen.
                    const float lines = 12;
                    const float d = std::fmod((v + u / lines) * lines, 1.0f);
                    const float distance = std::min(d, 1 - d) * fh / lines;
                    const float retrace = 80 * std::max(0.0f, 1 - distance / (0.9f * px));
                    c = {85 + 0.8f * c.r + retrace, 85 + 0.8f * c.g + retrace, 85 + 0.8f * c.b + retrace};
                }
            }
            if (smear > 0) {
                // A slow video stage: the signal lags behind every change, and the lag trails to the right
                // of each edge, while the edge itself keeps some of its sharpness.
                trail = x == 0 ? c
                               : Rgb{trail.r + smear * (c.r - trail.r), trail.g + smear * (c.g - trail.g),
                                     trail.b + smear * (c.b - trail.b)};
                c = {0.4f * c.r + 0.6f * trail.r, 0.4f * c.g + 0.6f * trail.g, 0.4f * c.b + 0.6f * trail.b};
            }
            row[static_cast<std::size_t>(x)] = c;
        }

        auto* pixelsOfRow = reinterpret_cast<QRgb*>(out.scanLine(y));
        // The rounded corners of the tube: how far in from each side this row's face begins.
        const float fromEdge = std::min(static_cast<float>(y) + 0.5f, fh - static_cast<float>(y) - 0.5f);
        const float inset =
            fromEdge >= corner ? 0.0f : corner - std::sqrt(corner * corner - (corner - fromEdge) * (corner - fromEdge));
        for (int x = 0; x < width; ++x) {
            const float fx = static_cast<float>(x) + 0.5f;
            if (fx < inset || fx > fw - inset) {
                pixelsOfRow[x] = kMask;
                continue;
            }
            Rgb c = row[static_cast<std::size_t>(x)];
            // A gun that does not fire gives none of its colour anywhere, whatever the picture asks for.
            if (a.colour == Colour::NoRed)
                c.r = 0;
            else if (a.colour == Colour::NoGreen)
                c.g = 0;
            else if (a.colour == Colour::NoBlue)
                c.b = 0;
            pixelsOfRow[x] = qRgb(level(c.r), level(c.g), level(c.b));
        }
    }
    return out;
}
} // namespace

void paintSet(QPainter& painter, const QRectF& screen, const trainer::Appearance& appearance)
{
    const QTransform& transform = painter.worldTransform();
    const qreal scale = painter.device()->devicePixelRatioF() * std::hypot(transform.m11(), transform.m12());
    painter.drawImage(screen, picture(appearance, screen.size(), scale));
}

QImage renderSet(const trainer::Appearance& appearance, QSize size, qreal devicePixelRatio)
{
    return picture(appearance, QSizeF(size), devicePixelRatio);
}

SetScreen::SetScreen(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
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
