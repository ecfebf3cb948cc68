#include "gui/CaptionLabel.h"

#include "gui/GlyphCache.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

#include <cmath>

namespace orebell {

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setOpaque(true);
}

void CaptionLabel::setOpaque(bool opaque)
{
    setAutoFillBackground(opaque);
    // The background is filled by paintEvent, with the same painter as the caption.
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

void CaptionLabel::setFixedGeometry(const QRect& r)
{
    setFixedSize(r.size());
    move(r.topLeft());
}

int CaptionLabel::captionWidth(const QString& caption) const
{
    qreal width = 0;
    if (GlyphCache::of(font()).layout(caption, glyphs_, positions_, width))
        return static_cast<int>(std::lround(width));
    return fontMetrics().horizontalAdvance(caption);
}

void CaptionLabel::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        if (testAttribute(Qt::WA_OpaquePaintEvent))
            painter.fillRect(event->rect(), palette().brush(backgroundRole()));
        if (paintCached(painter))
            return;
    }
    QLabel::paintEvent(event);
}

bool CaptionLabel::paintCached(QPainter& painter)
{
    // Borders (with their indent), disabled text (which the style may etch), mnemonics and pictures
    // are QLabel's.
    if (frameWidth() != 0 || margin() != 0 || indent() > 0 || !isEnabled() || text().isEmpty())
        return false;
    const GlyphCache& cache = GlyphCache::of(font());
    qreal width = 0;
    const QRect r = contentsRect();
    if (!cache.layout(text(), glyphs_, positions_, width) || width > r.width())
        return false;
    const Qt::Alignment a = QStyle::visualAlignment(layoutDirection(), alignment());
    run_.setRawFont(cache.rawFont());
    run_.setRawData(glyphs_.data(), positions_.data(), static_cast<int>(glyphs_.size()));
    const QPalette::ColorGroup group = isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    painter.setPen(palette().color(group, foregroundRole()));
    painter.drawGlyphRun(cache.baselineOrigin(r, a, width), run_);
    return true;
}

} // namespace orebell
