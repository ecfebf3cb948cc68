#pragma once

#include "toolkit/MiningLog.h"

#include <QDate>
#include <QString>

namespace orebell {

// How the mining log window writes its figures, in the player's locale.
QString inProgressText();
// How a trip ended (the log's English word), in the window's language.
QString endedByText(const QString& endedBy);
QString wholeNumber(double v);
QString dayText(const QDate& day);
QString oreText(const Trip& trip);
// h:mm:ss, rounded to the second.
QString duration(double seconds);

} // namespace orebell
