#pragma once

#include "ContestoDiProva.h"
#include "MotoreVoceRegistrato.h"
#include "clockface/Quadrante.h"
#include "exercises/Figure.h"
#include "exercises/SchermataEsercizio.h"

#include <QAbstractButton>
#include <QTest>
#include <cmath>
#include <memory>

inline float P(int risultato, int k) {
    return GeneratoreScritto::Per(risultato, k);
}

// A hand as "colour width (x, y)" of its tip, to four decimals so that
// -0.00001 and 0.00001 read alike.
inline QString Tratto(const QColor& colore, int larghezza, QPointF p) {
    const auto c = [](qreal v) { return QString::number(qRound(v * 10000) / 10000.0, 'f', 4); };
    return QStringLiteral("%1 %2 (%3, %4)")
        .arg(colore.name())
        .arg(larghezza)
        .arg(c(p.x()), c(p.y()));
}

// The hand expected at `gradi` clockwise from 12, worked out afresh (single
// precision pi, y downwards): the red hour hand 1.1 long and 7 wide, the blue
// minute hand 1.6 long and 3 wide.
inline QString Mano(double gradi, bool rossa) {
    const float pi = 4.0f * std::atan(1.0f);
    const double t = gradi / 360.0 * double(2.0f * pi) - double(pi / 2.0f), l = rossa ? 1.1 : 1.6;
    return Tratto(rossa ? Qt::red : Qt::blue, rossa ? 7 : 3,
                  QPointF(float(std::cos(t) * l), float(std::sin(t) * l)));
}

// One exercise screen on the bench: scripted draws, recorded speech, sounds
// and message boxes. Voice 2 at speed 150, so that applying them shows.
struct BancoEsercizio {
    ContestoDiProva prova;
    MotoreVoceRegistrato voce;
    std::unique_ptr<SchermataEsercizio> schermata;

    BancoEsercizio(Schermata quale, int modoOre, const QList<float>& estrazioni) {
        prova.contesto.ModoOre = qint16(modoOre);
        prova.contesto.NumeroVoce = 2;
        prova.contesto.VelocitaVoce = 150;
        Estrazioni(estrazioni);
        schermata = std::make_unique<SchermataEsercizio>(quale, prova.contesto, voce);
        schermata->show();
    }

    // The draws of the next question (see GeneratoreScritto::Per).
    void Estrazioni(const QList<float>& estrazioni) {
        for (float r : estrazioni)
            prova.casuale.Aggiungi({r});
    }
    template <class T = QWidget> T* Trova(const char* nome) const {
        return schermata->findChild<T*>(QLatin1String(nome));
    }
    // The text of a label, a text box or a button.
    QString Testo(const char* nome) const { return Trova(nome)->property("text").toString(); }
    // "right/wrong" as the two count labels show them.
    QString Contatori() const { return Testo("EtichettaEsatti") + '/' + Testo("EtichettaErrati"); }
    bool Visibile(const char* nome) const { return Trova(nome) && Trova(nome)->isVisible(); }
    bool Attivo(const char* nome) const { return Trova(nome)->isEnabled(); }
    void Premi(const char* nome) {
        QTest::mouseClick(Trova<QAbstractButton>(nome), Qt::LeftButton);
    }
    void Clicca(int i) {
        QTest::mouseClick(Trova<Quadrante>("Picture1")->Label1(i), Qt::LeftButton);
    }
    QStringList Lancette() const {
        QStringList l;
        for (const Quadrante::Tratto& t : Trova<Quadrante>("Picture1")->Tratti())
            l << Tratto(t.colore, t.larghezza, t.a);
        return l;
    }

    // What every freshly opened screen shows: zero counts, "avanti" off, the
    // smiling face, and its pictures.
    void ControllaApertura() const {
        QCOMPARE(Contatori(), "0/0");
        QVERIFY(!Attivo("BottoneAvanti"));
        QVERIFY(Visibile("ComandoIconaSi") && !Visibile("ComandoIconaNo"));
        for (const char* nome : {"Image1", "ComandoIconaSi", "ComandoIconaNo"})
            QVERIFY2(Trova<ImmagineSvg>(nome)->Caricata(), nome);
        for (const char* nome : {"Command1", "Command2", "BottoneAvanti", "Command7"})
            QVERIFY2(!Trova<QAbstractButton>(nome)->icon().pixmap(32).isNull(), nome);
        QCOMPARE(Trova("Command2")->cursor().shape(), Qt::BitmapCursor);
    }
};
