#include "shell/FormImposta.h"

#include "core/Contesto.h"
#include "core/Messaggi.h"
#include "layout/PulsanteFigura.h"
#include "layout/Schermo.h"
#include "layout/Twip.h"
#include "speech/Bocca.h"
#include "speech/MotoreVoce.h"
#include "speech/VelocitaVoce.h"

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

    bocca_ = new Bocca(motore, this);
    bocca_->setObjectName(QStringLiteral("Bocca"));
    bocca_->setGeometry(RettangoloTwip(240, 480, 3855, 2655));
    connect(bocca_, &Bocca::Click, this, &FormImposta::Bocca_Click);

    hScroll1_ = new QScrollBar(Qt::Horizontal, this);
    hScroll1_->setObjectName(QStringLiteral("HScroll1"));
    hScroll1_->setAccessibleName(QStringLiteral("Velocità"));
    hScroll1_->setFocusPolicy(Qt::StrongFocus); // the arrow keys move the speed
    hScroll1_->setInvertedControls(false);      // a scroll bar's Right key would lower it
    hScroll1_->setRange(VelocitaMinima, VelocitaMassima);
    hScroll1_->setSingleStep(1);
    hScroll1_->setPageStep(10);
    hScroll1_->setGeometry(RettangoloTwip(4080, 1680, 3015, 375));

    label1_ = new QLabel(QStringLiteral("Velocità"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setFont(CarattereDisegno(QStringLiteral("Arial"), 14.25, false));
    label1_->setGeometry(RettangoloTwip(5040, 2400, 2415, 375));

    // A drop-down list keeps the height its font gives it; the scaler moves
    // and widens it only.
    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setAccessibleName(QStringLiteral("Voce"));
    combo1_->setFixedHeight(combo1_->sizeHint().height());
    combo1_->setGeometry(QRect(PuntoTwip(600, 4320), QSize(Tw(3735), combo1_->height())));

    bottoneEsci_ = new PulsanteFigura(QStringLiteral("conferma"),
                                      QStringLiteral(":/immagini/spunta.svg"), this);
    bottoneEsci_->setObjectName(QStringLiteral("BottoneEsci"));
    bottoneEsci_->setFont(CarattereDisegno(QStringLiteral("Arial"), 14.25, true));
    bottoneEsci_->setGeometry(RettangoloTwip(5400, 4080, 1935, 1215));
    connect(bottoneEsci_, &QPushButton::clicked, this, &FormImposta::Conferma);

    // Loading: the voices, the speed and the invitation.
    // The voices as the engine has them now: installed or removed since the
    // last visit, they appear or vanish. List position k holds voice k + 1.
    motore_.RileggiVoci();
    const int voci = motore_.NumeroVoci();
    for (int numero = 1; numero <= voci; ++numero)
        combo1_->addItem(motore_.NomeVoce(numero));
    combo1_->setCurrentIndex(-1);
    connect(combo1_, &QComboBox::currentIndexChanged, this, &FormImposta::Combo1_Click);
    SelezionaVoceMemorizzata();
    connect(&motore_, &MotoreVoce::VociCambiate, this, &FormImposta::VociArrivate);
    motore_.Ferma();

    // A stored speed the bar cannot show is brought into its range first.
    contesto_.VelocitaVoce =
        qint16(qBound(VelocitaMinima, int(contesto_.VelocitaVoce), VelocitaMassima));
    label1_->setText(TestoVelocita(contesto_.VelocitaVoce));
    connect(hScroll1_, &QScrollBar::valueChanged, this, &FormImposta::HScroll1_Change);
    hScroll1_->setValue(contesto_.VelocitaVoce);

    // Heard in the selected voice at its preset speed, whatever speed an
    // exercise or an earlier visit left the engine at.
    motore_.ImpostaVelocita(VelocitaPredefinita);
    motore_.Parla(InvitoBocca);
}

void FormImposta::SelezionaVoceMemorizzata() {
    // Selecting raises Combo1_Click, which selects the voice on the mouth. A
    // stored voice the engines do not offer falls back to voice 1, but only
    // once they have all answered: a voice of the speech service, which may
    // answer late, keeps its number until then. With no voice at all nothing
    // is selected.
    const int voci = combo1_->count();
    if (contesto_.NumeroVoce >= 1 && contesto_.NumeroVoce <= voci)
        combo1_->setCurrentIndex(contesto_.NumeroVoce - 1);
    else if (voci > 0 && !motore_.VociInArrivo())
        combo1_->setCurrentIndex(0);
}

void FormImposta::VociArrivate() {
    // The list is brought up to date in place: the voices before those that
    // came keep their places and the selection stays, with no voice selected
    // anew; the stored voice, if it waited for them, is selected now.
    const int voci = motore_.NumeroVoci();
    {
        const QSignalBlocker blocco(combo1_);
        const int scelta = combo1_->currentIndex();
        for (int numero = 1; numero <= voci; ++numero) {
            if (numero <= combo1_->count())
                combo1_->setItemText(numero - 1, motore_.NomeVoce(numero));
            else
                combo1_->addItem(motore_.NomeVoce(numero));
        }
        while (combo1_->count() > voci)
            combo1_->removeItem(combo1_->count() - 1);
        combo1_->setCurrentIndex(scelta < voci ? scelta : -1);
    }
    if (combo1_->currentIndex() < 0)
        SelezionaVoceMemorizzata();
}

void FormImposta::ImpostaVoce() {
    ::ImpostaVoce(motore_, contesto_.NumeroVoce, contesto_.VelocitaVoce);
}

void FormImposta::Form_Activate() {
    // The standard background stays: no colour is drawn here.
    RiempiSchermo(*this);
}

void FormImposta::Combo1_Click(int posizione) {
    if (posizione < 0)
        return;
    // The new number stays even when the voice is refused; a save writes it.
    contesto_.NumeroVoce = qint16(posizione + 1);
    if (!motore_.SelezionaVoce(contesto_.NumeroVoce))
        contesto_.Dialoghi.Avviso(this, VoceRifiutata, TitoloProgramma, Messaggi::Icona::Nessuna);
}

void FormImposta::HScroll1_Change(int valore) {
    // The speed reaches the engine only when the mouth is clicked.
    contesto_.VelocitaVoce = qint16(valore);
    label1_->setText(TestoVelocita(valore));
}

void FormImposta::Bocca_Click() {
    motore_.ImpostaVelocita(contesto_.VelocitaVoce);
    motore_.Parla(InvitoConferma);
}
