// Draws the program's pictures into resources/images. Run it once after changing
// a drawing (ninja korvella_draw_pictures && ./korvella_draw_pictures <resources>);
// the PNGs it writes are committed and compiled into the program.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using Рисунок = std::function<void(QPainter&, double)>;

bool Сохранить(const QString& папка, const char* имя, int размер, const Рисунок& рисунок) {
  QImage картинка(размер, размер, QImage::Format_ARGB32_Premultiplied);
  картинка.fill(Qt::transparent);
  QPainter p(&картинка);
  p.setRenderHint(QPainter::Antialiasing);
  рисунок(p, размер);
  p.end();
  return картинка.save(папка + "/images/" + имя);
}

void Круг_со_знаком(QPainter& p, double r, QColor цвет, const QString& знак) {
  QRadialGradient г(r * 0.35, r * 0.3, r);
  г.setColorAt(0, цвет.lighter(150));
  г.setColorAt(1, цвет.darker(115));
  p.setPen(QPen(цвет.darker(160), r / 24));
  p.setBrush(г);
  p.drawEllipse(QRectF(r * 0.06, r * 0.06, r * 0.88, r * 0.88));
  QFont ш("DejaVu Sans");
  ш.setBold(true);
  ш.setPixelSize(static_cast<int>(r * 0.62));
  p.setFont(ш);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 0, r, r), Qt::AlignCenter, знак);
}

