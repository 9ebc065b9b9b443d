#include "platform/qt/QtCanvas.h"

#include <QFontMetrics>
#include <QPaintDevice>

#include <algorithm>

#include "platform/qt/QtConvert.h"

namespace orvek {

QtCanvas::QtCanvas(QPainter& painter) : painter_(&painter) { setFont(FontSpec{}); }

QtCanvas::QtCanvas(QPaintDevice* device) : own_(std::make_unique<QPainter>(device)), painter_(own_.get()) {
    setFont(FontSpec{});
}

QtCanvas::~QtCanvas() {
    if (own_ && own_->isActive()) own_->end();
}

QPaintDevice* QtCanvas::device() const { return painter_->device(); }

int QtCanvas::dpiX() const { return device() ? device()->logicalDpiX() : 96; }
int QtCanvas::dpiY() const { return device() ? device()->logicalDpiY() : 96; }

void QtCanvas::setFont(const FontSpec& font) {
    font_ = toQFont(font, device());
    if (painter_->isActive()) painter_->setFont(font_);
}

void QtCanvas::drawText(int x, int y, std::string_view text) {
    const QString s = qs(text);
    const QFontMetrics m(font_, device());
    const int width = m.horizontalAdvance(s);
    int left = x;
    if ((align_ & textalign::center) == textalign::center) left = x - width / 2;
    else if (align_ & textalign::right) left = x - width;
    int baseline = y + m.ascent();
    if ((align_ & textalign::baseline) == textalign::baseline) baseline = y;
    else if (align_ & textalign::bottom) baseline = y - m.descent();
    if (background_ == BackgroundMode::Opaque)
        painter_->fillRect(QRect(left, baseline - m.ascent(), width, m.ascent() + m.descent()),
                           toQColor(backgroundColour_));
    painter_->setFont(font_);
    painter_->setPen(toQColor(textColour_));
    painter_->drawText(QPoint(left, baseline), s);
}

int QtCanvas::drawTextInRect(const Rect& r, std::string_view text, unsigned format) {
    const QString s = qs(text);
    int flags = 0;
    if (format & textformat::center) flags |= Qt::AlignHCenter;
    else if (format & textformat::right) flags |= Qt::AlignRight;
    else flags |= Qt::AlignLeft;
    if (format & textformat::vcenter) flags |= Qt::AlignVCenter;
    else flags |= Qt::AlignTop;
    if (format & textformat::singleLine) flags |= Qt::TextSingleLine;
    else if (format & textformat::wordBreak) flags |= Qt::TextWordWrap;
    if (format & textformat::noClip) flags |= Qt::TextDontClip;

    const QRect box(r.left, r.top, std::max(0, r.width()), std::max(0, r.height()));
    const QFontMetrics m(font_, device());
    // Measuring a wrapped text needs the width only: the height may grow.
    const QRect measureBox(box.left(), box.top(), box.width(), std::max(box.height(), 1 << 20));
    const QRect needed = m.boundingRect(measureBox, flags & ~(Qt::AlignVCenter | Qt::AlignBottom), s);
    if (format & textformat::calcRect) return needed.height();

    painter_->setFont(font_);
    if (background_ == BackgroundMode::Opaque) {
        const QRect drawn = m.boundingRect(box, flags, s);
        painter_->fillRect((flags & Qt::TextDontClip) ? drawn : drawn.intersected(box), toQColor(backgroundColour_));
    }
    painter_->setPen(toQColor(textColour_));
    painter_->drawText(box, flags, s);
    return needed.height();
}

namespace {
Qt::PenStyle qtStyle(PenStyle s) {
    switch (s) {
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::None: return Qt::NoPen;
    case PenStyle::Solid: break;
    }
    return Qt::SolidLine;
}

QPen qtPen(const Pen& pen) {
    QPen p(toQColor(pen.colour));
    p.setWidth(std::max(1, pen.width));
    p.setStyle(qtStyle(pen.style));
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}
} // namespace

void QtCanvas::drawLine(Point from, Point to, const Pen& pen) {
    if (pen.style == PenStyle::None) return;
    painter_->setPen(qtPen(pen));
    // As the reports' geometry counts it: a line covers the pixels from its
    // start up to, not including, its end, centred on the pixel row (or
    // column) it names.
    if (from.y == to.y) painter_->drawLine(QPointF(from.x, from.y + 0.5), QPointF(to.x, to.y + 0.5));
    else if (from.x == to.x) painter_->drawLine(QPointF(from.x + 0.5, from.y), QPointF(to.x + 0.5, to.y));
    else painter_->drawLine(QPointF(from.x + 0.5, from.y + 0.5), QPointF(to.x + 0.5, to.y + 0.5));
}

void QtCanvas::fillRect(const Rect& r, const Brush& brush) {
    if (brush.hollow || r.width() <= 0 || r.height() <= 0) return;
    painter_->fillRect(QRect(r.left, r.top, r.width(), r.height()), toQColor(brush.colour));
}

void QtCanvas::frameRect(const Rect& r, const Pen& pen) {
    if (pen.style == PenStyle::None || r.width() <= 0 || r.height() <= 0) return;
    // The frame lies inside the rectangle: its outer edge is the rectangle's.
    const double w = std::max(1, pen.width);
    painter_->setPen(qtPen(pen));
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(QRectF(r.left + w / 2, r.top + w / 2, std::max(0.0, r.width() - w), std::max(0.0, r.height() - w)));
}

void QtCanvas::drawPicture(const Picture& picture, const Rect& r) {
    if (const auto* p = dynamic_cast<const QtPicture*>(&picture))
        painter_->drawImage(QRect(r.left, r.top, r.width(), r.height()), p->image());
}

TextMetrics QtCanvas::textMetrics() const {
    const QFontMetrics m(font_, device());
    return {m.ascent() + m.descent(), m.ascent(), m.descent(), m.averageCharWidth(), m.leading()};
}

Size QtCanvas::textExtent(std::string_view text) const {
    const QFontMetrics m(font_, device());
    return {m.horizontalAdvance(qs(text)), m.ascent() + m.descent()};
}

} // namespace orvek
