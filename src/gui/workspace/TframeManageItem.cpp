#include "workspace/TframeManageItem.h"

#include "app/TLookupCombo.h"
#include "app/uUtils.h"
#include "data/TDataSet.h"
#include "data/TDialogs.h"
#include "data/TManager.h"
#include "workspace/TfrmEditItem.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

void DuplicateRecord(TDataSet& dataset, const QString& excluded) {
  CopyCurrentRecord(dataset, excluded);
}

TframeManageItem::TframeManageItem(QWidget* parent) : QGroupBox(parent) {
  auto* layout = new QGridLayout(this);
  layout->setVerticalSpacing(3);
  layout->setContentsMargins(6, 4, 6, 4);
  dbLkp = new TLookupCombo(this);
  dbLkp->setObjectName(QStringLiteral("dbLkp"));
  layout->addWidget(dbLkp, 0, 0, 1, 4);
  Label1 = new QLabel(QStringLiteral("Description:"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  layout->addWidget(Label1, 1, 0, 1, 4);
  mmDescr = new QPlainTextEdit(this);
  mmDescr->setObjectName(QStringLiteral("mmDescr"));
  mmDescr->setReadOnly(true);
  mmDescr->setMaximumHeight(40);
  QPalette pal = mmDescr->palette();
  pal.setColor(QPalette::Base, pal.color(QPalette::ToolTipBase));
  mmDescr->setPalette(pal);
  layout->addWidget(mmDescr, 2, 0, 1, 4);
  const auto button = [&](QPushButton*& b, const char* name, const QString& text, int column) {
    b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    layout->addWidget(b, 3, column);
  };
  button(btnNew, "btnNew", QStringLiteral("New"), 0);
  button(btnEdit, "btnEdit", QStringLiteral("Edit"), 1);
  button(btnDelete, "btnDelete", QStringLiteral("Delete"), 2);
  button(btnRefresh, "btnRefresh", QStringLiteral("Refresh"), 3);
  connect(dbLkp, &TLookupCombo::KeyChanged, this, &TframeManageItem::dbLkpChange);
  connect(btnNew, &QPushButton::clicked, this, &TframeManageItem::btnNewClick);
  connect(btnEdit, &QPushButton::clicked, this, &TframeManageItem::btnEditClick);
  connect(btnDelete, &QPushButton::clicked, this, &TframeManageItem::btnDeleteClick);
  connect(btnRefresh, &QPushButton::clicked, this, &TframeManageItem::btnRefreshClick);
}

void TframeManageItem::Setup(TDataSet* itemQuery, int itemTopicType, TManager* manager, TfrmEditItem* dialog,
                             const QString& newCaption, const QString& editCaption, const QString& nameLabel,
                             const QString& descrLabel) {
  ItemQuery = itemQuery;
  ItemTopicType = itemTopicType;
  manager_ = manager;
  dialog_ = dialog;
  NewCaption = newCaption;
  EditCaption = editCaption;
  NameLabel = nameLabel;
  DescrLabel = descrLabel;
  dbLkp->SetDataSet(itemQuery);
}

void TframeManageItem::SelectFirst() {
  if (!ItemQuery || !ItemQuery->Active() || ItemQuery->IsEmpty()) return;
  ItemQuery->First();
  dbLkp->SetKeyValue(ItemQuery->AsInteger(QStringLiteral("id")));
}

bool TframeManageItem::IsReadOnlyItem() const {
  if (!ItemQuery || !ItemQuery->Active() || ItemQuery->RecNo() < 0 || !ItemQuery->HasField(QStringLiteral("readonly")))
    return false;
  return !ItemQuery->IsNull(QStringLiteral("readonly")) && ItemQuery->AsFloat(QStringLiteral("readonly")) != 0;
}

void TframeManageItem::SelectItemById(int id) {
  dbLkp->SetKeyValue(id);
}

void TframeManageItem::RequeryKeepPosition(TDataSet& dataset) {
  if (dataset.Active()) dataset.Requery();
}

void TframeManageItem::dbLkpChange() {
  if (!ItemQuery) return;
  if (ItemQuery->Active() && ItemQuery->RecNo() >= 0) {
    const QString descr = ItemQuery->AsString(QStringLiteral("descr"));
    if (!descr.isEmpty()) mmDescr->setPlainText(descr);
    if (ItemTopicType != 8 && manager_ && manager_->EditPRA)
      if (TTopic* topic = manager_->EditPRA->GetTopic(ItemTopicType)) topic->LoadFromRow(*ItemQuery);
  }
  if (OnChange) OnChange();
}

void TframeManageItem::btnNewClick() {
  if (!ItemQuery || !ItemQuery->Active()) return;
  int answer = mbNo;
  if (!IsReadOnlyItem() && ItemQuery->RecNo() >= 0)
    answer = AskConfirmation(QStringLiteral("Use the currently displayed data for the new item?"),
                             mbYes | mbNo | mbCancel, mbYes);
  if (answer == mbCancel) return;
  if (answer == mbYes) {
    DuplicateRecord(*ItemQuery, QStringLiteral("id"));
    dialog_->Execute(TfrmEditItem::emCopy, ItemQuery, DescrLabel, NameLabel, NewCaption);
    btnRefreshClick();
  } else {
    const int result = dialog_->Execute(TfrmEditItem::emNew, ItemQuery, DescrLabel, NameLabel, NewCaption);
    btnRefreshClick();
    if (result != QDialog::Accepted) SelectFirst();
  }
  btnRefreshClick();
  if (manager_) manager_->DataChanged = true;
}

void TframeManageItem::btnEditClick() {
  if (!ItemQuery || !ItemQuery->Active() || ItemQuery->RecNo() < 0) return;
  if (IsReadOnlyItem()) {
    ShowInformation(QStringLiteral("Cannot edit this item."));
    return;
  }
  dialog_->Execute(TfrmEditItem::emEdit, ItemQuery, DescrLabel, NameLabel, EditCaption);
  btnRefreshClick();
}

void TframeManageItem::btnDeleteClick() {
  if (!ItemQuery || !ItemQuery->Active() || ItemQuery->RecNo() < 0) return;
  if (IsReadOnlyItem()) {
    ShowInformation(QStringLiteral("Cannot edit this item."));
  } else if (AskConfirmation(QStringLiteral("Are you sure you want to delete \"%1\"?")
                                 .arg(ItemQuery->AsString(QStringLiteral("name"))),
                             mbOK | mbCancel, mbCancel) == mbOK) {
    try {
      ItemQuery->Delete();
    } catch (const EDatabaseError& e) {
      ShowError(e.Message());
    }
  }
  btnRefreshClick();
  if (manager_) manager_->DataChanged = true;
}

void TframeManageItem::btnRefreshClick() {
  if (!ItemQuery || !ItemQuery->Active()) return;
  RequeryKeepPosition(*ItemQuery);
  const int id = ItemQuery->RecNo() >= 0 ? ItemQuery->AsInteger(QStringLiteral("id")) : 0;
  dbLkp->ClearSelection();
  SelectItemById(id); // a new key runs the change handling
  dbLkp->update();
}
