#include "player_data/basKWRFileControl.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

#include "core/Seams.h"
#include "core/basAssociatedFiles.h"
#include "core/basFileExists_001.h"
#include "database/basFieldRead.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "platform/jet/Recordset.h"
#include "platform/runtime/ByteStream.h"
#include "platform/runtime/Encoding.h"
#include "platform/runtime/FileIO.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"

namespace basKWRFileControl {

namespace {

constexpr int64_t kMaxPosition = std::numeric_limits<int32_t>::max();

// A file opened for reading by ranges; closed when it goes out of scope,
// whichever way the reader leaves.
class KwrInput {
 public:
  // Opens through the program's opener, which reports its own failure when asked to.
  bool Open(const std::string& path, bool report = true) {
    if (!basAssociatedFiles::OpenFileByMode(path, file_, basAssociatedFiles::kBinaryRead, report)) {
      return false;
    }
    file_.seekg(0, std::ios::end);
    const std::streamoff end = file_.tellg();
    if (!file_ || end < 0) return false;
    size_ = static_cast<int64_t>(end);
    return true;
  }

  int64_t Size() const { return size_; }

  // The bytes at [offset, offset + length); false when the range is not
  // inside the file or the read comes up short.
  bool Read(int64_t offset, int64_t length, std::string& out) {
    if (offset < 0 || length < 0 || offset > size_ || length > size_ - offset) return false;
    out.assign(static_cast<std::size_t>(length), '\0');
    file_.clear();
    file_.seekg(static_cast<std::streamoff>(offset));
    file_.read(out.data(), static_cast<std::streamsize>(length));
    return static_cast<bool>(file_) && file_.gcount() == static_cast<std::streamsize>(length);
  }

