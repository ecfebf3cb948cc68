#include "gui/ProgramWindows.h"

#include "app/Program.h"
#include "gui/ControlWidgets.h"
#include "gui/MiningLogOpener.h"
#include "gui/Style.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

namespace orebell {

namespace {

// The program's icon: its emblem on a tile in the panel colour, at the sizes desktops ask for.
QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x31, 0x29, 0x2F));
        p.drawRoundedRect(QRectF(0, 0, size, size), size * 10.0 / 64, size * 10.0 / 64);
        paintEmblem(p, QRectF(0, 0, size, size));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

ProgramWindows::ProgramWindows(Program& program, MessageBoxService& messages,
                               MiningLogWindowMaker makeLogWindow)
    : program_(program), messages_(messages)
{
    useProgramStyle();
    QApplication::setWindowIcon(programIcon());
    main_ = std::make_unique<FormView>(program.mainForm(), &messages);
    keyboard_ = std::make_unique<KeyboardAccess>(*main_);
    // F2 and the title strip's menu open the mining log; the title strip is button 7.
    if (MiningLog* log = program.platform().miningLog())
        miningLog_ =
            new MiningLogOpener(*main_, program.mainForm().control(QStringLiteral("lblControlButton"), 7),
                                *log, messages, std::move(makeLogWindow));
    if (Form* open = program.browseForm())
        browseFormChanged(open);
    program.onBrowseFormChanged([this](Form* form) { browseFormChanged(form); });
}

ProgramWindows::~ProgramWindows()
{
    program_.onBrowseFormChanged({});
    if (chooser_)
        chooser_->release();
}

void ProgramWindows::browseFormChanged(Form* form)
{
    if (chooser_) {
        // The chooser's form is closing (or gone): the view lets go of it before it is freed.
        chooser_->release();
        chooser_->close();
        chooser_->deleteLater();
        chooser_ = nullptr;
    }
    if (form) // a window of its own, kept above the main window
        chooser_ = new FormView(*form, &messages_, main_.get());
}

} // namespace orebell
