#include "workspace/TframeVariableData.h"

#include "app/TArtwork.h"
#include "app/uUtils.h"
#include "data/TDataSet.h"
#include "data/TDialogs.h"
#include "model/TPRA.h"
#include "model/TVariableValue.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>
#include <cmath>

namespace {

const QString S = QStringLiteral("\n\r"); // line feed, then carriage return

QString GeneralNumber(double v) {
  return QString::number(v, 'g', 15);
}

// Parses what the user typed: nullopt for an empty text, a NaN for text that
// is not a number yet.
std::optional<double> Parse(const QString& text, bool& valid) {
  const QString t = text.trimmed();
  valid = true;
  if (t.isEmpty()) return std::nullopt;
  bool ok = false;
  double v = QLocale().toDouble(t, &ok);
  if (!ok) v = t.toDouble(&ok);
  valid = ok && std::isfinite(v);
  return v;
}

} // namespace

TframeVariableData::TframeVariableData(QWidget* parent) : QFrame(parent) {
  setFixedHeight(24);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 1, 2, 1);
  layout->setSpacing(4);
  lblTitle = new QLabel(QStringLiteral("Title"), this);
  lblTitle->setObjectName(QStringLiteral("lblTitle"));
  lblTitle->setMinimumWidth(60);
  btnHelp = new QToolButton(this);
  btnHelp->setObjectName(QStringLiteral("btnHelp"));
  btnHelp->setAutoRaise(true);
  btnHelp->setIcon(TArtwork::Icon(QStringLiteral("help")));
  btnHelp->setIconSize(QSize(14, 14));
  connect(btnHelp, &QToolButton::clicked, this, &TframeVariableData::btnHelpClick);
  edtValue = new QLineEdit(this);
  edtValue->setObjectName(QStringLiteral("edtValue"));
  edtValue->setFixedWidth(97);
  edtValue->setAlignment(Qt::AlignRight);
  edtValue->installEventFilter(this);
  connect(edtValue, &QLineEdit::returnPressed, this, &TframeVariableData::edtValueExit);
  UpDown = new QWidget(this);
  UpDown->setObjectName(QStringLiteral("UpDown"));
  auto* upDownLayout = new QHBoxLayout(UpDown);
  upDownLayout->setContentsMargins(0, 0, 0, 0);
  upDownLayout->setSpacing(0);
  for (bool up : {true, false}) {
    auto* b = new QToolButton(UpDown);
    b->setObjectName(up ? QStringLiteral("btnUp") : QStringLiteral("btnDown"));
    b->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
    b->setFixedSize(16, 18);
    connect(b, &QToolButton::clicked, this, [this, up] { UpDownClick(up); });
    upDownLayout->addWidget(b);
  }
  UpDown->hide();
  lblChoice = new QLabel(QStringLiteral("(x)"), this);
  lblChoice->setObjectName(QStringLiteral("lblChoice"));
  lblChoice->setFixedWidth(24);
  lblUnit = new QLabel(QStringLiteral("Unit"), this);
  lblUnit->setObjectName(QStringLiteral("lblUnit"));
  layout->addWidget(lblTitle, 1);
  layout->addWidget(btnHelp);
  layout->addWidget(edtValue);
  layout->addWidget(UpDown);
  layout->addWidget(lblChoice);
  lblUnit->setMinimumWidth(40);
  layout->addWidget(lblUnit, 1);
}

TframeVariableData::~TframeVariableData() {
  if (VariableValue) VariableValue->DetachControl(this);
}

QString TframeVariableData::FieldName() const {
  return Variable ? Variable->Name : QString();
}

int TframeVariableData::DisplayPrecision(int precision) {
  return std::clamp(precision, 2, 15);
}

void TframeVariableData::SetEditColour(const QColor& colour) {
  QPalette pal = edtValue->palette();
  pal.setColor(QPalette::Base, colour);
  edtValue->setPalette(pal);
}

void TframeVariableData::SetValueColour(TValueColour colour) {
  switch (colour) {
  case TValueColour::Defined:
    SetEditColour(QApplication::palette().color(QPalette::Base));
    break;
  case TValueColour::UndefinedChoice:
    SetEditColour(COLOUR_UNDEFINED_CHOICE);
    break;
  case TValueColour::Undefined:
    SetEditColour(COLOUR_UNDEFINED);
    break;
  }
}

