#include "ScPic.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <limits>
#include <memory>
#include <set>

#include "render/PictureProbe.h"

namespace {

constexpr double kWorldTolerance = 1e-12;
// Text positions come from font metrics: allow a pixel for a differently rounded ascent.
constexpr double kTextTolerance = 1.0;

const QColor kSilver(192, 192, 192);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 128, 0);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

std::unique_ptr<ScPic> MakePic(ScPic::TImageType type, int width, int height,
                               bool monochrome = false) {
  auto pic = std::make_unique<ScPic>(type);
  pic->SetMonochrome(monochrome);
  pic->resize(width, height);
  return pic;
}

QColor At(const QImage& image, int x, int y) {
  return QColor(image.pixel(x, y));
}

bool AllWhite(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
  return true;
}

int CountColour(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == colour.rgb()) ++count;
  return count;
}

bool AnyNonWhiteIn(const QImage& image, const QRect& rect) {
  const QRect r = rect.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) return true;
  return false;
}

// Columns of the vertical and rows of the horizontal lines of a colour.
std::set<int> VerticalColumns(const PictureProbe& probe, const QColor& colour) {
  std::set<int> columns;
  for (const ProbeLine& line : probe.LinesOf(colour))
    if (line.From.x() == line.To.x()) columns.insert(qRound(line.From.x()));
  return columns;
}

std::set<int> HorizontalRows(const PictureProbe& probe, const QColor& colour) {
  std::set<int> rows;
  for (const ProbeLine& line : probe.LinesOf(colour))
    if (line.From.y() == line.To.y()) rows.insert(qRound(line.From.y()));
  return rows;
}

// ---------------------------------------------------------------------------------------
// Mappings

TEST(ScPicMapping, Creation) {
  ScPic pic;
  EXPECT_EQ(pic.ImageType(), ScPic::itBitmap);
  EXPECT_FALSE(pic.Monochrome());
  EXPECT_EQ(pic.XMin, 0);
  EXPECT_EQ(pic.XExtent, 1);
  EXPECT_EQ(pic.YMin, 0);
  EXPECT_EQ(pic.YExtent, 1);
  EXPECT_EQ(pic.MarginLeft, 0);
  EXPECT_EQ(pic.MarginRight, 0);
  EXPECT_EQ(pic.MarginTop, 0);
  EXPECT_EQ(pic.MarginBottom, 0);
  EXPECT_TRUE(pic.Image().isNull());
  EXPECT_TRUE(pic.Picture().isNull());
}

TEST(ScPicMapping, ColumnsOf268PixelWideArea) {
  auto pic = MakePic(ScPic::itMetafile, 268, 100);
  pic->XMin = -10;
  pic->XExtent = 110;
  EXPECT_EQ(pic->XToPixel(-10), 0);
  EXPECT_EQ(pic->XToPixel(100), 267);
  EXPECT_NEAR(static_cast<double>(pic->PixelToX(267)), 100.0, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(pic->PixelToX(0)), -10.0, kWorldTolerance);
  // 45 lies at 267 * 55 / 110 = 133.5: the tie goes to the even column.
  EXPECT_EQ(pic->XToPixel(45), 134);
}

TEST(ScPicMapping, DefaultWorldPutsYUp) {
  auto pic = MakePic(ScPic::itBitmap, 50, 80);
  EXPECT_EQ(pic->YToPixel(0), 79);
  EXPECT_EQ(pic->YToPixel(1), 0);
  EXPECT_EQ(pic->XToPixel(0), 0);
  EXPECT_EQ(pic->XToPixel(1), 49);
  EXPECT_NEAR(static_cast<double>(pic->PixelToY(79)), 0.0, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(pic->PixelToY(0)), 1.0, kWorldTolerance);
}

TEST(ScPicMapping, TiesRoundToEven) {
  // 5 x 5 pixels over 8 world units: 4 pixel steps, so odd world values fall on halves.
  auto pic = MakePic(ScPic::itBitmap, 5, 5);
  pic->XExtent = 8;
  pic->YExtent = 8;
  EXPECT_EQ(pic->XToPixel(1), 0);  // 0.5
  EXPECT_EQ(pic->XToPixel(3), 2);  // 1.5
  EXPECT_EQ(pic->XToPixel(5), 2);  // 2.5
  EXPECT_EQ(pic->XToPixel(7), 4);  // 3.5
  // Rows round a - offset as a whole: 4 - 0.5 = 3.5 -> 4, 4 - 1.5 = 2.5 -> 2, ...
  EXPECT_EQ(pic->YToPixel(1), 4);
  EXPECT_EQ(pic->YToPixel(3), 2);
  EXPECT_EQ(pic->YToPixel(5), 2);
  EXPECT_EQ(pic->YToPixel(7), 0);
}

