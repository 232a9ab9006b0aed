#include "layout/SchermoScalato.h"

#include <QShowEvent>

SchermoScalato::SchermoScalato(std::unique_ptr<clsResize>& ridimensiona, QWidget* parent)
    : QWidget(parent), ridimensiona_(ridimensiona) {}

void SchermoScalato::CaricaRidimensiona() {
    NuovoRidimensiona(ridimensiona_, *this);
}

void SchermoScalato::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void SchermoScalato::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    RidimensionaSeMio(ridimensiona_, *this);
}
