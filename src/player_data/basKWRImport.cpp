#include "player_data/basKWRImport.h"

#include <algorithm>
#include <cstddef>

#include "core/Seams.h"
#include "core/clsStatusPlain.h"
#include "database/clsKWRData.h"
#include "database/clsKickwellDB.h"
#include "platform/jet/Transaction.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Text.h"
#include "player_data/basKWRFileControl.h"

namespace basKWRImport {

namespace {

// The last record (1-based) of the run that starts at `from`: the records
// that follow it for the same player and week. The writers take the week of
// a run's first record for the whole run, so a player's records of another
// week start a run of their own.
int32_t RunEnd(const std::vector<KWRStatRecord>& records, int32_t from) {
  const KWRStatRecord& first = records[static_cast<std::size_t>(from - 1)];
  int32_t last = from;
  while (last < static_cast<int32_t>(records.size())) {
    const KWRStatRecord& next = records[static_cast<std::size_t>(last)];
    if (next.MasID != first.MasID || next.Week != first.Week) break;
    ++last;
  }
  return last;
}

// True when the person has asked to stop; yields first.
bool Stopped() {
  DoEvents();
  return CancelFlag;
}

std::string Count(std::size_t n) { return std::to_string(n); }

// A block's progress as its share of the file's segment: the file's blocks
// take equal shares, in index order, so the segment (and with it the total
// bar) only grows from one block to the next.
class BlockReport {
 public:
  BlockReport(clsStatusPlain& status, const BlockShare& share, std::size_t records)
      : status_(status), share_(share), records_(records) {}
  void Done(int32_t done) const {
    const double part = records_ == 0 ? 1.0 : std::min(1.0, static_cast<double>(done) / static_cast<double>(records_));
    const double blocks = std::max(share_.blocks, 1);
    status_.SetSegmentValue(share_.segment,
                            static_cast<int32_t>(kFileSteps * (static_cast<double>(share_.block) + part) / blocks));
  }

