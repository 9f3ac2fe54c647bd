#pragma once

#include <QGroupBox>
#include <optional>

#include "lang/TextCatalogue.h"
#include "model/StabilityMatrix.h"

class QLabel;
class QTableWidget;
class TBoard;
struct TextKey;

// The details window's area for the stability of the door's position: the 3 x 3 matrix of
// moment derivatives dM_i / d(theta_j) in kN*m per degree (rows the moments about X, Y, Z,
// columns the turns about X, Y, Z), its eigenvalues and the verdict. A positive moment turns
// the door towards a positive angle, so the position is stable when every eigenvalue has a
// negative real part.
class StabilityPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit StabilityPanel(QWidget* parent = nullptr);

  // Measures the matrix around the door's angles RotX, RotY, RotZ. It works on a copy: the
  // door keeps the results of its last evaluation.
  void ShowFor(const TBoard& door);

  // The last matrix shown, nothing before the first.
  const std::optional<StabilityMatrix>& Shown() const { return shown_; }

  // The texts of the language in use: the area's texts, those of the matrix shown too.
  void SetTexts(const TextCatalogue& texts);
  const TextCatalogue& Texts() const { return texts_; }

 private:
  QTableWidget* matrix_ = nullptr;
  QLabel* eigenvalues_ = nullptr;
  QLabel* verdict_ = nullptr;
  std::optional<StabilityMatrix> shown_;
  TextCatalogue texts_ = TextCatalogue::English();

  QString Text(TextKey key) const;
  void ShowTexts();
};
