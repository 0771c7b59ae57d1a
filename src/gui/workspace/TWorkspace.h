#pragma once

#include "model/TTopicType.h"

#include <QObject>
#include <QString>
#include <vector>

class QLineEdit;
class QWidget;
class TDataSet;
class TLookupCombo;
class TManager;
class TPRA;
class TVariable;
class TVariableValue;
class TframeAssessment;
class TframeManageItem;
class TframeSubTopicData;
class TframeVariableData;
class TfrmEditItem;
class TfrmMain;
class Tdm;

// The assessment workspace of the main window: the value editors built from
// the catalogue, the home-page lookups and their recalculation, saved PRAs,
// the item frames and the assessment panels.
class TWorkspace : public QObject {
  Q_OBJECT
 public:
  TWorkspace(TfrmMain& window, Tdm& data, TManager& manager);

  // Gives the item frames and the assessment panels their topic, dataset and texts.
  void SetupFrames();
  void BuildVariableFrames();
  std::vector<TframeSubTopicData*> CollectSubTopicFrames(const TVariable& variable);
  TframeSubTopicData* FindOrCreateSubTopicFrame(int topic, TTopicType area, QWidget* box, const TVariable& variable);
  static TframeVariableData* FindVariableFrame(QWidget* group, const QString& name);
  void BindVariableFrames(TPRA* pra);
  void BindValues(const std::vector<TVariableValue*>& values, QWidget* box);
  static void BindValue(TVariableValue* value, QWidget* control);

  void lkpSelectionChange(TDataSet* dataset, int topicType);
  void SyncLookupsFromPRA();
  void RefreshLkpDatasets();
  void UpdateAssessmentInfo();
  // Id 0 clears the lookup without running its change handler.
  static void SelectLookupItem(TLookupCombo* lookup, int id);

  // A new user's first view: the items of the first read-only saved PRA.
  void SelectReferenceItems();
  void frameManagePRAdbLkpChange();
  void btnSavePRAClick();
  void btnRestoreClick();
  void btnCopyClick();
  void ShowResults(int area);

  // The box (group container) of a name: PE_box_left, AQ_box, ...
  QWidget* Box(const char* name) const;
  QWidget* BoxFor(int topic, int area) const;
  TLookupCombo* HomeLookup(int topicType) const;
  TframeManageItem* ItemFrame(int topicType) const;
  TframeAssessment* AssessmentFrame(int area) const;

  TfrmEditItem* EditItemDialog;
  TframeManageItem* frameManagePRA;
  std::vector<TframeAssessment*> AssessmentFrames; // aquatic, terrestrial, bees, NTA, groundwater, dietary
  QLineEdit *edtPECGW_gw, *edtPECnwater_aq;

 private:
  TfrmMain& w_;
  Tdm& data_;
  TManager& manager_;
};
