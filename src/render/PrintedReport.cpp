#include "PrintedReport.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QMarginsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include "CoefGraphs.h"
#include "ReportPainter.h"
#include "ReportPicture.h"
#include "ReportSource.h"
#include "UserLocale.h"
#include "lang/MessageTables.h"
#include "lang/TextCatalogue.h"
#include "model/EditableFields.h"
#include "model/StabilityMatrix.h"
#include "model/TBoard.h"
#include "report/DisplayFormats.h"

namespace {

constexpr double kMargin = 10;  // millimetres on every side
constexpr const char* kCellFormat = DisplayFormats::kPrintedCell;
// The graphs are drawn at this many pixels to the millimetre of their box on the page, so
// that their tick labels print at a readable size.
constexpr double kGraphPixelsPerMm = 4;
// Where the tables of the table pages begin, and the heights of their heads.
constexpr double kHydroTableTop = 126;
constexpr double kKeelTableTop = 126;
constexpr double kGroundTableTop = 176;
constexpr double kHeadRow = 2 * ReportPainter::kLineHeight;
// The graphs' boxes on their pages.
constexpr double kGraphTop = 13;
constexpr double kGraphHeight = 104;
// The eigenvalues of the stability matrix, as the details window shows them.
constexpr char kEigenvalueFormat[] = "####0.####";

PrintedReport::Table Copy(const CoefTable& source, const QStringList& fields) {
  PrintedReport::Table table;
  table.Fields = fields;
  const int rows = std::clamp(source.Count, 0, source.Capacity());
  for (int r = 0; r < rows; ++r) {
    std::vector<double> row;
    for (int c = 0; c < static_cast<int>(fields.size()); ++c)
      row.push_back(static_cast<double>(source.At(r, c)));
    table.Rows.push_back(std::move(row));
  }
  return table;
}

// How many rows of a table fit on a page of the given height from y down.
int RowsThatFit(double y, double height) {
  return std::max(0,
                  static_cast<int>(std::floor((height - y) / ReportPainter::kLineHeight + 1e-9)));
}

// The further pages a table of `rows` rows takes when it starts at `top` with a head of
// `head` millimetres and goes on under the same head.
int FurtherPages(int rows, double top, double head, double height) {
  const int first = RowsThatFit(top + head, height);
  if (rows <= first) return 0;
  const int each = std::max(1, RowsThatFit(head, height));
  return (rows - first + each - 1) / each;
}

QString EigenvalueText(const Matrix3::Eigenvalue& value) {
  const QString real = UserNumberText(kEigenvalueFormat, value.real());
  // Round-off leaves a real root a tiny imaginary part; it is not worth printing.
  if (std::fabs(value.imag()) < 5e-5L) return real;
  return real + (value.imag() < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) +
         UserNumberText(kEigenvalueFormat, std::fabs(value.imag())) + QStringLiteral("i");
}

}  // namespace

struct PrintedReport::Run {
  QPagedPaintDevice& Device;
  ReportSource& Source;
  const TextCatalogue* Texts = nullptr;
  QString PrintedAt;
  QString Door;
  int TotalPages = 7;
  QPainter Painter;
  std::unique_ptr<ReportPainter> Page;
  bool Started = false;

  Run(QPagedPaintDevice& device, ReportSource& source) : Device(device), Source(source) {}
  QString Say(TextKey key) const { return QString::fromStdString(Texts->Text(key)); }
};

PrintedReport::PrintedReport() = default;
PrintedReport::~PrintedReport() = default;

PrintedReport::Table PrintedReport::HydroTable(const DoorInputs& door) {
  return Copy(door.Hydro, {"A", "Cx", "Cy", "Cd"});
}

PrintedReport::Table PrintedReport::KeelTable(const DoorInputs& door) {
  return Copy(door.KeelGeom, {"Z", "X", "Y"});
}

PrintedReport::Table PrintedReport::GroundTable(const DoorInputs& door) {
  return Copy(door.Ground, {"A", "X"});
}

