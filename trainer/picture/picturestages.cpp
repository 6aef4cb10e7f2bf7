#include "trainer/picture/picturestages.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace trainer::stages {

namespace {
constexpr float kPi = std::numbers::pi_v<float>;

// A wave along a row: its phase grows by the same step from one pixel to the next, so the next sine and
// cosine come from turning the last by the step, with no sine worked out per pixel.
class Wave
{
public:
    // `start` and `step` in turns.
    Wave(float start, float step)
        : c_(std::cos(2 * kPi * start)), s_(std::sin(2 * kPi * start)), dc_(std::cos(2 * kPi * step)),
          ds_(std::sin(2 * kPi * step))
    {}
    float sine() const { return s_; }
    float cosine() const { return c_; }
    void next()
    {
        const float c = c_ * dc_ - s_ * ds_;
        s_ = s_ * dc_ + c_ * ds_;
        c_ = c;
    }

private:
    float c_, s_, dc_, ds_;
};

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

// The colour-difference signals of a pixel, and the pixel built again from them. The set demodulates R-Y
// and B-Y and its matrix makes G-Y from the two; a channel lost leaves its colour at the brightness alone.
struct Difference
{
    float y, ry, by;
};

Difference differences(const Rgb& c)
{
    const float y = luma(c);
    return {y, c.r - y, c.b - y};
}

Rgb rebuilt(const Difference& d, bool matrixGreen = true, float gy = 0)
{
    const float green = matrixGreen ? -0.509f * d.ry - 0.194f * d.by : gy;
    return {d.y + d.ry, d.y + green, d.y + d.by};
}

// Turns the colour of a pixel about the grey axis by the angle of this cosine and sine: what a wrong chroma
// phase does to every hue, leaving the brightness alone.
Rgb turnHue(const Rgb& c, float cosine, float sine)
{
    const Difference d = differences(c);
    return rebuilt({d.y, d.ry * cosine - d.by * sine, d.ry * sine + d.by * cosine});
}

// The B-Y demodulator fed a reference moved off its axis: it reads part of the R-Y signal as B-Y. Hues near
// the B-Y axis (yellows, blues) stay right and skin tones nearly so, while greens and magentas turn.
Rgb shiftAxis(const Rgb& c)
{
    const float cosine = 0.819f, sine = -0.574f; // about 35 degrees
    const Difference d = differences(c);
    // R-Y and B-Y are sent at different weights (0.877 and 0.493): the moved axis reads R-Y at their ratio.
    return rebuilt({d.y, d.ry, d.by * cosine + d.ry * (0.877f / 0.493f) * sine});
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

Rgb mix(const Rgb& a, const Rgb& b, float share)
{
    return {a.r + share * (b.r - a.r), a.g + share * (b.g - a.g), a.b + share * (b.b - a.b)};
}

// A slow video stage: the signal lags behind every change, and the lag trails to the right of each edge,
// while the edge itself keeps some of its sharpness.
void smear(const Frame& f, std::vector<Rgb>& row)
{
    const float follow = 1 - std::exp(-1 / (7 * f.unit));
    Rgb trail = row.front();
    for (Rgb& c : row) {
        trail = mix(trail, c, follow);
        c = mix(c, trail, 0.6f);
    }
}

// An open delay-line termination: the line's far end reflects, so each edge comes again a little later and
// weaker (a ghost to the right), and rings once close beside itself.
void ghost(const Frame& f, std::vector<Rgb>& row)
{
    const std::vector<Rgb> sent = row;
    const auto at = [&sent](int x) { return sent[static_cast<std::size_t>(std::max(0, x))]; };
    const int echo = std::max(2, static_cast<int>(std::lround(0.035f * f.fw)));
    const int ring = std::max(1, static_cast<int>(std::lround(2.5f * f.unit)));
    for (int x = 0; x < f.width; ++x) {
        const Rgb c = at(x), late = at(x - echo), near = at(x - ring);
        row[static_cast<std::size_t>(x)] = {c.r + 0.38f * (late.r - c.r) - 0.25f * (near.r - c.r),
                                            c.g + 0.38f * (late.g - c.g) - 0.25f * (near.g - c.g),
                                            c.b + 0.38f * (late.b - c.b) - 0.25f * (near.b - c.b)};
    }
}

// The luminance lost: only the chroma reaches the tube, on a flat level, and the chroma's narrow band
// softens every colour into a blotch.
void chromaOnly(const Frame& f, std::vector<Rgb>& row)
{
    const float follow = 1 - std::exp(-1 / (6 * f.unit));
    std::vector<Difference> soft(row.size());
    Difference run = differences(row.front());
    for (std::size_t x = 0; x < row.size(); ++x) {
        const Difference d = differences(row[x]);
        run = {0, run.ry + follow * (d.ry - run.ry), run.by + follow * (d.by - run.by)};
        soft[x] = run;
    }
    run = soft.back();
    for (std::size_t x = row.size(); x-- > 0;) {
        run = {0, run.ry + follow * (soft[x].ry - run.ry), run.by + follow * (soft[x].by - run.by)};
        row[x] = rebuilt({100, run.ry, run.by});
    }
}

// The 4.5 MHz sound carrier beating with the picture: fine slanting bars that turn back on themselves in a
// herringbone and swell and fade with the sound.
void soundBars(const Frame& f, int y, float v, std::vector<Rgb>& row)
{
    // In pixels of a 240-line screen, so that the bars are as fine on any size of screen; never finer than
    // three device pixels, or they would alias into coarse false bars.
    const float period = std::max(3 / f.unit, 3.2f);
    const float band = 12;
    const float down = (static_cast<float>(y) + 0.5f) / f.unit;
    const float across = std::abs(std::fmod(down / band, 1.0f) - 0.5f) * band * 1.6f;
    const float strength = 20 + 10 * std::sin(2 * kPi * (3.1f * v + 0.2f));
    Wave wave((0.5f / f.unit + across) / period, 1 / (f.unit * period));
    for (int x = 0; x < f.width; ++x, wave.next()) {
        const float bar = strength * wave.sine();
        Rgb& c = row[static_cast<std::size_t>(x)];
        c = {c.r + bar, c.g + bar, c.b + bar};
    }
}
} // namespace

void addSnow(const Frame& f, int y, const std::vector<int>& columns, std::vector<Rgb>& row)
{
    const Content content = f.a.content;
    const float keep = content == Content::SnowOnly ? 0.0f : content == Content::Snow ? 0.35f : 0.4f;
    const int grainRow = static_cast<int>(static_cast<float>(y) / f.unit);
    for (std::size_t x = 0; x < row.size(); ++x) {
        if (columns[x] < 0)
            continue;
        const float noise = grain(static_cast<int>(static_cast<float>(x) / (2 * f.unit)), grainRow);
        const float grainShare = content == Content::Faint ? 0.0f : 0.12f;
        const float add = content == Content::SnowOnly ? 30 + 0.75f * noise
                          : content == Content::Snow   ? 0.65f * noise
                                                       : 0.6f * 95.0f + grainShare * (noise - 128);
        row[x] = {keep * row[x].r + add, keep * row[x].g + add, keep * row[x].b + add};
    }
}

// Too much signal for the IF: the sync is crushed, so the top of each field bends while the rest holds, the
// whites fold back towards black (nearly a negative), and the chroma beats with the sound in coloured bands.
void overload(const Frame& f, int y, const std::vector<int>& columns, std::vector<Rgb>& row)
{
    const float down = (static_cast<float>(y) + 0.5f) / f.unit;
    const float v = down / 240;
    // The beats, fine diagonal bands, come and go in patches across the picture.
    Wave beat(0.5f / (14 * f.unit) + down / 40, 1 / (14 * f.unit));
    Wave patch(2.3f * v + 0.7f * 0.5f / f.fw, 0.7f / f.fw);
    for (std::size_t x = 0; x < row.size(); ++x, beat.next(), patch.next()) {
        if (columns[x] < 0)
            continue;
        const Difference d = differences(row[x]);
        const float t = d.y / 255;
        const float folded = t < 0.5f ? 1.9f * t - 0.25f : 0.7f - 1.4f * (t - 0.5f);
        const float strength = 17 + 17 * patch.sine();
        row[x] = rebuilt({0.85f * 255 * std::max(0.0f, folded), 1.2f * d.ry + strength * beat.sine(),
                          1.2f * d.by + strength * beat.cosine()});
    }
}

void video(const Frame& f, int y, float v, const std::vector<int>& columns, std::vector<Rgb>& row)
{
    switch (f.a.content) {
    case Content::NoDetail:
        chromaOnly(f, row);
        break;
    case Content::Ghost:
        ghost(f, row);
        break;
    case Content::Smear:
        smear(f, row);
        break;
    case Content::SoundBars:
        soundBars(f, y, v, row);
        break;
    default:
        return;
    }
    // The filters spread the picture a little past the sweep's edges, where the beam never lands.
    for (std::size_t x = 0; x < row.size(); ++x)
        if (columns[x] < 0)
            row[x] = {std::min(row[x].r, 22.0f), std::min(row[x].g, 22.0f), std::min(row[x].b, 22.0f)};
}

void tint(const Frame& f, float v, const std::vector<int>& columns, std::vector<Rgb>& row)
{
    const float rowCos = std::cos(2 * kPi * 1.5f * v);
    const float rowSin = std::sin(2 * kPi * 1.5f * v);
    Rgb stain;
    float trail = 0; // the weak red gun's red, lagging behind the picture along the line
    const float follow = 1 - std::exp(-1 / (5 * f.unit));
    // A dozen retrace lines, as the too-bright raster shows them, here drawn by the red gun alone.
    const float retraceSharpness = f.fh / 12 / (0.7f * f.px);
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
            c = turnHue(c, 0.766f, 0.643f); // 40 degrees: the Tint control near one end of its travel
            break;
        case Colour::PaleReds: {
            const Difference d = differences(c);
            c = rebuilt({d.y, 0, d.by});
            break;
        }
        case Colour::PaleBlues: {
            const Difference d = differences(c);
            c = rebuilt({d.y, d.ry, 0});
            break;
        }
        case Colour::PaleGreens:
            c = rebuilt(differences(c), false, 0);
            break;
        case Colour::AxisShifted:
            c = shiftAxis(c);
            break;
        case Colour::Unlocked:
            // The chroma phase slips through the picture, a full turn every few bands.
            c = turnHue(c, f.chromaCos[x] * rowCos - f.chromaSin[x] * rowSin,
                        f.chromaSin[x] * rowCos + f.chromaCos[x] * rowSin);
            break;
        case Colour::Purity:
            c = {c.r * stain.r, c.g * stain.g, c.b * stain.b};
            break;
        case Colour::WeakRedGun: {
            // The gun's current runs out on bright parts, and its red follows the picture slowly.
            const float limited = c.r < 90 ? c.r : 90 + 60 * (1 - std::exp(-(c.r - 90) / 60));
            trail += (limited - trail) * follow;
            c.r = trail;
            break;
        }
        case Colour::RedFlood: {
            const float phase = 12 * v + f.across[x];
            const float d = phase - static_cast<float>(static_cast<int>(phase)); // never negative
            const float retrace = 90 * std::max(0.0f, 1 - std::min(d, 1 - d) * retraceSharpness);
            c.r = std::max(c.r, 175.0f) + retrace;
            break;
        }
        default:
            break;
        }
    }
}

