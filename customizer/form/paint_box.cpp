#include "customizer/form/paint_box.h"

#include <QEvent>

namespace tikloom {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::SetImagePath(const QString& path) {
    Path = path;
    update();
}

void PaintBox::paintEvent(QPaintEvent* /*event*/) {
    emit paint();
}

void PaintBox::changeEvent(QEvent* event) {
    // The veil over a switched-off preview follows the enabled state.
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

} // namespace tikloom
