// Speed of the two things every assessment does: loading a PRA's items by id
// and calculating all six areas. Figures go into issue notes, not tests.
#include "data/TManager.h"
#include "data/TPRALoader.h"
#include "data/Tdm.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct TReference {
  QTemporaryDir dir;
  Tdm data;
  TManager manager{data};
  TReference() {
    const QString main = dir.filePath("main.sqlite"), ai = dir.filePath("ai.sqlite");
    QFile::copy(ZELVAN_REFERENCE_DATABASES "/zelvan-main.sqlite", main);
    QFile::copy(ZELVAN_REFERENCE_DATABASES "/zelvan-ai.sqlite", ai);
    if (!manager.ConnectMainDatabase(main) || !manager.ConnectAIDatabase(ai)) throw std::runtime_error("no databases");
    TPRALoader loader(data);
    loader.SelectPRA(*manager.CurrentPRA, 1);
    loader.LoadItems(*manager.CurrentPRA);
  }
};

TReference& Reference() {
  static TReference reference;
  return reference;
}

void CalculateAllReferencePRA(benchmark::State& state) {
  TPRA& pra = *Reference().manager.CurrentPRA;
  for (auto _ : state) {
    pra.CalculateAll(false);
    benchmark::DoNotOptimize(pra.Aquatic->Result.RiskClass1);
  }
}
BENCHMARK(CalculateAllReferencePRA);

void LoadPRAByIds(benchmark::State& state) {
  TReference& r = Reference();
  TPRALoader loader(r.data);
  TPRA& pra = *r.manager.EditPRA;
  for (auto _ : state) {
    loader.SelectPRA(pra, 1);
    loader.LoadItems(pra);
    benchmark::DoNotOptimize(pra.AiId);
  }
}
BENCHMARK(LoadPRAByIds);

} // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
