#include "editor/SvgIconEngine.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <utility>

namespace kilnward::editor {

SvgIconEngine::SvgIconEngine(QStringList layers) : layers_(std::move(layers)) {}

void SvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                          QIcon::State state) {
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
}

QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap SvgIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State /*state*/,
                                    qreal scale) {
    QPixmap pixmap(size * scale);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        for (const QString& layer : std::as_const(layers_)) {
            QSvgRenderer renderer(layer);
            renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
        }
    }
    pixmap.setDevicePixelRatio(scale);
    if (mode == QIcon::Disabled) {
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(QIcon::Disabled, pixmap, &option);
    }
    return pixmap;
}

QIconEngine* SvgIconEngine::clone() const {
    return new SvgIconEngine(layers_);
}

QString SvgIconEngine::key() const {
    return QStringLiteral("kilnward-svg-layers");
}

bool SvgIconEngine::isNull() {
    return layers_.isEmpty();
}

}  // namespace kilnward::editor
