#include "BalanceViewLayout.h"

#include <QEvent>
#include <QLayout>
#include <QSplitter>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "ScPic.h"

BalanceViewLayout::BalanceViewLayout(QSplitter& sideSplitter, ScPic& side, ScPic& plan,
                                     ScPic& front, QWidget& controlPanel,
                                     std::function<void()> redraw)
    : QObject(&side),
      sideSplitter_(sideSplitter),
      side_(side),
      plan_(plan),
      front_(front),
      controlPanel_(controlPanel),
      redraw_(std::move(redraw)) {
  for (QWidget* watched : {static_cast<QWidget*>(&side_), static_cast<QWidget*>(&plan_),
                           static_cast<QWidget*>(&front_), controlPanel_.parentWidget()}) {
    if (watched != nullptr) watched->installEventFilter(this);
  }
}

bool BalanceViewLayout::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    // A window resize reaches the top band before the bottom one, so the panel's place is
    // only known once the whole resize is through: the rule is applied after it.
    if ((watched == &side_ || watched == controlPanel_.parentWidget()) && !applyPending_) {
      applyPending_ = true;
      QTimer::singleShot(0, this, [this] { Apply(); });
    }
    if (watched != controlPanel_.parentWidget() && redraw_) redraw_();
  }
  return QObject::eventFilter(watched, event);
}

void BalanceViewLayout::Apply() {
  applyPending_ = false;
  QWidget* window = side_.window();
  // The side view may reach as far as the control panel's left edge, less a small gap.
  const int panelLeft = controlPanel_.mapTo(window, QPoint(0, 0)).x();
  const int sideLeft = side_.mapTo(window, QPoint(0, 0)).x();
  const int widest = std::max(side_.minimumWidth(), panelLeft - kPanelGap - sideLeft);
  QList<int> sizes = sideSplitter_.sizes();
  if (sizes.size() == 2 && sizes[0] > widest) {
    sizes[1] += sizes[0] - widest;
    sizes[0] = widest;
    sideSplitter_.setSizes(sizes);
  }
  // The plan view takes exactly the side view's width: its layout gives it every pixel up to
  // that maximum before the free space beside the panel gets any.
  const int width = sideSplitter_.sizes().value(0, side_.width());
  if (plan_.maximumWidth() != width) {
    plan_.setMaximumWidth(width);
    if (QLayout* layout = plan_.parentWidget()->layout()) layout->activate();
  }
}
