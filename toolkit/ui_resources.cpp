#include "toolkit/ui_resources.h"

#include <QFile>

namespace giornaro::toolkit {
namespace {

// The tip of the finger in cursor.png (32 x 32).
constexpr int kCursorHotX = 9;
constexpr int kCursorHotY = 1;

}  // namespace

QCursor button_cursor() {
  const QPixmap picture = resource_picture(QStringLiteral(":/ui/cursor.png"));
  if (picture.isNull()) return QCursor(Qt::PointingHandCursor);
  return QCursor(picture, kCursorHotX, kCursorHotY);
}

QIcon window_icon() {
  return QIcon(QStringLiteral(":/ui/icon.png"));
}

QPixmap resource_picture(const QString& path) {
  if (!QFile::exists(path)) return {};
  return QPixmap(path);
}

}  // namespace giornaro::toolkit
