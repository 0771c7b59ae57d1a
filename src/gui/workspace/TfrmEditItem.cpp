#include "workspace/TfrmEditItem.h"

#include "app/TLanguage.h"
#include "data/TDataSet.h"
#include "data/TDialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString NamePlaceholder = QStringLiteral("<add name here>");
const QString DescrPlaceholder = QStringLiteral("<add description here>");
} // namespace

TfrmEditItem::TfrmEditItem(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmEditItem"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  lblName = new QLabel(QStringLiteral("Name :"), this);
  edtName = new QLineEdit(this);
  edtName->setObjectName(QStringLiteral("edtName"));
  edtName->installEventFilter(this);
  lblDescr = new QLabel(QStringLiteral("Description :"), this);
  mmDescr = new QPlainTextEdit(this);
  mmDescr->setObjectName(QStringLiteral("mmDescr"));
  mmDescr->viewport()->installEventFilter(this);
  form->addRow(lblName, edtName);
  form->addRow(lblDescr, mmDescr);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(this);
  auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("btnOK"));
  auto* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &TfrmEditItem::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TfrmEditItem::reject);
  layout->addWidget(buttons);
  resize(420, 220);
  TLanguage::TranslateForm(this);
}

int TfrmEditItem::Execute(int mode, TDataSet* dataset, const QString& descrLabel, const QString& nameLabel,
                          const QString& caption) {
  dataset_ = dataset;
  mode_ = mode;
  if (mode == emNew) {
    dataset->Append();
  } else if (mode == emCopy) {
    dataset->Edit();
    dataset->SetValue(QStringLiteral("name"), QVariant());
    dataset->SetValue(QStringLiteral("descr"), QVariant());
    dataset->Post();
    dataset->Edit();
  } else {
    dataset->Edit();
  }
  setWindowTitle(caption);
  lblName->setText(nameLabel);
  lblDescr->setText(descrLabel);
  const QString name = dataset->AsString(QStringLiteral("name"));
  const QString descr = dataset->AsString(QStringLiteral("descr"));
  edtName->setText(name.isEmpty() ? NamePlaceholder : name);
  mmDescr->setPlainText(descr.isEmpty() ? DescrPlaceholder : descr);
  return exec();
}

void TfrmEditItem::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (auto* ok = findChild<QPushButton*>(QStringLiteral("btnOK"))) ok->setFocus();
}

bool TfrmEditItem::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched == edtName && edtName->text() == NamePlaceholder) edtName->clear();
    if (watched == mmDescr->viewport() && mmDescr->toPlainText() == DescrPlaceholder) mmDescr->clear();
  }
  return QDialog::eventFilter(watched, event);
}

void TfrmEditItem::accept() {
  if (edtName->text().trimmed().isEmpty()) {
    ShowInformation(QStringLiteral("Enter a name first or cancel."));
    return;
  }
  try {
    dataset_->SetValue(QStringLiteral("name"), edtName->text());
    dataset_->SetValue(QStringLiteral("descr"), mmDescr->toPlainText());
    if (dataset_->HasField(QStringLiteral("readonly"))) dataset_->SetValue(QStringLiteral("readonly"), 0);
    dataset_->Post();
  } catch (const EDatabaseError&) {
    dataset_->Cancel();
    ShowError(QStringLiteral("Cannot update item %1.").arg(edtName->text()));
  }
  QDialog::accept();
}

void TfrmEditItem::reject() {
  if (dataset_) {
    if (mode_ == emCopy) {
      dataset_->Cancel();
      dataset_->Delete(); // the copy New made
    } else {
      dataset_->Cancel();
    }
  }
  QDialog::reject();
}
