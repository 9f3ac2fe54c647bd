#pragma once

#include <array>
#include <complex>
#include <optional>

// A real 3x3 matrix, row by row, with the little linear algebra the balance solvers need.
struct Matrix3 {
  using Vector = std::array<long double, 3>;
  using Eigenvalue = std::complex<long double>;

  std::array<Vector, 3> Rows{};

  long double At(int row, int column) const { return Rows[row][column]; }
  long double Trace() const;
  long double Determinant() const;
  // The sum of the three principal 2x2 minors: the middle coefficient of the characteristic
  // polynomial.
  long double MinorSum() const;

  // x with A x = b by elimination with partial pivoting; nothing when the matrix is singular
  // (a pivot that vanishes against the matrix's own scale) or the answer is not finite.
  std::optional<Vector> Solve(const Vector& b) const;

  // The three roots of det(A - lambda I) = 0, ordered by real part and then by imaginary part,
  // ascending. A complex pair comes out as conjugates.
  std::array<Eigenvalue, 3> Eigenvalues() const;
};
