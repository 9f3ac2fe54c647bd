#include "ThreeViewPicture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSvgGenerator>
#include <memory>
#include <utility>

#include "PictureEncoding.h"
#include "ScaledCanvas.h"
#include "drawing/ViewScale.h"
#include "model/TBoard.h"
#include "numbers/NumberFormat.h"

namespace {

constexpr int kPageWidth = 550;
constexpr int kPageHeight = 550;
constexpr int kGap = 5;  // as the window's splitters
const QRect kSideRect(0, 0, 344, 347);
const QRect kFrontRect(344 + kGap, 0, 201, 347);
const QRect kPlanRect(0, 347 + kGap, 344, 198);
const QRect kNoteRect(344 + kGap, 347 + kGap, 201, 198);

QString Number(long double value) {
  return QString::fromStdString(FormatFloat("#0.###", value));
}

// Canvases that are never shown: they only record the views' pictures.
std::unique_ptr<ScaledCanvas> Surface(const QRect& rect) {
  auto canvas = std::make_unique<ScaledCanvas>(ScaledCanvas::itMetafile);
  canvas->SetSurfaceSize(rect.size());
  canvas->Loaded();
  return canvas;
}

}  // namespace

QSize ThreeViewPicture::PageSize() {
  return {kPageWidth, kPageHeight};
}

ThreeViewPicture::ThreeViewPicture(const TBoard& board, const ViewFlags& flags,
                                   const ThreeViewDrawing::Angles& angleRad)
    : board_(board), flags_(flags), angleRad_(angleRad) {}

void ThreeViewPicture::Paint(QPainter& painter, const QSize& size) const {
  auto side = Surface(kSideRect);
  auto front = Surface(kFrontRect);
  auto plan = Surface(kPlanRect);
  ViewScale scale;
  ThreeViewDrawing::RedrawBalanceViews(board_, scale, flags_, angleRad_, *side, *plan, *front);

  painter.save();
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  painter.scale(static_cast<qreal>(size.width()) / kPageWidth,
                static_cast<qreal>(size.height()) / kPageHeight);
  const QColor separator(208, 208, 208);
  painter.fillRect(QRect(kSideRect.right() + 1, 0, kGap, kPageHeight), separator);
  painter.fillRect(QRect(0, kSideRect.bottom() + 1, kPageWidth, kGap), separator);
  for (const auto& [canvas, rect] :
       {std::pair{side.get(), kSideRect}, std::pair{front.get(), kFrontRect},
        std::pair{plan.get(), kPlanRect}}) {
    painter.save();
    painter.setClipRect(rect);
    painter.drawPicture(rect.topLeft(), canvas->Picture());
    painter.restore();
  }
  QFont font = painter.font();
  font.setPointSize(8);
  painter.setFont(font);
  painter.setPen(QColor(64, 64, 64));
  const XYZ& m = board_.Result().TotalMoment;
  QString notes =
      QStringLiteral(
          "%1\n\nRotation, deg\nx: %2   y: %3   z: %4\n\nMoments, kN*m\nx: %5   y: %6   z: %7\n")
          .arg(board_.Inputs().Bottom ? QStringLiteral("Bottom trawling")
                                      : QStringLiteral("Midwater trawling"),
               Number(board_.RotX()), Number(board_.RotY()), Number(board_.RotZ()),
               Number(m.X / 1000), Number(m.Y / 1000), Number(m.Z / 1000));
  if (!state_.isEmpty()) notes += state_ + QStringLiteral("\n");
  notes += QStringLiteral("\nSide x-z top left, front y-z top right, plan x-y below.");
  painter.drawText(kNoteRect.adjusted(10, 10, -6, -6),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, notes);
  painter.restore();
}

std::optional<QByteArray> ThreeViewPicture::PngBytes(const QSize& size) const {
  return PictureEncoding::Png(AsPainting(), size);
}

std::optional<QByteArray> ThreeViewPicture::SvgBytes(const QSize& size,
                                                     const QString& title) const {
  return PictureEncoding::Svg(AsPainting(), size, title);
}

std::optional<QString> ThreeViewPicture::Save(const QString& path,
                                              const AtomicFileWriter& writer) const {
  return PictureEncoding::Save(AsPainting(), path, PageSize(),
                               QStringLiteral("Door in three views"), writer);
}

PictureEncoding::Painting ThreeViewPicture::AsPainting() const {
  return [this](QPainter& painter, const QSize& size) { Paint(painter, size); };
}
