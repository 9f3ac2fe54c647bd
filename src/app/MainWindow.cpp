#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>
#include <memory>

#include "AboutBox.h"
#include "BalanceWindow.h"
#include "DisplayFlags.h"
#include "DoorDocument.h"
#include "DoorPictures.h"
#include "FileDialogTitle.h"
#include "FileDialogs.h"
#include "HelpBrowser.h"
#include "HistoryActions.h"
#include "MacroServer.h"
#include "MenuBarKeys.h"
#include "MessageBoxes.h"
#include "ProjectionsDialog.h"
#include "StepNames.h"
#include "ValidatedField.h"
#include "install/DataPaths.h"
#include "lang/MessageTables.h"
#include "model/ViewSettings.h"

namespace {

constexpr int kClientWidth = 411;
constexpr int kClientHeight = 292;
constexpr int kPictureSize = 37;
constexpr int kButtonWidth = 130;
constexpr int kButtonHeight = 33;
constexpr int kGroupMargin = 6;
constexpr int kColumnGap = 3;  // between the groups of a column
constexpr int kRowGap = 3;     // between the rows of a group

}  // namespace

MainWindow::MainWindow(DoorDocument& document, DisplayFlags& flags, const Services& services)
    : document_(document), flags_(flags), services_(services) {
  setObjectName("Main_f");
  BuildMenus();
  new MenuBarKeys(*this, *menuBar());
  BuildPanels();
  // Window flags: a fixed single-border window with system menu and minimise box only.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  // A fixed window that still fits its contents: its size follows the layout's, so a longer
  // caption widens it rather than being cut off.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  // Creation: the drawing options, then the mode buttons and the title from the door.
  flags_.ShowHidden = false;
  flags_.ShowForces = true;
  flags_.ShowLabels = true;
  connect(&document_, &DoorDocument::changed, this, &MainWindow::FollowDoor);
  connect(&document_, &DoorDocument::modifiedChanged, this, &MainWindow::UpdateCaption);
  connect(&document_, &DoorDocument::fileNameChanged, this, &MainWindow::UpdateCaption);
  FollowDoor();
}

MainWindow::~MainWindow() = default;

const QString& MainWindow::FileName() const {
  return document_.FileName();
}

void MainWindow::BuildMenus() {
  // The open dialog exists only while the user chooses; its title waits here.
  openDialogTitle_ = new FileDialogTitle("OpenDialog1", "Open Data File", this);
  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("File1");
  QAction* open = file->addAction("&Open", this, [this] {
    FileDialogRequest request;
    request.Parent = this;
    request.ObjectName = "OpenDialog1";
    request.Title = openDialogTitle_->Title();
    // A new door starts the user among the sample doors.
    request.Directory =
        FileName().isEmpty()
            ? QString::fromStdString(DataPaths::ForRunningProgram().Samples().string())
            : QFileInfo(FileName()).path();
    request.NameFilter = QString::fromStdString(texts_.Text(FileTexts::kDoorFiles));
    if (const std::optional<QString> path = FileDialogs::Choose(request))
      OpenAfterCloseQuestion(*path);
  });
  open->setObjectName("Open1");
  openItem_ = open;
  // A command out of use says why in its tip.
  file->setToolTipsVisible(true);
  open->setShortcut(QKeySequence("Ctrl+O"));
  QAction* save = file->addAction("&Save", this, [this] { Save(); });
  save->setObjectName("Save1");
  save->setShortcut(QKeySequence("Ctrl+S"));
  QAction* saveAs = file->addAction("Save &As", this, [this] { SaveAs(); });
  saveAs->setObjectName("SaveAs1");
  saveAs->setShortcut(QKeySequence("Ctrl+A"));
  QMenu* language = file->addMenu("&Language");
  language->menuAction()->setObjectName("Language1");
  // Each language by its own name: a user who cannot read the language shown finds theirs.
  const std::pair<const char*, const char*> languages[] = {
      {"English1", "English"}, {"Russian1", "Русский"}, {"Norwegian1", "Norsk bokmål"}};
  for (const auto& [name, caption] : languages) {
    QAction* item = language->addAction(QString::fromUtf8(caption));
    item->setObjectName(name);  // LanguageSwitch answers them
  }
  QAction* exit = file->addAction("E&xit", this, &QWidget::close);
  exit->setObjectName("Exit1");
  exit->setShortcut(QKeySequence("Alt+X"));

  // Edit, with Undo and Redo over the door's history, after File.
  history_ = new HistoryActions(*this, *menuBar(), document_.History());

  QMenu* picture = menuBar()->addMenu("&Picture");
  picture->setObjectName("Picture1");
  const std::pair<const char*, const char*> shapes[] = {{"Oval1", "Oval"},
                                                        {"Vshape1", "V-shape"},
                                                        {"Spherical1", "Spherical"},
                                                        {"Rectangular1", "Rectangular"}};
  // The shape whose drawings the door shows is marked (MarkDoorShape).
  for (const auto& [name, caption] : shapes) {
    QAction* item = picture->addAction(caption);
    item->setObjectName(name);
    item->setCheckable(true);
    const QString shape = QString(name).chopped(1).toLower();  // "Oval1" -> "oval"
    connect(item, &QAction::triggered, this, [this, shape] {
      ShowDoorShape(shape);
      MarkDoorShape();
    });
  }

  QMenu* help = menuBar()->addMenu("&Help");
  help->setObjectName("Help1");
  QAction* contents =
      help->addAction("Contents", this, [this] { services_.Help.ShowTopic("doors"); });
  contents->setObjectName("N2");
  contents->setShortcut(QKeySequence(Qt::Key_F1));
  QAction* about = help->addAction("About ...", this, [this] { services_.About.exec(); });
  about->setObjectName("A1");
}

