#include "toolkit/Conventions.h"

#include "toolkit/RuntimeError.h"

#include <QLocale>
#include <QVarLengthArray>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>

namespace orebell {

namespace detail {

// The 15 significant digits of a normal positive number from its shortest round-trip digits,
// which the standard library finds far faster than 25. When there are 15 or fewer, they are the
// number's 15-digit rounding: the number lies within half an ulp of them, much nearer than to any
// other 15-digit decimal. False when there are more.
bool shortestFifteenDigits(double magnitude, char (&digits)[15], int& exponent)
{
    if (!(magnitude >= std::numeric_limits<double>::min()))
        return false; // subnormal: the ulp is too coarse for the argument above
    if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
        // A whole number below 10^15 is its own digits, and integer conversion is cheaper still.
        char buf[16];
        const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, static_cast<std::uint64_t>(magnitude));
        if (ec != std::errc())
            return false;
        const int n = static_cast<int>(end - buf);
        std::copy(buf, end, digits);
        std::fill(digits + n, digits + 15, '0');
        exponent = n - 1;
        return true;
    }
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    if (ec != std::errc())
        return false;
    const char* const e = std::find(buf, end, 'e');
    if (e == end)
        return false;
    int n = 0;
    for (const char* p = buf; p != e; ++p) {
        if (*p == '.')
            continue;
        if (n == 15)
            return false;
        digits[n++] = *p;
    }
    int exp = 0;
    const auto parsed = std::from_chars(e[1] == '+' ? e + 2 : e + 1, end, exp);
    if (parsed.ec != std::errc() || parsed.ptr != end)
        return false;
    std::fill(digits + n, digits + 15, '0');
    exponent = exp;
    return true;
}

// The 15 significant digits of a positive finite number, rounded as QString::number(value, 'e', 14)
// rounds, with its decimal exponent (value ~ d.dddddddddddddd x 10^exponent). Qt's digits often
// take double-conversion's bignum path; 25 digits from the standard library decide the rounding
// unless the number lies on a half, which is left to Qt. False when it is left to Qt.
bool fifteenDigitsFrom25(double magnitude, char (&digits)[15], int& exponent)
{
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 24);
    if (ec != std::errc() || end - buf < 28 || buf[1] != '.' || buf[26] != 'e')
        return false;
    char all[25];
    all[0] = buf[0];
    std::copy(buf + 2, buf + 26, all + 1);
    const char* tail = all + 15;
    if (std::string_view(tail, 10) == "5000000000") // maybe exactly a half: Qt decides
        return false;
    int exp = 0;
    const auto parsed = std::from_chars(buf[27] == '+' ? buf + 28 : buf + 27, end, exp);
    if (parsed.ec != std::errc() || parsed.ptr != end)
        return false;
    std::copy(all, all + 15, digits);
    if (tail[0] >= '5') {
        int i = 14;
        for (; i >= 0 && digits[i] == '9'; --i)
            digits[i] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';
            ++exp;
        }
    }
    exponent = exp;
    return true;
}

namespace {
constexpr double Pow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
} // namespace

// The 15 significant digits of a number from 1 to 10^15 as the nearest whole number to it scaled to
// 15 integer digits. Below 2^52 every half is a double, and a correctly rounded product does not
// pass one: the computed product lies on the same side of each half as the exact one, or on it.
// A product on a half is left to the other paths, which alone decide halves.
bool fifteenDigitsByScaling(double magnitude, char (&digits)[15], int& exponent)
{
    if (!(magnitude >= 1 && magnitude < 1e15))
        return false;
    int e = 14;
    while (magnitude < Pow10[e])
        --e;
    const double y = magnitude * Pow10[14 - e];
    const double whole = std::floor(y);
    const double fraction = y - whole;
    if (fraction == 0.5)
        return false;
    const auto n = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    char buf[24];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, n);
    if (ec != std::errc() || end - buf != 15)
        return false; // rounded up to 10^15: a power of ten the other paths write
    std::copy(buf, end, digits);
    exponent = e;
    return true;
}

