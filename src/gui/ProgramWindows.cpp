#include "gui/ProgramWindows.h"

#include "app/Program.h"
#include "gui/ControlWidgets.h"
#include "gui/MiningLogOpener.h"
#include "gui/Style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace orebell {

namespace {

// The program's icon: its emblem on a tile in the panel colour, painted at whatever size is
// asked for. Kept as pixmaps it would hold about 100 KB for the whole session to serve a window
// manager that reads it once.
class ProgramIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        const QRectF tile(rect);
        const double radius = tile.width() * 10.0 / 64;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0x31, 0x29, 0x2F));
        painter->drawRoundedRect(tile, radius, radius);
        paintEmblem(*painter, tile);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64), QSize(128, 128)};
    }
    QIconEngine* clone() const override { return new ProgramIconEngine; }
    QString key() const override { return QStringLiteral("orebell"); }
};

} // namespace

ProgramWindows::ProgramWindows(Program& program, MessageBoxService& messages,
                               MiningLogWindowMaker makeLogWindow)
    : program_(program), messages_(messages)
{
    useProgramStyle();
    QApplication::setWindowIcon(QIcon(new ProgramIconEngine)); // the icon owns its engine
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
