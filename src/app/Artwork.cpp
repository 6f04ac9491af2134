#include "app/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

QImage BackgroundPicture()
{
    QImage image(200, 150, QImage::Format_RGB888);
    image.fill(QColor(214, 226, 238));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Waves whose period divides the tile, so neighbouring tiles join.
    for (int k = 0; k < 5; ++k) {
        QPainterPath wave;
        const double base = 15.0 + k * 30.0;
        wave.moveTo(0, base);
        for (int x = 0; x <= 200; x += 2)
            wave.lineTo(x, base + 6.0 * std::sin(x * 2.0 * M_PI / 100.0 + k));
        p.setPen(QPen(QColor(198, 213, 229), 2.0));
        p.drawPath(wave);
    }
    // A small handheld radio with its signal in the middle of the tile.
    p.setPen(QPen(QColor(176, 194, 214), 1.5));
    p.setBrush(QColor(204, 218, 233));
    p.drawRoundedRect(QRectF(88, 55, 24, 44), 4, 4);
    p.drawLine(QPointF(106, 55), QPointF(106, 36));
    p.setBrush(Qt::NoBrush);
    for (int r = 8; r <= 24; r += 8)
        p.drawArc(QRectF(106 - r, 36 - r, 2 * r, 2 * r), 20 * 16, 50 * 16);
    p.drawRect(QRectF(92, 62, 16, 10));
    return image;
}

namespace {

void page(QPainter &p)
{
    QPainterPath path;
    path.moveTo(3, 1);
    path.lineTo(10, 1);
    path.lineTo(13, 4);
    path.lineTo(13, 15);
    path.lineTo(3, 15);
    path.closeSubpath();
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
}

void radio(QPainter &p, int x)
{
    p.setPen(QColor(40, 40, 40));
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(x, 5, 5, 10);
    p.drawLine(x + 4, 5, x + 4, 1);
    p.setBrush(QColor(150, 210, 150));
    p.drawRect(x + 1, 7, 3, 2);
}

void arrow(QPainter &p, bool right, const QColor &color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    QPolygon a;
    if (right)
        a << QPoint(1, 7) << QPoint(6, 7) << QPoint(6, 4) << QPoint(10, 9) << QPoint(6, 14) << QPoint(6, 11)
          << QPoint(1, 11);
    else
        a << QPoint(10, 7) << QPoint(5, 7) << QPoint(5, 4) << QPoint(1, 9) << QPoint(5, 14) << QPoint(5, 11)
          << QPoint(10, 11);
    p.drawPolygon(a);
}

} // namespace

QImage ToolbarImage(ToolbarPicture picture)
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    switch (picture) {
    case ToolbarPicture::New:
        page(p);
        p.setPen(QColor(230, 180, 0));
        p.drawLine(11, 9, 15, 9);
        p.drawLine(13, 7, 13, 11);
        break;
    case ToolbarPicture::Open:
        p.setPen(QColor(140, 100, 20));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(1, 4, 13, 10);
        p.setBrush(QColor(250, 225, 130));
        p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 14), QPoint(1, 14)}));
        p.drawRect(1, 2, 5, 2);
        break;
    case ToolbarPicture::Save:
        p.setPen(QColor(30, 50, 110));
        p.setBrush(QColor(60, 90, 170));
        p.drawRect(1, 1, 13, 13);
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 7, 5);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(4, 9, 7, 5);
        break;
    case ToolbarPicture::ChannelEdit:
        p.setPen(QColor(90, 90, 90));
        p.setBrush(Qt::white);
        p.drawRect(1, 1, 12, 12);
        p.drawLine(1, 5, 13, 5);
        p.drawLine(1, 9, 13, 9);
        p.drawLine(6, 1, 6, 13);
        p.setPen(QPen(QColor(200, 60, 40), 2));
        p.drawLine(8, 14, 14, 8);
        break;
    case ToolbarPicture::Print:
    case ToolbarPicture::PrintPreview:
        p.setPen(QColor(70, 70, 70));
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 8, 5);
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(1, 6, 14, 6);
        p.setBrush(Qt::white);
        p.drawRect(4, 10, 8, 5);
        if (picture == ToolbarPicture::PrintPreview) {
            p.setBrush(QColor(190, 220, 255));
            p.drawEllipse(6, 5, 6, 6);
            p.setPen(QPen(QColor(60, 60, 60), 2));
            p.drawLine(11, 10, 15, 14);
        }
        break;
    case ToolbarPicture::Read:
        radio(p, 10);
        arrow(p, false, QColor(30, 140, 60));
        break;
    case ToolbarPicture::Write:
        radio(p, 10);
        arrow(p, true, QColor(200, 80, 30));
        break;
    case ToolbarPicture::Help: {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(20, 70, 160));
        p.setBrush(QColor(60, 120, 220));
        p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(12);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
    return image;
}

QImage ApplicationIcon()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 40), 1.5));
    p.setBrush(QColor(60, 64, 78));
    p.drawRoundedRect(QRectF(9, 10, 14, 21), 3, 3);
    p.drawLine(QPointF(19, 10), QPointF(19, 1));
    p.setBrush(QColor(140, 220, 150));
    p.drawRect(QRectF(11.5, 13, 9, 6));
    p.setBrush(QColor(200, 200, 210));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(11.5 + col * 3.3, 22 + row * 3.5, 2.2, 2));
    p.setPen(QPen(QColor(40, 120, 220), 1.5));
    p.setBrush(Qt::NoBrush);
    for (int r = 4; r <= 10; r += 3)
        p.drawArc(QRectF(19 - r, 3 - r, 2 * r, 2 * r), -60 * 16, 75 * 16);
    return image;
}
