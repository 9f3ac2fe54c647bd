#pragma once

// What a three-view drawing shows.
struct ViewFlags {
  bool Hidden = false;  // draw every part in fixed order, no depth ordering
  bool Points = false;  // force application points with their letters
  bool Forces = true;   // force components
  bool Labels = true;   // labels of the force components
};
