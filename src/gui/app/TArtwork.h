#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// Zelvan's own pictures, drawn at run time: action icons, the splash picture.
class TArtwork {
 public:
  // An icon for an action or page name ("home", "pesticide", "exit", ...).
  static QIcon Icon(const QString& name);
  // The picture of the splash and closing windows.
  static QPixmap SplashPicture(const QSize& size);
  // The colour of a page's header, by page name; invalid when the page has none.
  static QColor PageColour(const QString& page);
};
