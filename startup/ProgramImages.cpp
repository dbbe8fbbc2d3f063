#include "startup/ProgramImages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

namespace {

const QColor BackgroundBlue(4, 54, 143);
const QColor DarkBlue(2, 28, 82);

// A sheet of a declaration: ruled lines and a column of figures.
void DrawLeaf(QPainter& painter, const QRectF& folha, qreal angulo, int opacidade) {
    painter.save();
    painter.translate(folha.center());
    painter.rotate(angulo);
    painter.translate(-folha.width() / 2, -folha.height() / 2);
    const QRectF local(0, 0, folha.width(), folha.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, opacidade));
    painter.drawRoundedRect(local, 6, 6);
    painter.setPen(QPen(QColor(255, 255, 255, opacidade + 25), 1.2));
    const qreal margem = folha.width() * 0.1;
    for (qreal y = folha.height() * 0.18; y < folha.height() * 0.9; y += folha.height() / 14)
        painter.drawLine(QPointF(margem, y), QPointF(folha.width() - margem, y));
    painter.drawLine(QPointF(folha.width() * 0.65, folha.height() * 0.12),
                     QPointF(folha.width() * 0.65, folha.height() * 0.92));
    painter.restore();
}

} // namespace

QPixmap MainBackground(const QSize& size) {
    QPixmap picture(size.expandedTo(QSize(1, 1)));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = picture.rect();

    QLinearGradient ceu(area.topLeft(), area.bottomRight());
    ceu.setColorAt(0.0, BackgroundBlue.lighter(125));
    ceu.setColorAt(0.55, BackgroundBlue);
    ceu.setColorAt(1.0, DarkBlue);
    painter.fillRect(area, ceu);

    QRadialGradient brilho(area.width() * 0.72, area.height() * 0.55, area.width() * 0.45);
    brilho.setColorAt(0.0, QColor(255, 255, 255, 40));
    brilho.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(area, brilho);

    // A sweep of light across the lower half.
    QPainterPath faixa;
    faixa.moveTo(0, area.height() * 0.78);
    faixa.cubicTo(area.width() * 0.3, area.height() * 0.62, area.width() * 0.6, area.height() * 0.95,
                  area.width(), area.height() * 0.70);
    faixa.lineTo(area.width(), area.height() * 0.78);
    faixa.cubicTo(area.width() * 0.6, area.height() * 1.02, area.width() * 0.3, area.height() * 0.70, 0,
                  area.height() * 0.86);
    faixa.closeSubpath();
    painter.fillPath(faixa, QColor(255, 255, 255, 28));

    const qreal lado = std::min(area.width(), area.height()) * 0.34;
    const QPointF centro(area.width() * 0.72, area.height() * 0.52);
    DrawLeaf(painter, QRectF(centro.x() - lado * 0.9, centro.y() - lado * 0.6, lado * 0.75, lado), -12, 22);
    DrawLeaf(painter, QRectF(centro.x() - lado * 0.35, centro.y() - lado * 0.55, lado * 0.75, lado), 4, 30);
    DrawLeaf(painter, QRectF(centro.x() + lado * 0.2, centro.y() - lado * 0.5, lado * 0.75, lado), 16, 22);
    return picture;
}

QPixmap SplashBackground() {
    QPixmap picture(424, 249);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(0, 0, MainBackground(picture.size()));
    painter.setPen(QPen(QColor(255, 255, 255, 120), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(picture.rect()).adjusted(1, 1, -1, -1));
    return picture;
}

QIcon ProgramIcon() {
    QIcon icone;
    for (const int lado : {16, 32, 48}) {
        QPixmap imagem(lado, lado);
        imagem.fill(Qt::transparent);
        QPainter painter(&imagem);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal u = lado / 16.0;
        painter.setPen(Qt::NoPen);
        painter.setBrush(BackgroundBlue);
        painter.drawRoundedRect(QRectF(0, 0, lado, lado), 3 * u, 3 * u);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(3.5 * u, 2 * u, 9 * u, 12 * u));
        painter.setBrush(QColor(250, 196, 0));
        painter.drawRect(QRectF(3.5 * u, 2 * u, 9 * u, 2.5 * u));
        painter.setPen(QPen(DarkBlue, std::max<qreal>(1, 0.8 * u)));
        for (const qreal y : {6.5, 8.5, 10.5, 12.5})
            painter.drawLine(QPointF(5 * u, y * u), QPointF(11 * u, y * u));
        painter.end();
        icone.addPixmap(imagem);
    }
    return icone;
}
