#pragma once

#include <array>

#include "model/DoorInputs.h"

class QAction;
class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTabBar;
class QWidget;
class ProjPagesLayout;
class ScPic;

// The controls of the projections dialog, built once and named as the language files address
// them. The dialog's behaviour lives in ProjectionsDialog; this only creates the controls and lays
// them out.
struct ProjUi {
  static constexpr int kPageCount = 3;  // front, plan, side
  static constexpr int kOptionCount = 5;
  enum Option { kScheme, kHidden, kPoints, kForces, kLabels };

  // One of the 23 entry fields, in the order of kMainParams (which gives its model field).
  struct Row {
    int Page;
    const char* Caption;
    const char* Hint;
    int Width;     // field width and decimals kept when the field is left (its limits are the
    int Decimals;  // model value's, LimitsOfField)
  };
  static const std::array<Row, kMainParamCount> Rows;

  void Build(QDialog& window);

  QMenuBar* MenuBar = nullptr;
  std::array<QAction*, kPageCount> ViewItems{};  // "Views": FrontView1, PlanView1, SideView1
  QAction* SpecifyRangeItem = nullptr;
  QAction* MarkVariableItem = nullptr;
  std::array<QAction*, kOptionCount> OptionItems{};  // "Options" menu, in Option order
  QAction* OpenPicturesItem = nullptr;
  QAction* RunCalculatorItem = nullptr;

  QMenu* PictureMenu = nullptr;  // context menu of the picture areas
  std::array<QAction*, kOptionCount> PictureMenuOptions{};
  QAction* PictureMenuOpenPictures = nullptr;
  QMenu* FieldMenu = nullptr;  // context menu of the entry fields
  QAction* FieldMenuRange = nullptr;
  QAction* FieldMenuMark = nullptr;

  QGroupBox* ShowBox = nullptr;  // "Show": hidden third mirror of the options
  std::array<QCheckBox*, kOptionCount> OptionBoxes{};

  QWidget* PageHost = nullptr;
  ProjPagesLayout* PagesLayout = nullptr;
  std::array<QWidget*, kPageCount> Pages{};
  std::array<QWidget*, kPageCount> Areas{};    // picture areas
  std::array<QWidget*, kPageCount> Columns{};  // field columns
  std::array<QLabel*, kPageCount> Images{};    // Image1, Image2, Image3
  std::array<ScPic*, kPageCount> Surfaces{};   // ScFront, ScPlan, ScSide
  std::array<QLabel*, kMainParamCount> Labels{};
  std::array<QLineEdit*, kMainParamCount> Edits{};
  // The unit beside each field, taken from the end of its label's hint ("..., [m]").
  std::array<QLabel*, kMainParamCount> Units{};
  // Takes the units again from the labels' hints (after a language file set them).
  void RefreshUnits();

  QTabBar* PageTabs = nullptr;
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QPushButton* HelpButton = nullptr;

 private:
  void BuildMenus(QDialog& window);
  void BuildPage(int page);
  void BuildShowBox(QDialog& window);
};
