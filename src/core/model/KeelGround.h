#pragma once

#include <vector>

#include "model/Rotation.h"
#include "model/XYZ.h"

class TBoard;

// The keel resting on the sea bed in bottom trawling: how deep it sinks, where the ground
// pushes back and how much the ground resists the towing, for the door turned by
// (alpha, beta, gamma). Reads the door's attack angles, so the door must be positioned first.
class KeelGround {
 public:
  KeelGround(const TBoard& board, long double alpha, long double beta, long double gamma);
  // The same with the turn by (alpha, beta, gamma) already worked out, as an evaluation has it.
  KeelGround(const TBoard& board, long double gamma, const Rotation& turn);
  // The same with the ground normal force already known, as an evaluation has it from the
  // plates' forces it has just formed.
  KeelGround(const TBoard& board, long double gamma, const Rotation& turn, long double normalForce);

  // Weight not carried by the hydrodynamic lift: max(0, G - vertical spread of wing and
  // stringer), N.
  long double GroundNormalForce() const;
  // Depth the keel sinks to, m: the ground carries the normal force on the keel's cross-section.
  long double PenetrationDepth() const;
  // Side area of the keel below depth z, m^2.
  long double KeelSideArea(long double z) const;
  // X component of the ground reaction, N (negative: against the towing).
  long double GroundResistance() const;
  // World point where the ground reaction acts: the vertex of a parabola through the lowest
  // point of the turned keel outline and its two neighbours.
  XYZ ContactPoint() const;

  // Keel outline in the body frame: down the fore edge, through the tip, up the aft edge.
  std::vector<XYZ> Outline() const;

 private:
  // The outline one point at a time, without building it: the mechanics asks for it at every
  // evaluation.
  int OutlineCount() const;
  XYZ OutlinePoint(int j) const;
  long double Residual(long double z) const;

  const TBoard& board_;
  long double gamma_;
  Rotation turn_;
  long double normalForce_ = 0;
  // Volume of ground the keel pushes aside, m^3: the depth times the cross-section there.
  long double sunkVolume_ = 0;
  // Centre of the keel's outline in the body frame: its chord line and the height of its tip.
  long double centreX_ = 0, centreY_ = 0, tipZ_ = 0;
};
