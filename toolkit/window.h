// Window placement: top-most windows, centring, and the front-to-back order
// of sibling controls.
#pragma once

#include <vector>

class QWidget;

namespace giornaro::toolkit {

// Keeps the window above other windows (call before show()).
void keep_on_top(QWidget* window);

// Moves the window to the centre of its screen's available area.
void center_on_screen(QWidget* window);

// Moves the window to the centre of `owner` (on the screen when no owner).
void center_on(QWidget* window, const QWidget* owner);

// Stacks sibling controls so the first lies in front of the second, the
// second in front of the third, and so on; all of them come in front of
// siblings not named.
void stack_front_to_back(const std::vector<QWidget*>& controls);

}  // namespace giornaro::toolkit