bool PrintedReport::Print(QPagedPaintDevice& device, ReportSource& source,
                          const TextCatalogue& texts, const QString& printedAt,
                          const QString& doorFile) {
  pages_.clear();
  Run run(device, source);
  run.Texts = &texts;
  run.PrintedAt = printedAt;
  run.Door = doorFile.isEmpty() ? Own(run, "UnsavedDoor", "unsaved door") : doorFile;
  // One paper for the whole document, the device's own: a printer with one tray neither
  // stops nor scales in the middle of it.
  QPageLayout layout = device.pageLayout();
  layout.setUnits(QPageLayout::Millimeter);
  layout.setOrientation(QPageLayout::Portrait);
  layout.setMinimumMargins(QMarginsF());
  layout.setMargins(QMarginsF(kMargin, kMargin, kMargin, kMargin));
  device.setPageLayout(layout);
  run.TotalPages = PageCount(run);
  source.Update();
  FrontPage(run);
  if (!run.Painter.isActive()) return false;
  ProjectionPage(run, "Rep2", 1);
  ProjectionPage(run, "Rep3", 2);
  HydroPage(run);
  KeelPage(run);
  TrawlKeelPage(run);
  BalancePage(run);
  EndPage(run);
  run.Painter.end();
  return true;
}

QString PrintedReport::Own(const Run& run, const char* name, const char* english) const {
  const LinkedControl own = run.Source.Control("Rep", name);
  const QString text = QString::fromStdString(own.Caption);
  return own.Class == LinkedControl::Kind::None || text.isEmpty() ? QString::fromUtf8(english)
                                                                  : text;
}

int PrintedReport::PageCount(const Run& run) const {
  const double height = run.Device.pageLayout().paintRect(QPageLayout::Millimeter).height() -
                        ReportPainter::kHeadHeight;
  const DoorInputs& door = run.Source.Board().Inputs();
  const auto rows = [](const CoefTable& table) {
    return std::clamp(table.Count, 0, table.Capacity());
  };
  return 7 +
         FurtherPages(rows(door.Hydro), kHydroTableTop, kHeadRow + ReportPainter::kLineHeight,
                      height) +
         FurtherPages(rows(door.KeelGeom), kKeelTableTop, kHeadRow, height) +
         FurtherPages(rows(door.Ground), kGroundTableTop, kHeadRow, height);
}

void PrintedReport::StartPage(Run& run, const char* name) {
  if (!run.Started) {
    run.Started = run.Painter.begin(&run.Device);
    if (!run.Started) return;
  } else {
    EndPage(run);
    run.Device.newPage();
  }
  run.Page = std::make_unique<ReportPainter>(run.Painter, run.Device);
  pages_.push_back(PageRecord{name, {}, 0, {}, {}, {}});
  pages_.back().Paper = run.Device.pageLayout().fullRect(QPageLayout::Millimeter).size();
  QString number = Own(run, "PageOf", "Page %1 of %2");
  if (!number.contains(QLatin1String("%1"))) number = QStringLiteral("Page %1 of %2");
  number = number.arg(static_cast<int>(pages_.size())).arg(run.TotalPages);
  run.Page->RunningHead(run.Door, run.PrintedAt, number);
  Note(run, run.Door);
  Note(run, number);
}

void PrintedReport::EndPage(Run& run) {
  if (!run.Page || pages_.empty()) return;
  pages_.back().Layout = run.Page->Texts();
}

void PrintedReport::Note(Run&, const QString& text) {
  pages_.back().Texts.push_back(text);
}

QString PrintedReport::Link(Run& run, const char* form, const char* control, bool hintSource,
                            const QString& designCaption) {
  const LinkedControl linked = run.Source.Control(form, control);
  const QString text =
      QString::fromStdString(LinkLabelText(linked, hintSource, designCaption.toStdString()));
  Note(run, text);
  return text;
}

void PrintedReport::LinkImage(Run& run, const std::string& item,
                              const LinkImageBox::Rect& designBox, const ReportPicture& picture,
                              ReportPainter::Writer writer) {
  LinkImageBox& box = boxes_[item];
  box.Remember(designBox);
  const QSizeF size = picture.Size();
  const LinkImageBox::Rect placed = box.Place(size.width(), size.height());
  run.Page->Picture(QRectF(placed.Left, placed.Top, placed.Width, placed.Height), picture, writer);
  pages_.back().Pictures.push_back(placed);
}

