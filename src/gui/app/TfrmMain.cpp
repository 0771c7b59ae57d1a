#include "app/TfrmMain.h"

#include "app/TArtwork.h"
#include "app/TDataSetModel.h"
#include "app/TLanguage.h"
#include "app/TLookupCombo.h"
#include "app/TPropertiesGUI.h"
#include "app/TfrmAboutDialog.h"
#include "app/TfrmAppClosing.h"
#include "app/TfrmCustomizeToolbar.h"
#include "app/TfrmLegend.h"
#include "app/TfrmOptionsDialog.h"
#include "app/TfrmSplash.h"
#include "app/uUtils.h"
#include "data/SqlTexts.h"
#include "data/TDialogs.h"
#include "data/TManager.h"
#include "data/Tdm.h"
#include "workspace/TWorkspace.h"
#include "workspace/TframeAssessment.h"
#include "workspace/TframeManageItem.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QLockFile>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <variant>

namespace {

const QString DatabaseFilter = QStringLiteral("SQLite databases (*.sqlite *.sqlite3 *.db);;All files (*)");
const QString HomepageAddress = QStringLiteral("https://zelvan.example/");

QString DefaultChooseOpenFile(QWidget* parent, const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString FileNameOf(int kind) {
  switch (kind) {
  case dkMain:
    return QStringLiteral("zelvan-main.sqlite");
  case dkAI:
    return QStringLiteral("zelvan-ai.sqlite");
  default:
    return QStringLiteral("tavex-sample.sqlite");
  }
}

} // namespace

std::function<QString(QWidget*, const QString&, const QString&)> TfrmMain::ChooseOpenFile = DefaultChooseOpenFile;

TfrmMain::TfrmMain(Tdm& data, TfrmSplash* splash, QWidget* parent) : QMainWindow(parent), data_(data) {
  setObjectName(QStringLiteral("frmMain"));
  setMinimumSize(1024, 768);
  resize(1024, 768);
  QFont font(QStringLiteral("Trebuchet MS"));
  font.setPointSize(9);
  setFont(font);
  BuildActions();
  BuildPages();
  BuildNavigation();
  BuildMenus();
  BuildToolbar();
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  FormCreate(splash);
}

TfrmMain::~TfrmMain() {
  // The manager frees the catalogue and the PRAs; lookups no longer read them.
  manager_.reset();
}

QString TfrmMain::ReferenceDatabaseFolder() {
  const QString fromEnvironment = qEnvironmentVariable("ZELVAN_REFERENCE_DIR");
  const QString appDir = QCoreApplication::applicationDirPath();
  for (const QString& folder :
       {fromEnvironment, appDir + QStringLiteral("/reference"), appDir + QStringLiteral("/../share/zelvan/reference"),
        appDir + QStringLiteral("/../../reference"), QStringLiteral(ZELVAN_REFERENCE_BUILD_DIR)}) {
    if (!folder.isEmpty() && QFileInfo::exists(folder + QLatin1Char('/') + FileNameOf(dkMain)))
      return QDir(folder).absolutePath();
  }
  return QString();
}

// ---------------------------------------------------------------- building

void TfrmMain::BuildActions() {
  const auto make = [this](QAction*& action, const char* name, const QString& caption, const QString& icon,
                           const QKeySequence& shortcut = {}) {
    action = new QAction(TArtwork::Icon(icon), caption, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
  };
  make(actPageHome, "actPageHome", QStringLiteral("Home"), QStringLiteral("home"));
  make(actPagePesticide, "actPagePesticide", QStringLiteral("Pesticide"), QStringLiteral("pesticide"));
  make(actPageApplication, "actPageApplication", QStringLiteral("Application"), QStringLiteral("application"));
  make(actPageAquatic, "actPageAquatic", QStringLiteral("Aquatic"), QStringLiteral("aquatic"));
  make(actPageTerrestrial, "actPageTerrestrial", QStringLiteral("Terrestrial"), QStringLiteral("terrestrial"));
  make(actPageBees, "actPageBees", QStringLiteral("Bees"), QStringLiteral("bees"));
  make(actPageNTA, "actPageNTA", QStringLiteral("NTA"), QStringLiteral("nta"));
  make(actPageGroundwater, "actPageGroundwater", QStringLiteral("Groundwater"), QStringLiteral("groundwater"));
  make(actPageDietary, "actPageDietary", QStringLiteral("Dietary"), QStringLiteral("dietary"));
  make(actResults, "actResults", QStringLiteral("Results"), QStringLiteral("results"));
  make(actCompare, "actCompare", QStringLiteral("Compare"), QStringLiteral("compare"));
  make(actConfigVariables, "actConfigVariables", QStringLiteral("Variable Definition"), QStringLiteral("variables"));
  make(actShowHelp, "actShowHelp", QStringLiteral("Help"), QStringLiteral("help"));
  make(actSelectDatabaseZELVAN, "actSelectDatabaseZELVAN", QStringLiteral("Select ZELVAN Database"),
       QStringLiteral("database"));
  make(actSelectDatabaseAI, "actSelectDatabaseAI", QStringLiteral("Select AI Database"), QStringLiteral("database"));
  make(actSelectApplicationScenarioDataSource, "actSelectApplicationScenarioDataSource",
       QStringLiteral("Select Application Scenario Data Source"), QStringLiteral("database"));
  make(actShowProperties, "actShowProperties", QStringLiteral("Properties"), QStringLiteral("options"),
       QKeySequence(Qt::Key_F12));
  make(actAbout, "actAbout", QStringLiteral("About"), QStringLiteral("about"), QKeySequence(Qt::Key_F1));
  make(actShowLegend, "actShowLegend", QStringLiteral("Show Legend"), QStringLiteral("legend"));
  make(actCustomizeToolbar, "actCustomizeToolbar", QStringLiteral("Customize toolbar"), QStringLiteral("customize"));
  make(actGotoHomepage, "actGotoHomepage", QStringLiteral("Go to homepage"), QStringLiteral("homepage"),
       QKeySequence(Qt::CTRL | Qt::Key_H));
  make(actExit, "actExit", QStringLiteral("Exit"), QStringLiteral("exit"), QKeySequence(Qt::Key_F10));
  make(actShowSelectionPanel, "actShowSelectionPanel", QStringLiteral("Show Selection Panel"), QStringLiteral("home"));
  actShowSelectionPanel->setCheckable(true);
  actShowSelectionPanel->setChecked(true);
  actShowSelectionPanel->setVisible(false);
  make(actPesticideList, "actPesticideList", QStringLiteral("Pesticide reference list"),
       QStringLiteral("pesticidelist"));
  for (QAction* a : {actPageHome, actPagePesticide, actPageApplication, actPageAquatic, actPageTerrestrial, actPageBees,
                     actPageNTA, actPageGroundwater, actPageDietary})
    a->setProperty("category", QStringLiteral("page"));
  // Window actions: their shortcuts work wherever the focus is.
  for (QAction* a : findChildren<QAction*>(Qt::FindDirectChildrenOnly))
    addAction(a);

  connect(actPageHome, &QAction::triggered, this, [this] {
    if (manager_ && workspace_ && manager_->DataChanged) {
      workspace_->RefreshLkpDatasets();
      manager_->DataChanged = false;
    }
    UpdateAssessmentInfo();
    ShowPage(tsHome);
  });
  // A topic page opens on the item of the home selection.
  const std::tuple<QAction*, QWidget**, int> topicPages[] = {{actPagePesticide, &tsPesticide, ttPesticide},
                                                             {actPageApplication, &tsApplication, ttApplication},
                                                             {actPageAquatic, &tsAquatic, ttAquatic},
                                                             {actPageTerrestrial, &tsTerrestrial, ttTerrestrial},
                                                             {actPageBees, &tsBees, ttBees},
                                                             {actPageNTA, &tsNTA, ttNTA},
                                                             {actPageGroundwater, &tsGroundwater, ttGroundwater},
                                                             {actPageDietary, &tsDietary, ttDietary}};
  for (const auto& [action, page, topic] : topicPages)
    connect(action, &QAction::triggered, this, [this, page = page, topic = topic] {
      if (workspace_ && manager_ && manager_->CurrentPRA)
        TWorkspace::SelectLookupItem(workspace_->ItemFrame(topic)->dbLkp, manager_->CurrentPRA->GetTopicId(topic));
      ShowPage(*page);
    });
  const std::pair<QAction*, QWidget**> pages[] = {{actResults, &tsResults},
                                                  {actCompare, &tsCompare},
                                                  {actConfigVariables, &tsConfigVars},
                                                  {actShowHelp, &tsHelp},
                                                  {actPesticideList, &tsPesticideList}};
  for (const auto& [action, page] : pages)
    connect(action, &QAction::triggered, this, [this, page] { ShowPage(*page); });
  connect(actSelectDatabaseZELVAN, &QAction::triggered, this, [this] { SelectDatabase(dkMain); });
  connect(actSelectDatabaseAI, &QAction::triggered, this, [this] { SelectDatabase(dkAI); });
  connect(actShowProperties, &QAction::triggered, this, &TfrmMain::ShowProperties);
  connect(actAbout, &QAction::triggered, this, [this] {
    TfrmAboutDialog about(this);
    setEnabled(false);
    about.exec();
    setEnabled(true);
  });
  connect(actShowLegend, &QAction::triggered, this, [this] {
    if (!legend_) legend_ = new TfrmLegend(this);
    legend_->ShowLegend(palette().color(QPalette::Base), COLOUR_UNDEFINED, COLOUR_UNDEFINED_CHOICE, COLOUR_DEFAULT,
                        COLOUR_CONSTANT);
  });
  connect(actCustomizeToolbar, &QAction::triggered, this, &TfrmMain::CustomizeToolbar);
  connect(actGotoHomepage, &QAction::triggered, this, [] { OpenWithRegisteredProgram(HomepageAddress); });
  connect(actExit, &QAction::triggered, this, &QWidget::close);
  connect(actShowSelectionPanel, &QAction::toggled, this, [this](bool on) {
    pnlLeft->setVisible(on);
    if (on) SetLeftPanelWidth(105);
  });
}

void TfrmMain::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu"));
  QMenu* file = bar->addMenu(QStringLiteral("File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  file->addAction(actSelectDatabaseZELVAN);
  file->addSeparator();
  file->addAction(actExit);
  QMenu* tools = bar->addMenu(QStringLiteral("Tools"));
  tools->setObjectName(QStringLiteral("mnuTools"));
  tools->addAction(actShowProperties);
  tools->addAction(actConfigVariables);
  tools->addAction(actCustomizeToolbar);
  tools->addAction(actShowLegend);
  QMenu* view = bar->addMenu(QStringLiteral("View"));
  view->setObjectName(QStringLiteral("mnuView"));
  view->addAction(actShowSelectionPanel);
  view->addSeparator();
  view->addAction(actPageHome);
  view->addSeparator();
  for (QAction* a : {actPagePesticide, actPageApplication, actPageAquatic, actPageTerrestrial, actPageBees, actPageNTA,
                     actPageGroundwater, actPageDietary})
    view->addAction(a);
  view->addSeparator();
  view->addAction(actPesticideList);
  QMenu* help = bar->addMenu(QStringLiteral("Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  help->addAction(actShowHelp);
  help->addAction(actGotoHomepage);
  help->addAction(actAbout);
}

void TfrmMain::BuildToolbar() {
  ActionToolBar1 = addToolBar(QStringLiteral("Toolbar"));
  ActionToolBar1->setObjectName(QStringLiteral("ActionToolBar1"));
  ActionToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  ActionToolBar1->setIconSize(QSize(24, 24));
  ActionToolBar1->setMovable(false);
  ActionToolBar1->addAction(actPageHome);
  ActionToolBar1->addSeparator();
  ActionToolBar1->addAction(actExit);
  ActionToolBar1->addSeparator();
  ActionToolBar1->addAction(actCustomizeToolbar);
  ActionToolBar1->installEventFilter(this);
}

void TfrmMain::BuildNavigation() {
  nbNavigation = new QToolBox(pnlLeft);
  nbNavigation->setObjectName(QStringLiteral("nbNavigation"));
  const auto page = [this](const char* name, std::initializer_list<std::variant<QAction*, const char*>> entries) {
    auto* widget = new QWidget(nbNavigation);
    widget->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    for (const auto& entry : entries) {
      if (std::holds_alternative<const char*>(entry)) {
        auto* label = new QLabel(QLatin1String(std::get<const char*>(entry)), widget);
        label->setObjectName(QStringLiteral("lblSection_") +
                             QString::fromLatin1(std::get<const char*>(entry)).replace(' ', '_'));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setProperty("section", true);
        layout->addWidget(label);
        continue;
      }
      QAction* action = std::get<QAction*>(entry);
      auto* button = new QToolButton(widget);
      button->setObjectName(QStringLiteral("nb") + action->objectName());
      button->setDefaultAction(action);
      button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
      button->setIconSize(QSize(24, 24));
      button->setAutoRaise(true);
      button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
      layout->addWidget(button);
    }
    layout->addStretch();
    return widget;
  };
  nbNavigation->addItem(page("nbpMain", {actPageHome, "application scenario", actPagePesticide, actPageApplication,
                                         "physical scenarios", actPageAquatic, actPageTerrestrial, actPageBees,
                                         actPageNTA, actPageGroundwater, actPageDietary, "others", actCompare}),
                        QStringLiteral("Main"));
  nbNavigation->addItem(
      page("nbpOptions", {actExit, actAbout, actShowProperties, actConfigVariables, actShowHelp, actShowLegend}),
      QStringLiteral("Options"));
  // Short captions in the bar; the menu keeps the long ones.
  for (QToolButton* b : nbNavigation->findChildren<QToolButton*>()) {
    if (b->defaultAction() == actShowProperties) b->setText(QStringLiteral("Options"));
    if (b->defaultAction() == actConfigVariables) b->setText(QStringLiteral("Variables"));
    if (b->defaultAction() == actShowLegend) b->setText(QStringLiteral("Legend"));
  }
  pnlLeft->layout()->addWidget(nbNavigation);
  // Narrower, the captions of the bar would not be readable.
  pnlLeft->setMinimumWidth(96);
  pnlLeft->setStyleSheet(QStringLiteral(
      "QWidget#pnlLeft { background: #eef3e6; }"
      "QToolBox::tab { background: #b1ca93; color: #1f2d12; font-weight: bold; border: 1px solid #8fa873;"
      " border-radius: 3px; min-width: 80px; }"
      "QToolBox::tab:selected { background: #9ebb7b; }"
      "QToolBox > QScrollArea > QWidget > QWidget { background: #eef3e6; }"
      "QLabel[section=\"true\"] { color: #4d5e3a; font-style: italic; font-size: 8pt;"
      " border-bottom: 1px solid #9fb487; margin-top: 4px; }"
      "QToolButton { font-size: 8pt; }"));
}

QWidget* TfrmMain::MakePage(const char* name, const QString& caption, const QString& header) {
  auto* page = new QWidget(pcMain);
  page->setObjectName(QLatin1String(name));
  page->setWindowTitle(caption);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* head = new QLabel(header, page);
  head->setObjectName(QStringLiteral("lblHeader_") + QLatin1String(name));
  head->setProperty("header", true);
  QFont f(QStringLiteral("Trebuchet MS"));
  f.setPixelSize(32);
  head->setFont(f);
  head->setMargin(6);
  head->setAutoFillBackground(true);
  layout->addWidget(head);
  pcMain->addWidget(page);
  return page;
}

QWidget* TfrmMain::BuildHomePage() {
  QWidget* page = MakePage("tsHome", QStringLiteral("Home"), QStringLiteral("Pesticide Risk Assessment"));
  auto* body = new QWidget(page);
  auto* layout = new QVBoxLayout(body);
  auto* top = new QHBoxLayout;

  auto* database = new QGroupBox(QStringLiteral("Database "), body);
  database->setObjectName(QStringLiteral("gbDatabase"));
  auto* dbLayout = new QGridLayout(database);
  const auto edit = [&](QLineEdit*& e, const char* name, const QString& text, const QString& hint, QAction* action,
                        int row, const QString& caption) {
    e = new QLineEdit(text, database);
    e->setObjectName(QLatin1String(name));
    e->setToolTip(hint);
    e->setReadOnly(true);
    e->installEventFilter(this);
    auto* button = new QToolButton(database);
    button->setObjectName(QStringLiteral("btn") + QLatin1String(name).mid(3));
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setText(QStringLiteral(". . ."));
    dbLayout->addWidget(new QLabel(caption, database), row, 0);
    dbLayout->addWidget(e, row, 1);
    dbLayout->addWidget(button, row, 2);
  };
  edit(edtDatabaseZELVAN, "edtDatabaseZELVAN", QStringLiteral("[select a ZELVAN database]"),
       QStringLiteral("Select ZELVAN Database"), actSelectDatabaseZELVAN, 0, QStringLiteral("ZELVAN"));
  edit(edtDatabaseAI, "edtDatabaseAI", QStringLiteral("[select an AI database]"),
       QStringLiteral("Select Active Ingredient Database"), actSelectDatabaseAI, 1, QStringLiteral("AI"));
  database->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  top->addWidget(database, 3, Qt::AlignTop);

  auto* praFrame = new QWidget(body);
  auto* praLayout = new QHBoxLayout(praFrame);
  praLayout->setContentsMargins(0, 0, 0, 0);
  frameManagePRA = new TframeManageItem(praFrame);
  frameManagePRA->setObjectName(QStringLiteral("frameManagePRA"));
  frameManagePRA->setTitle(QStringLiteral("Manage Pesticide Risk Assessment"));
  praLayout->addWidget(frameManagePRA, 1);
  auto* save = new QPushButton(TArtwork::Icon(QStringLiteral("save")), QStringLiteral("Save"), praFrame);
  save->setObjectName(QStringLiteral("btnSavePRA"));
  save->setToolTip(QStringLiteral("Save the current selection in the chosen PRA"));
  connect(save, &QPushButton::clicked, this, [this] {
    if (workspace_) workspace_->btnSavePRAClick();
  });
  praLayout->addWidget(save, 0, Qt::AlignTop);
  top->addWidget(praFrame, 2);
  layout->addLayout(top);

  pcApplication = new QTabWidget(body);
  pcApplication->setObjectName(QStringLiteral("pcApplication"));
  tsScenSelect = new QWidget(pcApplication);
  tsScenSelect->setObjectName(QStringLiteral("tsScenSelect"));
  auto* selLayout = new QVBoxLayout(tsScenSelect);
  auto* lookups = new QGridLayout;
  const struct {
    TLookupCombo** Lookup;
    const char* Name;
    const char* Caption;
    TDataSet* DataSet;
    QAction* Action;
  } items[] = {{&lkpAI, "lkpAI", "Pesticide", data_.aqryAI, actPagePesticide},
               {&lkpAP, "lkpAP", "Application Scheme", data_.aqryAP, actPageApplication},
               {&lkpAQ, "lkpAQ", "Aquatic", data_.aqryAQ, actPageAquatic},
               {&lkpTE, "lkpTE", "Terrestrial", data_.aqryTE, actPageTerrestrial},
               {&lkpGW, "lkpGW", "Groundwater", data_.aqryGW, actPageGroundwater},
               {&lkpDI, "lkpDI", "Dietary", data_.aqryDI, actPageDietary},
               {&lkpBE, "lkpBE", "Bees", data_.aqryBE, actPageBees},
               {&lkpNT, "lkpNT", "NTA", data_.aqryNT, actPageNTA}};
  int n = 0;
  for (const auto& item : items) {
    auto* box = new QWidget(tsScenSelect);
    box->setObjectName(QStringLiteral("gb") + QLatin1String(item.Name).mid(3));
    auto* boxLayout = new QHBoxLayout(box);
    boxLayout->setContentsMargins(0, 0, 0, 0);
    boxLayout->setSpacing(2);
    auto* caption = new QLabel(QLatin1String(item.Caption), box);
    caption->setObjectName(QStringLiteral("lblLkp") + QLatin1String(item.Name).mid(3));
    lookups->addWidget(caption, 2 * (n / 4), n % 4);
    *item.Lookup = new TLookupCombo(box);
    (*item.Lookup)->setObjectName(QLatin1String(item.Name));
    (*item.Lookup)->SetDataSet(item.DataSet);
    boxLayout->addWidget(*item.Lookup, 1);
    auto* go = new QToolButton(box);
    go->setObjectName(QStringLiteral("btnGo") + QLatin1String(item.Name).mid(3));
    go->setDefaultAction(item.Action);
    go->setToolButtonStyle(Qt::ToolButtonIconOnly);
    go->setIconSize(QSize(16, 16));
    go->setAutoRaise(true);
    boxLayout->addWidget(go);
    lookups->addWidget(box, 2 * (n / 4) + 1, n % 4);
    ++n;
  }
  selLayout->addLayout(lookups);
  auto* assessments = new QGroupBox(QStringLiteral("Assessments"), tsScenSelect);
  assessments->setObjectName(QStringLiteral("gbAssessments"));
  auto* aLayout = new QGridLayout(assessments);
  aLayout->setContentsMargins(4, 4, 4, 4);
  aLayout->setVerticalSpacing(2);
  aLayout->addWidget(TframeAssessment::BuildHeading(assessments), 0, 0);
  const int column = 1;
  auto* panels = new QWidget(assessments);
  panels->setObjectName(QStringLiteral("pnlAssessments"));
  auto* panelLayout = new QVBoxLayout(panels);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  panelLayout->setSpacing(0);
  for (const char* name : {"frameAssessmentAquatic", "frameAssessmentTerrestrial", "frameAssessmentBees",
                           "frameAssessmentNTA", "frameAssessmentGroundwater", "frameAssessmentDietary"}) {
    auto* frame = new TframeAssessment(panels);
    frame->setObjectName(QLatin1String(name));
    panelLayout->addWidget(frame);
  }
  panelLayout->addStretch();
  aLayout->addWidget(panels, 1, 0, 1, column);
  aLayout->setRowStretch(1, 1);
  selLayout->addWidget(assessments, 1);
  pcApplication->addTab(tsScenSelect, QStringLiteral("Scenario selection"));
  tsASB = new QWidget(pcApplication);
  tsASB->setObjectName(QStringLiteral("tsASB"));
  auto* asbLayout = new QVBoxLayout(tsASB);
  auto* asbLabel = new QLabel(QStringLiteral("Application scenario batch: choose a batch source."), tsASB);
  asbLabel->setObjectName(QStringLiteral("lblASB"));
  asbLayout->addWidget(asbLabel);
  asbLayout->addStretch();
  pcApplication->addTab(tsASB, QStringLiteral("Application Scenario Batch"));
  layout->addWidget(pcApplication, 1);
  page->layout()->addWidget(body);
  return page;
}

QWidget* TfrmMain::MakeBox(const char* name, QWidget* parent) {
  auto* scroll = new QScrollArea(parent);
  scroll->setObjectName(QLatin1String(name) + QStringLiteral("_scroll"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* box = new QWidget(scroll);
  box->setObjectName(QLatin1String(name));
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(4);
  layout->addStretch();
  scroll->setWidget(box);
  return scroll;
}

QWidget* TfrmMain::BuildTopicPage(const char* name, const QString& caption, const QString& header,
                                  const char* frameName, const QString& groupCaption) {
  QWidget* page = MakePage(name, caption, header);
  const QString pageName = QLatin1String(name);
  auto* body = new QWidget(page);
  auto* layout = new QHBoxLayout(body);
  auto* left = new QVBoxLayout;
  auto* frame = new TframeManageItem(body);
  frame->setObjectName(QLatin1String(frameName));
  frame->setTitle(groupCaption);
  frame->setFixedWidth(280);
  frame->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Maximum);
  left->addWidget(frame);
  left->addStretch();
  layout->addLayout(left);
  auto* input = new QGroupBox(QStringLiteral("Input data"), body);
  input->setObjectName(QStringLiteral("gbInput_") + pageName);
  auto* inputLayout = new QHBoxLayout(input);
  if (pageName == QLatin1String("tsPesticide") || pageName == QLatin1String("tsApplication")) {
    const bool pesticide = pageName == QLatin1String("tsPesticide");
    auto* splitter = new QSplitter(input);
    splitter->setObjectName(pesticide ? QStringLiteral("splPE") : QStringLiteral("splAP"));
    splitter->addWidget(MakeBox(pesticide ? "PE_box_left" : "AP_box_left", splitter));
    splitter->addWidget(MakeBox(pesticide ? "PE_box_right" : "AP_box_right", splitter));
    inputLayout->addWidget(splitter);
  } else {
    const char* boxName = pageName == QLatin1String("tsAquatic")       ? "AQ_box"
                          : pageName == QLatin1String("tsTerrestrial") ? "TE_box"
                          : pageName == QLatin1String("tsBees")        ? "BE_box"
                          : pageName == QLatin1String("tsNTA")         ? "NT_box"
                          : pageName == QLatin1String("tsGroundwater") ? "GW_box"
                                                                       : "DI_box";
    QWidget* box = MakeBox(boxName, input);
    box->setMinimumWidth(360);
    if (pageName == QLatin1String("tsGroundwater")) {
      auto* column = new QVBoxLayout;
      column->addWidget(BuildSorelPanel(input));
      column->addWidget(box, 1);
      inputLayout->addLayout(column, 1);
    } else if (pageName == QLatin1String("tsDietary")) {
      inputLayout->addWidget(box, 1);
      auto* side = new QGroupBox(QStringLiteral("values derived from other scenarios"), input);
      side->setObjectName(QStringLiteral("gbDerived"));
      auto* sideLayout = new QVBoxLayout(side);
      auto* form = new QFormLayout;
      const std::tuple<const char*, const char*, const char*> rows[] = {{"PECgw", "(GW)", "edtPECGW_gw"},
                                                                        {"PECn water", "(AQ)", "edtPECnwater_aq"}};
      for (const auto& [label, note, objectName] : rows) {
        auto* row = new QHBoxLayout;
        auto* e = new QLineEdit(QStringLiteral("undefined"), side);
        e->setObjectName(QLatin1String(objectName));
        e->setReadOnly(true);
        row->addWidget(e);
        row->addWidget(new QLabel(QLatin1String(note), side));
        form->addRow(QLatin1String(label), row);
      }
      sideLayout->addLayout(form);
      auto* hint = new QLabel(QStringLiteral("User defined values will over-rule these calculated values."), side);
      hint->setWordWrap(true);
      sideLayout->addWidget(hint);
      sideLayout->addStretch();
      inputLayout->addWidget(side);
    } else {
      box->setMinimumWidth(380);
      inputLayout->addWidget(box);
      auto* side = new QGroupBox(QStringLiteral("Input parameters physical description"), input);
      side->setObjectName(QStringLiteral("gbPicture"));
      auto* sideLayout = new QVBoxLayout(side);
      auto* picture = new QLabel(side);
      picture->setObjectName(QStringLiteral("imgScenario"));
      picture->setPixmap(TArtwork::ScenarioPicture(pageName, QSize(200, 140)));
      picture->setMinimumWidth(0);
      side->setMinimumWidth(0);
      picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
      sideLayout->addWidget(picture);
      sideLayout->addStretch();
      inputLayout->addWidget(side, 1);
    }
  }
  layout->addWidget(input, 1);
  page->layout()->addWidget(body);
  return page;
}

QWidget* TfrmMain::BuildSorelPanel(QWidget* parent) {
  auto* panel = new QGroupBox(QStringLiteral("Sorel metamodel"), parent);
  panel->setObjectName(QStringLiteral("gbSorel"));
  auto* layout = new QHBoxLayout(panel);
  auto* form = new QFormLayout;
  auto* lookup = new TLookupCombo(panel);
  lookup->setObjectName(QStringLiteral("dblkpSorelMeta"));
  lookup->SetDataSet(data_.aqrySOREL_meta, QStringLiteral("label"));
  form->addRow(QStringLiteral("meta model"), lookup);
  auto* descr = new QPlainTextEdit(panel);
  descr->setObjectName(QStringLiteral("mmRegionDescr"));
  descr->setReadOnly(true);
  descr->setMaximumHeight(48);
  form->addRow(QStringLiteral("Description"), descr);
  layout->addLayout(form, 1);
  auto* values = new QGroupBox(QStringLiteral("Resulting values"), panel);
  auto* valuesLayout = new QFormLayout(values);
  QList<QLabel*> labels;
  for (const char* c : {"a0", "a1", "a2"}) {
    auto* l = new QLabel(values);
    l->setObjectName(QStringLiteral("lbl") + QLatin1String(c));
    valuesLayout->addRow(QLatin1String(c), l);
    labels << l;
  }
  auto* copy = new QPushButton(QStringLiteral("Copy >>"), values);
  copy->setObjectName(QStringLiteral("btnCopy"));
  connect(copy, &QPushButton::clicked, this, [this] {
    if (workspace_) workspace_->btnCopyClick();
  });
  valuesLayout->addRow(copy);
  layout->addWidget(values);
  TDataSet* ds = data_.aqrySOREL_meta;
  const auto show = [ds, descr, labels, lookup] {
    const bool row = ds->Active() && ds->RecNo() >= 0;
    // The list shows the set in use (it only lists, it keys nothing).
    if (lookup->currentIndex() != ds->RecNo()) lookup->setCurrentIndex(row ? ds->RecNo() : -1);
    descr->setPlainText(row ? ds->AsString(QStringLiteral("region_descr")) : QString());
    const char* columns[] = {"a0", "a1", "a2"};
    for (int i = 0; i < 3; ++i)
      labels[i]->setText(row && !ds->IsNull(QLatin1String(columns[i]))
                             ? QLocale().toString(ds->AsFloat(QLatin1String(columns[i])), 'f', 2)
                             : QString());
  };
  connect(ds, &TDataSet::CurrentChanged, panel, show);
  connect(lookup, &TLookupCombo::KeyChanged, this, [this] {
    if (manager_) manager_->DataChanged = true;
  });
  return panel;
}

QWidget* TfrmMain::BuildVariablesPage() {
  QWidget* page = MakePage("tsConfigVars", QStringLiteral("Variables"), QStringLiteral("Variable Definition"));
  dbgVariables = new QTableView(page);
  dbgVariables->setObjectName(QStringLiteral("dbgVariables"));
  dbgVariables->setModel(new TDataSetModel(
      data_.aqryVariables,
      {"name", "label", "unit", "descr", "constant", "default", "range_min", "range_max", "decimals", "precision"},
      dbgVariables));
  dbgVariables->setEditTriggers(QAbstractItemView::NoEditTriggers);
  dbgVariables->setSelectionBehavior(QAbstractItemView::SelectRows);
  dbgVariables->setSelectionMode(QAbstractItemView::SingleSelection);
  dbgVariables->horizontalHeader()->setStretchLastSection(true);
  connect(dbgVariables, &QTableView::clicked, this,
          [this](const QModelIndex& i) { data_.aqryVariables->MoveTo(i.row()); });
  page->layout()->addWidget(dbgVariables);
  auto* navigator = new QWidget(page);
  navigator->setObjectName(QStringLiteral("navVariables"));
  auto* nav = new QHBoxLayout(navigator);
  TDataSet* ds = data_.aqryVariables;
  const std::pair<const char*, std::function<void()>> buttons[] = {
      {"First", [ds] { ds->First(); }},   {"Prior", [ds] { ds->Prior(); }},    {"Next", [ds] { ds->Next(); }},
      {"Last", [ds] { ds->Last(); }},     {"Edit", [ds] { ds->Edit(); }},      {"Post", [ds] { ds->Post(); }},
      {"Cancel", [ds] { ds->Cancel(); }}, {"Refresh", [ds] { ds->Requery(); }}};
  for (const auto& [caption, run] : buttons) {
    auto* b = new QPushButton(QLatin1String(caption), navigator);
    b->setObjectName(QStringLiteral("nav") + QLatin1String(caption));
    connect(b, &QPushButton::clicked, this, [ds, run = run] {
      if (ds->Active()) run();
    });
    nav->addWidget(b);
  }
  nav->addStretch();
  connect(ds, &TDataSet::CurrentChanged, dbgVariables, [this, ds] {
    if (ds->RecNo() >= 0) dbgVariables->selectRow(ds->RecNo());
  });
  page->layout()->addWidget(navigator);
  return page;
}

void TfrmMain::BuildPages() {
  auto* central = new QSplitter(this);
  central->setObjectName(QStringLiteral("splMain"));
  pnlLeft = new QWidget(central);
  pnlLeft->setObjectName(QStringLiteral("pnlLeft"));
  auto* left = new QVBoxLayout(pnlLeft);
  left->setContentsMargins(0, 0, 0, 0);
  pcMain = new QStackedWidget(central);
  pcMain->setObjectName(QStringLiteral("pcMain"));
  central->addWidget(pnlLeft);
  central->addWidget(pcMain);
  central->setStretchFactor(1, 1);
  central->setCollapsible(1, false);
  setCentralWidget(central);

  tsHome = BuildHomePage();
  tsPesticide = BuildTopicPage("tsPesticide", QStringLiteral("Pesticide"), QStringLiteral("Pesticide Characteristics"),
                               "frameManageItemAI", QStringLiteral("Select and Manage Active Ingredients"));
  auto* restore = new QPushButton(QStringLiteral("Restore values"), tsPesticide);
  restore->setObjectName(QStringLiteral("btnRestore"));
  restore->setToolTip(QStringLiteral("Restore the original parameter values as in database"));
  connect(restore, &QPushButton::clicked, this, [this] {
    if (workspace_) workspace_->btnRestoreClick();
  });
  static_cast<QGridLayout*>(tsPesticide->findChild<QGroupBox*>(QStringLiteral("frameManageItemAI"))->layout())
      ->addWidget(restore, 4, 0, 1, 4);
  tsApplication =
      BuildTopicPage("tsApplication", QStringLiteral("Application"), QStringLiteral("Application Scheme"),
                     "frameManageItemApplication", QStringLiteral("Select and Manage Application Scenarios"));
  tsAquatic = BuildTopicPage("tsAquatic", QStringLiteral("Aquatic"),
                             QStringLiteral("Physical Scenario: Aquatic assessment input data"),
                             "frameManageItemAquatic", QStringLiteral("Select and Manage Aquatic Scenarios"));
  tsTerrestrial =
      BuildTopicPage("tsTerrestrial", QStringLiteral("Terrestrial"),
                     QStringLiteral("Physical Scenario: Terrestrial assessment input data"),
                     "frameManageItemTerrestrial", QStringLiteral("Select and Manage Terrestrial Scenarios"));
  tsBees =
      BuildTopicPage("tsBees", QStringLiteral("Bees"), QStringLiteral("Physical Scenario: Bees assessment input data"),
                     "frameManageItemBees", QStringLiteral("Select and Manage Bee Scenarios"));
  tsNTA = BuildTopicPage("tsNTA", QStringLiteral("NTA"),
                         QStringLiteral("Physical Scenario: Non-Target Anthropod assessment input data"),
                         "frameManageItemNTA", QStringLiteral("Select and Manage NTA Scenarios"));
  tsGroundwater =
      BuildTopicPage("tsGroundwater", QStringLiteral("Groundwater"),
                     QStringLiteral("Physical Scenario: Groundwater assessment input data"),
                     "frameManageItemGroundwater", QStringLiteral("Select and Manage Groundwater Scenarios"));
  tsDietary = BuildTopicPage("tsDietary", QStringLiteral("Dietary"),
                             QStringLiteral("Physical Scenario: Dietary assessment input data"),
                             "frameManageItemDietary", QStringLiteral("Select and Manage Dietary Scenarios"));
  tsResults = MakePage("tsResults", QStringLiteral("Results"), QStringLiteral("Results: "));
  tsCompare = MakePage("tsCompare", QStringLiteral("Compare"), QStringLiteral("Compare Pesticide Risk Assessments"));
  tsConfigVars = BuildVariablesPage();
  tsPesticideList =
      MakePage("tsPesticideList", QStringLiteral("Pesticide list"), QStringLiteral("Pesticide reference list"));
  tsHelp = MakePage("tsHelp", QStringLiteral("Help"), QStringLiteral("Help"));
  auto* help = new QLabel(QStringLiteral("* not yet implemented *"), tsHelp);
  help->setObjectName(QStringLiteral("lblHelp"));
  help->setAlignment(Qt::AlignCenter);
  tsHelp->layout()->addWidget(help);
  // Pages whose contents come later say so instead of showing an empty area.
  for (QWidget* p : {tsResults, tsCompare, tsPesticideList}) {
    auto* pending = new QLabel(QStringLiteral("* not yet implemented *"), p);
    pending->setObjectName(QStringLiteral("lblPending_") + p->objectName());
    pending->setAlignment(Qt::AlignCenter);
    p->layout()->addWidget(pending);
    static_cast<QVBoxLayout*>(p->layout())->addStretch();
  }

  connect(pcMain, &QStackedWidget::currentChanged, this, [this](int) {
    // Entering and leaving the variable definition page opens and closes its query.
    QWidget* now = pcMain->currentWidget();
    if (previousPage_ == tsConfigVars && now != tsConfigVars) tsConfigVarsExit();
    if (now == tsConfigVars) tsConfigVarsEnter();
    if (now == tsHome && previousPage_ && previousPage_ != tsHome) UpdateAssessmentInfo();
    previousPage_ = now;
  });
}

// ---------------------------------------------------------------- start-up

void TfrmMain::FormCreate(TfrmSplash* splash) {
  const auto step = [splash] {
    if (splash) splash->Step();
  };
  instanceLock_ = AcquireSingleInstanceLock();
  if (!instanceLock_) {
    terminateRequested_ = true;
    if (splash) splash->hide();
    ShowInformation(SingleInstanceMessage());
  }
  step();
  ShowPage(tsHome);

  properties_ = std::make_unique<TPropertiesGUI>();
  const QString programFolder = QCoreApplication::applicationDirPath();
  // The very first start (no settings anywhere) opens copies of the reference databases.
  properties_->SetProgramFolder(programFolder);
  const bool firstStart = !QFileInfo::exists(properties_->SettingsFile());
  properties_->ApplyWindowPosition(*this);
  if (firstStart) {
    // No placement stored yet: centre the window on the screen it opens on.
    if (const QScreen* screen = this->screen()) {
      const QRect available = screen->availableGeometry();
      QRect r(QPoint(), size().boundedTo(available.size()).expandedTo(minimumSize()));
      r.moveCenter(available.center());
      r.moveTopLeft(QPoint(std::max(r.left(), available.left()), std::max(r.top(), available.top())));
      setGeometry(r);
    }
    positionApplied_ = true;
  }
  SetLeftPanelWidth(properties_->Pos_LeftPanelWidth);
  step();
  setWindowTitle(QStringLiteral("Zelvan ") + GetVersionText(false, false) + QStringLiteral(" Build ") +
                 GetVersionText(false, true));
  step();
  const QString settingsFolder = properties_->GetSettingsFolder();
  QDir().mkpath(settingsFolder);
  if (firstStart && !terminateRequested_) {
    const QString reference = ReferenceDatabaseFolder();
    if (!reference.isEmpty()) {
      for (int kind : {dkMain, dkAI}) {
        const QString target = settingsFolder + FileNameOf(kind);
        if (!QFileInfo::exists(target)) QFile::copy(reference + QLatin1Char('/') + FileNameOf(kind), target);
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
        (kind == dkMain ? properties_->DatabaseNameZELVAN : properties_->DatabaseNameAI) = target;
      }
    }
  }
  const QString translation = settingsFolder + QStringLiteral("translation.lng");
  if (QFileInfo::exists(translation) && TLanguage::LoadTranslation(translation)) {
    TLanguage::TranslateApplication();
    properties_->Language = TLanguage::CurrentLanguage();
  }
  step();
  LoadToolbarLayout();
  step();
  manager_ = std::make_unique<TManager>(data_);
  workspace_ = new TWorkspace(*this, data_, *manager_);
  workspace_->SetupFrames();
  step();

  if (properties_->LoadInputDatabase && !properties_->DatabaseNameZELVAN.trimmed().isEmpty())
    LoadDatabase(properties_->DatabaseNameZELVAN, dkMain);
  else
    actSelectDatabaseZELVAN->trigger();
  if (properties_->LoadInputDatabase && !properties_->DatabaseNameAI.trimmed().isEmpty())
    LoadDatabase(properties_->DatabaseNameAI, dkAI);
  // A file that opened but lacks the catalogue keeps the connection: no second prompt then.
  if (!data_.IsConnected(dkMain)) actSelectDatabaseZELVAN->trigger();
  step();

  UpdateBatchTabVisibility();
  if (properties_->UseApplicationScenarioBatchFile && properties_->LoadInputDatabase &&
      properties_->ApplicationScenarioBatchFileType == 1 && QFileInfo::exists(properties_->DatabaseNameTavex_ASB))
    LoadDatabase(properties_->DatabaseNameTavex_ASB, dkTavex);
  step();
  if (data_.IsConnected(dkMain)) {
    step();
    step();
    step();
    ColourPageHeaders();
    if (firstStart) workspace_->SelectReferenceItems();
    UpdateAssessmentInfo();
  } else {
    ColourPageHeaders();
  }
  ShowPage(tsHome);
  UpdateBatchTabVisibility();
  step();
}

void TfrmMain::LoadDatabase(const QString& fileName, int kind) {
  const bool opened = kind == dkMain ? manager_->ConnectMainDatabase(fileName)
                      : kind == dkAI ? manager_->ConnectAIDatabase(fileName)
                                     : manager_->ConnectTavexDatabase(fileName);
  if (!opened) return;
  // Whichever of the main and AI databases opens second builds the panels.
  if (kind != dkTavex && data_.IsConnected(dkMain) && data_.IsConnected(dkAI)) {
    workspace_->BuildVariableFrames();
    workspace_->BindVariableFrames(manager_->EditPRA.get());
  }
  if (kind == dkMain) {
    edtDatabaseZELVAN->setText(fileName);
    properties_->DatabaseNameZELVAN = fileName;
  } else if (kind == dkAI) {
    edtDatabaseAI->setText(fileName);
    properties_->DatabaseNameAI = fileName;
  } else {
    properties_->DatabaseNameTavex_ASB = fileName;
  }
}

void TfrmMain::SelectDatabase(int kind) {
  const QString title = kind == dkMain ? QStringLiteral("Select ZELVAN database")
                                       : QStringLiteral("Select Active Ingredient (AI) database");
  const QString file = ChooseOpenFile(this, title, DatabaseFilter);
  if (file.isEmpty()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    LoadDatabase(file, kind);
    if (data_.aqryPRA->Active()) frameManagePRA->SelectFirst();
    UpdateAssessmentInfo();
  } catch (...) {
    QApplication::restoreOverrideCursor();
    throw;
  }
  QApplication::restoreOverrideCursor();
}

// ---------------------------------------------------------------- pages

void TfrmMain::ShowPage(QWidget* page) {
  pcMain->setCurrentWidget(page);
}

void TfrmMain::UpdateAssessmentInfo() {
  if (workspace_) workspace_->UpdateAssessmentInfo();
}

QWidget* TfrmMain::CurrentPage() const {
  return pcMain->currentWidget();
}

void TfrmMain::ColourPageHeaders() {
  for (int i = 0; i < pcMain->count(); ++i) {
    QWidget* page = pcMain->widget(i);
    auto* head = page->findChild<QLabel*>(QStringLiteral("lblHeader_") + page->objectName());
    const QColor colour = TArtwork::PageColour(page->objectName());
    if (!head || !colour.isValid()) continue;
    QPalette pal = head->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::WindowText, colour.lightness() < 110 ? Qt::white : Qt::black);
    head->setPalette(pal);
  }
}

void TfrmMain::UpdateBatchTabVisibility() {
  const int index = pcApplication->indexOf(tsASB);
  pcApplication->setTabVisible(index, properties_ && properties_->UseApplicationScenarioBatchFile);
}

void TfrmMain::tsConfigVarsEnter() {
  TDataSet* ds = data_.aqryVariables;
  if (!data_.IsConnected(dkMain)) return;
  if (ds->SQL().isEmpty()) ds->SetSQL(QLatin1String(Sql::VariableGrid));
  try {
    ds->Open();
  } catch (const EDatabaseError& e) {
    ShowWarning(e.Message());
  }
  dbgVariables->resizeColumnsToContents();
}

void TfrmMain::tsConfigVarsExit() {
  data_.aqryVariables->Close();
}

void TfrmMain::OpenDatabaseFolder(QLineEdit* edit) {
  const QFileInfo info(edit->text());
  if (edit->text().isEmpty() || !info.isFile()) return;
  OpenWithRegisteredProgram(info.absolutePath());
}

void TfrmMain::ShowProperties() {
  TfrmOptionsDialog dialog(*properties_, this);
  if (dialog.exec() == QDialog::Accepted) properties_->SaveSettings();
  UpdateBatchTabVisibility();
}

// ---------------------------------------------------------------- toolbar

QString TfrmMain::ToolbarLayoutFile() const {
  // One file name for reading and writing: Linux file names are case-sensitive.
  return properties_->GetSettingsFolder() + QStringLiteral("toolbar.bin");
}

void TfrmMain::LoadToolbarLayout() {
  QFile file(ToolbarLayoutFile());
  if (!file.open(QIODevice::ReadOnly)) return;
  const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  if (lines.value(0) != QLatin1String("zelvan-toolbar 1")) return; // not a layout of ours: keep the default
  ActionToolBar1->clear();
  for (const QString& line : lines.mid(1)) {
    if (line == QLatin1String("-")) {
      ActionToolBar1->addSeparator();
    } else if (auto* action = findChild<QAction*>(line.trimmed(), Qt::FindDirectChildrenOnly)) {
      ActionToolBar1->addAction(action);
    }
  }
}

void TfrmMain::SaveToolbarLayout() const {
  QSaveFile file(ToolbarLayoutFile());
  if (!file.open(QIODevice::WriteOnly)) return;
  QStringList lines{QStringLiteral("zelvan-toolbar 1")};
  for (QAction* a : ActionToolBar1->actions())
    lines << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
  file.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
  file.commit();
}

void TfrmMain::CustomizeToolbar() {
  QList<QAction*> all;
  for (QAction* a : findChildren<QAction*>(Qt::FindDirectChildrenOnly))
    if (!a->objectName().isEmpty() && a->isVisible()) all << a;
  auto* dialog = new TfrmCustomizeToolbar(ActionToolBar1, all, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
}

// ---------------------------------------------------------------- events

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == ActionToolBar1) {
      CustomizeToolbar();
      return true;
    }
    if (watched == edtDatabaseZELVAN || watched == edtDatabaseAI) {
      OpenDatabaseFolder(static_cast<QLineEdit*>(watched));
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TfrmMain::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QMainWindow::event(event);
}

void TfrmMain::FormActivate() {
  activated_ = true;
  if (!positionApplied_ && !isMinimized() && !isMaximized() && properties_) {
    const TPropertiesGUI::TWindowPosition pos = properties_->ReadWindowPosition();
    setGeometry(pos.Left, pos.Top, pos.Width, pos.Height);
    positionApplied_ = true;
  }
  if (CurrentPage() == tsHome && frameManagePRA->isVisible()) frameManagePRA->dbLkp->setFocus();
}

void TfrmMain::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange && isMinimized() && properties_) StoreWindowLayout();
  QMainWindow::changeEvent(event);
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
  const QWidget* focus = QApplication::focusWidget();
  if (event->key() == Qt::Key_Escape && (focus == nullptr || focus == this)) {
    showMinimized();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void TfrmMain::SetLeftPanelWidth(int width) {
  leftPanelWidth_ = std::max(width, pnlLeft->minimumWidth());
  if (auto* splitter = qobject_cast<QSplitter*>(centralWidget()))
    splitter->setSizes({leftPanelWidth_, std::max(this->width() - leftPanelWidth_, 1)});
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The splitter knows its real width only once shown.
  if (!leftPanelShown_) {
    leftPanelShown_ = true;
    QTimer::singleShot(0, this, [this] { SetLeftPanelWidth(leftPanelWidth_); });
  }
}

void TfrmMain::StoreWindowLayout() {
  properties_->SaveWindowPosition(*this);
  properties_->Pos_LeftPanelWidth = pnlLeft->width();
}

void TfrmMain::CleanUpOnClose() {
  TfrmAppClosing closingWindow(this);
  closingWindow.show();
  hide();
  for (int i = 0; i < 7; ++i)
    closingWindow.Step();
  closing_ = true;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  actPageHome->trigger();
  if (AskConfirmation(TLanguage::Translate(QStringLiteral("Do you want to close Zelvan?")), mbYes | mbNo, mbNo) !=
      mbYes) {
    event->ignore();
    return;
  }
  StoreWindowLayout();
  if (!closing_) {
    if (properties_->MinimizeOnCloseButton) {
      event->ignore();
      showMinimized();
      return;
    }
    CleanUpOnClose();
  }
  // The window closes: keep everything for the next start.
  properties_->Actioncount = static_cast<int>(findChildren<QAction*>(Qt::FindDirectChildrenOnly).size());
  properties_->SaveWindowPosition(*this);
  properties_->SaveSettings();
  SaveToolbarLayout();
  event->accept();
}
