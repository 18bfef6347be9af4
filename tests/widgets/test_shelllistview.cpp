#include "DosAttributes.h"
#include "EInvalidPath.h"
#include "ERenameFailed.h"
#include "IFileOpener.h"
#include "TFilePropertiesDialog.h"
#include "TShellListView.h"
#include "TWorkFolderModel.h"
#include "TempDrive.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>

#include <cstring>
#include <memory>
#include <set>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kWorkFolder = "C:\\orvantis\\";

class RecordingOpener final : public IFileOpener {
public:
    void Open(const fs::path& hostPath) override { m_opened.push_back(hostPath); }
    std::vector<fs::path> m_opened;
};

// The drive with its work folder and the list showing it.
struct Fixture {
    explicit Fixture(const QStringList& entries) {
        drive.MakeFolder("orvantis");
        for (const QString& entry : entries) {
            if (entry.endsWith(QLatin1Char('/')))
                drive.MakeFolder("orvantis/" + entry.chopped(1).toStdString());
            else
                drive.WriteFile("orvantis/" + entry.toStdString(), "BM");
        }
        view = std::make_unique<TShellListView>(drive.Drive());
        view->resize(513, 96);
        view->SetFileOpener(opener);
        view->SetErrorReporter([this](const std::exception& error) {
            errors << QString::fromUtf8(error.what());
            if (const auto* rename = dynamic_cast<const ERenameFailed*>(&error))
                refusedNames.push_back(rename->NewName());
        });
    }

    fs::path Work(const QString& name = {}) const {
        const fs::path folder = drive.Host("orvantis");
        return name.isEmpty() ? folder : folder / fs::path(name.toStdString());
    }
    QModelIndex IndexOf(const QString& name) const {
        return view->Model().index(view->Model().RowOf(name));
    }
    std::set<std::string> OnDisk() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(Work()))
            names.insert(entry.path().filename().string());
        return names;
    }

    TempDrive drive;
    RecordingOpener opener;
    std::unique_ptr<TShellListView> view;
    QStringList errors;
    std::vector<std::string> refusedNames;
};

// Runs a command as another process in the work folder, as a user's file
// manager or shell would change it.
bool RunOutside(const fs::path& folder, const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(folder.string()));
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

class TestShellListView : public QObject {
    Q_OBJECT

private slots:
    void missingRootFails();
    void hiddenEntriesAreNotListed();
    void order();
    void followsNameChangesOfAnotherProcess_data();
    void followsNameChangesOfAnotherProcess();
    void attributeOrContentChangeAloneDoesNotReread_data();
    void attributeOrContentChangeAloneDoesNotReread();
    void opensThroughTheOpener_data();
    void opensThroughTheOpener();
    void backspaceShowsParentUpToDriveRoot();
    void altEnterShowsProperties();
    void renameConfirmed();
    void refusedRenameKeepsOldName_data();
    void refusedRenameKeepsOldName();
    void modelPassesTester();
};

void TestShellListView::missingRootFails() {
    TempDrive drive;
    TShellListView view(drive.Drive());
    try {
        view.SetRoot(kWorkFolder);
        QFAIL("a missing folder was accepted as the root");
    } catch (const EInvalidPath& error) {
        QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Error setting path: \"C:\\orvantis\\\""));
        QCOMPARE(QString::fromUtf8(error.ClassName()), QStringLiteral("EInvalidPath"));
    }
    // A file of that name is no folder either.
    drive.WriteFile("orvantis", "x");
    QVERIFY_THROWS_EXCEPTION(EInvalidPath, view.SetRoot(kWorkFolder));

    std::filesystem::remove(drive.Host("orvantis"));
    drive.MakeFolder("orvantis");
    view.SetRoot(kWorkFolder);
    QCOMPARE(view.CurrentFolder(), drive.Host("orvantis"));
    QCOMPARE(view.Root(), kWorkFolder);
}

void TestShellListView::hiddenEntriesAreNotListed() {
    Fixture f({"LOGO_FINAL.BMP", "hidden.bmp", "HiddenFolder/", ".dotfile", ".dotfolder/",
               "system.bmp", "readonly.bmp"});
    QVERIFY(DosAttributes::Write(f.Work("hidden.bmp"), faHidden));
    QVERIFY(DosAttributes::Write(f.Work("HiddenFolder"), faHidden | faArchive));
    QVERIFY(DosAttributes::Write(f.Work("system.bmp"), faSysFile | faArchive));
    QVERIFY(DosAttributes::Write(f.Work("readonly.bmp"), faReadOnly));
    f.view->SetRoot(kWorkFolder);
    QCOMPARE(f.view->ItemNames(), (QStringList{"LOGO_FINAL.BMP", "readonly.bmp", "system.bmp"}));
}

