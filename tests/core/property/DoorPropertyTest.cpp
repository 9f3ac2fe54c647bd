// Properties of the mechanics and the data file over 10,000 random valid doors, each in a
// random position: the evaluation is finite, its totals follow from the six forces by the sign
// rules of the mechanics, the ground never pushes the door forward, and a saved door loads
// back bit for bit.

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "RandomDoor.h"
#include "io/DoorFileReader.h"
#include "io/DoorFileWriter.h"
#include "model/CoefTable.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "support/DoorCompare.h"
#include "support/TempFolder.h"

namespace {

// Ten thousand doors in the plain suite; under the sanitizers, which look for memory and
// undefined-behaviour faults rather than for rare doors, the first thousand of the same
// sequence, at a tenth of the time.
#ifdef DOORTRIM_SANITIZED_RUN
constexpr int kDoors = 1000;
#else
constexpr int kDoors = 10000;
#endif
// Sums of a few products: a handful of roundings, each at most one unit in the last place of
// the largest term. Compared in long double: EXPECT_NEAR would round both sides to double.
constexpr long double kSumTolerance = 16 * LDBL_EPSILON;

bool Finite(const XYZ& v) {
  return std::isfinite(v.X) && std::isfinite(v.Y) && std::isfinite(v.Z);
}

struct Checked {
  XYZ Total;
  XYZ Moment;
  // Sums of the magnitudes of the terms, per axis, for the tolerances.
  XYZ ForceScale;
  XYZ MomentScale;
};

// The totals worked out again from the forces alone: the force sum, and the moments by the
// cross product r x F, whose Y component the mechanics takes the other way round (a positive
// turn about Y brings +X towards +Z).
Checked FromTheForces(const TBoard& door) {
  Checked c;
  for (const TForce* f : {&door.Result().ForceWing, &door.Result().ForceStringer,
                          &door.Result().ForceGravity, &door.Result().ForceUpperBridle,
                          &door.Result().ForceLowerBridle, &door.Result().ForceGround}) {
    const XYZ& r = f->Point;
    const XYZ& F = f->Force;
    c.Total = c.Total + F;
    const XYZ cross{r.Y * F.Z - r.Z * F.Y, r.Z * F.X - r.X * F.Z, r.X * F.Y - r.Y * F.X};
    c.Moment = c.Moment + XYZ{cross.X, -cross.Y, cross.Z};
    c.ForceScale = c.ForceScale + XYZ{std::fabs(F.X), std::fabs(F.Y), std::fabs(F.Z)};
    c.MomentScale = c.MomentScale + XYZ{std::fabs(r.Y * F.Z) + std::fabs(r.Z * F.Y),
                                        std::fabs(r.Z * F.X) + std::fabs(r.X * F.Z),
                                        std::fabs(r.X * F.Y) + std::fabs(r.Y * F.X)};
  }
  return c;
}

TEST(DoorProperties, EvaluationIsFiniteAndItsTotalsFollowTheSignRules) {
  RandomDoor random(20240901);
  int bottom = 0;
  for (int i = 0; i < kDoors; ++i) {
    TBoard door(random.Door());
    bottom += door.Inputs().Bottom;
    const long double x = random.Uniform(-90, 90);
    const long double y = random.Uniform(-90, 90);
    const long double z = random.Uniform(-90, 90);
    door.Evaluate(x * kDegree, y * kDegree, z * kDegree);
    SCOPED_TRACE(testing::Message() << "door " << i << " at " << x << ", " << y << ", " << z);

    ASSERT_TRUE(Finite(door.Result().TotalForce));
    ASSERT_TRUE(Finite(door.Result().TotalMoment));
    for (const TForce* f : {&door.Result().ForceWing, &door.Result().ForceStringer,
                            &door.Result().ForceGravity, &door.Result().ForceUpperBridle,
                            &door.Result().ForceLowerBridle, &door.Result().ForceGround}) {
      ASSERT_TRUE(Finite(f->Point) && Finite(f->Force));
    }
    ASSERT_TRUE(std::isfinite(door.Result().WingAttack) &&
                std::isfinite(door.Result().StringerAttack));

    const Checked c = FromTheForces(door);
    EXPECT_LE(std::fabs(door.Result().TotalForce.X - c.Total.X), kSumTolerance * c.ForceScale.X)
        << "TotalForce.X";
    EXPECT_LE(std::fabs(door.Result().TotalForce.Y - c.Total.Y), kSumTolerance * c.ForceScale.Y)
        << "TotalForce.Y";
    EXPECT_LE(std::fabs(door.Result().TotalForce.Z - c.Total.Z), kSumTolerance * c.ForceScale.Z)
        << "TotalForce.Z";
    EXPECT_LE(std::fabs(door.Result().TotalMoment.X - c.Moment.X), kSumTolerance * c.MomentScale.X)
        << "TotalMoment.X";
    EXPECT_LE(std::fabs(door.Result().TotalMoment.Y - c.Moment.Y), kSumTolerance * c.MomentScale.Y)
        << "TotalMoment.Y";
    EXPECT_LE(std::fabs(door.Result().TotalMoment.Z - c.Moment.Z), kSumTolerance * c.MomentScale.Z)
        << "TotalMoment.Z";
    if (HasFailure()) break;  // one door's account is enough
  }
  // Both modes were drawn, so the keel on the ground was part of it.
  EXPECT_GT(bottom, kDoors / 3);
  EXPECT_LT(bottom, kDoors * 2 / 3);
}

TEST(DoorProperties, RandomDoorsPassTheTableChecks) {
  RandomDoor random(20240903);
  for (int i = 0; i < kDoors; ++i) {
    const TBoard door(random.Door());
    SCOPED_TRACE(testing::Message() << "door " << i);
    const auto hydro = ValidateTable(door.Inputs().Hydro);
    const auto ground = ValidateTable(door.Inputs().Ground);
    const auto keel = ValidateTable(door.Inputs().KeelGeom);
    ASSERT_FALSE(hydro) << hydro->Message;
    ASSERT_FALSE(ground) << ground->Message;
    ASSERT_FALSE(keel) << keel->Message;
  }
}

// A keel table drawn without regard to the rules: depths may start below the tip, chords and
// thicknesses may be negative.
CoefTable AnyKeel(RandomDoor& random) {
  CoefTable keel(kKeelGeomShape);
  keel.Count = random.Integer(2, 8);
  long double depth = random.Uniform(-0.3L, 0.3L);
  for (int i = 0; i < keel.Count; ++i) {
    keel.At(i, kKeelZi) = depth;
    keel.At(i, kKeelXi) = random.Uniform(-0.2L, 3);
    keel.At(i, kKeelYi) = random.Uniform(-0.02L, 0.3L);
    depth += random.Uniform(0.01L, 0.15L);
  }
  return keel;
}

// The ground only resists the towing: whatever keel the table check lets through, the ground
// force never pushes the door forward. The rotation about Z stays within the Ground table's
// angles, where its coefficients are interpolated from the table's non-negative values rather
// than extrapolated.
TEST(DoorProperties, GroundNeverPushesTheDoorForwardWithAnyKeelTheCheckAccepts) {
  RandomDoor random(20240904);
  int accepted = 0;
  int refused = 0;
  for (int i = 0; i < kDoors; ++i) {
    DoorInputs inputs = random.Door();
    inputs.Bottom = true;
    if (i % 2 == 1) {
      inputs.KeelGeom = AnyKeel(random);
      if (ValidateTable(inputs.KeelGeom)) {
        ++refused;
        continue;
      }
      ++accepted;
    }
    TBoard door(inputs);
    const CoefTable& g = door.Inputs().Ground;
    const long double x = random.Uniform(-90, 90);
    const long double y = random.Uniform(-90, 90);
    const long double z =
        random.Uniform(std::max<long double>(g.At(0, kGroundAngle), -90),
                       std::min<long double>(g.At(g.Count - 1, kGroundAngle), 90));
    door.Evaluate(x * kDegree, y * kDegree, z * kDegree);
    SCOPED_TRACE(testing::Message() << "door " << i << " at " << x << ", " << y << ", " << z);
    ASSERT_LE(door.Result().ForceGround.Force.X, 0.0L);
  }
  // Both kinds of drawn keel were met often enough to mean something.
  EXPECT_GT(accepted, kDoors / 20);
  EXPECT_GT(refused, kDoors / 20);
}

// A door loaded from `text` into fresh inputs that hold what the file does not carry.
DoorInputs LoadedFrom(const std::string& text, const DoorInputs& saved, ViewSettings& view) {
  DoorInputs loaded;
  loaded.StringerHydro = saved.StringerHydro;
  loaded.bs = saved.bs;
  const DoorFileResult read = DoorFileReader::ReadText("door.brd", text, loaded, view);
  EXPECT_TRUE(read.Ok) << read.Message;
  return loaded;
}

TEST(DoorProperties, SaveThenLoadIsBitIdentical) {
  constexpr int kThroughTheDisk = 100;  // every 100th door also goes through a real file
  RandomDoor random(20240902);
  const TempFolder folder;
  for (int i = 0; i < kDoors; ++i) {
    const DoorInputs door = random.DoorWithinFieldLimits();
    const ViewSettings view = random.View();
    SCOPED_TRACE(testing::Message() << "door " << i);

    const std::string text = DoorFileWriter::Text(door, view);
    ViewSettings loadedView;
    const DoorInputs loaded = LoadedFrom(text, door, loadedView);
    ExpectSameDoor(TBoard(door), TBoard(loaded), "read from the saved text");
    EXPECT_EQ(loaded, door);
    EXPECT_EQ(loadedView, view);
    for (int axis = 0; axis < 3; ++axis)
      EXPECT_TRUE(SameBits(loadedView.Angles[axis], view.Angles[axis]));

    if (i % kThroughTheDisk == 0) {
      const std::string path = folder.File("door.brd");
      const DoorFileResult saved = DoorFileWriter().Save(path, door, view);
      ASSERT_TRUE(saved.Ok) << saved.Message;
      DoorInputs reloaded;
      reloaded.StringerHydro = door.StringerHydro;
      reloaded.bs = door.bs;
      ViewSettings reloadedView;
      const DoorFileResult read = DoorFileReader::Load(path, reloaded, &reloadedView);
      ASSERT_TRUE(read.Ok) << read.Message;
      ExpectSameDoor(TBoard(door), TBoard(reloaded), "loaded from the saved file");
      EXPECT_EQ(reloadedView, view);
      EXPECT_EQ(TempFolder::ReadBytes(path), text);
    }
    if (HasFailure()) break;
  }
}

}  // namespace
