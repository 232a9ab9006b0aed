#include "feedback/MessaggiQt.h"

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
} // namespace

void MessaggiQt::Avviso(QWidget* schermo, const QString& testo, const QString& titolo,
                        Icona icona) {
    QMessageBox box(IconaQt(icona), titolo, testo, QMessageBox::Ok, schermo);
    box.setObjectName(QStringLiteral("Avviso"));
    box.exec();
}

bool MessaggiQt::Chiedi(QWidget* schermo, const QString& testo, const QString& titolo) {
    QMessageBox box(QMessageBox::Question, titolo, testo, QMessageBox::Yes | QMessageBox::No,
                    schermo);
    box.setObjectName(QStringLiteral("Domanda"));
    return box.exec() == QMessageBox::Yes;
}
