#include "support/DoorCompare.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>

#include "model/EditableFields.h"
#include "model/TBoard.h"

namespace {

// x87 extended reals keep 10 bytes of value in a wider slot; the rest is padding.
constexpr std::size_t kValueBytes = LDBL_MANT_DIG == 64 ? 10 : sizeof(long double);

// The count and every column over all rows, used or not.
void ExpectSameTable(const CoefTable& expected, const CoefTable& actual) {
  const std::string table(expected.Name());
  EXPECT_EQ(expected.Count, actual.Count) << table << ".Count";
  for (int c = 0; c < expected.ColumnCount(); ++c) {
    for (int i = 0; i < expected.Capacity(); ++i) {
      EXPECT_TRUE(SameBits(expected.At(i, c), actual.At(i, c)))
          << table << "." << expected.ColumnName(c) << "[" << i << "]: " << expected.At(i, c)
          << " vs " << actual.At(i, c);
    }
  }
}

void ExpectSamePoint(const XYZ& expected, const XYZ& actual, const std::string& name) {
  EXPECT_TRUE(SameBits(expected.X, actual.X)) << name << ".X";
  EXPECT_TRUE(SameBits(expected.Y, actual.Y)) << name << ".Y";
  EXPECT_TRUE(SameBits(expected.Z, actual.Z)) << name << ".Z";
}

template <std::size_t N>
void ExpectSamePoints(const std::array<XYZ, N>& expected, const std::array<XYZ, N>& actual,
                      const std::string& name) {
  for (std::size_t i = 0; i < N; ++i)
    ExpectSamePoint(expected[i], actual[i], name + "[" + std::to_string(i) + "]");
}

}  // namespace

bool SameBits(long double a, long double b) {
  return std::memcmp(&a, &b, kValueBytes) == 0;
}

void ExpectSameInputs(const DoorInputs& e, const DoorInputs& a, const std::string& what) {
  SCOPED_TRACE(what);
  ExpectSameTable(e.Hydro, a.Hydro);
  ExpectSameTable(e.StringerHydro, a.StringerHydro);
  ExpectSameTable(e.Ground, a.Ground);
  ExpectSameTable(e.KeelGeom, a.KeelGeom);

  for (std::size_t i = 0; i < kMainParams.size(); ++i) {
    const EditableField& f = kMainParams[i];
    const std::string name(f.Name);
    EXPECT_TRUE(SameBits(e.*f.Field, a.*f.Field)) << name;
    EXPECT_TRUE(SameBits(e.Ranges[i].From, a.Ranges[i].From)) << name << " From";
    EXPECT_TRUE(SameBits(e.Ranges[i].To, a.Ranges[i].To)) << name << " To";
    EXPECT_TRUE(SameBits(e.Ranges[i].Step, a.Ranges[i].Step)) << name << " Step";
  }
  for (const EditableField& f : kEnvironmentFields)
    EXPECT_TRUE(SameBits(e.*f.Field, a.*f.Field)) << f.Name;
  EXPECT_TRUE(SameBits(e.bs, a.bs)) << "bs";

  EXPECT_EQ(e.Bottom, a.Bottom);
  EXPECT_EQ(e.FrontPicture, a.FrontPicture);
  EXPECT_EQ(e.PlanPicture, a.PlanPicture);
  EXPECT_EQ(e.SidePicture, a.SidePicture);
}

void ExpectSameDoor(const TBoard& e, const TBoard& a, const std::string& what) {
  ExpectSameInputs(e.Inputs(), a.Inputs(), what);
  SCOPED_TRACE(what);
  EXPECT_TRUE(SameBits(e.RotX(), a.RotX())) << "RotX";
  EXPECT_TRUE(SameBits(e.RotY(), a.RotY())) << "RotY";
  EXPECT_TRUE(SameBits(e.RotZ(), a.RotZ())) << "RotZ";
  EXPECT_TRUE(SameBits(e.Sensitivity(), a.Sensitivity())) << "Sensitivity";

  ExpectSamePoint(e.Body().PtWingHydro, a.Body().PtWingHydro, "PtWingHydro");
  ExpectSamePoint(e.Body().PtStringerHydro, a.Body().PtStringerHydro, "PtStringerHydro");
  ExpectSamePoint(e.Body().PtGravity, a.Body().PtGravity, "PtGravity");
  ExpectSamePoint(e.Body().PtUpperBridle, a.Body().PtUpperBridle, "PtUpperBridle");
  ExpectSamePoint(e.Body().PtLowerBridle, a.Body().PtLowerBridle, "PtLowerBridle");
  ExpectSamePoint(e.Body().PtKeelOrigin, a.Body().PtKeelOrigin, "PtKeelOrigin");
  ExpectSamePoints(e.Body().WingOutline, a.Body().WingOutline, "WingOutline");
  ExpectSamePoints(e.Body().WingAxes, a.Body().WingAxes, "WingAxes");
  ExpectSamePoints(e.Body().StringerOutline, a.Body().StringerOutline, "StringerOutline");
  ExpectSamePoints(e.Body().Bracket, a.Body().Bracket, "Bracket");
  ExpectSamePoints(e.Body().UpperBridleLine, a.Body().UpperBridleLine, "UpperBridleLine");
  ExpectSamePoints(e.Body().LowerBridleLine, a.Body().LowerBridleLine, "LowerBridleLine");
}
