#include "app/TfrmCustomizeToolbar.h"

#include "app/TLanguage.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr int ActionRole = Qt::UserRole + 1;
const QString SeparatorText = QStringLiteral("— separator —");
} // namespace

TfrmCustomizeToolbar::TfrmCustomizeToolbar(QToolBar* toolbar, const QList<QAction*>& actions, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), toolbar_(toolbar), actions_(actions) {
  setObjectName(QStringLiteral("frmCustomizeToolbar"));
  setWindowTitle(QStringLiteral("Customize toolbar"));
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Available actions"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Toolbar"), this), 0, 2);
  available_ = new QListWidget(this);
  available_->setObjectName(QStringLiteral("lbAvailable"));
  shown_ = new QListWidget(this);
  shown_->setObjectName(QStringLiteral("lbToolbar"));
  grid->addWidget(available_, 1, 0);
  grid->addWidget(shown_, 1, 2);
  auto* middle = new QVBoxLayout;
  const auto button = [&](const char* name, const QString& text) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    middle->addWidget(b);
    return b;
  };
  QPushButton* add = button("btnAdd", QStringLiteral("Add >"));
  QPushButton* separator = button("btnSeparator", QStringLiteral("Separator >"));
  QPushButton* remove = button("btnRemove", QStringLiteral("< Remove"));
  QPushButton* up = button("btnUp", QStringLiteral("Up"));
  QPushButton* down = button("btnDown", QStringLiteral("Down"));
  middle->addStretch();
  grid->addLayout(middle, 1, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
  grid->addWidget(buttons, 2, 0, 1, 3);

  const auto insertItem = [this](QAction* action) {
    auto* item = new QListWidgetItem(action ? action->icon() : QIcon(), action ? action->iconText() : SeparatorText);
    item->setData(ActionRole, QVariant::fromValue(static_cast<QObject*>(action)));
    const int row = shown_->currentRow() < 0 ? shown_->count() : shown_->currentRow() + 1;
    shown_->insertItem(row, item);
    shown_->setCurrentRow(row);
    Apply();
  };
  connect(add, &QPushButton::clicked, this, [this, insertItem] {
    if (QListWidgetItem* item = available_->currentItem())
      insertItem(qobject_cast<QAction*>(item->data(ActionRole).value<QObject*>()));
  });
  connect(available_, &QListWidget::itemDoubleClicked, add, &QPushButton::click);
  connect(separator, &QPushButton::clicked, this, [insertItem] { insertItem(nullptr); });
  connect(remove, &QPushButton::clicked, this, [this] {
    delete shown_->takeItem(shown_->currentRow());
    Apply();
  });
  const auto move = [this](int delta) {
    const int row = shown_->currentRow(), to = row + delta;
    if (row < 0 || to < 0 || to >= shown_->count()) return;
    shown_->insertItem(to, shown_->takeItem(row));
    shown_->setCurrentRow(to);
    Apply();
  };
  connect(up, &QPushButton::clicked, this, [move] { move(-1); });
  connect(down, &QPushButton::clicked, this, [move] { move(1); });
  Refill();
  TLanguage::TranslateForm(this);
}

void TfrmCustomizeToolbar::Refill() {
  available_->clear();
  for (QAction* a : actions_) {
    auto* item = new QListWidgetItem(a->icon(), a->iconText(), available_);
    item->setData(ActionRole, QVariant::fromValue(static_cast<QObject*>(a)));
  }
  shown_->clear();
  for (QAction* a : toolbar_->actions()) {
    auto* item = new QListWidgetItem(a->isSeparator() ? QIcon() : a->icon(),
                                     a->isSeparator() ? SeparatorText : a->iconText(), shown_);
    item->setData(ActionRole, QVariant::fromValue(static_cast<QObject*>(a->isSeparator() ? nullptr : a)));
  }
}

void TfrmCustomizeToolbar::Apply() {
  toolbar_->clear();
  for (int i = 0; i < shown_->count(); ++i) {
    auto* action = qobject_cast<QAction*>(shown_->item(i)->data(ActionRole).value<QObject*>());
    if (action)
      toolbar_->addAction(action);
    else
      toolbar_->addSeparator();
  }
}
