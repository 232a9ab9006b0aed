#include "speech/Bocca.h"

#include "speech/MotoreVoce.h"
#include "speech/RegistroVoce.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

Bocca::Bocca(MotoreVoce& motore, QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Bocca che parla"));
    setCursor(Qt::PointingHandCursor);
    connect(&motore, &MotoreVoce::Livello, this, &Bocca::SeguiLivello);
    // Whatever loudness came last, a silent engine leaves the mouth shut.
    connect(&motore, &MotoreVoce::Silenzio, this, [this] { SeguiLivello(0.0f); });
}

Bocca::~Bocca() = default;

QSize Bocca::sizeHint() const {
    return {160, 110};
}

void Bocca::SeguiLivello(float livello) {
    const float nuova = std::clamp(livello, 0.0f, 1.0f);
    if (qFuzzyCompare(1.0f + nuova, 1.0f + apertura_))
        return;
    if ((nuova > 0.0f) != (apertura_ > 0.0f))
        qCDebug(registroVoce, nuova > 0.0f ? "mouth: open" : "mouth: shut");
    apertura_ = nuova;
    update();
}

void Bocca::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // A fixed 200 x 140 drawing space, centred and scaled to the widget
    // keeping its shape.
    const qreal scala = std::min(width() / 200.0, height() / 140.0);
    p.translate(width() / 2.0, height() / 2.0);
    p.scale(scala, scala);

    const qreal varco = 46.0 * apertura_; // how far the lips are apart
    const qreal meta = 78.0;              // half the mouth's width
    p.translate(0, -0.15 * varco);        // keep the open mouth centred
    // The corners sit a little higher than the middle: a smile.
    const QPointF sinistra(-meta, -6), destra(meta, -6);
    const qreal labbroSopraDentro = 10 - 0.5 * varco;
    const qreal labbroSottoDentro = 10 + 1.1 * varco;
    // Where the lower lip's inner edge is lowest, in the middle.
    const qreal fondo = 0.75 * labbroSottoDentro - 1.5;

    // The opening between the lips; empty when the mouth is closed.
    QPainterPath interno(sinistra);
    interno.cubicTo({-meta / 2, labbroSopraDentro}, {meta / 2, labbroSopraDentro}, destra);
    interno.cubicTo({meta / 2, labbroSottoDentro}, {-meta / 2, labbroSottoDentro}, sinistra);

    // Upper lip with its bow; lower lip rounder and fuller.
    const qreal arco = -0.5 * varco;
    QPainterPath sopra(sinistra);
    sopra.cubicTo(-meta * 0.55, arco - 26, -26, arco - 40, 0, arco - 28);
    sopra.cubicTo({26, arco - 40}, {meta * 0.55, arco - 26}, destra);
    sopra.cubicTo({meta / 2, labbroSopraDentro}, {-meta / 2, labbroSopraDentro}, sinistra);
    QPainterPath sotto(sinistra);
    sotto.cubicTo({-meta / 2, labbroSottoDentro}, {meta / 2, labbroSottoDentro}, destra);
    sotto.cubicTo({meta / 2, labbroSottoDentro + 34}, {-meta / 2, labbroSottoDentro + 34},
                  sinistra);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6b, 0x14, 0x22));
    p.drawPath(interno);
    if (varco > 4) {
        // Upper teeth hanging from the upper lip, following its curve; they
        // start under the lip, which is drawn over them.
        const qreal denti = std::min(11.0, 2 + varco * 0.3);
        QPainterPath arcata(sinistra + QPointF(0, -4));
        arcata.cubicTo({-meta / 2, labbroSopraDentro - 4}, {meta / 2, labbroSopraDentro - 4},
                       destra + QPointF(0, -4));
        arcata.lineTo(destra + QPointF(0, denti));
        arcata.cubicTo({meta / 2, labbroSopraDentro + denti},
                       {-meta / 2, labbroSopraDentro + denti}, sinistra + QPointF(0, denti));
        arcata.closeSubpath();
        p.save();
        p.setClipRect(QRectF(-38, -100, 76, 200));
        p.setBrush(Qt::white);
        p.drawPath(arcata);
        // The tongue rests on the lower lip, seen through the opening.
        p.setClipPath(interno);
        p.setBrush(QColor(0xf0, 0x7c, 0x8a));
        p.drawEllipse(QPointF(0, fondo), 32, 6 + varco * 0.25);
        p.restore();
    }

    const QColor contorno(0x9c, 0x23, 0x33);
    p.setPen(QPen(contorno, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xe0, 0x4b, 0x5a));
    p.drawPath(sopra);
    p.drawPath(sotto);
    // A glint on the lower lip.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawEllipse(QPointF(-22, fondo + 11), 12, 4);
}

void Bocca::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
    QWidget::mouseReleaseEvent(event);
}
