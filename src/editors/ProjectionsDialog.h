#pragma once

#include <QDialog>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

#include "ProjUi.h"
#include "drawing/ViewScale.h"

class CalculatorLauncher;
class DoorDocument;
class HelpBrowser;
class TBoard;
struct ViewSettings;

// The "Projections" dialog: the door's 23 main parameters on three pages (front, plan and
// side view), each beside a picture of the door in that view or a live drawing of it. A field
// takes effect when it is left; OK marks the door data as modified, Cancel puts back what the
// door held when the dialog was last shown (or its tab last changed).
class ProjectionsDialog : public QDialog {
  Q_OBJECT

 public:
  ProjectionsDialog(DoorDocument& document, HelpBrowser& help, CalculatorLauncher& calculator,
                    QWidget* parent = nullptr);

  // Replaces the three door pictures (front, plan, side); the caller then runs TabChanged.
  // `files` names the files the pictures are drawn from, where there are such files.
  void SetPictures(const QPixmap& front, const QPixmap& plan, const QPixmap& side,
                   const std::array<QString, 3>& files = {});
  // Shows the current tab's page and runs the showing sequence again.
  void TabChanged();
  // Loads the picture files the door names when all three exist and read as images, then
  // runs TabChanged. Returns whether it did. A plain file name that is not found as a file
  // names one of the program's own pictures ("oval_front.svg").
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
  // Set by every change of a field's text since the last showing sequence.
  bool FieldsChanged() const { return fieldsChanged_; }
  void SetFieldsChanged() { fieldsChanged_ = true; }

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
  void FillFields();
  void RefreshGeom(int row);
  void SetOption(int option, bool on);
  void ShowPage(int page);

  DoorDocument& document_;
  TBoard& board_;  // the document's door
  HelpBrowser& help_;
  CalculatorLauncher& calculator_;
  ProjUi ui_;
  ViewScale scale_;
  std::array<QPixmap, ProjUi::kPageCount> pictures_;
  std::array<long double, kMainParamCount> snapshot_{};
  bool fieldsChanged_ = false;
  // Per option: its update is running, so the mirrors it sets do not run it again.
  std::array<bool, ProjUi::kOptionCount> optionBusy_{};
};
