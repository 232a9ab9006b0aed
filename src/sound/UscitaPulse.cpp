#include "sound/UscitaPulse.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <limits>

Q_LOGGING_CATEGORY(registroSuono, "ertavino.sound", QtWarningMsg)

namespace {
// The server's buffer for a stream, and the prebuffer it waits for before it
// starts: short, so the mouth follows what is heard closely and a stop or a
// new sound cuts little. Speech is made far faster than it plays.
constexpr qint64 BufferMillisecondi = 150;
constexpr qint64 PrebufferMillisecondi = 20;
// What the voice holds beyond the server's buffer (while the stream opens).
constexpr qint64 AnticipoVoceMillisecondi = 100;
// A stretch whose sound has not moved for this long is timed silently from
// then on (a server that hangs, or never answers).
constexpr int BloccoMillisecondi = 4000;

// How the mixer shows each channel. Speech is synthesized voice, the role
// screen readers and speech services use ("a11y"); the praise and error
// sounds are short event sounds, like the desktop's own alerts ("event").
struct Nome {
    const char* media;
    const char* ruolo;
};
constexpr Nome Nomi[] = {{"Voce", "a11y"}, {"Suoni di lode e di errore", "event"}};

pa_proplist* Proprieta(const char* media = nullptr, const char* ruolo = nullptr) {
    pa_proplist* p = pa_proplist_new();
    pa_proplist_sets(p, PA_PROP_APPLICATION_NAME, "Ertavino");
    pa_proplist_sets(p, PA_PROP_APPLICATION_ID, "org.example.Ertavino");
    pa_proplist_sets(p, PA_PROP_APPLICATION_ICON_NAME, "org.example.Ertavino");
    if (media)
        pa_proplist_sets(p, PA_PROP_MEDIA_NAME, media);
    if (ruolo)
        pa_proplist_sets(p, PA_PROP_MEDIA_ROLE, ruolo);
    return p;
}

// A stream dropped while the server was still creating it: closed once it is
// ready, released once it is gone. It reaches no program object.
void StatoOrfano(pa_stream* s, void*) {
    const pa_stream_state_t stato = pa_stream_get_state(s);
    if (stato == PA_STREAM_READY) {
        pa_stream_disconnect(s);
    } else if (!PA_STREAM_IS_GOOD(stato)) {
        pa_stream_set_state_callback(s, nullptr, nullptr);
        pa_stream_unref(s);
    }
}

} // namespace

// The client thread's lock; a plain one where that thread could not be made.
class UscitaPulse::Blocco {
public:
    explicit Blocco(UscitaPulse& u) : u_(u) {
        u_.ciclo_ ? pa_threaded_mainloop_lock(u_.ciclo_) : u_.senzaCiclo_.lock();
    }
    ~Blocco() { u_.ciclo_ ? pa_threaded_mainloop_unlock(u_.ciclo_) : u_.senzaCiclo_.unlock(); }
    Blocco(const Blocco&) = delete;
    Blocco& operator=(const Blocco&) = delete;

private:
    UscitaPulse& u_;
};

UscitaPulse::UscitaPulse() {
    for (size_t i = 0; i < flussi_.size(); ++i) {
        flussi_[i].uscita = this;
        flussi_[i].canale = Canale(i);
    }
}

UscitaPulse::~UscitaPulse() {
    if (!ciclo_)
        return;
    {
        // Every stream and the context let go, their callbacks cleared first;
        // then the client thread stops and nothing can call back any more.
        Blocco b(*this);
        chiusa_ = true;
        for (Flusso& f : flussi_)
            ChiudiStream(f, true);
        ChiudiContesto();
    }
    pa_threaded_mainloop_stop(ciclo_);
    pa_threaded_mainloop_free(ciclo_);
}

void UscitaPulse::Avvia() {
    // The client thread starts on first need, not with the program.
    std::call_once(avvio_, [this] {
        ciclo_ = pa_threaded_mainloop_new();
        if (ciclo_ && pa_threaded_mainloop_start(ciclo_) < 0) {
            pa_threaded_mainloop_free(ciclo_);
            ciclo_ = nullptr;
        }
        if (!ciclo_)
            qCWarning(registroSuono, "no thread for the sound server: timing sound silently");
    });
}

