#include "speech/espeak/SessioneEspeak.h"

#include "speech/Pronuncia.h"
#include "speech/RegistroVoce.h"

#include <QDir>
#include <QFileInfo>

#include <espeak-ng/speak_lib.h>

namespace {

std::mutex usoEspeak;
// Guarded by usoEspeak: the data folder the library was started on and the
// sample rate it reported, 0 when it could not start.
bool avviata = false;
QString cartellaAvviata;
int campioniAvviati = 0;
const SessioneEspeak::Ricevitore* ricevitoreAttivo = nullptr;

// The library looks for "espeak-ng-data" inside the folder it is given, or
// takes the folder itself. A folder without its phoneme tables would leave the
// library half started, so it is not handed over at all.
bool CartellaUsabile(const QString& cartella) {
    QDir dati(cartella);
    if (dati.exists(QStringLiteral("espeak-ng-data")))
        dati.cd(QStringLiteral("espeak-ng-data"));
    for (const char* file : {"phontab", "phonindex", "phondata", "intonations", "it_dict"}) {
        if (!QFileInfo(dati.filePath(QString::fromLatin1(file))).isFile())
            return false;
    }
    return true;
}

int RiceviSuono(short* campioni, int quanti, espeak_EVENT*) {
    if (campioni == nullptr || quanti <= 0 || ricevitoreAttivo == nullptr)
        return 0;
    // Returning 1 makes the library drop the rest of the text.
    return (*ricevitoreAttivo)(campioni, quanti) ? 0 : 1;
}

int Avvia(const QString& cartella) {
    if (!cartella.isEmpty() && !CartellaUsabile(cartella)) {
        qCWarning(registroVoce) << "no voice data in" << cartella << ": speech is off";
        return 0;
    }
    const QByteArray percorso = QFile::encodeName(cartella);
    // Synchronous mode: the library makes sound only inside espeak_Synth, on
    // the calling thread, and hands it out in pieces of this many ms.
    constexpr int PezzoMillisecondi = 40;
    const int campioni = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, PezzoMillisecondi,
                                           cartella.isEmpty() ? nullptr : percorso.constData(),
                                           espeakINITIALIZE_DONT_EXIT);
    if (campioni <= 0) {
        qCWarning(registroVoce, "the speech synthesizer did not start: speech is off");
        return 0;
    }
    espeak_SetSynthCallback(RiceviSuono);
    return campioni;
}

} // namespace

SessioneEspeak::SessioneEspeak(const QString& cartellaDati) : uso_(usoEspeak, std::try_to_lock) {
    if (!uso_.owns_lock()) {
        qCWarning(registroVoce, "another speech engine holds the synthesizer: this one is silent");
        return;
    }
    if (!avviata || cartellaDati != cartellaAvviata) {
        campioniAvviati = Avvia(cartellaDati);
        // Only a start that happened counts: a folder refused before reaching
        // the library leaves it as it was, to be started properly next time.
        avviata = campioniAvviati > 0;
        cartellaAvviata = cartellaDati;
    }
    campioni_ = campioniAvviati;
    if (campioni_ > 0 && !ScegliVoce(QStringLiteral("it"))) {
        qCWarning(registroVoce, "no Italian voice installed: speech is off");
        campioni_ = 0;
    }
}

SessioneEspeak::~SessioneEspeak() = default;

bool SessioneEspeak::ScegliVoce(const QString& nomeSintetizzatore) {
    if (campioni_ <= 0)
        return false;
    const QByteArray nome = nomeSintetizzatore.toUtf8();
    if (espeak_SetVoiceByName(nome.constData()) != EE_OK)
        return false;
    const espeak_VOICE* attuale = espeak_GetCurrentVoice();
    if (attuale == nullptr || attuale->identifier == nullptr || attuale->languages == nullptr ||
        attuale->languages[0] == '\0')
        return false;
    // The identifier ends in "/it" for the plain voice and in "/it+f3" when
    // the variant was found; an unknown variant leaves the plain one.
    const QString identificativo = QString::fromUtf8(attuale->identifier);
    // `languages` starts with a priority byte, then the language name.
    return identificativo.endsWith(QLatin1Char('/') + nomeSintetizzatore) &&
           QByteArray(attuale->languages + 1) == "it";
}

QList<VoceItaliana> SessioneEspeak::VociDisponibili() {
    if (campioni_ <= 0)
        return {};
    espeak_VOICE filtro{};
    filtro.languages = "variant";
    QStringList varianti;
    const espeak_VOICE** elenco = espeak_ListVoices(&filtro);
    for (int i = 0; elenco != nullptr && elenco[i] != nullptr; ++i) {
        // Variant identifiers are "!v/<file>".
        const QString id = QString::fromUtf8(elenco[i]->identifier);
        const qsizetype barra = id.lastIndexOf(QLatin1Char('/'));
        varianti.append(id.mid(barra + 1));
    }
    QList<VoceItaliana> voci = ElencoVociItaliane(varianti);
    voci.erase(std::remove_if(
                   voci.begin(), voci.end(),
                   [this](const VoceItaliana& v) { return !ScegliVoce(v.NomeSintetizzatore()); }),
               voci.end());
    ScegliVoce(QStringLiteral("it"));
    return voci;
}

void SessioneEspeak::ImpostaVelocita(ParametriVelocita parametri) {
    if (campioni_ <= 0)
        return;
    espeak_SetParameter(espeakRATE, parametri.paroleAlMinuto, 0);
    espeak_SetParameter(espeakWORDGAP, parametri.pausaParole, 0);
}

bool SessioneEspeak::Sintetizza(const QString& testo, const Ricevitore& ricevi) {
    if (campioni_ <= 0)
        return false;
    const QByteArray utf8 = TestoDaPronunciare(testo).toUtf8();
    ricevitoreAttivo = &ricevi;
    const espeak_ERROR esito = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0,
                                            POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    ricevitoreAttivo = nullptr;
    return esito == EE_OK;
}

QString SessioneEspeak::Fonemi(const QString& testo) {
    if (campioni_ <= 0)
        return {};
    const QByteArray utf8 = TestoDaPronunciare(testo).toUtf8();
    const void* resto = utf8.constData();
    QStringList parti;
    // Each call reads up to the end of a clause and moves `resto` on.
    while (resto != nullptr) {
        const char* fonemi = espeak_TextToPhonemes(&resto, espeakCHARS_UTF8, 0);
        if (fonemi != nullptr && *fonemi != '\0')
            parti << QString::fromUtf8(fonemi);
    }
    return parti.join(QLatin1Char(' '));
}
