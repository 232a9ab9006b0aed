#pragma once

#include "ContestoDiProva.h"
#include "MotoreVoceRegistrato.h"
#include "clockface/Quadrante.h"
#include "exercises/SchermataEsercizio.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <memory>

// One exercise screen on the bench: scripted draws, recorded speech, sounds
// and message boxes. The voice settings differ from the defaults so that
// their application shows in the speech record.
struct BancoEsercizio {
    ContestoDiProva prova;
    MotoreVoceRegistrato voce;
    std::unique_ptr<SchermataEsercizio> schermata;

    // `estrazioni`: the draws of the first question (see GeneratoreScritto::Per).
    BancoEsercizio(Schermata quale, qint16 modoOre, const QList<float>& estrazioni) {
        prova.contesto.ModoOre = modoOre;
        prova.contesto.NumeroVoce = 2;
        prova.contesto.VelocitaVoce = 150;
        for (float r : estrazioni)
            prova.casuale.Aggiungi({r});
        schermata = std::make_unique<SchermataEsercizio>(quale, prova.contesto, voce);
    }

    // Shows the screen, which runs its activation.
    void Apri() { schermata->show(); }

    template <class T = QWidget> T* Trova(const char* nome) const {
        T* w = schermata->findChild<T*>(QLatin1String(nome));
        if (!w)
            QTest::qFail(qPrintable(QStringLiteral("no control %1").arg(QLatin1String(nome))),
                         __FILE__, __LINE__);
        return w;
    }
    Quadrante* Dial() const { return Trova<Quadrante>("Picture1"); }
    QScrollBar* Barra(const char* nome) const { return Trova<QScrollBar>(nome); }
    QString Text1() const { return Trova<QLineEdit>("Text1")->text(); }
    QString Etichetta(const char* nome) const { return Trova<QLabel>(nome)->text(); }
    bool Visibile(const char* nome) const { return Trova(nome)->isVisibleTo(schermata.get()); }
    bool Attivo(const char* nome) const { return Trova(nome)->isEnabled(); }

    void Clicca(int indice) {
        QLabel* bersaglio = Dial()->Label1(indice);
        if (!bersaglio) {
            QTest::qFail(qPrintable(QStringLiteral("no target %1").arg(indice)), __FILE__,
                         __LINE__);
            return;
        }
        QTest::mouseClick(bersaglio, Qt::LeftButton);
    }
    void Premi(const char* bottone) {
        QTest::mouseClick(Trova<QAbstractButton>(bottone), Qt::LeftButton);
    }
};

// The tip of a hand, worked out afresh from the dial's rule: degrees clockwise
// from 12, single-precision pi, y downwards.
inline QPointF PuntaAttesa(double gradi, double lunghezza) {
    const float pi = 4.0f * std::atan(1.0f);
    const double t = gradi / 360.0 * double(2.0f * pi) - double(pi / 2.0f);
    return QPointF(float(std::cos(t) * lunghezza), float(std::sin(t) * lunghezza));
}

// A drawn hand: from the centre to the tip of `gradi`, in its colour and width.
// Coordinates to four decimals, so that -0.00001 and 0.00001 read alike.
inline QString Coordinate(QPointF p) {
    return QStringLiteral("(%1, %2)")
        .arg(qRound(p.x() * 10000) / 10000.0, 0, 'f', 4)
        .arg(qRound(p.y() * 10000) / 10000.0, 0, 'f', 4);
}
inline QString DescriviTratto(const Quadrante::Tratto& t) {
    return QStringLiteral("%1-%2 %3 w%4")
        .arg(Coordinate(t.da), Coordinate(t.a), t.colore.name())
        .arg(t.larghezza);
}
inline QString LancettaRossa(double gradi) {
    const QPointF p = PuntaAttesa(gradi, 1.1);
    return DescriviTratto({QPointF(), p, QColor(255, 0, 0), 7});
}
inline QString LancettaBlu(double gradi) {
    const QPointF p = PuntaAttesa(gradi, 1.6);
    return DescriviTratto({QPointF(), p, QColor(0, 0, 255), 3});
}
inline QStringList Tratti(const Quadrante& q) {
    QStringList descritti;
    for (const Quadrante::Tratto& t : q.Tratti())
        descritti << DescriviTratto(t);
    return descritti;
}
