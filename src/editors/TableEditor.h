#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

#include <QColor>
#include <QDialog>
#include <QString>
#include <QStringList>

#include "GraphPlot.h"
#include "ReactivationRefill.h"
#include "ScPic.h"
#include "lang/TextCatalogue.h"
#include "model/CoefTable.h"

class DoorDocument;
class HelpBrowser;
class QEvent;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;
class QTableWidget;
struct DoorInputs;
class QVBoxLayout;

// What the three coefficient table editors share: a grid holding a working copy of one of the
// door's tables as text, one entry field per column above it, Add (ordered insert or replace;
// Enter in an entry field adds too) and Delete, a graph of the columns against the key column
// with the selected row marked, and OK that changes the door's table to the grid's, as one
// step of its history named after the editor, only when Add or Delete was used since the
// dialog was shown and only when the grid makes a sound table.
class TableEditor : public QDialog {
  Q_OBJECT

 public:
  // One grid column: header text over its entry field, the name of the table column it shows
  // (also used in messages), the hint, the initial text of the entry field and the check
  // applied when the field is left.
  struct Column {
    const char* Header;
    const char* Name;
    const char* Hint;
    const char* InitialText;
    bool Checked = false;
    int Width = 0;
    int Decimals = 0;
    long double Lower = 0;  // open interval: both ends are refused ...
    long double Upper = 0;
    long double Fallback = 0;
    bool IncludeEnds = false;  // ... unless the ends are values the table itself holds
  };

  using WorldPoint = GraphPlot::WorldPoint;

  static constexpr int kColumnWidth = 46;  // the narrowest a grid column gets
  static constexpr int kRowHeight = 16;
  static constexpr int kMaxRows = 100;  // Add refuses a new row from here on
  static constexpr char kHelpTopic[] = "doors_hydro";

  // Fill the grid from the door's table (DisplayFormats::kTableCell).
  Q_INVOKABLE void FillGridFromTable();
  // Read the grid strictly into a scratch table; when that is a sound table, the door takes it
  // as one step of its history. Returns what is wrong otherwise (the door is then left
  // untouched).
  std::optional<TableProblem> StoreGridInTable();
  // Redraw the whole graph from the grid.
  Q_INVOKABLE virtual void DrawGraph() = 0;

  // Add: insert the entry fields as a row in key order, or replace the row of that key.
  void onAddClicked();
  // Delete the selected row; the grid keeps at least one row.
  void onDeleteClicked();
  // Copy the selected row into the entry fields and mark it on the graph.
  void onGridClicked();
  void onOkClicked();

  // Whether Add or Delete was used since the dialog was last shown.
  bool Changed() const { return changed_; }

  // The texts of the language in use, for the messages this dialog builds.
  void SetTexts(const TextCatalogue& texts) {
    texts_ = texts;
    TextsChanged();
  }
  const TextCatalogue& Texts() const { return texts_; }

 protected:
  TableEditor(DoorDocument& document, HelpBrowser& help, QWidget* parent, const char* name,
              const QString& caption, std::vector<Column> columns);

  // The door's table being edited; each grid column shows the table column of its Name.
  virtual CoefTable DoorInputs::*ModelTable() const = 0;
  const CoefTable& DoorTable() const;
  // The mark of the selected row after a grid click.
  virtual void MarkSelectedRow() = 0;

  // Construction steps, in this order: the grid with its labels and fields in `gridHost`,
  // the buttons in `buttonHost`, the graph and its corner labels in `graphHost`; then,
  // once the derived dialog is complete, FinishCreation (FillGridFromTable, then DrawGraph).
  // The grid and the graph come as layouts for the derived dialog to place.
  QGridLayout* BuildGrid(QWidget* gridHost);
  void BuildButtons(QWidget* buttonHost);
  QGridLayout* BuildGraph(QWidget* graphHost, ScPic::TImageType imageType);
  void FinishCreation();
  // The grid at the left, the graph taking the room that is left, the buttons in a row under
  // both: the window of a table editor whose graph sits beside its grid.
  QVBoxLayout* ArrangeWindow(QGridLayout* table, QGridLayout* graph);

