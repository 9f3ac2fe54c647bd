#pragma once

#include <array>
#include <string>

#include "io/DoorFileResult.h"
#include "model/BridleTerms.h"
#include "model/CoefTable.h"
#include "model/Range.h"
#include "model/Rotation.h"
#include "model/SolveResult.h"
#include "model/TForce.h"
#include "model/ViewSettings.h"
#include "model/XYZ.h"

inline constexpr int kMainParamCount = 23;

// The door model: every input of the otter board being analysed and every result of the last
// evaluation. Exactly one lives for the whole run; windows read and write its fields directly
// and call the operations afterwards.
//
// Body frame: origin at the warp attachment point, X forward along the chord (towards the
// leading edge), Y normal to the wing (the wing plane is Y = y0), Z up. Lengths in metres,
// forces in newtons, user angles in degrees, mechanics angles in radians.
class TBoard {
 public:
  TBoard();

  // Coefficient tables; their columns are named in CoefTable.h (kHydroCx, kKeelZi, ...).
  CoefTable Hydro{kHydroShape};
  CoefTable StringerHydro{kStringerHydroShape};  // only the creation defaults; nothing edits it
  CoefTable Ground{kGroundShape};
  CoefTable KeelGeom{kKeelGeomShape};

  // The 23 main parameters, in their stored order. Points are given as abscissa (from the
  // leading edge, aft positive), ordinate (from the wing plane) and applicate (from the lower
  // edge of the wing).
  long double y0 = 0, yc0 = 0, yc1 = 0, yh = 0, ys = 0, yg = 0;
  long double G = 0;  // weight, N
  long double x0 = 0, xc0 = 0, xc1 = 0, xg = 0;
  long double R = 0;   // resistance of net and rigging, N
  long double v = 0;   // trawling speed, m/s
  long double Fs = 0;  // total stringer area, m^2
  long double b = 0;   // wing chord, m
  long double zh = 0, zs = 0, zg = 0, z0 = 0, zc0 = 0, zc1 = 0;
  long double H = 0;  // wing height, m
  long double F = 0;  // wing area, m^2
  // Range records of the main parameters, in the same order.
  std::array<Range, kMainParamCount> Ranges{};

  // Environment, trawl and keel.
  long double WaterDensity = 0;   // kg/m^3
  long double GroundDensity = 0;  // kg/m^3
  long double GroundCoef = 0;     // cm^3/N
  long double BridleAngleH = 0;   // degrees
  long double BridleAngleV = 0;   // degrees
  long double xk = 0, yk = 0, zk = 0;
  long double bs = 0;  // stringer chord: b at creation, never edited

  // Mode and balance state.
  bool Bottom = true;
  long double RotX = 0, RotY = 0, RotZ = 0;  // degrees
  long double Sensitivity = 100;             // divisor of every solver step
  // The keel's sinking depth to full precision (halving until the interval stops shrinking)
  // instead of to a residual of 1 mm. Off, the ground force moves in small steps as the door
  // turns, and near a step no search brings the moments under 0.1 N*m; on, the balance moves
  // by a few thousandths of a degree. Not kept in the door file: a setting of the program.
  bool PreciseGround = false;
  std::string FrontPicture, PlanPicture, SidePicture;

  // Body-frame points, recomputed by ComputeGeometry. Arrays hold the numbered points of the
  // outlines in order: WingOutline[0..3] are corners 1..4, and so on.
  XYZ PtWingHydro, PtStringerHydro, PtGravity, PtUpperBridle, PtLowerBridle, PtKeelOrigin;
  std::array<XYZ, 4> WingOutline{};  // leading bottom, leading top, trailing top, trailing bottom
  std::array<XYZ, 4> WingAxes{};     // vertical line (0-1) and horizontal line (2-3)
  std::array<XYZ, 4> StringerOutline{};
  std::array<XYZ, 2> Bracket{};  // warp point and its foot on the wing plane
  std::array<XYZ, 2> UpperBridleLine{}, LowerBridleLine{};

  // The same points turned to RotX, RotY, RotZ by the last evaluation. PosWingHydro and
  // PosStringerHydro stand where the attack angles move the centres of pressure along the
  // chord. In bottom trawling PosKeelOrigin holds the ground contact point.
  XYZ PosWingHydro, PosStringerHydro, PosGravity, PosUpperBridle, PosLowerBridle, PosKeelOrigin;
  std::array<XYZ, 4> PosWingOutline{}, PosWingAxes{}, PosStringerOutline{};
  std::array<XYZ, 2> PosBracket{}, PosUpperBridleLine{}, PosLowerBridleLine{};

  // Results of the last evaluation.
  TForce ForceWing, ForceStringer, ForceGravity, ForceUpperBridle, ForceLowerBridle, ForceGround;
  XYZ TotalForce;   // N
  XYZ TotalMoment;  // N*m about the axes through the warp attachment point
  long double WingAttack = 0, StringerAttack = 0;  // radians
  // Directions of the plates' normals in the Y-Z plane at the last positioning, radians from +Y
  // towards +Z (worked out when asked: the evaluation itself needs only their sines and cosines).
  long double WingNormalDir() const;
  long double StringerNormalDir() const;

  void SetDefaults();
  // Recomputes the body-frame points from the inputs and resets the positioned points to them.
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
  // iterations pass; the angles reached are also stored in RotX, RotY, RotZ.
  SolveResult Solve(long double& x, long double& y, long double& z, long double tolerance,
                    const ProcessMessages& processMessages = {});

  // Loads a door data file, all or nothing: on any problem the door is left exactly as it was
  // and the result names the file, the line and what was expected there. On success the
  // tables, main parameters with their ranges, environment, mode and picture names are
  // replaced and the geometry recomputed; the window settings of the file
  // (balance angles included) go to *view. StringerHydro, bs, Sensitivity and RotX/Y/Z are
  // not part of the file and stay as they are.
  DoorFileResult LoadFromFile(const std::string& path, ViewSettings* view = nullptr);
  // Writes the door and the given window settings; the previous file is replaced only once the
  // new one is completely on disk.
  DoorFileResult SaveToFile(const std::string& path, const ViewSettings& view) const;

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
  // Kept from one evaluation to the next; refreshes itself when the inputs change.
  BridleTerms bridleTerms_;
  // The plates' normals turned by the last positioning.
  XYZ wingNormal_, stringerNormal_;
  // Turns the body points the forces act at, except the centres of pressure.
  void TurnBodyToPositioned(const Rotation& turn);
  // The turn of the last positioning, kept for TurnOutlines.
  Rotation lastTurn_{0, 0, 0};
  // Turns the outlines only the drawings read.
  void TurnOutlinesBy(const Rotation& turn);
};
