#include "toolkit/RuntimeError.h"

namespace orebell {

QString errorDescription(int number)
{
    switch (number) {
    case ErrInvalidCall:
        return QStringLiteral("Invalid procedure call or argument");
    case ErrOverflow:
        return QStringLiteral("Overflow");
    case ErrSubscript:
        return QStringLiteral("Subscript out of range");
    case ErrDivisionByZero:
        return QStringLiteral("Division by zero");
    case ErrTypeMismatch:
        return QStringLiteral("Type mismatch");
    case ErrInternal:
        return QStringLiteral("Internal error");
    case ErrFileNotFound:
        return QStringLiteral("File not found");
    case ErrInvalidProperty:
        return QStringLiteral("Invalid property value");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

RuntimeError::RuntimeError(int number, const QString& description)
    : std::runtime_error((description.isEmpty() ? errorDescription(number) : description).toStdString()),
      number_(number), description_(description.isEmpty() ? errorDescription(number) : description)
{}

void raise(int number) { throw RuntimeError(number); }

QString errorReportText(int number, const QString& description, const QString& function, int line)
{
    QString text = QStringLiteral("Error Number:") + QString::number(number) + QLatin1Char('\n') +
                   QStringLiteral("Description :") + description + QLatin1Char('\n');
    if (!function.isEmpty())
        text += QStringLiteral("Function    : ") + function + QStringLiteral(" \n");
    text += QStringLiteral("Line        :") + QString::number(line);
    return text;
}

QString errorReportText(const RuntimeError& error, const ErrorTrap& trap)
{
    return errorReportText(error.number(), error.description(), trap.function, trap.line);
}

RuntimeError asRuntimeError(const std::exception& e)
{
    if (const auto* runtime = dynamic_cast<const RuntimeError*>(&e))
        return *runtime;
    if (dynamic_cast<const std::out_of_range*>(&e))
        return RuntimeError(ErrSubscript, QString::fromStdString(e.what()));
    return RuntimeError(ErrInternal, QString::fromStdString(e.what()));
}

} // namespace orebell
