// QtCanvas draws what a report draws where the recording canvas says it
// goes, on an image, and writes PDF pages.

#include <QFile>
#include <QImage>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <regex>

#include "platform/RecordingCanvas.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtHost.h"
#include "support/TestSupport.h"

namespace orvek {
namespace {

constexpr Colour red = rgb(200, 0, 0);
constexpr Colour green = rgb(0, 160, 0);
constexpr Colour blue = rgb(0, 0, 220);

// One small report page: rectangles, lines, texts at each alignment and a
// wrapped paragraph.
void drawScene(Canvas& c) {
    c.fillRect({10, 10, 70, 50}, Brush{red});
    c.fillRect({100, 12, 103, 60}, Brush{green});
    c.fillRect({120, 10, 180, 50}, Brush{0, true}); // hollow: nothing
    c.frameRect({190, 10, 260, 60}, Pen{1, blue});
    c.frameRect({270, 10, 330, 60}, Pen{3, green});
    c.drawLine({10, 80}, {300, 80}, Pen{1, red});
    c.drawLine({20, 90}, {20, 180}, Pen{1, blue});
    c.drawLine({40, 100}, {200, 100}, Pen{3, green, PenStyle::Solid});
    FontSpec font;
    font.height = -16;
    font.faceName = "Arial";
    c.setFont(font);
    c.setTextColour(0);
    const unsigned aligns[] = {textalign::left | textalign::top, textalign::right | textalign::top,
                               textalign::center | textalign::baseline, textalign::left | textalign::bottom};
    int y = 120;
    for (unsigned a : aligns) {
        c.setTextAlign(a);
        c.drawText(200, y, "Matti");
        y += 25;
    }
    c.setTextAlign(0);
    c.drawTextInRect({40, 230, 160, 400}, "Yleisöesitelmä pidetään sunnuntaina kello kymmenen", textformat::wordBreak);
}

QImage render(const std::function<void(Canvas&)>& draw, QSize size = {340, 420}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QtCanvas canvas(&image);
        draw(canvas);
    }
    return image;
}

QRgb colourAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }
QRgb qrgbOf(Colour c) { return static_cast<QRgb>((redOf(c) << 16) | (greenOf(c) << 8) | blueOf(c)); }

TEST(QtCanvas, rectanglesAndLinesLandOnTheRecordedPixels) {
    RecordingCanvas recorded;
    drawScene(recorded);
    const QImage image = render(drawScene);
    const QRgb white = 0xFFFFFF;
    int checked = 0;
    for (const RecordingCanvas::Call& call : recorded.calls()) {
        const Rect& r = call.rect;
        switch (call.op) {
        case RecordingCanvas::Op::Fill:
            if (r.left == 120) { // the hollow brush
                EXPECT_EQ(colourAt(image, 150, 30), white);
                break;
            }
            // Every corner pixel inside, the pixels just outside untouched.
            EXPECT_EQ(colourAt(image, r.left, r.top), qrgbOf(call.colour));
            EXPECT_EQ(colourAt(image, r.right - 1, r.bottom - 1), qrgbOf(call.colour));
            EXPECT_EQ(colourAt(image, r.left - 1, r.top), white);
            EXPECT_EQ(colourAt(image, r.right, r.bottom - 1), white);
            EXPECT_EQ(colourAt(image, r.left, r.bottom), white);
            ++checked;
            break;
        case RecordingCanvas::Op::Frame: {
            const int mid = (r.top + r.bottom) / 2;
            EXPECT_EQ(colourAt(image, r.left, mid), qrgbOf(call.colour)) << "left edge of frame at " << r.left;
            EXPECT_EQ(colourAt(image, r.right - 1, mid), qrgbOf(call.colour));
            EXPECT_EQ(colourAt(image, (r.left + r.right) / 2, r.top), qrgbOf(call.colour));
            EXPECT_EQ(colourAt(image, (r.left + r.right) / 2, r.bottom - 1), qrgbOf(call.colour));
            EXPECT_EQ(colourAt(image, r.left - 1, mid), white);
            EXPECT_EQ(colourAt(image, r.right, mid), white);
            EXPECT_EQ(colourAt(image, (r.left + r.right) / 2, mid), white) << "a frame is not filled";
            ++checked;
            break;
        }
        case RecordingCanvas::Op::Line: {
            // from = (left, top), to = (right, bottom)
            const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
            EXPECT_EQ(colourAt(image, x, y), qrgbOf(call.colour)) << "line at " << x << "," << y;
            if (r.top == r.bottom) {
                EXPECT_EQ(colourAt(image, r.left, r.top), qrgbOf(call.colour));
                EXPECT_EQ(colourAt(image, r.right - 1, r.top), qrgbOf(call.colour));
                EXPECT_EQ(colourAt(image, r.left - 1, r.top), white);
                EXPECT_EQ(colourAt(image, x, r.top - 3), white);
                EXPECT_EQ(colourAt(image, x, r.top + 3), white);
            }
            ++checked;
            break;
        }
        default: break;
        }
    }
    EXPECT_EQ(checked, 7);
}

