#include "QColorFromTColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QColor SystemColor(TColor colour) {
    const QPalette palette = QGuiApplication::palette();
    switch (colour & 0xFF) {
    case 0x01: return QColor(0, 128, 128);                      // clBackground: the desktop
    case 0x05: return palette.color(QPalette::Base);            // clWindow
    case 0x08: return palette.color(QPalette::WindowText);      // clWindowText
    case 0x0D: return palette.color(QPalette::Highlight);       // clHighlight
    case 0x0E: return palette.color(QPalette::HighlightedText); // clHighlightText
    case 0x0F: return palette.color(QPalette::Button);          // clBtnFace
    case 0x10: return palette.color(QPalette::Dark);            // clBtnShadow
    case 0x12: return palette.color(QPalette::ButtonText);      // clBtnText
    case 0x14: return palette.color(QPalette::Light);           // clBtnHighlight
    default: return palette.color(QPalette::WindowText);
    }
}

} // namespace

QColor QColorFromTColor(TColor colour) {
    if (IsSystemColor(colour))
        return SystemColor(colour);
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}
