#pragma once

#include "toolkit/Control.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

class QPainter;

namespace orebell {

class Surface;

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

// A small picture: a mineral crystal for a picture box named by its tool tip, otherwise a rock;
// an image, which has no picture of its own, shows the program's emblem.
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

    // The labels and borders drawn on the panel.
    void setSurface(Surface* surface) { surface_ = surface; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintFrame(QPainter& p, const QRect& exposed);

    const Control& control_;
    Surface* surface_ = nullptr;
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

// A one-line entry box; with a border style, a single line round it in the control's border
// colour, like the drawn borders round the other boxes.
class ModelLineEdit : public QLineEdit {
public:
    ModelLineEdit(const Control& control, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Control& control_;
};

// A drop-down list that shows as much of a long choice as its width allows: the whole name, else
// the name with its first word cut short ("Conc. Veldspar"), else the name cut at the end. The
// open list is as wide as its longest name.
class ModelComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool listMade() const;
};

// The longest form of a name that fits a width: whole, with the first word shortened, or cut.
// A drawn border (a shape control) over a rectangle of its container.
void paintBorder(QPainter& painter, const Control& shape, const QRect& r);

QString fittedName(const QString& name, const QFontMetrics& metrics, int width);

// The program's own pictures, drawn: a crystal in a mineral's colour, a rock, and the program's
// emblem (an asteroid under a laser, with a cycle clock), also its window icon.
void paintMineral(QPainter& painter, const QRectF& box, const QString& mineral);
void paintRock(QPainter& painter, const QRectF& box);
// The emblem, its asteroid dimmed by strength; without the clock it leaves room for a caption.
void paintEmblem(QPainter& painter, const QRectF& box, double strength = 1.0, bool clock = true);
QColor mineralColor(const QString& mineral);

} // namespace orebell
