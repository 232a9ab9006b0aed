#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

// Counts the paint events that reach the widgets it watches, so that a timed
// step can tell whether the repaint it asked for really happened inside the
// timing.
class ContaDisegni : public QObject {
public:
    void Osserva(QWidget* widget) {
        if (widget)
            widget->installEventFilter(this);
    }
    int Disegni() const { return disegni_; }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint)
            ++disegni_;
        return QObject::eventFilter(oggetto, evento);
    }

private:
    int disegni_ = 0;
};
