#include "DoorDifference.h"

#include <cfloat>
#include <cstring>

#include "model/EditableFields.h"
#include "model/TBoard.h"

namespace {

// x87 extended reals keep 10 bytes of value in a wider slot; the rest is padding.
constexpr std::size_t kValueBytes = LDBL_MANT_DIG == 64 ? 10 : sizeof(long double);

bool SameBits(long double a, long double b) {
  return std::memcmp(&a, &b, kValueBytes) == 0;
}

// Collects the name of the first difference only.
class Differ {
 public:
  void Real(long double a, long double b, const std::string& name) {
    if (first_.empty() && !SameBits(a, b)) first_ = name;
  }
  template <std::size_t N>
  void Column(const std::array<long double, N>& a, const std::array<long double, N>& b,
              const std::string& name) {
    for (std::size_t i = 0; i < N; ++i)
      Real(a[i], b[i], name + "[" + std::to_string(i) + "]");
  }
  void Point(const XYZ& a, const XYZ& b, const std::string& name) {
    Real(a.X, b.X, name + ".X");
    Real(a.Y, b.Y, name + ".Y");
    Real(a.Z, b.Z, name + ".Z");
  }
  template <std::size_t N>
  void Points(const std::array<XYZ, N>& a, const std::array<XYZ, N>& b, const std::string& name) {
    for (std::size_t i = 0; i < N; ++i)
      Point(a[i], b[i], name + "[" + std::to_string(i) + "]");
  }
  template <typename T>
  void Equal(const T& a, const T& b, const std::string& name) {
    if (first_.empty() && !(a == b)) first_ = name;
  }
  std::string First() const { return first_; }

 private:
  std::string first_;
};

}  // namespace

std::string DoorDifference(const TBoard& a, const TBoard& b) {
  Differ d;
  d.Equal(a.Hydro.Count, b.Hydro.Count, "Hydro.Count");
  d.Column(a.Hydro.Angle, b.Hydro.Angle, "Hydro.Angle");
  d.Column(a.Hydro.Cx, b.Hydro.Cx, "Hydro.Cx");
  d.Column(a.Hydro.Cy, b.Hydro.Cy, "Hydro.Cy");
  d.Column(a.Hydro.Cd, b.Hydro.Cd, "Hydro.Cd");
  d.Equal(a.Ground.Count, b.Ground.Count, "Ground.Count");
  d.Column(a.Ground.Angle, b.Ground.Angle, "Ground.Angle");
  d.Column(a.Ground.Cx, b.Ground.Cx, "Ground.Cx");
  d.Equal(a.KeelGeom.Count, b.KeelGeom.Count, "KeelGeom.Count");
  d.Column(a.KeelGeom.Zi, b.KeelGeom.Zi, "KeelGeom.Zi");
  d.Column(a.KeelGeom.Xi, b.KeelGeom.Xi, "KeelGeom.Xi");
  d.Column(a.KeelGeom.Yi, b.KeelGeom.Yi, "KeelGeom.Yi");
  for (std::size_t i = 0; i < kMainParams.size(); ++i) {
    const std::string name(kMainParams[i].Name);
    d.Real(a.*kMainParams[i].Field, b.*kMainParams[i].Field, name);
    d.Real(a.Ranges[i].From, b.Ranges[i].From, name + " From");
    d.Real(a.Ranges[i].To, b.Ranges[i].To, name + " To");
    d.Real(a.Ranges[i].Step, b.Ranges[i].Step, name + " Step");
  }
  for (const EditableField& f : kEnvironmentFields)
    d.Real(a.*f.Field, b.*f.Field, std::string(f.Name));
  d.Equal(a.Bottom, b.Bottom, "Bottom");
  d.Equal(a.FrontPicture, b.FrontPicture, "FrontPicture");
  d.Equal(a.PlanPicture, b.PlanPicture, "PlanPicture");
  d.Equal(a.SidePicture, b.SidePicture, "SidePicture");
  d.Point(a.PtWingHydro, b.PtWingHydro, "PtWingHydro");
  d.Point(a.PtStringerHydro, b.PtStringerHydro, "PtStringerHydro");
  d.Point(a.PtGravity, b.PtGravity, "PtGravity");
  d.Point(a.PtUpperBridle, b.PtUpperBridle, "PtUpperBridle");
  d.Point(a.PtLowerBridle, b.PtLowerBridle, "PtLowerBridle");
  d.Point(a.PtKeelOrigin, b.PtKeelOrigin, "PtKeelOrigin");
  d.Points(a.WingOutline, b.WingOutline, "WingOutline");
  d.Points(a.WingAxes, b.WingAxes, "WingAxes");
  d.Points(a.StringerOutline, b.StringerOutline, "StringerOutline");
  d.Points(a.Bracket, b.Bracket, "Bracket");
  d.Points(a.UpperBridleLine, b.UpperBridleLine, "UpperBridleLine");
  d.Points(a.LowerBridleLine, b.LowerBridleLine, "LowerBridleLine");
  return d.First();
}

std::string ViewDifference(const ViewSettings& a, const ViewSettings& b) {
  Differ d;
  d.Equal(a.ViewTab, b.ViewTab, "ViewTab");
  d.Equal(a.ProjectionSwitches, b.ProjectionSwitches, "ProjectionSwitches");
  d.Equal(a.BalanceSwitches, b.BalanceSwitches, "BalanceSwitches");
  for (std::size_t i = 0; i < a.Angles.size(); ++i)
    d.Real(a.Angles[i], b.Angles[i], "Angles[" + std::to_string(i) + "]");
  return d.First();
}