void Ошибка(QPainter& p, double r) {
  Круг_со_знаком(p, r, QColor(0xD0, 0x2A, 0x2A), "");
  p.setPen(QPen(Qt::white, r / 9, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(r * 0.33, r * 0.33), QPointF(r * 0.67, r * 0.67));
  p.drawLine(QPointF(r * 0.67, r * 0.33), QPointF(r * 0.33, r * 0.67));
}

void Готово(QPainter& p, double r) {
  Круг_со_знаком(p, r, QColor(0x2E, 0x9E, 0x3A), "");
  p.setPen(QPen(Qt::white, r / 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath галка;
  галка.moveTo(r * 0.28, r * 0.52);
  галка.lineTo(r * 0.44, r * 0.68);
  галка.lineTo(r * 0.73, r * 0.35);
  p.setBrush(Qt::NoBrush);
  p.drawPath(галка);
}

void Выход(QPainter& p, double r) {
  p.setPen(QPen(QColor(0x6B, 0x4A, 0x2B), r / 16));
  p.setBrush(QColor(0xB8, 0x86, 0x4B));
  p.drawRect(QRectF(r * 0.12, r * 0.1, r * 0.45, r * 0.8));
  p.setBrush(QColor(0xF2, 0xD0, 0x6B));
  p.drawEllipse(QPointF(r * 0.47, r * 0.52), r * 0.04, r * 0.04);
  p.setPen(QPen(QColor(0xC0, 0x20, 0x20), r / 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(r * 0.5, r * 0.5), QPointF(r * 0.9, r * 0.5));
  p.drawLine(QPointF(r * 0.76, r * 0.36), QPointF(r * 0.9, r * 0.5));
  p.drawLine(QPointF(r * 0.76, r * 0.64), QPointF(r * 0.9, r * 0.5));
}

void Новая_задача(QPainter& p, double r) {
  p.setPen(QPen(QColor(0x50, 0x60, 0x70), r / 20));
  p.setBrush(Qt::white);
  QPainterPath лист;
  лист.moveTo(r * 0.18, r * 0.06);
  лист.lineTo(r * 0.6, r * 0.06);
  лист.lineTo(r * 0.8, r * 0.26);
  лист.lineTo(r * 0.8, r * 0.94);
  лист.lineTo(r * 0.18, r * 0.94);
  лист.closeSubpath();
  p.drawPath(лист);
  p.setPen(QPen(QColor(0xA0, 0xB0, 0xC0), r / 30));
  for (int i = 0; i < 4; ++i)
    p.drawLine(QPointF(r * 0.28, r * (0.4 + 0.1 * i)), QPointF(r * 0.7, r * (0.4 + 0.1 * i)));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x2E, 0x9E, 0x3A));
  p.drawEllipse(QPointF(r * 0.74, r * 0.74), r * 0.22, r * 0.22);
  p.setPen(QPen(Qt::white, r / 12, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(r * 0.74, r * 0.62), QPointF(r * 0.74, r * 0.86));
  p.drawLine(QPointF(r * 0.62, r * 0.74), QPointF(r * 0.86, r * 0.74));
}

void Продолжить(QPainter& p, double r) {
  p.setPen(QPen(QColor(0x1F, 0x5F, 0xA8), r / 20));
  QLinearGradient г(0, 0, 0, r);
  г.setColorAt(0, QColor(0x7F, 0xB8, 0xF0));
  г.setColorAt(1, QColor(0x2A, 0x74, 0xC8));
  p.setBrush(г);
  QPolygonF треугольник;
  треугольник << QPointF(r * 0.22, r * 0.12) << QPointF(r * 0.86, r * 0.5)
              << QPointF(r * 0.22, r * 0.88);
  p.drawPolygon(треугольник);
}

void Возврат(QPainter& p, double r) {
  p.setPen(QPen(QColor(0xD9, 0x82, 0x1E), r / 8, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(r * 0.2, r * 0.2, r * 0.62, r * 0.62), 90 * 16, -270 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xD9, 0x82, 0x1E));
  QPolygonF стрелка;
  стрелка << QPointF(r * 0.51, r * 0.02) << QPointF(r * 0.51, r * 0.4)
          << QPointF(r * 0.24, r * 0.21);
  p.drawPolygon(стрелка);
}

void Шестерёнка(QPainter& p, double r, QColor цвет) {
  QPainterPath зубья;
  const QPointF ц(r / 2, r / 2);
  for (int i = 0; i < 8; ++i) {
    const double угол = i * M_PI / 4;
    QTransform т;
    т.translate(ц.x(), ц.y());
    т.rotateRadians(угол);
    QPainterPath зуб;
    зуб.addRect(QRectF(-r * 0.08, -r * 0.46, r * 0.16, r * 0.2));
    зубья.addPath(т.map(зуб));
  }
  зубья.addEllipse(ц, r * 0.32, r * 0.32);
  QPainterPath дырка;
  дырка.addEllipse(ц, r * 0.12, r * 0.12);
  p.setPen(QPen(цвет.darker(160), r / 32));
  p.setBrush(цвет);
  p.drawPath(зубья.simplified().subtracted(дырка));
}

void Автогенерация_вкл(QPainter& p, double r) {
  Шестерёнка(p, r, QColor(0x3C, 0xB0, 0x4A));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xFF, 0xD0, 0x20));
  p.drawEllipse(QPointF(r * 0.82, r * 0.18), r * 0.14, r * 0.14);
}

void Автогенерация_выкл(QPainter& p, double r) { Шестерёнка(p, r, QColor(0x9A, 0x9A, 0x9A)); }

void Золотая_маска(QPainter& p, double r) {
  QRadialGradient г(r * 0.4, r * 0.3, r * 0.7);
  г.setColorAt(0, QColor(0xFF, 0xF1, 0xA8));
  г.setColorAt(0.5, QColor(0xE6, 0xB4, 0x2E));
  г.setColorAt(1, QColor(0x9C, 0x6A, 0x0C));
  QPainterPath маска;
  маска.moveTo(r * 0.5, r * 0.04);
  маска.cubicTo(r * 0.95, r * 0.04, r * 0.95, r * 0.55, r * 0.78, r * 0.78);
  маска.cubicTo(r * 0.68, r * 0.92, r * 0.58, r * 0.97, r * 0.5, r * 0.97);
  маска.cubicTo(r * 0.42, r * 0.97, r * 0.32, r * 0.92, r * 0.22, r * 0.78);
  маска.cubicTo(r * 0.05, r * 0.55, r * 0.05, r * 0.04, r * 0.5, r * 0.04);
  QPainterPath глаза;
  глаза.addEllipse(QPointF(r * 0.34, r * 0.4), r * 0.1, r * 0.055);
  глаза.addEllipse(QPointF(r * 0.66, r * 0.4), r * 0.1, r * 0.055);
  p.setPen(QPen(QColor(0x7A, 0x50, 0x08), r / 60));
  p.setBrush(г);
  p.drawPath(маска.subtracted(глаза));
  p.setPen(QPen(QColor(0x8A, 0x5C, 0x0A), r / 50, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(r * 0.36, r * 0.62, r * 0.28, r * 0.14), 200 * 16, 140 * 16);
  p.drawLine(QPointF(r * 0.5, r * 0.45), QPointF(r * 0.46, r * 0.58));
}

void Значок_программы(QPainter& p, double r) {
  p.setPen(QPen(QColor(0x2A, 0x4A, 0x7A), r / 24));
  p.setBrush(QColor(0xF4, 0xF7, 0xFB));
  p.drawRoundedRect(QRectF(r * 0.06, r * 0.06, r * 0.88, r * 0.88), r * 0.1, r * 0.1);
  const QColor цвета[] = {QColor(0x9A, 0xBB, 0x26), QColor(0x8B, 0xAE, 0xE6),
                          QColor(0xFF, 0xBD, 0x3E), QColor(0xCB, 0x64, 0xFE),
                          QColor(0xC6, 0xC6, 0xC6), QColor(0xE2, 0x27, 0x27)};
  p.setPen(Qt::NoPen);
  for (int строка = 0; строка < 4; ++строка) {
    for (int столбец = 0; столбец < 3; ++столбец) {
      p.setBrush(цвета[(строка * 3 + столбец * 2) % 6]);
      p.drawRect(
          QRectF(r * (0.16 + 0.24 * столбец), r * (0.16 + 0.18 * строка), r * 0.2, r * 0.14));
    }
  }
}

// A ZIP box with its zipper and an arrow into it (archive) or out of it (restore).
void Архив_со_стрелкой(QPainter& p, double r, bool внутрь) {
  QLinearGradient г(0, r * 0.45, 0, r);
  г.setColorAt(0, QColor(0xF2, 0xC2, 0x6B));
  г.setColorAt(1, QColor(0xC8, 0x8A, 0x2E));
  p.setPen(QPen(QColor(0x7A, 0x52, 0x14), r / 40));
  p.setBrush(г);
  p.drawRoundedRect(QRectF(r * 0.12, r * 0.48, r * 0.76, r * 0.44), r * 0.04, r * 0.04);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x5A, 0x5A, 0x5A));
  for (int i = 0; i < 5; ++i) {
    p.drawRect(QRectF(r * 0.46, r * (0.5 + 0.08 * i), r * 0.08, r * 0.04));
  }
  const QColor цвет = внутрь ? QColor(0x2A, 0x74, 0xC8) : QColor(0x2E, 0x9E, 0x3A);
  p.setBrush(цвет);
  p.setPen(QPen(цвет.darker(140), r / 60));
  QPolygonF стрелка;
  if (внутрь) {
    стрелка << QPointF(r * 0.42, r * 0.04) << QPointF(r * 0.58, r * 0.04)
            << QPointF(r * 0.58, r * 0.26) << QPointF(r * 0.72, r * 0.26)
            << QPointF(r * 0.5, r * 0.46) << QPointF(r * 0.28, r * 0.26)
            << QPointF(r * 0.42, r * 0.26);
  } else {
    стрелка << QPointF(r * 0.42, r * 0.44) << QPointF(r * 0.58, r * 0.44)
            << QPointF(r * 0.58, r * 0.22) << QPointF(r * 0.72, r * 0.22)
            << QPointF(r * 0.5, r * 0.02) << QPointF(r * 0.28, r * 0.22)
            << QPointF(r * 0.42, r * 0.22);
  }
  p.drawPolygon(стрелка);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication приложение(argc, argv);
  const QString папка = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("resources");
  struct {
    const char* имя;
    int размер;
    Рисунок рисунок;
  } const картинки[] = {
      {"error.png", 48, Ошибка},
      {"message.png", 48,
       [](QPainter& p, double r) { Круг_со_знаком(p, r, QColor(0x2A, 0x74, 0xC8), "i"); }},
      {"question.png", 48,
       [](QPainter& p, double r) { Круг_со_знаком(p, r, QColor(0x2A, 0x74, 0xC8), "?"); }},
      {"done.png", 48, Готово},
      {"exit.png", 24, Выход},
      {"new_task.png", 24, Новая_задача},
      {"continue_task.png", 24, Продолжить},
      {"return_to_step.png", 24, Возврат},
      {"widgets_on.png", 32, Автогенерация_вкл},
      {"widgets_off.png", 32, Автогенерация_выкл},
      {"golden_mask.png", 128, Золотая_маска},
      {"program.png", 64, Значок_программы},
      {"archive_window.png", 96, [](QPainter& p, double r) { Архив_со_стрелкой(p, r, true); }},
      {"restore_window.png", 96, [](QPainter& p, double r) { Архив_со_стрелкой(p, r, false); }},
  };
  int ошибок = 0;
  for (const auto& к : картинки) {
    if (!Сохранить(папка, к.имя, к.размер, к.рисунок)) {
      std::fprintf(stderr, "cannot write %s\n", к.имя);
      ++ошибок;
    }
  }
  return ошибок == 0 ? 0 : 1;
}