void UscitaPulse::Collega() {
    Avvia();
    Blocco b(*this);
    CollegaBloccato();
}

void UscitaPulse::CollegaBloccato() {
    if (!ciclo_) {
        StatoContesto(nullptr, this);
        return;
    }
    if (contesto_ || collegando_)
        return;
    // The context is made on the client thread: making it reads the client
    // configuration and may ask the X server where the sound server is.
    collegando_ = true;
    pa_mainloop_api_once(
        pa_threaded_mainloop_get_api(ciclo_),
        [](pa_mainloop_api*, void* dati) {
            auto* u = static_cast<UscitaPulse*>(dati);
            u->collegando_ = false;
            if (!u->contesto_ && !u->chiusa_)
                u->NuovoContesto();
        },
        this);
}

void UscitaPulse::NuovoContesto() {
    pa_proplist* p = Proprieta();
    contesto_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(ciclo_), "Ertavino", p);
    pa_proplist_free(p);
    if (!contesto_) {
        StatoContesto(nullptr, this);
        return;
    }
    pa_context_set_state_callback(contesto_, StatoContesto, this);
    // Never start a sound server: the desktop runs one, or there is none.
    // A failure to connect may be reported through the callback already.
    if (pa_context_connect(contesto_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 && contesto_)
        StatoContesto(nullptr, this);
}

void UscitaPulse::StatoContesto(pa_context* c, void* dati) {
    auto* u = static_cast<UscitaPulse*>(dati);
    const pa_context_state_t stato = c ? pa_context_get_state(c) : PA_CONTEXT_FAILED;
    if (c && c != u->contesto_)
        return;
    // A channel holding sound with no stream waits for the server.
    const auto Attende = [](const Flusso& f) {
        return !f.stream && !f.muto && !f.attesa.isEmpty();
    };
    if (stato == PA_CONTEXT_READY) {
        u->Annuncia(Server::Presente);
        for (Flusso& f : u->flussi_)
            if (Attende(f))
                u->ApriStream(f);
    } else if (!PA_CONTEXT_IS_GOOD(stato)) {
        u->Annuncia(Server::Assente);
        // Its streams fail with it, once this returns; those still waiting
        // for it are timed silently now.
        u->ChiudiContesto();
        for (Flusso& f : u->flussi_)
            if (Attende(f))
                u->DiventaMuto(f, "no sound server");
    }
}

void UscitaPulse::Annuncia(Server server) {
    if (server == annunciato_)
        return;
    if (server == Server::Presente)
        qCDebug(registroSuono, "sound server connected: playing aloud");
    else
        qCDebug(registroSuono, "no sound server, or it went away: timing sound silently");
    annunciato_ = server;
}

void UscitaPulse::ChiudiContesto() {
    if (!contesto_)
        return;
    pa_context_set_state_callback(contesto_, nullptr, nullptr);
    if (PA_CONTEXT_IS_GOOD(pa_context_get_state(contesto_)))
        pa_context_disconnect(contesto_);
    pa_context_unref(contesto_);
    contesto_ = nullptr;
}

bool UscitaPulse::ConSuono() {
    Avvia();
    Blocco b(*this);
    return contesto_ && pa_context_get_state(contesto_) == PA_CONTEXT_READY;
}

qint64 UscitaPulse::BytePerSecondo(const Flusso& f) const {
    return qint64(f.formato.campioniAlSecondo) * f.formato.canali * qint64(sizeof(qint16));
}

