// Seeded random input across every screen on the program's real start-up,
// settings, lock and screen flow, checked after each input; and each exercise
// screen's memory over many questions. SCIMMIA_SEME=<n> replays seed n (each
// run prints its seed); SCIMMIA_PASSI=<n> sets the number of inputs.
#include "CasaDiProva.h"
#include "MotoreVoceRegistrato.h"
#include "ProgrammaDiProva.h"
#include "RispostaDiProva.h"
#include "SuonatoreRegistrato.h"
#include "shell/RegoleMenu.h"

#include <QApplication>
#include <QComboBox>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScreen>
#include <QtMath>
#include <malloc.h>

namespace {

// The program's generator on a fixed seed, the screens' reseeding ignored:
// one seed replays a whole session.
struct GeneratoreSeminato : GeneratoreCasuale {
    explicit GeneratoreSeminato(quint32 seme) { Semina(seme); }
    void SeminaDalTempo() override {}
};

// One run, from start-up to "Esci" answered Yes, with the sounds and the
// speech recorded. The engine refuses its third voice, to show the refusal.
struct Sessione {
    explicit Sessione(GeneratoreCasuale& casuale) : p(casuale, suoni, motore) {
        motore.rifiutate = {3};
        avviata = p.Avvia();
    }
    // Back in the event loop the program paints and deletes the screens it
    // unloaded; what the fakes recorded is dropped, so the test does not grow.
    void Assesta() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        p.messaggi.registro.clear();
        suoni.suonati.clear();
        motore.registro.clear();
        motore.detti.clear();
    }

    SuonatoreRegistrato suoni;
    MotoreVoceRegistrato motore;
    ProgrammaDiProva p;
    bool avviata = false;
};

// Whether `t` is the hour hand (red, 7 wide, 1.1 long) or the minute hand
// (blue, 3 wide, 1.6 long) of `o`, its tip worked out here.
bool Lancetta(const Quadrante::Tratto& t, Orario o, bool ore) {
    const double l = ore ? 1.1 : 1.6;
    const double r = qDegreesToRadians(ore ? 30.0 * o.ore + o.minuti / 2.0 : 6.0 * o.minuti);
    return t.da == QPointF() && t.colore == QColor(ore ? Qt::red : Qt::blue) &&
           t.larghezza == (ore ? 7 : 3) && std::abs(t.a.x() - l * std::sin(r)) < 1e-3 &&
           std::abs(t.a.y() + l * std::cos(r)) < 1e-3;
}

// Random input to the loaded screen: the right answer, the exercise visited
// least (so a run reaches every screen), a control by name or whatever lies at
// a random point, clicked or keyed; what it was and may cause is kept.
struct Scimmia {
    explicit Scimmia(quint32 seme) : caso(seme ^ 0x5c1a771a) {}
    QRandomGenerator caso;
    std::array<int, 20> visite = {};
    QString testo;
    bool giudicabile = false, esatta = false;

    int Tra(int da, int a) { return int(caso.bounded(da, a + 1)); }

    void Gioca(Sessione& s) {
        QWidget* schermo = s.p.Schermo();
        auto* e = qobject_cast<SchermataEsercizio*>(schermo);
        const int scelta = Tra(0, 99);
        giudicabile = esatta = e && scelta < 25;
        if (esatta) {
            testo = QStringLiteral("risposta giusta");
            return Rispondi(*e, s.p.contesto.ModoOre, true);
        }
        if (schermo->objectName() == QLatin1String("FormMenu") && scelta < 45) {
            const auto quale = std::size_t(std::ranges::min_element(visite) - visite.begin());
            ++visite[quale];
            return Usa(schermo->findChild<QWidget*>(BottoniEsercizio[quale].Nome));
        }
        static const QHash<QString, QStringList> comandi = {
            {"FormAvvio", {"Command1"}},
            {"FormMenu", {"Command1", "Command8", "Command13", "Check1"}},
            {"FormImposta", {"BottoneEsci", "Bocca", "HScroll1", "HScroll1", "Combo1"}},
            {"", {"Command1", "Command2", "Command7", "BottoneAvanti", "vScroll1", "vScroll2"}}};
        const QStringList& nomi = comandi[e ? QString() : schermo->objectName()];
        QWidget* w = schermo->findChild<QWidget*>(nomi[Tra(0, int(nomi.size()) - 1)]);
        if (!w || scelta > 75)
            w = schermo->childAt(Tra(0, schermo->width() - 1), Tra(0, schermo->height() - 1));
        Usa(w ? w : schermo);
    }

