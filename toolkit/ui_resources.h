// Pictures carried inside the program (resources/*.qrc): the windows' icon,
// the cursor of the label-buttons and pictures looked up by resource path.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace giornaro::toolkit {

// The cursor the label-buttons show; the pointing hand when the picture is
// missing.
QCursor button_cursor();

// The icon of the program's windows.
QIcon window_icon();

// The picture at a resource path such as ":/moon/101.bmp"; a null pixmap when
// there is none or it cannot be read.
QPixmap resource_picture(const QString& path);

}  // namespace giornaro::toolkit
