// A program started from the desktop has no console: a fatal message (a missing platform plugin,
// a DLL that does not load) would end it without a word. The system's message box says it.
#include "platform/NativeServices.h"

#include <QString>

#include <windows.h>

namespace orebell {

namespace {

QtMessageHandler previous = nullptr;

void showFatal(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        const QString shown = QStringLiteral("Orebell cannot start:\n\n%1").arg(text);
        MessageBoxW(nullptr, reinterpret_cast<LPCWSTR>(shown.utf16()), L"Orebell_III", MB_OK | MB_ICONERROR);
    }
    if (previous)
        previous(type, context, text);
}

} // namespace

void reportFatalMessagesToThePlayer() { previous = qInstallMessageHandler(showFatal); }

} // namespace orebell
