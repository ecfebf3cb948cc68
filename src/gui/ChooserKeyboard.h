#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace orebell {

class FormView;

// The sound chooser on the keyboard: Tab and Shift+Tab go from one list to the other, Return
// accepts (in the folder list it opens the folder, as there a double click does), Escape cancels.
// Lives as long as the chooser's view, which owns it.
class ChooserKeyboard : public QObject {
    Q_OBJECT
public:
    explicit ChooserKeyboard(FormView& chooser);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool press(const char* name);

    FormView& chooser_;
    QPointer<QWidget> folders_;
    QPointer<QWidget> files_;
};

// What the desktop's task switcher shows for the chooser: the program and the task.
QString chooserWindowTitle();

} // namespace orebell
