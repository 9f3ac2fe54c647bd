#pragma once

class QWidget;

// Moves a window, frame included, to the centre of the free area of its screen.
void CenterOnScreen(QWidget& window);
