// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Forms.h"

#include "catalogue/Maker.h"
#include "forms/Unit1.h"
#include "forms/Unit16.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "forms/Unit4.h"
#include "forms/Unit5.h"
#include "forms/Unit6.h"
#include "forms/Unit7.h"
#include "toolkit/EndSignals.h"
#include "toolkit/Environment.h"
#include "toolkit/ExceptionDisplay.h"
#include "toolkit/FirstShow.h"
#include "toolkit/Services.h"
#include "toolkit/Text.h"
#include "toolkit/WindowFrame.h"

#include <QByteArray>
#include <exception>

namespace numislot {

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;
TForm6* Form6 = nullptr;
TForm7* Form7 = nullptr;
TForm16* Form16 = nullptr;

namespace {

// What the main window's first frame needs: the window itself, the splash over it and the windows that
// its buttons and close box open.
void createFirstForms(toolkit::Services& services)
{
    Form1 = new TForm1(services);
    Form2 = new TForm2(Form1);
    Form3 = new TForm3(services, Form1);
    Form4 = new TForm4(Form1);
    Form5 = new TForm5(Form1);
    Form1->setLinks({ Form2, Form3, Form4, Form5 });
}

// The gallery's 128 pictures and the catalogue's print pages, nearly a tenth of the start-up's work.
void createLaterForms(toolkit::Services& services)
{
    Form7 = new TForm7;
    Form6 = new TForm6(services);
    Form16 = new TForm16;

    Form4->setGallery(Form16);
    Form16->setMainWindow(Form1);
    Form6->setPages(Form7, Form16);
    Form16->setPrintPages(Form6);
    Form1->setLinks({ Form2, Form3, Form4, Form5, Form6, Form7, Form16 });
}

} // namespace

void createForms(toolkit::Services& services)
{
    createFirstForms(services);
    createLaterForms(services);
}

void destroyForms()
{
    // Each by name, so the order does not hang on which of them Form1 owns.
    delete Form16;
    delete Form6;
    delete Form5;
    delete Form4;
    delete Form3;
    delete Form7;
    delete Form2;
    delete Form1;
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form5 = nullptr;
    Form6 = nullptr;
    Form7 = nullptr;
    Form16 = nullptr;
}

namespace {

bool choosePlatform()
{
    // The windows are placed by the program (splash over the main window, prompts centred on it, no
    // title-bar buttons on the detail window), which a Wayland compositor does not let a client do.
    // Every Wayland session has an X server through XWayland, so X11 comes first when one is named,
    // Wayland second should it not answer. Without one Qt picks Wayland itself; a platform the user
    // chose is kept.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb;wayland"));
    return true;
}

} // namespace

int runApplication(int& argc, char** argv, toolkit::Services& services)
{
    const bool platformChosen = choosePlatform();
    toolkit::installFontSubstitutes();
    toolkit::Application application(argc, argv);
    // The choice was this program's own: the mail program or browser it starts makes its own.
    if (platformChosen)
        qunsetenv("QT_QPA_PLATFORM");
    application.setServices(&services);
    services.setApplicationTitle(toolkit::qs(catalogue::ApplicationTitle));
    // Lets the desktop match the windows to the installed entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(NUMISLOT_APP_ID));
    toolkit::installFrenchTranslations(application);
    // The application's font stays the desktop's, for Qt's own dialogs (file, print, message box); each
    // designed window sets its form font itself.

    // Before the windows: a signal that comes meanwhile waits for the loop.
    toolkit::EndSignals endSignals;
    try {
        createFirstForms(services);
        QObject::connect(&endSignals, &toolkit::EndSignals::received, Form1, &TForm1::endProgram);
        QObject::connect(&application, &toolkit::Application::quitRequested, Form1, &TForm1::platformQuit);
        // The windows are placed by their frames, which the window manager tells before they are shown.
        toolkit::askFrames({ Form1, Form2, Form3, Form4, Form5 }, [] { Form1->show(); });
        // Nothing can open them before the user sees the main window.
        toolkit::afterFirstPaint(Form1, [&services] {
            createLaterForms(services);
            toolkit::askFrames({ Form16 }, [] {});
        });
        application.exec();
    } catch (const std::exception& error) {
        services.showException(toolkit::exceptionDisplayText(QString::fromLocal8Bit(error.what())));
    }
    destroyForms();
    return 0;
}

} // namespace numislot
