#include "Scimmia.h"

#include "Sessione.h"
#include "clockface/Quadrante.h"
#include "exercises/Giudizio.h"
#include "exercises/SchermataEsercizio.h"
#include "shell/FormAvvio.h"
#include "shell/FormMenu.h"
#include "shell/RegoleMenu.h"
#include "speech/FormImposta.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

namespace {

QString Nome(const QWidget* w) {
    if (const int indice = IndiceBersaglio(w); indice >= 0)
        return QStringLiteral("bersaglio %1").arg(indice);
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

// "Conferma" of an arrow screen: the one button whose press judges.
bool EConferma(const QWidget* w) {
    const auto* schermo = qobject_cast<const SchermataEsercizio*>(w->parentWidget());
    return schermo && schermo->vScroll1() && w->objectName() == QLatin1String("Command1");
}

// How many judgements `clic` presses on `w` may cause. A dial target of a
// click screen answers a double click once; the arrow screens' dial takes no
// clicks.
int Giudizi(const QWidget* w, int clic) {
    if (IndiceBersaglio(w) >= 0) {
        const auto* schermo = qobject_cast<const SchermataEsercizio*>(w->window());
        return schermo && !schermo->vScroll1() ? 1 : 0;
    }
    return EConferma(w) ? clic : 0;
}

QComboBox* Tendina(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        if (auto* c = qobject_cast<QComboBox*>(w))
            return c;
    }
    return nullptr;
}

// The thumb of a scroll bar, where a drag starts.
QRect Maniglia(const QScrollBar& barra) {
    QStyleOptionSlider o;
    o.initFrom(&barra);
    o.subControls = QStyle::SC_All;
    o.orientation = barra.orientation();
    o.minimum = barra.minimum();
    o.maximum = barra.maximum();
    o.sliderPosition = barra.sliderPosition();
    o.sliderValue = barra.value();
    o.singleStep = barra.singleStep();
    o.pageStep = barra.pageStep();
    o.upsideDown = barra.invertedAppearance();
    if (barra.orientation() == Qt::Horizontal)
        o.state |= QStyle::State_Horizontal;
    return barra.style()->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarSlider,
                                         &barra);
}

// A drag as the program sees it: the thumb goes down, moves, comes up.
void Trascina(QScrollBar& barra, int valore) {
    barra.setSliderDown(true);
    barra.setSliderPosition(valore);
    barra.setSliderDown(false);
}

} // namespace

int IndiceBersaglio(const QWidget* w) {
    if (!w || !qobject_cast<const QLabel*>(w) || !qobject_cast<Quadrante*>(w->parentWidget()))
        return -1;
    const QVariant indice = w->property("indice");
    return indice.isValid() ? indice.toInt() : -1;
}

int BersaglioGiusto(const SchermataEsercizio& schermo) {
    const RigaEsercizio& riga = Riga(schermo.Quale());
    const Domanda& d = schermo.DomandaCorrente();
    return riga.dueLancette && schermo.FaseLancetta() != 0 ? BersaglioBlu(riga, d)
                                                           : BersaglioRosso(riga.giudicata, d);
}

QString LancetteSullaDomanda(SchermataEsercizio& schermo, qint16 modoOre) {
    const Domanda& d = schermo.DomandaCorrente();
    int ora = d.OraDomanda, passo = 0;
    switch (Riga(schermo.Quale()).giudicata) {
    case VariabileGiudicata::Ora:
        break;
    case VariabileGiudicata::MezzeOre:
        // Half past ModoOre is asked as 1.
        ora = d.MezzeOreDomanda == 1 ? modoOre : d.MezzeOreDomanda / 2;
        passo = d.MezzeOreDomanda % 2;
        break;
    case VariabileGiudicata::OraEQuarto:
        passo = d.QuartoDomanda;
        break;
    case VariabileGiudicata::OraEMinuti:
        passo = d.MinutiDomanda / 5;
        break;
    }
    if (auto* minuti = schermo.findChild<QScrollBar*>(QStringLiteral("vScroll2")))
        Trascina(*minuti, passo);
    Trascina(*schermo.vScroll1(), ora);
    return QStringLiteral("lancette su ora %1, passo %2").arg(ora).arg(passo);
}

