#include "clockface/FormaQuadrante.h"

#include <QPainter>

#include <algorithm>

FormaQuadrante::FormaQuadrante(Stile stile, QColor colore, int spessore, QWidget* parent)
    : QWidget(parent), stile_(stile), colore_(colore), spessore_(std::max(1, spessore)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void FormaQuadrante::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int lato = std::min(width(), height());
    QRectF cerchio(0, 0, lato, lato);
    cerchio.moveCenter(QRectF(rect()).center());
    if (stile_ == Stile::Disco) {
        p.setPen(Qt::NoPen);
        p.setBrush(colore_);
    } else {
        // The outline lies inside the box, as thick as asked.
        const double meta = spessore_ / 2.0;
        cerchio.adjust(meta, meta, -meta, -meta);
        p.setPen(QPen(colore_, spessore_));
        p.setBrush(Qt::NoBrush);
    }
    p.drawEllipse(cerchio);
}
