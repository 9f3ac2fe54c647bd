#pragma once

// Where a printed picture goes inside the box the page gives it. The box is the one laid out
// for the page; it is remembered at the first printing, so that every later printing fits
// into the same box rather than into the place the previous picture took. Units are those of
// the page (millimetres).
class LinkImageBox {
 public:
  struct Rect {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
  };

  // The layout's box, as the page asks for it at every printing; only the first call counts.
  void Remember(const Rect& designBox);
  bool Remembered() const { return remembered_; }
  const Rect& DesignBox() const { return design_; }

  // The picture of the given size fitted into the remembered box without distortion: a
  // picture relatively wider than the box takes its full width, its height cut to a whole
  // number, and is centred vertically; any other takes the full height and is centred
  // horizontally. A picture without height counts as square.
  Rect Place(double pictureWidth, double pictureHeight) const;

 private:
  Rect design_;
  bool remembered_ = false;
};
