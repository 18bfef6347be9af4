#include "TVclColours.h"

#include "QColorFromTColor.h"

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

} // namespace

TColor TVclColours::Color(const QWidget* widget) {
    return Inherited(widget, kColorProperty, kDefaultColor);
}

void TVclColours::SetColor(QWidget* widget, TColor colour) {
    if (Color(widget) == colour)
        return;
    widget->setProperty(kColorProperty, QVariant::fromValue(uint(colour)));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColorFromTColor(colour));
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
    const QColor qcolour = QColorFromTColor(colour);
    // Frames draw their captions in Text or WindowText depending on the style.
    palette.setColor(QPalette::WindowText, qcolour);
    palette.setColor(QPalette::Text, qcolour);
    widget->setPalette(palette);
}