    void Usa(QWidget* w) {
        testo = w->objectName();
        const auto* e = qobject_cast<const SchermataEsercizio*>(w->window());
        // A dial target of a click screen, "Conferma" of an arrow screen.
        giudicabile = e && (e->vScroll1() ? testo == QLatin1String("Command1")
                                          : w->property("indice").isValid());
        if (auto* lista = qobject_cast<QComboBox*>(w)) // its popup would be a second window
            return lista->setCurrentIndex(Tra(0, lista->count() - 1));
        if (Tra(0, 9) < 7)
            return QTest::mouseClick(w, Qt::LeftButton, {},
                                     {Tra(0, w->width() - 1), Tra(0, w->height() - 1)});
        static constexpr std::array tasti = {Qt::Key_Space,  Qt::Key_Return, Qt::Key_Left,
                                             Qt::Key_Right,  Qt::Key_Home,   Qt::Key_End,
                                             Qt::Key_PageUp, Qt::Key_Tab,    Qt::Key_Escape};
        const Qt::Key tasto = tasti[std::size_t(Tra(0, int(tasti.size()) - 1))];
        testo += QStringLiteral(", tasto %1").arg(int(tasto), 0, 16);
        giudicabile = giudicabile && tasto == Qt::Key_Space && w->focusPolicy() != Qt::NoFocus;
        QTest::keyClick(w, tasto);
    }
};

// Checks the program after every input and writes down every broken rule.
struct Guardia {
    QStringList errori;
    QSet<QString> visti;       // "frmRuota7/24", "FormImposta", ...
    QPointer<QWidget> schermo; // the screen after the last input
    int esatti = 0, errati = 0, fase = 0;
    bool conferma = true, oraMossa = false;

    void Esigi(bool ok, const char* regola) { errori += ok ? QStringList() : QStringList(regola); }

    void Dopo(const Sessione& s, const Scimmia& a) {
        const Contesto& c = s.p.contesto;
        QWidget* ora = s.p.Schermo();
        // One screen loaded and shown, filling the display; none after the end.
        QWidgetList mostrati, nascosti;
        for (QWidget* w : QApplication::topLevelWidgets())
            (w->isVisible() ? mostrati : nascosti) << w;
        Esigi(ora ? mostrati == QWidgetList{ora} && nascosti.isEmpty() &&
                        ora->frameGeometry() == ora->screen()->availableGeometry()
                  : mostrati.isEmpty(),
              "not one screen loaded, shown and filling the display");
        const auto* e = qobject_cast<const SchermataEsercizio*>(ora);
        if (ora && ora != schermo) {
            visti << (e ? QStringLiteral("%1/%2").arg(ora->objectName()).arg(c.ModoOre)
                        : ora->objectName());
            esatti = errati = fase = 0;
            conferma = true;
            oraMossa = false;
        }
        schermo = ora;
        const QStringList& suoni = s.suoni.suonati;
        if (!e)
            return Esigi(suoni.isEmpty(), "a sound outside an exercise");
        // The counters only grow, by the one judgement an input may cause, never
        // wrong for the asked time, each with its sound if sounds are on; a
        // judgeable input is judged (or a right red hand waits for the blue
        // one) while "Conferma" is enabled.
        const int dE = e->QuantiEsatti() - esatti, dR = e->QuantiErrati() - errati;
        const qsizetype si = suoni.filter(QRegularExpression("^si[1-4]\\.wav$")).size();
        const qsizetype no = suoni.count("no.wav");
        Esigi(dE >= 0 && dR >= 0 && dE + dR <= a.giudicabile && (!a.esatta || dR == 0) &&
                  si + no == suoni.size() && si == (c.SuoniAttivati ? dE : 0) &&
                  no == (c.SuoniAttivati ? dR : 0),
              "the counters or the sounds do not follow the answers");
        const bool frecce = e->vScroll1();
        const bool giudicata = dE + dR > 0 || (fase == 0 && e->FaseLancetta() == 1);
        Esigi(!a.giudicabile || giudicata == (!frecce || conferma),
              "an answer was not judged, or judged with \"Conferma\" disabled");
        conferma = e->findChild<QWidget*>("Command1")->isEnabled();
        const auto& tratti = e->findChild<Quadrante*>()->Tratti();
        const RigaEsercizio& riga = Riga(e->Quale());
        if (frecce) {
            // The bars hold a time (hours 0 only before the bar first moves),
            // the dial exactly its hands (none once a new question cleared it).
            const auto* minuti = e->findChild<QScrollBar*>("vScroll2");
            const int h = e->vScroll1()->value(), passo = minuti ? minuti->value() : 0;
            const Orario barre{h, minuti ? passo * 60 / riga.passiPerOra : 0};
            oraMossa = oraMossa || h != 0;
            Esigi(((h >= 1 && h <= c.ModoOre) || (h == 0 && !oraMossa)) && passo >= 0 &&
                      passo < std::max(riga.passiPerOra, 1),
                  "a bar holds no time");
            Esigi((tratti.isEmpty() && riga.puliscePerDomanda) ||
                      (tratti.size() == 1 + riga.dueLancette && Lancetta(tratti[0], barre, true) &&
                       (!riga.dueLancette || Lancetta(tratti[1], barre, false))),
                  "the dial does not show the bars' time");
        } else {
            // Only hands of the asked time, the blue one once the red one is placed.
            for (const Quadrante::Tratto& t : tratti)
                Esigi(Lancetta(t, OrarioChiesto(*e), true) ||
                          (riga.dueLancette && e->FaseLancetta() == 1 &&
                           Lancetta(t, OrarioChiesto(*e), false)),
                      "a hand the asked time does not allow");
        }
        esatti = e->QuantiEsatti();
        errati = e->QuantiErrati();
        fase = e->FaseLancetta();
    }
};

} // namespace

