#include "gui/GlyphCache.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>

namespace orebell {

namespace {

constexpr char16_t WideCharacters[] = {u'\u00a0', u'\u202f', u'\u2212'};

// A device position in 64ths of a pixel, as the raster engine takes it (whether it truncates or
// rounds): two positions with the same figure draw a glyph alike.
qint32 sixtyFourths(qreal v)
{
    const qreal scaled = v * 64; // v is positive
    const auto truncated = static_cast<qint32>(scaled);
    return truncated * 2 + (static_cast<qint32>(scaled + 0.5) != truncated ? 1 : 0);
}

// Half a length as Qt's text layout centres a line: in 64ths of a pixel, the odd 64th dropped
// (toward zero). Kept in a qreal, the half 64th moves a glyph at a fractional scale onto another
// of the rasteriser's sub-pixel positions, and its pixels differ from what Qt paints.
qreal halfInSixtyFourths(qreal length)
{
    const auto fixed = static_cast<qint64>(std::llround(length * 64));
    return static_cast<qreal>(fixed / 2) / 64;
}

bool isNumberCharacter(char16_t ch)
{
    return (ch >= u'0' && ch <= u'9') || QStringView(u" .,:;-+%/()'").contains(QChar(ch));
}

} // namespace

const GlyphCache& GlyphCache::of(const QFont& font)
{
    // A window uses a handful of fonts; a store that outgrows that starts again.
    static std::vector<std::unique_ptr<GlyphCache>> caches;
    for (const auto& cache : caches)
        if (cache->font_ == font)
            return *cache;
    if (caches.size() >= 32) {
        caches.clear();
        ++generation_;
    }
    caches.push_back(std::unique_ptr<GlyphCache>(new GlyphCache(font)));
    return *caches.back();
}

GlyphCache::GlyphCache(const QFont& font) : font_(font), raw_(QRawFont::fromFont(font))
{
    const QFontMetricsF metrics(font);
    ascent_ = metrics.ascent();
    height_ = metrics.height();
    // Each glyph is read when first asked for: loading one is most of a cache's cost, and the
    // captions of the first frame use a few of them.
    const bool readable = raw_.isValid();
    for (char16_t ch = 0; ch < ascii_.size(); ++ch)
        ascii_[ch].read = !readable || !isNumberCharacter(ch);
    for (std::size_t i = 0; i < wide_.size(); ++i) {
        wide_[i].ch = WideCharacters[i];
        wide_[i].glyph.read = !readable;
    }
}

void GlyphCache::read(char16_t ch, Glyph& glyph) const
{
    glyph.read = true;
    const QList<quint32> indexes = raw_.glyphIndexesForString(QString(QChar(ch)));
    if (indexes.size() != 1 || indexes.front() == 0)
        return; // not in this font: Qt's layout finds a fallback
    const QList<QPointF> advances = raw_.advancesForGlyphIndexes(indexes);
    const QRectF ink = raw_.boundingRect(indexes.front());
    glyph = {indexes.front(), advances.value(0).x(), ink.left(), ink.right(), true, true};
}

const GlyphCache::Glyph* GlyphCache::find(char16_t ch) const
{
    Glyph* glyph = nullptr;
    if (ch < ascii_.size()) {
        glyph = &ascii_[ch];
    } else {
        for (Wide& wide : wide_) {
            if (wide.ch == ch) {
                glyph = &wide.glyph;
                break;
            }
        }
    }
    if (!glyph)
        return nullptr;
    if (!glyph->read)
        read(ch, *glyph);
    return glyph->cached ? glyph : nullptr;
}

std::pair<qreal, qreal> GlyphCache::ink(QChar ch) const
{
    const Glyph* glyph = find(ch.unicode());
    return glyph ? std::pair(glyph->inkLeft, glyph->inkRight) : std::pair(qreal(0), qreal(0));
}

bool GlyphCache::layout(QStringView text, std::vector<quint32>& glyphs, std::vector<QPointF>& positions,
                        qreal& width) const
{
    glyphs.clear();
    positions.clear();
    qreal x = 0;
    for (QChar ch : text) {
        const Glyph* glyph = find(ch.unicode());
        if (!glyph)
            return false;
        glyphs.push_back(glyph->index);
        positions.emplace_back(x, 0.0);
        x += glyph->advance;
    }
    width = x;
    return true;
}

bool GlyphCache::measure(QStringView text, qreal& width) const
{
    width = 0;
    for (QChar ch : text) {
        const Glyph* glyph = find(ch.unicode());
        if (!glyph)
            return false;
        width += glyph->advance;
    }
    return true;
}

std::optional<QRect> GlyphCache::changedArea(QStringView before, QStringView after, const QRect& r,
                                             Qt::Alignment a) const
{
    qreal widthBefore = 0, widthAfter = 0;
    if (!measure(before, widthBefore) || !measure(after, widthAfter))
        return std::nullopt;
    const qreal startBefore = baselineOrigin(r, a, widthBefore).x();
    const qreal startAfter = baselineOrigin(r, a, widthAfter).x();
    const auto same = [](qreal x, qreal y) { return std::abs(x - y) < 1e-6; };
    const qsizetype shorter = std::min(before.size(), after.size());
    // A run of equal characters from a common start, then from a common end, stays in place.
    qsizetype head = 0;
    if (same(startBefore, startAfter))
        while (head < shorter && before[head] == after[head])
            ++head;
    qsizetype tail = 0;
    if (same(startBefore + widthBefore, startAfter + widthAfter))
        while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
            ++tail;
    qreal left = std::numeric_limits<qreal>::max();
    qreal right = std::numeric_limits<qreal>::lowest();
    const auto cover = [&](QStringView text, qreal x) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const Glyph& glyph = *find(text[i].unicode());
            if (i >= head && i < text.size() - tail && glyph.inkRight > glyph.inkLeft) {
                left = std::min(left, x + glyph.inkLeft);
                right = std::max(right, x + glyph.inkRight);
            }
            x += glyph.advance;
        }
    };
    cover(before, startBefore);
    cover(after, startAfter);
    if (right < left)
        return QRect();
    // A pixel on either side for the antialiasing at the ink's edge.
    const int x0 = static_cast<int>(std::floor(left)) - 1;
    const int x1 = static_cast<int>(std::ceil(right)) + 1;
    return QRect(x0, r.top(), x1 - x0, r.height()) & r;
}

