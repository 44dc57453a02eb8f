// An installed copy: a program folder that the user cannot write keeps the settings in the user's
// configuration folder, and the help file comes from ../share/vaporlane.
#include "forms/main/CommonDialog.h"
#include "forms/main/Form1.h"
#include "forms/main/HelpViewer.h"
#include "tests/common/GuiFixture.h"
#include "tests/common/ReadOnlyFolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTextBrowser>

#include <memory>

namespace {

// Defaults an administrator put beside the program: pressure in mmHg, not on top.
const QByteArray kBesideFile("2\r\n15\r\n32\r\n52\r\n71\r\n0\r\n#FALSE#\r\n");
const QByteArray kBesideFileOnTop("2\r\n15\r\n32\r\n52\r\n71\r\n0\r\n#TRUE#\r\n");
const QByteArray kUsersOwnFile("3\r\n11\r\n33\r\n53\r\n74\r\n1\r\n#TRUE#\r\n");

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class InstalledCopyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiFixture> fixture;

    QString UserFile() const { return fixture->configHome.filePath("vaporlane/Vaporlane.cfg"); }
    QString BesideFile() const { return fixture->folder.filePath("Vaporlane.cfg"); }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        fixture = std::make_unique<GuiFixture>();
        QVERIFY(fixture->folder.isValid() && fixture->configHome.isValid());
    }

    void cleanup() { fixture.reset(); }

    void readOnlyProgramFolderRemembersChoicesInTheUsersFile()
    {
        WriteFile(BesideFile(), kBesideFile);
        // A test run as root writes as "nobody" while the folder is read-only.
        QFile::setPermissions(fixture->configHome.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                              QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                              QFileDevice::WriteOther | QFileDevice::ExeOther);
        {
            ReadOnlyFolder readOnly(fixture->folder.path());
            QVERIFY(readOnly.Effective());
            {
                Form1 form;  // no file of the user's yet: the one beside the program
                QCOMPARE(form.Label3->text(), QStringLiteral("[mmHg]"));
                QVERIFY(!form.menu_Option_WindowShow->isChecked());
                form.menu_Option_WindowShow->trigger();
            }
            QVERIFY(fixture->messages.messages.empty());
            QCOMPARE(ReadFile(UserFile()), kBesideFileOnTop);

            GuiFixture::ResetSettings();
            Form1 restarted;
            QVERIFY(Module1::AlwaysOnTop);
            QVERIFY(restarted.menu_Option_WindowShow->isChecked());
            QCOMPARE(restarted.Label3->text(), QStringLiteral("[mmHg]"));
            restarted.menu_Option_WindowShow->trigger();
            QCOMPARE(ReadFile(UserFile()), kBesideFile);
        }
        QVERIFY(fixture->messages.messages.empty());
        QCOMPARE(ReadFile(BesideFile()), kBesideFile);
        QCOMPARE(QDir(fixture->folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Vaporlane.cfg"});
    }

    void writableProgramFolderKeepsTheFileBesideIt()
    {
        WriteFile(BesideFile(), kBesideFile);
        WriteFile(UserFile(), kUsersOwnFile);
        Form1 form;
        QCOMPARE(form.Label3->text(), QStringLiteral("[mmHg]"));
        form.menu_Option_WindowShow->trigger();
        QCOMPARE(ReadFile(BesideFile()), kBesideFileOnTop);
        QCOMPARE(ReadFile(UserFile()), kUsersOwnFile);
        QVERIFY(fixture->messages.messages.empty());
    }

    void installedCopyOpensTheSharedHelpFile()
    {
        QDir prefix(fixture->folder.path());
        QVERIFY(prefix.mkpath("bin") && prefix.mkpath("share/vaporlane"));
        const QString installed = prefix.filePath("share/vaporlane/Vaporlane.hlp");
        QVERIFY(QFile::copy(QStringLiteral(VAPORLANE_HELP_SOURCE), installed));
        SetProgramFolder(prefix.filePath("bin"));

        Form1 form;
        form.menu_Help_Contents->trigger();
        QCOMPARE(form.CommonDialog1->HelpFile, installed);
        HelpViewer* viewer = form.CommonDialog1->Viewer();
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(viewer->Browser()->toPlainText().startsWith(QStringLiteral("Vaporlane ヘルプ")));
        QVERIFY(fixture->messages.messages.empty());
    }

    // The help document tells where an installed copy keeps what.
    void helpDescribesTheInstalledCopy()
    {
        QFile help(QStringLiteral(VAPORLANE_HELP_SOURCE));
        QVERIFY(help.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(help.readAll());
        for (const char* place : {"$XDG_CONFIG_HOME/vaporlane/Vaporlane.cfg", "~/.config/vaporlane/Vaporlane.cfg",
                                  "share/vaporlane/Vaporlane.hlp", "コピー", "Ctrl+C"})
            QVERIFY2(text.contains(QString::fromUtf8(place)), place);
    }
};

QTEST_MAIN(InstalledCopyTest)
#include "InstalledCopyTest.moc"
