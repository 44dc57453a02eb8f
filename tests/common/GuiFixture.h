// SPDX-License-Identifier: MIT
// Test environment for window tests: a fresh temporary program folder, recorded message boxes, a fake
// engine, default settings (handed back to the library at the end), and a modal seam that fails at once instead
// of hanging on an unexpected dialog.
#pragma once

#include "engine/seam/PropertyEngine.h"
#include "forms/common/Messages.h"
#include "forms/common/Modal.h"
#include "settings/Module1.h"
#include "settings/SettingsFile.h"
#include "settings/UnitCatalogue.h"
#include "tests/common/FakeEngine.h"

#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

struct RecordedMessage {
    QString prompt;
    MsgBoxStyle style;
    QString title;
};

class RecordingMessageSink final : public MessageSink {
public:
    std::vector<RecordedMessage> messages;
    void Show(const QString& prompt, MsgBoxStyle style, const QString& title) override
    {
        messages.push_back({prompt, style, title});
    }
};

class GuiFixture {
public:
    QTemporaryDir folder;
    QTemporaryDir configHome;  // $XDG_CONFIG_HOME: no test writes the real user's settings
    RecordingMessageSink messages;
    FakeEngine engine;
    QStringList unexpectedDialogs;

    GuiFixture()
    {
        if (qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
            savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
        SetProgramFolder(folder.path());
        SetMessageSink(&messages);
        SetEngine(&engine);
        FailOnDialogs();
        ResetSettings();
        FillUnitLabels();  // as the main window's start-up does for the whole run
    }

    ~GuiFixture()
    {
        SetModalDriver({});
        SetEngine(nullptr);
        ResetSettings();
        HandUnitsToEngine();  // the library's units back to the defaults
        SetMessageSink(nullptr);
        savedConfigHome_ ? qputenv("XDG_CONFIG_HOME", *savedConfigHome_) : qunsetenv("XDG_CONFIG_HOME");
    }

    GuiFixture(const GuiFixture&) = delete;
    GuiFixture& operator=(const GuiFixture&) = delete;

    static void ResetSettings()
    {
        Module1::Current = Settings();
        Module1::DensityFactor = 1.0;
    }

    void WriteSettings(const QByteArray& bytes) const
    {
        QFile file(SettingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QByteArray ReadSettings() const { return ReadFile(SettingsFilePath()); }

    // The file's bytes; none where it cannot be read.
    static QByteArray ReadFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Drives the next modal dialog with a script; the one after that fails again.
    void ExpectDialog(std::function<void(QDialog&)> script)
    {
        SetModalDriver([this, script](QDialog& dialog) {
            FailOnDialogs();
            script(dialog);
        });
    }

private:
    void FailOnDialogs()
    {
        SetModalDriver([this](QDialog& dialog) { unexpectedDialogs << dialog.windowTitle(); });
    }

    std::optional<QByteArray> savedConfigHome_;
};
