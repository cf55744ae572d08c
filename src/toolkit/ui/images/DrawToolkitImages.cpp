// Draws the toolkit's bitmap resources and the window icon.
//
//   kd_draw_images <folder>
//
// writes <id>.png for every bitmap resource and kd_icon.ico into the folder.
// The committed images in this folder were made by this program; run the
// build target kd_redraw_images after changing a drawing here.
//
// Images with a key colour (tab pieces, mini-bar images) are drawn so that
// every pixel meant to be transparent is exactly the key, and shapes are
// smoothed against the colour they will be composed over (white for the
// mini bar), never against the key itself.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

namespace {

const QColor kKey(227, 15, 215);
const QColor kWhite(255, 255, 255);

QImage Canvas(int w, int h, const QColor& fill) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(fill);
  return img;
}

QImage Transparent(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

// A drawing made on a transparent layer, laid over `back`; pixels the
// drawing never touched become `key`.
QImage Keyed(const QImage& layer, const QColor& back, const QColor& key) {
  QImage out = Canvas(layer.width(), layer.height(), back);
  QPainter p(&out);
  p.drawImage(0, 0, layer);
  p.end();
  for (int y = 0; y < layer.height(); ++y)
    for (int x = 0; x < layer.width(); ++x)
      if (qAlpha(layer.pixel(x, y)) == 0) out.setPixel(x, y, key.rgb());
  return out;
}

QImage OnWhite(const QImage& layer) {
  QImage out = Canvas(layer.width(), layer.height(), kWhite);
  QPainter p(&out);
  p.drawImage(0, 0, layer);
  return out;
}

void Px(QImage& img, int x, int y, const QColor& c) {
  if (x >= 0 && y >= 0 && x < img.width() && y < img.height()) img.setPixel(x, y, c.rgb());
}

void HLine(QImage& img, int x0, int x1, int y, const QColor& c) {
  for (int x = x0; x <= x1; ++x) Px(img, x, y, c);
}

void VLine(QImage& img, int x, int y0, int y1, const QColor& c) {
  for (int y = y0; y <= y1; ++y) Px(img, x, y, c);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  return QColor(static_cast<int>(a.red() + (b.red() - a.red()) * t + 0.5),
                static_cast<int>(a.green() + (b.green() - a.green()) * t + 0.5),
                static_cast<int>(a.blue() + (b.blue() - a.blue()) * t + 0.5));
}

// ---------------------------------------------------------------- tab pieces
// 21 rows. Normal tabs start two rows lower than the selected one and carry
// the frame colour along their bottom row; the selected tab is open at the
// bottom so that it joins the page below it.

const QColor kFrame(151, 157, 155);
const QColor kTabCornerSoft(196, 200, 198);
const QColor kSelBand0(230, 139, 44);
const QColor kSelBand1(255, 199, 60);
const QColor kSelBand2(255, 224, 140);
constexpr int kTabH = 21;

QColor NormalFace(int y) {  // rows 3..19
  return Mix(QColor(255, 255, 250), QColor(236, 232, 214), (y - 3) / 16.0);
}

QColor SelectedFace(int y) {  // rows 3..20
  return Mix(QColor(255, 255, 255), QColor(250, 250, 246), (y - 3) / 17.0);
}

// One column of a normal tab's face, top border at row 2.
void NormalColumn(QImage& img, int x) {
  Px(img, x, 2, kFrame);
  for (int y = 3; y <= 19; ++y) Px(img, x, y, NormalFace(y));
  Px(img, x, 20, kFrame);
}

void SelectedColumn(QImage& img, int x) {
  Px(img, x, 0, kSelBand0);
  Px(img, x, 1, kSelBand1);
  Px(img, x, 2, kSelBand2);
  for (int y = 3; y <= 20; ++y) Px(img, x, y, SelectedFace(y));
}

// Left edge of a normal tab, `w` wide; `mirror` gives the right edge.
QImage NormalEdge(int w, bool mirror) {
  QImage img = Canvas(w, kTabH, kKey);
  for (int x = 0; x < w; ++x) NormalColumn(img, x);
  // rounded corner: column 0 starts at row 4, column 1 at row 3
  Px(img, 0, 2, kKey);
  Px(img, 0, 3, kKey);
  Px(img, 1, 2, kKey);
  Px(img, 0, 4, kTabCornerSoft);
  VLine(img, 0, 5, 19, kFrame);
  Px(img, 1, 3, kFrame);
  Px(img, 2, 2, kTabCornerSoft);
  if (mirror) {
    // a faint shadow inside the right edge
    VLine(img, 1, 5, 19, Mix(NormalFace(12), kFrame, 0.35));
    img = img.mirrored(true, false);
  }
  return img;
}

QImage SelectedEdge(int w, bool mirror) {
  QImage img = Canvas(w, kTabH, kKey);
  for (int x = 0; x < w; ++x) SelectedColumn(img, x);
  // column 0: the side of the frame, from row 2 down to the bottom row
  Px(img, 0, 0, kKey);
  Px(img, 0, 1, kKey);
  VLine(img, 0, 2, 20, kFrame);
  // column 1: rounded band corner
  Px(img, 1, 0, kKey);
  Px(img, 1, 1, kSelBand0);
  Px(img, 1, 2, kSelBand1);
  Px(img, 2, 0, Mix(kSelBand0, kKey, 0.0));
  if (mirror) img = img.mirrored(true, false);
  return img;
}

QImage NormalMiddle(int w) {
  QImage img = Canvas(w, kTabH, kKey);
  for (int x = 0; x < w; ++x) NormalColumn(img, x);
  return img;
}

QImage SelectedMiddle(int w) {
  QImage img = Canvas(w, kTabH, kKey);
  for (int x = 0; x < w; ++x) SelectedColumn(img, x);
  return img;
}

// Pieces the strip keeps but never draws: the baseline only.
QImage Baseline(int w) {
  QImage img = Canvas(w, kTabH, kKey);
  HLine(img, 0, w - 1, 20, kFrame);
  return img;
}

QImage Separator() {
  QImage img = Canvas(1, kTabH, kKey);
  VLine(img, 0, 6, 17, QColor(214, 210, 196));
  Px(img, 0, 20, kFrame);
  return img;
}

// ------------------------------------------------------------ button images

QImage Floppy() {
  QImage layer = Transparent(16, 16);
  QPainter p(&layer);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath body;
  body.moveTo(1.5, 2.5);
  body.lineTo(12.5, 2.5);
  body.lineTo(14.5, 4.5);
  body.lineTo(14.5, 14.5);
  body.lineTo(1.5, 14.5);
  body.closeSubpath();
  QLinearGradient g(0, 2, 0, 15);
  g.setColorAt(0, QColor(66, 110, 190));
  g.setColorAt(1, QColor(30, 62, 132));
  p.setBrush(g);
  p.setPen(QPen(QColor(22, 40, 90), 1));
  p.drawPath(body);
  // metal shutter at the top
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(206, 210, 216));
  p.drawRect(QRectF(4, 3, 7, 4));
  p.setBrush(QColor(60, 72, 92));
  p.drawRect(QRectF(8, 3.5, 2, 3));
  // label (never pure white: white is this image's transparent colour)
  p.setBrush(QColor(248, 248, 244));
  p.drawRect(QRectF(3, 9, 10, 5));
  p.setPen(QPen(QColor(150, 160, 180), 0.8));
  p.drawLine(QPointF(4.5, 11), QPointF(11.5, 11));
  p.drawLine(QPointF(4.5, 12.8), QPointF(10, 12.8));
  p.end();
  return OnWhite(layer);
}

