#include "exercises/SchermataEsercizio.h"

#include "clockface/GeometriaLancetta.h"
#include "clockface/Quadrante.h"
#include "core/Contesto.h"
#include "core/GeneratoreCasuale.h"
#include "exercises/Contatori.h"
#include "exercises/Figure.h"
#include "exercises/Frecce.h"
#include "exercises/Giudizio.h"
#include "exercises/Linea.h"
#include "feedback/Messaggi.h"
#include "feedback/SuoniFeedback.h"
#include "layout/PulsanteFigura.h"
#include "layout/Schermo.h"
#include "speech/MotoreVoce.h"

#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QScrollBar>

// "ertavino.question": one debug line per question drawn, off by default.
Q_LOGGING_CATEGORY(registroDomande, "ertavino.question", QtWarningMsg)

namespace {

// The hour hand is red, the minute hand blue.
const QColor Rosso(255, 0, 0);
const QColor Blu(0, 0, 255);

const QString TestoNascondi = QStringLiteral("Nascondi ertavino digitale");
const QString TestoMostra = QStringLiteral("Mostra ertavino digitale");

// The change handlers of the two bars call each other through setValue; a
// wrap always lands in range, so the nesting stays shallow. The limit only
// guards against a bar given a range that cannot hold a time.
constexpr int ProfonditaMassima = 8;

} // namespace

SchermataEsercizio::SchermataEsercizio(Schermata schermata, Contesto& contesto, MotoreVoce& motore,
                                       QWidget* parent)
    : QWidget(parent), riga_(Riga(schermata)), contesto_(contesto), motore_(motore),
      piGreco_(PiGrecoSingolo()) {
    setObjectName(QLatin1String(riga_.nome));
    CostruisciControlli(motore);
}

SchermataEsercizio::~SchermataEsercizio() = default;

void SchermataEsercizio::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (attivata_)
        return;
    attivata_ = true;
    for (PassoAttivazione passo : riga_.attivazione)
        Esegui(passo);
}

void SchermataEsercizio::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    picture1_->Scale();
}

void SchermataEsercizio::Esegui(PassoAttivazione passo) {
    switch (passo) {
    case PassoAttivazione::Posto:
        RiempiSchermo(*this);
        break;
    case PassoAttivazione::NuovoSeme:
        contesto_.Casuale.SeminaDalTempo();
        break;
    case PassoAttivazione::Quadrante:
        picture1_->Scale();
        picture1_->ImpostaDrawWidth(LarghezzaOre);
        piGreco_ = PiGrecoSingolo();
        break;
    case PassoAttivazione::Voce:
        ImpostaVoce(motore_, contesto_.NumeroVoce, contesto_.VelocitaVoce);
        break;
    case PassoAttivazione::Contatori:
        quantiErrati_ = 0;
        etichettaErrati_->setText(QString::number(quantiErrati_));
        quantiEsatti_ = 0;
        etichettaEsatti_->setText(QString::number(quantiEsatti_));
        break;
    case PassoAttivazione::TestoIniziale:
        text1_->setText(QStringLiteral("00 : 00"));
        break;
    case PassoAttivazione::Istruzione:
        motore_.Ferma();
        if (riga_.istruzioneInFrase) {
            contesto_.FraseDaDire = riga_.istruzione;
            motore_.Parla(contesto_.FraseDaDire);
        } else {
            motore_.Parla(riga_.istruzione);
        }
        break;
    case PassoAttivazione::LancetteIniziali:
        LancetteIniziali();
        break;
    case PassoAttivazione::OraUno:
        vScroll1_->setValue(1);
        break;
    case PassoAttivazione::Domanda:
        NuovaDomanda();
        break;
    }
}

// The whole-hour screen shows its bar's value (0 on a fresh screen, hand up);
// the two-hand screens start with both hands up and leave Text1 alone.
void SchermataEsercizio::LancetteIniziali() {
    if (!riga_.dueLancette) {
        Ridisegna();
        return;
    }
    picture1_->ImpostaDrawWidth(LarghezzaOre);
    DisegnaOre(0);
    picture1_->ImpostaDrawWidth(LarghezzaMinuti);
    DisegnaMinuti(0);
}

void SchermataEsercizio::NuovaDomanda() {
    if (line1_) {
        line1_->show();
        line2_->hide();
        faseLancetta_ = 0;
    }
    if (riga_.puliscePerDomanda)
        picture1_->Cls();
    domanda_ = ::NuovaDomanda(riga_.RichiestaDomanda(contesto_.ModoOre), contesto_.Casuale);
    qCDebug(registroDomande).noquote()
        << riga_.nome << "ModoOre" << contesto_.ModoOre << "OraDomanda" << domanda_.OraDomanda
        << "MezzeOreDomanda" << domanda_.MezzeOreDomanda << "QuartoDomanda"
        << domanda_.QuartoDomanda << "MinutiDomanda" << domanda_.MinutiDomanda << "OraAlternativa"
        << domanda_.OraAlternativa << "FraseDaDire" << ('"' + domanda_.FraseDaDire + '"') << "Text1"
        << ('"' + (riga_.momento == MomentoTesto::Nessuno ? QString() : domanda_.TestoDigitale) +
            '"');
    if (riga_.momento == MomentoTesto::PrimaDiParlare)
        text1_->setText(domanda_.TestoDigitale);
    contesto_.FraseDaDire = domanda_.FraseDaDire;
    motore_.Parla(contesto_.FraseDaDire);
    if (riga_.momento == MomentoTesto::DopoAverParlato)
        text1_->setText(domanda_.TestoDigitale);
}

