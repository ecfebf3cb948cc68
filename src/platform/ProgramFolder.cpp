#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace orebell {

namespace {
// The help file marks the folder: every build and install lays it down with the sounds.
bool holdsProgramFiles(const QString& folder)
{
    return QFileInfo::exists(QDir(folder).filePath(QStringLiteral("Help.rtf")));
}
} // namespace

QString programDataFolder(const QString& executableFolder)
{
    if (holdsProgramFiles(executableFolder))
        return executableFolder;
    const QString shared =
        QDir::cleanPath(QDir(executableFolder).filePath(QStringLiteral("../../share/orebell")));
    if (holdsProgramFiles(shared))
        return QDir::toNativeSeparators(shared);
    return executableFolder;
}

} // namespace orebell