void TestShellListView::order() {
    Fixture f({"file10.bmp", "File2.bmp", "zeta", "b/", "A10/", "a2/", "LOGO_INICIAL.BMP", "10.txt",
               "9.txt"});
    f.view->SetRoot(kWorkFolder);
    QCOMPARE(f.view->ItemNames(), (QStringList{"a2", "A10", "b", "9.txt", "10.txt", "File2.bmp",
                                               "file10.bmp", "LOGO_INICIAL.BMP", "zeta"}));
}

void TestShellListView::followsNameChangesOfAnotherProcess_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("file created") << "touch" << QStringList{"LOGO_FINAL.BMP"}
                                  << QStringList{"sub", "LOGO_FINAL.BMP", "old.bmp"};
    QTest::newRow("folder created") << "mkdir" << QStringList{"new"}
                                    << QStringList{"new", "sub", "old.bmp"};
    QTest::newRow("file deleted") << "rm" << QStringList{"old.bmp"} << QStringList{"sub"};
    QTest::newRow("folder deleted") << "rmdir" << QStringList{"sub"} << QStringList{"old.bmp"};
    QTest::newRow("renamed") << "mv" << QStringList{"old.bmp", "LOGO_INTERMEDIARIO.BMP"}
                             << QStringList{"sub", "LOGO_INTERMEDIARIO.BMP"};
    QTest::newRow("moved into a subfolder") << "mv" << QStringList{"old.bmp", "sub/"}
                                            << QStringList{"sub"};
}

void TestShellListView::followsNameChangesOfAnotherProcess() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);

    Fixture f({"old.bmp", "sub/"});
    f.view->SetRoot(kWorkFolder);
    const QStringList before = f.view->ItemNames();
    QCOMPARE(before, (QStringList{"sub", "old.bmp"}));

    QVERIFY(RunOutside(f.Work(), program, arguments));
    // Nothing is read while the thread is held; the change shows once events run.
    QCOMPARE(f.view->ItemNames(), before);
    QTRY_COMPARE(f.view->ItemNames(), expected);
}

void TestShellListView::attributeOrContentChangeAloneDoesNotReread_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("afterF5");

    QTest::newRow("hidden attribute cleared")
        << "setfattr" << QStringList{"-x", "user.DOSATTRIB", "hidden.bmp"}
        << QStringList{"hidden.bmp", "LOGO_FINAL.BMP"};
    QTest::newRow("content rewritten") << "sh" << QStringList{"-c", "echo more >> LOGO_FINAL.BMP"}
                                       << QStringList{"LOGO_FINAL.BMP"};
    QTest::newRow("times changed") << "touch" << QStringList{"LOGO_FINAL.BMP"}
                                   << QStringList{"LOGO_FINAL.BMP"};
    QTest::newRow("made read-only") << "chmod" << QStringList{"a-w", "LOGO_FINAL.BMP"}
                                    << QStringList{"LOGO_FINAL.BMP"};
}

void TestShellListView::attributeOrContentChangeAloneDoesNotReread() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, afterF5);

    Fixture f({"LOGO_FINAL.BMP", "hidden.bmp"});
    QVERIFY(DosAttributes::Write(f.Work("hidden.bmp"), faHidden));
    f.view->SetRoot(kWorkFolder);
    QCOMPARE(f.view->ItemNames(), QStringList{"LOGO_FINAL.BMP"});
    const int reads = f.view->Model().ReadCount();

    QVERIFY(RunOutside(f.Work(), program, arguments));
    QTest::qWait(400);
    QCOMPARE(f.view->Model().ReadCount(), reads);
    QCOMPARE(f.view->ItemNames(), QStringList{"LOGO_FINAL.BMP"});

    QTest::keyClick(f.view.get(), Qt::Key_F5);
    QCOMPARE(f.view->Model().ReadCount(), reads + 1);
    QCOMPARE(f.view->ItemNames(), afterF5);
}

void TestShellListView::opensThroughTheOpener_data() {
    QTest::addColumn<QString>("how");      // "enter", "double-click"
    QTest::addColumn<QString>("selected"); // empty: nothing selected
    QTest::addColumn<QString>("opened");   // empty: nothing opened
    QTest::addColumn<QString>("shown");    // folder shown afterwards, under the work folder

    const QString odd = QStringLiteral("meu \"logo\"; rm -rf 'x' $HOME.bmp");
    QTest::newRow("enter on a file") << "enter" << "LOGO_FINAL.BMP" << "LOGO_FINAL.BMP" << "";
    QTest::newRow("enter, spaces quotes and ;") << "enter" << odd << odd << "";
    QTest::newRow("double-click on a file") << "double-click" << "LOGO_FINAL.BMP"
                                            << "LOGO_FINAL.BMP" << "";
    QTest::newRow("double-click, spaces quotes and ;") << "double-click" << odd << odd << "";
    QTest::newRow("enter on a folder") << "enter" << "pasta" << "" << "pasta";
    QTest::newRow("double-click on a folder") << "double-click" << "pasta" << "" << "pasta";
    QTest::newRow("enter with nothing selected") << "enter" << "" << "" << "";
}

