// Command-line access to the same core the desktop program uses.
#include "data/TManager.h"
#include "data/Tdm.h"
#include "model/TVariableList.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

int Catalogue(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Lists the variable catalogue of a main database."));
  parser.addHelpOption();
  parser.addOption({QStringLiteral("main"), QStringLiteral("Main database file."), QStringLiteral("FILE")});
  parser.process(args);
  if (!parser.isSet(QStringLiteral("main"))) {
    std::fprintf(stderr, "zelvan-cli catalogue: --main FILE is required\n");
    return 2;
  }
  Tdm data;
  TManager manager(data);
  const QString path = parser.value(QStringLiteral("main"));
  if (!manager.OpenZelvanDatabase(path)) {
    std::fprintf(stderr, "zelvan-cli: %s is not a ZELVAN database\n", qPrintable(path));
    return 1;
  }
  QTextStream out(stdout);
  for (const TVariable* v : manager.Service->VariableList.Items())
    out << VarTypeToStr(*v) << '\t' << TopicToStr(*v) << '\t' << v->Name << '\t' << v->Unit << '\n';
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
  if (command == QLatin1String("catalogue")) return Catalogue(args.mid(1));
  std::fprintf(stderr, "usage: zelvan-cli catalogue --main FILE\n       zelvan-cli COMMAND --help\n");
  return command == QLatin1String("--help") ? 0 : 2;
}
