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
  ExpectVector(board.TotalForce, -16301.2L, -3807.3L, -1286.1L, kReferenceTol);
  ExpectVector(board.TotalMoment, -1785.8L, -1008.0L, 17102.3L, kReferenceTol);
}

TEST(Evaluate, DefaultDoorAtZeroAnglesInMidwater) {
  TBoard board;
  board.Bottom = false;
  board.Evaluate(0, 0, 0);
  ExpectVector(board.TotalForce, -16015.7L, -3807.3L, -12799.1L, kReferenceTol);
  ExpectVector(board.TotalMoment, -8693.6L, 3652.5L, 16931.0L, kReferenceTol);
  // The ground carries nothing in midwater.
  EXPECT_EQ(board.ForceGround.Force, XYZ{});
  ExpectVector(board.ForceGround.Point, board.x0 - board.xk, board.y0 + board.yk,
               board.zk - board.z0, kGeometryTol);
}

TEST(Evaluate, AttackAnglesAndNormalsAtZero) {
  TBoard board;
  board.Evaluate(0, 0, 0);
  EXPECT_NEAR(board.WingAttack, 0, kExact);
  EXPECT_NEAR(board.WingNormalDir(), 0, kExact);
  EXPECT_NEAR(board.StringerAttack, 0, kExact);
  EXPECT_NEAR(board.StringerNormalDir(), kPi / 2, kExact);
  // Wing: Cx 0.1, Cy 0.01 at 0 degrees; spread entirely along +Y.
  ExpectVector(board.ForceWing.Force, -0.1L * kQ * 5.5L, 0.01L * kQ * 5.5L, 0, kGeometryTol);
  EXPECT_NEAR(board.ForceWing.Point.X, board.x0 - 0.6L * board.b, kGeometryTol);
  EXPECT_NEAR(board.ForceWing.Point.X, -0.92L, kGeometryTol);
}

TEST(Evaluate, RotationAboutZIsTheWingAttack) {
  TBoard board;
  for (long double deg : {-60.0L, -12.5L, 7.0L, 45.0L, 89.0L}) {
    board.Evaluate(0, 0, deg * kDegree);
    EXPECT_NEAR(board.WingAttack, deg * kDegree, kGeometryTol) << deg;
  }
}

TEST(Evaluate, NegativeAttackExtrapolatesCoefficientsButNotTheCentreOfPressure) {
  TBoard board;
  board.Evaluate(0, 0, -5 * kDegree);
  // Cx(-5) extends the first segment (0.1 -> 0.12 over 10 degrees); Cd is read at +5.
  const long double cx = 0.1L - 0.5L * 0.02L;
  const long double cy = 0.01L - 0.5L * 0.22L;
  EXPECT_NEAR(board.ForceWing.Force.X, -cx * kQ * board.F, kGeometryTol);
  const long double spread = cy * kQ * board.F;
  EXPECT_NEAR(std::hypot(board.ForceWing.Force.Y, board.ForceWing.Force.Z), std::fabs(spread),
              kGeometryTol);
  const long double cd = 0.6L - 0.5L * 0.3L;
  const XYZ body{board.x0 - board.b * cd, board.y0 + board.yh, board.zh - board.z0};
  const XYZ expected = body.Rotated(0, 0, -5 * kDegree);
  ExpectVector(board.ForceWing.Point, expected.X, expected.Y, expected.Z, kGeometryTol);
}

TEST(Evaluate, BridleForcesFollowResistanceAndAngles) {
  TBoard board;
  board.R = 0;
  board.Evaluate(0.1L, 0.2L, 0.3L);
  EXPECT_EQ(board.ForceUpperBridle.Force, XYZ{});
  EXPECT_EQ(board.ForceLowerBridle.Force, XYZ{});
  board.R = 40000;
  board.BridleAngleH = 0;
  board.BridleAngleV = 0;
  board.Evaluate(0.1L, 0.2L, 0.3L);
  ExpectVector(board.ForceUpperBridle.Force, -10000, 0, 0, kGeometryTol);
  ExpectVector(board.ForceLowerBridle.Force, -10000, 0, 0, kGeometryTol);
}

