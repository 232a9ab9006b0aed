#include "CasaDiProva.h"
#include "Finti.h"
#include "shell/Impostazioni.h"
#include "shell/IstanzaUnica.h"
#include "shell/Modulo1.h"

#include <climits>
#include <sys/syscall.h>
#include <unistd.h>

using namespace Impostazioni;

namespace {
// While set, the disk fails under this folder: a write reports every byte
// written and keeps one less ('w'), or a rename fails ('r').
QByteArray guastoIn;
char guasto = 0;
bool Guasto(char tipo, const char* percorso) {
    return guasto == tipo && QByteArray(percorso).startsWith(guastoIn);
}
// The readme start-up writes, byte for byte: five lines in UTF-8, each ended by CR LF.
const QByteArray Leggimi = "Questa cartella contiene i files di impostazione dei programmi "
                           "presenti nel sito http://www.example.org/ertavino.\r\n"
                           " \r\n"
                           "Se qualche programma presenta problemi di funzionamento può essere "
                           "utile cancellare il file *.ini relativo al programma in quata "
                           "cartella.\r\n"
                           " \r\n"
                           "Non cancellare questo file.\r\n";
} // namespace

// The process's writes and renames, as a failing disk takes them.
extern "C" ssize_t write(int fd, const void* dati, size_t quanti) {
    char percorso[PATH_MAX] = {};
    if (guasto == 'w' && quanti > 1 &&
        readlink(("/proc/self/fd/" + QByteArray::number(fd)).constData(), percorso,
                 sizeof percorso - 1) > 0 &&
        Guasto('w', percorso))
        return syscall(SYS_write, fd, dati, quanti - 1) < 0 ? -1 : ssize_t(quanti);
    return syscall(SYS_write, fd, dati, quanti);
}
extern "C" int rename(const char* da, const char* a) {
    if (!Guasto('r', a))
        return int(syscall(SYS_rename, da, a));
    errno = EIO;
    return -1;
}

