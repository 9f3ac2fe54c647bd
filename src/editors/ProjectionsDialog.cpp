#include "ProjectionsDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QUndoStack>
#include <algorithm>
#include <cmath>
#include <string>

#include "CalculatorLauncher.h"
#include "DisplayFlags.h"
#include "DoorDocument.h"
#include "DoorPictures.h"
#include "FileDialogs.h"
#include "HelpBrowser.h"
#include "LanguageApplier.h"
#include "MenuBarKeys.h"
#include "ProjPagesLayout.h"
#include "ReportPicture.h"
#include "ScPic.h"
#include "StepNames.h"
#include "ThreeViewDrawing.h"
#include "UserLocale.h"
#include "lang/MessageTables.h"
#include "model/EditableFields.h"
#include "model/FieldLimits.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "numbers/NumberText.h"
#include "report/DisplayFormats.h"

namespace {

const char* const kBuiltInPictures[ProjUi::kPageCount] = {
    ":/pictures/proj_front.svg", ":/pictures/proj_plan.svg", ":/pictures/proj_side.svg"};

QString PathOf(const std::string& name) {
  return QFile::decodeName(QByteArray::fromStdString(name));
}

}  // namespace

ProjectionsDialog::ProjectionsDialog(DoorDocument& document, DisplayFlags& flags, HelpBrowser& help,
                                     CalculatorLauncher& calculator, QWidget* parent)
    : QDialog(parent),
      document_(document),
      flags_(flags),
      help_(help),
      calculator_(calculator),
      drawn_(document.Door()) {
  // The built-in pictures are compiled into the widgets library, which a static link does not
  // register.
  Q_INIT_RESOURCE(resources);

  setObjectName("Proj_f");
  setWindowTitle("Projections");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);
  ui_.Build(*this);
  new MenuBarKeys(*this, *ui_.MenuBar);
  drawn_.Evaluate(0, 0, 0);
  // A language file gives the hints, and with them the units beside the fields.
  connect(&LanguageApplier::Of(*this), &LanguageApplier::OnRead, this,
          [this] { ui_.RefreshUnits(); });

  ConnectCommands();
  // The options as the program keeps them: at first only the force application points.
  for (int option = 0; option < ProjUi::kOptionCount; ++option)
    SetOption(option, flags_.ProjectionSwitches[static_cast<std::size_t>(option)]);
  LoadPictureFiles();
  connect(&document_, &DoorDocument::changed, this, &ProjectionsDialog::FollowDoor);

  FillFields();
  TabChanged();
}

void ProjectionsDialog::ConnectCommands() {
  // A new size of the pages draws the door again, at the surfaces' new size.
  ui_.PagesLayout->SetOnPlaced([this] { Redraw(); });
  connect(ui_.OkButton, &QPushButton::clicked, this, &ProjectionsDialog::onOkClicked);
  connect(ui_.CancelButton, &QPushButton::clicked, this, &ProjectionsDialog::onCancelClicked);
  connect(ui_.HelpButton, &QPushButton::clicked, this, [this] { help_.ShowTopic("doors_proj"); });
  connect(ui_.PageTabs, &QTabBar::currentChanged, this, &ProjectionsDialog::TabChanged);
  for (int page = 0; page < ProjUi::kPageCount; ++page) {
    connect(ui_.ViewItems[page], &QAction::triggered, this,
            [this, page] { ui_.PageTabs->setCurrentIndex(page); });
  }

  for (int option = 0; option < ProjUi::kOptionCount; ++option) {
    const auto set = [this, option](bool on) { SetOption(option, on); };
    connect(ui_.OptionItems[option], &QAction::triggered, this, set);
    connect(ui_.PictureMenuOptions[option], &QAction::triggered, this, set);
    connect(ui_.OptionBoxes[option], &QCheckBox::toggled, this, set);
  }
  connect(ui_.OpenPicturesItem, &QAction::triggered, this,
          &ProjectionsDialog::onOpenPicturesClicked);
  connect(ui_.PictureMenuOpenPictures, &QAction::triggered, this,
          &ProjectionsDialog::onOpenPicturesClicked);
  connect(ui_.RunCalculatorItem, &QAction::triggered, this,
          [this] { calculator_.RunCalculator(this); });

  for (int page = 0; page < ProjUi::kPageCount; ++page) {
    for (QWidget* view : {ui_.Areas[page], static_cast<QWidget*>(ui_.Images[page]),
                          static_cast<QWidget*>(ui_.Surfaces[page])}) {
      connect(view, &QWidget::customContextMenuRequested, this,
              [this, view](const QPoint& at) { ui_.PictureMenu->popup(view->mapToGlobal(at)); });
    }
  }
  for (QLineEdit* edit : ui_.Edits) {
    edit->installEventFilter(this);
    connect(edit, &QWidget::customContextMenuRequested, this,
            [this, edit](const QPoint& at) { ui_.FieldMenu->popup(edit->mapToGlobal(at)); });
  }
}

