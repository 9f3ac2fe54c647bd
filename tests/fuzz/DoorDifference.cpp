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
  // The count and every column over all rows, used or not.
  void Table(const CoefTable& a, const CoefTable& b) {
    const std::string table(a.Name());
    Equal(a.Count, b.Count, table + ".Count");
    for (int c = 0; c < a.ColumnCount(); ++c) {
      const std::string name = table + "." + std::string(a.ColumnName(c));
      for (int i = 0; i < a.Capacity(); ++i)
        Real(a.At(i, c), b.At(i, c), name + "[" + std::to_string(i) + "]");
    }
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
  d.Table(a.Hydro, b.Hydro);
  d.Table(a.Ground, b.Ground);
  d.Table(a.KeelGeom, b.KeelGeom);
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
