#include "gui/ChooserKeyboard.h"

#include "gui/FormView.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace orebell {

ChooserKeyboard::ChooserKeyboard(FormView& chooser) : QObject(&chooser), chooser_(chooser)
{
    folders_ = chooser.widgetFor(QStringLiteral("Dir1"));
    files_ = chooser.widgetFor(QStringLiteral("File1"));
    // Installed after the view's own filters, so it sees the keys first.
    for (QWidget* w : {static_cast<QWidget*>(&chooser), folders_.data(), files_.data()})
        if (w)
            w->installEventFilter(this);
}

QString chooserWindowTitle()
{
    return QCoreApplication::translate("SoundChooser", "Orebell \u2013 choose a sound file");
}

bool ChooserKeyboard::press(const char* name)
{
    if (Form* form = chooser_.form(); form && form->has(QString::fromLatin1(name), 0))
        chooser_.pressByKey(form->control(QString::fromLatin1(name), 0));
    return true;
}

bool ChooserKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !chooser_.form())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto mods = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods != Qt::NoModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // Two stops: either way leads to the other list.
        QWidget* next = watched == files_.data() ? folders_.data() : files_.data();
        if (next)
            next->setFocus(key->key() == Qt::Key_Tab ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    case Qt::Key_Escape:
        return press("lblCancel");
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (watched == folders_.data())
            return false; // the list opens the highlighted folder
        return press("lblAccept");
    default:
        return false;
    }
}

} // namespace orebell
