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
class ValidatedField;
class TSpinButton;

// The controls of the balance window, built once and named as the language files address
// them. The window's behaviour lives in BalanceWindow; this only lays the controls out.
struct BalanceUi {
  void Build(QDialog& window);

  ScPic* SideView = nullptr;          // side view x-z
  ScPic* PlanView = nullptr;          // plan view x-y
  ScPic* FrontView = nullptr;         // front view y-z
  QSplitter* ViewSplitter = nullptr;  // between the side and front views
  QSplitter* BandSplitter = nullptr;  // between the top and bottom bands
  QWidget* ResultPanel = nullptr;
  QWidget* ControlPanel = nullptr;
  QLineEdit *StabilityX = nullptr, *StabilityY = nullptr, *StabilityZ = nullptr;    // stability
  QLineEdit *MomentX = nullptr, *MomentY = nullptr, *MomentZ = nullptr;             // moments
  ValidatedField *RotationX = nullptr, *RotationY = nullptr, *RotationZ = nullptr;  // rotation
  TSpinButton *RotationXSpin = nullptr, *RotationYSpin = nullptr, *RotationZSpin = nullptr;
  QLineEdit *Resistance = nullptr, *SpreadForce = nullptr, *VerticalForce = nullptr;  // forces
  QLineEdit* AttackAngle = nullptr;    // attack angle
  QGroupBox* VariableGroup = nullptr;  // the variable
  QLabel* VariableName = nullptr;
  QLineEdit* VariableValue = nullptr;
  TSpinButton* VariableSpin = nullptr;
  QPushButton *BalanceButton = nullptr, *SolveButton = nullptr, *UpdateButton = nullptr;
  QPushButton *DetailButton = nullptr, *OkButton = nullptr, *HelpButton = nullptr;

  QMenuBar* MenuBar = nullptr;
  QAction *ProjectionsItem = nullptr, *HydrodynamicItem = nullptr, *EnvironmentItem = nullptr,
          *TrawlItem = nullptr;
  QAction *GroundItem = nullptr, *KeelGeometryItem = nullptr, *KeelOriginItem = nullptr,
          *DetailItem = nullptr;
  QAction *BottomCaseItem = nullptr, *ShowHiddenItem = nullptr, *ShowPointsItem = nullptr;
  QAction *ShowForcesItem = nullptr, *ShowLabelsItem = nullptr, *ShowProcessItem = nullptr;
  QAction *SensitivityItem = nullptr, *CalculatorItem = nullptr;
  QAction *ShowLogItem = nullptr, *ClearLogItem = nullptr, *PrintItem = nullptr;
  QAction *FastSolverItem = nullptr, *SweepItem = nullptr, *SaveViewsItem = nullptr;
  QAction *PreciseGroundItem = nullptr, *TargetItem = nullptr, *OperatingMapItem = nullptr;
  QMenu* PopupMenu = nullptr;
  QAction *PopProjectionsItem = nullptr, *PopHydrodynamicItem = nullptr,
          *PopEnvironmentItem = nullptr, *PopTrawlItem = nullptr;
  QAction *PopGroundItem = nullptr, *PopKeelGeometryItem = nullptr, *PopKeelOriginItem = nullptr,
          *PopBottomCaseItem = nullptr;
  QAction *PopShowHiddenItem = nullptr, *PopShowPointsItem = nullptr, *PopShowForcesItem = nullptr;
  QAction *PopShowLabelsItem = nullptr, *PopShowProcessItem = nullptr;

 private:
  void BuildMenus(QDialog& window);
  void BuildTopBand(QWidget* band);
  void BuildControlPanel(QWidget* panel);
};
