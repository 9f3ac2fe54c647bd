#include "ResultJson.h"

#include <cmath>

#include "model/BalanceFigures.h"
#include "model/StabilityMatrix.h"
#include "model/TBoard.h"

namespace {
using Json = nlohmann::ordered_json;

Json Vector(const XYZ& v) {
  return Json::array(
      {static_cast<double>(v.X), static_cast<double>(v.Y), static_cast<double>(v.Z)});
}

Json ForceJson(const TForce& f) {
  Json j = Json::object();
  j["point"] = Vector(f.Point);
  j["force"] = Vector(f.Force);
  return j;
}
}  // namespace

Json ResultJson(const TBoard& board, const SolveResult* search, const StabilityMatrix* stability) {
  const BalanceFigures figures = ComputeBalanceFigures(board);
  Json j = Json::object();
  j["mode"] = board.Inputs().Bottom ? "bottom" : "midwater";
  j["angles_deg"] = Vector({board.RotX(), board.RotY(), board.RotZ()});
  j["total_force"] = Vector(board.Result().TotalForce);
  j["total_moment"] = Vector(board.Result().TotalMoment);
  j["wing_attack_deg"] = static_cast<double>(figures.WingAttackDeg);
  Json forces = Json::object();
  forces["wing"] = ForceJson(board.Result().ForceWing);
  forces["stringer"] = ForceJson(board.Result().ForceStringer);
  forces["gravity"] = ForceJson(board.Result().ForceGravity);
  forces["upper_bridle"] = ForceJson(board.Result().ForceUpperBridle);
  forces["lower_bridle"] = ForceJson(board.Result().ForceLowerBridle);
  forces["ground"] = ForceJson(board.Result().ForceGround);
  j["forces"] = forces;
  j["resistance_kN"] = static_cast<double>(figures.ResistanceKN);
  j["spread_kN"] = static_cast<double>(figures.SpreadKN);
  j["vertical_kN"] = static_cast<double>(figures.VerticalKN);
  if (search) {
    j["iterations"] = search->Iterations;
    j["converged"] = search->Converged;
    j["left_angle_range"] = search->LeftAngleRange;
  }
  if (stability) AddStabilityJson(j, *stability);
  return j;
}

void AddStabilityJson(Json& j, const StabilityMatrix& stability) {
  Json matrix = Json::array();
  for (const auto& row : stability.Derivatives().Rows) {
    matrix.push_back(Json::array(
        {static_cast<double>(row[0]), static_cast<double>(row[1]), static_cast<double>(row[2])}));
  }
  j["stability_matrix"] = matrix;
  Json eigenvalues = Json::array();
  for (const auto& e : stability.Eigenvalues()) {
    eigenvalues.push_back(
        Json::array({static_cast<double>(e.real()), static_cast<double>(e.imag())}));
  }
  j["eigenvalues"] = eigenvalues;
  j["stable"] = stability.Stable();
}

std::optional<std::string> FirstNonFiniteFigure(const Json& result) {
  if (result.is_number_float()) {
    if (!std::isfinite(result.get<double>())) return std::string();
    return std::nullopt;
  }
  if (result.is_object()) {
    for (const auto& item : result.items()) {
      if (auto inner = FirstNonFiniteFigure(item.value())) {
        return item.key() + (inner->empty() || inner->front() == '[' ? "" : ".") + *inner;
      }
    }
  } else if (result.is_array()) {
    for (std::size_t i = 0; i < result.size(); ++i) {
      if (auto inner = FirstNonFiniteFigure(result[i])) {
        return "[" + std::to_string(i) + "]" +
               (inner->empty() || inner->front() == '[' ? "" : ".") + *inner;
      }
    }
  }
  return std::nullopt;
}
