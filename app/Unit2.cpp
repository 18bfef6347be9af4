#include "Unit2.h"

#include "ApplicationTitle.h"
#include "EReadError.h"
#include "IPlatform.h"
#include "LogoSlots.h"
#include "TArtwork.h"
#include "TGauge.h"
#include "TShellListView.h"
#include "ThemePalettes.h"
#include "ThemeSelection.h"
#include "UnhandledErrorGuard.h"
#include "vcl/TBevel.h"
#include "vcl/TBitBtn.h"
#include "vcl/TEnterTracker.h"
#include "vcl/TImage.h"
#include "vcl/TLabel.h"
#include "vcl/TPageControl.h"
#include "vcl/TPanel.h"
#include "vcl/TSpeedButton.h"
#include "vcl/TVclColours.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTimer>
#include <QWindow>

namespace {


constexpr const char* kWindowHint = "ORVANTIS - PROF. ANSELMO QUINTAVERDE";
constexpr const char* kPhotoHint = "PROF. ANSELMO QUINTAVERDE - UBERABA/MG - ORVANTIS (3.0)";

QFont SansFont(int pixels, bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont TitleFont(int pixels) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

QWidget* MakePage(const char* name) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    page->setAutoFillBackground(true);
    page->setCursor(Qt::ArrowCursor);
    return page;
}

} // namespace

TForm2::TForm2(const TDrive& drive, IPlatform& platform, IDialogService& dialogs)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_platform(platform), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ORVANTIS     VERSÃO 3.5"));
    setWindowIcon(TArtwork::AppIcon());
    setFixedSize(kClientWidth, kClientHeight);
    setFont(SansFont(11, false));
    setToolTip(QString::fromUtf8(kWindowHint));
    setAutoFillBackground(true);

    m_enterTracker = new TEnterTracker(this);

    m_pageControl1 = new TPageControl(this);
    m_pageControl1->setObjectName(QStringLiteral("PageControl1"));
    m_pageControl1->setGeometry(8, 8, 521, 345);
    const struct {
        const char* name;
        const char* caption;
    } pages[] = {{"TabSheet1", "EXTRAIR LOGOS"}, {"TabSheet2", "EDITAR LOGOS"},
                 {"TabSheet3", "INSERIR LOGOS"}, {"TabSheet4", "CÓPIA DE SEGURANÇA"},
                 {"TabSheet5", "SKINS"},         {"TabSheet6", "ABOUT"}};
    QWidget* sheets[6];
    for (int i = 0; i < 6; ++i) {
        sheets[i] = MakePage(pages[i].name);
        m_pageControl1->addTab(sheets[i], QString::fromUtf8(pages[i].caption));
    }
    sheets[1]->setCursor(Qt::PointingHandCursor);

    m_gauge1 = new TGauge(this);
    m_gauge1->setObjectName(QStringLiteral("Gauge1"));
    m_gauge1->setGeometry(8, 360, 521, 17);
    m_gauge1->setFont(SansFont(11, false));
    m_operations = std::make_unique<TLogoOperations>(m_platform, *m_gauge1);

    m_bitBtn1 = new TBitBtn(QStringLiteral("FECHAR"), this);
    m_bitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    m_bitBtn1->setGeometry(216, 384, 113, 33);
    m_bitBtn1->setCursor(Qt::PointingHandCursor);
    m_bitBtn1->setToolTip(QStringLiteral("CLIQUE AQUI PARA FECHAR"));
    m_bitBtn1->SetGlyph(TArtwork::ClosePicture());
    connect(m_bitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    BuildPage1(sheets[0]);
    BuildPage2(sheets[1], drive);
    BuildPage3(sheets[2]);
    BuildPage4(sheets[3]);
    BuildPage5(sheets[4]);
    BuildPage6(sheets[5]);
    BuildTabOrder();

    m_enterTracker->Watch(sheets[1], [this] { TabSheet2Enter(); });
    m_enterTracker->Watch(sheets[2], [this] { TabSheet3Enter(); });

    // The colours the window is built with are the themes' starting point.
    ApplyPalette(*this, FormDefinitionColours());
    FormCreate();
}

TForm2::~TForm2() = default;