QImage OpenFolder() {
  QImage layer = Transparent(16, 16);
  QPainter p(&layer);
  p.setRenderHint(QPainter::Antialiasing);
  // back of the folder with its tab
  QPainterPath back;
  back.moveTo(1.5, 3.5);
  back.lineTo(5.5, 3.5);
  back.lineTo(7, 5);
  back.lineTo(12.5, 5);
  back.lineTo(12.5, 13.5);
  back.lineTo(1.5, 13.5);
  back.closeSubpath();
  p.setPen(QPen(QColor(150, 110, 20), 1));
  p.setBrush(QColor(236, 190, 70));
  p.drawPath(back);
  // a sheet sticking out
  p.setPen(QPen(QColor(150, 150, 150), 0.8));
  p.setBrush(QColor(250, 250, 250));
  p.drawRect(QRectF(3.5, 6, 8, 5));
  // front flap, tilted open
  QPainterPath front;
  front.moveTo(3.5, 8.5);
  front.lineTo(15, 8.5);
  front.lineTo(12.5, 14.5);
  front.lineTo(1.5, 14.5);
  front.closeSubpath();
  QLinearGradient g(0, 8, 0, 15);
  g.setColorAt(0, QColor(255, 226, 120));
  g.setColorAt(1, QColor(232, 178, 50));
  p.setPen(QPen(QColor(150, 110, 20), 1));
  p.setBrush(g);
  p.drawPath(front);
  p.end();
  return OnWhite(layer);
}

