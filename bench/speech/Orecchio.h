#pragma once

#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <limits>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// The sound server's default sink, heard as it plays: parec records its
// monitor in 5 ms blocks, and a thread of its own notes when a block held
// sound. Whatever plays reaches the sink the same way, the program's own
// output and a speech service alike, so two voices heard here are timed
// alike; the recorder's own delay is in both.
class Orecchio {
public:
    static qint64 Adesso() {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    // False when there is no sound server to hear.
    bool Avvia() {
        if (std::system("pactl info >/dev/null 2>&1") != 0)
            return false;
        int tubo[2];
        if (pipe(tubo) != 0)
            return false;
        posix_spawn_file_actions_t azioni;
        posix_spawn_file_actions_init(&azioni);
        posix_spawn_file_actions_adddup2(&azioni, tubo[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&azioni, tubo[0]);
        const char* argomenti[] = {
            "parec",        "--device=@DEFAULT_MONITOR@", "--raw", "--format=s16le", "--rate=16000",
            "--channels=1", "--latency-msec=5",           nullptr};
        const int esito = posix_spawnp(&registratore_, "parec", &azioni, nullptr,
                                       const_cast<char* const*>(argomenti), environ);
        posix_spawn_file_actions_destroy(&azioni);
        close(tubo[1]);
        if (esito != 0) {
            close(tubo[0]);
            registratore_ = 0;
            return false;
        }
        lettore_ = std::thread([this, ingresso = tubo[0]] {
            qint16 blocco[80]; // 5 ms
            while (Leggi(ingresso, blocco, sizeof blocco)) {
                letti_ = true;
                for (const qint16 campione : blocco) {
                    if (std::abs(campione) > Soglia) {
                        const qint64 ora = Adesso();
                        ultimoSuono_ = ora;
                        qint64 nessuno = 0;
                        if (ora >= armato_)
                            primoSuono_.compare_exchange_strong(nessuno, ora);
                        break;
                    }
                }
            }
            close(ingresso);
        });
        // Sound flows once the recorder has started.
        for (int i = 0; i < 400 && !letti_; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return letti_;
    }

    ~Orecchio() {
        if (registratore_ > 0) {
            kill(registratore_, SIGINT);
            waitpid(registratore_, nullptr, 0);
        }
        if (lettore_.joinable())
            lettore_.join();
    }

    // Nanoseconds on the steady clock of the last sound heard; 0 before any.
    qint64 UltimoSuono() const { return ultimoSuono_; }
    // From now on, the first sound heard is noted; returns now.
    qint64 Arma() {
        primoSuono_ = 0;
        armato_ = Adesso();
        return armato_;
    }
    // The first sound heard since Arma(); 0 while none was.
    qint64 PrimoSuono() const { return primoSuono_; }

private:
    static bool Leggi(int ingresso, void* dove, size_t quanti) {
        auto* p = static_cast<char*>(dove);
        while (quanti > 0) {
            const ssize_t letti = read(ingresso, p, quanti);
            if (letti <= 0)
                return false;
            p += letti;
            quanti -= size_t(letti);
        }
        return true;
    }

    // 1% of full scale: far above a sink nobody plays to, which gives zeros.
    static constexpr int Soglia = 330;
    pid_t registratore_ = 0;
    std::thread lettore_;
    std::atomic<bool> letti_{false};
    std::atomic<qint64> ultimoSuono_{0};
    std::atomic<qint64> armato_{std::numeric_limits<qint64>::max()};
    std::atomic<qint64> primoSuono_{0};
};
