#pragma once

#include <QList>
#include <QString>
#include <utility>

class QWidget;

// Translation of the designed English texts through "translation.lng"
// (section [Texts], lines key=value). One table for the whole run.
class TLanguage {
 public:
  // Replaces the table by the pairs of the file; double quotes are removed
  // from each line before it is split at its first "=". False when the file
  // cannot be read (the table is then empty).
  static bool LoadTranslation(const QString& path);
  static void Clear();
  // The value of the first pair whose key equals the text exactly, when that
  // value is not empty; otherwise the text itself.
  static QString Translate(const QString& text);
  // The window title and every text, hint and menu text of the widgets and
  // actions the form holds.
  static void TranslateForm(QWidget* form);
  // TranslateForm for every top-level window.
  static void TranslateApplication();
  static QString CurrentLanguage() { return QStringLiteral("english"); }

 private:
  static QList<std::pair<QString, QString>>& Table();
};