void TestShellListView::opensThroughTheOpener() {
    QFETCH(QString, how);
    QFETCH(QString, selected);
    QFETCH(QString, opened);
    QFETCH(QString, shown);

    const QString odd = QStringLiteral("meu \"logo\"; rm -rf 'x' $HOME.bmp");
    Fixture f({"LOGO_FINAL.BMP", odd, "pasta/", "pasta/inside.bmp"});
    f.view->SetRoot(kWorkFolder);
    f.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.view.get()));

    if (!selected.isEmpty()) {
        const QModelIndex index = f.IndexOf(selected);
        QVERIFY(index.isValid());
        if (how == QLatin1String("enter")) {
            f.view->setCurrentIndex(index);
            QTest::keyClick(f.view.get(), Qt::Key_Return);
        } else {
            f.view->scrollTo(index);
            const QPoint at = f.view->visualRect(index).center();
            QCOMPARE(f.view->indexAt(at), index);
            // The order a real double-click arrives in: press, release, double-click, release.
            QTest::mouseClick(f.view->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(f.view->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(f.view->viewport(), Qt::LeftButton, {}, at);
        }
    } else {
        QCOMPARE(f.view->SelectedRow(), -1);
        QTest::keyClick(f.view.get(), Qt::Key_Return);
    }

    if (opened.isEmpty()) {
        QVERIFY(f.opener.m_opened.empty());
    } else {
        QCOMPARE(f.opener.m_opened.size(), std::size_t(1));
        QCOMPARE(f.opener.m_opened.front(), f.Work(opened));
        QVERIFY(fs::exists(f.opener.m_opened.front()));
    }
    QCOMPARE(f.view->CurrentFolder(), shown.isEmpty() ? f.Work() : f.Work(shown));
    if (!shown.isEmpty())
        QCOMPARE(f.view->ItemNames(), QStringList{"inside.bmp"});
}

void TestShellListView::backspaceShowsParentUpToDriveRoot() {
    Fixture f({"pasta/", "pasta/inside.bmp"});
    f.drive.WriteFile("AUTOEXEC.BAT", "");
    f.view->SetRoot("C:\\orvantis\\pasta\\");
    QCOMPARE(f.view->ItemNames(), QStringList{"inside.bmp"});

    QTest::keyClick(f.view.get(), Qt::Key_Backspace);
    QCOMPARE(f.view->CurrentFolder(), f.Work());
    QCOMPARE(f.view->ItemNames(), QStringList{"pasta"});
    QTest::keyClick(f.view.get(), Qt::Key_Backspace);
    QCOMPARE(f.view->ItemNames(), (QStringList{"orvantis", "AUTOEXEC.BAT"}));
    QTest::keyClick(f.view.get(), Qt::Key_Backspace);
    QVERIFY(fs::equivalent(f.view->CurrentFolder(), f.drive.Root()));
    QCOMPARE(f.view->ItemNames(), (QStringList{"orvantis", "AUTOEXEC.BAT"}));
}

void TestShellListView::altEnterShowsProperties() {
    Fixture f({"LOGO_FINAL.BMP", "b.bmp"});
    QVERIFY(DosAttributes::Write(f.Work("LOGO_FINAL.BMP"), faSysFile | faArchive));
    f.view->SetRoot(kWorkFolder);
    f.view->setCurrentIndex(f.IndexOf("LOGO_FINAL.BMP"));
    QTest::keyClick(f.view.get(), Qt::Key_Return, Qt::AltModifier);

    QVERIFY(f.opener.m_opened.empty());
    const auto dialogs = f.view->findChildren<TFilePropertiesDialog*>();
    QCOMPARE(dialogs.size(), 1);
    // Shown without blocking: the test goes on while it is open.
    QVERIFY(dialogs.front()->isVisible());
    QVERIFY(!dialogs.front()->isModal());
    QStringList texts;
    for (const QLabel* label : dialogs.front()->findChildren<QLabel*>())
        texts << label->text();
    QVERIFY(texts.contains(QStringLiteral("LOGO_FINAL.BMP")));
    QVERIFY(texts.contains(QString::fromStdString(f.Work().string())));
    QVERIFY(std::any_of(texts.begin(), texts.end(),
                        [](const QString& text) { return text.contains(QStringLiteral("(2 bytes)")); }));
    QStringList checked;
    for (const QCheckBox* box : dialogs.front()->findChildren<QCheckBox*>())
        if (box->isChecked())
            checked << box->text();
    QCOMPARE(checked, (QStringList{"Sistema", "Arquivo"}));
    dialogs.front()->close();
}

void TestShellListView::renameConfirmed() {
    Fixture f({"LOGO_FINAL.BMP", "b.bmp"});
    f.view->SetRoot(kWorkFolder);
    f.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.view.get()));
    const QModelIndex index = f.IndexOf("b.bmp");
    f.view->setCurrentIndex(index);
    QTest::keyClick(f.view.get(), Qt::Key_F2);
    auto* editor = f.view->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("b.bmp"));
    editor->setText(QStringLiteral("a.bmp"));
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate hands the edit over on the next turn of the event loop.
    QTRY_VERIFY(!f.view->IsEditingName());

    QVERIFY(f.errors.isEmpty());
    QCOMPARE(f.OnDisk(), (std::set<std::string>{"LOGO_FINAL.BMP", "a.bmp"}));
    // The rename comes back as a name change of the folder and puts the item in order.
    QTRY_COMPARE(f.view->ItemNames(), (QStringList{"a.bmp", "LOGO_FINAL.BMP"}));
}

