#include "model/DoorInputs.h"

#include <cstddef>

namespace {

// Rows as they stand in the shape's column order.
template <std::size_t N, std::size_t C>
void Fill(CoefTable& t, const long double (&rows)[N][C]) {
  // The default tables fit the smallest capacity.
  static_assert(N <= static_cast<std::size_t>(kStringerTableCapacity) && C <= kMaxTableColumns);
  t.Clear();
  t.Count = static_cast<int>(N);
  for (std::size_t i = 0; i < N; ++i) {
    for (std::size_t c = 0; c < C; ++c)
      t.At(static_cast<int>(i), static_cast<int>(c)) = rows[i][c];
  }
}

constexpr long double kHydroRows[][4] = {{0, 0.1L, 0.01L, 0.6L},    {10, 0.12L, 0.23L, 0.3L},
                                         {20, 0.27L, 0.6L, 0.35L},  {30, 0.49L, 0.9L, 0.35L},
                                         {40, 0.91L, 1.15L, 0.35L}, {50, 1.05L, 1.07L, 0.3L},
                                         {90, 2.0L, 0.0L, 0.5L}};

constexpr long double kStringerRows[][4] = {{-90, 1.5L, 0, 0.5L},
                                            {-15, 0.19L, -0.36L, 0.49L},
                                            {-10, 0.13L, -0.29L, 0.49L},
                                            {-5, 0.08L, -0.121L, 0.35L},
                                            {0, 0, 0, 0.25L},
                                            {5, 0.08L, 0.121L, 0.35L},
                                            {10, 0.13L, 0.29L, 0.49L},
                                            {15, 0.19L, 0.36L, 0.49L},
                                            {90, 1.5L, 0, 0.5L}};

constexpr long double kGroundRows[][2] = {{0, 3.0L},  {10, 5.86L}, {20, 8.62L},
                                          {30, 9.8L}, {40, 15.0L}, {50, 17.1L}};

constexpr long double kKeelRows[][3] = {{0, 0, 0},
                                        {0.073L, 1.464L, 0.11L},
                                        {0.146L, 2.0L, 0.11L},
                                        {0.214L, 2.342L, 0.122L},
                                        {0.293L, 2.623L, 0.171L},
                                        {0.366L, 2.806L, 0.22L}};

// Range records in the stored order of the main parameters.
constexpr Range kUnitRange{0, 10, 0.1L};
constexpr Range kDefaultRanges[kMainParamCount] = {
    kUnitRange,          kUnitRange,      kUnitRange, kUnitRange,
    kUnitRange,          kUnitRange,                               // y0 .. yg
    {0, 100000, 1000},                                             // G
    kUnitRange,          kUnitRange,      kUnitRange, kUnitRange,  // x0 .. xg
    {0, 10000000, 1000},                                           // R
    kUnitRange,          kUnitRange,      kUnitRange,              // v, Fs, b
    kUnitRange,          kUnitRange,      kUnitRange, kUnitRange,
    kUnitRange,          kUnitRange,         // zh .. zc1
    {0.1L, 10, 0.1L},    {0.1L, 10, 0.1L}};  // H, F

}  // namespace

DoorInputs::DoorInputs() {
  for (int i = 0; i < kMainParamCount; ++i)
    Ranges[i] = kDefaultRanges[i];
  Bottom = true;
  Fill(Hydro, kHydroRows);
  Fill(StringerHydro, kStringerRows);
  Fill(Ground, kGroundRows);
  Fill(KeelGeom, kKeelRows);

  y0 = 0.6L;
  yc0 = 0.095L;
  yc1 = 0.095L;
  yh = 0;
  ys = 0;
  yg = 0.035L;
  G = 11513;
  x0 = 1.12L;
  xc0 = 2.655L;
  xc1 = 2.655L;
  xg = 1.44L;
  R = 29400;
  v = 2.15L;
  Fs = 1.0L;
  b = 3.4L;
  zh = 0.9L;
  zg = 0.285L;
  z0 = 1.0L;
  zs = z0 + 0.2L;
  zc0 = 1.25L;
  zc1 = 0.495L;
  F = 5.5L;
  H = F / b;

  WaterDensity = 1035;
  GroundDensity = 1640;
  GroundCoef = 0.33L;
  BridleAngleH = 15;
  BridleAngleV = 5;
  xk = 1.5L;
  yk = 0;
  zk = 0;
  bs = b;
}