TEST(ScPicMapping, MarginsBorderTheDrawingArea) {
  auto pic = MakePic(ScPic::itBitmap, 116, 110);
  pic->MarginLeft = 10;
  pic->MarginRight = 5;
  pic->MarginTop = 3;
  pic->MarginBottom = 7;
  pic->XMin = 2;
  pic->XExtent = 4;
  pic->YMin = -1;
  pic->YExtent = 3;
  EXPECT_EQ(pic->XToPixel(2), 10);
  EXPECT_EQ(pic->XToPixel(6), 110);   // W - R - 1
  EXPECT_EQ(pic->YToPixel(-1), 102);  // H - B - 1
  EXPECT_EQ(pic->YToPixel(2), 3);     // T
  EXPECT_NEAR(static_cast<double>(pic->PixelToX(10)), 2.0, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(pic->PixelToX(110)), 6.0, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(pic->PixelToY(102)), -1.0, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(pic->PixelToY(3)), 2.0, kWorldTolerance);
}

TEST(ScPicMapping, OnePixelWideOrHighArea) {
  auto pic = MakePic(ScPic::itBitmap, 12, 10);
  pic->MarginLeft = 5;
  pic->MarginRight = 6;  // c = 1: the division is left out
  pic->MarginTop = 5;
  pic->MarginBottom = 4;  // d = 1: every row is YMin
  pic->XMin = 3;
  pic->XExtent = 2;
  pic->YMin = 7;
  pic->YExtent = 5;
  EXPECT_NEAR(static_cast<double>(pic->PixelToX(5)), 3.0, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(pic->PixelToX(8)), 9.0, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(pic->PixelToY(0)), 7.0, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(pic->PixelToY(9)), 7.0, kWorldTolerance);
}

TEST(ScPicMapping, NegativeExtentsRunTheAxisBackwards) {
  auto pic = MakePic(ScPic::itBitmap, 101, 51);
  pic->XMin = 5;
  pic->XExtent = -5;
  pic->YMin = 0;
  pic->YExtent = -1;
  EXPECT_EQ(pic->XToPixel(5), 0);
  EXPECT_EQ(pic->XToPixel(0), 100);
  EXPECT_EQ(pic->YToPixel(0), 50);
  EXPECT_EQ(pic->YToPixel(-1), 0);
  EXPECT_NEAR(static_cast<double>(pic->PixelToX(100)), 0.0, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(pic->PixelToY(0)), -1.0, kWorldTolerance);
  // Text height in world units follows the axis direction.
  EXPECT_GT(pic->WorldTextHeight("Wx"), 0);
  EXPECT_LT(pic->WorldTextWidth("Wx"), 0);
}

TEST(ScPicMapping, WorldTextSize) {
  auto pic = MakePic(ScPic::itMetafile, 201, 101);
  pic->XExtent = 20;  // 10 pixels per unit
  pic->YExtent = 5;   // 20 pixels per unit
  const QFontMetrics metrics(pic->font());
  EXPECT_NEAR(static_cast<double>(pic->WorldTextWidth("Wx")),
              metrics.horizontalAdvance("Wx") / 10.0, kWorldTolerance);
  // Negative when YExtent is positive.
  EXPECT_NEAR(static_cast<double>(pic->WorldTextHeight("Wx")), -metrics.height() / 20.0,
              kWorldTolerance);
}

// ---------------------------------------------------------------------------------------
// EqualizeScales

TEST(ScPicEqualize, WidensTheLongerAxisAboutItsCentre) {
  auto pic = MakePic(ScPic::itMetafile, 400, 200);
  pic->EqualizeScales();
  EXPECT_NEAR(static_cast<double>(pic->XMin), -0.5, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(pic->XExtent), 2.0, kWorldTolerance);
  EXPECT_EQ(pic->YMin, 0);
  EXPECT_EQ(pic->YExtent, 1);

  auto tall = MakePic(ScPic::itMetafile, 200, 400);
  tall->EqualizeScales();
  EXPECT_EQ(tall->XMin, 0);
  EXPECT_EQ(tall->XExtent, 1);
  EXPECT_NEAR(static_cast<double>(tall->YMin), -0.5, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(tall->YExtent), 2.0, kWorldTolerance);
}

TEST(ScPicEqualize, MarginsCountOut) {
  auto pic = MakePic(ScPic::itMetafile, 420, 230);
  pic->MarginLeft = 15;
  pic->MarginRight = 5;  // 400 across
  pic->MarginTop = 20;
  pic->MarginBottom = 10;  // 200 up
  pic->EqualizeScales();
  EXPECT_NEAR(static_cast<double>(pic->XExtent), 2.0, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(pic->XMin), -0.5, kWorldTolerance);
}

TEST(ScPicEqualize, WithinOneThousandthIsLeftAlone) {
  auto pic = MakePic(ScPic::itMetafile, 1000, 1000);
  pic->YExtent = 1.0009L;  // scales differ by 0.09 %
  pic->EqualizeScales();
  EXPECT_EQ(pic->XExtent, 1);
  EXPECT_EQ(pic->XMin, 0);
  EXPECT_EQ(pic->YExtent, 1.0009L);

  pic->YExtent = 1.0011L;  // 0.11 %: x is widened to match
  pic->EqualizeScales();
  EXPECT_NEAR(static_cast<double>(pic->XExtent), 1.0011, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(pic->XMin), -0.00055, kWorldTolerance);
}

