// Test environment for window tests: a fresh temporary program folder, recorded message boxes, a fake
// engine, default settings, and a modal seam that fails at once instead of hanging on an unexpected dialog.
#pragma once

#include "engine/seam/PropertyEngine.h"
#include "forms/common/Messages.h"
#include "forms/common/Modal.h"
#include "settings/Module1.h"
#include "settings/SettingsFile.h"
#include "tests/common/FakeEngine.h"

#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
        : configHomeWasSet_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")),
          savedConfigHome_(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
        SetProgramFolder(folder.path());
        SetMessageSink(&messages);
        SetEngine(&engine);
        SetModalDriver([this](QDialog& dialog) { unexpectedDialogs << dialog.windowTitle(); });
        ResetSettings();
    }

    ~GuiFixture()
    {
        SetModalDriver({});
        SetEngine(nullptr);
        SetMessageSink(nullptr);
        if (configHomeWasSet_)
            qputenv("XDG_CONFIG_HOME", savedConfigHome_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    GuiFixture(const GuiFixture&) = delete;
    GuiFixture& operator=(const GuiFixture&) = delete;

    static void ResetSettings()
    {
        Module1::Current = Settings();
        Module1::DensityFactor = 1.0;
    }

    QString SettingsPath() const { return SettingsFilePath(); }

    void WriteSettings(const QByteArray& bytes) const
    {
        QFile file(SettingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QByteArray ReadSettings() const
    {
        QFile file(SettingsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Drives the next modal dialog with a script; the one after that fails again.
    void ExpectDialog(std::function<void(QDialog&)> script)
    {
        SetModalDriver([this, script](QDialog& dialog) {
            SetModalDriver([this](QDialog& d) { unexpectedDialogs << d.windowTitle(); });
            script(dialog);
        });
    }

private:
    bool configHomeWasSet_;
    QByteArray savedConfigHome_;
};
