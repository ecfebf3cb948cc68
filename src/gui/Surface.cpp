#include "gui/Surface.h"

#include "gui/Colors.h"
#include "gui/ControlWidgets.h"
#include "gui/GlyphCache.h"
#include "gui/LabelAlignment.h"
#include "gui/Twips.h"
#include "l10n/Translation.h"
#include "platform/WindowFont.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QWidget>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace orebell {

Surface::Surface(QWidget& host) : QObject(&host), host_(host), repaints_(host) { repaints_.setBlitter(this); }

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
    ++layoutGeneration_;
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

std::vector<Surface::Item> Surface::labels() const
{
    std::vector<Item> out;
    for (const Entry& e : entries_)
        if (!e.border)
            out.push_back(e);
    return out;
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
    const QString& caption = e.shown;
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
    e.shown = shownText(c.caption()); // what the player reads; the model keeps its English
    const bool oneLine = e.rect.height() < 2 * e.lineHeight && captionWidth(e) <= e.rect.width();
    e.alignment = labelAlignment(c.alignment(), oneLine);
}

void Surface::changed(const Control& c, Prop prop)
{
    const std::size_t i = place(&c);
    if (i == entries_.size())
        return;
    Entry& e = entries_[i];
    if (prop == Prop::Geometry)
        ++layoutGeneration_; // what lies over what may change
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
                    repaints_.addBlit(*area, &c);
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
    if (!e.shown.isEmpty() && (framed || !enabled || !paintCached(painter, e, contents, fore, area))) {
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
            pal, enabled, e.shown, QPalette::WindowText);
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
    for (const QString* text : {&before, &e.shown}) {
        if (text->isEmpty())
            continue; // nothing drawn
        if (cache.height() > e.rect.height() || !cache.layout(*text, glyphs_, positions_, width) ||
            width > e.rect.width())
            return std::nullopt;
    }
    return cache.changedArea(before, e.shown, e.rect, e.alignment);
}

bool Surface::paintCached(QPainter& painter, const Entry& e, const QRect& r, const QColor& fore,
                          const QRect& area)
{
    const GlyphCache& cache = glyphCache(e);
    qreal width = 0;
    // Only a caption that fits is drawn from here: nothing needs cutting at the label's edges.
    if (cache.height() > r.height() || !cache.layout(e.shown, glyphs_, positions_, width) ||
        width > r.width())
        return false;
    // A tick exposes a digit or two of a number: glyphs whose ink lies wholly outside the area are
    // left out (two pixels either side of a glyph's outline hold what hinting and antialiasing add).
    const QPointF origin = cache.baselineOrigin(r, e.alignment, width);
    const qreal from = area.left() - 2 - origin.x();
    const qreal to = area.right() + 1 + 2 - origin.x();
    const QString& caption = e.shown;
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

bool Surface::alone(std::size_t i, const RepaintQueue::BlitTarget& target) const
{
    // Hidden items count too: they may show by a way that tells no one.
    const Entry& e = entries_[i];
    const std::pair generations(layoutGeneration_, target.aboveGeneration);
    if (e.aloneGeneration != generations) {
        e.aloneGeneration = generations;
        e.alone = std::none_of(entries_.begin() + static_cast<std::ptrdiff_t>(i) + 1, entries_.end(),
                               [&e](const Entry& o) {
                                   return o.border ? touchesEdges(QRegion(e.rect), o.rect)
                                                   : o.rect.intersects(e.rect);
                               }) &&
                  std::none_of(target.above->begin(), target.above->end(),
                               [&e](const QRect& w) { return w.intersects(e.rect); });
    }
    return e.alone;
}

bool Surface::blit(const RepaintQueue::BlitTarget& target, const QRect& area, const void* tag)
{
    // Only what paintLabel draws with paintCached, where nothing else draws.
    const std::size_t i = place(static_cast<const Control*>(tag));
    if (i == entries_.size())
        return false;
    const Entry& e = entries_[i];
    const Control& c = *e.control;
    if (e.border || !e.measured || !c.visible() || c.borderStyle() != 0 || !c.enabled() ||
        !host_.isEnabled() || !e.rect.contains(area) || !target.visible.contains(area) || !alone(i, target))
        return false;
    const QColor back = toQColor(c.backColor());
    if (back.alpha() != 255)
        return false;
    const int ratio = target.ratio;
    const QRect label(e.rect.topLeft() * ratio + target.offset, e.rect.size() * ratio);
    const QRect pixels(area.topLeft() * ratio + target.offset, area.size() * ratio);
    if (!target.image->rect().contains(label) ||
        !placeCells(e, target, label, pixels, toQColor(c.foreColor()), back))
        return false;
    // Every pixel of the area: a glyph's cell in its columns, the background elsewhere.
    const QRgb blank = back.rgba();
    const int end = pixels.right() + 1;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(target.bits + y * target.bytesPerLine);
        const int line = y - label.top();
        int x = pixels.left();
        for (const Slot& s : cells_) {
            const int from = std::max(s.from, x);
            const int to = std::min(s.to, end);
            if (to <= from)
                continue;
            std::fill(row + x, row + from, blank);
            const auto* cellRow = reinterpret_cast<const QRgb*>(s.bits + line * s.bytesPerLine);
            std::copy_n(cellRow + (from - s.from), to - from, row + from);
            x = to;
        }
        std::fill(row + x, row + end, blank);
    }
    return true;
}