QPushButton* MainWindow::AddButton(QGroupBox* group, const QString& imageName,
                                   const QString& buttonName, const QString& caption,
                                   const QString& icon, const QString& hint) {
  auto* rows = static_cast<QGridLayout*>(group->layout());
  const int row = rows->count() / 2;  // each row holds a picture and a button
  auto* image = new QLabel(group);
  image->setObjectName(imageName);
  // The pictures are drawn for this size.
  image->setFixedSize(kPictureSize, kPictureSize);
  image->setPixmap(
      DoorPictures::DrawingAtSize(":/icons/" + icon + ".svg", {kPictureSize, kPictureSize}));
  image->setToolTip(hint);
  auto* button = new QPushButton(caption, group);
  button->setObjectName(buttonName);
  button->setMinimumSize(kButtonWidth, kButtonHeight);
  button->setToolTip(hint);
  rows->addWidget(image, row, 0);
  rows->addWidget(button, row, 1);
  return button;
}

namespace {

// A titled group whose rows are a picture and its button.
QGroupBox* ButtonGroup(const QString& title, const char* name, QWidget* panel) {
  auto* group = new QGroupBox(title, panel);
  group->setObjectName(name);
  auto* rows = new QGridLayout(group);
  rows->setContentsMargins(kGroupMargin, kRowGap, kGroupMargin, kRowGap);
  rows->setHorizontalSpacing(kGroupMargin);
  rows->setVerticalSpacing(kRowGap);
  rows->setColumnStretch(1, 1);
  panel->layout()->addWidget(group);
  return group;
}

QWidget* Column(const char* name, QWidget* client) {
  auto* column = new QWidget(client);
  column->setObjectName(name);
  auto* groups = new QVBoxLayout(column);
  groups->setContentsMargins(kGroupMargin, 2, kGroupMargin, 2);
  groups->setSpacing(kColumnGap);
  return column;
}

}  // namespace

