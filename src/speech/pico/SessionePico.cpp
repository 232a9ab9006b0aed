#include "speech/pico/SessionePico.h"

#include "speech/Pronuncia.h"
#include "speech/RegistroVoce.h"
#include "speech/SilenzioFinale.h"
#include "speech/VelocitaVoce.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <dlfcn.h>
#include <vector>

namespace {

// The library's interface as far as it is used here: opaque handles, status
// codes, unsigned-char strings and 16-bit sizes.
using Stato = int;
using Maniglia = void*;
using Testo = const unsigned char*;
constexpr Stato Fatto = 0;
constexpr Stato Finito = 200;  // getData: all input has been turned into sound
constexpr Stato InCorso = 201; // getData: call again for more
// resetEngine's full reset: a soft one leaves the start of the sound still
// queued inside, heard at the start of the next text.
constexpr int RipresaPiena = 0;
constexpr qint16 DatiPcm16 = 1; // getData's data type: 16-bit samples

// What the library works in for one Italian voice, as its own tools give it.
constexpr int Memoria = 2500000;
constexpr int CampioniAlSecondoPico = 16000;
const char* const FileLingue[] = {"it-IT_ta.bin", "it-IT_cm0_sg.bin"};
const auto NomeVoce = reinterpret_cast<Testo>("ertavino");

QString Messaggio(Stato stato) {
    return QStringLiteral("status %1").arg(stato);
}

} // namespace

struct SessionePico::Libreria {
    void* modulo = nullptr;
    Stato (*initialize)(void*, unsigned, Maniglia*) = nullptr;
    Stato (*terminate)(Maniglia*) = nullptr;
    Stato (*loadResource)(Maniglia, Testo, Maniglia*) = nullptr;
    Stato (*unloadResource)(Maniglia, Maniglia*) = nullptr;
    Stato (*getResourceName)(Maniglia, Maniglia, char*) = nullptr;
    Stato (*createVoiceDefinition)(Maniglia, Testo) = nullptr;
    Stato (*addResourceToVoiceDefinition)(Maniglia, Testo, Testo) = nullptr;
    Stato (*releaseVoiceDefinition)(Maniglia, Testo) = nullptr;
    Stato (*newEngine)(Maniglia, Testo, Maniglia*) = nullptr;
    Stato (*disposeEngine)(Maniglia, Maniglia*) = nullptr;
    Stato (*putTextUtf8)(Maniglia, Testo, qint16, qint16*) = nullptr;
    Stato (*getData)(Maniglia, void*, qint16, qint16*, qint16*) = nullptr;
    Stato (*resetEngine)(Maniglia, int) = nullptr;

    std::vector<char> memoria;
    Maniglia sistema = nullptr;
    std::vector<Maniglia> risorse;
    bool voceDefinita = false;
    Maniglia motore = nullptr;

    // Loads the library and finds its functions; false, with a reason in
    // `perche`, when it is not installed or not the one expected.
    bool Carica(const QString& percorso, QString& perche) {
        modulo = dlopen(QFile::encodeName(percorso).constData(), RTLD_NOW | RTLD_LOCAL);
        if (modulo == nullptr) {
            perche = QString::fromLocal8Bit(dlerror());
            return false;
        }
        bool trovate = true;
        const auto trova = [&](auto& funzione, const char* nome) {
            funzione =
                reinterpret_cast<std::remove_reference_t<decltype(funzione)>>(dlsym(modulo, nome));
            if (funzione == nullptr)
                perche += QLatin1String(nome) + QLatin1Char(' ');
            trovate = trovate && funzione != nullptr;
        };
        trova(initialize, "pico_initialize");
        trova(terminate, "pico_terminate");
        trova(loadResource, "pico_loadResource");
        trova(unloadResource, "pico_unloadResource");
        trova(getResourceName, "pico_getResourceName");
        trova(createVoiceDefinition, "pico_createVoiceDefinition");
        trova(addResourceToVoiceDefinition, "pico_addResourceToVoiceDefinition");
        trova(releaseVoiceDefinition, "pico_releaseVoiceDefinition");
        trova(newEngine, "pico_newEngine");
        trova(disposeEngine, "pico_disposeEngine");
        trova(putTextUtf8, "pico_putTextUtf8");
        trova(getData, "pico_getData");
        trova(resetEngine, "pico_resetEngine");
        if (!trovate)
            perche = QStringLiteral("missing ") + perche;
        return trovate;
    }