// ----------------------------------------------------------- title pictures
// 32 x 28 on white.

QImage Title(const std::function<void(QPainter&)>& draw) {
  QImage img = Canvas(32, 28, kWhite);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  return img;
}

void Football(QPainter& p, QPointF centre, double length, double height, double angle) {
  p.save();
  p.translate(centre);
  p.rotate(angle);
  QRadialGradient g(QPointF(-length * 0.15, -height * 0.25), length * 0.6);
  g.setColorAt(0, QColor(176, 98, 42));
  g.setColorAt(1, QColor(104, 48, 16));
  p.setBrush(g);
  p.setPen(QPen(QColor(70, 30, 8), 1));
  QPainterPath ball;
  ball.moveTo(-length / 2, 0);
  ball.quadTo(0, -height, length / 2, 0);
  ball.quadTo(0, height, -length / 2, 0);
  p.drawPath(ball);
  // stripes near the tips and the laces
  p.setPen(QPen(QColor(245, 240, 230), std::max(1.0, height * 0.12)));
  const double sx = length * 0.3;
  p.drawLine(QPointF(-sx, -height * 0.33), QPointF(-sx, height * 0.33));
  p.drawLine(QPointF(sx, -height * 0.33), QPointF(sx, height * 0.33));
  p.setPen(QPen(QColor(250, 250, 250), std::max(0.8, height * 0.1)));
  p.drawLine(QPointF(-length * 0.16, 0), QPointF(length * 0.16, 0));
  for (int i = -1; i <= 1; ++i) {
    const double x = i * length * 0.08;
    p.drawLine(QPointF(x, -height * 0.14), QPointF(x, height * 0.14));
  }
  p.restore();
}

void GoldRing(QPainter& p, QPointF centre, double radius, double width) {
  QLinearGradient g(centre.x(), centre.y() - radius, centre.x(), centre.y() + radius);
  g.setColorAt(0, QColor(255, 226, 110));
  g.setColorAt(0.5, QColor(222, 168, 30));
  g.setColorAt(1, QColor(160, 112, 10));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QBrush(g), width));
  p.drawEllipse(centre, radius, radius);
  p.setPen(QPen(QColor(128, 88, 6), 0.7));
  p.drawEllipse(centre, radius + width / 2, radius + width / 2);
  p.drawEllipse(centre, radius - width / 2, radius - width / 2);
}

void ProjectPicture(QPainter& p) {
  GoldRing(p, QPointF(16, 14), 11, 2.6);
  Football(p, QPointF(16, 14), 17, 10, -32);
}