class TestScimmia : public QObject {
    Q_OBJECT
    std::unique_ptr<CasaDiProva> casa_; // no settings file at the start of a test

private slots:
    void init() {
        casa_ = std::make_unique<CasaDiProva>();
        // Warnings are findings; test input that a control ignores is not.
        QTest::failOnWarning(QRegularExpression("^(?!.*not accepted by receiving widget)"));
    }
    void sessioneLunga();
    void memoriaStabile();
};

void TestScimmia::sessioneLunga() {
    const QString nuovo = QString::number(QRandomGenerator::system()->generate());
    const quint32 seme = qEnvironmentVariable("SCIMMIA_SEME", nuovo).toUInt();
    const int passi = qEnvironmentVariable("SCIMMIA_PASSI", "4000").toInt();
    qInfo("seed %u, %d inputs (SCIMMIA_SEME=%u replays this session)", seme, passi, seme);
    GeneratoreSeminato casuale(seme);
    Scimmia scimmia(seme);
    Guardia guardia;
    QStringList diario; // the last inputs, for the report of a failure
    std::unique_ptr<Sessione> s;
    int sessioni = 0;
    for (int passo = 1; passo <= passi; ++passo) {
        if (!s) {
            s = std::make_unique<Sessione>(casuale);
            QVERIFY2(s->avviata, "start-up refused: the last run's lock is still held");
            ++sessioni;
            guardia.Dopo(*s, Scimmia(0)); // the start screen, before any input
            s->Assesta();
        }
        s->p.messaggi.rispostaPredefinita = scimmia.Tra(0, 1);
        scimmia.Gioca(*s);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        diario << QString::number(passo) + ": " + scimmia.testo;
        diario = diario.mid(diario.size() - 30);
        guardia.Dopo(*s, scimmia);
        s->Assesta();
        if (s->p.finita) // its screens and its lock go with it
            s.reset();
        if (!guardia.errori.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1:\n  %2\nlast inputs:\n  %3")
                                 .arg(seme)
                                 .arg(guardia.errori.join("\n  "), diario.join("\n  "))));
    }
    // A full-length session goes everywhere: each exercise button's screen
    // under its convention, the voice screen, more than one run.
    QSet<QString> attesi = {"FormAvvio", "FormMenu", "FormImposta"};
    for (const BottoneEsercizio& b : BottoniEsercizio)
        attesi << QStringLiteral("%1/%2").arg(NomeSchermata(b.Bersaglio)).arg(b.ModoOre);
    QVERIFY2(passi < 4000 || (guardia.visti == attesi && sessioni > 1),
             qPrintable(QString::number(sessioni) + ' ' + guardia.visti.values().join(' ')));
}

// On every exercise button's screen, questions answered wrong, then right,
// heard again and moved on from: after the first N, 3 N more leave the objects
// and the heap (the C library's count; the sanitizer build checks leaks) alone.
void TestScimmia::memoriaStabile() {
    constexpr int N = 50;
    GeneratoreSeminato casuale(4242);
    Sessione s(casuale);
    QVERIFY(s.avviata);
    const auto heap = [] {
        const struct mallinfo2 m = mallinfo2();
        return qint64(m.uordblks + m.hblkhd);
    };
    s.p.Premi("Command1"); // "Avvio"
    for (const BottoneEsercizio& b : BottoniEsercizio) {
        s.p.Premi(b.Nome);
        s.Assesta();
        auto* e = qobject_cast<SchermataEsercizio*>(s.p.Schermo());
        qsizetype oggetti = 0;
        qint64 memoria = 0;
        for (int domanda = 1; domanda <= 4 * N; ++domanda) {
            Rispondi(*e, s.p.contesto.ModoOre, false);
            RispostaCompleta(*e, s.p.contesto.ModoOre);
            QTest::mouseClick(e->findChild<QWidget*>("Command2"), Qt::LeftButton);
            QTest::mouseClick(e->findChild<QWidget*>("BottoneAvanti"), Qt::LeftButton);
            s.Assesta();
            oggetti = domanda == N ? e->findChildren<QObject*>().size() : oggetti;
            memoria = domanda == N ? heap() : memoria;
        }
        const qint64 crescita = heap() - memoria;
        QVERIFY2(e->QuantiErrati() == 4 * N && e->findChildren<QObject*>().size() == oggetti &&
                     crescita < 8 * 1024,
                 qPrintable(e->objectName() + QStringLiteral(": %1 bytes more").arg(crescita)));
        s.p.Premi("Command7"); // "Esci", Yes: back to the menu
    }
}

QTEST_MAIN(TestScimmia)
#include "test_scimmia.moc"
