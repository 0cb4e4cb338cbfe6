#include "customizer/form/customizer_application.h"

#include <QMessageBox>
#include <exception>

namespace tikloom {

// No application display name is set: the window system would add it to every
// window's caption, and message boxes must read "Error" or "Confirmation" alone.
CustomizerApplication::CustomizerApplication(int& argc, char** argv) : QApplication(argc, argv) {}

QString CustomizerApplication::Title() {
    return QStringLiteral("Tikloom Customizer");
}

bool CustomizerApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowError(QString::fromStdString(error.what()));
    } catch (...) {
        ShowError(QStringLiteral("An unexpected error occurred."));
    }
    return false;
}

void CustomizerApplication::ShowError(const QString& text) {
    if (ReportError) {
        ReportError(text);
        return;
    }
    QMessageBox::critical(activeWindow(), Title(), text);
}

} // namespace tikloom
