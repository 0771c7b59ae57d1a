#include "model/TVariableList.h"

#include "data/SqlTexts.h"
#include "data/TDialogs.h"
#include "data/Tdm.h"

namespace {

double FloatOr(const TDataSet& ds, const char* field, double whenNull) {
  return ds.HasField(QLatin1String(field)) && !ds.IsNull(QLatin1String(field)) ? ds.AsFloat(QLatin1String(field))
                                                                               : whenNull;
}

bool Flag(const TDataSet& ds, const char* field) {
  // Yes/No columns: any non-zero value is true.
  return ds.HasField(QLatin1String(field)) && !ds.IsNull(QLatin1String(field)) &&
         ds.AsFloat(QLatin1String(field)) != 0.0;
}

std::uint8_t DigitsOr255(const TDataSet& ds, const char* field) {
  const double v = FloatOr(ds, field, 255);
  return v >= 0 && v <= 255 ? static_cast<std::uint8_t>(v) : 255;
}

} // namespace

TVariableList::TVariableList(Tdm& data) {
  TDataSet ds;
  data.OpenQueryInto(dkMain, QLatin1String(Sql::VariableCatalogue), ds);
  // A missing text column reads as NULL, so it is reported like an empty cell.
  const auto text = [&](const char* field) {
    return ds.HasField(QLatin1String(field)) ? ds.Value(QLatin1String(field)) : QVariant();
  };
  for (int row = 0; row < ds.RecordCount(); ++row) {
    ds.MoveTo(row);
    auto v = std::make_unique<TVariable>();
    v->Id = ds.AsInteger(QStringLiteral("id"));
    if (!text("type").isNull()) v->VarType = StrToVarType(text("type").toString());
    const QString rowName = text("name").toString();
    if (text("topic").isNull())
      ShowWarning(QStringLiteral("Table \"variable\": TOPIC undefined for variable \"%1\".").arg(rowName));
    else
      v->Topic = StrToTopic(text("topic").toString());
    if (text("name").isNull())
      ShowWarning(QStringLiteral("Table \"variable\": NAME undefined for variable id %1.").arg(v->Id));
    else
      v->Name = rowName;
    const struct {
      const char* Field;
      const char* Caption;
      QString TVariable::*Member;
    } texts[] = {{"label", "LABEL", &TVariable::Label},
                 {"descr", "DESCR", &TVariable::Descr},
                 {"unit", "UNIT", &TVariable::Unit}};
    for (const auto& t : texts) {
      if (text(t.Field).isNull())
        ShowWarning(QStringLiteral("Table \"variable\": %1 undefined for variable \"%2\".")
                        .arg(QLatin1String(t.Caption), rowName));
      else
        (*v).*t.Member = text(t.Field).toString();
    }
    v->RangeMin = FloatOr(ds, "range_min", -std::numeric_limits<double>::infinity());
    v->RangeMax = FloatOr(ds, "range_max", std::numeric_limits<double>::infinity());
    v->Decimals = DigitsOr255(ds, "decimals");
    v->Precision = DigitsOr255(ds, "precision");
    v->Constant = FloatOr(ds, "constant", UNDEFINED_VALUE);
    v->Default = FloatOr(ds, "default", UNDEFINED_VALUE);
    const struct {
      const char* Field;
      TTopicType Area;
    } flags[] = {{"req_aq", ttAquatic}, {"req_te", ttTerrestrial}, {"req_be", ttBees},
                 {"req_nt", ttNTA},     {"req_gw", ttGroundwater}, {"req_di", ttDietary}};
    for (const auto& f : flags)
      if (Flag(ds, f.Field)) v->Required.Include(f.Area);
    v->ChoiceId = static_cast<int>(FloatOr(ds, "choice_id", UNDEFINED_VALUE));
    v->OptionId = static_cast<int>(FloatOr(ds, "option_id", 0));
    items_.push_back(v.get());
    owned_.push_back(std::move(v));
  }
}

const TVariable* TVariableList::FindByName(const QString& name) const {
  for (const TVariable* v : items_)
    if (v->Name.compare(name, Qt::CaseInsensitive) == 0) return v;
  return nullptr;
}
