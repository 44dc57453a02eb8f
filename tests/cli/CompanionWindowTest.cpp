// The companion prints exactly what the windows print: for every case, in two unit sets, the report
// byte for byte, or the same message on standard error.
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/heat/Form4.h"
#include "forms/main/Form1.h"
#include "tests/cli/CompanionProcess.h"
#include "tests/common/GuiFixture.h"

#include <QtTest>

namespace {

// Celsius, MPa, kJ/kg, kJ/(kg K), m3/kg, SBV: the defaults, from a missing file.
const QByteArray kDefaultUnits;
// Stands for the engine's own saturation temperature at 1 MPa, written with every digit.
const QString kSaturationAt1MPa = QStringLiteral("Ts(1 MPa)");

// Fahrenheit, mmHg, kcal/kg, kcal/(kg K), lb/ft3, SBW.
const QByteArray kOtherUnits = "3\r\n15\r\n33\r\n53\r\n74\r\n1\r\n#FALSE#\r\n";

struct WindowOutput {
    QStringList lines;
    QStringList messages;
};

QStringList optionsFor(const QStringList& names, const QStringList& texts)
{
    QStringList arguments;
    for (qsizetype i = 0; i < names.size(); ++i)
        if (i < texts.size() && !texts[i].isEmpty())
            arguments << QStringLiteral("--") + names[i] + QLatin1Char('=') + texts[i];
    return arguments;
}

}  // namespace

class CompanionWindowTest : public QObject {
    Q_OBJECT

private:
    // Rows of one unit set; the outcome is "R" for a report, "M" for a message, "N" for nothing.
    struct Row {
        const char* name;
        const char* outcome;
        QStringList texts;
    };

    void addRows(const char* unitSet, const QByteArray& settings, const std::vector<Row>& rows)
    {
        for (const Row& row : rows)
            QTest::addRow("%s: %s", unitSet, row.name) << settings << row.texts << QString::fromLatin1(row.outcome);
    }

    WindowOutput mainWindow(GuiFixture& fixture, const QStringList& texts)
    {
        Form1 form;
        NumericTextBox* boxes[] = {form.Text1, form.Text2, form.Text3, form.Text4};
        for (int i = 0; i < 4; ++i)
            boxes[i]->setText(texts.value(i));
        fixture.messages.messages.clear();
        form.Command1_Click();
        WindowOutput output{form.Picture1->Lines(), {}};
        for (const RecordedMessage& message : fixture.messages.messages)
            output.messages << message.prompt;
        return output;
    }

    WindowOutput heatWindow(GuiFixture& fixture, const QStringList& texts)
    {
        // The constant-enthalpy window opens from the main window, whose start-up set the units.
        Form1 main;
        Form4 form;
        NumericTextBox* boxes[] = {form.Text1, form.Text2, form.Text3};
        for (int i = 0; i < 3; ++i)
            boxes[i]->setText(texts.value(i));
        fixture.messages.messages.clear();
        form.Command1_Click();
        WindowOutput output{form.Picture1->Lines(), {}};
        for (const RecordedMessage& message : fixture.messages.messages)
            output.messages << message.prompt;
        return output;
    }

    void compare(const QByteArray& settings, const QStringList& texts, const QString& outcome, bool heat)
    {
        GuiFixture fixture;
        if (!settings.isEmpty())
            fixture.WriteSettings(settings);
        const WindowOutput window = heat ? heatWindow(fixture, texts) : mainWindow(fixture, texts);

        const QStringList names = heat ? QStringList{"reference-pressure", "reference-temperature", "set-pressure"}
                                       : QStringList{"pressure", "temperature", "enthalpy", "dryness"};
        QStringList arguments = optionsFor(names, texts);
        arguments << QStringLiteral("--settings-dir") << fixture.folder.path();
        const CompanionRun companion = RunCompanionProcess(arguments);
        QVERIFY(companion.finished);

        QCOMPARE(companion.out, JoinedLines(window.lines));
        QCOMPARE(window.messages.size(), outcome == u"M" ? 1 : 0);
        QCOMPARE(window.lines.isEmpty(), outcome != u"R");
        if (window.messages.isEmpty()) {
            QCOMPARE(companion.exitCode, window.lines.isEmpty() ? 3 : 0);
        } else {
            QCOMPARE(companion.err, window.messages.first().toUtf8() + '\n');
            QCOMPARE(companion.exitCode, 1);
        }
    }

private slots:
    void mainWindowReport_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("outcome");

