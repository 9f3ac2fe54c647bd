#pragma once

#include <array>

// The sweep window's names of the values it can vary, as its list shows them when no
// language file has set them: each field's symbol as Projections names it, its description
// and its unit. A language file sets them through the window's entries "Vary_<name>".
struct SweepVaryText {
  const char* Name;  // the model's name of the field
  const char* Text;
};

inline constexpr std::array<SweepVaryText, 31> kSweepVaryTexts = {{
    {"y0", "y0 — Ordinate of Warp attachment point, [m]"},
    {"yc0", "yc0 — Ordinate of Upper Bridle attachment point,[m]"},
    {"yc1", "yc1 — Ordinate of Lower Bridle attachment point,[m]"},
    {"yh", "yh — Ordinate of hydrodynamic force application point for Wing,[m]"},
    {"ys", "ys — Ordinate of hydrodynamic force application point for Stringer,[m]"},
    {"yg", "yg — Ordinate of centre of gravity,[m]"},
    {"G", "G — Force of gravity, [newton]"},
    {"x0", "x0 — Abscissa of Warp attachment point, [m]"},
    {"xc0", "xc0 — Abscissa of Upper Bridle attachment point, [m]"},
    {"xc1", "xc1 — Abscissa of Lower Bridle attachment point, [m]"},
    {"xg", "xg — Abscissa of Centre of gravity, [m]"},
    {"R", "R — Resistance of Net and Rigging, [newton]"},
    {"v", "v — Speed of Trawling, [m/sec]"},
    {"Fs", "Fs — Total Area of Stringers, [m*m]"},
    {"b", "b — Chord of Plane, [m]"},
    {"zh", "zh — Applicate of hydrodynamic force application point for Wing,[m]"},
    {"zs", "zs — Applicate of hydrodynamic force application point for Stringer,[m]"},
    {"zg", "zg — Applicate of centre of gravity,[m]"},
    {"z0", "z0 — Applicate of Warp attachment point, [m]"},
    {"zc0", "zc0 — Applicate of Upper Bridle attachment point, [m]"},
    {"zc1", "zc1 — Applicate of Lower Bridle attachment point, [m]"},
    {"H", "h — Height of Wing, [m]"},
    {"F", "F — Area of Wing, [m*m]"},
    {"WaterDensity", "Density of Water, [kg/m^3]"},
    {"GroundDensity", "Density of Ground, [kg/m^3]"},
    {"GroundCoef", "Coefficient of force out from ground, [cm^3/newton]"},
    {"BridleAngleH", "Bridle attack angle (horizontal projection), [deg]"},
    {"BridleAngleV", "Bridle attack angle (vertical projection), [deg]"},
    {"xk", "X keel — Abscissa of keel origin point, [m]"},
    {"yk", "Y keel — Ordinate of keel origin point, [m]"},
    {"zk", "Z keel — Applicate of keel origin point, [m]"},
}};
