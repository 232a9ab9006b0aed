#include "exercises/Linea.h"

#include <QPainter>

Linea::Linea(QColor colore, int larghezza, QWidget* parent)
    : QWidget(parent), colore_(colore), larghezza_(larghezza) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Riposiziona();
}

void Linea::setX1(int v) {
    x1_ = v;
    Riposiziona();
}
void Linea::setY1(int v) {
    y1_ = v;
    Riposiziona();
}
void Linea::setX2(int v) {
    x2_ = v;
    Riposiziona();
}
void Linea::setY2(int v) {
    y2_ = v;
    Riposiziona();
}

void Linea::ImpostaEstremi(QPoint da, QPoint a) {
    x1_ = da.x();
    y1_ = da.y();
    x2_ = a.x();
    y2_ = a.y();
    Riposiziona();
}

// The widget covers the segment plus half the pen on every side.
void Linea::Riposiziona() {
    const int margine = (larghezza_ + 1) / 2 + 1;
    const QRect attorno = QRect(QPoint(x1_, y1_), QPoint(x2_, y2_)).normalized();
    setGeometry(attorno.adjusted(-margine, -margine, margine, margine));
    update();
}

void Linea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colore_, larghezza_, Qt::SolidLine, Qt::RoundCap));
    const QPoint origine = pos();
    p.drawLine(QPoint(x1_, y1_) - origine, QPoint(x2_, y2_) - origine);
}
