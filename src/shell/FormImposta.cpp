#include "shell/FormImposta.h"

#include "core/Contesto.h"
#include "core/Messaggi.h"
#include "core/ValoriVoce.h"
#include "layout/PulsanteFigura.h"
#include "layout/Schermo.h"
#include "layout/Twip.h"
#include "speech/Bocca.h"
#include "speech/MotoreVoce.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

const QString InvitoBocca = QStringLiteral("Premi sulla mia bocca per ascoltare come parlo.");
const QString InvitoConferma =
    QStringLiteral("Premi sul bottone conferma per accettare la mia voce.");
const QString VoceRifiutata = QStringLiteral("non posso selezionare questa voce");

QString TestoVelocita(int valore) {
    return QStringLiteral("Velocità = ") + QString::number(valore);
}

} // namespace

FormImposta::FormImposta(Contesto& contesto, MotoreVoce& motore, QWidget* parent)
    : SchermoScalato(parent), contesto_(contesto), motore_(motore) {
    setObjectName(QStringLiteral("FormImposta"));
    resize(Tw(7680), Tw(5820));

    auto* bocca = new Bocca(motore, this);
    bocca->setObjectName(QStringLiteral("Bocca"));
    bocca->setGeometry(RettangoloTwip(240, 480, 3855, 2655));
    connect(bocca, &Bocca::Click, this, &FormImposta::Bocca_Click);

    auto* barraVelocita = new QScrollBar(Qt::Horizontal, this);
    barraVelocita->setObjectName(QStringLiteral("HScroll1"));
    barraVelocita->setAccessibleName(QStringLiteral("Velocità"));
    barraVelocita->setFocusPolicy(Qt::StrongFocus); // the arrow keys move the speed
    barraVelocita->setInvertedControls(false);      // a scroll bar's Right key would lower it
    barraVelocita->setRange(VelocitaMinima, VelocitaMassima);
    barraVelocita->setSingleStep(1);
    barraVelocita->setPageStep(10);
    barraVelocita->setGeometry(RettangoloTwip(4080, 1680, 3015, 375));

    etichettaVelocita_ = new QLabel(QStringLiteral("Velocità"), this);
    etichettaVelocita_->setObjectName(QStringLiteral("Label1"));
    etichettaVelocita_->setFont(CarattereDisegno(QStringLiteral("Arial"), 14.25, false));
    etichettaVelocita_->setGeometry(RettangoloTwip(5040, 2400, 2415, 375));

    // A drop-down list keeps the height its font gives it; the scaler moves
    // and widens it only.
    elencoVoci_ = new QComboBox(this);
    elencoVoci_->setObjectName(QStringLiteral("Combo1"));
    elencoVoci_->setAccessibleName(QStringLiteral("Voce"));
    elencoVoci_->setFixedHeight(elencoVoci_->sizeHint().height());
    elencoVoci_->setGeometry(QRect(PuntoTwip(600, 4320), QSize(Tw(3735), elencoVoci_->height())));

    auto* conferma = new PulsanteFigura(QStringLiteral("conferma"),
                                        QStringLiteral(":/immagini/spunta.svg"), this);
    conferma->setObjectName(QStringLiteral("BottoneEsci"));
    conferma->setFont(CarattereDisegno(QStringLiteral("Arial"), 14.25, true));
    conferma->setGeometry(RettangoloTwip(5400, 4080, 1935, 1215));
    connect(conferma, &QPushButton::clicked, this, &FormImposta::Conferma);

    // Loading: the voices, the speed and the invitation.
    // The voices as the engine has them now: installed or removed since the
    // last visit, they appear or vanish. List position k holds voice k + 1.
    motore_.RileggiVoci();
    const int voci = motore_.NumeroVoci();
    for (int numero = 1; numero <= voci; ++numero)
        elencoVoci_->addItem(motore_.NomeVoce(numero));
    elencoVoci_->setCurrentIndex(-1);
    connect(elencoVoci_, &QComboBox::currentIndexChanged, this, &FormImposta::ElencoVoci_Click);
    SelezionaVoceMemorizzata();
    connect(&motore_, &MotoreVoce::VociCambiate, this, &FormImposta::VociArrivate);
    motore_.Ferma();

    // A stored speed the bar cannot show is brought into its range first.
    contesto_.VelocitaVoce =
        qint16(qBound(VelocitaMinima, int(contesto_.VelocitaVoce), VelocitaMassima));
    etichettaVelocita_->setText(TestoVelocita(contesto_.VelocitaVoce));
    connect(barraVelocita, &QScrollBar::valueChanged, this, &FormImposta::BarraVelocita_Change);
    barraVelocita->setValue(contesto_.VelocitaVoce);

    // Heard in the selected voice at its preset speed, whatever speed an
    // exercise or an earlier visit left the engine at.
    motore_.ImpostaVelocita(VelocitaPredefinita);
    motore_.Parla(InvitoBocca);
}

void FormImposta::SelezionaVoceMemorizzata() {
    // Selecting raises ElencoVoci_Click, which selects the voice on the engine. A
    // stored voice the engines do not offer falls back to voice 1, but only
    // once they have all answered: a voice of the speech service, which may
    // answer late, keeps its number until then. With no voice at all nothing
    // is selected.
    const int voci = elencoVoci_->count();
    if (contesto_.NumeroVoce >= 1 && contesto_.NumeroVoce <= voci)
        elencoVoci_->setCurrentIndex(contesto_.NumeroVoce - 1);
    else if (voci > 0 && !motore_.VociInArrivo())
        elencoVoci_->setCurrentIndex(0);
}

void FormImposta::VociArrivate() {
    // The list is brought up to date in place: the voices before those that
    // came keep their places and the selection stays, with no voice selected
    // anew; the stored voice, if it waited for them, is selected now.
    const int voci = motore_.NumeroVoci();
    {
        const QSignalBlocker blocco(elencoVoci_);
        const int scelta = elencoVoci_->currentIndex();
        for (int numero = 1; numero <= voci; ++numero) {
            if (numero <= elencoVoci_->count())
                elencoVoci_->setItemText(numero - 1, motore_.NomeVoce(numero));
            else
                elencoVoci_->addItem(motore_.NomeVoce(numero));
        }
        while (elencoVoci_->count() > voci)
            elencoVoci_->removeItem(elencoVoci_->count() - 1);
        elencoVoci_->setCurrentIndex(scelta < voci ? scelta : -1);
    }
    if (elencoVoci_->currentIndex() < 0)
        SelezionaVoceMemorizzata();
}

void FormImposta::Form_Activate() {
    // The standard background stays: no colour is drawn here.
    RiempiSchermo(*this);
}

void FormImposta::ElencoVoci_Click(int posizione) {
    if (posizione < 0)
        return;
    // The new number stays even when the voice is refused; a save writes it.
    contesto_.NumeroVoce = qint16(posizione + 1);
    if (!motore_.SelezionaVoce(contesto_.NumeroVoce))
        contesto_.Dialoghi.Avviso(this, VoceRifiutata, TitoloProgramma, Messaggi::Icona::Nessuna);
}

void FormImposta::BarraVelocita_Change(int valore) {
    // The speed reaches the engine only when the mouth is clicked.
    contesto_.VelocitaVoce = qint16(valore);
    etichettaVelocita_->setText(TestoVelocita(valore));
}

void FormImposta::Bocca_Click() {
    motore_.ImpostaVelocita(contesto_.VelocitaVoce);
    motore_.Parla(InvitoConferma);
}
