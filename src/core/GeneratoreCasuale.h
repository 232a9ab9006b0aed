#pragma once

#include <QtGlobal>
#include <random>

// The program's one random generator. Every random choice of the program
// (questions, sentence alternatives, praise sounds, background colours) goes
// through the one instance held by the Contesto, so that a test can replace it
// with a scripted sequence and force any question.
class GeneratoreCasuale {
public:
    GeneratoreCasuale();
    virtual ~GeneratoreCasuale() = default;

    // A fresh, time-dependent sequence (start-up, activation of frmRuota1).
    virtual void SeminaDalTempo();
    void Semina(quint32 seme);

    // r with 0 <= r < 1, single precision.
    virtual float Prossimo();

    // A draw of k: the integer part of r x k, so 0..k-1, each equally likely.
    int Estrai(int k);

private:
    std::mt19937 motore_;
};