void TestShellListView::refusedRenameKeepsOldName_data() {
    QTest::addColumn<QString>("newName");

    QTest::newRow("empty") << QString();
    QTest::newRow(".") << QStringLiteral(".");
    QTest::newRow("..") << QStringLiteral("..");
    QTest::newRow("slash") << QStringLiteral("../escaped.bmp");
    QTest::newRow("NUL") << QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b.bmp");
    QTest::newRow("an existing file") << QStringLiteral("LOGO_FINAL.BMP");
    QTest::newRow("an existing hidden file") << QStringLiteral("hidden.bmp");
    QTest::newRow("an existing folder") << QStringLiteral("pasta");
    QTest::newRow("refused by the file system") << QString(300, QLatin1Char('n'));
}

void TestShellListView::refusedRenameKeepsOldName() {
    QFETCH(QString, newName);

    Fixture f({"LOGO_FINAL.BMP", "old.bmp", "hidden.bmp", "pasta/"});
    QVERIFY(DosAttributes::Write(f.Work("hidden.bmp"), faHidden));
    f.view->SetRoot(kWorkFolder);
    f.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.view.get()));
    const QStringList names = f.view->ItemNames();
    const std::set<std::string> onDisk = f.OnDisk();

    f.view->setCurrentIndex(f.IndexOf("old.bmp"));
    QTest::keyClick(f.view.get(), Qt::Key_F2);
    auto* editor = f.view->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->setText(newName);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!f.view->IsEditingName());

    QCOMPARE(f.refusedNames.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(f.refusedNames.front()), newName);
    // The message is a C string: a NUL in the name ends it there.
    const std::string message = "Rename to " + newName.toStdString() + " failed";
    QCOMPARE(f.errors, QStringList{QString::fromUtf8(message.c_str())});
    QCOMPARE(f.view->ItemNames(), names);
    QCOMPARE(f.view->Model().data(f.IndexOf("old.bmp")).toString(), QStringLiteral("old.bmp"));
    QCOMPARE(f.OnDisk(), onDisk);
    QCOMPARE(f.drive.ReadFile("orvantis/old.bmp"), std::string("BM"));
    QVERIFY(!f.drive.Exists("escaped.bmp"));
    QVERIFY(!f.drive.Exists("orvantis/a"));
}

void TestShellListView::modelPassesTester() {
    Fixture f({"LOGO_FINAL.BMP", "b.bmp", "pasta/"});
    f.view->SetRoot(kWorkFolder);
    QAbstractItemModelTester tester(&f.view->Model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(RunOutside(f.Work(), "touch", {"c.bmp"}));
    QTRY_COMPARE(f.view->ItemNames().size(), 4);
    QVERIFY(f.view->Model().setData(f.IndexOf("c.bmp"), QStringLiteral("d.bmp")));
    QVERIFY(!f.view->Model().setData(f.IndexOf("d.bmp"), QStringLiteral("b.bmp")));
    QTRY_COMPARE(f.view->ItemNames(), (QStringList{"pasta", "b.bmp", "d.bmp", "LOGO_FINAL.BMP"}));
    QTest::keyClick(f.view.get(), Qt::Key_F5);
    f.view->ShowFolder(f.Work("pasta"));
    QCOMPARE(f.view->Model().rowCount(), 0);
}

QTEST_MAIN(TestShellListView)
#include "test_shelllistview.moc"
