#pragma once

#include "IProgressDisplay.h"
#include "TColor.h"

#include <QImage>

#include <QWidget>
#include <array>
#include <vector>

// The percentage gauge under the pages: a horizontal bar filled from the left
// with its percentage written over it. Every new value is on the screen before
// the setter returns, so the progress ramp shows while an operation holds the
// user-interface thread.
class TGauge : public QWidget, public IProgressDisplay {
    Q_OBJECT

public:
    explicit TGauge(QWidget* parent = nullptr);

    // Called before the application object is made. On X11 Qt's shared-memory
    // images make every immediate paint wait for the server, which would add
    // half a millisecond to each of the 22 settings of an operation.
    static void PrepareWindowSystem();

    int MinValue() const { return m_minValue; }
    int MaxValue() const { return m_maxValue; }
    int Progress() const { return m_progress; }
    // Kept within MinValue..MaxValue; the value held changes nothing.
    void SetProgress(int value) override;
    // The integer part of the value's share of the range, in percent.
    int PercentDone() const;

    TColor ForeColor() const { return m_foreColor; }
    void SetForeColor(TColor color);
    TColor BackColor() const { return m_backColor; }
    void SetBackColor(TColor color);
    bool ShowText() const { return m_showText; }
    void SetShowText(bool show);

    // Puts the picture already shown on the screen again, the way a new value
    // goes, so that the next setting finds that way's code and memory warm. No
    // pixel changes and no paint is counted; where a setting would need Qt's
    // general repaint, nothing is done.
    void Rehearse();

    // How many times the gauge has been painted since it was made.
    int PaintCount() const { return m_paintCount; }

    // The whole picture of the gauge at its current size, as it is painted.
    QImage Render() const;

    QSize sizeHint() const override;

signals:
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_minValue = 0;
    int m_maxValue = 100;
    int m_progress = 0;
    TColor m_foreColor = 0x0003DBE7;
    TColor m_backColor = clWhite;
    bool m_showText = true;
    int m_paintCount = 0;

    // Puts the current picture on the screen before returning.
    void PaintNow();
    // The current picture straight into the window and out to the screen; false
    // where only Qt's general repaint can show it.
    bool PaintIntoWindow();
    void DrawInto(QPaintDevice& device, const QPoint& offset, const QRegion& region) const;
    const std::vector<int>& TextPixels(const QRect& inner, int percent) const;
    void RenderInto(QImage& image) const;
    // Draws the gauge with its top left pixel at topLeft, rows stride pixels apart.
    void RenderAt(QRgb* topLeft, qsizetype stride) const;
    // The picture of the last paint, its memory kept for the next.
    mutable QImage m_frame;
    mutable QSize m_textPixelsSize;
    mutable std::array<std::vector<int>, 101> m_textPixels;
    mutable std::array<bool, 101> m_textPixelsKnown{};
};
