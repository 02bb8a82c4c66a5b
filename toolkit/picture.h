// An image control: shows one picture stretched to its whole area.
#pragma once

#include <QLabel>

namespace giornaro::toolkit {

class Picture : public QLabel {
  Q_OBJECT

 public:
  explicit Picture(QWidget* parent = nullptr);

  // Shows the picture at a resource path; a missing or unreadable picture
  // leaves the control empty and returns false.
  bool showResource(const QString& path);
  void clearPicture();
};

}  // namespace giornaro::toolkit