void BarChart(QPainter& p) {
  p.setPen(Qt::NoPen);
  const struct {
    double x, h;
    QColor top, bottom;
  } bars[] = {
      {6, 9, QColor(110, 160, 230), QColor(40, 90, 180)},
      {12, 15, QColor(120, 200, 120), QColor(40, 130, 50)},
      {18, 11, QColor(255, 200, 90), QColor(220, 130, 20)},
      {24, 19, QColor(240, 110, 100), QColor(180, 40, 40)},
  };
  for (const auto& b : bars) {
    QLinearGradient g(b.x, 0, b.x + 5, 0);
    g.setColorAt(0, b.top);
    g.setColorAt(1, b.bottom);
    p.setBrush(g);
    p.drawRect(QRectF(b.x, 24 - b.h, 5, b.h));
  }
  p.setPen(QPen(QColor(80, 80, 80), 1.2));
  p.drawLine(QPointF(4, 3), QPointF(4, 24.5));
  p.drawLine(QPointF(3.5, 24.5), QPointF(30, 24.5));
  // a trend line across the bars
  p.setPen(QPen(QColor(30, 30, 30), 1.1, Qt::SolidLine, Qt::RoundCap));
  p.drawPolyline(QPolygonF({QPointF(8.5, 13), QPointF(14.5, 7), QPointF(20.5, 10), QPointF(26.5, 3)}));
}

void Calculator(QPainter& p) {
  QLinearGradient body(0, 1, 0, 27);
  body.setColorAt(0, QColor(96, 106, 122));
  body.setColorAt(1, QColor(52, 58, 70));
  p.setBrush(body);
  p.setPen(QPen(QColor(36, 40, 50), 1));
  p.drawRoundedRect(QRectF(7.5, 1.5, 17, 25), 2.5, 2.5);
  p.setBrush(QColor(196, 222, 186));
  p.setPen(QPen(QColor(30, 40, 30), 0.8));
  p.drawRect(QRectF(10, 4, 12, 5));
  p.setPen(QPen(QColor(40, 60, 40), 1));
  p.drawLine(QPointF(15, 6.5), QPointF(20.5, 6.5));
  p.setPen(Qt::NoPen);
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 3; ++c) {
      const bool accent = (r == 3 && c == 2);
      p.setBrush(accent ? QColor(244, 150, 40) : QColor(226, 228, 232));
      p.drawRoundedRect(QRectF(10 + c * 4.2, 11 + r * 3.8, 3.2, 2.8), 0.6, 0.6);
    }
  }
}

void Shield(QPainter& p) {
  QPainterPath s;
  s.moveTo(16, 1.5);
  s.cubicTo(20, 4, 24, 4.5, 27, 4);
  s.cubicTo(27.5, 15, 23, 22, 16, 26.5);
  s.cubicTo(9, 22, 4.5, 15, 5, 4);
  s.cubicTo(8, 4.5, 12, 4, 16, 1.5);
  QLinearGradient g(0, 2, 0, 26);
  g.setColorAt(0, QColor(90, 190, 110));
  g.setColorAt(1, QColor(20, 110, 50));
  p.setBrush(g);
  p.setPen(QPen(QColor(14, 70, 30), 1.2));
  p.drawPath(s);
  // a white chevron and a star
  p.setPen(QPen(QColor(250, 250, 240), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygonF({QPointF(9.5, 16.5), QPointF(16, 11.5), QPointF(22.5, 16.5)}));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 230, 120));
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double r = (i % 2 == 0) ? 3.2 : 1.4;
    star << QPointF(16 + r * std::cos(a), 7.6 + r * std::sin(a));
  }
  p.drawPolygon(star);
}

