#include "cli/UnitNames.h"

#include "settings/UnitCatalogue.h"

namespace {

struct Catalogue {
    QStringList names;
    int16_t firstCode;
};

Catalogue catalogueOf(UnitQuantity quantity)
{
    switch (quantity) {
    case UnitQuantity::Temperature:
        return {TempUnitEntries(), 1};
    case UnitQuantity::Pressure:
        return {PressUnitEntries(), 11};
    case UnitQuantity::Enthalpy:
        return {EnthalUnitEntries(), 31};
    case UnitQuantity::Entropy:
        return {EntroUnitEntries(), 51};
    case UnitQuantity::Volume:
        return {DensityUnitEntries(), 71};
    case UnitQuantity::DrynessBasis:
        return {DrynessBasisEntries(), 0};
    }
    return {};
}

// Full-width letters and ℃ become their plain forms ("Ｋ" -> "k", "℃" -> "°c").
QString comparable(const QString& text)
{
    return text.trimmed().normalized(QString::NormalizationForm_KC).toCaseFolded();
}

}  // namespace

std::optional<int16_t> UnitCodeOf(UnitQuantity quantity, const QString& text)
{
    const Catalogue catalogue = catalogueOf(quantity);
    const auto count = static_cast<int>(catalogue.names.size());

    bool isNumber = false;
    const int code = text.trimmed().toInt(&isNumber);
    if (isNumber) {
        if (code >= catalogue.firstCode && code < catalogue.firstCode + count)
            return static_cast<int16_t>(code);
        return std::nullopt;
    }

    QString wanted = comparable(text);
    if (quantity == UnitQuantity::Temperature) {
        if (wanted == u"c" || wanted == u"degc")
            wanted = QStringLiteral("°c");
        else if (wanted == u"degf" || wanted == u"°f")
            wanted = QStringLiteral("f");
        else if (wanted == u"degk")
            wanted = QStringLiteral("k");
    }
    for (int i = 0; i < count; ++i)
        if (comparable(catalogue.names[i]) == wanted)
            return static_cast<int16_t>(catalogue.firstCode + i);
    return std::nullopt;
}

QStringList UnitChoicesOf(UnitQuantity quantity)
{
    const Catalogue catalogue = catalogueOf(quantity);
    QStringList choices;
    for (int i = 0; i < catalogue.names.size(); ++i)
        choices << QStringLiteral("%1 (%2)").arg(catalogue.names[i]).arg(catalogue.firstCode + i);
    return choices;
}