void PrintedReport::PrintTable(Run& run, double y, double columnWidth, const QStringList& head,
                               const QStringList& units, const Table& table) {
  const double x = 10;
  ReportPainter* page = run.Page.get();
  const auto printHead = [&] {
    y += page->TableRow(x, y, columnWidth, head, true);
    for (const QString& cell : head)
      Note(run, cell);
    if (units.isEmpty()) return;
    y += page->TableRow(x, y, columnWidth, units);
    for (const QString& cell : units)
      Note(run, cell);
  };
  printHead();
  // Counted in rows, as the page count was, so the two never disagree.
  int room = RowsThatFit(y, page->Height());
  for (const std::vector<double>& row : table.Rows) {
    if (room == 0) {
      const std::string name = pages_.back().Name;
      const int rows = pages_.back().TableRows;
      StartPage(run, name.c_str());
      pages_.back().TableRows = rows;
      page = run.Page.get();
      y = 0;
      printHead();
      room = std::max(1, RowsThatFit(y, page->Height()));
    }
    QStringList cells;
    for (double value : row)
      cells.push_back(UserNumberText(kCellFormat, value));
    y += page->TableRow(x, y, columnWidth, cells);
    --room;
    for (const QString& cell : cells)
      Note(run, cell);
    ++pages_.back().TableRows;
  }
}

void PrintedReport::FrontPage(Run& run) {
  StartPage(run, "Rep");
  if (!run.Painter.isActive()) return;
  ReportPainter& page = *run.Page;
  const double width = page.Width();
  const QString title = run.Say(PrintTexts::kReportTitle);
  // The title in the middle of the frame, the printing time at its right.
  const QRectF header(0, 0, width, 12);
  page.Frame(header);
  page.Title(QRectF(width * 0.2, 0, width * 0.6, 12), title);
  page.Text(QRectF(width * 0.8, 0, width * 0.2 - 2, 12), run.PrintedAt,
            Qt::AlignRight | Qt::AlignVCenter);
  Note(run, title);
  Note(run, run.PrintedAt);

  double y = 16;
  const QString general = run.Say(PrintTexts::kGeneralData);
  y += page.Heading(0, y, general);
  Note(run, general);
  for (const auto& [label, edit] : std::array<std::pair<const char*, const char*>, 3>{
           {{"Label1", "Edit1"}, {"Label2", "Edit2"}, {"Label3", "Edit3"}}}) {
    const QString description = Link(run, "Envir_f", label, true);
    y += page.ValueRow(y, description, QString(), Link(run, "Envir_f", edit));
  }
  y += 3;
  const QString projections = run.Say(PrintTexts::kProjections);
  y += page.Heading(0, y, projections);
  Note(run, projections);
  const QString view = run.Say(PrintTexts::kFrontView);
  y += page.Heading(0, y, view);
  Note(run, view);
  for (int i = 0; i <= 6; ++i) {  // the front view's fields: y0 .. G
    const std::string name(kMainParams[static_cast<std::size_t>(i)].Name);
    const std::string label = "Label_" + name;
    const std::string edit = "Edit_" + name;
    const QString description = Link(run, "Proj_f", label.c_str(), true);
    const QString symbol = Link(run, "Proj_f", label.c_str());
    y += page.ValueRow(y, description, symbol, Link(run, "Proj_f", edit.c_str()));
  }
  y += 4;
  const double half = width / 2;
  const double height = page.Height() - y;
  LinkImage(run, "Rep.Image1", {0, y, half - 2, height}, run.Source.Picture("Proj_f", "Image1"),
            ReportPainter::Writer::Picture);
  LinkImage(run, "Rep.ScFront", {half + 2, y, half - 2, height},
            run.Source.Drawing("Proj_f", "ScFront"), ReportPainter::Writer::Scheme);
}

