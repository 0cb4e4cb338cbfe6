#pragma once
// An image preview: a surface that asks its owner to draw it and holds the
// path of the image it shows (relative to the program folder or absolute;
// empty = no image). It takes no mouse input, so double-clicks reach the
// panel around it. Its enabled state says whether the image is in use.

#include <QString>
#include <QWidget>

namespace tikloom {

class PaintBox : public QWidget {
    Q_OBJECT

public:
    explicit PaintBox(QWidget* parent = nullptr);

    QString ImagePath() const { return Path; }
    void SetImagePath(const QString& path);

signals:
    // Emitted from the paint event: a QPainter may be opened on the box.
    void paint();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString Path;
};

} // namespace tikloom
