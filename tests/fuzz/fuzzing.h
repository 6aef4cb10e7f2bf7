#pragma once
// What the fuzz targets share: the locales the program meets, and a check that aborts (so that libFuzzer
// reports the input) when a property does not hold.
#include <QLocale>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace fuzzing {
inline QLocale locale(FuzzedDataProvider& data)
{
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::French, QLocale::France)};
    return locales[data.ConsumeIntegralInRange<int>(0, 3)];
}

inline QString text(FuzzedDataProvider& data, std::size_t most = 64)
{
    const std::string bytes = data.ConsumeRandomLengthString(most);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline void require(bool holds, const char* what, const QString& about = {})
{
    if (!holds) {
        std::fprintf(stderr, "property failed: %s [%s]\n", what, qPrintable(about));
        std::abort();
    }
}
} // namespace fuzzing
