#include "toolkit/Conventions.h"

#include "toolkit/RuntimeError.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orebell {

namespace {

QLocale plainLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// A non-negative number as decimal digits: value = 0.digits x 10^pointPos, from its 15
// significant digits, so that display rounding works on what the number shows, not on binary
// noise (1.005 stays 1.005).
struct Decimal {
    QString digits;   // no leading zeros unless the value is 0
    int pointPos = 0; // digits before the decimal point
};

Decimal toDecimal(double magnitude)
{
    Decimal d;
    if (magnitude == 0) {
        d.digits = QStringLiteral("0");
        d.pointPos = 1;
        return d;
    }
    const QString e = QString::number(magnitude, 'e', 14); // d.dddddddddddddde+XX
    const int ePos = static_cast<int>(e.indexOf(QLatin1Char('e')));
    d.digits = e.left(ePos).remove(QLatin1Char('.'));
    d.pointPos = e.mid(ePos + 1).toInt() + 1;
    while (d.digits.size() > 1 && d.digits.endsWith(QLatin1Char('0')))
        d.digits.chop(1);
    return d;
}

// Splits into integer and fraction digit texts rounded to `decimals` places, halves away from 0.
void roundDecimal(const Decimal& d, int decimals, QString& integer, QString& fraction)
{
    QString all = d.digits;
    int point = d.pointPos;
    if (point <= 0) {
        all.prepend(QString(-point, QLatin1Char('0')));
        point = 0;
    }
    const int keep = point + decimals;
    if (all.size() < keep)
        all.append(QString(keep - all.size(), QLatin1Char('0')));
    const bool roundUp = all.size() > keep && all.at(keep) >= QLatin1Char('5');
    all.truncate(keep);
    if (roundUp) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            if (all[i] == QLatin1Char('9')) {
                all[i] = QLatin1Char('0');
            } else {
                all[i] = QChar(all[i].unicode() + 1);
                break;
            }
        }
        if (i < 0) {
            all.prepend(QLatin1Char('1'));
            ++point;
        }
    }
    integer = all.left(point);
    fraction = all.mid(point);
    while (integer.size() > 1 && integer.startsWith(QLatin1Char('0')))
        integer.remove(0, 1);
    if (integer == QLatin1String("0"))
        integer.clear();
}

} // namespace

QString numberToText(double value)
{
    if (!std::isfinite(value))
        raise(ErrOverflow);
    if (value == 0)
        return QStringLiteral("0");
    return plainLocale().toString(value, 'g', 15);
}

double textToNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        raise(ErrTypeMismatch);
    bool ok = false;
    const double value = QLocale().toDouble(trimmed, &ok);
    if (!ok && std::isinf(value))
        raise(ErrOverflow); // a number, but beyond what a double holds
    if (!ok || !std::isfinite(value))
        raise(ErrTypeMismatch);
    return value;
}

bool isNumeric(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    bool ok = false;
    const double value = QLocale().toDouble(trimmed, &ok);
    return ok && std::isfinite(value);
}

double textToNumberOrZero(const QString& text) { return text.trimmed().isEmpty() ? 0.0 : textToNumber(text); }

QString formatNumber(double value, const QString& pattern)
{
    if (!std::isfinite(value))
        raise(ErrOverflow);
    const int dot = static_cast<int>(pattern.indexOf(QLatin1Char('.')));
    const QString intPattern = dot < 0 ? pattern : pattern.left(dot);
    const QString fracPattern = dot < 0 ? QString() : pattern.mid(dot + 1);
    const bool grouping = intPattern.contains(QLatin1Char(','));
    const int minInteger = static_cast<int>(intPattern.count(QLatin1Char('0')));
    const int requiredDecimals = static_cast<int>(fracPattern.count(QLatin1Char('0')));
    const int decimals = requiredDecimals + static_cast<int>(fracPattern.count(QLatin1Char('#')));

    QString integer;
    QString fraction;
    roundDecimal(toDecimal(std::fabs(value)), decimals, integer, fraction);
    // Compiling a pattern here would dominate the laser tick's valuation; a plain scan will do.
    const bool isZero = integer.isEmpty() && std::all_of(fraction.cbegin(), fraction.cend(),
                                                         [](QChar c) { return c == QLatin1Char('0'); });
    while (fraction.size() > requiredDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (integer.size() < minInteger)
        integer.prepend(QString(minInteger - integer.size(), QLatin1Char('0')));

    const QLocale locale;
    if (grouping && integer.size() > 3) {
        const QString sep = locale.groupSeparator();
        for (int i = static_cast<int>(integer.size()) - 3; i > 0; i -= 3)
            integer.insert(i, sep);
    }
    QString out = integer;
    if (dot >= 0)
        out += locale.decimalPoint() + fraction;
    if (value < 0 && !isZero)
        out.prepend(QLatin1Char('-'));
    return out;
}

double roundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode takes halves to even
}

std::int16_t toInt16(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= std::numeric_limits<std::int16_t>::min() && r <= std::numeric_limits<std::int16_t>::max()))
        raise(ErrOverflow);
    return static_cast<std::int16_t>(r);
}

std::int32_t toInt32(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= std::numeric_limits<std::int32_t>::min() && r <= std::numeric_limits<std::int32_t>::max()))
        raise(ErrOverflow);
    return static_cast<std::int32_t>(r);
}

std::int16_t textToInt16(const QString& text) { return toInt16(textToNumber(text)); }
std::int32_t textToInt32(const QString& text) { return toInt32(textToNumber(text)); }

std::int16_t add16(int a, int b) { return toInt16(static_cast<double>(a) + b); }

double vbInt(double value) { return std::floor(value); }
double vbFix(double value) { return std::trunc(value); }

double divide(double numerator, double denominator)
{
    if (denominator == 0)
        raise(numerator == 0 ? ErrOverflow : ErrDivisionByZero);
    return checkedFinite(numerator / denominator);
}

double checkedFinite(double value)
{
    if (!std::isfinite(value))
        raise(ErrOverflow);
    return value;
}

} // namespace orebell
