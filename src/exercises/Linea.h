#pragma once

#include <QColor>
#include <QWidget>

// A straight line drawn between two points of its parent, like the guide
// lines under the dial. The end points X1, Y1, X2, Y2 are in the parent's
// logical pixels; the widget keeps its own geometry around them, so whoever
// moves the ends (the screen, a layout scaler through the properties) moves
// the line. It takes no clicks: what lies beneath stays clickable.
class Linea : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int X1 READ X1 WRITE setX1)
    Q_PROPERTY(int Y1 READ Y1 WRITE setY1)
    Q_PROPERTY(int X2 READ X2 WRITE setX2)
    Q_PROPERTY(int Y2 READ Y2 WRITE setY2)
public:
    Linea(QColor colore, int larghezza, QWidget* parent = nullptr);

    int X1() const { return x1_; }
    int Y1() const { return y1_; }
    int X2() const { return x2_; }
    int Y2() const { return y2_; }
    void setX1(int v);
    void setY1(int v);
    void setX2(int v);
    void setY2(int v);
    void ImpostaEstremi(QPoint da, QPoint a);

    QColor Colore() const { return colore_; }
    int Larghezza() const { return larghezza_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Riposiziona();

    QColor colore_;
    int larghezza_;
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};
