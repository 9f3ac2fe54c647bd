#pragma once

#include <array>

#include "model/SweepPoint.h"

class TBoard;

using AngleTriple = std::array<long double, 3>;

// A door balanced by the Newton search, with the figures the analyses read off it. This and
// EditableField are all the analyses know of the model: they copy a door, set one field, and
// balance it here.
struct BalanceOutcome {
  AngleTriple Angles{};  // rotation about X, Y, Z at the balance found (or the last reached), deg
  bool Converged = false;
  long double MomentSum = 0;  // |Mx| + |My| + |Mz| at the angles, N*m
  int Iterations = 0;         // Newton steps
  int Evaluations = 0;        // evaluations of the door
  long double WingAttackDeg = 0;
  long double SpreadKN = 0;
  long double ResistanceKN = 0;  // negative: it holds the door back
  long double VerticalKN = 0;
  // The ground's push on the keel, N (0 in midwater or once the door is lifted off).
  long double GroundNormalN = 0;
  // The weight the plates' lift leaves to the ground, N, with its sign: negative once the lift
  // would carry the door off the ground.
  long double UnliftedWeightN = 0;

  // Every figure is a number, so the balance can be told as a result.
  bool Finite() const;
  // The figures as one point of a sweep for the value given.
  SweepPoint AsSweepPoint(long double value) const;
};

// Recomputes the door's geometry and balances it by the Newton search from `start`; the door
// keeps the evaluation of the angles returned. tolerance bounds |Mx| + |My| + |Mz|, N*m.
BalanceOutcome BalanceDoor(TBoard& door, const AngleTriple& start, long double tolerance);

// The figures of the door's last evaluation, at the given angles, without a search.
BalanceOutcome FiguresOf(const TBoard& door, const AngleTriple& angles);
