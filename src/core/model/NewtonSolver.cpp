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
constexpr long double kFirstStepInRelaxationSteps = 4;
// Growth of the step length after one step, at most: the moment sum rarely falls faster than
// this in a step that can be trusted.
constexpr long double kMaxStepGrowth = 16;
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

NewtonResult NewtonSolver::Solve(long double& x, long double& y, long double& z) {
  door_.ComputeGeometry();
  evaluations_ = 0;
  NewtonResult result;
  Angles theta{x, y, z};
  result.LeftAngleRange = Outside(theta);
  Angles moments = MomentsAt(theta);
  long double sum = Sum(moments);
  // Degrees of turn per N*m of moment, as the relaxation turns the door in one step.
  const long double relaxationStep = kDegree / door_.Sensitivity;
  long double h = kFirstStepInRelaxationSteps * relaxationStep;

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

  while (!(tolerance_ > sum) && result.Iterations < kMaxIterations && std::isfinite(sum)) {
    if (!haveJacobian) measureJacobian();
    bool taken = false;
    for (int retry = 0; retry <= kMaxRetries && !taken; ++retry) {
      Matrix3 implicit;
      for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
          implicit.Rows[i][j] = -jacobian.Rows[i][j];
        implicit.Rows[i][i] += 1 / h;
      }
      std::optional<Angles> step = implicit.Solve(moments);
      if (step) {
        const long double largest =
            std::max({std::fabs((*step)[0]), std::fabs((*step)[1]), std::fabs((*step)[2])});
        if (largest > kMaxStepDeg) {
          for (long double& s : *step)
            s *= kMaxStepDeg / largest;
        }
        const Angles trial{theta[0] + (*step)[0], theta[1] + (*step)[1],
                           theta[2] + (*step)[2]};
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
                                            jacobian.Rows[i][1] * d[1] +
                                            jacobian.Rows[i][2] * d[2];
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
    ++result.Iterations;
  }

  result.Converged = tolerance_ > sum;
  result.MomentSum = sum;
  // The stability check ends with an evaluation at theta, so the door holds its results.
  const StabilityMatrix stability = StabilityMatrix::At(door_, theta[0], theta[1], theta[2]);
  evaluations_ += kStabilityEvaluations;
  result.StaticallyUnstable = !stability.Stable();
  result.Evaluations = evaluations_;
  x = door_.RotX = theta[0];
  y = door_.RotY = theta[1];
  z = door_.RotZ = theta[2];
  return result;
}
