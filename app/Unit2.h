#pragma once

#include "IThemeWindow.h"
#include "TLogoOperations.h"

#include <QWidget>

#include <functional>
#include <memory>

class IDialogService;
class IPlatform;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TBevel;
class TBitBtn;
class TDrive;
class TEnterTracker;
class TGauge;
class TImage;
class TLabel;
class TPageControl;
class TPanel;
class TShellListView;
class TSpeedButton;

// The main window: six tabbed pages, the gauge under them and "FECHAR".
// Each handler runs one operation, under the unhandled-error guard.
class TForm2 : public QWidget, public IThemeWindow {
    Q_OBJECT
public:
    // Builds the window hidden and runs FormCreate. Throws EReadError when the
    // work folder cannot be the list's root.
    TForm2(const TDrive& drive, IPlatform& platform, IDialogService& dialogs);
    ~TForm2() override;

    // How the window closes the intro window, which ends the program.
    void SetCloseForm1(std::function<void()> closeForm1) { m_closeForm1 = std::move(closeForm1); }

    // The colours the themes set; a colour already held changes nothing.
    void SetColour(TColourProperty property, TColor colour) override;
    TColor Colour(TColourProperty property) const;
    void HideAndShow() override;

    // Handlers of the window's events.
    void FormCreate();
    void FormClose();
    void BitBtn1Click();
    void TabSheet2Enter();
    void TabSheet3Enter();

    TPageControl* PageControl1() const { return m_pageControl1; }
    TGauge* Gauge1() const { return m_gauge1; }
    TShellListView* ShellListView1() const { return m_shellListView1; }

    static constexpr int kClientWidth = 538;
    static constexpr int kClientHeight = 426;

signals:
    // Each handler announces itself by name as it starts.
    void HandlerRan(const QString& name);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildPage1(QWidget* page);
    void BuildPage2(QWidget* page, const TDrive& drive);
    void BuildPage3(QWidget* page);
    void BuildPage4(QWidget* page);
    void BuildPage5(QWidget* page);
    void BuildPage6(QWidget* page);
    void BuildTabOrder();
    void CentreOnScreen();
    QPushButton* AddButton(const char* name, const QString& caption, QWidget* parent,
                           const QRect& geometry, Qt::CursorShape cursor,
                           std::function<void()> onClick);
    void Run(const char* handler, const std::function<void()>& operation);
    QWidget* ColourWidget(TColourProperty property) const;

    IPlatform& m_platform;
    IDialogService& m_dialogs;
    std::unique_ptr<TLogoOperations> m_operations;
    std::function<void()> m_closeForm1;
    bool m_placed = false;

    TPageControl* m_pageControl1 = nullptr;
    TGauge* m_gauge1 = nullptr;
    TBitBtn* m_bitBtn1 = nullptr;
    QGroupBox* m_groupBox2 = nullptr;
    QGroupBox* m_groupBox3 = nullptr;
    TShellListView* m_shellListView1 = nullptr;
    TLabel* m_labels[29] = {};
    TEnterTracker* m_enterTracker = nullptr;
};
