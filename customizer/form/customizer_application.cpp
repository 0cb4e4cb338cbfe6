#include "customizer/form/customizer_application.h"

#include <QMessageBox>
#include <exception>

namespace tikloom {

CustomizerApplication::CustomizerApplication(int& argc, char** argv) : QApplication(argc, argv) {}

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
    QMessageBox::critical(activeWindow(), applicationDisplayName(), text);
}

} // namespace tikloom
