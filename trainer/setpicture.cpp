#include "trainer/setpicture.h"

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

float luma(const Rgb& c)
{
    return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b;
}

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

// Turns the colour of a pixel about the grey axis by the angle of this cosine and sine: what a wrong chroma
// phase does to the hues, leaving the brightness alone.
Rgb turnHue(const Rgb& c, float cosine, float sine)
{
    const float y = luma(c);
    const float cr = c.r - y;
    const float cb = c.b - y;
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
        // Short, with the sweep slowing towards the bottom: the lines crowd together there.
        const float t = v / 0.82f;
        if (t > 1)
            return {};
        return {1, {1 - (1 - t) * (1 - t) * 0.55f - (1 - t) * 0.45f, 0}, 0.8f + 0.4f * t};
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
        const float reach = std::max(0.0f, 1 - (du * du + dv * dv) / 0.3f);
        const float weight = reach * reach;
        gains.r *= 1 - weight * (1 - blotch.gains.r);
        gains.g *= 1 - weight * (1 - blotch.gains.g);
        gains.b *= 1 - weight * (1 - blotch.gains.b);
    }
    return gains;
}

// What every row of one picture shares: the appearance, the sizes, the pattern and what depends on the
// column alone.
struct Frame
{
    Frame(const Appearance& appearance, QSizeF size, qreal scale);

    const Appearance& a;
    QSize pixels;
    int width, height;
    float fw, fh;
    float px; // device pixels to a logical pixel
    bool dead, line, blank;
    const QImage* pattern = nullptr;         // null where no picture reaches the screen
    std::vector<float> across;               // each column's place across the screen, 0 to 1
    std::vector<float> sheen;                // each column's share of the glass's reflection
    std::vector<float> chromaCos, chromaSin; // each column's share of a drifting chroma phase
};

