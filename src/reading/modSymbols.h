#pragma once
// The symbol catalogue and the draw. A reading draws an index from 1 to 79
// into CurrentSymbol, then LoadSymbols fills the two parallel tables, and the
// reading window shows slot CurrentSymbol of each. Slot 0 is never written.

#include <QString>
#include <array>
#include <cstdint>

namespace modSymbols {

constexpr int SymbolCount = 79;
using SymbolTable = std::array<QString, SymbolCount + 1>;

extern SymbolTable SymbolNames;
extern SymbolTable SymbolMeanings;
extern int16_t CurrentSymbol; // 0 until the first draw

// Writes slots 1 to 79 of both tables; running it again changes nothing.
void LoadSymbols();

// Slot i of SymbolNames or SymbolMeanings in the reader's language, as the
// reading window shows it; the English text where no translation applies.
QString ShownName(int slot);
QString ShownMeaning(int slot);

// The index a generator value r (0 <= r < 1) stands for: floor(r * 79 + 1).
int16_t SymbolForValue(float r);

// Takes the next value of the shared generator into CurrentSymbol.
void DrawSymbol();

} // namespace modSymbols
