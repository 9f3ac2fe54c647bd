#include "RandomDoor.h"

#include "model/CoefTable.h"
#include "model/EditableFields.h"
#include "model/FieldLimits.h"

#include <cmath>

namespace {

struct Span {
  long double Low, High;
};

// Spans of the main parameters in their stored order: m, N, m/s, m^2.
constexpr Span kMainSpans[kMainParamCount] = {
    {0.1L, 1.5L},  {-0.3L, 0.5L}, {-0.3L, 0.5L}, {-0.2L, 0.2L}, {-0.2L, 0.2L},  // y0..ys
    {-0.2L, 0.2L}, {500, 50000},                                                // yg, G
    {0.3L, 3},     {0, 5},        {0, 5},        {0, 4},                        // x0..xg
    {0, 100000},   {0.5L, 3.5L},  {0, 3},        {0.5L, 6},                     // R, v, Fs, b
    {0, 3},        {0, 3},        {0, 3},        {0.2L, 3},     {0, 3},        {0, 3},  // zh..zc1
    {0.3L, 4},     {0.5L, 15}};                                                         // H, F

// Environment, trawl and keel, in their stored order.
constexpr Span kEnvironmentSpans[] = {{1000, 1050}, {1200, 2200}, {0.05L, 2},    {-60, 60},
                                      {-45, 45},    {0, 3},       {-0.5L, 0.5L}, {-0.5L, 0.5L}};

// Strictly increasing keys in the table's rows in use from `first`, each step at least `minStep`.
void IncreasingKeys(RandomDoor& r, CoefTable& table, long double first, long double minStep,
                    long double maxStep) {
  long double key = first;
  for (int i = 0; i < table.Count; ++i) {
    table.At(i, 0) = key;
    key += r.Uniform(minStep, maxStep);
  }
}

}  // namespace

DoorInputs RandomDoor::DoorWithinFieldLimits() {
  DoorInputs door = Door();
  const auto keepWithin = [&door](const EditableField& field) {
    const FieldLimits limits = *LimitsOfField(field.Name);
    long double& value = door.*field.Field;
    if (limits.Admits(value)) return;
    // Folded into the range, keeping its many bits (no tiny or denormal value comes of it).
    const long double span = limits.Upper - limits.Lower;
    value = limits.Lower + std::fmod(std::fabs(value - limits.Lower), span);
    if (!limits.Admits(value)) value = limits.Lower + span / 2;
  };
  for (const EditableField& field : kMainParams)
    keepWithin(field);
  for (const EditableField& field : kEnvironmentFields)
    keepWithin(field);
  return door;
}

long double RandomDoor::Uniform(long double low, long double high) {
  return std::uniform_real_distribution<long double>(low, high)(random_);
}

int RandomDoor::Integer(int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random_);
}

DoorInputs RandomDoor::Door() {
  DoorInputs door;
  door.Bottom = Integer(0, 1) == 1;
  for (std::size_t i = 0; i < kMainParams.size(); ++i) {
    door.*kMainParams[i].Field = Uniform(kMainSpans[i].Low, kMainSpans[i].High);
    const long double from = Uniform(-10, 10);
    door.Ranges[i] = {from, from + Uniform(0, 100), Uniform(0, 5)};
  }
  for (std::size_t i = 0; i < kEnvironmentFields.size(); ++i)
    door.*kEnvironmentFields[i].Field =
        Uniform(kEnvironmentSpans[i].Low, kEnvironmentSpans[i].High);

  // Rows past the count stay zero, as after a load.
  door.Hydro.Clear();
  door.Ground.Clear();
  door.KeelGeom.Clear();
  CoefTable& hydro = door.Hydro;
  hydro.Count = Integer(2, kTableCapacity);
  IncreasingKeys(*this, hydro, Uniform(-90, 0), 0.1L, 180.0L / hydro.Count);
  for (int i = 0; i < hydro.Count; ++i) {
    hydro.At(i, kHydroCx) = Uniform(0, 2.5L);
    hydro.At(i, kHydroCy) = Uniform(-1, 2);
    hydro.At(i, kHydroCd) = Uniform(0, 1);
  }
  CoefTable& ground = door.Ground;
  ground.Count = Integer(2, kTableCapacity);
  IncreasingKeys(*this, ground, Uniform(-90, 0), 0.1L, 180.0L / ground.Count);
  for (int i = 0; i < ground.Count; ++i)
    ground.At(i, kGroundCx) = Uniform(0, 20);
  CoefTable& keel = door.KeelGeom;
  keel.Count = Integer(2, kTableCapacity);
  // Depths count up from the keel tip: the first row is the tip itself or lies above it.
  const long double firstDepth = Integer(0, 1) == 1 ? 0 : Uniform(0, 0.05L);
  IncreasingKeys(*this, keel, firstDepth, 0.001L, 0.6L / keel.Count);
  for (int i = 0; i < keel.Count; ++i) {
    keel.At(i, kKeelXi) = Uniform(0, 3);
    keel.At(i, kKeelYi) = Uniform(0, 0.3L);
  }
  return door;
}

ViewSettings RandomDoor::View() {
  ViewSettings view;
  view.ViewTab = Integer(0, 3);
  for (bool& on : view.ProjectionSwitches)
    on = Integer(0, 1) == 1;
  for (bool& on : view.BalanceSwitches)
    on = Integer(0, 1) == 1;
  for (long double& angle : view.Angles)
    angle = Uniform(-90, 90);
  return view;
}
