#include "gui/Surface.h"

#include "gui/Colors.h"
#include "gui/ControlWidgets.h"
#include "gui/GlyphCache.h"
#include "gui/LabelAlignment.h"
#include "gui/Twips.h"
#include "platform/WindowFont.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QWidget>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace orebell {

Surface::Surface(QWidget& host) : QObject(&host), host_(host), repaints_(host) {}

void Surface::add(Control& c, int order)
{
    Entry e;
    e.control = &c;
    e.order = order;
    e.border = c.kind() == ControlKind::Shape;
    measure(e);
    auto below = [](const Entry& a, const Entry& b) {
        return a.border != b.border ? b.border : a.order < b.order;
    };
    entries_.insert(std::upper_bound(entries_.begin(), entries_.end(), e, below), e);
    places_.clear();
    if (c.visible())
        repaints_.add(e.rect);
}

std::size_t Surface::place(const Control* c) const
{
    if (places_.empty())
        for (std::size_t i = 0; i < entries_.size(); ++i)
            places_.emplace(entries_[i].control, i);
    const auto it = places_.find(c);
    return it == places_.end() ? entries_.size() : it->second;
}

const Surface::Item* Surface::find(const Control* c) const
{
    const std::size_t i = place(c);
    return i < entries_.size() ? &entries_[i] : nullptr;
}

const GlyphCache& Surface::glyphCache(const Entry& e)
{
    if (!e.glyphs || e.glyphsGeneration != GlyphCache::generation()) {
        e.glyphs = &GlyphCache::of(e.font);
        e.glyphsGeneration = GlyphCache::generation();
    }
    return *e.glyphs;
}

int Surface::captionWidth(const Entry& e) const
{
    const QString& caption = e.control->caption();
    qreal width = 0;
    if (glyphCache(e).layout(caption, glyphs_, positions_, width))
        return static_cast<int>(std::lround(width));
    return QFontMetrics(e.font).horizontalAdvance(caption);
}

void Surface::measure(Entry& e)
{
    const Control& c = *e.control;
    e.rect = twipsRect(c.left(), c.top(), c.width(), c.height());
    e.measured = !e.border && c.visible();
    if (!e.measured)
        return; // a hidden label's font is loaded when it shows: no font engine for it at start
    e.font = windowFont(c.fontSize(), c.fontBold());
    e.glyphs = nullptr;
    e.lineHeight = QFontMetrics(e.font).height();
    align(e);
}

void Surface::align(Entry& e)
{
    const Control& c = *e.control;
    e.shown = c.caption();
    const bool oneLine = e.rect.height() < 2 * e.lineHeight && captionWidth(e) <= e.rect.width();
    e.alignment = labelAlignment(c.alignment(), oneLine);
}

void Surface::changed(const Control& c, Prop prop)
{
    const std::size_t i = place(&c);
    if (i == entries_.size())
        return;
    Entry& e = entries_[i];
    if (!e.border && !e.measured) {
        // Hidden since it was made or last measured: whatever changed, it is measured as it shows.
        measure(e);
        if (c.visible())
            repaints_.add(e.rect);
        return;
    }
    switch (prop) {
    case Prop::Caption: {
        // The tick's path: the caption may move within its rectangle, which stays; a number
        // drawn from the glyph cache repaints only the glyphs that changed.
        const Qt::Alignment alignedBefore = e.alignment;
        const QString before = e.shown;
        align(e);
        if (!c.visible())
            return;
        if (e.alignment == alignedBefore) {
            if (const std::optional<QRect> area = changedArea(e, before)) {
                if (!area->isEmpty())
                    repaints_.add(*area);
                return;
            }
        }
        break;
    }
    case Prop::Font:
    case Prop::Geometry: {
        const QRect before = e.rect;
        measure(e);
        if (!c.visible())
            return;
        if (before != e.rect)
            repaints_.add(before);
        break;
    }
    case Prop::Visible:
        break;
    case Prop::Text:
    case Prop::List:
    case Prop::Path:
    case Prop::FileName:
    case Prop::GridCells:
    case Prop::Selection:
    case Prop::Focus:
    case Prop::Tag:
    case Prop::Interval:
    case Prop::Value:
    case Prop::Locked:
    case Prop::ToolTip:
        return; // nothing an item shows
    default:
        if (!c.visible())
            return;
        break;
    }
    repaints_.add(e.rect);
}

void Surface::paint(QPainter& painter, const QRegion& exposed, std::optional<QColor> background)
{
    // A wake-up's region is a few dozen small rectangles far apart, nearly all of them inside a
    // label: what lies between them is not painted, and the window's background is filled only
    // where no label will fill its own. (Qt's clip stays the region: a clip of its own for each
    // rectangle costs more than it saves, each one laying out its scan lines afresh.)
    const QRect* const parts = exposed.begin();
    const int count = exposed.rectCount();
    const QRect bounds = exposed.boundingRect();
    covered_.assign(static_cast<std::size_t>(count), false);
    labelParts_.clear();
    for (Entry& e : entries_) {
        if (e.border || !e.control->visible() || !e.rect.intersects(bounds))
            continue;
        if (!e.measured)
            measure(e); // shown by a way that told no one
        QRect shown;
        for (int i = 0; i < count; ++i) {
            const QRect& part = parts[i];
            if (part.top() > e.rect.bottom())
                break; // the region's rectangles go down the window
            if (part.left() > e.rect.right() || part.right() < e.rect.left() || part.bottom() < e.rect.top())
                continue;
            shown |= part & e.rect;
            if (e.rect.contains(part))
                covered_[static_cast<std::size_t>(i)] = true;
        }
        if (!shown.isEmpty())
            labelParts_.push_back({&e, shown});
    }
    if (background)
        for (int i = 0; i < count; ++i)
            if (!covered_[static_cast<std::size_t>(i)])
                painter.fillRect(parts[i], *background);
    for (const auto& [e, shown] : labelParts_)
        paintLabel(painter, *e, shown);
    for (const Entry& e : entries_) {
        // The rectangle of a line drawn as a border may have no width or no height.
        if (e.border && e.control->visible() && e.rect.adjusted(0, 0, 1, 1).intersects(bounds) &&
            touchesEdges(exposed, e.rect))
            paintBorder(painter, *e.control, e.rect);
    }
}

