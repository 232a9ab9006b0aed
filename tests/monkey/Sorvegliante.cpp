#include "Sorvegliante.h"

#include "Scimmia.h"
#include "Sessione.h"
#include "clockface/Quadrante.h"
#include "exercises/SchermataEsercizio.h"
#include "feedback/Colori.h"
#include "shell/FormMenu.h"
#include "shell/Impostazioni.h"
#include "shell/RegoleMenu.h"
#include "speech/FormImposta.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QtMath>
#include <algorithm>

namespace {

template <class T = QWidget> const T* Figlio(const QWidget& w, const char* nome) {
    return w.findChild<const T*>(QLatin1String(nome));
}

bool Visibile(const QWidget& schermo, const char* nome) {
    const QWidget* w = Figlio(schermo, nome);
    return w && w->isVisibleTo(&schermo);
}

// Where the tip of a hand of `lunghezza` stands at `gradi` clockwise from 12,
// in the dial's units (y downwards), worked out here and not by the dial.
QPointF Punta(double gradi, double lunghezza) {
    const double t = qDegreesToRadians(gradi);
    return {lunghezza * std::sin(t), -lunghezza * std::cos(t)};
}

bool Vicini(QPointF a, QPointF b) {
    return std::abs(a.x() - b.x()) < 1e-3 && std::abs(a.y() - b.y()) < 1e-3;
}

QString Testo(QPointF p) {
    return QStringLiteral("(%1, %2)").arg(p.x(), 0, 'f', 3).arg(p.y(), 0, 'f', 3);
}

// The asked time as a clock shows it: hours and minutes.
struct Orario {
    int ore, minuti;
};
Orario OrarioChiesto(const RigaEsercizio& riga, const Domanda& d) {
    switch (riga.giudicata) {
    case VariabileGiudicata::Ora:
        return {d.OraDomanda, 0};
    case VariabileGiudicata::MezzeOre:
        return {d.MezzeOreDomanda / 2, d.MezzeOreDomanda % 2 * 30};
    case VariabileGiudicata::OraEQuarto:
        return {d.OraDomanda, d.QuartoDomanda * 15};
    case VariabileGiudicata::OraEMinuti:
        return {d.OraDomanda, d.MinutiDomanda};
    }
    return {};
}

// The red hour hand and the blue minute hand of a time.
const QColor Rosso(255, 0, 0), Blu(0, 0, 255);
QPointF PuntaOre(Orario o) {
    return Punta(30.0 * o.ore + o.minuti / 2.0, 1.1);
}
QPointF PuntaMinuti(Orario o) {
    return Punta(6.0 * o.minuti, 1.6);
}

} // namespace

void Sorvegliante::Esigi(bool condizione, const QString& regola) {
    if (!condizione)
        errori << regola;
}

void Sorvegliante::NuovaSessione(const Sessione& s) {
    const auto attesi = salvato_.isEmpty() ? std::make_pair(Impostazioni::VoceDefault,
                                                            Impostazioni::VelocitaDefault)
                                           : *Impostazioni::LeggiValori(salvato_);
    Esigi(s.contesto.NumeroVoce == attesi.first && s.contesto.VelocitaVoce == attesi.second,
          QStringLiteral("start-up loaded voice %1, speed %2; the last save wrote %3, %4")
              .arg(s.contesto.NumeroVoce)
              .arg(s.contesto.VelocitaVoce)
              .arg(attesi.first)
              .arg(attesi.second));
    Esigi(s.messaggi.registro.isEmpty(), QStringLiteral("start-up showed a message"));
    Esigi(s.contesto.SuoniAttivati == -1, QStringLiteral("sounds off at start-up"));
    // The start screen is shown by start-up itself.
    schermo_ = s.nav->SchermoCaricato();
    nomeSchermo_ = schermo_ ? schermo_->objectName() : QString();
    schermiVisti << nomeSchermo_;
}

