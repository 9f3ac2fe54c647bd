#include "TMain_f.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <memory>

#include "CalculatorLauncher.h"
#include "DoorPictures.h"
#include "DoorTrimApp.h"
#include "FileDialogs.h"
#include "HelpBrowser.h"
#include "MacroServer.h"
#include "MessageBoxes.h"
#include "TAboutBox.h"
#include "TBalance_f.h"
#include "TEditF.h"
#include "TEnvir_f.h"
#include "TGround_f.h"
#include "THydro_f.h"
#include "TKGeom_f.h"
#include "TKOrg_f.h"
#include "TProj_f.h"
#include "TTrawl_f.h"

namespace {

constexpr int kClientWidth = 411;
constexpr int kClientHeight = 292;
constexpr int kPanelWidth = 205;
constexpr int kPictureSize = 37;
constexpr int kButtonWidth = 130;
constexpr int kButtonHeight = 33;
constexpr int kRowHeight = 42;

const char* const kFileFilter = "Otterboard Data Files (*.brd);;All Files (*)";

}  // namespace

TMain_f::TMain_f(DoorTrimApp& app) : app_(app) {
  setObjectName("Main_f");
  setWindowTitle("DoorTrim");
  BuildMenus();
  BuildPanels();
  // Window flags: a fixed single-border window with system menu and minimise box only.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  adjustSize();
  setFixedSize(sizeHint());

  // Creation: the drawing options, then the mode buttons from the model.
  app_.Flags.ShowHidden = false;
  app_.Flags.ShowForces = true;
  app_.Flags.ShowLabels = true;
  ShowModeFromModel();
}

void TMain_f::BuildMenus() {
  QMenu* file = menuBar()->addMenu("File");
  file->setObjectName("File1");
  QAction* open = file->addAction("&Open", this, [this] {
    FileDialogRequest request;
    request.Parent = this;
    request.ObjectName = "OpenDialog1";
    request.Title = "Open Data File";
    request.Directory = QFileInfo(fileName_).path();
    request.NameFilter = kFileFilter;
    if (const std::optional<QString> path = FileDialogs::Choose(request)) OpenFile(*path);
  });
  open->setObjectName("Open1");
  open->setShortcut(QKeySequence("Ctrl+O"));
  QAction* save = file->addAction("&Save", this, [this] { Save(); });
  save->setObjectName("Save1");
  save->setShortcut(QKeySequence("Ctrl+S"));
  QAction* saveAs = file->addAction("Save &As", this, [this] { SaveAs(); });
  saveAs->setObjectName("SaveAs1");
  saveAs->setShortcut(QKeySequence("Ctrl+A"));
  QMenu* language = file->addMenu("Language");
  language->menuAction()->setObjectName("Language1");
  for (const char* name : {"English", "Russian", "Norwegian"}) {
    QAction* item = language->addAction(name);
    item->setObjectName(QString(name) + "1");
    item->setEnabled(false);  // the interface languages come with their files
  }
  QAction* exit = file->addAction("E&xit", this, &QWidget::close);
  exit->setObjectName("Exit1");
  exit->setShortcut(QKeySequence("Alt+X"));

  QMenu* picture = menuBar()->addMenu("Picture");
  picture->setObjectName("Picture1");
  const std::pair<const char*, const char*> shapes[] = {{"Oval1", "Oval"},
                                                        {"Vshape1", "V-shape"},
                                                        {"Spherical1", "Spherical"},
                                                        {"Rectangular1", "Rectangular"}};
  for (const auto& [name, caption] : shapes) {
    QAction* item = picture->addAction(caption);
    item->setObjectName(name);
    const QString shape = QString(name).chopped(1).toLower();  // "Oval1" -> "oval"
    connect(item, &QAction::triggered, this, [this, shape] { ShowDoorShape(shape); });
  }

  QMenu* help = menuBar()->addMenu("Help");
  help->setObjectName("Help1");
  QAction* contents = help->addAction("Contents", this, [this] { app_.Help().ShowTopic("doors"); });
  contents->setObjectName("N2");
  contents->setShortcut(QKeySequence(Qt::Key_F1));
  QAction* about = help->addAction("About ...", this, [this] { app_.About().exec(); });
  about->setObjectName("A1");
}

