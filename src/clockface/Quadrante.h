#pragma once

#include "clockface/DisposizioneQuadrante.h"
#include "clockface/ScalaQuadrante.h"

#include <QColor>
#include <QLabel>
#include <QVector>
#include <QWidget>
#include <memory>

// The clock face (objectName "Picture1"). A user scale runs from (-2, -2) at
// the top-left corner to (2, 2) at the bottom-right; hands are straight lines
// drawn from the centre and stay until CancellaLancette(), surviving repaints.
// The numerals and marks are transparent labels, the targets (objectNames
// "Label1_<index>"), whose index is the answer they stand for; clicking one
// emits BersaglioCliccato(index).
class Quadrante : public QWidget {
    Q_OBJECT
public:
    Quadrante(DisposizioneQuadrante disposizione, QColor sfondo, QWidget* parent = nullptr);
    ~Quadrante() override;

    // Re-establishes the (-2, -2)-(2, 2) scale for the current size.
    void AggiornaScala();
    // The scale in force (set by the last AggiornaScala()).
    const ScalaQuadrante& Scala() const;
    // Removes every drawn hand; the dial's numerals stay.
    void CancellaLancette();
    // The line width of the next hands, in pixels (at least 1).
    void ImpostaLarghezzaTratto(int larghezza);
    // One hand: angle in degrees clockwise from 12 (no reduction modulo 360),
    // length in scale units, in `colore` with the current drawing width.
    void DisegnaLancetta(double gradi, double lunghezza, const QColor& colore, float piGreco);

    // The target with this index, or nullptr when the layout has none.
    QLabel* Bersaglio(int indice) const;

    struct Tratto {
        QPointF da, a; // in scale units
        QColor colore;
        int larghezza;
    };
    // The hands drawn since the last CancellaLancette, in drawing order.
    const QVector<Tratto>& Tratti() const;

signals:
    void BersaglioCliccato(int indice);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    struct Dati;
    std::unique_ptr<Dati> d_;
};