 private:
  clsStatusPlain& status_;
  BlockShare share_;
  std::size_t records_;
};

// The phases of one block, inside the caller's transaction. False when
// CancelFlag ended them.
bool ImportPhases(clsKickwellDB& db, clsStatusPlain& status, const KWRBlock& block, const clsKWRData& kwrData,
                  const std::string& label, uint8_t week, int16_t year, const BlockReport& report,
                  bool keepModified) {
  const std::string yearText = std::to_string(year);
  const std::string weekText = runtime::Format(week, "00");
  int32_t done = 0;

  status.StatusCaption(0, 0, label + " - Transfering Player BIOS Information");
  if (!block.Bios.empty()) {
    status.StatusListCaption("Expanding " + yearText + " - Week " + weekText + " Player BIOS / " +
                             Count(block.Bios.size()) + " Records");
  }
  for (const KWRBioRecord& bio : block.Bios) {
    if (Stopped()) return false;
    report.Done(++done);
    if (bio.MasID <= 0) continue;  // an empty slot
    db.pSbAddPla(year, bio.MasID, runtime::Trim(bio.BackName), bio.DOB, bio.TeaID, bio.PosID,
                 clsKickwellDB::kSeasonWeek);
    db.pSbAddStatZeroYear(bio.MasID, bio.TeaID, clsKickwellDB::kSeasonWeek, year);
  }

  status.StatusCaption(0, 0, label + " - Transfering Database Modifications.");
  if (!block.Modifications.empty()) {
    status.StatusListCaption("Applying " + Count(block.Modifications.size()) + " Modifications");
  }
  for (const KWRStatRecord& modification : block.Modifications) {
    if (Stopped()) return false;
    int16_t byeYear = 0;
    if (basKWRFileControl::KwrByeWeekYear(modification, byeYear)) {
      db.pSbSetByeWeek(modification.TeaID, byeYear, modification.Week);
    }
    report.Done(++done);
  }

  const int32_t nScoY = static_cast<int32_t>(block.Yardage.size());
  status.StatusCaption(0, 0, label + " - Transfering Scoring Yardage");
  if (nScoY > 0) {
    status.StatusListCaption("Expanding " + yearText + " - Week " + weekText + " Scoring Yardage / " +
                             Count(block.Yardage.size()) + " Records");
    // The week's plays are replaced as a whole, also those of players the
    // block no longer lists.
    if (CancelFlag) return false;
    db.pSbClearWeekScoringYardage(year, block.Yardage.front().Week);
  }
  for (int32_t i = 1; i <= nScoY;) {
    if (Stopped()) return false;
    const int32_t j = RunEnd(block.Yardage, i);
    db.pSbAddScY(kwrData, year, i, j);
    report.Done(++done);
    i = j + 1;
  }

  const int32_t nStat = static_cast<int32_t>(block.Stats.size());
  status.StatusCaption(0, 0, label + " - Transfering Player Stats");
  if (nStat > 0) {
    status.StatusListCaption("Expanding " + yearText + " - " + label + " Player Stats / " +
                             Count(block.Stats.size()) + " Records");
  }
  const int32_t base = done;
  for (int32_t i = 1; i <= nStat;) {
    if (Stopped()) return false;
    const int32_t j = RunEnd(block.Stats, i);
    db.pSbAddPSt(kwrData, year, i, j, keepModified);
    report.Done(base + j);
    i = j + 1;
  }
  return true;
}

}  // namespace

std::string WeekLabel(uint8_t week) {
  if (week == 0) return "Registering Players";
  if (week == clsKickwellDB::kSeasonWeek) return "Season Totals";
  return "Week " + std::to_string(week);
}

void FillKwrData(const std::vector<KWRStatRecord>& stats, const std::vector<KWRStatRecord>& yardage,
                 clsKWRData& kwrData) {
  kwrData.SetStatMax(static_cast<int32_t>(stats.size()));
  for (std::size_t i = 0; i < stats.size(); ++i) {
    const KWRStatRecord& r = stats[i];
    kwrData.SetStat(static_cast<int32_t>(i + 1), r.MasID, r.TeaID, r.Week, r.Field, r.NewValue);
  }
  kwrData.SetScoYMax(static_cast<int32_t>(yardage.size()));
  for (std::size_t i = 0; i < yardage.size(); ++i) {
    const KWRStatRecord& r = yardage[i];
    kwrData.SetScoY(static_cast<int32_t>(i + 1), r.MasID, r.TeaID, r.Week, r.Field, r.NewValue);
  }
}

KwrImportResult ImportKwrBlock(clsKickwellDB& db, const std::string& path, clsStatusPlain& status, uint8_t week,
                               int16_t year, int32_t position, const BlockShare& share, bool keepModified) {
  const std::string label = WeekLabel(week);
  status.StatusCaption(0, 0, label + " - Importing Data");

  // A refused block leaves these empty: its phases then pass with nothing
  // to write, as the next block follows.
  KWRBlock block;
  const bool read = basKWRFileControl::ReadKwrBlockQuietly(path, block, position);
  clsKWRData kwrData;
  FillKwrData(block.Stats, block.Yardage, kwrData);

  // The reader has checked the counts against the file's size, so their sum
  // is far below 2^31.
  const std::size_t total =
      block.Stats.size() + block.Bios.size() + block.Yardage.size() + block.Modifications.size();
  const BlockReport report(status, share, total);
  report.Done(0);

  // One transaction per block: the file is synced once, not once per run.
  jet::Transaction transaction(db.Database());
  bool finished = false;
  try {
    finished = ImportPhases(db, status, block, kwrData, label, week, year, report, keepModified);
  } catch (...) {
    // Runs written before the error stay, as after a cancel; the failed
    // writer call has rolled itself back.
    try {
      transaction.Commit();
      db.pSbFlushProError();
    } catch (...) {
    }
    throw;
  }
  transaction.Commit();
  // What the block could not write goes to the log once per block.
  db.pSbFlushProError();
  if (!finished) return KwrImportResult::kCancelled;
  return read ? KwrImportResult::kImported : KwrImportResult::kBlocksSkipped;
}

KwrImportResult ExpandKwrFile(clsKickwellDB& db, const std::string& path, int16_t year, clsStatusPlain& status,
                              std::string& text, int32_t segment, bool keepModified) {
  status.StatusCaption(1, 0, "Expanding " + std::to_string(year) + " Stats");
  std::vector<KWRIndexEntry> index;
  // The reader fills the text of every file it reads (60 bytes at least)
  // and leaves it alone when it refuses the header.
  std::string headerText;
  basKWRFileControl::ReadKwrHeader(path, index, headerText, false);
  if (headerText.empty()) {
    seams::MessageBox().PlainMessage(path + std::string(runtime::kCrLf) +
                                         "The file's header could not be read; nothing was imported from it.",
                                     seams::PlainButtons::kOk, seams::PlainIcon::kNone, "KWR Import Aborted");
    return KwrImportResult::kUnreadable;
  }
  text = std::move(headerText);
  KwrImportResult result = KwrImportResult::kImported;
  int32_t skipped = 0;
  status.SetSegmentRange(segment, 0, kFileSteps);
  // The reader's index fits the file, far below 2^31 entries.
  BlockShare share{segment, 0, static_cast<int32_t>(index.size())};
  for (const KWRIndexEntry& entry : index) {
    if (Stopped()) {
      result = KwrImportResult::kCancelled;
      break;
    }
    // The reader keeps only entries whose week fits a Byte.
    const KwrImportResult block = ImportKwrBlock(db, path, status, static_cast<uint8_t>(entry.Week), year,
                                                 entry.Position, share, keepModified);
    ++share.block;
    if (block == KwrImportResult::kBlocksSkipped) ++skipped;
    if (block == KwrImportResult::kCancelled) {
      result = KwrImportResult::kCancelled;
      break;
    }
  }
  if (skipped > 0) {
    // Once per file: a damaged file may index the same bad block thousands of times.
    seams::MessageBox().PlainMessage("Incorrect KWR Version." + std::string(runtime::kCrLf) + path +
                                         std::string(runtime::kCrLf) + std::to_string(skipped) +
                                         (skipped == 1 ? " block skipped." : " blocks skipped."),
                                     seams::PlainButtons::kOk, seams::PlainIcon::kNone, "KWR Import Aborted");
  }
  if (result == KwrImportResult::kImported && CancelFlag) result = KwrImportResult::kCancelled;
  if (result == KwrImportResult::kImported && skipped > 0) result = KwrImportResult::kBlocksSkipped;
  return result;
}

}  // namespace basKWRImport
