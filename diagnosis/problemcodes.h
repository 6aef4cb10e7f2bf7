#pragma once
// The symptom-to-problem-area tables of the picture and color problems screens: which revealed choice
// gives which problem code, and which screen that code opens. A code belongs to the first row whose
// condition holds: for a drop-down list, its chosen item; for a fixed problem-area line, that it is shown.

#include <QString>

#include <functional>
#include <span>

namespace diagnosis {

enum class Target { Front, Color, LVPower, Degauss, Converg };

struct ProblemArea
{
    const char* control; // the combo box or fixed text box that holds the choice
    int item;            // the combo box item; kFixedLine for a fixed problem-area text box
    int code;
    Target target;
};

inline constexpr int kFixedLine = -1;

// The picture problem codes 1 to 28, in the order they are tested.
std::span<const ProblemArea> pictureProblemAreas();
// The color problem codes 1 to 27, in the order they are tested.
std::span<const ProblemArea> colorProblemAreas();

// The first row that holds, or 0 when none does. `holds` is asked about each row in order.
int firstCode(std::span<const ProblemArea> table, const std::function<bool(const ProblemArea&)>& holds);

// The screen a code opens; nothing for 0 or an unknown code.
const ProblemArea* findCode(std::span<const ProblemArea> table, int code);

} // namespace diagnosis
