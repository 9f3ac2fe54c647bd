#include "report/ResultsReport.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "model/TBoard.h"
#include "numbers/NumberFormat.h"
#include "report/BalanceFigures.h"
#include "report/ReportTexts.h"

namespace {

constexpr std::string_view kSeparator =
    "-------------------------------------------------------------------------------";
constexpr std::string_view kDateTimeJoiner = " === ";
constexpr std::size_t kFieldWidth = 12;

// Writes the report line by line; every method ends its line.
class ReportLines {
 public:
  explicit ReportLines(int language) : language_(ReportLanguage(language)) {}

  void Empty(int count = 1) { text_.append(static_cast<std::size_t>(count), '\n'); }
  void Separator() { Line(kSeparator); }
  void Text(int number) { Line(ReportText(number, language_)); }
  void Line(std::string_view line) {
    text_ += line;
    text_ += '\n';
  }
  // Label `number` followed by one number.
  void Value(int number, long double value, int decimals = 2) {
    text_ += ReportText(number, language_);
    Field(value, decimals);
    text_ += '\n';
  }
  // Label `number` followed by x, y and z.
  void Point(int number, const XYZ& p) {
    text_ += ReportText(number, language_);
    Field(p.X, 2);
    Field(p.Y, 2);
    Field(p.Z, 2);
    text_ += '\n';
  }
  // Label `number` followed by y and z, the x column left blank.
  void PointWithoutX(int number, long double y, long double z) {
    text_ += ReportText(number, language_);
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

  int language_;
  std::string text_;
};

}  // namespace

std::string ResultsReportText(const TBoard& board, int language, const std::string& date,
                              const std::string& time) {
  const bool stringer = board.Fs > 0;
  const bool bottom = board.Bottom;
  ReportLines out(language);

  out.Empty(5);
  out.Line(std::string(ReportText(1, ReportLanguage(language))) + date +
           std::string(kDateTimeJoiner) + time);
  out.Empty();

  // Inputs, in the door's own frame.
  out.Text(2);
  out.Text(3);
  out.Separator();
  out.Point(4, XYZ(board.x0, board.y0, board.z0));
  out.Point(5, XYZ(board.xc0, board.yc0, board.zc0));
  out.Point(6, XYZ(board.xc1, board.yc1, board.zc1));
  out.Text(7);
  out.PointWithoutX(8, board.yh, board.zh);
  if (stringer) {
    out.Text(9);
    out.PointWithoutX(10, board.ys, board.zs);
  }
  out.Point(11, XYZ(board.xg, board.yg, board.zg));
  out.Separator();
  out.Empty();

  out.Value(12, board.G);
  out.Value(13, board.R);
  out.Value(14, board.v);
  out.Value(15, board.F);
  if (stringer) out.Value(16, board.Fs);
  out.Value(17, board.b);
  out.Value(18, board.H);
  out.Empty();

  out.Value(19, board.WaterDensity);
  if (bottom) {
    out.Value(20, board.GroundDensity);
    out.Text(21);
    out.Value(22, board.GroundCoef, 4);
  }
  out.Value(23, board.BridleAngleH);
  out.Empty(3);

  out.Text(24);
  out.Value(25, board.RotX);
  out.Value(26, board.RotY);
  out.Value(27, board.RotZ);
  out.Empty();

  // The positioned door; the warp attachment point is the origin and not listed.
  out.Text(28);
  out.Text(29);
  out.Separator();
  out.Point(5, board.PosUpperBridle);
  out.Point(6, board.PosLowerBridle);
  out.Text(7);
  out.Point(8, board.PosWingHydro);
  if (stringer) {
    out.Text(9);
    out.Point(10, board.PosStringerHydro);
  }
  out.Point(11, board.PosGravity);
  if (bottom) out.Point(30, board.PosKeelOrigin);
  out.Separator();
  out.Empty(2);

  out.Text(31);
  out.Text(32);
  out.Separator();
  out.Point(33, board.ForceUpperBridle.Force);
  out.Point(34, board.ForceLowerBridle.Force);
  out.Point(35, board.ForceWing.Force);
  if (stringer) out.Point(36, board.ForceStringer.Force);
  out.Point(37, board.ForceGravity.Force);
  if (bottom) out.Point(38, board.ForceGround.Force);
  out.Separator();
  out.Empty();

  out.Value(39, board.TotalMoment.X / 1000);
  out.Value(40, board.TotalMoment.Y / 1000);
  out.Value(41, board.TotalMoment.Z / 1000);
  out.Empty(2);

  // The balance window's figures, with more decimals for the forces.
  const BalanceFigures figures = ComputeBalanceFigures(board);
  out.Value(42, figures.WingAttackDeg);
  out.Value(43, figures.ResistanceKN, 4);
  out.Value(44, figures.SpreadKN, 4);
  out.Value(45, figures.VerticalKN, 4);
  return out.Take();
}
