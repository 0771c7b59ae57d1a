#include "GuiTestSupport.h"
#include "app/TLookupCombo.h"
#include "app/TfrmMain.h"
#include "app/uUtils.h"
#include "data/TDialogs.h"
#include "data/TManager.h"
#include "data/Tdm.h"
#include "workspace/TWorkspace.h"
#include "workspace/TfrSelectScenario.h"
#include "workspace/TframeAssessment.h"
#include "workspace/TframeManageItem.h"
#include "workspace/TframeVariableData.h"
#include "workspace/TfrmEditItem.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

QVariant Query(const QString& path, const QString& sql) {
  QVariant result;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
    db.setDatabaseName(path);
    db.open();
    QSqlQuery q(db);
    if (q.exec(sql) && q.next()) result = q.value(0);
  }
  QSqlDatabase::removeDatabase(QStringLiteral("probe"));
  return result;
}

// Answers the next modal dialog of the item editor with OK or Cancel,
// after setting its texts.
void AnswerItemDialog(bool ok, const QString& name = QString(), const QString& descr = QString()) {
  QTimer::singleShot(0, [=] {
    auto* dialog = qobject_cast<TfrmEditItem*>(QApplication::activeModalWidget());
    if (!dialog) return;
    if (!name.isNull()) dialog->edtName->setText(name);
    if (!descr.isNull()) dialog->mmDescr->setPlainText(descr);
    if (ok)
      dialog->accept();
    else
      dialog->reject();
  });
}

} // namespace

