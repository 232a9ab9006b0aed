// Answer latency: from the child's click on a dial target, or on "Conferma",
// to the judgement on the screen (hand drawn, counter shown, sound started,
// the repaint painted). The real exercise screen with the real sound player
// and speech engine, which speaks each new question while the clicks are
// timed, as it does while a child answers. The floor is a plain button that
// sets a label, timed the same way in the same run.

#include "ContaDisegni.h"
#include "Misure.h"

#include "clockface/DisposizioneQuadrante.h"
#include "clockface/Quadrante.h"
#include "core/Contesto.h"
#include "core/GeneratoreCasuale.h"
#include "exercises/Giudizio.h"
#include "exercises/SchermataEsercizio.h"
#include "exercises/TabellaEsercizi.h"
#include "feedback/MessaggiQt.h"
#include "feedback/SuonatorePulse.h"
#include "speech/espeak/MotoreEspeak.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

// A child does not click a thousand times a second: between clicks the event
// loop runs for a while, so that sound loading and speech go on as they would.
constexpr int PausaTraClic = 10;
constexpr double Fotogramma = 16.0;

// Clicks `bersaglio` and times it until the judgement is on the screen: the
// handler has run and the repaint it asked for has been painted.
double Clic(QWidget* bersaglio) {
    QTest::qWait(PausaTraClic);
    QElapsedTimer t;
    t.start();
    QTest::mouseClick(bersaglio, Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
    return MillisecondiDa(t);
}

// What went wrong in the scenario itself; a benchmark whose clicks were not
// judged as planned measures nothing.
struct Controlli {
    int falliti = 0;
    int senzaDisegno = 0;
    void Verifica(bool vero, const char* cosa) {
        if (vero)
            return;
        if (falliti++ < 5)
            std::fprintf(stderr, "scenario broken: %s\n", cosa);
    }
};

template <class T> T* Controllo(QWidget& schermata, const char* nome) {
    return schermata.findChild<T*>(QLatin1String(nome));
}

// Times one click and checks that it repainted what it judged.
struct ClicOsservato {
    ContaDisegni disegni;
    Controlli& controlli;
    double operator()(QWidget* bersaglio) {
        const int prima = disegni.Disegni();
        const double ms = Clic(bersaglio);
        if (disegni.Disegni() == prima)
            ++controlli.senzaDisegno;
        return ms;
    }
};

void ProssimaDomanda(SchermataEsercizio& schermata, MotoreEspeak& motore) {
    auto* avanti = Controllo<QAbstractButton>(schermata, "BottoneAvanti");
    if (!avanti->isEnabled())
        return;
    // The previous question is silenced; the new one is spoken while the
    // child answers it.
    motore.Ferma();
    QTest::mouseClick(avanti, Qt::LeftButton);
    QCoreApplication::processEvents();
}

// The 24-hour five-minute dial, two hands: per question a wrong click, the
// red hand, then the blue hand that completes the answer.
Misure ClicSulQuadrante(Contesto& contesto, MotoreEspeak& motore, int iterazioni,
                        Controlli& controlli) {
    const Schermata quale = Schermata::Ruota9a;
    const RigaEsercizio& riga = Riga(quale);
    SchermataEsercizio schermata(quale, 24, contesto, motore);
    schermata.show();
    controlli.Verifica(QTest::qWaitForWindowExposed(&schermata), "exercise screen exposed");
    auto* quadrante = Controllo<Quadrante>(schermata, "Picture1");
    ClicOsservato clic{{}, controlli};
    clic.disegni.Osserva(quadrante);
    clic.disegni.Osserva(Controllo<QWidget>(schermata, "EtichettaErrati"));
    clic.disegni.Osserva(Controllo<QWidget>(schermata, "EtichettaEsatti"));

    Misure sbagliate, rosse, giuste, tutte;
    for (int i = 0; i < iterazioni; ++i) {
        ProssimaDomanda(schermata, motore);
        const Domanda d = schermata.DomandaCorrente();
        const int rosso = BersaglioRosso(riga.livello, d);
        const int blu = BersaglioBlu(riga, d);
        int sbagliato = -1;
        for (const EtichettaQuadrante& e : EtichetteQuadrante(riga.disposizione)) {
            if (GiudicaClic(riga, d, 0, e.indice).tipo == EsitoClic::Tipo::Sbagliato) {
                sbagliato = e.indice;
                break;
            }
        }

        const qint16 errati = schermata.QuantiErrati();
        sbagliate.Aggiungi(clic(quadrante->Bersaglio(sbagliato)));
        controlli.Verifica(schermata.QuantiErrati() == errati + 1, "wrong click counted");
        rosse.Aggiungi(clic(quadrante->Bersaglio(rosso)));
        controlli.Verifica(schermata.FaseLancetta() == 1, "red hand placed");
        const qint16 esatti = schermata.QuantiEsatti();
        giuste.Aggiungi(clic(quadrante->Bersaglio(blu)));
        controlli.Verifica(schermata.QuantiEsatti() == esatti + 1, "right answer counted");
    }
    std::printf("dial click, wrong target:        %s\n", qPrintable(sbagliate.Riassunto()));
    std::printf("dial click, red hand placed:     %s\n", qPrintable(rosse.Riassunto()));
    std::printf("dial click, blue hand completes: %s\n", qPrintable(giuste.Riassunto()));
    for (const Misure* m : {&sbagliate, &rosse, &giuste})
        tutte.Unisci(*m);
    return tutte;
}

// The 24-hour five-minute arrow screen: per question a wrong setting
// confirmed, then the right one.
Misure Conferma(Contesto& contesto, MotoreEspeak& motore, int iterazioni, Controlli& controlli) {
    const Schermata quale = Schermata::Ruota10;
    const RigaEsercizio& riga = Riga(quale);
    SchermataEsercizio schermata(quale, 24, contesto, motore);
    schermata.show();
    controlli.Verifica(QTest::qWaitForWindowExposed(&schermata), "arrow screen exposed");
    auto* ore = Controllo<QScrollBar>(schermata, "vScroll1");
    auto* minuti = Controllo<QScrollBar>(schermata, "vScroll2");
    auto* conferma = Controllo<QAbstractButton>(schermata, "Command1");
    ClicOsservato clic{{}, controlli};
    clic.disegni.Osserva(Controllo<QWidget>(schermata, "EtichettaErrati"));
    clic.disegni.Osserva(Controllo<QWidget>(schermata, "EtichettaEsatti"));

    Misure sbagliate, giuste, tutte;
    for (int i = 0; i < iterazioni; ++i) {
        ProssimaDomanda(schermata, motore);
        const Domanda d = schermata.DomandaCorrente();
        int oraGiusta = 0, passoGiusto = 0, oraSbagliata = 0, passoSbagliato = 0;
        for (int ora = 1; ora <= schermata.ModoOre(); ++ora) {
            for (int passo = 0; passo < riga.passiPerOra; ++passo) {
                const bool giusto = GiudicaConferma(riga, d, schermata.ModoOre(), ora, passo);
                (giusto ? oraGiusta : oraSbagliata) = ora;
                (giusto ? passoGiusto : passoSbagliato) = passo;
            }
        }
        minuti->setValue(passoSbagliato);
        ore->setValue(oraSbagliata);
        const qint16 errati = schermata.QuantiErrati();
        sbagliate.Aggiungi(clic(conferma));
        controlli.Verifica(schermata.QuantiErrati() == errati + 1, "wrong setting counted");

        minuti->setValue(passoGiusto);
        ore->setValue(oraGiusta);
        const qint16 esatti = schermata.QuantiEsatti();
        giuste.Aggiungi(clic(conferma));
        controlli.Verifica(schermata.QuantiEsatti() == esatti + 1, "right setting counted");
    }
    std::printf("Conferma, wrong setting:         %s\n", qPrintable(sbagliate.Riassunto()));
    std::printf("Conferma, right setting:         %s\n", qPrintable(giuste.Riassunto()));
    tutte.Unisci(sbagliate);
    tutte.Unisci(giuste);
    return tutte;
}

// The floor: a button whose click sets a label, in a window of the same size.
Misure Pavimento(int iterazioni) {
    QWidget finestra;
    auto* disposizione = new QHBoxLayout(&finestra);
    auto* bottone = new QPushButton(QStringLiteral("avanti"), &finestra);
    auto* etichetta = new QLabel(QStringLiteral("0"), &finestra);
    disposizione->addWidget(bottone);
    disposizione->addWidget(etichetta);
    int conta = 0;
    QObject::connect(bottone, &QPushButton::clicked,
                     [&] { etichetta->setText(QString::number(++conta)); });
    finestra.resize(QGuiApplication::primaryScreen()->availableGeometry().size());
    finestra.show();
    if (!QTest::qWaitForWindowExposed(&finestra))
        std::fprintf(stderr, "the floor's window was not exposed\n");
    Misure m;
    for (int i = 0; i < iterazioni; ++i)
        m.Aggiungi(Clic(bottone));
    return m;
}

QString Esito(const Misure& m) {
    return m.Mediana() < 2.0 && m.OltreSoglia(Fotogramma) == 0 ? QStringLiteral("met")
                                                               : QStringLiteral("missed");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int iterazioni = Iterazioni(app.arguments(), 100);

    GeneratoreCasuale casuale;
    casuale.Semina(2003);
    MessaggiQt messaggi;
    SuonatorePulse suoni;
    Contesto contesto(casuale, messaggi, suoni);
    MotoreEspeak motore;

    Controlli controlli;
    const Misure pavimento = Pavimento(iterazioni * 3);
    const Misure clic = ClicSulQuadrante(contesto, motore, iterazioni, controlli);
    const Misure conferma = Conferma(contesto, motore, iterazioni, controlli);
    std::printf("floor, plain button -> label:    %s\n", qPrintable(pavimento.Riassunto()));
    if (controlli.senzaDisegno > 0)
        std::printf("note: %d clicks painted nothing inside their timing\n",
                    controlli.senzaDisegno);

    const QString riferimento =
        QStringLiteral("plain button setting a label: %1 ms").arg(pavimento.Mediana(), 0, 'f', 3);
    const QString obiettivo = QStringLiteral("median < 2 ms, none over 16 ms");
    RigaRisultati({QStringLiteral("3. Answer latency, dial click (frmRuota9a)"), clic.Riassunto(),
                   riferimento, obiettivo, Esito(clic)});
    RigaRisultati({QStringLiteral("3. Answer latency, \"Conferma\" (frmRuota10)"),
                   conferma.Riassunto(), riferimento, obiettivo, Esito(conferma)});
    return controlli.falliti == 0 ? 0 : 1;
}
