#pragma once

#include <QString>

namespace orebell {

// The folder of the program's sounds and help file. Beside the executable first, as a build tree
// and the Windows program keep them; else the shared data folder of an installed prefix
// (<prefix>/share/orebell for an executable in <prefix>/libexec/orebell); else, when neither holds
// them, the executable's folder still, so that a missing file is named where it was looked for.
QString programDataFolder(const QString& executableFolder);

// The executable's path, as QCoreApplication::applicationFilePath() gives it (links followed),
// but known before the application object exists; `argv0` where the system cannot tell.
QString executablePath(const QString& argv0 = {});
// Its file name without the extension.
QString executableBaseName();

} // namespace orebell
