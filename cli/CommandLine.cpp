// SPDX-License-Identifier: MIT
#include "cli/CommandLine.h"

#include "cli/UnitNames.h"
#include "forms/chart/ChartExport.h"

#include <QCommandLineParser>

namespace {

// More threads than this gain nothing on any machine a batch runs on.
constexpr int kMostJobs = 256;

struct UnitOption {
    QString name;
    UnitQuantity quantity;
    std::optional<int16_t> UnitOverrides::*target;
    QString description;
};

const std::vector<UnitOption>& unitOptions()
{
    static const std::vector<UnitOption> options{
        {QStringLiteral("temperature-unit"), UnitQuantity::Temperature, &UnitOverrides::temperature,
         QStringLiteral("Temperature unit")},
        {QStringLiteral("pressure-unit"), UnitQuantity::Pressure, &UnitOverrides::pressure,
         QStringLiteral("Pressure unit")},
        {QStringLiteral("enthalpy-unit"), UnitQuantity::Enthalpy, &UnitOverrides::enthalpy,
         QStringLiteral("Enthalpy unit")},
        {QStringLiteral("entropy-unit"), UnitQuantity::Entropy, &UnitOverrides::entropy,
         QStringLiteral("Entropy unit")},
        {QStringLiteral("volume-unit"), UnitQuantity::Volume, &UnitOverrides::volume,
         QStringLiteral("Specific volume or density unit")},
        {QStringLiteral("dryness-basis"), UnitQuantity::DrynessBasis, &UnitOverrides::drynessBasis,
         QStringLiteral("Dryness basis")},
    };
    return options;
}

QCommandLineOption fieldOption(const FieldName& field)
{
    QStringList names;
    if (!field.shortOption.isEmpty())
        names << field.shortOption;
    names << field.option;
    return QCommandLineOption(names, field.description, QStringLiteral("text"));
}

void addOptions(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")});
    parser.addOption({QStringLiteral("version"), QStringLiteral("Show the version.")});
    for (CalcWindow window : kCalcWindows)
        for (const FieldName& field : FieldsOf(window))
            parser.addOption(fieldOption(field));
    parser.addOption({QStringLiteral("properties"),
                      QStringLiteral("Every property of the main window's state instead of its report (below).")});
    for (const UnitOption& unit : unitOptions()) {
        const bool basis = unit.quantity == UnitQuantity::DrynessBasis;
        parser.addOption({unit.name, unit.description + QStringLiteral(" (choices below)."),
                          basis ? QStringLiteral("basis") : QStringLiteral("unit")});
    }
    parser.addOption(
        {QStringLiteral("density-unit"), QStringLiteral("Same as --volume-unit."), QStringLiteral("unit")});
    parser.addOption({QStringLiteral("settings-dir"), QStringLiteral("Read Vaporlane.cfg from this folder."),
                      QStringLiteral("folder")});
    parser.addOption({{QStringLiteral("b"), QStringLiteral("batch")}, QStringLiteral("Batch mode on a CSV file."),
                      QStringLiteral("file")});
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("Batch output file, or the chart's image file (FILE.png or FILE.svg)."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("as-typed"),
                      QStringLiteral("Batch cells read as the window reads its fields: the leading number, the rest "
                                     "ignored (else such a cell is a row error).")});
    parser.addOption({QStringLiteral("chart"),
                      QStringLiteral("Draw the chart hs (Mollier), ts or ph into the file of -o, with the state of "
                                     "the fields given, if any."),
                      QStringLiteral("kind")});
    parser.addOption({QStringLiteral("excel"),
                      QStringLiteral("Batch output for spreadsheets: UTF-8 with a byte-order mark, CR LF line ends.")});
    parser.addOption({QStringLiteral("jobs"),
                      QStringLiteral("Batch rows calculated on this many threads (1 to %1; default 1); the output "
                                     "is the same.").arg(kMostJobs),
                      QStringLiteral("n")});
}

// The one value of an option; giving an option twice is an error rather than a silent choice.
bool singleValue(const QCommandLineParser& parser, const QString& name, QString& value, QString& error)
{
    const QStringList values = parser.values(name);
    if (values.size() > 1) {
        error = QStringLiteral("option --%1 is given more than once").arg(name);
        return false;
    }
    value = values.isEmpty() ? QString() : values.first();
    return true;
}

