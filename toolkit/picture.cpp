#include "toolkit/picture.h"

#include "toolkit/ui_resources.h"

namespace giornaro::toolkit {

Picture::Picture(QWidget* parent) : QLabel(parent) {
  setScaledContents(true);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool Picture::showResource(const QString& path) {
  const QPixmap picture = resource_picture(path);
  if (picture.isNull()) {
    clearPicture();
    return false;
  }
  setPixmap(picture);
  return true;
}

void Picture::clearPicture() {
  clear();
}

}  // namespace giornaro::toolkit
