#pragma once

#include <QDialog>

#include "ReactivationRefill.h"

class QEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;
class QTableWidget;
class TBoard;
class TForce;

// The details window (form "BDetail_f"): the three components of each of the six forces on
// the door, their sums and magnitudes, and for the selected component its application
// point, lever arms and moments. It shows the model as the last evaluation left it and
// changes nothing in it.
class TBDetail_f : public QDialog {
  Q_OBJECT

 public:
  explicit TBDetail_f(const TBoard& board, QWidget* parent = nullptr);

  // Fills the grids from the model and selects the X component of the wing force.
  void FormActivate();
  // Shows point, lever arms and moments of component `row` of force `col`, and highlights
  // the matching sum and magnitude. Any column above 4 stands for gravity.
  void StringGrid1SelectCell(int col, int row);

  QTableWidget* StringGrid1 = nullptr;  // forces: column = force, row = component
  QTableWidget* StringGrid2 = nullptr;  // sums of the components
  QTableWidget* StringGrid3 = nullptr;  // magnitudes
  QLineEdit* Edit3 = nullptr;           // application point X
  QLineEdit* Edit6 = nullptr;           // application point Y
  QLineEdit* Edit7 = nullptr;           // application point Z
  QLabel* Label10 = nullptr;
  QLineEdit* Edit1 = nullptr;  // first lever arm
  QLabel* Label11 = nullptr;
  QLineEdit* Edit2 = nullptr;  // second lever arm
  QLabel* Label13 = nullptr;
  QLineEdit* Edit4 = nullptr;  // moment about the first axis
  QLabel* Label14 = nullptr;
  QLineEdit* Edit5 = nullptr;  // moment about the second axis
  QPushButton* OKBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The force of a grid column; columns outside 0..4 give gravity.
  const TForce& ForceOfColumn(int col) const;
  QLabel* AddLabel(const char* name, const QString& text, const QRect& geometry,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
  QLineEdit* AddEdit(const char* name, const QRect& geometry);

  const TBoard& Board;
  ReactivationRefill refill_;
};
