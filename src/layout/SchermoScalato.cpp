#include "layout/SchermoScalato.h"

#include <QShowEvent>

void SchermoScalato::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void SchermoScalato::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Ridimensionato();
}
