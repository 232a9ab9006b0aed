#include "shell/Modulo1.h"

#include "core/Contesto.h"
#include "core/GeneratoreCasuale.h"
#include "feedback/MessaggiQt.h"
#include "feedback/SuonatorePulse.h"
#include "shell/Impostazioni.h"
#include "shell/IstanzaUnica.h"
#include "shell/Navigazione.h"
#include "speech/MotoreVoci.h"
#include "speech/UscitaAudioPulse.h"
#include "speech/espeak/MotoreEspeak.h"
#include "speech/pico/MotorePico.h"
#include "speech/servizio/MotoreServizio.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

bool Avvio(Contesto& contesto, IstanzaUnica& istanza) {
    if (!istanza.Acquisisci()) {
        // No screen is shown yet: the message stands alone.
        contesto.Dialoghi.Avviso(nullptr, QString::fromUtf8(MessaggioSecondaCopia),
                                 QStringLiteral("Error"), Messaggi::Icona::Critica);
        return false;
    }
    const QDir cartella(Impostazioni::CartellaImpostazioni());
    contesto.PercorsoIni = cartella.filePath(Impostazioni::NomeFile);
    // The readme stands for both the folder and the readme: when it is
    // missing, both are (re)made. A failure here is not fatal.
    if (!Impostazioni::EsisteFile(cartella.filePath(Impostazioni::NomeLeggimi)))
        Impostazioni::CreaCartellaImpostazioni(cartella.path());
    Impostazioni::CaricaImpostazioni(contesto);
    contesto.Casuale.SeminaDalTempo();
    contesto.SuoniAttivati = -1;
    return true;
}

int Main(int argc, char** argv) {
    QApplication app(argc, argv);
    // No display name: Qt would append it to every window's title ("Error —
    // Ertavino"), and each title must read exactly as the program sets it.
    QApplication::setApplicationName(QStringLiteral("ertavino"));
    // The installed desktop entry's name: the Wayland app id, by which the
    // desktop finds the program's icon and name for its windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Ertavino"));

    // Message-box buttons in Italian whatever the desktop's language.
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioneQt);

    MessaggiQt messaggi;
    GeneratoreCasuale casuale;
    // The one connection to the sound server, for the feedback sounds and the
    // speech alike.
    const auto uscita = std::make_shared<UscitaPulse>();
    SuonatorePulse suoni(CartellaDati(QStringLiteral("suoni")), uscita);
    Contesto contesto(casuale, messaggi, suoni);
    IstanzaUnica istanza;
    if (!Avvio(contesto, istanza))
        return 0;

    // The speech engines of the run, shared by every talking screen; they
    // outlive the screens, which are deleted with the screen flow. Both
    // speak on the voice channel of the one sound output.
    const auto voce = [uscita] { return std::make_unique<UscitaAudioPulse>(uscita); };
    MotorePico pico({.uscita = voce, .avvioRinviato = true});
    MotoreEspeak motore({.uscita = voce, .avvioRinviato = true});
    MotoreServizio servizio; // the desktop's speech service: reached on first need
    MotoreVoci voci({&pico, &motore, &servizio});
    Navigazione navigazione(contesto, voci);
    // "Esci" answered Yes: the run ends at once, no screen is closed through
    // its own handlers and no further event is handled.
    QObject::connect(&navigazione, &Navigazione::Fine, &app, [] { QCoreApplication::exit(0); });
    navigazione.MostraAvvio();
    // The synthesizers wake once the start screen is on the display, and the
    // speech service too when the stored voice is one of its own; nothing is
    // spoken before a screen further on asks for it.
    QTimer::singleShot(300, &voci, [&] {
        pico.AvviaSintetizzatore();
        motore.AvviaSintetizzatore();
        voci.PreparaVoce(contesto.NumeroVoce);
    });
    return app.exec();
}