void Sorvegliante::DopoAzione(const Sessione& s, const Azione& a) {
    const QWidget* prima = schermo_;
    QWidget* ora = s.finita ? nullptr : s.nav->SchermoCaricato();
    Messaggi(s, nomeSchermo_, ora);
    FileImpostazioni(s, nomeSchermo_, ora);
    Schermi(s);
    for (const QString& detto : s.motore.detti) {
        Esigi(!detto.trimmed().isEmpty(), QStringLiteral("an empty text was spoken"));
        ultimoDetto_ = detto;
    }
    schermo_ = ora;
    nomeSchermo_ = ora ? ora->objectName() : QString();
    if (!ora)
        return;
    const bool nuovo = ora != prima;
    Voce(s, *ora, nuovo);
    if (auto* e = qobject_cast<const SchermataEsercizio*>(ora)) {
        if (nuovo)
            schermiVisti << QStringLiteral("%1/%2").arg(e->objectName()).arg(s.contesto.ModoOre);
        Esercizio(s, *e, a, nuovo);
    } else {
        if (nuovo)
            schermiVisti << ora->objectName();
        Esigi(s.suoni.suonati.isEmpty(), QStringLiteral("a sound outside an exercise"));
        if (qobject_cast<const FormMenu*>(ora))
            Menu(s, *ora);
        else if (qobject_cast<const FormImposta*>(ora))
            Imposta(s, *ora);
        else
            ColoreDellaTabella(*ora);
    }
}

// One screen loaded and shown, filling the display; none once the run ended.
void Sorvegliante::Schermi(const Sessione& s) {
    QWidgetList tutti, visibili;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->parentWidget())
            continue;
        tutti << w;
        if (w->isVisible())
            visibili << w;
    }
    if (s.finita) {
        Esigi(visibili.isEmpty(), QStringLiteral("a screen still shown after the end"));
        return;
    }
    QWidget* caricato = s.nav->SchermoCaricato();
    Esigi(caricato && visibili == QWidgetList{caricato} && tutti.size() == 1,
          QStringLiteral("%1 screens loaded, %2 shown").arg(tutti.size()).arg(visibili.size()));
    if (!caricato)
        return;
    const QRect area = caricato->screen()->availableGeometry();
    Esigi(caricato->frameGeometry() == area,
          QStringLiteral("%1 does not fill the display").arg(caricato->objectName()));
    if (!qobject_cast<SchermataEsercizio*>(caricato))
        Esigi(s.nav->Ridimensiona && s.nav->Ridimensiona->SourceForm() == caricato,
              QStringLiteral("the scaler is not the loaded screen's"));
}

void Sorvegliante::Esercizio(const Sessione& s, const SchermataEsercizio& e, const Azione& a,
                             bool nuovo) {
    if (nuovo) {
        esatti_ = errati_ = 0;
        fase_ = 0;
        avanti_ = false;
        conferma_ = true;
        oraMossa_ = false;
    }
    Conteggi(s, e, a, nuovo);
    const auto* quadrante = e.findChild<const Quadrante*>(QStringLiteral("Picture1"));
    QStringList tratti;
    for (const Quadrante::Tratto& t : quadrante->Tratti())
        tratti << QStringLiteral("%1 %2 %3").arg(Testo(t.a), t.colore.name()).arg(t.larghezza);
    // "Vuoi tornare al menù?" answered No: the exercise goes on as it was.
    const bool restaConNo =
        !nuovo && !s.messaggi.registro.isEmpty() &&
        std::all_of(s.messaggi.registro.begin(), s.messaggi.registro.end(),
                    [](const MessaggiRegistrati::Voce& m) { return m.domanda; }) &&
        !s.messaggi.rispostaPredefinita;
    if (restaConNo)
        Esigi(tratti == trattiPrima_ && e.QuantiEsatti() == esatti_ &&
                  e.QuantiErrati() == errati_ && e.FaseLancetta() == fase_,
              QStringLiteral("\"Esci\" answered No changed the exercise"));
    trattiPrima_ = tratti;
    if (e.vScroll1())
        QuadranteFrecce(s, e, *quadrante, nuovo);
    else
        QuadranteClic(e, *quadrante);
    Esigi(Visibile(e, "ComandoIconaSi") != Visibile(e, "ComandoIconaNo"),
          QStringLiteral("both faces, or neither, are shown"));
    Esigi(s.contesto.FraseDaDire == e.DomandaCorrente().FraseDaDire,
          QStringLiteral("FraseDaDire is not the question's sentence"));
    Esigi(ultimoDetto_ == s.contesto.FraseDaDire,
          QStringLiteral("the last text spoken is not the question: ") + ultimoDetto_);
    esatti_ = e.QuantiEsatti();
    errati_ = e.QuantiErrati();
    fase_ = e.FaseLancetta();
}

