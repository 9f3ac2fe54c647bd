#include "OperatingMapWindow.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>
#include <sstream>

#include "SettingChoice.h"

#include "DoorDocument.h"
#include "FileDialogs.h"
#include "HelpBrowser.h"
#include "LanguageApplier.h"
#include "MessageBoxes.h"
#include "NamedControls.h"
#include "OperatingMapView.h"
#include "UserLocale.h"
#include "analysis/OperatingMap.h"
#include "model/EditableFields.h"
#include "model/TBoard.h"
#include "report/MapCsv.h"

namespace {

constexpr long double kSolverTolerance = 0.1L;  // N*m, as the balance window's solver
constexpr int kDefaultSteps = 10;
constexpr int kProgressIntervalMs = 100;
constexpr char kValueFormat[] = "######0.####";
constexpr char kAngleFormat[] = "##0.##";
constexpr char kForceFormat[] = "####0.###";
// The size of an exported picture, pixels.
const QSize kPictureSize(900, 640);

QString NameOf(const EditableField& field) {
  return QString::fromUtf8(field.Name.data(), static_cast<qsizetype>(field.Name.size()));
}

// The texts of the quantities, in the order of MapQuantity.
constexpr const char* kQuantityKeys[] = {"OpMapQuantityAttack", "OpMapQuantityHeel",
                                         "OpMapQuantityPitch",  "OpMapQuantitySpread",
                                         "OpMapQuantityRatio",  "OpMapQuantityStability"};

}  // namespace

OperatingMapWindow::OperatingMapWindow(const TBoard& settings, DoorDocument& document,
                                       HelpBrowser& help, QWidget* parent)
    : QDialog(parent), settings_(settings), document_(document), help_(help), texts_(*this) {
  setObjectName("OpMap_f");
  setWindowTitle("Operating map");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);
  AddTexts();
  BuildControls();
  progressTimer_.setInterval(kProgressIntervalMs);
  connect(&progressTimer_, &QTimer::timeout, this, &OperatingMapWindow::ShowProgress);
  // A map of another door is no map of this one.
  connect(&document_, &DoorDocument::replaced, this, &OperatingMapWindow::ForgetMap);
  connect(&LanguageApplier::Of(*this), &LanguageApplier::OnRead, this,
          &OperatingMapWindow::RefreshTexts);
}

OperatingMapWindow::~OperatingMapWindow() {
  StopWorker();
}

void OperatingMapWindow::AddTexts() {
  texts_.Add("OpMapQuantityAttack", "Wing attack angle, °");
  texts_.Add("OpMapQuantityHeel", "Heel (rotation about X), °");
  texts_.Add("OpMapQuantityPitch", "Pitch (rotation about Y), °");
  texts_.Add("OpMapQuantitySpread", "Spread force, kN");
  texts_.Add("OpMapQuantityRatio", "Spread / resistance");
  texts_.Add("OpMapQuantityStability", "Stability verdict");
  texts_.Add("OpMapStable", "stable");
  texts_.Add("OpMapUnstable", "unstable");
  texts_.Add("OpMapUnbalanced", "not balanced");
  texts_.Add("OpMapGoodRegion", "attack angle in the band, stable");
  texts_.Add("OpMapRunning", "Balancing %1 nodes ...");
  texts_.Add("OpMapDone", "%1 nodes, %2 not balanced.");
  texts_.Add("OpMapCancelled",
             "Cancelled after %1 of %2 nodes: the map is incomplete and is not exported.");
  texts_.Add("OpMapPreciseHint",
             "Precise ground contact (the Options menu of the Balance position window) lets the "
             "search balance where the keel's ground force changes in small steps.");
  texts_.Add("OpMapReadout",
             "%1 = %2, %3 = %4: wing attack angle %5°, heel %6°, pitch %7°, spread force %8 kN, "
             "spread / resistance %9, %10");
  texts_.Add("OpMapReadoutUnbalanced", "%1 = %2, %3 = %4: not balanced");
  texts_.Add("OpMapSameSetting", "X and Y are the same setting: choose two.");
  texts_.Add("OpMapEqualEnds", "From and To are equal: there is nothing to map.");
  texts_.Add("OpMapExportTitle", "Export map");
  texts_.Add("OpMapSaveTitle", "Save map picture");
  texts_.Add("OpMapNotWritten", "%1 could not be written: %2");
}