TEST(ScPicEqualize, NegativeExtentKeepsItsDirection) {
  auto pic = MakePic(ScPic::itMetafile, 400, 200);
  pic->XMin = 0;
  pic->XExtent = -1;  // centre -0.5
  pic->EqualizeScales();
  EXPECT_NEAR(static_cast<double>(pic->XExtent), -2.0, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(pic->XMin + pic->XExtent / 2), -0.5, kWorldTolerance);
}

TEST(ScPicEqualize, ZeroExtentsAreReplaced) {
  auto both = MakePic(ScPic::itMetafile, 400, 200);
  both->XExtent = 0;
  both->YExtent = 0;
  both->EqualizeScales();
  EXPECT_NEAR(static_cast<double>(both->XExtent), 2.0, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(both->YExtent), 1.0, kWorldTolerance);

  auto onlyX = MakePic(ScPic::itMetafile, 400, 200);
  onlyX->XExtent = 0;
  onlyX->YExtent = 3;
  onlyX->EqualizeScales();  // x takes 3, then widens to 6 about 1.5
  EXPECT_NEAR(static_cast<double>(onlyX->XExtent), 6.0, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(onlyX->XMin), -1.5, kWorldTolerance);

  auto onlyY = MakePic(ScPic::itMetafile, 200, 200);
  onlyY->XExtent = 4;
  onlyY->YExtent = 0;
  onlyY->EqualizeScales();
  EXPECT_NEAR(static_cast<double>(onlyY->YExtent), 4.0, kWorldTolerance);
  EXPECT_NEAR(static_cast<double>(onlyY->XExtent), 4.0, kWorldTolerance);
}

TEST(ScPicEqualize, EmptyAreaChangesNothing) {
  auto pic = MakePic(ScPic::itMetafile, 400, 200);
  pic->MarginLeft = 200;
  pic->MarginRight = 200;  // nothing across
  pic->EqualizeScales();
  EXPECT_EQ(pic->XExtent, 1);
  EXPECT_EQ(pic->YExtent, 1);
  EXPECT_EQ(pic->XMin, 0);
  EXPECT_EQ(pic->YMin, 0);
}

// ---------------------------------------------------------------------------------------
// DrawGrid

class ScPicGrid : public ::testing::Test {
 protected:
  // A graph from -10 to 100 on both axes, drawn in metafile mode and probed.
  PictureProbe DrawOver(long double xMin, long double xExtent, long double yMin,
                        long double yExtent, long double xStep, long double yStep,
                        int xDecimals = 0, int yDecimals = 0) {
    pic = MakePic(ScPic::itMetafile, 268, 268);
    pic->XMin = xMin;
    pic->XExtent = xExtent;
    pic->YMin = yMin;
    pic->YExtent = yExtent;
    pic->Clear();
    pic->DrawGrid(xDecimals, yDecimals, xStep, yStep);
    pic->Finish();
    return PictureProbe(pic->Picture());
  }

  std::unique_ptr<ScPic> pic;
};

TEST_F(ScPicGrid, TicksStartInsideAndStopBeforeTheEnd) {
  const PictureProbe probe = DrawOver(-10, 110, -10, 110, 10, 10);
  std::set<int> expected;
  for (int t = 0; t <= 90; t += 10)
    expected.insert(pic->XToPixel(t));
  EXPECT_EQ(VerticalColumns(probe, kSilver), expected) << probe.Dump().toStdString();
  EXPECT_EQ(probe.LinesOf(kSilver).size(), 20u);  // ten each way

  std::set<int> expectedRows;
  for (int s = 0; s <= 90; s += 10)
    expectedRows.insert(pic->YToPixel(s));
  EXPECT_EQ(HorizontalRows(probe, kSilver), expectedRows);

  // Grid lines span the whole world rectangle.
  EXPECT_TRUE(
      probe.HasLine(kSilver, QPointF(pic->XToPixel(50), 267), QPointF(pic->XToPixel(50), 0)));
  EXPECT_TRUE(
      probe.HasLine(kSilver, QPointF(0, pic->YToPixel(50)), QPointF(267, pic->YToPixel(50))));

  EXPECT_NE(probe.FindText("10"), nullptr);
  EXPECT_NE(probe.FindText("90"), nullptr);
  EXPECT_EQ(probe.FindText("-10"), nullptr);
  EXPECT_EQ(probe.FindText("100"), nullptr);
  EXPECT_EQ(probe.TextsOf("50").size(), 2u);  // one per axis
}

