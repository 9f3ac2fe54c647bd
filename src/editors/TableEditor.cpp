#include "TableEditor.h"

#include <cmath>

#include <algorithm>
#include <stdexcept>
#include <string>

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "DoorDocument.h"
#include "HelpBrowser.h"
#include "MessageBoxes.h"
#include "UserLocale.h"
#include "model/DoorInputs.h"
#include "numbers/NumberText.h"
#include "numbers/QuotedToken.h"
#include "numbers/TextRoutines.h"
#include "report/DisplayFormats.h"

namespace {

constexpr const char* kCellPattern = DisplayFormats::kTableCell;

QString Numbered(const char* prefix, int number) {
  return QString::fromLatin1(prefix) + QString::number(number);
}

}  // namespace

TableEditor::TableEditor(DoorDocument& document, HelpBrowser& help, QWidget* parent,
                         const char* name, const QString& caption, std::vector<Column> columns)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      document_(document),
      help_(help),
      columns_(std::move(columns)) {
  setObjectName(name);
  setWindowTitle(caption);
}

// ---------------------------------------------------------------------------------------
// Construction

QLabel* TableEditor::AddLabel(QWidget* parent, const char* name, const QString& text,
                              const QColor& colour, bool bold) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  if (colour.isValid()) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
  }
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

QGridLayout* TableEditor::BuildGrid(QWidget* gridHost) {
  const int columns = static_cast<int>(columns_.size());
  for (int c = 0; c < columns; ++c) {
    const Column& column = columns_[c];
    QLabel* label = AddLabel(gridHost, Numbered("Label", c + 1).toLatin1().constData(),
                             QString::fromUtf8(column.Header));
    label->setAlignment(Qt::AlignCenter);
    label->setToolTip(QString::fromUtf8(column.Hint));
    // Headers wider than a column keep apart from their neighbours.
    label->setContentsMargins(2, 0, 2, 0);
    label->installEventFilter(this);
    headerLabels_.push_back(label);

    auto* field = new QLineEdit(QString::fromUtf8(column.InitialText), gridHost);
    field->setObjectName(Numbered("Edit", c + 1));
    field->setToolTip(QString::fromUtf8(column.Hint));
    field->installEventFilter(this);
    // As wide as its column, whatever the field would ask for.
    field->setMinimumWidth(kColumnWidth);
    field->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    entryFields_.push_back(field);
  }

  grid_ = new QTableWidget(1, columns, gridHost);
  grid_->setObjectName("StringGrid1");
  // Tab goes on to the next control, the arrows move between the cells: a grid that kept Tab
  // would hold the keyboard.
  grid_->setTabKeyNavigation(false);
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setMinimumSectionSize(kColumnWidth);
  grid_->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setMinimumSectionSize(kRowHeight);
  grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Always shown, so that the columns keep their places under the entry fields.
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setWordWrap(false);
  grid_->viewport()->installEventFilter(this);
  for (int c = 0; c < columns; ++c)
    grid_->setColumnWidth(c, kColumnWidth);
  SetRowTexts(0, QStringList());
  // The grid takes the width of the columns over it and all the height it is given.
  grid_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
  grid_->setMinimumHeight(kRowHeight + 2 * grid_->frameWidth());

  // Header labels and entry fields over the grid's columns: a first layout column as wide as
  // the grid's frame, a last one as wide as its frame and scroll bar.
  auto* layout = new QGridLayout;
  layout->setHorizontalSpacing(0);
  layout->setVerticalSpacing(2);
  const int frame = grid_->frameWidth();
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid_);
  layout->setColumnMinimumWidth(0, frame);
  layout->setColumnMinimumWidth(columns + 1, frame + scrollBar);
  for (int c = 0; c < columns; ++c) {
    layout->setColumnMinimumWidth(c + 1, kColumnWidth);
    layout->addWidget(headerLabels_[c], 0, c + 1);
    layout->addWidget(entryFields_[c], 1, c + 1);
  }
  layout->addWidget(grid_, 2, 0, 1, columns + 2);
  layout->setRowStretch(2, 1);

  // A new row reached by mouse or keyboard is a click; a press on the row already
  // selected is one as well (it changes no current cell).
  connect(grid_, &QTableWidget::currentCellChanged, this,
          [this](int row, int, int previousRow, int) {
            if (quiet_ == 0 && row >= 0 && row != previousRow) onGridClicked();
          });
  connect(grid_, &QTableWidget::cellPressed, this, [this](int row, int) {
    if (quiet_ == 0 && row == rowBeforePress_) onGridClicked();
  });
  return layout;
}

