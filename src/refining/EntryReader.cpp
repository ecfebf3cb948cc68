#include "refining/EntryReader.h"

#include "toolkit/Conventions.h"
#include "toolkit/RuntimeError.h"

namespace orebell {

namespace {

struct Wording {
    QString name;
    QString hint;
    QString consequence;
};

Wording wording(EntryKind kind, const QString& detail)
{
    const QString figures = QStringLiteral("the refining figures stay as they were until then.");
    const QString bar = QStringLiteral("its progress bar stays as it was until then.");
    switch (kind) {
    case EntryKind::NetYield:
        return {QStringLiteral("The refinery net yield"), QStringLiteral("a percentage such as 96.2"),
                figures};
    case EntryKind::Commission:
        return {QStringLiteral("The station commission"), QStringLiteral("a percentage such as 5.0"),
                figures};
    case EntryKind::Tax:
        return {QStringLiteral("The station tax"), QStringLiteral("a percentage such as 0.0"), figures};
    case EntryKind::ProcessingSkill:
        return {QStringLiteral("The processing skill for ") + detail, QStringLiteral("a level from 0 to 5"),
                figures};
    case EntryKind::MarketValue:
        return {QStringLiteral("The market value of ") + detail,
                QStringLiteral("a price in isk, or leave it empty"), figures};
    case EntryKind::RefinedOre:
        return {QStringLiteral("The refined amount of ") + detail,
                QStringLiteral("a number of units such as 0"), bar};
    case EntryKind::YieldGoal:
        return {QStringLiteral("The goal for ") + detail,
                QStringLiteral("a number of units, or 0 for no goal"), bar};
    case EntryKind::TimerCount:
        return {QStringLiteral("The number of timers"), QStringLiteral("a whole number from 1 to 7"),
                figures};
    }
    return {};
}

} // namespace

QString EntryReader::message(EntryKind kind, const QString& detail, const QString& text)
{
    const Wording w = wording(kind, detail);
    const QString problem = text.trimmed().isEmpty() ? QStringLiteral(" is empty.")
                                                     : QStringLiteral(" \"%1\" is not %2.")
                                                           .arg(text, kind == EntryKind::TimerCount
                                                                          ? QStringLiteral("a timer count")
                                                                          : QStringLiteral("a number"));
    return w.name + problem + QStringLiteral(" Enter ") + w.hint + QStringLiteral("; ") + w.consequence;
}

std::optional<double> EntryReader::read(const Control& entry, EntryKind kind, const QString& detail)
{
    const QLocale locale;
    if (!(locale == readLocale_)) {
        read_.clear();
        readLocale_ = locale;
    }
    if (const auto it = read_.constFind(&entry); it != read_.cend() && it->text == entry.text())
        return it->value;
    try {
        const double value = textToNumber(entry.text());
        if (!reported_.isEmpty())
            reported_.remove(&entry);
        read_.insert(&entry, Read{entry.text(), value});
        return value;
    } catch (const RuntimeError&) {
        refuse(entry, kind, detail);
        return std::nullopt;
    }
}

void EntryReader::refuse(const Control& entry, EntryKind kind, const QString& detail)
{
    const auto it = reported_.constFind(&entry);
    if (it != reported_.cend() && *it == entry.text())
        return;
    reported_.insert(&entry, entry.text());
    box_.show(message(kind, detail, entry.text()));
}

} // namespace orebell