void TframeVariableData::LoadVariable(const TVariable* variable, TDataSet* dataset) {
  try {
    if (dataset_) disconnect(dataset_, nullptr, this, nullptr);
    Variable = variable;
    dataset_ = nullptr;
    lblTitle->setText(variable->Label);
    lblUnit->setText(variable->Unit);
    if (!dataset) throw EZelvanError(QStringLiteral("no dataset"));
    if (!dataset->Active()) dataset->Open();
    if (!dataset->HasField(variable->Name)) {
      ShowWarning(
          QStringLiteral("Variable \"%1\" not present in scenario table. Automatically added.\"").arg(variable->Name));
      SetEditColour(QColor(255, 0, 0));
      edtValue->setText(QString());
      return;
    }
    dataset_ = dataset;
    connect(dataset_, &TDataSet::CurrentChanged, this, &TframeVariableData::ShowFieldValue);
    connect(dataset_, &TDataSet::DataChanged, this, &TframeVariableData::ShowFieldValue);
    ValueKind = variable->HasConstant() ? vkConstant : variable->HasDefault() ? vkDefault : vkVariable;
    edtValue->setReadOnly(ValueKind == vkConstant);
    edtValue->setFocusPolicy(ValueKind == vkConstant ? Qt::NoFocus : Qt::StrongFocus);
    if (ValueKind == vkConstant) SetEditColour(COLOUR_CONSTANT);
    if (ValueKind == vkDefault) SetEditColour(COLOUR_DEFAULT);
    if (ValueKind == vkVariable) SetEditColour(QApplication::palette().color(QPalette::Base));
    lblChoice->setText(variable->HasChoice() ? QStringLiteral("(%1)").arg(variable->ChoiceId) : QString());
    btnHelp->setToolTip(BuildHint().replace(S, QStringLiteral("\n")));
    ShowFieldValue();
  } catch (const std::exception&) {
    ShowError(QStringLiteral("Error in \"TframeVariableData.LoadVariable(AVariable : TVariable)\" for var \"%1\"")
                  .arg(variable ? variable->Label : QString()));
  }
}

void TframeVariableData::DetachValue(const TVariableValue* value) {
  if (VariableValue == value) VariableValue = nullptr;
}

void TframeVariableData::BindValue(TVariableValue* value) {
  if (VariableValue == value) return;
  if (VariableValue) VariableValue->DetachControl(this);
  VariableValue = value;
  if (value) value->AttachControl(this);
  btnHelp->setToolTip(BuildHint().replace(S, QStringLiteral("\n")));
}

void TframeVariableData::ShowFieldValue() {
  if (!dataset_ || !Variable || exiting_) return;
  if (edtValue->hasFocus() && edtValue->isModified()) return; // do not overwrite what is being typed
  QString text;
  if (dataset_->Active() && dataset_->RecNo() >= 0 && dataset_->HasField(Variable->Name) &&
      !dataset_->IsNull(Variable->Name)) {
    const double v = dataset_->AsFloat(Variable->Name);
    text = std::isinf(v)
               ? (v > 0 ? QStringLiteral("+oo") : QStringLiteral("-oo"))
               : QLocale().toString(v, 'g', DisplayPrecision(Variable->Precision == 255 ? 15 : Variable->Precision));
    text.remove(QLocale().groupSeparator());
  }
  edtValue->setText(text);
  edtValue->setModified(false);
}

QString TframeVariableData::RangeText() const {
  if (!Variable) return QString();
  const bool noMin = std::isinf(Variable->RangeMin) && Variable->RangeMin < 0;
  const bool noMax = std::isinf(Variable->RangeMax) && Variable->RangeMax > 0;
  if (noMin && noMax) return QStringLiteral("unrestricted");
  return (noMin ? QStringLiteral("-oo") : GeneralNumber(Variable->RangeMin)) + QStringLiteral(" - ") +
         (noMax ? QStringLiteral("+oo") : GeneralNumber(Variable->RangeMax));
}