void Knight(QPainter& p) {
  QPainterPath k;
  k.moveTo(11, 22);
  k.cubicTo(11, 19, 13, 17, 14.5, 15.5);
  k.lineTo(10.5, 16.5);
  k.cubicTo(8.5, 17, 7, 15.5, 7.5, 13.5);
  k.lineTo(12, 8);
  k.lineTo(13, 4.5);
  k.lineTo(15, 6.5);
  k.lineTo(16.5, 3);
  k.cubicTo(22, 4, 25.5, 10, 24, 22);
  k.closeSubpath();
  QLinearGradient g(8, 0, 25, 0);
  g.setColorAt(0, QColor(86, 92, 104));
  g.setColorAt(1, QColor(28, 30, 38));
  p.setBrush(g);
  p.setPen(QPen(QColor(16, 16, 20), 1));
  p.drawPath(k);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 240, 240));
  p.drawEllipse(QPointF(14.2, 9.6), 1.0, 1.0);
  // base
  p.setBrush(QColor(40, 42, 50));
  p.drawRoundedRect(QRectF(8, 22, 19, 2.5), 1, 1);
  p.drawRoundedRect(QRectF(6.5, 24.5, 22, 2.5), 1, 1);
}

void Sheet(QPainter& p, QRectF r, bool lines) {
  const double fold = 4;
  QPainterPath s;
  s.moveTo(r.left(), r.top());
  s.lineTo(r.right() - fold, r.top());
  s.lineTo(r.right(), r.top() + fold);
  s.lineTo(r.right(), r.bottom());
  s.lineTo(r.left(), r.bottom());
  s.closeSubpath();
  p.setBrush(QColor(252, 252, 250));
  p.setPen(QPen(QColor(120, 128, 140), 1));
  p.drawPath(s);
  p.setBrush(QColor(222, 226, 232));
  p.drawPolygon(QPolygonF({QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                           QPointF(r.right(), r.top() + fold)}));
  if (lines) {
    p.setPen(QPen(QColor(150, 170, 200), 1));
    for (double y = r.top() + 6; y < r.bottom() - 2; y += 3) {
      p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
    }
  }
}

void MaskOverSheet(QPainter& p) {
  Sheet(p, QRectF(6.5, 1.5, 17, 23), true);
  // a masquerade mask across the sheet
  QPainterPath m;
  m.moveTo(3, 14);
  m.cubicTo(6, 10.5, 12, 10.5, 16, 13);
  m.cubicTo(20, 10.5, 26, 10.5, 29, 14);
  m.cubicTo(28, 20, 21, 21.5, 16, 18);
  m.cubicTo(11, 21.5, 4, 20, 3, 14);
  QLinearGradient g(0, 10, 0, 21);
  g.setColorAt(0, QColor(150, 70, 190));
  g.setColorAt(1, QColor(80, 20, 110));
  p.setBrush(g);
  p.setPen(QPen(QColor(50, 10, 70), 1));
  p.drawPath(m);
  p.setBrush(QColor(252, 252, 250));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(10, 15.3), 2.7, 1.7);
  p.drawEllipse(QPointF(22, 15.3), 2.7, 1.7);
}

void GridPicture(QPainter& p) {
  const QRectF r(3.5, 4.5, 25, 19);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255));
  p.drawRect(r);
  p.setBrush(QColor(194, 208, 186));
  p.drawRect(QRectF(r.left(), r.top(), r.width(), 5));
  p.setBrush(QColor(236, 241, 233));
  p.drawRect(QRectF(r.left(), r.top() + 10, r.width(), 4.5));
  p.setPen(QPen(QColor(90, 110, 90), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);
  for (double y : {9.5, 14.5, 19.0}) p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
  for (double x : {11.5, 20.0}) p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
}

