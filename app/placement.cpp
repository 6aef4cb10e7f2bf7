#include "app/placement.h"

#include "runtime/screen.h"
#include "runtime/services.h"

#include <QHash>

namespace {
// Top edges in twips of the screens that do not sit at the usual 300.
const QHash<QString, double>& topEdges()
{
    static const QHash<QString, double> edges{
        {QStringLiteral("frmLVPower"), 0},
        {QStringLiteral("frmHelp"), 0},
        {QStringLiteral("frmSound"), 1000},
        {QStringLiteral("frmFormulas"), 100},
    };
    return edges;
}
constexpr double kUsualTop = 300;
} // namespace

void place(fw::Screen& screen)
{
    const QSizeF display = fw::services().displaySize();
    if (screen.name() == QLatin1String("frmOne")) {
        screen.setWidth(display.width());
        screen.setHeight(display.height());
        screen.setTop(0);
        screen.setLeft(0);
        screen.setMaximized(true); // under a window manager: the whole work area, frame and all
    } else if (screen.name() == QLatin1String("frmDead")) {
        screen.setTop((display.height() - screen.Height()) / 2);
        screen.setLeft((display.width() - screen.Width()) / 2);
    } else {
        screen.setTop(topEdges().value(screen.name(), kUsualTop));
        screen.setLeft(display.width() / 2 - screen.Width() / 2);
    }
}
