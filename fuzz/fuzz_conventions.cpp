// Number text conversions and display patterns on arbitrary text: they either give a result or a
// run-time error, never crash, and what the numeric test accepts converts.
#include "toolkit/Conventions.h"
#include "toolkit/RuntimeError.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstring>

using namespace orebell;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 9)
        return 0;
    static const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany)};
    QLocale::setDefault(locales[data[0] & 1]);
    double value;
    std::memcpy(&value, data + 1, sizeof value);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 9), static_cast<int>(size - 9));

    const bool numeric = isNumeric(text);
    try {
        const double parsed = textToNumber(text);
        if (!numeric || !std::isfinite(parsed))
            __builtin_trap();
    } catch (const RuntimeError& e) {
        if (numeric || (e.number() != ErrTypeMismatch && e.number() != ErrOverflow))
            __builtin_trap();
    }

    // The text doubles as a display pattern.
    try {
        (void)formatNumber(value, text.left(40));
        const QString shown = numberToText(value);
        if (std::isfinite(value) && textToNumber(shown) != textToNumber(numberToText(textToNumber(shown))))
            __builtin_trap();
    } catch (const RuntimeError& e) {
        if (std::isfinite(value) && e.number() != ErrOverflow)
            __builtin_trap();
    }
    try {
        (void)toInt16(value);
        (void)toInt32(value);
    } catch (const RuntimeError& e) {
        if (e.number() != ErrOverflow)
            __builtin_trap();
    }
    return 0;
}
