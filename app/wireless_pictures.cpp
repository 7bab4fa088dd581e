#include "app/wireless_pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

constexpr int kSize = 32;

QPixmap Draw(const std::function<void(QPainter&)>& paint) {
  QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter);
  painter.end();
  return QPixmap::fromImage(image);
}

void Station(QPainter& p, const QRectF& screen) {
  p.setPen(QPen(QColor(40, 40, 40), 1.5));
  p.setBrush(QColor(90, 150, 220));
  p.drawRoundedRect(screen, 1.5, 1.5);
  p.setBrush(QColor(60, 60, 60));
  p.drawRect(QRectF(screen.center().x() - 2, screen.bottom(), 4, 3));
  p.drawRect(QRectF(screen.center().x() - 5, screen.bottom() + 3, 10, 2));
}

}  // namespace

QPixmap TestConnectPicture() {
  return Draw([](QPainter& p) {
    Station(p, QRectF(1.5, 4.5, 12, 10));
    Station(p, QRectF(18.5, 4.5, 12, 10));
    QPen link(QColor(30, 160, 60), 2.5);
    link.setStyle(Qt::DotLine);
    p.setPen(link);
    p.drawLine(QPointF(7.5, 24), QPointF(7.5, 28));
    p.drawLine(QPointF(7.5, 28), QPointF(24.5, 28));
    p.drawLine(QPointF(24.5, 28), QPointF(24.5, 24));
  });
}

QPixmap ConfigMachinePicture() {
  return Draw([](QPainter& p) {
    p.translate(16, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 110, 120));
    for (int tooth = 0; tooth < 8; ++tooth) {
      p.drawRect(QRectF(-3, -15, 6, 8));
      p.rotate(45);
    }
    p.setPen(QPen(QColor(60, 60, 70), 1.5));
    p.drawEllipse(QPointF(0, 0), 10, 10);
    p.setBrush(QColor(240, 240, 240));
    p.drawEllipse(QPointF(0, 0), 4, 4);
  });
}

QPixmap SetPicture() {
  return Draw([](QPainter& p) {
    QPainterPath tick;
    tick.moveTo(5, 17);
    tick.lineTo(13, 25);
    tick.lineTo(27, 7);
    p.setPen(QPen(QColor(20, 140, 40), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
  });
}
