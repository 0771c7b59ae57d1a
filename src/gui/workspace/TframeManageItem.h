#pragma once

#include <QGroupBox>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TDataSet;
class TLookupCombo;
class TManager;
class TfrmEditItem;

// The item list of a page: choose the current item, see its description,
// and New, Edit, Delete, Refresh.
class TframeManageItem : public QGroupBox {
  Q_OBJECT
 public:
  explicit TframeManageItem(QWidget* parent = nullptr);

  // Set up once: the item dataset, the topic type of the page PRA that
  // receives the chosen item (8: PRAs, nothing loaded) and the dialog texts.
  void Setup(TDataSet* itemQuery, int itemTopicType, TManager* manager, TfrmEditItem* dialog, const QString& newCaption,
             const QString& editCaption, const QString& nameLabel, const QString& descrLabel);

  TDataSet* ItemQuery = nullptr;
  int ItemTopicType = 8;
  QString NewCaption, EditCaption, NameLabel, DescrLabel;
  // Runs after the list's own change handling (the PRA list loads the PRA here).
  std::function<void()> OnChange;

  TLookupCombo* dbLkp;
  QLabel* Label1;
  QPlainTextEdit* mmDescr;
  QPushButton *btnNew, *btnEdit, *btnDelete, *btnRefresh;

  void SelectFirst();
  bool IsReadOnlyItem() const;
  void SelectItemById(int id);
  static void RequeryKeepPosition(TDataSet& dataset);

  void dbLkpChange();
  void btnNewClick();
  void btnEditClick();
  void btnDeleteClick();
  void btnRefreshClick();

 private:
  TManager* manager_ = nullptr;
  TfrmEditItem* dialog_ = nullptr;
};

// Appends a copy of the current row, leaving NULL the columns named in `excluded`.
void DuplicateRecord(TDataSet& dataset, const QString& excluded);
