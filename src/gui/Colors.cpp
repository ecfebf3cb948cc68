#include "gui/Colors.h"

#include <QApplication>

namespace orebell {

namespace {

// The system colour indexes of the window toolkit, mapped to the nearest palette role.
QPalette::ColorRole systemRole(unsigned index)
{
    switch (index) {
    case 0x00: // scroll bars
        return QPalette::Mid;
    case 0x01: // desktop
    case 0x0C: // application workspace
        return QPalette::Dark;
    case 0x02: // active title bar
    case 0x0D: // highlight
        return QPalette::Highlight;
    case 0x03: // inactive title bar
    case 0x10: // button shadow
        return QPalette::Mid;
    case 0x04: // menu bar
    case 0x0F: // button face
    case 0x0A: // active border
    case 0x0B: // inactive border
        return QPalette::Button;
    case 0x05: // window background
        return QPalette::Base;
    case 0x06: // window frame
    case 0x15: // 3D dark shadow
        return QPalette::Shadow;
    case 0x07: // menu text
    case 0x08: // window text
        return QPalette::Text;
    case 0x09: // active title text
    case 0x0E: // highlighted text
        return QPalette::HighlightedText;
    case 0x11: // grey text
        return QPalette::PlaceholderText;
    case 0x12: // button text
        return QPalette::ButtonText;
    case 0x13: // inactive title text
        return QPalette::Dark;
    case 0x14: // button highlight
        return QPalette::Light;
    case 0x16: // 3D light
        return QPalette::Midlight;
    case 0x17: // tool tip text
        return QPalette::ToolTipText;
    case 0x18: // tool tip background
        return QPalette::ToolTipBase;
    default:
        return QPalette::Window;
    }
}

} // namespace

QColor toQColor(Color color, const QPalette& palette)
{
    if (color & 0x80000000u)
        return palette.color(QPalette::Active, systemRole(color & 0xFFu));
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

QColor toQColor(Color color) { return toQColor(color, QApplication::palette()); }

} // namespace orebell
