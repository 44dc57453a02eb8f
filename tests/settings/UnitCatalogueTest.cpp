#include "engine/seam/PropertyEngine.h"
#include "forms/common/Messages.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"
#include "tests/common/FakeEngine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordingSink final : public MessageSink {
public:
    std::vector<std::pair<QString, MsgBoxStyle>> messages;
    std::vector<QString> titles;
    void Show(const QString& prompt, MsgBoxStyle style, const QString& title) override
    {
        messages.emplace_back(prompt, style);
        titles.push_back(title);
    }
};

void SetUnits(int16_t t, int16_t p, int16_t h, int16_t s, int16_t v)
{
    Module1::TempUnit = t;
    Module1::PressUnit = p;
    Module1::EnthalUnit = h;
    Module1::EntroUnit = s;
    Module1::DensityUnit = v;
}

class UnitCatalogueTest : public testing::Test {
protected:
    FakeEngine engine;
    RecordingSink sink;

    void SetUp() override
    {
        SetEngine(&engine);
        SetMessageSink(&sink);
        FillUnitLabels();
        SetUnits(2, 12, 32, 52, 71);
        Module1::DensityFactor = 1.0;
    }
    void TearDown() override
    {
        SetMessageSink(nullptr);
        SetEngine(nullptr);
    }

    std::vector<std::pair<QString, int>> SetterCalls() const
    {
        std::vector<std::pair<QString, int>> result;
        for (const EngineCall& call : engine.calls)
            result.emplace_back(call.name, static_cast<int>(call.args.at(0)));
        return result;
    }
};

TEST_F(UnitCatalogueTest, LabelTextsAreTheBracketedNames)
{
    EXPECT_EQ(Module1::TempUnitLabels[0], QString::fromUtf16(u"[\uFF2B]"));
    EXPECT_EQ(Module1::TempUnitLabels[1], QString::fromUtf16(u"[\u2103]"));
    EXPECT_EQ(Module1::TempUnitLabels[2], QString::fromUtf16(u"[\uFF26]"));
    const QStringList pressure{"[Pa]",   "[MPa]", "[Kg/cm2]", "[Kg/cm2G]", "[mmHg]", "[mmHgG]",
                               "[atm]", "[atmG]", "[mmbar]",  "[Pe]",      "[MPe]"};
    EXPECT_EQ(QStringList(Module1::PressUnitLabels.begin(), Module1::PressUnitLabels.end()), pressure);
    EXPECT_EQ(QStringList(Module1::EnthalUnitLabels.begin(), Module1::EnthalUnitLabels.end()),
              QStringList({"[J/Kg]", "[KJ/Kg]", "[Kcal/Kg]"}));
    EXPECT_EQ(QStringList(Module1::EntroUnitLabels.begin(), Module1::EntroUnitLabels.end()),
              QStringList({"[J/KgK]", "[KJ/KgK]", "[Kcal/KgK]"}));
    EXPECT_EQ(QStringList(Module1::DensityUnitLabels.begin(), Module1::DensityUnitLabels.end()),
              QStringList({"[m3/Kg]", "[Kg/m3]", "[ft3/lb]", "[lb/ft3]"}));
    // The dialog lists the same names without brackets.
    for (size_t i = 0; i < Module1::PressUnitLabels.size(); ++i)
        EXPECT_EQ(QLatin1Char('[') + PressUnitEntries()[static_cast<qsizetype>(i)] + QLatin1Char(']'),
                  Module1::PressUnitLabels[i]);
}

TEST_F(UnitCatalogueTest, CurrentTextsFollowTheCodes)
{
    SetUnits(3, 21, 31, 53, 73);
    EXPECT_EQ(TempUnitText(), QString::fromUtf16(u"[\uFF26]"));
    EXPECT_EQ(PressUnitText(), QStringLiteral("[MPe]"));
    EXPECT_EQ(EnthalUnitText(), QStringLiteral("[J/Kg]"));
    EXPECT_EQ(EntroUnitText(), QStringLiteral("[Kcal/KgK]"));
    EXPECT_EQ(DensityUnitText(), QStringLiteral("[ft3/lb]"));
}

TEST_F(UnitCatalogueTest, DrynessBasisCaptionsAreFullWidth)
{
    EXPECT_EQ(DrynessBasisCaption(0), QString::fromUtf16(u"\uFF33\uFF22\uFF36"));
    EXPECT_EQ(DrynessBasisCaption(1), QString::fromUtf16(u"\uFF33\uFF22\uFF37"));
    EXPECT_TRUE(DrynessBasisCaption(2).isEmpty());
    EXPECT_TRUE(DrynessBasisCaption(-1).isEmpty());
    EXPECT_EQ(DrynessBasisEntries(), QStringList({"SBV", "SBW"}));
}

struct RangeCase {
    const char* name;
    int16_t code;
    int16_t* setting;
    int16_t expected;
};

void PrintTo(const RangeCase& row, std::ostream* os) { *os << row.name; }

class ReplaceInvalidUnitsTest : public testing::TestWithParam<RangeCase> {};

