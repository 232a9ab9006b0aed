#pragma once

#include "Finti.h"
#include "clockface/Quadrante.h"
#include "exercises/Giudizio.h"
#include "exercises/SchermataEsercizio.h"
#include "shell/Impostazioni.h"
#include "shell/IstanzaUnica.h"
#include "shell/Modulo1.h"
#include "shell/Navigazione.h"

#include <QScrollBar>

// One run of the program on its real start-up, settings file, single-copy
// lock and screen flow, the message boxes recorded and answered from script.
struct ProgrammaDiProva {
    ProgrammaDiProva(GeneratoreCasuale& casuale, Suonatore& suoni, MotoreVoce& motore,
                     const QString& lock = IstanzaUnica::PercorsoPredefinito())
        : contesto(casuale, messaggi, suoni), istanza(lock), nav(contesto, motore) {
        QObject::connect(&nav, &Navigazione::Fine, [this] { finita = true; });
    }

    // Start-up, then the start screen; false when start-up refused to run.
    bool Avvia() {
        if (!Avvio(contesto, istanza))
            return false;
        nav.MostraAvvio();
        return true;
    }
    // The loaded screen; none after "Esci".
    QWidget* Schermo() const { return finita ? nullptr : nav.SchermoCaricato(); }
    template <class T = QWidget> T* Figlio(const char* n) const {
        return Schermo()->findChild<T*>(n);
    }
    // A click on the loaded screen; a screen left is deleted as the event loop would.
    void Premi(const char* nome) {
        QTest::mouseClick(Figlio(nome), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The settings in memory, as the settings file holds them.
    QByteArray Valori() const {
        return Impostazioni::ScriviValori(contesto.NumeroVoce, contesto.VelocitaVoce);
    }

    MessaggiRegistrati messaggi;
    Contesto contesto;
    IstanzaUnica istanza;
    Navigazione nav; // destroyed first: it deletes the screens
    bool finita = false;
};

// One answer as a child gives it: the bars set to the asked time (or an hour
// later) and "Conferma"; or clicks on the targets the judging names for the
// hands due (or one click elsewhere).
inline void Rispondi(SchermataEsercizio& e, bool giusta) {
    const RigaEsercizio& riga = Riga(e.Quale());
    const qint16 modoOre = e.ModoOre();
    if (auto* ore = e.findChild<QScrollBar*>("vScroll1")) {
        // The asked time; half past ModoOre is asked as 1.
        const Domanda& d = e.DomandaCorrente();
        const bool mezze = riga.livello == Livello::MezzeOre;
        const int m = mezze ? d.MezzeOreDomanda % 2 * 30 : 15 * d.QuartoDomanda + d.MinutiDomanda;
        const int h =
            mezze ? (d.MezzeOreDomanda == 1 ? modoOre : d.MezzeOreDomanda / 2) : d.OraDomanda;
        if (auto* minuti = e.findChild<QScrollBar*>("vScroll2"))
            minuti->setValue(m * riga.passiPerOra / 60);
        ore->setValue(giusta ? h : h % modoOre + 1);
        return QTest::mouseClick(e.findChild<QWidget*>("Command1"), Qt::LeftButton);
    }
    const int esatti = e.QuantiEsatti();
    for (int mano = 0; mano <= int(giusta && riga.dueLancette) && e.QuantiEsatti() == esatti;
         ++mano) {
        const Domanda& d = e.DomandaCorrente();
        const int k = riga.dueLancette && e.FaseLancetta() ? BersaglioBlu(riga, d)
                                                           : BersaglioRosso(riga.livello, d);
        QTest::mouseClick(e.findChild<Quadrante*>()->Bersaglio(giusta ? k : (k + 5) % 12 + 1),
                          Qt::LeftButton);
    }
}
