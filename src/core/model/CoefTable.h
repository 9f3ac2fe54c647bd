#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Coefficient tables: named columns of reals with a row count; only rows 0 .. Count-1 are
// meaningful. Column 0 is the key of the look-up and must be strictly increasing.

inline constexpr int kTableCapacity = 101;
inline constexpr int kStringerTableCapacity = 16;
inline constexpr int kMaxTableColumns = 4;

// The fixed make-up of one kind of table.
struct TableShape {
  std::string_view Name{};  // as files and messages name the table
  int Capacity = 0;         // rows it holds at most, up to kTableCapacity
  int ColumnCount = 0;      // up to kMaxTableColumns
  std::array<std::string_view, kMaxTableColumns> Columns{};  // column 0 is the key
  // Tables of sizes measured from an origin: the first key and every other value must not be
  // negative. KeyOrigin says in the message where the keys count from.
  bool NotNegative = false;
  std::string_view KeyOrigin{};
};

// Wing and stringer hydrodynamic coefficients against the attack angle.
inline constexpr int kHydroAngle = 0;  // attack angle, degrees
inline constexpr int kHydroCx = 1;     // resistance coefficient
inline constexpr int kHydroCy = 2;     // spread (lift) coefficient
inline constexpr int kHydroCd = 3;     // application point, fraction of the chord
inline constexpr TableShape kHydroShape{.Name = "Hydro",
                                        .Capacity = kTableCapacity,
                                        .ColumnCount = 4,
                                        .Columns = {"Angle", "Cx", "Cy", "Cd"}};
inline constexpr TableShape kStringerHydroShape{.Name = "StringerHydro",
                                                .Capacity = kStringerTableCapacity,
                                                .ColumnCount = 4,
                                                .Columns = {"Angle", "Cx", "Cy", "Cd"}};

// Ground-dynamical coefficient of the keel against its attack angle.
inline constexpr int kGroundAngle = 0;  // attack angle of the keel, degrees
inline constexpr int kGroundCx = 1;     // ground-dynamical resistance coefficient
inline constexpr TableShape kGroundShape{
    .Name = "Ground", .Capacity = kTableCapacity, .ColumnCount = 2, .Columns = {"Angle", "Cx"}};

// Keel outline against the depth. Depths count up from the keel tip, so the keel-ground
// computation brackets the sunk depth between 0 and the last Zi and measures the side area
// down to the tip. A depth below the tip, or a negative chord or thickness, gives the keel a
// negative area: the ground would then push the door forward.
inline constexpr int kKeelZi = 0;  // depth measured up from the keel tip, m
inline constexpr int kKeelXi = 1;  // chord of the keel at that depth, m
inline constexpr int kKeelYi = 2;  // thickness of the keel at that depth, m
inline constexpr TableShape kKeelGeomShape{.Name = "KeelGeom",
                                           .Capacity = kTableCapacity,
                                           .ColumnCount = 3,
                                           .Columns = {"Zi", "Xi", "Yi"},
                                           .NotNegative = true,
                                           .KeyOrigin = "depths count up from the keel tip"};

// One coefficient table. Its storage is fixed (no allocation), so a table is copied, filled
// and looked up in without touching the heap.
class CoefTable {
 public:
  // An empty table of the given shape; the shape must outlive the table.
  explicit CoefTable(const TableShape& shape) : shape_(&shape) {}

  const TableShape& Shape() const { return *shape_; }
  std::string_view Name() const { return shape_->Name; }
  int Capacity() const { return shape_->Capacity; }
  int ColumnCount() const { return shape_->ColumnCount; }
  std::string_view ColumnName(int column) const;
  // The column names separated by blanks: "Angle Cx Cy Cd".
  std::string ColumnNames() const;
  // The column of that name, or -1.
  int ColumnIndex(std::string_view name) const;

  // Rows in use. Anything may be stored here; ValidateTable keeps a table whose count is not
  // from 2 to the capacity away from the mechanics.
  int Count = 0;

  // The value in a row (0 .. Capacity-1) and column (0 .. ColumnCount-1).
  long double& At(int row, int column) { return values_[Index(column)][Index(row)]; }
  long double At(int row, int column) const { return values_[Index(column)][Index(row)]; }
  // By column name; an unknown name throws std::invalid_argument.
  long double& At(int row, std::string_view column);
  long double At(int row, std::string_view column) const;
  // A column over all Capacity rows, used or not.
  std::span<long double> Column(int column);
  std::span<const long double> Column(int column) const;

  // No rows, every value 0.
  void Clear();

  // The same kind of table with the same row count and the same values in the rows in use;
  // what the rows beyond the count hold does not matter.
  bool operator==(const CoefTable& other) const;

 private:
  static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
  int CheckedColumn(std::string_view name) const;

  const TableShape* shape_;
  std::array<std::array<long double, kTableCapacity>, kMaxTableColumns> values_{};
};

// What is wrong with a table. Row is the 0-based row at fault, or -1 for the row count.
// Kind and the parts beside Message let a window say the same in its own language.
struct TableProblem {
  enum class Kind {
    TooFewRows,
    TooManyRows,
    NotFinite,
    NotIncreasing,
    NegativeKey,
    Negative,
    NotANumber
  };
  int Row = -1;
  std::string Message;
  Kind What = Kind::TooFewRows;
  int Count = 0;         // the rows the table has (TooFewRows, TooManyRows)
  int Capacity = 0;      // the rows it may hold (TooManyRows)
  std::string Column;    // the column at fault
  std::string Value;     // the value at fault, as the message writes it
  std::string Previous;  // the previous row's key (NotIncreasing)
};

// The one check every filler of a table runs before the table may reach the mechanics:
// 2 <= count <= capacity, a strictly increasing key column, finite values everywhere, and for
// a NotNegative shape a first key and other values not below 0. Row numbers in messages count
// from 1, as a user counts them.
std::optional<TableProblem> ValidateTable(const CoefTable& table);
