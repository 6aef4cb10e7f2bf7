#include "app/module1.h"

#include "app/frmOne.h"
#include "diagrams/areanotes.h"
#include "runtime/mainmenu.h"
#include "runtime/notes.h"
#include "trainer/exercise/exercise.h"
#include "trainer/screens/measuringview.h"

namespace Module1 {

namespace {
// The notes a screen shows, as the table of circuit notes places them.
std::vector<fw::PlacedNote> notesOf(const QString& screen)
{
    std::vector<fw::PlacedNote> placed;
    for (const areanotes::Place& place : areanotes::places()) {
        if (screen != QLatin1String(place.screen))
            continue;
        const std::optional<areanotes::Note> note = areanotes::note(QString::fromLatin1(place.id));
        if (!note)
            continue;
        placed.push_back({QString::fromLatin1(place.control),
                          place.item ? QString::fromUtf8(place.item) : QString(), areanotes::summary(*note),
                          note->text});
    }
    return placed;
}

fw::Screen& mainMenu()
{
    return frmOne::get();
}
} // namespace

void Register()
{
    fw::setNoteLookup(&notesOf);
    fw::setMainMenu(&mainMenu);
    trainer::setStageNames(MeasuringView::stageNames());
}

void Main()
{
    Register();
    frmOne::get().Show();
}

} // namespace Module1
