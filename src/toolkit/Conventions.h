#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The language conventions the program's state relies on: numbers kept as text in the locale,
// display patterns, round-half-even integer conversions and checked arithmetic. Every function
// uses the default QLocale (QLocale::setDefault), so the user's locale or a test's.
namespace orebell {

// The locale's number-to-text conversion: up to 15 significant digits, no grouping, no
// trailing zeros ("0.1", "2", "4939.6295", "-0.5"). Large or tiny numbers use an exponent.
QString numberToText(double value);

// Text to number in the locale: blanks around it ignored, digit grouping accepted, the locale's
// decimal mark; anything else (including "") raises Type mismatch (13).
double textToNumber(const QString& text);

// The numeric test: true when textToNumber would succeed.
bool isNumeric(const QString& text);

// The number when isNumeric holds, otherwise empty: the test and the conversion in one reading.
std::optional<double> numericValue(const QString& text);

// Text that must hold a number, or 0 when it is empty (an empty cell or box counts as nothing).
double textToNumberOrZero(const QString& text);

// Display patterns: "#" optional digit, "0" required digit, "," grouping, "." decimal mark
// (printed even with no decimals after it). Rounds to the pattern's decimals, halves away from
// zero as the display routine does. "#,###" of 0 is an empty text.
QString formatNumber(double value, const QString& pattern);

// Round to a whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// Conversions to 16- and 32-bit integers (round half even); out of range raises Overflow (6).
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);
std::int16_t textToInt16(const QString& text); // textToNumber then toInt16
std::int32_t textToInt32(const QString& text);

// 16-bit arithmetic for loop counters and counts: overflow raises Overflow (6).
std::int16_t add16(int a, int b);

// Int: the largest whole number not above the value; Fix: towards zero.
double vbInt(double value);
double vbFix(double value);

// Checked division: a zero divisor raises Division by zero (11), never inf or NaN.
double divide(double numerator, double denominator);

// A result that is not a finite number raises Overflow (6).
double checkedFinite(double value);

namespace detail {
struct NumberReading {
    enum Kind : std::uint8_t { Empty, Number, NotANumber, TooLarge } kind = Empty;
    double value = 0;
};
} // namespace detail

// The number a text holds, read once for as long as the text and the locale stay the same: for a
// text that is read more often than it changes. Gives exactly what the free conversions give.
// Not to be shared between threads.
class RememberedNumber {
public:
    std::optional<double> numericValue(const QString& text);
    double textToNumber(const QString& text);

private:
    const detail::NumberReading& read(const QString& text);

    QString text_;
    std::uint64_t locale_ = 0; // which reading of the locale's symbols the reading used
    detail::NumberReading reading_;
};

// The text of a number, written once for as long as the number, the pattern and the locale stay the
// same: for a caption set on every tick that changes less often (a countdown's whole seconds, a
// count shown in whole units). Gives exactly what numberToText and formatNumber give, failures
// included. Not to be shared between threads.
class RememberedText {
public:
    const QString& numberToText(double value);
    const QString& formatNumber(double value, const QString& pattern);

private:
    bool holds(double value, const QString* pattern) const;
    void keep(double value, const QString* pattern, QString text);

    bool kept_ = false;
    double value_ = 0;
    bool plain_ = true; // numberToText, not a pattern
    QString pattern_;
    std::uint64_t locale_ = 0;
    QString text_;
};

// While one is alive on a thread, the conversions there read the default locale's symbols once
// instead of checking for a new default locale on every call: for a run of conversions that
// nothing inside changes the locale of, such as a timer's tick.
class SteadyLocale {
public:
    SteadyLocale();
    ~SteadyLocale();
    SteadyLocale(const SteadyLocale&) = delete;
    SteadyLocale& operator=(const SteadyLocale&) = delete;
};

namespace detail {
// A positive finite number's 15 significant digits as QString::number(value, 'e', 14) gives them,
// and its decimal exponent: the fast path (shortest round-trip digits, when there are 15 or fewer)
// and the general one (25 digits, leaving halves to Qt). False when the path does not decide.
bool shortestFifteenDigits(double magnitude, char (&digits)[15], int& exponent);
bool fifteenDigitsFrom25(double magnitude, char (&digits)[15], int& exponent);
// The same from the number scaled to 15 integer digits, for numbers from 1 to 10^15 that lie
// clear of a half.
bool fifteenDigitsByScaling(double magnitude, char (&digits)[15], int& exponent);
// Rounding to a pattern's decimals from the number scaled by them, when that is sure to agree
// with rounding its 15 digits: `all` takes up to 13 + decimals digits.
bool roundedByScaling(double magnitude, int decimals, char* all, int& size, int& point);
// formatNumber without the scaled rounding: its 15 digits rounded, always.
QString formatNumberByDigits(double value, const QString& pattern);
} // namespace detail

} // namespace orebell