QPushButton* TMain_f::AddButton(QGroupBox* group, int row, const QString& imageName,
                                const QString& buttonName, const QString& caption,
                                const QString& icon, const QString& hint) {
  const int top = 20 + row * kRowHeight;
  auto* image = new QLabel(group);
  image->setObjectName(imageName);
  image->setGeometry(10, top, kPictureSize, kPictureSize);
  image->setPixmap(
      DoorPictures::DrawingAtSize(":/icons/" + icon + ".svg", {kPictureSize, kPictureSize}));
  image->setToolTip(hint);
  auto* button = new QPushButton(caption, group);
  button->setObjectName(buttonName);
  button->setGeometry(52, top + 2, kButtonWidth, kButtonHeight);
  button->setToolTip(hint);
  return button;
}

void TMain_f::BuildPanels() {
  auto* client = new QWidget(this);
  client->setObjectName("Client");
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);

  auto* left = new QWidget(client);
  left->setObjectName("Panel1");
  left->setGeometry(0, 0, kPanelWidth, kClientHeight);
  auto* right = new QWidget(client);
  right->setObjectName("Panel2");
  right->setGeometry(kPanelWidth, 0, kClientWidth - kPanelWidth, kClientHeight);

  auto* mode = new QGroupBox("Ground Interaction", left);
  mode->setObjectName("GroupBox1");
  mode->setGeometry(6, 4, 193, 64);
  bottomButton_ = new QRadioButton("Bottom trawling", mode);
  bottomButton_->setObjectName("RadioButton1");
  bottomButton_->setGeometry(12, 20, 170, 20);
  midwaterButton_ = new QRadioButton("Midwater trawling", mode);
  midwaterButton_->setObjectName("RadioButton2");
  midwaterButton_->setGeometry(12, 40, 170, 20);
  connect(bottomButton_, &QRadioButton::clicked, this, &TMain_f::RadioButton1Click);
  connect(midwaterButton_, &QRadioButton::clicked, this, &TMain_f::RadioButton2Click);

  auto* geometry = new QGroupBox("Otterboard geometry", left);
  geometry->setObjectName("GroupBox2");
  geometry->setGeometry(6, 72, 193, 104);
  QPushButton* projections = AddButton(geometry, 0, "Image1", "Button1", "Projections",
                                       "projections", "Main points ordinates and gravity force");
  QPushButton* hydro = AddButton(geometry, 1, "Image4", "Button4", "Hydrodynamic ", "hydrodynamic",
                                 "Dependence of hydrodynamical coefficients from attack angle");

  auto* environment = new QGroupBox("Environment", left);
  environment->setObjectName("GroupBox3");
  environment->setGeometry(6, 180, 193, 104);
  QPushButton* envir = AddButton(environment, 0, "Image5", "Button5", "Environment", "environment",
                                 "Water and ground density, ground coefficient");
  QPushButton* trawl = AddButton(environment, 1, "Image6", "Button6", "Influence of Trawl", "trawl",
                                 "Attack angle of bridle");

  auto* keel = new QGroupBox("Keel", right);
  keel->setObjectName("GroupBox4");
  keel->setGeometry(6, 4, 193, 146);
  QPushButton* keelButtons[3];
  keelButtons[0] = AddButton(keel, 0, "Image7", "Button7", "Ground", "ground",
                             "Coefficients of keel-ground resistance");
  keelButtons[1] =
      AddButton(keel, 1, "Image8", "Button8", "Keel Geometry", "keelgeometry", "Keel form");
  keelButtons[2] = AddButton(keel, 2, "Image9", "Button9", "Origin of Keel", "keelorigin",
                             "Keel-wing disposition");

  auto* results = new QGroupBox("Results", right);
  results->setObjectName("GroupBox5");
  results->setGeometry(6, 154, 193, 62);
  QPushButton* balance = AddButton(results, 0, "Image10", "Button10", "Balance", "balance",
                                   "Calculate forces and moments");

  exitButton_ = new QPushButton("Exit", right);
  exitButton_->setObjectName("BitBtn1");
  exitButton_->setGeometry(58, 240, kButtonWidth, kButtonHeight);
  exitButton_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);

  dialogButtons_ = {projections,    hydro,          envir,          trawl,
                    keelButtons[0], keelButtons[1], keelButtons[2], balance};
  for (std::size_t i = 0; i < dialogButtons_.size(); ++i) {
    connect(dialogButtons_[i], &QPushButton::clicked, this,
            [this, i] { RunCommand(static_cast<Command>(i)); });
  }
}

