// SPDX-License-Identifier: MIT
// The settings without windows: the file's text as read, which file a portable or an installed copy (a
// read-only program folder) reads and writes, and the unit catalogue handing the units to the engine.
#include "settings/UnitCatalogue.h"
#include "tests/common/FifoWatchdog.h"
#include "tests/common/GuiFixture.h"
#include "tests/common/ReadOnlyFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include <sys/stat.h>

namespace {

TEST(SettingsText, FieldsEndAtCommasAndLineEnds)
{
    const QByteArray junk = QByteArray("1\r\n11\r\n31\r\n51\r\n71\r\n1\r\n#TRUE#\r\n") + '\0' + "\xffjunk";
    const struct { const char* name; QByteArray text; Settings expected; } rows[] = {
        {"blanks before fields", "  1,\t13, 31 ,51,71,0,  #FALSE#", {1, 13, 31, 51, 71, 0, false}},
        {"comma at a line end, CR, LF, no last end", "1,\r\n13\r31,51\n71\r\n0\n#TRUE#", {1, 13, 31, 51, 71, 0, true}},
        {"an empty line is an empty field", "3\r\n\r\n33\r\n53\r\n74\r\n1\r\n#TRUE#\r\n", {3, 12, 33, 53, 74, 1, true}},
        {"the Boolean only as #TRUE#, not -1", "3\r\n15\r\n33\r\n53\r\n74\r\n1\r\n-1\r\n", {3, 15, 33, 53, 74, 1}},
        {"junk after the seventh field", junk, {1, 11, 31, 51, 71, 1, true}},
        {"short file", "3\r\n15", {3, 15, 32, 52, 71, 0, false}},
        {"text where a number is due", "1\r\nbar\r\n33\r\n52\r\n71\r\n1\r\n#TRUE#\r\n", {1, 12, 33, 52, 71, 1, true}},
        {"numbers beyond 16 bits", "65539\r\n65551\r\n32\r\n52\r\n71\r\n65537\r\n#TRUE#", {2, 12, 32, 52, 71, 0, true}},
        {"binary junk", QByteArray::fromHex("00ff8d0a0d2c2c0a3c3eff7f0000de"), {}}};
    for (const auto& row : rows)
        EXPECT_EQ(ParseSettings(row.text), row.expected) << row.name;
}

// The user's file in an absolute XDG_CONFIG_HOME, else in ~/.config. The help file beside the program, else under
// share/, where an installed copy keeps its settings in the user's folder even with bin/ (given as "bin/") writable.
TEST(SettingsPlace, UsersFileAndHelpFile)
{
    GuiFixture fixture;  // restores XDG_CONFIG_HOME
    const QString homeConfig = QDir::homePath() + QStringLiteral("/.config/vaporlane/Vaporlane.cfg");
    const std::pair<const char*, QString> users[] = {
        {"/srv/conf", "/srv/conf/vaporlane/Vaporlane.cfg"}, {nullptr, homeConfig}, {"conf", homeConfig}};
    for (const auto& [configured, expected] : users) {
        configured ? qputenv("XDG_CONFIG_HOME", configured) : qunsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(UserSettingsFilePath(), expected) << (configured ? configured : "unset");
    }

    const struct { const char* name; bool beside, installed, expectInstalled; } layouts[] = {
        {"installed copy", false, true, true}, {"both: beside wins", true, true, false}, {"none", false, false, false}};
    for (const auto& row : layouts) {
        QTemporaryDir prefix;
        const QString beside = prefix.filePath("bin/Vaporlane.hlp");
        const QString installed = prefix.filePath("share/vaporlane/Vaporlane.hlp");
        EXPECT_TRUE(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath("share/vaporlane"));
        EXPECT_TRUE((!row.beside || QFile(beside).open(QIODevice::WriteOnly)) &&
                    (!row.installed || QFile(installed).open(QIODevice::WriteOnly)));
        SetProgramFolder(prefix.filePath("bin/"));
        EXPECT_EQ(HelpFilePath(), row.expectInstalled ? installed : beside) << row.name;
        const QString settings = row.expectInstalled ? UserSettingsFilePath() : prefix.filePath("bin/Vaporlane.cfg");
        EXPECT_EQ(SettingsFilePath(), settings) << row.name;
    }
}

// Only a regular file is read: a folder, a FIFO without a writer or a link to one reads as defaults within a
// second, and a save fails with the one message, replacing nothing and leaving no temporary file.
TEST(SettingsFile, NothingButARegularFileIsUsed)
{
    using namespace std::chrono_literals;
    for (const std::string kind : {"folder", "fifo", "link to a fifo"}) {
        SCOPED_TRACE(kind);
        GuiFixture fixture;
        const QString path = SettingsFilePath();
        const QString fifo = kind == "fifo" ? path : fixture.folder.filePath("fifo");
        const bool made = kind == "folder" ? QDir(fixture.folder.path()).mkpath(QStringLiteral("Vaporlane.cfg/keep"))
                                           : mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0 &&
                                                 (kind == "fifo" || QFile::link(fifo, path));
        ASSERT_TRUE(made);
        const auto entries = [&] { return QDir(fixture.folder.path()).entryList(QDir::AllEntries | QDir::System); };
        const QStringList before = entries();
        Module1::TempUnit = 3;
        Module1::AlwaysOnTop = true;

        FifoWatchdog watchdog(fifo);
        LoadSettings();
        EXPECT_LT(watchdog.Stop(), 1s);
        EXPECT_EQ(Module1::TempUnit, 2);
        EXPECT_FALSE(Module1::AlwaysOnTop);

        EXPECT_FALSE(SaveSettings());
        ASSERT_EQ(fixture.messages.messages.size(), 1u);
        EXPECT_EQ(fixture.messages.messages[0].prompt, "設定を保存できませんでした。\n" + QDir::toNativeSeparators(path));
        EXPECT_EQ(entries(), before);
        EXPECT_EQ(QFileInfo(path).isDir(), kind == "folder");
        EXPECT_EQ(QFileInfo(path).isSymLink(), kind == "link to a fifo");
    }
}

// Which file start-up reads (temperature unit 1 beside, 3 the user's, 2 default) and a save writes; the other
// stays. Run as root, the test writes as "nobody" while the program folder is read-only, so the folders it
// writes are open to all.
TEST(SettingsFile, ReadOnlyProgramFolderUsesTheUsersFile)
{
    GuiFixture fixture;
    const QString beside = fixture.folder.filePath("Vaporlane.cfg");
    const QString users = fixture.configHome.filePath("vaporlane/Vaporlane.cfg");
    const auto write = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(bytes));
        QFile::setPermissions(QFileInfo(path).path(), QFileDevice::Permissions::fromInt(0x7777));
    };
    QFile::setPermissions(fixture.configHome.path(), QFileDevice::Permissions::fromInt(0x7777));
    const struct { const char* name; bool readOnly, besideFile, usersFile; int16_t read; } rows[] = {
        {"writable: the file beside, the user's ignored", false, true, true, 1},
        {"read-only, both files: the user's wins", true, true, true, 3},
        {"read-only, only beside: read until the first save, which makes the user's folder", true, true, false, 1},
        {"read-only, no file: defaults", true, false, false, 2}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(beside);
        QDir(fixture.configHome.filePath("vaporlane")).removeRecursively();
        if (row.besideFile)
            write(beside, "1\r\n");
        if (row.usersFile)
            write(users, "3\r\n");
        const QByteArray untouched = GuiFixture::ReadFile(row.readOnly ? beside : users);
        std::optional<ReadOnlyFolder> readOnly;
        if (row.readOnly && !readOnly.emplace(fixture.folder.path()).Effective())
            GTEST_SKIP() << "the program folder cannot be made read-only here";
        Module1::TempUnit = 0;
        LoadSettings();
        EXPECT_EQ(Module1::TempUnit, row.read);
        Module1::PressUnit = 15;
        EXPECT_TRUE(SaveSettings());
        readOnly.reset();
        const QByteArray saved = QByteArray::number(row.read) + "\r\n15\r\n32\r\n52\r\n71\r\n0\r\n#FALSE#\r\n";
        EXPECT_EQ(GuiFixture::ReadFile(row.readOnly ? users : beside), saved);
        EXPECT_EQ(GuiFixture::ReadFile(row.readOnly ? beside : users), untouched);
        EXPECT_EQ(QDir(fixture.folder.path()).entryList(QDir::Files | QDir::Hidden).size(), row.besideFile ? 1 : 0);
        EXPECT_TRUE(fixture.messages.messages.empty());
    }
}

