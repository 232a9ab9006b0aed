#include "feedback/MessaggiQt.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>

namespace {
QMessageBox::Icon IconaQt(Messaggi::Icona icona) {
    switch (icona) {
    case Messaggi::Icona::Informazione:
        return QMessageBox::Information;
    case Messaggi::Icona::Esclamazione:
        return QMessageBox::Warning;
    case Messaggi::Icona::Critica:
        return QMessageBox::Critical;
    case Messaggi::Icona::Domanda:
        return QMessageBox::Question;
    case Messaggi::Icona::Nessuna:
        break;
    }
    return QMessageBox::NoIcon;
}

// On Wayland, where the compositor draws no title bar (GNOME, weston), Qt
// draws its own: the title in 14-pixel letters centred over the whole width,
// with 77 pixels kept on the right for its three buttons. A box narrower than
// its title plus that much on either side shows the title cut short ("Uso
// dell'erta"): the box is widened to hold it whole.
void TitoloIntero(QMessageBox& box) {
    auto* griglia = qobject_cast<QGridLayout*>(box.layout());
    if (!griglia || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    constexpr int Bottoni = 77;
    QFont carattere = box.font();
    carattere.setPixelSize(14);
    const int larghezza =
        QFontMetrics(carattere).horizontalAdvance(box.windowTitle()) + 2 * Bottoni;
    griglia->addItem(new QSpacerItem(larghezza, 0), griglia->rowCount(), 0, 1,
                     griglia->columnCount());
}
} // namespace

void MessaggiQt::Avviso(QWidget* schermo, const QString& testo, const QString& titolo,
                        Icona icona) {
    QMessageBox box(IconaQt(icona), titolo, testo, QMessageBox::Ok, schermo);
    box.setObjectName(QStringLiteral("Avviso"));
    TitoloIntero(box);
    box.exec();
}

bool MessaggiQt::Chiedi(QWidget* schermo, const QString& testo, const QString& titolo) {
    QMessageBox box(QMessageBox::Question, titolo, testo, QMessageBox::Yes | QMessageBox::No,
                    schermo);
    box.setObjectName(QStringLiteral("Domanda"));
    TitoloIntero(box);
    return box.exec() == QMessageBox::Yes;
}
