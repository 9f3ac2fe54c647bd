#pragma once

// One step of a parameter sweep: the value set and the balance found for it.
struct SweepPoint {
  long double Value = 0;
  long double RotX = 0, RotY = 0, RotZ = 0;  // degrees
  long double WingAttackDeg = 0;
  long double SpreadKN = 0;
  long double ResistanceKN = 0;  // x of the forces that hold the door back: negative
  long double VerticalKN = 0;
  // Spread force over the size of the resistance: how much spread each newton of drag buys.
  long double SpreadOverResistance = 0;
  bool Converged = false;
  int Iterations = 0;         // as the method counts them
  long double MomentSum = 0;  // |Mx| + |My| + |Mz| at the angles found, N*m
};