void MainWindow::BuildPanels() {
  auto* client = new QWidget(this);
  client->setObjectName("Client");
  // The switchboard's design size; it grows only when longer captions need the room.
  client->setMinimumSize(kClientWidth, kClientHeight);
  setCentralWidget(client);
  auto* columns = new QHBoxLayout(client);
  columns->setContentsMargins(0, 0, 0, 0);
  columns->setSpacing(0);

  QWidget* left = Column("Panel1", client);
  QWidget* right = Column("Panel2", client);
  // Each column as wide as its groups need; the design size's spare room goes to both.
  columns->addWidget(left);
  columns->addWidget(right);

  auto* mode = new QGroupBox("Ground Interaction", left);
  mode->setObjectName("GroupBox1");
  auto* modeRows = new QVBoxLayout(mode);
  modeRows->setContentsMargins(kGroupMargin, kRowGap, kGroupMargin, kRowGap);
  modeRows->setSpacing(0);
  bottomButton_ = new QRadioButton("Bottom trawling", mode);
  bottomButton_->setObjectName("RadioButton1");
  midwaterButton_ = new QRadioButton("Midwater trawling", mode);
  midwaterButton_->setObjectName("RadioButton2");
  modeRows->addWidget(bottomButton_);
  modeRows->addWidget(midwaterButton_);
  left->layout()->addWidget(mode);
  connect(bottomButton_, &QRadioButton::clicked, this, &MainWindow::onBottomTrawlingClicked);
  connect(midwaterButton_, &QRadioButton::clicked, this, &MainWindow::onMidwaterTrawlingClicked);

  QGroupBox* geometry = ButtonGroup("Otterboard geometry", "GroupBox2", left);
  QPushButton* projections = AddButton(geometry, "Image1", "Button1", "Projections", "projections",
                                       "Main points ordinates and gravity force");
  QPushButton* hydro = AddButton(geometry, "Image4", "Button4", "Hydrodynamic ", "hydrodynamic",
                                 "Dependence of hydrodynamical coefficients from attack angle");

  QGroupBox* environment = ButtonGroup("Environment", "GroupBox3", left);
  QPushButton* envir = AddButton(environment, "Image5", "Button5", "Environment", "environment",
                                 "Water and ground density, ground coefficient");
  QPushButton* trawl = AddButton(environment, "Image6", "Button6", "Influence of Trawl", "trawl",
                                 "Attack angle of bridle");
  static_cast<QVBoxLayout*>(left->layout())->addStretch(1);

  QGroupBox* keel = ButtonGroup("Keel", "GroupBox4", right);
  QPushButton* keelButtons[3];
  keelButtons[0] = AddButton(keel, "Image7", "Button7", "Ground", "ground",
                             "Coefficients of keel-ground resistance");
  keelButtons[1] =
      AddButton(keel, "Image8", "Button8", "Keel Geometry", "keelgeometry", "Keel form");
  keelButtons[2] =
      AddButton(keel, "Image9", "Button9", "Origin of Keel", "keelorigin", "Keel-wing disposition");

  QGroupBox* results = ButtonGroup("Results", "GroupBox5", right);
  QPushButton* balance = AddButton(results, "Image10", "Button10", "Balance", "balance",
                                   "Calculate forces and moments");

  exitButton_ = new QPushButton("Exit", right);
  exitButton_->setObjectName("BitBtn1");
  exitButton_->setMinimumSize(kButtonWidth, kButtonHeight);
  exitButton_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
  auto* rightGroups = static_cast<QVBoxLayout*>(right->layout());
  rightGroups->addStretch(1);
  rightGroups->addWidget(exitButton_, 0, Qt::AlignHCenter);

  dialogButtons_ = {projections,    hydro,          envir,          trawl,
                    keelButtons[0], keelButtons[1], keelButtons[2], balance};
  for (std::size_t i = 0; i < dialogButtons_.size(); ++i) {
    connect(dialogButtons_[i], &QPushButton::clicked, this,
            [this, i] { RunCommand(static_cast<DoorCommands::Command>(i)); });
  }
}

bool MainWindow::CommandEnabled(DoorCommands::Command command) const {
  return dialogButtons_[static_cast<std::size_t>(command)]->isEnabled();
}

void MainWindow::RunCommand(DoorCommands::Command command) {
  if (!CommandEnabled(command)) return;
  if (command == DoorCommands::Command::Balance) {
    services_.Balance.exec();
    return;
  }
  services_.Dialogs.RunCommand(command);
}

void MainWindow::UpdateDialogButtons() {
  if (editingLocked_) return;  // the keel buttons follow the mode when the lock ends
  // The picture beside each keel button is a label of its own: it greys out with the button.
  using Command = DoorCommands::Command;
  const std::pair<Command, const char*> keelButtons[] = {{Command::Ground, "Image7"},
                                                         {Command::KeelGeometry, "Image8"},
                                                         {Command::KeelOrigin, "Image9"}};
  const bool bottom = document_.Door().Bottom;
  for (const auto& [keel, picture] : keelButtons) {
    dialogButtons_[static_cast<std::size_t>(keel)]->setEnabled(bottom);
    if (auto* image = findChild<QLabel*>(picture)) image->setEnabled(bottom);
  }
}

