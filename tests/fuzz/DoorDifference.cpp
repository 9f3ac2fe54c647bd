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

std::string DoorDifference(const DoorInputs& inputsA, const DoorInputs& inputsB) {
  // The body-frame geometry too: the mechanics works it out from the inputs.
  const TBoard a(inputsA);
  const TBoard b(inputsB);
  Differ d;
  d.Table(a.Inputs().Hydro, b.Inputs().Hydro);
  d.Table(a.Inputs().Ground, b.Inputs().Ground);
  d.Table(a.Inputs().KeelGeom, b.Inputs().KeelGeom);
  for (std::size_t i = 0; i < kMainParams.size(); ++i) {
    const std::string name(kMainParams[i].Name);
    d.Real(inputsA.*kMainParams[i].Field, inputsB.*kMainParams[i].Field, name);
    d.Real(a.Inputs().Ranges[i].From, b.Inputs().Ranges[i].From, name + " From");
    d.Real(a.Inputs().Ranges[i].To, b.Inputs().Ranges[i].To, name + " To");
    d.Real(a.Inputs().Ranges[i].Step, b.Inputs().Ranges[i].Step, name + " Step");
  }
  for (const EditableField& f : kEnvironmentFields)
    d.Real(inputsA.*f.Field, inputsB.*f.Field, std::string(f.Name));
  d.Equal(a.Inputs().Bottom, b.Inputs().Bottom, "Bottom");
  d.Equal(a.Inputs().FrontPicture, b.Inputs().FrontPicture, "FrontPicture");
  d.Equal(a.Inputs().PlanPicture, b.Inputs().PlanPicture, "PlanPicture");
  d.Equal(a.Inputs().SidePicture, b.Inputs().SidePicture, "SidePicture");
  d.Point(a.Body().PtWingHydro, b.Body().PtWingHydro, "PtWingHydro");
  d.Point(a.Body().PtStringerHydro, b.Body().PtStringerHydro, "PtStringerHydro");
  d.Point(a.Body().PtGravity, b.Body().PtGravity, "PtGravity");
  d.Point(a.Body().PtUpperBridle, b.Body().PtUpperBridle, "PtUpperBridle");
  d.Point(a.Body().PtLowerBridle, b.Body().PtLowerBridle, "PtLowerBridle");
  d.Point(a.Body().PtKeelOrigin, b.Body().PtKeelOrigin, "PtKeelOrigin");
  d.Points(a.Body().WingOutline, b.Body().WingOutline, "WingOutline");
  d.Points(a.Body().WingAxes, b.Body().WingAxes, "WingAxes");
  d.Points(a.Body().StringerOutline, b.Body().StringerOutline, "StringerOutline");
  d.Points(a.Body().Bracket, b.Body().Bracket, "Bracket");
  d.Points(a.Body().UpperBridleLine, b.Body().UpperBridleLine, "UpperBridleLine");
  d.Points(a.Body().LowerBridleLine, b.Body().LowerBridleLine, "LowerBridleLine");
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
