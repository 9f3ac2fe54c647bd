#include "drawing/ViewLabels.h"

#include <cmath>
#include <string>

#include "drawing/DrawnDoor.h"

namespace {

long double Coord(const XYZ& p, int axis) {
  return axis == 0 ? p.X : (axis == 1 ? p.Y : p.Z);
}

class LabelList {
 public:
  LabelList(const ViewAxes& view, long double a, long double t) : view_(view), a_(a), t_(t) {}

  void Add(std::string text, long double h, long double v, long double anchorH,
           long double anchorV) {
    labels_.push_back({std::move(text), h, v, anchorH, anchorV});
  }

  // A component's label, when the component is large enough to have one.
  void Component(long double component, const char* name, char axis, long double h, long double v,
                 long double anchorH, long double anchorV) {
    if (!(std::fabs(component) > kLabelThreshold)) return;
    Add(std::string(name) + axis, h, v, anchorH, anchorV);
  }

  // The labels of an L-shaped mark: the component up the view beside its tip, then the one
  // across just past its tip.
  void LMark(const XYZ& p, const XYZ& f, long double k, const char* name) {
    const long double h = Coord(p, view_.H);
    const long double v = Coord(p, view_.V);
    const long double fh = k * Coord(f, view_.H);
    const long double fv = k * Coord(f, view_.V);
    Component(Coord(f, view_.V), name, view_.VLetter, h + a_ / 3, v + fv - t_ / 3, h, v + fv);
    Component(Coord(f, view_.H), name, view_.HLetter, h + fh + a_ / 3, v, h + fh, v);
  }

  void Bridle(const XYZ& p, const XYZ& f, long double k, const char* name) {
    if (view_.Plan) {
      LMark(p, f, k, name);
      return;
    }
    const long double h = Coord(p, view_.H);
    const long double v = Coord(p, view_.V);
    const long double fh = k * Coord(f, view_.H);
    const long double fv = k * Coord(f, view_.V);
    Component(Coord(f, view_.H), name, view_.HLetter, h + fh + a_ / 3, v, h + fh, v);
    Component(Coord(f, view_.V), name, view_.VLetter, h, v + fv + a_ / 3, h, v + fv);
  }

  void Point(const XYZ& p, const char* letter) {
    const long double h = Coord(p, view_.H);
    const long double v = Coord(p, view_.V);
    Add(letter, h + a_ / 3, v - t_ / 3, h, v);
  }

  std::vector<LabelRequest> Take() { return std::move(labels_); }

 private:
  const ViewAxes& view_;
  long double a_;
  long double t_;
  std::vector<LabelRequest> labels_;
};

}  // namespace

std::vector<LabelRequest> PointLabels(const DrawnDoor& board, const ViewAxes& view, long double a,
                                      long double t) {
  LabelList list(view, a, t);
  list.Point(board.Result.PosWingHydro, "W");
  if (board.Inputs.Fs > kStringerAreaShown) list.Point(board.Result.PosStringerHydro, "S");
  if (board.Inputs.Bottom) list.Point(board.Result.PosKeelOrigin, "K");
  list.Point(board.Result.PosGravity, "G");
  list.Point(board.Result.PosUpperBridle, "C0");
  list.Point(board.Result.PosLowerBridle, "C1");
  return list.Take();
}

std::vector<LabelRequest> ForceLabels(const DrawnDoor& board, long double forceScale,
                                      const ViewAxes& view, long double a, long double t) {
  const long double k = forceScale;
  LabelList list(view, a, t);
  list.LMark(board.Result.PosWingHydro, board.Result.ForceWing.Force, k, "W");
  list.LMark(board.Result.PosStringerHydro, board.Result.ForceStringer.Force, k, "S");
  if (board.Inputs.Bottom)
    list.LMark(board.Result.PosKeelOrigin, board.Result.ForceGround.Force, k, "K");
  // Gravity: down from G, labelled beside its tip.
  const XYZ& g = board.Result.PosGravity;
  const XYZ& weight = board.Result.ForceGravity.Force;
  const long double gh = Coord(g, view.H);
  const long double gv = Coord(g, view.V) + k * Coord(weight, view.V);
  list.Component(Coord(weight, view.V), "G", view.VLetter, gh + a / 3, gv - t / 3, gh, gv);
  list.Bridle(board.Result.PosUpperBridle, board.Result.ForceUpperBridle.Force, k, "C0");
  list.Bridle(board.Result.PosLowerBridle, board.Result.ForceLowerBridle.Force, k, "C1");
  return list.Take();
}
