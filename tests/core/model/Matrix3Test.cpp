#include <gtest/gtest.h>

#include <array>
#include <complex>

#include "TestTolerances.h"
#include "model/Matrix3.h"

namespace {

constexpr long double kRootTol = 1e-12L;

TEST(Matrix3, SolvesASystemNeedingARowExchange) {
  // A zero first pivot: elimination must exchange rows. Solution (1, -2, 3).
  const Matrix3 a{{{{0, 2, 1}, {1, 1, 1}, {2, -1, 0}}}};
  const auto x = a.Solve({-1, 2, 4});
  ASSERT_TRUE(x);
  EXPECT_NEAR((*x)[0], 1, kExact * 10);
  EXPECT_NEAR((*x)[1], -2, kExact * 10);
  EXPECT_NEAR((*x)[2], 3, kExact * 10);
}

TEST(Matrix3, RefusesSingularMatrices) {
  const Matrix3 dependentRows{{{{1, 2, 3}, {2, 4, 6}, {0, 1, 1}}}};
  EXPECT_FALSE(dependentRows.Solve({1, 2, 3}));
  EXPECT_FALSE(Matrix3{}.Solve({1, 0, 0}));
}

struct EigenCase {
  const char* name;
  Matrix3 matrix;
  std::array<std::complex<long double>, 3> expected;  // ascending real, then imaginary part
};

class Matrix3Eigenvalues : public ::testing::TestWithParam<EigenCase> {};

TEST_P(Matrix3Eigenvalues, MatchTheKnownRoots) {
  const EigenCase& c = GetParam();
  const auto roots = c.matrix.Eigenvalues();
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(roots[i].real(), c.expected[i].real(), kRootTol) << "root " << i;
    EXPECT_NEAR(roots[i].imag(), c.expected[i].imag(), kRootTol) << "root " << i;
  }
}

using C = std::complex<long double>;
INSTANTIATE_TEST_SUITE_P(
    KnownMatrices, Matrix3Eigenvalues,
    ::testing::Values(
        EigenCase{"Diagonal", {{{{2, 0, 0}, {0, -3, 0}, {0, 0, -1}}}}, {C(-3), C(-1), C(2)}},
        EigenCase{"UpperTriangular", {{{{1, 2, 3}, {0, 4, 5}, {0, 0, 6}}}}, {C(1), C(4), C(6)}},
        EigenCase{"Symmetric", {{{{2, 1, 0}, {1, 2, 0}, {0, 0, 5}}}}, {C(1), C(3), C(5)}},
        EigenCase{"TripleRoot", {{{{2, 0, 0}, {0, 2, 0}, {0, 0, 2}}}}, {C(2), C(2), C(2)}},
        EigenCase{
            "PureRotation", {{{{0, -1, 0}, {1, 0, 0}, {0, 0, -2}}}}, {C(-2), C(0, -1), C(0, 1)}},
        EigenCase{
            "DampedSpiral", {{{{-1, -2, 0}, {2, -1, 0}, {0, 0, 3}}}}, {C(-1, -2), C(-1, 2), C(3)}},
        // Characteristic polynomial (l + 1)(l^2 + 4) with every entry coupled.
        EigenCase{
            "Companion", {{{{0, 1, 0}, {0, 0, 1}, {-4, -4, -1}}}}, {C(-1), C(0, -2), C(0, 2)}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
