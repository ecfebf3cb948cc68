#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRawFont>
#include <QRect>
#include <QStringView>

#include <array>
#include <optional>
#include <unordered_map>
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

    // A glyph's columns of a label, drawn once on the label's background as paintCached draws the
    // caption. Pens are in device pixels from the cell's first column; the baseline from the label's
    // top. Drawn alone when it has no neighbours, else with the neighbours given, whose ink reaches
    // into its columns (drawn in the caption's order, so the blend is the caption's).
    struct CellRequest {
        QChar before, ch, after;
        qreal penBefore = 0, pen = 0, penAfter = 0;
        qreal baseline = 0;
        int width = 0, height = 0, ratio = 1;
        QImage::Format format = QImage::Format_RGB32;
        QRgb fore = 0, back = 0; // opaque
    };
    struct Cell {
        QImage pixels; // `width` columns by the label's `height` rows
        // Drawn alone: whether its ink reaches into the column before its own, or after.
        bool left = false, right = false;
    };
    // Null for a glyph whose ink, drawn alone, reaches further than one column out of its own or out
    // of the label's rows, or whose columns are fewer than two: then only a paint is exact.
    // The reference holds until the next trimCells() (or a new generation).
    const Cell* cell(const CellRequest& request) const;
    // Lets go of the cells when they grow many; called before a copy's look-ups, never among them.
    void trimCells() const;

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
    struct CellKey {
        char16_t before = 0, ch = 0, after = 0;
        quint16 width = 0, height = 0;
        quint8 ratio = 1, format = 0;
        qint32 penBefore = 0, pen = 0, penAfter = 0, baseline = 0; // in 64ths, see sixtyFourths()
        QRgb fore = 0, back = 0;
        bool operator==(const CellKey&) const = default;
    };
    struct CellHash {
        std::size_t operator()(const CellKey& k) const noexcept;
    };
    // Built at first need; a null image for a glyph that cannot be copied alone.
    mutable std::unordered_map<CellKey, Cell, CellHash> cells_;
    Cell drawCell(const CellRequest& r) const;
    static inline int generation_ = 0;
};

} // namespace orebell
