#include "UncertaintyCommand.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>

#include "CliApp.h"
#include "PositionOptions.h"
#include "analysis/CoefficientUncertainty.h"
#include "model/TBoard.h"
#include "numbers/NumberFormat.h"
#include "numbers/QuotedToken.h"

namespace {

// A relative uncertainty in per cent: a scaled table must keep its signs.
std::optional<std::string> ParsePercent(const std::string& text, const std::string& option,
                                        long double& out) {
  if (auto problem = ParseReal(text, option, out)) return problem;
  if (!(out >= 0 && out < 100))
    return option + ": must lie from 0 up to (not including) 100 per cent";
  return std::nullopt;
}

bool AllFinite(const CoefficientUncertainty::Result& r) {
  for (const CoefficientUncertainty::Band& b : r.Bands) {
    for (const long double v : {b.Nominal, b.Min, b.Max, b.P05, b.P95}) {
      if (!std::isfinite(v)) return false;
    }
  }
  return true;
}

}  // namespace

void UncertaintyCommand::AddTo(CLI::App& app) {
  CLI::App* cmd = app.add_subcommand(
      Name(),
      "The band of the balance when the wing's and the ground's coefficients are uncertain "
      "(seeded Monte Carlo)");
  door_.AddTo(*cmd);
  cmd->add_option("--wing", wing_,
                  "Relative uncertainty of the wing's Cx, Cy and Cd, per cent (default 10)")
      ->type_name("PCT");
  cmd->add_option("--ground", ground_,
                  "Relative uncertainty of the ground's Cx, per cent (default 10)")
      ->type_name("PCT");
  cmd->add_option("--samples", samples_, "Doors drawn (default 1000)")->type_name("N");
  cmd->add_option("--seed", seed_, "Seed of the draw (default 1): the same seed, the same doors")
      ->type_name("S");
  cmd->add_option("--threads", threads_,
                  "Threads to spread the doors over (default 0: one per core); the band is the "
                  "same whatever their number")
      ->type_name("N");
  cmd->add_flag("--json", json_, "Print one JSON object");
}

int UncertaintyCommand::Run(std::ostream& out, std::ostream& err) {
  TBoard board;
  if (auto problem = door_.ApplyTo(board)) return Fail(err, *problem);
  long double wing = 0, ground = 0;
  if (auto problem = ParsePercent(wing_, "--wing", wing)) return Fail(err, *problem);
  if (auto problem = ParsePercent(ground_, "--ground", ground)) return Fail(err, *problem);
  long long samples = 0, threads = 0;
  if (auto problem =
          ParseWhole(samples_, "--samples", 1, CoefficientUncertainty::kMaxSamples, samples)) {
    return Fail(err, *problem);
  }
  if (auto problem = ParseWhole(threads_, "--threads", 0, 1024, threads))
    return Fail(err, *problem);
  std::uint64_t seed = 0;
  {
    const char* first = seed_.data();
    const char* last = first + seed_.size();
    const auto [end, fault] = std::from_chars(first, last, seed);
    if (fault != std::errc() || end != last) {
      return Fail(err, "--seed: " + QuotedToken(seed_) + " is not a whole number from 0 to " +
                           std::to_string(UINT64_MAX));
    }
  }
  CoefficientUncertainty::Widths widths;
  widths.WingCx = widths.WingCy = widths.WingCd = wing / 100;
  widths.GroundCx = ground / 100;
  const AngleTriple start{board.RotX(), board.RotY(), board.RotZ()};
  CoefficientUncertainty mc(board, widths, static_cast<int>(samples), seed, start,
                            kBalanceTolerance);
  const CoefficientUncertainty::Result r = mc.Run(static_cast<int>(threads));
  // Every door must balance and every figure be a number for the band to be told as found.
  const bool ok = r.NominalBalanced && r.Balanced == r.Samples && AllFinite(r);

  if (json_) {
    using Json = nlohmann::ordered_json;
    Json j = Json::object();
    j["mode"] = board.Inputs().Bottom ? "bottom" : "midwater";
    j["precise_ground"] = board.PreciseGround();
    j["wing_pct"] = static_cast<double>(wing);
    j["ground_pct"] = static_cast<double>(ground);
    j["samples"] = r.Samples;
    j["seed"] = seed;
    j["nominal_balanced"] = r.NominalBalanced;
    j["balanced"] = r.Balanced;
    Json quantities = Json::object();
    for (int q = 0; q < CoefficientUncertainty::kQuantityCount; ++q) {
      const CoefficientUncertainty::Band& b = r.Bands[static_cast<std::size_t>(q)];
      Json band = Json::object();
      band["nominal"] = static_cast<double>(b.Nominal);  // not a number: null
      band["min"] = static_cast<double>(b.Min);
      band["max"] = static_cast<double>(b.Max);
      band["p05"] = static_cast<double>(b.P05);
      band["p95"] = static_cast<double>(b.P95);
      quantities[std::string(CoefficientUncertainty::kNames[static_cast<std::size_t>(q)])] = band;
    }
    j["quantities"] = quantities;
    out << j.dump() << "\n";
  } else {
    out << "Uncertainty:          wing Cx, Cy, Cd +-" << FormatFloat("##0.##", wing)
        << " %, ground Cx +-" << FormatFloat("##0.##", ground) << " %\n";
    out << "Doors:                " << r.Balanced << " of " << r.Samples << " balanced (seed "
        << seed << ")" << (r.NominalBalanced ? "" : "; the nominal door does NOT balance") << "\n";
    const int w = 12;
    out << std::setw(16) << "" << std::setw(w) << "nominal" << std::setw(w) << "min" << std::setw(w)
        << "5 %" << std::setw(w) << "95 %" << std::setw(w) << "max"
        << "\n";
    for (int q = 0; q < CoefficientUncertainty::kQuantityCount; ++q) {
      const CoefficientUncertainty::Band& b = r.Bands[static_cast<std::size_t>(q)];
      const auto cell = [](long double v) {
        return std::isfinite(v) ? FormatFloat("####0.000", v) : std::string("-");
      };
      out << std::left << std::setw(16)
          << CoefficientUncertainty::kNames[static_cast<std::size_t>(q)] << std::right
          << std::setw(w) << cell(b.Nominal) << std::setw(w) << cell(b.Min) << std::setw(w)
          << cell(b.P05) << std::setw(w) << cell(b.P95) << std::setw(w) << cell(b.Max) << "\n";
    }
  }
  SuggestPreciseGround(board, r.Samples - r.Balanced, err);
  return ok ? kExitOk : kExitNotConverged;
}
