#include "ContestoDiProva.h"
#include "MotoreVoceRegistrato.h"
#include "speech/Bocca.h"

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

namespace {
// Debug lines of the speech category, captured while a test runs.
QStringList righeRegistro;
QtMessageHandler gestorePrecedente = nullptr;
QLoggingCategory::CategoryFilter filtroPrecedente = nullptr;

// Turns the speech category's debug lines on, as QT_LOGGING_RULES would.
void AccendiRegistro(QLoggingCategory* categoria) {
    if (qstrcmp(categoria->categoryName(), "ertavino.speech") == 0)
        categoria->setEnabled(QtDebugMsg, true);
    else if (filtroPrecedente)
        filtroPrecedente(categoria);
}

void Cattura(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
    if (tipo == QtDebugMsg && qstrcmp(contesto.category, "ertavino.speech") == 0)
        righeRegistro << testo;
    else if (gestorePrecedente)
        gestorePrecedente(tipo, contesto, testo);
}
} // namespace

class TestBocca : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void impostaVoceVoceEPoiVelocita_data();
    void impostaVoceVoceEPoiVelocita();
    void fermaPoiParla();
    void clickAlRilascio_data();
    void clickAlRilascio();
    void unaRigaPerRichiesta();
    void registroSpentoDiNorma();
    void siApreColSuonoESiChiudeInSilenzio();
};

void TestBocca::init() {
    righeRegistro.clear();
    gestorePrecedente = qInstallMessageHandler(Cattura);
}

void TestBocca::cleanup() {
    qInstallMessageHandler(gestorePrecedente);
    if (filtroPrecedente)
        QLoggingCategory::installFilter(filtroPrecedente);
    filtroPrecedente = nullptr;
}

void TestBocca::impostaVoceVoceEPoiVelocita_data() {
    QTest::addColumn<int>("voce");
    QTest::addColumn<int>("velocita");
    QTest::addColumn<QStringList>("attese");
    QTest::newRow("valori predefiniti") << 1 << 135 << QStringList{"voce: 1", "velocita: 135"};
    QTest::newRow("seconda voce, lenta") << 2 << 70 << QStringList{"voce: 2", "velocita: 70"};
    // A refused voice is not an error here: the speed is applied all the same.
    QTest::newRow("voce rifiutata") << 9 << 200 << QStringList{"voce: 9", "velocita: 200"};
}

void TestBocca::impostaVoceVoceEPoiVelocita() {
    QFETCH(int, voce);
    QFETCH(int, velocita);
    QFETCH(QStringList, attese);
    MotoreVoceRegistrato motore;
    ContestoDiProva prova;
    prova.contesto.NumeroVoce = qint16(voce);
    prova.contesto.VelocitaVoce = qint16(velocita);
    Bocca bocca(motore);
    ImpostaVoce(bocca, prova.contesto);
    QCOMPARE(motore.registro, attese);
}

void TestBocca::fermaPoiParla() {
    MotoreVoceRegistrato motore;
    Bocca bocca(motore);
    bocca.Parla(QStringLiteral("Clicca dove deve arrivare la lancetta."));
    bocca.Ferma();
    bocca.Parla(QStringLiteral("Sono le 7"));
    QCOMPARE(motore.UditiDopoUltimoFerma(), QStringList{"Sono le 7"});
}

void TestBocca::clickAlRilascio_data() {
    QTest::addColumn<Qt::MouseButton>("tasto");
    QTest::addColumn<bool>("dentro");
    QTest::addColumn<int>("click");
    QTest::newRow("sinistro sulla bocca") << Qt::LeftButton << true << 1;
    QTest::newRow("destro non conta") << Qt::RightButton << true << 0;
    QTest::newRow("rilasciato fuori non conta") << Qt::LeftButton << false << 0;
}

void TestBocca::clickAlRilascio() {
    QFETCH(Qt::MouseButton, tasto);
    QFETCH(bool, dentro);
    QFETCH(int, click);
    MotoreVoceRegistrato motore;
    Bocca bocca(motore);
    bocca.resize(200, 140);
    QSignalSpy spia(&bocca, &Bocca::Click);
    QTest::mousePress(&bocca, tasto, {}, QPoint(100, 70));
    QTest::mouseRelease(&bocca, tasto, {}, dentro ? QPoint(100, 70) : QPoint(300, 70));
    QCOMPARE(spia.size(), click);
    QVERIFY(motore.registro.isEmpty()); // a click alone says nothing
}

void TestBocca::unaRigaPerRichiesta() {
    filtroPrecedente = QLoggingCategory::installFilter(AccendiRegistro);
    MotoreVoceRegistrato motore;
    Bocca bocca(motore);
    bocca.SelezionaVoce(2);
    bocca.ImpostaVelocita(90);
    bocca.Parla(QStringLiteral("Manca un quarto d'ora a mezzanotte."));
    bocca.Ferma();
    bocca.Parla(QStringLiteral("  due spazi  "));
    QCOMPARE(righeRegistro,
             (QStringList{"voice: 2", "speed: 90", "speak: Manca un quarto d'ora a mezzanotte.",
                          "stop", "speak:   due spazi  "}));
}

void TestBocca::registroSpentoDiNorma() {
    MotoreVoceRegistrato motore;
    Bocca bocca(motore);
    bocca.Parla(QStringLiteral("Sono le 7"));
    bocca.Ferma();
    QVERIFY(righeRegistro.isEmpty());
}

void TestBocca::siApreColSuonoESiChiudeInSilenzio() {
    MotoreVoceRegistrato motore;
    Bocca bocca(motore);
    bocca.resize(200, 140);
    QCOMPARE(bocca.accessibleName(), QStringLiteral("Bocca che parla"));
    const QImage chiusa = bocca.grab().toImage();
    emit motore.Livello(0.8f);
    const QImage aperta = bocca.grab().toImage();
    emit motore.Livello(0.0f);
    QVERIFY(aperta != chiusa);
    QCOMPARE(bocca.grab().toImage(), chiusa);
}

QTEST_MAIN(TestBocca)
#include "test_bocca.moc"
