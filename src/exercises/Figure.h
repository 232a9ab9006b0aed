#pragma once

#include <QCursor>
#include <QSvgRenderer>
#include <QWidget>

// The exercise screens' pictures: SVG drawings compiled in as resources and
// painted at whatever size and pixel density the control has.

// ":/immagini/<nome>.svg"
QString PercorsoFigura(const QString& nome);

// The pointing hand the buttons show under the mouse.
QCursor CursoreManina();

// A picture stretched to the control (the plate, the two faces).
class ImmagineSvg : public QWidget {
    Q_OBJECT
public:
    ImmagineSvg(const QString& nome, QWidget* parent = nullptr);
    bool Caricata() const { return figura_.isValid(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer figura_;
};
