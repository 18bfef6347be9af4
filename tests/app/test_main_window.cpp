// The main window on a real temporary drive: every control read back against
// its layout, focus and page behaviour driven by real mouse and key events,
// every operation run from its control, the start-up failure, and the pixels
// that carry meaning.

#include "DosAttributes.h"
#include "DriveFixture.h"
#include "RecordingClock.h"
#include "RecordingDialogs.h"
#include "TGauge.h"
#include "TPlatform.h"
#include "TProgram.h"
#include "TShellListView.h"
#include "TempDrive.h"
#include "Unit2.h"
#include "vcl/TBitBtn.h"
#include "vcl/TPageControl.h"
#include "vcl/TSpeedButton.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTabBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

// The window's colour and the controls' own colours, as the layout gives them.
const QColor WindowColour(33, 136, 220);
const QColor TitleColour(244, 235, 123);

const QList<int> RampValues = {1,  5,  10, 15, 20, 25, 30, 35, 40, 45, 50,
                               55, 60, 65, 70, 75, 80, 85, 90, 95, 100};

// One control as the layout tables describe it.
struct Control {
    const char* name;
    const char* parent;  // nearest named ancestor; "" for the window
    int left, top;       // kNoPlace: not given (the window, the pages)
    int width, height;   // kAutoSize: as large as the text in the control's font
    const char* text;    // caption or text; nullptr: none to read
    const char* wording; // a pattern instead of text where the wording is free
    int tabOrder;        // -1: takes no keyboard focus
    Qt::CursorShape cursor;
    const char* hint; // pattern of its own hint; nullptr: none of its own
    const char* family;
    int pixels;
    bool bold;
};

constexpr int kNoPlace = -1000;
constexpr int kAutoSize = -1;

constexpr const char* Sans = "MS Sans Serif";
constexpr const char* Times = "Times New Roman";
constexpr Qt::CursorShape Arrow = Qt::ArrowCursor;
constexpr Qt::CursorShape Hand = Qt::PointingHandCursor;
constexpr Qt::CursorShape Cross = Qt::CrossCursor;

