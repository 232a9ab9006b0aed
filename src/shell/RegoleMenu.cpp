#include "shell/RegoleMenu.h"

#include "core/Contesto.h"
#include "core/Messaggi.h"
#include "shell/Impostazioni.h"

namespace {
// Columns and rows of the exercise grid, in twips.
constexpr int Col12Clic = 240, Col12Frecce = 2640, Col24Clic = 5040, Col24Frecce = 7440;
constexpr int Riga1 = 480, Riga2 = 1560, Riga3 = 2640, Riga4 = 3720, Riga5 = 4800;
} // namespace

// clang-format off
const std::array<BottoneEsercizio, 20> BottoniEsercizio = {{
    // whole hours
    {"Command2",  "Solo ore ",                     Col12Clic,   Riga1, false, Schermata::Ruota1,  12},
    {"Command3",  "Solo ore",                      Col12Frecce, Riga1, true,  Schermata::Ruota2,  12},
    {"Command23", "Solo ore ",                     Col24Clic,   Riga1, false, Schermata::Ruota1,  24},
    {"Command22", "Solo ore",                      Col24Frecce, Riga1, true,  Schermata::Ruota2,  24},
    // half hours, one hand
    {"Command4",  "Ore e mezz'ore - una lancetta", Col12Clic,   Riga2, false, Schermata::Ruota3,  12},
    {"Command5",  "ore e mezz'ore (1)",            Col12Frecce, Riga2, true,  Schermata::Ruota4,  12},
    {"Command21", "Ore e mezz'ore - una lancetta", Col24Clic,   Riga2, false, Schermata::Ruota3,  24},
    {"Command20", "ore e mezz'ore (1)",            Col24Frecce, Riga2, true,  Schermata::Ruota4,  24},
    // half hours, two hands
    {"Command6",  "Ore e mezz'ore - due lancette", Col12Clic,   Riga3, false, Schermata::Ruota5,  12},
    {"Command7",  "ore e mezz'ore (2)",            Col12Frecce, Riga3, true,  Schermata::Ruota6,  12},
    {"Command19", "Ore e mezz'ore - due lancette", Col24Clic,   Riga3, false, Schermata::Ruota5a, 24},
    {"Command18", "ore e mezz'ore (2)",            Col24Frecce, Riga3, true,  Schermata::Ruota6,  24},
    // quarter hours
    {"Command9",  "Il quarto d'ora",               Col12Clic,   Riga4, false, Schermata::Ruota7,  12},
    {"Command10", "il quarto d'ora",               Col12Frecce, Riga4, true,  Schermata::Ruota8,  12},
    {"Command17", "Il quarto d'ora",               Col24Clic,   Riga4, false, Schermata::Ruota7,  24},
    {"Command16", "il quarto d'ora",               Col24Frecce, Riga4, true,  Schermata::Ruota8,  24},
    // five minutes
    {"Command11", "cinque minuti",                 Col12Clic,   Riga5, false, Schermata::Ruota9,  12},
    {"Command12", "cinque minuti",                 Col12Frecce, Riga5, true,  Schermata::Ruota10, 12},
    {"Command15", "cinque minuti",                 Col24Clic,   Riga5, false, Schermata::Ruota9a, 24},
    {"Command14", "cinque minuti",                 Col24Frecce, Riga5, true,  Schermata::Ruota10, 24},
}};
// clang-format on

QString TestoInformazioni() {
    const QString aCapo = QStringLiteral("\r\n");
    return AutoreProgramma + QStringLiteral("  ") + aCapo + QLatin1Char(' ') +
           QString(23, QLatin1Char('-')) + QLatin1Char(' ') + aCapo + Impostazioni::SitoWeb +
           aCapo + QStringLiteral("mail: ") + PostaProgramma;
}

void MostraInformazioni(Messaggi& messaggi, QWidget* schermo) {
    messaggi.Avviso(schermo, TestoInformazioni(), TitoloDomande, Messaggi::Icona::Informazione);
}

bool ChiediUscita(Contesto& contesto, QWidget* schermo) {
    if (!contesto.Dialoghi.Chiedi(schermo, DomandaUscita, TitoloDomande))
        return false;
    // The program ends whether or not the file could be written (the user
    // is told when it could not): the user asked to leave, and a file that
    // cannot be written now would not be writable by staying either.
    Impostazioni::SalvaOAvvisa(contesto, schermo);
    return true;
}