bool Surface::placeCells(const Entry& e, const RepaintQueue::BlitTarget& target, const QRect& label,
                         const QRect& pixels, const QColor& fore, const QColor& back)
{
    const GlyphCache& cache = glyphCache(e);
    cache.trimCells();
    const QString& caption = e.shown;
    qreal width = 0;
    if (!cache.layout(caption, glyphs_, positions_, width) ||
        (!caption.isEmpty() && (cache.height() > e.rect.height() || width > e.rect.width())))
        return false;
    // The device positions the window's paint gives these glyphs: its painter maps a point by
    // scaling it, then moving it by the widget's place in the window.
    const QPointF origin = cache.baselineOrigin(e.rect, e.alignment, width);
    const int ratio = target.ratio;
    const auto pen = [&](std::size_t i) {
        return (origin.x() + (i < positions_.size() ? positions_[i].x() : width)) * ratio + target.offset.x();
    };
    // A glyph's columns: from the one its pen is in to the next glyph's; the first and the last
    // take one more outside, for ink past the caption's ends.
    const auto column = [&](std::size_t i) {
        const int x = static_cast<int>(std::floor(pen(i)));
        return i == 0 ? x - 1 : i == positions_.size() ? x + 2 : x;
    };
    CellRequest request;
    request.baseline = (origin.y() + 0.0) * ratio + target.offset.y() - label.top();
    request.height = label.height();
    request.ratio = ratio;
    request.format = target.image->format();
    request.fore = fore.rgba();
    request.back = back.rgba();
    const std::size_t count = glyphs_.size();
    columns_.resize(count + 1);
    std::size_t first = count, last = 0; // the glyphs whose columns meet the area
    for (std::size_t i = 0; i <= count; ++i) {
        columns_[i] = column(i);
        if (i > 0 && columns_[i] > pixels.left() && columns_[i - 1] <= pixels.right()) {
            first = std::min(first, i - 1);
            last = i - 1;
        }
    }
    cells_.clear();
    if (first == count)
        return true; // nothing but background
    const auto ask = [&](std::size_t i, bool before, bool after) {
        const int from = columns_[i];
        const auto at = static_cast<qsizetype>(i);
        request.before = before ? caption[at - 1] : QChar();
        request.ch = caption[at];
        request.after = after ? caption[at + 1] : QChar();
        request.penBefore = before ? pen(i - 1) - from : 0;
        request.pen = pen(i) - from;
        request.penAfter = after ? pen(i + 1) - from : 0;
        request.width = columns_[i + 1] - from;
        return cache.cell(request);
    };
    // Each glyph alone, two either side of the area: ink that strays more than a column, or past
    // the caption's ends, is left to a paint. A glyph's columns then hold its own ink and what its
    // neighbours' reaches into them.
    const std::size_t lo = first >= 2 ? first - 2 : 0, hi = std::min(last + 2, count - 1);
    alone_.assign(count, nullptr);
    for (std::size_t i = lo; i <= hi; ++i) {
        const GlyphCache::Cell* cell = ask(i, false, false);
        if (!cell || (i == 0 && cell->left) || (i + 1 == count && cell->right))
            return false;
        alone_[i] = cell;
    }
    for (std::size_t i = first; i <= last; ++i) {
        const bool before = i > 0 && alone_[i - 1]->right;
        const bool after = i + 1 < count && alone_[i + 1]->left;
        const GlyphCache::Cell* cell = before || after ? ask(i, before, after) : alone_[i];
        if (!cell)
            return false;
        cells_.push_back(
            {columns_[i], columns_[i + 1], cell->pixels.constBits(), cell->pixels.bytesPerLine()});
    }
    return true;
}

} // namespace orebell