TEST_F(ScPicGrid, FirstTickTruncatesTowardZero) {
  const PictureProbe probe = DrawOver(-25, 60, -25, 60, 10, 10);
  EXPECT_EQ(VerticalColumns(probe, kSilver),
            (std::set<int>{pic->XToPixel(-10), pic->XToPixel(0), pic->XToPixel(10),
                           pic->XToPixel(20), pic->XToPixel(30)}));
  EXPECT_EQ(HorizontalRows(probe, kSilver),
            (std::set<int>{pic->YToPixel(-10), pic->YToPixel(0), pic->YToPixel(10),
                           pic->YToPixel(20), pic->YToPixel(30)}));
  EXPECT_EQ(probe.FindText("-20"), nullptr);
  EXPECT_NE(probe.FindText("-10"), nullptr);
}

TEST_F(ScPicGrid, AxesInBlackOverTheWholeRange) {
  const PictureProbe probe = DrawOver(-10, 110, -10, 110, 10, 10);
  const int x0 = pic->XToPixel(0);
  const int y0 = pic->YToPixel(0);
  EXPECT_TRUE(probe.HasLine(kBlack, QPointF(x0, 267), QPointF(x0, 0)))
      << probe.Dump().toStdString();
  EXPECT_TRUE(probe.HasLine(kBlack, QPointF(0, y0), QPointF(267, y0)));
  EXPECT_EQ(probe.LinesOf(kBlack).size(), 2u);
}

TEST_F(ScPicGrid, LabelPlacement) {
  const PictureProbe probe = DrawOver(-10, 110, -10, 110, 10, 10);
  const QFontMetrics metrics(pic->font());
  const int h = metrics.height();
  const int w0 = metrics.horizontalAdvance("0");
  // Below the bottom edge lies y < 0, so the x labels sit on y = 0, half a text height down.
  const std::vector<ProbeText> labels = probe.TextsOf("30");
  ASSERT_EQ(labels.size(), 2u);
  const ProbeText& xLabel = labels[0];
  EXPECT_NEAR(xLabel.TopLeft.x(), pic->XToPixel(30) - metrics.horizontalAdvance("30") / 2,
              kTextTolerance);
  EXPECT_NEAR(xLabel.TopLeft.y(), pic->YToPixel(0) + h / 2, kTextTolerance);
  // The y labels start one "0" right of x = 0 and are centred on their line.
  const ProbeText& yLabel = labels[1];
  EXPECT_NEAR(yLabel.TopLeft.x(), pic->XToPixel(0) + w0, kTextTolerance);
  EXPECT_NEAR(yLabel.TopLeft.y(), pic->YToPixel(30) - h / 2, kTextTolerance);
  // Opaque, black on the brush colour.
  EXPECT_TRUE(xLabel.Opaque);
  EXPECT_TRUE(PictureProbe::SameColour(xLabel.Colour, kBlack));
  EXPECT_TRUE(PictureProbe::SameColour(xLabel.Background, kWhite));
  // On screen the label hides the grid line it sits on.
  const QImage shown = pic->Snapshot();
  const int row = pic->YToPixel(30);
  const int left = pic->XToPixel(0) + w0;
  EXPECT_EQ(At(shown, left - 3, row), kSilver);
  for (int x = left + 1; x < left + metrics.horizontalAdvance("30") - 1; ++x)
    EXPECT_NE(At(shown, x, row), kSilver) << x;
}

TEST_F(ScPicGrid, LabelColumnAndRowFollowAPositiveOrigin) {
  // XMin > 0: the y labels start at the left edge; YMin > 0 puts the x labels 1.5 text
  // heights below the bottom edge.
  const PictureProbe probe = DrawOver(20, 80, 20, 80, 10, 10);
  const QFontMetrics metrics(pic->font());
  const int h = metrics.height();
  const ProbeText* yLabel = nullptr;
  const ProbeText* xLabel = nullptr;
  for (const ProbeText& text : probe.Texts) {
    if (text.Text != "50") continue;
    (xLabel ? yLabel : xLabel) = &text;
  }
  ASSERT_NE(xLabel, nullptr);
  ASSERT_NE(yLabel, nullptr);
  EXPECT_NEAR(yLabel->TopLeft.x(), metrics.horizontalAdvance("0"), kTextTolerance);
  const long double yL = 20 + 1.5L * (pic->PixelToY(h) - pic->PixelToY(0));
  EXPECT_NEAR(xLabel->TopLeft.y(), pic->YToPixel(yL) + h / 2, kTextTolerance);
  EXPECT_GT(xLabel->TopLeft.y(), 267);
}

TEST_F(ScPicGrid, DecimalsInLabels) {
  const PictureProbe probe = DrawOver(0, 2, 0, 1.5, 0.5, 0.25, 1, 2);
  for (const char* text : {".5", "1", "1.5", ".25", ".75", "1.25"})
    EXPECT_NE(probe.FindText(text), nullptr) << text << "\n" << probe.Dump().toStdString();
  EXPECT_EQ(probe.FindText("2"), nullptr);
  EXPECT_EQ(probe.FindText("0.5"), nullptr);
}

