#pragma once

#include <QString>

#include <stdexcept>

namespace orebell {

// Run-time error numbers the program raises and reports.
enum ErrorNumber {
    ErrInvalidCall = 5,
    ErrOverflow = 6,
    ErrSubscript = 9,
    ErrDivisionByZero = 11,
    ErrTypeMismatch = 13,
    ErrFileNotFound = 53,
    ErrInternal = 51,
    ErrInvalidProperty = 380,
};

QString errorDescription(int number);

// A run-time failure with its number and description.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number, const QString& description = {});
    int number() const { return number_; }
    const QString& description() const { return description_; }

private:
    int number_;
    QString description_;
};

[[noreturn]] void raise(int number);

// The current step of a routine that carries an error report: the label of the failing source
// line. Marking a step is a plain integer store.
struct ErrorTrap {
    QString function; // empty: the report has no "Function" line
    int line = 0;
    void at(int label) { line = label; }
};

// "Error Number:", "Description :", optional "Function    : NAME ", "Line        :".
QString errorReportText(int number, const QString& description, const QString& function, int line);
QString errorReportText(const RuntimeError& error, const ErrorTrap& trap);

// Turns whatever a routine threw into the run-time error it reports.
RuntimeError asRuntimeError(const std::exception& e);

} // namespace orebell