const Control Controls[] = {
    {"Form2", "", kNoPlace, kNoPlace, 538, 426, "ORVANTIS     VERSÃO 3.5", nullptr, -1, Arrow,
     "^ORVANTIS - \\S.*$", Sans, 11, false},
    {"PageControl1", "Form2", 8, 8, 521, 345, nullptr, nullptr, 0, Hand, nullptr, Sans, 11, false},
    {"Gauge1", "Form2", 8, 360, 521, 17, nullptr, nullptr, -1, Arrow, nullptr, Sans, 11, false},
    {"BitBtn1", "Form2", 216, 384, 113, 33, "FECHAR", nullptr, 1, Hand, "^CLIQUE AQUI PARA FECHAR$",
     Sans, 11, false},

    {"TabSheet1", "PageControl1", kNoPlace, kNoPlace, 513, 317, "EXTRAIR LOGOS", nullptr, 0, Arrow,
     nullptr, Sans, 11, false},
    {"TabSheet2", "PageControl1", kNoPlace, kNoPlace, 513, 317, "EDITAR LOGOS", nullptr, 1, Hand,
     nullptr, Sans, 11, false},
    {"TabSheet3", "PageControl1", kNoPlace, kNoPlace, 513, 317, "INSERIR LOGOS", nullptr, 2, Arrow,
     nullptr, Sans, 11, false},
    {"TabSheet4", "PageControl1", kNoPlace, kNoPlace, 513, 317, "CÓPIA DE SEGURANÇA", nullptr, 3,
     Arrow, nullptr, Sans, 11, false},
    {"TabSheet5", "PageControl1", kNoPlace, kNoPlace, 513, 317, "SKINS", nullptr, 4, Arrow, nullptr,
     Sans, 11, false},
    {"TabSheet6", "PageControl1", kNoPlace, kNoPlace, 513, 317, "ABOUT", nullptr, 5, Arrow, nullptr,
     Sans, 11, false},

    // EXTRAIR LOGOS
    {"Label17", "TabSheet1", 0, 275, 513, 42, "ORVANTIS", nullptr, -1, Arrow, nullptr, Times, 37,
     true},
    {"GroupBox3", "TabSheet1", 16, 8, 481, 225, "CLIQUE NO LOGO QUE DESEJA MODIFICAR", nullptr, 0,
     Arrow, nullptr, Sans, 11, false},
    {"Button1", "TabSheet1", 16, 240, 481, 33, "EXTRAIR TODOS", nullptr, 1, Arrow, nullptr, Sans,
     11, false},
    {"SpeedButton1", "GroupBox3", 8, 24, 145, 177, "", nullptr, -1, Hand,
     "^CLIQUE AQUI PARA EXTRAIR O LOGO INICIAL$", Sans, 11, false},
    {"SpeedButton2", "GroupBox3", 168, 24, 145, 177, "", nullptr, -1, Hand,
     "^CLIQUE AQUI PARA EXTRAIR O LOGO INTERMEDIÁRIO$", Sans, 11, false},
    {"SpeedButton3", "GroupBox3", 328, 24, 145, 177, "", nullptr, -1, Hand,
     "^CLIQUE AQUI PARA EXTRAIR O LOGO FINAL$", Sans, 11, false},
    {"Label1", "GroupBox3", 40, 204, kAutoSize, kAutoSize, "LOGO INICIAL", nullptr, -1, Arrow,
     nullptr, Sans, 11, false},
    {"Label2", "GroupBox3", 184, 204, kAutoSize, kAutoSize, "LOGO INTERMEDIÁRIO", nullptr, -1,
     Arrow, nullptr, Sans, 11, false},
    {"Label3", "GroupBox3", 368, 204, kAutoSize, kAutoSize, "LOGO FINAL", nullptr, -1, Arrow,
     nullptr, Sans, 11, false},

    // EDITAR LOGOS: the labels and the bevel show the page's hand
    {"Memo1", "TabSheet2", 0, 0, 513, 129, nullptr, nullptr, 2, Cross, nullptr, Sans, 11, false},
    {"Label6", "TabSheet2", 0, 129, 513, 13, "", nullptr, -1, Hand, nullptr, Sans, 11, false},
    {"Bevel1", "TabSheet2", 0, 142, 513, 1, nullptr, nullptr, -1, Hand, nullptr, Sans, 11, false},
    {"Label18", "TabSheet2", 0, 143, 513, 13, "", nullptr, -1, Hand, nullptr, Sans, 11, false},
    {"Label4", "TabSheet2", 0, 156, 513, 13,
     "SELECIONE O LOGO DESEJADO E APERTE ENTER PARA PODER EDITAR", nullptr, -1, Hand, nullptr, Sans,
     11, false},
    {"ShellListView1", "TabSheet2", 0, 169, 513, 96, nullptr, nullptr, 0, Arrow, nullptr, Sans, 11,
     false},
    {"Label5", "TabSheet2", 0, 265, 513, 13,
     "OU ENTRE NO SEGUINTE DIRETÓRIO PARA PODER EDITAR OS LOGOS", nullptr, -1, Hand, nullptr, Sans,
     11, false},
    {"Edit1", "TabSheet2", 120, 288, 281, 21, "C:\\orvantis\\", nullptr, 1, Qt::IBeamCursor,
     nullptr, Sans, 11, false},

    // INSERIR LOGOS
    {"Button5", "TabSheet3", 40, 24, 433, 57, "INSERIR LOGO INICIAL MODIFICADO", nullptr, 0, Hand,
     nullptr, Sans, 11, false},
    {"Button7", "TabSheet3", 40, 96, 433, 57, "INSERIR LOGO INTERMEDIÁRIO MODIFICADO", nullptr, 1,
     Hand, nullptr, Sans, 11, false},
    {"Button9", "TabSheet3", 40, 168, 433, 57, "INSERIR LOGO FINAL MODIFICADO", nullptr, 2, Hand,
     nullptr, Sans, 11, false},
    {"Button15", "TabSheet3", 40, 240, 433, 57, "INSERIR TODOS", nullptr, 3, Arrow, nullptr, Sans,
     11, false},

    // CÓPIA DE SEGURANÇA
    {"GroupBox2", "TabSheet4", 24, 16, 465, 281,
     "CLIQUE NO BOTÃO REFERENTE AO LOGO QUE DESEJA RESTAURAR", nullptr, 0, Arrow, nullptr, Sans, 11,
     false},
    {"Button4", "GroupBox2", 8, 24, 449, 49, "LOGO INICIAL ORIGINAL DA MÁQUINA - RESTAURAR",
     nullptr, 0, Hand, nullptr, Sans, 11, false},
    {"Button6", "GroupBox2", 8, 88, 449, 49, "LOGO INICIAL ORIGINAL DO WINDOWS - RESTAURAR",
     nullptr, 1, Hand, nullptr, Sans, 11, false},
    {"Button8", "GroupBox2", 8, 152, 449, 49, "LOGO INTERMEDIÁRIO - RESTAURAR", nullptr, 2, Hand,
     nullptr, Sans, 11, false},
    {"Button16", "GroupBox2", 8, 216, 449, 49, "LOGO FINAL - RESTAURAR", nullptr, 3, Arrow, nullptr,
     Sans, 11, false},

    // SKINS
    {"Panel1", "TabSheet5", 56, 16, 401, 281, nullptr, nullptr, 0, Arrow, nullptr, Sans, 11, false},
    {"Label7", "Panel1", 1, 1, 399, 13, "ESCOLHA UMA COR PARA O PROGRAMA", nullptr, -1, Arrow,
     nullptr, Sans, 11, true},
    {"Button2", "Panel1", 48, 48, 89, 33, "VERDE", nullptr, 6, Arrow, nullptr, Sans, 11, false},
    {"Image1", "Panel1", 144, 56, 25, 17, nullptr, nullptr, -1, Arrow, nullptr, Sans, 11, false},
    {"Button3", "Panel1", 48, 96, 89, 33, "AZUL", nullptr, 5, Arrow, nullptr, Sans, 11, false},
    {"Image3", "Panel1", 144, 104, 25, 17, nullptr, nullptr, -1, Arrow, nullptr, Sans, 11, false},
    {"Button10", "Panel1", 48, 144, 89, 33, "AQUA", nullptr, 4, Arrow, nullptr, Sans, 11, false},
    {"Image4", "Panel1", 144, 152, 25, 17, nullptr, nullptr, -1, Arrow, nullptr, Sans, 11, false},
    {"Bevel2", "Panel1", 193, 48, 7, 129, nullptr, nullptr, -1, Arrow, nullptr, Sans, 11, false},
    {"Image5", "Panel1", 224, 56, 25, 17, nullptr, nullptr, -1, Arrow, nullptr, Sans, 11, false},
    {"Button11", "Panel1", 264, 48, 89, 33, "AMARELO", nullptr, 3, Arrow, nullptr, Sans, 11, false},
    {"Image6", "Panel1", 224, 104, 25, 17, nullptr, nullptr, -1, Arrow, nullptr, Sans, 11, false},
    {"Button12", "Panel1", 264, 96, 89, 33, "ROSA", nullptr, 2, Arrow, nullptr, Sans, 11, false},
    {"Image7", "Panel1", 224, 152, 25, 17, nullptr, nullptr, -1, Arrow, nullptr, Sans, 11, false},
    {"Button13", "Panel1", 264, 144, 89, 33, "VERMELHO", nullptr, 1, Arrow, nullptr, Sans, 11,
     false},
    {"Button14", "Panel1", 48, 192, 305, 41, "RESTAURAR CORES ORIGINAIS DO PROGRAMA", nullptr, 0,
     Arrow, nullptr, Sans, 11, false},

    // ABOUT: the credits' wording is free, their places and fonts are not
    {"Label19", "TabSheet6", 0, 0, 513, 40, "ORVANTIS", nullptr, -1, Arrow, nullptr, Times, 35,
     true},
    {"Image2", "TabSheet6", 184, 40, 294, 272, nullptr, nullptr, -1, Cross,
     "^\\S.* - \\S.* - ORVANTIS \\(3\\.0\\)$", Sans, 11, false},
    {"Label20", "TabSheet6", 32, 48, kAutoSize, kAutoSize, nullptr, "^\\S+$", -1, Arrow, nullptr,
     Sans, 32, true},
    {"Label21", "TabSheet6", 32, 80, kAutoSize, kAutoSize, nullptr, "^\\S.*$", -1, Arrow, nullptr,
     Sans, 16, true},
    {"Label22", "TabSheet6", 48, 104, kAutoSize, kAutoSize, nullptr, "^\\S[^:]*: ?\\d+$", -1, Arrow,
     nullptr, Sans, 13, true},
    {"Label23", "TabSheet6", 32, 160, kAutoSize, kAutoSize, nullptr, "^\\S.*$", -1, Arrow, nullptr,
     Sans, 11, false},
    {"Label24", "TabSheet6", 32, 184, kAutoSize, kAutoSize, "ORVANTIS", nullptr, -1, Arrow, nullptr,
     Sans, 11, false},
    {"Label25", "TabSheet6", 32, 208, kAutoSize, kAutoSize, "VERSÃO 3.5", nullptr, -1, Arrow,
     nullptr, Sans, 11, false},
    {"Label26", "TabSheet6", 32, 232, kAutoSize, kAutoSize, "SOMENTE PARA :", nullptr, -1, Arrow,
     nullptr, Sans, 11, false},
    {"Label27", "TabSheet6", 32, 256, kAutoSize, kAutoSize, "WINDOWS 98", nullptr, -1, Arrow,
     nullptr, Sans, 11, false},
    {"Label28", "TabSheet6", 32, 280, kAutoSize, kAutoSize, "01/05/2004", nullptr, -1, Arrow,
     nullptr, Sans, 11, false},
};

