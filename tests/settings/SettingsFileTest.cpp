#include "forms/common/Messages.h"
#include "settings/Module1.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

// Each test gets a fresh program folder and a message recorder.
class SettingsFileTest : public testing::Test {
protected:
    QTemporaryDir folder;
    RecordingSink sink;

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
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

TEST_F(SettingsFileTest, MissingFolderFailsWithOneMessage)
{
    SetProgramFolder(folder.path() + QStringLiteral("/gone"));
    EXPECT_FALSE(SaveSettings());
    EXPECT_EQ(sink.messages.size(), 1u);
}

}  // namespace
