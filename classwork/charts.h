#pragma once
// The class view's two plots, painted with QPainter from the figures they are given (lighter than a charts
// library for two simple plots): the stages most often missed as horizontal bars, and a student's success
// rate over time as a line over the days worked. Each also says its figures in words to assistive technology.

#include "classwork/classview.h"

#include <QWidget>

namespace classwork {

class BarChart : public QWidget
{
public:
    explicit BarChart(QWidget* parent = nullptr);
    void setBars(const QString& title, std::vector<Bar> bars);
    const std::vector<Bar>& bars() const { return m_bars; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    std::vector<Bar> m_bars;
};

class RateChart : public QWidget
{
public:
    explicit RateChart(QWidget* parent = nullptr);
    void setCurve(const QString& title, std::vector<RatePoint> curve);
    const std::vector<RatePoint>& curve() const { return m_curve; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    std::vector<RatePoint> m_curve;
};

// The colour of the bars and of the line.
inline const QColor kPlotColor{0, 90, 170};

} // namespace classwork
