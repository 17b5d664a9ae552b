#include "pc_record/DeviceImages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "pc_record/EditComputerTables.h"
#include "platform/ui/ImageList.h"

namespace pcrecord {

namespace {

enum class Shape {
    Disc,
    Chip,
    Card,
    Keyboard,
    Monitor,
    Speaker,
    Drive,
    Tape,
    Plug,
    Battery,
    Floppy,
    Port,
    Mouse,
    Waves,
    Usb,
    Modem,
    Hand
};

struct Picture {
    Shape shape;
    QRgb colour;
};

// In the order of kDeviceImageKeys.
constexpr Picture kPictures[kDeviceImageCount] = {
    {Shape::Disc, 0xff8a6d3b},  {Shape::Disc, 0xff7a7a7a},     {Shape::Chip, 0xff2e7d32},
    {Shape::Card, 0xff1565c0},  {Shape::Chip, 0xff6a1b9a},     {Shape::Chip, 0xff6a1b9a},
    {Shape::Usb, 0xff37474f},   {Shape::Keyboard, 0xff455a64}, {Shape::Monitor, 0xff0277bd},
    {Shape::Chip, 0xff5d4037},  {Shape::Speaker, 0xffc62828},  {Shape::Drive, 0xff546e7a},
    {Shape::Card, 0xff00838f},  {Shape::Card, 0xff00838f},     {Shape::Tape, 0xff4e342e},
    {Shape::Plug, 0xff2e7d32},  {Shape::Battery, 0xff558b2f},  {Shape::Hand, 0xffef6c00},
    {Shape::Chip, 0xff283593},  {Shape::Chip, 0xff795548},     {Shape::Floppy, 0xff1a237e},
    {Shape::Port, 0xff616161},  {Shape::Mouse, 0xff424242},    {Shape::Monitor, 0xff01579b},
    {Shape::Modem, 0xff00695c}, {Shape::Keyboard, 0xff455a64}, {Shape::Waves, 0xffad1457},
    {Shape::Chip, 0xff4527a0},  {Shape::Speaker, 0xff8e24aa},  {Shape::Drive, 0xff37474f},
};

QPixmap draw(const Picture& pic) {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = QColor::fromRgba(pic.colour);
    const QColor light = c.lighter(170);
    p.setPen(QPen(c.darker(130), 1));
    p.setBrush(light);
    switch (pic.shape) {
        case Shape::Disc:
            p.drawEllipse(QRectF(2, 2, 16, 16));
            p.setBrush(Qt::white);
            p.drawEllipse(QRectF(8, 8, 4, 4));
            break;
        case Shape::Chip:
            p.setBrush(c);
            p.drawRect(QRectF(5, 5, 10, 10));
            for (int i = 0; i < 3; ++i) {
                const double at = 6.5 + i * 3.5;
                p.drawLine(QPointF(at, 2), QPointF(at, 5));
                p.drawLine(QPointF(at, 15), QPointF(at, 18));
                p.drawLine(QPointF(2, at), QPointF(5, at));
                p.drawLine(QPointF(15, at), QPointF(18, at));
            }
            break;
        case Shape::Card:
            p.drawRect(QRectF(2, 5, 16, 10));
            p.setBrush(c);
            p.drawRect(QRectF(4, 15, 12, 2));
            p.drawRect(QRectF(5, 7, 6, 5));
            break;
        case Shape::Keyboard:
            p.drawRoundedRect(QRectF(1, 6, 18, 9), 2, 2);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            for (int r = 0; r < 2; ++r)
                for (int k = 0; k < 5; ++k) p.drawRect(QRectF(3 + k * 3, 8 + r * 3, 2, 2));
            break;
        case Shape::Monitor:
            p.drawRect(QRectF(2, 2, 16, 12));
            p.setBrush(c);
            p.drawRect(QRectF(4, 4, 12, 8));
            p.drawRect(QRectF(7, 15, 6, 3));
            break;
        case Shape::Speaker: {
            QPainterPath cone;
            cone.moveTo(3, 7);
            cone.lineTo(7, 7);
            cone.lineTo(12, 3);
            cone.lineTo(12, 17);
            cone.lineTo(7, 13);
            cone.lineTo(3, 13);
            cone.closeSubpath();
            p.setBrush(c);
            p.drawPath(cone);
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(10, 6, 6, 8), -60 * 16, 120 * 16);
            break;
        }
        case Shape::Drive:
            p.drawRoundedRect(QRectF(2, 6, 16, 9), 2, 2);
            p.setBrush(c);
            p.drawEllipse(QRectF(13, 9, 3, 3));
            break;
        case Shape::Tape:
            p.drawRect(QRectF(2, 5, 16, 10));
            p.setBrush(Qt::white);
            p.drawEllipse(QRectF(4, 7, 5, 5));
            p.drawEllipse(QRectF(11, 7, 5, 5));
            break;
        case Shape::Plug:
            p.drawRect(QRectF(4, 8, 12, 9));
            p.setBrush(c);
            p.drawRect(QRectF(7, 3, 2, 5));
            p.drawRect(QRectF(11, 3, 2, 5));
            break;
        case Shape::Battery:
            p.drawRect(QRectF(2, 6, 14, 8));
            p.setBrush(c);
            p.drawRect(QRectF(16, 8, 2, 4));
            p.drawRect(QRectF(3, 7, 8, 6));
            break;
        case Shape::Floppy:
            p.setBrush(c);
            p.drawRect(QRectF(2, 2, 16, 16));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(5, 2, 10, 6));
            p.drawRect(QRectF(5, 11, 10, 7));
            break;
        case Shape::Port:
            p.setBrush(c);
            p.drawRoundedRect(QRectF(2, 6, 16, 8), 3, 3);
            p.setBrush(Qt::white);
            for (int k = 0; k < 4; ++k) p.drawEllipse(QRectF(4 + k * 3.5, 9, 2, 2));
            break;
        case Shape::Mouse:
            p.drawRoundedRect(QRectF(5, 3, 10, 15), 5, 5);
            p.drawLine(QPointF(5, 9), QPointF(15, 9));
            p.drawLine(QPointF(10, 3), QPointF(10, 9));
            break;
        case Shape::Waves:
            p.setBrush(c);
            p.drawEllipse(QRectF(2, 8, 4, 4));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(c, 1.5));
            p.drawArc(QRectF(2, 5, 9, 10), -50 * 16, 100 * 16);
            p.drawArc(QRectF(1, 2, 15, 16), -50 * 16, 100 * 16);
            break;
        case Shape::Usb:
            p.setPen(QPen(c, 1.5));
            p.drawLine(QPointF(10, 2), QPointF(10, 17));
            p.drawLine(QPointF(10, 12), QPointF(5, 8));
            p.drawLine(QPointF(10, 10), QPointF(15, 6));
            p.setBrush(c);
            p.drawEllipse(QRectF(8, 15, 4, 4));
            p.drawRect(QRectF(13.5, 4, 3, 3));
            p.drawEllipse(QRectF(3.5, 6.5, 3, 3));
            break;
        case Shape::Modem:
            p.drawRoundedRect(QRectF(2, 8, 16, 8), 2, 2);
            p.setBrush(c);
            for (int k = 0; k < 3; ++k) p.drawEllipse(QRectF(4 + k * 4, 11, 2, 2));
            p.drawLine(QPointF(15, 8), QPointF(17, 3));
            break;
        case Shape::Hand:
            p.drawRoundedRect(QRectF(4, 9, 12, 9), 3, 3);
            p.setBrush(c);
            p.drawRect(QRectF(9, 3, 2, 7));
            p.drawEllipse(QRectF(7.5, 1.5, 5, 4));
            break;
    }
    return pixmap;
}

}  // namespace

void fillDeviceImages(ui::ImageList& images) {
    for (int i = 0; i < kDeviceImageCount; ++i)
        images.Add(QString::fromUtf8(kDeviceImageKeys[std::size_t(i)]), draw(kPictures[i]));
}

}  // namespace pcrecord
