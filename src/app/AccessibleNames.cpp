#include "app/AccessibleNames.h"

#include "toolkit/Form.h"

#include <QHash>

namespace orebell {

namespace {

struct Role {
    const char* words;     // what the control is on its laser or can
    const char* numbering; // "Laser", "Jet can" or none
};

// Controls whose caption is a number, a sign or empty, or says nothing of which laser it serves.
const QHash<QString, Role>& roles()
{
    static const QHash<QString, Role> table{
        {QStringLiteral("btnActivateTimer"), {"start", "Laser"}},
        {QStringLiteral("cboRoidType"), {"ore type", "Laser"}},
        {QStringLiteral("txtSizeOfRoid"), {"units of ore", "Laser"}},
        {QStringLiteral("txtMiningRate"), {"mining rate", "Laser"}},
        {QStringLiteral("txtCycleDurationInSeconds"), {"cycle duration", "Laser"}},
        {QStringLiteral("lblOreName"), {"ore", "Laser"}},
        {QStringLiteral("lblSizeOfRoid"), {"ore left", "Laser"}},
        {QStringLiteral("lblProgress"), {"depletion", "Laser"}},
        {QStringLiteral("lblCycleCountdown"), {"time left in cycle", "Laser"}},
        {QStringLiteral("lblTimeLeft"), {"time to deplete", "Laser"}},
        {QStringLiteral("lblPlusOne"), {"double up", "Laser"}},
        {QStringLiteral("lblMinusOne"), {"double down", "Laser"}},
        {QStringLiteral("lblNumFocused"), {"focused lasers", "Laser"}},
        {QStringLiteral("lblJetButton"), {"start", "Jet can"}},
        {QStringLiteral("lblClockTimer"), {"age", "Jet can"}},
        {QStringLiteral("txtJetCanName"), {"name", "Jet can"}},
        {QStringLiteral("lblBrowseSoundEffect"), {"browse", nullptr}},
        {QStringLiteral("txtPathSoundEffect"), {"sound file path", nullptr}},
        {QStringLiteral("txtSoundeEffectDelay"), {"delay", nullptr}},
    };
    return table;
}

const QStringList& buttonLabels()
{
    static const QStringList names{QStringLiteral("lblControlButton"),
                                   QStringLiteral("lblJetButton"),
                                   QStringLiteral("lblPlusOne"),
                                   QStringLiteral("lblMinusOne"),
                                   QStringLiteral("lblBrowseSoundEffect"),
                                   QStringLiteral("lblAccept"),
                                   QStringLiteral("lblCancel"),
                                   QStringLiteral("lblProcessingSkills"),
                                   QStringLiteral("lblMinimize")};
    return names;
}

// A caption that names its control: words, not a figure that changes ("0 m3", "00:00") nor a
// letter or two that stands for a button ("T", "Re", "+").
bool isWording(const QString& caption)
{
    bool letters = false;
    for (QChar ch : caption) {
        if (ch.isDigit())
            return false;
        letters = letters || ch.isLetter();
    }
    return letters && caption.size() >= 4;
}

} // namespace

AccessibleText accessibleText(const Control& control)
{
    AccessibleText text;
    const ControlKind kind = control.kind();
    if (kind == ControlKind::Shape || kind == ControlKind::Timer || kind == ControlKind::Image ||
        control.name().endsWith(QLatin1String("_bkgrnd"))) {
        text.listed = false;
        return text;
    }
    text.button = kind == ControlKind::Label && buttonLabels().contains(control.name());
    const QString caption = control.caption().trimmed();
    const QString tip = control.toolTipText().trimmed();
    text.description = tip;

    const auto role = roles().constFind(control.name());
    // cboRoidType(7) is the calculator's ore list, not a laser's.
    const bool numbered =
        role != roles().constEnd() && role->numbering && control.index() >= 0 &&
        control.index() < (QLatin1String(role->numbering) == QLatin1String("Laser") ? 7 : 4);
    if (numbered) {
        text.name = QStringLiteral("%1 %2 %3")
                        .arg(QLatin1String(role->numbering))
                        .arg(control.index() + 1)
                        .arg(QLatin1String(role->words));
    } else if (role != roles().constEnd() && !role->numbering) {
        // A sound row: its event, then what the control is on the row.
        const Control* event =
            control.form().has(QStringLiteral("chkSoundEffect"), control.index())
                ? &control.form().control(QStringLiteral("chkSoundEffect"), control.index())
                : nullptr;
        text.name = event
                        ? QStringLiteral("%1 %2").arg(event->caption().trimmed(), QLatin1String(role->words))
                        : QString::fromLatin1(role->words);
    } else if (isWording(caption)) {
        text.name = caption;
    } else if (!tip.isEmpty()) {
        text.name = tip;
    } else if (!caption.isEmpty()) {
        text.name = caption;
    } else {
        text.name = control.displayName();
    }
    if (text.description == text.name)
        text.description.clear();
    return text;
}

} // namespace orebell
