#include "app/TLanguage.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStringDecoder>
#include <QTabWidget>
#include <QToolBox>
#include <QTreeWidget>
#include <QWidget>

QList<std::pair<QString, QString>>& TLanguage::Table() {
  static QList<std::pair<QString, QString>> table;
  return table;
}

void TLanguage::Clear() {
  Table().clear();
}

bool TLanguage::LoadTranslation(const QString& path) {
  Clear();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QString text = QString::fromUtf8(file.readAll());
  bool inTexts = false;
  for (QString line : text.split(QLatin1Char('\n'))) {
    line.remove(QLatin1Char('\r'));
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
      inTexts = trimmed.mid(1, trimmed.size() - 2).trimmed().compare(QLatin1String("Texts"), Qt::CaseInsensitive) == 0;
      continue;
    }
    if (!inTexts || trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';'))) continue;
    line.remove(QLatin1Char('"'));
    const int eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0) continue;
    Table().append({line.left(eq), line.mid(eq + 1)});
  }
  return true;
}

QString TLanguage::Translate(const QString& text) {
  for (const auto& [key, value] : Table())
    if (key == text) return value.isEmpty() ? text : value;
  return text;
}

void TLanguage::TranslateForm(QWidget* form) {
  if (!form) return;
  form->setWindowTitle(Translate(form->windowTitle()));
  const auto hint = [](QWidget* w) {
    if (!w->toolTip().isEmpty()) w->setToolTip(Translate(w->toolTip()));
  };
  for (QWidget* w : form->findChildren<QWidget*>()) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label->textFormat() != Qt::RichText) label->setText(Translate(label->text()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      // Buttons of an action follow the action's own text.
      button->setText(Translate(button->text()));
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      group->setTitle(Translate(group->title()));
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      edit->setText(Translate(edit->text()));
      edit->setPlaceholderText(Translate(edit->placeholderText()));
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < tabs->count(); ++i)
        tabs->setTabText(i, Translate(tabs->tabText(i)));
    } else if (auto* box = qobject_cast<QToolBox*>(w)) {
      for (int i = 0; i < box->count(); ++i)
        box->setItemText(i, Translate(box->itemText(i)));
    } else if (auto* menu = qobject_cast<QMenu*>(w)) {
      menu->setTitle(Translate(menu->title()));
    } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
      for (QTreeWidgetItemIterator it(tree); *it; ++it)
        (*it)->setText(0, Translate((*it)->text(0)));
    }
    hint(w);
  }
  for (QAction* action : form->findChildren<QAction*>()) {
    action->setText(Translate(action->text()));
    if (!action->toolTip().isEmpty()) action->setToolTip(Translate(action->toolTip()));
    if (!action->statusTip().isEmpty()) action->setStatusTip(Translate(action->statusTip()));
  }
}

void TLanguage::TranslateApplication() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (!w->parentWidget()) TranslateForm(w);
}
