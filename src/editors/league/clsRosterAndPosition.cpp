#include "editors/league/clsRosterAndPosition.h"

void clsRosterAndPosition::SetPositionMax(int32_t n) {
  slots_.assign(static_cast<std::size_t>(n < 0 ? 0 : n) + 1, Slot{});
}

void clsRosterAndPosition::Reset(Slot& slot) {
  slot.mergeAs = slot.posID;
  slot.rosterMin = slot.rosterMax = slot.startMin = slot.startMax = 0;
  slot.inUse = false;
}

void clsRosterAndPosition::ClearRosterAndPositon() {
  for (Slot& slot : slots_) Reset(slot);
}

int32_t clsRosterAndPosition::PosID(int32_t slot) const {
  if (slot < 0 || slot > MaxArray()) return 0;
  return slots_[static_cast<std::size_t>(slot)].posID;
}

void clsRosterAndPosition::SetPosID(int32_t slot, int32_t posID) {
  if (slot < 1 || slot > MaxArray()) return;  // slot 0 stays the empty entry
  slots_[static_cast<std::size_t>(slot)].posID = posID;
}

const clsRosterAndPosition::Slot& clsRosterAndPosition::Find(int32_t posID) const {
  for (const Slot& slot : slots_)
    if (slot.posID == posID) return slot;
  return slots_.front();
}

clsRosterAndPosition::Slot* clsRosterAndPosition::FindForWrite(int32_t posID) {
  if (posID == 0) return nullptr;
  for (Slot& slot : slots_)
    if (slot.posID == posID) return &slot;
  return nullptr;
}

void clsRosterAndPosition::SetInUse(int32_t posID, bool inUse) {
  if (Slot* s = FindForWrite(posID)) s->inUse = inUse;
}
void clsRosterAndPosition::SetPosAbr(int32_t posID, const std::string& text) {
  if (Slot* s = FindForWrite(posID)) s->abr = text;
}
void clsRosterAndPosition::SetPosFull(int32_t posID, const std::string& text) {
  if (Slot* s = FindForWrite(posID)) s->full = text;
}
void clsRosterAndPosition::SetMergeAsID(int32_t posID, int32_t mergeAs) {
  if (Slot* s = FindForWrite(posID)) s->mergeAs = mergeAs;
}
void clsRosterAndPosition::SetRosterMin(int32_t posID, int32_t value) {
  if (Slot* s = FindForWrite(posID)) s->rosterMin = value;
}
void clsRosterAndPosition::SetRosterMax(int32_t posID, int32_t value) {
  if (Slot* s = FindForWrite(posID)) s->rosterMax = value;
}
void clsRosterAndPosition::SetStartMin(int32_t posID, int32_t value) {
  if (Slot* s = FindForWrite(posID)) s->startMin = value;
}
void clsRosterAndPosition::SetStartMax(int32_t posID, int32_t value) {
  if (Slot* s = FindForWrite(posID)) s->startMax = value;
}

void clsRosterAndPosition::MarkInUse() {
  for (std::size_t i = 1; i < slots_.size(); ++i) {
    Slot& s = slots_[i];
    s.inUse = s.mergeAs != s.posID || s.rosterMax > 0 || s.rosterMin > 0 || s.startMax > 0 || s.startMin > 0;
  }
  SetInUse(1, true);
}

void clsRosterAndPosition::ResetUnused() {
  for (std::size_t i = 2; i < slots_.size(); ++i)
    if (!slots_[i].inUse) Reset(slots_[i]);
}
