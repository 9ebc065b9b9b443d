#include "platform/qt/QtIcons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "shell/Commands.h"

namespace orvek {

namespace {

struct CommandIcon {
    int command;
    const char* theme; // freedesktop icon name
    const char* mark;  // drawn fallback: a short mark on a coloured tile
    QRgb colour;
};

constexpr CommandIcon kIcons[] = {
    {cmd::mainMenu, "go-home", "\u2302", 0x3465a4},
    {cmd::backup, "document-save", "\u21e9", 0x4e9a06},
    {cmd::print, "document-print", "\u2399", 0x555753},
    {cmd::printPreview, "document-print-preview", "\u2315", 0x555753},
    {cmd::summary, "x-office-calendar", "\u2637", 0xc4a000},
    {cmd::localTalks, "", "E", 0x3465a4},
    {cmd::chairmen, "", "P", 0x75507b},
    {cmd::hospitality, "", "V", 0xce5c00},
    {cmd::readers, "", "L", 0x4e9a06},
    {cmd::outgoing, "", "\u2192", 0xa40000},
    {cmd::congregations, "", "S", 0x204a87},
    {cmd::brothers, "system-users", "\u263a", 0x5c3566},
    {cmd::talks, "", "\u00a7", 0x8f5902},
    {cmd::ownCongregation, "", "O", 0x204a87},
    {cmd::localNeeds, "", "!", 0xce5c00},
    {cmd::about, "help-about", "i", 0x3465a4},
    {cmd::contextHelp, "help-contextual", "?", 0x3465a4},
};

QPixmap tile(const QString& mark, QColor colour, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 5.0, size / 5.0);
    p.fillPath(path, colour);
    p.setPen(QPen(colour.darker(140), 1));
    p.drawPath(path);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(static_cast<int>(size * (mark.size() > 1 ? 0.45 : 0.62)));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, mark);
    return pixmap;
}

QIcon drawnIcon(const QString& mark, QColor colour) {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48}) icon.addPixmap(tile(mark, colour, size));
    return icon;
}

} // namespace

QIcon programIcon() {
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 24, 32, 48, 64}) {
            QPixmap pixmap(size, size);
            pixmap.fill(Qt::transparent);
            QPainter p(&pixmap);
            p.setRenderHint(QPainter::Antialiasing);
            const double s = size;
            // A lectern with an open book: the public talk.
            p.setBrush(QColor(0x20, 0x4a, 0x87));
            p.setPen(Qt::NoPen);
            p.drawRoundedRect(QRectF(0, 0, s, s), s / 6, s / 6);
            p.setBrush(QColor(0xf5, 0xf5, 0xf0));
            QPolygonF book;
            book << QPointF(s * 0.18, s * 0.30) << QPointF(s * 0.50, s * 0.38) << QPointF(s * 0.82, s * 0.30)
                 << QPointF(s * 0.82, s * 0.55) << QPointF(s * 0.50, s * 0.63) << QPointF(s * 0.18, s * 0.55);
            p.drawPolygon(book);
            p.setBrush(QColor(0xe9, 0xb9, 0x6e));
            p.drawRect(QRectF(s * 0.44, s * 0.63, s * 0.12, s * 0.22));
            p.drawRect(QRectF(s * 0.30, s * 0.82, s * 0.40, s * 0.06));
            i.addPixmap(pixmap);
        }
        return i;
    }();
    return icon;
}

QIcon commandIcon(int command) {
    for (const CommandIcon& c : kIcons) {
        if (c.command != command) continue;
        const QIcon drawn = drawnIcon(QString::fromUtf8(c.mark), QColor(c.colour));
        if (*c.theme && QIcon::hasThemeIcon(QLatin1String(c.theme))) return QIcon::fromTheme(QLatin1String(c.theme));
        return drawn;
    }
    return drawnIcon(QStringLiteral("?"), QColor(0x88, 0x88, 0x88));
}

} // namespace orvek
