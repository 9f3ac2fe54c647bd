#include "SweepWindow.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <sstream>

#include "AccessibleNames.h"
#include "DerivedLabel.h"
#include "DoorDocument.h"
#include "FileDialogs.h"
#include "HelpBrowser.h"
#include "LanguageApplier.h"
#include "MessageBoxes.h"
#include "NamedControls.h"
#include "SweepPlot.h"
#include "SweepVaryTexts.h"
#include "TInvText.h"
#include "UserLocale.h"
#include "io/AtomicFileWriter.h"
#include "lang/MessageTables.h"
#include "model/EditableFields.h"
#include "model/ParameterSweep.h"
#include "model/TBoard.h"
#include "report/SweepCsv.h"

namespace {

constexpr int kDefaultSteps = 20;
constexpr int kMaxSteps = 10000;  // a table of more rows is no longer read
// Each turn of the event loop balances values for about this long, at least one.
constexpr qint64 kTickBudgetMs = 15;
constexpr long double kSolverTolerance = 0.1L;  // N*m, as the balance window's solver

// The formats of the table's columns after the swept value: the figures of the CSV file, in
// its order (the headings are SweepTexts::kHeadings).
constexpr const char* kColumns[] = {
    "##0.000",   "##0.000", "##0.000", "##0.000", "####0.000", "####0.000",
    "####0.000", "##0.000", nullptr,   nullptr,   "####0.###",
};
static_assert(std::size(kColumns) == std::size(SweepTexts::kHeadings));
constexpr int kColumnCount = 1 + static_cast<int>(std::size(kColumns));

bool IsSvgPath(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
}

// Writes the bytes through the one writer of every file: an existing file is replaced only by
// a complete one, and never one that is not a regular file or is read-only. Why not, in the
// language of `texts`.
std::optional<QString> WriteFile(const QString& path, const QByteArray& bytes,
                                 const TextCatalogue& texts) {
  if (auto problem = AtomicFileWriter().Attempt(path.toStdString(), bytes.toStdString()))
    return QString::fromStdString(problem->Text(texts));
  return std::nullopt;
}

}  // namespace

SweepWindow::SweepWindow(const TBoard& door, DoorDocument& document, HelpBrowser& help,
                         QWidget* parent)
    : QDialog(parent), door_(door), texts_(*this), help_(help) {
  texts_.Add("SweepPreciseHint",
             "Precise ground contact (the Options menu of the Balance position window) lets the "
             "search balance where the keel's ground force changes in small steps.");
  connect(&document, &DoorDocument::replaced, this, &SweepWindow::ForgetSweep);
  setObjectName("Sweep_f");
  setWindowTitle("Parameter sweep");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);
  BuildControls();
  timer_.setInterval(0);
  connect(&timer_, &QTimer::timeout, this, &SweepWindow::onTick);
  onVariableChanged();
  RefreshValuesCount();
  // A language file sets the controls' texts; the texts built here follow.
  connect(&LanguageApplier::Of(*this), &LanguageApplier::OnRead, this,
          &SweepWindow::RefreshCodeTexts);
  // Named for a screen reader now; a language file names them again in its words.
  AccessibleNames::Follow(*this);
}

QString SweepWindow::Text(TextKey text) const {
  return QString::fromStdString(catalogue_.Text(text));
}

void SweepWindow::SetTexts(const TextCatalogue& texts) {
  catalogue_ = texts;
  plot_->SetTexts(texts);
  RefreshCodeTexts();
}

void SweepWindow::RefreshCodeTexts() {
  variable_->setToolTip(Text(SweepTexts::kVariableHint));
  // The list keeps the entries' order; the separator has no text of its own.
  for (TInvText* text : varyTexts_) {
    const int index = variable_->findData(text->objectName().mid(5));
    if (index >= 0) variable_->setItemText(index, text->Caption());
  }
  RefreshValuesCount();
  method_->setItemText(0, Text(SweepTexts::kRelaxation));
  method_->setItemText(1, Text(SweepTexts::kNewton));
  RefreshRangeHint();
  if (table_->horizontalHeaderItem(1) != nullptr)
    for (int c = 1; c < kColumnCount; ++c)
      table_->horizontalHeaderItem(c)->setText(Text(SweepTexts::kHeadings[c - 1]));
  for (int row = 0; row < table_->rowCount(); ++row)
    if (QTableWidgetItem* item = table_->item(row, 9))
      item->setText(Text(item->data(Qt::UserRole).toBool() ? SweepTexts::kYes : SweepTexts::kNo));
}

