#pragma once

#include <QGlyphRun>
#include <QLabel>

#include <vector>

namespace orebell {

// A control's label. A caption that is a number on one line (a countdown, a size, a sum) is drawn
// straight from the font's cached glyphs on an opaque background, so a caption that changes on
// every tick is neither shaped nor laid out again; any other caption is drawn as QLabel draws it.
// Its size is fixed, so a new caption never asks its container for a layout pass.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent);

    // Whether the label fills its background: an opaque label paints every pixel it owns.
    void setOpaque(bool opaque);
    void setFixedGeometry(const QRect& r);
    // The width of a caption in the label's font, as QFontMetrics::horizontalAdvance measures it.
    int captionWidth(const QString& caption) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool paintCached(QPainter& painter);

    // Scratch space kept between paints and measurements: a tick allocates nothing here.
    mutable std::vector<quint32> glyphs_;
    mutable std::vector<QPointF> positions_;
    QGlyphRun run_;
};

} // namespace orebell