QDialog& TMain_f::DialogOf(Command command) {
  switch (command) {
    case Command::Projections:
      return app_.Proj();
    case Command::Hydrodynamic:
      return app_.Hydro();
    case Command::Environment:
      return app_.Envir();
    case Command::Trawl:
      return app_.Trawl();
    case Command::Ground:
      return app_.Ground();
    case Command::KeelGeometry:
      return app_.KGeom();
    case Command::KeelOrigin:
      return app_.KOrg();
    case Command::Balance:
      break;
  }
  return app_.Balance();
}

bool TMain_f::CommandEnabled(Command command) const {
  return dialogButtons_[static_cast<std::size_t>(command)]->isEnabled();
}

void TMain_f::RunCommand(Command command) {
  if (!CommandEnabled(command)) return;
  if (command == Command::Balance) app_.Board().Bottom = bottomButton_->isChecked();
  if (command == Command::Environment) app_.Envir().AdaptToMode(bottomButton_->isChecked());
  RunDialog(DialogOf(command));
}

void TMain_f::UpdateDialogButtons() {
  // The picture beside each keel button is a label of its own: it greys out with the button.
  const std::pair<Command, const char*> keelButtons[] = {{Command::Ground, "Image7"},
                                                         {Command::KeelGeometry, "Image8"},
                                                         {Command::KeelOrigin, "Image9"}};
  for (const auto& [keel, picture] : keelButtons) {
    dialogButtons_[static_cast<std::size_t>(keel)]->setEnabled(app_.Board().Bottom);
    if (auto* image = findChild<QLabel*>(picture)) image->setEnabled(app_.Board().Bottom);
  }
}

void TMain_f::ShowDoorShape(const QString& shape) {
  // The pictures are drawn for these sizes, in pixels: front, plan, side.
  struct Sizes {
    const char* Shape;
    QSize Front, Plan, Side;
  };
  static constexpr Sizes kSizes[] = {{"oval", {200, 300}, {420, 240}, {470, 300}},
                                     {"spherical", {206, 387}, {400, 280}, {403, 374}},
                                     {"vshape", {180, 250}, {420, 250}, {420, 282}},
                                     {"rectangular", {150, 430}, {380, 240}, {350, 430}}};
  for (const Sizes& sizes : kSizes) {
    if (shape != sizes.Shape) continue;
    const QString base = ":/pictures/" + shape;
    app_.Proj().SetPictures(DoorPictures::DrawingAtSize(base + "_front.svg", sizes.Front),
                            DoorPictures::DrawingAtSize(base + "_plan.svg", sizes.Plan),
                            DoorPictures::DrawingAtSize(base + "_side.svg", sizes.Side));
    app_.Proj().TabChanged();
  }
}

void TMain_f::RadioButton1Click() {
  bottomButton_->setChecked(true);
  app_.Board().Bottom = true;
  UpdateDialogButtons();
}

void TMain_f::RadioButton2Click() {
  midwaterButton_->setChecked(true);
  app_.Board().Bottom = false;
  UpdateDialogButtons();
}

void TMain_f::SetBottomTrawling(bool bottom) {
  if (bottom) {
    RadioButton1Click();
  } else {
    RadioButton2Click();
  }
}

void TMain_f::ShowModeFromModel() {
  if (app_.Board().Bottom) {
    RadioButton1Click();
  } else {
    RadioButton2Click();
  }
}

void TMain_f::UpdateCaption() {
  setWindowTitle(fileName_.isEmpty() ? QString("DoorTrim") : "DoorTrim - " + fileName_);
}

int TMain_f::RunDialog(QDialog& dialog) {
  const int result = dialog.exec();
  app_.Board().ComputeGeometry();
  return result;
}

