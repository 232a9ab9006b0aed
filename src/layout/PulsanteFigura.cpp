#include "layout/PulsanteFigura.h"

#include <QIcon>
#include <QStyleOptionButton>
#include <QStylePainter>

PulsanteFigura::PulsanteFigura(const QString& testo, const QString& figura, QWidget* parent)
    : QPushButton(testo, parent) {
    setIconSize(QSize(32, 32));
    if (!figura.isEmpty())
        setIcon(QIcon(figura));
}

QSize PulsanteFigura::sizeHint() const {
    const QSize testo = fontMetrics().size(Qt::TextShowMnemonic, text());
    const int altezzaFigura = icon().isNull() ? 0 : iconSize().height() + Spazio;
    return QSize(qMax(testo.width(), iconSize().width()), testo.height() + altezzaFigura) +
           QSize(16, 12);
}

void PulsanteFigura::paintEvent(QPaintEvent*) {
    QStylePainter pittore(this);
    QStyleOptionButton opzioni;
    initStyleOption(&opzioni);
    pittore.drawControl(QStyle::CE_PushButtonBevel, opzioni);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &opzioni, this);
    const int allineamento =
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
    const QRect testo = fontMetrics().boundingRect(area, allineamento, text());
    const bool conFigura = !icon().isNull();
    const int altezzaFigura = conFigura ? iconSize().height() + Spazio : 0;
    // Picture and caption together, centred in the button; a caption taller
    // than the room left starts right under the picture.
    const int alto = area.top() + qMax(0, (area.height() - altezzaFigura - testo.height()) / 2);

    if (conFigura) {
        const QRect posto(area.center().x() - iconSize().width() / 2, alto, iconSize().width(),
                          iconSize().height());
        icon().paint(&pittore, posto, Qt::AlignCenter,
                     isEnabled() ? QIcon::Normal : QIcon::Disabled);
    }
    const QRect postoTesto(area.left(), alto + altezzaFigura, area.width(),
                           area.bottom() - (alto + altezzaFigura) + 1);
    pittore.drawItemText(postoTesto, allineamento, palette(), isEnabled(), text(),
                         QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect fuoco;
        fuoco.initFrom(this);
        fuoco.rect = area;
        pittore.drawPrimitive(QStyle::PE_FrameFocusRect, fuoco);
    }
}