QString readUnits(const QCommandLineParser& parser, UnitOverrides& units)
{
    QString error;
    for (const UnitOption& unit : unitOptions()) {
        QString text;
        if (!singleValue(parser, unit.name, text, error))
            return error;
        if (unit.quantity == UnitQuantity::Volume && parser.isSet(QStringLiteral("density-unit"))) {
            if (parser.isSet(unit.name) || parser.values(QStringLiteral("density-unit")).size() > 1)
                return QStringLiteral("give the specific volume unit once (--volume-unit or --density-unit)");
            text = parser.value(QStringLiteral("density-unit"));
        }
        if (text.isNull())
            continue;
        const std::optional<int16_t> code = UnitCodeOf(unit.quantity, text);
        if (!code)
            return QStringLiteral("unknown %1 '%2'; choose one of: %3")
                .arg(unit.description.toLower(), text, UnitChoicesOf(unit.quantity).join(QStringLiteral(", ")));
        units.*unit.target = code;
    }
    return {};
}

// Which window the field options belong to; fields of two windows are an error.
QString readFields(const QCommandLineParser& parser, CommandLine& commandLine)
{
    std::optional<CalcWindow> given;
    for (CalcWindow window : kCalcWindows) {
        for (const FieldName& field : FieldsOf(window)) {
            if (!parser.isSet(field.option))
                continue;
            if (given && *given != window)
                return QStringLiteral("%1 and %2 cannot be mixed").arg(FieldsName(*given), FieldsName(window));
            given = window;
        }
    }
    commandLine.window = given.value_or(CalcWindow::Main);

    QString error;
    for (const FieldName& field : FieldsOf(commandLine.window)) {
        QString text;
        if (!singleValue(parser, field.option, text, error))
            return error;
        commandLine.fields << text;
    }
    if (commandLine.batch && given)
        return QStringLiteral("batch mode takes its fields from the CSV file, not from options");
    return {};
}

// --jobs N: a whole number of threads.
bool readJobs(const QCommandLineParser& parser, int& jobs, QString& error)
{
    QString text;
    if (!singleValue(parser, QStringLiteral("jobs"), text, error))
        return false;
    if (text.isNull())
        return true;
    bool number = false;
    jobs = text.toInt(&number);
    if (!number || jobs < 1 || jobs > kMostJobs) {
        error = QStringLiteral("--jobs takes a number of threads from 1 to %1, not '%2'").arg(kMostJobs).arg(text);
        return false;
    }
    return true;
}

const std::pair<QString, ChartKind> kChartNames[] = {
    {QStringLiteral("hs"), ChartKind::kHs}, {QStringLiteral("ts"), ChartKind::kTs}, {QStringLiteral("ph"), ChartKind::kPh}};

// --chart KIND with -o FILE.png or FILE.svg; not with batch mode or the property list.
QString readChart(const QCommandLineParser& parser, CommandLine& commandLine)
{
    QString name;
    QString error;
    if (!singleValue(parser, QStringLiteral("chart"), name, error))
        return error;
    if (name.isNull())
        return {};
    const auto known = std::ranges::find(kChartNames, name.toLower(), &std::pair<QString, ChartKind>::first);
    if (known == std::end(kChartNames))
        return QStringLiteral("unknown chart '%1'; choose one of: hs, ts, ph").arg(name);
    for (const char* other : {"batch", "properties"}) {
        if (parser.isSet(QLatin1String(other)))
            return QStringLiteral("--chart and --%1 cannot be combined").arg(QLatin1String(other));
    }
    if (commandLine.output.isEmpty() || commandLine.output == u"-")
        return QStringLiteral("--chart needs -o FILE.png or -o FILE.svg");
    if (!ImageFormatOf(commandLine.output))
        return QStringLiteral("the chart is written as PNG or SVG: name the file FILE.png or FILE.svg, not '%1'")
            .arg(commandLine.output);
    commandLine.chart = known->second;
    return {};
}

