#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace orebell {

class Control;
class MessageBoxService;
class MiningLog;
class MiningLogWindow;

// Opens the "Mining log" window from the main window: with F2, and from a menu on a right click
// on the title strip. Nothing else of the main window changes; the log window is made at its
// first opening and read again at each.
class MiningLogOpener : public QObject {
    Q_OBJECT
public:
    MiningLogOpener(QWidget& mainView, const Control& titleStrip, MiningLog& log,
                    MessageBoxService& messages);
    ~MiningLogOpener() override;

    void open();
    MiningLogWindow* window() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& mainView_;
    const Control& title_;
    MiningLog& log_;
    MessageBoxService& messages_;
    QPointer<MiningLogWindow> window_;
};

} // namespace orebell
