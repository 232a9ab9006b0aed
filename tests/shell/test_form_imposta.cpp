#include "ContestoDiProva.h"
#include "MotoreVoceRegistrato.h"
#include "layout/clsResize.h"
#include "speech/Bocca.h"
#include "speech/FormImposta.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString InvitoBocca = QStringLiteral("Premi sulla mia bocca per ascoltare come parlo.");
const QString InvitoConferma =
    QStringLiteral("Premi sul bottone conferma per accettare la mia voce.");

// The voice settings screen loaded on a recording engine.
struct Imposta {
    ContestoDiProva p;
    MotoreVoceRegistrato motore;
    std::unique_ptr<clsResize> ridimensiona;
    std::unique_ptr<FormImposta> schermo;

    Imposta(const QStringList& voci, int voce, int velocita, int rifiutata = 0) : motore(voci) {
        p.contesto.NumeroVoce = qint16(voce);
        p.contesto.VelocitaVoce = qint16(velocita);
        if (rifiutata)
            motore.rifiutate.insert(rifiutata);
        schermo = std::make_unique<FormImposta>(p.contesto, motore, ridimensiona);
    }
    template <class T> T* Figlio(const char* nome) const {
        return schermo->findChild<T*>(QLatin1String(nome));
    }
};

} // namespace

class TestFormImposta : public QObject {
    Q_OBJECT

private slots:
    // What the screen shows and says once loaded, for the stored settings.
    void caricamento_data() {
        QTest::addColumn<QStringList>("voci");
        QTest::addColumn<int>("voce");
        QTest::addColumn<int>("velocita");
        QTest::addColumn<int>("rifiutata");  // 0: every voice can be used
        QTest::addColumn<int>("posizione");  // selected in Combo1, -1 none
        QTest::addColumn<int>("numeroVoce"); // NumeroVoce after loading
        QTest::addColumn<int>("velocitaVista");
        QTest::addColumn<QStringList>("avvisi");

        const QStringList tre = {"Italiano", "Italiano (f1)", "Italiano (m3)"};
        const QString rifiuto = QStringLiteral("non posso selezionare questa voce");
        QTest::newRow("tre voci, la seconda")
            << tre << 2 << 135 << 0 << 1 << 2 << 135 << QStringList();
        QTest::newRow("tre voci, la prima")
            << tre << 1 << 135 << 0 << 0 << 1 << 135 << QStringList();
        QTest::newRow("nessuna voce")
            << QStringList() << 2 << 135 << 0 << -1 << 2 << 135 << QStringList();
        QTest::newRow("voce oltre l'elenco: la prima")
            << tre << 7 << 135 << 0 << 0 << 1 << 135 << QStringList();
        QTest::newRow("voce zero: la prima")
            << tre << 0 << 135 << 0 << 0 << 1 << 135 << QStringList();
        QTest::newRow("voce rifiutata: resta scelta")
            << tre << 3 << 135 << 3 << 2 << 3 << 135 << QStringList{rifiuto};
        QTest::newRow("velocità sotto 70") << tre << 1 << 12 << 0 << 0 << 1 << 70 << QStringList();
        QTest::newRow("velocità sopra 200")
            << tre << 1 << 999 << 0 << 0 << 1 << 200 << QStringList();
        QTest::newRow("velocità negativa") << tre << 1 << -5 << 0 << 0 << 1 << 70 << QStringList();
        QTest::newRow("velocità già al minimo")
            << tre << 1 << 70 << 0 << 0 << 1 << 70 << QStringList();
    }
    void caricamento() {
        QFETCH(QStringList, voci);
        QFETCH(int, voce);
        QFETCH(int, velocita);
        QFETCH(int, rifiutata);
        QFETCH(int, posizione);
        QFETCH(int, numeroVoce);
        QFETCH(int, velocitaVista);
        QFETCH(QStringList, avvisi);
        Imposta s(voci, voce, velocita, rifiutata);

        auto* combo = s.Figlio<QComboBox>("Combo1");
        QStringList elenco;
        for (int i = 0; i < combo->count(); ++i)
            elenco << combo->itemText(i);
        QCOMPARE(elenco, voci);
        QCOMPARE(combo->currentIndex(), posizione);
        QCOMPARE(int(s.p.contesto.NumeroVoce), numeroVoce);
        QCOMPARE(int(s.p.contesto.VelocitaVoce), velocitaVista);
        QCOMPARE(s.Figlio<QScrollBar>("HScroll1")->value(), velocitaVista);
        QCOMPARE(s.Figlio<QLabel>("Label1")->text(),
                 QStringLiteral("Velocità = %1").arg(velocitaVista));
        QStringList testi;
        for (const auto& m : s.p.messaggi.registro) {
            QCOMPARE(m.titolo, QStringLiteral("Ertavino"));
            QCOMPARE(m.icona, Messaggi::Icona::Nessuna);
            testi << m.testo;
        }
        QCOMPARE(testi, avvisi);

        // The voice is chosen, the mouth stopped, then the invitation comes at
        // the engine's own speed.
        QStringList atteso;
        if (posizione >= 0)
            atteso << QStringLiteral("voce: %1").arg(posizione + 1);
        atteso << "ferma"
               << "parla: " + InvitoBocca;
        QCOMPARE(s.motore.registro, atteso);
    }

