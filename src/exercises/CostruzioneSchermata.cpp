// The controls of an exercise screen, at their design places (twips).

#include "clockface/Quadrante.h"
#include "core/Contesto.h"
#include "exercises/Figure.h"
#include "exercises/Linea.h"
#include "exercises/SchermataEsercizio.h"
#include "layout/PulsanteFigura.h"
#include "layout/Twip.h"
#include "speech/Bocca.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace {

QColor ColoreRgb(quint32 rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QRect Posto(const Riquadro& r) {
    return RettangoloTwip(r.sinistra, r.alto, r.larghezza, r.altezza);
}

QLabel* Etichetta(QWidget* genitore, const char* nome, const QString& testo, QRect posto,
                  qreal punti, bool grassetto) {
    auto* e = new QLabel(testo, genitore);
    e->setObjectName(QLatin1String(nome));
    e->setGeometry(posto);
    QFont carattere = e->font();
    carattere.setPointSizeF(punti);
    carattere.setBold(grassetto);
    e->setFont(carattere);
    return e;
}

PulsanteFigura* Bottone(QWidget* genitore, const char* nome, const QString& testo,
                        const char* figura, QRect posto) {
    auto* b = new PulsanteFigura(testo, PercorsoFigura(QLatin1String(figura)), genitore);
    b->setObjectName(QLatin1String(nome));
    b->setCursor(CursoreManina());
    b->setGeometry(posto);
    return b;
}

} // namespace

