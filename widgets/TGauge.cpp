#include "TGauge.h"

#include "QColorFromTColor.h"

#include <QBackingStore>
#include <QFont>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>

namespace {

QFont GaugeFont() {
    // fontconfig picks its stand-in where the face is missing. Without
    // antialiasing every glyph pixel is either text or not, so inverting the
    // pixels under it gives exact colours.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

TGauge::TGauge(QWidget* parent) : QWidget(parent) {
    // The whole widget is drawn from one picture, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGauge::PrepareWindowSystem() {
    qputenv("QT_XCB_NO_MITSHM", "1");
}

int TGauge::PercentDone() const {
    const int range = m_maxValue - m_minValue;
    if (range <= 0)
        return 0;
    return int((long long)(m_progress - m_minValue) * 100 / range);
}

void TGauge::SetProgress(int value) {
    value = std::clamp(value, m_minValue, m_maxValue);
    if (value == m_progress)
        return;
    const int shownBefore = PercentDone();
    m_progress = value;
    if (PercentDone() != shownBefore)
        PaintNow();
}

void TGauge::SetForeColor(TColor color) {
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    PaintNow();
}

void TGauge::SetBackColor(TColor color) {
    if (color == m_backColor)
        return;
    m_backColor = color;
    PaintNow();
}

void TGauge::SetShowText(bool show) {
    if (show == m_showText)
        return;
    m_showText = show;
    PaintNow();
}

QSize TGauge::sizeHint() const {
    return QSize(521, 17);
}

const std::vector<int>& TGauge::TextPixels(const QRect& inner, int percent) const {
    // The text of a percentage covers the same pixels every time: they are found
    // once per size, so a setting on the ramp only fills and inverts.
    if (m_textPixelsSize != size()) {
        m_textPixelsSize = size();
        for (auto& pixels : m_textPixels)
            pixels.clear();
        for (auto& known : m_textPixelsKnown)
            known = false;
    }
    std::vector<int>& pixels = m_textPixels[std::size_t(percent)];
    if (m_textPixelsKnown[std::size_t(percent)])
        return pixels;
    m_textPixelsKnown[std::size_t(percent)] = true;

    QImage mask(size(), QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    QPainter maskPainter(&mask);
    maskPainter.setRenderHint(QPainter::TextAntialiasing, false);
    maskPainter.setRenderHint(QPainter::Antialiasing, false);
    maskPainter.setFont(GaugeFont());
    maskPainter.setPen(Qt::black);
    maskPainter.setClipRect(inner);
    maskPainter.drawText(inner, Qt::AlignCenter, QStringLiteral("%1%").arg(percent));
    maskPainter.end();
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        const QRgb* maskLine = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = inner.left(); x <= inner.right(); ++x)
            if (qAlpha(maskLine[x]) >= 128)
                pixels.push_back(y * mask.width() + x);
    }
    return pixels;
}

QImage TGauge::Render() const {
    QImage image;
    RenderInto(image);
    return image;
}

void TGauge::RenderInto(QImage& image) const {
    const QSize size = this->size();
    if (image.size() != size || image.format() != QImage::Format_RGB32)
        image = QImage(size, QImage::Format_RGB32);
    if (size.isEmpty())
        return;
    RenderAt(reinterpret_cast<QRgb*>(image.bits()), image.bytesPerLine() / qsizetype(sizeof(QRgb)));
}

void TGauge::RenderAt(QRgb* topLeft, qsizetype stride) const {
    const QSize size = this->size();
    if (size.isEmpty())
        return;

    // Filled row by row without a painter: this runs 22 times in an operation,
    // each time right after a pause, when little of a painter's setup is cached.
    const QRect inner = QRect(QPoint(0, 0), size).adjusted(1, 1, -1, -1);
    const int percent = PercentDone();
    const int filled = inner.isEmpty() ? 0 : inner.width() * percent / 100;
    const QRgb black = qRgb(0, 0, 0);
    const QRgb back = QColorFromTColor(m_backColor).rgb();
    const QRgb fore = QColorFromTColor(m_foreColor).rgb();
    for (int y = 0; y < size.height(); ++y) {
        QRgb* line = topLeft + y * stride;
        if (y < inner.top() || y > inner.bottom()) {
            std::fill(line, line + size.width(), black);
            continue;
        }
        line[0] = black;
        std::fill(line + inner.left(), line + inner.left() + filled, fore);
        std::fill(line + inner.left() + filled, line + inner.right() + 1, back);
        line[size.width() - 1] = black;
    }
    if (inner.isEmpty() || !m_showText)
        return;

    // Every pixel under the text exclusive-or'ed with white.
    for (int index : TextPixels(inner, percent)) {
        const int y = index / size.width(), x = index % size.width();
        topLeft[y * stride + x] ^= 0x00FFFFFFu;
    }
}

void TGauge::PaintNow() {
    if (!PaintIntoWindow()) {
        repaint();
        return;
    }
    ++m_paintCount;
    emit painted();
}

void TGauge::Rehearse() {
    PaintIntoWindow();
}

bool TGauge::PaintIntoWindow() {
    // The gauge's own picture goes straight into the window's backing store and
    // out to the screen, for the part of the gauge that is not covered. Qt's
    // general repaint, which works out what else needs painting, costs twice as
    // much right after one of the ramp's pauses. Anything unusual takes that
    // general way.
    QWidget* top = window();
    if (top == this || !isVisible() || !updatesEnabled() || graphicsEffect() ||
        nativeParentWidget() != top)
        return false;
    QWindow* handle = top->windowHandle();
    QBackingStore* store = top->backingStore();
    if (!handle || !handle->isExposed() || !store)
        return false;
    const QPoint offset = mapTo(top, QPoint(0, 0));
    const QRegion region = visibleRegion().translated(offset);
    if (region.isEmpty())
        return false;

    store->beginPaint(region);
    QPaintDevice* device = store->paintDevice();
    if (!device) {
        store->endPaint();
        return false;
    }
    DrawInto(*device, offset, region);
    store->endPaint();
    store->flush(region, handle);
    return true;
}

void TGauge::DrawInto(QPaintDevice& device, const QPoint& offset, const QRegion& region) const {
    // The usual backing store is a plain 32-bit picture of the window at one
    // device pixel per pixel. An uncovered gauge is drawn in it where it
    // stands; a covered one is drawn apart and its uncovered rows copied.
    if (device.devType() == QInternal::Image) {
        QImage& target = static_cast<QImage&>(device);
        const QImage::Format format = target.format();
        if (target.devicePixelRatio() == 1.0 &&
            (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
             format == QImage::Format_ARGB32_Premultiplied)) {
            const qsizetype stride = target.bytesPerLine() / qsizetype(sizeof(QRgb));
            QRgb* bits = reinterpret_cast<QRgb*>(target.bits());
            const QRect whole(offset, size());
            if (region == QRegion(whole) && target.rect().contains(whole)) {
                RenderAt(bits + offset.y() * stride + offset.x(), stride);
                return;
            }
            RenderInto(m_frame);
            for (const QRect& rect : region) {
                const QRect part = rect.intersected(target.rect());
                for (int y = part.top(); y <= part.bottom(); ++y) {
                    const QRgb* from =
                        reinterpret_cast<const QRgb*>(m_frame.constScanLine(y - offset.y())) +
                        (part.left() - offset.x());
                    std::copy(from, from + part.width(), bits + y * stride + part.left());
                }
            }
            return;
        }
    }
    RenderInto(m_frame);
    QPainter painter(&device);
    painter.setClipRegion(region);
    painter.drawImage(offset, m_frame);
}

void TGauge::paintEvent(QPaintEvent*) {
    // One finished picture copied in one step: no half-drawn state reaches the screen.
    RenderInto(m_frame);
    QPainter painter(this);
    painter.drawImage(0, 0, m_frame);
    painter.end();
    ++m_paintCount;
    emit painted();
}