void PrintedReport::ProjectionPage(Run& run, const char* name, int view) {
  StartPage(run, name);
  ReportPainter& page = *run.Page;
  double y = 0;
  const QString projections = run.Say(PrintTexts::kProjections);
  y += page.Heading(0, y, projections);
  Note(run, projections);
  const QString heading = run.Say(view == 1 ? PrintTexts::kPlanView : PrintTexts::kSideView);
  y += page.Heading(0, y, heading);
  Note(run, heading);
  // Plan view: x0 .. b; side view: zh .. F.
  const int first = view == 1 ? 7 : 15;
  const int last = view == 1 ? 14 : 22;
  for (int i = first; i <= last; ++i) {
    const std::string field(kMainParams[static_cast<std::size_t>(i)].Name);
    const std::string label = "Label_" + field;
    const std::string edit = "Edit_" + field;
    const QString description = Link(run, "Proj_f", label.c_str(), true);
    const QString symbol = Link(run, "Proj_f", label.c_str());
    y += page.ValueRow(y, description, symbol, Link(run, "Proj_f", edit.c_str()));
  }
  y += 4;
  const double height = (page.Height() - y - 4) / 2;
  const char* image = view == 1 ? "Image2" : "Image3";
  const char* surface = view == 1 ? "ScPlan" : "ScSide";
  LinkImage(run, std::string(name) + "." + image, {0, y, page.Width(), height},
            run.Source.Picture("Proj_f", image), ReportPainter::Writer::Picture);
  const QRectF frame(0, y + height + 4, page.Width(), height);
  page.Frame(frame);
  LinkImage(run, std::string(name) + "." + surface,
            {frame.x() + 1, frame.y() + 1, frame.width() - 2, frame.height() - 2},
            run.Source.Drawing("Proj_f", surface), ReportPainter::Writer::Scheme);
}

QSize PrintedReport::GraphSize(double width, double height) {
  return {static_cast<int>(std::lround(kGraphPixelsPerMm * width)),
          static_cast<int>(std::lround(kGraphPixelsPerMm * height))};
}

void PrintedReport::GraphTitles(Run& run, const QString& vertical, const QString& horizontal) {
  ReportPainter& page = *run.Page;
  page.Text(QRectF(0, kGraphTop - ReportPainter::kLineHeight - 0.5, page.Width() / 2,
                   ReportPainter::kLineHeight),
            vertical);
  Note(run, vertical);
  page.Text(QRectF(page.Width() / 2, kGraphTop + kGraphHeight + 1, page.Width() / 2,
                   ReportPainter::kLineHeight),
            horizontal, Qt::AlignRight | Qt::AlignVCenter);
  Note(run, horizontal);
}

void PrintedReport::HydroPage(Run& run) {
  const Table table = HydroTable(run.Source.Board().Inputs());
  StartPage(run, "RepHydro");
  ReportPainter& page = *run.Page;
  const QString heading = run.Say(PrintTexts::kHydroCoefficients);
  page.Heading(0, 0, heading);
  Note(run, heading);
  // Each curve is named at its end, so the graph needs no legend of its own.
  GraphTitles(run, Own(run, "HydroAxisY", "Cx, Cy, Cd"),
              Own(run, "HydroAxisX", "Attack angle, [deg]"));
  LinkImage(run, "RepHydro.ScPic1", {0, kGraphTop, page.Width(), kGraphHeight},
            run.Source.Drawing("Hydro_f", "ScPic1", GraphSize(page.Width(), kGraphHeight)),
            ReportPainter::Writer::Graph);
  QStringList head;
  for (const char* label : {"Label1", "Label2", "Label3", "Label4"})
    head.push_back(Link(run, "Hydro_f", label));
  PrintTable(run, kHydroTableTop, 30, head, {run.Say(PrintTexts::kDegree)}, table);
}

