#include "GuiTestSupport.h"
#include "app/TLanguage.h"
#include "app/TPropertiesGUI.h"
#include "app/TfrmMain.h"
#include "app/uUtils.h"
#include "data/TDialogs.h"
#include "data/TManager.h"
#include "data/Tdm.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {} // namespace

// The real main window over a temporary home: settings, lock and databases
// all live in folders of the test.
class TestMainWindow : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> home;
  TScriptedDialogs dialogs;
  int prompts = 0;

  QString UserFolder() const { return home->filePath(QStringLiteral("config/Zelvan/")); }
  QString IniFile() const { return UserFolder() + QStringLiteral("zelvan.ini"); }
  QString Raw(const QString& key) const {
    QSettings ini(IniFile(), QSettings::IniFormat);
    return ini.value(QStringLiteral("Properties/") + key, QStringLiteral("<none>")).toString();
  }
  // A settings file that names no databases: start-up asks, the test cancels.
  void WriteIni(const QByteArray& extra = {}) {
    QDir().mkpath(UserFolder());
    QFile f(IniFile());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Properties]\nLoadInputDatabase=1\n" + extra);
  }
  void ReferenceIni() {
    WriteIni("DatabaseNameZELVAN=" + Copy("zelvan-main.sqlite").toUtf8() + "\n" +
             "DatabaseNameAI=" + Copy("zelvan-ai.sqlite").toUtf8() + "\n");
  }
  QString Copy(const QString& name) {
    const QString target = home->filePath(name);
    QFile::remove(target);
    QFile::copy(QStringLiteral(ZELVAN_REFERENCE_BUILD_DIR "/") + name, target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
  }

 private slots:
  void init() {
    home = std::make_unique<QTemporaryDir>();
    IsolateHome(*home);
    dialogs.Texts.clear();
    dialogs.Answers.clear();
    SetDialogs(&dialogs);
    prompts = 0;
    TfrmMain::ChooseOpenFile = [this](QWidget*, const QString&, const QString&) {
      ++prompts;
      return QString();
    };
    TLanguage::Clear();
  }
  void cleanup() { SetDialogs(nullptr); }

  void firstStartOpensCopiesOfTheReferenceDatabases() {
    Tdm data;
    TfrmMain w(data);
    QCOMPARE(prompts, 0);
    QVERIFY(dialogs.Texts.isEmpty());
    QCOMPARE(w.edtDatabaseZELVAN->text(), UserFolder() + QStringLiteral("zelvan-main.sqlite"));
    QCOMPARE(w.edtDatabaseAI->text(), UserFolder() + QStringLiteral("zelvan-ai.sqlite"));
    QVERIFY(w.Manager().IsReady());
    QCOMPARE(w.windowTitle(), QStringLiteral("Zelvan %1.%2 Build %3")
                                  .arg(ZELVAN_VERSION_MAJOR)
                                  .arg(ZELVAN_VERSION_MINOR)
                                  .arg(ZELVAN_BUILD_NUMBER));
    QCOMPARE(w.CurrentPage(), w.tsHome);
  }

  void startWithoutDatabasesShowsThePlaceholders() {
    WriteIni();
    Tdm data;
    TfrmMain w(data);
    QCOMPARE(prompts, 2); // asked once for the empty name, once more as nothing opened
    QVERIFY(dialogs.Texts.isEmpty());
    QCOMPARE(w.edtDatabaseZELVAN->text(), QStringLiteral("[select a ZELVAN database]"));
    QCOMPARE(w.edtDatabaseAI->text(), QStringLiteral("[select an AI database]"));
    QVERIFY(!w.Manager().IsReady());
    w.actPageHome->trigger();
    w.actConfigVariables->trigger(); // a page of a missing database opens empty
    QCOMPARE(w.CurrentPage(), w.tsConfigVars);
  }

  void answeringNoKeepsTheWindowOnTheHomePage() {
    ReferenceIni();
    Tdm data;
    TfrmMain w(data);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.actPageBees->trigger();
    QCOMPARE(w.CurrentPage(), w.tsBees);
    dialogs.Answers = {mbNo};
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(w.CurrentPage(), w.tsHome);
    QCOMPARE(dialogs.Texts, QStringList({"Do you want to close Zelvan?"}));
  }

  void minimiseOnCloseWritesOnlyThePosition() {
    ReferenceIni();
    {
      QSettings ini(IniFile(), QSettings::IniFormat);
      ini.setValue(QStringLiteral("Properties/MinimizeOnCloseButton"), QStringLiteral("1"));
    }
    Tdm data;
    TfrmMain w(data);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.Properties().fontsize = 21; // would be written by a real close
    dialogs.Answers = {mbYes};
    QVERIFY(!w.close());
    QTRY_VERIFY(w.isMinimized());
    QCOMPARE(Raw(QStringLiteral("fontsize")), QStringLiteral("<none>"));
    QVERIFY(Raw(QStringLiteral("Pos_WindowLeft")) != QStringLiteral("<none>"));
  }

  void settingsAndToolbarLayoutSurviveARestart() {
    ReferenceIni();
    {
      Tdm data;
      TfrmMain w(data);
      w.show();
      QVERIFY(QTest::qWaitForWindowExposed(&w));
      w.Properties().fontsize = 13;
      w.ActionToolBar1->clear();
      w.ActionToolBar1->addAction(w.actPageAquatic);
      w.ActionToolBar1->addSeparator();
      w.ActionToolBar1->addAction(w.actAbout);
      w.setGeometry(40, 50, 1100, 800);
      dialogs.Answers = {mbYes};
      QVERIFY(w.close());
    }
    QCOMPARE(Raw(QStringLiteral("fontsize")), QStringLiteral("13"));
    QCOMPARE(Raw(QStringLiteral("Pos_WindowWidth")), QStringLiteral("1100"));
    QVERIFY(Raw(QStringLiteral("Actioncount")).toInt() > 20);
    Tdm data;
    TfrmMain again(data);
    QCOMPARE(again.Properties().fontsize, 13);
    const QList<QAction*> bar = again.ActionToolBar1->actions();
    QCOMPARE(bar.size(), 3);
    QCOMPARE(bar[0], again.actPageAquatic);
    QVERIFY(bar[1]->isSeparator());
    QCOMPARE(bar[2], again.actAbout);
    QCOMPARE(again.geometry().size(), QSize(1100, 800));
  }

  void aMaximisedWindowReopensMaximisedOverItsNormalBounds() {
    ReferenceIni();
    {
      Tdm data;
      TfrmMain w(data);
      w.show();
      QVERIFY(QTest::qWaitForWindowExposed(&w));
      w.setGeometry(30, 40, 1050, 780);
      w.Properties().SaveWindowPosition(w);
      w.showMaximized();
      QTRY_VERIFY(w.isMaximized());
      dialogs.Answers = {mbYes};
      QVERIFY(w.close());
    }
    QCOMPARE(Raw(QStringLiteral("Pos_WindowState")), QStringLiteral("wsMaximized"));
    QCOMPARE(Raw(QStringLiteral("Pos_WindowWidth")), QStringLiteral("1050"));
    Tdm data;
    TfrmMain again(data);
    QVERIFY(again.windowState() & Qt::WindowMaximized);
  }

  void aSecondInstanceIsRefused() {
    ReferenceIni();
    Tdm data;
    TfrmMain first(data);
    QVERIFY(!first.TerminateRequested());
    Tdm data2;
    TfrmMain second(data2);
    QVERIFY(second.TerminateRequested());
    QVERIFY(dialogs.Texts.contains("You can only have one instance of Zelvan3 running at one time."));
    QVERIFY(!first.TerminateRequested());
  }

  void aTranslationFileReplacesCaptionsHintsAndMenus() {
    ReferenceIni();
    QFile f(UserFolder() + QStringLiteral("translation.lng"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Other]\nHome=Wrong\n[Texts]\n\"Home\"=\"Thuis\"\nHome=Later\nExit=\nhelp=hulp\n"
            "Select ZELVAN Database=Kies ZELVAN-database\nTools=Extra\n"
            "Do you want to close Zelvan?=Zelvan afsluiten?\n");
    f.close();
    Tdm data;
    TfrmMain w(data);
    QCOMPARE(w.actPageHome->text(), QStringLiteral("Thuis"));                         // quotes removed, first wins
    QCOMPARE(w.actExit->text(), QStringLiteral("Exit"));                              // empty value ignored
    QCOMPARE(w.actShowHelp->text(), QStringLiteral("Help"));                          // case-sensitive keys
    QCOMPARE(w.edtDatabaseZELVAN->toolTip(), QStringLiteral("Kies ZELVAN-database")); // a hint
    QCOMPARE(w.menuBar()->findChild<QMenu*>(QStringLiteral("mnuTools"))->title(), QStringLiteral("Extra"));
    QCOMPARE(w.Properties().Language, QStringLiteral("english"));
    w.show();
    dialogs.Answers = {mbNo};
    w.close();
    QCOMPARE(dialogs.Texts.last(), QStringLiteral("Zelvan afsluiten?"));
  }

  void variableDefinitionPageOpensAndClosesItsQuery() {
    ReferenceIni();
    Tdm data;
    TfrmMain w(data);
    w.actConfigVariables->trigger();
    QVERIFY(data.aqryVariables->Active());
    QCOMPARE(w.dbgVariables->model()->rowCount(), data.aqryVariables->RecordCount());
    QCOMPARE(w.dbgVariables->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("name"));
    QVERIFY(data.aqryVariables->RecordCount() > 100);
    w.actPageHome->trigger();
    QVERIFY(!data.aqryVariables->Active());
  }

  void escapeMinimisesOnlyFromTheWindowItself() {
    ReferenceIni();
    Tdm data;
    TfrmMain w(data);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.edtDatabaseZELVAN->setFocus();
    QTest::keyClick(w.edtDatabaseZELVAN, Qt::Key_Escape);
    QVERIFY(!w.isMinimized());
    w.setFocus();
    QTest::keyClick(&w, Qt::Key_Escape);
    QTRY_VERIFY(w.isMinimized());
  }

  void doubleClickingTheToolbarOpensItsCustomisation() {
    ReferenceIni();
    Tdm data;
    TfrmMain w(data);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseDClick(w.ActionToolBar1, Qt::LeftButton, {}, QPoint(w.ActionToolBar1->width() - 5, 5));
    QTRY_VERIFY(w.findChild<QDialog*>(QStringLiteral("frmCustomizeToolbar")));
  }

  void actionsCarryTheirCaptionsAndShortcuts() {
    ReferenceIni();
    Tdm data;
    TfrmMain w(data);
    const struct {
      QAction* Action;
      const char* Caption;
      QKeySequence Shortcut;
    } rows[] = {{w.actShowProperties, "Properties", QKeySequence(Qt::Key_F12)},
                {w.actAbout, "About", QKeySequence(Qt::Key_F1)},
                {w.actGotoHomepage, "Go to homepage", QKeySequence(Qt::CTRL | Qt::Key_H)},
                {w.actExit, "Exit", QKeySequence(Qt::Key_F10)},
                {w.actSelectDatabaseAI, "Select AI Database", QKeySequence()},
                {w.actConfigVariables, "Variable Definition", QKeySequence()}};
    for (const auto& r : rows) {
      QCOMPARE(r.Action->text(), QLatin1String(r.Caption));
      QCOMPARE(r.Action->shortcut(), r.Shortcut);
    }
    QVERIFY(!w.actShowSelectionPanel->isVisible());
    QCOMPARE(w.actPageNTA->property("category").toString(), QStringLiteral("page"));
  }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