void Mug(QPainter& p, QRectF r, bool steam) {
  const double w = r.width();
  // handle
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(150, 40, 30), w * 0.14));
  p.drawEllipse(QPointF(r.right(), r.top() + r.height() * 0.45), w * 0.26, r.height() * 0.24);
  // body
  QLinearGradient g(r.left(), 0, r.right(), 0);
  g.setColorAt(0, QColor(230, 90, 70));
  g.setColorAt(0.4, QColor(250, 140, 110));
  g.setColorAt(1, QColor(170, 50, 35));
  p.setBrush(g);
  p.setPen(QPen(QColor(110, 30, 20), 1));
  p.drawRoundedRect(r, w * 0.12, w * 0.12);
  // coffee at the rim
  p.setBrush(QColor(90, 50, 25));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(r.left() + 1, r.top() - 1, r.width() - 2, 2.4));
  if (steam) {
    p.setPen(QPen(QColor(160, 170, 185), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
      const double x = r.left() + w * (0.25 + 0.25 * i);
      QPainterPath s;
      s.moveTo(x, r.top() - 2.5);
      s.cubicTo(x - 1.8, r.top() - 4.5, x + 1.8, r.top() - 6, x, r.top() - 8);
      p.drawPath(s);
    }
  }
}

void SheetWithMug(QPainter& p) {
  Sheet(p, QRectF(3.5, 1.5, 17, 23), true);
  Mug(p, QRectF(16, 14, 9.5, 11), false);
}

void BigMug(QPainter& p) {
  Mug(p, QRectF(8, 10, 13, 16), true);
  // the draft board's stripe on the mug
  p.setPen(QPen(QColor(255, 230, 140), 1.6));
  p.drawLine(QPointF(9, 17), QPointF(20, 17));
}

// ------------------------------------------------------- mini-bar images
// 15 x 18, smoothed against white, transparent pixels exactly the key.

QImage Mini(const std::function<void(QPainter&)>& draw) {
  QImage layer = Transparent(15, 18);
  QPainter p(&layer);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  p.end();
  return Keyed(layer, kWhite, kKey);
}

void MiniSigma(QPainter& p) {
  QPainterPath s;
  s.moveTo(11.5, 6);
  s.lineTo(11.5, 3.5);
  s.lineTo(3, 3.5);
  s.lineTo(7.5, 9);
  s.lineTo(3, 14.5);
  s.lineTo(11.5, 14.5);
  s.lineTo(11.5, 12);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(24, 64, 140), 1.8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.drawPath(s);
}

void MiniGrid(QPainter& p) {
  const QRectF r(1.5, 3.5, 12, 11);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(194, 208, 186));
  p.drawRect(QRectF(r.left(), r.top(), r.width(), 3.5));
  p.setBrush(QColor(252, 252, 252));
  p.drawRect(QRectF(r.left(), r.top() + 3.5, r.width(), r.height() - 3.5));
  p.setPen(QPen(QColor(70, 96, 70), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);
  p.drawLine(QPointF(r.left(), 7), QPointF(r.right(), 7));
  p.drawLine(QPointF(r.left(), 10.5), QPointF(r.right(), 10.5));
  p.drawLine(QPointF(5.5, r.top()), QPointF(5.5, r.bottom()));
  p.drawLine(QPointF(9.5, r.top()), QPointF(9.5, r.bottom()));
}

void MiniExport(QPainter& p) {
  QPainterPath s;
  s.moveTo(1.5, 2.5);
  s.lineTo(7.5, 2.5);
  s.lineTo(10.5, 5.5);
  s.lineTo(10.5, 15.5);
  s.lineTo(1.5, 15.5);
  s.closeSubpath();
  p.setBrush(QColor(250, 250, 250));
  p.setPen(QPen(QColor(110, 118, 130), 1));
  p.drawPath(s);
  p.setPen(QPen(QColor(150, 170, 200), 1));
  for (double y : {7.5, 10.0}) p.drawLine(QPointF(3, y), QPointF(7, y));
  // green arrow leaving the page
  QPainterPath a;
  a.moveTo(5, 11);
  a.lineTo(9.5, 11);
  a.lineTo(9.5, 8.5);
  a.lineTo(14, 12.5);
  a.lineTo(9.5, 16.5);
  a.lineTo(9.5, 14);
  a.lineTo(5, 14);
  a.closeSubpath();
  p.setBrush(QColor(46, 160, 60));
  p.setPen(QPen(QColor(20, 90, 30), 0.8));
  p.drawPath(a);
}

