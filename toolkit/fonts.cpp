#include "toolkit/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace giornaro::toolkit {
namespace {

QStringList families_for(FontFamily family) {
  switch (family) {
    case FontFamily::Arial:
      return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
    case FontFamily::ArialBlack:
      return {QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans")};
    case FontFamily::MsSansSerif:
      return {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
              QStringLiteral("DejaVu Sans")};
    case FontFamily::CourierNew:
      return {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
              QStringLiteral("DejaVu Sans Mono")};
  }
  return {};
}

}  // namespace

QFont layout_font(FontFamily family, double points, bool bold) {
  QFont font;
  font.setFamilies(families_for(family));
  font.setStyleHint(family == FontFamily::CourierNew ? QFont::Monospace : QFont::SansSerif);
  font.setPointSizeF(points);
  if (family == FontFamily::ArialBlack) {
    font.setWeight(QFontDatabase::hasFamily(QStringLiteral("Arial Black")) ? QFont::Normal
                                                                           : QFont::Black);
  } else {
    font.setBold(bold);
  }
  return font;
}

}  // namespace giornaro::toolkit