TEST(UnitCatalogue, LabelTextsAreTheBracketedNames)
{
    FillUnitLabels();
    const auto joined = [](const auto& table) { return QStringList(table.begin(), table.end()).join(' '); };
    EXPECT_EQ(joined(Module1::TempUnitLabels), QString::fromUtf16(u"[\uFF2B] [\u2103] [\uFF26]"));
    EXPECT_EQ(joined(Module1::PressUnitLabels),
              QStringLiteral("[Pa] [MPa] [Kg/cm2] [Kg/cm2G] [mmHg] [mmHgG] [atm] [atmG] [mmbar] [Pe] [MPe]"));
    EXPECT_EQ(joined(Module1::EnthalUnitLabels), QStringLiteral("[J/Kg] [KJ/Kg] [Kcal/Kg]"));
    EXPECT_EQ(joined(Module1::EntroUnitLabels), QStringLiteral("[J/KgK] [KJ/KgK] [Kcal/KgK]"));
    EXPECT_EQ(joined(Module1::DensityUnitLabels), QStringLiteral("[m3/Kg] [Kg/m3] [ft3/lb] [lb/ft3]"));
}

// Both ends of each range are kept; one step beyond either end gives the quantity's default.
TEST(UnitCatalogue, InvalidCodesTakeTheDefault)
{
    const struct { int16_t* setting; int first, last, fallback; } ranges[] = {
        {&Module1::TempUnit, 1, 3, 2}, {&Module1::PressUnit, 11, 21, 12}, {&Module1::EnthalUnit, 31, 33, 32},
        {&Module1::EntroUnit, 51, 53, 52}, {&Module1::DensityUnit, 71, 74, 71}};
    for (const auto& [setting, first, last, fallback] : ranges) {
        const std::pair<int, int> cases[] = {{first - 1, fallback}, {first, first}, {last, last}, {last + 1, fallback}};
        for (const auto& [code, expected] : cases) {
            *setting = static_cast<int16_t>(code);
            ReplaceInvalidUnits();
            EXPECT_EQ(*setting, expected) << code;
        }
    }
}