// One block per unit option, its choices wrapped to the width of the rest of the help.
QString unitChoicesText()
{
    constexpr qsizetype kWidth = 100;
    constexpr qsizetype kIndent = 22;
    QString text;
    for (const UnitOption& unit : unitOptions()) {
        QString line = QStringLiteral("  --%1").arg(unit.name).leftJustified(kIndent);
        const QStringList choices = UnitChoicesOf(unit.quantity);
        for (qsizetype i = 0; i < choices.size(); ++i) {
            const QString choice = choices[i] + (i + 1 < choices.size() ? QStringLiteral(", ") : QString());
            if (line.size() + choice.size() > kWidth) {
                while (line.endsWith(QLatin1Char(' ')))
                    line.chop(1);
                text += line + QLatin1Char('\n');
                line = QString(kIndent, QLatin1Char(' '));
            }
            line += choice;
        }
        text += line + QLatin1Char('\n');
    }
    return text;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    ParsedCommandLine parsed;
    CommandLine& commandLine = parsed.commandLine;
    if (!parser.parse(arguments)) {
        parsed.error = parser.errorText();
        return parsed;
    }
    if (!parser.positionalArguments().isEmpty()) {
        parsed.error = QStringLiteral("unexpected argument '%1'; field texts are given with options such as -p 1")
                           .arg(parser.positionalArguments().first());
        return parsed;
    }
    commandLine.help = parser.isSet(QStringLiteral("help"));
    commandLine.version = parser.isSet(QStringLiteral("version"));
    if (commandLine.help || commandLine.version)
        return parsed;

    QString& error = parsed.error;
    commandLine.batch = parser.isSet(QStringLiteral("batch"));
    if (!singleValue(parser, QStringLiteral("batch"), commandLine.input, error)
        || !singleValue(parser, QStringLiteral("output"), commandLine.output, error)
        || !singleValue(parser, QStringLiteral("settings-dir"), commandLine.settingsFolder, error))
        return parsed;
    for (const char* batchOnly : {"output", "as-typed", "excel", "jobs"}) {
        const bool chartsToo = QLatin1String(batchOnly) == u"output" && parser.isSet(QStringLiteral("chart"));
        if (!commandLine.batch && !chartsToo && parser.isSet(QLatin1String(batchOnly))) {
            error = QStringLiteral("--%1 belongs to batch mode (--batch FILE)%2")
                        .arg(QLatin1String(batchOnly), QLatin1String(batchOnly) == u"output" ? " or to --chart" : "");
            return parsed;
        }
    }
    commandLine.batchOptions.asTyped = parser.isSet(QStringLiteral("as-typed"));
    commandLine.batchOptions.excel = parser.isSet(QStringLiteral("excel"));
    if (!readJobs(parser, commandLine.batchOptions.jobs, error))
        return parsed;
    if (parser.isSet(QStringLiteral("settings-dir")) && commandLine.settingsFolder.isEmpty()) {
        error = QStringLiteral("--settings-dir needs a folder");
        return parsed;
    }
    if (commandLine.batch && commandLine.input.isEmpty()) {
        error = QStringLiteral("--batch needs a file name, or - for standard input");
        return parsed;
    }
    error = readChart(parser, commandLine);
    if (error.isEmpty())
        error = readFields(parser, commandLine);
    if (error.isEmpty())
        error = readUnits(parser, commandLine.units);
    commandLine.batchOptions.properties = parser.isSet(QStringLiteral("properties"));
    if (error.isEmpty() && commandLine.batchOptions.properties && !commandLine.batch) {
        if (commandLine.window != CalcWindow::Main)
            error = kPropertiesOfMainFields;
        commandLine.window = CalcWindow::Properties;
    }
    return parsed;
}

