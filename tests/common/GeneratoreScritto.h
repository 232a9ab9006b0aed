#pragma once

#include "core/GeneratoreCasuale.h"

#include <QList>
#include <QTest>

// A random generator that returns a scripted sequence of r values, so a test
// can force any question. Running out of script fails the current test.
class GeneratoreScritto : public GeneratoreCasuale {
public:
    GeneratoreScritto() = default;
    explicit GeneratoreScritto(QList<float> valori) : valori_(std::move(valori)) {}

    void Aggiungi(std::initializer_list<float> valori) { valori_.append(valori); }
    // The r that makes a draw of k give `risultato`.
    static float Per(int risultato, int k) { return (float(risultato) + 0.5f) / float(k); }
    void AggiungiEstrazione(int risultato, int k) { valori_.append(Per(risultato, k)); }

    float Prossimo() override {
        ++usati_;
        if (valori_.isEmpty()) {
            QTest::qFail("the scripted random sequence ran out", __FILE__, __LINE__);
            return 0.0f;
        }
        return valori_.takeFirst();
    }
    void SeminaDalTempo() override {}

    int Usati() const { return usati_; }
    int Rimasti() const { return int(valori_.size()); }

private:
    QList<float> valori_;
    int usati_ = 0;
};