void SchermataEsercizio::Label1_Click(int indice) {
    const EsitoClic esito = GiudicaClic(riga_, domanda_, faseLancetta_, indice);
    switch (esito.tipo) {
    case EsitoClic::Tipo::Sbagliato:
        RispostaSbagliata();
        return;
    case EsitoClic::Tipo::LancettaRossa:
        // One-hand screens draw with the width set on activation.
        if (riga_.dueLancette)
            picture1_->ImpostaDrawWidth(LarghezzaOre);
        DisegnaOre(esito.gradi);
        break;
    case EsitoClic::Tipo::LancettaBlu:
        picture1_->ImpostaDrawWidth(LarghezzaMinuti);
        DisegnaMinuti(esito.gradi);
        break;
    }
    if (esito.completa) {
        RispostaGiusta();
        return;
    }
    // The red hand is in place; now the blue one. Half an answer: no sound,
    // no count, "avanti" stays as it is.
    iconaSi_->show();
    iconaNo_->hide();
    faseLancetta_ = 1;
    line1_->hide();
    line2_->show();
}

void SchermataEsercizio::Command1_Click() {
    if (riga_.stile == StileRisposta::Frecce) {
        Conferma();
        return;
    }
    const bool nascondi = command1_->text() == TestoNascondi;
    command1_->setText(nascondi ? TestoMostra : TestoNascondi);
    text1_->setVisible(!nascondi);
    image1_->setVisible(!nascondi);
}

void SchermataEsercizio::Command2_Click() {
    if (riga_.riascoltaRiscrive) {
        picture1_->Cls();
        motore_.Ferma();
        text1_->setText(domanda_.TestoDigitale);
    } else {
        motore_.Ferma();
    }
    motore_.Parla(contesto_.FraseDaDire);
}

void SchermataEsercizio::BottoneAvanti_Click() {
    bottoneAvanti_->setEnabled(false);
    if (riga_.stile == StileRisposta::Frecce)
        command1_->setEnabled(true);
    NuovaDomanda();
}

void SchermataEsercizio::Command7_Click() {
    if (!contesto_.Dialoghi.Chiedi(this, QStringLiteral("Vuoi tornare al menù?"), TitoloDomande))
        return;
    // Leaving the screen silences its mouth, as unloading it would.
    motore_.Ferma();
    hide();
    emit TornaAlMenu();
}

void SchermataEsercizio::Conferma() {
    const int ora = vScroll1_->value();
    const int passo = vScroll2_ ? vScroll2_->value() : 0;
    if (GiudicaConferma(riga_, domanda_, contesto_.ModoOre, ora, passo))
        RispostaGiusta();
    else
        RispostaSbagliata();
}

// Each handler wraps its bar and then redraws; a wrap sets a value, which
// runs the handlers again before setValue returns, and the outermost one
// redraws last with the settled values.
void SchermataEsercizio::vScroll1_Change() {
    if (profondita_ >= ProfonditaMassima)
        return;
    ++profondita_;
    if (const auto ora = OraAvvolta(vScroll1_->value(), contesto_.ModoOre))
        vScroll1_->setValue(*ora);
    Ridisegna();
    --profondita_;
}

void SchermataEsercizio::vScroll2_Change() {
    if (profondita_ >= ProfonditaMassima)
        return;
    ++profondita_;
    if (const auto riporto = MinutiAvvolti(vScroll2_->value(), riga_.passiPerOra)) {
        if (riga_.oraPrimaDeiMinuti) {
            vScroll1_->setValue(vScroll1_->value() + riporto->deltaOra);
            vScroll2_->setValue(riporto->passo);
        } else {
            vScroll2_->setValue(riporto->passo);
            vScroll1_->setValue(vScroll1_->value() + riporto->deltaOra);
        }
    }
    Ridisegna();
    --profondita_;
}

void SchermataEsercizio::Ridisegna() {
    const int ora = vScroll1_->value();
    const int minuti = vScroll2_ ? vScroll2_->value() * riga_.MinutiPerPasso() : 0;
    picture1_->Cls();
    if (riga_.dueLancette) {
        picture1_->ImpostaDrawWidth(LarghezzaOre);
        DisegnaOre(GradiOre(ora, minuti));
        picture1_->ImpostaDrawWidth(LarghezzaMinuti);
        DisegnaMinuti(GradiMinuti(minuti));
    } else {
        DisegnaOre(GradiOre(ora, minuti));
    }
    text1_->setText(TestoOrario(ora, minuti));
}

// Right answer: the smiling face, one more right, praise, then the screen
// waits for "avanti" (the click screens stay answerable meanwhile).
void SchermataEsercizio::RispostaGiusta() {
    iconaSi_->show();
    iconaNo_->hide();
    Aumenta(quantiEsatti_);
    SuonoSi(contesto_);
    etichettaEsatti_->setText(QString::number(quantiEsatti_));
    if (riga_.stile == StileRisposta::Frecce)
        command1_->setEnabled(false);
    else if (line2_)
        line2_->hide();
    bottoneAvanti_->setEnabled(true);
}

// Wrong answer: the frowning face, the error sound, one more wrong; the
// question stays and may be answered again at once.
void SchermataEsercizio::RispostaSbagliata() {
    iconaNo_->show();
    iconaSi_->hide();
    SuonoNo(contesto_);
    Aumenta(quantiErrati_);
    etichettaErrati_->setText(QString::number(quantiErrati_));
}

void SchermataEsercizio::DisegnaOre(double gradi) {
    picture1_->DisegnaLancetta(gradi, LunghezzaOre, Rosso, piGreco_);
}

void SchermataEsercizio::DisegnaMinuti(double gradi) {
    picture1_->DisegnaLancetta(gradi, LunghezzaMinuti, Blu, piGreco_);
}
