#include "model/NewtonSolver.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "model/PlaneMath.h"
#include "model/StabilityMatrix.h"
#include "model/TBoard.h"

namespace {
constexpr long double kAngleLimit = 90;  // degrees
// The first implicit step is as long as this many relaxation steps.
constexpr long double kFirstStepInRelaxationSteps = 64;
// Growth of the step length after one step, at most: the moment sum rarely falls faster than
// this in a step that can be trusted.
constexpr long double kMaxStepGrowth = 16;
// Longest implicit step, as a fraction of 1/lambda of the most unstable direction.
constexpr long double kUnstableStepFraction = 0.5L;
// Each failed short cut follows the relaxation until its strides are this much shorter.
constexpr long double kStrideShrink = 4;
// How far the anchor's moments may stray from what the balance's Jacobian predicts for them,
// as a fraction of the change of the moments between the two: beyond it the moments bend on
// the way, and the relaxation may bend to another balance.
constexpr long double kLinearity = 0.25L;

using Angles = std::array<long double, 3>;

long double Sum(const Angles& m) {
  return std::fabs(m[0]) + std::fabs(m[1]) + std::fabs(m[2]);
}

long double Largest(const Angles& a) {
  return std::max({std::fabs(a[0]), std::fabs(a[1]), std::fabs(a[2])});
}

bool Outside(const Angles& a) {
  return !(std::fabs(a[0]) <= kAngleLimit && std::fabs(a[1]) <= kAngleLimit &&
           std::fabs(a[2]) <= kAngleLimit);
}

Matrix3 Mean(const Matrix3& a, const Matrix3& b) {
  Matrix3 m;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j)
      m.Rows[i][j] = (a.Rows[i][j] + b.Rows[i][j]) / 2;
  }
  return m;
}

// The relaxation's path from `from` towards the balance `to`, by the moments' linear model
// there (Jacobian j, N*m per degree): the point of it that lies farthest past the balance, when
// that is more than a tenth of the way from `from` to the balance.
std::optional<Angles> FarthestOvershoot(const Matrix3& j, long double step, const Angles& from,
                                        const Angles& to) {
  constexpr int kSteps = 200;
  constexpr long double kWorthChecking = 0.1L;
  constexpr long double kArrived = 1e-4L;  // of the squared way
  Angles e{from[0] - to[0], from[1] - to[1], from[2] - to[2]};
  const Angles start = e;
  const long double length2 = e[0] * e[0] + e[1] * e[1] + e[2] * e[2];
  if (!(length2 > 0)) return std::nullopt;
  long double farthest = 0;
  Angles farthestE{};
  for (int n = 0; n < kSteps; ++n) {
    Angles next{};
    for (int i = 0; i < 3; ++i)
      next[i] = e[i] + step * (j.Rows[i][0] * e[0] + j.Rows[i][1] * e[1] + j.Rows[i][2] * e[2]);
    e = next;
    // Arrived: nothing farther can follow.
    if (e[0] * e[0] + e[1] * e[1] + e[2] * e[2] < kArrived * length2) break;
    // How far past the balance, along the way in, as a fraction of the way.
    const long double past = -(e[0] * start[0] + e[1] * start[1] + e[2] * start[2]) / length2;
    if (past > farthest) {
      farthest = past;
      farthestE = e;
    }
  }
  if (!(farthest > kWorthChecking)) return std::nullopt;
  return Angles{to[0] + farthestE[0], to[1] + farthestE[1], to[2] + farthestE[2]};
}

bool Stable(const Matrix3& jacobian) {
  for (const Matrix3::Eigenvalue& e : jacobian.Eigenvalues()) {
    if (!(e.real() < 0)) return false;  // NaN counts as not stable
  }
  return true;
}
}  // namespace

NewtonSolver::Angles NewtonSolver::MomentsAt(const Angles& angles) {
  door_.EvaluateMoments(angles[0] * kDegree, angles[1] * kDegree, angles[2] * kDegree);
  ++evaluations_;
  lastEvaluated_ = angles;
  const XYZ& m = door_.Result().TotalMoment;
  return {m.X, m.Y, m.Z};
}

