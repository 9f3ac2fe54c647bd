#include "PrintedReport.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QScreen>

#include "ReportPainter.h"
#include "ReportPicture.h"
#include "ReportSource.h"
#include "UserLocale.h"
#include "model/EditableFields.h"
#include "model/TBoard.h"
#include "print/PrintTexts.h"
#include "report/DisplayFormats.h"

namespace {

constexpr double kMargin = 10;  // millimetres on every side
constexpr const char* kCellFormat = DisplayFormats::kPrintedCell;
// The keel graph is drawn at five times its box on the page, a pixel per fifth of a millimetre.
constexpr double kKeelGraphZoom = 5;
// The screen size the hydrodynamic graph is drawn at when there is no screen.
constexpr QSize kFallbackScreen(1024, 768);

QString Text(const TwoLanguageText& text, int language) {
  const std::string_view chosen = text.In(language);
  return QString::fromUtf8(chosen.data(), static_cast<qsizetype>(chosen.size()));
}

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

}  // namespace

struct PrintedReport::Run {
  QPagedPaintDevice& Device;
  ReportSource& Source;
  int Language = 0;
  QString PrintedAt;
  QPainter Painter;
  std::unique_ptr<ReportPainter> Page;
  QPageSize::PageSizeId Paper = QPageSize::Letter;
  bool Started = false;

  Run(QPagedPaintDevice& device, ReportSource& source) : Device(device), Source(source) {}
  QString Say(const TwoLanguageText& text) const { return ::Text(text, Language); }
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

bool PrintedReport::Print(QPagedPaintDevice& device, ReportSource& source, int language,
                          const QString& printedAt) {
  pages_.clear();
  Run run(device, source);
  run.Language = language;
  run.PrintedAt = printedAt;
  source.Update();
  FrontPage(run);
  if (!run.Painter.isActive()) return false;
  ProjectionPage(run, "Rep2", 1);
  ProjectionPage(run, "Rep3", 2);
  HydroPage(run);
  KeelPage(run);
  TrawlKeelPage(run);
  BalancePage(run);
  run.Painter.end();
  return true;
}

void PrintedReport::StartPage(Run& run, const char* name, QPageSize::PageSizeId paper) {
  // A PDF takes each page's own paper; a printer that is already printing keeps the paper
  // it started with, and the page is laid out on that.
  const QPageLayout layout(QPageSize(paper), QPageLayout::Portrait,
                           QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Millimeter);
  const bool changeable = !run.Started || (run.Device.paintEngine() != nullptr &&
                                           run.Device.paintEngine()->type() == QPaintEngine::Pdf);
  if (changeable && !run.Device.pageLayout().isEquivalentTo(layout))
    run.Device.setPageLayout(layout);
  if (!run.Started) {
    run.Started = run.Painter.begin(&run.Device);
  } else {
    run.Device.newPage();
  }
  run.Paper = paper;
  run.Page = std::make_unique<ReportPainter>(run.Painter, run.Device);
  pages_.push_back(PageRecord{name, {}, 0, {}});
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
                              const LinkImageBox::Rect& designBox, const ReportPicture& picture) {
  LinkImageBox& box = boxes_[item];
  box.Remember(designBox);
  const QSizeF size = picture.Size();
  const LinkImageBox::Rect placed = box.Place(size.width(), size.height());
  run.Page->Picture(QRectF(placed.Left, placed.Top, placed.Width, placed.Height), picture);
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
  for (const std::vector<double>& row : table.Rows) {
    if (y + ReportPainter::kLineHeight > page->Height()) {
      const std::string name = pages_.back().Name;
      const int rows = pages_.back().TableRows;
      StartPage(run, name.c_str(), run.Paper);
      pages_.back().TableRows = rows;
      page = run.Page.get();
      y = 0;
      printHead();
    }
    QStringList cells;
    for (double value : row)
      cells.push_back(UserNumberText(kCellFormat, value));
    y += page->TableRow(x, y, columnWidth, cells);
    for (const QString& cell : cells)
      Note(run, cell);
    ++pages_.back().TableRows;
  }
}

void PrintedReport::FrontPage(Run& run) {
  StartPage(run, "Rep", QPageSize::Letter);
  if (!run.Painter.isActive()) return;
  ReportPainter& page = *run.Page;
  const double width = page.Width();
  const QRectF header(0, 0, width, 12);
  page.Frame(header);
  const QString title = run.Say(PrintTexts::kReportTitle);
  page.Title(header, title);
  page.Text(header.adjusted(0, 0, -3, 0), run.PrintedAt, Qt::AlignRight | Qt::AlignVCenter);
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
  LinkImage(run, "Rep.Image1", {0, y, half - 2, height}, run.Source.Picture("Proj_f", "Image1"));
  LinkImage(run, "Rep.ScFront", {half + 2, y, half - 2, height},
            run.Source.Drawing("Proj_f", "ScFront"));
}

void PrintedReport::ProjectionPage(Run& run, const char* name, int view) {
  StartPage(run, name, QPageSize::Letter);
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
            run.Source.Picture("Proj_f", image));
  const QRectF frame(0, y + height + 4, page.Width(), height);
  page.Frame(frame);
  LinkImage(run, std::string(name) + "." + surface,
            {frame.x() + 1, frame.y() + 1, frame.width() - 2, frame.height() - 2},
            run.Source.Drawing("Proj_f", surface));
}