  // The cells of the graph's layout: the graph spans two rows, with the top corner label
  // beside the first and the bottom one beside the second, the horizontal corner labels under
  // it, then the axis title. A title column at the far left and a legend column at the right
  // stay free for the dialog.
  enum GraphColumn { kTitleColumn, kCornerColumn, kGraphColumn, kLegendColumn };
  enum GraphRow { kGraphTopRow, kGraphBottomRow, kXCornerRow, kAxisTitleRow };

  static QLabel* AddLabel(QWidget* parent, const char* name, const QString& text,
                          const QColor& colour = QColor(), bool bold = false);
  // Labels one under the other, for a legend or a title beside the graph.
  static QVBoxLayout* Stacked(std::initializer_list<QLabel*> labels);
  static QString CornerText(long double value);

  int RowCount() const;
  int SelectedRow() const;
  QString CellText(int row, int column) const;
  // The cell read leniently, as the graphs read it (unreadable text counts as 0).
  long double CellValue(int row, int column) const;
  // The values of one column over all rows, read as CellValue does.
  std::vector<long double> ColumnValues(int column) const;

  // Metafile graphs: ends the drawing after a clear when there is nothing to plot, so that
  // an old graph does not stay on screen.
  void ShowEmptyGraph();
  // The graph's curves and dots (GraphPlot) on the graph.
  void PlotCurve(std::span<const WorldPoint> points, const QColor& colour,
                 const std::function<void(const WorldPoint&)>& afterDot = {});
  void PlainDot(long double x, long double y, const QColor& colour);
  void MarkDot(long double x, long double y);
  static long double Largest(const std::vector<long double>& values);

  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  QString Message(TextKey key) const;
  // After a language switch: a dialog with words of the language in its pictures redraws them.
  virtual void TextsChanged() {}
  // Why the grid makes no table, in the language in use.
  QString ReasonText(const TableProblem& problem) const;

  DoorDocument& document_;
  HelpBrowser& help_;
  const std::vector<Column> columns_;

  QTableWidget* grid_ = nullptr;
  std::vector<QLabel*> headerLabels_;    // over the entry fields
  std::vector<QLineEdit*> entryFields_;  // one per grid column
  QPushButton* addButton_ = nullptr;
  QPushButton* deleteButton_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QPushButton* helpButton_ = nullptr;
  ScPic* graph_ = nullptr;
  QLabel* xMinLabel_ = nullptr;  // under the horizontal axis, at its start
  QLabel* yMinLabel_ = nullptr;  // left of the bottom
  QLabel* yMaxLabel_ = nullptr;  // top left
  QLabel* xMaxLabel_ = nullptr;  // under the horizontal axis, at its end

 private:
  // The table column shown in a grid column.
  int TableColumn(int gridColumn) const;
  void SetRowTexts(int row, const QStringList& texts);
  void SelectRow(int row);
  void MoveRow(int from, int to);
  void CheckField(int column);
  // Add or OK reached without leaving the entry field being typed in (Enter, a shortcut):
  // that field gets the check leaving it would have given, before its text is used.
  void CheckPendingField();
  bool ReadCellStrict(int row, int column, long double& value) const;
  void WarnRefused(const TableProblem& problem);
  bool GridEventFilter(QEvent* event);
  // Each grid column as wide as the header over it, which the layout sizes to its text.
  void MatchColumnWidths();

  TextCatalogue texts_ = TextCatalogue::English();
  bool changed_ = false;
  bool created_ = false;
  // Selection changes made by the program itself are no grid clicks.
  int quiet_ = 0;
  // The row under the mouse when a press began, and the row being dragged.
  int rowBeforePress_ = -1;
  int dragRow_ = -1;
  bool dragged_ = false;
  // Activation acts as a grid click, on the first after showing and on a return from
  // another window of the program.
  ReactivationRefill refill_;
};
