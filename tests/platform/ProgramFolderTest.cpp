#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

// Beside the executable first (a build tree, the Windows program), then an installed prefix's
// shared data, then the executable's folder whatever it holds.
TEST(ProgramFolder, BesideTheExecutableFirstThenTheInstalledDataFolder)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString exe = QDir::toNativeSeparators(prefix.filePath(QStringLiteral("libexec/orebell")));
    QDir().mkpath(exe);
    EXPECT_EQ(programDataFolder(exe), exe) << "nothing anywhere: the executable's folder";

    touch(prefix.filePath(QStringLiteral("share/orebell/Help.rtf")));
    EXPECT_EQ(programDataFolder(exe),
              QDir::toNativeSeparators(prefix.filePath(QStringLiteral("share/orebell"))));

    touch(prefix.filePath(QStringLiteral("libexec/orebell/Help.rtf")));
    EXPECT_EQ(programDataFolder(exe), exe) << "files beside the executable win";
}

} // namespace
