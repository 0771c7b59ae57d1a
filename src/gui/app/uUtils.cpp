#include "app/uUtils.h"

#include "data/TDataSet.h"
#include "data/TDialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QUrl>

namespace {
const int VersionNumbers[4] = {ZELVAN_VERSION_MAJOR, ZELVAN_VERSION_MINOR, ZELVAN_VERSION_PATCH, ZELVAN_BUILD_NUMBER};
}

QString GetVersionString(int count) {
  if (count <= 0 || count > 4) count = 4;
  QString text = QString::number(VersionNumbers[0]);
  for (int i = 1; i < count; ++i)
    text += QStringLiteral(".%1").arg(VersionNumbers[i], 2, 10, QLatin1Char('0'));
  return text;
}

QString GetVersionText(bool full, bool buildOnly) {
  if (full)
    return QStringLiteral("%1.%2.%3.%4")
        .arg(VersionNumbers[0])
        .arg(VersionNumbers[1])
        .arg(VersionNumbers[2])
        .arg(VersionNumbers[3]);
  if (buildOnly) return QString::number(VersionNumbers[3]);
  return QStringLiteral("%1.%2").arg(VersionNumbers[0]).arg(VersionNumbers[1]);
}

std::unique_ptr<QLockFile> AcquireSingleInstanceLock() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  QDir().mkpath(folder);
  auto lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + APPLICATION_TITLE + QStringLiteral(".lock"));
  // A lock left by a crashed instance is taken over; a live one is not.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(100)) return nullptr;
  return lock;
}

QString SingleInstanceMessage() {
  return QStringLiteral("You can only have one instance of ") + APPLICATION_TITLE +
         QStringLiteral(" running at one time.");
}

void CopyCurrentRecord(TDataSet& dataset, const QString& excluded) {
  const QString skip = excluded.toUpper();
  QList<std::pair<QString, QVariant>> values;
  for (int i = 0; i < dataset.FieldCount(); ++i) {
    const QString name = dataset.FieldNames()[i];
    if (skip.contains(name.toUpper())) continue;
    values.append({name, dataset.Value(i)});
  }
  dataset.Append();
  try {
    for (const auto& [name, value] : values)
      if (!dataset.IsReadOnlyField(name)) {
        try {
          dataset.SetValue(name, value);
        } catch (const EDatabaseError&) {
          // A computed field of the statement has no column to copy into.
        }
      }
    dataset.Post();
  } catch (...) {
    dataset.Cancel();
    throw;
  }
}

void PrintStringGrid(const QTableWidget& grid, const QString& title, QPrinter& printer) {
  printer.setDocName(title);
  QPainter p;
  if (!p.begin(&printer)) return;
  // Layout in units of 1/1000 of the page width, as the printer units of the
  // original layout; scaled to the device.
  const double scale = printer.pageRect(QPrinter::DevicePixel).width() / 4000.0;
  p.scale(scale, scale);
  p.setPen(Qt::black);
  QFont titleFont(QStringLiteral("Times New Roman"));
  titleFont.setPixelSize(60);
  titleFont.setBold(true);
  titleFont.setUnderline(true);
  p.setFont(titleFont);
  p.drawText(QPointF(0, 100 + 60), title);
  QFont cell(QStringLiteral("Times New Roman"));
  cell.setPixelSize(35);
  QFont header = cell;
  header.setBold(true);
  int left = 0;
  for (int c = 1; c < grid.columnCount(); ++c) {
    const int x1 = 5 * left;
    left += grid.columnWidth(c);
    const int x2 = 5 * left - 30;
    for (int r = 0; r < grid.rowCount(); ++r) {
      const QTableWidgetItem* item = grid.item(r, c);
      p.setFont(r == 0 ? header : cell);
      p.save();
      p.setClipRect(QRect(x1, 300 + 150 * r, x2 - x1, 150));
      p.drawText(QPointF(x1 + 50, 350 + 150 * r + 35), item ? item->text() : QString());
      p.restore();
    }
  }
  p.end();
}

void OpenWithRegisteredProgram(const QString& target) {
  const QString t = target.trimmed();
  const QUrl url = QFileInfo::exists(t) ? QUrl::fromLocalFile(QFileInfo(t).absoluteFilePath()) : QUrl::fromUserInput(t);
  QDesktopServices::openUrl(url);
}

int PosFrom(const QString& needle, const QString& text, int start) {
  if (start < 1) start = 1;
  const int i = text.indexOf(needle, start - 1);
  return i < 0 ? 0 : i + 1;
}

TLed::TLed(QWidget* parent) : QWidget(parent) {
  setFixedSize(16, 16);
}

void TLed::SetLit(bool lit, const QColor& colour) {
  lit_ = lit;
  colour_ = colour;
  update();
}

void TLed::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  const QColor base = lit_ ? colour_ : QColor(70, 70, 70);
  QRadialGradient g(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() * 0.7);
  g.setColorAt(0, base.lighter(lit_ ? 170 : 140));
  g.setColorAt(1, base.darker(lit_ ? 120 : 160));
  p.setBrush(g);
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.drawEllipse(r);
}

void SetLedStatus(TLed& led, int status) {
  const QColor colour = status == 1 ? QColor(0, 255, 0) : status == 2 ? QColor(255, 255, 0) : QColor(0, 0, 255);
  led.SetLit(status != 0, colour);
}