void SweepWindow::RefreshRangeHint() {
  const int index = MainParamIndex(VariableName().toStdString());
  if (index < 0) return;
  const Range& range = door_.Inputs().Ranges[static_cast<std::size_t>(index)];
  useRange_->setToolTip(Text(SweepTexts::kRangeHint)
                            .arg(VariableName(), UserNumberText("#0.####", range.From),
                                 UserNumberText("#0.####", range.To)));
}

SweepWindow::~SweepWindow() = default;

void SweepWindow::BuildControls() {
  auto* layout = new QVBoxLayout(this);

  auto* inputs = new QGroupBox("Sweep", this);
  inputs->setObjectName("SweepInputs");
  auto* grid = new QGridLayout(inputs);
  variable_ = new QComboBox(inputs);
  variable_->setObjectName("SweepVariable");
  // Each value by its symbol, description and unit; the model's name goes with it as data.
  const auto addField = [this](std::string_view name) {
    const QString model = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    QString caption = model;
    for (const SweepVaryText& text : kSweepVaryTexts)
      if (model == QLatin1String(text.Name)) caption = QString::fromUtf8(text.Text);
    varyTexts_.push_back(new TInvText(QStringLiteral("Vary_") + model, caption, this));
    variable_->addItem(caption, model);
  };
  for (const EditableField& f : kMainParams)
    addField(f.Name);
  variable_->insertSeparator(variable_->count());
  for (const EditableField& f : kEnvironmentFields)
    addField(f.Name);
  variable_->setCurrentIndex(variable_->findData(QStringLiteral("v")));
  variable_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  variable_->setMinimumContentsLength(24);
  stepsValues_ = new TInvText("SweepStepsValues", "= %1 values, both ends included", this);
  notBalanced_ = new TInvText(
      "SweepNotBalanced", "%1 did not balance (red rings): try Search: Newton or more steps", this);
  pointNotBalanced_ = new TInvText(
      "SweepPointNotBalanced",
      "%1 = %2 did not balance: the moment sum stayed at %3 N*m after %4 iterations. Try "
      "Search: Newton, more steps, or, with the door on the ground, Options > Precise ground "
      "contact in the Balance position window.",
      this);
  pointBalanced_ = new TInvText("SweepPointBalanced",
                                "%1 = %2 balanced: moment sum %3 N*m after %4 iterations", this);
  from_ = NamedControls::SettingBox(inputs, "SweepFrom");
  to_ = NamedControls::SettingBox(inputs, "SweepTo");
  useRange_ = new QPushButton("Use range", inputs);
  useRange_->setObjectName("SweepUseRange");
  useRange_->setToolTip("Sets From and To to the range given in Projections");
  useRange_->setAutoDefault(false);
  steps_ = new QSpinBox(inputs);
  steps_->setObjectName("SweepSteps");
  steps_->setRange(1, kMaxSteps);
  steps_->setValue(kDefaultSteps);
  method_ = new QComboBox(inputs);
  method_->setObjectName("SweepMethod");
  method_->addItem(Text(SweepTexts::kRelaxation), "relax");
  method_->addItem(Text(SweepTexts::kNewton), "newton");
  // The labels are named so that a language file can reach them.
  const auto label = [inputs](const char* name, const char* caption) {
    return NamedControls::Label(inputs, name, caption);
  };
  QLabel* vary = label("SweepLabelVary", "Vary:");
  vary->setToolTip("The value that changes from From to To");
  grid->addWidget(vary, 0, 0);
  grid->addWidget(variable_, 0, 1);
  grid->addWidget(label("SweepLabelFrom", "From:"), 0, 2);
  grid->addWidget(from_, 0, 3);
  grid->addWidget(label("SweepLabelTo", "To:"), 0, 4);
  grid->addWidget(to_, 0, 5);
  grid->addWidget(useRange_, 0, 6);
  grid->addWidget(label("SweepLabelSteps", "Steps:"), 1, 0);
  // N steps balance N + 1 values, both ends included, as doortrim-cli sweep --steps N does.
  auto* stepsRow = new QHBoxLayout;
  stepsRow->addWidget(steps_);
  valuesLabel_ = new DerivedLabel("SweepValuesCount", inputs);
  stepsRow->addWidget(valuesLabel_, 1);
  grid->addLayout(stepsRow, 1, 1);
  grid->addWidget(label("SweepLabelSearch", "Search:"), 1, 2);
  grid->addWidget(method_, 1, 3);
  const NamedControls::RunCancel runCancel = NamedControls::RunAndCancel(inputs, "Sweep");
  run_ = runCancel.Run;
  cancel_ = runCancel.Cancel;
  grid->addWidget(run_, 1, 5);
  grid->addWidget(cancel_, 1, 6);
  grid->setColumnStretch(1, 1);
  layout->addWidget(inputs);

  auto* results = new QSplitter(Qt::Vertical, this);
  results->setObjectName("SweepSplitter");
  results->setChildrenCollapsible(false);
  plot_ = new SweepPlot(results);
  table_ = new QTableWidget(0, kColumnCount, results);
  table_->setObjectName("SweepTable");
  // Tab goes on to the next control; the arrows move between the rows.
  table_->setTabKeyNavigation(false);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  results->addWidget(plot_);
  results->addWidget(table_);
  results->setStretchFactor(0, 3);
  results->setStretchFactor(1, 2);
  // Either pane can be dragged larger; the table shows some rows at least.
  table_->setMinimumHeight(6 * table_->verticalHeader()->defaultSectionSize());
  plot_->SetPointHint([this](const SweepPoint& point) { return PointHint(point); });
  layout->addWidget(results, 1);

  auto* bottom = new QHBoxLayout;
  progress_ = new QProgressBar(this);
  progress_->setObjectName("SweepProgress");
  progress_->setValue(0);
  status_ = new QLabel(this);
  status_->setObjectName("SweepStatus");
  status_->setWordWrap(true);
  auto* progressRow = new QHBoxLayout;
  progressRow->addWidget(progress_, 1);
  progressRow->addWidget(status_, 1);
  layout->addLayout(progressRow);
  bottom->addStretch(1);
  const auto button = [this, bottom](const char* name, const QString& caption) {
    return NamedControls::RowButton(this, *bottom, name, caption);
  };
  exportCsv_ = button("SweepExportCsv", "Export CSV ...");
  copyPlot_ = button("SweepCopyPlot", "Copy plot");
  savePlot_ = button("SweepSavePlot", "Save plot ...");
  QPushButton* helpButton = button("SweepHelp", "Help");
  QPushButton* close = button("SweepClose", "Close");
  for (QPushButton* b : {exportCsv_, copyPlot_, savePlot_})
    b->setEnabled(false);
  layout->addLayout(bottom);

  connect(variable_, &QComboBox::currentIndexChanged, this, &SweepWindow::onVariableChanged);
  connect(steps_, &QSpinBox::valueChanged, this, &SweepWindow::RefreshValuesCount);
  connect(useRange_, &QPushButton::clicked, this, &SweepWindow::onUseRangeClicked);
  connect(run_, &QPushButton::clicked, this, &SweepWindow::onRunClicked);
  connect(cancel_, &QPushButton::clicked, this, &SweepWindow::onCancelClicked);
  connect(exportCsv_, &QPushButton::clicked, this, &SweepWindow::onExportCsvClicked);
  connect(copyPlot_, &QPushButton::clicked, this, &SweepWindow::onCopyPlotClicked);
  connect(savePlot_, &QPushButton::clicked, this, &SweepWindow::onSavePlotClicked);
  connect(helpButton, &QPushButton::clicked, this, [this] { help_.ShowTopic(kHelpTopic); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  resize(760, 640);
}

void SweepWindow::SetMethod(BalanceMethod method) {
  method_->setCurrentIndex(method == BalanceMethod::Newton ? 1 : 0);
}

QString SweepWindow::VariableName() const {
  return variable_->currentData().toString();
}

void SweepWindow::RefreshValuesCount() {
  valuesLabel_->setText(stepsValues_->Caption().arg(steps_->value() + 1));
}

QString SweepWindow::PointHint(const SweepPoint& point) const {
  const QString value = UserNumberText("######0.####", point.Value);
  const QString sum = std::isfinite(point.MomentSum) ? UserNumberText("####0.###", point.MomentSum)
                                                     : QStringLiteral("-");
  const TInvText* text = point.Converged ? pointBalanced_ : pointNotBalanced_;
  return text->Caption().arg(sweptName_, value, sum).arg(point.Iterations);
}

void SweepWindow::onVariableChanged() {
  const std::string name = VariableName().toStdString();
  const int index = MainParamIndex(name);
  useRange_->setEnabled(index >= 0);
  RefreshRangeHint();
  // From the door's value to half as much again; the range is one click away.
  const std::optional<EditableField> field = FindEditableField(name);
  if (!field) return;
  const long double value = door_.Inputs().*(field->Field);
  from_->setValue(static_cast<double>(value));
  to_->setValue(static_cast<double>(value != 0 ? value * 1.5L : 1.0L));
}

void SweepWindow::onUseRangeClicked() {
  const int index = MainParamIndex(VariableName().toStdString());
  if (index < 0) return;
  const Range& range = door_.Inputs().Ranges[static_cast<std::size_t>(index)];
  from_->setValue(static_cast<double>(range.From));
  to_->setValue(static_cast<double>(range.To));
}

void SweepWindow::SetInputsEnabled(bool enabled) {
  for (QWidget* w : std::initializer_list<QWidget*>{variable_, from_, to_, steps_, method_, run_,
                                                    exportCsv_, copyPlot_, savePlot_})
    w->setEnabled(enabled);
  useRange_->setEnabled(enabled && MainParamIndex(VariableName().toStdString()) >= 0);
  cancel_->setEnabled(!enabled);
}

void SweepWindow::onRunClicked() {
  if (Running()) return;
  const QString name = VariableName();
  const std::optional<EditableField> field = FindEditableField(name.toStdString());
  if (!field) return;
  const long double from = from_->value();
  const long double to = to_->value();
  if (from == to) {
    MessageBoxes::Warning(this, windowTitle(), Text(SweepTexts::kEqualEnds));
    return;
  }
  for (const long double end : {from, to}) {
    if (const auto problem = CheckFieldValue(field->Name, end)) {
      MessageBoxes::Warning(this, windowTitle(), QString::fromStdString(*problem) + ".");
      return;
    }
  }
  const BalanceMethod method =
      method_->currentIndex() == 1 ? BalanceMethod::Newton : BalanceMethod::Relaxation;
  const int values = steps_->value() + 1;
  sweep_ = std::make_unique<ParameterSweep>(door_, *field, from, to, values, method, door_.RotX(),
                                            door_.RotY(), door_.RotZ(), kSolverTolerance);
  sweptName_ = name;
  table_->setRowCount(0);
  table_->setHorizontalHeaderItem(0, new QTableWidgetItem(name));
  for (int c = 1; c < kColumnCount; ++c)
    table_->setHorizontalHeaderItem(c, new QTableWidgetItem(Text(SweepTexts::kHeadings[c - 1])));
  plot_->SetAxis(variable_->currentText(), from, to);
  plot_->SetPoints({});
  progress_->setRange(0, values);
  progress_->setValue(0);
  status_->setText(Text(SweepTexts::kBalancing));
  SetInputsEnabled(false);
  timer_.start();
}

void SweepWindow::onTick() {
  if (!sweep_) return;
  QElapsedTimer clock;
  clock.start();
  bool finished = false;
  do {
    finished = sweep_->Step();
  } while (!finished && clock.elapsed() < kTickBudgetMs);
  ShowNewPoints();
  if (finished) {
    int balanced = 0;
    for (const SweepPoint& p : sweep_->Points())
      balanced += p.Converged ? 1 : 0;
    QString status = Text(SweepTexts::kDone).arg(balanced).arg(sweep_->Count());
    // Values that did not balance are explained, with what to try.
    const int unbalanced = static_cast<int>(sweep_->Points().size()) - balanced;
    if (unbalanced > 0) status += QStringLiteral(". ") + notBalanced_->Caption().arg(unbalanced);
    // Values that did not balance in bottom trawling often balance with the keel's depth found
    // exactly.
    if (unbalanced > 0 && door_.Inputs().Bottom && !door_.PreciseGround())
      status += QStringLiteral(". ") + texts_.Text("SweepPreciseHint");
    EndSweep(status);
  }
}

void SweepWindow::ShowNewPoints() {
  const std::vector<SweepPoint>& points = sweep_->Points();
  const NumberLocale loc = UserNumberLocale();
  for (int row = table_->rowCount(); row < static_cast<int>(points.size()); ++row) {
    const SweepPoint& p = points[static_cast<std::size_t>(row)];
    table_->insertRow(row);
    const long double figures[] = {p.RotX,
                                   p.RotY,
                                   p.RotZ,
                                   p.WingAttackDeg,
                                   p.SpreadKN,
                                   p.ResistanceKN,
                                   p.VerticalKN,
                                   p.SpreadOverResistance,
                                   0,
                                   0,
                                   p.MomentSum};
    const auto cell = [this, row](int column, const QString& text) {
      auto* item = new QTableWidgetItem(text);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(row, column, item);
      return item;
    };
    cell(0, UserNumberText("######0.####", p.Value, loc));
    for (int c = 0; c < static_cast<int>(std::size(kColumns)); ++c) {
      QString text;
      if (c == 8) {
        // The answer is kept with the cell: a language switch writes it again.
        cell(c + 1, Text(p.Converged ? SweepTexts::kYes : SweepTexts::kNo))
            ->setData(Qt::UserRole, p.Converged);
        continue;
      }
      if (c == 9) {
        text = QString::number(p.Iterations);
      } else {
        text = std::isfinite(figures[c]) ? UserNumberText(kColumns[c], figures[c], loc)
                                         : QStringLiteral("-");
      }
      cell(c + 1, text);
    }
    if (!p.Converged) {
      for (int c = 0; c < kColumnCount; ++c)
        table_->item(row, c)->setForeground(QColor(200, 0, 0));
    }
    const QString hint = PointHint(p);
    for (int c = 0; c < kColumnCount; ++c)
      table_->item(row, c)->setToolTip(hint);
  }
  plot_->SetPoints(points);
  progress_->setValue(static_cast<int>(points.size()));
}

void SweepWindow::onCancelClicked() {
  if (!Running()) return;
  EndSweep(Text(SweepTexts::kCancelled).arg(sweep_->Points().size()).arg(sweep_->Count()));
}

void SweepWindow::EndSweep(const QString& status) {
  timer_.stop();
  status_->setText(status);
  SetInputsEnabled(true);
  const bool any = sweep_ && !sweep_->Points().empty();
  for (QPushButton* b : {exportCsv_, copyPlot_, savePlot_})
    b->setEnabled(any);
  emit sweepEnded();
}

void SweepWindow::ForgetSweep() {
  timer_.stop();
  sweep_.reset();
  sweptName_.clear();
  table_->setRowCount(0);
  plot_->SetPoints({});
  progress_->setValue(0);
  status_->clear();
  SetInputsEnabled(true);
  for (QPushButton* b : {exportCsv_, copyPlot_, savePlot_})
    b->setEnabled(false);
}

void SweepWindow::onExportCsvClicked() {
  if (!sweep_ || sweep_->Points().empty()) return;
  FileDialogRequest request;
  request.Parent = this;
  request.ObjectName = "SweepCsvDialog";
  request.Title = Text(SweepTexts::kExportTitle);
  request.SelectedFile = sweptName_ + "-sweep.csv";
  request.NameFilter = Text(FileTexts::kCsvFiles);
  request.DefaultSuffix = "csv";
  request.Kind = FileDialogRequest::Mode::Save;
  const std::optional<QString> path = FileDialogs::Choose(request);
  if (!path) return;
  std::ostringstream text;
  WriteSweepCsv(text, sweptName_.toStdString(), sweep_->Points());
  const std::string bytes = text.str();
  if (const auto problem = WriteFile(
          *path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), catalogue_))
    MessageBoxes::Critical(this, Text(SweepTexts::kExportTitle),
                           Text(SweepTexts::kNotWritten).arg(*path, *problem));
}

QImage SweepWindow::PlotImage() const {
  QImage image(plot_->size().expandedTo(plot_->sizeHint()), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  plot_->Paint(painter, image.size());
  return image;
}

void SweepWindow::onCopyPlotClicked() {
  QApplication::clipboard()->setImage(PlotImage());
}

void SweepWindow::onSavePlotClicked() {
  FileDialogRequest request;
  request.Parent = this;
  request.ObjectName = "SweepPlotDialog";
  request.Title = Text(SweepTexts::kSavePlotTitle);
  request.SelectedFile = sweptName_ + "-sweep.png";
  request.NameFilter = Text(FileTexts::kPictureFiles);
  request.DefaultSuffix = "png";
  request.Kind = FileDialogRequest::Mode::Save;
  const std::optional<QString> path = FileDialogs::Choose(request);
  if (!path) return;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (IsSvgPath(*path)) {
    const QSize size = plot_->size().expandedTo(plot_->sizeHint());
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle("Sweep of " + sweptName_);
    QPainter painter(&generator);
    plot_->Paint(painter, size);
  } else {
    buffer.open(QIODevice::WriteOnly);
    PlotImage().save(&buffer, "PNG");
  }
  if (const auto problem = WriteFile(*path, bytes, catalogue_))
    MessageBoxes::Critical(this, Text(SweepTexts::kSavePlotTitle),
                           Text(SweepTexts::kNotWritten).arg(*path, *problem));
}

void SweepWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    help_.ShowTopic(kHelpTopic);
    return;
  }
  QDialog::keyPressEvent(event);
}

void SweepWindow::done(int result) {
  // Closing the window cancels a running sweep; its values so far stay on show.
  onCancelClicked();
  QDialog::done(result);
}