        addRows("SI", kDefaultUnits,
                {{"saturation by pressure", "R", {"1", "", "", ""}},
                 {"saturation by temperature", "R", {"", "100", "", ""}},
                 {"compressed water by temperature", "R", {"3", "100", "", ""}},
                 {"superheated steam by temperature", "R", {"1", "300", "", ""}},
                 {"all four fields: pressure-temperature", "R", {"1", "300", "5", "0.5"}},
                 {"temperature exactly the saturation temperature", "R", {"1", kSaturationAt1MPa, "", ""}},
                 {"compressed water by enthalpy", "R", {"1", "", "200", ""}},
                 {"wet steam by enthalpy", "R", {"1", "", "2000", "0.3"}},
                 {"superheated steam by enthalpy", "R", {"1", "", "3000", ""}},
                 {"wet steam by dryness", "R", {"1", "", "", "0.9"}},
                 {"dryness exactly 0", "R", {"1", "", "", "0"}},
                 {"dryness exactly 1", "R", {"1", "", "", "1"}},
                 {"lone point is zero", "R", {"1", ".", "", ""}},
                 {"pasted 1.5.2", "R", {"1.5.2", "", "", ""}},
                 {"hexadecimal", "R", {"&H1", "", "", ""}},
                 {"blanks inside", "R", {" 1 0", "", "", ""}},
                 {"pressure out of range", "M", {"50", "", "", ""}},
                 {"temperature out of range", "M", {"", "500", "", ""}},
                 {"pressure or temperature out of range", "M", {"200", "300", "", ""}},
                 {"pressure or enthalpy out of range", "M", {"1", "", "99999", ""}},
                 {"dryness above 1", "M", {"1", "", "", "1.5"}},
                 {"negative dryness", "M", {"1", "", "", "-0.1"}},
                 {"number too large", "M", {"1E999", "", "", ""}},
                 {"enthalpy and dryness only", "N", {"", "", "2000", "0.5"}},
                 {"no field", "N", {"", "", "", ""}}});
        addRows("imperial SBW", kOtherUnits,
                {{"saturation by pressure", "R", {"760", "", "", ""}},
                 {"saturation by temperature", "R", {"", "212", "", ""}},
                 {"superheated steam by temperature", "R", {"760", "400", "", ""}},
                 {"compressed water by enthalpy", "R", {"7600", "", "50", ""}},
                 {"wet steam by enthalpy", "R", {"760", "", "500", ""}},
                 {"wet steam by dryness, volume basis", "R", {"760", "", "", "0.5"}},
                 {"pressure out of range", "M", {"1e9", "", "", ""}}});
    }

    void mainWindowReport()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, texts);
        QFETCH(QString, outcome);
        if (texts.value(1) == kSaturationAt1MPa) {
            AquapropEngine engine;
            engine.STM_SetTempUnit(2);
            engine.STM_SetPressUnit(12);
            texts[1] = QString::number(engine.STM_sTp(1.0), 'g', 17);
        }
        compare(settings, texts, outcome, false);
    }

    void constantEnthalpyReport_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("outcome");

        addRows("SI", kDefaultUnits,
                {{"compressed water", "R", {"10", "100", "5"}},
                 {"wet steam", "R", {"10", "300", "0.5"}},
                 {"superheated steam", "R", {"1", "300", "0.1"}},
                 {"reference temperature .5", "R", {"1", ".5", "0.5"}},
                 {"reference out of range", "M", {"300", "300", "1"}},
                 {"empty field", "N", {"10", "", "1"}}});
        addRows("imperial SBW", kOtherUnits, {{"wet steam", "R", {"76000", "500", "760"}}});
    }

    void constantEnthalpyReport()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, texts);
        QFETCH(QString, outcome);
        compare(settings, texts, outcome, true);
    }
};

QTEST_MAIN(CompanionWindowTest)
#include "CompanionWindowTest.moc"
