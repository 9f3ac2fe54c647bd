#include "TableEditor.h"

#include <cmath>

#include <algorithm>
#include <stdexcept>
#include <string>

#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
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

#include "DoorDocument.h"
#include "HelpBrowser.h"
#include "MessageBoxes.h"
#include "UserLocale.h"
#include "model/TBoard.h"
#include "numbers/NumberText.h"
#include "numbers/QuotedToken.h"
#include "numbers/TextRoutines.h"

namespace {

constexpr char kCellPattern[] = "#0.###";

QString Numbered(const char* prefix, int number) {
  return QString::fromLatin1(prefix) + QString::number(number);
}

}  // namespace

TableEditor::TableEditor(DoorDocument& document, HelpBrowser& help, QWidget* parent,
                         const char* name, const QString& caption, std::vector<Column> columns)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      Document(document),
      Board(document.Board()),
      Help(help),
      Columns(std::move(columns)) {
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

void TableEditor::BuildGrid(QWidget* gridHost) {
  const int columns = static_cast<int>(Columns.size());
  for (int c = 0; c < columns; ++c) {
    const Column& column = Columns[c];
    QLabel* label = AddLabel(gridHost, Numbered("Label", c + 1).toLatin1().constData(),
                             QString::fromUtf8(column.Header));
    label->setAlignment(Qt::AlignCenter);
    label->setToolTip(QString::fromUtf8(column.Hint));
    HeaderLabels.push_back(label);

    auto* field = new QLineEdit(QString::fromUtf8(column.InitialText), gridHost);
    field->setObjectName(Numbered("Edit", c + 1));
    field->setToolTip(QString::fromUtf8(column.Hint));
    field->installEventFilter(this);
    EntryFields.push_back(field);
  }

  StringGrid1 = new QTableWidget(1, columns, gridHost);
  StringGrid1->setObjectName("StringGrid1");
  StringGrid1->horizontalHeader()->hide();
  StringGrid1->verticalHeader()->hide();
  StringGrid1->horizontalHeader()->setMinimumSectionSize(kColumnWidth);
  StringGrid1->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
  StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StringGrid1->verticalHeader()->setMinimumSectionSize(kRowHeight);
  StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
  StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Always shown, so that the columns keep their places under the entry fields.
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->setWordWrap(false);
  StringGrid1->viewport()->installEventFilter(this);
  for (int c = 0; c < columns; ++c)
    StringGrid1->setColumnWidth(c, kColumnWidth);
  SetRowTexts(0, QStringList());

  // A new row reached by mouse or keyboard is a click; a press on the row already
  // selected is one as well (it changes no current cell).
  connect(StringGrid1, &QTableWidget::currentCellChanged, this,
          [this](int row, int, int previousRow, int) {
            if (FQuiet == 0 && row >= 0 && row != previousRow) StringGrid1Click();
          });
  connect(StringGrid1, &QTableWidget::cellPressed, this, [this](int row, int) {
    if (FQuiet == 0 && row == FRowBeforePress) StringGrid1Click();
  });
}

void TableEditor::BuildButtons(QWidget* buttonHost) {
  auto add = [buttonHost](const char* name, const QString& text) {
    auto* button = new QPushButton(text, buttonHost);
    button->setObjectName(name);
    return button;
  };
  Button1 = add("Button1", "Add");
  Button3 = add("Button3", "Delete");
  OKBtn = add("OKBtn", "OK");
  CancelBtn = add("CancelBtn", "Cancel");
  HelpBtn = add("HelpBtn", "Help");
  connect(Button1, &QPushButton::clicked, this, &TableEditor::Button1Click);
  connect(Button3, &QPushButton::clicked, this, &TableEditor::Button3Click);
  connect(OKBtn, &QPushButton::clicked, this, &TableEditor::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TableEditor::reject);
  connect(HelpBtn, &QPushButton::clicked, this,
          [this] { Help.ShowTopic(QString::fromLatin1(kHelpTopic)); });
}

void TableEditor::BuildGraph(QWidget* graphHost, ScPic::TImageType imageType) {
  ScPic1 = new ScPic(imageType, graphHost);
  ScPic1->setObjectName("ScPic1");
  LabelXMin = AddLabel(graphHost, "LabelXMin", "0");
  LabelYMin = AddLabel(graphHost, "LabelYMin", "0");
  LabelYMax = AddLabel(graphHost, "LabelYMax", "1");
  LabelXMax = AddLabel(graphHost, "LabelXMax", "1");
  LabelYMin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  LabelYMax->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  LabelXMax->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

int TableEditor::TableColumn(int gridColumn) const {
  const int column = ModelTable().ColumnIndex(Columns[static_cast<std::size_t>(gridColumn)].Name);
  if (column < 0) {
    throw std::logic_error(std::string("the ") + std::string(ModelTable().Name()) +
                           " table has no column " +
                           Columns[static_cast<std::size_t>(gridColumn)].Name);
  }
  return column;
}

void TableEditor::FinishCreation() {
  scatter();
  PaintGrp();
  // Only from here on does a new size of the graph redraw it.
  ScPic1->installEventFilter(this);
  FCreated = true;
}

int TableEditor::GridWidth() const {
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, StringGrid1);
  return static_cast<int>(Columns.size()) * kColumnWidth + 2 * StringGrid1->frameWidth() +
         scrollBar;
}

void TableEditor::PlaceGrid(int left, int top, int gridHeight) {
  const int first = left + StringGrid1->frameWidth();
  for (std::size_t c = 0; c < Columns.size(); ++c) {
    const int x = first + static_cast<int>(c) * kColumnWidth;
    HeaderLabels[c]->setGeometry(x, top - kAboveGrid, kColumnWidth, 18);
    EntryFields[c]->setGeometry(x, top - kAboveGrid + 20, kColumnWidth, 22);
  }
  StringGrid1->setGeometry(left, top, GridWidth(), std::max(kRowHeight, gridHeight));
}

void TableEditor::PlaceCorners(const QRect& graph) {
  constexpr int kWidth = 48;
  constexpr int kHeight = 16;
  LabelXMin->setGeometry(graph.left(), graph.bottom() + 3, kWidth, kHeight);
  LabelXMax->setGeometry(graph.right() + 1 - kWidth, graph.bottom() + 3, kWidth, kHeight);
  LabelYMax->setGeometry(graph.left() - kWidth - 4, graph.top(), kWidth, kHeight);
  LabelYMin->setGeometry(graph.left() - kWidth - 4, graph.bottom() + 1 - kHeight, kWidth, kHeight);
}

QString TableEditor::CornerText(long double value) {
  return UserNumberText(kCellPattern, value);
}

// ---------------------------------------------------------------------------------------
// Grid

int TableEditor::RowCount() const {
  return StringGrid1->rowCount();
}

int TableEditor::SelectedRow() const {
  return std::clamp(StringGrid1->currentRow(), 0, std::max(0, RowCount() - 1));
}

QString TableEditor::CellText(int row, int column) const {
  const QTableWidgetItem* item = StringGrid1->item(row, column);
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
  for (int c = 0; c < StringGrid1->columnCount(); ++c) {
    QTableWidgetItem* item = StringGrid1->item(row, c);
    if (!item) {
      item = new QTableWidgetItem;
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      StringGrid1->setItem(row, c, item);
    }
    item->setText(c < texts.size() ? texts[c] : QString());
  }
}

void TableEditor::SelectRow(int row) {
  ++FQuiet;
  StringGrid1->setCurrentCell(row, 0);
  StringGrid1->selectRow(row);
  --FQuiet;
}

void TableEditor::MoveRow(int from, int to) {
  QStringList texts;
  for (int c = 0; c < StringGrid1->columnCount(); ++c)
    texts << CellText(from, c);
  ++FQuiet;
  StringGrid1->removeRow(from);
  StringGrid1->insertRow(to);
  SetRowTexts(to, texts);
  --FQuiet;
  SelectRow(to);
}

void TableEditor::scatter() {
  const NumberLocale locale = UserNumberLocale();
  const CoefTable& table = ModelTable();
  const int count = std::clamp(table.Count, 0, table.Capacity());
  const int rows = std::max(1, count);
  const int selected = StringGrid1->currentRow();
  ++FQuiet;
  StringGrid1->setRowCount(rows);
  for (int r = 0; r < rows; ++r) {
    QStringList texts;
    for (int c = 0; c < StringGrid1->columnCount(); ++c)
      if (r < count) texts << UserNumberText(kCellPattern, table.At(r, TableColumn(c)), locale);
    SetRowTexts(r, texts);
  }
  --FQuiet;
  SelectRow(std::clamp(selected, 0, rows - 1));
}

// The strict reading of a cell that may reach the model: the whole trimmed text must be a
// number, read with the separators as the entry fields read them.
bool TableEditor::ReadCellStrict(int row, int column, long double& value) const {
  const std::string text = TrimBlanks(CellText(row, column).toStdString());
  return ConvertTyped(text, value, UserNumberLocale());
}

std::optional<TableProblem> TableEditor::gather() {
  const int rows = RowCount();
  CoefTable scratch(ModelTable().Shape());
  scratch.Count = rows;
  // Too few rows is the table check's to report; their cells need not be read. So are rows
  // beyond the capacity, which the table cannot take.
  if (rows >= 2) {
    for (int r = 0; r < rows; ++r)
      for (std::size_t c = 0; c < Columns.size(); ++c) {
        long double value = 0;
        if (!ReadCellStrict(r, static_cast<int>(c), value)) {
          return TableProblem{r, "row " + std::to_string(r + 1) + ": " + Columns[c].Name + " " +
                                     QuotedToken(CellText(r, static_cast<int>(c)).toStdString()) +
                                     " is not a number"};
        }
        if (r < scratch.Capacity()) scratch.At(r, TableColumn(static_cast<int>(c))) = value;
      }
  }
  if (std::optional<TableProblem> problem = ValidateTable(scratch)) return problem;
  ModelTable() = scratch;
  return std::nullopt;
}

// ---------------------------------------------------------------------------------------
// Commands

void TableEditor::Button1Click() {
  CheckPendingField();
  FChanged = true;
  const int rows = RowCount();
  if (rows >= kMaxRows) {
    MessageBoxes::Information(
        this, windowTitle(),
        Message("Overflow. Point ignored.", "Переполнение. Точка игнорируется."));
    return;
  }
  const long double key = ReadNumber(EntryFields[0]->text().toStdString(), UserNumberLocale());
  QStringList entries;
  for (const QLineEdit* field : EntryFields)
    entries << field->text();

  int target = -1;
  if (CellText(0, 0).isEmpty()) {
    target = 0;  // the only row of an empty table
  } else {
    for (int r = 0; r < rows && target < 0; ++r) {
      const long double rowKey = CellValue(r, 0);
      if (rowKey > key) {
        ++FQuiet;
        StringGrid1->insertRow(r);
        --FQuiet;
        target = r;
      } else if (rowKey == key) {
        const QMessageBox::StandardButton answer = MessageBoxes::Question(
            this, windowTitle(),
            Message("Point already exists. Replace?", "Такая точка уже есть. Заменить?"),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
        if (answer == QMessageBox::Ok) {
          SetRowTexts(r, entries);
          SelectRow(r);
        }
        PaintGrp();
        return;
      }
    }
    if (target < 0) {
      ++FQuiet;
      StringGrid1->insertRow(rows);
      --FQuiet;
      target = rows;
    }
  }
  SetRowTexts(target, entries);
  SelectRow(target);
  PaintGrp();
}

void TableEditor::Button3Click() {
  FChanged = true;
  const int rows = RowCount();
  if (rows > 1) {
    const int selected = SelectedRow();
    ++FQuiet;
    StringGrid1->removeRow(selected);
    --FQuiet;
    SelectRow(std::min(selected, rows - 2));
  }
  PaintGrp();
}

void TableEditor::StringGrid1Click() {
  const int row = SelectedRow();
  for (std::size_t c = 0; c < EntryFields.size(); ++c)
    EntryFields[c]->setText(CellText(row, static_cast<int>(c)));
  MarkSelectedRow();
}

void TableEditor::OKBtnClick() {
  CheckPendingField();
  if (FChanged) {
    // Nothing reaches the model before the whole grid makes a sound table.
    if (const std::optional<TableProblem> problem = gather()) {
      WarnRefused(*problem);
      return;
    }
    Document.MarkModified();
  }
  accept();
}

void TableEditor::WarnRefused(const TableProblem& problem) {
  MessageBoxes::Warning(this, windowTitle(),
                        Message("The table is not accepted:", "Таблица не принята:") + "\n" +
                            QString::fromStdString(problem.Message));
}

void TableEditor::CheckField(int column) {
  const Column& check = Columns[static_cast<std::size_t>(column)];
  if (!check.Checked) return;
  QLineEdit* field = EntryFields[static_cast<std::size_t>(column)];
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
  for (std::size_t c = 0; c < EntryFields.size(); ++c)
    if (EntryFields[c] == pending) CheckField(static_cast<int>(c));
}

QString TableEditor::Message(const char* english, const char* russian) const {
  return QString::fromUtf8(LanguageIndex == 0 ? english : russian);
}

// ---------------------------------------------------------------------------------------
// Drawing helpers

void TableEditor::ShowEmptyGraph() {
  ScPic1->Finish();
}

void TableEditor::PlotCurve(std::span<const WorldPoint> points, const QColor& colour,
                            const std::function<void(const WorldPoint&)>& afterDot) {
  GraphPlot::Curve(*ScPic1, points, colour, afterDot);
}

void TableEditor::PlainDot(long double x, long double y, const QColor& colour) {
  GraphPlot::PlainDot(*ScPic1, x, y, colour);
}

void TableEditor::MarkDot(long double x, long double y) {
  GraphPlot::MarkDot(*ScPic1, x, y);
}

long double TableEditor::Largest(const std::vector<long double>& values) {
  if (values.empty()) return 0;
  return *std::max_element(values.begin(), values.end());
}

// ---------------------------------------------------------------------------------------
// Events

void TableEditor::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    FChanged = false;
    scatter();
    PaintGrp();
    FRefill.SetPending(true);
  }
  QDialog::showEvent(event);
}

