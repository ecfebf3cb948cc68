// Test helper: saves the session of a sample window over and over (mode "save-loop"), or runs an
// event loop with the orderly-exit handlers installed (mode "serve", optionally quitting by
// itself), in a store folder given on the command line. The store tests start it and kill or
// signal it.

#include "data/Shared.h"
#include "platform/OrderlyExit.h"
#include "platform/QtSettingsStore.h"
#include "store/SampleForm.h"
#include "store/Settings.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

using namespace orebell;

struct NoSound : SoundPlayer {
    void play(const QString&) override {}
};
struct StderrBox : MessageBoxService {
    void show(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
};
struct NoClock : Clock {
    float timeOfDay() override { return 0; }
};
struct NoDesktop : Desktop {
    int setAlwaysOnTop(Form&, bool) override { return 0; }
    void openAddress(const QString&) override {}
    int textWidth(const QString&) override { return 0; }
};

class HelperPlatform : public Platform {
public:
    explicit HelperPlatform(const QString& folder) : store_(folder) {}
    SettingsStore& store() override { return store_; }
    SoundPlayer& player() override { return sound_; }
    MessageBoxService& messageBox() override { return box_; }
    Clock& clock() override { return clock_; }
    Desktop& desktop() override { return desktop_; }
    QString programFolder() override { return QCoreApplication::applicationDirPath(); }
    QString programFileName() override { return QStringLiteral("Orebell_III"); }
    ProgramVersion version() override { return {}; }
    void endProgram() override { QCoreApplication::quit(); }

private:
    QtSettingsStore store_;
    NoSound sound_;
    StderrBox box_;
    NoClock clock_;
    NoDesktop desktop_;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString mode = args.at(1);
    HelperPlatform platform(args.at(2));
    Form form(QStringLiteral("frmOrebell"));
    test::buildSampleForm(form);
    Shared shared;
    SessionStore store(form, shared, platform);
    shared.routines.LoadSettings();
    shared.routines.LoadGrid();
    form.onUnload([&platform] { platform.endProgram(); });

    QTextStream out(stdout);
    if (mode == QLatin1String("save-loop")) {
        for (int g = 1;; ++g) {
            test::fillGeneration(form, g);
            out << "begin " << g << Qt::endl;
            shared.routines.SaveAll();
            out << "saved " << g << Qt::endl;
        }
    }
    if (mode == QLatin1String("serve")) {
        OrderlyExit exit(form, shared.routines);
        test::fillGeneration(form, args.size() > 3 ? args.at(3).toInt() : 7);
        out << (exit.handlesSignals() ? "ready" : "no signals") << Qt::endl;
        // "quit": the application ends by itself, as when its last window is closed.
        if (args.size() > 4 && args.at(4) == QLatin1String("quit"))
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
        return app.exec();
    }
    return 2;
}