bool TMain_f::OpenFile(const QString& path) {
  const DoorFileResult result = LoadDoorFile(path);
  if (!result) ReportFileError(result, "Open Data File");
  return result.Ok;
}

DoorFileResult TMain_f::LoadDoorFile(const QString& path) {
  const QString fullPath = QFileInfo(path).absoluteFilePath();
  ViewSettings view;
  const DoorFileResult result = app_.Document.Load(fullPath.toStdString(), &view);
  if (!result) return result;
  app_.ApplyViewSettings(view);
  fileName_ = fullPath;
  UpdateCaption();
  ShowModeFromModel();
  return result;
}

void TMain_f::ReportFileError(const DoorFileResult& result, const QString& title) {
  MessageBoxes::Critical(this, title, QString::fromStdString(result.Message));
}

bool TMain_f::WriteTo(const QString& path) {
  const DoorFileResult result = app_.Document.Save(path.toStdString(), app_.CollectViewSettings());
  if (!result) {
    ReportFileError(result, "Save Data");
    return false;
  }
  return true;
}

bool TMain_f::Save() {
  if (fileName_.isEmpty()) return SaveAs();
  return WriteTo(fileName_);
}

bool TMain_f::SaveAs() {
  FileDialogRequest request;
  request.Parent = this;
  request.ObjectName = "SaveDialog1";
  request.Title = "Save Data As";
  request.Directory = fileName_;
  request.NameFilter = kFileFilter;
  request.DefaultSuffix = "brd";
  request.Kind = FileDialogRequest::Mode::Save;
  const std::optional<QString> chosen = FileDialogs::Choose(request);
  if (!chosen) return false;
  const QString path = QFileInfo(*chosen).absoluteFilePath();
  if (!WriteTo(path)) return false;
  fileName_ = path;
  UpdateCaption();
  return true;
}

void TMain_f::closeEvent(QCloseEvent* event) {
  if (!MayClose()) {
    event->ignore();
    return;
  }
  event->accept();
  // The program ends with its main window, whatever other windows (help, a log) are open.
  // Queued, so that this window has closed before the others are.
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void TMain_f::keyPressEvent(QKeyEvent* event) {
  // Exit is the window's cancel button: Escape presses it.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    exitButton_->click();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

bool TMain_f::MayClose() {
  if (!app_.Document.IsModified()) return true;
  const auto answer = MessageBoxes::Question(
      this, "DoorTrim", "Save Data?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  // A save that fails or is cancelled keeps the window open: nothing is lost.
  return answer == QMessageBox::No || (answer == QMessageBox::Yes && Save());
}

void TMain_f::changeEvent(QEvent* event) {
  // The mode may have been changed by a file or another window while this one was inactive.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) ShowModeFromModel();
  QMainWindow::changeEvent(event);
}

QString TMain_f::StartMacroServer(const QDBusConnection& bus, const QString& busName) {
  auto server = std::make_unique<MacroServer>(*this);
  QString problem = server->Start(bus, busName);
  if (problem.isEmpty()) macroServer_ = server.release();  // owned as a child of this window
  return problem;
}

QString TMain_f::BalanceWithoutWindow() {
  TBalance_f& balance = app_.Balance();
  balance.SpeedButton1Click();
  const BalanceUi& ui = balance.Ui();
  return ui.Edit7->text() + ' ' + ui.Edit8->text() + ' ' + ui.Edit9->text();
}

void TMain_f::OpenBalanceWindow(const QObject* context, std::function<void()> closed) {
  app_.Board().Bottom = bottomButton_->isChecked();
  TBalance_f& balance = app_.Balance();
  connect(
      &balance, &QDialog::finished, this,
      [this, &balance] {
        balance.setWindowModality(Qt::NonModal);
        app_.Board().ComputeGeometry();
      },
      Qt::SingleShotConnection);
  connect(&balance, &QDialog::finished, context, [closed] { closed(); },
          Qt::SingleShotConnection);
  balance.setWindowModality(Qt::ApplicationModal);
  balance.show();
}

bool TMain_f::BalanceSearchRunning() const {
  return app_.Balance().BalanceRunning();
}
