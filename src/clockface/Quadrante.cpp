#include "clockface/Quadrante.h"

#include "clockface/FormaQuadrante.h"
#include "clockface/GeometriaLancetta.h"
#include "layout/Twip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>

namespace {

constexpr int LarghezzaTwip = 6735, AltezzaTwip = 6585;

// The numerals' face: Arial bold 20.25 points, which is 27 pixels on the
// 96-dpi display the dial is designed for. Given in pixels so the numerals
// keep to their boxes whatever dpi the desktop reports. Liberation Sans and
// Arimo share Arial's metrics and stand in where Arial is not installed.
QFont FontNumeri() {
    QFont font;
    font.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    font.setPixelSize(27);
    font.setBold(true);
    return font;
}

// The rim is drawn in a deep gold: the yellow it stands for would vanish on
// the yellow and cream dials.
const QColor ColoreBordo(184, 128, 0);

// Box of a dial control in twips, placed inside the sunken border.
QRect RettangoloInterno(const QRect& twip) {
    return RettangoloTwip(twip.x(), twip.y(), twip.width(), twip.height())
        .translated(BordoQuadrante, BordoQuadrante);
}

} // namespace

struct Quadrante::Dati {
    QColor sfondo;
    ScalaQuadrante scala;
    int larghezzaTratto = 1;
    QVector<Tratto> tratti;
    QVector<QLabel*> bersagli;
    QPointer<QLabel> premuto; // the target the left button went down on
};

Quadrante::Quadrante(DisposizioneQuadrante disposizione, QColor sfondo, QWidget* parent)
    : QWidget(parent), d_(std::make_unique<Dati>(Dati{sfondo, {}, 1, {}, {}, {}})) {
    setObjectName(QStringLiteral("Picture1"));
    setAccessibleName(QStringLiteral("Quadrante dell'orologio"));
    setFixedSize(Tw(LarghezzaTwip), Tw(AltezzaTwip));
    setAttribute(Qt::WA_OpaquePaintEvent);

    // Back to front: hub, targets, rim.
    auto* mozzo = new FormaQuadrante(FormaQuadrante::Stile::Disco, Qt::black, 1, this);
    mozzo->setObjectName(QStringLiteral("Shape2"));
    mozzo->setAccessibleName(QStringLiteral("Perno delle lancette"));
    mozzo->setGeometry(RettangoloInterno(QRect(3226, 3185, 255, 255)));

    const QFont font = FontNumeri();
    const int dodici = IndiceDelDodici(disposizione);
    const int posizioni = PosizioniQuadrante(disposizione);
    for (const EtichettaQuadrante& e : EtichetteQuadrante(disposizione)) {
        auto* bersaglio = new QLabel(e.didascalia, this);
        bersaglio->setObjectName(QStringLiteral("Label1_%1").arg(e.indice));
        bersaglio->setProperty("indice", e.indice);
        bersaglio->setGeometry(RettangoloInterno(e.twip));
        bersaglio->setFont(font);
        bersaglio->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        QPalette colori = bersaglio->palette();
        colori.setColor(QPalette::WindowText, e.indice == dodici ? Qt::red : Qt::black);
        bersaglio->setPalette(colori);
        const QString tra = PosizioneTra(e.indice, posizioni);
        if (e.didascalia.isEmpty())
            bersaglio->setAccessibleName(tra);
        else
            bersaglio->setAccessibleDescription(tra);
        bersaglio->installEventFilter(this);
        d_->bersagli.append(bersaglio);
    }

    auto* bordo = new FormaQuadrante(FormaQuadrante::Stile::Contorno, ColoreBordo, 2, this);
    bordo->setObjectName(QStringLiteral("Shape1"));
    bordo->setAccessibleName(QStringLiteral("Bordo del quadrante"));
    bordo->setGeometry(RettangoloInterno(QRect(480, 360, 5640, 6015)));

    AggiornaScala();
}

Quadrante::~Quadrante() = default;

void Quadrante::AggiornaScala() {
    d_->scala = ScalaQuadrante(size());
    update();
}

const ScalaQuadrante& Quadrante::Scala() const {
    return d_->scala;
}

void Quadrante::CancellaLancette() {
    d_->tratti.clear();
    update();
}

void Quadrante::ImpostaLarghezzaTratto(int larghezza) {
    d_->larghezzaTratto = std::max(1, larghezza);
}

void Quadrante::DisegnaLancetta(double gradi, double lunghezza, const QColor& colore,
                                float piGreco) {
    d_->tratti.append(
        {QPointF(0, 0), PuntaLancetta(gradi, lunghezza, piGreco), colore, d_->larghezzaTratto});
    update();
}

QLabel* Quadrante::Bersaglio(int indice) const {
    for (QLabel* bersaglio : d_->bersagli)
        if (bersaglio->property("indice").toInt() == indice)
            return bersaglio;
    return nullptr;
}

const QVector<Quadrante::Tratto>& Quadrante::Tratti() const {
    return d_->tratti;
}

void Quadrante::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), d_->sfondo);

    // A sunken border in fixed greys, so the dial looks the same on any theme.
    const QRect r = rect();
    const auto cornice = [&p](QRect q, QColor alto, QColor basso) {
        p.setPen(alto);
        p.drawLine(q.topLeft(), q.topRight());
        p.drawLine(q.topLeft(), q.bottomLeft());
        p.setPen(basso);
        p.drawLine(q.bottomLeft(), q.bottomRight());
        p.drawLine(q.topRight(), q.bottomRight());
    };
    cornice(r, QColor(128, 128, 128), Qt::white);
    cornice(r.adjusted(1, 1, -1, -1), QColor(64, 64, 64), QColor(212, 208, 200));

    p.setClipRect(d_->scala.AreaInterna());
    p.setRenderHint(QPainter::Antialiasing);
    for (const Tratto& t : d_->tratti) {
        p.setPen(QPen(t.colore, t.larghezza, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(d_->scala.InPixel(t.da), d_->scala.InPixel(t.a));
    }
}

void Quadrante::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    AggiornaScala();
}

// A target is clicked when the left button goes down and comes up on it, as a
// button is. The second press of a double click arrives as a double-click
// event and starts a click like any press: a child who clicks twice quickly
// has answered twice.
bool Quadrante::eventFilter(QObject* oggetto, QEvent* evento) {
    auto* bersaglio = qobject_cast<QLabel*>(oggetto);
    if (!bersaglio || !d_->bersagli.contains(bersaglio))
        return QWidget::eventFilter(oggetto, evento);
    if (evento->type() == QEvent::MouseButtonPress ||
        evento->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(evento);
        d_->premuto = mouse->button() == Qt::LeftButton ? bersaglio : nullptr;
    } else if (evento->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(evento);
        const bool click = mouse->button() == Qt::LeftButton && d_->premuto == bersaglio &&
                           bersaglio->rect().contains(mouse->position().toPoint());
        d_->premuto = nullptr;
        if (click) {
            // The handler may clear or rebuild the screen: nothing of this
            // object is touched after the signal.
            emit BersaglioCliccato(bersaglio->property("indice").toInt());
            return true;
        }
    }
    return QWidget::eventFilter(oggetto, evento);
}