class TestImpostazioni : public QObject {
    Q_OBJECT

private slots:
    // The values after loading; a bad file is deleted, "told" once, defaults used.
    void carica_data() {
        QTest::addColumn<QByteArray>("contenuto"); // "<none>": no file; "<dir>": a folder
        QTest::addColumn<QString>("atteso");
        // What the program writes, signs and the 16-bit limits.
        QTest::newRow("defaults as written") << QByteArray(" 1 \r\n 135 \r\n") << "1 135";
        QTest::newRow("limits, signs") << QByteArray("-32768\r\n+32767\r\n") << "-32768 32767";
        // Separators, and what may come before and after the values.
        QTest::newRow("comma on one line") << QByteArray("3,150") << "3 150";
        QTest::newRow("blanks around a comma") << QByteArray("3  ,  150") << "3 150";
        QTest::newRow("blank lines, LF, no last end") << QByteArray("\r\n\n  4\n\n 70") << "4 70";
        QTest::newRow("third line and garbage ignored")
            << QByteArray(" 2 \r\n 90 \r\n 77 zz\x01\xff") << "2 90";
        // No file, or a folder in its place: the defaults, silently.
        QTest::newRow("no file") << QByteArray("<none>") << "1 135";
        QTest::newRow("a folder in its place") << QByteArray("<dir>") << "1 135";
        // Bad files.
        QTest::newRow("empty") << QByteArray() << "1 135 told";
        QTest::newRow("one value") << QByteArray(" 4 \r\n") << "1 135 told";
        QTest::newRow("second value too large") << QByteArray("1\r\n32768\r\n") << "1 135 told";
        QTest::newRow("first value too small") << QByteArray("-32769\r\n135") << "1 135 told";
        QTest::newRow("decimal point") << QByteArray("1\r\n13.5\r\n") << "1 135 told";
        QTest::newRow("empty field after comma") << QByteArray("1,,135") << "1 135 told";
    }
    void carica() {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, atteso);
        QTemporaryDir dir;
        ContestoDiProva p;
        p.contesto.NumeroVoce = p.contesto.VelocitaVoce = 9;
        const QString ini = p.contesto.PercorsoIni = dir.filePath("Ertavino.INI");
        if (contenuto == "<dir>")
            QVERIFY(QDir().mkpath(ini));
        else if (contenuto != "<none>")
            QVERIFY(ScriviFile(ini, contenuto));
        CaricaImpostazioni(p.contesto);
        const bool detto = !p.messaggi.registro.isEmpty();
        QCOMPARE(QStringLiteral("%1 %2").arg(p.contesto.NumeroVoce).arg(p.contesto.VelocitaVoce) +
                     (detto ? " told" : ""),
                 atteso);
        QCOMPARE(QFileInfo::exists(ini), !detto && contenuto != "<none>");
        QVERIFY(!detto || p.messaggi.Detti() == "C'è stato un errore nel recuperare le "
                                                "configurazioni! | Ertavino (!)");
    }

    // A save replaces the file whole with the exact bytes; a save that fails
    // leaves the old file as it was and nothing else behind, and is told once.
    void salva_data() {
        QTest::addColumn<QString>("caso");
        QTest::newRow("saved") << "";
        QTest::newRow("a file in the folder's place") << "cartella";
        QTest::newRow("a folder in the file's place") << "file";
        QTest::newRow("a disk that keeps less than it reports") << "w";
        QTest::newRow("a disk that fails the rename") << "r";
    }
    void salva() {
        QFETCH(QString, caso);
        CasaDiProva casa;
        ContestoDiProva p;
        p.contesto.PercorsoIni = casa.Ini();
        p.contesto.NumeroVoce = 3;
        p.contesto.VelocitaVoce = -150;
        const QString vecchio = caso == "cartella" ? casa.Cartella() : casa.Ini();
        QVERIFY(caso == "file" ? QDir().mkpath(vecchio) : ScriviFile(vecchio, " 1 \r\n 9 \r\n"));
        const QByteArray prima = LeggiFile(vecchio);
        guastoIn = QFile::encodeName(casa.Cartella());
        guasto = caso.size() == 1 ? caso[0].toLatin1() : 0;
        const bool salvato = SalvaOAvvisa(p.contesto, nullptr);
        guasto = 0;
        QCOMPARE(salvato, caso.isEmpty());
        QCOMPARE(LeggiFile(vecchio), salvato ? QByteArray(" 3 \r\n-150 \r\n") : prima);
        QCOMPARE(p.messaggi.Detti(), salvato ? ""
                                             : QString::fromUtf8("Non è stato possibile "
                                                                 "salvare le impostazioni. "
                                                                 "| Ertavino (!)"));
        QCOMPARE(QDir(casa.Cartella()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 caso == "cartella" ? QStringList() : QStringList{"Ertavino.INI"});
    }

    // Every start turns sounds on, loads the defaults and writes no settings file.
    void avvio_data() {
        QTest::addColumn<QByteArray>("leggimi"); // what stands there already
        QTest::newRow("first start: folder and readme made") << QByteArray();
        QTest::newRow("readme there: left alone") << QByteArray("mio");
    }
    void avvio() {
        QFETCH(QByteArray, leggimi);
        CasaDiProva casa;
        QVERIFY(leggimi.isEmpty() || ScriviFile(casa.Cartella() + "/leggimi.txt", leggimi));
        ContestoDiProva p;
        p.contesto.SuoniAttivati = 0;
        p.contesto.VelocitaVoce = 9;
        IstanzaUnica istanza(casa.Lock());
        QVERIFY(Avvio(p.contesto, istanza));
        QCOMPARE(p.contesto.PercorsoIni, casa.Ini());
        QCOMPARE(LeggiFile(casa.Cartella() + "/leggimi.txt"),
                 leggimi.isEmpty() ? Leggimi : leggimi);
        QVERIFY(!QFile::exists(casa.Ini()) && p.messaggi.registro.isEmpty());
        QVERIFY(p.contesto.VelocitaVoce == 135 && p.contesto.SuoniAttivati == -1);
    }

    void copiaUnica() {
        // The lock left by a copy whose process is gone is taken over.
        CasaDiProva casa;
        QVERIFY(ScriviFile(casa.Lock(), "4194000\nertavino\n\n"));
        ContestoDiProva prima, seconda;
        IstanzaUnica istanzaPrima(casa.Lock()), istanzaSeconda(casa.Lock());
        QVERIFY(Avvio(prima.contesto, istanzaPrima));
        // While that copy runs, a second one says so and does nothing else.
        QVERIFY(!Avvio(seconda.contesto, istanzaSeconda));
        QCOMPARE(
            seconda.messaggi.Detti(),
            QString::fromUtf8("E' già stata avviata una copia di questo programma! | Error (x)"));
        QVERIFY(seconda.contesto.PercorsoIni.isEmpty());
        // A lock that cannot be written does not keep the program from starting.
        IstanzaUnica senzaCartella(casa.Lock() + "/manca/ertavino.lock");
        QVERIFY(senzaCartella.Acquisisci());
    }
};

QTEST_GUILESS_MAIN(TestImpostazioni)
#include "test_impostazioni.moc"
