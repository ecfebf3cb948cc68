#pragma once

#include "gui/GlyphCache.h"
#include "gui/RepaintQueue.h"
#include "toolkit/Form.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QObject>
#include <QRect>
#include <QRegion>

#include <optional>
#include <unordered_map>
#include <vector>

class QPainter;
class QWidget;

namespace orebell {

// The labels and drawn borders of one container (the window or a panel), painted by the
// container itself instead of a widget each: a caption that changes repaints its own rectangle of
// one widget, with no sibling bookkeeping and no layout. Items lie beneath every widget of their
// container, borders above labels, each kind in the form's order, as their widgets did.
//
// A number whose glyphs changed is copied into the window's backing store from glyph cells drawn
// once on the label's background, one memory copy a row, when nothing else is drawn there; any
// other change goes through the container's paint event, which draws the same pixels.
class Surface : public QObject, private RepaintQueue::Blitter {
    Q_OBJECT
public:
    // An item as it shows now, in its container's coordinates (a label hidden since it was made
    // has its alignment from its first showing).
    struct Item {
        Control* control = nullptr;
        QRect rect;
        Qt::Alignment alignment;
    };

    explicit Surface(QWidget& host);

    QWidget& host() const { return host_; }
    // order: the control's place in its form; borders go above every label whatever their order.
    void add(Control& c, int order);
    const Item* find(const Control* c) const;
    // The labels (borders left out), in the form's order.
    std::vector<Item> labels() const;
    // The model changed a property of an item: repaint what it covered and what it covers now.
    void changed(const Control& c, Prop prop);
    // Called from the container's paint event, after its own background, or with the background
    // to fill where no label covers the region.
    void paint(QPainter& painter, const QRegion& exposed, std::optional<QColor> background = std::nullopt);
    // The topmost shown label under a point (borders let the mouse through); null for none.
    Control* itemAt(const QPoint& pos) const;

private:
    struct Entry : Item {
        int order = 0;
        bool border = false;
        bool measured = false; // font, line height and alignment are a hidden label's once shown
        QFont font;
        int lineHeight = 0;
        QString shown; // the caption as last aligned
        // The font's glyph cache, found again when the font or the caches change.
        mutable const GlyphCache* glyphs = nullptr;
        mutable int glyphsGeneration = -1;
        // Whether nothing is drawn over it (no later label, no border's edge, no widget), as of the
        // generations of the surface's layout and of the widgets over it.
        mutable std::pair<int, int> aloneGeneration{-1, -1};
        mutable bool alone = false;
    };
    // A glyph's columns in the backing store and its cell.
    using CellRequest = GlyphCache::CellRequest;
    struct Slot {
        int from = 0;
        int to = 0;
        const uchar* bits = nullptr; // the cell's pixels
        qsizetype bytesPerLine = 0;
    };
    bool blit(const RepaintQueue::BlitTarget& target, const QRect& area, const void* tag) override;
    bool alone(std::size_t i, const RepaintQueue::BlitTarget& target) const;
    bool placeCells(const Entry& e, const RepaintQueue::BlitTarget& target, const QRect& label,
                    const QRect& pixels, const QColor& fore, const QColor& back);
    static bool touchesEdges(const QRegion& exposed, const QRect& r);
    void measure(Entry& e);
    void align(Entry& e);
    // area: the part of the label to paint (the painter's clip may hold less of it).
    void paintLabel(QPainter& painter, const Entry& e, const QRect& area);
    bool paintCached(QPainter& painter, const Entry& e, const QRect& contents, const QColor& fore,
                     const QRect& area);
    int captionWidth(const Entry& e) const;
    std::optional<QRect> changedArea(const Entry& e, const QString& before) const;

    // The index of a control's entry; entries_.size() for none.
    std::size_t place(const Control* c) const;
    static const GlyphCache& glyphCache(const Entry& e);

    QWidget& host_;
    // What the model changed, painted together as the event loop turns.
    RepaintQueue repaints_;
    std::vector<Entry> entries_;
    // Where each control's entry is, made again at the first look-up after an add.
    mutable std::unordered_map<const Control*, std::size_t> places_;
    // Scratch space kept between paints: a tick allocates nothing here.
    mutable std::vector<quint32> glyphs_;
    mutable std::vector<QPointF> positions_;
    QGlyphRun run_;
    // A paint's labels, each with the part of it the region holds, and the region's rectangles a
    // label covers whole.
    std::vector<std::pair<const Entry*, QRect>> labelParts_;
    std::vector<bool> covered_;
    std::vector<Slot> cells_;
    std::vector<int> columns_;
    std::vector<const GlyphCache::Cell*> alone_;
    // Counts the changes of where items lie or whether they show.
    int layoutGeneration_ = 0;
};

} // namespace orebell