QString TframeVariableData::BuildHint() const {
  if (!Variable) return QString();
  static const char* const Kinds[] = {"variable", "constant", "variable (default value)"};
  const QString constant = Variable->HasConstant()  ? QStringLiteral("constant: ") + GeneralNumber(Variable->Constant)
                           : Variable->HasDefault() ? QStringLiteral("default: ") + GeneralNumber(Variable->Default)
                                                    : QStringLiteral("-");
  QString hint = QStringLiteral("%1 %2 name: %3 %4 descr: %5 %6 unit: [%7] %8 range: [%9] %10 %11")
                     .arg(QLatin1String(Kinds[ValueKind]), S, Variable->Name, S, Variable->Descr, S, Variable->Unit, S,
                          RangeText())
                     .arg(S, constant);
  if (VariableValue) hint += QStringLiteral("%1 value: %2").arg(S, QLocale().toString(VariableValue->Value, 'f', 2));
  return hint;
}

bool TframeVariableData::CheckRange(const std::optional<double>& value) {
  if (!Variable) return true;
  if (!value || (*value >= Variable->RangeMin && *value <= Variable->RangeMax) || Variable->HasConstant()) return true;
  Dialogs().Show(TDialogKind::Warning,
                 QStringLiteral("Variable \"%1\" out of range.\r\nAllowed range: %2").arg(Variable->Label, RangeText()),
                 mbRetry, mbRetry);
  edtValue->setFocus();
  return false;
}

void TframeVariableData::edtValueExit() {
  if (!Variable || exiting_) return;
  bool valid = true;
  const std::optional<double> typed = Parse(edtValue->text(), valid);
  if (!valid) {
    // Not a number yet: keep the focus with the text selected, say nothing.
    edtValue->setFocus();
    edtValue->selectAll();
    return;
  }
  exiting_ = true;
  struct TReset {
    bool& Flag;
    ~TReset() { Flag = false; }
  } reset{exiting_};
  if (!VariableValue || !dataset_) return;
  if (CheckRange(typed)) {
    // The edit writes its column first, as a data-aware edit does.
    if (edtValue->isModified() && dataset_->RecNo() >= 0) {
      const bool changed = typed ? (dataset_->IsNull(Variable->Name) || dataset_->AsFloat(Variable->Name) != *typed)
                                 : !dataset_->IsNull(Variable->Name);
      if (changed) {
        try {
          dataset_->Edit();
          dataset_->SetValue(Variable->Name, typed ? QVariant(*typed) : QVariant());
          dataset_->Post();
        } catch (const EDatabaseError& e) {
          dataset_->Cancel();
          ShowError(e.Message());
        }
      }
    }
    const double stored = typed ? *typed : UNDEFINED_VALUE;
    if (stored != VariableValue->Value) VariableValue->StoreValue(stored);
    btnHelp->setToolTip(BuildHint().replace(S, QStringLiteral("\n")));
    edtValue->setModified(false);
  }
  if (PRA) PRA->CalcDerivedValue(VariableValue->Variable->Name);
  exiting_ = false;
  ShowFieldValue();
}

void TframeVariableData::btnHelpClick() {
  UpDown->setVisible(!UpDown->isVisible());
}

void TframeVariableData::UpDownClick(bool up) {
  if (!Variable) return;
  Variable->Precision = static_cast<std::uint8_t>(Variable->Precision + (up ? 1 : -1)); // wraps around
  // Every editor of the variable shows the new precision.
  if (QWidget* top = window())
    for (auto* editor : top->findChildren<TframeVariableData*>())
      if (editor->Variable == Variable) editor->ShowFieldValue();
}

bool TframeVariableData::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edtValue) {
    if (event->type() == QEvent::FocusOut) {
      edtValueExit();
    } else if (event->type() == QEvent::KeyPress) {
      // Only what can be part of a number.
      auto* key = static_cast<QKeyEvent*>(event);
      const QString t = key->text();
      if (!t.isEmpty() && t.at(0).isPrint()) {
        const QChar c = t.at(0);
        const bool numeric = c.isDigit() || c == QLatin1Char('+') || c == QLatin1Char('-') ||
                             c.toUpper() == QLatin1Char('E') || c == QLocale().decimalPoint().at(0) ||
                             c == QLatin1Char('.');
        if (!numeric) {
          QApplication::beep();
          return true;
        }
      }
    }
  }
  return QFrame::eventFilter(watched, event);
}