void TableEditor::BuildButtons(QWidget* buttonHost) {
  auto add = [buttonHost](const char* name, const QString& text) {
    auto* button = new QPushButton(text, buttonHost);
    button->setObjectName(name);
    return button;
  };
  addButton_ = add("Button1", "Add");
  deleteButton_ = add("Button3", "Delete");
  okButton_ = add("OKBtn", "OK");
  cancelButton_ = add("CancelBtn", "Cancel");
  helpButton_ = add("HelpBtn", "Help");
  connect(addButton_, &QPushButton::clicked, this, &TableEditor::onAddClicked);
  connect(deleteButton_, &QPushButton::clicked, this, &TableEditor::onDeleteClicked);
  connect(okButton_, &QPushButton::clicked, this, &TableEditor::onOkClicked);
  connect(cancelButton_, &QPushButton::clicked, this, &TableEditor::reject);
  connect(helpButton_, &QPushButton::clicked, this,
          [this] { help_.ShowTopic(QString::fromLatin1(kHelpTopic)); });
}

QGridLayout* TableEditor::BuildGraph(QWidget* graphHost, ScPic::TImageType imageType) {
  graph_ = new ScPic(imageType, graphHost);
  graph_->setObjectName("ScPic1");
  graph_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  xMinLabel_ = AddLabel(graphHost, "LabelXMin", "0");
  yMinLabel_ = AddLabel(graphHost, "LabelYMin", "0");
  yMaxLabel_ = AddLabel(graphHost, "LabelYMax", "1");
  xMaxLabel_ = AddLabel(graphHost, "LabelXMax", "1");
  yMinLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  yMaxLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  xMaxLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Room for the usual corner values, so that new values do not resize the graph.
  constexpr int kCornerWidth = 48;
  for (QLabel* corner : {xMinLabel_, yMinLabel_, yMaxLabel_, xMaxLabel_})
    corner->setMinimumWidth(kCornerWidth);

  auto* layout = new QGridLayout;
  layout->setSpacing(4);
  layout->addWidget(graph_, kGraphTopRow, kGraphColumn, 2, 1);
  layout->addWidget(yMaxLabel_, kGraphTopRow, kCornerColumn, Qt::AlignTop | Qt::AlignRight);
  layout->addWidget(yMinLabel_, kGraphBottomRow, kCornerColumn, Qt::AlignBottom | Qt::AlignRight);
  auto* xCorners = new QHBoxLayout;
  xCorners->setContentsMargins(0, 0, 0, 0);
  xCorners->addWidget(xMinLabel_);
  xCorners->addStretch(1);
  xCorners->addWidget(xMaxLabel_);
  layout->addLayout(xCorners, kXCornerRow, kGraphColumn);
  layout->setColumnStretch(kGraphColumn, 1);
  layout->setRowStretch(kGraphBottomRow, 1);
  return layout;
}

QVBoxLayout* TableEditor::Stacked(std::initializer_list<QLabel*> labels) {
  auto* stack = new QVBoxLayout;
  stack->setContentsMargins(0, 0, 0, 0);
  stack->setSpacing(2);
  for (QLabel* label : labels)
    stack->addWidget(label);
  return stack;
}

int TableEditor::TableColumn(int gridColumn) const {
  const int column = DoorTable().ColumnIndex(columns_[static_cast<std::size_t>(gridColumn)].Name);
  if (column < 0) {
    throw std::logic_error(std::string("the ") + std::string(DoorTable().Name()) +
                           " table has no column " +
                           columns_[static_cast<std::size_t>(gridColumn)].Name);
  }
  return column;
}

void TableEditor::FinishCreation() {
  FillGridFromTable();
  DrawGraph();
  // Only from here on does a new size of the graph redraw it.
  graph_->installEventFilter(this);
  created_ = true;
}

void TableEditor::MatchColumnWidths() {
  for (std::size_t c = 0; c < headerLabels_.size(); ++c)
    grid_->setColumnWidth(static_cast<int>(c), headerLabels_[c]->width());
}

QString TableEditor::CornerText(long double value) {
  return UserNumberText(kCellPattern, value);
}

// ---------------------------------------------------------------------------------------
// Grid

