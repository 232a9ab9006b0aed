#pragma once

#include <QColor>
#include <QLabel>
#include <QVector>
#include <QWidget>

// The arrangements of the dial's numerals and marks (the Label1 targets).
enum class DisposizioneQuadrante {
    A,       // 12 numerals, index = numeral (frmRuota1, frmRuota2)
    B,       // 24 targets, "°" marks at odd indices, "12" at index 24 (frmRuota3, 4, 5, 5a)
    B0,      // as B, "12" at index 0 (frmRuota6)
    C24,     // 24 targets, blank odd targets, "12" at index 24 (frmRuota7, frmRuota8)
    C0,      // as C24, "12" at index 0 (frmRuota10)
    C9,      // as C0, numeral 1 and index 3 placed as on frmRuota9 and frmRuota9a
};

// Picture1: the clock face. A user scale runs from (-2, -2) at the top-left
// corner to (2, 2) at the bottom-right; hands are straight lines drawn from
// the centre and stay until Cls(), surviving repaints. The numerals and marks
// are transparent labels (Label1 targets) whose index is the answer they
// stand for; clicking one emits Label1_Click(index).
class Quadrante : public QWidget {
    Q_OBJECT
public:
    Quadrante(DisposizioneQuadrante disposizione, QColor sfondo, QWidget* parent = nullptr);
    ~Quadrante() override;

    // Re-establishes the (-2, -2)-(2, 2) scale for the current size.
    void Scale();
    // Removes every drawn hand; the dial's numerals stay.
    void Cls();
    void ImpostaDrawWidth(int larghezza);
    int DrawWidth() const;
    // One hand: angle in degrees clockwise from 12 (no reduction modulo 360),
    // length in scale units, in `colore` with the current drawing width.
    void DisegnaLancetta(double gradi, double lunghezza, const QColor& colore, float piGreco);

    // The target with this index, or nullptr when the layout has none.
    QLabel* Label1(int indice) const;

    struct Tratto {
        QPointF da, a; // in scale units
        QColor colore;
        int larghezza;
    };
    // The hands drawn since the last Cls, in drawing order.
    const QVector<Tratto>& Tratti() const;

signals:
    void Label1_Click(int indice);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    struct Dati;
    Dati* d_;
};