// The Anglo-American volume units go over as the metric one with the exact quotient as factor (71, 72 reset it to
// 1). A refusal shows its message (OK only, caption Vaporlane), keeps the code, and the other units still go over.
TEST(UnitCatalogue, HandsTheUnitsToTheEngine)
{
    const double toFt3 = 35.3147 / 2.20462, toLb = 2.20462 / 35.3147;
    const struct { int16_t volume; int engineVolume; double factor; const char *refused, *message; } rows[] = {
        {71, 71, 1.0, "", ""}, {72, 72, 1.0, "", ""}, {73, 71, toFt3, "", ""},
        {74, 72, toLb, "Temp", "単位設定 Error on 温度"},
        {74, 72, toLb, "Press", "単位設定 Error on 圧力"},
        {74, 72, toLb, "Enthal", "単位設定 Error on エンタルピ"},
        {74, 72, toLb, "Entro", "単位設定 Error on エントロピ"},
        {74, 72, toLb, "Density", "単位設定 Error on 比容積"}};
    for (const auto& row : rows) {
        GuiFixture fixture;
        fixture.engine.answerOf = {{QStringLiteral("STM_Set%1Unit").arg(row.refused), 0}};
        Module1::TempUnit = 3;
        Module1::PressUnit = 14;
        Module1::DensityUnit = row.volume;
        Module1::DensityFactor = -1.0;
        HandUnitsToEngine();
        QStringList calls, messages;
        for (const EngineCall& call : fixture.engine.calls)
            calls << call.name.mid(7) + QString::number(call.args.at(0));
        EXPECT_EQ(calls.join(' '),
                  QStringLiteral("TempUnit3 PressUnit14 EnthalUnit32 EntroUnit52 DensityUnit%1").arg(row.engineVolume));
        EXPECT_EQ(Module1::DensityFactor, row.factor) << row.volume;
        EXPECT_EQ(Module1::PressUnit, 14);
        for (const RecordedMessage& message : fixture.messages.messages)
            messages << message.prompt + (message.style == MsgBoxStyle::OkOnly ? " OK " : " ? ") + message.title;
        EXPECT_EQ(messages.join('\n'), *row.message ? QString::fromUtf8(row.message) + " OK Vaporlane" : QString());
    }
}

}  // namespace
