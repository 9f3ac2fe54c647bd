#include "drawing/LabelPlacer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// Rings of places around the named point: next to it, then one to four label sizes further
// out.
constexpr int kRings = 5;

LabelPlacer::Box Normalised(long double h1, long double h2, long double v1, long double v2) {
  return {std::min(h1, h2), std::max(h1, h2), std::min(v1, v2), std::max(v1, v2)};
}

long double SquaredDistance(const LabelPlacer::Box& a, const LabelPlacer::Box& b) {
  const long double dh = a.HLow - b.HLow;
  const long double dv = a.VLow - b.VLow;
  return dh * dh + dv * dv;
}

}  // namespace

LabelPlacer::LabelPlacer(const Region& view, Metrics metrics)
    : view_(Normalised(view.HMin, view.HMin + view.HExtent, view.VMin, view.VMin + view.VExtent)),
      metrics_(std::move(metrics)),
      leftToRight_(view.HExtent >= 0) {}

void LabelPlacer::Reserve(const Box& box) {
  reserved_.push_back(box);
}

void LabelPlacer::Avoid(const Segment& segment) {
  segments_.push_back(segment);
}

bool LabelPlacer::Crosses(const Box& box, const Segment& segment) const {
  // The segment clipped to the box (Liang and Barsky): something of it left inside means a
  // cross. A line that only runs along the box's edge passes above or beside the letters.
  const long double hLow = box.HLow;
  const long double hHigh = box.HHigh;
  const long double vLow = box.VLow;
  const long double vHigh = box.VHigh;
  const long double dh = segment.H2 - segment.H1;
  const long double dv = segment.V2 - segment.V1;
  long double enter = 0;
  long double leave = 1;
  const auto clip = [&](long double p, long double q) {
    if (p == 0) return q > 0;  // parallel to this edge: inside it or not at all
    const long double t = q / p;
    if (p < 0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
    return enter < leave;
  };
  return clip(-dh, segment.H1 - hLow) && clip(dh, hHigh - segment.H1) &&
         clip(-dv, segment.V1 - vLow) && clip(dv, vHigh - segment.V1);
}

LabelPlacer::Box LabelPlacer::BoxAt(const std::string& text, Corner corner) const {
  const long double width = metrics_.TextWidth ? metrics_.TextWidth(text) : 0;
  return Normalised(corner.H, corner.H + width, corner.V, corner.V + metrics_.TextHeight);
}

LabelPlacer::Corner LabelPlacer::CornerOf(const Box& box) const {
  // Text runs right along the screen and down from its corner, whichever way the axes run.
  return {leftToRight_ ? box.HLow : box.HHigh, metrics_.TextHeight <= 0 ? box.VHigh : box.VLow};
}

bool LabelPlacer::Inside(const Box& box) const {
  return box.HLow >= view_.HLow + metrics_.PadH && box.HHigh <= view_.HHigh - metrics_.PadH &&
         box.VLow >= view_.VLow + metrics_.PadV && box.VHigh <= view_.VHigh - metrics_.PadV;
}

bool LabelPlacer::Crowded(const Box& a, const Box& b) const {
  return a.HLow < b.HHigh + metrics_.PadH && b.HLow < a.HHigh + metrics_.PadH &&
         a.VLow < b.VHigh + metrics_.PadV && b.VLow < a.VHigh + metrics_.PadV;
}

bool LabelPlacer::Free(const Box& box) const {
  return Inside(box) && Conflicts(box) == 0;
}

std::size_t LabelPlacer::Conflicts(const Box& box) const {
  if (!Inside(box)) return placed_.size() + reserved_.size() + segments_.size() + 1;
  const auto crowds = [&](const Box& other) { return Crowded(box, other); };
  const auto crosses = [&](const Segment& line) { return Crosses(box, line); };
  return static_cast<std::size_t>(std::count_if(placed_.begin(), placed_.end(), crowds) +
                                  std::count_if(reserved_.begin(), reserved_.end(), crowds) +
                                  std::count_if(segments_.begin(), segments_.end(), crosses));
}

// The box moved the least distance that brings it inside the view; a box larger than the view
// keeps to its low edges.
LabelPlacer::Box LabelPlacer::Clamped(Box box) const {
  const auto shift = [](long double low, long double high, long double min, long double max) {
    if (low < min || high - low > max - min) return min - low;
    if (high > max) return max - high;
    return 0.0L;
  };
  const long double dh =
      shift(box.HLow, box.HHigh, view_.HLow + metrics_.PadH, view_.HHigh - metrics_.PadH);
  const long double dv =
      shift(box.VLow, box.VHigh, view_.VLow + metrics_.PadV, view_.VHigh - metrics_.PadV);
  return {box.HLow + dh, box.HHigh + dh, box.VLow + dv, box.VHigh + dv};
}

LabelPlacer::Corner LabelPlacer::Place(const LabelRequest& label) {
  const Box preferred = BoxAt(label.Text, {label.H, label.V});
  const long double width = preferred.HHigh - preferred.HLow;
  const long double height = preferred.VHigh - preferred.VLow;

  std::vector<Box> candidates{preferred};
  for (int ring = 0; ring < kRings; ++ring) {
    const long double outH = metrics_.GapH + ring * (width + metrics_.PadH);
    const long double outV = metrics_.GapV + ring * (height + metrics_.PadV);
    for (int dh = -1; dh <= 1; ++dh) {
      for (int dv = -1; dv <= 1; ++dv) {
        if (dh == 0 && dv == 0) continue;
        const long double low =
            dh > 0 ? label.AnchorH + outH
                   : (dh < 0 ? label.AnchorH - outH - width : label.AnchorH - width / 2);
        const long double bottom =
            dv > 0 ? label.AnchorV + outV
                   : (dv < 0 ? label.AnchorV - outV - height : label.AnchorV - height / 2);
        candidates.push_back({low, low + width, bottom, bottom + height});
      }
    }
  }
  const std::size_t plain = candidates.size();
  for (std::size_t i = 0; i < plain; ++i)
    candidates.push_back(Clamped(candidates[i]));
  // Nearest to the place the rule gives first; on a tie the earlier candidate.
  std::stable_sort(candidates.begin(), candidates.end(), [&](const Box& a, const Box& b) {
    return SquaredDistance(a, preferred) < SquaredDistance(b, preferred);
  });

  // The nearest free place; failing one, the place with the fewest conflicts.
  Box chosen = Clamped(preferred);
  std::size_t fewest = std::numeric_limits<std::size_t>::max();
  for (const Box& candidate : candidates) {
    const std::size_t conflicts = Conflicts(candidate);
    if (conflicts < fewest) {
      chosen = candidate;
      fewest = conflicts;
      if (conflicts == 0) break;
    }
  }
  placed_.push_back(chosen);
  return CornerOf(chosen);
}
