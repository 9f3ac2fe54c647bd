#pragma once

#include <utility>

#include "model/BodyPoints.h"
#include "model/DoorInputs.h"
#include "model/Evaluation.h"
#include "model/Rotation.h"
#include "model/SolveResult.h"
#include "model/XYZ.h"

// The mechanics of one door: its inputs (a DoorInputs value), the body-frame points worked out
// from them, and the results of the last positioning or evaluation. Inputs change only as a
// whole or through Edit, and the points follow at once; the points and the results are read,
// never written, by everything outside.
//
// Body frame: origin at the warp attachment point, X forward along the chord (towards the
// leading edge), Y normal to the wing (the wing plane is Y = y0), Z up. Lengths in metres,
// forces in newtons, user angles in degrees, mechanics angles in radians.
class TBoard {
 public:
  // The default door.
  TBoard();
  explicit TBoard(const DoorInputs& inputs);

  const DoorInputs& Inputs() const { return inputs_; }
  // Takes other inputs; the body-frame points follow and the door stands unturned.
  void SetInputs(const DoorInputs& inputs);
  // Changes the inputs in place (change is called with them), then as SetInputs. For the
  // searches that try one value after another, which must not copy the door each time.
  template <class Change>
  void Edit(Change&& change) {
    std::forward<Change>(change)(inputs_);
    ComputeGeometry();
  }

  // The body-frame points of the inputs.
  const BodyPoints& Body() const { return body_; }
  // The last positioning or evaluation.
  const Evaluation& Result() const { return result_; }

  // The position the door was last balanced in or put at, degrees about X, Y and Z: a search
  // leaves the angles it reached here, and a window the angles it evaluates at.
  long double RotX() const { return rotX_; }
  long double RotY() const { return rotY_; }
  long double RotZ() const { return rotZ_; }
  void SetRotation(long double x, long double y, long double z);

  // Divisor of every angle step of the balance searches (100 at creation).
  long double Sensitivity() const { return sensitivity_; }
  void SetSensitivity(long double sensitivity) { sensitivity_ = sensitivity; }

  // The keel's sinking depth to full precision (halving until the interval stops shrinking)
  // instead of to a residual of 1 mm. Off, the ground force moves in small steps as the door
  // turns, and near a step no search brings the moments under 0.1 N*m; on, the balance moves
  // by a few thousandths of a degree. Not kept in the door file: a setting of the program.
  bool PreciseGround() const { return preciseGround_; }
  void SetPreciseGround(bool precise) { preciseGround_ = precise; }

  // Directions of the plates' normals in the Y-Z plane at the last positioning, radians from +Y
  // towards +Z (worked out when asked: the evaluation itself needs only their sines and cosines).
  long double WingNormalDir() const;
  long double StringerNormalDir() const;

  // Recomputes the body-frame points from the inputs and puts the door back unturned.
  void ComputeGeometry();
  // Orientation only: attack angles, normal directions, application points, positioned points.
  void Position(long double alpha, long double beta, long double gamma);
  // Positions the door and computes the six forces, their sum and the moments. Writes results
  // only: the inputs and the body-frame points stay as they are.
  void Evaluate(long double alpha, long double beta, long double gamma);
  // Evaluate without turning the drawn outlines (PosWingOutline, PosWingAxes,
  // PosStringerOutline, PosBracket and the bridle lines), which keep what they held: the
  // forces, moments, attack angles and application points are those Evaluate gives. For
  // searches, which call TurnOutlines once they stop.
  void EvaluateMoments(long double alpha, long double beta, long double gamma);
  // Turns the drawn outlines to the angles of the last positioning or evaluation.
  void TurnOutlines();
  // Searches the balance angles (degrees, in/out) until |Mx|+|My|+|Mz| < tolerance or 500
  // iterations pass; the angles reached are also stored as the rotation.
  SolveResult Solve(long double& x, long double& y, long double& z, long double tolerance,
                    const ProcessMessages& processMessages = {});

  // Hydrodynamic forces of the plates at the attack angles of the last positioning:
  // resistance D along -X and spread L along the normal's projection on the Y-Z plane.
  long double DynamicPressure() const;  // WaterDensity * v^2 / 2
  long double WingResistance() const;
  long double WingSpread() const;
  long double StringerResistance() const;
  long double StringerSpread() const;

  // Length of the drawn bridle stubs and their direction (pointing forward and inward).
  long double BridleStubLength() const;
  XYZ BridleDirection() const;

 private:
  // Position with the turn's sines and cosines already worked out.
  void PositionBy(const Rotation& turn);
  void CopyBodyToPositioned();
  // Turns the body points the forces act at, except the centres of pressure.
  void TurnBodyToPositioned(const Rotation& turn);
  // Turns the outlines only the drawings read.
  void TurnOutlinesBy(const Rotation& turn);

  DoorInputs inputs_;
  BodyPoints body_;
  Evaluation result_;
  long double rotX_ = 0, rotY_ = 0, rotZ_ = 0;
  long double sensitivity_ = 100;
  bool preciseGround_ = false;
  // What of the bridles depends on the inputs alone, worked out with the body points: the pull
  // of one bridle (fixed in the world frame, N) and the drawn stub from the attachment point
  // to its end.
  XYZ bridlePull_, bridleStub_;
  // The plates' normals turned by the last positioning.
  XYZ wingNormal_, stringerNormal_;
  // The turn of the last positioning, kept for TurnOutlines.
  Rotation lastTurn_{0, 0, 0};
};
