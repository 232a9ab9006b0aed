#pragma once

#include "core/Contesto.h"
#include "core/GeneratoreCasuale.h"
#include "core/Messaggi.h"
#include "core/Suonatore.h"

#include <QStringList>
#include <QTest>
#include <QWidget>

// A random generator returning a scripted sequence; running out fails the test.
struct GeneratoreScritto : GeneratoreCasuale {
    // The r that makes a draw of k give `risultato`.
    static float Per(int risultato, int k) { return (float(risultato) + 0.5f) / float(k); }
    void Aggiungi(const QList<float>& valori) { copione += valori; }
    void AggiungiEstrazione(int risultato, int k) { copione << Per(risultato, k); }
    float Prossimo() override {
        ++usati;
        if (!copione.isEmpty())
            return copione.takeFirst();
        QTest::qFail("the scripted random sequence ran out", __FILE__, __LINE__);
        return 0.0f;
    }
    void SeminaDalTempo() override {}
    QList<float> copione;
    int usati = 0;
};

// Records every message box; questions are answered from `risposte`.
struct MessaggiRegistrati : Messaggi {
    struct Voce {
        QString testo, titolo;
        Icona icona;
        QString sopra; // " @" and the asking screen's objectName; empty for none
    };
    void Avviso(QWidget* s, const QString& testo, const QString& titolo, Icona i) override {
        registro.append({testo, titolo, i, s ? " @" + s->objectName() : ""});
    }
    bool Chiedi(QWidget* s, const QString& testo, const QString& titolo) override {
        registro.append({testo, titolo, Icona::Domanda, s ? " @" + s->objectName() : ""});
        return risposte.isEmpty() ? rispostaPredefinita : risposte.takeFirst();
    }
    // The boxes shown, a line each: text | title, the icon (i), (!), (x) or ?, sopra.
    QString Detti() const {
        static const char* const icone[] = {"", " (i)", " (!)", " (x)", " ?"};
        QStringList righe;
        for (const Voce& m : registro)
            righe << m.testo + " | " + m.titolo + icone[int(m.icona)] + m.sopra;
        return righe.join('\n');
    }
    QList<Voce> registro;
    QList<bool> risposte;
    bool rispostaPredefinita = true;
};

// Records the sound files the program asked to play.
struct SuonatoreRegistrato : Suonatore {
    void Suona(const QString& nomeFile) override { suonati.append(nomeFile); }
    QStringList suonati;
};

struct ContestoDiProva {
    GeneratoreScritto casuale;
    MessaggiRegistrati messaggi;
    SuonatoreRegistrato suoni;
    Contesto contesto{casuale, messaggi, suoni};
};
