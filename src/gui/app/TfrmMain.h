#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QLockFile;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QToolBar;
class QToolBox;
class QWidget;
class TDataSet;
class TLookupCombo;
class TManager;
class TPropertiesGUI;
class TfrmLegend;
class TfrmSplash;
class TWorkspace;
class TframeManageItem;
class Tdm;

// The main window: pages without tabs, navigation bar, menu, toolbar, and the
// start-up and closing sequences.
class TfrmMain : public QMainWindow {
  Q_OBJECT

 public:
  // Runs the whole start-up sequence; the splash (optional) shows its progress.
  TfrmMain(Tdm& data, TfrmSplash* splash = nullptr, QWidget* parent = nullptr);
  ~TfrmMain() override;

  // How the window asks for a file to open: (parent, title, filter) -> path,
  // empty when cancelled. Tests replace it.
  static std::function<QString(QWidget*, const QString&, const QString&)> ChooseOpenFile;

  TPropertiesGUI& Properties() const { return *properties_; }
  TManager& Manager() const { return *manager_; }
  // True when start-up found another running instance: the program ends as
  // soon as its event loop starts.
  bool TerminateRequested() const { return terminateRequested_; }
  // Where the reference databases of a first start come from.
  static QString ReferenceDatabaseFolder();

  // Opens one database of a kind (main, AI, Tavex) and updates what depends on it.
  void LoadDatabase(const QString& fileName, int kind);
  void ShowPage(QWidget* page);
  QWidget* CurrentPage() const;
  void StoreWindowLayout();
  void SetLeftPanelWidth(int width);
  void UpdateBatchTabVisibility();
  void ColourPageHeaders();
  QString ToolbarLayoutFile() const;

  // Actions.
  QAction *actPageHome, *actPagePesticide, *actPageApplication, *actPageAquatic, *actPageTerrestrial, *actPageBees,
      *actPageNTA, *actPageGroundwater, *actPageDietary, *actResults, *actCompare, *actConfigVariables, *actShowHelp,
      *actSelectDatabaseZELVAN, *actSelectDatabaseAI, *actSelectApplicationScenarioDataSource, *actShowProperties,
      *actAbout, *actShowLegend, *actCustomizeToolbar, *actGotoHomepage, *actExit, *actShowSelectionPanel,
      *actPesticideList;

  // Pages and main widgets.
  QStackedWidget* pcMain;
  QWidget *tsHome, *tsPesticide, *tsApplication, *tsAquatic, *tsTerrestrial, *tsBees, *tsNTA, *tsGroundwater,
      *tsDietary, *tsResults, *tsCompare, *tsConfigVars, *tsPesticideList, *tsHelp;
  QWidget* pnlLeft;
  QToolBox* nbNavigation;
  QToolBar* ActionToolBar1;
  QLineEdit *edtDatabaseZELVAN, *edtDatabaseAI;
  QTabWidget* pcApplication;
  QWidget *tsScenSelect, *tsASB;
  TLookupCombo *lkpAI, *lkpAP, *lkpAQ, *lkpTE, *lkpGW, *lkpDI, *lkpBE, *lkpNT;
  QTableView* dbgVariables;
  TframeManageItem* frameManagePRA;
  TWorkspace* Workspace() const { return workspace_; }
  // Selects the home items from the current PRA, recalculates and refreshes the panels.
  void UpdateAssessmentInfo();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildActions();
  void BuildMenus();
  void BuildToolbar();
  void BuildNavigation();
  void BuildPages();
  QWidget* MakePage(const char* name, const QString& caption, const QString& header);
  QWidget* BuildHomePage();
  QWidget* BuildTopicPage(const char* name, const QString& caption, const QString& header, const char* frameName,
                          const QString& groupCaption);
  QWidget* MakeBox(const char* name, QWidget* parent);
  QWidget* BuildSorelPanel(QWidget* parent);
  QWidget* BuildVariablesPage();
  void FormCreate(TfrmSplash* splash);
  void FormActivate();
  void CleanUpOnClose();
  void SelectDatabase(int kind);
  void ShowProperties();
  void CustomizeToolbar();
  void LoadToolbarLayout();
  void SaveToolbarLayout() const;
  void tsConfigVarsEnter();
  void tsConfigVarsExit();
  void OpenDatabaseFolder(QLineEdit* edit);

  Tdm& data_;
  std::unique_ptr<TPropertiesGUI> properties_;
  std::unique_ptr<TManager> manager_;
  std::unique_ptr<QLockFile> instanceLock_;
  TfrmLegend* legend_ = nullptr;
  TWorkspace* workspace_ = nullptr;
  bool terminateRequested_ = false;
  bool closing_ = false;
  bool activated_ = false;
  bool positionApplied_ = false;
  QWidget* previousPage_ = nullptr;
  int leftPanelWidth_ = 100;
  bool leftPanelShown_ = false;
};
