#include "gui/Colors.h"

#include <iterator>

namespace orebell {

namespace {

// The system colours of the window toolkit, by index, for a dark desktop. The program uses them for
// the text of entries (the light "inactive border" while a box may be edited, the dimmer "3D dark
// shadow" while it is locked) and for the border of an idle jet-can clock ("application workspace").
QColor systemColor(unsigned index)
{
    static const QRgb scheme[] = {
        0x3A3A3A, // 0x00 scroll bars
        0x000000, // 0x01 desktop
        0x404040, // 0x02 active title bar
        0x303030, // 0x03 inactive title bar
        0x2F2931, // 0x04 menu bar
        0x1B181C, // 0x05 window background
        0x000000, // 0x06 window frame
        0xC0C0C0, // 0x07 menu text
        0xC0C0C0, // 0x08 window text
        0xE0E0E0, // 0x09 active title text
        0xD4D0C8, // 0x0A active border
        0xD4D0C8, // 0x0B inactive border
        0x808080, // 0x0C application workspace
        0x308CC6, // 0x0D highlight
        0xFFFFFF, // 0x0E highlighted text
        0x404040, // 0x0F button face
        0x202020, // 0x10 button shadow
        0x808080, // 0x11 grey text
        0xC0C0C0, // 0x12 button text
        0x808080, // 0x13 inactive title text
        0x606060, // 0x14 button highlight
        0x808080, // 0x15 3D dark shadow
        0x505050, // 0x16 3D light
        0xE0E0E0, // 0x17 tool tip text
        0x1B181C, // 0x18 tool tip background
    };
    return QColor(index < std::size(scheme) ? scheme[index] : 0x2F2931u);
}

} // namespace

QColor toQColor(Color color)
{
    if (color & 0x80000000u)
        return systemColor(color & 0xFFu);
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

QPalette programPalette()
{
    const QColor panel(0x31, 0x29, 0x2F);
    const QColor box = systemColor(0x05);
    const QColor text(0xC0, 0xC0, 0xC0);
    QPalette pal(text, QColor(0x40, 0x40, 0x40), QColor(0x60, 0x60, 0x60), QColor(0x20, 0x20, 0x20),
                 QColor(0x38, 0x38, 0x38), text, QColor(0xFF, 0xFF, 0xFF), box, panel);
    pal.setColor(QPalette::AlternateBase, panel);
    pal.setColor(QPalette::ButtonText, text);
    pal.setColor(QPalette::Highlight, systemColor(0x0D));
    pal.setColor(QPalette::HighlightedText, systemColor(0x0E));
    pal.setColor(QPalette::ToolTipBase, systemColor(0x18));
    pal.setColor(QPalette::ToolTipText, systemColor(0x17));
    pal.setColor(QPalette::PlaceholderText, systemColor(0x11));
    pal.setColor(QPalette::Link, QColor(0xFF, 0xCC, 0x33));
    const QColor dim(0x70, 0x70, 0x70);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, role, dim);
    return pal;
}

} // namespace orebell
