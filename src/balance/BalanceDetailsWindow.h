#pragma once

#include <QDialog>
#include <array>

#include "ReactivationRefill.h"
#include "lang/TextCatalogue.h"

class QEvent;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;
class QTableWidget;
class BalanceAnalysisPanel;
class StabilityPanel;
class TBoard;
class TForce;

// The details window (form "BDetail_f"): the three components of each of the six forces on
// the door, their sums and magnitudes, and for the selected component its application
// point, lever arms and moments. It shows the model as the last evaluation left it and
// changes nothing in it.
class BalanceDetailsWindow : public QDialog {
  Q_OBJECT

 public:
  explicit BalanceDetailsWindow(const TBoard& board, QWidget* parent = nullptr);

  // Fills the grids from the model and selects the X component of the wing force.
  void FillFromModel();
  // Shows point, lever arms and moments of component `row` of force `col`, and highlights
  // the matching sum and magnitude. Any column above 4 stands for gravity.
  void onForceCellSelected(int col, int row);
  // The texts of the language in use, for those the stability area builds.
  void SetTexts(const TextCatalogue& texts);
  const TextCatalogue& Texts() const;
  // The area of the uncertainty band, the ground contact and the advice, below the stability.
  BalanceAnalysisPanel& Analysis() const { return *analysis_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The force of a grid column; columns outside 0..4 give gravity.
  const TForce& ForceOfColumn(int col) const;
  QLabel* AddLabel(const char* name, const QString& text,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
  QLineEdit* AddField(const char* name, int width);
  void BuildForceTable(QGridLayout* table);
  void BuildLowerArea(QHBoxLayout* lower);
  // The grids' columns take the widths of their headings, which grow with a longer text.
  void MatchColumnsToHeadings();

  const TBoard& board_;
  ReactivationRefill refill_;
  QWidget* client_ = nullptr;
  std::array<QLabel*, 6> forceHeadings_{};
  QLabel* sumHeading_ = nullptr;
  QTableWidget* forceGrid_ = nullptr;      // column = force, row = component
  QTableWidget* sumGrid_ = nullptr;        // sums of the components
  QTableWidget* magnitudeGrid_ = nullptr;  // magnitude of each force
  QLineEdit* pointX_ = nullptr;            // application point
  QLineEdit* pointY_ = nullptr;
  QLineEdit* pointZ_ = nullptr;
  QLabel* firstArmAxis_ = nullptr;
  QLineEdit* firstArm_ = nullptr;  // lever arm about the first of the two other axes
  QLabel* secondArmAxis_ = nullptr;
  QLineEdit* secondArm_ = nullptr;
  QLabel* firstMomentAxis_ = nullptr;
  QLineEdit* firstMoment_ = nullptr;  // moment about the first of the two other axes
  QLabel* secondMomentAxis_ = nullptr;
  QLineEdit* secondMoment_ = nullptr;
  QPushButton* okButton_ = nullptr;
  StabilityPanel* stability_ = nullptr;  // the stability of the position, below the forces
  BalanceAnalysisPanel* analysis_ = nullptr;
};