Azione Scimmia::Gioca(Sessione& sessione) {
    QWidget* schermo = sessione.nav->SchermoCaricato();
    if (!schermo)
        return {QStringLiteral("nessuno schermo caricato")};
    if (auto* esercizio = qobject_cast<SchermataEsercizio*>(schermo))
        return SuEsercizio(sessione, *esercizio);
    if (qobject_cast<FormMenu*>(schermo))
        return SuMenu(*schermo);
    if (qobject_cast<FormImposta*>(schermo))
        return SuImposta(*schermo);
    return SuAvvio(*schermo);
}

Azione Scimmia::SuAvvio(QWidget& schermo) {
    const int scelta = Tra(0, 9);
    if (scelta < 6)
        return Premi(schermo.findChild<QWidget*>(QStringLiteral("Command1")));
    return scelta < 9 ? ClicOvunque(schermo) : Tasto(schermo, 0);
}

Azione Scimmia::SuMenu(QWidget& schermo) {
    const int scelta = Tra(0, 99);
    if (scelta < 50) {
        // Mostly the exercise visited least, so every screen comes up.
        std::size_t quale = caso_.bounded(quint32(BottoniEsercizio.size()));
        if (Si(70)) {
            for (std::size_t i = 0; i < visite_.size(); ++i) {
                if (visite_[i] < visite_[quale])
                    quale = i;
            }
        }
        ++visite_[quale];
        return Premi(schermo.findChild<QWidget*>(QLatin1String(BottoniEsercizio[quale].Nome)));
    }
    if (scelta < 60)
        return Premi(schermo.findChild<QWidget*>(QStringLiteral("Check1")));
    if (scelta < 68) {
        ++visiteImposta_;
        return Premi(schermo.findChild<QWidget*>(QStringLiteral("Command13")));
    }
    if (scelta < 73)
        return Premi(schermo.findChild<QWidget*>(QStringLiteral("Command8")));
    if (scelta < 85)
        return Premi(schermo.findChild<QWidget*>(QStringLiteral("Command1")));
    return scelta < 96 ? ClicOvunque(schermo) : Tasto(schermo, 0);
}

Azione Scimmia::SuEsercizio(Sessione& sessione, SchermataEsercizio& schermo) {
    const auto figlio = [&schermo](const char* nome) {
        return schermo.findChild<QWidget*>(QLatin1String(nome));
    };
    const int scelta = Tra(0, 99);
    // Common to both styles: the screen's own buttons, stray clicks, keys.
    if (scelta < 12)
        return Premi(figlio("BottoneAvanti"));
    if (scelta < 16)
        return Premi(figlio("Command2"));
    if (scelta < 21)
        return Premi(figlio("Command7"));
    if (scelta < 33)
        return ClicOvunque(schermo);
    if (scelta < 40)
        return Tasto(schermo, 0);

    if (schermo.vScroll1()) {
        if (scelta < 52)
            return ImpostaRisposta(sessione, schermo);
        if (scelta < 67)
            return Premi(figlio("Command1"), 1);
        auto* minuti = schermo.findChild<QScrollBar*>(QStringLiteral("vScroll2"));
        return MuoviBarra(minuti && Si(50) ? minuti : schermo.vScroll1());
    }

    if (scelta < 44)
        return Premi(figlio("Command1"));
    auto* quadrante = schermo.findChild<Quadrante*>(QStringLiteral("Picture1"));
    const int indice = scelta < 70 ? BersaglioGiusto(schermo) : Tra(0, 24);
    QLabel* bersaglio = quadrante->Label1(indice);
    if (!bersaglio)
        return ClicOvunque(*quadrante);
    Azione a = Premi(bersaglio, 1);
    a.rispostaEsatta = scelta < 70;
    return a;
}