void ProjectionsDialog::SetPictures(const std::array<QPixmap, ProjUi::kPageCount>& pictures,
                                    const std::array<QString, ProjUi::kPageCount>& files) {
  pictures_ = pictures;
  for (int page = 0; page < ProjUi::kPageCount; ++page) {
    ui_.Images[page]->setProperty(ReportPicture::kSourceProperty,
                                  files[static_cast<std::size_t>(page)]);
    if (pictures_[page].isNull()) {
      ui_.Images[page]->clear();
    } else {
      ui_.Images[page]->setPixmap(pictures_[page]);
    }
  }
}

void ProjectionsDialog::TabChanged() {
  ShowPage(ui_.PageTabs->currentIndex());
  ShowingSequence();
}

void ProjectionsDialog::ShowPage(int page) {
  if (page >= 0 && page < ProjUi::kPageCount) ui_.ViewItems[page]->setChecked(true);
  // Hiding the page first moves the focus out of its field, which the door takes before the
  // new snapshot is taken.
  for (int other = 0; other < ProjUi::kPageCount; ++other) {
    if (other != page) ui_.Pages[other]->setVisible(false);
  }
  if (page >= 0 && page < ProjUi::kPageCount) ui_.Pages[page]->setVisible(true);
}

void ProjectionsDialog::ShowingSequence() {
  for (int i = 0; i < kMainParamCount; ++i)
    snapshot_[i] = document_.Door().*kMainParams[i].Field;
  snapshotIndex_ = document_.History().index();
  ownSteps_ = 0;
  FillFields();
  FitPictures();
}

void ProjectionsDialog::FillFields() {
  const NumberLocale locale = UserNumberLocale();
  for (int i = 0; i < kMainParamCount; ++i) {
    const long double value = document_.Door().*kMainParams[i].Field;
    QLineEdit* edit = ui_.Edits[i];
    if (!edit->text().isEmpty() && ReadNumber(edit->text().toStdString(), locale) == value)
      continue;
    edit->setText(UserNumberText(DisplayFormats::MainParameter(i), value, locale));
  }
}

void ProjectionsDialog::CommitField(int row) {
  const ProjUi::Row& shape = ProjUi::Rows[row];
  // The same limits as a door file, --set and the searches hold the value to.
  const FieldLimits limits = LimitsOfField(kMainParams[row].Name).value();
  QLineEdit* edit = ui_.Edits[row];
  const NumberLocale locale = UserNumberLocale();
  const std::string checked =
      CheckNumberText(edit->text().toStdString(), shape.Width, shape.Decimals, limits.Lower,
                      limits.Upper, limits.Fallback.value(), true, locale);
  edit->setText(QString::fromStdString(checked));
  // The door holds exactly what the field shows.
  long double DoorInputs::*field = kMainParams[row].Field;
  const long double before = document_.Door().*field;
  DoorInputs door = document_.Door();
  door.*field = ReadNumber(edit->text().toStdString(), locale);
  if (document_.Edit(StepNames::Parameter(row, before, door.*field, texts_), door)) ++ownSteps_;
}

