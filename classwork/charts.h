#pragma once
// The class view's two plots, painted with QPainter from the figures they are given (lighter than a charts
// library for two simple plots): the stages most often missed as horizontal bars, and a student's success
// rate over time as a line over the days worked. Each also says its figures in words to assistive technology.

#include "classwork/classview.h"

#include <QWidget>

#include <optional>

class QPainter;

namespace classwork {

// What the two plots share: their title, their frame, the figures said in words, and a sentence in place of
// a plot with nothing to show.
class Plot : public QWidget
{
public:
    explicit Plot(QWidget* parent = nullptr);

protected:
    // Takes the title and says the figures, or `none` when there are none, to assistive technology.
    void setWords(const QString& title, const QStringList& words, const QString& none);
    // Paints the frame and the title and sets the font of the figures. Returns the top of the plot, or
    // nothing when the plot is `empty` and `emptyText` was written in its place.
    std::optional<int> paintFrame(QPainter& p, bool empty, const QString& emptyText) const;

private:
    QString m_title;
};

class BarChart : public Plot
{
public:
    using Plot::Plot;
    void setBars(const QString& title, std::vector<Bar> bars);
    const std::vector<Bar>& bars() const { return m_bars; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Bar> m_bars;
};

class RateChart : public Plot
{
public:
    using Plot::Plot;
    void setCurve(const QString& title, std::vector<RatePoint> curve);
    const std::vector<RatePoint>& curve() const { return m_curve; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<RatePoint> m_curve;
};

// The colour of the bars and of the line.
inline const QColor kPlotColor{0, 90, 170};

} // namespace classwork
