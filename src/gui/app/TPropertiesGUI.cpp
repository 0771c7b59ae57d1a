#include "app/TPropertiesGUI.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace {

const QString SettingsFileName = QStringLiteral("zelvan.ini");
const QString Section = QStringLiteral("Properties/");

QString WithSeparator(const QString& folder) {
  return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

class TIni {
 public:
  explicit TIni(const QString& file) : settings_(file, QSettings::IniFormat) {}

  int ReadInteger(const QString& key, int def) {
    bool ok = false;
    const int v = settings_.value(Section + key).toString().trimmed().toInt(&ok);
    return ok ? v : def;
  }
  bool ReadBool(const QString& key, bool def) { return ReadInteger(key, def ? 1 : 0) != 0; }
  QString ReadString(const QString& key, const QString& def) {
    const QVariant v = settings_.value(Section + key);
    if (!v.isValid()) return def;
    // An unquoted text with commas comes back as a list; give it back whole.
    return v.typeId() == QMetaType::QStringList ? v.toStringList().join(QStringLiteral(", ")) : v.toString();
  }
  void WriteInteger(const QString& key, int v) { settings_.setValue(Section + key, QString::number(v)); }
  void WriteBool(const QString& key, bool v) { WriteInteger(key, v ? 1 : 0); }
  void WriteString(const QString& key, const QString& v) { settings_.setValue(Section + key, v); }

 private:
  QSettings settings_;
};

const char* StateName(const QWidget& w) {
  if (w.isMinimized()) return "wsMinimized";
  if (w.isMaximized()) return "wsMaximized";
  return "wsNormal";
}

} // namespace

void TPropertiesGUI::SetProgramFolder(const QString& folder) {
  programFolder_ = WithSeparator(folder);
  LoadSettings();
}

QString TPropertiesGUI::GetSettingsFolder() const {
  if (QFileInfo::exists(programFolder_ + SettingsFileName)) return programFolder_;
  const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (userFolder.isEmpty()) return programFolder_ + QStringLiteral("Zelvan/");
  return WithSeparator(userFolder) + QStringLiteral("Zelvan/");
}

QString TPropertiesGUI::SettingsFile() const {
  return GetSettingsFolder() + SettingsFileName;
}

void TPropertiesGUI::LoadSettings() {
  TIni ini(SettingsFile());
  vert = ini.ReadInteger(QStringLiteral("vert"), 200);
  hor = ini.ReadInteger(QStringLiteral("hor"), 209);
  fontsize = ini.ReadInteger(QStringLiteral("fontsize"), 9);
  fontname = ini.ReadString(QStringLiteral("fontname"), QStringLiteral("Tahoma"));
  enabletaskbaranimations = ini.ReadBool(QStringLiteral("enabletaskbaranimations"), true);
  savefilesperiodically = ini.ReadBool(QStringLiteral("savefilesperiodically"), true);
  MinimizeOnCloseButton = ini.ReadBool(QStringLiteral("MinimizeOnCloseButton"), false);
  showtime = ini.ReadBool(QStringLiteral("showtime"), true);
  showdate = ini.ReadBool(QStringLiteral("showdate"), true);
  Language = ini.ReadString(QStringLiteral("Language"), QStringLiteral("english"));
  Actioncount = ini.ReadInteger(QStringLiteral("Actioncount"), 0);
  KeepInForeground = ini.ReadBool(QStringLiteral("KeepInForeground"), true);
  Pos_LeftPanelWidth = ini.ReadInteger(QStringLiteral("Pos_LeftPanelWidth"), 100);
  LoadInputDatabase = ini.ReadBool(QStringLiteral("LoadInputDatabase"), true);
  UseApplicationScenarioBatchFile = ini.ReadBool(QStringLiteral("UseApplicationScenarioBatchFile"), true);
  ApplicationScenarioBatchFileType = ini.ReadInteger(QStringLiteral("ApplicationScenarioBatchFileType"), -1);
  DatabaseNameZELVAN = ini.ReadString(QStringLiteral("DatabaseNameZELVAN"), QString());
  DatabaseNameAI = ini.ReadString(QStringLiteral("DatabaseNameAI"), QString());
  DatabaseNameTavex_ASB = ini.ReadString(QStringLiteral("DatabaseNameTavex_ASB"), QString());
  ExcelName_ASB = ini.ReadString(QStringLiteral("ExcelName_ASB"), QString());
}