bool Surface::touchesEdges(const QRegion& exposed, const QRect& r)
{
    // A border is four lines: a caption changing inside it does not touch it.
    return exposed.intersects(QRect(r.left(), r.top(), r.width(), 1)) ||
           exposed.intersects(QRect(r.left(), r.bottom(), r.width(), 1)) ||
           exposed.intersects(QRect(r.left(), r.top(), 1, r.height())) ||
           exposed.intersects(QRect(r.right(), r.top(), 1, r.height()));
}

Control* Surface::itemAt(const QPoint& pos) const
{
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        if (!it->border && it->control->visible() && it->rect.contains(pos))
            return it->control;
    return nullptr;
}

void Surface::paintLabel(QPainter& painter, const Entry& e, const QRect& area)
{
    // Drawn as an opaque QLabel with a plain, word-wrapped caption draws itself, pixel for pixel.
    const Control& c = *e.control;
    const bool enabled = c.enabled() && host_.isEnabled();
    QColor fore = toQColor(c.foreColor());
    if (!enabled)
        fore.setAlphaF(0.45);
    painter.fillRect(area, toQColor(c.backColor()));
    QRect contents = e.rect;
    const bool framed = c.borderStyle() != 0;
    if (framed) {
        qDrawPlainRect(&painter, e.rect, fore, 1);
        contents.adjust(1, 1, -1, -1);
    }
    if (!c.caption().isEmpty() && (framed || !enabled || !paintCached(painter, e, contents, fore, area))) {
        // A caption longer than its label is cut at the label's edges.
        painter.setClipRect(e.rect);
        if (framed) {
            // A framed label keeps its caption half an "x" clear of the frame, on its aligned sides.
            const int m = QFontMetrics(e.font).horizontalAdvance(QLatin1Char('x')) / 2;
            if (e.alignment & Qt::AlignLeft)
                contents.setLeft(contents.left() + m);
            if (e.alignment & Qt::AlignRight)
                contents.setRight(contents.right() - m);
            if (e.alignment & Qt::AlignTop)
                contents.setTop(contents.top() + m);
        }
        QPalette pal = host_.palette();
        const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
        pal.setCurrentColorGroup(group);
        pal.setColor(group, QPalette::WindowText, fore);
        painter.setFont(e.font);
        host_.style()->drawItemText(
            &painter, contents, static_cast<int>(e.alignment) | Qt::TextWordWrap | Qt::TextForceLeftToRight,
            pal, enabled, c.caption(), QPalette::WindowText);
        painter.setClipping(false);
    }
}

std::optional<QRect> Surface::changedArea(const Entry& e, const QString& before) const
{
    // Only what paintCached draws, for the caption before as well as now.
    const Control& c = *e.control;
    if (c.borderStyle() != 0 || !c.enabled() || !host_.isEnabled())
        return std::nullopt;
    const GlyphCache& cache = glyphCache(e);
    qreal width = 0;
    for (const QString* text : {&before, &c.caption()}) {
        if (text->isEmpty())
            continue; // nothing drawn
        if (cache.height() > e.rect.height() || !cache.layout(*text, glyphs_, positions_, width) ||
            width > e.rect.width())
            return std::nullopt;
    }
    return cache.changedArea(before, c.caption(), e.rect, e.alignment);
}

bool Surface::paintCached(QPainter& painter, const Entry& e, const QRect& r, const QColor& fore,
                          const QRect& area)
{
    const GlyphCache& cache = glyphCache(e);
    qreal width = 0;
    // Only a caption that fits is drawn from here: nothing needs cutting at the label's edges.
    if (cache.height() > r.height() || !cache.layout(e.control->caption(), glyphs_, positions_, width) ||
        width > r.width())
        return false;
    // A tick exposes a digit or two of a number: glyphs whose ink lies wholly outside the area are
    // left out (two pixels either side of a glyph's outline hold what hinting and antialiasing add).
    const QPointF origin = cache.baselineOrigin(r, e.alignment, width);
    const qreal from = area.left() - 2 - origin.x();
    const qreal to = area.right() + 1 + 2 - origin.x();
    const QString& caption = e.control->caption();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < glyphs_.size(); ++i) {
        const auto [inkLeft, inkRight] = cache.ink(caption[static_cast<qsizetype>(i)]);
        const qreal x = positions_[i].x();
        if (inkRight <= inkLeft || x + inkRight < from || x + inkLeft > to)
            continue;
        glyphs_[kept] = glyphs_[i];
        positions_[kept] = positions_[i];
        ++kept;
    }
    if (kept == 0)
        return true;
    glyphs_.resize(kept);
    positions_.resize(kept);
    run_.setRawFont(cache.rawFont());
    run_.setRawData(glyphs_.data(), positions_.data(), static_cast<int>(glyphs_.size()));
    if (painter.pen().color() != fore || painter.pen().style() != Qt::SolidLine)
        painter.setPen(fore);
    painter.drawGlyphRun(origin, run_);
    return true;
}

} // namespace orebell
