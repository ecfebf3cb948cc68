#pragma once

#include <Qt>

namespace orebell {

// A control's Alignment (0 left, 1 right, 2 centre) in Qt's terms.
inline Qt::Alignment horizontalAlignment(int alignment)
{
    switch (alignment) {
    case 1:
        return Qt::AlignRight;
    case 2:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

// A label one line high centres its line, so that a caption sits in the middle of a label drawn as
// a button or beside an entry box; a caption too long for one line wraps and reads from the top,
// its first line whole.
inline Qt::Alignment labelAlignment(int alignment, bool oneLine)
{
    return horizontalAlignment(alignment) | (oneLine ? Qt::AlignVCenter : Qt::AlignTop);
}

} // namespace orebell
