#include "sound/SuonoPcm.h"

#include <QFile>

#include <sndfile.h>

#include <memory>

std::optional<SuonoPcm> LeggiSuono(const QString& percorso) {
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(
        sf_open(QFile::encodeName(percorso).constData(), SFM_READ, &info), sf_close);
    // Sounds are short: a file of more than a minute is not one of ours.
    if (!file || info.channels < 1 || info.frames <= 0 || info.frames > 60 * info.samplerate)
        return std::nullopt;
    SuonoPcm suono{{info.samplerate, info.channels}, {}};
    suono.campioni.resize(qsizetype(info.frames * info.channels * qint64(sizeof(short))));
    const sf_count_t letti =
        sf_readf_short(file.get(), reinterpret_cast<short*>(suono.campioni.data()), info.frames);
    if (letti <= 0)
        return std::nullopt;
    suono.campioni.resize(qsizetype(letti * info.channels * qint64(sizeof(short))));
    return suono;
}
