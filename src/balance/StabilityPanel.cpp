#include "StabilityPanel.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QLabel>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "UserLocale.h"
#include "lang/MessageTables.h"
#include "model/TBoard.h"

namespace {

constexpr char kDerivativeFormat[] = "####0.####";
constexpr int kRowHeight = 18;
constexpr int kColumnWidth = 90;
constexpr int kFrame = 1;

QString EigenvalueText(const Matrix3::Eigenvalue& value) {
  const QString real = UserNumberText(kDerivativeFormat, value.real());
  // Round-off leaves a real root a tiny imaginary part; it is not worth showing.
  if (std::fabs(value.imag()) < 5e-5L) return real;
  return real + (value.imag() < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) +
         UserNumberText(kDerivativeFormat, std::fabs(value.imag())) + QStringLiteral("i");
}

}  // namespace

StabilityPanel::StabilityPanel(QWidget* parent) : QGroupBox(parent) {
  setObjectName("StabilityGroup");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);

  matrix_ = new QTableWidget(3, 3, this);
  matrix_->setObjectName("StabilityMatrix");
  matrix_->setVerticalHeaderLabels(
      {QStringLiteral("Mx"), QStringLiteral("My"), QStringLiteral("Mz")});
  matrix_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  matrix_->setSelectionMode(QAbstractItemView::NoSelection);
  matrix_->setFocusPolicy(Qt::NoFocus);
  matrix_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  matrix_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  matrix_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  matrix_->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      matrix_->setItem(r, c, item);
    }
  // Every cell shows without scrolling: the table is as large as its cells and headings.
  matrix_->setFixedSize(
      matrix_->verticalHeader()->sizeHint().width() + 3 * kColumnWidth + 2 * kFrame + 2,
      matrix_->horizontalHeader()->sizeHint().height() + 3 * kRowHeight + 2 * kFrame + 2);
  layout->addWidget(matrix_);

  eigenvalues_ = new QLabel(this);
  eigenvalues_->setObjectName("StabilityEigenvalues");
  eigenvalues_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(eigenvalues_);
  verdict_ = new QLabel(this);
  verdict_->setObjectName("StabilityVerdict");
  layout->addWidget(verdict_);
  ShowTexts();
}

QString StabilityPanel::Text(TextKey text) const {
  return QString::fromStdString(texts_.Text(text));
}

void StabilityPanel::SetTexts(const TextCatalogue& texts) {
  texts_ = texts;
  ShowTexts();
}

void StabilityPanel::ShowTexts() {
  setTitle(Text(StabilityTexts::kTitle));
  QStringList turns;
  for (const TextKey& turn : StabilityTexts::kTurns)
    turns << Text(turn);
  matrix_->setHorizontalHeaderLabels(turns);
  if (!shown_) return;
  QStringList values;
  for (const Matrix3::Eigenvalue& e : shown_->Eigenvalues())
    values << EigenvalueText(e);
  eigenvalues_->setText(Text(StabilityTexts::kEigenvalues) + values.join(QStringLiteral(";  ")));
  verdict_->setText(Text(shown_->Stable() ? StabilityTexts::kStable : StabilityTexts::kUnstable));
}

void StabilityPanel::ShowFor(const TBoard& door) {
  TBoard copy = door;
  shown_ = StabilityMatrix::At(copy, door.RotX(), door.RotY(), door.RotZ());
  const NumberLocale loc = UserNumberLocale();
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      matrix_->item(r, c)->setText(
          UserNumberText(kDerivativeFormat, shown_->Derivatives().At(r, c), loc));
  ShowTexts();
  verdict_->setStyleSheet(shown_->Stable() ? QStringLiteral("color: darkgreen; font-weight: bold")
                                           : QStringLiteral("color: darkred; font-weight: bold"));
}
