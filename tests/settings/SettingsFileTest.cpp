#include "forms/common/Messages.h"
#include "settings/Module1.h"
#include "settings/SettingsFile.h"
#include "tests/common/ReadOnlyFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>
#include <utility>
#include <vector>

namespace {

Settings Make(int16_t t, int16_t p, int16_t h, int16_t s, int16_t v, int16_t basis, bool top)
{
    return Settings{t, p, h, s, v, basis, top};
}

const Settings kDefaults;

// Bytes of a literal, embedded zeros included.
template <size_t N>
QByteArray Bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

struct ParseCase {
    const char* name;
    QByteArray text;
    Settings expected;
};

void PrintTo(const ParseCase& row, std::ostream* os) { *os << row.name; }

class ParseSettingsTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseSettingsTest, ReadsEachField)
{
    EXPECT_EQ(ParseSettings(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ParseSettingsTest,
    testing::Values(
        ParseCase{"blanks_before_fields", "  1,\t13, 31 ,51,71,0,  #FALSE#", Make(1, 13, 31, 51, 71, 0, false)},
        ParseCase{"comma_at_line_end", "1,\r\n13\r\n31,51\n71\n0\n#TRUE#", Make(1, 13, 31, 51, 71, 0, true)},
        ParseCase{"unix_line_ends", "3\n21\n33\n53\n73\n0\n#TRUE#\n", Make(3, 21, 33, 53, 73, 0, true)},
        ParseCase{"old_mac_line_ends", "3\r21\r33\r53\r73\r0\r#TRUE#\r", Make(3, 21, 33, 53, 73, 0, true)},
        ParseCase{"no_final_line_end", "1\r\n12\r\n32\r\n52\r\n71\r\n0\r\n#TRUE#", Make(1, 12, 32, 52, 71, 0, true)},
        ParseCase{"out_of_range_codes_kept_as_read", "0\r\n22\r\n-5\r\n99\r\n75\r\n7\r\n#FALSE#\r\n",
                  Make(0, 22, -5, 99, 75, 7, false)},
        ParseCase{"number_with_trailing_text", "3x\r\n15\r\n33\r\n53\r\n74\r\n1\r\n#TRUE#\r\n",
                  Make(2, 15, 33, 53, 74, 1, true)},
        ParseCase{"beyond_16_bits", "40000\r\n-32769\r\n32767\r\n53\r\n74\r\n1\r\n#TRUE#\r\n",
                  Make(2, 12, 32767, 53, 74, 1, true)},
        ParseCase{"decimal_fraction", "3.5\r\n15\r\n33\r\n53\r\n74\r\n1\r\n#TRUE#\r\n",
                  Make(2, 15, 33, 53, 74, 1, true)},
        ParseCase{"boolean_as_number", "3\r\n15\r\n33\r\n53\r\n74\r\n1\r\n-1\r\n", Make(3, 15, 33, 53, 74, 1, false)},
        ParseCase{"boolean_in_other_case", "3\r\n15\r\n33\r\n53\r\n74\r\n1\r\nTrue\r\n",
                  Make(3, 15, 33, 53, 74, 1, false)},
        ParseCase{"empty_lines_are_empty_fields", "3\r\n\r\n33\r\n53\r\n74\r\n1\r\n#TRUE#\r\n",
                  Make(3, 12, 33, 53, 74, 1, true)},
        ParseCase{"junk_after_seven_fields", Bytes("1\r\n11\r\n31\r\n51\r\n71\r\n1\r\n#TRUE#\r\n\x00\xffjunk"),
                  Make(1, 11, 31, 51, 71, 1, true)}),
    [](const testing::TestParamInfo<ParseCase>& row) { return std::string(row.param.name); });

TEST(FormatSettingsTest, SevenLinesEachEndingCrLf)
{
    EXPECT_EQ(FormatSettings(kDefaults), QByteArray("2\r\n12\r\n32\r\n52\r\n71\r\n0\r\n#FALSE#\r\n"));
    EXPECT_EQ(FormatSettings(Make(3, 15, 33, 53, 74, 1, true)),
              QByteArray("3\r\n15\r\n33\r\n53\r\n74\r\n1\r\n#TRUE#\r\n"));
    EXPECT_EQ(FormatSettings(Make(-3, 21, 31, 51, 72, -1, false)),
              QByteArray("-3\r\n21\r\n31\r\n51\r\n72\r\n-1\r\n#FALSE#\r\n"));
}

TEST(FormatSettingsTest, ReadsBackWhatItWrites)
{
    for (const Settings& settings : {kDefaults, Make(1, 21, 33, 51, 74, 1, true), Make(-32768, 32767, 0, -1, 5, 2, true)})
        EXPECT_EQ(ParseSettings(FormatSettings(settings)), settings);
}

class RecordingSink final : public MessageSink {
public:
    struct Message {
        QString prompt;
        MsgBoxStyle style;
        QString title;
    };
    std::vector<Message> messages;
    void Show(const QString& prompt, MsgBoxStyle style, const QString& title) override
    {
        messages.push_back({prompt, style, title});
    }
};

// Sets an environment variable (or unsets it, given nullopt) while in scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::optional<QByteArray>& value)
        : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), saved_(qgetenv(name))
    {
        if (value)
            qputenv(name_, *value);
        else
            qunsetenv(name_);
    }
    ~ScopedEnvironment()
    {
        if (wasSet_)
            qputenv(name_, saved_);
        else
            qunsetenv(name_);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    bool wasSet_;
    QByteArray saved_;
};

// Each test gets a fresh program folder, its own user's configuration folder and a message recorder.
class SettingsFileTest : public testing::Test {
protected:
    QTemporaryDir folder;
    QTemporaryDir configHome;
    ScopedEnvironment xdgConfigHome{"XDG_CONFIG_HOME", QFile::encodeName(configHome.path())};
    RecordingSink sink;

