#pragma once

#include <QWidget>

#include "ScaledCanvas.h"

class QPaintEvent;

// The scaled drawing surface on screen: a widget showing a ScaledCanvas whose size and font
// are the widget's own. All drawing and mapping is the canvas's; the widget paints white and
// then the shown picture at its top-left corner, 1:1, and repaints whenever the canvas says
// its picture changed.
class ScPic : public QWidget, public ScaledCanvas {
  Q_OBJECT

 public:
  // Creation: bitmap mode in colour, world (0, 1, 0, 1), zero margins.
  explicit ScPic(QWidget* parent = nullptr);
  // Creation with the form's image type, followed by Loaded().
  explicit ScPic(TImageType imageType, QWidget* parent = nullptr);

  QSize SurfaceSize() const override { return size(); }
  QFont SurfaceFont() const override { return font(); }

 protected:
  const QPaintDevice* MetricsDevice() const override { return this; }
  void SurfaceChanged() override { update(); }
  void paintEvent(QPaintEvent* event) override;
};