 private:
  std::fstream file_;
  int64_t size_ = 0;
};

void ShowBadBlock() {
  seams::MessageBox().PlainMessage("Incorrect KWR Version.", seams::PlainButtons::kOk,
                                   seams::PlainIcon::kNone, "KWR Import Aborted");
}

KWRStatRecord DecodeStat(runtime::ByteReader& in) {
  KWRStatRecord r;
  r.MasID = in.Long();
  r.TeaID = in.Byte();
  r.Week = in.Byte();
  r.Field = in.Byte();
  r.NewValue = in.Single();
  return r;
}

void DecodeStats(runtime::ByteReader& in, int32_t n, std::vector<KWRStatRecord>& out) {
  out.reserve(static_cast<std::size_t>(n));
  for (int32_t i = 0; i < n; ++i) out.push_back(DecodeStat(in));
}

void EncodeStats(const std::vector<KWRStatRecord>& records, runtime::ByteWriter& out) {
  for (const KWRStatRecord& r : records) {
    out.Long(r.MasID);
    out.Byte(r.TeaID);
    out.Byte(r.Week);
    out.Byte(r.Field);
    out.Single(r.NewValue);
  }
}

int32_t CountOf(std::size_t n) {
  if (n > static_cast<std::size_t>(std::numeric_limits<int32_t>::max())) {
    throw std::length_error("Too many records for one player-record block.");
  }
  return static_cast<int32_t>(n);
}

uint8_t ByteOf(int32_t value) { return runtime::CByte(static_cast<double>(value)); }

}  // namespace

int32_t ReadKwrHeader(const std::string& path, std::vector<KWRIndexEntry>& index, std::string& text, bool report) {
  KwrInput file;
  if (!file.Open(path, report)) return -1;

  std::string bytes;
  if (!file.Read(0, kKwrHeaderBytes, bytes)) return -1;
  runtime::ByteReader header(bytes);
  const std::string signature = header.Raw(kKwrSignatureBytes);
  const int32_t version = header.Long();
  const int32_t count = header.Long();
  header.Integer();  // the season year: the import takes the database's own
  if (runtime::Trim(signature) != kKwrSignature) return -1;
  if (version < 0 || version > kKwrVersion) return -1;

  // Files before version 4 carry no text; the import stores what it gets, and
  // a text starting with NUL reads as "none" later on.
  std::string headerText(kKwrTextBytes, '\0');
  int64_t indexOffset = kKwrHeaderBytes;
  if (version == kKwrVersion) {
    if (!file.Read(kKwrHeaderBytes, kKwrTextBytes, bytes)) return -1;
    headerText = runtime::Cp1252ToUtf8(bytes);
    indexOffset += kKwrTextBytes;
  }

  if (count < -1) return -1;
  const int64_t entries = static_cast<int64_t>(count) + 1;
  if (entries > kKwrMaxIndexEntries) return -1;
  if (!file.Read(indexOffset, entries * kKwrIndexEntryBytes, bytes)) return -1;
  runtime::ByteReader in(bytes);
  std::vector<KWRIndexEntry> read;
  read.reserve(static_cast<std::size_t>(entries));
  for (int64_t i = 0; i < entries; ++i) {
    KWRIndexEntry entry;
    entry.Week = in.Long();
    entry.Position = in.Long();
    // The database keeps weeks as Bytes.
    if (entry.Week < 0 || entry.Week > 255) continue;
    read.push_back(entry);
  }

  index = std::move(read);
  text = std::move(headerText);
  return static_cast<int32_t>(index.size()) - 1;
}

namespace {

enum class BlockRead { kRead, kNoFile, kBadBlock };

// One block; `report` lets the existence test and the opener speak.
BlockRead ReadBlock(const std::string& path, KWRBlock& block, int32_t& position, bool report) {
  if (!basFileExists_001::FileExists(path, report)) return BlockRead::kNoFile;
  KwrInput file;
  if (!file.Open(path, report)) return BlockRead::kNoFile;

  const int64_t offset = static_cast<int64_t>(position) - 1;
  std::string bytes;
  if (!file.Read(offset, kKwrBlockHeadBytes, bytes)) {
    return BlockRead::kBadBlock;
  }
  runtime::ByteReader head(bytes);
  const uint8_t version = head.Byte();
  const int32_t nBios = head.Long();
  const int32_t nStat = head.Long();
  const int32_t nScoY = head.Long();
  const int32_t nCor = head.Long();
  if (version > kKwrVersion || nBios < 0 || nStat < 0 || nScoY < 0 || nCor < 0) {
    return BlockRead::kBadBlock;
  }
  // At most 2^31 records of each kind: the sizes cannot overflow 64 bits.
  const int64_t bodyBytes = static_cast<int64_t>(nBios) * kKwrBioBytes +
                            (static_cast<int64_t>(nStat) + nScoY + nCor) * kKwrStatBytes;
  const int64_t end = offset + kKwrBlockHeadBytes + bodyBytes;
  if (bodyBytes > kKwrMaxBlockBytes || end >= kMaxPosition ||
      !file.Read(offset + kKwrBlockHeadBytes, bodyBytes, bytes)) {
    return BlockRead::kBadBlock;
  }

  KWRBlock read;
  read.Version = version;
  runtime::ByteReader in(bytes);
  read.Bios.reserve(static_cast<std::size_t>(nBios));
  for (int32_t i = 0; i < nBios; ++i) {
    KWRBioRecord bio;
    bio.MasID = in.Long();
    bio.BackName = in.FixedText(kKwrNameBytes);
    bio.DOB = in.Long();
    bio.TeaID = in.Long();
    bio.PosID = in.Long();
    read.Bios.push_back(std::move(bio));
  }
  DecodeStats(in, nStat, read.Stats);
  DecodeStats(in, nScoY, read.Yardage);
  DecodeStats(in, nCor, read.Modifications);

  block = std::move(read);
  position = static_cast<int32_t>(end + 1);
  return BlockRead::kRead;
}

}  // namespace

bool ReadKwrBlock(const std::string& path, KWRBlock& block, int32_t& position) {
  const BlockRead read = ReadBlock(path, block, position, true);
  if (read == BlockRead::kBadBlock) ShowBadBlock();
  return read == BlockRead::kRead;
}

bool ReadKwrBlockQuietly(const std::string& path, KWRBlock& block, int32_t& position) {
  return ReadBlock(path, block, position, false) == BlockRead::kRead;
}

bool KwrByeWeekYear(const KWRStatRecord& modification, int16_t& year) {
  if (modification.MasID != kKwrByeWeekMasID) return false;
  return runtime::TryCInt(static_cast<double>(modification.NewValue), year);
}

void ClearKwrArrays(KWRBlock& block) {
  block.Bios.clear();
  block.Stats.clear();
  block.Yardage.clear();
  block.Modifications.clear();
}

void AddStatRecord(KWRBlock& block, int32_t masID, int32_t teaID, uint8_t week, int32_t field, float value) {
  block.Stats.push_back(KWRStatRecord{masID, ByteOf(teaID), week, ByteOf(field), value});
}

void WriteKwrBlock(std::string& image, const KWRBlock& block, int32_t& position) {
  if (position < 1) throw std::invalid_argument("Player-record block position below 1.");
  runtime::ByteWriter out;
  out.Byte(static_cast<uint8_t>(kKwrVersion));
  out.Long(CountOf(block.Bios.size()));
  out.Long(CountOf(block.Stats.size()));
  out.Long(CountOf(block.Yardage.size()));
  out.Long(CountOf(block.Modifications.size()));
  for (const KWRBioRecord& bio : block.Bios) {
    out.Long(bio.MasID);
    out.FixedText(bio.BackName, kKwrNameBytes);
    out.Long(bio.DOB);
    out.Long(bio.TeaID);
    out.Long(bio.PosID);
  }
  EncodeStats(block.Stats, out);
  EncodeStats(block.Yardage, out);
  EncodeStats(block.Modifications, out);

  const std::string& bytes = out.Data();
  const std::size_t offset = static_cast<std::size_t>(position) - 1;
  const std::size_t end = offset + bytes.size();
  if (end >= static_cast<std::size_t>(kMaxPosition)) {
    throw std::length_error("Player-record file too large for its positions.");
  }
  if (image.size() < end) image.resize(end, '\0');
  image.replace(offset, bytes.size(), bytes);
  position = static_cast<int32_t>(end + 1);
}

void WriteKwrWeeks(const std::string& path, uint8_t firstWeek, uint8_t lastWeek, int16_t year,
                   const std::string& text, const KwrWeekCollector& collect) {
  if (firstWeek > lastWeek || lastWeek > 254) {
    throw std::invalid_argument("Player-record weeks " + std::to_string(firstWeek) + " to " +
                                std::to_string(lastWeek) + " cannot be written.");
  }
  std::vector<uint8_t> weeks;
  for (int32_t week = firstWeek; week <= lastWeek; ++week) weeks.push_back(static_cast<uint8_t>(week));
  WriteKwrBlocks(path, weeks, year, text, collect);
}

void WriteKwrBlocks(const std::string& path, const std::vector<uint8_t>& weeks, int16_t year,
                    const std::string& text, const KwrWeekCollector& collect) {
  if (weeks.empty() || weeks.back() > 254 || !std::is_sorted(weeks.begin(), weeks.end()) ||
      std::adjacent_find(weeks.begin(), weeks.end()) != weeks.end()) {
    throw std::invalid_argument("Player-record weeks must be distinct, ascending and at most 254.");
  }
  const auto count = static_cast<int32_t>(weeks.size()) - 1;

  runtime::ByteWriter header;
  header.FixedText(kKwrSignature, kKwrSignatureBytes);
  header.Long(kKwrVersion);
  header.Long(count);
  header.Integer(year);
  header.FixedText(text, kKwrTextBytes);
  std::string image = header.Take();
  const std::size_t indexOffset = image.size();
  // The index is written last, once every block's position is known.
  image.resize(indexOffset + weeks.size() * kKwrIndexEntryBytes, '\0');

  std::vector<KWRIndexEntry> index(weeks.size());
  int32_t position = static_cast<int32_t>(image.size()) + 1;
  KWRBlock block;
  for (std::size_t i = 0; i < weeks.size(); ++i) {
    index[i].Week = weeks[i];
    index[i].Position = position;
    ClearKwrArrays(block);
    collect(weeks[i], block);
    WriteKwrBlock(image, block, position);
  }

  runtime::ByteWriter entries;
  for (const KWRIndexEntry& entry : index) {
    entries.Long(entry.Week);
    entries.Long(entry.Position);
  }
  image.replace(indexOffset, entries.Size(), entries.Data());

  std::string error;
  if (!runtime::SaveFileAtomically(path, image, &error)) throw std::runtime_error(error);
}

// ------------------------------------------------------------------ from a database

void CollectPlayerBios(clsKickwellDB& db, KWRBlock& block) {
  auto players = db.pSbKickwellSQL("SELECT * FROM tblPlayers ORDER BY ID;");
  for (; !players->Eof(); players->MoveNext()) {
    KWRBioRecord bio;
    bio.MasID = basFieldRead::Long(*players, "MasterID");
    bio.BackName = players->Field("BackName").AsText();
    bio.DOB = basFieldRead::Long(*players, "DOB");
    bio.TeaID = basFieldRead::Long(*players, "TeamID");
    bio.PosID = basFieldRead::Long(*players, "PosID");
    block.Bios.push_back(std::move(bio));
  }
}

int32_t ReadEditableCategories(clsKickwellDB& db, clsScoringIsolate& scoring, std::vector<int32_t>& ids) {
  auto categories = db.pSbKickwellSQL("SELECT * FROM tblStatCategories WHERE EditType = 1 ORDER BY ID;");
  ids.clear();
  for (; !categories->Eof(); categories->MoveNext()) {
    const int32_t catID = basFieldRead::Long(*categories, "ID");
    // A rule per category makes the catalogue compute exactly these values.
    scoring.AddNew();
    scoring.SetCatID(catID);
    scoring.SetPoints(1.0f);
    scoring.SetFieldVal(1.0f);
    scoring.SetRangeMin(0.0f);
    scoring.SetRangeMax(99999.0f);
    ids.push_back(catID);
  }
  return static_cast<int32_t>(ids.size()) - 1;
}

void WriteKwrFile(const std::string& path, uint8_t firstWeek, uint8_t lastWeek, int16_t year,
                  const std::string& databasePath, const std::string& text) {
  clsKickwellDB db;
  if (!db.InitializeKickwellDB(databasePath)) {
    throw std::runtime_error(db.LastError().empty() ? "File Not Found:  '" + databasePath + "'"
                                                    : db.LastError());
  }
  clsScoringIsolate scoring;
  std::vector<int32_t> ids;
  ReadEditableCategories(db, scoring, ids);
  db.pSbSetScoringIsolate(scoring);

  struct Player {
    int32_t id;
    int32_t masterID;
    int32_t teamID;
  };
  std::vector<Player> players;
  {
    auto rows = db.pSbKickwellSQL("SELECT ID, MasterID, TeamID FROM tblPlayers ORDER BY ID;");
    for (; !rows->Eof(); rows->MoveNext()) {
      players.push_back(Player{basFieldRead::Long(*rows, "ID"), basFieldRead::Long(*rows, "MasterID"),
                               basFieldRead::Long(*rows, "TeamID")});
    }
  }

  // A stat record keeps its team and category in a byte each: a database
  // with wider ones is refused before anything is written.
  if (lastWeek > 0) {
    for (const int32_t catID : ids) {
      if (catID < 0 || catID > UINT8_MAX)
        throw std::runtime_error("Stat category " + std::to_string(catID) +
                                 " cannot be written: a player-record file holds categories 0 to 255.");
    }
    for (const Player& player : players) {
      if (player.teamID < 0 || player.teamID > UINT8_MAX)
        throw std::runtime_error("The player with master ID " + std::to_string(player.masterID) + " has team " +
                                 std::to_string(player.teamID) +
                                 ", which cannot be written: a player-record file holds teams 0 to 255.");
    }
  }
  clsCategoryControl& catalogue = db.StatCon();
  WriteKwrWeeks(path, firstWeek, lastWeek, year, text, [&](uint8_t week, KWRBlock& block) {
    if (week == 0) {
      CollectPlayerBios(db, block);
      return;
    }
    for (const Player& player : players) {
      db.pSbSetStatCatExtract(player.id, week, year);
      catalogue.ExtractScoringValues();
      for (const int32_t catID : ids) {
        const float value = catalogue.DBValue(catID);
        if (value != 0.0f) AddStatRecord(block, player.masterID, player.teamID, week, catID, value);
      }
    }
  });
  db.pSbCloseKickwellDB();
}

}  // namespace basKWRFileControl
