#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

// Repeated timings of one thing, in milliseconds, summarised the way the
// results table reports them: the median, with the 90th percentile and the
// worst run beside it.
class Misure {
public:
    void Aggiungi(double millisecondi) { valori_.push_back(millisecondi); }
    void Unisci(const Misure& altre) {
        valori_.insert(valori_.end(), altre.valori_.begin(), altre.valori_.end());
    }
    bool Vuote() const { return valori_.empty(); }
    int Quante() const { return int(valori_.size()); }

    // The value below which `quota` (0..1) of the runs fall (nearest rank).
    double Percentile(double quota) const {
        if (valori_.empty())
            return 0.0;
        std::vector<double> ordinati = valori_;
        std::sort(ordinati.begin(), ordinati.end());
        const auto rango = std::min(ordinati.size() - 1, size_t(quota * double(ordinati.size())));
        return ordinati[rango];
    }
    double Mediana() const {
        if (valori_.empty())
            return 0.0;
        std::vector<double> ordinati = valori_;
        std::sort(ordinati.begin(), ordinati.end());
        const size_t n = ordinati.size();
        return n % 2 ? ordinati[n / 2] : (ordinati[n / 2 - 1] + ordinati[n / 2]) / 2.0;
    }
    double Massimo() const {
        return valori_.empty() ? 0.0 : *std::max_element(valori_.begin(), valori_.end());
    }
    int OltreSoglia(double soglia) const {
        return int(std::count_if(valori_.begin(), valori_.end(),
                                 [soglia](double v) { return v > soglia; }));
    }

    // "0.412 ms (p90 0.520, max 1.900, n 200)"
    QString Riassunto() const {
        return QStringLiteral("%1 ms (p90 %2, max %3, n %4)")
            .arg(Mediana(), 0, 'f', 3)
            .arg(Percentile(0.9), 0, 'f', 3)
            .arg(Massimo(), 0, 'f', 3)
            .arg(Quante());
    }

private:
    std::vector<double> valori_;
};

// Milliseconds since `da`, to the nanosecond the clock gives.
inline double MillisecondiDa(const QElapsedTimer& da) {
    return double(da.nsecsElapsed()) / 1e6;
}

// One row of the results table: run-benchmarks.sh gathers every line that
// starts with "| " from the benchmarks' output into the table.
inline void RigaRisultati(const QStringList& celle) {
    std::printf("| %s |\n", qPrintable(celle.join(QStringLiteral(" | "))));
    std::fflush(stdout);
}

// A count of repetitions from the command line: "--iterazioni N".
inline int Iterazioni(const QStringList& argomenti, int predefinite) {
    const qsizetype i = argomenti.indexOf(QStringLiteral("--iterazioni"));
    if (i < 0 || i + 1 >= argomenti.size())
        return predefinite;
    bool ok = false;
    const int n = argomenti.at(i + 1).toInt(&ok);
    return ok && n > 0 ? n : predefinite;
}