void PrintedReport::HydroPage(Run& run) {
  const Table table = HydroTable(run.Source.Board().Inputs());
  StartPage(run, "RepHydro", QPageSize::Letter);
  ReportPainter& page = *run.Page;
  const QString heading = run.Say(PrintTexts::kHydroCoefficients);
  page.Heading(0, 0, heading);
  Note(run, heading);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen != nullptr ? screen->size() : kFallbackScreen;
  LinkImage(run, "RepHydro.ScPic1", {0, 9, page.Width(), 115},
            run.Source.Drawing("Hydro_f", "ScPic1", screenSize));
  QStringList head;
  for (const char* label : {"Label1", "Label2", "Label3", "Label4"})
    head.push_back(Link(run, "Hydro_f", label));
  PrintTable(run, 128, 30, head, {run.Say(PrintTexts::kDegree)}, table);
}

void PrintedReport::KeelPage(Run& run) {
  const Table table = KeelTable(run.Source.Board().Inputs());
  StartPage(run, "RepKeel", QPageSize::Letter);
  ReportPainter& page = *run.Page;
  const QString heading = run.Say(PrintTexts::kKeelShape);
  page.Heading(0, 0, heading);
  Note(run, heading);
  const LinkImageBox::Rect graph{0, 9, page.Width(), 110};
  const QSize zoomed(static_cast<int>(std::lround(kKeelGraphZoom * graph.Width)),
                     static_cast<int>(std::lround(kKeelGraphZoom * graph.Height)));
  LinkImage(run, "RepKeel.ScPic1", graph, run.Source.Drawing("KGeom_f", "ScPic1", zoomed));
  // The graph's axis labels: its legend and the title of the depth axis.
  const QString legend = Link(run, "KGeom_f", "LabelChord") + "   " +
                         Link(run, "KGeom_f", "LabelThickness") + "   " +
                         Link(run, "KGeom_f", "LabelDepth1") + Link(run, "KGeom_f", "LabelDepth2") +
                         Link(run, "KGeom_f", "LabelDepth3");
  page.Text(QRectF(0, 121, page.Width(), ReportPainter::kLineHeight), legend,
            Qt::AlignHCenter | Qt::AlignVCenter);
  QStringList head;
  for (const char* label : {"Label1", "Label2", "Label3"})
    head.push_back(Link(run, "KGeom_f", label, true));
  PrintTable(run, 128, 60, head, {}, table);
}

