#pragma once

#include "GeneratoreScritto.h"
#include "MessaggiRegistrati.h"
#include "SuonatoreRegistrato.h"
#include "core/Contesto.h"

// A Contesto wired to the recording fakes, for tests.
struct ContestoDiProva {
    GeneratoreScritto casuale;
    MessaggiRegistrati messaggi;
    SuonatoreRegistrato suoni;
    Contesto contesto{casuale, messaggi, suoni};
};
