#pragma once

#include <QWidget>

class MotoreVoce;

// The talking mouth every talking screen carries: it forwards the speech
// operations to the program's engine and opens and closes with the loudness
// of the voice being played. Clicking it emits Click().
class Bocca : public QWidget {
    Q_OBJECT
public:
    explicit Bocca(MotoreVoce& motore, QWidget* parent = nullptr);
    ~Bocca() override;

    void RileggiVoci();
    bool VociInArrivo() const;
    int NumeroVoci() const;
    QString NomeVoce(int numero) const;
    bool SelezionaVoce(int numero);
    void ImpostaVelocita(int velocita);
    void Parla(const QString& testo);
    void Ferma();

    QSize sizeHint() const override;

signals:
    void Click();
    // The engine's list changed without RileggiVoci: a reading answered late.
    void VociCambiate();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SeguiLivello(float livello);

    MotoreVoce& motore_;
    float apertura_ = 0.0f; // 0 closed .. 1 wide open
};

// Applies the stored voice, then the stored speed, to a screen's mouth.
void ImpostaVoce(Bocca& bocca, int numeroVoce, int velocita);
