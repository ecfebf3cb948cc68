#pragma once

#include "toolkit/Control.h"
#include "toolkit/Platform.h"

#include <QHash>
#include <QLocale>
#include <QString>

#include <optional>

namespace orebell {

// What a player's entry means, so that a refusal can say which box is wrong and what to type.
enum class EntryKind {
    NetYield,
    Commission,
    Tax,
    ProcessingSkill, // of the base ore named by the detail
    MarketValue,     // of the mineral named by the detail
    RefinedOre,      // of the mineral named by the detail
    YieldGoal,       // of the mineral named by the detail
    TimerCount,
};

// Reads the numbers the player typed into the refinery, price, skill and goal boxes. An entry that
// does not read as a number is refused with one message; it is not reported again, however often
// the figures are refreshed, until its text changes.
class EntryReader {
public:
    explicit EntryReader(MessageBoxService& box) : box_(box) {}

    // The entry's number, or nothing after refusing it. `detail` names the ore or mineral; it is
    // only read when a message is shown.
    std::optional<double> read(const Control& entry, EntryKind kind, const QString& detail = {});

    // Refuses an entry that reads as a number but is out of its range (the number of timers).
    void refuse(const Control& entry, EntryKind kind, const QString& detail = {});

    // The text of the message for an entry holding `text`.
    static QString message(EntryKind kind, const QString& detail, const QString& text);

private:
    MessageBoxService& box_;
    QHash<const Control*, QString> reported_; // entry -> the refused text already reported
    // The valuation reads some forty entries on a laser tick; most have not changed since.
    struct Read {
        QString text;
        double value;
    };
    QHash<const Control*, Read> read_;
    QLocale readLocale_; // the locale the cached values were read in
};

} // namespace orebell
