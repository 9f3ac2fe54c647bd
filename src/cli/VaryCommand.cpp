#include "VaryCommand.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "CliApp.h"
#include "model/EditableFields.h"
#include "model/MomentCriterion.h"
#include "model/RangeCheck.h"
#include "model/SingleVariableSearch.h"
#include "model/TBoard.h"
#include "numbers/NumberFormat.h"
#include "numbers/QuotedToken.h"

namespace {

struct CriterionName {
  const char* Option;
  const char* Text;
  MomentCriterion Criterion;
};

constexpr CriterionName kCriteria[] = {
    {"sum", "sum of the moments", MomentCriterion::Sum},
    {"x", "moment about X", MomentCriterion::X},
    {"y", "moment about Y", MomentCriterion::Y},
    {"z", "moment about Z", MomentCriterion::Z},
};

std::optional<CriterionName> FindCriterion(const std::string& option) {
  for (const CriterionName& c : kCriteria) {
    if (option == c.Option) return c;
  }
  return std::nullopt;
}

std::string MainParamNames() {
  std::string names;
  for (const EditableField& f : kMainParams) {
    if (!names.empty()) names += ' ';
    names += f.Name;
  }
  return names;
}

std::string RangeFaultText(RangeFault fault) {
  switch (fault) {
    case RangeFault::NotFinite:
      return "--from and --to must be finite numbers";
    case RangeFault::EqualEnds:
      return "--from and --to are equal: there is no range to search";
    case RangeFault::Reversed:
      break;
  }
  return "--from must be below --to";
}

const char* MethodName(SingleVariableSearch::Method method) {
  return method == SingleVariableSearch::Method::Bisection ? "bisection" : "scan";
}

// The figures as the solve dialog shows them.
constexpr std::string_view kValuePattern = "###########0.#######";

}  // namespace

void VaryCommand::AddTo(CLI::App& app) {
  CLI::App* cmd = app.add_subcommand(
      Name(), "Search one main parameter for a zero moment with the door at fixed angles");
  door_.AddTo(*cmd);
  cmd->add_option("--var", variable_, "The main parameter to vary: " + MainParamNames())
      ->required()
      ->type_name("NAME");
  cmd->add_option("--from", from_, "Lower end of the range to search")->required()->type_name("A");
  cmd->add_option("--to", to_, "Upper end of the range to search")->required()->type_name("B");
  cmd->add_option("--criterion", criterion_,
                  "What to bring to zero: sum (Mx + My + Mz, the default), x, y or z")
      ->type_name("sum|x|y|z");
  cmd->add_option("--angles", angles_,
                  "Rotation about X, Y and Z, degrees (default: the angles stored in FILE, "
                  "else 0 0 0)")
      ->expected(3)
      ->type_name("X Y Z");
  cmd->add_flag("--json", json_, "Print one JSON object");
}

int VaryCommand::Run(std::ostream& out, std::ostream& err) {
  TBoard board;
  if (auto problem = door_.ApplyTo(board)) return Fail(err, *problem);
  const int index = MainParamIndex(variable_);
  if (index < 0) {
    return Fail(err, "--var: " + QuotedToken(variable_) + " is not a main parameter; one of " +
                         MainParamNames());
  }
  long double from = 0, to = 0;
  if (auto problem = ParseReal(from_, "--from", from)) return Fail(err, *problem);
  if (auto problem = ParseReal(to_, "--to", to)) return Fail(err, *problem);
  if (auto fault = CheckRange(from, to)) return Fail(err, RangeFaultText(*fault));
  const std::optional<CriterionName> criterion = FindCriterion(criterion_);
  if (!criterion) {
    return Fail(err, "--criterion: " + QuotedToken(criterion_) + " is not one of sum, x, y, z");
  }
  // The value found becomes the door's: it must be one the door can hold.
  for (const long double end : {from, to}) {
    if (auto problem = CheckFieldValue(variable_, end)) return Fail(err, *problem);
  }
  AngleTriple a;
  if (auto problem = AnglesOrStored(board, angles_, "--angles", a)) return Fail(err, *problem);
  board.SetRotation(a[0], a[1], a[2]);

  SingleVariableSearch search(board, index, criterion->Criterion, from, to, a[0], a[1], a[2]);
  search.Run();
  // Printed either way; a figure that is not a number makes it no answer.
  std::optional<std::string> notFinite;
  if (!std::isfinite(static_cast<double>(search.Value())))
    notFinite = "value";
  else if (!std::isfinite(static_cast<double>(search.Criterion())))
    notFinite = "criterion";

  if (json_) {
    nlohmann::ordered_json j = nlohmann::ordered_json::object();
    j["variable"] = variable_;
    j["value"] = static_cast<double>(search.Value());
    j["criterion"] = static_cast<double>(search.Criterion());
    j["method"] = MethodName(search.SearchMethod());
    j["evaluations"] = search.Evaluations();
    out << j.dump() << "\n";
    return notFinite ? FailNotFinite(err, *notFinite) : kExitOk;
  }
  out << "Variable:             " << variable_ << " from " << FormatFloat(kValuePattern, from)
      << " to " << FormatFloat(kValuePattern, to) << "\n";
  out << "Rotation [deg]:       x " << FormatFloat("##0.000", a[0]) << "   y "
      << FormatFloat("##0.000", a[1]) << "   z " << FormatFloat("##0.000", a[2]) << "\n";
  out << "Value found:          " << FormatFloat(kValuePattern, search.Value()) << "\n";
  out << "Criterion [N*m]:      " << FormatFloat(kValuePattern, search.Criterion()) << " ("
      << criterion->Text << ")\n";
  out << "Search:               " << MethodName(search.SearchMethod()) << ", "
      << search.Evaluations() << " evaluations\n";
  if (search.SearchMethod() == SingleVariableSearch::Method::Bisection &&
      !search.ReachedTolerance()) {
    out << "Note:                 the criterion jumps across zero; the value nearest to zero "
           "is kept\n";
  }
  return notFinite ? FailNotFinite(err, *notFinite) : kExitOk;
}
