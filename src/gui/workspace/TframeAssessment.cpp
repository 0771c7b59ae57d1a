#include "workspace/TframeAssessment.h"

#include "app/TArtwork.h"
#include "app/uUtils.h"
#include "calc/uCalc.h"
#include "data/TManager.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QToolButton>
#include <cmath>

namespace {

const QString ErrorHint = QStringLiteral("Error! Calculation could not be completed due to missing input data");

QString CountHint(const char* what, const TCountRec& c) {
  return QStringLiteral("%1: %2 out of %3 complete (%4)\n\rClick for details")
      .arg(QLatin1String(what))
      .arg(c.Filled)
      .arg(c.Total)
      .arg(c.Missing);
}

QString Shown(const QString& hint) {
  QString h = hint;
  return h.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
}

struct TEtrHints {
  const char* First;
  const char* Second;
};

TEtrHints HintsOf(int area) {
  switch (area) {
  case ttAquatic:
    return {"ETR water-acute", "ETR water-chronic"};
  case ttTerrestrial:
    return {"ETR soil-acute", "ETR soil-chronic"};
  case ttGroundwater:
    return {"ETR groundwater", nullptr};
  case ttDietary:
    return {"ETR diet", nullptr};
  case ttBees:
    return {"ETR bee", nullptr};
  default:
    return {"ETR NTA in-field", "ETR NTA off-field"};
  }
}

} // namespace

QString TframeAssessment::FormatETR(double value) {
  if (value == 0) return QStringLiteral("0");
  const QLocale locale;
  const bool negative = value < 0;
  const double a = std::fabs(value);
  // Two significant digits: a = 0.d1d2 x 10^e.
  int e = static_cast<int>(std::floor(std::log10(a))) + 1;
  double digits = std::round(a / std::pow(10.0, e - 2)); // d1d2 as an integer 10..99
  if (digits >= 100) {
    digits = std::round(digits / 10);
    ++e;
  }
  const int d1 = static_cast<int>(digits) / 10, d2 = static_cast<int>(digits) % 10;
  QString text;
  if (e >= -3 && e <= 2) {
    const double rounded = digits * std::pow(10.0, e - 2);
    const int decimals = std::max(0, 2 - e);
    text = locale.toString(rounded, 'f', decimals);
    text.remove(locale.groupSeparator());
    if (text.contains(locale.decimalPoint())) {
      while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
      if (text.endsWith(locale.decimalPoint())) text.chop(locale.decimalPoint().size());
    }
  } else {
    text = QString::number(d1);
    if (d2 != 0) text += locale.decimalPoint() + QString::number(d2);
    const int exponent = e - 1;
    text += QStringLiteral("E") + (exponent < 0 ? QStringLiteral("-") : QString()) +
            QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
  }
  return negative ? QStringLiteral("-") + text : text;
}

TframeAssessment::TframeAssessment(QWidget* parent) : QFrame(parent) {
  setFixedHeight(45);
  setFrameShape(QFrame::StyledPanel);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 1, 4, 1);
  btnTopic = new QToolButton(this);
  btnTopic->setObjectName(QStringLiteral("btnTopic"));
  btnTopic->setAutoRaise(true);
  btnTopic->setIconSize(QSize(32, 32));
  btnTopic->setFixedSize(41, 41);
  lblTopic = new QLabel(QStringLiteral("Assessment"), this);
  lblTopic->setObjectName(QStringLiteral("lblTopic"));
  QFont big(QStringLiteral("Trebuchet MS"));
  big.setPixelSize(21);
  lblTopic->setFont(big);
  lblTopic->setFixedWidth(150);
  layout->addWidget(btnTopic);
  layout->addWidget(lblTopic);
  const auto led = [&](TLed*& l, const char* name) {
    l = new TLed(this);
    l->setObjectName(QLatin1String(name));
    l->setFixedSize(22, 22);
    l->setCursor(Qt::PointingHandCursor);
    l->installEventFilter(this);
    layout->addWidget(l);
  };
  led(ledSC, "ledSC");
  led(ledAP, "ledAP");
  led(ledAI, "ledAI");
  layout->addSpacing(30);
  const auto square = [&](QLabel*& s, const char* name) {
    s = new QLabel(this);
    s->setObjectName(QLatin1String(name));
    s->setFixedSize(34, 34);
    s->setPixmap(TArtwork::RiskPicture(0));
    s->setToolTip(QStringLiteral("undefined"));
    layout->addWidget(s);
  };
  square(btnAssess1, "btnAssess1");
  square(btnAssess2, "btnAssess2");
  btnResults = new QToolButton(this);
  btnResults->setObjectName(QStringLiteral("btnResults"));
  btnResults->setIcon(TArtwork::RiskPicture(7, 40));
  btnResults->setIconSize(QSize(36, 36));
  btnResults->setFixedSize(45, 45);
  btnResults->setAutoRaise(true);
  connect(btnResults, &QToolButton::clicked, this, [this] {
    if (ShowResults) ShowResults(AssessmentType);
  });
  layout->addWidget(btnResults);
  const auto etr = [&](QLabel*& l, const char* name, const QString& caption) {
    l = new QLabel(caption, this);
    l->setObjectName(QLatin1String(name));
    l->setFont(big);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFixedWidth(95);
    layout->addWidget(l);
  };
  etr(lblETR1, "lblETR1", QStringLiteral("ETR1"));
  etr(lblETR2, "lblETR2", QStringLiteral("ETR2"));
  // A hidden second result keeps its place, so the columns line up.
  for (QWidget* w : {static_cast<QWidget*>(btnAssess2), static_cast<QWidget*>(lblETR2)}) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
  }
  layout->addSpacing(12);
  chkForceCalc = new QCheckBox(QStringLiteral("force calculation"), this);
  chkForceCalc->setObjectName(QStringLiteral("chkForceCalc"));
  connect(chkForceCalc, &QCheckBox::clicked, this, &TframeAssessment::chkForceCalcClick);
  layout->addWidget(chkForceCalc);
  layout->addStretch();
}