// A non-negative number rounded to `decimals` places, halves away from 0, as the display patterns
// round its 15 significant digits: the digits in `all`, of which the first `point` are the integer
// part (no leading zeros; none for 0), then exactly `decimals` more. Worked out from the binary
// number when its 15-digit rounding cannot round otherwise: the 15-digit rounding moves the
// scaled number by at most 0.5e-14 of itself, the multiplication by far less, so a fraction
// further than 1e-14 of it from a half rounds the same way. False when that is not sure.
bool roundedByScaling(double magnitude, int decimals, char* all, int& size, int& point)
{
    if (decimals < 0 || decimals > 22)
        return false;
    const double y = magnitude * Pow10[decimals];
    if (!(y < 1e13))
        return false;
    const double whole = std::floor(y);
    const double fraction = y - whole;
    if (std::fabs(fraction - 0.5) <= y * 1e-14)
        return false;
    const auto n = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    if (n == 0) {
        std::fill(all, all + decimals, '0');
        size = decimals;
        point = 0;
        return true;
    }
    char buf[24];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, n);
    if (ec != std::errc())
        return false;
    const int count = static_cast<int>(end - buf);
    const int zeros = std::max(decimals - count, 0);
    std::fill(all, all + zeros, '0');
    std::copy(buf, end, all + zeros);
    size = zeros + count;
    point = size - decimals;
    return true;
}

} // namespace detail