NewtonSolver::Angles NewtonSolver::ProbeAt(const Angles& angles) {
  probe_->EvaluateMoments(angles[0] * kDegree, angles[1] * kDegree, angles[2] * kDegree);
  ++evaluations_;
  const XYZ& m = probe_->Result().TotalMoment;
  return {m.X, m.Y, m.Z};
}

void NewtonSolver::RelaxationStep(Angles& theta, Angles& moments, NewtonResult& result) {
  lastStride_ = Stride{theta, moments, {}, {}};
  // The relaxation's own arithmetic, so that its path is followed to the last bit.
  for (int k = 0; k < 3; ++k)
    theta[k] += kDegree * moments[k] / door_.Sensitivity();
  moments = MomentsAt(theta);
  lastStride_->ToTheta = theta;
  lastStride_->ToMoments = moments;
  ++relaxationSteps_;
  ++result.Iterations;
  if (Outside(theta)) result.LeftAngleRange = true;
}

Matrix3 NewtonSolver::JacobianAlongStride(const Stride& stride) {
  Angles d{}, c{};
  for (int k = 0; k < 3; ++k) {
    d[k] = stride.ToTheta[k] - stride.FromTheta[k];
    c[k] = stride.ToMoments[k] - stride.FromMoments[k];
  }
  const long double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
  if (!(length > 0)) return JacobianAt(stride.ToTheta, stride.ToMoments, kDifferenceDeg);
  // Two unit directions square to the stride and to each other.
  const Angles unit{d[0] / length, d[1] / length, d[2] / length};
  const int least = std::fabs(unit[0]) <= std::fabs(unit[1])
                        ? (std::fabs(unit[0]) <= std::fabs(unit[2]) ? 0 : 2)
                        : (std::fabs(unit[1]) <= std::fabs(unit[2]) ? 1 : 2);
  Angles axis{};
  axis[static_cast<std::size_t>(least)] = 1;
  const auto cross = [](const Angles& a, const Angles& b) {
    return Angles{a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
  };
  Angles u = cross(unit, axis);
  const long double uLength = std::sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2]);
  for (long double& x : u)
    x /= uLength;
  const Angles w = cross(unit, u);
  // J = c d'/|d|^2 + (J u) u' + (J w) w', with J u and J w by forward differences.
  Matrix3 j;
  for (int i = 0; i < 3; ++i) {
    for (int k = 0; k < 3; ++k)
      j.Rows[i][k] = c[i] * unit[k] / length;
  }
  for (const Angles& direction : {u, w}) {
    Angles shifted = stride.ToTheta;
    for (int k = 0; k < 3; ++k)
      shifted[k] += kDifferenceDeg * direction[k];
    const Angles m = ProbeAt(shifted);
    for (int i = 0; i < 3; ++i) {
      const long double change = (m[i] - stride.ToMoments[i]) / kDifferenceDeg;
      for (int k = 0; k < 3; ++k)
        j.Rows[i][k] += change * direction[k];
    }
  }
  return j;
}

Matrix3 NewtonSolver::JacobianAt(const Angles& theta, const Angles& moments, long double step) {
  Matrix3 jacobian;
  for (int j = 0; j < 3; ++j) {
    Angles shifted = theta;
    shifted[j] += step;
    const Angles m = ProbeAt(shifted);
    for (int i = 0; i < 3; ++i)
      jacobian.Rows[i][j] = (m[i] - moments[i]) / step;
  }
  return jacobian;
}