void ProjectionsDialog::FollowDoor() {
  drawn_.SetInputs(document_.Door());
  drawn_.Evaluate(0, 0, 0);
  FillFields();
  const DoorInputs& door = document_.Door();
  if (shownPictureNames_ != std::array<std::string, ProjUi::kPageCount>{
                                door.FrontPicture, door.PlanPicture, door.SidePicture}) {
    LoadPictureFiles();
  }
  Redraw();
}

void ProjectionsDialog::onOkClicked() {
  // OK reached without leaving the field typed in (Enter, a shortcut): the field is left now.
  const auto pending = std::find(ui_.Edits.begin(), ui_.Edits.end(), focusWidget());
  if (pending != ui_.Edits.end()) CommitField(static_cast<int>(pending - ui_.Edits.begin()));
  accept();
}

void ProjectionsDialog::onCancelClicked() {
  QUndoStack& history = document_.History();
  if (ownSteps_ > 0 && history.index() == snapshotIndex_ + ownSteps_) {
    // Only this dialog's steps since the showing: they are taken back, and can be redone.
    history.setIndex(snapshotIndex_);
  } else {
    DoorInputs door = document_.Door();
    for (int i = 0; i < kMainParamCount; ++i)
      door.*kMainParams[i].Field = snapshot_[i];
    document_.Edit(StepNames::Text(EditTexts::kProjectionsCancelled, texts_), door);
  }
  ownSteps_ = 0;
  reject();
}

bool ProjectionsDialog::Option(ProjUi::Option option) const {
  return ui_.OptionItems[option]->isChecked();
}

void ProjectionsDialog::SetOption(int option, bool on) {
  // Setting the mirrors below signals back here (the check box does); those echoes are ignored.
  if (optionBusy_[option]) return;
  optionBusy_[option] = true;
  ui_.OptionItems[option]->setChecked(on);
  ui_.PictureMenuOptions[option]->setChecked(on);
  ui_.OptionBoxes[option]->setChecked(on);
  flags_.ProjectionSwitches[static_cast<std::size_t>(option)] = on;
  if (option == ProjUi::kScheme) {
    for (int page = 0; page < ProjUi::kPageCount; ++page) {
      ui_.Images[page]->setVisible(!on);
      ui_.Surfaces[page]->setVisible(on);
    }
  }
  Redraw();
  optionBusy_[option] = false;
}

QRect ProjectionsDialog::FittedPicture(QSize picture, QSize area) {
  return ProjPagesLayout::FittedPicture(picture, area);
}

void ProjectionsDialog::FitPictures() {
  // Places the pictures of their present sizes, then draws.
  ui_.PagesLayout->Replace();
}

void ProjectionsDialog::Redraw() {
  drawn_.Position(0, 0, 0);
  ViewFlags flags;
  flags.Hidden = Option(ProjUi::kHidden);
  flags.Points = Option(ProjUi::kPoints);
  flags.Forces = Option(ProjUi::kForces);
  flags.Labels = Option(ProjUi::kLabels);
  ThreeViewDrawing::RedrawDoorViews(drawn_, scale_, flags, *ui_.Surfaces[0], *ui_.Surfaces[1],
                                    *ui_.Surfaces[2]);
}