void PrintedReport::TrawlKeelPage(Run& run) {
  const Table table = GroundTable(run.Source.Board().Inputs());
  StartPage(run, "RepKT", QPageSize::Letter);
  ReportPainter& page = *run.Page;
  const double right = 118;
  const QString trawl = run.Say(PrintTexts::kTrawlInfluence);
  page.Heading(0, 0, trawl);
  Note(run, trawl);
  LinkImage(run, "RepKT.TrawlImage", {0, 8, right - 6, 72},
            run.Source.Picture("Trawl_f", "Image1"));
  double y = 10;
  for (const auto& [label, edit] : std::array<std::pair<const char*, const char*>, 2>{
           {{"Label1", "Edit1"}, {"Label2", "Edit2"}}}) {
    y += page.Text(QRectF(right, y, page.Width() - right, 2 * ReportPainter::kLineHeight),
                   Link(run, "Trawl_f", label));
    y += page.Text(QRectF(right, y, page.Width() - right, ReportPainter::kLineHeight),
                   Link(run, "Trawl_f", edit));
    y += 4;
  }

  const QString keel = run.Say(PrintTexts::kKeelPosition);
  page.Heading(0, 84, keel);
  Note(run, keel);
  LinkImage(run, "RepKT.KeelImage", {0, 92, 70, 70}, run.Source.Picture("KOrg_f", "Image1"));
  y = 96;
  for (const auto& [label, edit] : std::array<std::pair<const char*, const char*>, 3>{
           {{"Label1", "Edit1"}, {"Label2", "Edit2"}, {"Label3", "Edit3"}}}) {
    page.Text(QRectF(80, y, 30, ReportPainter::kLineHeight), Link(run, "KOrg_f", label));
    y += page.Text(QRectF(112, y, 40, ReportPainter::kLineHeight), Link(run, "KOrg_f", edit));
    y += 3;
  }

  const QString ground = run.Say(PrintTexts::kGroundCoefficients);
  page.Heading(0, 168, ground);
  Note(run, ground);
  QStringList head;
  for (const char* label : {"Label1", "Label2"})
    head.push_back(Link(run, "Ground_f", label, true));
  PrintTable(run, 176, 60, head, {}, table);
}

void PrintedReport::BalancePage(Run& run) {
  StartPage(run, "RepBalance", QPageSize::A4);
  ReportPainter& page = *run.Page;
  const QString heading = run.Say(PrintTexts::kBalancePosition);
  page.Heading(0, 0, heading);
  Note(run, heading);
  const double half = page.Width() / 2;
  LinkImage(run, "RepBalance.ScPic1", {0, 9, half - 2, 110},
            run.Source.Drawing("Balance_f", "ScPic1"));
  LinkImage(run, "RepBalance.ScPic2", {0, 121, half - 2, 70},
            run.Source.Drawing("Balance_f", "ScPic2"));
  // The front view's left edge lies at half the page's width.
  LinkImage(run, "RepBalance.ScPic3", {half, 9, half, 110},
            run.Source.Drawing("Balance_f", "ScPic3"));

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
  const double top = 198;
  const double column = page.Width() / 4;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const double x = column * static_cast<double>(g);
    double y = top;
    y += page.Text(QRectF(x, y, column - 2, ReportPainter::kLineHeight),
                   Link(run, "Balance_f", groups[g].Caption));
    y += page.Text(QRectF(x, y, column - 2, ReportPainter::kLineHeight),
                   groups[g].Unit != nullptr ? Link(run, "Balance_f", groups[g].Unit) : QString());
    for (std::size_t i = 0; i < 3; ++i) {
      page.Text(QRectF(x, y, 8, ReportPainter::kLineHeight), groups[g].Letters[i]);
      Note(run, groups[g].Letters[i]);
      y += page.Text(QRectF(x + 8, y, column - 12, ReportPainter::kLineHeight),
                     Link(run, "Balance_f", groups[g].Fields[i]));
    }
  }
  const double y = top + 6 * ReportPainter::kLineHeight;
  const QString attack = run.Say(PrintTexts::kAttackAngle);
  page.Text(QRectF(0, y, 60, ReportPainter::kLineHeight), attack);
  Note(run, attack);
  page.Text(QRectF(62, y, 40, ReportPainter::kLineHeight), Link(run, "Balance_f", "Edit13"));
}
