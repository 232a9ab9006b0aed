#pragma once

#include "speech/Sintetizzatore.h"

#include <memory>

// SVOX Pico's Italian voice. Its library is non-free, so the program is built
// without it and loads it at run time when it is installed, as programs do
// with optional codecs; its Italian voice data are two files of its data
// folder. A session holds the library, the data and one synthesis engine of
// the library's from its start to its end. Missing any of them, it has no
// voice and does nothing, which is the usual case and no fault.
class SessionePico : public Sintetizzatore {
public:
    // `libreria`: the library's file, or its name to be looked up as the
    // system's loader does; `cartellaLingue`: its data folder.
    SessionePico(const QString& libreria, const QString& cartellaLingue);
    ~SessionePico() override;
    SessionePico(const SessionePico&) = delete;
    SessionePico& operator=(const SessionePico&) = delete;

    int CampioniAlSecondo() const override;
    // The one voice, named NomeVocePico; empty without library or data.
    QList<VoceItaliana> VociDisponibili() override;
    // Takes "it", its one voice, only.
    bool ScegliVoce(const QString& nomeSintetizzatore) override;
    void ImpostaVelocita(int velocita) override;
    // The pause the library adds after the text is left out.
    bool Sintetizza(const QString& testo, const Ricevitore& ricevi) override;

private:
    struct Libreria;
    std::unique_ptr<Libreria> pico_; // null without library or data
    int livello_;
};
