// The four image previews (background with its placement box, mask, overlay,
// hands with their guides), their switches, and picking or emptying images.
#include "customizer/form/TTikloomCustomizer.h"

#include "common/density_image.h"
#include "common/program_layout.h"
#include "common/regular_file.h"
#include "customizer/form/paint_box.h"
#include "customizer/helpers/relative_image_path.h"
#include "ui_TTikloomCustomizer.h"

#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QPainter>

namespace tikloom {

namespace {

const QColor kCheckerDark(0xCC, 0xCC, 0xCC);
const QColor kCheckerLight(0xFF, 0xFF, 0xFF);
const QColor kVeil(0x88, 0x88, 0x88, 0xEE);
const QColor kPlacementGuide(0x00, 0xAA, 0xFF, 0x66);
const QColor kHandsGuide(0xFF, 0x00, 0x00, 0x33);
constexpr int kCheckerSquare = 4;
constexpr double kPreviewUnitsPerPixel = 0.1; // the face's dimensions are tenths of a pixel
// A one-pixel line at coordinate c covers the pixel whose centre is c: pixel
// centres lie half a pixel in from Qt's grid lines.
constexpr double kPixelCentre = 0.5;

const QString kImageFilter = QStringLiteral(
    "Image Files (*.bmp *.gif *.jpeg *.jpg *.png *.tiff *.tif *.wmf *.emf *.ico);;All Files (*)");

void FillCheckerboard(QPainter& painter, const QRectF& area) {
    // At the form's pixel ratio, so the squares keep sharp edges.
    const qreal ratio = painter.device()->devicePixelRatioF();
    QPixmap tile(QSize(2 * kCheckerSquare, 2 * kCheckerSquare) * ratio);
    tile.setDevicePixelRatio(ratio);
    tile.fill(kCheckerLight);
    {
        QPainter tilePainter(&tile);
        tilePainter.fillRect(0, 0, kCheckerSquare, kCheckerSquare, kCheckerDark);
        tilePainter.fillRect(kCheckerSquare, kCheckerSquare, kCheckerSquare, kCheckerSquare,
                             kCheckerDark);
    }
    painter.fillRect(area, QBrush(tile));
}

// The slot's image, or a null image when the slot is empty or the file cannot
// be read. On a form of a higher pixel ratio, from the image's @2x file where
// there is one, as the clock shows it there.
QImage LoadSlotImage(const QStringList& folders, const QString& slotPath, const QWidget* form) {
    if (slotPath.isEmpty())
        return QImage();
    QFile file;
    if (!OpenRegularFile(
            file, DensityImagePath(ResolveImagePath(folders, slotPath), form->devicePixelRatioF())))
        return QImage();
    QImageReader reader(&file);
    return reader.read();
}

void DrawGuide(QPainter& painter, double x1, double y1, double x2, double y2) {
    painter.drawLine(QPointF(x1 + kPixelCentre, y1 + kPixelCentre),
                     QPointF(x2 + kPixelCentre, y2 + kPixelCentre));
}

// Mask, overlay and hands: checkerboard, the image stretched over the whole
// preview, and the veil while the image is switched off.
void DrawStretchedPreview(QPainter& painter, const PaintBox* box, const QImage& image) {
    const QRectF whole(0, 0, box->width(), box->height());
    FillCheckerboard(painter, whole);
    if (!image.isNull())
        painter.drawImage(whole, image);
    if (!box->isEnabled())
        painter.fillRect(whole, kVeil);
}

} // namespace

void TTikloomCustomizer::RedrawPreviews() {
    for (PaintBox* box :
         {ui->pbBackgroundImage, ui->pbMaskImage, ui->pbOverlayImage, ui->pbHandsImage})
        box->update();
}

void TTikloomCustomizer::pbBackgroundImagePaint() {
    PaintBox* box = ui->pbBackgroundImage;
    const QImage image = LoadSlotImage(EditorImageFolders(), box->ImagePath(), box);
    QPainter painter(box);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    const double left = ui->txtBackgroundImageLeft->value() * kPreviewUnitsPerPixel;
    const double top = ui->txtBackgroundImageTop->value() * kPreviewUnitsPerPixel;
    double width = ui->txtBackgroundImageWidth->value() * kPreviewUnitsPerPixel;
    double height = ui->txtBackgroundImageHeight->value() * kPreviewUnitsPerPixel;
    double imageWidth = image.isNull() ? 0.0 : image.width();
    double imageHeight = image.isNull() ? 0.0 : image.height();
    // A size of 0 counts as 1, so that no ratio divides by zero.
    for (double* size : {&width, &height, &imageWidth, &imageHeight})
        if (*size == 0.0)
            *size = 1.0;

    QRectF target(left, top, width, height);
    if (ui->chkBackgroundKeepAspectRatio->isChecked()) {
        // Cover the box, centred on it, overflowing along one axis.
        if (height / width - imageHeight / imageWidth >= 0.0) {
            const double drawnWidth = height * imageWidth / imageHeight;
            target = QRectF(left - (drawnWidth - width) * 0.5, top, drawnWidth, height);
        } else {
            const double drawnHeight = width * imageHeight / imageWidth;
            target = QRectF(left, top - (drawnHeight - height) * 0.5, width, drawnHeight);
        }
    }

    const double side = box->width();
    FillCheckerboard(painter, QRectF(0, 0, side, box->height()));
    if (!image.isNull())
        painter.drawImage(target, image);

    painter.setPen(QPen(kPlacementGuide, 1.0));
    DrawGuide(painter, left - 1.0, 0.0, left - 1.0, side);
    DrawGuide(painter, left + width, 0.0, left + width, side);
    DrawGuide(painter, 0.0, top - 1.0, side, top - 1.0);
    DrawGuide(painter, 0.0, top + height, side, top + height);
}

void TTikloomCustomizer::pbImagesPaint() {
    auto* box = qobject_cast<PaintBox*>(sender());
    if (!box)
        return;
    const QImage image = LoadSlotImage(EditorImageFolders(), box->ImagePath(), box);
    QPainter painter(box);
    DrawStretchedPreview(painter, box, image);
}

void TTikloomCustomizer::pbHandsImagePaint() {
    PaintBox* box = ui->pbHandsImage;
    const QImage image = LoadSlotImage(EditorImageFolders(), box->ImagePath(), box);
    QPainter painter(box);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    DrawStretchedPreview(painter, box, image);
    // The pivot at two thirds of the height and the axes of the three hand
    // columns (hour, minute, second).
    const double side = box->width();
    painter.setPen(QPen(kHandsGuide, 1.0));
    DrawGuide(painter, 0.0, side * 2.0 / 3.0 - 0.5, side, side * 2.0 / 3.0 - 0.5);
    for (const int column : {0, 1, 2}) {
        const double axis = side * (2 * column + 1) / 6.0 - 0.5;
        DrawGuide(painter, axis, 0.0, axis, side);
    }
}

void TTikloomCustomizer::txtBackgroundImageDimensionsChange() {
    ui->pbBackgroundImage->update();
}

void TTikloomCustomizer::chkBackgroundKeepAspectRatioClick() {
    ui->pbBackgroundImage->update();
}

void TTikloomCustomizer::chkUseMaskImageClick() {
    const bool on = ui->chkUseMaskImage->isChecked();
    ui->pbMaskImage->setEnabled(on);
    ui->cmdMaskImageOpen->setEnabled(on);
    ui->pbMaskImage->update();
}

void TTikloomCustomizer::chkUseOverlayImageClick() {
    const bool on = ui->chkUseOverlayImage->isChecked();
    ui->pbOverlayImage->setEnabled(on);
    ui->cmdOverlayImageOpen->setEnabled(on);
    ui->pbOverlayImage->update();
}

void TTikloomCustomizer::grpHandsTypeClick() {
    // A change of the enabled state redraws the preview (PaintBox::changeEvent).
    const bool image = ui->grpHandsTypeImage->isChecked();
    ui->pbHandsImage->setEnabled(image);
    ui->cmdHandsImageOpen->setEnabled(image);
}

void TTikloomCustomizer::cmdOpenImageClick() {
    PaintBox* target = ui->pbHandsImage;
    if (sender() == ui->cmdBackgroundImageOpen)
        target = ui->pbBackgroundImage;
    else if (sender() == ui->cmdMaskImageOpen)
        target = ui->pbMaskImage;
    else if (sender() == ui->cmdOverlayImageOpen)
        target = ui->pbOverlayImage;

    QString chosen;
    if (Hooks.openImageFile)
        chosen = Hooks.openImageFile();
    else
        chosen = QFileDialog::getOpenFileName(this, QString(), LastOpenedImage, kImageFilter);
    if (chosen.isEmpty())
        return;
    LastOpenedImage = chosen;
    target->SetImagePath(StoredImagePath(ThemeRoots(Layout), chosen));
}

PaintBox* TTikloomCustomizer::PreviewOfPanel(const QObject* panel) const {
    if (panel == ui->pnlBackgroundImage)
        return ui->pbBackgroundImage;
    if (panel == ui->pnlMaskImage)
        return ui->pbMaskImage;
    if (panel == ui->pnlOverlayImage)
        return ui->pbOverlayImage;
    if (panel == ui->pnlHandsImage)
        return ui->pbHandsImage;
    return nullptr;
}

void TTikloomCustomizer::pnlImageDblClick() {
    PaintBox* preview = PreviewOfPanel(sender());
    if (!preview)
        return;
    preview->SetImagePath(QString());
    Beep();
}

} // namespace tikloom
