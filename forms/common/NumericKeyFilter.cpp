#include "forms/common/NumericKeyFilter.h"

#include <QLineEdit>

// Placeholder: accepts everything until the filter lands.
namespace Module1 {
bool AcceptsCharacter(const QString&, const QString&, int, int16_t) { return true; }
void NumericKeyFilter(const QString&, const QLineEdit&, int16_t&) {}
}  // namespace Module1
