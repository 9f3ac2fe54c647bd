#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QRectF>
#include <memory>
#include <string>
#include <vector>

#include "ScaledCanvas.h"
#include "ThreeViewDrawing.h"
#include "drawing/ViewFlags.h"
#include "io/DoorFileReader.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "render/PictureProbe.h"

namespace {

// The texts as the picture writes them: top-left corner, the font's advance and line height.
std::vector<std::pair<QString, QRectF>> TextRects(const ScaledCanvas& view) {
  std::vector<std::pair<QString, QRectF>> rects;
  for (const ProbeText& text : PictureProbe(view.Picture()).Texts) {
    const QFontMetricsF metrics(text.Font);
    rects.emplace_back(text.Text, QRectF(text.TopLeft, QSizeF(metrics.horizontalAdvance(text.Text),
                                                              metrics.height())));
  }
  return rects;
}

struct DoorCase {
  const char* File;  // empty: the built-in door
  bool Bottom;
  bool Points;
  long double X, Y, Z;  // degrees
};

// The balance window's surfaces at their design sizes, as the command line's picture too.
TEST(ThreeViewLabels, NoTextCoversAnotherOrLeavesItsView) {
  const DoorCase doors[] = {
      {"", true, false, 0, 0, 0},      {"", false, false, 0, 0, 0},
      {"", true, true, 5, -3, 30},     {"", false, true, -10, 8, 20},
      {"oval", true, false, 0, 0, 0},  {"oval", false, false, 0, 0, 0},
      {"oval", true, true, -3, 2, 28}, {"oval", false, true, 12, -6, 35},
  };
  for (const DoorCase& door : doors) {
    DoorInputs inputs;
    if (*door.File != '\0') {
      const std::string path = std::string(DOORTRIM_SAMPLE_DOORS) + "/" + door.File + ".brd";
      ASSERT_TRUE(DoorFileReader::Load(path, inputs).Ok) << path;
    }
    inputs.Bottom = door.Bottom;
    TBoard board(inputs);
    const ThreeViewDrawing::Angles angles{door.X * kDegree, door.Y * kDegree, door.Z * kDegree};
    board.Evaluate(angles[0], angles[1], angles[2]);
    ScaledCanvas side(ScaledCanvas::itMetafile);
    ScaledCanvas plan(ScaledCanvas::itMetafile);
    ScaledCanvas front(ScaledCanvas::itMetafile);
    side.SetSurfaceSize({344, 347});
    plan.SetSurfaceSize({344, 198});
    front.SetSurfaceSize({201, 347});
    ViewFlags flags;
    flags.Points = door.Points;
    ViewScale scale;
    ThreeViewDrawing::RedrawBalanceViews(board, scale, flags, angles, side, plan, front);

    for (const auto& [name, view] :
         {std::pair{"side", &side}, std::pair{"plan", &plan}, std::pair{"front", &front}}) {
      SCOPED_TRACE(std::string(*door.File ? door.File : "default") +
                   (door.Bottom ? " bottom " : " midwater ") + name +
                   (door.Points ? " with points" : ""));
      const auto texts = TextRects(*view);
      ASSERT_GE(texts.size(), 6u);
      const QRectF area(QPointF(0, 0), view->SurfaceSize());
      for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto& [text, rect] = texts[i];
        EXPECT_TRUE(area.contains(rect)) << text.toStdString();
        for (std::size_t j = 0; j < i; ++j) {
          EXPECT_FALSE(rect.intersects(texts[j].second))
              << text.toStdString() << " over " << texts[j].first.toStdString();
        }
      }
    }
  }
}

}  // namespace