void ProjectionsDialog::onOpenPicturesClicked() {
  struct Request {
    const char* Title;
    std::string DoorInputs::*Name;
  };
  const Request requests[ProjUi::kPageCount] = {
      {"Open bitmap for Front View", &DoorInputs::FrontPicture},
      {"Open bitmap for Plan View", &DoorInputs::PlanPicture},
      {"Open bitmap for Side View", &DoorInputs::SidePicture}};
  DoorInputs door = document_.Door();
  for (const Request& request : requests) {
    FileDialogRequest dialog;
    dialog.Parent = this;
    dialog.ObjectName = "OpenDialog1";
    dialog.Title = request.Title;
    dialog.NameFilter = QString::fromStdString(texts_.Text(FileTexts::kBitmapFiles));
    dialog.DefaultSuffix = "bmp";
    dialog.SelectedFile = PathOf(door.*request.Name);
    // A dismissed dialog leaves the name as it was.
    if (const std::optional<QString> chosen = FileDialogs::Choose(dialog))
      door.*request.Name = QFile::encodeName(*chosen).toStdString();
  }
  document_.Edit(StepNames::Text(EditTexts::kPictures, texts_), door);
}

void ProjectionsDialog::SetTexts(const TextCatalogue& texts) {
  texts_ = texts;
  LoadPictureFiles();
}

bool ProjectionsDialog::LoadPictureFiles() {
  const DoorInputs& door = document_.Door();
  const std::array<std::string, ProjUi::kPageCount> names = {door.FrontPicture, door.PlanPicture,
                                                             door.SidePicture};
  std::array<QPixmap, ProjUi::kPageCount> loaded;
  std::array<QString, ProjUi::kPageCount> files;
  const bool none = names[0].empty() && names[1].empty() && names[2].empty();
  for (int page = 0; page < ProjUi::kPageCount; ++page) {
    const auto i = static_cast<std::size_t>(page);
    files[i] = none ? QString::fromLatin1(kBuiltInPictures[page])
                    : DoorPictures::PictureFile(PathOf(names[i]));
    // Anything missing or unreadable keeps the pictures shown now.
    if (files[i].isEmpty()) return false;
    loaded[i] = none ? DoorPictures::DrawingAtItsSize(files[i], texts_)
                     : DoorPictures::LoadPicture(files[i]);
    if (loaded[i].isNull()) return false;
  }
  SetPictures(loaded, files);
  shownPictureNames_ = names;
  if (isVisible()) FitPictures();
  return !none;
}

void ProjectionsDialog::ApplyViewSettings(const ViewSettings& view) {
  // Selecting another tab runs its showing sequence, as a click on it does.
  ui_.PageTabs->setCurrentIndex(std::clamp(view.ViewTab, 0, ProjUi::kPageCount - 1));
  for (int option = 0; option < ProjUi::kOptionCount; ++option)
    SetOption(option, view.ProjectionSwitches[option]);
}

void ProjectionsDialog::CollectViewSettings(ViewSettings& view) const {
  view.ViewTab = ui_.PageTabs->currentIndex();
  for (int option = 0; option < ProjUi::kOptionCount; ++option)
    view.ProjectionSwitches[option] = ui_.OptionItems[option]->isChecked();
}

void ProjectionsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) ShowingSequence();
}

void ProjectionsDialog::keyPressEvent(QKeyEvent* event) {
  // Escape presses Cancel (restoring the snapshot); the title-bar close button does not.
  if (event->matches(QKeySequence::Cancel)) {
    ui_.CancelButton->click();
    return;
  }
  // F1 explains the page shown: the part of the topic about its fields.
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    static constexpr const char* kPageTopics[ProjUi::kPageCount] = {
        "doors_proj#front", "doors_proj#plan", "doors_proj#side"};
    const int page = std::clamp(ui_.PageTabs->currentIndex(), 0, ProjUi::kPageCount - 1);
    help_.ShowTopic(kPageTopics[page]);
    return;
  }
  QDialog::keyPressEvent(event);
}

bool ProjectionsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // Only leaving a field for another control counts: not opening a menu or another window.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    const auto field = std::find(ui_.Edits.begin(), ui_.Edits.end(), watched);
    if (field != ui_.Edits.end() && isVisible() && reason != Qt::PopupFocusReason &&
        reason != Qt::ActiveWindowFocusReason) {
      CommitField(static_cast<int>(field - ui_.Edits.begin()));
    }
  }
  return QDialog::eventFilter(watched, event);
}