    QString UserFile() const { return configHome.path() + QStringLiteral("/vaporlane/Vaporlane.cfg"); }
    QString BesideFile() const { return folder.path() + QStringLiteral("/Vaporlane.cfg"); }

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(configHome.isValid());
        SetProgramFolder(folder.path());
        SetMessageSink(&sink);
        Module1::TempUnit = 3;
        Module1::PressUnit = 21;
        Module1::EnthalUnit = 33;
        Module1::EntroUnit = 53;
        Module1::DensityUnit = 74;
        Module1::DrynessBasis = 1;
        Module1::AlwaysOnTop = true;
    }

    void TearDown() override
    {
        SetMessageSink(nullptr);
        SetProgramFolder(QString());
    }

    void Write(const QByteArray& bytes) const
    {
        QFile file(SettingsFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray Read() const
    {
        QFile file(SettingsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(SettingsFileTest, LivesInTheProgramFolder)
{
    EXPECT_EQ(SettingsFilePath(), folder.path() + QStringLiteral("/Vaporlane.cfg"));
    SetProgramFolder(folder.path() + QLatin1Char('/'));
    EXPECT_EQ(SettingsFilePath(), folder.path() + QStringLiteral("/Vaporlane.cfg"));
}

TEST_F(SettingsFileTest, SavesAllSevenValues)
{
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ(Read(), QByteArray("3\r\n21\r\n33\r\n53\r\n74\r\n1\r\n#TRUE#\r\n"));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("Vaporlane.cfg")});
}

TEST_F(SettingsFileTest, SaveReplacesALongerFileWhole)
{
    Write(QByteArray(10000, '9'));
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ(Read(), QByteArray("3\r\n21\r\n33\r\n53\r\n74\r\n1\r\n#TRUE#\r\n"));
}

TEST_F(SettingsFileTest, UnreadableFileGivesDefaults)
{
    // A folder where the file should be cannot be read as a file.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Vaporlane.cfg")));
    LoadSettings();
    EXPECT_EQ(Module1::TempUnit, 2);
    EXPECT_FALSE(Module1::AlwaysOnTop);
}

TEST_F(SettingsFileTest, FailedRenameLeavesNoTemporaryFileBehind)
{
    // A non-empty folder in the file's place: the new file is written but cannot replace it.
    QDir(folder.path()).mkpath(QStringLiteral("Vaporlane.cfg/keep"));
    EXPECT_FALSE(SaveSettings());
    EXPECT_EQ(sink.messages.size(), 1u);
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(QDir(SettingsFilePath()).exists(QStringLiteral("keep")));
}

TEST_F(SettingsFileTest, NeitherPlaceWritableFailsWithOneMessageNamingTheUsersFile)
{
    // A missing program folder, and a configuration folder under a plain file: nothing can be created.
    SetProgramFolder(folder.path() + QStringLiteral("/gone"));
    QFile plain(configHome.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    ScopedEnvironment blocked("XDG_CONFIG_HOME", QFile::encodeName(plain.fileName()));
    EXPECT_FALSE(SaveSettings());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].prompt, QStringLiteral("設定を保存できませんでした。\n") +
                                           QDir::toNativeSeparators(plain.fileName() + "/vaporlane/Vaporlane.cfg"));
}

// Where the user's file is, by the environment.
struct UserFolderCase {
    const char* name;
    std::optional<QByteArray> xdgConfigHome;
    QString expected;  // "~" stands for HOME
};

void PrintTo(const UserFolderCase& row, std::ostream* os) { *os << row.name; }

class UserSettingsFileTest : public testing::TestWithParam<UserFolderCase> {};

TEST_P(UserSettingsFileTest, FollowsXdgConfigHome)
{
    const ScopedEnvironment home("HOME", QByteArray("/home/engineer"));
    const ScopedEnvironment configured("XDG_CONFIG_HOME", GetParam().xdgConfigHome);
    QString expected = GetParam().expected;
    expected.replace(QLatin1Char('~'), QStringLiteral("/home/engineer"));
    EXPECT_EQ(UserSettingsFilePath(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environment, UserSettingsFileTest,
    testing::Values(
        UserFolderCase{"absolute", QByteArray("/srv/conf"), "/srv/conf/vaporlane/Vaporlane.cfg"},
        UserFolderCase{"absolute_with_trailing_slash", QByteArray("/srv/conf/"), "/srv/conf/vaporlane/Vaporlane.cfg"},
        UserFolderCase{"unset", std::nullopt, "~/.config/vaporlane/Vaporlane.cfg"},
        UserFolderCase{"empty", QByteArray(""), "~/.config/vaporlane/Vaporlane.cfg"},
        UserFolderCase{"relative_is_ignored", QByteArray("conf"), "~/.config/vaporlane/Vaporlane.cfg"}),
    [](const testing::TestParamInfo<UserFolderCase>& row) { return std::string(row.param.name); });

// A copy whose program folder is read-only, as an installed one. The user's configuration folder is
// opened to everyone, since a test run as root writes it as "nobody".
class ReadOnlyProgramFolderTest : public SettingsFileTest {
protected:
    std::optional<ReadOnlyFolder> readOnly;

    // False where the folder cannot be made read-only (the test is then skipped).
    bool MakeReadOnly()
    {
        QFile::setPermissions(configHome.path(), QFileDevice::ReadOther | QFileDevice::WriteOther |
                                                     QFileDevice::ExeOther | QFileDevice::ReadOwner |
                                                     QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        readOnly.emplace(folder.path());
        return readOnly->Effective();
    }

    void TearDown() override
    {
        readOnly.reset();
        SettingsFileTest::TearDown();
    }

    static void WriteFile(const QString& path, const QByteArray& bytes)
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    static QByteArray ReadFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(ReadOnlyProgramFolderTest, SavesToTheUsersFileCreatingItsFolder)
{
    WriteFile(BesideFile(), "1\r\n11\r\n31\r\n51\r\n71\r\n0\r\n#FALSE#\r\n");
    if (!MakeReadOnly())
        GTEST_SKIP() << "the program folder cannot be made read-only here";
    EXPECT_FALSE(ProgramFolderWritable());
    EXPECT_EQ(SettingsFilePath(), UserFile());
    EXPECT_TRUE(SaveSettings());
    EXPECT_TRUE(sink.messages.empty());
    readOnly.reset();

    EXPECT_EQ(ReadFile(UserFile()), QByteArray("3\r\n21\r\n33\r\n53\r\n74\r\n1\r\n#TRUE#\r\n"));
    EXPECT_EQ(ReadFile(BesideFile()), QByteArray("1\r\n11\r\n31\r\n51\r\n71\r\n0\r\n#FALSE#\r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Vaporlane.cfg"});
}

TEST_F(ReadOnlyProgramFolderTest, WritableProgramFolderKeepsTheFileBesideIt)
{
    WriteFile(UserFile(), "1\r\n11\r\n31\r\n51\r\n71\r\n0\r\n#FALSE#\r\n");
    EXPECT_TRUE(ProgramFolderWritable());
    EXPECT_EQ(SettingsFilePath(), BesideFile());
    EXPECT_EQ(SettingsFileToRead(), BesideFile());
    EXPECT_TRUE(SaveSettings());
    EXPECT_EQ(ReadFile(BesideFile()), QByteArray("3\r\n21\r\n33\r\n53\r\n74\r\n1\r\n#TRUE#\r\n"));
    EXPECT_EQ(ReadFile(UserFile()), QByteArray("1\r\n11\r\n31\r\n51\r\n71\r\n0\r\n#FALSE#\r\n"));
}

// Which file start-up reads; each file names itself by its temperature unit.
struct ReadCase {
    const char* name;
    bool besideFile;
    bool userFile;
    int16_t expectedTempUnit;  // 1 beside, 3 the user's, 2 the default
};

void PrintTo(const ReadCase& row, std::ostream* os) { *os << row.name; }

class StartUpReadTest : public ReadOnlyProgramFolderTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(StartUpReadTest, ReadsTheUsersFileElseTheOneBeside)
{
    if (GetParam().besideFile)
        WriteFile(BesideFile(), "1\r\n");
    if (GetParam().userFile)
        WriteFile(UserFile(), "3\r\n");
    if (!MakeReadOnly())
        GTEST_SKIP() << "the program folder cannot be made read-only here";
    Module1::TempUnit = 0;
    LoadSettings();
    EXPECT_EQ(Module1::TempUnit, GetParam().expectedTempUnit);
    EXPECT_TRUE(sink.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, StartUpReadTest,
                         testing::Values(ReadCase{"both_files_the_users_wins", true, true, 3},
                                         ReadCase{"only_the_users", false, true, 3},
                                         ReadCase{"only_beside_until_the_first_save", true, false, 1},
                                         ReadCase{"none_gives_defaults", false, false, 2}),
                         [](const testing::TestParamInfo<ReadCase>& row) { return std::string(row.param.name); });

// Where the help file is found: beside the program, else in the installed layout's share folder.
struct HelpCase {
    const char* name;
    bool beside;
    bool installed;
    bool expectInstalled;
};

void PrintTo(const HelpCase& row, std::ostream* os) { *os << row.name; }

class HelpFileTest : public testing::TestWithParam<HelpCase> {};

TEST_P(HelpFileTest, HelpAndSettingsFollowTheLayout)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("share/vaporlane")));
    const QString beside = prefix.path() + QStringLiteral("/bin/Vaporlane.hlp");
    const QString installed = prefix.path() + QStringLiteral("/share/vaporlane/Vaporlane.hlp");
    for (const auto& [wanted, path] :
         {std::pair{GetParam().beside, beside}, std::pair{GetParam().installed, installed}}) {
        QFile file(path);
        ASSERT_TRUE(!wanted || file.open(QIODevice::WriteOnly)) << qPrintable(path);
    }
    SetProgramFolder(prefix.path() + QStringLiteral("/bin"));
    EXPECT_EQ(HelpFilePath(), GetParam().expectInstalled ? installed : beside);
    // An installed copy keeps its settings in the user's folder even where bin/ is writable.
    EXPECT_EQ(SettingsFilePath(), GetParam().expectInstalled ? UserSettingsFilePath()
                                                              : prefix.path() + QStringLiteral("/bin/Vaporlane.cfg"));
    SetProgramFolder(QString());
}

INSTANTIATE_TEST_SUITE_P(Layouts, HelpFileTest,
                         testing::Values(HelpCase{"portable_copy", true, false, false},
                                         HelpCase{"installed_copy", false, true, true},
                                         HelpCase{"both_the_one_beside_wins", true, true, false},
                                         HelpCase{"none_names_the_one_beside", false, false, false}),
                         [](const testing::TestParamInfo<HelpCase>& row) { return std::string(row.param.name); });

}  // namespace
