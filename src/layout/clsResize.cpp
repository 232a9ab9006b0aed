#include "layout/clsResize.h"

#include "layout/SelezioneTag.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <cmath>

namespace {

// The controls of a screen, in the order they were created.
QList<QWidget*> Controlli(const QWidget& schermo) {
    QList<QWidget*> controlli;
    for (QWidget* figlio : schermo.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!figlio->isWindow())
            controlli.append(figlio);
    }
    return controlli;
}

constexpr const char* Estremi[4] = {"X1", "Y1", "X2", "Y2"};

bool ELinea(const QWidget& controllo) {
    for (const char* nome : Estremi) {
        if (!controllo.property(nome).isValid())
            return false;
    }
    return true;
}

// A line end as a whole number; one that cannot be read counts as 0.
int LeggiEstremo(const QWidget& controllo, const char* nome) {
    bool ok = false;
    const double valore = controllo.property(nome).toDouble(&ok);
    return ok ? qRound(valore) : 0;
}

// Sets a line end, rounded when the property holds whole numbers. False when
// the control refuses the value (a read-only or mistyped property).
bool ImpostaEstremo(QWidget& controllo, const char* nome, double valore) {
    const QVariant attuale = controllo.property(nome);
    const int tipo = attuale.metaType().id();
    if (tipo == QMetaType::Double || tipo == QMetaType::Float)
        return controllo.setProperty(nome, valore);
    QVariant arrotondato(qRound(valore));
    if (!arrotondato.convert(attuale.metaType()))
        return false;
    return controllo.setProperty(nome, arrotondato);
}

// Holds off painting of a screen while it is alive; painting comes back on
// whatever way the scaling pass ends, unless it was already off before.
class SenzaDisegno {
public:
    explicit SenzaDisegno(QWidget& schermo)
        : schermo_(&schermo), eraAttivo_(schermo.updatesEnabled()) {
        schermo.setUpdatesEnabled(false);
    }
    ~SenzaDisegno() {
        if (schermo_ && eraAttivo_)
            schermo_->setUpdatesEnabled(true);
    }
    SenzaDisegno(const SenzaDisegno&) = delete;
    SenzaDisegno& operator=(const SenzaDisegno&) = delete;

private:
    QPointer<QWidget> schermo_;
    bool eraAttivo_;
};

void ScalaLinea(QWidget& linea, const ControlLayout& r, SelezioneTag s, double rx, double ry) {
    // A value the line refuses is skipped; its other ends are still set.
    if (s.L)
        ImpostaEstremo(linea, "X1", r.Left * rx);
    if (s.T)
        ImpostaEstremo(linea, "Y1", r.Top * ry);
    if (s.W)
        ImpostaEstremo(linea, "X2", r.Width * rx);
    if (s.H)
        ImpostaEstremo(linea, "Y2", r.Height * ry);
}

void ScalaControllo(QWidget& c, const ControlLayout& r, SelezioneTag s, double rx, double ry) {
    const QRect attuale = c.geometry();
    // A width or height the control keeps fixed (a drop-down list's height)
    // cannot be set: it stays, and the control still moves and stretches.
    const bool larghezzaFissa = c.minimumWidth() == c.maximumWidth();
    const bool altezzaFissa = c.minimumHeight() == c.maximumHeight();
    const int x = s.L ? qRound(r.Left * rx) : attuale.x();
    const int y = s.T ? qRound(r.Top * ry) : attuale.y();
    const int w = s.W && !larghezzaFissa ? qRound(r.Width * rx) : attuale.width();
    const int h = s.H && !altezzaFissa ? qRound(r.Height * ry) : attuale.height();
    c.setGeometry(x, y, w, h);
}

} // namespace

clsResize::~clsResize() {
    controlliRegistrati_.clear();
    schermo_.clear();
}

void clsResize::SetSourceForm(QWidget* schermo) {
    schermo_ = schermo;
}

void clsResize::ReInitialise() {
    Registra();
}

void clsResize::Registra() {
    controlliRegistrati_.clear();
    if (!schermo_)
        return;
    larghezzaRegistrata_ = schermo_->width();
    altezzaRegistrata_ = schermo_->height();
    for (QWidget* controllo : Controlli(*schermo_)) {
        ControlLayout r;
        r.Control = controllo;
        if (ELinea(*controllo)) {
            r.Left = LeggiEstremo(*controllo, "X1");
            r.Top = LeggiEstremo(*controllo, "Y1");
            r.Width = LeggiEstremo(*controllo, "X2");
            r.Height = LeggiEstremo(*controllo, "Y2");
        } else {
            const QRect g = controllo->geometry();
            r.Left = g.x();
            r.Top = g.y();
            r.Width = g.width();
            r.Height = g.height();
        }
        controlliRegistrati_.append(r);
    }
    daRegistrare_ = false;
}

void clsResize::SizeFormToScreen(quint8 percentuale) {
    if (!schermo_)
        return;
    if (daRegistrare_)
        Registra();
    QScreen* display = schermo_->screen() ? schermo_->screen() : QGuiApplication::primaryScreen();
    if (display) {
        const QRect area = display->availableGeometry();
        const double quota = percentuale / 100.0;
        const int altezza = int(std::floor(quota * area.height()));
        const int larghezza = int(std::floor(quota * area.width()));
        schermo_->move(area.left() + (area.width() - larghezza) / 2,
                       area.top() + (area.height() - altezza) / 2);
        schermo_->resize(schermo_->width(), altezza);
        schermo_->resize(larghezza, altezza);
    }
    ResizeControls();
}

void clsResize::ResizeControls() {
    if (!schermo_ || Controlli(*schermo_).isEmpty())
        return;
    if (schermo_->isMinimized())
        return;
    if (daRegistrare_) {
        Registra();
        return;
    }
    // A layout recorded at no size gives no ratio to scale by.
    if (larghezzaRegistrata_ <= 0 || altezzaRegistrata_ <= 0)
        return;

    const SenzaDisegno blocco(*schermo_);
    const double ry = double(schermo_->height()) / altezzaRegistrata_;
    const double rx = double(schermo_->width()) / larghezzaRegistrata_;
    for (const ControlLayout& r : std::as_const(controlliRegistrati_)) {
        QWidget* controllo = r.Control;
        if (!controllo) // removed since it was recorded
            continue;
        const SelezioneTag s = LeggiTag(controllo->property("Tag").toString());
        if (ELinea(*controllo))
            ScalaLinea(*controllo, r, s, rx, ry);
        else
            ScalaControllo(*controllo, r, s, rx, ry);
    }
}
