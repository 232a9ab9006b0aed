#include "Estrazioni.h"

#include <QLoggingCategory>
#include <QTest>

// What one scripted question must come out as.
struct Attesa {
    qint16 ora = 0;
    qint16 mezze = 0;
    qint16 quarto = 0;
    qint16 minuti = 0;
    QString frase{};
    QString testo{};
    qint16 alternativa = 0;
};
Q_DECLARE_METATYPE(Attesa)

namespace {

using S = Schermata;

void Colonne() {
    QTest::addColumn<Schermata>("schermata");
    QTest::addColumn<int>("modoOre");
    QTest::addColumn<QString>("estrazioni");
    QTest::addColumn<Attesa>("attesa");
}

void Riga(const char* nome, Schermata schermata, int modoOre, const char* estrazioni,
          const Attesa& attesa) {
    QTest::newRow(nome) << schermata << modoOre << QString::fromLatin1(estrazioni) << attesa;
}

// The question log, switched on for one test whatever the logging rules say.
QLoggingCategory::CategoryFilter filtroPrecedente = nullptr;
QStringList righeRegistro;

void AccendiRegistroDomande(QLoggingCategory* categoria) {
    if (filtroPrecedente)
        filtroPrecedente(categoria);
    if (qstrcmp(categoria->categoryName(), "ertavino.question") == 0)
        categoria->setEnabled(QtDebugMsg, true);
}

void RaccogliRegistro(QtMsgType, const QMessageLogContext& contesto, const QString& riga) {
    if (qstrcmp(contesto.category, "ertavino.question") == 0)
        righeRegistro.append(riga);
}

} // namespace

// Every row of every sentence table, each alternative forced by its draw. A
// script lists the draws in the order the question must make them and with
// the number of values each draws from, so a draw out of order, of the wrong
// size, missing or extra fails the row.
class TestFrasi : public QObject {
    Q_OBJECT

    void Verifica() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        QFETCH(QString, estrazioni);
        QFETCH(Attesa, attesa);
        GeneratoreScritto copione = Copione(estrazioni);
        const int previste = copione.Rimasti();
        const Domanda d = NuovaDomanda(schermata, qint16(modoOre), copione);
        QCOMPARE(d.FraseDaDire, attesa.frase);
        QCOMPARE(d.TestoDigitale, attesa.testo);
        QCOMPARE(d.OraDomanda, attesa.ora);
        QCOMPARE(d.MezzeOreDomanda, attesa.mezze);
        QCOMPARE(d.QuartoDomanda, attesa.quarto);
        QCOMPARE(d.MinutiDomanda, attesa.minuti);
        QCOMPARE(d.OraAlternativa, attesa.alternativa);
        QCOMPARE(copione.Usati(), previste);
    }