void TframeAssessment::ShowInputLamps(TLed& sc, TLed& ap, TLed& ai, const TInputDataRec& rec) {
  const int s = rec.Pesticide.Status;
  ai.SetLit(s != 0, s == 2 ? QColor(255, 255, 0) : QColor(0, 255, 0));
  ai.setToolTip(Shown(CountHint("Pesticide", rec.Pesticide)));
  ap.SetLit(rec.Application.Filled == rec.Application.Total, QColor(0, 255, 0));
  ap.setToolTip(Shown(CountHint("Application", rec.Application)));
  sc.SetLit(rec.Scenario.Filled == rec.Scenario.Total, QColor(0, 255, 0));
  sc.setToolTip(Shown(CountHint("Scenario", rec.Scenario)));
}

QWidget* TframeAssessment::BuildHeading(QWidget* parent) {
  auto* heading = new QWidget(parent);
  heading->setObjectName(QStringLiteral("pnlAssessmentHeading"));
  auto* layout = new QHBoxLayout(heading);
  layout->setContentsMargins(5, 0, 5, 0);
  const struct {
    const char* Text;
    int Width;
    const char* Hint;
  } columns[] = {{"Assessment Type", 197, nullptr},
                 {"State Of Input Data", 112, "Physical Scenario, Application Scheme, Pesticide Characteristics"},
                 {"Risk Analysis", 127, "Details: the magnifier opens the results"},
                 {"ETR1", 95, nullptr},
                 {"(ETR2)", 95, nullptr}};
  for (const auto& c : columns) {
    auto* label = new QLabel(QLatin1String(c.Text), heading);
    label->setStyleSheet(QStringLiteral("font-weight: bold;"));
    label->setFixedWidth(c.Width);
    label->setAlignment(c.Width == 95 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    if (c.Hint) label->setToolTip(QLatin1String(c.Hint));
    layout->addWidget(label);
  }
  layout->addStretch();
  return heading;
}

void TframeAssessment::Setup(TTopicType area, const QString& caption, QAction* pageAction, TManager* manager) {
  AssessmentType = area;
  lblTopic->setText(caption);
  btnTopic->setIcon(pageAction->icon());
  btnTopic->setToolTip(pageAction->text());
  connect(btnTopic, &QToolButton::clicked, pageAction, &QAction::trigger);
  manager_ = manager;
}

void TframeAssessment::SetPicture(QLabel* square, int index, int& shown) {
  shown = index;
  square->setPixmap(TArtwork::RiskPicture(index));
}

bool TframeAssessment::RefreshPanel() {
  if (!manager_ || !manager_->IsReady()) return false;
  TPRA& pra = *manager_->CurrentPRA;
  pra.GetInputData(AssessmentType, InputData);
  ShowInputLamps(*ledSC, *ledAP, *ledAI, InputData);

  SetPicture(btnAssess1, 0, RiskPicture1);
  SetPicture(btnAssess2, 0, RiskPicture2);
  lblETR1->setText(QStringLiteral("n.a."));
  lblETR2->setText(QStringLiteral("n.a."));
  btnAssess2->hide();
  lblETR2->hide();
  btnAssess1->setToolTip(QStringLiteral("undefined"));
  btnAssess2->setToolTip(QStringLiteral("undefined"));
  if (InputData.Status == 0 && !chkForceCalc->isChecked()) return false;

  TAssessment* a = pra.GetAssessment(AssessmentType);
  const TResultNames names = ResultNames(AssessmentType);
  const TEtrHints hints = HintsOf(AssessmentType);
  const double etr1 = a->Scenario->GetValue(QLatin1String(names.Etr1));
  const double etr2 = names.Etr2 ? a->Scenario->GetValue(QLatin1String(names.Etr2)) : UNDEFINED_VALUE;
  lblETR1->setToolTip(QLatin1String(hints.First));
  if (hints.Second) lblETR2->setToolTip(QLatin1String(hints.Second));
  const auto show = [&](double etr, int riskClass, QLabel* label, QLabel* square, int& shown) {
    if (etr != UNDEFINED_VALUE) {
      label->setText(FormatETR(etr));
      square->setToolTip(RiskClassNames.value(riskClass));
      SetPicture(square, riskClass, shown);
    } else {
      label->setText(QStringLiteral("Error!"));
      square->setToolTip(ErrorHint);
      SetPicture(square, 0, shown);
    }
  };
  show(etr1, a->Result.RiskClass1, lblETR1, btnAssess1, RiskPicture1);
  show(etr2, a->Result.RiskClass2, lblETR2, btnAssess2, RiskPicture2);
  if (names.Etr2) {
    btnAssess2->show();
    lblETR2->show();
  }
  return InputData.Status > 0;
}

void TframeAssessment::chkForceCalcClick() {
  if (chkForceCalc->isChecked() && manager_ && manager_->IsReady())
    manager_->CurrentPRA->GetAssessment(AssessmentType)->Calculate();
  RefreshPanel();
}

bool TframeAssessment::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && manager_ && manager_->CurrentPRA && ShowItem) {
    TPRA& pra = *manager_->CurrentPRA;
    if (watched == ledAI) ShowItem(ttPesticide, pra.AiId);
    if (watched == ledAP) ShowItem(ttApplication, pra.ApId);
    if (watched == ledSC) ShowItem(AssessmentType, pra.GetTopicId(AssessmentType));
  }
  return QFrame::eventFilter(watched, event);
}