void TableEditor::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isVisible() &&
      FRefill.OnActivationChange(*this)) {
    StringGrid1Click();
  }
  QDialog::changeEvent(event);
}

bool TableEditor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // Leaving the field for another control of the dialog (not for another window or menu).
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
        reason != Qt::MenuBarFocusReason && isVisible()) {
      for (std::size_t c = 0; c < EntryFields.size(); ++c)
        if (watched == EntryFields[c]) CheckField(static_cast<int>(c));
    }
  } else if (StringGrid1 && watched == StringGrid1->viewport()) {
    if (GridEventFilter(event)) return true;
  } else if (watched == ScPic1 && event->type() == QEvent::Resize && FCreated) {
    PaintGrp();
  }
  return QDialog::eventFilter(watched, event);
}

// Rows are dragged with the left button: the dragged row follows the mouse.
bool TableEditor::GridEventFilter(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      FRowBeforePress = StringGrid1->currentRow();
      FDragRow = mouse->button() == Qt::LeftButton
                     ? StringGrid1->rowAt(static_cast<int>(mouse->position().y()))
                     : -1;
      FDragged = false;
      return false;
    }
    case QEvent::MouseMove: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (FDragRow < 0 || !(mouse->buttons() & Qt::LeftButton)) return false;
      const int y = static_cast<int>(mouse->position().y());
      int target = StringGrid1->rowAt(y);
      if (target < 0) target = y < 0 ? 0 : RowCount() - 1;
      if (target != FDragRow) {
        MoveRow(FDragRow, target);
        FDragRow = target;
        FDragged = true;
      }
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (FDragged) PaintGrp();
      FDragRow = -1;
      FDragged = false;
      return false;
    default:
      return false;
  }
}
