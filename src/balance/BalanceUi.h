#pragma once

#include <QString>

class QAction;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QSplitter;
class QWidget;
class ScPic;
class TEditF;
class TSpinButton;

// The controls of the balance window, built once and named as the language files address
// them. The window's behaviour lives in TBalance_f; this only lays the controls out.
struct BalanceUi {
  void Build(QDialog& window);

  ScPic* ScPic1 = nullptr;         // side view x-z
  ScPic* ScPic2 = nullptr;         // plan view x-y
  ScPic* ScPic3 = nullptr;         // front view y-z
  QSplitter* Splitter1 = nullptr;  // between the side and front views
  QSplitter* Splitter2 = nullptr;  // between the top and bottom bands
  QWidget* Panel3 = nullptr;
  QWidget* Panel10 = nullptr;
  QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr;  // stability
  QLineEdit *Edit4 = nullptr, *Edit5 = nullptr, *Edit6 = nullptr;  // moments
  TEditF *Edit7 = nullptr, *Edit8 = nullptr, *Edit9 = nullptr;     // rotation
  TSpinButton *SpinButton1 = nullptr, *SpinButton2 = nullptr, *SpinButton3 = nullptr;
  QLineEdit *Edit10 = nullptr, *Edit11 = nullptr, *Edit12 = nullptr;  // forces
  QLineEdit* Edit13 = nullptr;                                        // attack angle
  QGroupBox* Panel8 = nullptr;                                        // the variable
  QLabel* Label21 = nullptr;
  QLineEdit* Edit14 = nullptr;
  TSpinButton* SpinButton4 = nullptr;
  QPushButton *SpeedButton1 = nullptr, *SolveButton = nullptr, *UpdateButton = nullptr;
  QPushButton *Button3 = nullptr, *OKBtn = nullptr, *HelpBtn = nullptr;

  QMenuBar* BalanceMenu = nullptr;
  QAction *MnuFront = nullptr, *MnuHydro = nullptr, *MnuEnvir = nullptr, *MnuTrawl = nullptr;
  QAction *MnuGround = nullptr, *MnuKGeom = nullptr, *MnuKPos = nullptr, *MnuDetail = nullptr;
  QAction *MnuBottom = nullptr, *MnuShHidden = nullptr, *MnuShPoints = nullptr;
  QAction *MnuShForces = nullptr, *MnuShLabels = nullptr, *MnuShProces = nullptr;
  QAction *SolverSensitivity = nullptr, *RunCalculator1 = nullptr;
  QAction *ShowLogFile1 = nullptr, *ClearLogFile1 = nullptr, *Print2 = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction *PopFront = nullptr, *PopHydro = nullptr, *PopEnvir = nullptr, *PopTrawl = nullptr;
  QAction *PopGround = nullptr, *PopKGeom = nullptr, *PopKPos = nullptr, *PopBottom = nullptr;
  QAction *PopShHidden = nullptr, *PopShPoints = nullptr, *PopShForces = nullptr;
  QAction *PopShLabels = nullptr, *PopShProces = nullptr;

 private:
  void BuildMenus(QDialog& window);
  void BuildTopBand(QWidget* band);
  void BuildControlPanel(QWidget* panel);
};
