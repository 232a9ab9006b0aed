#include "Esploratore.h"

#include "language/GeneratoreCasuale.h"

#include <QHash>
#include <QTest>

namespace {

// Plays a prefix of r values; past it, every draw gives 0 and is counted, so
// the caller learns that the question needs a longer prefix.
class GeneratoreEsploratore : public GeneratoreCasuale {
public:
    explicit GeneratoreEsploratore(const QList<float>& prefisso) : prefisso_(prefisso) {}
    float Prossimo() override {
        const float r = usati_ < prefisso_.size() ? prefisso_[usati_] : 0.0f;
        ++usati_;
        return r;
    }
    void SeminaDalTempo() override {}
    int Usati() const { return usati_; }

private:
    const QList<float>& prefisso_;
    int usati_ = 0;
};

// One r inside each cell between the points where some draw changes its
// outcome. The first draw of a question picks the hour or the half hour, from
// 12, 24 or 48 values; the second picks the quarter, the five-minute index or
// a sentence, from at most 12; every later one picks among two or three
// sentences, whose outcomes change only at 1/3, 1/2 and 2/3.
QList<float> Valori(qsizetype posizione) {
    if (posizione >= 2)
        return {1.0f / 6.0f, 5.0f / 12.0f, 7.0f / 12.0f, 5.0f / 6.0f};
    const int celle = posizione == 0 ? 48 : 12;
    QList<float> valori;
    for (int i = 0; i < celle; ++i)
        valori.append((float(i) + 0.5f) / float(celle));
    return valori;
}

QString Chiave(const Domanda& d) {
    return QStringLiteral("%1/%2/%3/%4/%5/%6/%7/%8")
        .arg(d.OraDomanda)
        .arg(d.MezzeOreDomanda)
        .arg(d.QuartoDomanda)
        .arg(d.MinutiDomanda)
        .arg(d.OraAlternativa)
        .arg(int(d.Momento))
        .arg(d.FraseDaDire, d.TestoDigitale);
}

void Esplora(Schermata schermata, qint16 modoOre, QList<float>& prefisso,
             QHash<QString, Domanda>& trovate) {
    GeneratoreEsploratore generatore(prefisso);
    const Domanda domanda = NuovaDomanda(schermata, modoOre, generatore);
    if (generatore.Usati() <= prefisso.size()) {
        trovate.insert(Chiave(domanda), domanda);
        return;
    }
    if (prefisso.size() >= 8) {
        QTest::qFail("a question made more than eight draws", __FILE__, __LINE__);
        return;
    }
    for (float r : Valori(prefisso.size())) {
        prefisso.append(r);
        Esplora(schermata, modoOre, prefisso, trovate);
        prefisso.removeLast();
    }
}

} // namespace

QList<Domanda> TutteLeDomande(Schermata schermata, qint16 modoOre) {
    // Several tests read the same screens; each is explored once per run.
    static QHash<int, QList<Domanda>> giaTrovate;
    const int chiave = int(schermata) * 100 + modoOre;
    if (const auto it = giaTrovate.constFind(chiave); it != giaTrovate.cend())
        return *it;
    QHash<QString, Domanda> trovate;
    QList<float> prefisso;
    Esplora(schermata, modoOre, prefisso, trovate);
    return giaTrovate[chiave] = trovate.values();
}