QPushButton* TForm2::AddButton(const char* name, const QString& caption, QWidget* parent,
                               const QRect& geometry, Qt::CursorShape cursor,
                               std::function<void()> onClick) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setCursor(cursor);
    button->setAutoDefault(false);
    const QString handler = QString::fromLatin1(name) + QStringLiteral("Click");
    connect(button, &QPushButton::clicked, this,
            [this, handler, onClick = std::move(onClick)] {
                Run(handler.toLatin1().constData(), onClick);
            });
    return button;
}

void TForm2::Run(const char* handler, const std::function<void()>& operation) {
    emit HandlerRan(QString::fromLatin1(handler));
    RunGuarded(m_dialogs, kApplicationTitle, operation);
}

void TForm2::BuildPage1(QWidget* page) {
    auto* label17 = new TLabel(QStringLiteral("ORVANTIS"), page);
    label17->setObjectName(QStringLiteral("Label17"));
    label17->setFont(TitleFont(37));
    label17->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label17->setGeometry(0, 275, 513, 42);
    m_labels[17] = label17;

    m_groupBox3 = new QGroupBox(QStringLiteral("CLIQUE NO LOGO QUE DESEJA MODIFICAR"), page);
    m_groupBox3->setObjectName(QStringLiteral("GroupBox3"));
    m_groupBox3->setGeometry(16, 8, 481, 225);
    m_groupBox3->setCursor(Qt::ArrowCursor);

    const struct {
        const char* name;
        TLogoSlot slot;
        int left;
        const char* hint;
    } thumbnails[] = {
        {"SpeedButton1", lsInitial, 8, "CLIQUE AQUI PARA EXTRAIR O LOGO INICIAL"},
        {"SpeedButton2", lsIntermediate, 168, "CLIQUE AQUI PARA EXTRAIR O LOGO INTERMEDIÁRIO"},
        {"SpeedButton3", lsFinal, 328, "CLIQUE AQUI PARA EXTRAIR O LOGO FINAL"},
    };
    for (const auto& t : thumbnails) {
        auto* button = new TSpeedButton(m_groupBox3);
        button->setObjectName(QString::fromLatin1(t.name));
        button->setGeometry(t.left, 24, 145, 177);
        button->setCursor(Qt::PointingHandCursor);
        button->setToolTip(QString::fromUtf8(t.hint));
        button->SetGlyph(TArtwork::Thumbnail(t.slot));
        const QString handler = QString::fromLatin1(t.name) + QStringLiteral("Click");
        const TLogoSlot slot = t.slot;
        connect(button, &QAbstractButton::clicked, this, [this, handler, slot] {
            Run(handler.toLatin1().constData(), [this, slot] { m_operations->ExtractLogo(slot); });
        });
    }
    const struct {
        int index;
        const char* caption;
        int left;
    } captions[] = {{1, "LOGO INICIAL", 40}, {2, "LOGO INTERMEDIÁRIO", 184}, {3, "LOGO FINAL", 368}};
    for (const auto& c : captions) {
        auto* label = new TLabel(QString::fromUtf8(c.caption), m_groupBox3);
        label->setObjectName(QStringLiteral("Label%1").arg(c.index));
        label->PlaceAutoSized(c.left, 204);
        m_labels[c.index] = label;
    }

    AddButton("Button1", QStringLiteral("EXTRAIR TODOS"), page, QRect(16, 240, 481, 33),
              Qt::ArrowCursor, [this] { m_operations->ExtractAllLogos(); });
}

