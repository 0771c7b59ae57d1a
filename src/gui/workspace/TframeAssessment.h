#pragma once

#include "model/TCalcRecords.h"
#include "model/TTopicType.h"

#include <QFrame>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QToolButton;
class TLed;
class TManager;

// One area of the home PRA at a glance: completeness lamps, the ETRs with
// their risk pictures, the results button and "force calculation".
class TframeAssessment : public QFrame {
  Q_OBJECT
 public:
  explicit TframeAssessment(QWidget* parent = nullptr);

  // Set once by the main window.
  void Setup(TTopicType area, const QString& caption, QAction* pageAction, TManager* manager);
  // Navigation from the lamps: (topic type, id) -> show that page on that item.
  std::function<void(int, int)> ShowItem;
  // The results of the area.
  std::function<void(int)> ShowResults;

  TTopicType AssessmentType = ttAquatic;
  TInputDataRec InputData;

  // Shows the completeness and the results of the current PRA; never
  // calculates. True when the inputs are sufficient.
  bool RefreshPanel();
  // ETR text: two significant digits, fixed from 10^-3 to below 10^2,
  // otherwise d.dE±xx.
  static QString FormatETR(double value);
  // The three completeness lamps and their hints: the pesticide lamp by its
  // list status (green complete, yellow but for optional values), the others
  // lit when every counted value is filled.
  static void ShowInputLamps(TLed& sc, TLed& ap, TLed& ai, const TInputDataRec& rec);
  // The column headings, aligned with the panels' parts.
  static QWidget* BuildHeading(QWidget* parent);

  QToolButton* btnTopic;
  QLabel* lblTopic;
  TLed *ledSC, *ledAP, *ledAI;
  QLabel *btnAssess1, *btnAssess2;
  QToolButton* btnResults;
  QLabel *lblETR1, *lblETR2;
  QCheckBox* chkForceCalc;
  int RiskPicture1 = 0, RiskPicture2 = 0; // picture index shown

  void chkForceCalcClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetPicture(QLabel* square, int index, int& shown);
  TManager* manager_ = nullptr;
};
