#include "io/DoorValueProblems.h"

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/EditableFields.h"
#include "model/FieldLimits.h"

namespace {

FileProblem Said(TextKey key, std::vector<std::string> args) {
  return FileProblem{key, std::move(args), {}, {}};
}

}  // namespace

FileProblem TableFileProblem(std::string_view table, const TableProblem& problem) {
  using Kind = TableProblem::Kind;
  const std::string name(table);
  const std::string row = std::to_string(problem.Row + 1);
  switch (problem.What) {
    case Kind::TooFewRows:
      return Said(FileProblemTexts::kTableTooFewRows, {name, std::to_string(problem.Count)});
    case Kind::TooManyRows:
      return Said(FileProblemTexts::kTableTooManyRows,
                  {name, std::to_string(problem.Capacity), std::to_string(problem.Count)});
    case Kind::NotFinite:
    case Kind::NotANumber:
      return Said(FileProblemTexts::kTableNotFinite, {name, row, problem.Column});
    case Kind::NotIncreasing:
      return Said(FileProblemTexts::kTableNotIncreasing,
                  {name, row, problem.Column, problem.Value, problem.Previous});
    case Kind::NegativeKey:
      return Said(FileProblemTexts::kTableNegativeKey, {name, row, problem.Column, problem.Value});
    case Kind::Negative:
      break;
  }
  return Said(FileProblemTexts::kTableNegative, {name, row, problem.Column, problem.Value});
}

FileProblem FieldFileProblem(std::string_view name, long double value) {
  // The field check decides; its reason is only said again here.
  if (!CheckFieldValue(name, value)) return {};
  const std::optional<FieldLimits> limits = LimitsOfField(name);
  if (!std::isfinite(value) || !limits) {
    return Said(FileProblemTexts::kFieldNotFinite, {std::string(name)});
  }
  return Said(FileProblemTexts::kFieldOutOfRange, {std::string(name), limits->IntervalText()});
}
