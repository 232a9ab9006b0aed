#include "exercises/SchermataEsercizio.h"

#include "clockface/GeometriaLancetta.h"
#include "clockface/Quadrante.h"
#include "core/Contesto.h"
#include "core/GeneratoreCasuale.h"
#include "core/Messaggi.h"
#include "exercises/Contatori.h"
#include "exercises/Figure.h"
#include "exercises/Frecce.h"
#include "exercises/Giudizio.h"
#include "exercises/Linea.h"
#include "feedback/ColoreQt.h"
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

const QString TestoNascondi = QStringLiteral("Nascondi ertavino digitale");
const QString TestoMostra = QStringLiteral("Mostra ertavino digitale");

// The change handlers of the two bars call each other through setValue; a
// wrap always lands in range, so the nesting stays shallow. The limit only
// guards against a bar given a range that cannot hold a time.
constexpr int ProfonditaMassima = 8;

} // namespace

SchermataEsercizio::SchermataEsercizio(Schermata schermata, qint16 modoOre, Contesto& contesto,
                                       MotoreVoce& motore, QWidget* parent)
    : QWidget(parent), riga_(Riga(schermata)), modoOre_(modoOre), contesto_(contesto),
      motore_(motore), piGreco_(PiGrecoSingolo()) {
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
    quadrante_->AggiornaScala();
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
        quadrante_->AggiornaScala();
        quadrante_->ImpostaLarghezzaTratto(LarghezzaOre);
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
        digitale_->setText(QStringLiteral("00 : 00"));
        break;
    case PassoAttivazione::Istruzione:
        motore_.Ferma();
        if (riga_.istruzioneInFrase) {
            fraseDaDire_ = riga_.istruzione;
            motore_.Parla(fraseDaDire_);
        } else {
            motore_.Parla(riga_.istruzione);
        }
        break;
    case PassoAttivazione::LancetteIniziali:
        LancetteIniziali();
        break;
    case PassoAttivazione::OraUno:
        barraOre_->setValue(1);
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
    quadrante_->ImpostaLarghezzaTratto(LarghezzaOre);
    DisegnaOre(0);
    quadrante_->ImpostaLarghezzaTratto(LarghezzaMinuti);
    DisegnaMinuti(0);
}

void SchermataEsercizio::NuovaDomanda() {
    if (guidaRossa_) {
        guidaRossa_->show();
        guidaBlu_->hide();
        faseLancetta_ = 0;
    }
    if (riga_.puliscePerDomanda)
        quadrante_->CancellaLancette();
    domanda_ = ::NuovaDomanda(riga_.RichiestaDomanda(modoOre_), contesto_.Casuale);
    qCDebug(registroDomande).noquote()
        << riga_.nome << "ModoOre" << modoOre_ << "OraDomanda" << domanda_.OraDomanda
        << "MezzeOreDomanda" << domanda_.MezzeOreDomanda << "QuartoDomanda"
        << domanda_.QuartoDomanda << "MinutiDomanda" << domanda_.MinutiDomanda << "OraAlternativa"
        << domanda_.OraAlternativa << "FraseDaDire" << ('"' + domanda_.FraseDaDire + '"') << "Text1"
        << ('"' + (riga_.momento == MomentoTesto::Nessuno ? QString() : domanda_.TestoDigitale) +
            '"');
    if (riga_.momento == MomentoTesto::PrimaDiParlare)
        digitale_->setText(domanda_.TestoDigitale);
    fraseDaDire_ = domanda_.FraseDaDire;
    motore_.Parla(fraseDaDire_);
    if (riga_.momento == MomentoTesto::DopoAverParlato)
        digitale_->setText(domanda_.TestoDigitale);
}

