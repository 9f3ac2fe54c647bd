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
#include <algorithm>
#include <cmath>
#include <string>

#include "CalculatorLauncher.h"
#include "DoorDocument.h"
#include "DoorPictures.h"
#include "FileDialogs.h"
#include "HelpBrowser.h"
#include "ProjPagesLayout.h"
#include "ReportPicture.h"
#include "ScPic.h"
#include "ThreeViewDrawing.h"
#include "UserLocale.h"
#include "model/EditableFields.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "numbers/NumberText.h"

namespace {

const char* const kBuiltInPictures[ProjUi::kPageCount] = {
    ":/pictures/proj_front.svg", ":/pictures/proj_plan.svg", ":/pictures/proj_side.svg"};

QString PathOf(const std::string& name) {
  return QFile::decodeName(QByteArray::fromStdString(name));
}

}  // namespace

ProjectionsDialog::ProjectionsDialog(DoorDocument& document, HelpBrowser& help,
                                     CalculatorLauncher& calculator, QWidget* parent)
    : QDialog(parent),
      document_(document),
      board_(document.Board()),
      help_(help),
      calculator_(calculator) {
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

  // Initial options: only the force application points are shown.
  for (QAction* item : {ui_.OptionItems[ProjUi::kPoints], ui_.PictureMenuOptions[ProjUi::kPoints]})
    item->setChecked(true);
  ui_.OptionBoxes[ProjUi::kPoints]->setChecked(true);

  ConnectCommands();
  const std::array<QString, ProjUi::kPageCount> builtIn = {
      QString::fromLatin1(kBuiltInPictures[0]), QString::fromLatin1(kBuiltInPictures[1]),
      QString::fromLatin1(kBuiltInPictures[2])};
  SetPictures(DoorPictures::DrawingAtItsSize(builtIn[0]),
              DoorPictures::DrawingAtItsSize(builtIn[1]),
              DoorPictures::DrawingAtItsSize(builtIn[2]), builtIn);

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
    connect(edit, &QLineEdit::textChanged, this, [this] { fieldsChanged_ = true; });
    connect(edit, &QWidget::customContextMenuRequested, this,
            [this, edit](const QPoint& at) { ui_.FieldMenu->popup(edit->mapToGlobal(at)); });
  }
}

void ProjectionsDialog::SetPictures(const QPixmap& front, const QPixmap& plan, const QPixmap& side,
                                    const std::array<QString, 3>& files) {
  pictures_ = {front, plan, side};
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
  // Hiding the page first moves the focus out of its field, which stores that field before
  // the new snapshot is taken.
  for (int other = 0; other < ProjUi::kPageCount; ++other) {
    if (other != page) ui_.Pages[other]->setVisible(false);
  }
  if (page >= 0 && page < ProjUi::kPageCount) ui_.Pages[page]->setVisible(true);
}

void ProjectionsDialog::ShowingSequence() {
  fieldsChanged_ = false;
  for (int i = 0; i < kMainParamCount; ++i)
    snapshot_[i] = board_.Inputs().*kMainParams[i].Field;
  board_.Evaluate(0, 0, 0);
  FillFields();
  FitPictures();
}

void ProjectionsDialog::FillFields() {
  const NumberLocale locale = UserNumberLocale();
  for (int i = 0; i < kMainParamCount; ++i) {
    const long double value = board_.Inputs().*kMainParams[i].Field;
    ui_.Edits[i]->setText(UserNumberText(ProjUi::Rows[i].Shown, value, locale));
  }
}

void ProjectionsDialog::RefreshGeom(int row) {
  const ProjUi::Row& limits = ProjUi::Rows[row];
  QLineEdit* edit = ui_.Edits[row];
  const NumberLocale locale = UserNumberLocale();
  const std::string checked =
      CheckNumberText(edit->text().toStdString(), limits.Width, limits.Decimals, limits.Lower,
                      limits.Upper, limits.Fallback, true, locale);
  edit->setText(QString::fromStdString(checked));
  // The model holds exactly what the field shows.
  const long double value = ReadNumber(edit->text().toStdString(), locale);
  board_.Edit([row, value](DoorInputs& d) { d.*kMainParams[row].Field = value; });
  board_.Evaluate(0, 0, 0);
  Redraw();
}

void ProjectionsDialog::onOkClicked() {
  // OK reached without leaving the field typed in (Enter, a shortcut): the field is left now.
  const auto pending = std::find(ui_.Edits.begin(), ui_.Edits.end(), focusWidget());
  if (pending != ui_.Edits.end()) RefreshGeom(static_cast<int>(pending - ui_.Edits.begin()));
  if (fieldsChanged_) {
    document_.MarkModified();
    const NumberLocale locale = UserNumberLocale();
    board_.Edit([this, &locale](DoorInputs& d) {
      for (int i = 0; i < kMainParamCount; ++i)
        d.*kMainParams[i].Field = ReadNumber(ui_.Edits[i]->text().toStdString(), locale);
    });
  }
  accept();
}

void ProjectionsDialog::onCancelClicked() {
  board_.Edit([this](DoorInputs& d) {
    for (int i = 0; i < kMainParamCount; ++i)
      d.*kMainParams[i].Field = snapshot_[i];
  });
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
  board_.Position(0, 0, 0);
  ViewFlags flags;
  flags.Hidden = Option(ProjUi::kHidden);
  flags.Points = Option(ProjUi::kPoints);
  flags.Forces = Option(ProjUi::kForces);
  flags.Labels = Option(ProjUi::kLabels);
  ThreeViewDrawing::RedrawDoorViews(board_, scale_, flags, *ui_.Surfaces[0], *ui_.Surfaces[1],
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
  for (const Request& request : requests) {
    FileDialogRequest dialog;
    dialog.Parent = this;
    dialog.ObjectName = "OpenDialog1";
    dialog.Title = request.Title;
    dialog.NameFilter = "Bitmap (*.bmp);;All files (*)";
    dialog.DefaultSuffix = "bmp";
    dialog.SelectedFile = PathOf(board_.Inputs().*request.Name);
    // A dismissed dialog leaves the name as it was.
    if (const std::optional<QString> chosen = FileDialogs::Choose(dialog)) {
      const std::string name = QFile::encodeName(*chosen).toStdString();
      board_.Edit([&request, &name](DoorInputs& d) { d.*request.Name = name; });
    }
  }
  LoadPictureFiles();
}

bool ProjectionsDialog::LoadPictureFiles() {
  const std::string* names[ProjUi::kPageCount] = {
      &board_.Inputs().FrontPicture, &board_.Inputs().PlanPicture, &board_.Inputs().SidePicture};
  std::array<QPixmap, ProjUi::kPageCount> loaded;
  std::array<QString, ProjUi::kPageCount> files;
  for (int page = 0; page < ProjUi::kPageCount; ++page) {
    const QString path = files[static_cast<std::size_t>(page)] =
        DoorPictures::PictureFile(PathOf(*names[page]));
    // Anything missing or unreadable keeps the pictures shown now.
    if (path.isEmpty()) return false;
    loaded[page] = DoorPictures::LoadPicture(path);
    if (loaded[page].isNull()) return false;
  }
  SetPictures(loaded[0], loaded[1], loaded[2], files);
  TabChanged();
  return true;
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
      RefreshGeom(static_cast<int>(field - ui_.Edits.begin()));
    }
  }
  return QDialog::eventFilter(watched, event);
}
