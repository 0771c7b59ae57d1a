#include "app/TArtwork.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

struct TGlyph {
  QColor Colour;
  QString Letters;
};

const QHash<QString, TGlyph>& Glyphs() {
  static const QHash<QString, TGlyph> glyphs = {
      {"home", {QColor(0x6f, 0x8f, 0x4f), QString()}},   {"pesticide", {QColor(0xb0, 0x93, 0x2a), "Pe"}},
      {"application", {QColor(0xc8, 0xb0, 0x3c), "Ap"}}, {"aquatic", {QColor(0x3f, 0x7f, 0xaf), "Aq"}},
      {"terrestrial", {QColor(0x66, 0x5e, 0x55), "Te"}}, {"bees", {QColor(0xd0, 0xa0, 0x00), "Be"}},
      {"nta", {QColor(0x82, 0x7a, 0x62), "Nt"}},         {"groundwater", {QColor(0x33, 0x66, 0x99), "Gw"}},
      {"dietary", {QColor(0xb6, 0x63, 0x69), "Di"}},     {"compare", {QColor(0x5f, 0x7f, 0x3f), "||"}},
      {"results", {QColor(0x30, 0x30, 0x30), "R"}},      {"exit", {QColor(0xa0, 0x30, 0x30), QString()}},
      {"about", {QColor(0x30, 0x70, 0xb0), "i"}},        {"options", {QColor(0x50, 0x50, 0x60), "O"}},
      {"variables", {QColor(0x70, 0x70, 0x70), "x"}},    {"help", {QColor(0x30, 0x90, 0xcf), "?"}},
      {"legend", {QColor(0x8f, 0xb7, 0xcf), "L"}},       {"customize", {QColor(0x60, 0x60, 0x80), "T"}},
      {"database", {QColor(0x55, 0x6b, 0x2f), "DB"}},    {"homepage", {QColor(0x30, 0x70, 0xb0), "www"}},
      {"save", {QColor(0x3f, 0x6f, 0x9f), "S"}},         {"pesticidelist", {QColor(0xb0, 0x93, 0x2a), "PL"}},
  };
  return glyphs;
}

void DrawHouse(QPainter& p, const QRectF& r) {
  QPainterPath path;
  const double w = r.width(), h = r.height();
  path.moveTo(r.left() + w * 0.5, r.top() + h * 0.18);
  path.lineTo(r.left() + w * 0.85, r.top() + h * 0.5);
  path.lineTo(r.left() + w * 0.75, r.top() + h * 0.5);
  path.lineTo(r.left() + w * 0.75, r.top() + h * 0.82);
  path.lineTo(r.left() + w * 0.25, r.top() + h * 0.82);
  path.lineTo(r.left() + w * 0.25, r.top() + h * 0.5);
  path.lineTo(r.left() + w * 0.15, r.top() + h * 0.5);
  path.closeSubpath();
  p.fillPath(path, Qt::white);
}

void DrawExit(QPainter& p, const QRectF& r) {
  QPen pen(Qt::white, r.width() * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  const double w = r.width(), h = r.height();
  p.drawLine(QPointF(r.left() + w * 0.3, r.top() + h * 0.5), QPointF(r.left() + w * 0.78, r.top() + h * 0.5));
  p.drawLine(QPointF(r.left() + w * 0.6, r.top() + h * 0.32), QPointF(r.left() + w * 0.78, r.top() + h * 0.5));
  p.drawLine(QPointF(r.left() + w * 0.6, r.top() + h * 0.68), QPointF(r.left() + w * 0.78, r.top() + h * 0.5));
  p.drawLine(QPointF(r.left() + w * 0.22, r.top() + h * 0.22), QPointF(r.left() + w * 0.22, r.top() + h * 0.78));
}

QPixmap Draw(const TGlyph& glyph, const QString& name, int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(1, 1, size - 2, size - 2);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, glyph.Colour.lighter(135));
  g.setColorAt(1, glyph.Colour.darker(115));
  p.setBrush(g);
  p.setPen(QPen(glyph.Colour.darker(150), 1));
  p.drawRoundedRect(r, size * 0.22, size * 0.22);
  if (name == QLatin1String("home")) {
    DrawHouse(p, r);
  } else if (name == QLatin1String("exit")) {
    DrawExit(p, r);
  } else {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(static_cast<int>(size * (glyph.Letters.size() > 2 ? 0.3 : glyph.Letters.size() > 1 ? 0.4 : 0.55)));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, glyph.Letters);
  }
  return pm;
}

} // namespace

