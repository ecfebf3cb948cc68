#pragma once

#include <QLocale>

namespace orebell::test {

// The user's number format for one test, put back afterwards: tests that assert texts pin it, so
// the suite passes whatever the desk it runs on.
class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(previous_); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    static QLocale english() { return QLocale(QLocale::English, QLocale::UnitedStates); }
    static QLocale german() { return QLocale(QLocale::German, QLocale::Germany); }

private:
    QLocale previous_;
};

} // namespace orebell::test