private slots:
    // frmRuota1 writes Text1 before speaking; frmRuota2 writes nothing.
    void oreIntere_data() {
        Colonne();
        Riga("l'una, 12h", S::Ruota1, 12, "0/12",
             {.ora = 1, .frase = "E' l'una.", .testo = "1 : 00"});
        Riga("12 mezzanotte, 12h", S::Ruota1, 12, "11/12 1/3",
             {.ora = 12, .frase = "E' mezzanotte.", .testo = "12 : 00"});
        Riga("12 le dodici, 12h", S::Ruota1, 12, "11/12 2/3",
             {.ora = 12, .frase = "Sono le dodici.", .testo = "12 : 00"});
        Riga("12 mezzogiorno, 12h", S::Ruota1, 12, "11/12 0/3",
             {.ora = 12, .frase = "E' mezzogiorno.", .testo = "12 : 00"});
        Riga("le 7 senza punto, 12h", S::Ruota1, 12, "6/12",
             {.ora = 7, .frase = "Sono le 7", .testo = "7 : 00"});
        Riga("le 11 senza testo, 12h", S::Ruota2, 12, "10/12", {.ora = 11, .frase = "Sono le 11"});
        Riga("l'una, 24h", S::Ruota1, 24, "0/24",
             {.ora = 1, .frase = "E' l'una.", .testo = "1 : 00"});
        Riga("le 13 non l'una, 24h", S::Ruota1, 24, "12/24",
             {.ora = 13, .frase = "Sono le 13", .testo = "13 : 00"});
        Riga("12 mezzogiorno, 24h", S::Ruota2, 24, "11/24 1/2",
             {.ora = 12, .frase = "E' mezzogiorno."});
        Riga("12 le dodici, 24h", S::Ruota2, 24, "11/24 0/2",
             {.ora = 12, .frase = "Sono le dodici."});
        Riga("24 mezzanotte, 24h", S::Ruota1, 24, "23/24 1/2",
             {.ora = 24, .frase = "E' mezzanotte.", .testo = "24 : 00"});
        Riga("24 le ventiquattro, 24h", S::Ruota1, 24, "23/24 0/2",
             {.ora = 24, .frase = "Sono le ventiquattro.", .testo = "24 : 00"});
        Riga("le 17, 24h", S::Ruota2, 24, "16/24", {.ora = 17, .frase = "Sono le 17"});
    }
    void oreIntere() { Verifica(); }

    // The draw of half hours, then for half past the family (1 past, 2 to),
    // then the row's alternative. frmRuota3 and frmRuota5 write Text1.
    void mezzeOre_data() {
        Colonne();
        Riga("intera l'una, 12h", S::Ruota3, 12, "1/24",
             {.mezze = 2, .frase = "E' l'una.", .testo = "1 : 00"});
        Riga("intera 12 mezzanotte, 12h", S::Ruota3, 12, "23/24 1/3",
             {.mezze = 24, .frase = "E' mezzanotte.", .testo = "12 : 00"});
        Riga("intera le 7, 12h", S::Ruota3, 12, "13/24",
             {.mezze = 14, .frase = "Sono le 7", .testo = "7 : 00"});
        Riga("l'una e mezza, 12h", S::Ruota3, 12, "2/24 0/2",
             {.mezze = 3, .frase = "E' l'una e mezza.", .testo = "1 : 30"});
        Riga("mezzanotte e mezzo, 12h", S::Ruota3, 12, "0/24 0/2 1/3",
             {.mezze = 1, .frase = "E' mezzanotte e mezzo.", .testo = "12 : 30"});
        Riga("le dodici e mezzo, 12h", S::Ruota3, 12, "0/24 0/2 2/3",
             {.mezze = 1, .frase = "Sono le dodici e mezzo.", .testo = "12 : 30"});
        Riga("mezzogiorno e mezzo, 12h", S::Ruota5, 12, "0/24 0/2 0/3",
             {.mezze = 1, .frase = "E' mezzogiorno e mezzo.", .testo = "12 : 30"});
        Riga("le 3 e mezza, 12h", S::Ruota3, 12, "6/24 0/2",
             {.mezze = 7, .frase = "Sono le 3 e mezza.", .testo = "3 : 30"});
        Riga("manca a mezzanotte, 12h", S::Ruota3, 12, "22/24 1/2 1/3",
             {.mezze = 23, .frase = "Manca mezz'ora a mezzanotte.", .testo = "11 : 30"});
        Riga("manca alle dodici, 12h", S::Ruota4, 12, "22/24 1/2 2/3",
             {.mezze = 23, .frase = "Manca mezz'ora alle dodici."});
        Riga("manca a mezzogiorno, 12h", S::Ruota6, 12, "22/24 1/2 0/3",
             {.mezze = 23, .frase = "Manca mezz'ora a mezzogiorno."});
        Riga("manca all'una da mezzanotte e mezza, 12h", S::Ruota4, 12, "0/24 1/2",
             {.mezze = 1, .frase = "Manca mezz'ora all'una."});
        Riga("manca alle 4, 12h", S::Ruota5, 12, "6/24 1/2",
             {.mezze = 7, .frase = "Manca mezz'ora alle 4.", .testo = "3 : 30"});
        Riga("manca alle 2, 12h", S::Ruota5, 12, "2/24 1/2",
             {.mezze = 3, .frase = "Manca mezz'ora alle 2.", .testo = "1 : 30"});
        Riga("intera 24 mezzanotte, 24h", S::Ruota3, 24, "47/48 1/2",
             {.mezze = 48, .frase = "E' mezzanotte.", .testo = "24 : 00"});
        Riga("intera le 13, 24h", S::Ruota3, 24, "25/48",
             {.mezze = 26, .frase = "Sono le 13", .testo = "13 : 00"});
        Riga("intera le dodici, 24h", S::Ruota3, 24, "23/48 0/2",
             {.mezze = 24, .frase = "Sono le dodici.", .testo = "12 : 00"});
        Riga("l'una e mezza, 24h", S::Ruota3, 24, "2/48 0/2",
             {.mezze = 3, .frase = "E' l'una e mezza.", .testo = "1 : 30"});
        Riga("mezzogiorno e mezzo, 24h", S::Ruota3, 24, "24/48 0/2 1/2",
             {.mezze = 25, .frase = "E' mezzogiorno e mezzo.", .testo = "12 : 30"});
        Riga("le dodici e mezzo, 24h", S::Ruota4, 24, "24/48 0/2 0/2",
             {.mezze = 25, .frase = "Sono le dodici e mezzo."});
        Riga("mezzanotte e mezza, 24h", S::Ruota3, 24, "0/48 0/2 1/2",
             {.mezze = 1, .frase = "E' mezzanotte e mezza.", .testo = "24 : 30"});
        Riga("passate da mezz'ora le ventiquattro, 24h", S::Ruota6, 24, "0/48 0/2 0/2",
             {.mezze = 1, .frase = "Sono passate da mezz'ora le ventiquattro."});
        Riga("le 16 e mezza, 24h", S::Ruota3, 24, "32/48 0/2",
             {.mezze = 33, .frase = "Sono le 16 e mezza.", .testo = "16 : 30"});
        Riga("manca a mezzogiorno, 24h", S::Ruota3, 24, "22/48 1/2 1/2",
             {.mezze = 23, .frase = "Manca mezz'ora a mezzogiorno.", .testo = "11 : 30"});
        Riga("manca alle dodici, 24h", S::Ruota4, 24, "22/48 1/2 0/2",
             {.mezze = 23, .frase = "Manca mezz'ora alle dodici."});
        Riga("manca all'una da 12 e mezza, anche 24, 24h", S::Ruota4, 24, "24/48 1/2",
             {.mezze = 25, .frase = "Manca mezz'ora all'una.", .alternativa = 24});
        Riga("manca all'una da 24 e mezza, anche 12, 24h", S::Ruota6, 24, "0/48 1/2",
             {.mezze = 1, .frase = "Manca mezz'ora all'una.", .alternativa = 12});
        Riga("manca all'una sulla schermata a clic, 24h", S::Ruota3, 24, "0/48 1/2",
             {.mezze = 1,
              .frase = "Manca mezz'ora all'una.",
              .testo = "24 : 30",
              .alternativa = 12});
        Riga("manca alle 24 senza mezzanotte, 24h", S::Ruota6, 24, "46/48 1/2",
             {.mezze = 47, .frase = "Manca mezz'ora alle 24."});
        Riga("manca alle 7, 24h", S::Ruota3, 24, "12/48 1/2",
             {.mezze = 13, .frase = "Manca mezz'ora alle 7.", .testo = "6 : 30"});
    }
    void mezzeOre() { Verifica(); }

    // frmRuota5a, 24 hours only, with its own wording for half past.
    void mezzeOreATrenta_data() {
        Colonne();
        const auto R = S::Ruota5a;
        Riga("l'una e mezza", R, 24, "2/48 0/2",
             {.mezze = 3, .frase = "E' l'una e mezza.", .testo = "1 : 30"});
        Riga("manca alle 2", R, 24, "2/48 1/2",
             {.mezze = 3, .frase = "Manca mezz'ora alle 2.", .testo = "1 : 30"});
        Riga("le 11 e trenta", R, 24, "22/48 0/2",
             {.mezze = 23, .frase = "Sono le 11 e trenta.", .testo = "11 : 30"});
        Riga("manca a mezzogiorno", R, 24, "22/48 1/2 1/2",
             {.mezze = 23, .frase = "Manca mezz'ora a mezzogiorno.", .testo = "11 : 30"});
        Riga("manca alle dodici", R, 24, "22/48 1/2 0/2",
             {.mezze = 23, .frase = "Manca mezz'ora alle dodici.", .testo = "11 : 30"});
        Riga("mezzogiorno e mezzo", R, 24, "24/48 0/2 1/2",
             {.mezze = 25, .frase = "E' mezzogiorno e mezzo.", .testo = "12 : 30"});
        Riga("le dodici e mezzo", R, 24, "24/48 0/2 0/2",
             {.mezze = 25, .frase = "Sono le dodici e mezzo.", .testo = "12 : 30"});
        // Half past 24 is counted down in minutes here, so this names 12 : 30 only.
        Riga("manca all'una solo da 12 e mezza", R, 24, "24/48 1/2",
             {.mezze = 25, .frase = "Manca mezz'ora all'una.", .testo = "12 : 30"});
        Riga("mezzanotte e mezza", R, 24, "0/48 0/2 1/2",
             {.mezze = 1, .frase = "E' mezzanotte e mezza.", .testo = "24 : 30"});
        Riga("le ventiquattro e trenta", R, 24, "0/48 0/2 0/2",
             {.mezze = 1, .frase = "Sono le ventiquattro e trenta.", .testo = "24 : 30"});
        Riga("mancano trenta minuti all'una", R, 24, "0/48 1/2",
             {.mezze = 1, .frase = "Mancano trenta minuti all'una.", .testo = "24 : 30"});
        Riga("le 20 e trenta", R, 24, "40/48 0/2",
             {.mezze = 41, .frase = "Sono le 20 e trenta.", .testo = "20 : 30"});
        Riga("manca alle 19", R, 24, "36/48 1/2",
             {.mezze = 37, .frase = "Manca mezz'ora alle 19.", .testo = "18 : 30"});
        Riga("manca alle 24", R, 24, "46/48 1/2",
             {.mezze = 47, .frase = "Manca mezz'ora alle 24.", .testo = "23 : 30"});
        Riga("intera mezzanotte", R, 24, "47/48 1/2",
             {.mezze = 48, .frase = "E' mezzanotte.", .testo = "24 : 00"});
        Riga("intera le 7", R, 24, "13/48", {.mezze = 14, .frase = "Sono le 7", .testo = "7 : 00"});
    }
    void mezzeOreATrenta() { Verifica(); }

    // Hour, quarter, the alternative of quarters 0 to 2, the draw between three
    // quarters and a quarter to (made for every quarter), the alternative of
    // quarter 3. frmRuota7 writes Text1 after speaking.
    void quarti_data() {
        Colonne();
        Riga("quarto 0 mezzanotte, 12h", S::Ruota7, 12, "11/12 0/4 1/3 0/2",
             {.ora = 12, .frase = "E' mezzanotte.", .testo = "12 : 00"});
        Riga("quarto 0 le 5, 12h", S::Ruota7, 12, "4/12 0/4 1/2",
             {.ora = 5, .frase = "Sono le 5", .testo = "5 : 00"});
        Riga("l'una e un quarto, 12h", S::Ruota7, 12, "0/12 1/4 0/2",
             {.ora = 1, .quarto = 1, .frase = "E' l'una e un quarto.", .testo = "1 : 15"});
        Riga("mezzanotte e un quarto, 12h", S::Ruota7, 12, "11/12 1/4 1/3 0/2",
             {.ora = 12, .quarto = 1, .frase = "E' mezzanotte e un quarto.", .testo = "12 : 15"});
        Riga("le dodici e un quarto, 12h", S::Ruota8, 12, "11/12 1/4 2/3 1/2",
             {.ora = 12, .quarto = 1, .frase = "Sono le dodici e un quarto."});
        Riga("mezzogiorno e quindici, 12h", S::Ruota8, 12, "11/12 1/4 0/3 0/2",
             {.ora = 12, .quarto = 1, .frase = "E' mezzogiorno e quindici."});
        Riga("le 4 e un quarto, 12h", S::Ruota7, 12, "3/12 1/4 1/2 0/2",
             {.ora = 4, .quarto = 1, .frase = "Sono le 4 e un quarto.", .testo = "4 : 15"});
        Riga("le 4 e quindici, 12h", S::Ruota8, 12, "3/12 1/4 0/2 0/2",
             {.ora = 4, .quarto = 1, .frase = "Sono le 4 e quindici."});
        Riga("l'una e mezza, 12h", S::Ruota7, 12, "0/12 2/4 1/2",
             {.ora = 1, .quarto = 2, .frase = "E' l'una e mezza.", .testo = "1 : 30"});
        Riga("mezzanotte e mezza, 12h", S::Ruota7, 12, "11/12 2/4 1/3 0/2",
             {.ora = 12, .quarto = 2, .frase = "E' mezzanotte e mezza.", .testo = "12 : 30"});
        Riga("le dodici e mezza, 12h", S::Ruota8, 12, "11/12 2/4 2/3 0/2",
             {.ora = 12, .quarto = 2, .frase = "Sono le dodici e mezza."});
        Riga("mezzogiorno e trenta, 12h", S::Ruota8, 12, "11/12 2/4 0/3 0/2",
             {.ora = 12, .quarto = 2, .frase = "E' mezzogiorno e trenta."});
        Riga("le 9 e mezza, 12h", S::Ruota7, 12, "8/12 2/4 1/2 0/2",
             {.ora = 9, .quarto = 2, .frase = "Sono le 9 e mezza.", .testo = "9 : 30"});
        Riga("le 9 e trenta, 12h", S::Ruota8, 12, "8/12 2/4 0/2 0/2",
             {.ora = 9, .quarto = 2, .frase = "Sono le 9 e trenta."});
        Riga("l'una e tre quarti, 12h", S::Ruota7, 12, "0/12 3/4 0/2",
             {.ora = 1, .quarto = 3, .frase = "E' l'una e tre quarti.", .testo = "1 : 45"});
        Riga("mezzanotte tre quarti, 12h", S::Ruota7, 12, "11/12 3/4 0/2 1/3",
             {.ora = 12, .quarto = 3, .frase = "E' mezzanotte tre quarti.", .testo = "12 : 45"});
        Riga("le dodici tre quarti, 12h", S::Ruota8, 12, "11/12 3/4 0/2 2/3",
             {.ora = 12, .quarto = 3, .frase = "Sono le dodici tre quarti."});
        Riga("mezzogiorno e quarantacinque, 12h", S::Ruota8, 12, "11/12 3/4 0/2 0/3",
             {.ora = 12, .quarto = 3, .frase = "E' mezzogiorno e quarantacinque."});
        Riga("le 2 tre quarti, 12h", S::Ruota7, 12, "1/12 3/4 0/2 1/2",
             {.ora = 2, .quarto = 3, .frase = "Sono le 2 tre quarti.", .testo = "2 : 45"});
        Riga("le 2 e quarantacinque, 12h", S::Ruota8, 12, "1/12 3/4 0/2 0/2",
             {.ora = 2, .quarto = 3, .frase = "Sono le 2 e quarantacinque."});
        Riga("un quarto all'una, una sola lettura, 12h", S::Ruota7, 12, "11/12 3/4 1/2",
             {.ora = 12,
              .quarto = 3,
              .frase = "Manca un quarto d'ora all'una.",
              .testo = "12 : 45"});
        Riga("quindici minuti alle 12, 12h", S::Ruota7, 12, "10/12 3/4 1/2 1/2",
             {.ora = 11,
              .quarto = 3,
              .frase = "Mancano quindici minuti alle 12.",
              .testo = "11 : 45"});
        Riga("un quarto alle 12, 12h", S::Ruota8, 12, "10/12 3/4 1/2 0/2",
             {.ora = 11, .quarto = 3, .frase = "Manca un quarto d'ora alle 12."});
        Riga("quindici minuti alle 7, 12h", S::Ruota8, 12, "5/12 3/4 1/2 1/2",
             {.ora = 6, .quarto = 3, .frase = "Mancano quindici minuti alle 7."});
        Riga("un quarto alle 2, 12h", S::Ruota8, 12, "0/12 3/4 1/2 0/2",
             {.ora = 1, .quarto = 3, .frase = "Manca un quarto d'ora alle 2."});
        Riga("quarto 0 mezzogiorno, 24h", S::Ruota7, 24, "11/24 0/4 1/2 0/2",
             {.ora = 12, .frase = "E' mezzogiorno.", .testo = "12 : 00"});
        Riga("quarto 0 le dodici, 24h", S::Ruota8, 24, "11/24 0/4 0/2 0/2",
             {.ora = 12, .frase = "Sono le dodici."});
        Riga("quarto 0 mezzanotte, 24h", S::Ruota7, 24, "23/24 0/4 1/2 0/2",
             {.ora = 24, .frase = "E' mezzanotte.", .testo = "24 : 00"});
        Riga("quarto 0 le ventiquattro, 24h", S::Ruota8, 24, "23/24 0/4 0/2 0/2",
             {.ora = 24, .frase = "Sono le ventiquattro."});
        Riga("quarto 0 le 13, 24h", S::Ruota7, 24, "12/24 0/4 0/2",
             {.ora = 13, .frase = "Sono le 13", .testo = "13 : 00"});
        Riga("l'una e un quarto, 24h", S::Ruota7, 24, "0/24 1/4 0/2",
             {.ora = 1, .quarto = 1, .frase = "E' l'una e un quarto.", .testo = "1 : 15"});
        Riga("mezzogiorno e un quarto, 24h", S::Ruota7, 24, "11/24 1/4 1/2 0/2",
             {.ora = 12, .quarto = 1, .frase = "E' mezzogiorno e un quarto.", .testo = "12 : 15"});
        Riga("le dodici e quindici, 24h", S::Ruota8, 24, "11/24 1/4 0/2 0/2",
             {.ora = 12, .quarto = 1, .frase = "Sono le dodici e quindici."});
        Riga("mezzanotte e un quarto con due spazi, 24h", S::Ruota7, 24, "23/24 1/4 1/2 0/2",
             {.ora = 24, .quarto = 1, .frase = "E' mezzanotte  e un quarto.", .testo = "24 : 15"});
        Riga("le ventiquattro e quindici, 24h", S::Ruota8, 24, "23/24 1/4 0/2 0/2",
             {.ora = 24, .quarto = 1, .frase = "Sono le ventiquattro e quindici."});
        Riga("le 17 e un quarto, 24h", S::Ruota7, 24, "16/24 1/4 1/2 0/2",
             {.ora = 17, .quarto = 1, .frase = "Sono le 17 e un quarto.", .testo = "17 : 15"});
        Riga("le 17 e quindici, 24h", S::Ruota8, 24, "16/24 1/4 0/2 0/2",
             {.ora = 17, .quarto = 1, .frase = "Sono le 17 e quindici."});
        Riga("l'una e mezza, 24h", S::Ruota7, 24, "0/24 2/4 0/2",
             {.ora = 1, .quarto = 2, .frase = "E' l'una e mezza.", .testo = "1 : 30"});
        Riga("mezzogiorno e mezza, 24h", S::Ruota7, 24, "11/24 2/4 1/2 0/2",
             {.ora = 12, .quarto = 2, .frase = "E' mezzogiorno e mezza.", .testo = "12 : 30"});
        Riga("le dodici e trenta, 24h", S::Ruota8, 24, "11/24 2/4 0/2 0/2",
             {.ora = 12, .quarto = 2, .frase = "Sono le dodici e trenta."});
        Riga("mezzanotte e mezza, 24h", S::Ruota7, 24, "23/24 2/4 1/2 0/2",
             {.ora = 24, .quarto = 2, .frase = "E' mezzanotte e mezza.", .testo = "24 : 30"});
        Riga("le ventiquattro e trenta, 24h", S::Ruota8, 24, "23/24 2/4 0/2 0/2",
             {.ora = 24, .quarto = 2, .frase = "Sono le ventiquattro e trenta."});
        Riga("le 21 e mezza, 24h", S::Ruota8, 24, "20/24 2/4 1/2 0/2",
             {.ora = 21, .quarto = 2, .frase = "Sono le 21 e mezza."});
        Riga("le 21 e trenta, 24h", S::Ruota8, 24, "20/24 2/4 0/2 0/2",
             {.ora = 21, .quarto = 2, .frase = "Sono le 21 e trenta."});
        Riga("l'una e tre quarti, 24h", S::Ruota7, 24, "0/24 3/4 0/2",
             {.ora = 1, .quarto = 3, .frase = "E' l'una e tre quarti.", .testo = "1 : 45"});
        Riga("mezzogiorno tre quarti, 24h", S::Ruota7, 24, "11/24 3/4 0/2 1/2",
             {.ora = 12, .quarto = 3, .frase = "E' mezzogiorno tre quarti.", .testo = "12 : 45"});
        Riga("le dodici e quarantacinque, 24h", S::Ruota8, 24, "11/24 3/4 0/2 0/2",
             {.ora = 12, .quarto = 3, .frase = "Sono le dodici e quarantacinque."});
        Riga("mezzanotte e tre quarti, 24h", S::Ruota7, 24, "23/24 3/4 0/2 1/2",
             {.ora = 24, .quarto = 3, .frase = "E' mezzanotte e tre quarti.", .testo = "24 : 45"});
        Riga("le ventiquattro e quarantacinque, 24h", S::Ruota8, 24, "23/24 3/4 0/2 0/2",
             {.ora = 24, .quarto = 3, .frase = "Sono le ventiquattro e quarantacinque."});
        Riga("le 23 tre quarti, 24h", S::Ruota7, 24, "22/24 3/4 0/2 1/2",
             {.ora = 23, .quarto = 3, .frase = "Sono le 23 tre quarti.", .testo = "23 : 45"});
        Riga("le 23 e quarantacinque, 24h", S::Ruota8, 24, "22/24 3/4 0/2 0/2",
             {.ora = 23, .quarto = 3, .frase = "Sono le 23 e quarantacinque."});
        Riga(
            "un quarto all'una da 12, anche 24, 24h", S::Ruota8, 24, "11/24 3/4 1/2",
            {.ora = 12, .quarto = 3, .frase = "Manca un quarto d'ora all'una.", .alternativa = 24});
        Riga(
            "un quarto all'una da 24, anche 12, 24h", S::Ruota8, 24, "23/24 3/4 1/2",
            {.ora = 24, .quarto = 3, .frase = "Manca un quarto d'ora all'una.", .alternativa = 12});
        Riga("un quarto all'una sulla schermata a clic, 24h", S::Ruota7, 24, "23/24 3/4 1/2",
             {.ora = 24,
              .quarto = 3,
              .frase = "Manca un quarto d'ora all'una.",
              .testo = "24 : 45",
              .alternativa = 12});
        Riga("un quarto a mezzanotte, 24h", S::Ruota7, 24, "22/24 3/4 1/2 1/2",
             {.ora = 23,
              .quarto = 3,
              .frase = "Manca un quarto d'ora a mezzanotte.",
              .testo = "23 : 45"});
        Riga("quindici minuti alle ventiquattro, 24h", S::Ruota8, 24, "22/24 3/4 1/2 0/2",
             {.ora = 23, .quarto = 3, .frase = "Mancano quindici minuti alle ventiquattro."});
        Riga("quindici minuti alle 12, 24h", S::Ruota8, 24, "10/24 3/4 1/2 1/2",
             {.ora = 11, .quarto = 3, .frase = "Mancano quindici minuti alle 12."});
        Riga("un quarto alle 12, 24h", S::Ruota8, 24, "10/24 3/4 1/2 0/2",
             {.ora = 11, .quarto = 3, .frase = "Manca un quarto d'ora alle 12."});
        Riga("un quarto alle 19, 24h", S::Ruota8, 24, "17/24 3/4 1/2 0/2",
             {.ora = 18, .quarto = 3, .frase = "Manca un quarto d'ora alle 19."});
    }
    void quarti() { Verifica(); }

    // Hour, five-minute index, the alternative of 0, 15 and 30 minutes, the
    // draw between three quarters and a quarter to, its alternative, the draw
    // between after and before the hour (made for every time, used only past
    // the half hour), its alternative. frmRuota9 and frmRuota9a write Text1
    // after speaking, with two-digit minutes.
    void cinqueMinuti_data() {
        Colonne();
        Riga("0 minuti mezzanotte, 12h", S::Ruota9, 12, "11/12 0/12 1/3 0/2 0/2",
             {.ora = 12, .frase = "E' mezzanotte.", .testo = "12 : 00"});
        Riga("0 minuti le 9, 12h", S::Ruota9, 12, "8/12 0/12 0/2 1/2",
             {.ora = 9, .frase = "Sono le 9", .testo = "9 : 00"});
        Riga("5 minuti sempre dopo l'ora, 12h", S::Ruota9, 12, "8/12 1/12 0/2 1/2",
             {.ora = 9, .minuti = 5, .frase = "Sono le 9 e 5.", .testo = "9 : 05"});
        Riga("l'una e 10, 12h", S::Ruota9, 12, "0/12 2/12 0/2 0/2",
             {.ora = 1, .minuti = 10, .frase = "E' l'una e 10.", .testo = "1 : 10"});
        Riga("mezzanotte e 20, 12h", S::Ruota9, 12, "11/12 4/12 0/2 0/2 1/3",
             {.ora = 12, .minuti = 20, .frase = "E' mezzanotte e 20.", .testo = "12 : 20"});
        Riga("le dodici e 20, 12h", S::Ruota9, 12, "11/12 4/12 0/2 0/2 2/3",
             {.ora = 12, .minuti = 20, .frase = "Sono le dodici e 20.", .testo = "12 : 20"});
        Riga("mezzogiorno e 20, 12h", S::Ruota9, 12, "11/12 4/12 0/2 0/2 0/3",
             {.ora = 12, .minuti = 20, .frase = "E' mezzogiorno e 20.", .testo = "12 : 20"});
        Riga("25 minuti sempre dopo l'ora, 12h", S::Ruota9, 12, "2/12 5/12 1/2 1/2",
             {.ora = 3, .minuti = 25, .frase = "Sono le 3 e 25.", .testo = "3 : 25"});
        Riga("le 3 e 35, 12h", S::Ruota9, 12, "2/12 7/12 0/2 0/2",
             {.ora = 3, .minuti = 35, .frase = "Sono le 3 e 35.", .testo = "3 : 35"});
        Riga("20 minuti alle 4, 12h", S::Ruota9, 12, "2/12 8/12 0/2 1/2",
             {.ora = 3, .minuti = 40, .frase = "Mancano 20 minuti alle 4.", .testo = "3 : 40"});
        Riga("le 11 e 55, 12h", S::Ruota9, 12, "10/12 11/12 0/2 0/2",
             {.ora = 11, .minuti = 55, .frase = "Sono le 11 e 55.", .testo = "11 : 55"});
        Riga("5 minuti alle 12, 12h", S::Ruota9, 12, "10/12 11/12 0/2 1/2",
             {.ora = 11, .minuti = 55, .frase = "Mancano 5 minuti alle 12.", .testo = "11 : 55"});
        Riga("10 minuti all'una, una sola lettura, 12h", S::Ruota9, 12, "11/12 10/12 0/2 1/2",
             {.ora = 12, .minuti = 50, .frase = "Mancano 10 minuti all'una.", .testo = "12 : 50"});
        Riga("15 minuti, le 5 e un quarto, 12h", S::Ruota9, 12, "4/12 3/12 1/2 0/2 0/2",
             {.ora = 5, .minuti = 15, .frase = "Sono le 5 e un quarto.", .testo = "5 : 15"});
        Riga("30 minuti, le 5 e trenta, 12h", S::Ruota9, 12, "4/12 6/12 0/2 0/2 0/2",
             {.ora = 5, .minuti = 30, .frase = "Sono le 5 e trenta.", .testo = "5 : 30"});
        Riga("45 minuti, le 5 tre quarti, 12h", S::Ruota9, 12, "4/12 9/12 0/2 1/2 0/2",
             {.ora = 5, .minuti = 45, .frase = "Sono le 5 tre quarti.", .testo = "5 : 45"});
        Riga("45 minuti, un quarto alle 6, 12h", S::Ruota9, 12, "4/12 9/12 1/2 0/2 1/2",
             {.ora = 5, .minuti = 45, .frase = "Manca un quarto d'ora alle 6.", .testo = "5 : 45"});
        Riga("45 minuti, un quarto all'una, 12h", S::Ruota10, 12, "11/12 9/12 1/2 0/2",
             {.ora = 12, .minuti = 45, .frase = "Manca un quarto d'ora all'una."});
        Riga("5 minuti alle 2, 12h", S::Ruota10, 12, "0/12 11/12 0/2 1/2",
             {.ora = 1, .minuti = 55, .frase = "Mancano 5 minuti alle 2."});
        Riga("mezzanotte e 35, 12h", S::Ruota10, 12, "11/12 7/12 0/2 0/2 1/3",
             {.ora = 12, .minuti = 35, .frase = "E' mezzanotte e 35."});
        Riga("0 minuti mezzanotte, 24h", S::Ruota9a, 24, "23/24 0/12 1/2 0/2 0/2",
             {.ora = 24, .frase = "E' mezzanotte.", .testo = "24 : 00"});
        Riga("0 minuti le dodici, 24h", S::Ruota9a, 24, "11/24 0/12 0/2 0/2 0/2",
             {.ora = 12, .frase = "Sono le dodici.", .testo = "12 : 00"});
        Riga("15 minuti, mezzanotte e un quarto, 24h", S::Ruota9a, 24, "23/24 3/12 1/2 0/2 0/2",
             {.ora = 24, .minuti = 15, .frase = "E' mezzanotte  e un quarto.", .testo = "24 : 15"});
        Riga("30 minuti, le 13 e mezza, 24h", S::Ruota9a, 24, "12/24 6/12 1/2 0/2 0/2",
             {.ora = 13, .minuti = 30, .frase = "Sono le 13 e mezza.", .testo = "13 : 30"});
        Riga("l'una e 10, 24h", S::Ruota9a, 24, "0/24 2/12 0/2 0/2",
             {.ora = 1, .minuti = 10, .frase = "E' l'una e 10.", .testo = "1 : 10"});
        Riga("mezzogiorno e 20, 24h", S::Ruota9a, 24, "11/24 4/12 0/2 0/2 1/2",
             {.ora = 12, .minuti = 20, .frase = "E' mezzogiorno e 20.", .testo = "12 : 20"});
        Riga("le dodici e 20, 24h", S::Ruota9a, 24, "11/24 4/12 0/2 0/2 0/2",
             {.ora = 12, .minuti = 20, .frase = "Sono le dodici e 20.", .testo = "12 : 20"});
        Riga("mezzanotte e 5, 24h", S::Ruota9a, 24, "23/24 1/12 0/2 0/2 1/2",
             {.ora = 24, .minuti = 5, .frase = "E' mezzanotte e 5.", .testo = "24 : 05"});
        Riga("le ventiquattro e 5, 24h", S::Ruota9a, 24, "23/24 1/12 0/2 0/2 0/2",
             {.ora = 24, .minuti = 5, .frase = "Sono le ventiquattro e 5.", .testo = "24 : 05"});
        Riga("le 14 e 50, 24h", S::Ruota9a, 24, "13/24 10/12 0/2 0/2",
             {.ora = 14, .minuti = 50, .frase = "Sono le 14 e 50.", .testo = "14 : 50"});
        Riga("10 minuti all'una da 12, anche 24, 24h", S::Ruota9a, 24, "11/24 10/12 0/2 1/2",
             {.ora = 12,
              .minuti = 50,
              .frase = "Mancano 10 minuti all'una.",
              .testo = "12 : 50",
              .alternativa = 24});
        Riga("25 minuti all'una da 24, anche 12, 24h", S::Ruota10, 24, "23/24 7/12 0/2 1/2",
             {.ora = 24, .minuti = 35, .frase = "Mancano 25 minuti all'una.", .alternativa = 12});
        Riga("5 minuti a mezzanotte, 24h", S::Ruota10, 24, "22/24 11/12 0/2 1/2 1/2",
             {.ora = 23, .minuti = 55, .frase = "Mancano 5 minuti a mezzanotte."});
        Riga("5 minuti alle ventiquattro, 24h", S::Ruota10, 24, "22/24 11/12 0/2 1/2 0/2",
             {.ora = 23, .minuti = 55, .frase = "Mancano 5 minuti alle ventiquattro."});
        Riga("20 minuti alle 18, 24h", S::Ruota10, 24, "16/24 8/12 0/2 1/2",
             {.ora = 17, .minuti = 40, .frase = "Mancano 20 minuti alle 18."});
        Riga("5 minuti alle 12, 24h", S::Ruota10, 24, "10/24 11/12 0/2 1/2",
             {.ora = 11, .minuti = 55, .frase = "Mancano 5 minuti alle 12."});
        Riga("45 minuti, mezzogiorno tre quarti, 24h", S::Ruota10, 24, "11/24 9/12 0/2 1/2 0/2",
             {.ora = 12, .minuti = 45, .frase = "E' mezzogiorno tre quarti."});
        Riga("45 minuti, un quarto all'una da 12, 24h", S::Ruota10, 24, "11/24 9/12 1/2 0/2",
             {.ora = 12,
              .minuti = 45,
              .frase = "Manca un quarto d'ora all'una.",
              .alternativa = 24});
        Riga("45 minuti, un quarto all'una da 24, 24h", S::Ruota10, 24, "23/24 9/12 1/2 1/2",
             {.ora = 24,
              .minuti = 45,
              .frase = "Manca un quarto d'ora all'una.",
              .alternativa = 12});
        Riga("45 minuti, un quarto a mezzanotte, 24h", S::Ruota10, 24, "22/24 9/12 1/2 1/2 0/2",
             {.ora = 23, .minuti = 45, .frase = "Manca un quarto d'ora a mezzanotte."});
        Riga("mezzogiorno e 35, 24h", S::Ruota10, 24, "11/24 7/12 0/2 0/2 1/2",
             {.ora = 12, .minuti = 35, .frase = "E' mezzogiorno e 35."});
    }
    void cinqueMinuti() { Verifica(); }

    // One line per question: the screen, the convention, the variables, the
    // sentence (its blanks kept) and the digital time.
    void registroUnaRigaPerDomanda() {
        righeRegistro.clear();
        filtroPrecedente = QLoggingCategory::installFilter(AccendiRegistroDomande);
        const QtMessageHandler gestore = qInstallMessageHandler(RaccogliRegistro);
        GeneratoreScritto copione = Copione("23/24 1/4 1/2 0/2");
        NuovaDomanda(S::Ruota7, 24, copione);
        qInstallMessageHandler(gestore);
        QLoggingCategory::installFilter(filtroPrecedente);
        QCOMPARE(righeRegistro.size(), 1);
        const QString& riga = righeRegistro.constFirst();
        for (const char* parte : {"frmRuota7", "ModoOre 24", "OraDomanda 24", "QuartoDomanda 1",
                                  "\"E' mezzanotte  e un quarto.\"", "\"24 : 15\""})
            QVERIFY2(riga.contains(QLatin1String(parte)), qPrintable(riga));
    }
};

QTEST_GUILESS_MAIN(TestFrasi)
#include "test_frasi.moc"
