#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "TestTolerances.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "support/DoorCompare.h"

namespace {

void ExpectVector(const XYZ& v, long double x, long double y, long double z, long double tol) {
  EXPECT_NEAR(v.X, x, tol);
  EXPECT_NEAR(v.Y, y, tol);
  EXPECT_NEAR(v.Z, z, tol);
}

// q of the default door: water density 1035, speed 2.15.
constexpr long double kQ = 1035 * 2.15L * 2.15L / 2;

TEST(Evaluate, DefaultDoorAtZeroAnglesInBottomTrawling) {
  TBoard board;
  board.Evaluate(0, 0, 0);
  ExpectVector(board.Result().TotalForce, -16301.2L, -3807.3L, -1286.1L, kReferenceTol);
  ExpectVector(board.Result().TotalMoment, -1785.8L, -1008.0L, 17102.3L, kReferenceTol);
}

TEST(Evaluate, DefaultDoorAtZeroAnglesInMidwater) {
  TBoard board;
  board.Edit([&](DoorInputs& d) { d.Bottom = false; });
  board.Evaluate(0, 0, 0);
  ExpectVector(board.Result().TotalForce, -16015.7L, -3807.3L, -12799.1L, kReferenceTol);
  ExpectVector(board.Result().TotalMoment, -8693.6L, 3652.5L, 16931.0L, kReferenceTol);
  // The ground carries nothing in midwater.
  EXPECT_EQ(board.Result().ForceGround.Force, XYZ{});
  ExpectVector(board.Result().ForceGround.Point, board.Inputs().x0 - board.Inputs().xk,
               board.Inputs().y0 + board.Inputs().yk, board.Inputs().zk - board.Inputs().z0,
               kGeometryTol);
}

TEST(Evaluate, AttackAnglesAndNormalsAtZero) {
  TBoard board;
  board.Evaluate(0, 0, 0);
  EXPECT_NEAR(board.Result().WingAttack, 0, kExact);
  EXPECT_NEAR(board.WingNormalDir(), 0, kExact);
  EXPECT_NEAR(board.Result().StringerAttack, 0, kExact);
  EXPECT_NEAR(board.StringerNormalDir(), kPi / 2, kExact);
  // Wing: Cx 0.1, Cy 0.01 at 0 degrees; spread entirely along +Y.
  ExpectVector(board.Result().ForceWing.Force, -0.1L * kQ * 5.5L, 0.01L * kQ * 5.5L, 0,
               kGeometryTol);
  EXPECT_NEAR(board.Result().ForceWing.Point.X, board.Inputs().x0 - 0.6L * board.Inputs().b,
              kGeometryTol);
  EXPECT_NEAR(board.Result().ForceWing.Point.X, -0.92L, kGeometryTol);
}

TEST(Evaluate, RotationAboutZIsTheWingAttack) {
  TBoard board;
  for (long double deg : {-60.0L, -12.5L, 7.0L, 45.0L, 89.0L}) {
    board.Evaluate(0, 0, deg * kDegree);
    EXPECT_NEAR(board.Result().WingAttack, deg * kDegree, kGeometryTol) << deg;
  }
}

TEST(Evaluate, NegativeAttackExtrapolatesCoefficientsButNotTheCentreOfPressure) {
  TBoard board;
  board.Evaluate(0, 0, -5 * kDegree);
  // Cx(-5) extends the first segment (0.1 -> 0.12 over 10 degrees); Cd is read at +5.
  const long double cx = 0.1L - 0.5L * 0.02L;
  const long double cy = 0.01L - 0.5L * 0.22L;
  EXPECT_NEAR(board.Result().ForceWing.Force.X, -cx * kQ * board.Inputs().F, kGeometryTol);
  const long double spread = cy * kQ * board.Inputs().F;
  EXPECT_NEAR(std::hypot(board.Result().ForceWing.Force.Y, board.Result().ForceWing.Force.Z),
              std::fabs(spread), kGeometryTol);
  const long double cd = 0.6L - 0.5L * 0.3L;
  const XYZ body{board.Inputs().x0 - board.Inputs().b * cd, board.Inputs().y0 + board.Inputs().yh,
                 board.Inputs().zh - board.Inputs().z0};
  const XYZ expected = body.Rotated(0, 0, -5 * kDegree);
  ExpectVector(board.Result().ForceWing.Point, expected.X, expected.Y, expected.Z, kGeometryTol);
}

TEST(Evaluate, BridleForcesFollowResistanceAndAngles) {
  TBoard board;
  board.Edit([&](DoorInputs& d) { d.R = 0; });
  board.Evaluate(0.1L, 0.2L, 0.3L);
  EXPECT_EQ(board.Result().ForceUpperBridle.Force, XYZ{});
  EXPECT_EQ(board.Result().ForceLowerBridle.Force, XYZ{});
  board.Edit([&](DoorInputs& d) {
    d.R = 40000;
    d.BridleAngleH = 0;
    d.BridleAngleV = 0;
  });
  board.Evaluate(0.1L, 0.2L, 0.3L);
  ExpectVector(board.Result().ForceUpperBridle.Force, -10000, 0, 0, kGeometryTol);
  ExpectVector(board.Result().ForceLowerBridle.Force, -10000, 0, 0, kGeometryTol);
}

TEST(Evaluate, BridleStubsKeepTheirWorldDirection) {
  TBoard board;
  const XYZ bodyStub = board.Body().UpperBridleLine[1] - board.Body().UpperBridleLine[0];
  board.Evaluate(0.3L, -0.2L, 0.6L);
  const XYZ upper = board.Result().PosUpperBridleLine[1] - board.Result().PosUpperBridleLine[0];
  const XYZ lower = board.Result().PosLowerBridleLine[1] - board.Result().PosLowerBridleLine[0];
  ExpectVector(upper, bodyStub.X, bodyStub.Y, bodyStub.Z, kGeometryTol);
  ExpectVector(lower, bodyStub.X, bodyStub.Y, bodyStub.Z, kGeometryTol);
  const XYZ turned = board.Body().PtUpperBridle.Rotated(0.3L, -0.2L, 0.6L);
  ExpectVector(board.Result().PosUpperBridleLine[0], turned.X, turned.Y, turned.Z, kGeometryTol);
}

// The totals are the sum of the six forces, and the moments follow the program's sign rules:
// X and Z by the right-hand rule, Y the opposite way.
TEST(Evaluate, TotalsFollowTheSignRules) {
  for (bool bottom : {true, false}) {
    TBoard board;
    board.Edit([&](DoorInputs& d) { d.Bottom = bottom; });
    board.Evaluate(0.12L, -0.07L, 0.6L);
    XYZ sum, moment;
    for (const TForce* f : {&board.Result().ForceWing, &board.Result().ForceStringer,
                            &board.Result().ForceGravity, &board.Result().ForceUpperBridle,
                            &board.Result().ForceLowerBridle, &board.Result().ForceGround}) {
      const XYZ& p = f->Point;
      const XYZ& v = f->Force;
      sum = sum + v;
      moment.X += p.Y * v.Z - p.Z * v.Y;  // (P x F).x
      moment.Y -= p.Z * v.X - p.X * v.Z;  // -(P x F).y
      moment.Z += p.X * v.Y - p.Y * v.X;  // (P x F).z
      // The stored products are unsigned.
      EXPECT_EQ(f->MomentOfFx, XYZ(0, v.X * p.Z, v.X * p.Y));
      EXPECT_EQ(f->MomentOfFy, XYZ(v.Y * p.Z, 0, v.Y * p.X));
      EXPECT_EQ(f->MomentOfFz, XYZ(v.Z * p.Y, v.Z * p.X, 0));
    }
    ExpectVector(board.Result().TotalForce, sum.X, sum.Y, sum.Z, 1e-9L);
    ExpectVector(board.Result().TotalMoment, moment.X, moment.Y, moment.Z, 1e-9L);
  }
}

// Evaluating writes results only, so that reading the inputs afterwards, or evaluating again,
// sees the door as it was given.
TEST(Evaluate, LeavesInputsAndBodyFramePointsAsTheyWere) {
  for (const bool bottom : {true, false}) {
    TBoard board;
    board.Edit([&](DoorInputs& d) { d.Bottom = bottom; });
    // Changed after the geometry was computed: evaluating must not fold it into the body points.
    board.Edit([&](DoorInputs& d) { d.zk = 0.05L; });
    const TBoard before = board;
    board.Evaluate(0.12L, -0.07L, 0.6L);
    ExpectSameDoor(before, board, bottom ? "bottom" : "midwater");
  }
}

// What the evaluation keeps from one call to the next follows every edit of the inputs: a door
// edited between two evaluations gives what a door given those inputs from the start gives.
struct FieldEdit {
  const char* name;
  long double DoorInputs::*field;
  long double value;
};

class EvaluateAfterAnEdit : public ::testing::TestWithParam<FieldEdit> {};

TEST_P(EvaluateAfterAnEdit, MatchesADoorEditedBeforeItsFirstEvaluation) {
  const FieldEdit& edit = GetParam();
  for (const bool bottom : {true, false}) {
    TBoard edited;
    edited.Edit([&](DoorInputs& d) { d.Bottom = bottom; });
    TBoard fresh = edited;
    edited.Evaluate(0.12L, -0.07L, 0.6L);
    edited.Edit([&edit](DoorInputs& d) { d.*edit.field = edit.value; });
    edited.Evaluate(0.12L, -0.07L, 0.6L);
    fresh.Edit([&edit](DoorInputs& d) { d.*edit.field = edit.value; });
    fresh.Evaluate(0.12L, -0.07L, 0.6L);
    EXPECT_EQ(edited.Result().TotalMoment, fresh.Result().TotalMoment)
        << (bottom ? "bottom" : "midwater");
    EXPECT_EQ(edited.Result().TotalForce, fresh.Result().TotalForce);
    EXPECT_EQ(edited.Result().PosUpperBridleLine[1], fresh.Result().PosUpperBridleLine[1]);
    EXPECT_EQ(edited.Result().PosKeelOrigin, fresh.Result().PosKeelOrigin);
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryKeptInput, EvaluateAfterAnEdit,
    ::testing::Values(FieldEdit{"BridleAngleH", &DoorInputs::BridleAngleH, 25},
                      FieldEdit{"BridleAngleV", &DoorInputs::BridleAngleV, -10},
                      FieldEdit{"R", &DoorInputs::R, 41000}, FieldEdit{"b", &DoorInputs::b, 2.9L},
                      FieldEdit{"H", &DoorInputs::H, 1.3L}, FieldEdit{"G", &DoorInputs::G, 9000},
                      FieldEdit{"GroundCoef", &DoorInputs::GroundCoef, 0.5L},
                      FieldEdit{"xk", &DoorInputs::xk, 1.2L}, FieldEdit{"v", &DoorInputs::v, 2.6L}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Evaluate, PositionAloneComputesNoForces) {
  TBoard board;
  board.Position(0, 0, 0.4L);
  EXPECT_NEAR(board.Result().WingAttack, 0.4L, kGeometryTol);
  EXPECT_EQ(board.Result().TotalForce, XYZ{});
  const XYZ g = board.Body().PtGravity.Rotated(0, 0, 0.4L);
  ExpectVector(board.Result().PosGravity, g.X, g.Y, g.Z, kGeometryTol);
}

}  // namespace
