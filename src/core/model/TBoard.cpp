#include "model/TBoard.h"

TBoard::TBoard() {
  ComputeGeometry();
}

TBoard::TBoard(const DoorInputs& inputs) : inputs_(inputs) {
  ComputeGeometry();
}

void TBoard::SetInputs(const DoorInputs& inputs) {
  inputs_ = inputs;
  ComputeGeometry();
}

void TBoard::SetRotation(long double x, long double y, long double z) {
  rotX_ = x;
  rotY_ = y;
  rotZ_ = z;
}
