#pragma once

#include "toolkit/Control.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QWidget>

class QPainter;

namespace orebell {

// Widgets that draw straight from their model control: they keep no state of their own, so a
// change in the model is only a repaint away.

// A drawn border (no behaviour; the mouse goes to what lies beneath).
class ShapeWidget : public QWidget {
public:
    ShapeWidget(const Control& control, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Control& control_;
};

// A small picture: a mineral crystal for a picture box named by its tool tip, otherwise a rock.
class PictureWidget : public QWidget {
public:
    PictureWidget(const Control& control, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Control& control_;
};

// A panel with a caption in its border.
class FrameWidget : public QGroupBox {
public:
    FrameWidget(const Control& control, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Control& control_;
};

// Check boxes and option buttons whose state only the model changes: a click asks the model,
// which answers with the new value.
// The whole control answers a click, not only its box and caption.
class ModelCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

class ModelRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// The program's own pictures, drawn: a crystal in a mineral's colour, or a rock.
void paintMineral(QPainter& painter, const QRectF& box, const QString& mineral);
void paintRock(QPainter& painter, const QRectF& box);
QColor mineralColor(const QString& mineral);

} // namespace orebell
