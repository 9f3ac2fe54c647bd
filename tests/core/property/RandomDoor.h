#pragma once

#include <cstdint>
#include <random>

#include "model/DoorInputs.h"
#include "model/ViewSettings.h"

// Random but valid doors for the property tests, from a fixed seed so that every run sees
// the same doors: every main parameter, environment value and range in a plausible span,
// tables of 2 to full capacity rows with strictly increasing keys (a keel from its tip down,
// chords and thicknesses not negative), either trawling mode.
// Values use all the bits of a long double, so a save that rounds cannot pass.
class RandomDoor {
 public:
  explicit RandomDoor(std::uint64_t seed) : random_(seed) {}

  DoorInputs Door();
  // A door as Door() makes it with every value its window's field would refuse moved just
  // inside that field's range: a door a file can hold. The solver's tests keep the wider
  // spans, which put the searches to harder tests.
  DoorInputs DoorWithinFieldLimits();
  ViewSettings View();
  long double Uniform(long double low, long double high);
  int Integer(int low, int high);

 private:
  std::mt19937_64 random_;
};