const Control* FindRow(const QString& name) {
    for (const Control& row : Controls)
        if (name == QString::fromUtf8(row.name))
            return &row;
    return nullptr;
}

// The nearest ancestor that the window names; Qt's own inner widgets
// (the page stack of a page control) do not count.
QWidget* NamedParent(const QWidget* widget) {
    for (QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w;
    return nullptr;
}

// What the mouse is over when it rests on the control.
const QWidget* CursorWidget(const QWidget* widget) {
    if (const auto* tabs = qobject_cast<const QTabWidget*>(widget))
        return tabs->tabBar();
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(widget))
        return area->viewport();
    return widget;
}

// The text a control shows as its caption, or nothing when it has none.
std::optional<QString> Caption(const QWidget* widget) {
    if (widget->isWindow())
        return widget->windowTitle();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->title();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* tabs = qobject_cast<QTabWidget*>(NamedParent(widget)))
        return tabs->tabText(tabs->indexOf(const_cast<QWidget*>(widget)));
    return std::nullopt;
}

// The hint shown when the mouse rests on a control: its own, else the
// nearest one up the parents.
QString ResolvedHint(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (!w->toolTip().isEmpty())
            return w->toolTip();
    return {};
}

QList<QWidget*> FocusChain(QWidget* window) {
    QList<QWidget*> chain;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        chain << w;
    return chain;
}

int Distance(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

// The main window built on its own drive, with the clock and the dialogs
// replaced, and every handler that runs recorded by name.
class MainWindow {
public:
    explicit MainWindow(const QStringList& files = {}) {
        m_drive.MakeFolder("orvantis");
        DriveFixture::Lay(m_drive, files);
        m_form = std::make_unique<TForm2>(m_drive.Drive(), m_platform, m_dialogs);
        QObject::connect(m_form.get(), &TForm2::HandlerRan,
                         [this](const QString& name) { handlers << name; });
    }

    TForm2& Form() { return *m_form; }
    TempDrive& Drive() { return m_drive; }
    RecordingClock& Clock() { return m_clock; }
    RecordingDialogs& Dialogs() { return m_dialogs; }
    QTabBar* Tabs() { return m_form->PageControl1()->tabBar(); }

    template <class T = QWidget> T* Find(const char* name) {
        return m_form->findChild<T*>(QString::fromLatin1(name));
    }

    bool Show() {
        m_form->show();
        if (!QTest::qWaitForWindowExposed(m_form.get()))
            return false;
        m_form->activateWindow();
        return QTest::qWaitForWindowActive(m_form.get());
    }

    void ClickTab(int index) {
        QTest::mouseClick(Tabs(), Qt::LeftButton, {}, Tabs()->tabRect(index).center());
    }
    void Click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    // A key pressed and released where the keyboard focus is.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    QStringList handlers;

private:
    TempDrive m_drive;
    RecordingClock m_clock;
    TPlatform m_platform{m_drive.Drive(), m_clock};
    RecordingDialogs m_dialogs;
    std::unique_ptr<TForm2> m_form;
};

// Records every window shown while it lives.
class ShownWindows : public QObject {
public:
    ShownWindows() { qApp->installEventFilter(this); }
    ~ShownWindows() override { qApp->removeEventFilter(this); }
    QStringList names;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->isWindow())
                names << widget->objectName();
        return false;
    }
};

} // namespace