// The real main window on copies of the reference databases.
class TestWorkspace : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> home;
  TScriptedDialogs dialogs;
  QString main, ai;
  std::unique_ptr<Tdm> data;
  std::unique_ptr<TfrmMain> w;

  TWorkspace& ws() { return *w->Workspace(); }
  TframeAssessment* Panel(int area) { return ws().AssessmentFrame(area); }
  TframeVariableData* Editor(const char* box, const char* group, const char* variable) {
    QWidget* b = ws().Box(box);
    auto* g = b ? b->findChild<QWidget*>(QLatin1String(group)) : nullptr;
    return g ? TWorkspace::FindVariableFrame(g, QStringLiteral("frameVariable_") + QLatin1String(variable)) : nullptr;
  }
  void Type(TframeVariableData* editor, const QString& text) {
    editor->edtValue->setFocus();
    editor->edtValue->setText(text);
    editor->edtValue->setModified(true);
    editor->edtValueExit();
  }
  void ChoosePRA(const QString& name) {
    const int id = Query(main, QStringLiteral("SELECT id FROM pra WHERE name = '%1'").arg(name)).toInt();
    w->frameManagePRA->dbLkp->SetKeyValue(id);
  }
  void Start() {
    data = std::make_unique<Tdm>();
    w = std::make_unique<TfrmMain>(*data);
  }
  void Stop() {
    w.reset();
    data.reset();
  }

 private slots:
  void init() {
    home = std::make_unique<QTemporaryDir>();
    IsolateHome(*home);
    main = home->filePath(QStringLiteral("main.sqlite"));
    ai = home->filePath(QStringLiteral("ai.sqlite"));
    QFile::copy(QStringLiteral(ZELVAN_REFERENCE_BUILD_DIR "/zelvan-main.sqlite"), main);
    QFile::copy(QStringLiteral(ZELVAN_REFERENCE_BUILD_DIR "/zelvan-ai.sqlite"), ai);
    for (const QString& f : {main, ai})
      QFile::setPermissions(f, QFile::ReadOwner | QFile::WriteOwner);
    QDir().mkpath(home->filePath(QStringLiteral("config/Zelvan")));
    QFile ini(home->filePath(QStringLiteral("config/Zelvan/zelvan.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Properties]\nDatabaseNameZELVAN=" + main.toUtf8() + "\nDatabaseNameAI=" + ai.toUtf8() + "\n");
    ini.close();
    dialogs.Texts.clear();
    dialogs.Answers.clear();
    SetDialogs(&dialogs);
    TfrmMain::ChooseOpenFile = [](QWidget*, const QString&, const QString&) { return QString(); };
  }
  void cleanup() {
    Stop();
    SetDialogs(nullptr);
  }

  void etrLabelFormats_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("fixed") << 0.35 << "0.35";
    QTest::newRow("two digits above 100") << 150.0 << "1.5E02";
    QTest::newRow("one digit above 100") << 100.0 << "1E02";
    QTest::newRow("small") << 0.000012 << "1.2E-05";
    QTest::newRow("smallest fixed") << 0.00012 << "0.00012";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative") << -0.35 << "-0.35";
    QTest::newRow("negative large") << -2500.0 << "-2.5E03";
    QTest::newRow("rounds up a decade") << 99.7 << "1E02";
    QTest::newRow("integer") << 12.0 << "12";
  }
  void etrLabelFormats() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(TframeAssessment::FormatETR(value), text);
  }

  void choosingASavedPRAShowsWhatTheCommandLineComputes() {
    QProcess cli;
    cli.start(QStringLiteral(ZELVAN_CLI),
              {"assess", "--main", main, "--ai", ai, "--pra", "Chlorpyrifos, vegetables", "--format", "json"});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
    const QJsonObject expected = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();

    Start();
    ChoosePRA(QStringLiteral("Chlorpyrifos, vegetables"));
    QCOMPARE(w->lkpAI->currentText(), QStringLiteral("Chlorpyrifos"));
    QCOMPARE(w->lkpAP->currentText(), expected["application"]["name"].toString());
    const std::pair<TLookupCombo*, const char*> lookups[] = {{w->lkpAQ, "aquatic"},     {w->lkpTE, "terrestrial"},
                                                             {w->lkpBE, "bees"},        {w->lkpNT, "nta"},
                                                             {w->lkpGW, "groundwater"}, {w->lkpDI, "dietary"}};
    for (const auto& [lookup, item] : lookups)
      QCOMPARE(lookup->KeyValue(), expected[item]["id"].toInt());

    const int areas[] = {ttAquatic, ttTerrestrial, ttBees, ttNTA, ttGroundwater, ttDietary};
    const QJsonArray assessments = expected["assessments"].toArray();
    for (int i = 0; i < 6; ++i) {
      const QJsonObject a = assessments[i].toObject();
      TframeAssessment* panel = Panel(areas[i]);
      QCOMPARE(panel->lblETR1->text(), TframeAssessment::FormatETR(a["etr1"]["value"].toDouble()));
      QCOMPARE(panel->RiskPicture1, a["riskClass1"].toInt());
      if (a["etr2"].isObject()) {
        QCOMPARE(panel->lblETR2->text(), TframeAssessment::FormatETR(a["etr2"]["value"].toDouble()));
        QCOMPARE(panel->RiskPicture2, a["riskClass2"].toInt());
        QVERIFY(!panel->lblETR2->isHidden());
      } else {
        QVERIFY(panel->lblETR2->isHidden());
      }
      QCOMPARE(panel->btnAssess1->toolTip(), RiskClassNames.value(a["riskClass1"].toInt()));
    }
  }

  void choosingTheReadOnlyPRAClearsTheSelection() {
    Start();
    ChoosePRA(QStringLiteral("Glyphosate, field crop"));
    QCOMPARE(w->lkpAI->currentText(), QStringLiteral("Glyphosate"));
    ChoosePRA(QStringLiteral("Reference assessment"));
    for (TLookupCombo* l : {w->lkpAI, w->lkpAP, w->lkpAQ, w->lkpTE, w->lkpBE, w->lkpNT, w->lkpGW, w->lkpDI}) {
      QCOMPARE(l->KeyValue(), 0);
      QCOMPARE(l->currentIndex(), -1);
    }
    QCOMPARE(w->frameManagePRA->dbLkp->KeyValue(), 0);
    QCOMPARE(w->Manager().CurrentPRA->PraId, 0);
  }

  void editingAScenarioValueWritesTheRowAndChangesTheHomePage() {
    Start();
    ChoosePRA(QStringLiteral("Glyphosate, field crop"));
    const QString before = Panel(ttAquatic)->lblETR1->text();
    w->actPageAquatic->trigger();
    QCOMPARE(w->CurrentPage(), w->tsAquatic);
    TframeVariableData* depth = Editor("AQ_box", "frameINPUT_SC_AQ", "H");
    QVERIFY(depth);
    QCOMPARE(depth->edtValue->text(), QStringLiteral("0.3"));
    const int id = w->lkpAQ->KeyValue();

    // Out of range: a warning with Retry, the row keeps its value.
    dialogs.Answers = {mbRetry};
    Type(depth, QStringLiteral("50"));
    QCOMPARE(dialogs.Texts.last(),
             QStringLiteral("Variable \"Water depth\" out of range.\r\nAllowed range: 0.01 - 10"));
    QCOMPARE(Query(main, QStringLiteral("SELECT H FROM sc_aquatic WHERE id = %1").arg(id)).toDouble(), 0.3);

    Type(depth, QStringLiteral("0.15"));
    QCOMPARE(Query(main, QStringLiteral("SELECT H FROM sc_aquatic WHERE id = %1").arg(id)).toDouble(), 0.15);
    QCOMPARE(w->Manager().EditPRA->Aquatic->Scenario->FindValue("H")->Value, 0.15);
    w->actPageHome->trigger();
    QVERIFY(Panel(ttAquatic)->lblETR1->text() != before); // a shallower ditch: a higher concentration
    QCOMPARE(w->Manager().CurrentPRA->Aquatic->Scenario->FindValue("H")->Value, 0.15);
  }

  void komEnteredGivesKoc() {
    Start();
    ChoosePRA(QStringLiteral("Glyphosate, field crop"));
    w->actPagePesticide->trigger();
    TframeVariableData* kom = Editor("PE_box_left", "frameINPUT_PE_AQ", "KOM");
    QVERIFY(kom);
    // The same variable has an editor in every area group that needs it.
    QVERIFY(Editor("PE_box_right", "frameINPUT_PE_GW", "KOM"));
    Type(kom, QStringLiteral("100"));
    QCOMPARE(w->Manager().EditPRA->PesticideTopic->FindValue("KOC")->Value, 172.4);
    QCOMPARE(kom->lblChoice->text(), QStringLiteral("(1)"));
    QVERIFY(kom->BuildHint().startsWith("variable \n\r name: KOM \n\r descr: "));
    QVERIFY(kom->BuildHint().endsWith("\n\r value: 100.00"));
    QCOMPARE(Query(ai, QStringLiteral("SELECT KOM FROM EXPORT_0 WHERE AI_NAME = 'Glyphosate'")).toDouble(), 100.0);
  }

  void itemsAreMadeCopiedEditedAndDeletedButNotWhenReadOnly() {
    Start();
    TframeManageItem* frame = ws().ItemFrame(ttApplication);
    w->actPageApplication->trigger();
    const int count = Query(main, QStringLiteral("SELECT count(*) FROM application")).toInt();

    // The first row is the protected reference application.
    frame->SelectItemById(1);
    QVERIFY(frame->IsReadOnlyItem());
    frame->btnEditClick();
    frame->btnDeleteClick();
    QCOMPARE(dialogs.Texts, QStringList({"Cannot edit this item.", "Cannot edit this item."}));
    QCOMPARE(Query(main, QStringLiteral("SELECT count(*) FROM application")).toInt(), count);

    // New as a copy of an editable item.
    frame->SelectItemById(2);
    dialogs.Answers = {mbYes};
    AnswerItemDialog(true, QStringLiteral("Copied scheme"), QStringLiteral("copy"));
    frame->btnNewClick();
    QCOMPARE(Query(main, QStringLiteral("SELECT M FROM application WHERE name = 'Copied scheme'")).toDouble(), 500.0);
    QCOMPARE(Query(main, QStringLiteral("SELECT readonly FROM application WHERE name = 'Copied scheme'")).toInt(), 0);
    QVERIFY(w->Manager().DataChanged);

    // New as a copy, then Cancel: the copy goes again.
    dialogs.Answers = {mbYes};
    AnswerItemDialog(false);
    frame->btnNewClick();
    QCOMPARE(Query(main, QStringLiteral("SELECT count(*) FROM application")).toInt(), count + 1);

    // New and empty.
    dialogs.Answers = {mbNo};
    AnswerItemDialog(true, QStringLiteral("Empty scheme"));
    frame->btnNewClick();
    QVERIFY(Query(main, QStringLiteral("SELECT M FROM application WHERE name = 'Empty scheme'")).isNull());

    // Edit renames.
    const int copied = Query(main, QStringLiteral("SELECT id FROM application WHERE name = 'Copied scheme'")).toInt();
    frame->SelectItemById(copied);
    AnswerItemDialog(true, QStringLiteral("Renamed scheme"));
    frame->btnEditClick();
    QCOMPARE(Query(main, QStringLiteral("SELECT name FROM application WHERE id = %1").arg(copied)).toString(),
             QStringLiteral("Renamed scheme"));

    // Delete, asked first.
    dialogs.Answers = {mbOK};
    frame->btnDeleteClick();
    QCOMPARE(Query(main, QStringLiteral("SELECT count(*) FROM application WHERE id = %1").arg(copied)).toInt(), 0);
    QCOMPARE(dialogs.Texts.last(), QStringLiteral("Are you sure you want to delete \"Renamed scheme\"?"));

    // Refresh sees rows added behind the program's back.
    Query(main, QStringLiteral("INSERT INTO application (name, readonly) VALUES ('Outside', 0)"));
    frame->btnRefreshClick();
    QCOMPARE(data->aqryAP->RecordCount(), count + 2);
  }

  void aSavedPRARestoresItsItems() {
    Start();
    ChoosePRA(QStringLiteral("Glyphosate, field crop"));
    w->lkpAQ->SetKeyValue(3); // the stream
    w->lkpGW->SetKeyValue(2);
    QCOMPARE(w->Manager().CurrentPRA->AqId, 3);
    ws().btnSavePRAClick();
    QCOMPARE(Query(main, QStringLiteral("SELECT aq_id FROM pra WHERE name = 'Glyphosate, field crop'")).toInt(), 3);
    QCOMPARE(Query(main, QStringLiteral("SELECT gw_id FROM pra WHERE name = 'Glyphosate, field crop'")).toInt(), 2);
    ChoosePRA(QStringLiteral("Azoxystrobin, Mediterranean"));
    QCOMPARE(w->lkpAQ->KeyValue(), 2);
    ChoosePRA(QStringLiteral("Glyphosate, field crop"));
    QCOMPARE(w->lkpAQ->KeyValue(), 3);
    QCOMPARE(w->lkpGW->KeyValue(), 2);
    QCOMPARE(w->lkpAI->currentText(), QStringLiteral("Glyphosate"));
  }

  void aMissingValueTurnsItsLampOffAndForcingShowsErrors() {
    Start();
    ChoosePRA(QStringLiteral("Glyphosate, field crop"));
    w->actPageTerrestrial->trigger();
    Type(Editor("TE_box", "frameINPUT_SC_TE", "DEPTHF"), QString()); // cleared: the default comes back on load
    w->actPagePesticide->trigger();
    Type(Editor("PE_box_right", "frameINPUT_PE_TE", "DT50S"), QString());
    Type(Editor("PE_box_right", "frameINPUT_PE_TE", "KS"), QString());
    w->actPageHome->trigger();
    TframeAssessment* panel = Panel(ttTerrestrial);
    QVERIFY(!panel->ledAI->Lit());
    QVERIFY(panel->ledAI->toolTip().contains(QStringLiteral("DT50S KS")));
    QCOMPARE(panel->lblETR1->text(), QStringLiteral("n.a."));
    QCOMPARE(panel->btnAssess1->toolTip(), QStringLiteral("undefined"));

    // Without its endpoint the arthropod model writes no ratio: forcing shows the error.
    w->actPagePesticide->trigger();
    Type(Editor("PE_box_right", "frameINPUT_PE_NT", "LR50_T_NTA"), QString());
    w->actPageHome->trigger();
    TframeAssessment* nta = Panel(ttNTA);
    QVERIFY(!nta->ledAI->Lit());
    QCOMPARE(nta->lblETR1->text(), QStringLiteral("n.a."));
    nta->chkForceCalc->click();
    QCOMPARE(nta->lblETR1->text(), QStringLiteral("Error!"));
    QCOMPARE(nta->lblETR2->text(), QStringLiteral("Error!"));
    QCOMPARE(nta->btnAssess1->toolTip(),
             QStringLiteral("Error! Calculation could not be completed due to missing input data"));
    QCOMPARE(nta->RiskPicture1, 0);
  }

  void reopeningTheDatabasesReusesTheEditors() {
    Start();
    const int before = w->findChildren<TframeVariableData*>().size();
    QVERIFY(before > 50);
    w->LoadDatabase(ai, dkAI);
    w->LoadDatabase(main, dkMain);
    QCOMPARE(w->findChildren<TframeVariableData*>().size(), before);
    // The editors are bound to the new page PRA.
    TframeVariableData* m = Editor("AP_box_left", "frameINPUT_AP_AQ", "M");
    QCOMPARE(m->VariableValue, w->Manager().EditPRA->ApplicationTopic->FindValue("M"));
    // An INPHID variable never gets an editor; a scenario variable of one area gets one.
    QCOMPARE(w->findChildren<TframeVariableData*>(QStringLiteral("frameVariable_PECGW_GW")).size(), 0);
    QCOMPARE(w->findChildren<TframeVariableData*>(QStringLiteral("frameVariable_CFISH")).size(), 1);
    QVERIFY(Editor("DI_box", "frameINPUT_SC_DI", "CFISH"));
  }

  void theValueEditTakesOnlyNumbersAndThePrecisionButtonsToggle() {
    Start();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->actPageApplication->trigger();
    TframeVariableData* m = Editor("AP_box_left", "frameINPUT_AP_AQ", "M");
    m->edtValue->setFocus();
    m->edtValue->clear();
    QTest::keyClicks(m->edtValue, QStringLiteral("1x2e3-"));
    QCOMPARE(m->edtValue->text(), QStringLiteral("12e3-"));
    QVERIFY(m->UpDown->isHidden());
    m->btnHelp->click();
    QVERIFY(!m->UpDown->isHidden());
    m->btnHelp->click();
    QVERIFY(m->UpDown->isHidden());
    const std::uint8_t precision = m->Variable->Precision;
    m->UpDownClick(false);
    QCOMPARE(int(m->Variable->Precision), (precision + 255) % 256);
    m->UpDownClick(true);
    QCOMPARE(m->Variable->Precision, precision);
    QCOMPARE(m->RangeText(), QStringLiteral("0 - 100000"));
  }

  void sorelParametersAreCopiedIntoAnEditableScenarioOnly() {
    Start();
    w->actPageGroundwater->trigger();
    TframeManageItem* frame = ws().ItemFrame(ttGroundwater);
    frame->SelectItemById(1); // the protected reference scenario
    ws().btnCopyClick();
    QCOMPARE(dialogs.Texts.last(), QStringLiteral("You should select a valid scenario first!"));
    frame->SelectItemById(2);
    QVERIFY(data->aqrySOREL_meta->Locate(QStringLiteral("region"), QStringLiteral("Mediterranean")));
    ws().btnCopyClick();
    QCOMPARE(Query(main, QStringLiteral("SELECT A0 FROM sc_groundwater WHERE id = 2")).toDouble(), 2.5);
    QCOMPARE(Query(main, QStringLiteral("SELECT A2 FROM sc_groundwater WHERE id = 2")).toDouble(), 0.09);
    QCOMPARE(Editor("GW_box", "frameINPUT_SC_GW", "A0")->edtValue->text(), QStringLiteral("2.5"));
  }

  void aScenarioChoiceLoadsItsOwnPRA() {
    Start();
    TPRA pra(w->Manager().Service->VariableList);
    TfrSelectScenario choice;
    choice.Setup(&pra, ttAquatic, data->aqryAQ2);
    data->aqryAQ2->Open();
    choice.lkpScen->SetKeyValue(2);
    QCOMPARE(pra.Aquatic->Scenario->Name, QStringLiteral("Ditch, Mediterranean"));
    QCOMPARE(pra.AqId, 2);
    QCOMPARE(pra.Aquatic->Scenario->FindValue("T")->Value, 293.15);
    QVERIFY(!choice.RefreshLeds()); // no pesticide or application yet
    QVERIFY(choice.ledSC->Lit());
    QVERIFY(!choice.ledAP->Lit());
    QVERIFY(choice.ledAP->toolTip().startsWith(QStringLiteral("Application: ")));
  }

  void editedValuesSurviveClosingTheProgram() {
    Start();
    ChoosePRA(QStringLiteral("Glyphosate, field crop"));
    w->actPageBees->trigger();
    Type(Editor("BE_box", "frameINPUT_SC_BE", "EF_B"), QStringLiteral("40"));
    w->show();
    dialogs.Answers = {mbYes};
    QVERIFY(w->close());
    Stop();
    QCOMPARE(Query(main, QStringLiteral("SELECT EF_B FROM sc_bees WHERE id = 1")).toDouble(), 40.0);
    Start();
    QCOMPARE(data->aqryBE->RecordCount() > 0, true);
    ChoosePRA(QStringLiteral("Glyphosate, field crop"));
    QCOMPARE(w->Manager().CurrentPRA->Bees->Scenario->FindValue("EF_B")->Value, 40.0);
  }
};

QTEST_MAIN(TestWorkspace)
#include "tst_workspace.moc"
