#include "app/TPropertiesGUI.h"
#include "app/TZelvanApplication.h"
#include "app/TfrmLegend.h"
#include "app/TfrmOptionsDialog.h"
#include "app/uUtils.h"
#include "data/TDataSet.h"
#include "data/TDialogs.h"

#include <QFrame>
#include <QPrinter>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {
// Throws from its event handler, as a faulty slot would.
class TThrower : public QObject {
 public:
  int Handled = 0;
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) {
      ++Handled;
      throw EZelvanError(QStringLiteral("boom"));
    }
    return QObject::event(e);
  }
};
} // namespace

class TestDialogs : public QObject {
  Q_OBJECT

 private slots:
  void versionTextsFollowTheirFormats() {
    QCOMPARE(GetVersionString(4), QStringLiteral("%1.%2.%3.%4")
                                      .arg(ZELVAN_VERSION_MAJOR)
                                      .arg(ZELVAN_VERSION_MINOR, 2, 10, QLatin1Char('0'))
                                      .arg(ZELVAN_VERSION_PATCH, 2, 10, QLatin1Char('0'))
                                      .arg(ZELVAN_BUILD_NUMBER, 2, 10, QLatin1Char('0')));
    QCOMPARE(GetVersionString(0), GetVersionString(4));
    QCOMPARE(GetVersionString(7), GetVersionString(4));
    QCOMPARE(GetVersionString(1), QString::number(ZELVAN_VERSION_MAJOR));
    QCOMPARE(GetVersionText(false, false), QStringLiteral("%1.%2").arg(ZELVAN_VERSION_MAJOR).arg(ZELVAN_VERSION_MINOR));
    QCOMPARE(GetVersionText(false, true), QString::number(ZELVAN_BUILD_NUMBER));
    QCOMPARE(GetVersionText(true, false).count(QLatin1Char('.')), 3);
  }

  void posFromFindsFromTheStart() {
    QCOMPARE(PosFrom(QStringLiteral("%"), QStringLiteral("%ab%cd"), 2), 4);
    QCOMPARE(PosFrom(QStringLiteral("%"), QStringLiteral("%abcd"), 2), 0);
    QCOMPARE(PosFrom(QStringLiteral("cd"), QStringLiteral("%ab%cd"), 2), 5);
  }

  void lampColoursFollowTheStatus() {
    TLed led;
    const std::pair<int, QColor> cases[] = {{1, QColor(0, 255, 0)}, {2, QColor(255, 255, 0)}, {3, QColor(0, 0, 255)}};
    for (const auto& [status, colour] : cases) {
      SetLedStatus(led, status);
      QVERIFY(led.Lit());
      QCOMPARE(led.LitColour(), colour);
    }
    SetLedStatus(led, 0);
    QVERIFY(!led.Lit());
  }

  void copyCurrentRecordLeavesTheIdToTheDatabase() {
    QTemporaryDir dir;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("copy"));
      db.setDatabaseName(dir.filePath(QStringLiteral("c.sqlite")));
      QVERIFY(db.open());
      QSqlQuery q(db);
      QVERIFY(q.exec(QStringLiteral("CREATE TABLE application (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, "
                                    "descr TEXT, readonly INTEGER, M REAL)")));
      QVERIFY(q.exec(QStringLiteral("INSERT INTO application (name, descr, readonly, M) VALUES ('A', 'd', -1, 5)")));
      TDataSet ds;
      ds.SetConnectionName(QStringLiteral("copy"));
      ds.SetSQL(QStringLiteral("select * from application order by name"));
      ds.SetUpdateTable(QStringLiteral("application"));
      ds.Open();
      CopyCurrentRecord(ds, QStringLiteral("id"));
      QCOMPARE(ds.RecordCount(), 2);
      QVERIFY(ds.AsInteger(QStringLiteral("id")) != 1);
      QCOMPARE(ds.AsString(QStringLiteral("name")), QStringLiteral("A"));
      QCOMPARE(ds.AsInteger(QStringLiteral("readonly")), -1); // readonly is copied too
      QCOMPARE(ds.AsFloat(QStringLiteral("M")), 5.0);
      ds.Close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("copy"));
  }

  void printingAGridMakesAPage() {
    QTemporaryDir dir;
    QTableWidget grid(3, 3);
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c)
        grid.setItem(r, c, new QTableWidgetItem(QStringLiteral("r%1c%2").arg(r).arg(c)));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("grid.pdf")));
    PrintStringGrid(grid, QStringLiteral("Result Summary"), printer);
    QFile pdf(dir.filePath(QStringLiteral("grid.pdf")));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));
  }

  void optionsDialogTakesTheTicksOnlyOnOK() {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    TPropertiesGUI p;
    p.SetProgramFolder(dir.path());
    QVERIFY(p.LoadInputDatabase && !p.MinimizeOnCloseButton);
    {
      TfrmOptionsDialog d(p);
      QTreeWidgetItem* group = d.OptionTree()->topLevelItem(0);
      QCOMPARE(group->text(0), QStringLiteral("Options"));
      QCOMPARE(group->childCount(), 3);
      QCOMPARE(group->child(0)->checkState(0), Qt::Checked);
      group->child(0)->setCheckState(0, Qt::Unchecked);
      d.reject();
    }
    QVERIFY(p.LoadInputDatabase);
    {
      TfrmOptionsDialog d(p);
      d.OptionTree()->topLevelItem(0)->child(0)->setCheckState(0, Qt::Unchecked);
      d.accept();
    }
    QVERIFY(!p.LoadInputDatabase);
    QCOMPARE(p.Language, QStringLiteral("english"));
  }

  void legendNeverShowsTheConstantSwatch() {
    TfrmLegend legend;
    QTimer::singleShot(0, &legend, &QDialog::accept);
    legend.ShowLegend(Qt::white, Qt::yellow, QColor(255, 248, 179), QColor(177, 202, 147), QColor(143, 183, 207));
    QVERIFY(legend.findChild<QFrame*>(QStringLiteral("pnlConstant"))->isHidden());
    QVERIFY(!legend.findChild<QFrame*>(QStringLiteral("pnlDefault"))->isHidden());
    QCOMPARE(legend.findChild<QFrame*>(QStringLiteral("pnlUndefined"))->palette().color(QPalette::Window),
             QColor(Qt::yellow));
  }

  void anExceptionInAnEventHandlerIsDiscarded() {
    TThrower thrower;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QTRY_COMPARE(thrower.Handled, 2); // the first throw did not end the loop
  }
};

int main(int argc, char** argv) {
  TZelvanApplication app(argc, argv);
  TestDialogs test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_dialogs.moc"