void TPropertiesGUI::SaveSettings() const {
  TIni ini(SettingsFile());
  ini.WriteInteger(QStringLiteral("vert"), vert);
  ini.WriteInteger(QStringLiteral("hor"), hor);
  ini.WriteInteger(QStringLiteral("fontsize"), fontsize);
  ini.WriteString(QStringLiteral("fontname"), fontname);
  ini.WriteBool(QStringLiteral("enabletaskbaranimations"), enabletaskbaranimations);
  ini.WriteBool(QStringLiteral("savefilesperiodically"), savefilesperiodically);
  ini.WriteBool(QStringLiteral("MinimizeOnCloseButton"), MinimizeOnCloseButton);
  ini.WriteBool(QStringLiteral("showtime"), showtime);
  ini.WriteBool(QStringLiteral("showdate"), showdate);
  ini.WriteString(QStringLiteral("Language"), Language);
  ini.WriteInteger(QStringLiteral("Actioncount"), Actioncount);
  ini.WriteBool(QStringLiteral("KeepInForeground"), KeepInForeground);
  ini.WriteInteger(QStringLiteral("Pos_LeftPanelWidth"), Pos_LeftPanelWidth);
  ini.WriteBool(QStringLiteral("LoadInputDatabase"), LoadInputDatabase);
  ini.WriteBool(QStringLiteral("UseApplicationScenarioBatchFile"), UseApplicationScenarioBatchFile);
  ini.WriteInteger(QStringLiteral("ApplicationScenarioBatchFileType"), ApplicationScenarioBatchFileType);
  ini.WriteString(QStringLiteral("DatabaseNameZELVAN"), DatabaseNameZELVAN);
  ini.WriteString(QStringLiteral("DatabaseNameAI"), DatabaseNameAI);
  ini.WriteString(QStringLiteral("DatabaseNameTavex_ASB"), DatabaseNameTavex_ASB);
  ini.WriteString(QStringLiteral("ExcelName_ASB"), ExcelName_ASB);
}

TPropertiesGUI::TWindowPosition TPropertiesGUI::ReadWindowPosition() const {
  TIni ini(SettingsFile());
  return {ini.ReadInteger(QStringLiteral("Pos_WindowLeft"), 195), ini.ReadInteger(QStringLiteral("Pos_WindowTop"), 140),
          ini.ReadInteger(QStringLiteral("Pos_WindowWidth"), 680),
          ini.ReadInteger(QStringLiteral("Pos_WindowHeight"), 480),
          ini.ReadString(QStringLiteral("Pos_WindowState"), QStringLiteral("wsNormal"))};
}

void TPropertiesGUI::ApplyWindowPosition(QWidget& window) const {
  const TWindowPosition pos = ReadWindowPosition();
  const bool normal = pos.State == QLatin1String("wsNormal");
  const bool minimized = pos.State == QLatin1String("wsMinimized");
  const bool maximized = pos.State == QLatin1String("wsMaximized");
  if (!normal && !minimized && !maximized) return;
  const bool visible = window.isVisible();
  // Back to the normal state first, so the stored bounds are the ones the
  // window returns to from a maximised or minimised state.
  if (window.isMinimized() || window.isMaximized()) window.showNormal();
  window.setGeometry(pos.Left, pos.Top, pos.Width, pos.Height);
  if (minimized) window.setWindowState(Qt::WindowMinimized);
  if (maximized) window.setWindowState(Qt::WindowMaximized);
  window.setVisible(visible);
}

void TPropertiesGUI::SaveWindowPosition(const QWidget& window) const {
  TIni ini(SettingsFile());
  if (!window.isMinimized() && !window.isMaximized()) {
    const QRect r = window.geometry();
    ini.WriteInteger(QStringLiteral("Pos_WindowLeft"), r.left());
    ini.WriteInteger(QStringLiteral("Pos_WindowTop"), r.top());
    ini.WriteInteger(QStringLiteral("Pos_WindowWidth"), r.width());
    ini.WriteInteger(QStringLiteral("Pos_WindowHeight"), r.height());
  }
  ini.WriteString(QStringLiteral("Pos_WindowState"), QLatin1String(StateName(window)));
}
