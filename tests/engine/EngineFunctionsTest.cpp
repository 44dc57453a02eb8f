// SPDX-License-Identifier: MIT
// The engine function list, from which the seam and the test fake are expanded, against aquaprop.h: names and
// signatures of the STM_ family, both ways. The aqp_ family is not on the list, the program not using it;
// tests/python checks it against the Python package.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <map>
#include <string>

namespace {

QString Replaced(QString text, const char* pattern, const char* with) {
    return text.replace(QRegularExpression(QString::fromLatin1(pattern)), QString::fromLatin1(with));
}

// Blanks collapsed, none inside the parentheses or before a comma.
std::string Normalised(const QString& text) {
    return Replaced(Replaced(text.simplified(), R"(\s*([(),])\s*)", "\\1"), ",", ", ").toStdString();
}

// "result name(parameters)" of every STM_ function the header declares, by name.
std::map<std::string, std::string> DeclaredInHeader() {
    QFile file(QStringLiteral(AQUAPROP_HEADER));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << AQUAPROP_HEADER;
    const QString code = ";" + Replaced(QString::fromUtf8(file.readAll()), R"(/\*[\s\S]*?\*/|//[^\n]*|#[^\n]*)", " ");
    static const QRegularExpression declaration(
        QStringLiteral(R"([;{}]\s*(?:AQUAPROP_API\s+)?([^;{}()]*?)\s*\b(STM_\w+)\s*(\([^)]*\))(?=\s*;))"));
    std::map<std::string, std::string> declared;
    for (const QRegularExpressionMatch& m : declaration.globalMatch(code))
        declared[m.captured(2).toStdString()] = Normalised(m.captured(1) + " " + m.captured(2) + m.captured(3));
    return declared;
}

struct Listed {
    std::string signature;  // "result name(parameters)"
    std::string parameters;
    std::string arguments;
};

std::map<std::string, Listed> InTheList() {
    std::map<std::string, Listed> listed;
#define ENGINE_FUNCTION(result, name, parameters, arguments)                    \
    listed[#name] = {Normalised(QStringLiteral(#result " " #name #parameters)), \
                     Normalised(QStringLiteral(#parameters)),                   \
                     Normalised(QStringLiteral(#arguments))};
#include "engine/seam/EngineFunctions.def"
    return listed;
}

// "(T, w)" for "(double T, double w)", "()" for "(void)".
std::string NamesOf(const std::string& parameters) {
    if (parameters == "(void)") return "()";
    return Normalised(Replaced(QString::fromStdString(parameters), R"([\w\s*]*?(\w+)(?=[,)]))", "\\1"));
}

TEST(EngineFunctionList, AgreesWithTheHeader) {
    const std::map<std::string, std::string> declared = DeclaredInHeader();
    const std::map<std::string, Listed> listed = InTheList();
    for (const auto& [name, signature] : declared) {
        const auto it = listed.find(name);
        if (it == listed.end()) {
            ADD_FAILURE() << "aquaprop.h declares " << signature << ", EngineFunctions.def lacks it";
        } else {
            EXPECT_EQ(it->second.signature, signature) << "EngineFunctions.def against aquaprop.h";
        }
    }
    for (const auto& [name, entry] : listed) {
        EXPECT_TRUE(declared.contains(name)) << "EngineFunctions.def lists " << entry.signature
                                             << ", aquaprop.h does not declare it";
        EXPECT_EQ(entry.arguments, NamesOf(entry.parameters)) << name << ": arguments against parameters";
    }
}

}  // namespace