QString HelpText()
{
    QCommandLineParser parser;
    addOptions(parser);
    parser.setApplicationDescription(QStringLiteral(
        "Prints the report of Vaporlane's main window, or of its constant-enthalpy or isentropic window, or\n"
        "every property of the main window's state, for the field texts given as options. Units are those of\n"
        "Vaporlane's settings file (read, never written) unless given as options. An installed copy, or one\n"
        "in a folder the user cannot write, reads the user's\n"
        "$XDG_CONFIG_HOME/vaporlane/Vaporlane.cfg (~/.config/vaporlane/Vaporlane.cfg where XDG_CONFIG_HOME is\n"
        "unset or not an absolute path) or, while that does not exist, Vaporlane.cfg beside the program; a\n"
        "portable copy in a writable folder reads Vaporlane.cfg beside the program.\n"
        "When the window would show a message, the message goes to standard error and the exit status is 1.\n"
        "A field text is read as the window reads it, the leading number only; a warning names any ignored part."));

    return parser.helpText() + QStringLiteral("\nUnits, by name or by code:\n") + unitChoicesText() + QStringLiteral(
        "Names match in any case; K, C and F also name Ｋ, ℃ and Ｆ.\n"
        "\n"
        "Which fields are filled selects the calculation, as in the main window: pressure alone or\n"
        "temperature alone (saturation), pressure and temperature, pressure and enthalpy, pressure and\n"
        "dryness. The constant-enthalpy window needs all three of its fields; the isentropic window its\n"
        "inlet pressure, inlet temperature and outlet pressure, and with an efficiency (0 to 100 per cent)\n"
        "it reports the actual outlet state too.\n"
        "\n"
        "--properties lists every property of the main window's state instead of its report, one per line\n"
        "in the report's layout: P, T, h, s, v, density, internal energy, cp, cv, speed of sound, isentropic\n"
        "exponent, viscosity, kinematic viscosity, thermal conductivity and Prandtl number; for wet steam\n"
        "(pressure or temperature with dryness, or pressure and enthalpy) the dryness and both saturated\n"
        "phases' viscosities and conductivities with the surface tension; for saturation both phases.\n"
        "Viscosity in uPa s, kinematic viscosity in mm2/s, conductivity in mW/(m K), surface tension in mN/m;\n"
        "above 1173.15 K (900 degC) the transport properties read 範囲外. In batch mode every property is a\n"
        "column.\n"
        "\n"
        "Batch mode reads a CSV file whose header names the fields (pressure, temperature, enthalpy,\n"
        "dryness; or reference_pressure, reference_temperature, set_pressure; or inlet_pressure,\n"
        "inlet_temperature, outlet_pressure, efficiency); a missing column or an empty cell is an empty\n"
        "field, blank lines are skipped. Each cell must hold one number (blanks around it\n"
        "aside), such as 10, 0.5, +1.5e3; any other text (10kPa, 1,5) is a row error, unless --as-typed.\n"
        "A record longer than 1 MiB is a row error; where no line end follows within 2 MiB, reading stops.\n"
        "It writes CSV: the fields, the case, the phase (for the isentropic window phase_2s and phase_2, of\n"
        "the isentropic and the actual outlet), every reported number to 17 significant digits in the unit\n"
        "its column header names, and an error column with the window's message. An output file\n"
        "is replaced only once every row is written; a device or FIFO is written straight.\n"
        "\n"
        "--chart draws the h-s (Mollier), T-s or p-h chart of the window, in the units in effect, into the\n"
        "file of -o: PNG or SVG by its extension, 1200 by 900 pixels. With field options the state (or the\n"
        "process of the constant-enthalpy window) is drawn on it; a calculation that fails writes no file.\n"
        "\n"
        "Exit status: 0 report printed or chart written; 1 the window would show a message (in batch mode:\n"
        "a row failed); 2 bad options, an unreadable file or a failed write; 3 the filled fields select no\n"
        "calculation.\n"
        "\n"
        "Examples:\n"
        "  vaporlane-calc -p 1                       saturation at 1 MPa (in the settings file's units)\n"
        "  vaporlane-calc -p 3 -t 300                compressed water or steam at 3 MPa, 300 degC\n"
        "  vaporlane-calc -p 1 -x 0.9 --dryness-basis SBV\n"
        "  vaporlane-calc -p 1 -t 250 --pressure-unit atm --temperature-unit F\n"
        "  vaporlane-calc --reference-pressure 10 --reference-temperature 300 --set-pressure 0.5\n"
        "  vaporlane-calc --properties -p 1 -t 100     every property of water at 1 MPa, 100 degC\n"
        "  vaporlane-calc --properties -t 150 -x 0.2   wet steam at 150 degC, with both phases\n"
        "  vaporlane-calc --inlet-pressure 10 --inlet-temperature 500 --outlet-pressure 0.01 --efficiency 85\n"
        "  vaporlane-calc --batch states.csv -o results.csv\n"
        "  vaporlane-calc --batch states.csv --excel -o results.csv    for a spreadsheet\n"
        "  vaporlane-calc --chart hs -o mollier.png -p 10 -t 500       the state on the Mollier chart\n"
        "  printf 'pressure,enthalpy\\n1,2000\\n' | vaporlane-calc --batch -\n");
}
