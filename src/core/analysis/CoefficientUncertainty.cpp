#include "analysis/CoefficientUncertainty.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "analysis/ParallelTasks.h"
#include "model/CoefTable.h"

namespace {
// 2^-53: the 53 high bits of an output as a fraction of [0, 1).
constexpr double kUnitFraction = 0x1.0p-53;

void ScaleColumn(CoefTable& table, int column, long double factor) {
  for (int row = 0; row < table.Count; ++row)
    table.At(row, column) *= factor;
}
}  // namespace

CoefficientUncertainty::CoefficientUncertainty(const TBoard& door, Widths widths, int samples,
                                               std::uint64_t seed, const AngleTriple& start,
                                               long double tolerance)
    : door_(door),
      widths_(widths),
      samples_(std::clamp(samples, 0, kMaxSamples)),
      seed_(seed),
      start_(start),
      tolerance_(tolerance) {}

std::vector<std::array<long double, 4>> CoefficientUncertainty::DrawFactors(Widths widths,
                                                                            int samples,
                                                                            std::uint64_t seed) {
  std::mt19937_64 engine(seed);
  const std::array<long double, 4> width{widths.WingCx, widths.WingCy, widths.WingCd,
                                         widths.GroundCx};
  std::vector<std::array<long double, 4>> factors(static_cast<std::size_t>(std::max(samples, 0)));
  for (auto& door : factors) {
    for (std::size_t c = 0; c < 4; ++c) {
      // In double, whose arithmetic every platform does alike: the factors are the same
      // everywhere, whatever its long double.
      const double u = static_cast<double>(engine() >> 11) * kUnitFraction;
      door[c] = 1.0 + static_cast<double>(width[c]) * (2.0 * u - 1.0);
    }
  }
  return factors;
}

long double CoefficientUncertainty::QuantityOf(const BalanceOutcome& balance, Quantity q) {
  switch (q) {
    case RotX:
      return balance.Angles[0];
    case RotY:
      return balance.Angles[1];
    case RotZ:
      return balance.Angles[2];
    case WingAttack:
      return balance.WingAttackDeg;
    case Spread:
      return balance.SpreadKN;
    case Resistance:
      return balance.ResistanceKN;
    case kQuantityCount:
      break;
  }
  return std::numeric_limits<long double>::quiet_NaN();
}

long double CoefficientUncertainty::Percentile(const std::vector<long double>& sorted,
                                               long double p) {
  if (sorted.empty()) return std::numeric_limits<long double>::quiet_NaN();
  const long double h =
      (static_cast<long double>(sorted.size()) - 1) * std::clamp<long double>(p, 0, 1);
  const auto below = static_cast<std::size_t>(std::floor(h));
  if (below + 1 >= sorted.size()) return sorted.back();
  return sorted[below] +
         (h - static_cast<long double>(below)) * (sorted[below + 1] - sorted[below]);
}

CoefficientUncertainty::Result CoefficientUncertainty::Run(int threads,
                                                           const std::atomic<bool>* cancel) {
  done_.store(0, std::memory_order_relaxed);
  Result result;
  result.Samples = samples_;
  TBoard nominal = door_;
  result.Nominal = BalanceDoor(nominal, start_, tolerance_);
  result.NominalBalanced = result.Nominal.Converged && result.Nominal.Finite();
  // Every door starts from the nominal balance, or where the nominal search began.
  const AngleTriple start = result.NominalBalanced ? result.Nominal.Angles : start_;

  const auto factors = DrawFactors(widths_, samples_, seed_);
  std::vector<BalanceOutcome> outcomes(factors.size());
  std::vector<char> finished(factors.size(), 0);
  RunParallelTasks(samples_, threads, cancel, [&](int i) {
    const auto& f = factors[static_cast<std::size_t>(i)];
    TBoard door = door_;
    door.Edit([&f](DoorInputs& inputs) {
      ScaleColumn(inputs.Hydro, kHydroCx, f[0]);
      ScaleColumn(inputs.Hydro, kHydroCy, f[1]);
      ScaleColumn(inputs.Hydro, kHydroCd, f[2]);
      ScaleColumn(inputs.Ground, kGroundCx, f[3]);
    });
    outcomes[static_cast<std::size_t>(i)] = BalanceDoor(door, start, tolerance_);
    finished[static_cast<std::size_t>(i)] = 1;
    done_.fetch_add(1, std::memory_order_relaxed);
  });
  result.Complete = SamplesDone() == samples_;

  std::array<std::vector<long double>, kQuantityCount> values;
  for (std::size_t i = 0; i < outcomes.size(); ++i) {
    const BalanceOutcome& o = outcomes[i];
    if (!finished[i] || !o.Converged || !o.Finite()) continue;
    ++result.Balanced;
    for (int q = 0; q < kQuantityCount; ++q)
      values[static_cast<std::size_t>(q)].push_back(QuantityOf(o, static_cast<Quantity>(q)));
  }
  const long double none = std::numeric_limits<long double>::quiet_NaN();
  for (int q = 0; q < kQuantityCount; ++q) {
    std::vector<long double>& v = values[static_cast<std::size_t>(q)];
    std::sort(v.begin(), v.end());
    Band& band = result.Bands[static_cast<std::size_t>(q)];
    band.Nominal =
        result.NominalBalanced ? QuantityOf(result.Nominal, static_cast<Quantity>(q)) : none;
    band.Min = v.empty() ? none : v.front();
    band.Max = v.empty() ? none : v.back();
    band.P05 = Percentile(v, 0.05L);
    band.P95 = Percentile(v, 0.95L);
  }
  return result;
}
