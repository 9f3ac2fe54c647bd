#pragma once

#include <array>
#include <string>

#include "model/CoefTable.h"
#include "model/Range.h"

inline constexpr int kMainParamCount = 23;

// Everything the user tells about one otter board, as one value: the coefficient tables, the 23
// main parameters with their ranges, the environment, the trawl and the keel, the trawling mode
// and the names of the door's pictures. A value is copied and compared as a whole; what the
// mechanics works out from it (the body-frame points, the forces of a position) is not part of
// it but computed from it (TBoard).
//
// Points are given as abscissa (from the leading edge, aft positive), ordinate (from the wing
// plane) and applicate (from the lower edge of the wing). Lengths in metres, forces in newtons,
// angles in degrees.
struct DoorInputs {
  // The default door: a flat door of 5.5 m^2 towed at 2.15 m/s.
  DoorInputs();

  // Coefficient tables; their columns are named in CoefTable.h (kHydroCx, kKeelZi, ...).
  CoefTable Hydro{kHydroShape};
  CoefTable StringerHydro{kStringerHydroShape};  // only the creation defaults; nothing edits it
  CoefTable Ground{kGroundShape};
  CoefTable KeelGeom{kKeelGeomShape};

  // The 23 main parameters, in their stored order.
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

  bool Bottom = true;  // bottom trawling (the keel on the ground); false: midwater
  std::string FrontPicture, PlanPicture, SidePicture;

  // Equal doors give equal figures everywhere. Tables compare by their rows in use.
  bool operator==(const DoorInputs&) const = default;
};
