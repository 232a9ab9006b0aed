#include "speech/MotoreIncorporato.h"

namespace {
LavoratoreVoce* NuovoLavoratore(MotoreIncorporato::Opzioni& opzioni,
                                const std::atomic<int>& generazione,
                                std::shared_future<QList<VoceItaliana>>& primeVoci) {
    std::promise<QList<VoceItaliana>> promessa;
    primeVoci = promessa.get_future().share();
    return new LavoratoreVoce(std::move(opzioni.sintetizzatore), std::move(opzioni.uscita),
                              generazione, std::move(promessa));
}
} // namespace

MotoreIncorporato::MotoreIncorporato(Opzioni opzioni, QObject* parent)
    : MotoreVoce(parent), lavoratore_(NuovoLavoratore(opzioni, generazione_, primeVoci_)),
      filo_(lavoratore_, QStringLiteral("voce")) {
    connect(lavoratore_, &LavoratoreVoce::Livello, this, &MotoreVoce::Livello);
    // A silence the worker reached before taking the texts posted since is
    // not the engine's: theirs comes later.
    connect(lavoratore_, &LavoratoreVoce::Silenzio, this, [this](int ricevuti) {
        if (ricevuti == inviati_)
            emit Silenzio();
    });
    // Requests posted before the thread runs wait in its queue, behind Avvia.
    filo_.Posta([l = lavoratore_] { l->Avvia(); });
    if (!opzioni.avvioRinviato)
        AvviaSintetizzatore();
}

void MotoreIncorporato::AvviaSintetizzatore() const {
    filo_.Avvia();
}

MotoreIncorporato::~MotoreIncorporato() {
    // Abandon any synthesis at once, then let the worker release the
    // synthesizer and the output on its own thread before the thread ends.
    ++generazione_;
    filo_.Chiudi([l = lavoratore_] { l->Chiudi(); });
}

const QList<VoceItaliana>& MotoreIncorporato::Voci() const {
    if (!voci_) {
        AvviaSintetizzatore();
        voci_ = primeVoci_.get();
    }
    return *voci_;
}

void MotoreIncorporato::RileggiVoci() {
    Voci(); // the start comes first on the thread; this waits for it
    auto promessa = std::make_shared<std::promise<QList<VoceItaliana>>>();
    auto lette = promessa->get_future();
    filo_.Posta([l = lavoratore_, promessa] { promessa->set_value(l->Voci()); });
    voci_ = lette.get();
}

int MotoreIncorporato::NumeroVoci() const {
    return int(Voci().size());
}

QString MotoreIncorporato::NomeVoce(int numero) const {
    const auto& voci = Voci();
    return numero >= 1 && numero <= voci.size() ? voci[numero - 1].nome : QString();
}

bool MotoreIncorporato::SelezionaVoce(int numero) {
    const auto& voci = Voci();
    if (numero < 1 || numero > voci.size())
        return false;
    filo_.Posta(
        [l = lavoratore_, nome = voci[numero - 1].NomeSintetizzatore()] { l->ScegliVoce(nome); });
    return true;
}

void MotoreIncorporato::ImpostaVelocita(int velocita) {
    AvviaSintetizzatore();
    filo_.Posta([l = lavoratore_, velocita] { l->ImpostaVelocita(velocita); });
}

void MotoreIncorporato::Parla(const QString& testo) {
    AvviaSintetizzatore();
    ++inviati_;
    filo_.Posta([l = lavoratore_, testo, g = generazione_.load()] { l->Parla(testo, g); });
}

void MotoreIncorporato::Ferma() {
    AvviaSintetizzatore();
    ++generazione_;
    filo_.Posta([l = lavoratore_] { l->Controlla(); });
}
