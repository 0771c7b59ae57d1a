// zelvan-cli: the assessment core without a window. It runs exactly the code
// the desktop program runs: the same data module, catalogue, PRA and models.
#include "calc/uCalc.h"
#include "data/TManager.h"
#include "data/TPRALoader.h"
#include "data/Tdm.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cmath>
#include <cstdio>

namespace {

const char* const Usage = "usage: zelvan-cli COMMAND [options]\n"
                          "\n"
                          "commands:\n"
                          "  assess     calculate a PRA and print its outcome\n"
                          "  catalogue  list the variable catalogue of a main database\n"
                          "  items      list every item of the databases with id and name\n"
                          "\n"
                          "zelvan-cli COMMAND --help describes a command's options.\n";

QTextStream& Out() {
  static QTextStream out(stdout);
  return out;
}

int Fail(int code, const QString& message) {
  Out().flush();
  std::fprintf(stderr, "zelvan-cli: %s\n", qPrintable(message));
  return code;
}

// The shortest text that reads back to the same double.
QString NumberText(double v) {
  if (std::isinf(v)) return v > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
  return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

QJsonValue JsonNumber(double v) {
  if (v == UNDEFINED_VALUE) return QJsonValue::Null;
  if (std::isinf(v) || std::isnan(v)) return NumberText(v);
  return v;
}

// Five significant digits: enough for a person, exact values are in json and csv.
QString ValueText(double v) {
  if (v == UNDEFINED_VALUE) return QStringLiteral("undefined");
  return std::isinf(v) ? NumberText(v) : QString::number(v, 'g', 5);
}

bool CheckFormat(const QCommandLineParser& parser, const QStringList& allowed, QString& format) {
  format = parser.value(QStringLiteral("format"));
  return allowed.contains(format);
}

// Connects the databases named on the command line; messages go to stderr.
class TSession {
 public:
  Tdm Data;
  TManager Manager{Data};

  QString OpenMain(const QString& path) {
    if (!Manager.ConnectMainDatabase(path))
      return QStringLiteral("cannot open main database \"%1\" (missing, not a database, or without a "
                            "variable catalogue)")
          .arg(path);
    return QString();
  }
  QString OpenAI(const QString& path) {
    if (!Manager.ConnectAIDatabase(path))
      return QStringLiteral("cannot open pesticide database \"%1\" (missing, not a database, or without table "
                            "EXPORT_0)")
          .arg(path);
    return QString();
  }
};

int Catalogue(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Lists the variable catalogue of a main database."));
  parser.addHelpOption();
  parser.addOption({QStringLiteral("main"), QStringLiteral("Main database file."), QStringLiteral("FILE")});
  parser.addOption({QStringLiteral("format"), QStringLiteral("text, csv or json (default text)."),
                    QStringLiteral("FORMAT"), QStringLiteral("text")});
  if (!parser.parse(args)) return Fail(2, parser.errorText());
  if (parser.isSet(QStringLiteral("help"))) {
    Out() << parser.helpText();
    return 0;
  }
  QString format;
  if (!CheckFormat(parser, {QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("json")}, format))
    return Fail(2, QStringLiteral("unknown format \"%1\"").arg(format));
  if (!parser.isSet(QStringLiteral("main"))) return Fail(2, QStringLiteral("catalogue: --main FILE is required"));
  TSession session;
  if (const QString error = session.OpenMain(parser.value(QStringLiteral("main"))); !error.isEmpty())
    return Fail(1, error);

  const auto bound = [](double v) { return std::isinf(v) ? QString() : NumberText(v); };
  const auto optional = [](double v) { return v == UNDEFINED_VALUE ? QString() : NumberText(v); };
  const auto areas = [](const TVariable& v) {
    QStringList codes;
    for (int t = 0; t < AREA_COUNT; ++t)
      if (v.Required.Contains(t)) codes << TopicTypeToCode(t);
    return codes;
  };
  const auto& items = session.Manager.Service->VariableList.Items();
  if (format == QLatin1String("json")) {
    QJsonArray list;
    for (const TVariable* v : items)
      list.append(QJsonObject{{"name", v->Name},
                              {"type", VarTypeToStr(*v)},
                              {"topic", TopicToStr(*v)},
                              {"label", v->Label},
                              {"unit", v->Unit},
                              {"descr", v->Descr},
                              {"constant", JsonNumber(v->Constant)},
                              {"default", JsonNumber(v->Default)},
                              {"rangeMin", std::isinf(v->RangeMin) ? QJsonValue() : QJsonValue(v->RangeMin)},
                              {"rangeMax", std::isinf(v->RangeMax) ? QJsonValue() : QJsonValue(v->RangeMax)},
                              {"required", QJsonArray::fromStringList(areas(*v))},
                              {"choiceId", v->HasChoice() ? QJsonValue(v->ChoiceId) : QJsonValue()},
                              {"optionId", v->OptionId}});
    Out() << QJsonDocument(list).toJson(QJsonDocument::Indented);
    return 0;
  }
  const QString sep = format == QLatin1String("csv") ? QStringLiteral(",") : QStringLiteral("\t");
  Out() << QStringList(
               {"type", "topic", "name", "unit", "default", "constant", "range_min", "range_max", "required", "label"})
               .join(sep)
        << '\n';
  for (const TVariable* v : items) {
    QString label = v->Label;
    if (format == QLatin1String("csv") && (label.contains(',') || label.contains('"')))
      label = QLatin1Char('"') + label.replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
    Out() << QStringList({VarTypeToStr(*v), TopicToStr(*v), v->Name, v->Unit, optional(v->Default),
                          optional(v->Constant), bound(v->RangeMin), bound(v->RangeMax), areas(*v).join(' '), label})
                 .join(sep)
          << '\n';
  }
  return 0;
}

int Items(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Lists every item of the main and pesticide databases."));
  parser.addHelpOption();
  parser.addOption({QStringLiteral("main"), QStringLiteral("Main database file."), QStringLiteral("FILE")});
  parser.addOption({QStringLiteral("ai"), QStringLiteral("Pesticide database file."), QStringLiteral("FILE")});
  if (!parser.parse(args)) return Fail(2, parser.errorText());
  if (parser.isSet(QStringLiteral("help"))) {
    Out() << parser.helpText();
    return 0;
  }
  if (!parser.isSet(QStringLiteral("main")) || !parser.isSet(QStringLiteral("ai")))
    return Fail(2, QStringLiteral("items: --main FILE and --ai FILE are required"));
  TSession session;
  if (const QString error = session.OpenMain(parser.value(QStringLiteral("main"))); !error.isEmpty())
    return Fail(1, error);
  if (const QString error = session.OpenAI(parser.value(QStringLiteral("ai"))); !error.isEmpty()) return Fail(1, error);
  TPRALoader loader(session.Data);
  const std::pair<int, const char*> kinds[] = {
      {PRA_ITEM_TYPE, "pra"}, {ttPesticide, "pesticide"},     {ttApplication, "application"},
      {ttAquatic, "aquatic"}, {ttTerrestrial, "terrestrial"}, {ttBees, "bees"},
      {ttNTA, "nta"},         {ttGroundwater, "groundwater"}, {ttDietary, "dietary"}};
  for (const auto& [kind, caption] : kinds) {
    TDataSet* ds = loader.ItemList(kind);
    Out() << caption << '\n';
    for (int row = 0; row < ds->RecordCount(); ++row) {
      ds->MoveTo(row);
      const bool ro = ds->HasField(QStringLiteral("readonly")) && ds->AsFloat(QStringLiteral("readonly")) != 0;
      Out() << "  " << ds->AsInteger(QStringLiteral("id")) << '\t' << ds->AsString(QStringLiteral("name"))
            << (ro ? "\t(read only)" : "") << '\n';
    }
  }
  return 0;
}

// The item options of `assess`, in the order the items are resolved.
const std::pair<int, const char*> ItemOptions[] = {{ttPesticide, "pesticide"},
                                                   {ttApplication, "application"},
                                                   {ttAquatic, "aquatic"},
                                                   {ttTerrestrial, "terrestrial"},
                                                   {ttBees, "bees"},
                                                   {ttNTA, "nta"},
                                                   {ttGroundwater, "groundwater"},
                                                   {ttDietary, "dietary"}};

const TTopicType AreaOrder[] = {ttAquatic, ttTerrestrial, ttBees, ttNTA, ttGroundwater, ttDietary};

QJsonObject ValuesObject(const std::vector<TVariableValue*>& values) {
  QJsonObject o;
  for (const TVariableValue* v : values)
    o.insert(v->Variable->Name, JsonNumber(v->Value));
  return o;
}

std::vector<TVariableValue*> ScenarioValues(const TAssessment& a) {
  std::vector<TVariableValue*> values;
  for (const auto& v : a.Scenario->Values)
    values.push_back(v.get());
  return values;
}

QJsonArray Names(const QString& missing) {
  return QJsonArray::fromStringList(missing.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

QJsonArray Messages(const QStringList* list) {
  return list ? QJsonArray::fromStringList(*list) : QJsonArray();
}

int Assess(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Loads a saved PRA and/or the named items, calculates all six assessments and prints the "
                     "outcome. A NAME may also be #ID. Items not chosen fall back to the first read-only item "
                     "of their list; without --pra the first read-only saved PRA supplies them."));
  parser.addHelpOption();
  parser.addOption({QStringLiteral("main"), QStringLiteral("Main database file."), QStringLiteral("FILE")});
  parser.addOption({QStringLiteral("ai"), QStringLiteral("Pesticide database file."), QStringLiteral("FILE")});
  parser.addOption({QStringLiteral("pra"), QStringLiteral("Saved PRA."), QStringLiteral("NAME")});
  for (const auto& [type, option] : ItemOptions)
    parser.addOption(
        {QLatin1String(option), QStringLiteral("%1 item.").arg(TopicTypeToName(type)), QStringLiteral("NAME")});
  parser.addOption({QStringLiteral("format"), QStringLiteral("text, json or csv (default text)."),
                    QStringLiteral("FORMAT"), QStringLiteral("text")});
  if (!parser.parse(args)) return Fail(2, parser.errorText());
  if (parser.isSet(QStringLiteral("help"))) {
    Out() << parser.helpText();
    return 0;
  }
  if (!parser.positionalArguments().isEmpty())
    return Fail(2, QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
  QString format;
  if (!CheckFormat(parser, {QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("json")}, format))
    return Fail(2, QStringLiteral("unknown format \"%1\"").arg(format));
  if (!parser.isSet(QStringLiteral("main")) || !parser.isSet(QStringLiteral("ai")))
    return Fail(2, QStringLiteral("assess: --main FILE and --ai FILE are required"));

  TSession session;
  if (const QString error = session.OpenMain(parser.value(QStringLiteral("main"))); !error.isEmpty())
    return Fail(1, error);
  if (const QString error = session.OpenAI(parser.value(QStringLiteral("ai"))); !error.isEmpty()) return Fail(1, error);
  if (!session.Manager.IsReady()) return Fail(1, QStringLiteral("the catalogue of the main database is empty"));
  TPRA& pra = *session.Manager.CurrentPRA;
  TPRALoader loader(session.Data);

  if (parser.isSet(QStringLiteral("pra"))) {
    const int id = loader.FindItem(PRA_ITEM_TYPE, parser.value(QStringLiteral("pra")));
    if (!loader.SelectPRA(pra, id))
      return Fail(1, QStringLiteral("unknown PRA \"%1\"").arg(parser.value(QStringLiteral("pra"))));
  } else {
    // As the comparison columns do: the first read-only saved PRA supplies the items.
    loader.SelectPRA(pra, loader.FirstReadOnlyId(PRA_ITEM_TYPE));
  }
  for (const auto& [type, option] : ItemOptions) {
    if (!parser.isSet(QLatin1String(option))) continue;
    const QString name = parser.value(QLatin1String(option));
    const int id = loader.FindItem(type, name);
    if (id == 0) return Fail(1, QStringLiteral("unknown %1 \"%2\"").arg(QLatin1String(option), name));
    pra.SetTopicId(type, id);
  }
  loader.LoadItems(pra);
  pra.CalculateAll(false);

  const auto item = [&](int type) -> QJsonValue {
    const int id = type == PRA_ITEM_TYPE ? pra.PraId : pra.GetTopicId(type);
    if (id == 0) return QJsonValue::Null;
    const QString name = type == PRA_ITEM_TYPE ? pra.PRAName : pra.GetTopic(type)->Name;
    return QJsonObject{{"id", id}, {"name", name}};
  };

  QJsonArray assessments;
  for (TTopicType area : AreaOrder) {
    const TAssessment& a = *pra.GetAssessment(area);
    TInputDataRec input;
    a.GetInputData(input);
    const TResultNames etr = ResultNames(area);
    const auto etrObject = [&](const char* name) -> QJsonValue {
      if (!name) return QJsonValue::Null;
      const TVariableValue* v = a.Scenario->FindValue(QLatin1String(name));
      return QJsonObject{{"name", QLatin1String(name)}, {"value", v ? JsonNumber(v->Value) : QJsonValue()}};
    };
    // A fresh PRA's result holds no message lists until its first calculation.
    const bool calculated = a.Result.ScenarioMessages != nullptr;
    assessments.append(QJsonObject{{"area", TopicTypeToName(area)},
                                   {"status", input.Status},
                                   {"calculated", calculated},
                                   {"riskClass1", a.Result.RiskClass1},
                                   {"riskClass2", a.Result.RiskClass2},
                                   {"etr1", etrObject(etr.Etr1)},
                                   {"etr2", etrObject(etr.Etr2)},
                                   {"missing", QJsonObject{{"pesticide", Names(input.Pesticide.Missing)},
                                                           {"application", Names(input.Application.Missing)},
                                                           {"scenario", Names(input.Scenario.Missing)}}},
                                   {"messages", QJsonObject{{"pesticide", Messages(a.Result.PesticideMessages)},
                                                            {"application", Messages(a.Result.ApplicationMessages)},
                                                            {"scenario", Messages(a.Result.ScenarioMessages)}}},
                                   {"values", QJsonObject{{"pesticide", ValuesObject(a.PesticideValues)},
                                                          {"application", ValuesObject(a.ApplicationValues)},
                                                          {"scenario", ValuesObject(ScenarioValues(a))}}}});
  }

  if (format == QLatin1String("json")) {
    QJsonObject root{
        {"pra", item(PRA_ITEM_TYPE)}, {"pesticide", item(ttPesticide)},     {"application", item(ttApplication)},
        {"aquatic", item(ttAquatic)}, {"terrestrial", item(ttTerrestrial)}, {"bees", item(ttBees)},
        {"nta", item(ttNTA)},         {"groundwater", item(ttGroundwater)}, {"dietary", item(ttDietary)},
        {"assessments", assessments}};
    Out() << QJsonDocument(root).toJson(QJsonDocument::Indented);
    return 0;
  }

  if (format == QLatin1String("csv")) {
    Out() << "area,list,name,value\n";
    for (TTopicType area : AreaOrder) {
      const TAssessment& a = *pra.GetAssessment(area);
      const std::pair<const char*, std::vector<TVariableValue*>> lists[] = {
          {"pesticide", a.PesticideValues}, {"application", a.ApplicationValues}, {"scenario", ScenarioValues(a)}};
      for (const auto& [list, values] : lists)
        for (const TVariableValue* v : values)
          Out() << TopicTypeToName(area) << ',' << list << ',' << v->Variable->Name << ','
                << (v->Value == UNDEFINED_VALUE ? QString() : NumberText(v->Value)) << '\n';
    }
    return 0;
  }

  // A readable summary for a person.
  const auto itemLine = [&](const char* caption, int type) {
    const QJsonValue v = item(type);
    Out() << QStringLiteral("%1 ").arg(QLatin1String(caption), -13)
          << (v.isNull() ? QStringLiteral("(none)")
                         : QStringLiteral("%1 (#%2)")
                               .arg(v[QLatin1String("name")].toString())
                               .arg(v[QLatin1String("id")].toInt()))
          << '\n';
  };
  itemLine("PRA", PRA_ITEM_TYPE);
  itemLine("Pesticide", ttPesticide);
  itemLine("Application", ttApplication);
  for (TTopicType area : AreaOrder)
    itemLine(qPrintable(TopicTypeToName(area)), area);
  Out() << '\n'
        << QStringLiteral("%1 %2 %3 %4 %5")
               .arg(QStringLiteral("Area"), -12)
               .arg(QStringLiteral("Inputs"), -10)
               .arg(QStringLiteral("ETR"), -28)
               .arg(QStringLiteral("Value"), -12)
               .arg(QStringLiteral("Risk"))
        << '\n';
  const QStringList statusText = {QStringLiteral("missing"), QStringLiteral("complete"), QStringLiteral("optional")};
  for (int i = 0; i < assessments.size(); ++i) {
    const QJsonObject a = assessments[i].toObject();
    const TAssessment& as = *pra.GetAssessment(AreaOrder[i]);
    const TResultNames etr = ResultNames(AreaOrder[i]);
    const auto row = [&](const char* name, int riskClass, bool first) {
      const TVariableValue* v = as.Scenario->FindValue(QLatin1String(name));
      const QString value = v ? ValueText(v->Value) : QStringLiteral("-");
      const QString risk = !a[QLatin1String("calculated")].toBool() ? QStringLiteral("not calculated")
                           : v && v->Value == UNDEFINED_VALUE       ? QStringLiteral("Error!")
                                                                    : RiskClassNames.value(riskClass);
      Out() << QStringLiteral("%1 %2 %3 %4 %5")
                   .arg(first ? a[QLatin1String("area")].toString() : QString(), -12)
                   .arg(first ? statusText.value(a[QLatin1String("status")].toInt()) : QString(), -10)
                   .arg(QLatin1String(name), -28)
                   .arg(value, -12)
                   .arg(risk)
            << '\n';
    };
    row(etr.Etr1, as.Result.RiskClass1, true);
    if (etr.Etr2) row(etr.Etr2, as.Result.RiskClass2, false);
    QStringList missing;
    for (const char* list : {"pesticide", "application", "scenario"})
      for (const QJsonValue& n : a[QLatin1String("missing")][QLatin1String(list)].toArray())
        missing << n.toString();
    if (!missing.isEmpty())
      Out() << QStringLiteral("%1 missing: %2").arg(QString(), -12).arg(missing.join(' ')) << '\n';
    for (const char* list : {"pesticide", "application", "scenario"})
      for (const QJsonValue& m : a[QLatin1String("messages")][QLatin1String(list)].toArray())
        Out() << QStringLiteral("%1 message: %2").arg(QString(), -12).arg(m.toString()) << '\n';
  }
  return 0;
}

} // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("zelvan-cli"));
  QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3.%4")
                                              .arg(ZELVAN_VERSION_MAJOR)
                                              .arg(ZELVAN_VERSION_MINOR)
                                              .arg(ZELVAN_VERSION_PATCH)
                                              .arg(ZELVAN_BUILD_NUMBER));
  const QStringList args = QCoreApplication::arguments();
  const QString command = args.value(1);
  try {
    if (command == QLatin1String("assess")) return Assess(args.mid(1));
    if (command == QLatin1String("catalogue")) return Catalogue(args.mid(1));
    if (command == QLatin1String("items")) return Items(args.mid(1));
  } catch (const EZelvanError& e) {
    return Fail(1, e.Message());
  }
  if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
    Out() << Usage;
    return 0;
  }
  if (command == QLatin1String("--version")) {
    Out() << "zelvan-cli " << QCoreApplication::applicationVersion() << '\n';
    return 0;
  }
  std::fprintf(stderr, "%s", Usage);
  return 2;
}
