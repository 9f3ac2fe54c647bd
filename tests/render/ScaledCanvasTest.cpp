#include "ScaledCanvas.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "render/PictureProbe.h"

// A canvas of its own, as the command line draws on: no widget gives it a size or a font.
namespace {

const QColor kRed(255, 0, 0);

TEST(ScaledCanvasAlone, StartsEmptyAndMapsOntoTheSizeItIsGiven) {
  ScaledCanvas canvas(ScaledCanvas::itMetafile);
  EXPECT_EQ(canvas.SurfaceSize(), QSize(0, 0));
  canvas.SetSurfaceSize({101, 51});
  canvas.XMin = -50;
  canvas.XExtent = 100;
  canvas.YMin = 0;
  canvas.YExtent = 50;
  EXPECT_EQ(canvas.XToPixel(-50), 0);
  EXPECT_EQ(canvas.XToPixel(50), 100);
  EXPECT_EQ(canvas.YToPixel(0), 50);
  EXPECT_EQ(canvas.YToPixel(50), 0);
}

TEST(ScaledCanvasAlone, RecordsAndShowsItsPicture) {
  ScaledCanvas canvas(ScaledCanvas::itMetafile);
  canvas.SetSurfaceSize({120, 80});
  canvas.Loaded();
  EXPECT_TRUE(canvas.IsRecording());
  canvas.XExtent = 119;
  canvas.YExtent = 79;
  canvas.Clear();
  canvas.Line(kRed, 10, 40, 100, 40);
  canvas.Finish();
  EXPECT_FALSE(canvas.IsRecording());
  EXPECT_TRUE(PictureProbe(canvas.Picture()).HasLine(kRed, {10, 39}, {100, 39}));
  const QImage shown = canvas.Snapshot();
  EXPECT_EQ(shown.size(), QSize(120, 80));
  EXPECT_EQ(QColor(shown.pixel(50, 39)), kRed);
  EXPECT_EQ(QColor(shown.pixel(50, 60)), QColor(Qt::white));
}

TEST(ScaledCanvasAlone, BitmapHasTheSizeItIsGiven) {
  ScaledCanvas canvas;
  canvas.SetSurfaceSize({60, 40});
  canvas.Clear();
  EXPECT_EQ(canvas.Image().size(), QSize(60, 40));
  canvas.SetSurfaceSize({30, 20});
  canvas.Clear();  // fits the bitmap to the new size
  EXPECT_EQ(canvas.Image().size(), QSize(30, 20));
}

TEST(ScaledCanvasAlone, WritesAndMeasuresTextInTheFontItIsGiven) {
  ScaledCanvas canvas(ScaledCanvas::itMetafile);
  canvas.SetSurfaceSize({200, 100});
  canvas.XExtent = 199;  // one world unit per pixel
  canvas.YExtent = 99;
  QFont large = canvas.SurfaceFont();
  large.setPixelSize(30);
  canvas.SetSurfaceFont(large);
  const QFontMetrics metrics(large);
  EXPECT_NEAR(static_cast<double>(canvas.WorldTextWidth("Wx")), metrics.horizontalAdvance("Wx"),
              1.0);
  canvas.Clear();
  canvas.TextOut("Wx", 10, 90);
  canvas.Finish();
  const ProbeText* text = PictureProbe(canvas.Picture()).FindText("Wx");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Font.pixelSize(), 30);
}

}  // namespace