void light(const Frame& f, float v, const std::vector<int>& columns, std::vector<Rgb>& row)
{
    const float dim = f.a.raster == Raster::Dark ? 0.22f : f.a.raster == Raster::Blooming ? 0.6f : 1.0f;
    const float hum = f.a.humBars && !f.line && !f.vline
                          ? 1 - 0.5f * std::pow(std::max(0.0f, std::cos(4 * kPi * (v - 0.3f))), 2.0f)
                          : 1.0f;
    const float gain = dim * hum;
    const bool bright = f.a.raster == Raster::TooBright;
    // A black level moved up: blacks show grey, and the whole picture sits brighter.
    const float lift = f.a.brightnessShifted && !f.line && !f.vline ? 55.0f : 0.0f;
    // A dozen retrace lines, each about a logical pixel and a half wide.
    const float retraceSharpness = f.fh / 12 / (0.7f * f.px);
    if (gain == 1 && !bright && lift == 0)
        return;
    for (std::size_t x = 0; x < row.size(); ++x) {
        if (columns[x] < 0)
            continue;
        Rgb& c = row[x];
        c = {lift + c.r * gain, lift + c.g * gain, lift + c.b * gain};
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

void defocus(const Frame& f, std::vector<Rgb>& rows)
{
    const auto w = static_cast<std::size_t>(f.width);
    const auto h = static_cast<std::size_t>(f.height);
    const int reach = std::max(1, static_cast<int>(std::lround(1.6f * f.unit)));
    const float share = 1.0f / static_cast<float>(2 * reach + 1);
    const auto add = [](Rgb& sum, const Rgb& c, float sign) {
        sum = {sum.r + sign * c.r, sum.g + sign * c.g, sum.b + sign * c.b};
    };
    // A running mean over 2 * reach + 1 pixels of each row, the ends repeated: read from `in`, written to
    // `out`.
    const auto across = [&](const std::vector<Rgb>& in, std::vector<Rgb>& out) {
        const int n = static_cast<int>(w);
        for (std::size_t y = 0; y < h; ++y) {
            const Rgb* from = in.data() + y * w;
            Rgb* to = out.data() + y * w;
            const auto at = [&](int i) -> const Rgb& { return from[std::clamp(i, 0, n - 1)]; };
            Rgb sum;
            for (int k = -reach; k <= reach; ++k)
                add(sum, at(k), 1);
            for (int i = 0; i < n; ++i) {
                to[i] = {sum.r * share, sum.g * share, sum.b * share};
                add(sum, at(i + reach + 1), 1);
                add(sum, at(i - reach), -1);
            }
        }
    };
    // The same down each column, worked along the rows so that the memory is read in order.
    const auto down = [&](const std::vector<Rgb>& in, std::vector<Rgb>& out) {
        const int n = static_cast<int>(h);
        const auto rowAt = [&](int i) {
            return in.data() + static_cast<std::size_t>(std::clamp(i, 0, n - 1)) * w;
        };
        std::vector<Rgb> sums(w);
        for (int k = -reach; k <= reach; ++k)
            for (std::size_t x = 0; x < w; ++x)
                add(sums[x], rowAt(k)[x], 1);
        for (int i = 0; i < n; ++i) {
            Rgb* to = out.data() + static_cast<std::size_t>(i) * w;
            const Rgb* entering = rowAt(i + reach + 1);
            const Rgb* leaving = rowAt(i - reach);
            for (std::size_t x = 0; x < w; ++x) {
                to[x] = {sums[x].r * share, sums[x].g * share, sums[x].b * share};
                add(sums[x], entering[x], 1);
                add(sums[x], leaving[x], -1);
            }
        }
    };
    // Two passes each way: a soft, round spot.
    std::vector<Rgb> blurred = rows, scratch(rows.size());
    for (int twice = 0; twice < 2; ++twice) {
        across(blurred, scratch);
        down(scratch, blurred);
    }
    // The brighter the spot, the more it spreads: highlights bloom into their surroundings.
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Rgb& soft = blurred[i];
        const float spreads = std::min(1.0f, 0.55f + luma(soft) / 200);
        const Rgb spread = mix(rows[i], soft, spreads);
        rows[i] = {std::max(spread.r, 1.15f * soft.r), std::max(spread.g, 1.15f * soft.g),
                   std::max(spread.b, 1.15f * soft.b)};
    }
}

} // namespace trainer::stages
