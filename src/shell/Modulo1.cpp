#include "shell/Modulo1.h"

#include "feedback/MessaggiQt.h"
#include "feedback/SuonatoreQt.h"
#include "language/GeneratoreCasuale.h"
#include "shell/Contesto.h"
#include "shell/Impostazioni.h"
#include "shell/IstanzaUnica.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

bool Avvio(Contesto& contesto, IstanzaUnica& istanza) {
    if (!istanza.Acquisisci()) {
        contesto.Dialoghi.Avviso(QString::fromUtf8(MessaggioSecondaCopia), QStringLiteral("Error"),
                                 Messaggi::Icona::Critica);
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
    QApplication::setApplicationName(QStringLiteral("ertavino"));
    QApplication::setApplicationDisplayName(Impostazioni::TitoloProgramma);

    // Message-box buttons in Italian whatever the desktop's language.
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioneQt);

    MessaggiQt messaggi;
    GeneratoreCasuale casuale;
    SuonatoreQt suoni;
    Contesto contesto(casuale, messaggi, suoni);
    IstanzaUnica istanza;
    if (!Avvio(contesto, istanza))
        return 0;

    // Stands in for the start screen until the screens are built.
    QWidget finestra;
    finestra.setWindowTitle(Impostazioni::TitoloProgramma);
    finestra.show();
    return app.exec();
}