const CoefTable& TableEditor::DoorTable() const {
  return document_.Door().*ModelTable();
}

int TableEditor::RowCount() const {
  return grid_->rowCount();
}

int TableEditor::SelectedRow() const {
  return std::clamp(grid_->currentRow(), 0, std::max(0, RowCount() - 1));
}

QString TableEditor::CellText(int row, int column) const {
  const QTableWidgetItem* item = grid_->item(row, column);
  return item ? item->text() : QString();
}

long double TableEditor::CellValue(int row, int column) const {
  return ReadNumber(CellText(row, column).toStdString(), UserNumberLocale());
}

std::vector<long double> TableEditor::ColumnValues(int column) const {
  std::vector<long double> values(static_cast<std::size_t>(RowCount()));
  for (int r = 0; r < RowCount(); ++r)
    values[static_cast<std::size_t>(r)] = CellValue(r, column);
  return values;
}

void TableEditor::SetRowTexts(int row, const QStringList& texts) {
  for (int c = 0; c < grid_->columnCount(); ++c) {
    QTableWidgetItem* item = grid_->item(row, c);
    if (!item) {
      item = new QTableWidgetItem;
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      grid_->setItem(row, c, item);
    }
    item->setText(c < texts.size() ? texts[c] : QString());
  }
}

void TableEditor::SelectRow(int row) {
  ++quiet_;
  grid_->setCurrentCell(row, 0);
  grid_->selectRow(row);
  --quiet_;
}

void TableEditor::MoveRow(int from, int to) {
  QStringList texts;
  for (int c = 0; c < grid_->columnCount(); ++c)
    texts << CellText(from, c);
  ++quiet_;
  grid_->removeRow(from);
  grid_->insertRow(to);
  SetRowTexts(to, texts);
  --quiet_;
  SelectRow(to);
}

void TableEditor::FillGridFromTable() {
  const NumberLocale locale = UserNumberLocale();
  const CoefTable& table = DoorTable();
  const int count = std::clamp(table.Count, 0, table.Capacity());
  const int rows = std::max(1, count);
  const int selected = grid_->currentRow();
  ++quiet_;
  grid_->setRowCount(rows);
  for (int r = 0; r < rows; ++r) {
    QStringList texts;
    for (int c = 0; c < grid_->columnCount(); ++c)
      if (r < count) texts << UserNumberText(kCellPattern, table.At(r, TableColumn(c)), locale);
    SetRowTexts(r, texts);
  }
  --quiet_;
  SelectRow(std::clamp(selected, 0, rows - 1));
}

// The strict reading of a cell that may reach the model: the whole trimmed text must be a
// number, read with the separators as the entry fields read them.
bool TableEditor::ReadCellStrict(int row, int column, long double& value) const {
  const std::string text = TrimBlanks(CellText(row, column).toStdString());
  return ConvertTyped(text, value, UserNumberLocale());
}

std::optional<TableProblem> TableEditor::StoreGridInTable() {
  const int rows = RowCount();
  CoefTable scratch(DoorTable().Shape());
  scratch.Count = rows;
  // Too few rows is the table check's to report; their cells need not be read. So are rows
  // beyond the capacity, which the table cannot take.
  if (rows >= 2) {
    for (int r = 0; r < rows; ++r)
      for (std::size_t c = 0; c < columns_.size(); ++c) {
        long double value = 0;
        if (!ReadCellStrict(r, static_cast<int>(c), value)) {
          TableProblem problem;
          problem.Row = r;
          problem.Message = "row " + std::to_string(r + 1) + ": " + columns_[c].Name + " " +
                            QuotedToken(CellText(r, static_cast<int>(c)).toStdString()) +
                            " is not a number";
          problem.What = TableProblem::Kind::NotANumber;
          problem.Column = columns_[c].Name;
          problem.Value = QuotedToken(CellText(r, static_cast<int>(c)).toStdString());
          return problem;
        }
        if (r < scratch.Capacity()) scratch.At(r, TableColumn(static_cast<int>(c))) = value;
      }
  }
  if (std::optional<TableProblem> problem = ValidateTable(scratch)) return problem;
  DoorInputs door = document_.Door();
  door.*ModelTable() = scratch;
  document_.Edit(windowTitle(), door);
  return std::nullopt;
}

// ---------------------------------------------------------------------------------------
// Commands