void PrintedReport::KeelPage(Run& run) {
  const Table table = KeelTable(run.Source.Board().Inputs());
  StartPage(run, "RepKeel");
  ReportPainter& page = *run.Page;
  const QString heading = run.Say(PrintTexts::kKeelShape);
  page.Heading(0, 0, heading);
  Note(run, heading);
  const QString depth = Link(run, "KGeom_f", "LabelDepth1") + Link(run, "KGeom_f", "LabelDepth2") +
                        Link(run, "KGeom_f", "LabelDepth3");
  GraphTitles(run, depth, Own(run, "KeelAxisX", "Half chord, half thickness, [m]"));
  LinkImage(run, "RepKeel.ScPic1", {0, kGraphTop, page.Width(), kGraphHeight},
            run.Source.Drawing("KGeom_f", "ScPic1", GraphSize(page.Width(), kGraphHeight)),
            ReportPainter::Writer::Graph);
  // The legend names the two outlines by their colours.
  double x = 0;
  const double y = kGraphTop + kGraphHeight + 1;
  for (const auto& [label, colour] : std::array<std::pair<const char*, QColor>, 2>{
           {{"LabelChord", CoefGraphs::kChordColour},
            {"LabelThickness", CoefGraphs::kThicknessColour}}}) {
    page.Key(QRectF(x, y, 8, ReportPainter::kLineHeight), colour);
    const QString name = Link(run, "KGeom_f", label);
    page.Text(QRectF(x + 10, y, 35, ReportPainter::kLineHeight), name);
    x += 47;
  }
  QStringList head;
  for (const char* label : {"Label1", "Label2", "Label3"})
    head.push_back(Link(run, "KGeom_f", label, true));
  PrintTable(run, kKeelTableTop, 60, head, {}, table);
}

void PrintedReport::TrawlKeelPage(Run& run) {
  const Table table = GroundTable(run.Source.Board().Inputs());
  StartPage(run, "RepKT");
  ReportPainter& page = *run.Page;
  const double right = 118;
  const QString trawl = run.Say(PrintTexts::kTrawlInfluence);
  page.Heading(0, 0, trawl);
  Note(run, trawl);
  LinkImage(run, "RepKT.TrawlImage", {0, 8, right - 6, 72}, run.Source.Picture("Trawl_f", "Image1"),
            ReportPainter::Writer::Picture);
  double y = 10;
  for (const auto& [label, edit] : std::array<std::pair<const char*, const char*>, 2>{
           {{"Label1", "Edit1"}, {"Label2", "Edit2"}}}) {
    y += page.Text(QRectF(right, y, page.Width() - right, ReportPainter::kLineHeight),
                   Link(run, "Trawl_f", label));
    y += page.Text(QRectF(right, y, page.Width() - right, ReportPainter::kLineHeight),
                   Link(run, "Trawl_f", edit));
    y += 4;
  }

  const QString keel = run.Say(PrintTexts::kKeelPosition);
  page.Heading(0, 84, keel);
  Note(run, keel);
  LinkImage(run, "RepKT.KeelImage", {0, 92, 70, 70}, run.Source.Picture("KOrg_f", "Image1"),
            ReportPainter::Writer::Picture);
  y = 96;
  for (const auto& [label, edit] : std::array<std::pair<const char*, const char*>, 3>{
           {{"Label1", "Edit1"}, {"Label2", "Edit2"}, {"Label3", "Edit3"}}}) {
    // The caption is set before its value, so the page's text reads in that order (one
    // statement each: the order of a call's arguments is not fixed).
    const double caption =
        page.Text(QRectF(80, y, 40, ReportPainter::kLineHeight), Link(run, "KOrg_f", label));
    const double value =
        page.Text(QRectF(122, y, 40, ReportPainter::kLineHeight), Link(run, "KOrg_f", edit));
    y += std::max(caption, value) + 3;
  }

  const QString ground = run.Say(PrintTexts::kGroundCoefficients);
  page.Heading(0, kGroundTableTop - 8, ground);
  Note(run, ground);
  QStringList head;
  for (const char* label : {"Label1", "Label2"})
    head.push_back(Link(run, "Ground_f", label, true));
  PrintTable(run, kGroundTableTop, 60, head, {}, table);
}