TEST_F(ScPicGrid, BackgroundIsTransparentAfterwards) {
  pic = MakePic(ScPic::itMetafile, 268, 268);
  pic->XMin = -10;
  pic->XExtent = 110;
  pic->Clear();
  pic->DrawGrid(0, 0, 10, 10);
  pic->TextOut("after", 50, 50);
  pic->Finish();
  const PictureProbe probe(pic->Picture());
  const ProbeText* after = probe.FindText("after");
  ASSERT_NE(after, nullptr);
  EXPECT_FALSE(after->Opaque);
}

TEST_F(ScPicGrid, UnusableStepsDrawOnlyTheAxes) {
  const PictureProbe probe = DrawOver(-10, 110, -10, 110, 0, -5);
  EXPECT_TRUE(probe.LinesOf(kSilver).empty());
  EXPECT_EQ(probe.LinesOf(kBlack).size(), 2u);
}

// ---------------------------------------------------------------------------------------
// Metafile mode

TEST(ScPicMetafile, BlankBeforeTheFirstDrawing) {
  auto pic = MakePic(ScPic::itMetafile, 120, 80);
  EXPECT_TRUE(pic->IsRecording());  // Loaded opens a recording at once
  EXPECT_TRUE(pic->Picture().isNull());
  EXPECT_TRUE(AllWhite(pic->Snapshot()));
  EXPECT_TRUE(AllWhite(pic->grab().toImage().convertToFormat(QImage::Format_RGB32)));
}

TEST(ScPicMetafile, FinishShowsTheRecording) {
  auto pic = MakePic(ScPic::itMetafile, 120, 80);
  pic->XExtent = 119;
  pic->YExtent = 79;
  pic->Clear();
  pic->Line(kRed, 10, 40, 100, 40);
  EXPECT_EQ(CountColour(pic->Snapshot(), kRed), 0);  // still recording
  pic->Finish();
  EXPECT_FALSE(pic->IsRecording());

  const PictureProbe probe(pic->Picture());
  EXPECT_TRUE(probe.HasLine(kRed, QPointF(10, 39), QPointF(100, 39))) << probe.Dump().toStdString();
  // The recording starts with the white rectangle over the whole control.
  ASSERT_FALSE(probe.Fills.empty());
  EXPECT_TRUE(PictureProbe::SameColour(probe.Fills.front().BrushColour, kWhite));
  EXPECT_EQ(probe.Fills.front().Points.boundingRect(), QRectF(0, 0, 120, 80));

  const QImage shown = pic->Snapshot();
  EXPECT_EQ(At(shown, 50, 39), kRed);
  EXPECT_EQ(At(shown, 50, 45), kWhite);
  // The widget paints the same.
  const QImage painted = pic->grab().toImage();
  EXPECT_EQ(At(painted, 50, 39), kRed);
}

TEST(ScPicMetafile, DrawingWithoutFinishLeavesThePreviousPicture) {
  auto pic = MakePic(ScPic::itMetafile, 120, 80);
  pic->XExtent = 119;
  pic->YExtent = 79;
  pic->Clear();
  pic->Line(kRed, 10, 40, 100, 40);
  pic->Finish();

  pic->Clear();
  pic->Line(kBlue, 10, 20, 100, 20);
  EXPECT_TRUE(pic->IsRecording());
  {
    const PictureProbe probe(pic->Picture());
    EXPECT_FALSE(probe.LinesOf(kRed).empty());
    EXPECT_TRUE(probe.LinesOf(kBlue).empty());
    const QImage shown = pic->Snapshot();
    EXPECT_EQ(At(shown, 50, 39), kRed);
    EXPECT_EQ(At(shown, 50, 59), kWhite);
  }
  pic->Finish();
  const PictureProbe probe(pic->Picture());
  EXPECT_TRUE(probe.LinesOf(kRed).empty());
  EXPECT_FALSE(probe.LinesOf(kBlue).empty());
}

TEST(ScPicMetafile, ClearFinishesTheOpenRecordingAndStartsAWhiteOne) {
  auto pic = MakePic(ScPic::itMetafile, 120, 80);
  pic->XExtent = 119;
  pic->YExtent = 79;
  pic->Clear();
  pic->Line(kGreen, 10, 40, 100, 40);
  pic->Clear();  // no Finish in between: the green drawing becomes the picture shown
  EXPECT_TRUE(pic->IsRecording());
  EXPECT_FALSE(PictureProbe(pic->Picture()).LinesOf(kGreen).empty());

  pic->Finish();  // the new recording held only the white background
  const PictureProbe probe(pic->Picture());
  EXPECT_TRUE(probe.Lines.empty());
  ASSERT_EQ(probe.Fills.size(), 1u);
  EXPECT_TRUE(PictureProbe::SameColour(probe.Fills.front().BrushColour, kWhite));
  EXPECT_TRUE(AllWhite(pic->Snapshot()));
}