void MainWindow::SetEditingLocked(bool locked, const QString& reason) {
  if (locked == editingLocked_) return;
  if (locked) editingLock_ = std::make_unique<CommandLock>(reason);
  std::vector<QObject*> commands(dialogButtons_.begin(), dialogButtons_.end());
  commands.insert(commands.end(),
                  {openItem_, bottomButton_, midwaterButton_, history_->Undo(), history_->Redo()});
  // The keel pictures grey out with their buttons.
  for (const char* picture : {"Image7", "Image8", "Image9"})
    if (auto* image = findChild<QLabel*>(picture)) commands.push_back(image);
  editingLocked_ = locked;
  for (QObject* command : commands)
    editingLock_->Set(command, locked);
  history_->SetLocked(locked);
  if (!locked) {
    editingLock_.reset();
    UpdateDialogButtons();
  }
}

void MainWindow::MarkDoorShape() {
  const DoorInputs& door = document_.Door();
  const QString front = QString::fromStdString(door.FrontPicture);
  for (const char* name : {"Oval1", "Vshape1", "Spherical1", "Rectangular1"}) {
    auto* item = findChild<QAction*>(QLatin1String(name));
    if (item == nullptr) continue;
    const QString shape = QString::fromLatin1(name).chopped(1).toLower();
    // Pictures of the door's own file, or none at all, mark no shape.
    const bool same = front == shape + QStringLiteral("_front.svg") &&
                      QString::fromStdString(door.PlanPicture) == shape + "_plan.svg" &&
                      QString::fromStdString(door.SidePicture) == shape + "_side.svg";
    item->setChecked(same);
  }
}

void MainWindow::ShowDoorShape(const QString& shape) {
  static constexpr const char* kShapes[] = {"oval", "spherical", "vshape", "rectangular"};
  for (const char* known : kShapes) {
    if (shape != QLatin1String(known)) continue;
    // The names by which the sample doors name the program's own drawings of their shapes.
    DoorInputs door = document_.Door();
    door.FrontPicture = shape.toStdString() + "_front.svg";
    door.PlanPicture = shape.toStdString() + "_plan.svg";
    door.SidePicture = shape.toStdString() + "_side.svg";
    document_.Edit(StepNames::Text(EditTexts::kPictures, texts_), door);
  }
}

void MainWindow::onBottomTrawlingClicked() {
  SetBottomTrawling(true);
}

void MainWindow::onMidwaterTrawlingClicked() {
  SetBottomTrawling(false);
}

void MainWindow::SetBottomTrawling(bool bottom) {
  DoorInputs door = document_.Door();
  door.Bottom = bottom;
  document_.Edit(StepNames::Mode(bottom, texts_), door);
  FollowDoor();  // the buttons show the mode also when it did not change
}

void MainWindow::FollowDoor() {
  const bool bottom = document_.Door().Bottom;
  bottomButton_->setChecked(bottom);
  midwaterButton_->setChecked(!bottom);
  MarkDoorShape();
  UpdateDialogButtons();
  UpdateCaption();
}

void MainWindow::UpdateCaption() {
  // "[*]" is where the title shows "*" while the door differs from its file.
  const QString& file = document_.FileName();
  setWindowTitle(file.isEmpty() ? QString("DoorTrim[*]") : "DoorTrim - " + file + "[*]");
  setWindowModified(document_.IsModified());
}

bool MainWindow::OpenFile(const QString& path) {
  const QString fullPath = QFileInfo(path).absoluteFilePath();
  ViewSettings view;
  const DoorFileResult result = document_.Load(fullPath, &view);
  if (!result) {
    ReportFileError(result, QString::fromStdString(texts_.Text(MainTexts::kOpenDataFile)));
    return false;
  }
  ApplyViewSettings(view);
  return true;
}

DoorFileResult MainWindow::LoadDoorFile(const QString& path) {
  const QString fullPath = QFileInfo(path).absoluteFilePath();
  ViewSettings view;
  const QString name =
      StepNames::Text(EditTexts::kOpen, texts_).arg(QFileInfo(fullPath).fileName());
  const DoorFileResult result = document_.LoadAsStep(fullPath, name, &view);
  if (result) ApplyViewSettings(view);
  return result;
}

bool MainWindow::OpenAfterCloseQuestion(const QString& path) {
  return MayClose() && OpenFile(path);
}

void MainWindow::ApplyViewSettings(const ViewSettings& view) {
  services_.Projections.ApplyViewSettings(view);
  services_.Balance.ApplyViewSettings(view);
}

ViewSettings MainWindow::CollectViewSettings() const {
  ViewSettings view;
  services_.Projections.CollectViewSettings(view);
  services_.Balance.CollectViewSettings(view);
  return view;
}

