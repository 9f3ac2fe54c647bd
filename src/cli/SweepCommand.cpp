#include "SweepCommand.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "CliApp.h"
#include "PositionOptions.h"
#include "model/EditableFields.h"
#include "model/ParameterSweep.h"
#include "model/TBoard.h"
#include "numbers/NumberFormat.h"
#include "numbers/QuotedToken.h"
#include "report/SweepCsv.h"

namespace {

// Enough for a fine curve, few enough that a typing slip cannot run for hours.
constexpr int kMaxSteps = 1000000;

double JsonNumber(long double value) {
  return static_cast<double>(value);  // NaN is written as null
}

nlohmann::ordered_json PointJson(const SweepPoint& p) {
  using Json = nlohmann::ordered_json;
  Json point = Json::object();
  point["value"] = JsonNumber(p.Value);
  point["angles_deg"] = Json::array({JsonNumber(p.RotX), JsonNumber(p.RotY), JsonNumber(p.RotZ)});
  point["wing_attack_deg"] = JsonNumber(p.WingAttackDeg);
  point["spread_kN"] = JsonNumber(p.SpreadKN);
  point["resistance_kN"] = JsonNumber(p.ResistanceKN);
  point["vertical_kN"] = JsonNumber(p.VerticalKN);
  point["spread_over_resistance"] = JsonNumber(p.SpreadOverResistance);
  point["converged"] = p.Converged;
  point["iterations"] = p.Iterations;
  point["moment_sum"] = JsonNumber(p.MomentSum);
  return point;
}

// The first figure of a point that is not a finite number, named as in the JSON output. The
// spread over a resistance of exactly zero has no value and is written as such; it is no fault.
std::optional<std::string> NonFiniteFigure(const SweepPoint& p) {
  const std::pair<const char*, long double> figures[] = {{"value", p.Value},
                                                         {"angles_deg[0]", p.RotX},
                                                         {"angles_deg[1]", p.RotY},
                                                         {"angles_deg[2]", p.RotZ},
                                                         {"wing_attack_deg", p.WingAttackDeg},
                                                         {"spread_kN", p.SpreadKN},
                                                         {"resistance_kN", p.ResistanceKN},
                                                         {"vertical_kN", p.VerticalKN},
                                                         {"moment_sum", p.MomentSum}};
  for (const auto& [name, value] : figures)
    if (!std::isfinite(JsonNumber(value))) return std::string(name);
  if (p.ResistanceKN != 0 && !std::isfinite(JsonNumber(p.SpreadOverResistance)))
    return std::string("spread_over_resistance");
  return std::nullopt;
}

// The output formats, each written a point at a time as the sweep runs, so that the memory
// does not grow with the number of steps and a reader sees the rows as they come.
class SweepWriter {
 public:
  virtual ~SweepWriter() = default;
  virtual void Begin(std::ostream& out) = 0;
  virtual void Point(std::ostream& out, const SweepPoint& p) = 0;
  virtual void End(std::ostream& out) = 0;
};

class CsvWriter : public SweepWriter {
 public:
  explicit CsvWriter(std::string variable) : variable_(std::move(variable)) {}
  void Begin(std::ostream& out) override { WriteSweepCsvHeader(out, variable_); }
  void Point(std::ostream& out, const SweepPoint& p) override { WriteSweepCsvRow(out, p); }
  void End(std::ostream&) override {}

 private:
  std::string variable_;
};

class JsonWriter : public SweepWriter {
 public:
  JsonWriter(std::string variable, bool bottom, std::string method, int steps)
      : variable_(std::move(variable)),
        bottom_(bottom),
        method_(std::move(method)),
        steps_(steps) {}
  void Begin(std::ostream& out) override {
    nlohmann::ordered_json head = nlohmann::ordered_json::object();
    head["variable"] = variable_;
    head["mode"] = bottom_ ? "bottom" : "midwater";
    head["method"] = method_;
    head["steps"] = steps_;
    head["values"] = steps_ + 1;
    std::string text = head.dump();
    text.pop_back();  // the closing brace: the points follow
    out << text << ",\"points\":[";
  }
  void Point(std::ostream& out, const SweepPoint& p) override {
    if (any_) out << ',';
    any_ = true;
    out << PointJson(p).dump();
  }
  void End(std::ostream& out) override { out << "]}\n"; }

