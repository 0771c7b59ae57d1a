#include "app/TPropertiesGUI.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

// Settings with the program folder and the per-user configuration folder in
// temporary folders.
class TestSettings : public QObject {
  Q_OBJECT

  QTemporaryDir home;
  QString programFolder;
  QString userFolder;

  QString ReadRaw(const QString& file, const QString& key) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("<no file>");
    for (const QByteArray& line : f.readAll().split('\n'))
      if (line.startsWith(key.toUtf8() + '=')) return QString::fromUtf8(line.mid(key.size() + 1)).trimmed();
    return QStringLiteral("<no key>");
  }

 private slots:
  void initTestCase() {
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    programFolder = home.filePath(QStringLiteral("program"));
    userFolder = home.filePath(QStringLiteral("config/Zelvan/"));
    QDir().mkpath(programFolder);
  }

  void init() {
    QDir(userFolder).removeRecursively();
    QFile::remove(programFolder + QStringLiteral("/zelvan.ini"));
  }

  void defaultsWhenNoFileExists() {
    TPropertiesGUI p;
    p.SetProgramFolder(programFolder);
    QCOMPARE(p.ProgramFolder(), programFolder + QLatin1Char('/'));
    QCOMPARE(p.GetSettingsFolder(), userFolder);
    QCOMPARE(p.vert, 200);
    QCOMPARE(p.hor, 209);
    QCOMPARE(p.fontsize, 9);
    QCOMPARE(p.fontname, QStringLiteral("Tahoma"));
    QVERIFY(p.enabletaskbaranimations);
    QVERIFY(p.savefilesperiodically);
    QVERIFY(!p.MinimizeOnCloseButton);
    QVERIFY(p.showtime);
    QVERIFY(p.showdate);
    QCOMPARE(p.Language, QStringLiteral("english"));
    QCOMPARE(p.Actioncount, 0);
    QVERIFY(p.KeepInForeground);
    QCOMPARE(p.Pos_LeftPanelWidth, 100);
    QVERIFY(p.LoadInputDatabase);
    QVERIFY(p.UseApplicationScenarioBatchFile);
    QCOMPARE(p.ApplicationScenarioBatchFileType, -1);
    QVERIFY(p.DatabaseNameZELVAN.isEmpty());
    const TPropertiesGUI::TWindowPosition pos = p.ReadWindowPosition();
    QCOMPARE(pos.Left, 195);
    QCOMPARE(pos.Top, 140);
    QCOMPARE(pos.Width, 680);
    QCOMPARE(pos.Height, 480);
    QCOMPARE(pos.State, QStringLiteral("wsNormal"));
  }

  void valuesRoundTripWithBooleansAsDigits() {
    TPropertiesGUI p;
    p.SetProgramFolder(programFolder);
    p.MinimizeOnCloseButton = true;
    p.LoadInputDatabase = false;
    p.ApplicationScenarioBatchFileType = 1;
    p.DatabaseNameZELVAN = QStringLiteral("/data/my main, copy.sqlite");
    p.Language = QStringLiteral("nederlands");
    QDir().mkpath(p.GetSettingsFolder());
    p.SaveSettings();
    const QString file = userFolder + QStringLiteral("zelvan.ini");
    QCOMPARE(ReadRaw(file, QStringLiteral("MinimizeOnCloseButton")), QStringLiteral("1"));
    QCOMPARE(ReadRaw(file, QStringLiteral("LoadInputDatabase")), QStringLiteral("0"));
    QCOMPARE(ReadRaw(file, QStringLiteral("ApplicationScenarioBatchFileType")), QStringLiteral("1"));
    QCOMPARE(ReadRaw(file, QStringLiteral("Pos_WindowLeft")), QStringLiteral("<no key>")); // not written here

    TPropertiesGUI q;
    q.SetProgramFolder(programFolder);
    QVERIFY(q.MinimizeOnCloseButton);
    QVERIFY(!q.LoadInputDatabase);
    QCOMPARE(q.ApplicationScenarioBatchFileType, 1);
    QCOMPARE(q.DatabaseNameZELVAN, QStringLiteral("/data/my main, copy.sqlite"));
    QCOMPARE(q.Language, QStringLiteral("nederlands"));
  }

  void unreadableValuesGiveDefaultsAndAnyNonZeroIsTrue() {
    QDir().mkpath(userFolder);
    QFile f(userFolder + QStringLiteral("zelvan.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Properties]\nvert=abc\nshowtime=0\nMinimizeOnCloseButton=7\nKeepInForeground=yes\n"
            "Pos_WindowState=wsSideways\nfontname=Courier\n");
    f.close();
    TPropertiesGUI p;
    p.SetProgramFolder(programFolder);
    QCOMPARE(p.vert, 200);
    QVERIFY(!p.showtime);
    QVERIFY(p.MinimizeOnCloseButton);
    QVERIFY(p.KeepInForeground); // not an integer: the default
    QCOMPARE(p.fontname, QStringLiteral("Courier"));

    // A state of another name leaves the window where it is.
    QWidget w;
    w.setGeometry(10, 20, 300, 200);
    p.ApplyWindowPosition(w);
    QCOMPARE(w.geometry(), QRect(10, 20, 300, 200));
  }

  void aSettingsFileBesideTheProgramWins() {
    QFile f(programFolder + QStringLiteral("/zelvan.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Properties]\nfontsize=14\n");
    f.close();
    TPropertiesGUI p;
    p.SetProgramFolder(programFolder);
    QCOMPARE(p.GetSettingsFolder(), programFolder + QLatin1Char('/'));
    QCOMPARE(p.fontsize, 14);
  }

  void anUnwritableFileIsLeftAsItWas() {
    QDir().mkpath(userFolder);
    const QString file = userFolder + QStringLiteral("zelvan.ini");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Properties]\nfontsize=11\n");
    f.close();
    // Make the folder read-only as well: as root a file's own bits are not enough.
    QFile::setPermissions(file, QFile::ReadOwner);
    QFile::setPermissions(userFolder, QFile::ReadOwner | QFile::ExeOwner);
    TPropertiesGUI p;
    p.SetProgramFolder(programFolder);
    p.fontsize = 30;
    p.SaveSettings(); // no error, nothing thrown
    QFile::setPermissions(userFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    if (ReadRaw(file, QStringLiteral("fontsize")) == QStringLiteral("30"))
      QSKIP("the file system lets this user write anything");
    QCOMPARE(ReadRaw(file, QStringLiteral("fontsize")), QStringLiteral("11"));
  }

  void aSettingsFolderThatIsAFileTakesNothingAndSaysNothing() {
    // Works for root too: no permission bit is involved.
    QTemporaryDir other;
    qputenv("XDG_CONFIG_HOME", other.path().toUtf8());
    QFile blocker(other.filePath(QStringLiteral("Zelvan")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();
    TPropertiesGUI p;
    p.SetProgramFolder(programFolder);
    p.fontsize = 30;
    p.SaveSettings();
    QWidget w;
    p.SaveWindowPosition(w);
    QVERIFY(QFileInfo(other.filePath(QStringLiteral("Zelvan"))).isFile());
    QVERIFY(blocker.open(QIODevice::ReadOnly));
    QCOMPARE(blocker.readAll(), QByteArray("not a folder"));
    TPropertiesGUI q;
    q.SetProgramFolder(programFolder);
    QCOMPARE(q.fontsize, 9);
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
  }

  void aMaximisedWindowKeepsItsNormalBounds() {
    TPropertiesGUI p;
    p.SetProgramFolder(programFolder);
    QDir().mkpath(p.GetSettingsFolder());
    QWidget w;
    w.setGeometry(50, 60, 400, 300);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    p.SaveWindowPosition(w);
    w.showMaximized();
    p.SaveWindowPosition(w);
    const QString file = userFolder + QStringLiteral("zelvan.ini");
    QCOMPARE(ReadRaw(file, QStringLiteral("Pos_WindowState")), QStringLiteral("wsMaximized"));
    QCOMPARE(ReadRaw(file, QStringLiteral("Pos_WindowWidth")), QStringLiteral("400"));

    QWidget again;
    p.ApplyWindowPosition(again);
    QVERIFY(again.windowState() & Qt::WindowMaximized);
    QVERIFY(!again.isVisible()); // visibility is what it was
    again.showNormal();
    QCOMPARE(again.geometry().size(), QSize(400, 300));
  }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