// What reaches the speech engine: an exercise opening selects the voice and
// sets the speed in memory; the voice screen's mouth, clicked, speaks its
// invitation at the speed on the bar.
void Sorvegliante::Voce(const Sessione& s, const QWidget& schermo, bool nuovo) {
    const QStringList& r = s.motore.registro;
    const QString voce = QStringLiteral("voce: %1").arg(s.contesto.NumeroVoce);
    const QString velocita = QStringLiteral("velocita: %1").arg(s.contesto.VelocitaVoce);
    if (nuovo && qobject_cast<const SchermataEsercizio*>(&schermo))
        Esigi(r.contains(voce) && r.contains(velocita) && r.indexOf(voce) < r.indexOf(velocita),
              QStringLiteral("the exercise opened without %1 then %2").arg(voce, velocita));
    const QString invito =
        QStringLiteral("parla: Premi sul bottone conferma per accettare la mia voce.");
    for (qsizetype i = 0; i < r.size(); ++i) {
        if (r[i] == invito)
            Esigi(i > 0 && r[i - 1] == velocita,
                  QStringLiteral("the mouth spoke without the bar's speed first"));
    }
}

void Sorvegliante::Conteggi(const Sessione& s, const SchermataEsercizio& e, const Azione& a,
                            bool nuovo) {
    const int dE = e.QuantiEsatti() - esatti_, dR = e.QuantiErrati() - errati_;
    Esigi(dE >= 0 && dR >= 0,
          QStringLiteral("a counter went down: Esatti %1 -> %2, Errati %3 -> %4")
              .arg(esatti_)
              .arg(e.QuantiEsatti())
              .arg(errati_)
              .arg(e.QuantiErrati()));
    Esigi(dE + dR <= a.giudiziPossibili,
          QStringLiteral("%1 judgements from an input that could make %2")
              .arg(dE + dR)
              .arg(a.giudiziPossibili));
    giusti += std::max(dE, 0);
    sbagliati += std::max(dR, 0);

    // Every right answer praises, every wrong one sounds the error, when
    // sounds are on; nothing sounds when they are off.
    int si = 0, no = 0;
    for (const QString& suono : s.suoni.suonati) {
        if (QStringList{"si1.wav", "si2.wav", "si3.wav", "si4.wav"}.contains(suono))
            ++si;
        else if (suono == QLatin1String("no.wav"))
            ++no;
        else
            Esigi(false, QStringLiteral("unknown sound ") + suono);
    }
    const int siAttesi = s.contesto.SuoniAttivati ? dE : 0;
    const int noAttesi = s.contesto.SuoniAttivati ? dR : 0;
    Esigi(si == siAttesi && no == noAttesi,
          QStringLiteral("%1 praise and %2 error sounds for %3 right and %4 wrong (sounds %5)")
              .arg(si)
              .arg(no)
              .arg(dE)
              .arg(dR)
              .arg(s.contesto.SuoniAttivati));
    Esigi(Figlio<QLabel>(e, "EtichettaEsatti")->text() == QString::number(e.QuantiEsatti()) &&
              Figlio<QLabel>(e, "EtichettaErrati")->text() == QString::number(e.QuantiErrati()),
          QStringLiteral("the count labels do not show the counters"));

    const bool avanti = Figlio(e, "BottoneAvanti")->isEnabled();
    const bool frecce = e.vScroll1() != nullptr;
    if (nuovo) {
        Esigi(e.QuantiEsatti() == 0 && e.QuantiErrati() == 0 && !avanti,
              QStringLiteral("the screen opened with counts or with \"avanti\" enabled"));
    } else {
        if (avanti_ && !avanti) {
            ++domande;
            Esigi(dE == 0 && dR == 0, QStringLiteral("a new question was judged at once"));
        }
        Esigi(avanti_ || !avanti || dE >= 1,
              QStringLiteral("\"avanti\" enabled without a right answer"));
        // A click on a dial target is always judged, or places the red hand.
        if (!frecce && a.giudiziPossibili > 0)
            Esigi(dE + dR >= 1 || (fase_ == 0 && e.FaseLancetta() == 1),
                  QStringLiteral("a click on a dial target was not judged"));
        if (frecce && a.giudiziPossibili > 0)
            Esigi(conferma_ ? dE + dR >= 1 : dE + dR == 0,
                  QStringLiteral("\"Conferma\" (%1) judged %2 times")
                      .arg(conferma_ ? "enabled" : "disabled")
                      .arg(dE + dR));
        if (a.rispostaEsatta)
            Esigi(dR == 0, QStringLiteral("the asked time was judged wrong"));
    }
    Esigi(!avanti || e.QuantiEsatti() >= 1, QStringLiteral("\"avanti\" enabled with no right"));
    if (frecce) {
        conferma_ = Figlio(e, "Command1")->isEnabled();
        Esigi(conferma_ != avanti, QStringLiteral("\"Conferma\" and \"avanti\" both %1")
                                       .arg(avanti ? "enabled" : "disabled"));
    }
    avanti_ = avanti;
}

