#include "model/NewtonSolver.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "model/Matrix3.h"
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
// The relaxation's strides are followed while one turns an angle by more than this, degrees,
// but not more than kMaxFollowedSteps of them.
constexpr long double kFollowedStrideDeg = 1.5L;
constexpr int kMaxFollowedSteps = 40;
// Longest implicit step, as a fraction of 1/lambda of the most unstable direction.
constexpr long double kUnstableStepFraction = 0.5L;
// Evaluations of the stability check at the end.
constexpr int kStabilityEvaluations = 7;

using Angles = std::array<long double, 3>;

long double Sum(const Angles& m) {
  return std::fabs(m[0]) + std::fabs(m[1]) + std::fabs(m[2]);
}

bool Outside(const Angles& a) {
  return !(std::fabs(a[0]) <= kAngleLimit && std::fabs(a[1]) <= kAngleLimit &&
           std::fabs(a[2]) <= kAngleLimit);
}
}  // namespace

NewtonSolver::Angles NewtonSolver::MomentsAt(const Angles& angles) {
  door_.Evaluate(angles[0] * kDegree, angles[1] * kDegree, angles[2] * kDegree);
  ++evaluations_;
  const XYZ& m = door_.TotalMoment;
  return {m.X, m.Y, m.Z};
}

long double NewtonSolver::Search(Angles& theta, bool careful, NewtonResult& result) {
  Angles moments = MomentsAt(theta);
  long double sum = Sum(moments);
  // Degrees of turn per N*m of moment, as the relaxation turns the door in one step.
  const long double relaxationStep = kDegree / door_.Sensitivity;
  long double h = kFirstStepInRelaxationSteps * relaxationStep;
  int iterations = 0;
  // Far from the balance the relaxation takes long strides, and where they land decides which
  // balance it settles in. Take those strides exactly as it does; the Newton steps begin once
  // the strides are short.
  for (int i = 0; i < kMaxFollowedSteps && !(tolerance_ > sum) && std::isfinite(sum); ++i) {
    const long double largest =
        relaxationStep *
        std::max({std::fabs(moments[0]), std::fabs(moments[1]), std::fabs(moments[2])});
    if (!(largest > kFollowedStrideDeg)) break;
    for (int k = 0; k < 3; ++k)
      theta[k] += relaxationStep * moments[k];
    moments = MomentsAt(theta);
    sum = Sum(moments);
    if (Outside(theta)) result.LeftAngleRange = true;
  }

  Matrix3 jacobian;  // N*m per degree
  bool haveJacobian = false;
  bool jacobianMeasured = false;  // measured at theta, not carried on by Broyden updates
  const auto measureJacobian = [&] {
    for (int j = 0; j < 3; ++j) {
      Angles shifted = theta;
      shifted[j] += kDifferenceDeg;
      const Angles m = MomentsAt(shifted);
      for (int i = 0; i < 3; ++i)
        jacobian.Rows[i][j] = (m[i] - moments[i]) / kDifferenceDeg;
    }
    haveJacobian = jacobianMeasured = true;
  };

  while (!(tolerance_ > sum) && iterations < kMaxIterations && std::isfinite(sum)) {
    if (!haveJacobian || (careful && !jacobianMeasured)) measureJacobian();
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
        const long double largest =
            std::max({std::fabs((*step)[0]), std::fabs((*step)[1]), std::fabs((*step)[2])});
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
    if (!taken) {
      // The relaxation's own step: small, and always the way the moments push.
      for (int i = 0; i < 3; ++i)
        theta[i] += relaxationStep * moments[i];
      moments = MomentsAt(theta);
      sum = Sum(moments);
      h = kFirstStepInRelaxationSteps * relaxationStep;
      haveJacobian = false;
    }
    if (Outside(theta)) result.LeftAngleRange = true;
    ++iterations;
    ++result.Iterations;
  }

  return sum;
}

NewtonResult NewtonSolver::Solve(long double& x, long double& y, long double& z) {
  door_.ComputeGeometry();
  evaluations_ = 0;
  NewtonResult result;
  const Angles start{x, y, z};
  result.LeftAngleRange = Outside(start);
  Angles theta = start;
  long double sum = Search(theta, false, result);
  StabilityMatrix stability = StabilityMatrix::At(door_, theta[0], theta[1], theta[2]);
  evaluations_ += kStabilityEvaluations;
  if (!(tolerance_ > sum) || !stability.Stable()) {
    // The quick pass stopped short or in a balance the door would not stay in: search again
    // from the start, measuring the Jacobian at every step so that every step length stays
    // on the relaxation's path. The better of the two ends is kept.
    Angles again = start;
    const long double sumAgain = Search(again, true, result);
    const StabilityMatrix stabilityAgain = StabilityMatrix::At(door_, again[0], again[1], again[2]);
    evaluations_ += kStabilityEvaluations;
    const bool convergedAgain = tolerance_ > sumAgain;
    const bool converged = tolerance_ > sum;
    if ((convergedAgain && !converged) ||
        (convergedAgain == converged && (stabilityAgain.Stable() || !stability.Stable()))) {
      theta = again;
      sum = sumAgain;
      stability = stabilityAgain;
    }
    // The door holds the evaluation of the angles kept.
    door_.Evaluate(theta[0] * kDegree, theta[1] * kDegree, theta[2] * kDegree);
    ++evaluations_;
  }
  result.Converged = tolerance_ > sum;
  result.MomentSum = sum;
  result.StaticallyUnstable = !stability.Stable();
  result.Evaluations = evaluations_;
  x = door_.RotX = theta[0];
  y = door_.RotY = theta[1];
  z = door_.RotZ = theta[2];
  return result;
}
