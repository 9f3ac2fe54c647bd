#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QPageSize>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include "ReportPainter.h"
#include "print/LinkImageBox.h"

class QPagedPaintDevice;
class TextCatalogue;
class QPainter;
class ReportPainter;
class ReportPicture;
class ReportSource;
struct DoorInputs;

// The printed report of the door and its balance: seven pages in a fixed order (general data
// with the front view, the plan view, the side view, the hydrodynamic coefficients, the keel
// shape, the influence of trawl with the keel position and the ground coefficients, and the
// balance position with its stability). Most items print what a control of one of the windows
// shows, through the source; the three coefficient tables are copied from the door at every
// printing. A long table goes on over further pages.
//
// It is a document to hand over: every page is headed by the door's file, the date and
// "Page N of M", and all pages are of the one paper the device is set up with (a printer's
// paper, or the one the caller gave a PDF), with margins of 10 mm.
//
// One object lives as long as the program: its picture items remember the boxes of their
// first printing, so that a later printing lays the pages out the same way.
class PrintedReport {
 public:
  // One in-memory table of a table page: a row per row of the door's table.
  struct Table {
    QStringList Fields;
    std::vector<std::vector<double>> Rows;
  };

  // What was printed on one page, in millimetres inside the margins: the name of the page,
  // the boxes its pictures took, the rows its table listed and its texts in order.
  struct PageRecord {
    std::string Name;
    std::vector<LinkImageBox::Rect> Pictures;
    int TableRows = 0;
    QStringList Texts;
    // Where every text went on the page, its size and who wrote it, and the paper's size in
    // millimetres.
    std::vector<ReportPainter::TextBox> Layout;
    QSizeF Paper;
  };

  PrintedReport();
  ~PrintedReport();

  // Builds the document on a device nothing has been painted on yet, on the device's paper,
  // with its own headings from `texts`, every page headed by `doorFile` (the file's
  // name; empty for a door not saved yet) and `printedAt`. False when the device cannot be
  // painted on.
  bool Print(QPagedPaintDevice& device, ReportSource& source, const TextCatalogue& texts,
             const QString& printedAt, const QString& doorFile = QString());
  // The record of the last printing, a page per page of the report.
  const std::vector<PageRecord>& Pages() const { return pages_; }

  // The three in-memory tables as they stand for the door.
  static Table HydroTable(const DoorInputs& door);
  static Table KeelTable(const DoorInputs& door);
  static Table GroundTable(const DoorInputs& door);

 private:
  struct Run;

  void FrontPage(Run& run);
  void ProjectionPage(Run& run, const char* name, int view);
  void HydroPage(Run& run);
  void KeelPage(Run& run);
  void TrawlKeelPage(Run& run);
  void BalancePage(Run& run);

  // Starts a page under its running head; the first page is the one the device starts with.
  void StartPage(Run& run, const char* name);
  // Ends the page: its layout goes into its record.
  void EndPage(Run& run);
  // The pages the document will take: seven, and the pages its long tables go on over.
  int PageCount(const Run& run) const;
  // A text of the report's own from the language file, or the English one when the file has
  // none.
  QString Own(const Run& run, const char* name, const char* english) const;
  // Link items: the text a control shows, and its picture fitted into a box of the page.
  QString Link(Run& run, const char* form, const char* control, bool hintSource = false,
               const QString& designCaption = QString());
  void LinkImage(Run& run, const std::string& item, const LinkImageBox::Rect& designBox,
                 const ReportPicture& picture, ReportPainter::Writer writer);
  // The table under its head (and a row of units under it, when given) from y down,
  // continued on a further page of the same paper when it runs past the foot of the page.
  void PrintTable(Run& run, double y, double columnWidth, const QStringList& head,
                  const QStringList& units, const Table& table);
  void Note(Run& run, const QString& text);
  // The stability matrix's eigenvalues and the verdict on the position, from x, y down.
  void StabilityLines(Run& run, double x, double y);
  // A graph's axis titles: the vertical axis's above the graph, the horizontal one's below.
  void GraphTitles(Run& run, const QString& vertical, const QString& horizontal);
  // The size a graph of a box of the page is drawn at, pixels.
  static QSize GraphSize(double width, double height);

  std::map<std::string, LinkImageBox> boxes_;
  std::vector<PageRecord> pages_;
};
