#include "model/XYZ.h"

#include <gtest/gtest.h>

#include <cmath>

#include "TestTolerances.h"
#include "model/PlaneMath.h"

namespace {

void ExpectPoint(const XYZ& p, long double x, long double y, long double z) {
  EXPECT_NEAR(p.X, x, kGeometryTol);
  EXPECT_NEAR(p.Y, y, kGeometryTol);
  EXPECT_NEAR(p.Z, z, kGeometryTol);
}

TEST(RotationConvention, SingleAxisRotations) {
  const long double a = 0.3L;
  // A positive turn about Y brings +X towards +Z.
  ExpectPoint(XYZ{1, 0, 0}.Rotated(0, a, 0), std::cos(a), 0, std::sin(a));
  ExpectPoint(XYZ{0, 1, 0}.Rotated(0, 0, a), -std::sin(a), std::cos(a), 0);
  ExpectPoint(XYZ{0, 1, 0}.Rotated(a, 0, 0), 0, std::cos(a), std::sin(a));
}

TEST(RotationConvention, TurnsAboutZThenYThenX) {
  const XYZ p{0.7L, -1.3L, 2.1L};
  const long double a = 0.4L, b = -0.9L, g = 1.2L;
  const XYZ zyx = p.Rotated(0, 0, g).Rotated(0, b, 0).Rotated(a, 0, 0);
  ExpectPoint(p.Rotated(a, b, g), zyx.X, zyx.Y, zyx.Z);
  const XYZ xyz = p.Rotated(a, 0, 0).Rotated(0, b, 0).Rotated(0, 0, g);
  EXPECT_GT((xyz - zyx).Length(), 0.1L);

  XYZ inPlace = p;
  inPlace.Rotate(a, b, g);
  ExpectPoint(inPlace, zyx.X, zyx.Y, zyx.Z);
  XYZ target;
  target.RotateFrom(p, a, b, g);
  EXPECT_EQ(target, inPlace);
  EXPECT_NEAR(p.RotatedX(a, b, g), zyx.X, kGeometryTol);
  EXPECT_NEAR(p.RotatedY(a, b, g), zyx.Y, kGeometryTol);
  EXPECT_NEAR(p.RotatedZ(a, b, g), zyx.Z, kGeometryTol);
  // Rotation keeps lengths.
  EXPECT_NEAR(inPlace.Length(), p.Length(), kGeometryTol);
}

TEST(RotationConvention, OriginStaysAtOrigin) {
  EXPECT_EQ(XYZ{}.Rotated(1, 2, 3), XYZ{});
}

TEST(PlaneMath, PolarAngleCoversTheFullTurn) {
  EXPECT_EQ(PolarAngle(0, 0), 0);
  EXPECT_NEAR(PolarAngle(-1, 0), kPi, kExact);
  EXPECT_NEAR(PolarAngle(1, -1), 7 * kPi / 4, kExact);
  EXPECT_NEAR(PolarAngle(0, 2), kPi / 2, kExact);
  EXPECT_NEAR(PolarAngle(0, -2), 3 * kPi / 2, kExact);
  EXPECT_NEAR(PolarAngle(-1, -1), 5 * kPi / 4, kExact);
  EXPECT_NEAR(PolarAngle(-1, 1), 3 * kPi / 4, kExact);
  EXPECT_NEAR(PolarAngle(1, 1), kPi / 4, kExact);
  EXPECT_EQ(PolarAngle(3, 0), 0);
}

TEST(PlaneMath, VectorAngles) {
  EXPECT_NEAR(XYZ(0, 1, 0).AngleToX(), kPi / 2, kExact);
  EXPECT_NEAR(XYZ(-1, 0, 0).AngleToX(), kPi, kExact);
  EXPECT_NEAR(XYZ(0, 0, -1).AngleInYZ(), 3 * kPi / 2, kExact);
  EXPECT_NEAR(XYZ(3, 4, 0).Length(), 5, kExact);
}

TEST(PlaneMath, RotatePairAndDeterminant) {
  const RealPair r = RotatePair(1, 0, kPi / 2);
  EXPECT_NEAR(r.First, 0, kExact);
  EXPECT_NEAR(r.Second, 1, kExact);
  const RealPair zero = RotatePair(0, 0, 1);
  EXPECT_EQ(zero.First, 0);
  EXPECT_EQ(zero.Second, 0);
  EXPECT_NEAR(Det3(2, 0, 0, 0, 3, 0, 0, 0, 4), 24, kExact);
  EXPECT_NEAR(Det3(1, 2, 3, 4, 5, 6, 7, 8, 10), -3, kExact);
  EXPECT_NEAR(Hypot(5, 12), 13, kExact);
}

TEST(PlaneMath, DistanceToPlaneIsSignedByWinding) {
  const XYZ p{0, 0, 1};
  EXPECT_NEAR(p.DistanceToPlane({0, 0, 0}, {1, 0, 0}, {0, 1, 0}), 1, kExact);
  EXPECT_NEAR(p.DistanceToPlane({0, 0, 0}, {0, 1, 0}, {1, 0, 0}), -1, kExact);
  // The distance is normalised: a larger triangle gives the same distance.
  EXPECT_NEAR(XYZ(5, 5, -2).DistanceToPlane({0, 0, 0}, {7, 0, 0}, {0, 9, 0}), -2, kExact);
}

TEST(PlaneMath, DistanceToDegeneratePlaneIsZero) {
  const XYZ p{1, 2, 3};
  EXPECT_EQ(p.DistanceToPlane({0, 0, 0}, {1, 1, 1}, {2, 2, 2}), 0);
  EXPECT_EQ(p.DistanceToPlane({1, 1, 1}, {1, 1, 1}, {1, 1, 1}), 0);
}

TEST(PlaneMath, ParabolaThroughThreePoints) {
  // w = 2u^2 - 3u + 1
  const auto p = ParabolaThrough(-1, 6, 0.5L, 0, 2, 3);
  ASSERT_TRUE(p.has_value());
  EXPECT_NEAR(p->A, 2, kGeometryTol);
  EXPECT_NEAR(p->B, -3, kGeometryTol);
  EXPECT_NEAR(p->C, 1, kGeometryTol);
  EXPECT_NEAR(p->VertexU(), 0.75L, kGeometryTol);
  EXPECT_FALSE(ParabolaThrough(1, 2, 1, 3, 4, 5).has_value());
  EXPECT_TRUE(AreCollinear(0, 1, 1, 3, 2, 5));
  EXPECT_FALSE(AreCollinear(0, 1, 1, 3, 2, 5.001L));
}

}  // namespace
