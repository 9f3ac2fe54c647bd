#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string_view>
#include <vector>

#include "analysis/BalanceOutcome.h"
#include "model/TBoard.h"

// How far the balance may move when the flume-tank coefficients are off by what they carry:
// a seeded Monte Carlo of doors whose wing and ground coefficient tables are each scaled by one
// random factor per column.
//
// The draw is fixed to the bit, so a seed gives the same doors on every platform: the 64-bit
// Mersenne Twister (std::mt19937_64, whose output the C++ standard fixes) seeded with the seed;
// each door takes four outputs in this order, for the wing's Cx, Cy and Cd and the ground's
// Cx; an output w becomes u = (w >> 11) * 2^-53, evenly spread over [0, 1), and the factor
// 1 + p * (2u - 1), evenly spread over [1 - p, 1 + p] for a relative uncertainty p, worked out
// in double. (The library's own distributions are left alone: the standard does not fix their
// arithmetic.)
//
// Each door is balanced by the Newton search from the nominal balance; doors that do not
// balance are counted and left out of the band. The percentiles interpolate linearly between
// the sorted values (the p-th lies at (n - 1) p).
class CoefficientUncertainty {
 public:
  // The quantities whose band is measured, in this order.
  enum Quantity { RotX, RotY, RotZ, WingAttack, Spread, Resistance, kQuantityCount };
  // Their names in the command line's JSON.
  static constexpr std::array<std::string_view, kQuantityCount> kNames = {
      "rot_x_deg", "rot_y_deg", "rot_z_deg", "wing_attack_deg", "spread_kN", "resistance_kN"};

  static constexpr int kMaxSamples = 1000000;

  // Relative uncertainties, 0.1 for +-10 %.
  struct Widths {
    long double WingCx = 0, WingCy = 0, WingCd = 0, GroundCx = 0;
  };

  struct Band {
    long double Nominal = 0, Min = 0, Max = 0, P05 = 0, P95 = 0;
  };

  struct Result {
    bool NominalBalanced = false;
    BalanceOutcome Nominal;
    int Samples = 0;   // doors drawn
    int Balanced = 0;  // of them balanced: the band is theirs
    std::array<Band, kQuantityCount> Bands{};
    bool Complete = false;  // not cancelled
  };

  // The door balances first from the start angles (degrees) for the nominal figures.
  CoefficientUncertainty(const TBoard& door, Widths widths, int samples, std::uint64_t seed,
                         const AngleTriple& start, long double tolerance);

  // With `threads` threads (0: one per core); the result does not depend on their number.
  // A cancel request (checked between doors) leaves Complete false.
  Result Run(int threads = 0, const std::atomic<bool>* cancel = nullptr);
  int SamplesDone() const { return done_.load(std::memory_order_relaxed); }

  // The four factors of each door, in the order of the draw (wing Cx, Cy, Cd, ground Cx).
  static std::vector<std::array<long double, 4>> DrawFactors(Widths widths, int samples,
                                                             std::uint64_t seed);
  // The value of a quantity in a balance.
  static long double QuantityOf(const BalanceOutcome& balance, Quantity q);
  // The p-th percentile (0 <= p <= 1) of sorted values, interpolated; NaN for none.
  static long double Percentile(const std::vector<long double>& sorted, long double p);

 private:
  TBoard door_;
  Widths widths_;
  int samples_;
  std::uint64_t seed_;
  AngleTriple start_;
  long double tolerance_;
  std::atomic<int> done_{0};
};
