#pragma once

#include "feedback/Suonatore.h"

#include <QStringList>

// Records the names of the sound files the program asked to play.
class SuonatoreRegistrato : public Suonatore {
public:
    void Suona(const QString& nomeFile) override { suonati.append(nomeFile); }
    QStringList suonati;
};