void TForm2::BuildPage2(QWidget* page, const TDrive& drive) {
    auto* memo = new QPlainTextEdit(page);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setGeometry(0, 0, 513, 129);
    memo->setPlainText(TArtwork::MemoLines().join(QLatin1Char('\n')));
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setTabChangesFocus(true);
    memo->setCursor(Qt::CrossCursor);
    memo->viewport()->setCursor(Qt::CrossCursor);

    auto* label6 = new TLabel(QString(), page);
    label6->setObjectName(QStringLiteral("Label6"));
    label6->setGeometry(0, 129, 513, 13);
    m_labels[6] = label6;

    auto* bevel1 = new TBevel(TBevel::bsBox, page);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setGeometry(0, 142, 513, 1);

    auto* label18 = new TLabel(QString(), page);
    label18->setObjectName(QStringLiteral("Label18"));
    label18->setGeometry(0, 143, 513, 13);
    m_labels[18] = label18;

    auto* label4 = new TLabel(
        QStringLiteral("SELECIONE O LOGO DESEJADO E APERTE ENTER PARA PODER EDITAR"), page);
    label4->setObjectName(QStringLiteral("Label4"));
    label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label4->setGeometry(0, 156, 513, 13);
    m_labels[4] = label4;

    m_shellListView1 = new TShellListView(drive, page);
    m_shellListView1->setObjectName(QStringLiteral("ShellListView1"));
    m_shellListView1->setGeometry(0, 169, 513, 96);
    m_shellListView1->setCursor(Qt::ArrowCursor);
    m_shellListView1->viewport()->setCursor(Qt::ArrowCursor);
    m_shellListView1->SetErrorReporter([this](const std::exception& error) {
        ReportUnhandledError(m_dialogs, kApplicationTitle, error);
    });
    const std::string root = "C:\\orvantis\\";
    try {
        m_shellListView1->SetRoot(root);
    } catch (const std::exception& error) {
        throw EReadError(std::string("Error reading ShellListView1.Root: ") + error.what(),
                         __builtin_return_address(0));
    }

    auto* label5 = new TLabel(
        QStringLiteral("OU ENTRE NO SEGUINTE DIRETÓRIO PARA PODER EDITAR OS LOGOS"), page);
    label5->setObjectName(QStringLiteral("Label5"));
    label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label5->setGeometry(0, 265, 513, 13);
    m_labels[5] = label5;

    auto* edit = new QLineEdit(QStringLiteral("C:\\orvantis\\"), page);
    edit->setObjectName(QStringLiteral("Edit1"));
    edit->setGeometry(120, 288, 281, 21);
}

void TForm2::BuildPage3(QWidget* page) {
    const struct {
        const char* name;
        const char* caption;
        int top;
        Qt::CursorShape cursor;
        int slot; // -1: all three
    } buttons[] = {
        {"Button5", "INSERIR LOGO INICIAL MODIFICADO", 24, Qt::PointingHandCursor, lsInitial},
        {"Button7", "INSERIR LOGO INTERMEDIÁRIO MODIFICADO", 96, Qt::PointingHandCursor,
         lsIntermediate},
        {"Button9", "INSERIR LOGO FINAL MODIFICADO", 168, Qt::PointingHandCursor, lsFinal},
        {"Button15", "INSERIR TODOS", 240, Qt::ArrowCursor, -1},
    };
    for (const auto& b : buttons) {
        const int slot = b.slot;
        AddButton(b.name, QString::fromUtf8(b.caption), page, QRect(40, b.top, 433, 57), b.cursor,
                  [this, slot] {
                      if (slot < 0)
                          m_operations->InsertAllLogos();
                      else
                          m_operations->InsertLogo(TLogoSlot(slot));
                  });
    }
}

void TForm2::BuildPage4(QWidget* page) {
    m_groupBox2 = new QGroupBox(
        QStringLiteral("CLIQUE NO BOTÃO REFERENTE AO LOGO QUE DESEJA RESTAURAR"), page);
    m_groupBox2->setObjectName(QStringLiteral("GroupBox2"));
    m_groupBox2->setGeometry(24, 16, 465, 281);
    m_groupBox2->setCursor(Qt::ArrowCursor);
    AddButton("Button4", QStringLiteral("LOGO INICIAL ORIGINAL DA MÁQUINA - RESTAURAR"),
              m_groupBox2, QRect(8, 24, 449, 49), Qt::PointingHandCursor,
              [this] { m_operations->RestoreBackupLogo(lsInitial); });
    AddButton("Button6", QStringLiteral("LOGO INICIAL ORIGINAL DO WINDOWS - RESTAURAR"),
              m_groupBox2, QRect(8, 88, 449, 49), Qt::PointingHandCursor,
              [this] { m_operations->RestoreWindowsInitialLogo(); });
    AddButton("Button8", QStringLiteral("LOGO INTERMEDIÁRIO - RESTAURAR"), m_groupBox2,
              QRect(8, 152, 449, 49), Qt::PointingHandCursor,
              [this] { m_operations->RestoreBackupLogo(lsIntermediate); });
    AddButton("Button16", QStringLiteral("LOGO FINAL - RESTAURAR"), m_groupBox2,
              QRect(8, 216, 449, 49), Qt::ArrowCursor,
              [this] { m_operations->RestoreBackupLogo(lsFinal); });
}

