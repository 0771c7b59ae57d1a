#include "app/TfrmLegend.h"

#include "app/TLanguage.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmLegend::TfrmLegend(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmLegend"));
  setWindowTitle(QStringLiteral("Legend"));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QStringLiteral("Legend of colors used "), this);
  group->setObjectName(QStringLiteral("gbLegend"));
  auto* grid = new QGridLayout(group);
  const struct {
    const char* Swatch;
    const char* Label;
  } rows[] = {{"pnlDefined", "Defined value: ok"},
              {"pnlUndefined", "Undefined value: enter valid value"},
              {"pnlUndefined_choice", "Undefined related value: linked to other variable(s)"},
              {"pnlDefault", "Default value: can be changed"},
              {"pnlConstant", "Constant value: can not be changed"}};
  int row = 0;
  for (const auto& r : rows) {
    auto* swatch = new QFrame(group);
    swatch->setObjectName(QLatin1String(r.Swatch));
    swatch->setFrameShape(QFrame::Box);
    swatch->setFixedSize(40, 20);
    swatch->setAutoFillBackground(true);
    auto* label = new QLabel(QLatin1String(r.Label), group);
    label->setObjectName(QStringLiteral("lbl") + QLatin1String(r.Swatch).mid(3));
    grid->addWidget(swatch, row, 0);
    grid->addWidget(label, row, 1);
    // The constant colour is not explained: such values are never edited.
    if (QLatin1String(r.Swatch) == QLatin1String("pnlConstant")) {
      swatch->hide();
      label->hide();
    }
    ++row;
  }
  layout->addWidget(group);
  auto* buttons = new QDialogButtonBox(this);
  auto* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::AcceptRole);
  close->setObjectName(QStringLiteral("btnClose"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  TLanguage::TranslateForm(this);
}

QFrame* TfrmLegend::Swatch(const char* name) {
  return findChild<QFrame*>(QLatin1String(name));
}

void TfrmLegend::ShowLegend(const QColor& defined, const QColor& undefined, const QColor& undefinedChoice,
                            const QColor& defaultValue, const QColor& constant) {
  const std::pair<const char*, QColor> colours[] = {{"pnlDefined", defined},
                                                    {"pnlUndefined", undefined},
                                                    {"pnlUndefined_choice", undefinedChoice},
                                                    {"pnlDefault", defaultValue},
                                                    {"pnlConstant", constant}};
  for (const auto& [name, colour] : colours) {
    QFrame* swatch = Swatch(name);
    QPalette pal = swatch->palette();
    pal.setColor(QPalette::Window, colour);
    swatch->setPalette(pal);
  }
  exec();
}