void SchermataEsercizio::CostruisciControlli(MotoreVoce& motore) {
    const bool frecce = riga_.stile == StileRisposta::Frecce;

    picture1_ = new Quadrante(riga_.disposizione, ColoreRgb(riga_.sfondo), this);
    picture1_->move(0, 0);
    if (!frecce)
        connect(picture1_, &Quadrante::BersaglioCliccato, this, &SchermataEsercizio::Label1_Click);

    image1_ = new ImmagineSvg(QStringLiteral("piatto"), this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(RettangoloTwip(6960, 120, 2055, 1905));
    image1_->setAccessibleName(QStringLiteral("Piatto dell'ertavino digitale"));

    // On the arrow screens the digital time sits higher, above the two bars.
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(frecce ? RettangoloTwip(7200, 300, 1575, 525)
                               : RettangoloTwip(7200, 720, 1575, 525));
    text1_->setReadOnly(true);
    text1_->setFocusPolicy(Qt::NoFocus);
    text1_->setAlignment(Qt::AlignCenter);
    text1_->setAccessibleName(QStringLiteral("Ertavino digitale"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(14.25);
    text1_->setFont(arial);

    command1_ = frecce ? Bottone(this, "Command1", QStringLiteral("Conferma"), "conferma",
                                 RettangoloTwip(6960, 2160, 2160, 1065))
                       : Bottone(this, "Command1", QStringLiteral("Nascondi ertavino digitale"),
                                 "cronometro", RettangoloTwip(6960, 2160, 2175, 1095));
    command2_ = Bottone(this, "Command2", QStringLiteral("riascolta"), "altoparlante",
                        RettangoloTwip(6960, 3600, 2175, 1095));
    bottoneAvanti_ = Bottone(this, "BottoneAvanti", QStringLiteral("avanti"), "freccia",
                             RettangoloTwip(6960, 5040, 2175, 1095));
    bottoneAvanti_->setEnabled(false);
    command7_ = Bottone(this, "Command7", QStringLiteral("Esci"), "stop",
                        RettangoloTwip(6960, 6480, 2160, 1065));

    // The mouth stands under "Esci" rather than across it.
    bocca_ = new Bocca(motore, this);
    bocca_->setObjectName(QStringLiteral("Bocca"));
    bocca_->setGeometry(RettangoloTwip(6960, 7620, 2175, 1695));

    iconaSi_ = new ImmagineSvg(QStringLiteral("faccia_si"), this);
    iconaSi_->setObjectName(QStringLiteral("ComandoIconaSi"));
    iconaSi_->setGeometry(RettangoloTwip(300, 6600, 1095, 975));
    iconaSi_->setAccessibleName(QStringLiteral("Risposta esatta"));
    iconaNo_ = new ImmagineSvg(QStringLiteral("faccia_no"), this);
    iconaNo_->setObjectName(QStringLiteral("ComandoIconaNo"));
    iconaNo_->setGeometry(RettangoloTwip(240, 6630, 1095, 975));
    iconaNo_->setAccessibleName(QStringLiteral("Risposta errata"));
    iconaNo_->hide();

    Etichetta(this, "Label3", QStringLiteral("Esatti"), RettangoloTwip(1440, 7035, 735, 375), 10,
              false);
    etichettaEsatti_ = Etichetta(this, "EtichettaEsatti", QStringLiteral("quantiesatti"),
                                 RettangoloTwip(2280, 6930, 975, 615), 14, true);
    etichettaEsatti_->setAccessibleDescription(QStringLiteral("Esatti"));
    Etichetta(this, "Label2", QStringLiteral("Errati"), RettangoloTwip(3600, 7080, 735, 495), 10,
              false);
    etichettaErrati_ = Etichetta(this, "EtichettaErrati", QStringLiteral("quantierrati"),
                                 RettangoloTwip(4440, 6975, 855, 615), 14, true);
    etichettaErrati_->setAccessibleDescription(QStringLiteral("Errati"));

    if (!riga_.linea1.Vuoto()) {
        const auto linea = [this](const char* nome, const Segmento& s, QColor colore,
                                  int spessore) {
            auto* l = new Linea(colore, spessore, this);
            l->setObjectName(QLatin1String(nome));
            l->ImpostaEstremi(PuntoTwip(s.x1, s.y1), PuntoTwip(s.x2, s.y2));
            l->lower(); // beneath the faces
            return l;
        };
        line1_ = linea("Line1", riga_.linea1, QColor(255, 0, 0), 7);
        line2_ = linea("Line2", riga_.linea2, QColor(0, 0, 255), 3);
    }
    if (frecce)
        CostruisciBarre();

    connect(command1_, &QAbstractButton::clicked, this, &SchermataEsercizio::Command1_Click);
    connect(command2_, &QAbstractButton::clicked, this, &SchermataEsercizio::Command2_Click);
    connect(bottoneAvanti_, &QAbstractButton::clicked, this,
            &SchermataEsercizio::BottoneAvanti_Click);
    connect(command7_, &QAbstractButton::clicked, this, &SchermataEsercizio::Command7_Click);

    // Tab runs through the bars, then the buttons top to bottom.
    QWidget* precedente = nullptr;
    for (QWidget* w : {static_cast<QWidget*>(vScroll1_), static_cast<QWidget*>(vScroll2_),
                       static_cast<QWidget*>(command1_), static_cast<QWidget*>(command2_),
                       static_cast<QWidget*>(bottoneAvanti_), static_cast<QWidget*>(command7_)}) {
        if (!w)
            continue;
        if (precedente)
            setTabOrder(precedente, w);
        precedente = w;
    }
}

// Horizontal bars stepping by one: the left arrow steps back, the right on.
// The value changes only when the thumb is let go, not while it is dragged,
// so dragging to an end wraps once.
void SchermataEsercizio::CostruisciBarre() {
    const auto barra = [this](const char* nome, const Riquadro& posto, int massimo,
                              const QString& nomeAccessibile) {
        auto* b = new QScrollBar(Qt::Horizontal, this);
        b->setObjectName(QLatin1String(nome));
        b->setGeometry(Posto(posto));
        b->setRange(-1, massimo);
        b->setSingleStep(1);
        b->setPageStep(1);
        b->setValue(0);
        b->setTracking(false);
        // A scroll bar's keys and wheel run backwards by default; here the
        // right arrow key, like the right arrow button, moves the time on.
        b->setInvertedControls(false);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAccessibleName(nomeAccessibile);
        return b;
    };
    vScroll1_ = barra("vScroll1", riga_.vScroll1, contesto_.ModoOre + 1, QStringLiteral("Ore"));
    connect(vScroll1_, &QScrollBar::valueChanged, this, &SchermataEsercizio::vScroll1_Change);
    if (riga_.passiPerOra > 0) {
        vScroll2_ = barra("vScroll2", riga_.vScroll2, riga_.passiPerOra, QStringLiteral("Minuti"));
        connect(vScroll2_, &QScrollBar::valueChanged, this, &SchermataEsercizio::vScroll2_Change);
    }
}
