#include "BancoEsercizio.h"

#include <QApplication>
#include <QStyleOptionSlider>

namespace {

float P(int risultato, int k) {
    return GeneratoreScritto::Per(risultato, k);
}

const QString Regola =
    QStringLiteral("Regola l'ertavino con le frecce e poi clicca sul bottone conferma.");

// The draws of a plain "3 o'clock" on each arrow screen.
QList<float> AlleTre(Schermata s, int modoOre) {
    switch (s) {
    case Schermata::Ruota4:
    case Schermata::Ruota6:
        return {P(5, 2 * modoOre)};
    case Schermata::Ruota8:
        return {P(2, modoOre), P(0, 4), P(0, 2)};
    case Schermata::Ruota10:
        return {P(2, modoOre), P(0, 12), P(0, 2), P(0, 2)};
    default:
        return {P(2, modoOre)};
    }
}

// A part of a bar (an arrow, the trough) where a click lands.
QPoint PuntoDellaBarra(QScrollBar* barra, QStyle::SubControl parte) {
    QStyleOptionSlider o;
    o.initFrom(barra);
    o.orientation = barra->orientation();
    o.state |= QStyle::State_Horizontal;
    o.minimum = barra->minimum();
    o.maximum = barra->maximum();
    o.sliderPosition = barra->sliderPosition();
    o.sliderValue = barra->value();
    o.singleStep = barra->singleStep();
    o.pageStep = barra->pageStep();
    o.upsideDown = barra->invertedAppearance();
    return barra->style()->subControlRect(QStyle::CC_ScrollBar, &o, parte, barra).center();
}

// What the child does to a bar.
void Agisci(QScrollBar* barra, const QString& azione) {
    if (azione == "freccia+")
        QTest::mouseClick(barra, Qt::LeftButton, {},
                          PuntoDellaBarra(barra, QStyle::SC_ScrollBarAddLine));
    else if (azione == "freccia-")
        QTest::mouseClick(barra, Qt::LeftButton, {},
                          PuntoDellaBarra(barra, QStyle::SC_ScrollBarSubLine));
    else if (azione == "pagina+")
        QTest::mouseClick(barra, Qt::LeftButton, {},
                          PuntoDellaBarra(barra, QStyle::SC_ScrollBarAddPage));
    else if (azione == "tasto+")
        QTest::keyClick(barra, Qt::Key_Right);
    else if (azione == "tasto-")
        QTest::keyClick(barra, Qt::Key_Left);
    else if (azione == "trascina+" || azione == "trascina-") {
        // the thumb is held, moved to the end and let go
        barra->setSliderDown(true);
        barra->setSliderPosition(azione == "trascina+" ? barra->maximum() : barra->minimum());
        barra->setSliderDown(false);
    } else if (azione == "valore+")
        barra->setValue(barra->maximum());
    else if (azione == "valore-")
        barra->setValue(barra->minimum());
    else
        QTest::qFail("unknown action", __FILE__, __LINE__);
}

constexpr int Lascia = -99; // leave the bar as the activation left it

} // namespace

class TestSchermataFrecce : public QObject {
    Q_OBJECT
private slots:
    // Each screen activates in its own order; the start hands and Text1.
    void attivazione_data() {
        QTest::addColumn<Schermata>("schermata");
        QTest::addColumn<int>("modoOre");
        QTest::addColumn<bool>("voceDopoIlRegola");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QStringList>("lancette");
        QTest::addColumn<int>("ore");
        QTest::newRow("frmRuota2: the hand of the fresh bar, 0 : 00")
            << Schermata::Ruota2 << 12 << false << "0 : 00" << QStringList{LancettaRossa(0)} << 0;
        QTest::newRow("frmRuota4: an empty face")
            << Schermata::Ruota4 << 12 << false << "00 : 00" << QStringList{} << 0;
        QTest::newRow("frmRuota6: both hands up")
            << Schermata::Ruota6 << 24 << false << "00 : 00"
            << QStringList{LancettaRossa(0), LancettaBlu(0)} << 0;
        QTest::newRow("frmRuota8: 1 : 00, voice applied after the prompt")
            << Schermata::Ruota8 << 12 << true << "1 : 00"
            << QStringList{LancettaRossa(30), LancettaBlu(0)} << 1;
        QTest::newRow("frmRuota10: 1 : 00") << Schermata::Ruota10 << 24 << false << "1 : 00"
                                            << QStringList{LancettaRossa(30), LancettaBlu(0)} << 1;
    }
    void attivazione() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        QFETCH(bool, voceDopoIlRegola);
        QFETCH(QString, testo);
        QFETCH(QStringList, lancette);
        QFETCH(int, ore);
        BancoEsercizio b(schermata, qint16(modoOre), AlleTre(schermata, modoOre));
        // the menu sets the hours bar's maximum before the screen is shown
        b.schermata->vScroll1()->setMaximum(modoOre + 1);
        QVERIFY(b.voce.registro.isEmpty());
        b.Apri();