void TableEditor::onAddClicked() {
  CheckPendingField();
  changed_ = true;
  const int rows = RowCount();
  if (rows >= kMaxRows) {
    MessageBoxes::Information(this, windowTitle(), Message(TableTexts::kOverflow));
    return;
  }
  const long double key = ReadNumber(entryFields_[0]->text().toStdString(), UserNumberLocale());
  QStringList entries;
  for (const QLineEdit* field : entryFields_)
    entries << field->text();

  int target = -1;
  if (CellText(0, 0).isEmpty()) {
    target = 0;  // the only row of an empty table
  } else {
    for (int r = 0; r < rows && target < 0; ++r) {
      const long double rowKey = CellValue(r, 0);
      if (rowKey > key) {
        ++quiet_;
        grid_->insertRow(r);
        --quiet_;
        target = r;
      } else if (rowKey == key) {
        const QMessageBox::StandardButton answer =
            MessageBoxes::Question(this, windowTitle(), Message(TableTexts::kReplacePoint),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes) {
          SetRowTexts(r, entries);
          SelectRow(r);
        }
        DrawGraph();
        return;
      }
    }
    if (target < 0) {
      ++quiet_;
      grid_->insertRow(rows);
      --quiet_;
      target = rows;
    }
  }
  SetRowTexts(target, entries);
  SelectRow(target);
  DrawGraph();
}

void TableEditor::onDeleteClicked() {
  changed_ = true;
  const int rows = RowCount();
  if (rows > 1) {
    const int selected = SelectedRow();
    ++quiet_;
    grid_->removeRow(selected);
    --quiet_;
    SelectRow(std::min(selected, rows - 2));
  }
  DrawGraph();
}

void TableEditor::onGridClicked() {
  const int row = SelectedRow();
  for (std::size_t c = 0; c < entryFields_.size(); ++c)
    entryFields_[c]->setText(CellText(row, static_cast<int>(c)));
  MarkSelectedRow();
}

void TableEditor::onOkClicked() {
  CheckPendingField();
  if (changed_) {
    // Nothing reaches the door before the whole grid makes a sound table.
    if (const std::optional<TableProblem> problem = StoreGridInTable()) {
      WarnRefused(*problem);
      return;
    }
  }
  accept();
}

void TableEditor::WarnRefused(const TableProblem& problem) {
  MessageBoxes::Warning(this, windowTitle(),
                        Message(TableTexts::kNotAccepted) + "\n" + ReasonText(problem));
}

QString TableEditor::ReasonText(const TableProblem& problem) const {
  const QString row = QString::number(problem.Row + 1);
  const QString column = QString::fromStdString(problem.Column);
  const QString value = QString::fromStdString(problem.Value);
  switch (problem.What) {
    case TableProblem::Kind::TooFewRows:
      return Message(TableTexts::kTooFewRows).arg(problem.Count);
    case TableProblem::Kind::TooManyRows:
      return Message(TableTexts::kTooManyRows).arg(problem.Capacity).arg(problem.Count);
    case TableProblem::Kind::NotFinite:
      return Message(TableTexts::kNotFinite).arg(row, column);
    case TableProblem::Kind::NotIncreasing:
      return Message(TableTexts::kNotIncreasing)
          .arg(row, column, value, QString::fromStdString(problem.Previous));
    case TableProblem::Kind::NegativeKey:
      // Only the keel's table has keys that must not be negative: its depths.
      return Message(TableTexts::kNegativeDepth).arg(row, column, value);
    case TableProblem::Kind::Negative:
      return Message(TableTexts::kNegative).arg(row, column, value);
    case TableProblem::Kind::NotANumber:
      return Message(TableTexts::kNotANumber).arg(row, column, value);
  }
  return QString::fromStdString(problem.Message);
}

void TableEditor::CheckField(int column) {
  const Column& check = columns_[static_cast<std::size_t>(column)];
  if (!check.Checked) return;
  QLineEdit* field = entryFields_[static_cast<std::size_t>(column)];
  // Widening an open interval by the smallest step takes its ends in.
  const long double lower =
      check.IncludeEnds ? std::nextafter(check.Lower, -HUGE_VALL) : check.Lower;
  const long double upper =
      check.IncludeEnds ? std::nextafter(check.Upper, HUGE_VALL) : check.Upper;
  const std::string text = CheckNumberText(field->text().toStdString(), check.Width, check.Decimals,
                                           lower, upper, check.Fallback, true, UserNumberLocale());
  field->setText(QString::fromStdString(text));
}