Frame::Frame(const Appearance& appearance, QSizeF size, qreal scale)
    : a(appearance),
      pixels(std::max(1, qCeil(size.width() * scale)), std::max(1, qCeil(size.height() * scale))),
      width(pixels.width()), height(pixels.height()), fw(static_cast<float>(width)),
      fh(static_cast<float>(height)), px(static_cast<float>(scale)),
      dead(a.power == Power::Dead || a.raster == Raster::None), line(a.vertical == Vertical::Line),
      blank(a.content == Content::Blank)
{
    // The pattern only changes with the size: the last one drawn is kept for the next picture.
    thread_local QImage lastPattern;
    if (!dead && !line && !blank) {
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

// The beam: the dark glass where it does not land, and where it does, the part of the picture the sweep
// puts there.
void beam(const Frame& f, int y, float v, const RowSource& rows, const std::vector<int>& columns,
          std::vector<Rgb>& row)
{
    const float dv = v - 0.22f;
    for (std::size_t x = 0; x < row.size(); ++x) {
        const float dark = columns[x] < 0 || f.line ? glass(f.sheen[x] + dv * dv) : 0.0f;
        row[x] = {dark, dark, dark};
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
    if (f.blank) {
        for (std::size_t x = 0; x < row.size(); ++x)
            if (columns[x] >= 0)
                row[x] = {kRasterLevel, kRasterLevel, kRasterLevel};
        return;
    }
    const auto sourceRow = [&f](int sy) {
        return reinterpret_cast<const QRgb*>(f.pattern->constScanLine(std::clamp(sy, 0, f.height - 1)));
    };
    // Misconvergence: the red beam lands right of and below the green, the blue left of and above it.
    const bool misconverged = f.a.colour == Colour::Misconvergence;
    const int shiftX = misconverged ? qRound(2.5f * f.px) : 0;
    const int shiftY = misconverged ? qRound(1.2f * f.px) : 0;
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

// The video stages: snow from a weak or missing signal.
void addSnow(const Frame& f, int y, const std::vector<int>& columns, std::vector<Rgb>& row)
{
    const bool snow = f.a.content == Content::Snow;
    const float keep = snow ? 0.35f : 0.4f;
    const int grainRow = static_cast<int>(static_cast<float>(y) / f.px);
    for (std::size_t x = 0; x < row.size(); ++x) {
        if (columns[x] < 0)
            continue;
        const float noise = grain(static_cast<int>(static_cast<float>(x) / (2 * f.px)), grainRow);
        const float add = snow ? 0.65f * noise : 0.6f * 95.0f + 0.12f * (noise - 128);
        row[x] = {keep * row[x].r + add, keep * row[x].g + add, keep * row[x].b + add};
    }
}

// The colour stages: no colour, wrong or drifting hues, purity stains.
void tint(const Frame& f, float v, const std::vector<int>& columns, std::vector<Rgb>& row)
{
    const float rowCos = std::cos(2 * kPi * 1.5f * v);
    const float rowSin = std::sin(2 * kPi * 1.5f * v);
    Rgb stain;
    for (std::size_t x = 0; x < row.size(); ++x) {
        // Purity stains change slowly across the screen: worked out on every fourth column.
        if (f.a.colour == Colour::Purity && x % 4 == 0)
            stain = purityGains(f.across[x], v, f.fw / f.fh);
        if (columns[x] < 0)
            continue;
        Rgb& c = row[x];
        switch (f.a.colour) {
        case Colour::None: {
            const float grey = luma(c);
            c = {grey, grey, grey};
            break;
        }
        case Colour::WrongHues:
            c = turnHue(c, -0.416f, 0.909f); // about 115 degrees
            break;
        case Colour::Unlocked:
            // The chroma phase slips through the picture, a full turn every few bands.
            c = turnHue(c, f.chromaCos[x] * rowCos - f.chromaSin[x] * rowSin,
                        f.chromaSin[x] * rowCos + f.chromaCos[x] * rowSin);
            break;
        case Colour::Purity:
            c = {c.r * stain.r, c.g * stain.g, c.b * stain.b};
            break;
        default:
            break;
        }
    }
}

// The tube's light: hum bars, a dim or a too bright picture.
void light(const Frame& f, float v, const std::vector<int>& columns, std::vector<Rgb>& row)
{
    const float dim = f.a.raster == Raster::Dark ? 0.22f : 1.0f;
    const float hum = f.a.humBars && !f.line
                          ? 1 - 0.5f * std::pow(std::max(0.0f, std::cos(4 * kPi * (v - 0.3f))), 2.0f)
                          : 1.0f;
    const float gain = dim * hum;
    const bool bright = f.a.raster == Raster::TooBright;
    // A dozen retrace lines, each about a logical pixel and a half wide.
    const float retraceSharpness = f.fh / 12 / (0.7f * f.px);
    if (gain == 1 && !bright)
        return;
    for (std::size_t x = 0; x < row.size(); ++x) {
        if (columns[x] < 0)
            continue;
        Rgb& c = row[x];
        c = {c.r * gain, c.g * gain, c.b * gain};
        if (bright) {
            // The black level lifted, and the beam seen on its way back up the screen: a dozen lines, each
            // rising by a twelfth of the height as it crosses.
            const float phase = 12 * v + f.across[x];
            const float d = phase - static_cast<float>(static_cast<int>(phase)); // never negative
            const float retrace = 55 * std::max(0.0f, 1 - std::min(d, 1 - d) * retraceSharpness);
            c = {85 + 0.8f * c.r + retrace, 85 + 0.8f * c.g + retrace, 85 + 0.8f * c.b + retrace};
        }
    }
}

// A slow video stage: the signal lags behind every change, and the lag trails to the right of each edge,
// while the edge itself keeps some of its sharpness.
void smear(const Frame& f, std::vector<Rgb>& row)
{
    const float follow = 1 - std::exp(-1 / (7 * f.px));
    Rgb trail = row.front();
    for (Rgb& c : row) {
        trail = {trail.r + follow * (c.r - trail.r), trail.g + follow * (c.g - trail.g),
                 trail.b + follow * (c.b - trail.b)};
        c = {0.4f * c.r + 0.6f * trail.r, 0.4f * c.g + 0.6f * trail.g, 0.4f * c.b + 0.6f * trail.b};
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
// video stages shape it, the colour stages tint it, the tube lights it.
QImage picture(const Appearance& a, QSizeF size, qreal scale)
{
    const Frame f(a, size, scale);
    QImage out(f.pixels, QImage::Format_RGB32);
    out.setDevicePixelRatio(scale);
    const bool tinted = a.colour == Colour::None || a.colour == Colour::WrongHues ||
                        a.colour == Colour::Unlocked || a.colour == Colour::Purity;
    std::vector<int> columns(static_cast<std::size_t>(f.width));
    std::vector<Rgb> row(columns.size());
    for (int y = 0; y < f.height; ++y) {
        const float v = (static_cast<float>(y) + 0.5f) / f.fh;
        const RowSource rows = f.dead ? RowSource{} : verticalSource(a.vertical, v);
        if (rows.count == 0)
            std::fill(columns.begin(), columns.end(), -1);
        else
            sourceColumns(a.horizontal, f.line ? 0.5f : v, columns);
        beam(f, y, v, rows, columns, row);
        if (a.content == Content::Snow || a.content == Content::Weak)
            addSnow(f, y, columns, row);
        if (tinted)
            tint(f, v, columns, row);
        light(f, v, columns, row);
        if (a.content == Content::Smear)
            smear(f, row);
        show(f, y, row, reinterpret_cast<QRgb*>(out.scanLine(y)));
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