void UscitaPulse::ApriStream(Flusso& f) {
    const pa_sample_spec formato{PA_SAMPLE_S16LE, uint32_t(f.formato.campioniAlSecondo),
                                 uint8_t(f.formato.canali)};
    if (!pa_sample_spec_valid(&formato)) {
        DiventaMuto(f, "no valid sound format");
        return;
    }
    const Nome& nome = Nomi[size_t(f.canale)];
    pa_proplist* p = Proprieta(nome.media, nome.ruolo);
    f.stream = pa_stream_new_with_proplist(contesto_, nome.media, &formato, nullptr, p);
    pa_proplist_free(p);
    if (!f.stream) {
        DiventaMuto(f, "the sound server refused a stream");
        return;
    }
    pa_stream_set_state_callback(f.stream, StatoStream, &f);
    pa_stream_set_write_callback(f.stream, Richiesta, &f);
    pa_stream_set_underflow_callback(f.stream, Esaurito, &f);
    const auto byte = [&](qint64 ms) { return uint32_t(BytePerSecondo(f) * ms / 1000); };
    const uint32_t libero = std::numeric_limits<uint32_t>::max();
    pa_buffer_attr buffer{libero, byte(BufferMillisecondi), byte(PrebufferMillisecondi), libero,
                          libero};
    const auto opzioni = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_INTERPOLATE_TIMING |
                                           PA_STREAM_AUTO_TIMING_UPDATE);
    if (pa_stream_connect_playback(f.stream, nullptr, &buffer, opzioni, nullptr, nullptr) < 0)
        DiventaMuto(f, "the sound server refused a stream");
}

void UscitaPulse::ChiudiStream(Flusso& f, bool svuota) {
    pa_stream* s = std::exchange(f.stream, nullptr);
    if (!s)
        return;
    pa_stream_set_write_callback(s, nullptr, nullptr);
    pa_stream_set_underflow_callback(s, nullptr, nullptr);
    const pa_stream_state_t stato = pa_stream_get_state(s);
    if (stato == PA_STREAM_CREATING) {
        // Not ready to be closed yet: it closes itself once it is.
        pa_stream_set_state_callback(s, StatoOrfano, nullptr);
        return;
    }
    pa_stream_set_state_callback(s, nullptr, nullptr);
    if (stato == PA_STREAM_READY) {
        // What the server holds is dropped at once, not played out.
        if (svuota)
            if (pa_operation* o = pa_stream_flush(s, nullptr, nullptr))
                pa_operation_unref(o);
        pa_stream_disconnect(s);
    }
    pa_stream_unref(s);
}

void UscitaPulse::StatoStream(pa_stream* s, void* dati) {
    Flusso& f = *static_cast<Flusso*>(dati);
    if (s != f.stream)
        return;
    const pa_stream_state_t stato = pa_stream_get_state(s);
    if (stato == PA_STREAM_READY)
        f.uscita->Alimenta(f);
    else if (!PA_STREAM_IS_GOOD(stato))
        f.uscita->DiventaMuto(f, "the sound server dropped the stream");
}

void UscitaPulse::Richiesta(pa_stream* s, size_t, void* dati) {
    Flusso& f = *static_cast<Flusso*>(dati);
    if (s == f.stream)
        f.uscita->Alimenta(f);
}

void UscitaPulse::Esaurito(pa_stream* s, void* dati) {
    // The server ran out: all it was given has gone to the sink. Its latency
    // would go on counting the sink's own buffer as still to come.
    Flusso& f = *static_cast<Flusso*>(dati);
    if (s == f.stream && f.attesa.isEmpty())
        f.sentiti = f.scritti;
}

void UscitaPulse::Svuotato(pa_stream* s, int, void* dati) {
    Flusso& f = *static_cast<Flusso*>(dati);
    if (s == f.stream)
        f.uscita->ChiudiStream(f, false);
}

void UscitaPulse::Alimenta(Flusso& f) {
    if (!f.stream || pa_stream_get_state(f.stream) != PA_STREAM_READY)
        return;
    const size_t spazio = pa_stream_writable_size(f.stream);
    if (spazio == size_t(-1))
        return;
    const size_t quanti = std::min(spazio, size_t(f.attesa.size()));
    if (quanti > 0 &&
        pa_stream_write(f.stream, f.attesa.constData(), quanti, nullptr, 0, PA_SEEK_RELATIVE) == 0)
        f.attesa.remove(0, qsizetype(quanti));
    if (f.concluso && f.attesa.isEmpty()) {
        // Played out, the stream closes (a drain also starts a short sound
        // that never filled the prebuffer).
        f.concluso = false;
        if (pa_operation* o = pa_stream_drain(f.stream, Svuotato, &f))
            pa_operation_unref(o);
    }
}

