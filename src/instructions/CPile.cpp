#include "instructions/CPile.h"

#include "core/CalcHost.h"

CPile::CPile(int& errorFlag_, CalcHost* host_) : errorFlag(errorFlag_), host(host_) {}
void CPile::Clear() {}
void CPile::PlaceOperand(const CNombre& x) { operands[level] = x; operandReady = true; }
void CPile::ReplaceTop(const CNombre& x) { operands[level] = x; }
void CPile::Reduce(int, bool) {}
void CPile::Apply(int) {}
void CPile::StoreHier(int, const CNombre&) {}
CNombre CPile::RecallHier(int) const { return {}; }
void CPile::AddHier(int, const CNombre&) {}
void CPile::SubtractHier(int, const CNombre&) {}
void CPile::MultiplyHier(int, const CNombre&) {}
void CPile::DivideHier(int, const CNombre&) {}
int CPile::Precedence(int) { return 0; }
void CPile::Combine(int, int) {}
bool CPile::HierSlot(int, CNombre*&) { return false; }
void CPile::NotifyHierarchy(int, int) const {}