// Click screens: only hands of the asked time, the blue one only after the
// red one; the guide lines say which hand is next.
void Sorvegliante::QuadranteClic(const SchermataEsercizio& e, const Quadrante& q) {
    const RigaEsercizio& riga = Riga(e.Quale());
    const Orario chiesto = OrarioChiesto(riga, e.DomandaCorrente());
    const bool avanti = Figlio(e, "BottoneAvanti")->isEnabled();
    bool rossa = false, blu = false;
    for (const Quadrante::Tratto& t : q.Tratti()) {
        Esigi(t.da == QPointF(0, 0), QStringLiteral("a hand not drawn from the centre"));
        if (t.colore == Rosso) {
            rossa = true;
            Esigi(t.larghezza == 7 && Vicini(t.a, PuntaOre(chiesto)),
                  QStringLiteral("red hand to %1, width %2; the asked %3:%4 puts it at %5")
                      .arg(Testo(t.a))
                      .arg(t.larghezza)
                      .arg(chiesto.ore)
                      .arg(chiesto.minuti)
                      .arg(Testo(PuntaOre(chiesto))));
        } else if (t.colore == Blu) {
            blu = true;
            Esigi(riga.dueLancette && e.FaseLancetta() == 1,
                  QStringLiteral("a blue hand before the red one"));
            Esigi(t.larghezza == 3 && Vicini(t.a, PuntaMinuti(chiesto)),
                  QStringLiteral("blue hand to %1; the asked %2:%3 puts it at %4")
                      .arg(Testo(t.a))
                      .arg(chiesto.ore)
                      .arg(chiesto.minuti)
                      .arg(Testo(PuntaMinuti(chiesto))));
        } else {
            Esigi(false, QStringLiteral("a hand in ") + t.colore.name());
        }
    }
    if (riga.dueLancette) {
        const bool linea1 = Visibile(e, "Line1"), linea2 = Visibile(e, "Line2");
        if (e.FaseLancetta() == 0)
            Esigi(linea1 && !linea2 && !avanti && !rossa,
                  QStringLiteral("red hand to place, but the lines, hands or \"avanti\" "
                                 "say otherwise"));
        else
            Esigi(!linea1 && linea2 == !avanti && rossa && blu == avanti,
                  QStringLiteral("blue hand phase, but the lines or hands say otherwise"));
    } else if (!riga.riascoltaRiscrive) {
        Esigi(rossa == avanti, QStringLiteral("the red hand and \"avanti\" disagree"));
    }
    Esigi(Figlio<QLineEdit>(e, "Text1")->text() == e.DomandaCorrente().TestoDigitale,
          QStringLiteral("Text1 does not show the asked time"));
    const QString didascalia = Figlio<QAbstractButton>(e, "Command1")->text();
    const bool mostra = didascalia == QLatin1String("Nascondi ertavino digitale");
    Esigi(mostra || didascalia == QLatin1String("Mostra ertavino digitale"),
          QStringLiteral("display toggle reads ") + didascalia);
    Esigi(Visibile(e, "Text1") == mostra && Visibile(e, "Image1") == mostra,
          QStringLiteral("the digital display does not follow its toggle"));
}

