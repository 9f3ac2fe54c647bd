#include "ScPic.h"

#include <QPaintEvent>
#include <QPainter>

ScPic::ScPic(QWidget* parent) : QWidget(parent) {}

ScPic::ScPic(TImageType imageType, QWidget* parent) : QWidget(parent), ScaledCanvas(imageType) {
  Loaded();
}

void ScPic::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), Qt::white);
  RenderShown(painter);
}