void PrintedReport::StabilityLines(Run& run, double x, double y) {
  ReportPainter& page = *run.Page;
  TBoard door = run.Source.Board();
  const StabilityMatrix stability =
      StabilityMatrix::At(door, door.RotX(), door.RotY(), door.RotZ());
  const double width = page.Width() - x;
  const QString title = run.Say(StabilityTexts::kTitle);
  y += page.Text(QRectF(x, y, width, ReportPainter::kLineHeight), title);
  Note(run, title);
  QStringList values;
  for (const Matrix3::Eigenvalue& e : stability.Eigenvalues())
    values << EigenvalueText(e);
  const QString eigenvalues =
      run.Say(StabilityTexts::kEigenvalues) + values.join(QStringLiteral(";  "));
  y += page.Text(QRectF(x, y, width, ReportPainter::kLineHeight), eigenvalues);
  Note(run, eigenvalues);
  const QString verdict =
      Own(run, "Verdict", "The balance position is %1")
          .arg(run.Say(stability.Stable() ? StabilityTexts::kStable : StabilityTexts::kUnstable));
  page.Text(QRectF(x, y, width, ReportPainter::kLineHeight), verdict);
  Note(run, verdict);
}

void PrintedReport::BalancePage(Run& run) {
  StartPage(run, "RepBalance");
  ReportPainter& page = *run.Page;
  const QString heading = run.Say(PrintTexts::kBalancePosition);
  page.Heading(0, 0, heading);
  Note(run, heading);
  const double half = page.Width() / 2;
  LinkImage(run, "RepBalance.ScPic1", {0, 9, half - 2, 100},
            run.Source.Drawing("Balance_f", "ScPic1"), ReportPainter::Writer::Scheme);
  LinkImage(run, "RepBalance.ScPic2", {0, 111, half - 2, 66},
            run.Source.Drawing("Balance_f", "ScPic2"), ReportPainter::Writer::Scheme);
  // The front view's left edge lies at half the page's width.
  LinkImage(run, "RepBalance.ScPic3", {half, 9, half, 100},
            run.Source.Drawing("Balance_f", "ScPic3"), ReportPainter::Writer::Scheme);
  // The stability of the position under the front view, beside the plan view.
  StabilityLines(run, half + 2, 113);

  struct Group {
    const char* Caption;
    const char* Unit;  // a second caption line, or none
    std::array<const char*, 3> Fields;
    std::array<const char*, 3> Letters;
  };
  const std::array<Group, 4> groups = {{
      {"Panel6", nullptr, {"Edit7", "Edit8", "Edit9"}, {"x:", "y:", "z:"}},
      {"GroupBox4", nullptr, {"Edit10", "Edit11", "Edit12"}, {"X:", "Y:", "Z:"}},
      {"GroupBox2", "GroupBox2Unit", {"Edit4", "Edit5", "Edit6"}, {"X:", "Y:", "Z:"}},
      {"GroupBox1", "GroupBox1Unit", {"Edit1", "Edit2", "Edit3"}, {"X:", "Y:", "Z:"}},
  }};
  const double top = 182;
  const double column = page.Width() / 4;
  // Captions that wrap push their group's rows down; the rows of all groups stay level.
  double captions = 0;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const double x = column * static_cast<double>(g);
    double y = top;
    y += page.Text(QRectF(x, y, column - 2, ReportPainter::kLineHeight),
                   Link(run, "Balance_f", groups[g].Caption));
    y += page.Text(QRectF(x, y, column - 2, ReportPainter::kLineHeight),
                   groups[g].Unit != nullptr ? Link(run, "Balance_f", groups[g].Unit) : QString());
    captions = std::max(captions, y);
  }
  double bottom = captions;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const double x = column * static_cast<double>(g);
    double y = captions;
    for (std::size_t i = 0; i < 3; ++i) {
      page.Text(QRectF(x, y, 8, ReportPainter::kLineHeight), groups[g].Letters[i]);
      Note(run, groups[g].Letters[i]);
      y += page.Text(QRectF(x + 8, y, column - 12, ReportPainter::kLineHeight),
                     Link(run, "Balance_f", groups[g].Fields[i]));
    }
    bottom = std::max(bottom, y);
  }
  const double y = bottom + 2;
  const QString attack = run.Say(PrintTexts::kAttackAngle);
  const double row = page.Text(QRectF(0, y, 70, ReportPainter::kLineHeight), attack);
  Note(run, attack);
  page.Text(QRectF(72, y, 40, std::max(row, ReportPainter::kLineHeight)),
            Link(run, "Balance_f", "Edit13"));
}