    void velocitaProvataSullaBocca() {
        Imposta s({"Italiano", "Italiano (f1)", "Italiano (m3)"}, 2, 135);
        s.motore.registro.clear();
        auto* barra = s.Figlio<QScrollBar>("HScroll1");
        barra->setValue(90);
        QCOMPARE(s.Figlio<QLabel>("Label1")->text(), QStringLiteral("Velocità = 90"));
        QCOMPARE(s.p.contesto.VelocitaVoce, qint16(90));
        QVERIFY(s.motore.registro.isEmpty()); // nothing reaches the engine yet

        // The bar cannot leave 70..200.
        barra->setValue(20);
        QCOMPARE(s.p.contesto.VelocitaVoce, qint16(70));
        barra->setValue(90);

        s.schermo->show();
        QTest::mouseClick(s.Figlio<Bocca>("Bocca"), Qt::LeftButton);
        QCOMPARE(s.motore.registro, QStringList({"velocita: 90", "parla: " + InvitoConferma}));
    }

    void voceRifiutataDallUtente() {
        Imposta s({"Italiano", "Italiano (f1)", "Italiano (m3)"}, 1, 135, 3);
        s.Figlio<QComboBox>("Combo1")->setCurrentIndex(2);
        QCOMPARE(s.p.messaggi.registro.size(), 1);
        QCOMPARE(s.p.messaggi.registro[0].testo,
                 QStringLiteral("non posso selezionare questa voce"));
        // The refused number is kept: it is what a save writes.
        QCOMPARE(s.p.contesto.NumeroVoce, qint16(3));
        QCOMPARE(s.motore.voce, 1);
    }

    void schermoEConferma() {
        Imposta s({"Italiano"}, 1, 135);
        QCOMPARE(s.ridimensiona->SourceForm(), s.schermo.get());
        auto* combo = s.Figlio<QComboBox>("Combo1");
        const int altezzaTendina = combo->height();
        const int larghezzaTendina = combo->width();
        const QColor standard = s.schermo->palette().color(QPalette::Window);
        s.schermo->show();
        QVERIFY(s.schermo->width() > 0);
        QCOMPARE(combo->height(), altezzaTendina);
        QVERIFY(combo->width() >= larghezzaTendina);
        QCOMPARE(s.schermo->palette().color(QPalette::Window), standard);
        QCOMPARE(s.p.casuale.Usati(), 0); // no colour is drawn here

        QSignalSpy conferma(s.schermo.get(), &FormImposta::Conferma);
        QTest::mouseClick(s.Figlio<QAbstractButton>("BottoneEsci"), Qt::LeftButton);
        QCOMPARE(conferma.size(), 1);
    }
};

QTEST_MAIN(TestFormImposta)
#include "test_form_imposta.moc"