void UscitaPulse::DiventaMuto(Flusso& f, const char* perche) {
    qCDebug(registroSuono, "%s: %s timed silently", perche, Nomi[size_t(f.canale)].media);
    ChiudiStream(f, false);
    f.attesa.clear();
    f.muto = true;
    f.baseMuta = f.sentiti;
    f.orologio.start();
}

qint64 UscitaPulse::SuonatiMuto(const Flusso& f) const {
    const qint64 bps = BytePerSecondo(f);
    if (!f.orologio.isValid() || bps <= 0)
        return f.scritti;
    return std::min(f.scritti, f.baseMuta + f.orologio.nsecsElapsed() / 1000 * bps / 1000000);
}

void UscitaPulse::Prepara(Canale canale, Formato formato) {
    Ferma(canale);
    Blocco b(*this);
    Di(canale).formato = formato;
}

qint64 UscitaPulse::Scrivi(Canale canale, const char* dati, qint64 byte) {
    Avvia();
    Blocco b(*this);
    Flusso& f = Di(canale);
    if (byte <= 0)
        return 0;
    if (f.muto) {
        // After a pause the clock starts again from what has been heard.
        if (SuonatiMuto(f) >= f.scritti) {
            f.baseMuta = f.scritti;
            f.orologio.start();
        }
        f.scritti += byte;
        return byte;
    }
    qint64 presi = byte;
    if (canale == Canale::Voce) {
        const qint64 limite = BytePerSecondo(f) * AnticipoVoceMillisecondi / 1000;
        presi = std::clamp<qint64>(limite - f.attesa.size(), 0, byte);
    }
    f.attesa.append(dati, presi);
    f.scritti += presi;
    if (f.stream)
        Alimenta(f);
    else if (contesto_ && pa_context_get_state(contesto_) == PA_CONTEXT_READY)
        ApriStream(f);
    else
        CollegaBloccato(); // the stream opens once the server answers
    return presi;
}

void UscitaPulse::Concludi(Canale canale) {
    Avvia();
    Blocco b(*this);
    Flusso& f = Di(canale);
    f.concluso = true;
    Alimenta(f);
}

qint64 UscitaPulse::Suonati(Canale canale) {
    Avvia();
    Blocco b(*this);
    Flusso& f = Di(canale);
    if (f.muto)
        return SuonatiMuto(f);
    const qint64 prima = f.sentiti;
    pa_usec_t ritardo = 0;
    int negativo = 0;
    if (f.stream && pa_stream_get_state(f.stream) == PA_STREAM_READY &&
        pa_stream_get_latency(f.stream, &ritardo, &negativo) == 0) {
        // Taken, less what waits here and what the server has yet to play:
        // its latency covers the sound on its way through the sink too.
        const qint64 nelServer =
            negativo ? 0 : qint64(pa_usec_to_bytes(ritardo, pa_stream_get_sample_spec(f.stream)));
        const qint64 sentiti = f.scritti - f.attesa.size() - nelServer;
        f.sentiti = std::clamp(sentiti, f.sentiti, f.scritti);
    }
    if (f.sentiti != prima || !f.fermoDa.isValid() || f.sentiti == f.scritti) {
        f.fermoDa.start();
    } else if (f.fermoDa.hasExpired(BloccoMillisecondi)) {
        // A server that never finished answering is asked afresh next time.
        if (contesto_ && pa_context_get_state(contesto_) != PA_CONTEXT_READY)
            ChiudiContesto();
        DiventaMuto(f, "the sound server does not play");
        return SuonatiMuto(f);
    }
    return f.sentiti;
}

void UscitaPulse::Ferma(Canale canale) {
    Avvia();
    Blocco b(*this);
    Flusso& f = Di(canale);
    ChiudiStream(f, true);
    f.attesa.clear();
    f.scritti = f.sentiti = 0;
    f.muto = f.concluso = false;
    f.orologio.invalidate();
    f.fermoDa.invalidate();
}
