#pragma once

#include <QFont>
#include <QPointF>
#include <QRawFont>
#include <QRect>
#include <QStringView>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace orebell {

// The glyphs of the characters numbers are written with, for one font: a number that changes on
// every tick is laid out from here without being shaped again. Letters are left to Qt's text
// layout, which kerns them; digits and separators do not kern.
class GlyphCache {
public:
    // The cache of a font; the reference holds while generation() stays the same.
    static const GlyphCache& of(const QFont& font);
    static int generation() { return generation_; }

    // The glyphs of a one-line text and their pen positions from x = 0, and its width; false when
    // a character is not a cached one.
    bool layout(QStringView text, std::vector<quint32>& glyphs, std::vector<QPointF>& positions,
                qreal& width) const;

    // Where a laid-out run of this width starts its baseline inside a rectangle, aligned as a label
    // aligns its text.
    QPointF baselineOrigin(const QRect& r, Qt::Alignment a, qreal width) const;

    // What must be repainted when a one-line text, shown in a rectangle as a label aligns it,
    // becomes another: the glyphs that keep their character and their place keep their pixels,
    // so a count going from 1,234,567 to 1,234,566 repaints one digit. The rectangle's full height;
    // empty when no pixel differs; none when either text has a character that is not cached.
    std::optional<QRect> changedArea(QStringView before, QStringView after, const QRect& r,
                                     Qt::Alignment a) const;

    // Where a cached character's glyph draws, from its pen position: left and right; nothing drawn
    // when right is not past left.
    std::pair<qreal, qreal> ink(QChar ch) const;

    const QRawFont& rawFont() const { return raw_; }
    qreal ascent() const { return ascent_; }
    qreal height() const { return height_; }

private:
    explicit GlyphCache(const QFont& font);

    struct Glyph {
        quint32 index = 0;
        qreal advance = 0;
        qreal inkLeft = 0; // the glyph's drawn pixels, from its pen position
        qreal inkRight = 0;
        bool cached = false;
        bool read = false; // looked up in the font (cached tells whether it is there)
    };
    const Glyph* find(char16_t ch) const;
    void read(char16_t ch, Glyph& glyph) const;
    bool measure(QStringView text, qreal& width) const;

    QFont font_;
    QRawFont raw_;
    qreal ascent_ = 0;
    qreal height_ = 0;
    mutable std::array<Glyph, 128> ascii_{};
    // The blanks some locales group digits with, and the minus sign.
    struct Wide {
        char16_t ch = 0;
        Glyph glyph;
    };
    mutable std::array<Wide, 3> wide_;
    static inline int generation_ = 0;
};

} // namespace orebell
