// Seeded random input across the real program, checked after each input.
// SCIMMIA_SEME=<n> replays seed n; SCIMMIA_PASSI=<n> sets the number of inputs.
#include "CasaDiProva.h"
#include "MotoreVoceRegistrato.h"
#include "ProgrammaDiProva.h"
#include "shell/RegoleMenu.h"

#include <QApplication>
#include <QComboBox>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScreen>

namespace {

// The program's generator on a fixed seed: one seed replays a whole session.
struct GeneratoreSeminato : GeneratoreCasuale {
    explicit GeneratoreSeminato(quint32 seme) { Semina(seme); }
    void SeminaDalTempo() override {}
};

// One run, sounds and speech recorded; the engine refuses its third voice.
struct Sessione {
    explicit Sessione(GeneratoreCasuale& casuale) : p(casuale, suoni, motore) {
        motore.rifiutate = {3};
    }
    SuonatoreRegistrato suoni;
    MotoreVoceRegistrato motore;
    ProgrammaDiProva p;
};

} // namespace

class TestScimmia : public QObject {
    Q_OBJECT
    std::unique_ptr<CasaDiProva> casa_; // no settings file at the start of a test
    QRandomGenerator caso_;

    int Tra(int da, int a) { return int(caso_.bounded(da, a + 1)); }

    // The right answer, the exercise least visited, a control clicked or keyed.
    bool Gioca(Sessione& s, std::array<int, 20>& visite, QString& testo) {
        QWidget* w = s.p.Schermo();
        auto* e = qobject_cast<SchermataEsercizio*>(w);
        const int scelta = Tra(0, 99);
        if (e && scelta < 25) {
            testo = "risposta giusta";
            Rispondi(*e, true);
            return true;
        }
        static const QHash<QString, QStringList> comandi = {
            {"FormAvvio", {"Command1"}},
            {"FormMenu", {"Command1", "Command8", "Command13", "Check1"}},
            {"FormImposta", {"BottoneEsci", "Bocca", "HScroll1", "HScroll1", "Combo1"}},
            {"", {"Command1", "Command2", "Command7", "BottoneAvanti", "vScroll1", "vScroll2"}}};
        const QStringList& nomi = comandi[e ? QString() : w->objectName()];
        const auto meno = std::size_t(std::ranges::min_element(visite) - visite.begin());
        if (w->objectName() == "FormMenu" && scelta < 45 && ++visite[meno])
            w = w->findChild<QWidget*>(BottoniEsercizio[meno].Nome);
        else if (QWidget* n = w->findChild<QWidget*>(nomi[Tra(0, int(nomi.size()) - 1)]);
                 n && scelta <= 75)
            w = n;
        else if (QWidget* a = w->childAt(Tra(0, w->width() - 1), Tra(0, w->height() - 1)))
            w = a;
        testo = w->objectName();
        const bool giudicabile =
            e && (e->findChild<QScrollBar*>("vScroll1") ? testo == "Command1"
                                                        : w->property("indice").isValid());
        if (auto* lista = qobject_cast<QComboBox*>(w)) { // its popup would be a second window
            lista->setCurrentIndex(Tra(0, lista->count() - 1));
            return false;
        }
        if (Tra(0, 9) < 7) {
            QTest::mouseClick(w, Qt::LeftButton, {},
                              {Tra(0, w->width() - 1), Tra(0, w->height() - 1)});
            return giudicabile;
        }
        static constexpr std::array tasti = {Qt::Key_Space,  Qt::Key_Return, Qt::Key_Left,
                                             Qt::Key_Right,  Qt::Key_Home,   Qt::Key_End,
                                             Qt::Key_PageUp, Qt::Key_Tab,    Qt::Key_Escape};
        const Qt::Key tasto = tasti[std::size_t(Tra(0, int(tasti.size()) - 1))];
        testo += QStringLiteral(", tasto %1").arg(int(tasto), 0, 16);
        QTest::keyClick(w, tasto);
        return giudicabile && tasto == Qt::Key_Space;
    }

private slots:
    void init() {
        casa_ = std::make_unique<CasaDiProva>();
        // Warnings are findings; test input that a control ignores is not.
        QTest::failOnWarning(QRegularExpression("^(?!.*not accepted by receiving widget)"));
    }

