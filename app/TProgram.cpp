#include "TProgram.h"

#include "EReadError.h"
#include "IDialogService.h"
#include "Unit1.h"
#include "Unit2.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>
#include <dlfcn.h>

TProgram::TProgram(const TDrive& drive, IPlatform& platform, IDialogService& dialogs)
    : m_drive(drive), m_platform(platform), m_dialogs(dialogs) {}

TProgram::~TProgram() {
    // Form2 holds operations on the platform that Form1 also uses; both go together.
    m_form2.reset();
    m_form1.reset();
}

std::string TProgram::ApplicationErrorText(const char* className, const std::string& module,
                                           const void* address, const std::string& message) {
    // The offset of the address within the program, as the toolkit's box gives it.
    std::uintptr_t offset = reinterpret_cast<std::uintptr_t>(address);
    Dl_info info{};
    if (address && dladdr(address, &info) && info.dli_fbase)
        offset -= reinterpret_cast<std::uintptr_t>(info.dli_fbase);
    char where[32];
    std::snprintf(where, sizeof where, "%08lX", static_cast<unsigned long>(offset));
    std::string text = std::string("Exception ") + className + " in module " + module + " at " +
                       where + ".\n" + message;
    if (text.empty() || text.back() != '.')
        text += '.';
    return text;
}

bool TProgram::Start() {
    m_form1 = std::make_unique<TForm1>(m_platform, m_dialogs);
    try {
        m_form2 = std::make_unique<TForm2>(m_drive, m_platform, m_dialogs);
    } catch (const EReadError& error) {
        const std::string module =
            QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
        m_dialogs.ShowMessageBox(
            "Application Error",
            ApplicationErrorText(error.ClassName(), module, error.Address(), error.what()),
            miStop);
        // Neither window was shown and Form1 never closes: the live files keep
        // their attributes.
        m_form1.reset();
        return false;
    }
    m_form1->SetForm2(m_form2.get());
    m_form2->SetCloseForm1([this] { m_form1->close(); });
    // Ends the event loop without closing the other windows first, as quit()
    // would: the main window's close handler runs only when it is closed itself.
    QObject::connect(
        m_form1.get(), &TForm1::Closed, qApp, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    m_form1->show();
    m_form1->raise();
    m_form1->activateWindow();
    return true;
}

int TProgram::Run() {
    if (!Start())
        return 1;
    QApplication::exec();
    return 0;
}
