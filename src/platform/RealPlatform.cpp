#include "platform/RealPlatform.h"

#include "l10n/Translation.h"
#include "platform/LocalClock.h"
#include "platform/NativeServices.h"
#include "platform/ProgramFolder.h"
#include "platform/WindowFont.h"
#include "toolkit/Form.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QUrl>

namespace orebell {

namespace {

class QtMessageBox : public MessageBoxService {
public:
    void show(const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), shownText(text),
                        QMessageBox::Ok);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        box.exec();
    }
};

class SystemClock : public Clock {
public:
    float timeOfDay() override { return static_cast<float>(local_.secondsOfDay()); }

private:
    LocalClock local_;
};

class QtDesktop : public Desktop {
public:
    int setAlwaysOnTop(Form& form, bool onTop) override
    {
        form.setOnTop(onTop); // the view turns this into the window's stays-on-top flag
        return onTop ? 1 : 0;
    }
    void openAddress(const QString& address) override { QDesktopServices::openUrl(QUrl(address)); }
    int textWidth(const QString& text) override
    {
        return QFontMetrics(windowFont()).horizontalAdvance(text) * 15;
    }
};

} // namespace

RealPlatform::RealPlatform(RealPlatformParts parts)
    : messageBox_(std::make_unique<QtMessageBox>()), clock_(std::make_unique<SystemClock>()),
      desktop_(std::make_unique<QtDesktop>()), makeMiningLog_(std::move(parts.miningLog))
{
    player_ = parts.player(*messageBox_);
}

RealPlatform::~RealPlatform() = default;

MiningLog* RealPlatform::miningLog()
{
    if (!miningLog_ && makeMiningLog_)
        miningLog_ = makeMiningLog_();
    return miningLog_.get();
}

GlobalKeys& RealPlatform::globalKeys()
{
    if (!globalKeys_)
        globalKeys_ = makeGlobalKeys();
    return *globalKeys_;
}

QString RealPlatform::programFolder()
{
    if (programFolder_.isEmpty())
        programFolder_ = programDataFolder(QDir::toNativeSeparators(QApplication::applicationDirPath()));
    return programFolder_;
}

QString RealPlatform::programFileName()
{
    return QFileInfo(QApplication::applicationFilePath()).completeBaseName();
}

ProgramVersion RealPlatform::version()
{
    return {OREBELL_VERSION_MAJOR, OREBELL_VERSION_MINOR, OREBELL_VERSION_PATCH};
}

void RealPlatform::endProgram()
{
    // Queued: a request made before the event loop runs (a failed load) must not be lost.
    endRequested_ = true;
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

} // namespace orebell
