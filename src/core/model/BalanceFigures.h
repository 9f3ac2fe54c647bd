#pragma once

class TBoard;

// The door's totals as the balance window, the report and the command line show them, from
// the forces of the last evaluation.
struct BalanceFigures {
  long double ResistanceKN = 0;   // x of wing + stringer + ground force
  long double SpreadKN = 0;       // y of wing + stringer force
  long double VerticalKN = 0;     // z of wing + stringer + gravity force
  long double WingAttackDeg = 0;  // true attack angle of the wing
};

BalanceFigures ComputeBalanceFigures(const TBoard& board);
