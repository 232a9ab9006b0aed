#pragma once

#include <QWidget>

class MotoreVoce;

// The talking mouth every talking screen carries: a view of the program's
// speech engine, which the screens speak through. It opens and closes with
// the loudness of the voice being played, and is shut while the engine is
// silent. Clicking it emits Click().
class Bocca : public QWidget {
    Q_OBJECT
public:
    explicit Bocca(MotoreVoce& motore, QWidget* parent = nullptr);
    ~Bocca() override;

    QSize sizeHint() const override;

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SeguiLivello(float livello);

    float apertura_ = 0.0f; // 0 closed .. 1 wide open
};
