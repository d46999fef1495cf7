#pragma once
// The symbol catalogue: 79 names and meanings in two parallel tables. A
// reading runs LoadSymbols, and the reading window shows slot CurrentSymbol
// (symbol_draw.h) of each table. Slot 0 is never written.

#include <QString>
#include <array>

namespace modSymbols {

constexpr int SymbolCount = 79;
using SymbolTable = std::array<QString, SymbolCount + 1>;

extern SymbolTable SymbolNames;
extern SymbolTable SymbolMeanings;

// Writes slots 1 to 79 of both tables; running it again changes nothing.
void LoadSymbols();

// Slot i of SymbolNames or SymbolMeanings in the reader's language, as the
// reading window shows it; the English text where no translation applies.
QString ShownName(int slot);
QString ShownMeaning(int slot);

} // namespace modSymbols
