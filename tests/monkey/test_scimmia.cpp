// A long session of random input across every screen, watched step by step,
// and the memory of one exercise screen over many questions.
//
// SCIMMIA_SEME=<n> replays the session of seed n (each run prints its seed);
// SCIMMIA_PASSI=<n> sets how many inputs it gives.
#include "Memoria.h"
#include "Scimmia.h"
#include "Sessione.h"
#include "Sorvegliante.h"
#include "clockface/Quadrante.h"
#include "exercises/SchermataEsercizio.h"
#include "shell/RegoleMenu.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

quint32 Seme() {
    bool ok = false;
    const quint32 seme = qEnvironmentVariable("SCIMMIA_SEME").toUInt(&ok);
    return ok ? seme : QRandomGenerator::system()->generate();
}

int Passi() {
    bool ok = false;
    const int passi = qEnvironmentVariableIntValue("SCIMMIA_PASSI", &ok);
    return ok && passi > 0 ? passi : 4000;
}

// What the program does between two inputs when it is back in its event
// loop: it paints, and deletes the screens it unloaded.
void Assesta() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// `quante` questions on an exercise screen: each answered wrong, then right
// (on a click screen right once more), heard again, and moved on from.
void GiocaDomande(Sessione& s, SchermataEsercizio& schermo, int quante) {
    auto* quadrante = schermo.findChild<Quadrante*>(QStringLiteral("Picture1"));
    const auto premi = [&schermo](const char* nome) {
        QTest::mouseClick(schermo.findChild<QWidget*>(QLatin1String(nome)), Qt::LeftButton);
    };
    const auto bersaglio = [quadrante](int indice) {
        QTest::mouseClick(quadrante->Label1(indice), Qt::LeftButton);
    };
    for (int i = 0; i < quante; ++i) {
        if (schermo.vScroll1()) {
            QTest::keyClick(schermo.vScroll1(), Qt::Key_Right);
            LancetteSullaDomanda(schermo, s.contesto.ModoOre);
            QTest::keyClick(schermo.vScroll1(), Qt::Key_Right);
            premi("Command1"); // wrong: an hour too late
            LancetteSullaDomanda(schermo, s.contesto.ModoOre);
            premi("Command1");
        } else {
            bersaglio((BersaglioGiusto(schermo) + 5) % 12 + 1);
            do {
                bersaglio(BersaglioGiusto(schermo));
            } while (!schermo.findChild<QWidget*>("BottoneAvanti")->isEnabled());
            bersaglio(BersaglioGiusto(schermo)); // right again
            premi("Command1");
        }
        premi("Command2");
        premi("BottoneAvanti");
        Assesta();
        s.Svuota();
    }
}

int SchermiEsistenti() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += w->parentWidget() == nullptr;
    return n;
}

// Warnings from the program during a run are findings. Test input sent to a
// control that ignores it (a click on a label) is not one.
QStringList avvisi;
QtMessageHandler gestorePrecedente = nullptr;
void RaccogliAvvisi(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
    if (tipo == QtDebugMsg || tipo == QtInfoMsg) {
        gestorePrecedente(tipo, contesto, testo);
        return;
    }
    if (!testo.contains(QLatin1String("not accepted by receiving widget")))
        avvisi << QStringLiteral("warning: ") + testo;
}

} // namespace

class TestScimmia : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> casa_;

private slots:
    void init() {
        // Each test starts with no settings file, in a folder of its own.
        casa_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", casa_->filePath("config").toUtf8());
        avvisi.clear();
        gestorePrecedente = qInstallMessageHandler(RaccogliAvvisi);
    }
    void cleanup() { qInstallMessageHandler(gestorePrecedente); }

    // The toolkit's own caches (glyphs of the counters' growing numbers,
    // pictures) fill during the first hundred questions or so of a run: they
    // are filled here, so that the memory test measures the screens alone.
    void initTestCase() {
        // The runtime folder is private to its user, as the desktop makes it.
        QFile::setPermissions(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        init();
        GeneratoreSeminato casuale(1);
        Sessione s(casuale);
        QVERIFY(s.Avvia());
        for (const BottoneEsercizio& b : BottoniEsercizio) {
            s.nav->ApriEsercizio(b);
            Assesta();
            GiocaDomande(s, *qobject_cast<SchermataEsercizio*>(s.nav->SchermoCaricato()),
                         b.Bersaglio == Schermata::Ruota5a ? 200 : 10);
        }
        cleanup();
    }

    void sessioneLunga();
    void memoriaStabile_data();
    void memoriaStabile();
};

