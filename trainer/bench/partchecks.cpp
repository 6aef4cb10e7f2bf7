// A suspect part checked out of circuit, power off: what the check finds and the ohmmeter's figure, and a
// control's setting against the service data's.

#include "trainer/model/stagetable.h"

#include <algorithm>
#include <limits>

namespace trainer {

using namespace model;

namespace {

// What the ohmmeter reads across a failed part, where the failure is one it reads: a short reads near nothing
// both ways round, an open part reads nothing at all, a leaky one reads where it should read open.
struct OhmsRow
{
    const char* failure;
    double value;
    double fullScale;
    const char* unit;
    const char* finding; // said after the failure
};

// clang-format off
constexpr OhmsRow kOhms[] = {
    {"shorted", 0.5, 200, "Ω", ": near 0 Ω both ways round"},
    {"open", std::numeric_limits<double>::infinity(), 2e6, "Ω",
     ": no continuity, the meter stays at infinity"},
    {"leaky", 4.7, 20, "kΩ", ": a few kΩ where it should read open"},
};
// clang-format on

} // namespace

PartCheck Set::check(QAnyStringView stage, const QString& part) const
{
    const bool failed =
        m_fault && QAnyStringView(m_fault->stage) == stage && part == QLatin1String(m_fault->part);
    PartCheck result{part, {}, failed, {}, {}};
    // A control's setting is read against the service data's, not measured out of circuit.
    const StageRow* row = findStage(stage);
    const bool setting = row && part == QLatin1String("setting") &&
                         std::ranges::any_of(row->parts, [](const char* p) {
                             return p && QByteArrayView(p) == QByteArrayView("setting");
                         });
    if (setting) {
        result.finding = failed ? QStringLiteral("found %1, against the service data")
                                      .arg(QString::fromUtf8(m_fault->failure))
                                : QStringLiteral("as the service data set it");
        return result;
    }
    if (!failed) {
        result.finding = QStringLiteral("checks good");
        return result;
    }
    const QLatin1StringView failure(m_fault->failure);
    result.finding = QStringLiteral("found %1").arg(failure);
    // A shorted turn or two leave a winding's resistance all but unchanged: the ohmmeter cannot find them.
    const bool wound = part.contains(QLatin1String("transformer")) || part.contains(QLatin1String("winding")) ||
                       part.contains(QLatin1String("coil")) || part.contains(QLatin1String("yoke")) ||
                       part == QLatin1String("flyback");
    if (failure == QLatin1String("shorted") && wound) {
        result.finding += QStringLiteral(": its winding reads normal or barely low on the ohmmeter; a ring "
                                         "tester shows the shorted turns, as does the load they put on the "
                                         "horizontal output");
        return result;
    }
    // A worn cathode is found on a tube tester against the other guns, not with an ohmmeter.
    if (failure == QLatin1String("low emission")) {
        result.finding += QStringLiteral(": on a tube tester its emission reads well below the other two guns'");
        return result;
    }
    const auto ohms =
        std::ranges::find_if(kOhms, [&](const OhmsRow& o) { return failure == QLatin1String(o.failure); });
    if (ohms != std::end(kOhms)) {
        result.ohms = MeterFace{MeterKind::Ohms, ohms->value, ohms->fullScale, QString::fromUtf8(ohms->unit)};
        result.finding += QString::fromUtf8(ohms->finding);
    }
    return result;
}

} // namespace trainer
