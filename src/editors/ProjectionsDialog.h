#pragma once

#include <QDialog>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <string>

#include "ProjUi.h"
#include "drawing/ViewScale.h"
#include "lang/TextCatalogue.h"
#include "model/TBoard.h"

class CalculatorLauncher;
class DoorDocument;
class HelpBrowser;
struct DisplayFlags;
struct ViewSettings;

// The "Projections" dialog: the door's 23 main parameters on three pages (front, plan and
// side view), each beside a picture of the door in that view or a live drawing of it. A field
// takes effect when it is left: the door changes by one step of its history that names the
// parameter ("Weight G: 13500 → 14000"), and the drawings follow. OK keeps what was changed;
// Cancel (and Escape) puts back what the door's parameters were when the dialog was last shown
// or its tab last changed. The fields and drawings follow the door whatever changes it.
class ProjectionsDialog : public QDialog {
  Q_OBJECT

 public:
  ProjectionsDialog(DoorDocument& document, DisplayFlags& flags, HelpBrowser& help,
                    CalculatorLauncher& calculator, QWidget* parent = nullptr);

  // Shows the current tab's page and runs the showing sequence again.
  void TabChanged();
  // Shows the pictures the door names when all three exist and read as images, the program's
  // own pictures of the views when it names none. Returns whether the pictures shown are the
  // door's. A plain file name that is not found as a file names one of the program's own
  // pictures ("oval_front.svg").
  bool LoadPictureFiles();
  // The selected tab and the five display options a data file carries.
  void ApplyViewSettings(const ViewSettings& view);
  void CollectViewSettings(ViewSettings& view) const;
  // Draws the door at rotation (0, 0, 0) on all three surfaces.
  Q_INVOKABLE void Redraw();

  void onOkClicked();
  void onCancelClicked();
  // Asks for the three picture files and loads them when all three exist.
  void onOpenPicturesClicked();
  // Fits the three pictures into their picture areas again and redraws.
  void FitPictures();

  bool Option(ProjUi::Option option) const;

  // Language of the names of the steps this dialog adds to the door's history: 0 English,
  // 1 Russian.
  // The words of the program's own pictures follow as well.
  void SetTexts(const TextCatalogue& texts);
  const TextCatalogue& Texts() const { return texts_; }

  const ProjUi& Ui() const { return ui_; }
  // The scale of the last drawing of the three views.
  const ViewScale& Scale() const { return scale_; }

  // Where a picture of that size goes in an area of that size: as large as fits with its
  // aspect ratio kept, centred along the other direction. Empty for an empty picture or area.
  static QRect FittedPicture(QSize picture, QSize area);

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectCommands();
  void ShowingSequence();
  // Every field whose number is not the door's shows the door's; a field that holds the
  // door's number as typed keeps its text.
  void FillFields();
  // The field was left: its text is checked and the door takes its number.
  void CommitField(int row);
  // The door changed: fields, drawings and pictures follow it.
  void FollowDoor();
  void SetPictures(const std::array<QPixmap, ProjUi::kPageCount>& pictures,
                   const std::array<QString, ProjUi::kPageCount>& files);
  void SetOption(int option, bool on);
  void ShowPage(int page);

  DoorDocument& document_;
  DisplayFlags& flags_;
  HelpBrowser& help_;
  CalculatorLauncher& calculator_;
  ProjUi ui_;
  ViewScale scale_;
  TBoard drawn_;  // the door as the views draw it, unturned
  std::array<QPixmap, ProjUi::kPageCount> pictures_;
  // The door's picture names the pictures shown were loaded for.
  std::array<std::string, ProjUi::kPageCount> shownPictureNames_;
  // The parameters at the last showing, which Cancel puts back, and the history's place then
  // with the steps this dialog has added since: Cancel takes back just those when nothing
  // else came between.
  std::array<long double, kMainParamCount> snapshot_{};
  int snapshotIndex_ = 0;
  int ownSteps_ = 0;
  TextCatalogue texts_ = TextCatalogue::English();
  // Per option: its update is running, so the mirrors it sets do not run it again.
  std::array<bool, ProjUi::kOptionCount> optionBusy_{};
};
