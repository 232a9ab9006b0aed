#include "exercises/Figure.h"

#include <QGuiApplication>
#include <QPainter>

QString PercorsoFigura(const QString& nome) {
    return QStringLiteral(":/immagini/%1.svg").arg(nome);
}

QCursor CursoreManina() {
    // Drawn on a 32 x 32 grid with the fingertip at (11, 1).
    QSvgRenderer figura(PercorsoFigura(QStringLiteral("manina")));
    if (!figura.isValid())
        return QCursor(Qt::PointingHandCursor);
    const qreal densita = qGuiApp->devicePixelRatio();
    QPixmap immagine(QSize(32, 32) * densita);
    immagine.fill(Qt::transparent);
    {
        QPainter p(&immagine);
        p.setRenderHint(QPainter::Antialiasing);
        figura.render(&p);
    }
    immagine.setDevicePixelRatio(densita);
    return QCursor(immagine, 11, 1);
}

ImmagineSvg::ImmagineSvg(const QString& nome, QWidget* parent)
    : QWidget(parent), figura_(PercorsoFigura(nome)) {}

void ImmagineSvg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    figura_.render(&p, QRectF(rect()));
}
