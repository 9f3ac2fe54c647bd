#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QPageSize>
#include <QString>
#include <QStringList>

#include "print/LinkImageBox.h"

class QPagedPaintDevice;
class QPainter;
class ReportPainter;
class ReportPicture;
class ReportSource;
struct DoorInputs;

// The printed report of the door and its balance: seven pages in a fixed order (general data
// with the front view, the plan view, the side view, the hydrodynamic coefficients, the keel
// shape, the influence of trawl with the keel position and the ground coefficients, and the
// balance position). Most items print what a control of one of the windows shows, through
// the source; the three coefficient tables are copied from the door at every printing.
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
  };

  PrintedReport();
  ~PrintedReport();

  // Builds the document on a device nothing has been painted on yet, in the language given
  // (0 English, 1 Russian), headed by `printedAt`. False when the device cannot be painted on.
  bool Print(QPagedPaintDevice& device, ReportSource& source, int language,
             const QString& printedAt);
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

  // Starts a page of the given paper; the first page is the one the device starts with.
  void StartPage(Run& run, const char* name, QPageSize::PageSizeId paper);
  // Link items: the text a control shows, and its picture fitted into a box of the page.
  QString Link(Run& run, const char* form, const char* control, bool hintSource = false,
               const QString& designCaption = QString());
  void LinkImage(Run& run, const std::string& item, const LinkImageBox::Rect& designBox,
                 const ReportPicture& picture);
  // The table under its head (and a row of units under it, when given) from y down,
  // continued on a further page of the same paper when it runs past the foot of the page.
  void PrintTable(Run& run, double y, double columnWidth, const QStringList& head,
                  const QStringList& units, const Table& table);
  void Note(Run& run, const QString& text);

  std::map<std::string, LinkImageBox> boxes_;
  std::vector<PageRecord> pages_;
};
