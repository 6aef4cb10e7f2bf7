#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

// One screenshot: the file name (without .png) and the clicks that lead to the screen, returning its window.
struct Road
{
    QString file;
    std::function<QWidget*()> walk;
};

std::vector<Road> roads();
