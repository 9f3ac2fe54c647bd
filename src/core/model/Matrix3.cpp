#include "model/Matrix3.h"

#include <algorithm>
#include <cmath>

#include "model/PlaneMath.h"

namespace {
// Relative size below which a pivot counts as zero: far above the rounding of long double,
// far below the spread between the moments' derivatives of any real door.
constexpr long double kSingularPivot = 1e-14L;
constexpr int kRootPolishing = 3;

// One real root of lambda^3 + a lambda^2 + b lambda + c, found in closed form and then
// polished with Newton steps on the polynomial itself, which the closed form loses digits to
// when roots lie close together.
long double RealCubicRoot(long double a, long double b, long double c) {
  const long double p = b - a * a / 3;
  const long double q = 2 * a * a * a / 27 - a * b / 3 + c;
  const long double discriminant = q * q / 4 + p * p * p / 27;
  long double t = 0;
  if (discriminant >= 0) {
    const long double s = std::sqrt(discriminant);
    t = std::cbrt(-q / 2 + s) + std::cbrt(-q / 2 - s);
  } else {
    // Three real roots (p < 0 here): the trigonometric form.
    const long double r = std::sqrt(-p / 3);
    const long double cosine = std::clamp<long double>(-q / (2 * r * r * r), -1, 1);
    t = 2 * r * std::cos(std::acos(cosine) / 3);
  }
  long double root = t - a / 3;
  for (int i = 0; i < kRootPolishing; ++i) {
    const long double value = ((root + a) * root + b) * root + c;
    const long double slope = (3 * root + 2 * a) * root + b;
    if (slope == 0) break;
    const long double next = root - value / slope;
    if (!std::isfinite(next)) break;
    root = next;
  }
  return root;
}
}  // namespace

long double Matrix3::Trace() const {
  return Rows[0][0] + Rows[1][1] + Rows[2][2];
}

long double Matrix3::Determinant() const {
  return Det3(Rows[0][0], Rows[0][1], Rows[0][2], Rows[1][0], Rows[1][1], Rows[1][2], Rows[2][0],
              Rows[2][1], Rows[2][2]);
}

long double Matrix3::MinorSum() const {
  const auto& m = Rows;
  return (m[0][0] * m[1][1] - m[0][1] * m[1][0]) + (m[0][0] * m[2][2] - m[0][2] * m[2][0]) +
         (m[1][1] * m[2][2] - m[1][2] * m[2][1]);
}

std::optional<Matrix3::Vector> Matrix3::Solve(const Vector& b) const {
  std::array<std::array<long double, 4>, 3> m{};
  long double scale = 0;
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      m[r][c] = Rows[r][c];
      scale = std::max(scale, std::fabs(Rows[r][c]));
    }
    m[r][3] = b[r];
  }
  if (!(scale > 0) || !std::isfinite(scale)) return std::nullopt;
  for (int col = 0; col < 3; ++col) {
    int pivot = col;
    for (int r = col + 1; r < 3; ++r) {
      if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) pivot = r;
    }
    if (!(std::fabs(m[pivot][col]) > kSingularPivot * scale)) return std::nullopt;
    std::swap(m[col], m[pivot]);
    for (int r = col + 1; r < 3; ++r) {
      const long double factor = m[r][col] / m[col][col];
      for (int c = col; c < 4; ++c)
        m[r][c] -= factor * m[col][c];
    }
  }
  Vector x{};
  for (int r = 2; r >= 0; --r) {
    long double sum = m[r][3];
    for (int c = r + 1; c < 3; ++c)
      sum -= m[r][c] * x[c];
    x[r] = sum / m[r][r];
    if (!std::isfinite(x[r])) return std::nullopt;
  }
  return x;
}

std::array<Matrix3::Eigenvalue, 3> Matrix3::Eigenvalues() const {
  // det(lambda I - A) = lambda^3 - trace lambda^2 + minors lambda - det
  const long double a = -Trace();
  const long double b = MinorSum();
  const long double c = -Determinant();
  const long double r = RealCubicRoot(a, b, c);
  // Dividing out (lambda - r) leaves lambda^2 + p lambda + q.
  const long double p = a + r;
  const long double q = b + r * p;
  const long double discriminant = p * p / 4 - q;
  std::array<Eigenvalue, 3> roots;
  roots[0] = r;
  if (discriminant >= 0) {
    const long double s = std::sqrt(discriminant);
    // The root of larger magnitude first, the other from the product, to keep its digits.
    const long double big = -p / 2 - std::copysign(s, p);
    roots[1] = big;
    roots[2] = big != 0 ? q / big : 0;
  } else {
    const long double s = std::sqrt(-discriminant);
    roots[1] = Eigenvalue(-p / 2, -s);
    roots[2] = Eigenvalue(-p / 2, s);
  }
  std::sort(roots.begin(), roots.end(), [](const Eigenvalue& u, const Eigenvalue& w) {
    return u.real() != w.real() ? u.real() < w.real() : u.imag() < w.imag();
  });
  return roots;
}
