#pragma once
// The screen of the set on the trainer's bench: a test pattern a technician knows (a crosshatch grid, a
// circle, colour bars, a grey scale and a centre cross), shown as a set with a given appearance shows it.
// The picture is a pure function of the appearance and the size: the pattern is drawn once, then every
// fault of the appearance bends, tints, dims or buries it, scan line by scan line, the way the faulty stage
// does on a real tube. Snow comes from a fixed seed, so a picture is the same each time it is drawn.

#include "trainer/model/appearance.h"

#include <QImage>
#include <QWidget>

class QPainter;

namespace trainer {

// Paints the set's screen showing a test pattern as a set with this appearance shows it.
void paintSet(QPainter& painter, const QRectF& screen, const trainer::Appearance& appearance);

// The same into an image of `size` logical pixels at `devicePixelRatio`.
QImage renderSet(const trainer::Appearance& appearance, QSize size, qreal devicePixelRatio = 1.0);

// A widget that paints the set's screen from its appearance alone; its accessible description is
// describe(appearance); sizeHint 4:3.
class SetScreen : public QWidget
{
public:
    explicit SetScreen(QWidget* parent = nullptr);

    void setAppearance(const trainer::Appearance& appearance);
    trainer::Appearance appearance() const { return appearance_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    trainer::Appearance appearance_;
    QImage picture_; // the last picture drawn, kept while the appearance, size and scale stay
};

} // namespace trainer
