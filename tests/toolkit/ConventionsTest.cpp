#include "toolkit/Conventions.h"
#include "toolkit/RuntimeError.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace orebell;

namespace {

int errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// Each case runs under an English and a German locale: the conventions follow the user's locale.
class Conventions : public ::testing::TestWithParam<QLocale::Language> {
protected:
    void SetUp() override
    {
        saved = QLocale();
        QLocale::setDefault(GetParam() == QLocale::German ? QLocale(QLocale::German, QLocale::Germany)
                                                          : QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override { QLocale::setDefault(saved); }
    bool german() const { return GetParam() == QLocale::German; }
    // Writes an English-notation expectation in the current locale's marks.
    QString local(QString s) const
    {
        if (german()) {
            s.replace(QLatin1Char(','), QLatin1Char('#')).replace(QLatin1Char('.'), QLatin1Char(','));
            s.replace(QLatin1Char('#'), QLatin1Char('.'));
        }
        return s;
    }
    QLocale saved;
};

TEST_P(Conventions, DisplayPatterns)
{
    EXPECT_EQ(formatNumber(1234.6, "#,###"), local("1,235"));
    EXPECT_EQ(formatNumber(0, "#,###"), "");
    EXPECT_EQ(formatNumber(0.4, "#,###"), "");
    EXPECT_EQ(formatNumber(12.345, "0.0"), local("12.3"));
    EXPECT_EQ(formatNumber(0.1, "0.00"), local("0.10"));
    EXPECT_EQ(formatNumber(5, "00"), "05");
    EXPECT_EQ(formatNumber(125, "00"), "125");
    EXPECT_EQ(formatNumber(1800, "#,###.###"), local("1,800."));
    EXPECT_EQ(formatNumber(1800.25, "#,###.###"), local("1,800.25"));
    EXPECT_EQ(formatNumber(10.5, "#,###.0000000000"), local("10.5000000000"));
    EXPECT_EQ(formatNumber(1245, "#,###.0000000000"), local("1,245.0000000000"));
    EXPECT_EQ(formatNumber(0.5, "#,###.0000000000"), local(".5000000000"));
    EXPECT_EQ(formatNumber(7677.3, "###,###,##0"), local("7,677"));
    EXPECT_EQ(formatNumber(0, "###,###,##0"), "0");
    EXPECT_EQ(formatNumber(1234567.5, "###,###,##0"), local("1,234,568"));
    EXPECT_EQ(formatNumber(-1234.6, "#,###"), local("-1,235"));
    EXPECT_EQ(formatNumber(999.96, "0.0"), local("1000.0"));
    EXPECT_EQ(formatNumber(1.005, "0.00"), local("1.01")); // rounds what the number shows
}

TEST_P(Conventions, NumberTextRoundTrips)
{
    EXPECT_EQ(numberToText(0.1), local("0.1"));
    EXPECT_EQ(numberToText(2), "2");
    EXPECT_EQ(numberToText(4939.6295), local("4939.6295"));
    EXPECT_EQ(numberToText(1234567), "1234567");      // never grouped
    EXPECT_EQ(numberToText(0.1 + 0.2), local("0.3")); // 15 significant digits
    EXPECT_DOUBLE_EQ(textToNumber(local("1,234.5")), 1234.5);
    EXPECT_DOUBLE_EQ(textToNumber(local(" 12.5 ")), 12.5);
    EXPECT_DOUBLE_EQ(textToNumber(numberToText(3655.6)), 3655.6);
    EXPECT_EQ(errorOf([] { textToNumber(""); }), ErrTypeMismatch);
    EXPECT_EQ(errorOf([] { textToNumber("abc"); }), ErrTypeMismatch);
    EXPECT_EQ(errorOf([] { textToNumber("12abc"); }), ErrTypeMismatch);
    EXPECT_EQ(errorOf([] { textToNumber("1e999"); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { textToNumber(numberToText(-1.7976931348623157e308)); }), ErrOverflow);
    EXPECT_FALSE(isNumeric(""));
    EXPECT_FALSE(isNumeric("abc"));
    EXPECT_TRUE(isNumeric(local("1,000.5")));
    EXPECT_DOUBLE_EQ(textToNumberOrZero(""), 0);
}

// The conversions read plain numbers without asking QLocale; they must agree with it exactly,
// bit for bit, on what it accepts and what it refuses.
TEST_P(Conventions, ConversionsAgreeWithTheLocale)
{
    const QLocale locale;
    const QStringList texts = {"0",
                               "-0",
                               "7",
                               "007",
                               "0.5",
                               ".5",
                               "5.",
                               "-12.25",
                               "1,234",
                               "12,345,678.0000000001",
                               "1,234,567",
                               "1,23",
                               "12,3456",
                               "1234,567",
                               "1,234,56",
                               ",123",
                               "1,,234",
                               "0,123",
                               "1,234.5,6",
                               "1.2.3",
                               "--1",
                               "+1",
                               "1e5",
                               "1,234.5e2",
                               "123456789012345678901234567890.123456789",
                               "90,000,000.0000000000",
                               "123,456.7890123456",
                               "0.30000000000000004",
                               "9007199254740993",
                               "1 234",
                               "12a",
                               "-",
                               ".",
                               "1..2",
                               "1,234.",
                               "-.5",
                               "٣",
                               "1,2345.5",
                               "999,999,999,999,999,999,999"};
    for (const QString& english : texts) {
        const QString text = local(english);
        bool ok = false;
        const double expected = locale.toDouble(text, &ok);
        const bool numeric = ok && std::isfinite(expected);
        EXPECT_EQ(isNumeric(text), numeric) << text.toStdString();
        const std::optional<double> value = numericValue(text);
        ASSERT_EQ(value.has_value(), numeric) << text.toStdString();
        if (numeric) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(*value), std::bit_cast<std::uint64_t>(expected))
                << text.toStdString();
            EXPECT_EQ(std::bit_cast<std::uint64_t>(textToNumber(text)),
                      std::bit_cast<std::uint64_t>(expected));
        }
    }
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    const double values[] = {
        0.1,     -0.5,      1e15,      1e16,   123456789012345678.0, 1e-5,  1.5e-7, 1e300, -2.5e-300,
        1 / 3.0, 2 / 3.0e9, 4939.6295, 0.0625, 180 - 0.0625,         1e100, 5e-324, -1e21, 99999999999999.9};
    for (double v : values)
        EXPECT_EQ(numberToText(v), plain.toString(v, 'g', 15)) << v;
    double v = 0.000123;
    for (int i = 0; i < 200; ++i, v *= -1.37)
        EXPECT_EQ(numberToText(v), plain.toString(v, 'g', 15)) << v;
    // Counts as a laser adds to them, whole numbers with zeros, and numbers on a half at the
    // fifteenth digit (1000000000000005 = 1.000000000000005e15).
    const double more[] = {100000,
                           120,
                           1000000000000005.0,
                           100000000000000.5,
                           999999999999999.5,
                           0.999999999999999,
                           9.9999999999999995,
                           123456.78901234565};
    for (double m : more) {
        EXPECT_EQ(numberToText(m), plain.toString(m, 'g', 15)) << m;
    }
    double count = 12345.6789012345;
    for (int i = 0; i < 2000; ++i, count += 0.0625 * 3.0001) {
        EXPECT_EQ(numberToText(count), plain.toString(count, 'g', 15)) << count;
        const QString shown = QString::number(count, 'e', 14);
        const int e = static_cast<int>(shown.indexOf(QLatin1Char('e')));
        const QString digits = shown.left(e).remove(QLatin1Char('.'));
        // The display pattern keeps the ten decimals of those 15 digits (integer part of 5 or 6).
        const int before = shown.mid(e + 1).toInt() + 1;
        EXPECT_EQ(formatNumber(count, "0.0000000000"),
                  digits.left(before) + locale.decimalPoint() + (digits.mid(before) + "0000000000").left(10))
            << count;
    }
}

// The fast digit path (shortest round-trip digits) and the general one (25 digits) must give
// Qt's 15 digits, and the conversions built on them what QLocale writes.
TEST_P(Conventions, FastDigitPathAgreesWithTheGeneralOne)
{
    const auto qtDigits = [](double m, int& exponent) {
        const QString e = QString::number(m, 'e', 14);
        const qsizetype ePos = e.indexOf(QLatin1Char('e'));
        exponent = e.mid(ePos + 1).toInt();
        return e.left(ePos).remove(QLatin1Char('.')).toStdString();
    };
    std::mt19937_64 random(13);
    std::vector<double> values = {
        1,         10,    1e14,   1e15 - 1, 1e15, 9.99999999999999e22, 2.2250738585072014e-308, 4.9e-324,
        0.1 + 0.2, 1.005, 999.95, 0.5,      1e-5, 123456.78901234565};
    for (int i = 0; i < 3000; ++i) {
        values.push_back(std::ldexp(std::uniform_real_distribution<double>(1, 2)(random),
                                    std::uniform_int_distribution<int>(-1070, 1020)(random)));
        values.push_back(static_cast<double>(random() % 1000000000) / 10000.0);      // a few decimals
        values.push_back(static_cast<double>(random() % 100000) * 1000.0);           // whole, zeros
        values.push_back(static_cast<double>(random() % 100000000) * 0.0625 + 1e-3); // counts of ticks
    }
    int fast = 0;
    for (const double v : values) {
        char shortest[15];
        char general[15];
        int shortestExponent = 0;
        int generalExponent = 0;
        int qtExponent = 0;
        const std::string qt = qtDigits(v, qtExponent);
        if (detail::shortestFifteenDigits(v, shortest, shortestExponent)) {
            ++fast;
            EXPECT_EQ(std::string(shortest, 15), qt) << v;
            EXPECT_EQ(shortestExponent, qtExponent) << v;
        }
        if (detail::fifteenDigitsFrom25(v, general, generalExponent)) {
            EXPECT_EQ(std::string(general, 15), qt) << v;
            EXPECT_EQ(generalExponent, qtExponent) << v;
        }
    }
    EXPECT_GT(fast, static_cast<int>(values.size()) / 2); // the fast path is the common one

    QLocale plain;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    for (const double v : values) {
        EXPECT_EQ(numberToText(v), plain.toString(v, 'g', 15)) << v;
        EXPECT_EQ(numberToText(-v), plain.toString(-v, 'g', 15)) << v;
    }
    // Display patterns on numbers with no rounding at stake (sixteenths, and whole numbers and
    // quarters rounded to none) must read as QLocale writes them.
    const QLocale grouped = QLocale().language() == QLocale::German
                                ? QLocale(QLocale::German, QLocale::Germany)
                                : QLocale(QLocale::English, QLocale::UnitedStates);
    for (int i = 0; i < 3000; ++i) {
        const double sixteenths =
            static_cast<double>(static_cast<std::int64_t>(random() % 4000000000) - 2000000000) / 16;
        EXPECT_EQ(formatNumber(sixteenths, "#,##0.0000"), grouped.toString(sixteenths, 'f', 4)) << sixteenths;
        EXPECT_EQ(formatNumber(sixteenths, "0.0000"), plain.toString(sixteenths, 'f', 4)) << sixteenths;
        const double quarter = std::floor(std::fabs(sixteenths)) + ((i & 1) ? 0.25 : 0.75);
        EXPECT_EQ(formatNumber(quarter, "0"), plain.toString(quarter, 'f', 0)) << quarter;
        EXPECT_EQ(
            formatNumber(std::floor(std::fabs(sixteenths)), "00"),
            plain.toString(std::floor(std::fabs(sixteenths)), 'f', 0).rightJustified(2, QLatin1Char('0')))
            << sixteenths;
    }
}

// Numbers a hair either side of a half of the last digit kept, where rounding the binary number
// and rounding its 15 digits can part: the texts of the scaled path must be those of the digits.
TEST_P(Conventions, ScaledRoundingAgreesWithRoundingTheDigits)
{
    std::mt19937_64 random(29);
    std::vector<double> values = {0,
                                  0.05,
                                  0.5,
                                  1.5,
                                  2.5,
                                  9.95,
                                  99.95,
                                  0.045,
                                  1.005,
                                  999.95,
                                  1e-300,
                                  4.9e-324,
                                  1234.56785,
                                  5e12,
                                  1e13,
                                  1e15,
                                  1e16,
                                  4503599627370495.5,
                                  123456789012345.5,
                                  100000000000000.5,
                                  0.1 + 0.2,
                                  123456.78901234565};
    const auto nearHalf = [&](const std::string& decimalText) {
        const double v = std::stod(decimalText);
        for (const double w : {v, std::nextafter(v, 0.0), std::nextafter(v, 1e300)}) {
            values.push_back(w);
            values.push_back(std::nextafter(std::nextafter(w, 0.0), 0.0));
            values.push_back(std::nextafter(std::nextafter(w, 1e300), 1e300));
        }
    };
    for (int i = 0; i < 2000; ++i) {
        const std::string whole = std::to_string(random() % 100000000);
        const int places = static_cast<int>(random() % 11);
        std::string fraction;
        for (int k = 0; k < places; ++k)
            fraction += static_cast<char>('0' + random() % 10);
        nearHalf(whole + "." + fraction + "5"); // a half of the last decimal a pattern keeps
        // A half of the 15th significant digit: 16 digits ending in 5.
        std::string digits = std::to_string(1 + random() % 9);
        for (int k = 0; k < 14; ++k)
            digits += static_cast<char>('0' + random() % 10);
        const int point = 1 + static_cast<int>(random() % 15);
        nearHalf(digits.substr(0, point) + "." + digits.substr(point) + "5");
        values.push_back(std::ldexp(std::uniform_real_distribution<double>(1, 2)(random),
                                    std::uniform_int_distribution<int>(-60, 60)(random)));
        values.push_back(static_cast<double>(random() % 100000000) * 0.0625 + 1e-3);
    }
    const char* patterns[] = {"0",     "00",        "0.0",         "0.00",       "#,###.0000000000",
                              "#,###", "#,###.###", "###,###,##0", "#,##0.0000", "0.0000000000"};
    int scaled = 0;
    for (const double v : values) {
        for (const char* p : patterns) {
            const QString pattern = QString::fromLatin1(p);
            EXPECT_EQ(formatNumber(v, pattern), detail::formatNumberByDigits(v, pattern)) << v << " " << p;
            EXPECT_EQ(formatNumber(-v, pattern), detail::formatNumberByDigits(-v, pattern)) << v << " " << p;
            char all[40];
            int size = 0;
            int point = 0;
            const int decimals = static_cast<int>(QString::fromLatin1(p).section(QLatin1Char('.'), 1).size());
            scaled += detail::roundedByScaling(v, decimals, all, size, point);
        }
        char digits[15];
        int exponent = 0;
        if (detail::fifteenDigitsByScaling(v, digits, exponent)) {
            ++scaled;
            const QString e = QString::number(v, 'e', 14);
            EXPECT_EQ(std::string(digits, 15),
                      e.left(e.indexOf(QLatin1Char('e'))).remove(QLatin1Char('.')).toStdString())
                << v;
            EXPECT_EQ(exponent, e.mid(e.indexOf(QLatin1Char('e')) + 1).toInt()) << v;
        }
    }
    // The scaled path must be the common one, or the comparisons above test nothing of it.
    EXPECT_GT(scaled, static_cast<int>(values.size()) * 5);
}

TEST_P(Conventions, IntegerConversionsRoundHalvesToEvenAndOverflow)
{
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(32767), 32767);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(errorOf([] { toInt16(32768); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { toInt16(-32769); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { add16(32767, 1); }), ErrOverflow);
    EXPECT_EQ(toInt32(32768), 32768);
    EXPECT_EQ(errorOf([] { toInt32(2147483648.0); }), ErrOverflow);
    EXPECT_EQ(textToInt16(local("7")), 7);
    EXPECT_EQ(errorOf([] { textToInt16("abc"); }), ErrTypeMismatch);
    EXPECT_EQ(errorOf([] { textToInt16(""); }), ErrTypeMismatch);
    EXPECT_EQ(vbInt(-1.5), -2);
    EXPECT_EQ(vbFix(-1.5), -1);
    EXPECT_EQ(errorOf([] { divide(1, 0); }), ErrDivisionByZero);
    EXPECT_DOUBLE_EQ(divide(1, 4), 0.25);
}

INSTANTIATE_TEST_SUITE_P(Locales, Conventions, ::testing::Values(QLocale::English, QLocale::German),
                         [](const auto& info) { return info.param == QLocale::German ? "de_DE" : "en_US"; });

// A remembered reading must be read again when the text changes in any way (also a copy of it
// changed afterwards) and when the locale changes, and keep each conversion's errors.
TEST(RememberedNumber, ReadsAgainWhenTheTextOrTheLocaleChanges)
{
    const QLocale saved;
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QString commaHalf = QStringLiteral("1,5");
    QLocale::setDefault(english);
    const auto inEnglish = numericValue(commaHalf);
    ASSERT_NE(inEnglish, std::optional<double>(1.5));

    RememberedNumber r;
    EXPECT_EQ(r.numericValue(commaHalf), inEnglish);
    QLocale::setDefault(german);
    EXPECT_EQ(r.numericValue(commaHalf), std::optional<double>(1.5));
    QLocale::setDefault(english);
    EXPECT_EQ(r.numericValue(commaHalf), inEnglish);

    QString text = QStringLiteral("2");
    EXPECT_EQ(r.textToNumber(text), 2);
    text[0] = QLatin1Char('4'); // the reading must not share the changed text
    EXPECT_EQ(r.textToNumber(text), 4);
    EXPECT_EQ(r.numericValue(QStringLiteral(" 4 ")), std::optional<double>(4));
    for (int twice = 0; twice < 2; ++twice) {
        EXPECT_EQ(errorOf([&] { r.textToNumber(QString()); }), ErrTypeMismatch);
        EXPECT_EQ(r.numericValue(QString()), std::nullopt);
    }
    for (int twice = 0; twice < 2; ++twice) {
        EXPECT_EQ(errorOf([&] { r.textToNumber(QStringLiteral("1e999")); }), ErrOverflow);
        EXPECT_EQ(r.numericValue(QStringLiteral("1e999")), std::nullopt);
    }
    for (int twice = 0; twice < 2; ++twice)
        EXPECT_EQ(errorOf([&] { r.textToNumber(QStringLiteral("abc")); }), ErrTypeMismatch);
    QLocale::setDefault(saved);
}

// A remembered text is written again whenever the number, the pattern or the locale differs from
// the last call, and gives exactly what the free conversions give, their errors included.
TEST(RememberedText, WritesAgainWhenTheNumberThePatternOrTheLocaleChanges)
{
    const QLocale saved;
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(english);
    RememberedText t;
    const QString twoDecimals = QStringLiteral("#,##0.00");
    EXPECT_EQ(t.formatNumber(1234.5, twoDecimals), QStringLiteral("1,234.50"));
    EXPECT_EQ(t.formatNumber(1234.5, twoDecimals), QStringLiteral("1,234.50"));
    EXPECT_EQ(t.formatNumber(1234.5, QStringLiteral("0")), QStringLiteral("1235")); // halves away from 0
    EXPECT_EQ(t.numberToText(1234.5), QStringLiteral("1234.5"));                    // same number, no pattern
    EXPECT_EQ(t.formatNumber(1234.5, QStringLiteral("0.0")), QStringLiteral("1234.5"));
    QLocale::setDefault(german);
    EXPECT_EQ(t.formatNumber(1234.5, QStringLiteral("0.0")), QStringLiteral("1234,5"));
    EXPECT_EQ(t.numberToText(1234.5), QStringLiteral("1234,5"));
    QLocale::setDefault(english);
    EXPECT_EQ(t.numberToText(1234.5), QStringLiteral("1234.5"));
    // -0 and 0 as the conversions tell them.
    EXPECT_EQ(t.formatNumber(-0.0, QStringLiteral("0.0")), formatNumber(-0.0, QStringLiteral("0.0")));
    EXPECT_EQ(t.formatNumber(0.0, QStringLiteral("0.0")), formatNumber(0.0, QStringLiteral("0.0")));
    EXPECT_EQ(t.formatNumber(-0.04, QStringLiteral("0.0")), formatNumber(-0.04, QStringLiteral("0.0")));
    // A failure keeps nothing: the same call fails again, the next number is written.
    for (int twice = 0; twice < 2; ++twice)
        EXPECT_EQ(errorOf([&] { t.numberToText(std::numeric_limits<double>::infinity()); }), ErrOverflow);
    EXPECT_EQ(t.numberToText(7), QStringLiteral("7"));
    // Over a countdown's run every caption equals a fresh conversion.
    RememberedText seconds;
    for (double left = 180; left > 170; left -= 0.0625)
        ASSERT_EQ(seconds.formatNumber(std::trunc(left), QStringLiteral("00")),
                  formatNumber(std::trunc(left), QStringLiteral("00")))
            << left;
    QLocale::setDefault(saved);
}

// Inside a SteadyLocale the locale is looked at once; once the last one ends, a new default
// locale is seen again by every conversion and by remembered readings and texts.
TEST(SteadyLocale, ALocaleSetAfterItEndsIsSeen)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    RememberedNumber r;
    RememberedText t;
    {
        const SteadyLocale outer;
        {
            const SteadyLocale inner;
            EXPECT_EQ(numberToText(1.5), QStringLiteral("1.5"));
        }
        EXPECT_EQ(r.numericValue(QStringLiteral("1.5")), std::optional<double>(1.5));
        EXPECT_EQ(t.numberToText(2.5), QStringLiteral("2.5"));
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(numberToText(1.5), QStringLiteral("1,5"));
    EXPECT_EQ(textToNumber(QStringLiteral("1,5")), 1.5);
    EXPECT_EQ(r.numericValue(QStringLiteral("1,5")), std::optional<double>(1.5));
    EXPECT_EQ(t.numberToText(2.5), QStringLiteral("2,5"));
    {
        const SteadyLocale again; // looks again when it starts
        EXPECT_EQ(formatNumber(1234.5, QStringLiteral("#,##0.0")), QStringLiteral("1.234,5"));
    }
    QLocale::setDefault(saved);
}

TEST(ErrorReport, HasTheFourLinesWithAnOptionalFunction)
{
    ErrorTrap trap{QStringLiteral("ShowTimers")};
    trap.at(40);
    EXPECT_EQ(errorReportText(RuntimeError(ErrOverflow), trap),
              "Error Number:6\nDescription :Overflow\nFunction    : ShowTimers \nLine        :40");
    ErrorTrap load;
    load.at(170);
    EXPECT_EQ(errorReportText(RuntimeError(ErrDivisionByZero), load),
              "Error Number:11\nDescription :Division by zero\nLine        :170");
}

} // namespace