TEST(ScPicMetafile, DrawingAfterFinishStartsAnEmptyRecording) {
  auto pic = MakePic(ScPic::itMetafile, 120, 80);
  pic->XExtent = 119;
  pic->YExtent = 79;
  pic->Clear();
  pic->Line(kRed, 10, 40, 100, 40);
  pic->Finish();
  pic->Line(kBlue, 10, 20, 100, 20);  // no Clear
  pic->Finish();
  const PictureProbe probe(pic->Picture());
  EXPECT_TRUE(probe.Fills.empty());
  EXPECT_TRUE(probe.LinesOf(kRed).empty());
  EXPECT_EQ(probe.LinesOf(kBlue).size(), 1u);
}

TEST(ScPicMetafile, EveryRecordingStartsWithTheDefaultCanvas) {
  auto pic = MakePic(ScPic::itMetafile, 120, 80);
  pic->DrawCanvas()->setPen(QPen(kRed, 5));
  pic->Finish();
  const QPen pen = pic->DrawCanvas()->pen();
  EXPECT_EQ(pen.color(), kBlack);
  EXPECT_EQ(pen.width(), 1);
  EXPECT_EQ(pic->DrawCanvas()->brush().color(), kWhite);
  EXPECT_EQ(pic->DrawCanvas()->font(), pic->font());
}

// ---------------------------------------------------------------------------------------
// Bitmap mode

TEST(ScPicBitmap, DrawingIsVisibleAtOnce) {
  auto pic = MakePic(ScPic::itBitmap, 120, 80);
  EXPECT_TRUE(AllWhite(pic->Snapshot()));
  pic->XExtent = 119;
  pic->YExtent = 79;
  pic->Line(kRed, 10, 40, 100, 40);  // no Clear: the bitmap is created white
  EXPECT_EQ(pic->Image().size(), QSize(120, 80));
  EXPECT_EQ(At(pic->Image(), 50, 39), kRed);
  EXPECT_EQ(At(pic->Snapshot(), 50, 39), kRed);
  EXPECT_EQ(At(pic->grab().toImage(), 50, 39), kRed);
  EXPECT_FALSE(pic->IsRecording());
  EXPECT_TRUE(pic->Picture().isNull());

  pic->Finish();  // changes nothing
  EXPECT_EQ(At(pic->Image(), 50, 39), kRed);
}

TEST(ScPicBitmap, ClearFitsAndWhitens) {
  auto pic = MakePic(ScPic::itBitmap, 120, 80);
  pic->XExtent = 119;
  pic->YExtent = 79;
  pic->DrawCanvas()->setPen(QPen(kBlue, 3));
  pic->Line(kRed, 10, 40, 100, 40);
  pic->resize(150, 90);
  pic->Clear();
  EXPECT_EQ(pic->Image().size(), QSize(150, 90));
  EXPECT_TRUE(AllWhite(pic->Image().convertToFormat(QImage::Format_RGB32)));
  // The canvas keeps its pen across the refit.
  EXPECT_EQ(pic->DrawCanvas()->pen().width(), 3);
  EXPECT_EQ(pic->DrawCanvas()->pen().color(), kRed);
}

