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
  // Pictures of the assessment panel: 0 grey, 1 green, 2 orange, 3 red,
  // 4 blue, 5 brown, 6 slate globe; 7 a magnifying glass.
  static QPixmap RiskPicture(int index, int size = 32);
  // The picture of a scenario page's description panel.
  static QPixmap ScenarioPicture(const QString& page, const QSize& size);
  // The colour of a page's header, by page name; invalid when the page has none.
  static QColor PageColour(const QString& page);
};