        const QStringList voce = {"voce: 2", "velocita: 150"};
        const QStringList regola = {"ferma", "parla: " + Regola};
        const QStringList domanda = {"parla: Sono le 3"};
        QCOMPARE(b.voce.registro,
                 voceDopoIlRegola ? regola + voce + domanda : voce + regola + domanda);
        QCOMPARE(b.Text1(), testo);
        QCOMPARE(Tratti(*b.Dial()), lancette);
        QCOMPARE(b.Barra("vScroll1")->value(), ore);
        QCOMPARE(b.Barra("vScroll1")->minimum(), -1);
        QCOMPARE(b.Etichetta("EtichettaEsatti"), QStringLiteral("0"));
        QCOMPARE(b.Etichetta("EtichettaErrati"), QStringLiteral("0"));
        QCOMPARE(b.Trova<QAbstractButton>("Command1")->text(), QStringLiteral("Conferma"));
        QVERIFY(b.Attivo("Command1"));
        QVERIFY(!b.Attivo("BottoneAvanti"));
        QVERIFY(b.Visibile("ComandoIconaSi") && !b.Visibile("ComandoIconaNo"));
        QCOMPARE(b.schermata->findChild<QScrollBar*>("vScroll2") != nullptr,
                 schermata != Schermata::Ruota2);
        QCOMPARE(b.prova.casuale.Rimasti(), 0);
    }

    // The wraps across the hour and across 12 or 24, whatever moves the bar.
    void barre_data() {
        QTest::addColumn<Schermata>("schermata");
        QTest::addColumn<int>("modoOre");
        QTest::addColumn<int>("oreIniziali");
        QTest::addColumn<int>("passoIniziale");
        QTest::addColumn<QString>("barra");
        QTest::addColumn<QString>("azione");
        QTest::addColumn<int>("ore");
        QTest::addColumn<int>("passo");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("gradiOre");
        QTest::addColumn<double>("gradiMinuti"); // -1: one hand
        using S = Schermata;
        const int L = Lascia;
        // the hours bar
        QTest::newRow("right arrow at 12 gives 1, 12h")
            << S::Ruota2 << 12 << 12 << L << "vScroll1"
            << "freccia+" << 1 << 0 << "1 : 00" << 30.0 << -1.0;
        QTest::newRow("left arrow at 1 gives 12, 12h")
            << S::Ruota2 << 12 << 1 << L << "vScroll1"
            << "freccia-" << 12 << 0 << "12 : 00" << 360.0 << -1.0;
        QTest::newRow("right arrow at 24 gives 1, 24h")
            << S::Ruota2 << 24 << 24 << L << "vScroll1"
            << "freccia+" << 1 << 0 << "1 : 00" << 30.0 << -1.0;
        QTest::newRow("left arrow at 1 gives 24, 24h")
            << S::Ruota2 << 24 << 1 << L << "vScroll1"
            << "freccia-" << 24 << 0 << "24 : 00" << 720.0 << -1.0;
        QTest::newRow("fresh frmRuota2, right arrow")
            << S::Ruota2 << 12 << L << L << "vScroll1"
            << "freccia+" << 1 << 0 << "1 : 00" << 30.0 << -1.0;
        QTest::newRow("fresh frmRuota2, left arrow, 12h")
            << S::Ruota2 << 12 << L << L << "vScroll1"
            << "freccia-" << 12 << 0 << "12 : 00" << 360.0 << -1.0;
        QTest::newRow("fresh frmRuota2, left arrow, 24h")
            << S::Ruota2 << 24 << L << L << "vScroll1"
            << "freccia-" << 24 << 0 << "24 : 00" << 720.0 << -1.0;
        QTest::newRow("Left key at 1") << S::Ruota2 << 12 << 1 << L << "vScroll1"
                                       << "tasto-" << 12 << 0 << "12 : 00" << 360.0 << -1.0;
        QTest::newRow("page click on the hours")
            << S::Ruota10 << 12 << 5 << 2 << "vScroll1"
            << "pagina+" << 6 << 2 << "6 : 10" << 185.0 << 60.0;
        QTest::newRow("hours thumb dragged to the right end")
            << S::Ruota6 << 12 << 7 << 1 << "vScroll1"
            << "trascina+" << 1 << 1 << "1 : 30" << 45.0 << 180.0;
        QTest::newRow("hours thumb dragged to the left end")
            << S::Ruota6 << 12 << 7 << 1 << "vScroll1"
            << "trascina-" << 12 << 1 << "12 : 30" << 375.0 << 180.0;
        QTest::newRow("hours set to the maximum from code, 24h")
            << S::Ruota10 << 24 << 5 << 0 << "vScroll1"
            << "valore+" << 1 << 0 << "1 : 00" << 30.0 << 0.0;
        // the minutes bar carries into the hours bar
        QTest::newRow("12 : 30 plus half an hour, frmRuota6")
            << S::Ruota6 << 12 << 12 << 1 << "vScroll2"
            << "freccia+" << 1 << 0 << "1 : 00" << 30.0 << 0.0;
        QTest::newRow("12 : 30 plus half an hour, frmRuota4 sets the hour first")
            << S::Ruota4 << 12 << 12 << 1 << "vScroll2"
            << "freccia+" << 1 << 0 << "1 : 00" << 30.0 << -1.0;
        QTest::newRow("1 : 00 minus half an hour, frmRuota4")
            << S::Ruota4 << 12 << 1 << 0 << "vScroll2"
            << "freccia-" << 12 << 1 << "12 : 30" << 375.0 << -1.0;
        QTest::newRow("1 : 00 minus a quarter, 12h")
            << S::Ruota8 << 12 << L << L << "vScroll2"
            << "freccia-" << 12 << 3 << "12 : 45" << 382.5 << 270.0;
        QTest::newRow("1 : 00 minus a quarter, 24h")
            << S::Ruota8 << 24 << L << L << "vScroll2"
            << "freccia-" << 24 << 3 << "24 : 45" << 742.5 << 270.0;
        QTest::newRow("Right key at 3 : 45") << S::Ruota8 << 12 << 3 << 3 << "vScroll2"
                                             << "tasto+" << 4 << 0 << "4 : 00" << 120.0 << 0.0;
        QTest::newRow("11 : 55 plus 5 minutes")
            << S::Ruota10 << 12 << 11 << 11 << "vScroll2"
            << "freccia+" << 12 << 0 << "12 : 00" << 360.0 << 0.0;
        QTest::newRow("minutes thumb dragged to the right end")
            << S::Ruota10 << 12 << 3 << 4 << "vScroll2"
            << "trascina+" << 4 << 0 << "4 : 00" << 120.0 << 0.0;
        QTest::newRow("minutes thumb dragged to the left end")
            << S::Ruota10 << 12 << 3 << 4 << "vScroll2"
            << "trascina-" << 2 << 11 << "2 : 55" << 87.5 << 330.0;
        QTest::newRow("minutes set to -1 from code at 1 : 00, 24h")
            << S::Ruota10 << 24 << L << L << "vScroll2"
            << "valore-" << 24 << 11 << "24 : 55" << 747.5 << 330.0;
        QTest::newRow("fresh frmRuota6, half an hour on hour 0")
            << S::Ruota6 << 12 << L << L << "vScroll2"
            << "freccia+" << 0 << 1 << "0 : 30" << 15.0 << 180.0;
    }
    void barre() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        QFETCH(int, oreIniziali);
        QFETCH(int, passoIniziale);
        QFETCH(QString, barra);
        QFETCH(QString, azione);
        QFETCH(int, ore);
        QFETCH(int, passo);
        QFETCH(QString, testo);
        QFETCH(double, gradiOre);
        QFETCH(double, gradiMinuti);
        BancoEsercizio b(schermata, qint16(modoOre), AlleTre(schermata, modoOre));
        b.Apri();
        QScrollBar* barraOre = b.Barra("vScroll1");
        QScrollBar* barraMinuti = b.schermata->findChild<QScrollBar*>("vScroll2");
        if (oreIniziali != Lascia)
            barraOre->setValue(oreIniziali);
        if (passoIniziale != Lascia)
            barraMinuti->setValue(passoIniziale);

        Agisci(b.Barra(qPrintable(barra)), azione);
        QCOMPARE(barraOre->value(), ore);
        if (barraMinuti)
            QCOMPARE(barraMinuti->value(), passo);
        QCOMPARE(b.Text1(), testo);
        QStringList attese{LancettaRossa(gradiOre)};
        if (gradiMinuti >= 0)
            attese << LancettaBlu(gradiMinuti);
        QCOMPARE(Tratti(*b.Dial()), attese);
    }

    // A thumb held at the end while the mouse wobbles moves the hour once,
    // when it is let go.
    void pollicioTenutoAllaFine() {
        BancoEsercizio b(Schermata::Ruota10, 12, AlleTre(Schermata::Ruota10, 12));
        b.Apri();
        QScrollBar* minuti = b.Barra("vScroll2");
        minuti->setSliderDown(true);
        minuti->setSliderPosition(12);
        minuti->setSliderPosition(11);
        minuti->setSliderPosition(12);
        QCOMPARE(b.Text1(), QStringLiteral("1 : 00")); // nothing while held
        minuti->setSliderDown(false);
        QCOMPARE(b.Text1(), QStringLiteral("2 : 00"));
        QCOMPARE(b.Barra("vScroll1")->value(), 2);
        QCOMPARE(minuti->value(), 0);
    }

    // A bar given a maximum past the convention's still ends in range.
    void massimoInattesoDellaBarraOre() {
        BancoEsercizio b(Schermata::Ruota2, 12, AlleTre(Schermata::Ruota2, 12));
        b.schermata->vScroll1()->setMaximum(25);
        b.Apri();
        b.schermata->vScroll1()->setValue(25);
        QCOMPARE(b.schermata->vScroll1()->value(), 1);
        QCOMPARE(b.Text1(), QStringLiteral("1 : 00"));
    }

    // "Conferma" on each arrow screen, right and wrong.
    void conferma_data() {
        QTest::addColumn<Schermata>("schermata");
        QTest::addColumn<int>("modoOre");
        QTest::addColumn<QList<float>>("estrazioni");
        QTest::addColumn<QString>("frase");
        QTest::addColumn<int>("ore");
        QTest::addColumn<int>("passo");
        QTest::addColumn<bool>("giusto");
        using S = Schermata;
        const int L = Lascia;
        const QList<float> tredici = {P(12, 24)};
        const QList<float> mezzanotteEMezzo = {P(0, 24), P(0, 2), P(1, 3)};
        const QList<float> mezzaAllUnaDa24 = {P(0, 48), P(1, 2)};
        const QList<float> mezzaAllUnaDa12 = {P(24, 48), P(1, 2)};
        const QList<float> dodiciEMezzo = {P(24, 48), P(0, 2), P(0, 2)};
        const QList<float> quartoAllUna = {P(11, 24), P(3, 4), P(1, 2)};
        const QList<float> quartoAMezzanotte = {P(22, 24), P(3, 4), P(1, 2), P(1, 2)};
        const QList<float> dieciAllUna = {P(11, 24), P(10, 12), P(0, 2), P(1, 2)};
        // the hour compared exactly
        QTest::newRow("13 o'clock, 24h: 13 is right")
            << S::Ruota2 << 24 << tredici << "Sono le 13" << 13 << L << true;
        QTest::newRow("13 o'clock, 24h: 1 is wrong")
            << S::Ruota2 << 24 << tredici << "Sono le 13" << 1 << L << false;
        QTest::newRow("noon, 24h: 24 is wrong")
            << S::Ruota2 << 24 << QList<float>{P(11, 24), P(1, 2)} << "E' mezzogiorno." << 24 << L
            << false;
        QTest::newRow("fresh frmRuota2 is wrong")
            << S::Ruota2 << 12 << QList<float>{P(11, 12), P(0, 3)} << "E' mezzogiorno." << L << L
            << false;
        // half past ModoOre is asked as 1
        QTest::newRow("half past 12, 12h: 12 : 30 is right")
            << S::Ruota4 << 12 << mezzanotteEMezzo << "E' mezzanotte e mezzo." << 12 << 1 << true;
        QTest::newRow("half past 12, 12h: fresh 0 : 30 is right")
            << S::Ruota6 << 12 << mezzanotteEMezzo << "E' mezzanotte e mezzo." << L << 1 << true;
        QTest::newRow("half past 12, 12h: 1 : 00 is wrong")
            << S::Ruota6 << 12 << mezzanotteEMezzo << "E' mezzanotte e mezzo." << 1 << 0 << false;
        // a sentence said alike after 12 and after 24 accepts both readings
        QTest::newRow("half past 24 to the one: 24 : 30 is right")
            << S::Ruota6 << 24 << mezzaAllUnaDa24 << "Manca mezz'ora all'una." << 24 << 1 << true;
        QTest::newRow("half past 24 to the one: 12 : 30 is right")
            << S::Ruota6 << 24 << mezzaAllUnaDa24 << "Manca mezz'ora all'una." << 12 << 1 << true;
        QTest::newRow("half past 12 to the one: 24 : 30 is right")
            << S::Ruota4 << 24 << mezzaAllUnaDa12 << "Manca mezz'ora all'una." << 24 << 1 << true;
        QTest::newRow("half past 12 said as such: 24 : 30 is wrong")
            << S::Ruota4 << 24 << dodiciEMezzo << "Sono le dodici e mezzo." << 24 << 1 << false;
        QTest::newRow("a quarter to one after 12: 12 : 45 is right")
            << S::Ruota8 << 24 << quartoAllUna << "Manca un quarto d'ora all'una." << 12 << 3
            << true;
        QTest::newRow("a quarter to one after 12: 24 : 45 is right")
            << S::Ruota8 << 24 << quartoAllUna << "Manca un quarto d'ora all'una." << 24 << 3
            << true;
        QTest::newRow("a quarter to one after 12: 24 : 30 is wrong")
            << S::Ruota8 << 24 << quartoAllUna << "Manca un quarto d'ora all'una." << 24 << 2
            << false;
        QTest::newRow("a quarter to midnight: 23 : 45 is right")
            << S::Ruota8 << 24 << quartoAMezzanotte << "Manca un quarto d'ora a mezzanotte." << 23
            << 3 << true;
        QTest::newRow("a quarter to midnight: 11 : 45 is wrong")
            << S::Ruota8 << 24 << quartoAMezzanotte << "Manca un quarto d'ora a mezzanotte." << 11
            << 3 << false;
        QTest::newRow("10 to one after 12: 12 : 50 is right")
            << S::Ruota10 << 24 << dieciAllUna << "Mancano 10 minuti all'una." << 12 << 10 << true;
        QTest::newRow("10 to one after 12: 24 : 50 is right")
            << S::Ruota10 << 24 << dieciAllUna << "Mancano 10 minuti all'una." << 24 << 10 << true;
        QTest::newRow("10 to one after 12: 24 : 45 is wrong")
            << S::Ruota10 << 24 << dieciAllUna << "Mancano 10 minuti all'una." << 24 << 9 << false;
        QTest::newRow("11 : 55, 12h")
            << S::Ruota10 << 12 << QList<float>{P(10, 12), P(11, 12), P(0, 2), P(0, 2)}
            << "Sono le 11 e 55." << 11 << 11 << true;
    }
    void conferma() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        QFETCH(QList<float>, estrazioni);
        QFETCH(QString, frase);
        QFETCH(int, ore);
        QFETCH(int, passo);
        QFETCH(bool, giusto);
        BancoEsercizio b(schermata, qint16(modoOre), estrazioni);
        b.Apri();
        QCOMPARE(b.voce.registro.last(), "parla: " + frase);
        if (ore != Lascia)
            b.Barra("vScroll1")->setValue(ore);
        if (passo != Lascia)
            b.Barra("vScroll2")->setValue(passo);

        if (giusto)
            b.prova.casuale.AggiungiEstrazione(0, 4);
        b.Premi("Command1");
        QCOMPARE(b.Etichetta("EtichettaEsatti"), QString::number(giusto ? 1 : 0));
        QCOMPARE(b.Etichetta("EtichettaErrati"), QString::number(giusto ? 0 : 1));
        QCOMPARE(b.prova.suoni.suonati, QStringList{giusto ? "si1.wav" : "no.wav"});
        QCOMPARE(b.Visibile("ComandoIconaSi"), giusto);
        QCOMPARE(b.Visibile("ComandoIconaNo"), !giusto);
        QCOMPARE(b.Attivo("Command1"), !giusto);
        QCOMPARE(b.Attivo("BottoneAvanti"), giusto);
        QCOMPARE(b.prova.casuale.Rimasti(), 0);
    }

    // Wrong, corrected, right; "Conferma" waits for "avanti"; frmRuota4's next
    // question clears the face but keeps the bars and Text1.
    void correzioneEAvanti() {
        BancoEsercizio b(Schermata::Ruota4, 12, AlleTre(Schermata::Ruota4, 12));
        b.Apri();
        b.Barra("vScroll1")->setValue(4);
        b.Premi("Command1");
        b.Premi("Command1");
        QCOMPARE(b.Etichetta("EtichettaErrati"), QStringLiteral("2"));

        b.Barra("vScroll1")->setValue(3);
        b.prova.casuale.AggiungiEstrazione(2, 4);
        b.Premi("Command1");
        QCOMPARE(b.Etichetta("EtichettaEsatti"), QStringLiteral("1"));
        QCOMPARE(b.prova.suoni.suonati, (QStringList{"no.wav", "no.wav", "si3.wav"}));
        QVERIFY(!b.Attivo("Command1"));
        b.Premi("Command1"); // disabled: nothing happens
        QCOMPARE(b.Etichetta("EtichettaEsatti"), QStringLiteral("1"));

        b.prova.casuale.Aggiungi({P(13, 24)}); // 7 o'clock
        b.Premi("BottoneAvanti");
        QVERIFY(b.Attivo("Command1"));
        QVERIFY(!b.Attivo("BottoneAvanti"));
        QVERIFY(b.Dial()->Tratti().isEmpty());
        QCOMPARE(b.Text1(), QStringLiteral("3 : 00"));
        QCOMPARE(b.Barra("vScroll1")->value(), 3);
        QCOMPARE(b.voce.registro.last(), QStringLiteral("parla: Sono le 7"));
        QCOMPARE(b.Etichetta("EtichettaErrati"), QStringLiteral("2"));
        QVERIFY(b.Visibile("ComandoIconaSi"));

        b.Barra("vScroll1")->setValue(7);
        QCOMPARE(Tratti(*b.Dial()), QStringList{LancettaRossa(210)});
        QCOMPARE(b.prova.casuale.Rimasti(), 0);
    }

    // The keyboard alone plays the screen: Tab runs through the bars and the
    // enabled buttons, the arrow keys set the time, Space confirms.
    void tastiera() {
        BancoEsercizio b(Schermata::Ruota8, 12, AlleTre(Schermata::Ruota8, 12));
        b.Apri();
        b.schermata->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b.schermata.get()));
        b.Barra("vScroll1")->setFocus();
        QStringList giro{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            giro << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(giro, (QStringList{"vScroll1", "vScroll2", "Command1", "Command2", "Command7",
                                    "vScroll1"}));

        QTest::keyClick(b.Barra("vScroll1"), Qt::Key_Right);
        QTest::keyClick(b.Barra("vScroll1"), Qt::Key_Right);
        QCOMPARE(b.Text1(), QStringLiteral("3 : 00"));
        b.prova.casuale.AggiungiEstrazione(0, 4);
        QTest::keyClick(b.Trova<QAbstractButton>("Command1"), Qt::Key_Space);
        QCOMPARE(b.Etichetta("EtichettaEsatti"), QStringLiteral("1"));
    }

    // "riascolta" on an arrow screen says the question again and nothing else.
    void riascolta() {
        BancoEsercizio b(Schermata::Ruota2, 12, AlleTre(Schermata::Ruota2, 12));
        b.Apri();
        b.voce.registro.clear();
        b.Premi("Command2");
        QCOMPARE(b.voce.registro, (QStringList{"ferma", "parla: Sono le 3"}));
        QCOMPARE(b.Text1(), QStringLiteral("0 : 00"));
        QCOMPARE(b.Dial()->Tratti().size(), 1);
    }
};

QTEST_MAIN(TestSchermataFrecce)
#include "test_schermata_frecce.moc"
