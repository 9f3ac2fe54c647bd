#pragma once

#include <functional>
#include <string>
#include <vector>

// A text to write in a view, in the view's world coordinates: where the drawing puts it by its
// own rule, and the point it names (an arrow tip or a force application point).
struct LabelRequest {
  std::string Text;
  long double H = 0;  // preferred top-left corner
  long double V = 0;
  long double AnchorH = 0;  // the point the text belongs to
  long double AnchorV = 0;
};

// Finds places for the labels of one view so that none runs out of the view, covers another
// or is struck through by a drawn line (a force arrow). A label goes where its drawing rule
// puts it when that place is free; otherwise it goes to the nearest free place around the
// point it names (the eight places beside, above and below that point, then the same a
// label's size further out, each also pushed back inside the view). When no place is free,
// the one with the fewest conflicts is taken. Labels are placed one after the other; earlier
// ones keep their places.
class LabelPlacer {
 public:
  // The view's world rectangle (extents may be negative: the axis then runs the other way).
  struct Region {
    long double HMin = 0;
    long double HExtent = 1;
    long double VMin = 0;
    long double VExtent = 1;
  };
  // Text sizes in world units as the surface measures them.
  struct Metrics {
    // Width of a text across; it has the sign of the view's horizontal extent.
    std::function<long double(const std::string&)> TextWidth;
    // Height of a line of text along the vertical axis: negative when that axis runs up the
    // screen, as text runs down from its top-left corner.
    long double TextHeight = 0;
    long double GapH = 0;  // distance kept from the named point, across and up (positive)
    long double GapV = 0;
    long double PadH = 0;  // room kept between two labels and inside the view's edges
    long double PadV = 0;
  };
  // An axis-aligned world rectangle, low and high ends per axis.
  struct Box {
    long double HLow = 0;
    long double HHigh = 0;
    long double VLow = 0;
    long double VHigh = 0;
  };
  struct Corner {
    long double H = 0;
    long double V = 0;
  };
  // A straight line drawn in the view.
  struct Segment {
    long double H1 = 0;
    long double V1 = 0;
    long double H2 = 0;
    long double V2 = 0;
  };

  LabelPlacer(const Region& view, Metrics metrics);

  // Something already written that labels must not cover (an axis letter).
  void Reserve(const Box& box);
  // A line already drawn that no label may cross (a force arrow).
  void Avoid(const Segment& segment);
  // The top-left corner where the label is to be written; its box counts from now on.
  Corner Place(const LabelRequest& label);

  // The rectangle a text covers when written with its top-left corner there.
  Box BoxAt(const std::string& text, Corner corner) const;
  // True when the box lies inside the view, off its edges by at least the padding.
  bool Inside(const Box& box) const;
  // True when the two boxes overlap or come nearer than the padding.
  bool Crowded(const Box& a, const Box& b) const;
  // True when some of the segment runs inside the box (along an edge is not inside).
  bool Crosses(const Box& box, const Segment& segment) const;
  // The boxes of the labels placed so far, in placing order, and the lines they avoid.
  const std::vector<Box>& Placed() const { return placed_; }
  const std::vector<Segment>& Avoided() const { return segments_; }

 private:
  bool Free(const Box& box) const;
  // How many labels, reserved boxes and lines the box runs into; a box outside the view
  // counts as many conflicts as there are things in the view.
  std::size_t Conflicts(const Box& box) const;
  Box Clamped(Box box) const;
  Corner CornerOf(const Box& box) const;

  Box view_;
  Metrics metrics_;
  bool leftToRight_;  // the horizontal axis runs right on the screen
  std::vector<Box> reserved_;
  std::vector<Box> placed_;
  std::vector<Segment> segments_;
};
