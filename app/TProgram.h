#pragma once

#include <memory>
#include <string>

class IDialogService;
class IPlatform;
class TDrive;
class TForm1;
class TForm2;

// The life of the program: both windows built in order, the intro window
// shown, the event loop, and the end once the intro window has closed.
class TProgram {
public:
    TProgram(const TDrive& drive, IPlatform& platform, IDialogService& dialogs);
    ~TProgram();

    // Builds Form1 (which makes the folders and takes the backups), then Form2,
    // then shows Form1. False after the start-up failure, once its box is shown.
    bool Start();
    // Start, then the event loop; the process's exit code.
    int Run();

    TForm1* Form1() const { return m_form1.get(); }
    TForm2* Form2() const { return m_form2.get(); }

    // The box text of an error that stops the program while its windows are built.
    static std::string ApplicationErrorText(const char* className, const std::string& module,
                                            const void* address, const std::string& message);

private:
    const TDrive& m_drive;
    IPlatform& m_platform;
    IDialogService& m_dialogs;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm2> m_form2;
};
