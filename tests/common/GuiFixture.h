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
    RecordingMessageSink messages;
    FakeEngine engine;
    QStringList unexpectedDialogs;

    GuiFixture()
    {
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
    }

    GuiFixture(const GuiFixture&) = delete;
    GuiFixture& operator=(const GuiFixture&) = delete;

    static void ResetSettings()
    {
        Module1::TempUnit = 2;
        Module1::PressUnit = 12;
        Module1::EnthalUnit = 32;
        Module1::EntroUnit = 52;
        Module1::DensityUnit = 71;
        Module1::DrynessBasis = 0;
        Module1::DensityFactor = 1.0;
        Module1::AlwaysOnTop = false;
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
};
