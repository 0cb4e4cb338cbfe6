// Entry of tikstyle, the customizer: one instance at a time, the main form on
// the program folder, and the general error report around everything.
#include "common/clock_link.h"
#include "common/program_info.h"
#include "common/program_layout.h"
#include "customizer/form/TTikloomCustomizer.h"
#include "customizer/form/customizer_application.h"
#include "customizer/form/form_icons.h"
#include "customizer/form/single_instance.h"

#include <QMessageBox>
#include <QScreen>
#include <exception>

namespace {

const QString kFormClass = QStringLiteral("TTikloomCustomizer");
constexpr int kAnotherInstanceExitCode = 1;

const char kUsage[] = "usage: tikstyle [--help] [--version]\n"
                      "The Tikloom customizer: picks, edits and saves the clock's themes and sets\n"
                      "its options; the running clock follows every change. A second start brings\n"
                      "the open customizer forward.\n";

void BringForward(QWidget* form) {
    form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    form->show();
    form->raise();
    form->activateWindow();
}

void CentreOnScreen(QWidget* form) {
    if (const QScreen* screen = form->screen()) {
        QRect frame = form->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        form->move(frame.topLeft());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (tikloom::AnswerInfoOption(argc, argv, "tikstyle", kUsage))
        return 0;
    // The application name is the window's class (WM_CLASS) by which the
    // desktop tells the customizer's windows apart.
    QCoreApplication::setApplicationName(kFormClass);
    tikloom::ProvideRuntimeFolder();
    tikloom::CustomizerApplication app(argc, argv);
    QGuiApplication::setWindowIcon(tikloom::ApplicationIcon());

    tikloom::SingleInstance instance(tikloom::LocalServerPath(kFormClass));
    if (instance.HandOverToRunningInstance())
        return kAnotherInstanceExitCode;

    try {
        tikloom::TTikloomCustomizer form(tikloom::CurrentLayout());
        QObject::connect(&instance, &tikloom::SingleInstance::activationRequested, &form,
                         [&form] { BringForward(&form); });
        CentreOnScreen(&form);
        form.show();
        app.exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, tikloom::CustomizerApplication::Title(),
                              QString::fromStdString(error.what()));
    }
    return 0;
}
