#include "gui/GlyphCache.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace orebell {

namespace {

constexpr char16_t WideCharacters[] = {u'\u00a0', u'\u202f', u'\u2212'};

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
        x += (r.width() - width) / 2;
    if (a & Qt::AlignBottom)
        y += r.height() - height_;
    else if (a & Qt::AlignVCenter)
        y += (r.height() - height_) / 2;
    return QPointF(x, y + ascent_);
}

} // namespace orebell
