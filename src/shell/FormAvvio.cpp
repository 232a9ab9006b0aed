#include "shell/FormAvvio.h"

#include "core/Contesto.h"
#include "feedback/ColoreQt.h"
#include "feedback/Colori.h"
#include "layout/PulsanteFigura.h"
#include "layout/Schermo.h"
#include "layout/Twip.h"

#include <QLabel>

namespace {

const QString Carattere = QStringLiteral("Comic Sans MS");
// Debian ships no Comic Sans MS; its free look-alike stands in for it.
const QString CarattereSostituto = QStringLiteral("Comic Neue");

} // namespace

FormAvvio::FormAvvio(Contesto& contesto, QWidget* parent)
    : SchermoScalato(parent), contesto_(contesto) {
    setObjectName(QStringLiteral("FormAvvio"));
    QFont::insertSubstitution(Carattere, CarattereSostituto);
    resize(Tw(9120), Tw(6750));

    auto* nome = new QLabel(QStringLiteral("Ertavino"), this);
    nome->setFont(CarattereDisegno(Carattere, 99.75, true));
    nome->setAlignment(Qt::AlignCenter);
    nome->setGeometry(RettangoloTwip(240, 960, 8295, 3255));

    auto* data = new QLabel(QStringLiteral("04  maggio 2003"), this);
    data->setFont(CarattereDisegno(QStringLiteral("MS Sans Serif"), 13.5, false));
    data->setGeometry(RettangoloTwip(120, 5280, 2175, 375));

    // The name and the date are the two elements of one control array.
    int indice = 0;
    for (QLabel* elemento : {nome, data}) {
        elemento->setObjectName(QStringLiteral("Label2"));
        elemento->setProperty("Index", indice++);
    }

    auto* avvio =
        new PulsanteFigura(QStringLiteral("Avvio"), QStringLiteral(":/immagini/sveglia.svg"), this);
    avvio->setObjectName(QStringLiteral("Command1"));
    avvio->setFont(CarattereDisegno(Carattere, 24, true));
    avvio->setGeometry(RettangoloTwip(2520, 4800, 3495, 1215));
    connect(avvio, &QPushButton::clicked, this, &FormAvvio::Avvio);
}

void FormAvvio::Form_Activate() {
    RiempiSchermo(*this);
    DipingiSfondo(*this, ColoreQt(ColoreCasuale(contesto_.Casuale)));
}
