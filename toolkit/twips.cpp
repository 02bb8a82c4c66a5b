#include "toolkit/twips.h"

#include <QWidget>
#include <cmath>

namespace giornaro::toolkit {
namespace {

constexpr double kTwipsPerInch = 1440.0;

}  // namespace

int twips_to_pixels(int twips, double logical_dpi) {
  return static_cast<int>(std::lround(twips * logical_dpi / kTwipsPerInch));
}

QRect twips_to_pixels(TwipsRect rect, double logical_dpi) {
  const int x = twips_to_pixels(rect.left, logical_dpi);
  const int y = twips_to_pixels(rect.top, logical_dpi);
  const int right = twips_to_pixels(rect.left + rect.width, logical_dpi);
  const int bottom = twips_to_pixels(rect.top + rect.height, logical_dpi);
  return QRect(x, y, right - x, bottom - y);
}

double logical_dpi(const QWidget* widget) {
  const int dpi = widget->logicalDpiY();
  return dpi > 0 ? dpi : 96.0;
}

void place_twips(QWidget* widget, TwipsRect rect) {
  widget->setGeometry(twips_to_pixels(rect, logical_dpi(widget)));
}

void set_client_size_twips(QWidget* window, int width, int height) {
  const double dpi = logical_dpi(window);
  window->setFixedSize(twips_to_pixels(width, dpi), twips_to_pixels(height, dpi));
}

}  // namespace giornaro::toolkit
