#include "numbers/CSaisieNombre.h"

void CSaisieNombre::Reset() {}
void CSaisieNombre::Key(int, bool) {}
void CSaisieNombre::LoadFromDisplay(const wchar_t*, bool) {}
bool CSaisieNombre::BeginExponent() { return false; }
CNombre CSaisieNombre::ToNumber() const { return {}; }
bool CSaisieNombre::GetDisplayText(wchar_t* out) const { out[0] = 0; return false; }