    // After every input one screen fills the display; counts grow by at most
    // one judgement, each with its sound. A full session goes everywhere.
    void sessioneLunga() {
        const QString nuovo = QString::number(QRandomGenerator::system()->generate());
        const quint32 seme = qEnvironmentVariable("SCIMMIA_SEME", nuovo).toUInt();
        const int passi = qEnvironmentVariable("SCIMMIA_PASSI", "4000").toInt();
        qInfo("seed %u, %d inputs (SCIMMIA_SEME=%u replays this session)", seme, passi, seme);
        GeneratoreSeminato casuale(seme);
        caso_.seed(seme ^ 0x5c1a771a);
        std::array<int, 20> visite = {};
        QStringList diario, visti; // the last inputs; "frmRuota7/24", "FormImposta", ...
        std::unique_ptr<Sessione> s;
        QWidget* prima = nullptr;
        int sessioni = 0, esatti = 0, errati = 0;
        for (int passo = 0; passo <= passi; ++passo) {
            bool giudicabile = false;
            if (!s) {
                s = std::make_unique<Sessione>(casuale);
                QVERIFY2(s->p.Avvia(), "start-up refused: the last run's lock is still held");
                ++sessioni;
            } else {
                s->p.messaggi.rispostaPredefinita = Tra(0, 1);
                QString testo;
                giudicabile = Gioca(*s, visite, testo);
                diario = diario.mid(diario.size() - 19) << QString::number(passo) + ": " + testo;
            }
            // Back in the event loop the program paints and deletes the screens it unloaded.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QWidget* ora = s->p.Schermo();
            QWidgetList mostrati;
            for (QWidget* w : QApplication::topLevelWidgets())
                mostrati += w->isVisible() ? QWidgetList{w} : QWidgetList{};
            const auto* e = qobject_cast<const SchermataEsercizio*>(ora);
            if (ora != prima && ora) {
                visti << ora->objectName() + (e ? "/" + QString::number(e->ModoOre()) : "");
                esatti = errati = 0;
            }
            prima = ora;
            const int dE = e ? e->QuantiEsatti() - esatti : 0,
                      dR = e ? e->QuantiErrati() - errati : 0;
            const QStringList& suoni = s->suoni.suonati;
            const bool on = s->p.contesto.SuoniAttivati;
            QVERIFY2((ora ? mostrati == QWidgetList{ora} &&
                                ora->frameGeometry() == ora->screen()->availableGeometry()
                          : mostrati.isEmpty()) &&
                         dE >= 0 && dR >= 0 && dE + dR <= giudicabile &&
                         suoni.filter(QRegularExpression("^si[1-4]\\.wav$")).size() == on * dE &&
                         suoni.count("no.wav") == on * dR && suoni.size() == on * (dE + dR),
                     qPrintable(QStringLiteral("seed %1, last inputs:\n  ").arg(seme) +
                                diario.join("\n  ")));
            esatti += dE;
            errati += dR;
            s->p.messaggi.registro.clear(); // so that the test does not grow
            s->suoni.suonati.clear();
            s->motore.registro.clear();
            if (s->p.finita) // its screens and its lock go with it
                s.reset();
        }
        visti.removeDuplicates();
        visti.sort();
        QStringList attesi{"FormAvvio", "FormImposta", "FormMenu"};
        for (const QString& n : QString("1 2 3 4 5 6 7 8 9 10 1 2 3 4 5a 6 7 8 9a 10").split(' '))
            attesi << QStringLiteral("frmRuota%1/%2").arg(n).arg(attesi.size() < 13 ? 12 : 24);
        attesi.sort();
        QVERIFY2(passi < 4000 || (sessioni > 1 && visti == attesi),
                 qPrintable(QString::number(sessioni) + ' ' + visti.join(' ')));
    }
};

QTEST_MAIN(TestScimmia)
#include "test_scimmia.moc"
