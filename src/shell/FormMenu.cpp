#include "shell/FormMenu.h"

#include "core/Contesto.h"
#include "feedback/ColoreQt.h"
#include "feedback/Colori.h"
#include "layout/PulsanteFigura.h"
#include "layout/Schermo.h"
#include "layout/Twip.h"
#include "shell/RegoleMenu.h"

#include <QCheckBox>
#include <QLabel>

namespace {

constexpr int LarghezzaBottone = 2300;
constexpr int AltezzaBottone = 1000;

const QString FiguraClic = QStringLiteral(":/immagini/orologio.svg");
const QString FiguraFrecce = QStringLiteral(":/immagini/digitale.svg");

} // namespace

FormMenu::FormMenu(Contesto& contesto, QWidget* parent)
    : SchermoScalato(parent), contesto_(contesto) {
    setObjectName(QStringLiteral("FormMenu"));
    resize(Tw(10095), Tw(7335));
    setFont(CarattereDisegno(QStringLiteral("Arial"), 12, true));

    const auto bottone = [this](const char* nome, const QString& testo, const QString& figura,
                                int sinistra, int alto) {
        auto* b = new PulsanteFigura(testo, figura, this);
        b->setObjectName(QLatin1String(nome));
        b->setGeometry(RettangoloTwip(sinistra, alto, LarghezzaBottone, AltezzaBottone));
        return b;
    };
    const auto etichetta = [this](const char* nome, const QString& testo, int sinistra) {
        auto* l = new QLabel(testo, this);
        l->setObjectName(QLatin1String(nome));
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(RettangoloTwip(sinistra, 120, 3015, 375));
    };

    etichetta("Label1", QStringLiteral("dodici ore"), 1200);
    etichetta("Label2", QStringLiteral("ventiquattro ore"), 5880);
    for (const BottoneEsercizio& e : BottoniEsercizio) {
        auto* b = bottone(e.Nome, QString::fromUtf8(e.Didascalia),
                          e.Frecce ? FiguraFrecce : FiguraClic, e.Sinistra, e.Alto);
        connect(b, &QPushButton::clicked, this, [this, &e] { emit EsercizioScelto(e); });
    }

    suoniAttivati_ = new QCheckBox(QStringLiteral("Suoni attivati"), this);
    suoniAttivati_->setObjectName(QStringLiteral("Check1"));
    suoniAttivati_->setGeometry(RettangoloTwip(360, 6240, 1935, 375));
    connect(suoniAttivati_, &QCheckBox::toggled, this, &FormMenu::SuoniAttivati_Click);

    connect(bottone("Command13", QStringLiteral("Imposta voce"), {}, 2640, 6000),
            &QPushButton::clicked, this, &FormMenu::ImpostaVoceScelto);
    connect(bottone("Command8", QStringLiteral("Informazioni"),
                    QStringLiteral(":/immagini/domanda.svg"), 5040, 6000),
            &QPushButton::clicked, this, &FormMenu::Informazioni_Click);
    connect(bottone("Command1", QStringLiteral("Esci"), QStringLiteral(":/immagini/stop.svg"), 7440,
                    6000),
            &QPushButton::clicked, this, &FormMenu::Esci_Click);
}

void FormMenu::Form_Activate() {
    RiempiSchermo(*this);
    suoniAttivati_->setChecked(contesto_.SuoniAttivati == -1);
    const QColor sfondo = ColoreQt(ColoreCasuale(contesto_.Casuale));
    DipingiSfondo(*this, sfondo);
    DipingiSfondo(*suoniAttivati_, sfondo);
}

void FormMenu::SuoniAttivati_Click() {
    // Not saved: every start begins with sounds on.
    contesto_.SuoniAttivati = suoniAttivati_->isChecked() ? -1 : 0;
}

void FormMenu::Informazioni_Click() {
    MostraInformazioni(contesto_.Dialoghi, this);
}

void FormMenu::Esci_Click() {
    if (ChiediUscita(contesto_, this))
        emit Uscita();
}