long double NewtonSolver::Search(Angles& theta, Angles& moments, NewtonResult& result) {
  long double sum = Sum(moments);
  // Degrees of turn per N*m of moment, as the relaxation turns the door in one step.
  const long double relaxationStep = kDegree / door_.Sensitivity();
  long double h = kFirstStepInRelaxationSteps * relaxationStep;
  int iterations = 0;

  Matrix3 jacobian;  // N*m per degree
  bool haveJacobian = false;
  bool jacobianMeasured = false;  // measured at theta, not carried on by Broyden updates
  const auto measureJacobian = [&] {
    // Where the search starts at the end of a relaxation stride, the stride itself gives the
    // change along its direction, and two difference quotients the rest.
    const bool strideEndsHere = lastStride_ && lastStride_->ToTheta == theta && iterations == 0;
    jacobian = strideEndsHere ? JacobianAlongStride(*lastStride_)
                              : JacobianAt(theta, moments, kDifferenceDeg);
    if (iterations == 0) startJacobian_ = jacobian;
    haveJacobian = jacobianMeasured = true;
  };
  startJacobian_.reset();

  while (!(tolerance_ > sum) && iterations < kMaxIterations && std::isfinite(sum)) {
    if (!haveJacobian) measureJacobian();
    // Where the door turns away from some direction (an eigenvalue of J with a positive real
    // part), an implicit step longer than 1/lambda would run against the relaxation's path
    // there, towards a balance the relaxation never reaches: keep it well short of that.
    long double unstable = 0;
    for (const Matrix3::Eigenvalue& e : jacobian.Eigenvalues())
      unstable = std::max(unstable, e.real());
    if (unstable > 0) h = std::min(h, kUnstableStepFraction / unstable);
    bool taken = false;
    for (int retry = 0; retry <= kMaxRetries && !taken; ++retry) {
      Matrix3 implicit;
      for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
          implicit.Rows[i][j] = -jacobian.Rows[i][j];
        implicit.Rows[i][i] += 1 / h;
      }
      std::optional<Angles> step = implicit.Solve(moments);
      // A step against the moments overall has left the relaxation's path: the implicit step
      // was too long for a direction in which the door turns away from a balance.
      if (step &&
          !((*step)[0] * moments[0] + (*step)[1] * moments[1] + (*step)[2] * moments[2] > 0)) {
        step.reset();
      }
      if (step) {
        const long double largest = Largest(*step);
        if (largest > kMaxStepDeg) {
          for (long double& s : *step)
            s *= kMaxStepDeg / largest;
        }
        const Angles trial{theta[0] + (*step)[0], theta[1] + (*step)[1], theta[2] + (*step)[2]};
        const Angles m = MomentsAt(trial);
        const long double trialSum = Sum(m);
        if (trialSum <= kMaxGrowth * sum) {
          h *= std::min(kMaxStepGrowth, sum / std::max(trialSum, tolerance_ / 2));
          // Broyden's update: the Jacobian learns the change this step has shown, so the next
          // step needs no new difference quotients.
          const Angles& d = *step;
          const long double dd = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
          if (dd > 0) {
            for (int i = 0; i < 3; ++i) {
              const long double predicted = jacobian.Rows[i][0] * d[0] +
                                            jacobian.Rows[i][1] * d[1] + jacobian.Rows[i][2] * d[2];
              const long double miss = (m[i] - moments[i]) - predicted;
              for (int j = 0; j < 3; ++j)
                jacobian.Rows[i][j] += miss * d[j] / dd;
            }
          }
          jacobianMeasured = false;
          theta = trial;
          moments = m;
          sum = trialSum;
          taken = true;
          continue;
        }
      }
      // Refused: first measure the Jacobian afresh if it was only carried on, then shorten.
      if (jacobianMeasured) {
        h /= 4;
      } else {
        measureJacobian();
      }
    }
    if (!taken) break;  // no step helps: this attempt gives up
    if (Outside(theta)) result.LeftAngleRange = true;
    ++iterations;
    ++result.Iterations;
  }
  return sum;
}