void MainWindow::SetTexts(const TextCatalogue& texts) {
  texts_ = texts;
  services_.About.SetTexts(texts);
  services_.Help.SetTexts(texts);
}

void MainWindow::ReportFileError(const DoorFileResult& result, const QString& title) {
  MessageBoxes::Critical(this, title,
                         QString::fromStdString(result.Problem.Text(texts_, result.Message)));
}

bool MainWindow::WriteTo(const QString& path) {
  const DoorFileResult result = document_.Save(path, CollectViewSettings());
  if (!result) {
    ReportFileError(result, QString::fromStdString(texts_.Text(MainTexts::kSaveDataTitle)));
    return false;
  }
  return true;
}

bool MainWindow::Save() {
  if (FileName().isEmpty()) return SaveAs();
  return WriteTo(FileName());
}

bool MainWindow::SaveAs() {
  FileDialogRequest request;
  request.Parent = this;
  request.ObjectName = "SaveDialog1";
  request.Title = QString::fromStdString(texts_.Text(MainTexts::kSaveDataAs));
  request.Directory = FileName();
  request.NameFilter = QString::fromStdString(texts_.Text(FileTexts::kDoorFiles));
  request.DefaultSuffix = "brd";
  request.Kind = FileDialogRequest::Mode::Save;
  const std::optional<QString> chosen = FileDialogs::Choose(request);
  if (!chosen) return false;
  return WriteTo(QFileInfo(*chosen).absoluteFilePath());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!MayClose()) {
    event->ignore();
    return;
  }
  event->accept();
  // The program ends with its main window, whatever other windows (help, a log) are open.
  // Queued, so that this window has closed before the others are.
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // Exit is the window's cancel button: Escape presses it.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    exitButton_->click();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

bool MainWindow::MayClose() {
  if (!document_.IsModified()) return true;
  const auto answer = MessageBoxes::Question(
      this, "DoorTrim", QString::fromStdString(texts_.Text(MainTexts::kSaveData)),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  // A save that fails or is cancelled keeps the door: nothing is lost.
  return answer == QMessageBox::No || (answer == QMessageBox::Yes && Save());
}

QString MainWindow::StartMacroServer(const QDBusConnection& bus, const QString& busName) {
  auto server = std::make_unique<MacroServer>(*this);
  QString problem = server->Start(bus, busName);
  if (problem.isEmpty()) macroServer_ = server.release();  // owned as a child of this window
  return problem;
}

void MainWindow::BalanceWithoutWindow(const QObject* context,
                                      std::function<void(const BalanceFound&)> found) {
  BalanceWindow& balance = services_.Balance;
  const auto angles = [&balance] {
    const BalanceUi& ui = balance.Ui();
    const BalanceWindow::SearchOutcome& search = balance.LastSearch();
    // The fields' own precision; C-locale numbers, which a script reads whatever the user's.
    const auto number = [](long double angle) {
      return QString::number(static_cast<double>(angle), 'f', 3);
    };
    return BalanceFound{
        ui.RotationX->text() + ' ' + ui.RotationY->text() + ' ' + ui.RotationZ->text(),
        search.Balanced,
        number(search.Reached.X) + ' ' + number(search.Reached.Y) + ' ' + number(search.Reached.Z)};
  };
  // Answered when the search it starts has ended: the solver ends within the press, the
  // visible relaxation turns after turns of the event loop later.
  auto connection = std::make_shared<QMetaObject::Connection>();
  *connection = connect(&balance, &BalanceWindow::searchRunningChanged, context,
                        [found, angles, connection](bool running) {
                          if (running) return;
                          QObject::disconnect(*connection);
                          found(angles());
                        });
  balance.onBalanceClicked();
}

void MainWindow::OpenBalanceWindow(const QObject* context, std::function<void()> closed) {
  BalanceWindow& balance = services_.Balance;
  connect(
      &balance, &QDialog::finished, this, [&balance] { balance.setWindowModality(Qt::NonModal); },
      Qt::SingleShotConnection);
  connect(
      &balance, &QDialog::finished, context, [closed] { closed(); }, Qt::SingleShotConnection);
  balance.setWindowModality(Qt::ApplicationModal);
  balance.show();
}

void MainWindow::CloseBalanceWindow() {
  if (services_.Balance.isVisible()) services_.Balance.reject();
}

bool MainWindow::BalanceSearchRunning() const {
  return services_.Balance.BalanceRunning();
}
