#pragma once

#include <QString>

class QWidget;

// The user's settings, one field per key of section [Properties] in
// "zelvan.ini". Every operation opens the file afresh; a missing file or key,
// or a value of the wrong type, gives the default; a file that cannot be
// written is left as it was, silently.
class TPropertiesGUI {
 public:
  TPropertiesGUI() = default;

  int vert = 0;
  int hor = 0;
  int fontsize = 0;
  QString fontname;
  bool enabletaskbaranimations = false;
  bool savefilesperiodically = false;
  bool MinimizeOnCloseButton = false;
  bool showtime = false;
  bool showdate = false;
  QString Language;
  int Actioncount = 0;
  bool KeepInForeground = false;
  int Pos_LeftPanelWidth = 0;
  bool LoadInputDatabase = false;
  bool UseApplicationScenarioBatchFile = false;
  int ApplicationScenarioBatchFileType = 0;
  QString DatabaseNameZELVAN;
  QString DatabaseNameAI;
  QString DatabaseNameTavex_ASB;
  QString ExcelName_ASB;

  // Remembers the program folder (with a trailing separator) and loads the settings.
  void SetProgramFolder(const QString& folder);
  const QString& ProgramFolder() const { return programFolder_; }
  // The program folder when it holds a "zelvan.ini", else the per-user folder
  // "Zelvan" (with a trailing separator).
  QString GetSettingsFolder() const;
  QString SettingsFile() const;

  void LoadSettings();
  void SaveSettings() const;

  struct TWindowPosition {
    int Left, Top, Width, Height;
    QString State; // "wsNormal", "wsMinimized", "wsMaximized" or whatever the file holds
  };
  TWindowPosition ReadWindowPosition() const;
  void ApplyWindowPosition(QWidget& window) const;
  void SaveWindowPosition(const QWidget& window) const;

 private:
  QString programFolder_;
};
