// The controls of an exercise screen, at their design places (twips).

#include "clockface/Quadrante.h"
#include "core/Contesto.h"
#include "exercises/Figure.h"
#include "exercises/Linea.h"
#include "exercises/SchermataEsercizio.h"
#include "feedback/ColoreQt.h"
#include "layout/PulsanteFigura.h"
#include "layout/Twip.h"
#include "speech/Bocca.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace {

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

    quadrante_ = new Quadrante(riga_.disposizione, ColoreQt(riga_.sfondo), this);
    quadrante_->move(0, 0);
    if (!frecce)
        connect(quadrante_, &Quadrante::BersaglioCliccato, this,
                &SchermataEsercizio::Bersaglio_Click);

    piatto_ = new ImmagineSvg(QStringLiteral("piatto"), this);
    piatto_->setObjectName(QStringLiteral("Image1"));
    piatto_->setGeometry(RettangoloTwip(6960, 120, 2055, 1905));
    piatto_->setAccessibleName(QStringLiteral("Piatto dell'ertavino digitale"));

    // On the arrow screens the digital time sits higher, above the two bars.
    digitale_ = new QLineEdit(this);
    digitale_->setObjectName(QStringLiteral("Text1"));
    digitale_->setGeometry(frecce ? RettangoloTwip(7200, 300, 1575, 525)
                                  : RettangoloTwip(7200, 720, 1575, 525));
    digitale_->setReadOnly(true);
    digitale_->setFocusPolicy(Qt::NoFocus);
    digitale_->setAlignment(Qt::AlignCenter);
    digitale_->setAccessibleName(QStringLiteral("Ertavino digitale"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(14.25);
    digitale_->setFont(arial);

    // One place, "Command1", holds "Conferma" or the display's switch.
    if (frecce) {
        conferma_ = Bottone(this, "Command1", QStringLiteral("Conferma"), "conferma",
                            RettangoloTwip(6960, 2160, 2160, 1065));
        connect(conferma_, &QAbstractButton::clicked, this, &SchermataEsercizio::Conferma_Click);
    } else {
        mostraDigitale_ = Bottone(this, "Command1", QStringLiteral("Nascondi ertavino digitale"),
                                  "cronometro", RettangoloTwip(6960, 2160, 2175, 1095));
        connect(mostraDigitale_, &QAbstractButton::clicked, this,
                &SchermataEsercizio::MostraDigitale_Click);
    }
    riascolta_ = Bottone(this, "Command2", QStringLiteral("riascolta"), "altoparlante",
                         RettangoloTwip(6960, 3600, 2175, 1095));
    avanti_ = Bottone(this, "BottoneAvanti", QStringLiteral("avanti"), "freccia",
                      RettangoloTwip(6960, 5040, 2175, 1095));
    avanti_->setEnabled(false);
    esci_ = Bottone(this, "Command7", QStringLiteral("Esci"), "stop",
                    RettangoloTwip(6960, 6480, 2160, 1065));

    // The mouth stands under "Esci" rather than across it.
    auto* bocca = new Bocca(motore, this);
    bocca->setObjectName(QStringLiteral("Bocca"));
    bocca->setGeometry(RettangoloTwip(6960, 7620, 2175, 1695));

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

    if (!riga_.lineaRossa.Vuoto()) {
        const auto linea = [this](const char* nome, const Segmento& s, QColor colore,
                                  int spessore) {
            auto* l = new Linea(colore, spessore, this);
            l->setObjectName(QLatin1String(nome));
            l->ImpostaEstremi(PuntoTwip(s.x1, s.y1), PuntoTwip(s.x2, s.y2));
            l->lower(); // beneath the faces
            return l;
        };
        guidaRossa_ = linea("Line1", riga_.lineaRossa, ColoreQt(ColoreOre), 7);
        guidaBlu_ = linea("Line2", riga_.lineaBlu, ColoreQt(ColoreMinuti), 3);
    }
    if (frecce)
        CostruisciBarre();

    connect(riascolta_, &QAbstractButton::clicked, this, &SchermataEsercizio::Riascolta_Click);
    connect(avanti_, &QAbstractButton::clicked, this, &SchermataEsercizio::BottoneAvanti_Click);
    connect(esci_, &QAbstractButton::clicked, this, &SchermataEsercizio::Esci_Click);

    // Tab runs through the bars, then the buttons top to bottom.
    QWidget* precedente = nullptr;
    for (QWidget* w : {static_cast<QWidget*>(barraOre_), static_cast<QWidget*>(barraMinuti_),
                       static_cast<QWidget*>(conferma_), static_cast<QWidget*>(mostraDigitale_),
                       static_cast<QWidget*>(riascolta_), static_cast<QWidget*>(avanti_),
                       static_cast<QWidget*>(esci_)}) {
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
    barraOre_ = barra("vScroll1", riga_.barraOre, modoOre_ + 1, QStringLiteral("Ore"));
    connect(barraOre_, &QScrollBar::valueChanged, this, &SchermataEsercizio::BarraOre_Change);
    if (riga_.passiPerOra > 0) {
        barraMinuti_ =
            barra("vScroll2", riga_.barraMinuti, riga_.passiPerOra, QStringLiteral("Minuti"));
        connect(barraMinuti_, &QScrollBar::valueChanged, this,
                &SchermataEsercizio::BarraMinuti_Change);
    }
}