QPointF GlyphCache::baselineOrigin(const QRect& r, Qt::Alignment a, qreal width) const
{
    qreal x = r.x(), y = r.y();
    if (a & Qt::AlignRight)
        x += r.width() - width;
    else if (a & Qt::AlignHCenter)
        x += halfInSixtyFourths(r.width() - width);
    if (a & Qt::AlignBottom)
        y += r.height() - height_;
    else if (a & Qt::AlignVCenter)
        y += (r.height() - height_) / 2;
    return QPointF(x, y + ascent_);
}

std::size_t GlyphCache::CellHash::operator()(const CellKey& k) const noexcept
{
    std::size_t h = std::size_t(k.before) << 32 | std::size_t(k.ch) << 16 | k.after;
    for (const std::size_t v :
         {std::size_t(k.width) << 32 | std::size_t(k.height) << 16 | std::size_t(k.ratio) << 8 | k.format,
          std::size_t(quint32(k.penBefore)) << 32 | quint32(k.pen),
          std::size_t(quint32(k.penAfter)) << 32 | quint32(k.baseline), std::size_t(k.fore) << 32 | k.back})
        h = (h ^ v) * 0x9E3779B97F4A7C15ull;
    return h ^ (h >> 29);
}

void GlyphCache::trimCells() const
{
    if (cells_.size() >= 2048)
        cells_.clear(); // numbers that wander through many places: start again
}

const GlyphCache::Cell* GlyphCache::cell(const CellRequest& r) const
{
    if (r.width < 2 || r.height <= 0 || r.width > 0xffff || r.height > 0xffff || r.ratio < 1 ||
        r.ratio > 0xff)
        return nullptr;
    const bool before = !r.before.isNull(), after = !r.after.isNull();
    const CellKey key{r.before.unicode(),
                      r.ch.unicode(),
                      r.after.unicode(),
                      static_cast<quint16>(r.width),
                      static_cast<quint16>(r.height),
                      static_cast<quint8>(r.ratio),
                      static_cast<quint8>(r.format),
                      before ? sixtyFourths(r.penBefore + 64) : 0,
                      sixtyFourths(r.pen + 64),
                      after ? sixtyFourths(r.penAfter + 64) : 0,
                      sixtyFourths(r.baseline + 64),
                      r.fore,
                      r.back};
    auto it = cells_.find(key);
    if (it == cells_.end())
        it = cells_.emplace(key, drawCell(r)).first;
    return it->second.pixels.isNull() ? nullptr : &it->second;
}

GlyphCache::Cell GlyphCache::drawCell(const CellRequest& r) const
{
    const Glyph* glyph = find(r.ch.unicode());
    const Glyph* left = r.before.isNull() ? nullptr : find(r.before.unicode());
    const Glyph* right = r.after.isNull() ? nullptr : find(r.after.unicode());
    if (!glyph || (!r.before.isNull() && !left) || (!r.after.isNull() && !right))
        return {};
    // Drawn with room around it; positions are the window's less whole pixels, so the painter's
    // scale gives back the very device positions, and the glyphs their pixels.
    const int pad = 16 * r.ratio;
    QImage canvas(r.width + 2 * pad, r.height + 2 * pad, r.format);
    canvas.setDevicePixelRatio(r.ratio);
    canvas.fill(QColor::fromRgba(r.back));
    {
        QPainter painter(&canvas);
        painter.setPen(QColor::fromRgba(r.fore));
        QGlyphRun run;
        run.setRawFont(raw_);
        for (const auto& [g, pen] :
             {std::pair(left, r.penBefore), std::pair(glyph, r.pen), std::pair(right, r.penAfter)}) {
            if (!g || g->inkRight <= g->inkLeft)
                continue; // paintCached leaves out what draws nothing
            const quint32 index = g->index;
            const QPointF zero;
            run.setRawData(&index, &zero, 1);
            painter.drawGlyphRun(QPointF((pad + pen) / r.ratio, (pad + r.baseline) / r.ratio), run);
        }
    }
    Cell cell;
    if (!left && !right) {
        // Alone: its ink stays in its rows, and in its columns but for one on either side.
        const QRgb blank = r.back;
        for (int y = 0; y < canvas.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
            const bool inside = y >= pad && y < pad + r.height;
            for (int x = 0; x < canvas.width(); ++x) {
                if ((row[x] | 0xff000000) == blank)
                    continue;
                if (!inside || x < pad - 1 || x > pad + r.width)
                    return {};
                cell.left = cell.left || x == pad - 1;
                cell.right = cell.right || x == pad + r.width;
            }
        }
    }
    cell.pixels = canvas.copy(pad, pad, r.width, r.height);
    return cell;
}

} // namespace orebell