void TableEditor::CheckPendingField() {
  const QWidget* pending = focusWidget();
  for (std::size_t c = 0; c < entryFields_.size(); ++c)
    if (entryFields_[c] == pending) CheckField(static_cast<int>(c));
}

QString TableEditor::Message(TextKey key) const {
  return QString::fromStdString(texts_.Text(key));
}

// ---------------------------------------------------------------------------------------
// Drawing helpers

void TableEditor::ShowEmptyGraph() {
  graph_->Finish();
}

void TableEditor::PlotCurve(std::span<const WorldPoint> points, const QColor& colour,
                            const std::function<void(const WorldPoint&)>& afterDot) {
  GraphPlot::Curve(*graph_, points, colour, afterDot);
}

void TableEditor::PlainDot(long double x, long double y, const QColor& colour) {
  GraphPlot::PlainDot(*graph_, x, y, colour);
}

void TableEditor::MarkDot(long double x, long double y) {
  GraphPlot::MarkDot(*graph_, x, y);
}

long double TableEditor::Largest(const std::vector<long double>& values) {
  if (values.empty()) return 0;
  return *std::max_element(values.begin(), values.end());
}

// ---------------------------------------------------------------------------------------
// Events

void TableEditor::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    changed_ = false;
    FillGridFromTable();
    DrawGraph();
    refill_.SetPending(true);
  }
  QDialog::showEvent(event);
}

void TableEditor::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isVisible() &&
      refill_.OnActivationChange(*this)) {
    onGridClicked();
  }
  QDialog::changeEvent(event);
}

bool TableEditor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    // Enter in the entry row adds the row typed there, as Add does, and never reaches the
    // dialog's default button: the row would be lost with the dialog.
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool entry =
        std::find(entryFields_.begin(), entryFields_.end(), watched) != entryFields_.end();
    if (entry && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
      onAddClicked();
      return true;
    }
  }
  if (event->type() == QEvent::FocusOut) {
    // Leaving the field for another control of the dialog (not for another window or menu).
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
        reason != Qt::MenuBarFocusReason && isVisible()) {
      for (std::size_t c = 0; c < entryFields_.size(); ++c)
        if (watched == entryFields_[c]) CheckField(static_cast<int>(c));
    }
  } else if (grid_ && watched == grid_->viewport()) {
    if (GridEventFilter(event)) return true;
  } else if (watched == graph_ && event->type() == QEvent::Resize && created_) {
    DrawGraph();
  } else if (event->type() == QEvent::Resize &&
             std::find(headerLabels_.begin(), headerLabels_.end(), watched) !=
                 headerLabels_.end()) {
    MatchColumnWidths();
  }
  return QDialog::eventFilter(watched, event);
}

// Rows are dragged with the left button: the dragged row follows the mouse.
bool TableEditor::GridEventFilter(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      rowBeforePress_ = grid_->currentRow();
      dragRow_ = mouse->button() == Qt::LeftButton
                     ? grid_->rowAt(static_cast<int>(mouse->position().y()))
                     : -1;
      dragged_ = false;
      return false;
    }
    case QEvent::MouseMove: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (dragRow_ < 0 || !(mouse->buttons() & Qt::LeftButton)) return false;
      const int y = static_cast<int>(mouse->position().y());
      int target = grid_->rowAt(y);
      if (target < 0) target = y < 0 ? 0 : RowCount() - 1;
      if (target != dragRow_) {
        MoveRow(dragRow_, target);
        dragRow_ = target;
        dragged_ = true;
      }
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (dragged_) DrawGraph();
      dragRow_ = -1;
      dragged_ = false;
      return false;
    default:
      return false;
  }
}

QVBoxLayout* TableEditor::ArrangeWindow(QGridLayout* table, QGridLayout* graph) {
  constexpr int kMargin = 8;
  constexpr int kGraphGap = 8;
  auto* top = new QHBoxLayout;
  top->addLayout(table);
  top->addSpacing(kGraphGap);
  top->addLayout(graph, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(addButton_);
  buttons->addWidget(deleteButton_);
  buttons->addStretch(1);
  buttons->addWidget(okButton_);
  buttons->addWidget(cancelButton_);
  buttons->addWidget(helpButton_);
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  root->addLayout(top, 1);
  root->addLayout(buttons);
  return root;
}