namespace {

QLocale plainLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// What the conversions need from the default locale, read once per locale. Asking the locale
// queries the system's settings on every call (and QLocale's parser does so for every character),
// which made the conversions the bulk of a laser tick. Plain numbers in a locale with ASCII
// digits, "-" and groups of three take a direct path; anything else goes through QLocale as
// before, so results are the same either way.
struct NumberSymbols {
    QLocale locale;               // the default locale these were read from
    std::uint64_t generation = 0; // unique to each reading, in every thread
    QString decimalPoint;
    QString groupSeparator;
    QChar decimal;
    QChar group;
    bool direct = false;         // plain digits, sign and decimal mark may skip QLocale
    bool directGrouping = false; // canonical groups of three may too
};

bool readsAsGroupsOfThree(const QLocale& locale, QChar decimal, QChar group)
{
    QLocale grouped = locale;
    grouped.setNumberOptions({});
    const QString g(group);
    bool ok = false;
    return grouped.toString(1234567.0, 'f', 0) ==
               QLatin1String("1") + g + QLatin1String("234") + g + QLatin1String("567") &&
           grouped.toString(1234.0, 'f', 0) == QLatin1String("1") + g + QLatin1String("234") &&
           locale.toDouble(QLatin1String("12") + g + QLatin1String("345") + g + QLatin1String("678") +
                               decimal + QLatin1String("25"),
                           &ok) == 12345678.25 &&
           ok;
}

thread_local int steadyDepth = 0;
thread_local const NumberSymbols* steadySymbols = nullptr; // once looked at while steady

const NumberSymbols& numberSymbols()
{
    if (steadySymbols)
        return *steadySymbols;
    thread_local NumberSymbols cache;
    thread_local bool filled = false;
    if (steadyDepth > 0)
        steadySymbols = &cache;
    const QLocale current;
    if (filled && current == cache.locale)
        return cache;
    static std::atomic<std::uint64_t> readings{0};
    NumberSymbols s;
    s.locale = current;
    s.generation = ++readings;
    s.decimalPoint = current.decimalPoint();
    s.groupSeparator = current.groupSeparator();
    const QLocale::NumberOptions strict = QLocale::RejectGroupSeparator |
                                          QLocale::RejectLeadingZeroInExponent |
                                          QLocale::RejectTrailingZeroesAfterDot;
    s.direct = s.decimalPoint.size() == 1 && current.zeroDigit() == QLatin1String("0") &&
               current.negativeSign() == QLatin1String("-") && !(current.numberOptions() & strict) &&
               !s.decimalPoint.at(0).isDigit() && s.decimalPoint != QLatin1String("-");
    if (s.direct) {
        s.decimal = s.decimalPoint.at(0);
        s.directGrouping = s.groupSeparator.size() == 1 && s.groupSeparator != s.decimalPoint &&
                           !s.groupSeparator.at(0).isDigit() && s.groupSeparator != QLatin1String("-");
        if (s.directGrouping) {
            s.group = s.groupSeparator.at(0);
            s.directGrouping = readsAsGroupsOfThree(current, s.decimal, s.group);
        }
    }
    cache = std::move(s);
    filled = true;
    return cache;
}

enum class Parsed { Number, NotANumber, AskLocale };

// Reads [-]digits[.digits], the integer digits optionally in canonical groups of three
// ("12,345,678"), without leading zeros. Other forms (exponents, a plus sign, odd grouping) are
// left to QLocale. `text` is trimmed and not empty.
Parsed parseDirect(const NumberSymbols& s, QStringView text, double& value)
{
    if (!s.direct)
        return Parsed::AskLocale;
    constexpr qsizetype MaxChars = 64;
    if (text.size() > MaxChars)
        return Parsed::AskLocale;
    char buf[MaxChars + 1];
    int n = 0;
    const QChar* p = text.constData();
    const QChar* const end = p + text.size();
    if (*p == QLatin1Char('-'))
        buf[n++] = '-', ++p;
    const QChar* const intStart = p;
    int groupDigits = 0; // digits since the last group separator
    int groups = 0;
    for (; p != end && p->isDigit(); ++p) {
        const char16_t u = p->unicode();
        if (u < u'0' || u > u'9')
            return Parsed::AskLocale;
        buf[n++] = static_cast<char>(u);
        ++groupDigits;
        if (p + 1 != end && s.directGrouping && p[1] == s.group) {
            if (groups == 0 ? groupDigits > 3 : groupDigits != 3)
                return Parsed::AskLocale;
            ++groups;
            groupDigits = 0;
            ++p; // the separator
        }
    }
    const int intDigits = static_cast<int>(p - intStart);
    if (intDigits == 0 || (groups > 0 && groupDigits != 3))
        return Parsed::AskLocale;
    if (*intStart == QLatin1Char('0') && (intDigits > 1 || groups > 0))
        return Parsed::AskLocale;
    if (p != end && *p == s.decimal) {
        buf[n++] = '.';
        ++p;
        const QChar* const fracStart = p;
        for (; p != end && p->unicode() >= u'0' && p->unicode() <= u'9'; ++p)
            buf[n++] = static_cast<char>(p->unicode());
        if (p == fracStart)
            return Parsed::AskLocale;
    }
    if (p != end)
        return Parsed::AskLocale;
    const auto [ptr, ec] = std::from_chars(buf, buf + n, value);
    if (ec != std::errc() || ptr != buf + n)
        return Parsed::AskLocale;
    return Parsed::Number;
}

// The number a trimmed, non-empty text holds in the default locale; ok false when it is none,
// value inf when it is a number beyond a double.
double localeToDouble(QStringView trimmed, bool& ok)
{
    const NumberSymbols& s = numberSymbols();
    double value = 0;
    if (parseDirect(s, trimmed, value) == Parsed::Number) {
        ok = true;
        return value;
    }
    return s.locale.toDouble(trimmed, &ok);
}

bool fifteenDigits(double magnitude, char (&digits)[15], int& exponent)
{
    return detail::fifteenDigitsByScaling(magnitude, digits, exponent) ||
           detail::shortestFifteenDigits(magnitude, digits, exponent) ||
           detail::fifteenDigitsFrom25(magnitude, digits, exponent);
}

// A non-negative number as decimal digits: value = 0.digits x 10^pointPos, from its 15
// significant digits, so that display rounding works on what the number shows, not on binary
// noise (1.005 stays 1.005).
struct Decimal {
    char digits[15]; // no trailing zeros, no leading zeros unless the value is 0
    int count = 1;
    int pointPos = 0; // digits before the decimal point
};

Decimal toDecimal(double magnitude)
{
    Decimal d;
    if (magnitude == 0) {
        d.digits[0] = '0';
        d.pointPos = 1;
        return d;
    }
    int exponent = 0;
    if (fifteenDigits(magnitude, d.digits, exponent)) {
        d.pointPos = exponent + 1;
    } else {
        const QString e = QString::number(magnitude, 'e', 14); // d.dddddddddddddde+XX
        const qsizetype ePos = e.indexOf(QLatin1Char('e'));
        int n = 0;
        for (qsizetype i = 0; i < ePos && n < 15; ++i) {
            if (e.at(i) != QLatin1Char('.'))
                d.digits[n++] = static_cast<char>(e.at(i).unicode());
        }
        std::fill(d.digits + n, d.digits + 15, '0');
        d.pointPos = QStringView(e).mid(ePos + 1).toInt() + 1;
    }
    d.count = 15;
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

using DigitBuffer = QVarLengthArray<char, 64>;

// The digits rounded to `decimals` places, halves away from 0, in `all`, of which the first
// `point` are the integer part (without leading zeros; none for 0).
void roundDecimal(const Decimal& d, int decimals, DigitBuffer& all, int& point)
{
    all.clear();
    point = d.pointPos;
    for (int i = point; i < 0; ++i)
        all.append('0');
    all.append(d.digits, d.count);
    point = std::max(point, 0);
    const int keep = point + decimals;
    while (all.size() < keep)
        all.append('0');
    const bool roundUp = all.size() > keep && all[keep] >= '5';
    all.resize(keep);
    if (roundUp) {
        int i = keep - 1;
        for (; i >= 0 && all[i] == '9'; --i)
            all[i] = '0';
        if (i >= 0) {
            ++all[i];
        } else {
            all.insert(all.begin(), '1');
            ++point;
        }
    }
    int lead = 0;
    while (lead < point && all[lead] == '0')
        ++lead;
    all.remove(0, lead);
    point -= lead;
}

} // namespace

QString numberToText(double value)
{
    if (!std::isfinite(value))
        raise(ErrOverflow);
    if (value == 0)
        return QStringLiteral("0");
    const NumberSymbols& s = numberSymbols();
    char digits[15];
    int exponent = 0;
    if (s.direct && fifteenDigits(std::fabs(value), digits, exponent)) {
        // The digits QLocale writes when it writes them plainly: a number of 1 or more below
        // 10^15. The rest (exponents, 0.00x) is left to it.
        int n = 15;
        while (n > 1 && digits[n - 1] == '0')
            --n;
        const int before = exponent + 1;   // digits before the decimal mark
        if (before >= 1 && before <= 15) { // trailing zeros of an integer are in `digits`
            char16_t text[17];
            int size = 0;
            if (value < 0)
                text[size++] = u'-';
            for (int i = 0; i < before; ++i)
                text[size++] = static_cast<char16_t>(digits[i]);
            if (n > before) {
                text[size++] = s.decimal.unicode();
                for (int i = before; i < n; ++i)
                    text[size++] = static_cast<char16_t>(digits[i]);
            }
            return QString(reinterpret_cast<const QChar*>(text), size);
        }
    }
    return plainLocale().toString(value, 'g', 15);
}

namespace {

detail::NumberReading readNumber(const QString& text)
{
    using R = detail::NumberReading;
    // A view: trimming a copy cost an allocation whenever there was something to trim.
    const QStringView trimmed = QStringView(text).trimmed();
    if (trimmed.isEmpty())
        return {R::Empty, 0};
    bool ok = false;
    const double value = localeToDouble(trimmed, ok);
    if (!ok && std::isinf(value))
        return {R::TooLarge, value}; // a number, but beyond what a double holds
    if (!ok || !std::isfinite(value))
        return {R::NotANumber, 0};
    return {R::Number, value};
}

double numberOrRaise(const detail::NumberReading& r)
{
    if (r.kind == detail::NumberReading::TooLarge)
        raise(ErrOverflow);
    if (r.kind != detail::NumberReading::Number)
        raise(ErrTypeMismatch);
    return r.value;
}

std::optional<double> numberOrNone(const detail::NumberReading& r)
{
    if (r.kind != detail::NumberReading::Number)
        return std::nullopt;
    return r.value;
}

} // namespace

double textToNumber(const QString& text) { return numberOrRaise(readNumber(text)); }

bool isNumeric(const QString& text) { return readNumber(text).kind == detail::NumberReading::Number; }

std::optional<double> numericValue(const QString& text) { return numberOrNone(readNumber(text)); }

const detail::NumberReading& RememberedNumber::read(const QString& text)
{
    const std::uint64_t locale = numberSymbols().generation;
    if (locale != locale_ || text != text_) {
        reading_ = readNumber(text);
        text_ = text;
        locale_ = locale;
    }
    return reading_;
}

SteadyLocale::SteadyLocale()
{
    if (steadyDepth++ == 0)
        steadySymbols = nullptr; // the first conversion looks once
}

SteadyLocale::~SteadyLocale()
{
    if (--steadyDepth == 0)
        steadySymbols = nullptr;
}

bool RememberedText::holds(double value, const QString* pattern) const
{
    // Compared bit for bit: -0 and 0 are told apart as the conversions tell them.
    return kept_ && std::memcmp(&value, &value_, sizeof value) == 0 && plain_ == (pattern == nullptr) &&
           (!pattern || *pattern == pattern_) && locale_ == numberSymbols().generation;
}

void RememberedText::keep(double value, const QString* pattern, QString text)
{
    value_ = value;
    plain_ = pattern == nullptr;
    if (pattern)
        pattern_ = *pattern;
    locale_ = numberSymbols().generation;
    text_ = std::move(text);
    kept_ = true;
}

const QString& RememberedText::numberToText(double value)
{
    if (!holds(value, nullptr))
        keep(value, nullptr, orebell::numberToText(value));
    return text_;
}

const QString& RememberedText::formatNumber(double value, const QString& pattern)
{
    if (!holds(value, &pattern))
        keep(value, &pattern, orebell::formatNumber(value, pattern));
    return text_;
}

std::optional<double> RememberedNumber::numericValue(const QString& text) { return numberOrNone(read(text)); }

double RememberedNumber::textToNumber(const QString& text) { return numberOrRaise(read(text)); }

double textToNumberOrZero(const QString& text)
{
    return QStringView(text).trimmed().isEmpty() ? 0.0 : textToNumber(text);
}

namespace {

// What a display pattern asks for, read in one pass.
struct PatternShape {
    bool hasPoint = false;
    bool grouping = false;    // a "," before the decimal mark
    int minInteger = 0;       // "0"s before it
    int requiredDecimals = 0; // "0"s after it
    int decimals = 0;         // "0"s and "#"s after it
};

PatternShape shapeOf(QStringView pattern)
{
    PatternShape shape;
    for (const QChar c : pattern) {
        const char16_t u = c.unicode();
        if (u == u'.' && !shape.hasPoint) {
            shape.hasPoint = true;
        } else if (!shape.hasPoint) {
            shape.grouping = shape.grouping || u == u',';
            shape.minInteger += u == u'0';
        } else {
            shape.requiredDecimals += u == u'0';
            shape.decimals += u == u'0' || u == u'#';
        }
    }
    return shape;
}

QString formatNumberWith(double value, const QString& pattern, bool scaling)
{
    if (!std::isfinite(value))
        raise(ErrOverflow);
    const PatternShape shape = shapeOf(pattern);
    const int decimals = shape.decimals;

    DigitBuffer all;
    int point = 0;
    all.resize(24 + decimals);
    int size = 0;
    if (scaling && detail::roundedByScaling(std::fabs(value), decimals, all.data(), size, point))
        all.resize(size);
    else
        roundDecimal(toDecimal(std::fabs(value)), decimals, all, point);
    const char* const integer = all.constData();
    const char* const fraction = integer + point;
    int fractionSize = static_cast<int>(all.size()) - point;
    const bool isZero =
        point == 0 && std::all_of(fraction, fraction + fractionSize, [](char c) { return c == '0'; });
    while (fractionSize > shape.requiredDecimals && fraction[fractionSize - 1] == '0')
        --fractionSize;
    const int padding = std::max(shape.minInteger - point, 0);
    const int integerSize = point + padding;

    const NumberSymbols& symbols = numberSymbols();
    const bool grouped = shape.grouping && integerSize > 3;
    // Written into one buffer and made a text once: appending character by character cost more
    // than the rounding.
    QVarLengthArray<char16_t, 64> out;
    const auto appendText = [&out](const QString& text) {
        out.append(reinterpret_cast<const char16_t*>(text.constData()), text.size());
    };
    if (value < 0 && !isZero)
        out.append(u'-');
    for (int i = 0; i < integerSize; ++i) {
        if (grouped && i > 0 && (integerSize - i) % 3 == 0)
            appendText(symbols.groupSeparator);
        out.append(static_cast<char16_t>(i < padding ? '0' : integer[i - padding]));
    }
    if (shape.hasPoint) {
        appendText(symbols.decimalPoint);
        for (int i = 0; i < fractionSize; ++i)
            out.append(static_cast<char16_t>(fraction[i]));
    }
    return QString(reinterpret_cast<const QChar*>(out.constData()), out.size());
}

} // namespace

QString formatNumber(double value, const QString& pattern) { return formatNumberWith(value, pattern, true); }

QString detail::formatNumberByDigits(double value, const QString& pattern)
{
    return formatNumberWith(value, pattern, false);
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
