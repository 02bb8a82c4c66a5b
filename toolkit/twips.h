// Positions and sizes in twips (1/1440 inch), as the window layouts give
// them, turned into pixels: 15 twips a pixel at 96 dpi, scaled by the
// screen's logical dpi so the layout grows with the fonts.
#pragma once

#include <QRect>

class QWidget;

namespace giornaro::toolkit {

// A rectangle in twips: Left, Top, Width, Height.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

// One length in pixels at `logical_dpi`, rounded to the nearest pixel.
int twips_to_pixels(int twips, double logical_dpi);

// A twips rectangle in pixels. The edges are rounded, not the sizes, so
// rectangles that meet in twips still meet in pixels.
QRect twips_to_pixels(TwipsRect rect, double logical_dpi);

// The logical dpi the widget is laid out at (96 on an ordinary screen).
double logical_dpi(const QWidget* widget);

// Places the widget at `rect` inside its parent.
void place_twips(QWidget* widget, TwipsRect rect);

// Fixes the inner size of a window to `width` x `height` twips.
void set_client_size_twips(QWidget* window, int width, int height);

}  // namespace giornaro::toolkit
