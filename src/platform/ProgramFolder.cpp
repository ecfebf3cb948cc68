#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

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

QString executablePath(const QString& argv0)
{
    QString path;
#if defined(Q_OS_WIN)
    std::wstring buffer(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    path = QString::fromWCharArray(buffer.data(), static_cast<int>(length));
#elif defined(Q_OS_LINUX)
    path = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
#endif
    if (path.isEmpty() && QCoreApplication::instance())
        path = QCoreApplication::applicationFilePath();
    if (path.isEmpty() && !argv0.isEmpty())
        path = QFileInfo(argv0).absoluteFilePath();
    return path;
}

QString executableBaseName() { return QFileInfo(executablePath()).completeBaseName(); }

} // namespace orebell
