#include "diagnosis/problemcodes.h"

namespace diagnosis {

namespace {
using enum Target;

constexpr ProblemArea kPicture[] = {
    {"Combo1", 0, 1, Front},
    {"Combo1", 1, 2, Color},
    {"Combo1", 2, 3, Color},
    {"Combo1", 3, 4, Color},
    {"Combo1", 4, 5, Front},
    {"Text1", kFixedLine, 6, Front},
    {"Combo2", 0, 7, LVPower},
    {"Combo2", 1, 8, Front},
    {"Combo2", 2, 9, LVPower},
    {"Combo2", 3, 10, LVPower},
    {"Combo3", 0, 11, LVPower},
    {"Combo3", 1, 12, Front},
    {"Combo3", 2, 13, LVPower},
    {"Combo3", 3, 14, LVPower},
    {"Combo4", 0, 15, Front},
    {"Combo4", 1, 16, LVPower},
    {"Text2", kFixedLine, 17, Color},
    {"Text3", kFixedLine, 18, Front},
    {"Text4", kFixedLine, 19, LVPower},
    {"Combo5", 0, 20, Color},
    {"Combo5", 1, 21, Color},
    {"Combo5", 2, 22, Color},
    {"Combo6", 0, 23, LVPower},
    {"Combo6", 1, 24, LVPower},
    {"Combo6", 2, 25, LVPower},
    {"Combo7", 0, 26, LVPower},
    {"Combo7", 1, 27, LVPower},
    {"Combo7", 2, 28, LVPower},
};

constexpr ProblemArea kColor[] = {
    {"Combo1", 0, 1, Color},
    {"Combo1", 1, 2, Color},
    {"Combo1", 2, 3, Color},
    {"Combo1", 3, 4, Color},
    {"Combo1", 4, 5, Color},
    {"Combo1", 5, 6, Color},
    {"Combo1", 6, 7, Color},
    {"Combo1", 7, 8, Color},
    {"Combo1", 8, 9, Color},
    {"Combo1", 9, 10, Color},
    {"Text1", kFixedLine, 11, Degauss},
    {"Combo2", 0, 12, Front},
    {"Combo2", 1, 13, Color},
    {"Combo2", 2, 14, Color},
    {"Combo2", 3, 15, Color},
    {"Combo2", 4, 16, Color},
    {"Text2", kFixedLine, 17, Converg},
    {"Combo3", 0, 18, Color},
    {"Combo3", 1, 19, Color},
    {"Combo3", 2, 20, Color},
    {"Text3", kFixedLine, 21, Color},
    {"Text4", kFixedLine, 22, Color},
    {"Text5", kFixedLine, 23, Color},
    {"Text6", kFixedLine, 24, Color},
    {"Text7", kFixedLine, 25, Color},
    {"Text8", kFixedLine, 26, Color},
    {"Text9", kFixedLine, 27, Color},
};
} // namespace

std::span<const ProblemArea> pictureProblemAreas()
{
    return kPicture;
}

std::span<const ProblemArea> colorProblemAreas()
{
    return kColor;
}

int firstCode(std::span<const ProblemArea> table, const std::function<bool(const ProblemArea&)>& holds)
{
    for (const ProblemArea& row : table)
        if (holds(row))
            return row.code;
    return 0;
}

const ProblemArea* findCode(std::span<const ProblemArea> table, int code)
{
    for (const ProblemArea& row : table)
        if (row.code == code)
            return &row;
    return nullptr;
}

} // namespace diagnosis