Q_DECLARE_METATYPE(const Control*)

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // As the program has it: the classic style of the system the forms come from.
        QStyle* style = QStyleFactory::create(QStringLiteral("Windows"));
        QVERIFY(style);
        QApplication::setStyle(style);
    }

    void cleanup() { QToolTip::hideText(); }

    // ---- every control read back against the layout tables

    void controls_data() {
        QTest::addColumn<const Control*>("row");
        for (const Control& row : Controls)
            QTest::newRow(row.name) << &row;
    }

    void controls() {
        QFETCH(const Control*, row);
        MainWindow window;
        QVERIFY(window.Show());
        TForm2& form = window.Form();
        const QString name = QString::fromUtf8(row->name);
        QWidget* widget = name == QLatin1String("Form2") ? &form : window.Find(row->name);
        QVERIFY2(widget, row->name);
        QCOMPARE(widget->objectName(), name);

        // The page a control stands on is shown, so that it is laid out as seen.
        for (QWidget* w = widget; w; w = w->parentWidget())
            if (w->parentWidget() && w->objectName().startsWith(QLatin1String("TabSheet")))
                form.PageControl1()->setCurrentWidget(w);

        QWidget* parent = NamedParent(widget);
        QCOMPARE(parent ? parent->objectName() : QString(), QString::fromUtf8(row->parent));

        // Place and size, measured from the named parent's client area.
        if (row->left != kNoPlace) {
            QCOMPARE(widget->mapTo(parent, QPoint(0, 0)), QPoint(row->left, row->top));
        }
        const auto* label = qobject_cast<QLabel*>(widget);
        if (row->width == kAutoSize) {
            QVERIFY(label);
            const QFontMetrics metrics(label->font());
            QCOMPARE(widget->size(),
                     QSize(metrics.horizontalAdvance(label->text()), metrics.height()));
        } else {
            QCOMPARE(widget->size(), QSize(row->width, row->height));
        }

        const std::optional<QString> caption = Caption(widget);
        if (row->text) {
            QVERIFY2(caption, row->name);
            QCOMPARE(*caption, QString::fromUtf8(row->text));
        }
        if (row->wording) {
            QVERIFY2(caption, row->name);
            QVERIFY2(QRegularExpression(QString::fromUtf8(row->wording)).match(*caption).hasMatch(),
                     qPrintable(*caption));
        }

        // Tab order: the pages by their place in the strip, every other control
        // by its place in the window's focus chain among the siblings the
        // tables number.
        if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
            QCOMPARE(tabs->indexOf(widget), row->tabOrder);
        } else if (row->tabOrder >= 0) {
            const QList<QWidget*> chain = FocusChain(&form);
            auto at = [&](QWidget* w) {
                return chain.indexOf(w->focusProxy() ? w->focusProxy() : w);
            };
            QVERIFY(at(widget) >= 0);
            int before = 0;
            for (const Control& other : Controls) {
                if (other.tabOrder < 0 || qstrcmp(other.parent, row->parent) != 0 || &other == row)
                    continue;
                QWidget* sibling = window.Find(other.name);
                QVERIFY2(sibling, other.name);
                if (at(sibling) < at(widget))
                    ++before;
            }
            QCOMPARE(before, row->tabOrder);
            QVERIFY(widget->focusPolicy() & Qt::TabFocus || qobject_cast<QGroupBox*>(widget) ||
                    name == QLatin1String("Panel1"));
        } else if (!widget->isWindow()) {
            QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
        }

        QCOMPARE(CursorWidget(widget)->cursor().shape(), row->cursor);

        if (row->hint) {
            QVERIFY2(QRegularExpression(QString::fromUtf8(row->hint))
                         .match(widget->toolTip())
                         .hasMatch(),
                     qPrintable(widget->toolTip()));
        } else {
            QCOMPARE(widget->toolTip(), QString());
        }

        QCOMPARE(widget->font().family(), QString::fromUtf8(row->family));
        QCOMPARE(widget->font().pixelSize(), row->pixels);
        QCOMPARE(widget->font().bold(), row->bold);
    }

    // Every named control of the window is in the tables, and every row names one.
    void everyControlIsInTheTables() {
        MainWindow window;
        QStringList unlisted;
        for (QWidget* w : window.Form().findChildren<QWidget*>()) {
            const QString name = w->objectName();
            // The tab strip's own scroll buttons are the toolkit's.
            if (qobject_cast<QTabBar*>(w->parentWidget()))
                continue;
            if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !FindRow(name))
                unlisted << name;
        }
        QCOMPARE(unlisted, QStringList());
        for (const Control& row : Controls)
            if (qstrcmp(row.name, "Form2") != 0)
                QVERIFY2(window.Find(row.name), row.name);
    }

    void pagesFillThePageControl() {
        MainWindow window;
        QVERIFY(window.Show());
        TPageControl* pages = window.Form().PageControl1();
        QCOMPARE(pages->count(), 6);
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            QWidget* page = pages->widget(i);
            const QRect area(page->mapTo(pages, QPoint(0, 0)), page->size());
            QCOMPARE(area.size(), QSize(513, 317));
            // Centred across, with the bottom margin of the sides, under the tabs.
            QCOMPARE(area.left(), pages->width() - 1 - area.right());
            QCOMPARE(pages->height() - 1 - area.bottom(), area.left());
            QVERIFY(area.top() >= pages->tabBar()->geometry().bottom());
            QCOMPARE(pages->tabIcon(i).isNull(), true);
        }
        // All six tabs fit the strip; none scrolls out of sight.
        const QRect last = pages->tabBar()->tabRect(5);
        QVERIFY(pages->tabBar()->rect().contains(last));
    }

    // ---- first show

    void firstShow() {
        MainWindow window;
        TForm2& form = window.Form();
        QVERIFY(!form.isVisible());
        QVERIFY(window.Show());
        QCOMPARE(form.windowTitle(), QStringLiteral("ORVANTIS     VERSÃO 3.5"));
        QCOMPARE(form.size(), QSize(538, 426));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        const Qt::WindowFlags flags = form.windowFlags();
        QVERIFY(!(flags & Qt::WindowSystemMenuHint));
        QVERIFY(!(flags & Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(form.PageControl1()->currentIndex(), 0);
        QCOMPARE(form.PageControl1()->tabText(0), QStringLiteral("EXTRAIR LOGOS"));
        QCOMPARE(QApplication::focusWidget(), window.Tabs());
        QCOMPARE(form.Gauge1()->Progress(), 0);
        // Centred by its outer size, in whole pixels.
        const QRect screen = form.screen()->geometry();
        const QRect outer = form.frameGeometry();
        QCOMPARE(outer.topLeft(), QPoint((screen.width() - outer.width()) / 2,
                                         (screen.height() - outer.height()) / 2));
        QCOMPARE(window.handlers, QStringList());
    }

    // ---- pages and the focus-entry handlers

    void tabClickRunsNothingAndListClickEntersOnce() {
        MainWindow window;
        QVERIFY(window.Show());
        window.ClickTab(1);
        QCOMPARE(window.Form().PageControl1()->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), window.Tabs());
        QCOMPARE(window.handlers, QStringList());

        auto* list = window.Find<TShellListView>("ShellListView1");
        window.Click(list->viewport());
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(window.handlers, QStringList{QStringLiteral("TabSheet2Enter")});

        auto* memo = window.Find<QPlainTextEdit>("Memo1");
        window.Click(memo->viewport());
        QCOMPARE(QApplication::focusWidget(), memo);
        QCOMPARE(window.handlers, QStringList{QStringLiteral("TabSheet2Enter")});

        // Back to the tab strip and in again: that is a new entry.
        window.ClickTab(1);
        QCOMPARE(QApplication::focusWidget(), window.Tabs());
        window.Click(window.Find("Edit1"));
        QCOMPARE(window.handlers,
                 (QStringList{QStringLiteral("TabSheet2Enter"), QStringLiteral("TabSheet2Enter")}));
    }

    // A message box (any other window of the program) taking the focus and
    // giving it back is no new entry into the page.
    void anotherWindowInBetweenIsNoNewEntry() {
        MainWindow window;
        QVERIFY(window.Show());
        window.ClickTab(1);
        auto* list = window.Find<TShellListView>("ShellListView1");
        window.Click(list->viewport());
        QCOMPARE(window.handlers, QStringList{QStringLiteral("TabSheet2Enter")});

        QLineEdit box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        // Offscreen windows are activated by hand: the platform sends no
        // activation for a second window.
        QApplication::setActiveWindow(&box);
        box.setFocus(Qt::ActiveWindowFocusReason);
        QCOMPARE(QApplication::focusWidget(), &box);
        box.hide();

        QApplication::setActiveWindow(&window.Form());
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(window.handlers, QStringList{QStringLiteral("TabSheet2Enter")});
    }

    void buttonClickEntersThePageFirst() {
        MainWindow window;
        QVERIFY(window.Show());
        window.ClickTab(2);
        QCOMPARE(QApplication::focusWidget(), window.Tabs());
        QCOMPARE(window.handlers, QStringList());
        window.Click(window.Find("Button5"));
        QCOMPARE(window.handlers,
                 (QStringList{QStringLiteral("TabSheet3Enter"), QStringLiteral("Button5Click")}));
        QCOMPARE(QApplication::focusWidget(), window.Find("Button5"));
    }

    // Steps: "tab N" clicks a tab, "click Name" clicks a control, "key K"
    // presses Tab, Ctrl+Tab or Ctrl+Shift+Tab where the focus is.
    void pageChangeWithTheFocusInside_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("handlers");
        QTest::newRow("Ctrl+Tab from Button1 into the list")
            << QStringList{"key Tab", "key Ctrl+Tab"} << 1 << "ShellListView1"
            << QStringList{"TabSheet2Enter"};
        QTest::newRow("Ctrl+Tab from the memo to the insert page")
            << QStringList{"tab 1", "click Memo1", "key Ctrl+Tab"} << 2 << "Button5"
            << QStringList{"TabSheet2Enter", "TabSheet3Enter"};
        QTest::newRow("back to a page whose memo had the focus")
            << QStringList{"tab 1", "click Memo1", "key Ctrl+Tab", "key Ctrl+Shift+Tab"} << 1
            << "ShellListView1"
            << QStringList{"TabSheet2Enter", "TabSheet3Enter", "TabSheet2Enter"};
        QTest::newRow("Ctrl+Tab from the restore buttons to the Skins page")
            << QStringList{"tab 3", "key Tab", "key Ctrl+Tab"} << 4 << "Button14" << QStringList{};
        QTest::newRow("Ctrl+Tab on the strip keeps the focus there")
            << QStringList{"tab 1", "click Memo1", "tab 1", "key Ctrl+Tab"} << 2
            << "qt_tabwidget_tabbar" << QStringList{"TabSheet2Enter"};
    }

    void pageChangeWithTheFocusInside() {
        QFETCH(QStringList, steps);
        QFETCH(int, page);
        QFETCH(QString, focus);
        QFETCH(QStringList, handlers);
        MainWindow window;
        QVERIFY(window.Show());
        for (const QString& step : steps) {
            const QString what = step.section(QLatin1Char(' '), 1);
            if (step.startsWith(QLatin1String("tab "))) {
                window.ClickTab(what.toInt());
            } else if (step.startsWith(QLatin1String("click "))) {
                QWidget* widget = window.Find(what.toLatin1().constData());
                QVERIFY2(widget, qPrintable(what));
                if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
                    widget = area->viewport();
                window.Click(widget);
            } else if (what == QLatin1String("Tab")) {
                window.Key(Qt::Key_Tab);
            } else if (what == QLatin1String("Ctrl+Tab")) {
                window.Key(Qt::Key_Tab, Qt::ControlModifier);
            } else {
                QCOMPARE(what, QStringLiteral("Ctrl+Shift+Tab"));
                window.Key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
            }
        }
        QCOMPARE(window.Form().PageControl1()->currentIndex(), page);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(window.handlers, handlers);
    }

    void ctrlTabWraps_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("to");
        QTest::newRow("Ctrl+Tab on ABOUT") << 5 << int(Qt::ControlModifier) << 0;
        QTest::newRow("Ctrl+Shift+Tab on EXTRAIR LOGOS")
            << 0 << int(Qt::ControlModifier | Qt::ShiftModifier) << 5;
        QTest::newRow("Ctrl+Tab in the middle") << 2 << int(Qt::ControlModifier) << 3;
        QTest::newRow("Ctrl+Shift+Tab in the middle")
            << 2 << int(Qt::ControlModifier | Qt::ShiftModifier) << 1;
    }

    void ctrlTabWraps() {
        QFETCH(int, from);
        QFETCH(int, modifiers);
        QFETCH(int, to);
        MainWindow window;
        QVERIFY(window.Show());
        window.ClickTab(from);
        QCOMPARE(window.Form().PageControl1()->currentIndex(), from);
        window.Key(Qt::Key_Tab, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(window.Form().PageControl1()->currentIndex(), to);
        QCOMPARE(QApplication::focusWidget(), window.Tabs());
        QCOMPARE(window.handlers, QStringList());
    }

    void arrowKeysChangeThePageOnly() {
        MainWindow window;
        QVERIFY(window.Show());
        QList<int> shown;
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}) {
            window.Key(key);
            shown << window.Form().PageControl1()->currentIndex();
            QCOMPARE(QApplication::focusWidget(), window.Tabs());
        }
        QCOMPARE(shown, (QList<int>{1, 2, 3, 2}));
        QCOMPARE(window.handlers, QStringList());
    }

    void tabOrderOnTheSkinsPage() {
        MainWindow window;
        QVERIFY(window.Show());
        window.ClickTab(4);
        window.Key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.Find("Button14"));
        QStringList visited;
        for (int i = 0; i < 6; ++i) {
            window.Key(Qt::Key_Tab);
            auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
            QVERIFY(button);
            visited << button->objectName() + QLatin1Char(' ') + button->text();
        }
        QCOMPARE(visited, (QStringList{"Button13 VERMELHO", "Button12 ROSA", "Button11 AMARELO",
                                       "Button10 AQUA", "Button3 AZUL", "Button2 VERDE"}));
        QCOMPARE(window.handlers, QStringList());
    }

    void hintsResolveUpToTheWindow() {
        MainWindow window;
        QVERIFY(window.Show());
        const QString windowHint = window.Form().toolTip();
        QVERIFY(windowHint.startsWith(QLatin1String("ORVANTIS - ")));
        for (const Control& row : Controls) {
            if (qstrcmp(row.name, "Form2") == 0)
                continue;
            QWidget* widget = window.Find(row.name);
            QVERIFY2(widget, row.name);
            const QString expected = row.hint ? widget->toolTip() : windowHint;
            QCOMPARE(ResolvedHint(CursorWidget(widget)), expected);
        }
        for (int i = 0; i < window.Tabs()->count(); ++i)
            QCOMPARE(window.Tabs()->tabToolTip(i), QString());
        QCOMPARE(ResolvedHint(window.Tabs()), windowHint);
    }

    void hintShownForTheMouse_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint"); // empty: the window's
        QTest::newRow("Button1") << "Button1" << QString();
        QTest::newRow("Label17") << "Label17" << QString();
        QTest::newRow("SpeedButton2")
            << "SpeedButton2" << QStringLiteral("CLIQUE AQUI PARA EXTRAIR O LOGO INTERMEDIÁRIO");
        QTest::newRow("BitBtn1") << "BitBtn1" << QStringLiteral("CLIQUE AQUI PARA FECHAR");
    }

    void hintShownForTheMouse() {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        MainWindow window;
        QVERIFY(window.Show());
        QWidget* widget = window.Find(control.toLatin1().constData());
        QVERIFY(widget);
        QToolTip::hideText();
        const QPoint at = widget->rect().center();
        QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), hint.isEmpty() ? window.Form().toolTip() : hint);
    }

    void thumbnailClickMovesNoFocus_data() {
        QTest::addColumn<bool>("fromButton1");
        QTest::newRow("focus on the tab strip") << false;
        QTest::newRow("focus on Button1") << true;
    }

    void thumbnailClickMovesNoFocus() {
        QFETCH(bool, fromButton1);
        MainWindow window;
        QVERIFY(window.Show());
        if (fromButton1)
            window.Key(Qt::Key_Tab);
        QWidget* before = QApplication::focusWidget();
        QCOMPARE(before,
                 fromButton1 ? window.Find("Button1") : static_cast<QWidget*>(window.Tabs()));
        window.Click(window.Find("SpeedButton1"));
        QCOMPARE(QApplication::focusWidget(), before);
        QCOMPARE(window.handlers, QStringList{QStringLiteral("SpeedButton1Click")});
    }

    void thumbnailClicksOnReleaseOverIt_data() {
        QTest::addColumn<QPoint>("release"); // from the button's top-left corner
        QTest::addColumn<QStringList>("handlers");
        QTest::newRow("released over it") << QPoint(140, 170) << QStringList{"SpeedButton1Click"};
        QTest::newRow("released beside it") << QPoint(150, 100) << QStringList{};
    }

    void thumbnailClicksOnReleaseOverIt() {
        QFETCH(QPoint, release);
        QFETCH(QStringList, handlers);
        MainWindow window;
        QVERIFY(window.Show());
        auto* button = window.Find<TSpeedButton>("SpeedButton1");
        QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
        QVERIFY(button->isDown());
        QCOMPARE(window.handlers, QStringList());
        QTest::mouseMove(button, release);
        QTest::mouseRelease(button, Qt::LeftButton, {}, release);
        QVERIFY(!button->isDown());
        QCOMPARE(window.handlers, handlers);
    }

    // ---- every operation run from its control

    void operations_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("changes");
        const QString startupWork = QStringLiteral("orvantis/LOGO_INICIAL.BMP");
        const QString waitWork = QStringLiteral("orvantis/LOGO_INTERMEDIARIO.BMP");
        const QString offWork = QStringLiteral("orvantis/LOGO_FINAL.BMP");
        QTest::newRow("SpeedButton1")
            << "SpeedButton1" << 0 << QStringList{startupWork + "=live start-up"};
        QTest::newRow("SpeedButton2")
            << "SpeedButton2" << 0 << QStringList{waitWork + "=live wait"};
        QTest::newRow("SpeedButton3") << "SpeedButton3" << 0 << QStringList{offWork + "=live off"};
        QTest::newRow("Button1") << "Button1" << 0
                                 << QStringList{startupWork + "=live start-up",
                                                waitWork + "=live wait", offWork + "=live off"};
        QTest::newRow("Button5") << "Button5" << 2 << QStringList{"LOGO.SYS=edited start-up"};
        QTest::newRow("Button7") << "Button7" << 2 << QStringList{"WINDOWS/LOGOW.SYS=edited wait"};
        QTest::newRow("Button9") << "Button9" << 2 << QStringList{"WINDOWS/LOGOS.SYS=edited off"};
        QTest::newRow("Button15") << "Button15" << 2
                                  << QStringList{"LOGO.SYS=edited start-up",
                                                 "WINDOWS/LOGOW.SYS=edited wait",
                                                 "WINDOWS/LOGOS.SYS=edited off"};
        QTest::newRow("Button4") << "Button4" << 3 << QStringList{"LOGO.SYS=backup start-up"};
        QTest::newRow("Button6") << "Button6" << 3 << QStringList{"LOGO.SYS!"};
        QTest::newRow("Button8") << "Button8" << 3 << QStringList{"WINDOWS/LOGOW.SYS=backup wait"};
        QTest::newRow("Button16") << "Button16" << 3 << QStringList{"WINDOWS/LOGOS.SYS=backup off"};
    }

    void operations() {
        QFETCH(QString, control);
        QFETCH(int, page);
        QFETCH(QStringList, changes);
        MainWindow window(DriveFixture::Machine());
        QVERIFY(window.Show());
        const QMap<QString, QString> before = DriveFixture::Snapshot(window.Drive());
        window.ClickTab(page);
        QCOMPARE(window.Form().PageControl1()->currentIndex(), page);

        // At every pause: the value held and how often the gauge has been painted.
        TGauge* gauge = window.Form().Gauge1();
        QList<int> values, paints;
        window.Clock().onSleep = [&](unsigned, std::size_t) {
            values << gauge->Progress();
            paints << gauge->PaintCount();
        };
        const int paintsBefore = gauge->PaintCount();
        window.handlers.clear();
        window.Click(window.Find(control.toLatin1().constData()));

        QCOMPARE(window.handlers.count(control + QStringLiteral("Click")), 1);
        QCOMPARE(window.handlers.last(), control + QStringLiteral("Click"));
        QCOMPARE(values, RampValues);
        QCOMPARE(gauge->Progress(), 0);
        // Each value is on the screen before its pause: one painting at least per value.
        int previous = paintsBefore;
        for (int painted : paints) {
            QVERIFY(painted > previous);
            previous = painted;
        }
        QVERIFY(gauge->PaintCount() > previous);
        QCOMPARE(DriveFixture::Snapshot(window.Drive()), DriveFixture::Changed(before, changes));
        QCOMPARE(window.Dialogs().boxes.size(), std::size_t(0));
    }

    // ---- the start-up failure

    void startUpFailureWhenTheWorkFolderCannotBeMade() {
        TempDrive drive;
        drive.WriteFile("orvantis", "a file, not a folder");
        drive.WriteFile("logo.sys", "live start-up");
        drive.WriteFile("windows/logos.sys", "live off");
        drive.WriteFile("windows/logow.sys", "live wait");
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);
        QVERIFY(platform.SetFileAttributesA("C:\\logo.sys", faHidden));
        if (DosAttributes::Read(drive.Host("logo.sys")) != std::optional<std::uint32_t>(faHidden))
            QSKIP("the temporary folder keeps no user extended attributes");
        QVERIFY(platform.SetFileAttributesA("C:\\windows\\logos.sys", 0));
        const auto attributesOf = [&](const char* file) {
            return DosAttributes::Read(drive.Host(file)).value_or(0xFFFF);
        };
        const std::uint32_t waitAttributes = attributesOf("windows/logow.sys");

        RecordingDialogs dialogs;
        {
            ShownWindows shown;
            TProgram program(drive.Drive(), platform, dialogs);
            QVERIFY(!program.Start());
            QCOMPARE(shown.names, QStringList());
            QVERIFY(!program.Form1());
            QVERIFY(!program.Form2());
        }
        QCOMPARE(dialogs.boxes.size(), std::size_t(1));
        const RecordingDialogs::Box& box = dialogs.boxes.front();
        QCOMPARE(QString::fromStdString(box.caption), QStringLiteral("Application Error"));
        QCOMPARE(box.icon, miStop);
        static const QRegularExpression text(QStringLiteral(
            "^Exception EReadError in module (\\S+) at ([0-9A-F]{8})\\.\\n"
            "Error reading ShellListView1\\.Root: Error setting path: \"C:\\\\orvantis\\\\\"\\.$"));
        const QRegularExpressionMatch match = text.match(QString::fromStdString(box.text));
        QVERIFY2(match.hasMatch(), box.text.c_str());
        QCOMPARE(match.captured(1), QFileInfo(QCoreApplication::applicationFilePath()).fileName());

        QCOMPARE(attributesOf("logo.sys"), faHidden);
        QCOMPARE(attributesOf("windows/logos.sys"), 0u);
        QCOMPARE(attributesOf("windows/logow.sys"), waitAttributes);
        QVERIFY(fs::is_regular_file(drive.Host("orvantis")));
    }

    void startUpFailureEndsWithExitCode1() {
        TempDrive drive;
        drive.WriteFile("orvantis", "a file, not a folder");
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);
        RecordingDialogs dialogs;
        TProgram program(drive.Drive(), platform, dialogs);
        // Should the event loop run after all, it ends rather than hangs.
        bool loopRan = false;
        QTimer::singleShot(0, qApp, [&] {
            loopRan = true;
            QCoreApplication::quit();
        });
        QCOMPARE(program.Run(), 1);
        QCOMPARE(dialogs.boxes.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(dialogs.boxes.front().caption),
                 QStringLiteral("Application Error"));
        QVERIFY(!loopRan);
        QCoreApplication::processEvents(); // the guard timer, now harmless
    }

    // ---- pixels that carry meaning

    void labelsPaintTheirRectangle_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("page");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("ink"); // invalid: no text
        const QColor black(0, 0, 0), white(255, 255, 255), aqua(0, 255, 255);
        QTest::newRow("Label1 on the group box") << "Label1" << 0 << WindowColour << black;
        QTest::newRow("Label17 title") << "Label17" << 0 << WindowColour << TitleColour;
        QTest::newRow("Label6 spacer") << "Label6" << 1 << WindowColour << QColor();
        QTest::newRow("Label4 docked") << "Label4" << 1 << WindowColour << black;
        QTest::newRow("Label7 on the black panel") << "Label7" << 4 << black << aqua;
        QTest::newRow("Label19 title") << "Label19" << 5 << WindowColour << TitleColour;
        QTest::newRow("Label25 white") << "Label25" << 5 << WindowColour << white;
    }

    void labelsPaintTheirRectangle() {
        QFETCH(QString, label);
        QFETCH(int, page);
        QFETCH(QColor, background);
        QFETCH(QColor, ink);
        MainWindow window;
        QVERIFY(window.Show());
        window.Form().PageControl1()->setCurrentIndex(page);
        QWidget* widget = window.Find(label.toLatin1().constData());
        QVERIFY(widget);
        // Rendered alone over a colour the window never shows: what stays
        // magenta, the label did not paint.
        QImage image(widget->size(), QImage::Format_RGB32);
        const QRgb magenta = qRgb(255, 0, 255);
        image.fill(magenta);
        widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        int backgroundPixels = 0, unpainted = 0;
        QRgb farthest = background.rgb();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (pixel == magenta)
                    ++unpainted;
                if (pixel == background.rgb())
                    ++backgroundPixels;
                if (Distance(pixel, background.rgb()) > Distance(farthest, background.rgb()))
                    farthest = pixel;
            }
        }
        QCOMPARE(unpainted, 0);
        QCOMPARE(QColor(image.pixel(image.width() - 1, 0)), background);
        QCOMPARE(QColor(image.pixel(image.width() - 1, image.height() - 1)), background);
        if (!ink.isValid()) {
            QCOMPARE(backgroundPixels, image.width() * image.height());
        } else {
            QVERIFY(backgroundPixels > image.width() * image.height() / 3);
            // The strongest ink is nearer the font colour than the background.
            QVERIFY2(Distance(farthest, ink.rgb()) < Distance(farthest, background.rgb()),
                     qPrintable(QColor(farthest).name()));
        }
    }

    void thumbnailFaceShowsThroughTheFrame_data() {
        QTest::addColumn<bool>("pressed");
        QTest::newRow("raised") << false;
        QTest::newRow("pressed") << true;
    }

    void thumbnailFaceShowsThroughTheFrame() {
        QFETCH(bool, pressed);
        MainWindow window;
        QVERIFY(window.Show());
        auto* button = window.Find<TSpeedButton>("SpeedButton1");
        const QImage raised = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (pressed)
            QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
        QTRY_COMPARE(button->isDown(), pressed);
        const QImage image = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), QSize(145, 177));
        const QRgb face = button->palette().color(QPalette::Button).rgb();
        const QRgb green = qRgb(0, 255, 0);
        // The 128 x 160 picture is centred, and one pixel down and right when pressed.
        const QPoint at =
            QPoint((145 - 128) / 2, (177 - 160) / 2) + (pressed ? QPoint(1, 1) : QPoint());
        int greens = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                greens += image.pixel(x, y) == green;
        QCOMPARE(greens, 0);
        for (const QPoint& edge : {QPoint(0, 80), QPoint(127, 80), QPoint(64, 0), QPoint(64, 159)})
            QCOMPARE(QColor(image.pixel(at + edge)), QColor(face));
        // Inside the frame the picture is drawn, not the face.
        int pictured = 0;
        for (int y = 1; y < 159; ++y)
            for (int x = 1; x < 127; ++x)
                pictured += image.pixel(at + QPoint(x, y)) != face;
        QVERIFY(pictured > 126 * 158 / 2);
        if (pressed) {
            // Same picture, shifted; the edge drawn sunken, not raised.
            for (int y = 1; y < 159; y += 7)
                for (int x = 1; x < 127; x += 5)
                    QCOMPARE(image.pixel(at + QPoint(x, y)),
                             raised.pixel(at + QPoint(x - 1, y - 1)));
            QVERIFY(image.pixel(0, 0) != raised.pixel(0, 0));
            QTest::mouseRelease(button, Qt::LeftButton, {}, button->rect().center());
            QCOMPARE(window.handlers, QStringList{QStringLiteral("SpeedButton1Click")});
        }
    }

    void closeButtonPictureLeftOfItsCaption() {
        MainWindow window;
        QVERIFY(window.Show());
        auto* button = window.Find<TBitBtn>("BitBtn1");
        const QImage image = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        auto isBlue = [](QRgb p) { return qBlue(p) >= 128 && qBlue(p) - qRed(p) >= 64; };
        auto isInk = [](QRgb p) { return qRed(p) < 96 && qGreen(p) < 96 && qBlue(p) < 96; };
        // The tile: the blue pixels' bounding box.
        QRect tile;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (isBlue(image.pixel(x, y)))
                    tile |= QRect(x, y, 1, 1);
        QCOMPARE(tile.size(), QSize(16, 16));
        // The caption's first ink right of the tile, clear of the button's frame.
        int inkLeft = -1, inkRight = -1;
        for (int x = tile.right() + 1; x < image.width() - 4; ++x)
            for (int y = 4; y < image.height() - 4; ++y)
                if (isInk(image.pixel(x, y))) {
                    if (inkLeft < 0)
                        inkLeft = x;
                    inkRight = x;
                }
        QVERIFY(inkLeft > 0);
        const QFontMetrics metrics(button->font());
        const QString caption = QStringLiteral("FECHAR");
        QCOMPARE(inkLeft - (tile.right() + 1), 4 + metrics.leftBearing(caption.front()));
        QVERIFY(inkRight < tile.left() + 16 + 4 + metrics.horizontalAdvance(caption));
        // The pair is centred: the space left of it and right of it differ by a pixel at most.
        const int pair = 16 + 4 + metrics.horizontalAdvance(caption);
        const int leftSpace = tile.left();
        const int rightSpace = image.width() - (tile.left() + pair);
        QVERIFY2(qAbs(leftSpace - rightSpace) <= 1,
                 qPrintable(QStringLiteral("%1 vs %2").arg(leftSpace).arg(rightSpace)));
        QCOMPARE(tile.top(), (image.height() - 16) / 2);
    }

    void memoWrapsWithoutScrollBars() {
        MainWindow window;
        QVERIFY(window.Show());
        window.ClickTab(1);
        auto* memo = window.Find<QPlainTextEdit>("Memo1");
        QCOMPARE(memo->document()->blockCount(), 10);
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(!memo->verticalScrollBar()->isVisible());
        QVERIFY(!memo->horizontalScrollBar()->isVisible());
        // The lines are laid out when asked for their place.
        auto lines = [memo](int block) {
            const QTextBlock b = memo->document()->findBlockByNumber(block);
            memo->document()->documentLayout()->blockBoundingRect(b);
            return b.layout()->lineCount();
        };
        const QTextBlock line7 = memo->document()->findBlockByNumber(6);
        QCOMPARE(line7.text().size(), 152);
        QVERIFY(line7.text().endsWith(QLatin1Char('>')));
        QCOMPARE(lines(6), 2);
        // A short line stays one line.
        QCOMPARE(lines(0), 1);
        // Wrapped lines fit the width: no line is wider than the text area.
        const QTextLayout* layout = line7.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            QVERIFY(layout->lineAt(i).naturalTextWidth() <= memo->viewport()->width());
    }

    void editSelectsAllWhenTabbedInto_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Tab from the list") << "ShellListView1" << int(Qt::NoModifier);
        QTest::newRow("Shift+Tab from the memo") << "Memo1" << int(Qt::ShiftModifier);
    }

    void editSelectsAllWhenTabbedInto() {
        QFETCH(QString, from);
        QFETCH(int, modifiers);
        MainWindow window;
        QVERIFY(window.Show());
        window.ClickTab(1);
        QWidget* start = window.Find(from.toLatin1().constData());
        window.Click(qobject_cast<QAbstractScrollArea*>(start)->viewport());
        QCOMPARE(QApplication::focusWidget(), start);
        auto* edit = window.Find<QLineEdit>("Edit1");
        QCOMPARE(edit->selectedText(), QString());
        window.Key(Qt::Key_Tab, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->selectedText(), QStringLiteral("C:\\orvantis\\"));
        QCOMPARE(edit->selectedText(), edit->text());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
