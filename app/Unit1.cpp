#include "Unit1.h"

#include "ApplicationTitle.h"
#include "IPlatform.h"
#include "TArtwork.h"
#include "UnhandledErrorGuard.h"
#include "vcl/TImage.h"
#include "vcl/TVclColours.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr TColor clBackground = 0x80000001;
} // namespace

TForm1::TForm1(IPlatform& platform, IDialogService& dialogs)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_platform(platform),
      m_dialogs(dialogs) {
    setObjectName(QStringLiteral("Form1"));
    // The caption is never seen: the window has no caption bar.
    setWindowTitle(QStringLiteral("ORVANTIS - PROF. ANSELMO QUINTAVERDE"));
    setWindowIcon(TArtwork::AppIcon());
    setFixedSize(kClientWidth, kClientHeight);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    TVclColours::SetColor(this, clBackground);
    setAutoFillBackground(true);

    m_image1 = new TImage(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setGeometry(0, 0, kClientWidth, kClientHeight);
    m_image1->setCursor(Qt::PointingHandCursor);
    m_image1->setToolTip(QStringLiteral("APERTE AQUI PARA ENTRAR"));
    m_image1->SetPicture(TArtwork::IntroPicture());
    connect(m_image1, &TImage::clicked, this, [this] { Image1Click(); });

    // Below the client area, never seen, yet the one control that takes the focus.
    m_button1 = new QPushButton(QStringLiteral("1"), this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button1->setGeometry(8, 328, 49, 25);
    m_button1->setAutoDefault(false);
    // No other control of the window takes the focus, so Button1 holds it from
    // the first activation on: an activation after another window (of this
    // program or not) had the focus gives it back without a new enter event.
    m_button1->installEventFilter(this);

    FormCreate();
}

void TForm1::Run(const char* handler, const std::function<void()>& steps) {
    emit HandlerRan(QString::fromLatin1(handler));
    RunGuarded(m_dialogs, kApplicationTitle, steps);
}

void TForm1::FormCreate() {
    Run("FormCreate", [this] {
        m_platform.WinExec("Command.com /c MD c:\\orvantis", SW_HIDE);
        m_platform.WinExec("Command.com /c MD c:\\TOLVANEX", SW_HIDE);
        m_platform.Sleep(2000);
        m_platform.CopyFileA("c:\\logo.sys", "c:\\TOLVANEX\\LOGO.SYS", true);
        m_platform.CopyFileA("c:\\windows\\logow.sys", "c:\\TOLVANEX\\LOGOW.SYS", true);
        m_platform.CopyFileA("c:\\windows\\logos.sys", "c:\\TOLVANEX\\LOGOS.SYS", true);
    });
}

void TForm1::Button1Enter() {
    Run("Button1Enter", [this] {
        m_platform.SetFileAttributesA("C:\\logo.sys", 0);
        m_platform.SetFileAttributesA("C:\\windows\\logos.sys", 0);
        m_platform.SetFileAttributesA("C:\\windows\\logow.sys", 0);
    });
}

void TForm1::Image1Click() {
    Run("Image1Click", [this] {
        if (m_form2) {
            m_form2->show();
            m_form2->raise();
            m_form2->activateWindow();
        }
        hide();
    });
}

void TForm1::FormClose() {
    Run("FormClose", [this] {
        m_platform.SetFileAttributesA("C:\\logo.sys", 2);
        m_platform.SetFileAttributesA("C:\\windows\\logos.sys", 2);
        m_platform.SetFileAttributesA("C:\\windows\\logow.sys", 2);
    });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_button1 && event->type() == QEvent::FocusIn && !m_button1Entered) {
        m_button1Entered = true;
        Button1Enter();
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    if (m_closed)
        return;
    m_closed = true;
    FormClose();
    hide();
    emit Closed();
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
}