void OperatingMapWindow::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  auto* inputs = new QGroupBox("Map", this);
  inputs->setObjectName("OpMapInputs");
  auto* grid = new QGridLayout(inputs);
  const auto label = [inputs](const char* name, const char* caption) {
    return NamedControls::Label(inputs, name, caption);
  };
  const auto number = [inputs](const char* name) {
    return NamedControls::SettingBox(inputs, name);
  };
  const auto steps = [inputs](const char* name) {
    auto* box = new QSpinBox(inputs);
    box->setObjectName(name);
    box->setRange(1, OperatingMap::kMaxSteps);
    box->setValue(kDefaultSteps);
    return box;
  };
  xSetting_ = new QComboBox(inputs);
  xSetting_->setObjectName("OpMapX");
  SettingChoice::Fill(*xSetting_);
  xFrom_ = number("OpMapXFrom");
  xTo_ = number("OpMapXTo");
  xSteps_ = steps("OpMapXSteps");
  ySetting_ = new QComboBox(inputs);
  ySetting_->setObjectName("OpMapY");
  SettingChoice::Fill(*ySetting_);
  yFrom_ = number("OpMapYFrom");
  yTo_ = number("OpMapYTo");
  ySteps_ = steps("OpMapYSteps");
  quantity_ = new QComboBox(inputs);
  quantity_->setObjectName("OpMapQuantity");
  for (std::size_t i = 0; i < std::size(kQuantityKeys); ++i)
    quantity_->addItem(QString());
  bandFrom_ = number("OpMapBandFrom");
  bandFrom_->setRange(-90, 90);
  bandFrom_->setValue(30);
  bandTo_ = number("OpMapBandTo");
  bandTo_->setRange(-90, 90);
  bandTo_->setValue(40);

  int row = 0;
  for (auto [setting, from, to, count, caption, name] :
       {std::tuple{xSetting_, xFrom_, xTo_, xSteps_, "X:", "OpMapLabelX"},
        std::tuple{ySetting_, yFrom_, yTo_, ySteps_, "Y:", "OpMapLabelY"}}) {
    grid->addWidget(label(name, caption), row, 0);
    grid->addWidget(setting, row, 1);
    grid->addWidget(from, row, 3);
    grid->addWidget(to, row, 5);
    grid->addWidget(count, row, 7);
    ++row;
  }
  grid->addWidget(label("OpMapLabelFrom", "From:"), 0, 2);
  grid->addWidget(label("OpMapLabelTo", "To:"), 0, 4);
  grid->addWidget(label("OpMapLabelSteps", "Steps:"), 0, 6);
  grid->addWidget(label("OpMapLabelFrom2", "From:"), 1, 2);
  grid->addWidget(label("OpMapLabelTo2", "To:"), 1, 4);
  grid->addWidget(label("OpMapLabelSteps2", "Steps:"), 1, 6);
  grid->addWidget(label("OpMapLabelQuantity", "Show:"), 2, 0);
  grid->addWidget(quantity_, 2, 1);
  QLabel* band = label("OpMapLabelBand", "Attack band, °:");
  band->setToolTip("The wing attack angles of the outlined region, where the door is also stable");
  grid->addWidget(band, 2, 2);
  grid->addWidget(bandFrom_, 2, 3);
  grid->addWidget(label("OpMapLabelBandTo", "to"), 2, 4);
  grid->addWidget(bandTo_, 2, 5);
  const NamedControls::RunCancel runCancel = NamedControls::RunAndCancel(inputs, "OpMap");
  run_ = runCancel.Run;
  cancel_ = runCancel.Cancel;
  grid->addWidget(run_, 2, 6);
  grid->addWidget(cancel_, 2, 7);
  grid->setColumnStretch(1, 1);
  layout->addWidget(inputs);

  auto* progressRow = new QHBoxLayout;
  progress_ = new QProgressBar(this);
  progress_->setObjectName("OpMapProgress");
  progress_->setValue(0);
  status_ = new QLabel(this);
  status_->setObjectName("OpMapStatus");
  status_->setWordWrap(true);
  progressRow->addWidget(progress_, 1);
  progressRow->addWidget(status_, 2);
  layout->addLayout(progressRow);

  view_ = new OperatingMapView(this);
  layout->addWidget(view_, 1);
  readout_ = new QLabel(this);
  readout_->setObjectName("OpMapReadoutLine");
  readout_->setWordWrap(true);
  readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(readout_);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  const auto button = [this, bottom](const char* name, const char* caption) {
    return NamedControls::RowButton(this, *bottom, name, caption);
  };
  exportCsv_ = button("OpMapExportCsv", "Export CSV ...");
  savePicture_ = button("OpMapSavePicture", "Save picture ...");
  QPushButton* helpButton = button("OpMapHelp", "Help");
  QPushButton* close = button("OpMapClose", "Close");
  exportCsv_->setEnabled(false);
  savePicture_->setEnabled(false);
  layout->addLayout(bottom);

  xSetting_->setCurrentText("v");
  ySetting_->setCurrentText("x0");
  onSettingChanged(xSetting_, xFrom_, xTo_);
  onSettingChanged(ySetting_, yFrom_, yTo_);
  connect(xSetting_, &QComboBox::currentIndexChanged, this,
          [this] { onSettingChanged(xSetting_, xFrom_, xTo_); });
  connect(ySetting_, &QComboBox::currentIndexChanged, this,
          [this] { onSettingChanged(ySetting_, yFrom_, yTo_); });
  const auto repaint = [this] {
    if (!picture_) return;
    picture_->SetQuantity(Quantity());
    picture_->SetAttackBand(bandFrom_->value(), bandTo_->value());
    RefreshTexts();
  };
  connect(quantity_, &QComboBox::currentIndexChanged, this, repaint);
  connect(bandFrom_, &QDoubleSpinBox::valueChanged, this, repaint);
  connect(bandTo_, &QDoubleSpinBox::valueChanged, this, repaint);
  connect(run_, &QPushButton::clicked, this, &OperatingMapWindow::onRunClicked);
  connect(cancel_, &QPushButton::clicked, this, &OperatingMapWindow::onCancelClicked);
  connect(exportCsv_, &QPushButton::clicked, this, &OperatingMapWindow::onExportCsvClicked);
  connect(savePicture_, &QPushButton::clicked, this, &OperatingMapWindow::onSavePictureClicked);
  connect(helpButton, &QPushButton::clicked, this, [this] { help_.ShowTopic(kHelpTopic); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(view_, &OperatingMapView::nodeHovered, this, &OperatingMapWindow::onNodeHovered);
  RefreshTexts();
  resize(820, 720);
}

void OperatingMapWindow::RefreshTexts() {
  for (int i = 0; i < quantity_->count(); ++i)
    quantity_->setItemText(i, texts_.Text(kQuantityKeys[i]));
  if (picture_) {
    OperatingMapPicture::Words words;
    words.Stable = texts_.Text("OpMapStable");
    words.Unstable = texts_.Text("OpMapUnstable");
    words.Unbalanced = texts_.Text("OpMapUnbalanced");
    words.GoodRegion = texts_.Text("OpMapGoodRegion");
    words.Quantity = QuantityName(picture_->Quantity());
    picture_->SetWords(words);
    view_->update();
  }
  if (hovered_) onNodeHovered(hovered_->first, hovered_->second);
}

QString OperatingMapWindow::QuantityName(MapQuantity quantity) const {
  return texts_.Text(kQuantityKeys[static_cast<int>(quantity)]);
}

MapQuantity OperatingMapWindow::Quantity() const {
  return static_cast<MapQuantity>(
      std::clamp(quantity_->currentIndex(), 0, static_cast<int>(MapQuantity::Stability)));
}

void OperatingMapWindow::onSettingChanged(QComboBox* setting, QDoubleSpinBox* from,
                                          QDoubleSpinBox* to) {
  const std::optional<EditableField> field =
      FindEditableField(SettingChoice::Current(*setting).toStdString());
  if (!field) return;
  // From the door's value to half as much again, as the sweep offers.
  const long double value = document_.Door().*(field->Field);
  from->setValue(static_cast<double>(value));
  to->setValue(static_cast<double>(value != 0 ? value * 1.5L : 1.0L));
}

void OperatingMapWindow::SetInputsEnabled(bool enabled) {
  for (QWidget* w : std::initializer_list<QWidget*>{xSetting_, xFrom_, xTo_, xSteps_, ySetting_,
                                                    yFrom_, yTo_, ySteps_, run_})
    w->setEnabled(enabled);
  cancel_->setEnabled(!enabled);
  exportCsv_->setEnabled(enabled && complete_);
  savePicture_->setEnabled(enabled && complete_);
}

void OperatingMapWindow::onRunClicked() {
  if (Running()) return;
  MapAxis axes[2];
  const std::tuple<QComboBox*, QDoubleSpinBox*, QDoubleSpinBox*, QSpinBox*> inputs[2] = {
      {xSetting_, xFrom_, xTo_, xSteps_}, {ySetting_, yFrom_, yTo_, ySteps_}};
  for (int a = 0; a < 2; ++a) {
    const auto [setting, from, to, steps] = inputs[a];
    const std::optional<EditableField> field =
        FindEditableField(SettingChoice::Current(*setting).toStdString());
    if (!field) return;
    axes[a] = MapAxis{*field, from->value(), to->value(), steps->value()};
    if (axes[a].From == axes[a].To) {
      MessageBoxes::Warning(this, windowTitle(), texts_.Text("OpMapEqualEnds"));
      return;
    }
    for (const long double end : {axes[a].From, axes[a].To}) {
      if (const auto problem = CheckFieldValue(field->Name, end)) {
        MessageBoxes::Warning(this, windowTitle(), QString::fromStdString(*problem) + ".");
        return;
      }
    }
  }
  if (axes[0].Setting.Field == axes[1].Setting.Field) {
    MessageBoxes::Warning(this, windowTitle(), texts_.Text("OpMapSameSetting"));
    return;
  }
  // The map is shown once its threads are done with it: nothing reads the nodes meanwhile.
  view_->SetPicture(nullptr);
  picture_.reset();
  hovered_.reset();
  readout_->clear();
  complete_ = false;
  // The door as it is, from its balance angles, with the balance window's settings.
  TBoard door(document_.Door());
  precise_ = settings_.PreciseGround();
  door.SetPreciseGround(precise_);
  door.SetSensitivity(settings_.Sensitivity());
  const BalanceAngles& angles = document_.Angles();
  map_ = std::make_unique<OperatingMap>(
      door, axes[0], axes[1], AngleTriple{angles.X, angles.Y, angles.Z}, kSolverTolerance);
  cancelRequest_ = false;
  worker_ = QThread::create([this] { complete_ = map_->Run(0, &cancelRequest_); });
  connect(worker_, &QThread::finished, this, &OperatingMapWindow::onMapFinished);
  progress_->setRange(0, map_->NodeCount());
  progress_->setValue(0);
  status_->setText(texts_.Text("OpMapRunning").arg(map_->NodeCount()));
  SetInputsEnabled(false);
  progressTimer_.start();
  worker_->start();
}

void OperatingMapWindow::ShowProgress() {
  if (map_) progress_->setValue(map_->NodesDone());
}

void OperatingMapWindow::onCancelClicked() {
  if (Running()) cancelRequest_ = true;
}

void OperatingMapWindow::onMapFinished() {
  if (worker_ == nullptr) return;
  worker_->deleteLater();
  worker_ = nullptr;
  progressTimer_.stop();
  ShowProgress();
  int done = 0, unbalanced = 0;
  for (const MapNode& node : map_->Nodes()) {
    done += node.Done ? 1 : 0;
    unbalanced += node.Done && !node.Balance.Converged ? 1 : 0;
  }
  if (complete_) {
    QString status = texts_.Text("OpMapDone").arg(map_->NodeCount()).arg(unbalanced);
    if (unbalanced > 0 && map_->Bottom() && !precise_)
      status += " " + texts_.Text("OpMapPreciseHint");
    status_->setText(status);
  } else {
    status_->setText(texts_.Text("OpMapCancelled").arg(done).arg(map_->NodeCount()));
  }
  picture_ = std::make_unique<OperatingMapPicture>(map_->XAxis(), map_->YAxis(), map_->Nodes());
  picture_->SetQuantity(Quantity());
  picture_->SetAttackBand(bandFrom_->value(), bandTo_->value());
  view_->SetPicture(picture_.get());
  RefreshTexts();
  SetInputsEnabled(true);
  emit mapEnded();
}

void OperatingMapWindow::onNodeHovered(int ix, int iy) {
  if (!map_ || Running()) return;
  hovered_ = std::make_pair(ix, iy);
  const MapNode& node = map_->Node(ix, iy);
  const NumberLocale loc = UserNumberLocale();
  const QString xName = SettingChoice::Shown(*xSetting_, NameOf(map_->XAxis().Setting));
  const QString yName = SettingChoice::Shown(*ySetting_, NameOf(map_->YAxis().Setting));
  const QString xValue = UserNumberText(kValueFormat, node.XValue, loc);
  const QString yValue = UserNumberText(kValueFormat, node.YValue, loc);
  if (!node.Done || !node.Balance.Converged) {
    readout_->setText(texts_.Text("OpMapReadoutUnbalanced").arg(xName, xValue, yName, yValue));
    return;
  }
  const SweepPoint& p = node.Balance;
  readout_->setText(
      texts_.Text("OpMapReadout")
          .arg(xName, xValue, yName, yValue, UserNumberText(kAngleFormat, p.WingAttackDeg, loc),
               UserNumberText(kAngleFormat, p.RotX, loc), UserNumberText(kAngleFormat, p.RotY, loc),
               UserNumberText(kForceFormat, p.SpreadKN, loc),
               UserNumberText(kForceFormat, p.SpreadOverResistance, loc))
          .arg(texts_.Text(node.Stable ? "OpMapStable" : "OpMapUnstable")));
}

void OperatingMapWindow::onExportCsvClicked() {
  if (!map_ || !complete_ || Running()) return;
  const QString xName = NameOf(map_->XAxis().Setting);
  const QString yName = NameOf(map_->YAxis().Setting);
  FileDialogRequest request;
  request.Parent = this;
  request.ObjectName = "OpMapCsvDialog";
  request.Title = texts_.Text("OpMapExportTitle");
  request.SelectedFile = xName + "-" + yName + "-map.csv";
  request.NameFilter = QString::fromStdString(catalogue_.Text(FileTexts::kCsvFiles));
  request.DefaultSuffix = "csv";
  request.Kind = FileDialogRequest::Mode::Save;
  const std::optional<QString> path = FileDialogs::Choose(request);
  if (!path) return;
  std::ostringstream text;
  WriteMapCsv(text, xName.toStdString(), yName.toStdString(), map_->Nodes());
  if (const auto problem = AtomicFileWriter().Attempt(path->toStdString(), text.str()))
    MessageBoxes::Critical(this, request.Title,
                           texts_.Text("OpMapNotWritten")
                               .arg(*path, QString::fromStdString(problem->Text(catalogue_))));
}

void OperatingMapWindow::onSavePictureClicked() {
  if (!picture_ || !complete_ || Running()) return;
  const QString xName = NameOf(map_->XAxis().Setting);
  const QString yName = NameOf(map_->YAxis().Setting);
  FileDialogRequest request;
  request.Parent = this;
  request.ObjectName = "OpMapPictureDialog";
  request.Title = texts_.Text("OpMapSaveTitle");
  request.SelectedFile = xName + "-" + yName + "-map.png";
  request.NameFilter = QString::fromStdString(catalogue_.Text(FileTexts::kPictureFiles));
  request.DefaultSuffix = "png";
  request.Kind = FileDialogRequest::Mode::Save;
  const std::optional<QString> path = FileDialogs::Choose(request);
  if (!path) return;
  if (const auto problem = picture_->Save(*path, kPictureSize, windowTitle()))
    MessageBoxes::Critical(this, request.Title,
                           texts_.Text("OpMapNotWritten").arg(*path, *problem));
}

void OperatingMapWindow::ForgetMap() {
  StopWorker();
  view_->SetPicture(nullptr);
  picture_.reset();
  map_.reset();
  complete_ = false;
  hovered_.reset();
  readout_->clear();
  status_->clear();
  progress_->setValue(0);
  SetInputsEnabled(true);
}

void OperatingMapWindow::StopWorker() {
  progressTimer_.stop();
  if (worker_ == nullptr) return;
  // Each thread stops after the node it is balancing.
  cancelRequest_ = true;
  worker_->wait();
  delete worker_;
  worker_ = nullptr;
  complete_ = false;
}

void OperatingMapWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    help_.ShowTopic(kHelpTopic);
    return;
  }
  QDialog::keyPressEvent(event);
}

void OperatingMapWindow::done(int result) {
  // Closing the window cancels a running map, as the sweep's does.
  onCancelClicked();
  QDialog::done(result);
}

void OperatingMapWindow::SetTexts(const TextCatalogue& texts) {
  catalogue_ = texts;
  SettingChoice::SetTexts(*xSetting_, texts);
  SettingChoice::SetTexts(*ySetting_, texts);
}