TEST(Evaluate, BridleStubsKeepTheirWorldDirection) {
  TBoard board;
  const XYZ bodyStub = board.UpperBridleLine[1] - board.UpperBridleLine[0];
  board.Evaluate(0.3L, -0.2L, 0.6L);
  const XYZ upper = board.PosUpperBridleLine[1] - board.PosUpperBridleLine[0];
  const XYZ lower = board.PosLowerBridleLine[1] - board.PosLowerBridleLine[0];
  ExpectVector(upper, bodyStub.X, bodyStub.Y, bodyStub.Z, kGeometryTol);
  ExpectVector(lower, bodyStub.X, bodyStub.Y, bodyStub.Z, kGeometryTol);
  const XYZ turned = board.PtUpperBridle.Rotated(0.3L, -0.2L, 0.6L);
  ExpectVector(board.PosUpperBridleLine[0], turned.X, turned.Y, turned.Z, kGeometryTol);
}

// The totals are the sum of the six forces, and the moments follow the program's sign rules:
// X and Z by the right-hand rule, Y the opposite way.
TEST(Evaluate, TotalsFollowTheSignRules) {
  for (bool bottom : {true, false}) {
    TBoard board;
    board.Bottom = bottom;
    board.Evaluate(0.12L, -0.07L, 0.6L);
    XYZ sum, moment;
    for (const TForce* f : {&board.ForceWing, &board.ForceStringer, &board.ForceGravity,
                            &board.ForceUpperBridle, &board.ForceLowerBridle, &board.ForceGround}) {
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
    ExpectVector(board.TotalForce, sum.X, sum.Y, sum.Z, 1e-9L);
    ExpectVector(board.TotalMoment, moment.X, moment.Y, moment.Z, 1e-9L);
  }
}

// Evaluating writes results only, so that reading the inputs afterwards, or evaluating again,
// sees the door as it was given.
TEST(Evaluate, LeavesInputsAndBodyFramePointsAsTheyWere) {
  for (const bool bottom : {true, false}) {
    TBoard board;
    board.Bottom = bottom;
    // Changed after the geometry was computed: evaluating must not fold it into the body points.
    board.zk = 0.05L;
    const TBoard before = board;
    board.Evaluate(0.12L, -0.07L, 0.6L);
    ExpectSameDoor(before, board, bottom ? "bottom" : "midwater");
  }
}

// What the evaluation keeps from one call to the next follows every edit of the inputs: a door
// edited between two evaluations gives what a door given those inputs from the start gives.
struct FieldEdit {
  const char* name;
  long double TBoard::*field;
  long double value;
};

class EvaluateAfterAnEdit : public ::testing::TestWithParam<FieldEdit> {};

TEST_P(EvaluateAfterAnEdit, MatchesADoorEditedBeforeItsFirstEvaluation) {
  const FieldEdit& edit = GetParam();
  for (const bool bottom : {true, false}) {
    TBoard edited;
    edited.Bottom = bottom;
    TBoard fresh = edited;
    edited.Evaluate(0.12L, -0.07L, 0.6L);
    edited.*edit.field = edit.value;
    edited.Evaluate(0.12L, -0.07L, 0.6L);
    fresh.*edit.field = edit.value;
    fresh.Evaluate(0.12L, -0.07L, 0.6L);
    EXPECT_EQ(edited.TotalMoment, fresh.TotalMoment) << (bottom ? "bottom" : "midwater");
    EXPECT_EQ(edited.TotalForce, fresh.TotalForce);
    EXPECT_EQ(edited.PosUpperBridleLine[1], fresh.PosUpperBridleLine[1]);
    EXPECT_EQ(edited.PosKeelOrigin, fresh.PosKeelOrigin);
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryKeptInput, EvaluateAfterAnEdit,
    ::testing::Values(FieldEdit{"BridleAngleH", &TBoard::BridleAngleH, 25},
                      FieldEdit{"BridleAngleV", &TBoard::BridleAngleV, -10},
                      FieldEdit{"R", &TBoard::R, 41000}, FieldEdit{"b", &TBoard::b, 2.9L},
                      FieldEdit{"H", &TBoard::H, 1.3L}, FieldEdit{"G", &TBoard::G, 9000},
                      FieldEdit{"GroundCoef", &TBoard::GroundCoef, 0.5L},
                      FieldEdit{"xk", &TBoard::xk, 1.2L}, FieldEdit{"v", &TBoard::v, 2.6L}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Evaluate, PositionAloneComputesNoForces) {
  TBoard board;
  board.Position(0, 0, 0.4L);
  EXPECT_NEAR(board.WingAttack, 0.4L, kGeometryTol);
  EXPECT_EQ(board.TotalForce, XYZ{});
  const XYZ g = board.PtGravity.Rotated(0, 0, 0.4L);
  ExpectVector(board.PosGravity, g.X, g.Y, g.Z, kGeometryTol);
}

}  // namespace
