#pragma once

#include "toolkit/Form.h"

#include <QString>

class QWidget;

namespace orebell {

// A tool tip as Qt is to show it: plain text with its blanks, never taken for markup.
QString tipText(const QString& tip);

// Shows a control's model state on its widget, one property at a time. While it writes to a
// widget, the widget's own signals are not the user's gestures: `syncing()` says so.
class ModelBinder {
public:
    // Held while the model is written to a widget.
    class Syncing {
    public:
        explicit Syncing(ModelBinder& binder) : n_(binder.syncing_) { ++n_; }
        ~Syncing() { --n_; }
        Syncing(const Syncing&) = delete;
        Syncing& operator=(const Syncing&) = delete;

    private:
        int& n_;
    };

    bool syncing() const { return syncing_ > 0; }

    void applyAll(Control& c, QWidget* w);
    void apply(Control& c, QWidget* w, Prop prop);
    void applyText(Control& c, QWidget* w);

private:
    void applyColors(Control& c, QWidget* w);
    void applyFont(Control& c, QWidget* w);
    void applyGeometry(Control& c, QWidget* w);
    void applySelection(Control& c, QWidget* w);
    void applyList(Control& c, QWidget* w);
    void applyFolder(Control& c, QWidget* w);
    void applyGrid(Control& c, QWidget* w);

    int syncing_ = 0;
};

} // namespace orebell