void TForm2::BuildPage5(QWidget* page) {
    auto* panel = new TPanel(page);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(56, 16, 401, 281);
    panel->setCursor(Qt::ArrowCursor);
    TVclColours::SetColor(panel, clBlack);

    auto* label7 = new TLabel(QStringLiteral("ESCOLHA UMA COR PARA O PROGRAMA"), panel);
    label7->setObjectName(QStringLiteral("Label7"));
    label7->setFont(SansFont(11, true));
    label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label7->setGeometry(1, 1, 399, 13);
    TVclColours::SetFontColor(label7, clAqua);
    m_labels[7] = label7;

    const struct {
        const char* button;
        const char* caption;
        int left, top;
        const char* image;
        int imageLeft;
        TColorTheme theme;
    } themes[] = {
        {"Button2", "VERDE", 48, 48, "Image1", 144, ctVerde},
        {"Button3", "AZUL", 48, 96, "Image3", 144, ctAzul},
        {"Button10", "AQUA", 48, 144, "Image4", 144, ctAqua},
        {"Button11", "AMARELO", 264, 48, "Image5", 224, ctAmarelo},
        {"Button12", "ROSA", 264, 96, "Image6", 224, ctRosa},
        {"Button13", "VERMELHO", 264, 144, "Image7", 224, ctVermelho},
    };
    for (const auto& t : themes) {
        const TColorTheme theme = t.theme;
        AddButton(t.button, QString::fromLatin1(t.caption), panel, QRect(t.left, t.top, 89, 33),
                  Qt::ArrowCursor, [this, theme] { SelectTheme(m_platform, *this, theme); });
        auto* swatch = new TImage(panel);
        swatch->setObjectName(QString::fromLatin1(t.image));
        swatch->setGeometry(t.imageLeft, t.top + 8, 25, 17);
        swatch->SetPicture(TArtwork::Swatch(theme));
    }
    auto* bevel2 = new TBevel(TBevel::bsFrame, panel);
    bevel2->setObjectName(QStringLiteral("Bevel2"));
    bevel2->setGeometry(193, 48, 7, 129);
    AddButton("Button14", QStringLiteral("RESTAURAR CORES ORIGINAIS DO PROGRAMA"), panel,
              QRect(48, 192, 305, 41), Qt::ArrowCursor,
              [this] { RestoreBuiltInColours(m_platform, *this); });
}

void TForm2::BuildPage6(QWidget* page) {
    auto* label19 = new TLabel(QStringLiteral("ORVANTIS"), page);
    label19->setObjectName(QStringLiteral("Label19"));
    label19->setFont(TitleFont(35));
    label19->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label19->setGeometry(0, 0, 513, 40);
    m_labels[19] = label19;

    auto* image2 = new TImage(page);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setGeometry(184, 40, 294, 272);
    image2->setCursor(Qt::CrossCursor);
    image2->setToolTip(QString::fromUtf8(kPhotoHint));
    image2->SetPicture(TArtwork::AboutPhoto());

    const struct {
        int index;
        const char* caption;
        int left, top, pixels;
        bool bold;
    } credits[] = {
        {20, "PROF.", 32, 48, 32, true},
        {21, "ANSELMO", 32, 80, 16, true},
        {22, "ICQ: 000314159", 48, 104, 13, true},
        {23, "UBERABA - MG", 32, 160, 11, false},
        {24, "ORVANTIS", 32, 184, 11, false},
        {25, "VERSÃO 3.5", 32, 208, 11, false},
        {26, "SOMENTE PARA :", 32, 232, 11, false},
        {27, "WINDOWS 98", 32, 256, 11, false},
        {28, "01/05/2004", 32, 280, 11, false},
    };
    for (const auto& c : credits) {
        auto* label = new TLabel(QString::fromUtf8(c.caption), page);
        label->setObjectName(QStringLiteral("Label%1").arg(c.index));
        label->setFont(SansFont(c.pixels, c.bold));
        label->PlaceAutoSized(c.left, c.top);
        m_labels[c.index] = label;
    }
}

