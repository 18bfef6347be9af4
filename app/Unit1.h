#pragma once

#include <QWidget>

#include <functional>

class IDialogService;
class IPlatform;
class QPushButton;
class TImage;

// The intro window: a borderless picture; a click on it enters the main window.
// It is the program's main form: closing it ends the program.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Builds the window hidden and runs FormCreate as the last step.
    TForm1(IPlatform& platform, IDialogService& dialogs);

    // The main window that a click on the picture shows.
    void SetForm2(QWidget* form2) { m_form2 = form2; }

    // Handlers of the window's events.
    void FormCreate();
    void Button1Enter();
    void Image1Click();
    void FormClose();

    TImage* Image1() const { return m_image1; }
    QPushButton* Button1() const { return m_button1; }

    static constexpr int kClientWidth = 419;
    static constexpr int kClientHeight = 300;

signals:
    // Each handler announces itself by name as it starts.
    void HandlerRan(const QString& name);
    // The window has closed: the application is to end.
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Run(const char* handler, const std::function<void()>& steps);

    IPlatform& m_platform;
    IDialogService& m_dialogs;
    QWidget* m_form2 = nullptr;
    TImage* m_image1;
    QPushButton* m_button1;
    bool m_button1Entered = false;
    bool m_closed = false;
};