TEST(ScPicBitmap, OneBitBitmapIsMonochromeAndNotCleared) {
  auto pic = MakePic(ScPic::itBitmap, 60, 40, true);
  pic->XExtent = 59;
  pic->YExtent = 39;
  pic->Clear();
  ASSERT_EQ(pic->Image().format(), QImage::Format_Mono);
  EXPECT_EQ(pic->Image().colorTable(), (QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
  EXPECT_EQ(pic->Image().pixelIndex(30, 20), 1);  // white

  pic->Line(kBlack, 5, 20, 50, 20);
  EXPECT_EQ(pic->Image().pixelIndex(30, 19), 0);
  pic->Clear();  // fits but does not paint
  EXPECT_EQ(pic->Image().pixelIndex(30, 19), 0);
  EXPECT_EQ(At(pic->Snapshot(), 30, 19), kBlack);
}

TEST(ScPicBitmap, MonochromeSwitchesAnExistingBitmap) {
  auto pic = MakePic(ScPic::itBitmap, 60, 40);
  pic->Clear();
  EXPECT_NE(pic->Image().depth(), 1);
  pic->SetMonochrome(true);
  EXPECT_EQ(pic->Image().format(), QImage::Format_Mono);
  pic->SetMonochrome(false);
  EXPECT_NE(pic->Image().depth(), 1);
}

// ---------------------------------------------------------------------------------------
// Drawing operations, in both modes

class ScPicDraw : public ::testing::TestWithParam<ScPic::TImageType> {
 protected:
  void SetUp() override {
    pic = MakePic(GetParam(), 120, 80);
    pic->XExtent = 119;  // one world unit per pixel, y up
    pic->YExtent = 79;
    pic->Clear();
  }
  QImage Shown() {
    pic->Finish();
    return pic->Snapshot();
  }
  std::unique_ptr<ScPic> pic;
};

TEST_P(ScPicDraw, DotIsARoundBlob) {
  pic->Dot(60, 40, 7, kRed);  // pixel (60, 39)
  const QImage shown = Shown();
  EXPECT_EQ(At(shown, 60, 39), kRed);
  EXPECT_EQ(At(shown, 62, 39), kRed);
  EXPECT_EQ(At(shown, 58, 39), kRed);
  EXPECT_EQ(At(shown, 60, 41), kRed);
  EXPECT_EQ(At(shown, 60, 37), kRed);
  EXPECT_EQ(At(shown, 66, 39), kWhite);
  EXPECT_EQ(At(shown, 63, 42), kWhite);  // round, not square
  if (GetParam() == ScPic::itMetafile) {
    const PictureProbe probe(pic->Picture());
    EXPECT_TRUE(probe.HasDot(kRed, QPointF(60, 39), 7)) << probe.Dump().toStdString();
  }
}

TEST_P(ScPicDraw, DotLeavesThePenAlone) {
  pic->DrawCanvas()->setPen(QPen(kBlue, 2));
  pic->Dot(60, 40, 7, kRed);
  EXPECT_EQ(pic->DrawCanvas()->pen().color(), kBlue);
  EXPECT_EQ(pic->DrawCanvas()->pen().width(), 2);
}

TEST_P(ScPicDraw, ZeroLengthLineWithWidePenPaints) {
  for (Qt::PenCapStyle cap : {Qt::RoundCap, Qt::SquareCap}) {
    pic->Clear();
    pic->DrawCanvas()->setPen(QPen(kBlue, 5, Qt::SolidLine, cap));
    pic->MoveTo(30, 30);
    pic->LineTo(30, 30);
    const QImage shown = Shown();
    EXPECT_EQ(At(shown, 30, 49), kBlue) << cap;
    EXPECT_EQ(At(shown, 31, 49), kBlue) << cap;
  }
}

TEST_P(ScPicDraw, LineKeepsThePenWidthAndMovesThePen) {
  pic->DrawCanvas()->setPen(QPen(kBlack, 3));
  pic->Line(kRed, 10, 10, 100, 10);
  EXPECT_EQ(pic->PenPosition(), QPoint(100, 69));
  pic->LineTo(100, 60);  // continues in red from the end of the line
  const QImage shown = Shown();
  EXPECT_EQ(At(shown, 50, 68), kRed);  // 3 px wide
  EXPECT_EQ(At(shown, 50, 70), kRed);
  EXPECT_EQ(At(shown, 100, 40), kRed);
  EXPECT_EQ(At(shown, 50, 60), kWhite);
  if (GetParam() == ScPic::itMetafile) {
    const PictureProbe probe(pic->Picture());
    ASSERT_EQ(probe.LinesOf(kRed).size(), 2u);
    EXPECT_EQ(probe.LinesOf(kRed)[0].Width, 3);
    EXPECT_TRUE(probe.HasLine(kRed, QPointF(100, 69), QPointF(100, 19)));
  }
}

TEST_P(ScPicDraw, TextHangsFromItsTopLeftCornerInTheTextColour) {
  pic->Line(kRed, 0, 0, 1, 1);  // the pen is red now; text stays black
  pic->TextOut("Wx", 40, 49);   // pixel (40, 30)
  const QFontMetrics metrics(pic->font());
  EXPECT_EQ(pic->PenPosition(), QPoint(40 + metrics.horizontalAdvance("Wx"), 30));
  const QImage shown = Shown();
  EXPECT_TRUE(
      AnyNonWhiteIn(shown, QRect(40, 30, metrics.horizontalAdvance("Wx"), metrics.height())));
  EXPECT_FALSE(AnyNonWhiteIn(shown, QRect(30, 20, 40, 10)));  // nothing above the top
  EXPECT_FALSE(AnyNonWhiteIn(shown, QRect(30, 30, 9, 20)));   // nothing left of it
  EXPECT_EQ(CountColour(shown, kRed), 2);                     // only the short red line
  if (GetParam() == ScPic::itMetafile) {
    const PictureProbe probe(pic->Picture());
    const ProbeText* text = probe.FindText("Wx");
    ASSERT_NE(text, nullptr) << probe.Dump().toStdString();
    EXPECT_NEAR(text->TopLeft.x(), 40, kTextTolerance);
    EXPECT_NEAR(text->TopLeft.y(), 30, kTextTolerance);
    EXPECT_TRUE(PictureProbe::SameColour(text->Colour, kBlack));
    EXPECT_FALSE(text->Opaque);
  }
}

TEST_P(ScPicDraw, TextColourIsSettable) {
  QFont big = pic->font();
  big.setPixelSize(30);
  big.setBold(true);
  pic->DrawCanvas()->setFont(big);
  pic->SetTextColor(kBlue);
  pic->TextOut("W", 40, 49);
  const QImage shown = Shown();
  int bluish = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) {
      const QColor c = At(shown, x, y);
      if (c.blue() > 200 && c.red() < 100 && c.green() < 100) ++bluish;
    }
  EXPECT_GT(bluish, 20);
}

TEST_P(ScPicDraw, FillQuadUsesPenAndBrush) {
  pic->DrawCanvas()->setBrush(QBrush(kGreen));
  pic->DrawCanvas()->setPen(QPen(kBlue, 1));
  pic->FillQuad(20, 10, 80, 10, 80, 60, 20, 60);
  const QImage shown = Shown();
  EXPECT_EQ(At(shown, 50, 40), kGreen);
  EXPECT_EQ(At(shown, 50, 69), kBlue);  // the outline at y = 10
  EXPECT_EQ(At(shown, 10, 40), kWhite);
  if (GetParam() == ScPic::itMetafile) {
    const std::vector<ProbeFill> fills = PictureProbe(pic->Picture()).FillsOf(kGreen);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].Points,
              QPolygonF({QPointF(20, 69), QPointF(80, 69), QPointF(80, 19), QPointF(20, 19)}));
  }
}

