#pragma once

struct Contesto;
class IstanzaUnica;

// The program's entry point: refuses a second copy, prepares the settings
// folder, loads the voice settings and shows the start screen.
int Main(int argc, char** argv);

// The start-up steps before the first screen, in order: the single-copy rule
// (false, after telling the user, when another copy runs), the settings path,
// the folder and readme when the readme is missing, the voice settings, a
// fresh random seed and the sounds switched on.
bool Avvio(Contesto& contesto, IstanzaUnica& istanza);

inline constexpr const char* MessaggioSecondaCopia =
    "E' già stata avviata una copia di questo programma!";
