#include "TVclColours.h"

#include <QApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* kColorProperty = "vclColor";
constexpr const char* kFontColorProperty = "vclFontColor";

// What a window shows before it is given colours of its own: the button face
// behind, the window text in front.
constexpr TColor kDefaultColor = 0x8000000F; // clBtnFace
constexpr TColor kDefaultFontColor = clWindowText;

TColor Inherited(const QWidget* widget, const char* property, TColor fallback) {
    for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const QVariant value = w->property(property);
        if (value.isValid())
            return TColor(value.toUInt());
    }
    return fallback;
}

QColor SystemColor(TColor colour) {
    const QPalette palette = QApplication::palette();
    switch (colour & 0xFF) {
    case 0x01: return QColor(0, 128, 128); // clBackground: the desktop
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

QColor TVclColours::ToQColor(TColor colour) {
    if (IsSystemColor(colour))
        return SystemColor(colour);
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

TColor TVclColours::Color(const QWidget* widget) {
    return Inherited(widget, kColorProperty, kDefaultColor);
}

void TVclColours::SetColor(QWidget* widget, TColor colour) {
    if (Color(widget) == colour)
        return;
    widget->setProperty(kColorProperty, QVariant::fromValue(uint(colour)));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    widget->setPalette(palette);
}

TColor TVclColours::FontColor(const QWidget* widget) {
    return Inherited(widget, kFontColorProperty, kDefaultFontColor);
}

void TVclColours::SetFontColor(QWidget* widget, TColor colour) {
    if (FontColor(widget) == colour)
        return;
    widget->setProperty(kFontColorProperty, QVariant::fromValue(uint(colour)));
    QPalette palette = widget->palette();
    const QColor qcolour = ToQColor(colour);
    // Frames draw their captions in Text or WindowText depending on the style.
    palette.setColor(QPalette::WindowText, qcolour);
    palette.setColor(QPalette::Text, qcolour);
    widget->setPalette(palette);
}
