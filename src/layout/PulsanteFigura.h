#pragma once

#include <QPushButton>

// A button that shows a picture above its caption, the caption wrapped onto
// as many lines as the button's width needs, the whole centred. The screens'
// buttons are stretched with the display while their fonts stay, so a long
// caption ("Ore e mezz'ore - una lancetta") must be free to wrap.
class PulsanteFigura : public QPushButton {
    Q_OBJECT
public:
    // `figura` is a picture resource (":/immagini/....svg"), or empty for a
    // caption alone. The picture is drawn 32 x 32.
    explicit PulsanteFigura(const QString& testo, const QString& figura = {},
                            QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int Spazio = 4; // between the picture and the caption
};