TEST_P(ScPicDraw, GridLinesAreSilver) {
  pic->XMin = -10;
  pic->XExtent = 119;
  pic->DrawGrid(0, 0, 50, 1000);
  const QImage shown = Shown();
  // x = 50 is column 60; the row chosen lies away from the labels.
  EXPECT_EQ(At(shown, 60, 5), kSilver);
  EXPECT_EQ(At(shown, 10, 5), kBlack);  // the y axis at x = 0
}

TEST_P(ScPicDraw, ZeroExtentsNeverCrash) {
  pic->XExtent = 0;
  pic->YExtent = 0;
  EXPECT_EQ(pic->XToPixel(pic->XMin), 0);
  EXPECT_EQ(pic->YToPixel(pic->YMin), 79);
  EXPECT_EQ(pic->XToPixel(1), ScPic::PixelLimit);
  EXPECT_EQ(pic->XToPixel(-1), -ScPic::PixelLimit);
  EXPECT_EQ(pic->YToPixel(1), -ScPic::PixelLimit);
  EXPECT_TRUE(std::isfinite(pic->PixelToX(50)));
  EXPECT_TRUE(std::isfinite(pic->PixelToY(50)));
  EXPECT_TRUE(std::isfinite(pic->WorldTextWidth("Wx")));
  EXPECT_TRUE(std::isfinite(pic->WorldTextHeight("Wx")));
  pic->Clear();
  pic->MoveTo(0, 0);
  pic->LineTo(1, 1);
  pic->Line(kRed, -1, -1, 1, 1);
  pic->TextOut("Wx", 1, 1);
  pic->FillQuad(0, 0, 1, 0, 1, 1, 0, 1);
  pic->DrawGrid(1, 1, 0.1L, 0.1L);
  pic->Dot(0, 0, 5, kBlue);
  const QImage shown = Shown();
  EXPECT_EQ(shown.size(), QSize(120, 80));
  // The dot at the (degenerate) origin lands on the left bottom corner.
  EXPECT_EQ(At(shown, 0, 79), kBlue);
}

TEST_P(ScPicDraw, NotANumberAndHugeCoordinatesAreClamped) {
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  EXPECT_EQ(pic->XToPixel(nan), 0);
  EXPECT_EQ(pic->YToPixel(nan), 79);
  EXPECT_EQ(pic->XToPixel(1e300L), ScPic::PixelLimit);
  EXPECT_EQ(pic->YToPixel(1e300L), -ScPic::PixelLimit);
  pic->XExtent = 1e-4000L;
  EXPECT_EQ(pic->XToPixel(1), ScPic::PixelLimit);
  pic->Line(kRed, nan, nan, 1e300L, -1e300L);
  pic->XExtent = 119;
  pic->DrawGrid(0, 0, 1e-9L, nan);  // a tick count beyond reason is cut short
  EXPECT_EQ(Shown().size(), QSize(120, 80));
}

INSTANTIATE_TEST_SUITE_P(ScPic, ScPicDraw, ::testing::Values(ScPic::itBitmap, ScPic::itMetafile),
                         [](const ::testing::TestParamInfo<ScPic::TImageType>& info) {
                           return info.param == ScPic::itBitmap ? "Bitmap" : "Metafile";
                         });

TEST(ScPicImageType, SwitchingDiscardsThePicture) {
  ScPic pic;
  pic.resize(60, 40);
  pic.Clear();
  pic.Line(kRed, 0, 0, 1, 1);
  EXPECT_FALSE(pic.Image().isNull());
  pic.SetImageType(ScPic::itMetafile);
  EXPECT_TRUE(pic.Image().isNull());
  EXPECT_TRUE(AllWhite(pic.Snapshot()));
  pic.Clear();
  pic.Line(kRed, 0, 0, 1, 1);
  pic.Finish();
  EXPECT_GT(CountColour(pic.Snapshot(), kRed), 0);
}

}  // namespace
