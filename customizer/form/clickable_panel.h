#pragma once
// A lowered panel that reports clicks and double-clicks: the colour swatches
// (their background is the colour), the font samples (their font is the font,
// drawn with a sample text) and the hosts of the image previews.

#include <QFrame>
#include <QString>

namespace tikloom {

class ClickablePanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString sampleText READ sampleText WRITE setSampleText)

public:
    explicit ClickablePanel(QWidget* parent = nullptr);

    QString sampleText() const { return SampleText; }
    void setSampleText(const QString& text);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString SampleText;
    bool Pressed = false;
};

} // namespace tikloom