void TestScimmia::sessioneLunga() {
    const quint32 seme = Seme();
    const int passi = Passi();
    qInfo("seed %u, %d inputs (SCIMMIA_SEME=%u replays this session)", seme, passi, seme);
    GeneratoreSeminato casuale(seme);
    Scimmia scimmia(seme);
    Sorvegliante guardia;
    QStringList diario; // the last inputs, for the report of a failure
    std::unique_ptr<Sessione> sessione;
    int sessioni = 0;

    for (int passo = 1; passo <= passi; ++passo) {
        if (!sessione) {
            sessione = std::make_unique<Sessione>(casuale);
            QVERIFY2(sessione->Avvia(), "start-up refused: the last run's lock is still held");
            ++sessioni;
            Assesta();
            guardia.NuovaSessione(*sessione);
            sessione->Svuota();
        }
        sessione->messaggi.rispostaPredefinita = scimmia.Si(50);
        const Azione azione = scimmia.Gioca(*sessione);
        Assesta();
        QWidget* caricato = sessione->finita ? nullptr : sessione->nav->SchermoCaricato();
        diario << QStringLiteral("%1: %2 -> %3")
                      .arg(passo)
                      .arg(azione.descrizione,
                           caricato ? caricato->objectName() : QStringLiteral("fine"));
        if (diario.size() > 30)
            diario.removeFirst();
        guardia.DopoAzione(*sessione, azione);
        if (sessione->finita) {
            // The end of a run: its screens and its lock go with it.
            sessione.reset();
            Assesta();
            if (SchermiEsistenti() != 0)
                guardia.errori
                    << QStringLiteral("%1 screens left after the end").arg(SchermiEsistenti());
        } else {
            sessione->Svuota();
        }
        if (!guardia.errori.isEmpty() || !avvisi.isEmpty()) {
            QFAIL(
                qPrintable(QStringLiteral("seed %1, input %2:\n  %3\nlast inputs:\n  %4")
                               .arg(seme)
                               .arg(passo)
                               .arg((guardia.errori + avvisi).join("\n  "), diario.join("\n  "))));
        }
    }
    sessione.reset();
    Assesta();
    QCOMPARE(SchermiEsistenti(), 0);

    QStringList visti = guardia.schermiVisti.values();
    visti.sort();
    qInfo("%d runs, %d questions, %d right and %d wrong answers; screens: %s", sessioni,
          guardia.domande, guardia.giusti, guardia.sbagliati, qPrintable(visti.join(' ')));
    // A full-length session goes everywhere: each exercise button's screen
    // under its convention, the voice screen, and more than one run.
    if (passi >= 4000) {
        for (const BottoneEsercizio& b : BottoniEsercizio) {
            const QString schermo =
                QStringLiteral("%1/%2").arg(NomeSchermata(b.Bersaglio)).arg(b.ModoOre);
            QVERIFY2(guardia.schermiVisti.contains(schermo), qPrintable(schermo));
        }
        QVERIFY(guardia.schermiVisti.contains("FormImposta"));
        QVERIFY(sessioni > 1);
        QVERIFY(guardia.giusti > 0 && guardia.sbagliati > 0 && guardia.domande > 0);
    }
}

// One exercise screen per row, under the convention of the row's button.
void TestScimmia::memoriaStabile_data() {
    QTest::addColumn<int>("bottone");
    for (int i = 0; i < int(BottoniEsercizio.size()); ++i) {
        const BottoneEsercizio& b = BottoniEsercizio[std::size_t(i)];
        // Each screen once: the 24-hour one where it has a screen of its own,
        // the 12-hour one for the others.
        if (b.ModoOre == 24 && b.Bersaglio != Schermata::Ruota5a &&
            b.Bersaglio != Schermata::Ruota9a)
            continue;
        QTest::newRow(qPrintable(NomeSchermata(b.Bersaglio))) << i;
    }
}

// Many questions on one screen, each answered wrong and then right, repeated
// and moved on from: the screen's objects and the heap stay as they were
// after the first N questions.
void TestScimmia::memoriaStabile() {
    QFETCH(int, bottone);
    constexpr int N = 50;
    GeneratoreSeminato casuale(4242);
    Sessione s(casuale);
    QVERIFY(s.Avvia());
    s.nav->ApriEsercizio(BottoniEsercizio[std::size_t(bottone)]);
    auto* schermo = qobject_cast<SchermataEsercizio*>(s.nav->SchermoCaricato());
    QVERIFY(schermo);

    GiocaDomande(s, *schermo, N);
    const qint16 esattiDopoN = schermo->QuantiEsatti();
    QVERIFY(esattiDopoN >= N && schermo->QuantiErrati() >= N);
    const qsizetype oggetti = schermo->findChildren<QObject*>().size();
    const std::size_t memoria = MemoriaInUso();

    GiocaDomande(s, *schermo, 3 * N);
    QCOMPARE(schermo->QuantiEsatti(), 4 * esattiDopoN); // every question was answered
    QCOMPARE(schermo->findChildren<QObject*>().size(), oggetti);
    const qint64 crescita = qint64(MemoriaInUso()) - qint64(memoria);
    qInfo("%s: %lld bytes more after %d questions than after %d", QTest::currentDataTag(), crescita,
          4 * N, N);
    QVERIFY2(crescita < 8 * 1024, qPrintable(QString::number(crescita)));
    QVERIFY2(avvisi.isEmpty(), qPrintable(avvisi.join('\n')));
}

QTEST_MAIN(TestScimmia)
#include "test_scimmia.moc"