// Arrow screens: the bars in range and exactly the hands of their time.
void Sorvegliante::QuadranteFrecce(const Sessione& s, const SchermataEsercizio& e,
                                   const Quadrante& q, bool nuovo) {
    Q_UNUSED(nuovo);
    const RigaEsercizio& riga = Riga(e.Quale());
    const QScrollBar* ore = e.vScroll1();
    const auto* minuti = Figlio<QScrollBar>(e, "vScroll2");
    const int modo = s.contesto.ModoOre, passi = riga.passiPerOra;
    const int h = ore->value(), passo = minuti ? minuti->value() : 0;
    if (h != 0)
        oraMossa_ = true;
    Esigi(ore->minimum() == -1 && ore->maximum() == modo + 1,
          QStringLiteral("hours bar runs %1..%2").arg(ore->minimum()).arg(ore->maximum()));
    Esigi((h >= 1 && h <= modo) || (h == 0 && !oraMossa_),
          QStringLiteral("hours bar at %1 under the %2-hour convention").arg(h).arg(modo));
    if (minuti) {
        Esigi(minuti->minimum() == -1 && minuti->maximum() == passi,
              QStringLiteral("minutes bar runs %1..%2")
                  .arg(minuti->minimum())
                  .arg(minuti->maximum()));
        Esigi(passo >= 0 && passo < passi, QStringLiteral("minutes bar at %1").arg(passo));
    }
    const Orario barre{h, passi ? passo * 60 / passi : 0};
    const auto& tratti = q.Tratti();
    if (tratti.isEmpty()) {
        Esigi(riga.puliscePerDomanda, QStringLiteral("no hand shows the bars' time"));
    } else {
        const bool forma =
            tratti.size() == (riga.dueLancette ? 2 : 1) && tratti[0].colore == Rosso &&
            tratti[0].larghezza == 7 && Vicini(tratti[0].a, PuntaOre(barre)) &&
            (!riga.dueLancette || (tratti[1].colore == Blu && tratti[1].larghezza == 3 &&
                                   Vicini(tratti[1].a, PuntaMinuti(barre))));
        Esigi(forma, QStringLiteral("%1 hands; the bars at %2:%3 put the hour hand at %4")
                         .arg(tratti.size())
                         .arg(h)
                         .arg(barre.minuti)
                         .arg(Testo(PuntaOre(barre))));
    }
    const QString testo = Figlio<QLineEdit>(e, "Text1")->text();
    const QString atteso =
        QStringLiteral("%1 : %2").arg(h).arg(barre.minuti, 2, 10, QLatin1Char('0'));
    Esigi(testo == atteso || testo == QLatin1String("00 : 00"),
          QStringLiteral("Text1 reads %1 with the bars at %2").arg(testo, atteso));
}

void Sorvegliante::Menu(const Sessione& s, const QWidget& menu) {
    Esigi(Figlio<QCheckBox>(menu, "Check1")->isChecked() == (s.contesto.SuoniAttivati == -1),
          QStringLiteral("\"Suoni attivati\" does not show the sound switch"));
    ColoreDellaTabella(menu);
}