void MiniGear(QPainter& p) {
  const QPointF c(7.5, 9);
  QPainterPath gear;
  const int teeth = 8;
  for (int i = 0; i < teeth * 4; ++i) {
    const double a = (i / static_cast<double>(teeth * 4)) * 2 * std::numbers::pi;
    const double r = ((i % 4) < 2) ? 6.6 : 4.8;
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0)
      gear.moveTo(pt);
    else
      gear.lineTo(pt);
  }
  gear.closeSubpath();
  gear.addEllipse(c, 2.0, 2.0);
  gear.setFillRule(Qt::OddEvenFill);
  QRadialGradient g(c - QPointF(2, 2), 8);
  g.setColorAt(0, QColor(170, 178, 190));
  g.setColorAt(1, QColor(88, 96, 110));
  p.setBrush(g);
  p.setPen(QPen(QColor(50, 56, 66), 0.8));
  p.drawPath(gear);
}

// The thin bar shown beside a hovered mini-bar button.
QImage SideBar(bool right) {
  QImage img = Canvas(3, 18, kKey);
  const QColor outer(170, 198, 236), inner(49, 106, 197);
  for (int y = 1; y <= 16; ++y) {
    const double t = std::abs(y - 8.5) / 8.0;
    Px(img, 1, y, Mix(inner, outer, t * 0.6));
    if (y >= 2 && y <= 15) Px(img, right ? 0 : 2, y, Mix(outer, QColor(255, 255, 255), t * 0.5));
  }
  return img;
}

// ----------------------------------------------------------- check boxes

QImage CheckBox(bool ticked) {
  QImage img = Canvas(14, 14, kWhite);
  const QColor border(28, 81, 128);
  for (int y = 1; y <= 12; ++y)
    for (int x = 1; x <= 12; ++x)
      Px(img, x, y, Mix(QColor(224, 224, 216), QColor(255, 255, 255), (x + y - 2) / 22.0));
  HLine(img, 0, 13, 0, border);
  HLine(img, 0, 13, 13, border);
  VLine(img, 0, 0, 13, border);
  VLine(img, 13, 0, 13, border);
  if (ticked) {
    // a drawn tick, three pixels thick, no font involved
    const QColor tick(33, 161, 33);
    const int pts[][2] = {{3, 6}, {4, 7}, {5, 8}, {6, 7}, {7, 6}, {8, 5}, {9, 4}, {10, 3}};
    for (const auto& pt : pts) {
      VLine(img, pt[0], pt[1], pt[1] + 2, tick);
    }
  }
  return img;
}

// ------------------------------------------------------------------- icon

