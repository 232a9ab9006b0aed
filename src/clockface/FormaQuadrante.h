#pragma once

#include <QColor>
#include <QWidget>

// A circle fixed on the dial (the rim Shape1, the hub Shape2): the largest
// circle that fits its box, centred in it, either as an outline or as a
// filled disc. It takes no clicks, so targets beneath it stay clickable.
class FormaQuadrante : public QWidget {
public:
    enum class Stile { Contorno, Disco };

    FormaQuadrante(Stile stile, QColor colore, int spessore, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Stile stile_;
    QColor colore_;
    int spessore_;
};
