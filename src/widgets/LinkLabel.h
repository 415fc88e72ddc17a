#pragma once

#include "widgets/CachedLabel.h"

namespace orbika {

// A label that opens something when clicked: the banners and offers of every window. It takes
// keyboard focus and answers Enter and Space too, so the links are not mouse-only.
class LinkLabel : public CachedLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& objectName, const QString& text, QWidget* parent = nullptr);

    // What a click does; also the accessible "press" action.
    void activate() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The link colour of the palette around the label, lightened where a dark background needs
    // it.
    void followPalette();

    bool m_followingPalette = false;
};

} // namespace orbika