QImage IconImage(int size) {
  QImage img = Transparent(size, size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  QRadialGradient disc(QPointF(13, 12), 18);
  disc.setColorAt(0, QColor(36, 120, 60));
  disc.setColorAt(1, QColor(14, 70, 32));
  p.setPen(Qt::NoPen);
  p.setBrush(disc);
  p.drawEllipse(QPointF(16, 16), 14.2, 14.2);
  GoldRing(p, QPointF(16, 16), 13.2, 2.6);
  Football(p, QPointF(16, 16), 20, 12, -32);
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}

void Put16(QByteArray& b, int v) {
  b.append(static_cast<char>(v & 0xFF));
  b.append(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(QByteArray& b, uint32_t v) {
  Put16(b, static_cast<int>(v & 0xFFFF));
  Put16(b, static_cast<int>(v >> 16));
}

// An icon file of 32-bit images, each a bottom-up device-independent bitmap
// followed by its one-bit mask.
QByteArray IcoFile(const std::vector<QImage>& images) {
  std::vector<QByteArray> bodies;
  for (const QImage& img : images) {
    QByteArray d;
    const int w = img.width(), h = img.height();
    Put32(d, 40);
    Put32(d, static_cast<uint32_t>(w));
    Put32(d, static_cast<uint32_t>(h * 2));
    Put16(d, 1);
    Put16(d, 32);
    Put32(d, 0);
    Put32(d, 0);
    Put32(d, 0);
    Put32(d, 0);
    Put32(d, 0);
    Put32(d, 0);
    for (int y = h - 1; y >= 0; --y) {
      for (int x = 0; x < w; ++x) {
        const QRgb px = img.pixel(x, y);
        d.append(static_cast<char>(qBlue(px)));
        d.append(static_cast<char>(qGreen(px)));
        d.append(static_cast<char>(qRed(px)));
        d.append(static_cast<char>(qAlpha(px)));
      }
    }
    const int maskStride = ((w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
      QByteArray row(maskStride, '\0');
      for (int x = 0; x < w; ++x) {
        if (qAlpha(img.pixel(x, y)) == 0) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
      }
      d.append(row);
    }
    bodies.push_back(d);
  }
  QByteArray f;
  Put16(f, 0);
  Put16(f, 1);
  Put16(f, static_cast<int>(images.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const int w = images[i].width(), h = images[i].height();
    f.append(static_cast<char>(w >= 256 ? 0 : w));
    f.append(static_cast<char>(h >= 256 ? 0 : h));
    f.append('\0');
    f.append('\0');
    Put16(f, 1);
    Put16(f, 32);
    Put32(f, static_cast<uint32_t>(bodies[i].size()));
    Put32(f, offset);
    offset += static_cast<uint32_t>(bodies[i].size());
  }
  for (const QByteArray& b : bodies) f.append(b);
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kd_draw_images <folder>\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.exists() && !QDir().mkpath(out.path())) {
    std::fprintf(stderr, "cannot make %s\n", argv[1]);
    return 1;
  }
  const std::vector<std::pair<int, QImage>> bitmaps = {
      {109, Baseline(5)},
      {110, NormalMiddle(39)},
      {111, SelectedMiddle(46)},
      {112, Baseline(8)},
      {113, SelectedEdge(8, false)},
      {114, Baseline(4)},
      {115, Baseline(13)},
      {116, Baseline(8)},
      {117, SelectedEdge(9, true)},
      {118, NormalEdge(6, false)},
      {119, NormalEdge(6, true)},
      {120, Separator()},
      {144, Floppy()},
      {146, Title(MaskOverSheet)},
      {147, Title(Shield)},
      {148, Title(Calculator)},
      {149, Title(BarChart)},
      {150, OpenFolder()},
      {151, Title(SheetWithMug)},
      {152, Title(GridPicture)},
      {154, Title(Knight)},
      {157, Title(ProjectPicture)},
      {158, Title(BigMug)},
      {159, Mini(MiniGrid)},
      {160, Mini(MiniExport)},
      {161, Mini(MiniSigma)},
      {162, CheckBox(false)},
      {163, CheckBox(true)},
      {167, Mini(MiniGear)},
      {168, SideBar(false)},
      {169, SideBar(true)},
  };
  for (const auto& [id, img] : bitmaps) {
    const QString path = out.filePath(QString::number(id) + ".png");
    if (!img.convertToFormat(QImage::Format_RGB32).save(path, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  QFile ico(out.filePath("kd_icon.ico"));
  if (!ico.open(QIODevice::WriteOnly) ||
      ico.write(IcoFile({IconImage(16), IconImage(32), IconImage(48)})) < 0) {
    std::fprintf(stderr, "cannot write kd_icon.ico\n");
    return 1;
  }
  return 0;
}
