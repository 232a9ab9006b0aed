// Layout pass: one ResizeControls of the program's scaler over the menu, as
// it runs on every resize of the menu, alternating between the full display
// and three quarters of it. The reference moves the same controls to the
// same places with plain setGeometry calls from rectangles worked out
// beforehand: what any layout must pay Qt for the moves themselves.

#include "Misure.h"

#include "core/Contesto.h"
#include "core/GeneratoreCasuale.h"
#include "feedback/MessaggiQt.h"
#include "feedback/SuonatorePulse.h"
#include "layout/clsResize.h"
#include "shell/Navigazione.h"
#include "speech/espeak/MotoreEspeak.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

namespace {

// Lets a window change size without running its resize handler, so that the
// pass the handler would run is started, and timed, by the benchmark.
class SenzaRidimensiona : public QObject {
protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        return evento->type() == QEvent::Resize || QObject::eventFilter(oggetto, evento);
    }
};

// The two sizes the menu alternates between.
QSize Misura(int i) {
    const QSize piena = QGuiApplication::primaryScreen()->availableGeometry().size();
    return i % 2 ? piena : piena * 0.75;
}

// The rectangles the scaler gives every control at `dimensione`.
QList<QPair<QWidget*, QRect>> Bersagli(const clsResize& scaler, QSize dimensione) {
    const double rx = double(dimensione.width()) / scaler.OriginalWidth();
    const double ry = double(dimensione.height()) / scaler.OriginalHeight();
    QList<QPair<QWidget*, QRect>> bersagli;
    for (const ControlLayout& r : scaler.OriginalLayout()) {
        QWidget* c = r.Control;
        const int h =
            c->minimumHeight() == c->maximumHeight() ? c->height() : qRound(r.Height * ry);
        bersagli.append(
            {c, QRect(qRound(r.Left * rx), qRound(r.Top * ry), qRound(r.Width * rx), h)});
    }
    return bersagli;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int iterazioni = Iterazioni(app.arguments(), 400);

    GeneratoreCasuale casuale;
    MessaggiQt messaggi;
    SuonatorePulse suoni;
    Contesto contesto(casuale, messaggi, suoni);
    MotoreEspeak motore;
    Navigazione navigazione(contesto, motore);
    navigazione.MostraAvvio();
    QTest::mouseClick(navigazione.SchermoCaricato()->findChild<QWidget*>("Command1"),
                      Qt::LeftButton); // "Avvio"
    QWidget* menu = navigazione.SchermoCaricato();
    if (!menu || !QTest::qWaitForWindowExposed(menu) || !navigazione.Ridimensiona()) {
        std::fprintf(stderr, "scenario broken: the menu did not come up with its scaler\n");
        return 1;
    }
    clsResize& scaler = *navigazione.Ridimensiona();
    SenzaRidimensiona filtro;
    menu->installEventFilter(&filtro);

    Misure passata, conDisegno, riferimento, riferimentoConDisegno;
    const QList<QPair<QWidget*, QRect>> bersagli[2] = {Bersagli(scaler, Misura(0)),
                                                       Bersagli(scaler, Misura(1))};
    for (int i = 0; i < iterazioni; ++i) {
        menu->resize(Misura(i));
        QCoreApplication::sendPostedEvents();
        QElapsedTimer t;
        t.start();
        scaler.ResizeControls();
        passata.Aggiungi(MillisecondiDa(t));
        QCoreApplication::sendPostedEvents();
        conDisegno.Aggiungi(MillisecondiDa(t));
    }
    // The reference starts from the other size each time, so that every
    // control really moves.
    for (int i = 0; i < iterazioni; ++i) {
        menu->resize(Misura(i));
        scaler.ResizeControls();
        QCoreApplication::sendPostedEvents();
        menu->resize(Misura(i + 1));
        QCoreApplication::sendPostedEvents();
        QElapsedTimer t;
        t.start();
        menu->setUpdatesEnabled(false);
        for (const auto& [controllo, posto] : bersagli[(i + 1) % 2])
            controllo->setGeometry(posto);
        menu->setUpdatesEnabled(true);
        riferimento.Aggiungi(MillisecondiDa(t));
        QCoreApplication::sendPostedEvents();
        riferimentoConDisegno.Aggiungi(MillisecondiDa(t));
    }
    menu->removeEventFilter(&filtro);

    std::printf("controls scaled:                 %d\n", int(scaler.OriginalLayout().size()));
    std::printf("ResizeControls:                  %s\n", qPrintable(passata.Riassunto()));
    std::printf("ResizeControls and repaint:      %s\n", qPrintable(conDisegno.Riassunto()));
    std::printf("plain setGeometry:               %s\n", qPrintable(riferimento.Riassunto()));
    std::printf("plain setGeometry and repaint:   %s\n",
                qPrintable(riferimentoConDisegno.Riassunto()));
    RigaRisultati(
        {QStringLiteral("4. Layout pass, one ResizeControls over the menu (%1 controls)")
             .arg(scaler.OriginalLayout().size()),
         passata.Riassunto() +
             QStringLiteral("; with the repaint %1 ms").arg(conDisegno.Mediana(), 0, 'f', 3),
         QStringLiteral("plain setGeometry of the same controls: %1 ms; with the repaint "
                        "%2 ms")
             .arg(riferimento.Mediana(), 0, 'f', 3)
             .arg(riferimentoConDisegno.Mediana(), 0, 'f', 3),
         QStringLiteral("< 0.5 ms"),
         passata.Mediana() < 0.5 ? QStringLiteral("met") : QStringLiteral("missed")});
    return 0;
}
