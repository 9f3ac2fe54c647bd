#include "report/ResultsReport.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "lang/TextCatalogue.h"
#include "model/BalanceFigures.h"
#include "model/TBoard.h"
#include "numbers/NumberFormat.h"
#include "report/ReportTexts.h"

namespace {

constexpr std::string_view kSeparator =
    "-------------------------------------------------------------------------------";
constexpr std::string_view kDateTimeJoiner = " === ";
constexpr std::size_t kFieldWidth = 12;

// Writes the report line by line; every method ends its line.
class ReportLines {
 public:
  explicit ReportLines(const TextCatalogue& texts) : texts_(texts) {}

  void Empty(int count = 1) { text_.append(static_cast<std::size_t>(count), '\n'); }
  void Separator() { Line(kSeparator); }
  void Text(int number) { Line(ReportText(number, texts_)); }
  void Line(std::string_view line) {
    text_ += line;
    text_ += '\n';
  }
  // Label `number` followed by one number.
  void Value(int number, long double value, int decimals = 2) {
    text_ += ReportText(number, texts_);
    Field(value, decimals);
    text_ += '\n';
  }
  // Label `number` followed by x, y and z.
  void Point(int number, const XYZ& p) {
    text_ += ReportText(number, texts_);
    Field(p.X, 2);
    Field(p.Y, 2);
    Field(p.Z, 2);
    text_ += '\n';
  }
  // Label `number` followed by y and z, the x column left blank.
  void PointWithoutX(int number, long double y, long double z) {
    text_ += ReportText(number, texts_);
    text_.append(kFieldWidth, ' ');
    Field(y, 2);
    Field(z, 2);
    text_ += '\n';
  }
  std::string Take() { return std::move(text_); }

 private:
  // Right-aligned in 12 characters; a longer number is written whole rather than cut.
  void Field(long double value, int decimals) {
    const std::string number = FormatFixed(value, decimals);
    if (number.size() < kFieldWidth) text_.append(kFieldWidth - number.size(), ' ');
    text_ += number;
  }

  const TextCatalogue& texts_;
  std::string text_;
};

}  // namespace

std::string ResultsReportText(const TBoard& board, const TextCatalogue& texts,
                              const std::string& date, const std::string& time) {
  const bool stringer = board.Inputs().Fs > 0;
  const bool bottom = board.Inputs().Bottom;
  ReportLines out(texts);

  out.Empty(5);
  out.Line(ReportText(kLabelTitle, texts) + date + std::string(kDateTimeJoiner) + time);
  out.Empty();

  // Inputs, in the door's own frame.
  out.Text(kLabelInitialPointsHeading);
  out.Text(kLabelInitialPointsColumns);
  out.Separator();
  out.Point(kLabelWarpPoint, XYZ(board.Inputs().x0, board.Inputs().y0, board.Inputs().z0));
  out.Point(kLabelUpperBridlePoint,
            XYZ(board.Inputs().xc0, board.Inputs().yc0, board.Inputs().zc0));
  out.Point(kLabelLowerBridlePoint,
            XYZ(board.Inputs().xc1, board.Inputs().yc1, board.Inputs().zc1));
  out.Text(kLabelWingHydroHeading);
  out.PointWithoutX(kLabelWingHydroPoint, board.Inputs().yh, board.Inputs().zh);
  if (stringer) {
    out.Text(kLabelStringerHydroHeading);
    out.PointWithoutX(kLabelStringerHydroPoint, board.Inputs().ys, board.Inputs().zs);
  }
  out.Point(kLabelGravityCentre, XYZ(board.Inputs().xg, board.Inputs().yg, board.Inputs().zg));
  out.Separator();
  out.Empty();

  out.Value(kLabelGravityForce, board.Inputs().G);
  out.Value(kLabelNetResistance, board.Inputs().R);
  out.Value(kLabelTrawlingSpeed, board.Inputs().v);
  out.Value(kLabelWingArea, board.Inputs().F);
  if (stringer) out.Value(kLabelStringerArea, board.Inputs().Fs);
  out.Value(kLabelChord, board.Inputs().b);
  out.Value(kLabelWingHeight, board.Inputs().H);
  out.Empty();

  out.Value(kLabelWaterDensity, board.Inputs().WaterDensity);
  if (bottom) {
    out.Value(kLabelGroundDensity, board.Inputs().GroundDensity);
    out.Text(kLabelGroundCoefHeading);
    out.Value(kLabelGroundCoef, board.Inputs().GroundCoef, 4);
  }
  out.Value(kLabelBridleAngle, board.Inputs().BridleAngleH);
  out.Empty(3);

  out.Text(kLabelRotationHeading);
  out.Value(kLabelRotationX, board.RotX());
  out.Value(kLabelRotationY, board.RotY());
  out.Value(kLabelRotationZ, board.RotZ());
  out.Empty();

  // The positioned door; the warp attachment point is the origin and not listed.
  out.Text(kLabelPositionedPointsHeading);
  out.Text(kLabelPositionedPointsColumns);
  out.Separator();
  out.Point(kLabelUpperBridlePoint, board.Result().PosUpperBridle);
  out.Point(kLabelLowerBridlePoint, board.Result().PosLowerBridle);
  out.Text(kLabelWingHydroHeading);
  out.Point(kLabelWingHydroPoint, board.Result().PosWingHydro);
  if (stringer) {
    out.Text(kLabelStringerHydroHeading);
    out.Point(kLabelStringerHydroPoint, board.Result().PosStringerHydro);
  }
  out.Point(kLabelGravityCentre, board.Result().PosGravity);
  if (bottom) out.Point(kLabelGroundReactionPoint, board.Result().PosKeelOrigin);
  out.Separator();
  out.Empty(2);

  out.Text(kLabelForcesHeading);
  out.Text(kLabelForcesColumns);
  out.Separator();
  out.Point(kLabelUpperBridleForce, board.Result().ForceUpperBridle.Force);
  out.Point(kLabelLowerBridleForce, board.Result().ForceLowerBridle.Force);
  out.Point(kLabelWingForce, board.Result().ForceWing.Force);
  if (stringer) out.Point(kLabelStringerForce, board.Result().ForceStringer.Force);
  out.Point(kLabelGravityForceVector, board.Result().ForceGravity.Force);
  if (bottom) out.Point(kLabelGroundForce, board.Result().ForceGround.Force);
  out.Separator();
  out.Empty();

  out.Value(kLabelMomentX, board.Result().TotalMoment.X / 1000);
  out.Value(kLabelMomentY, board.Result().TotalMoment.Y / 1000);
  out.Value(kLabelMomentZ, board.Result().TotalMoment.Z / 1000);
  out.Empty(2);

  // The balance window's figures, with more decimals for the forces.
  const BalanceFigures figures = ComputeBalanceFigures(board);
  out.Value(kLabelWingAttack, figures.WingAttackDeg);
  out.Value(kLabelResistance, figures.ResistanceKN, 4);
  out.Value(kLabelSpread, figures.SpreadKN, 4);
  out.Value(kLabelVertical, figures.VerticalKN, 4);
  return out.Take();
}
