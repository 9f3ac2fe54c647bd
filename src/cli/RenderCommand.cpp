#include "RenderCommand.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <utility>

#include <QByteArray>
#include <QSize>
#include <QString>

#include "CliApp.h"
#include "QtGuiSession.h"
#include "ResultJson.h"
#include "ThreeViewPicture.h"
#include "drawing/ViewFlags.h"
#include "io/AtomicFileWriter.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "numbers/QuotedToken.h"

namespace {

constexpr int kMaxSide = 8192;  // pixels

// The picture's own size unless --size gives another.
struct PageSize {
  int Width = ThreeViewPicture::PageSize().width();
  int Height = ThreeViewPicture::PageSize().height();
};

std::optional<PageSize> ParseSize(const std::string& text) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos || x == 0 || x + 1 >= text.size()) return std::nullopt;
  const auto number = [](const std::string& digits) -> std::optional<int> {
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    int value = 0;
    for (char c : digits) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + (c - '0');
    }
    if (value < 1 || value > kMaxSide) return std::nullopt;
    return value;
  };
  const auto width = number(text.substr(0, x));
  const auto height = number(text.substr(x + 1));
  if (!width || !height) return std::nullopt;
  return PageSize{*width, *height};
}

}  // namespace

void RenderCommand::AddTo(CLI::App& app) {
  CLI::App* cmd = app.add_subcommand(
      Name(), "Draw the balance window's three views of the door into a PNG or SVG file");
  door_.AddTo(*cmd);
  position_.AddTo(*cmd,
                  "Balance the door first, from the file's angles (tolerance 0.1 N*m); exit "
                  "status 3 when it does not balance");
  auto* png = cmd->add_option("--png", png_, "Write a PNG picture")->type_name("OUT.png");
  auto* svg = cmd->add_option("--svg", svg_, "Write an SVG picture")->type_name("OUT.svg");
  png->excludes(svg);
  cmd->add_flag("--points", points_, "Show the force application points");
  cmd->add_flag("--no-forces", noForces_, "Leave the force components out");
  cmd->add_flag("--no-labels", noLabels_, "Leave the labels of the force components out");
  cmd->add_flag("--hidden", hidden_, "Draw every part in fixed order, without depth ordering");
  cmd->add_option("--size", size_, "Picture size in pixels (default 550x550)")->type_name("WxH");
}

int RenderCommand::Run(std::ostream&, std::ostream& err) {
  if (png_.empty() && svg_.empty()) return Fail(err, "render: give --png OUT.png or --svg OUT.svg");
  PageSize size;
  if (!size_.empty()) {
    const auto parsed = ParseSize(size_);
    if (!parsed) {
      return Fail(err, "--size: expected WIDTHxHEIGHT in pixels, 1 to " + std::to_string(kMaxSide) +
                           ", not " + QuotedToken(size_));
    }
    size = *parsed;
  }
  TBoard board;
  if (auto problem = door_.ApplyTo(board)) return Fail(err, *problem);
  AngleTriple a{};
  std::optional<SolveResult> search;
  if (auto problem = position_.PlaceDoor(board, a, &search)) return Fail(err, *problem);
  const ThreeViewDrawing::Angles angleRad{a[0] * kDegree, a[1] * kDegree, a[2] * kDegree};
  board.Evaluate(angleRad[0], angleRad[1], angleRad[2]);
  if (auto figure = FirstNonFiniteFigure(ResultJson(board))) return FailNotFinite(err, *figure);

  const QtGuiSession qt;
  if (!qt.Ready()) return Fail(err, "render: drawing needs a Qt GUI application");

  ViewFlags flags;
  flags.Hidden = hidden_;
  flags.Points = points_;
  flags.Forces = !noForces_;
  flags.Labels = !noLabels_;
  ThreeViewPicture picture(board, flags, angleRad);
  QString state;
  if (search) {
    state = search->Converged
                ? QStringLiteral("Balanced after %1 iterations").arg(search->Iterations)
                : QStringLiteral("NOT balanced after %1 iterations").arg(search->Iterations);
  }
  picture.SetState(state);
  const QSize pixels(size.Width, size.Height);
  const std::string path = png_.empty() ? svg_ : png_;
  const std::optional<QByteArray> bytes =
      png_.empty() ? picture.SvgBytes(pixels, QStringLiteral("DoorTrim: three views of the door"))
                   : picture.PngBytes(pixels);
  // Encoded in memory first: the file is written by the one writer of every file, which
  // refuses what is not a regular file and reports a full disk as such.
  std::optional<std::string> problem;
  if (!bytes) {
    problem = "the picture could not be encoded";
  } else {
    problem = AtomicFileWriter().Replace(path, bytes->toStdString());
  }
  if (problem) {
    err << "doortrim-cli: " << ReadableLine("cannot write '" + path + "': " + *problem) << "\n";
    return kExitNotSaved;
  }
  if (search && !search->Converged) {
    err << "doortrim-cli: the door did not balance after " << search->Iterations
        << " iterations; the picture shows the last position\n";
    return kExitNotConverged;
  }
  return kExitOk;
}
