#include "speech/Bocca.h"

#include "shell/Contesto.h"
#include "speech/MotoreVoce.h"
#include "speech/RegistroVoce.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

Q_LOGGING_CATEGORY(registroVoce, "ertavino.speech", QtWarningMsg)

Bocca::Bocca(MotoreVoce& motore, QWidget* parent) : QWidget(parent), motore_(motore) {
    setAccessibleName(QStringLiteral("Bocca che parla"));
    setCursor(Qt::PointingHandCursor);
    connect(&motore_, &MotoreVoce::Livello, this, &Bocca::SeguiLivello);
}

Bocca::~Bocca() = default;

int Bocca::NumeroVoci() const {
    return motore_.NumeroVoci();
}

QString Bocca::NomeVoce(int numero) const {
    return motore_.NomeVoce(numero);
}

bool Bocca::SelezionaVoce(int numero) {
    qCDebug(registroVoce, "voice: %d", numero);
    return motore_.SelezionaVoce(numero);
}

void Bocca::ImpostaVelocita(int velocita) {
    qCDebug(registroVoce, "speed: %d", velocita);
    motore_.ImpostaVelocita(velocita);
}

void Bocca::Parla(const QString& testo) {
    qCDebug(registroVoce).noquote().nospace() << "speak: " << testo;
    motore_.Parla(testo);
}

void Bocca::Ferma() {
    qCDebug(registroVoce, "stop");
    motore_.Ferma();
}

QSize Bocca::sizeHint() const {
    return {160, 110};
}

void Bocca::SeguiLivello(float livello) {
    const float nuova = std::clamp(livello, 0.0f, 1.0f);
    if (qFuzzyCompare(1.0f + nuova, 1.0f + apertura_))
        return;
    apertura_ = nuova;
    update();
}

void Bocca::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // A fixed 200 x 140 drawing space, scaled to the widget keeping its shape.
    const qreal scala = std::min(width() / 200.0, height() / 140.0);
    p.translate(width() / 2.0, height() / 2.0);
    p.scale(scala, scala);

    const qreal apertura = 6.0 + 44.0 * apertura_; // gap between the lips
    const qreal meta = 80.0;                       // half the mouth's width

    // Upper lip: a gentle bow; lower lip: a smile that drops as the mouth opens.
    QPainterPath labbroSopra;
    labbroSopra.moveTo(-meta, 0);
    labbroSopra.cubicTo(-meta / 2, -26, -12, -30, 0, -20);
    labbroSopra.cubicTo(12, -30, meta / 2, -26, meta, 0);
    labbroSopra.cubicTo(meta / 2, -apertura / 2 - 4, -meta / 2, -apertura / 2 - 4, -meta, 0);

    QPainterPath interno;
    interno.moveTo(-meta, 0);
    interno.cubicTo(-meta / 2, -apertura / 2 - 4, meta / 2, -apertura / 2 - 4, meta, 0);
    interno.cubicTo(meta / 2, apertura + 14, -meta / 2, apertura + 14, -meta, 0);

    QPainterPath labbroSotto;
    labbroSotto.moveTo(-meta, 0);
    labbroSotto.cubicTo(-meta / 2, apertura + 14, meta / 2, apertura + 14, meta, 0);
    labbroSotto.cubicTo(meta / 2, apertura + 42, -meta / 2, apertura + 42, -meta, 0);

    p.translate(0, -apertura / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x12, 0x1c));
    p.drawPath(interno);
    if (apertura_ > 0.15f) {
        // Upper teeth and tongue show only when the mouth is open enough.
        p.setBrush(Qt::white);
        p.drawRect(QRectF(-30, -apertura / 2 - 6, 60, std::min(12.0, apertura / 2)));
        p.setBrush(QColor(0xe0, 0x5a, 0x6a));
        p.drawEllipse(QPointF(0, apertura / 2 + 8), 28, std::max(4.0, apertura / 3));
    }
    const QPen contorno(QColor(0x8e, 0x1b, 0x2a), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(contorno);
    p.setBrush(QColor(0xd9, 0x3a, 0x4e));
    p.drawPath(labbroSopra);
    p.drawPath(labbroSotto);
}

void Bocca::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
    QWidget::mouseReleaseEvent(event);
}

void ImpostaVoce(Bocca& bocca, const Contesto& contesto) {
    bocca.SelezionaVoce(contesto.NumeroVoce);
    bocca.ImpostaVelocita(contesto.VelocitaVoce);
}
