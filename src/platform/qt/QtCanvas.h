#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>

#include <memory>

#include "platform/Canvas.h"

class QPaintDevice;

namespace orvek {

// A decoded picture for QtCanvas.
class QtPicture : public Picture {
public:
    explicit QtPicture(QImage image) : image_(std::move(image)) {}
    Size size() const override { return {image_.width(), image_.height()}; }
    const QImage& image() const { return image_; }

private:
    QImage image_;
};

// The Canvas on any Qt paint device: a widget, a QImage, a QPrinter or a
// QPdfWriter. Coordinates are the device's pixels and its dots per inch are
// the canvas's resolution.
class QtCanvas : public Canvas {
public:
    // Paints with a painter that is already active on its device.
    explicit QtCanvas(QPainter& painter);
    // Opens a painter of its own on `device` for its lifetime.
    explicit QtCanvas(QPaintDevice* device);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    QPainter& painter() { return *painter_; }
    bool isActive() const { return painter_->isActive(); }

    int dpiX() const override;
    int dpiY() const override;
    void setFont(const FontSpec& font) override;
    void setTextColour(Colour c) override { textColour_ = c; }
    void setTextAlign(unsigned align) override { align_ = align; }
    void setBackgroundMode(BackgroundMode mode) override { background_ = mode; }
    void setBackgroundColour(Colour c) override { backgroundColour_ = c; }
    void drawText(int x, int y, std::string_view text) override;
    int drawTextInRect(const Rect& r, std::string_view text, unsigned format) override;
    void drawLine(Point from, Point to, const Pen& pen) override;
    void fillRect(const Rect& r, const Brush& brush) override;
    void frameRect(const Rect& r, const Pen& pen) override;
    void drawPicture(const Picture& picture, const Rect& r) override;
    TextMetrics textMetrics() const override;
    Size textExtent(std::string_view text) const override;

    const QFont& font() const { return font_; }

private:
    QPaintDevice* device() const;

    std::unique_ptr<QPainter> own_;
    QPainter* painter_;
    QFont font_;
    Colour textColour_ = 0;
    Colour backgroundColour_ = 0xFFFFFF;
    unsigned align_ = 0;
    BackgroundMode background_ = BackgroundMode::Transparent;
};

} // namespace orvek
