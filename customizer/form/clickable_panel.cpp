#include "customizer/form/clickable_panel.h"

#include <QMouseEvent>
#include <QPainter>

namespace tikloom {

ClickablePanel::ClickablePanel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
}

void ClickablePanel::setSampleText(const QString& text) {
    SampleText = text;
    update();
}

void ClickablePanel::mousePressEvent(QMouseEvent* event) {
    Pressed = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void ClickablePanel::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release of the left button over the panel.
    const bool click = Pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    Pressed = false;
    QFrame::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void ClickablePanel::mouseDoubleClickEvent(QMouseEvent* event) {
    QFrame::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void ClickablePanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (SampleText.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter, SampleText);
}

} // namespace tikloom