void SchermataEsercizio::Bersaglio_Click(int indice) {
    const EsitoClic esito = GiudicaClic(riga_, domanda_, faseLancetta_, indice);
    switch (esito.tipo) {
    case EsitoClic::Tipo::Sbagliato:
        RispostaSbagliata();
        return;
    case EsitoClic::Tipo::LancettaRossa:
        // One-hand screens draw with the width set on activation.
        if (riga_.dueLancette)
            quadrante_->ImpostaLarghezzaTratto(LarghezzaOre);
        DisegnaOre(esito.gradi);
        break;
    case EsitoClic::Tipo::LancettaBlu:
        quadrante_->ImpostaLarghezzaTratto(LarghezzaMinuti);
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
    guidaRossa_->hide();
    guidaBlu_->show();
}

void SchermataEsercizio::MostraDigitale_Click() {
    const bool nascondi = mostraDigitale_->text() == TestoNascondi;
    mostraDigitale_->setText(nascondi ? TestoMostra : TestoNascondi);
    digitale_->setVisible(!nascondi);
    piatto_->setVisible(!nascondi);
}

void SchermataEsercizio::Riascolta_Click() {
    if (riga_.riascoltaRiscrive) {
        quadrante_->CancellaLancette();
        motore_.Ferma();
        digitale_->setText(domanda_.TestoDigitale);
    } else {
        motore_.Ferma();
    }
    motore_.Parla(fraseDaDire_);
}

void SchermataEsercizio::BottoneAvanti_Click() {
    avanti_->setEnabled(false);
    if (conferma_)
        conferma_->setEnabled(true);
    NuovaDomanda();
}

void SchermataEsercizio::Esci_Click() {
    if (!contesto_.Dialoghi.Chiedi(this, QStringLiteral("Vuoi tornare al menù?"), TitoloDomande))
        return;
    // Leaving the screen silences its mouth, as unloading it would.
    motore_.Ferma();
    hide();
    emit TornaAlMenu();
}

void SchermataEsercizio::Conferma_Click() {
    const int ora = barraOre_->value();
    const int passo = barraMinuti_ ? barraMinuti_->value() : 0;
    if (GiudicaConferma(riga_, domanda_, modoOre_, ora, passo))
        RispostaGiusta();
    else
        RispostaSbagliata();
}

// Each handler wraps its bar and then redraws; a wrap sets a value, which
// runs the handlers again before setValue returns, and the outermost one
// redraws last with the settled values.
void SchermataEsercizio::BarraOre_Change() {
    if (profondita_ >= ProfonditaMassima)
        return;
    ++profondita_;
    if (const auto ora = OraAvvolta(barraOre_->value(), modoOre_))
        barraOre_->setValue(*ora);
    Ridisegna();
    --profondita_;
}

void SchermataEsercizio::BarraMinuti_Change() {
    if (profondita_ >= ProfonditaMassima)
        return;
    ++profondita_;
    if (const auto riporto = MinutiAvvolti(barraMinuti_->value(), riga_.passiPerOra)) {
        if (riga_.oraPrimaDeiMinuti) {
            barraOre_->setValue(barraOre_->value() + riporto->deltaOra);
            barraMinuti_->setValue(riporto->passo);
        } else {
            barraMinuti_->setValue(riporto->passo);
            barraOre_->setValue(barraOre_->value() + riporto->deltaOra);
        }
    }
    Ridisegna();
    --profondita_;
}

void SchermataEsercizio::Ridisegna() {
    const int ora = barraOre_->value();
    const int minuti = barraMinuti_ ? barraMinuti_->value() * riga_.MinutiPerPasso() : 0;
    quadrante_->CancellaLancette();
    if (riga_.dueLancette) {
        quadrante_->ImpostaLarghezzaTratto(LarghezzaOre);
        DisegnaOre(GradiOre(ora, minuti));
        quadrante_->ImpostaLarghezzaTratto(LarghezzaMinuti);
        DisegnaMinuti(GradiMinuti(minuti));
    } else {
        DisegnaOre(GradiOre(ora, minuti));
    }
    digitale_->setText(TestoOrario(ora, minuti));
}

// Right answer: the smiling face, one more right, praise, then the screen
// waits for "avanti" (the click screens stay answerable meanwhile).
void SchermataEsercizio::RispostaGiusta() {
    iconaSi_->show();
    iconaNo_->hide();
    Aumenta(quantiEsatti_);
    SuonoSi(contesto_);
    etichettaEsatti_->setText(QString::number(quantiEsatti_));
    if (conferma_)
        conferma_->setEnabled(false);
    else if (guidaBlu_)
        guidaBlu_->hide();
    avanti_->setEnabled(true);
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
    quadrante_->DisegnaLancetta(gradi, LunghezzaOre, ColoreQt(ColoreOre), piGreco_);
}

void SchermataEsercizio::DisegnaMinuti(double gradi) {
    quadrante_->DisegnaLancetta(gradi, LunghezzaMinuti, ColoreQt(ColoreMinuti), piGreco_);
}