NewtonResult NewtonSolver::Solve(long double& x, long double& y, long double& z) {
  door_.ComputeGeometry();
  // Difference quotients and checks evaluate a copy, so that the door itself keeps the
  // evaluation of the search's own last point.
  probe_.emplace(door_);
  evaluations_ = 0;
  relaxationSteps_ = 0;
  lastStride_.reset();
  NewtonResult result;
  const Angles start{x, y, z};
  Angles theta = start;
  result.LeftAngleRange = Outside(theta);
  Angles moments = MomentsAt(theta);
  relaxationSteps_ = 1;  // the start is the relaxation's first evaluation too
  const auto balanced = [&] { return tolerance_ > Sum(moments); };
  const auto relaxationGoesOn = [&] {
    return !balanced() && relaxationSteps_ < kMaxRelaxationSteps && std::isfinite(Sum(moments));
  };
  // Degrees of turn per N*m, as the relaxation turns the door in one step.
  const long double relaxationStep = kDegree / door_.Sensitivity();

  std::optional<Matrix3> jacobian;  // at the angles returned, N*m per degree
  long double stride = kFollowedStrideDeg;
  for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
    while (relaxationGoesOn() && relaxationStep * Largest(moments) > stride)
      RelaxationStep(theta, moments, result);
    if (!relaxationGoesOn()) break;
    Angles found = theta;
    Angles foundMoments = moments;
    if (tolerance_ > Search(found, foundMoments, result)) {
      const Matrix3 j = JacobianAt(found, foundMoments, StabilityMatrix::kStepDeg);
      // The moments the mean of the Jacobians at both ends predicts for the anchor, against
      // its own.
      const Matrix3 mean = startJacobian_ ? Mean(*startJacobian_, j) : j;
      long double miss = 0, change = 0;
      for (int i = 0; i < 3; ++i) {
        long double predicted = foundMoments[i];
        for (int k = 0; k < 3; ++k)
          predicted += mean.Rows[i][k] * (theta[k] - found[k]);
        miss += std::fabs(moments[i] - predicted);
        change += std::fabs(moments[i] - foundMoments[i]);
      }
      bool drawnIn = true;
      for (const Matrix3::Eigenvalue& e : j.Eigenvalues()) {
        if (!(std::abs(Matrix3::Eigenvalue(1) + relaxationStep * e) < 1)) drawnIn = false;
      }
      bool linear = miss <= kLinearity * change && drawnIn;
      if (linear) {
        // Where the relaxation overshoots the balance, its strides carry it beyond: the moments
        // must be as linear at its farthest point past the balance, as the linear model of the
        // moments tells it.
        const std::optional<Angles> far = FarthestOvershoot(j, relaxationStep, theta, found);
        if (far) {
          const Angles farMoments = ProbeAt(*far);
          long double farMiss = 0, farChange = 0;
          for (int i = 0; i < 3; ++i) {
            long double predicted = foundMoments[i];
            for (int k = 0; k < 3; ++k)
              predicted += j.Rows[i][k] * ((*far)[k] - found[k]);
            farMiss += std::fabs(farMoments[i] - predicted);
            farChange += std::fabs(farMoments[i] - foundMoments[i]);
          }
          linear = farMiss <= kLinearity * farChange;
        }
      }
      if (linear) {
        theta = found;
        moments = foundMoments;
        jacobian = j;
        break;
      }
    }
    // Back to the anchor, which still lies on the relaxation's path.
    stride /= kStrideShrink;
  }
  // No short cut could be trusted: the relaxation decides, to its end.
  if (!jacobian) {
    while (relaxationGoesOn())
      RelaxationStep(theta, moments, result);
    // Where the relaxation runs away (past a plausible position, or to no number at all) there
    // is no balance to agree with: a search of its own from the start may still find one,
    // which is better than none. Where it only stalls near a balance, its point is the answer.
    if (!balanced() && (Outside(theta) || !std::isfinite(Sum(moments)))) {
      Angles own = start;
      Angles ownMoments = ProbeAt(own);
      lastStride_.reset();
      if (tolerance_ > Search(own, ownMoments, result)) {
        theta = own;
        moments = ownMoments;
      }
    }
    jacobian = JacobianAt(theta, moments, StabilityMatrix::kStepDeg);
  }
  // The door holds the evaluation of the angles kept, its drawn outlines included.
  if (lastEvaluated_ != theta) moments = MomentsAt(theta);
  door_.TurnOutlines();

  result.Converged = balanced();
  result.MomentSum = Sum(moments);
  result.StaticallyUnstable = !Stable(*jacobian);
  result.Evaluations = evaluations_;
  x = theta[0];
  y = theta[1];
  z = theta[2];
  door_.SetRotation(x, y, z);
  return result;
}