 private:
  std::string variable_;
  bool bottom_;
  std::string method_;
  int steps_;
  bool any_ = false;
};

class TableWriter : public SweepWriter {
 public:
  TableWriter(std::string variable, bool bottom, std::string method, int steps)
      : variable_(std::move(variable)),
        bottom_(bottom),
        method_(std::move(method)),
        steps_(steps) {}
  void Begin(std::ostream& out) override {
    out << "Sweep of " << variable_ << ", " << steps_ + 1 << " values, "
        << (bottom_ ? "bottom" : "midwater") << " trawling, " << method_ << "\n";
    out << std::setw(kWidth) << variable_ << std::setw(kWidth) << "x [deg]" << std::setw(kWidth)
        << "y [deg]" << std::setw(kWidth) << "z [deg]" << std::setw(kWidth) << "attack"
        << std::setw(kWidth) << "spread kN" << std::setw(kWidth) << "resist. kN"
        << std::setw(kWidth) << "vert. kN" << std::setw(kWidth) << "spr./res."
        << "  balanced\n";
  }
  void Point(std::ostream& out, const SweepPoint& p) override {
    const int w = kWidth;
    out << std::setw(w) << FormatFloat("######0.####", p.Value) << std::setw(w)
        << FormatFloat("##0.000", p.RotX) << std::setw(w) << FormatFloat("##0.000", p.RotY)
        << std::setw(w) << FormatFloat("##0.000", p.RotZ) << std::setw(w)
        << FormatFloat("##0.000", p.WingAttackDeg) << std::setw(w)
        << FormatFloat("####0.000", p.SpreadKN) << std::setw(w)
        << FormatFloat("####0.000", p.ResistanceKN) << std::setw(w)
        << FormatFloat("####0.000", p.VerticalKN) << std::setw(w)
        << (std::isfinite(p.SpreadOverResistance) ? FormatFloat("##0.000", p.SpreadOverResistance)
                                                  : std::string("-"))
        << (p.Converged ? "  yes" : "  NO") << "\n";
  }
  void End(std::ostream&) override {}

 private:
  static constexpr int kWidth = 11;
  std::string variable_;
  bool bottom_;
  std::string method_;
  int steps_;
};

}  // namespace

void SweepCommand::AddTo(CLI::App& app) {
  CLI::App* cmd = app.add_subcommand(
      Name(), "Balance the door for a row of values of one main parameter or environment value");
  door_.AddTo(*cmd);
  cmd->add_option("--vary", variable_, "The field to vary: " + SettingNames())
      ->required()
      ->type_name("NAME");
  cmd->add_option("--from", from_, "First value")->required()->type_name("A");
  cmd->add_option("--to", to_, "Last value")->required()->type_name("B");
  cmd->add_option("--steps", steps_,
                  "Number of steps from A to B (at least 1): N steps balance N + 1 values, both "
                  "ends included, as the sweep window's Steps do")
      ->required()
      ->type_name("N");
  cmd->add_option("--method", method_, "Balance search: relax (the default) or newton")
      ->type_name("relax|newton");
  cmd->add_option("--start", start_,
                  "Starting rotation of the first search, degrees (default: the angles stored "
                  "in FILE, else 0 0 0)")
      ->expected(3)
      ->type_name("X Y Z");
  auto* csv = cmd->add_flag("--csv", csv_, "Print comma-separated values with a header line");
  auto* json = cmd->add_flag("--json", json_, "Print one JSON object");
  csv->excludes(json);
}

int SweepCommand::Run(std::ostream& out, std::ostream& err) {
  if (method_ != "relax" && method_ != "newton") {
    return Fail(err, "--method: " + QuotedToken(method_) + " is not one of relax, newton");
  }
  TBoard board;
  if (auto problem = door_.ApplyTo(board)) return Fail(err, *problem);
  EditableField field{};
  if (auto problem = FindSetting(variable_, "--vary", field)) return Fail(err, *problem);
  long double from = 0, to = 0;
  if (auto problem = ParseReal(from_, "--from", from)) return Fail(err, *problem);
  if (auto problem = ParseReal(to_, "--to", to)) return Fail(err, *problem);
  for (const long double end : {from, to}) {
    if (auto problem = CheckFieldValue(variable_, end)) return Fail(err, *problem);
  }
  if (from == to) return Fail(err, "--from and --to are equal: there is nothing to sweep");
  int steps = 0;
  const char* first = steps_.data();
  const char* last = first + steps_.size();
  const auto [end, fault] = std::from_chars(first, last, steps);
  if (fault != std::errc() || end != last || steps < 1 || steps > kMaxSteps) {
    return Fail(err, "--steps: " + QuotedToken(steps_) + " is not a whole number from 1 to " +
                         std::to_string(kMaxSteps));
  }
  AngleTriple a;
  if (auto problem = AnglesOrStored(board, start_, "--start", a)) return Fail(err, *problem);

  ParameterSweep sweep(board, field, from, to, steps + 1,
                       method_ == "newton" ? BalanceMethod::Newton : BalanceMethod::Relaxation,
                       a[0], a[1], a[2], kBalanceTolerance);
  sweep.KeepOnlyLastPoint();
  std::unique_ptr<SweepWriter> writer;
  if (csv_) {
    writer = std::make_unique<CsvWriter>(variable_);
  } else if (json_) {
    writer = std::make_unique<JsonWriter>(variable_, board.Inputs().Bottom, method_, steps);
  } else {
    writer = std::make_unique<TableWriter>(variable_, board.Inputs().Bottom, method_, steps);
  }
  writer->Begin(out);
  int unbalanced = 0;
  std::optional<std::string> notFinite;
  while (!sweep.Finished()) {
    sweep.Step();
    const SweepPoint& point = sweep.LastPoint();
    writer->Point(out, point);
    if (!point.Converged) ++unbalanced;
    if (!notFinite) {
      if (auto figure = NonFiniteFigure(point))
        notFinite = "points[" + std::to_string(sweep.Done() - 1) + "]." + *figure;
    }
  }
  writer->End(out);
  out.flush();
  if (notFinite) return FailNotFinite(err, *notFinite);
  SuggestPreciseGround(board, unbalanced, err);
  return unbalanced == 0 ? kExitOk : kExitNotConverged;
}
