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

// The screen as the set shows it, for a screen of `size` logical pixels at `scale`. Each row goes through
// the set's stages in turn, as the signal does: the sweep picks what part of the picture lands where, the
// video stages shape it, the colour stages tint it, the tube lights it.
QImage picture(const Appearance& a, QSizeF size, qreal scale)
{
    const QSize pixels(std::max(1, qCeil(size.width() * scale)), std::max(1, qCeil(size.height() * scale)));
    QImage out(pixels, QImage::Format_RGB32);
    out.setDevicePixelRatio(scale);
    const int width = pixels.width();
    const int height = pixels.height();
    const auto columnCount = static_cast<std::size_t>(width);
    const float fw = static_cast<float>(width);
    const float fh = static_cast<float>(height);
    const float px = static_cast<float>(scale); // device pixels to a logical pixel
    const float aspect = fw / fh;

    const bool dead = a.power == Power::Dead || a.raster == Raster::None;
    const bool line = a.vertical == Vertical::Line;
    const bool blank = a.content == Content::Blank;
    // The pattern only changes with the size: the last one drawn is kept for the next picture.
    thread_local QImage lastPattern;
    if (!dead && !line && !blank && (lastPattern.size() != pixels || lastPattern.devicePixelRatio() != scale))
        lastPattern = pattern(size, pixels, scale);
    const QImage& source = lastPattern;
    const auto sourceRow = [&source, height](int y) {
        return reinterpret_cast<const QRgb*>(source.constScanLine(std::clamp(y, 0, height - 1)));
    };

    // Misconvergence: the red beam lands right of and below the green, the blue left of and above it.
    const bool misconverged = a.colour == Colour::Misconvergence;
    const int shiftX = qRound(2.5f * px);
    const int shiftY = qRound(1.2f * px);

    const float dim = a.raster == Raster::Dark ? 0.22f : 1.0f;
    const bool bright = a.raster == Raster::TooBright;
    const float retraceSharpness =
        fh / 12 / (0.7f * px); // a retrace line about a logical pixel and a half wide
    const bool tinted = a.colour == Colour::None || a.colour == Colour::WrongHues ||
                        a.colour == Colour::Unlocked || a.colour == Colour::Purity;
    const float smear = a.content == Content::Smear ? 1 - std::exp(-1 / (7 * px)) : 0.0f;
    const float corner = 0.06f * fh; // the tube's rounded corners, in device pixels
    // A gun that does not fire gives none of its colour anywhere, whatever the picture asks for.
    const Rgb guns{a.colour == Colour::NoRed ? 0.0f : 1.0f, a.colour == Colour::NoGreen ? 0.0f : 1.0f,
                   a.colour == Colour::NoBlue ? 0.0f : 1.0f};

    // What depends on the column alone.
    std::vector<float> across(columnCount), sheenAcross(columnCount), chromaCos(columnCount),
        chromaSin(columnCount);
    for (std::size_t x = 0; x < columnCount; ++x) {
        across[x] = (static_cast<float>(x) + 0.5f) / fw;
        const float du = (across[x] - 0.28f) * aspect;
        sheenAcross[x] = du * du;
        chromaCos[x] = std::cos(2 * kPi * 2.5f * across[x]);
        chromaSin[x] = std::sin(2 * kPi * 2.5f * across[x]);
    }

    std::vector<int> columns(columnCount);
    std::vector<Rgb> row(columnCount);
    for (int y = 0; y < height; ++y) {
        const float v = (static_cast<float>(y) + 0.5f) / fh;
        const RowSource rows = dead ? RowSource{} : verticalSource(a.vertical, v);
        if (rows.count == 0)
            std::fill(columns.begin(), columns.end(), -1);
        else
            sourceColumns(a.horizontal, line ? 0.5f : v, columns);

        // The dark glass, then the beam where it lands.
        const float dv = v - 0.22f;
        for (std::size_t x = 0; x < columnCount; ++x) {
            const float dark = columns[x] < 0 || line ? glass(sheenAcross[x] + dv * dv) : 0.0f;
            row[x] = {dark, dark, dark};
        }
        if (line) {
            // A collapsed field: every line of the picture drawn over the same few rows at the middle.
            const float distance = std::abs(static_cast<float>(y) + 0.5f - fh / 2) / px;
            const float light = distance <= 1 ? 255.0f : 255.0f * std::max(0.0f, 1 - (distance - 1) / 2) / 2;
            for (std::size_t x = 0; x < columnCount; ++x)
                if (columns[x] >= 0)
                    row[x] = {std::max(row[x].r, light), std::max(row[x].g, light),
                              std::max(row[x].b, light)};
        } else if (blank) {
            for (std::size_t x = 0; x < columnCount; ++x)
                if (columns[x] >= 0)
                    row[x] = {kRasterLevel, kRasterLevel, kRasterLevel};
        } else if (rows.count > 0) {
            for (int i = 0; i < rows.count; ++i) {
                const int sy =
                    std::min(height - 1, static_cast<int>(rows.v[static_cast<std::size_t>(i)] * fh));
                const QRgb* green = sourceRow(sy);
                if (!misconverged) {
                    for (std::size_t x = 0; x < columnCount; ++x) {
                        if (columns[x] < 0)
                            continue;
                        const QRgb p = green[columns[x]];
                        row[x].r += rows.gain * static_cast<float>(qRed(p));
                        row[x].g += rows.gain * static_cast<float>(qGreen(p));
                        row[x].b += rows.gain * static_cast<float>(qBlue(p));
                    }
                    continue;
                }
                const QRgb* red = sourceRow(sy - shiftY);
                const QRgb* blue = sourceRow(sy + shiftY);
                for (std::size_t x = 0; x < columnCount; ++x) {
                    const int sx = columns[x];
                    if (sx < 0)
                        continue;
                    row[x].r += rows.gain * static_cast<float>(qRed(red[std::max(0, sx - shiftX)]));
                    row[x].g += rows.gain * static_cast<float>(qGreen(green[sx]));
                    row[x].b += rows.gain * static_cast<float>(qBlue(blue[std::min(width - 1, sx + shiftX)]));
                }
            }
        }

        // The video stages: snow from a weak or missing signal.
        if (a.content == Content::Snow || a.content == Content::Weak) {
            const bool snow = a.content == Content::Snow;
            const float keep = snow ? 0.35f : 0.4f;
            const int grainRow = static_cast<int>(static_cast<float>(y) / px);
            for (std::size_t x = 0; x < columnCount; ++x) {
                if (columns[x] < 0)
                    continue;
                const float noise = grain(static_cast<int>(static_cast<float>(x) / (2 * px)), grainRow);
                const float add = snow ? 0.65f * noise : 0.6f * 95.0f + 0.12f * (noise - 128);
                row[x] = {keep * row[x].r + add, keep * row[x].g + add, keep * row[x].b + add};
            }
        }

        // The colour stages.
        const float rowCos = std::cos(2 * kPi * 1.5f * v);
        const float rowSin = std::sin(2 * kPi * 1.5f * v);
        Rgb stain;
        for (std::size_t x = 0; x < columnCount && tinted; ++x) {
            // Purity stains change slowly across the screen: worked out on every fourth column.
            if (a.colour == Colour::Purity && x % 4 == 0)
                stain = purityGains(across[x], v, aspect);
            if (columns[x] < 0)
                continue;
            Rgb& c = row[x];
            switch (a.colour) {
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
                c = turnHue(c, chromaCos[x] * rowCos - chromaSin[x] * rowSin,
                            chromaSin[x] * rowCos + chromaCos[x] * rowSin);
                break;
            case Colour::Purity: {
                c = {c.r * stain.r, c.g * stain.g, c.b * stain.b};
                break;
            }
            default:
                break;
            }
        }

        // The tube: hum bars and brightness.
        const float gain =
            dim * (a.humBars && !line
                       ? 1 - 0.5f * std::pow(std::max(0.0f, std::cos(4 * kPi * (v - 0.3f))), 2.0f)
                       : 1.0f);
        for (std::size_t x = 0; x < columnCount && (gain != 1 || bright); ++x) {
            if (columns[x] < 0)
                continue;
            Rgb& c = row[x];
            c = {c.r * gain, c.g * gain, c.b * gain};
            if (bright) {
                // The black level lifted, and the beam seen on its way back up the screen: a dozen lines,
                // each rising by a twelfth of the height as it crosses.
                const float phase = 12 * v + across[x];
                const float d = phase - static_cast<float>(static_cast<int>(phase)); // never negative
                const float retrace = 55 * std::max(0.0f, 1 - std::min(d, 1 - d) * retraceSharpness);
                c = {85 + 0.8f * c.r + retrace, 85 + 0.8f * c.g + retrace, 85 + 0.8f * c.b + retrace};
            }
        }

        if (smear > 0) {
            // A slow video stage: the signal lags behind every change, and the lag trails to the right of
            // each edge, while the edge itself keeps some of its sharpness.
            Rgb trail = row[0];
            for (Rgb& c : row) {
                trail = {trail.r + smear * (c.r - trail.r), trail.g + smear * (c.g - trail.g),
                         trail.b + smear * (c.b - trail.b)};
                c = {0.4f * c.r + 0.6f * trail.r, 0.4f * c.g + 0.6f * trail.g, 0.4f * c.b + 0.6f * trail.b};
            }
        }

        auto* shown = reinterpret_cast<QRgb*>(out.scanLine(y));
        // The rounded corners of the tube: how far in from each side this row's face begins.
        const float fromEdge = std::min(static_cast<float>(y) + 0.5f, fh - static_cast<float>(y) - 0.5f);
        const float inset =
            fromEdge >= corner
                ? 0.0f
                : corner - std::sqrt(corner * corner - (corner - fromEdge) * (corner - fromEdge));
        const int face = std::min(width / 2, static_cast<int>(std::ceil(inset - 0.5f)));
        std::fill(shown, shown + face, kMask);
        std::fill(shown + width - face, shown + width, kMask);
        for (int x = face; x < width - face; ++x) {
            const Rgb& c = row[static_cast<std::size_t>(x)];
            shown[x] = qRgb(level(c.r * guns.r), level(c.g * guns.g), level(c.b * guns.b));
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
