#pragma once

#include "shell/CachedLabel.h"

namespace orbika {

// A label that opens something when clicked: the banners and offers of every window. It takes
// keyboard focus and answers Enter and Space too, so the links are not mouse-only.
class LinkLabel : public CachedLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& objectName, const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orbika