void TForm2::BuildTabOrder() {
    // One chain for the window: the tab strip, then the controls of each page in
    // their tab order (those of hidden pages are skipped), then "FECHAR". The
    // group boxes and the panel hold their place in their page's order, each
    // ahead of the controls it holds.
    const char* order[] = {"GroupBox3", "Button1",  "ShellListView1", "Edit1",    "Memo1",
                           "Button5",   "Button7",  "Button9",        "Button15", "GroupBox2",
                           "Button4",   "Button6",  "Button8",        "Button16", "Panel1",
                           "Button14",  "Button13", "Button12",       "Button11", "Button10",
                           "Button3",   "Button2",  "BitBtn1"};
    QWidget* previous = m_pageControl1->tabBar();
    for (const char* name : order) {
        QWidget* next = findChild<QWidget*>(QString::fromLatin1(name));
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

QWidget* TForm2::ColourWidget(TColourProperty property) const {
    switch (property) {
    case cpForm2Color: return const_cast<TForm2*>(this);
    case cpGauge1ForeColor: return m_gauge1;
    case cpGroupBox3FontColor: return m_groupBox3;
    case cpGroupBox2FontColor: return m_groupBox2;
    case cpLabel1FontColor: return m_labels[1];
    case cpLabel2FontColor: return m_labels[2];
    case cpLabel3FontColor: return m_labels[3];
    case cpLabel4FontColor: return m_labels[4];
    case cpLabel5FontColor: return m_labels[5];
    case cpLabel17FontColor: return m_labels[17];
    case cpLabel19FontColor: return m_labels[19];
    case cpLabel20FontColor: return m_labels[20];
    case cpLabel21FontColor: return m_labels[21];
    case cpLabel22FontColor: return m_labels[22];
    case cpLabel23FontColor: return m_labels[23];
    case cpLabel24FontColor: return m_labels[24];
    case cpLabel25FontColor: return m_labels[25];
    case cpLabel26FontColor: return m_labels[26];
    case cpLabel27FontColor: return m_labels[27];
    case cpLabel28FontColor: return m_labels[28];
    }
    return nullptr;
}

void TForm2::SetColour(TColourProperty property, TColor colour) {
    if (property == cpGauge1ForeColor) {
        m_gauge1->SetForeColor(colour);
    } else if (property == cpForm2Color) {
        TVclColours::SetColor(this, colour);
    } else {
        TVclColours::SetFontColor(ColourWidget(property), colour);
    }
}

TColor TForm2::Colour(TColourProperty property) const {
    if (property == cpGauge1ForeColor)
        return m_gauge1->ForeColor();
    if (property == cpForm2Color)
        return TVclColours::Color(this);
    return TVclColours::FontColor(ColourWidget(property));
}

void TForm2::HideAndShow() {
    QWidget* focus = focusWidget();
    const QPoint position = pos();
    hide();
    show();
    if (pos() != position)
        move(position);
    activateWindow();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

void TForm2::FormCreate() {
    Run("FormCreate", [this] { ApplyStoredThemes(m_platform, *this); });
}

void TForm2::FormClose() {
    Run("FormClose", [this] {
        if (m_closeForm1)
            m_closeForm1();
    });
}

void TForm2::BitBtn1Click() {
    Run("BitBtn1Click", [this] {
        if (m_closeForm1)
            m_closeForm1();
    });
}

void TForm2::TabSheet2Enter() {
    Run("TabSheet2Enter", [this] { m_operations->UnhideWorkSysFiles(); });
}

void TForm2::TabSheet3Enter() {
    Run("TabSheet3Enter", [this] { m_operations->HideWorkSysFiles(); });
}

void TForm2::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TForm2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_placed)
        return;
    // Centred on the screen the first time only; the outer size counts. The
    // window manager tells the frame's size only once the window is mapped, so
    // the placement is made again, once, when it is known.
    m_placed = true;
    CentreOnScreen();
    QTimer::singleShot(150, this, [this] { CentreOnScreen(); });
    m_pageControl1->tabBar()->setFocus(Qt::ActiveWindowFocusReason);
}

void TForm2::CentreOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    const QPoint place((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2);
    if (QWindow* window = windowHandle(); window && window->isVisible()) {
        if (window->framePosition() != place)
            window->setFramePosition(place);
    } else if (pos() != place) {
        move(place);
    }
}