TEST_P(ReplaceInvalidUnitsTest, KeepsValidCodesAndReplacesOthersByTheDefault)
{
    SetUnits(1, 11, 31, 51, 71);
    *GetParam().setting = GetParam().code;
    ReplaceInvalidUnits();
    EXPECT_EQ(*GetParam().setting, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ReplaceInvalidUnitsTest,
    testing::Values(RangeCase{"temperature_0", 0, &Module1::TempUnit, 2},
                    RangeCase{"temperature_1", 1, &Module1::TempUnit, 1},
                    RangeCase{"temperature_3", 3, &Module1::TempUnit, 3},
                    RangeCase{"temperature_4", 4, &Module1::TempUnit, 2},
                    RangeCase{"pressure_10", 10, &Module1::PressUnit, 12},
                    RangeCase{"pressure_11", 11, &Module1::PressUnit, 11},
                    RangeCase{"pressure_21", 21, &Module1::PressUnit, 21},
                    RangeCase{"pressure_22", 22, &Module1::PressUnit, 12},
                    RangeCase{"enthalpy_30", 30, &Module1::EnthalUnit, 32},
                    RangeCase{"enthalpy_33", 33, &Module1::EnthalUnit, 33},
                    RangeCase{"enthalpy_34", 34, &Module1::EnthalUnit, 32},
                    RangeCase{"entropy_41", 41, &Module1::EntroUnit, 52},
                    RangeCase{"entropy_53", 53, &Module1::EntroUnit, 53},
                    RangeCase{"entropy_54", 54, &Module1::EntroUnit, 52},
                    RangeCase{"volume_70", 70, &Module1::DensityUnit, 71},
                    RangeCase{"volume_74", 74, &Module1::DensityUnit, 74},
                    RangeCase{"volume_75", 75, &Module1::DensityUnit, 71},
                    RangeCase{"volume_negative", -71, &Module1::DensityUnit, 71}),
    [](const testing::TestParamInfo<RangeCase>& row) { return std::string(row.param.name); });

TEST_F(UnitCatalogueTest, HandsTheUnitsOverInOrder)
{
    SetUnits(3, 15, 33, 53, 72);
    HandUnitsToEngine();
    const std::vector<std::pair<QString, int>> expected{{"STM_SetTempUnit", 3},   {"STM_SetPressUnit", 15},
                                                        {"STM_SetEnthalUnit", 33}, {"STM_SetEntroUnit", 53},
                                                        {"STM_SetDensityUnit", 72}};
    EXPECT_EQ(SetterCalls(), expected);
    EXPECT_EQ(Module1::DensityFactor, 1.0);
    EXPECT_TRUE(sink.messages.empty());
}

struct DensityCase {
    const char* name;
    int16_t code;
    int engineArgument;
    double factor;
};

void PrintTo(const DensityCase& row, std::ostream* os) { *os << row.name; }

class DensityUnitTest : public UnitCatalogueTest, public testing::WithParamInterface<DensityCase> {};

TEST_P(DensityUnitTest, TellsTheEngineTheMetricUnitAndScales)
{
    Module1::DensityFactor = -1.0;
    Module1::DensityUnit = GetParam().code;
    HandUnitsToEngine();
    ASSERT_EQ(engine.calls.size(), 5u);
    EXPECT_EQ(engine.calls.back().name, QStringLiteral("STM_SetDensityUnit"));
    EXPECT_EQ(engine.calls.back().args.at(0), GetParam().engineArgument);
    EXPECT_EQ(Module1::DensityFactor, GetParam().factor);  // exact: the quotient in double, not rounded
    EXPECT_EQ(Module1::DensityUnit, GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Units, DensityUnitTest,
                         testing::Values(DensityCase{"m3_per_kg", 71, 71, 1.0},
                                         DensityCase{"kg_per_m3", 72, 72, 1.0},
                                         DensityCase{"ft3_per_lb", 73, 71, 35.3147 / 2.20462},
                                         DensityCase{"lb_per_ft3", 74, 72, 2.20462 / 35.3147}),
                         [](const testing::TestParamInfo<DensityCase>& row) { return std::string(row.param.name); });

struct RefusalCase {
    const char* name;
    const char* setter;
    const char16_t* message;
};

void PrintTo(const RefusalCase& row, std::ostream* os) { *os << row.name; }

class RefusalTest : public UnitCatalogueTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, OneMessageAndTheOtherUnitsStillGoOver)
{
    engine.answerOf[QString::fromLatin1(GetParam().setter)] = 0;
    SetUnits(1, 14, 33, 51, 74);
    HandUnitsToEngine();

    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].first, QString::fromUtf16(GetParam().message));
    EXPECT_EQ(sink.messages[0].second, MsgBoxStyle::OkOnly);
    EXPECT_EQ(sink.titles[0], QStringLiteral("Vaporlane"));
    EXPECT_EQ(engine.calls.size(), 5u);
    // The refused code stays.
    EXPECT_EQ(Module1::PressUnit, 14);
    EXPECT_EQ(Module1::DensityFactor, 2.20462 / 35.3147);
}

INSTANTIATE_TEST_SUITE_P(
    Quantities, RefusalTest,
    testing::Values(RefusalCase{"temperature", "STM_SetTempUnit", u"単位設定 Error on 温度"},
                    RefusalCase{"pressure", "STM_SetPressUnit", u"単位設定 Error on 圧力"},
                    RefusalCase{"enthalpy", "STM_SetEnthalUnit", u"単位設定 Error on エンタルピ"},
                    RefusalCase{"entropy", "STM_SetEntroUnit", u"単位設定 Error on エントロピ"},
                    RefusalCase{"specific_volume", "STM_SetDensityUnit", u"単位設定 Error on 比容積"}),
    [](const testing::TestParamInfo<RefusalCase>& row) { return std::string(row.param.name); });

}  // namespace