// The ink of "Matti" drawn alone at a reference point with an alignment.
struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};
Ink inkOf(const QImage& image) {
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

TEST(QtCanvas, textIsAnchoredAsTheAlignmentSays) {
    struct Case {
        unsigned align;
        const char* name;
    };
    const Case cases[] = {
        {textalign::left | textalign::top, "left top"},
        {textalign::right | textalign::top, "right top"},
        {textalign::center | textalign::baseline, "center baseline"},
        {textalign::left | textalign::bottom, "left bottom"},
        {textalign::right | textalign::baseline, "right baseline"},
    };
    const int x = 150, y = 60;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextMetrics m;
        Size extent;
        const QImage image = render(
            [&](Canvas& canvas) {
                FontSpec font;
                font.height = -24;
                canvas.setFont(font);
                canvas.setTextAlign(c.align);
                canvas.drawText(x, y, "MATTI");
                m = canvas.textMetrics();
                extent = canvas.textExtent("MATTI");
            },
            {300, 120});
        const Ink ink = inkOf(image);
        ASSERT_GE(ink.right, 0) << "nothing drawn";
        const unsigned h = c.align & textalign::center, v = c.align & textalign::baseline;
        const double anchor = h == textalign::center ? (ink.left + ink.right) / 2.0 : h == textalign::right ? ink.right : ink.left;
        EXPECT_NEAR(anchor, x, 3);
        // Capital letters stand on the baseline and reach near the ascent.
        const int baseline = v == textalign::baseline ? y : v == textalign::bottom ? y - m.descent : y + m.ascent;
        EXPECT_NEAR(ink.bottom + 1, baseline, 2);
        EXPECT_GT(ink.top, baseline - m.ascent - 1);
        EXPECT_NEAR(ink.right - ink.left, extent.width, 6); // side bearings of the first and last letter
    }
}

TEST(QtCanvas, wrappedTextMeasuresAsItDraws) {
    const std::string text = "Yleisöesitelmä pidetään sunnuntaina kello kymmenen";
    int measured = 0, drawn = 0, lineHeight = 0;
    const QImage blank = render([&](Canvas& c) {
        measured = c.drawTextInRect({10, 10, 130, 400}, text, textformat::wordBreak | textformat::calcRect);
    });
    EXPECT_EQ(inkOf(blank).right, -1) << "measuring draws nothing";
    const QImage image = render([&](Canvas& c) {
        drawn = c.drawTextInRect({10, 10, 130, 400}, text, textformat::wordBreak);
        lineHeight = c.textMetrics().height;
    });
    EXPECT_EQ(measured, drawn);
    EXPECT_GE(drawn, 3 * lineHeight) << "the text wraps into several lines";
    const Ink ink = inkOf(image);
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 130);
    EXPECT_LE(ink.bottom, 10 + drawn);
    // One line without word breaks.
    int single = 0;
    render([&](Canvas& c) { single = c.drawTextInRect({10, 10, 130, 400}, text, textformat::singleLine); });
    EXPECT_EQ(single, lineHeight);
}

TEST(QtCanvas, resolutionComesFromTheDevice) {
    QImage image(10, 10, QImage::Format_RGB32);
    image.setDotsPerMeterX(11811); // 300 dpi
    image.setDotsPerMeterY(11811);
    QtCanvas canvas(&image);
    EXPECT_EQ(canvas.dpiX(), 300);
    EXPECT_EQ(canvas.dpiY(), 300);
}

TEST(QtCanvas, picturesAreStretchedIntoTheRectangle) {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    QtPicture p(picture);
    EXPECT_EQ(p.size(), (Size{2, 2}));
    const QImage image = render([&](Canvas& c) { c.drawPicture(p, {20, 20, 60, 40}); }, {100, 100});
    EXPECT_EQ(colourAt(image, 20, 20), 0x0000FFu);
    EXPECT_EQ(colourAt(image, 59, 39), 0x0000FFu);
    EXPECT_EQ(colourAt(image, 60, 40), 0xFFFFFFu);
}

int pdfPages(const std::string& pdf) {
    static const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

TEST(QtCanvas, pdfFileHasOnePagePerPageDrawn) {
    for (int pages : {1, 3}) {
        test::TempDir dir("orvek-pdf");
        const QString file = QString::fromStdString((dir / "raportti.pdf").string());
        auto writer = std::make_unique<QPdfWriter>(file);
        writer->setPageSize(QPageSize(QPageSize::A4));
        auto job = pagedPrintJob(std::move(writer));
        ASSERT_NE(job, nullptr);
        EXPECT_EQ(job->canvas().dpiX(), 1200);
        for (int i = 0; i < pages; ++i) {
            ASSERT_TRUE(job->startPage());
            drawScene(job->canvas());
            ASSERT_TRUE(job->endPage());
        }
        ASSERT_TRUE(job->finish());
        job.reset();
        const std::string pdf = test::readText(dir / "raportti.pdf");
        ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
        EXPECT_EQ(pdfPages(pdf), pages);
    }
}

} // namespace
} // namespace orvek