Azione Scimmia::SuImposta(QWidget& schermo) {
    const int scelta = Tra(0, 99);
    if (scelta < 20)
        return ScegliVoce(schermo);
    if (scelta < 50)
        return MuoviBarra(schermo.findChild<QScrollBar*>(QStringLiteral("HScroll1")));
    if (scelta < 62)
        return Premi(schermo.findChild<QWidget*>(QStringLiteral("Bocca")));
    if (scelta < 72)
        return Premi(schermo.findChild<QWidget*>(QStringLiteral("BottoneEsci")));
    return scelta < 92 ? ClicOvunque(schermo) : Tasto(schermo, 0);
}

// A click at a random point of the screen, on whatever lies there: mostly the
// left button, sometimes the right one, sometimes a double click.
Azione Scimmia::ClicOvunque(QWidget& schermo) {
    const QPoint punto(Tra(0, schermo.width() - 1), Tra(0, schermo.height() - 1));
    QWidget* w = schermo.childAt(punto);
    if (!w)
        w = &schermo;
    if (Tendina(w))
        return ScegliVoce(*schermo.window());
    const QPoint locale = w->mapFrom(&schermo, punto);
    const int modo = Tra(0, 9);
    const Qt::MouseButton tasto = modo == 0 ? Qt::RightButton : Qt::LeftButton;
    const bool doppio = modo == 1;
    Azione a{
        QStringLiteral("%1 %2 su %3 (%4, %5)")
            .arg(doppio ? QStringLiteral("doppio clic") : QStringLiteral("clic"),
                 tasto == Qt::LeftButton ? QStringLiteral("sinistro") : QStringLiteral("destro"),
                 Nome(w))
            .arg(locale.x())
            .arg(locale.y()),
        tasto == Qt::LeftButton ? Giudizi(w, doppio ? 2 : 1) : 0};
    const QPointer<QWidget> guardato(w);
    QTest::mouseClick(w, tasto, {}, locale);
    // The second click of a double click (press as a double click, release)
    // reaches the control only if the first left it on screen.
    if (doppio && guardato && guardato->isVisible()) {
        QTest::mouseDClick(w, tasto, {}, locale);
        if (guardato && guardato->isVisible())
            QTest::mouseRelease(w, tasto, {}, locale);
    }
    return a;
}

// A press of a control: a mouse click, or the space bar, as a child would.
Azione Scimmia::Premi(QWidget* controllo, int giudizi) {
    if (!controllo)
        return {QStringLiteral("controllo mancante")};
    if (Si(25) && !qobject_cast<QLabel*>(controllo) && controllo->objectName() != "Bocca") {
        QTest::keyClick(controllo, Qt::Key_Space);
        return {QStringLiteral("spazio su ") + Nome(controllo), giudizi};
    }
    QTest::mouseClick(controllo, Qt::LeftButton);
    return {QStringLiteral("clic su ") + Nome(controllo), giudizi};
}

// A key on a control that takes keys (or on the screen itself).
Azione Scimmia::Tasto(QWidget& schermo, int giudizi) {
    QList<QWidget*> controlli{&schermo};
    for (QWidget* w : schermo.findChildren<QWidget*>()) {
        if (w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(&schermo))
            controlli << w;
    }
    QWidget* w = controlli[Tra(0, int(controlli.size()) - 1)];
    static constexpr std::array tasti = {
        Qt::Key_Space,  Qt::Key_Return,   Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
        Qt::Key_Down,   Qt::Key_PageUp,   Qt::Key_Home, Qt::Key_End,   Qt::Key_Tab,
        Qt::Key_Escape, Qt::Key_PageDown, Qt::Key_A,    Qt::Key_I,
    };
    // A drop-down list opens its popup on the space bar: only its moves.
    const int ultimo = Tendina(w) ? 8 : int(tasti.size()) - 1;
    const Qt::Key tasto = tasti[std::size_t(Tra(Tendina(w) ? 2 : 0, ultimo))];
    const int possibili = tasto == Qt::Key_Space ? Giudizi(w, 1) : giudizi;
    QTest::keyClick(w, tasto);
    return {QStringLiteral("tasto %1 su %2").arg(int(tasto), 0, 16).arg(Nome(w)), possibili};
}

