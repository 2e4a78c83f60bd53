#pragma once

#include <QIconEngine>
#include <QStringList>

namespace kilnward::editor {

// Draws one or more SVG images on top of each other at whatever size and scale is asked
// for, so icons stay crisp on high-DPI screens; a parameter icon with its overlay mark is
// the icon's image with the overlay image drawn over it.
class SvgIconEngine : public QIconEngine {
  public:
    explicit SvgIconEngine(QStringList layers);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QIconEngine* clone() const override;
    QString key() const override;
    bool isNull() override;

  private:
    QStringList layers_;
};

}  // namespace kilnward::editor