QIcon TArtwork::Icon(const QString& name) {
  static QHash<QString, QIcon> cache;
  const auto found = cache.constFind(name);
  if (found != cache.constEnd()) return found.value();
  const TGlyph glyph = Glyphs().value(name, TGlyph{QColor(0x70, 0x70, 0x70), name.left(1).toUpper()});
  QIcon icon;
  for (int size : {16, 24, 32, 48})
    icon.addPixmap(Draw(glyph, name, size));
  cache.insert(name, icon);
  return icon;
}

QPixmap TArtwork::SplashPicture(const QSize& size) {
  QPixmap pm(size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, size.height());
  sky.setColorAt(0, QColor(0xe8, 0xf1, 0xdc));
  sky.setColorAt(1, QColor(0xb1, 0xca, 0x93));
  p.fillRect(pm.rect(), sky);
  // Field furrows and a water course: what the program looks after.
  p.setPen(QPen(QColor(0x8c, 0x7a, 0x55, 120), 3));
  for (int i = 0; i < 9; ++i)
    p.drawLine(QPointF(-50 + i * 60, size.height()), QPointF(size.width() * 0.55 + i * 12, size.height() * 0.62));
  QPainterPath river;
  river.moveTo(size.width() * 0.70, size.height());
  river.cubicTo(size.width() * 0.78, size.height() * 0.85, size.width() * 0.70, size.height() * 0.75,
                size.width() * 0.82, size.height() * 0.62);
  p.setPen(QPen(QColor(0x33, 0x66, 0x99), 10, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(river);
  // A leaf.
  QPainterPath leaf;
  const QPointF c(size.width() * 0.16, size.height() * 0.34);
  const double s = size.height() * 0.22;
  leaf.moveTo(c + QPointF(-s, s * 0.6));
  leaf.cubicTo(c + QPointF(-s, -s * 0.6), c + QPointF(s * 0.2, -s), c + QPointF(s, -s * 0.8));
  leaf.cubicTo(c + QPointF(s * 0.8, s * 0.2), c + QPointF(0, s * 0.9), c + QPointF(-s, s * 0.6));
  p.fillPath(leaf, QColor(0x4f, 0x7a, 0x2f));
  p.setPen(QPen(QColor(0xe8, 0xf1, 0xdc), 2));
  p.drawLine(c + QPointF(-s * 0.9, s * 0.55), c + QPointF(s * 0.75, -s * 0.6));
  QFont title(QStringLiteral("DejaVu Sans"));
  title.setBold(true);
  title.setPixelSize(size.height() / 5);
  p.setFont(title);
  p.setPen(QColor(0x2f, 0x4a, 0x1c));
  p.drawText(QRectF(size.width() * 0.3, size.height() * 0.12, size.width() * 0.7, size.height() * 0.3),
             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zelvan"));
  QFont sub(QStringLiteral("DejaVu Sans"));
  sub.setPixelSize(size.height() / 16);
  p.setFont(sub);
  p.drawText(QRectF(size.width() * 0.3, size.height() * 0.40, size.width() * 0.7, size.height() * 0.12),
             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pesticide risk assessment"));
  return pm;
}

QColor TArtwork::PageColour(const QString& page) {
  static const QHash<QString, QColor> colours = {
      {"tsHome", QColor(0xB1CA93)},     {"tsPesticide", QColor(0xCFB64E)},   {"tsApplication", QColor(0xFFF8B3)},
      {"tsAquatic", QColor(0x8FB7CF)},  {"tsTerrestrial", QColor(0x665E55)}, {"tsBees", QColor(0xFFFF00)},
      {"tsNTA", QColor(0xA29A82)},      {"tsGroundwater", QColor(0x336699)}, {"tsDietary", QColor(0xB66369)},
      {"tsResults", QColor(Qt::black)}, {"tsCompare", QColor(0xB1CA93)},     {"tsConfigVars", QColor(0x808080)},
      {"tsHelp", QColor(0x3090CF)}};
  return colours.value(page);
}

QPixmap TArtwork::RiskPicture(int index, int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(1.5, 1.5, size - 3, size - 3);
  if (index == 7) {
    // A magnifying glass.
    const QRectF lens(size * 0.12, size * 0.12, size * 0.5, size * 0.5);
    p.setPen(QPen(QColor(60, 60, 70), size * 0.09, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(size * 0.55, size * 0.55), QPointF(size * 0.86, size * 0.86));
    QRadialGradient glass(lens.center() - QPointF(lens.width() / 5, lens.height() / 5), lens.width() * 0.7);
    glass.setColorAt(0, QColor(240, 250, 255));
    glass.setColorAt(1, QColor(160, 200, 225));
    p.setBrush(glass);
    p.setPen(QPen(QColor(60, 60, 70), size * 0.07));
    p.drawEllipse(lens);
    return pm;
  }
  static const QColor Colours[] = {QColor(150, 150, 150), QColor(40, 170, 60),  QColor(245, 150, 20),
                                   QColor(215, 40, 35),   QColor(50, 110, 200), QColor(140, 90, 50),
                                   QColor(90, 100, 120)};
  const QColor base = Colours[std::clamp(index, 0, 6)];
  QRadialGradient g(r.center() - QPointF(r.width() / 4, r.height() / 4), r.width() * 0.8);
  g.setColorAt(0, base.lighter(170));
  g.setColorAt(0.5, base);
  g.setColorAt(1, base.darker(160));
  p.setBrush(g);
  p.setPen(QPen(base.darker(180), 1));
  p.drawEllipse(r);
  // Meridians and the equator of the globe.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 90), std::max(1.0, size / 32.0)));
  p.drawEllipse(QRectF(r.center().x() - r.width() / 4, r.top(), r.width() / 2, r.height()));
  p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
  p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
  return pm;
}

QPixmap TArtwork::ScenarioPicture(const QString& page, const QSize& size) {
  QPixmap pm(size);
  const QColor colour = PageColour(page).isValid() ? PageColour(page) : QColor(0xB1CA93);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, size.height());
  sky.setColorAt(0, QColor(0xf4, 0xf8, 0xee));
  sky.setColorAt(1, colour.lighter(150));
  p.fillRect(pm.rect(), sky);
  const double w = size.width(), h = size.height();
  // A field in cross-section: soil, crop rows and, depending on the page, water or a receptor.
  p.fillRect(QRectF(0, h * 0.62, w, h * 0.38), QColor(0x8c, 0x6e, 0x4a));
  p.fillRect(QRectF(0, h * 0.58, w, h * 0.05), QColor(0x5f, 0x8f, 0x3a));
  p.setPen(QPen(QColor(0x3f, 0x6f, 0x2a), 3));
  for (int i = 0; i < 8; ++i)
    p.drawLine(QPointF(w * 0.05 + i * w * 0.06, h * 0.58), QPointF(w * 0.05 + i * w * 0.06, h * 0.45));
  if (page == QLatin1String("tsAquatic") || page == QLatin1String("tsDietary")) {
    QPainterPath ditch;
    ditch.moveTo(w * 0.62, h * 0.6);
    ditch.lineTo(w * 0.7, h * 0.78);
    ditch.lineTo(w * 0.86, h * 0.78);
    ditch.lineTo(w * 0.94, h * 0.6);
    ditch.closeSubpath();
    p.fillPath(ditch, QColor(0x33, 0x66, 0x99));
  }
  if (page == QLatin1String("tsGroundwater"))
    p.fillRect(QRectF(0, h * 0.85, w, h * 0.15), QColor(0x33, 0x66, 0x99, 200));
  if (page == QLatin1String("tsBees") || page == QLatin1String("tsNTA")) {
    p.setBrush(QColor(0xf0, 0xc0, 0x10));
    p.setPen(QPen(Qt::black, 1.5));
    p.drawEllipse(QRectF(w * 0.7, h * 0.25, w * 0.12, h * 0.08));
    p.drawLine(QPointF(w * 0.74, h * 0.25), QPointF(w * 0.74, h * 0.33));
    p.drawLine(QPointF(w * 0.78, h * 0.25), QPointF(w * 0.78, h * 0.33));
  }
  // Spray drift from a boom.
  p.setPen(QPen(QColor(0x55, 0x55, 0x55), 3));
  p.drawLine(QPointF(w * 0.05, h * 0.3), QPointF(w * 0.5, h * 0.3));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x9f, 0xc0, 0xe0, 120));
  for (int i = 0; i < 5; ++i)
    p.drawEllipse(QRectF(w * 0.08 + i * w * 0.09, h * 0.31, w * 0.05, h * 0.12));
  return pm;
}
