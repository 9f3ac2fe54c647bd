#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Coefficient tables: parallel columns with a row count; only rows 0 .. Count-1 are meaningful.
// The first column is the argument of the look-up and must be strictly increasing.

inline constexpr int kTableCapacity = 101;
inline constexpr int kStringerTableCapacity = 16;

template <int Cap>
struct HydroCoefs {
  static constexpr int Capacity = Cap;
  int Count = 0;
  std::array<long double, Cap> Angle{};  // attack angle, degrees
  std::array<long double, Cap> Cx{};     // resistance coefficient
  std::array<long double, Cap> Cy{};     // spread (lift) coefficient
  std::array<long double, Cap> Cd{};     // application point, fraction of the chord
};
using HydroTable = HydroCoefs<kTableCapacity>;
using StringerHydroTable = HydroCoefs<kStringerTableCapacity>;

struct GroundTable {
  static constexpr int Capacity = kTableCapacity;
  int Count = 0;
  std::array<long double, Capacity> Angle{};  // attack angle of the keel, degrees
  std::array<long double, Capacity> Cx{};     // ground-dynamical resistance coefficient
};

struct KeelGeomTable {
  static constexpr int Capacity = kTableCapacity;
  int Count = 0;
  std::array<long double, Capacity> Zi{};  // depth measured up from the keel tip, m
  std::array<long double, Capacity> Xi{};  // chord of the keel at that depth, m
  std::array<long double, Capacity> Yi{};  // thickness of the keel at that depth, m
};

// What is wrong with a table. Row is the 0-based row at fault, or -1 for the row count.
struct TableProblem {
  int Row = -1;
  std::string Message;
};

struct NamedColumn {
  std::string_view Name;
  std::span<const long double> Values;
};

// The one check every filler of a table runs before the table may reach the mechanics:
// 2 <= count <= capacity, a strictly increasing key column, finite values everywhere.
// Row numbers in messages count from 1, as a user counts them.
std::optional<TableProblem> ValidateTable(int count, int capacity, NamedColumn key,
                                          std::initializer_list<NamedColumn> others);

template <int Cap>
std::optional<TableProblem> ValidateTable(const HydroCoefs<Cap>& t) {
  return ValidateTable(t.Count, Cap, {"Angle", t.Angle},
                       {{"Cx", t.Cx}, {"Cy", t.Cy}, {"Cd", t.Cd}});
}
std::optional<TableProblem> ValidateTable(const GroundTable& t);
// The keel table besides: depths from 0 up (Zi[0] >= 0), chords and thicknesses not negative.
std::optional<TableProblem> ValidateTable(const KeelGeomTable& t);