    // Starts the library on the voice data in `cartella`: the text analysis
    // and the signal generation files make one voice, and an engine speaks it.
    Stato Avvia(const QDir& cartella) {
        memoria.resize(Memoria);
        if (const Stato s = initialize(memoria.data(), Memoria, &sistema); s != Fatto)
            return s;
        if (const Stato s = createVoiceDefinition(sistema, NomeVoce); s != Fatto)
            return s;
        voceDefinita = true;
        for (const char* file : FileLingue) {
            const QByteArray percorso = QFile::encodeName(cartella.filePath(QLatin1String(file)));
            Maniglia risorsa = nullptr;
            if (const Stato s =
                    loadResource(sistema, reinterpret_cast<Testo>(percorso.constData()), &risorsa);
                s != Fatto)
                return s;
            risorse.push_back(risorsa);
            char nome[200] = {};
            if (const Stato s = getResourceName(sistema, risorsa, nome); s != Fatto)
                return s;
            if (const Stato s =
                    addResourceToVoiceDefinition(sistema, NomeVoce, reinterpret_cast<Testo>(nome));
                s != Fatto)
                return s;
        }
        return newEngine(sistema, NomeVoce, &motore);
    }

    ~Libreria() {
        if (motore)
            disposeEngine(sistema, &motore);
        if (voceDefinita)
            releaseVoiceDefinition(sistema, NomeVoce);
        for (auto risorsa = risorse.rbegin(); risorsa != risorse.rend(); ++risorsa)
            unloadResource(sistema, &*risorsa);
        if (sistema)
            terminate(&sistema);
        if (modulo)
            dlclose(modulo);
    }
};

SessionePico::SessionePico(const QString& libreria, const QString& cartellaLingue)
    : livello_(LivelloVelocitaPico(VelocitaPredefinita)) {
    const QDir cartella(cartellaLingue);
    for (const char* file : FileLingue) {
        if (!cartella.exists(QLatin1String(file))) {
            qCDebug(registroVoce) << "no Pico voice: no" << cartella.filePath(QLatin1String(file));
            return;
        }
    }
    auto pico = std::make_unique<Libreria>();
    QString perche;
    if (!pico->Carica(libreria, perche)) {
        qCDebug(registroVoce).noquote() << "no Pico voice:" << perche;
        return;
    }
    if (const Stato s = pico->Avvia(cartella); s != Fatto) {
        qCWarning(registroVoce).noquote()
            << "the Pico voice did not start," << Messaggio(s) << "on" << cartellaLingue;
        return;
    }
    pico_ = std::move(pico);
}

SessionePico::~SessionePico() = default;

int SessionePico::CampioniAlSecondo() const {
    return pico_ ? CampioniAlSecondoPico : 0;
}

QList<VoceItaliana> SessionePico::VociDisponibili() {
    if (!pico_)
        return {};
    return {{QString::fromUtf8(NomeVocePico), QString()}};
}

bool SessionePico::ScegliVoce(const QString& nomeSintetizzatore) {
    return pico_ && nomeSintetizzatore == QLatin1String("it");
}

void SessionePico::ImpostaVelocita(int velocita) {
    livello_ = LivelloVelocitaPico(velocita);
}

bool SessionePico::Sintetizza(const QString& testo, const Ricevitore& ricevi) {
    if (!pico_)
        return false;
    // The speed is the library's markup around the text, which therefore
    // must open no markup of its own.
    const QString semplice = TestoDaPronunciare(testo).replace(QLatin1Char('<'), QLatin1Char(' '));
    // The closing NUL ends the input: what precedes it is all spoken.
    QByteArray ingresso =
        QStringLiteral("<speed level='%1'>%2</speed>").arg(livello_).arg(semplice).toUtf8();
    ingresso.append('\0');
    SenzaSilenzioFinale suono(CampioniAlSecondoPico, ricevi);
    const auto smetti = [this](bool esito) {
        pico_->resetEngine(pico_->motore, RipresaPiena);
        return esito;
    };
    for (qsizetype dato = 0; dato < ingresso.size();) {
        qint16 preso = 0;
        const auto quanti = qint16(std::min<qsizetype>(ingresso.size() - dato, 32767));
        const Stato s = pico_->putTextUtf8(
            pico_->motore, reinterpret_cast<Testo>(ingresso.constData() + dato), quanti, &preso);
        if (s != Fatto) {
            qCWarning(registroVoce).noquote() << "the Pico voice refused a text," << Messaggio(s);
            return smetti(false);
        }
        dato += preso;
        // Everything taken is turned into sound before more is given.
        for (Stato passo = InCorso; passo == InCorso;) {
            qint16 campioni[256];
            qint16 byte = 0, tipo = 0;
            passo = pico_->getData(pico_->motore, campioni, sizeof campioni, &byte, &tipo);
            if (passo != InCorso && passo != Finito) {
                qCWarning(registroVoce).noquote() << "the Pico voice failed," << Messaggio(passo);
                return smetti(false);
            }
            if (byte > 0 && tipo == DatiPcm16 && !suono.Aggiungi(campioni, byte / 2))
                return smetti(true); // abandoned: what was made of it was taken
        }
        if (preso == 0 && dato < ingresso.size())
            return smetti(false); // it takes no more and has nothing left to say
    }
    suono.Fine();
    return true;
}
