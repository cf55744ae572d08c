#pragma once
// Player-record files for the import and database-building tests, laid out
// field by field here rather than through the program's writer, and a work
// tree whose defaults folder holds the template database.

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "DatabaseFixtures.h"
#include "FakeSeams.h"
#include "TempDir.h"
#include "WorkTree.h"
#include "database/KWRRecords.h"
#include "platform/runtime/ByteStream.h"

namespace kwrtest {

inline KWRBioRecord Bio(int32_t masID, const std::string& name, int32_t dob, int32_t team, int32_t pos) {
  return KWRBioRecord{masID, name, dob, team, pos};
}
inline KWRStatRecord Rec(int32_t masID, uint8_t team, uint8_t week, uint8_t field, float value) {
  return KWRStatRecord{masID, team, week, field, value};
}
inline KWRStatRecord Bye(uint8_t team, uint8_t week, float year) {
  return Rec(kKwrByeWeekMasID, team, week, 0, year);
}

// A block as one line: "v4 bios[1234 'Doe, John   ' 35167 12 3] stats[1234/12/250/7=1250.5]
// yds[] mods[]", values to a Single's full precision, names with their blanks.
inline std::string Describe(const KWRBlock& b) {
  std::ostringstream out;
  out.precision(9);
  out << 'v' << int(b.Version) << " bios[";
  for (std::size_t i = 0; i < b.Bios.size(); ++i) {
    const KWRBioRecord& r = b.Bios[i];
    out << (i ? " " : "") << r.MasID << " '" << r.BackName << "' " << r.DOB << ' ' << r.TeaID << ' ' << r.PosID;
  }
  const auto list = [&out](const char* name, const std::vector<KWRStatRecord>& records) {
    out << "] " << name << '[';
    for (std::size_t i = 0; i < records.size(); ++i) {
      const KWRStatRecord& r = records[i];
      out << (i ? " " : "") << r.MasID << '/' << int(r.TeaID) << '/' << int(r.Week) << '/' << int(r.Field) << '='
          << r.NewValue;
    }
  };
  list("stats", b.Stats);
  list("yds", b.Yardage);
  list("mods", b.Modifications);
  return out.str() + "]";
}

struct BlockFixture {
  int32_t week = 0;
  KWRBlock block;
};

inline void PutRecords(runtime::ByteWriter& out, const std::vector<KWRStatRecord>& records) {
  for (const KWRStatRecord& r : records) {
    out.Long(r.MasID);
    out.Byte(r.TeaID);
    out.Byte(r.Week);
    out.Byte(r.Field);
    out.Single(r.NewValue);
  }
}

// The bytes of a whole file: header, text (version 4), index, then the
// blocks one after the other in the order given.
inline std::string KwrFileBytes(int16_t year, const std::string& text,
                                const std::vector<BlockFixture>& blocks, int32_t headerVersion = 4) {
  runtime::ByteWriter head;
  head.FixedText("Vellacorn KWR", 15);
  head.Long(headerVersion);
  head.Long(static_cast<int32_t>(blocks.size()) - 1);
  head.Integer(year);
  if (headerVersion == 4) head.FixedText(text, 60);
  std::size_t position = head.Size() + 8 * blocks.size() + 1;

  runtime::ByteWriter index;
  runtime::ByteWriter body;
  for (const BlockFixture& b : blocks) {
    runtime::ByteWriter block;
    block.Byte(4);
    block.Long(static_cast<int32_t>(b.block.Bios.size()));
    block.Long(static_cast<int32_t>(b.block.Stats.size()));
    block.Long(static_cast<int32_t>(b.block.Yardage.size()));
    block.Long(static_cast<int32_t>(b.block.Modifications.size()));
    for (const KWRBioRecord& bio : b.block.Bios) {
      block.Long(bio.MasID);
      block.FixedText(bio.BackName, 40);
      block.Long(bio.DOB);
      block.Long(bio.TeaID);
      block.Long(bio.PosID);
    }
    PutRecords(block, b.block.Stats);
    PutRecords(block, b.block.Yardage);
    PutRecords(block, b.block.Modifications);
    index.Long(b.week);
    index.Long(static_cast<int32_t>(position));
    position += block.Size();
    body.Raw(block.Data());
  }
  return head.Data() + index.Data() + body.Data();
}

// A work tree with the template as def/Default.pro, the fakes installed and
// ProError.txt going to the work folder.
class SeasonWork : public ::testing::Test {
 protected:
  SeasonWork() { kdtest::WriteTemplateDatabase(tree_.Sub("def") + "Default.pro"); }

  std::string Work() const { return tree_.Work(); }
  std::string Sub(const std::string& name) const { return tree_.Sub(name); }
  // Writes a player-record file into a work sub-folder; returns its path.
  std::string PutKwr(const std::string& folder, const std::string& name, const std::string& bytes) const {
    const std::string path = Sub(folder) + name;
    kdtest::WriteFile(path, bytes);
    return path;
  }
  // A copy of the template in pro/.
  std::string NewDatabase(const std::string& name = "Test.pro") const {
    const std::string path = Sub("pro") + name;
    kdtest::WriteFile(path, kdtest::ReadFile(Sub("def") + "Default.pro"));
    return path;
  }
  std::string Log() const { return kdtest::ReadFile(Work() + "ProError.txt"); }
  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (const auto& call : fakes.messages.messages) out.push_back(call.caption + ": " + call.text);
    for (const auto& call : fakes.messages.plain) out.push_back(call.caption + ": " + call.text);
    return out;
  }

  kdtest::ScopedFakeSeams fakes;

 private:
  WorkTree tree_;
};

}  // namespace kwrtest