// A bar moved every way a child can: its arrows and groove with the mouse, a
// drag of the thumb, the wheel, the keyboard.
Azione Scimmia::MuoviBarra(QScrollBar* barra) {
    if (!barra)
        return {QStringLiteral("barra mancante")};
    const QString nome = Nome(barra);
    const int alto = barra->height() / 2;
    switch (Tra(0, 4)) {
    case 0: {
        const int x = Si(50) ? 2 : barra->width() - 3;
        QTest::mouseClick(barra, Qt::LeftButton, {}, QPoint(x, alto));
        return {QStringLiteral("freccia %1 di %2").arg(x < 3 ? "sinistra" : "destra", nome)};
    }
    case 1: {
        const QPoint punto(Tra(0, barra->width() - 1), alto);
        QTest::mouseClick(barra, Qt::LeftButton, {}, punto);
        return {QStringLiteral("clic su %1 a x=%2").arg(nome).arg(punto.x())};
    }
    case 2: {
        const QPoint da = Maniglia(*barra).center();
        const QPoint a(Tra(-20, barra->width() + 20), alto);
        QTest::mousePress(barra, Qt::LeftButton, {}, da);
        QTest::mouseMove(barra, a);
        QTest::mouseRelease(barra, Qt::LeftButton, {}, a);
        return {QStringLiteral("trascina %1 da x=%2 a x=%3").arg(nome).arg(da.x()).arg(a.x())};
    }
    case 3: {
        const int scatto = Si(50) ? 120 : -120;
        const QPointF centro = barra->rect().center();
        QWheelEvent ruota(centro, barra->mapToGlobal(centro), QPoint(), QPoint(0, scatto),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(barra, &ruota);
        return {QStringLiteral("rotella %1 su %2").arg(scatto).arg(nome)};
    }
    default: {
        static constexpr std::array tasti = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_Up,
                                             Qt::Key_Down,     Qt::Key_Home,  Qt::Key_End,
                                             Qt::Key_PageDown, Qt::Key_PageUp};
        const Qt::Key tasto = tasti[std::size_t(Tra(0, int(tasti.size()) - 1))];
        QTest::keyClick(barra, tasto);
        return {QStringLiteral("tasto %1 su %2").arg(int(tasto), 0, 16).arg(nome)};
    }
    }
}

// The bars dragged to the asked time, then, mostly, "Conferma".
Azione Scimmia::ImpostaRisposta(Sessione& sessione, SchermataEsercizio& schermo) {
    Azione a{LancetteSullaDomanda(schermo, sessione.contesto.ModoOre)};
    if (Si(70)) {
        a.descrizione += QStringLiteral(", Conferma");
        a.giudiziPossibili = 1;
        a.rispostaEsatta = true;
        QTest::mouseClick(schermo.findChild<QWidget*>(QStringLiteral("Command1")), Qt::LeftButton);
    }
    return a;
}

// A voice picked from the list, by keyboard or from the open list.
Azione Scimmia::ScegliVoce(QWidget& schermo) {
    auto* lista = schermo.findChild<QComboBox*>(QStringLiteral("Combo1"));
    if (!lista || lista->count() == 0)
        return {QStringLiteral("nessuna voce da scegliere")};
    if (Si(50)) {
        const Qt::Key tasto = Si(50) ? Qt::Key_Down : Qt::Key_Up;
        QTest::keyClick(lista, tasto);
        return {QStringLiteral("tasto %1 su Combo1").arg(tasto == Qt::Key_Down ? "giù" : "su")};
    }
    const int voce = Tra(0, lista->count() - 1);
    lista->setCurrentIndex(voce);
    return {QStringLiteral("sceglie la voce %1").arg(voce + 1)};
}