// The start screen and the menu wear a colour of the table.
void Sorvegliante::ColoreDellaTabella(const QWidget& schermo) {
    const QColor sfondo = schermo.palette().color(QPalette::Window);
    bool inTabella = false;
    for (std::size_t i = 1; i < TabellaColori.size(); ++i) {
        const auto c = ComponentiDaBGR(TabellaColori[i]);
        inTabella = inTabella || sfondo == QColor(c.rosso, c.verde, c.blu);
    }
    Esigi(inTabella, QStringLiteral("%1 colour %2 is not in the table")
                         .arg(schermo.objectName(), sfondo.name()));
}

void Sorvegliante::Imposta(const Sessione& s, const QWidget& imposta) {
    const int velocita = Figlio<QScrollBar>(imposta, "HScroll1")->value();
    Esigi(velocita >= FormImposta::VelocitaMinima && velocita <= FormImposta::VelocitaMassima &&
              velocita == s.contesto.VelocitaVoce,
          QStringLiteral("speed bar at %1, VelocitaVoce %2")
              .arg(velocita)
              .arg(s.contesto.VelocitaVoce));
    Esigi(Figlio<QLabel>(imposta, "Label1")->text() ==
              QStringLiteral("Velocità = %1").arg(s.contesto.VelocitaVoce),
          QStringLiteral("the speed label reads ") + Figlio<QLabel>(imposta, "Label1")->text());
    const auto* lista = Figlio<QComboBox>(imposta, "Combo1");
    Esigi(lista->count() == s.motore.NumeroVoci() &&
              lista->currentIndex() == s.contesto.NumeroVoce - 1,
          QStringLiteral("voice list at %1 of %2, NumeroVoce %3")
              .arg(lista->currentIndex())
              .arg(lista->count())
              .arg(s.contesto.NumeroVoce));
}

// Only the program's own messages, each from the screen that asks it. A
// refused voice is reported by the voice screen, also while it loads.
void Sorvegliante::Messaggi(const Sessione& s, const QString& da, const QWidget* dopo) {
    const bool imposta =
        da == QLatin1String("FormImposta") || qobject_cast<const FormImposta*>(dopo);
    for (const MessaggiRegistrati::Voce& m : s.messaggi.registro) {
        bool atteso = false;
        if (m.domanda && m.testo == QStringLiteral("Vuoi tornare al menù?"))
            atteso = da.startsWith(QLatin1String("frmRuota"));
        else if (m.domanda && m.testo == DomandaUscita)
            atteso = da == QLatin1String("FormMenu");
        else if (m.testo == TestoInformazioni())
            atteso = da == QLatin1String("FormMenu") && m.icona == Messaggi::Icona::Informazione;
        else if (m.testo == QStringLiteral("non posso selezionare questa voce"))
            atteso = imposta && s.motore.rifiutate.contains(s.contesto.NumeroVoce) &&
                     m.titolo == Impostazioni::TitoloProgramma;
        if (m.domanda)
            atteso = atteso && m.titolo == TitoloMenu;
        Esigi(atteso, QStringLiteral("message \"%1\" (%2) on %3").arg(m.testo, m.titolo, da));
    }
}

// The file changes only when "conferma" or "Esci" saves, and then holds
// exactly the settings in memory.
void Sorvegliante::FileImpostazioni(const Sessione& s, const QString& da, const QWidget* dopo) {
    const bool daImposta = da == QLatin1String("FormImposta");
    if (s.finita || (daImposta && !qobject_cast<const FormImposta*>(dopo)))
        salvato_ = Impostazioni::ScriviValori(s.contesto.NumeroVoce, s.contesto.VelocitaVoce);
    QFile file(s.contesto.PercorsoIni);
    if (salvato_.isEmpty()) {
        Esigi(!file.exists(), QStringLiteral("a settings file appeared without a save"));
        return;
    }
    Esigi(file.open(QIODevice::ReadOnly) && file.readAll() == salvato_,
          QStringLiteral("the settings file does not hold the last save"));
}
