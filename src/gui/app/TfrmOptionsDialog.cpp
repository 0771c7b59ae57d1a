#include "app/TfrmOptionsDialog.h"

#include "app/TLanguage.h"
#include "app/TPropertiesGUI.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int IdRole = Qt::UserRole + 1;
}

const std::vector<TfrmOptionsDialog::TAppOption>& TfrmOptionsDialog::Options() {
  static const std::vector<TAppOption> options = {
      {-1, "Options"},
      {2000, "Load previously used input database on startup"},
      {3070, "Save PRA settings periodically to database"},
      {3080, "Use Application Scenario Batch file - Excel (template) or Access (Tavex)"}};
  return options;
}

bool* TfrmOptionsDialog::Setting(int id) const {
  switch (id) {
  case 2000:
    return &properties_.LoadInputDatabase;
  case 3070:
    return &properties_.savefilesperiodically;
  case 3080:
    return &properties_.UseApplicationScenarioBatchFile;
  default:
    return nullptr;
  }
}

TfrmOptionsDialog::TfrmOptionsDialog(TPropertiesGUI& properties, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), properties_(properties) {
  setObjectName(QStringLiteral("frmOptionsDialog"));
  setWindowTitle(QStringLiteral("Zelvan properties"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* pages = new QTabWidget(this);
  auto* general = new QWidget(pages);
  general->setObjectName(QStringLiteral("tsGeneral"));
  auto* generalLayout = new QVBoxLayout(general);
  generalLayout->addWidget(new QLabel(QStringLiteral("Settings"), general));
  tree_ = new QTreeWidget(general);
  tree_->setObjectName(QStringLiteral("tvOptions"));
  tree_->setHeaderHidden(true);
  tree_->setItemsExpandable(false); // collapsing a group is refused
  tree_->setRootIsDecorated(false);
  tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  generalLayout->addWidget(tree_);
  pages->addTab(general, QStringLiteral("General"));
  layout->addWidget(pages);

  QTreeWidgetItem* group = nullptr;
  for (const TAppOption& option : Options()) {
    const QString caption = TLanguage::Translate(QLatin1String(option.Caption));
    if (option.Id < 0) {
      group = new QTreeWidgetItem(tree_, {caption});
      continue;
    }
    if (!group) continue; // an option before any group is not shown
    auto* item = new QTreeWidgetItem(group, {caption});
    item->setData(0, IdRole, option.Id);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    const bool* setting = Setting(option.Id);
    item->setCheckState(0, setting && *setting ? Qt::Checked : Qt::Unchecked);
  }
  tree_->expandAll();
  if (tree_->topLevelItemCount() > 0) tree_->scrollToItem(tree_->topLevelItem(0));
  tree_->setMinimumWidth(480);

  auto* buttons = new QDialogButtonBox(this);
  auto* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  auto* cancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  TLanguage::TranslateForm(this);
  if (parent) move(parent->geometry().center() - QPoint(width() / 2, height() / 2));
}

void TfrmOptionsDialog::accept() {
  properties_.Language = TLanguage::CurrentLanguage();
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    const QVariant id = (*it)->data(0, IdRole);
    if (!id.isValid()) continue;
    if (bool* setting = Setting(id.toInt())) *setting = (*it)->checkState(0) == Qt::Checked;
  }
  QDialog::accept();
}
