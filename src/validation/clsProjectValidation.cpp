#include "validation/clsProjectValidation.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <set>

#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basFileExists_001.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "database/clsCategoryControl.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/basSTGFileControl.h"
#include "draft_inputs/clsDraftStrategy.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockRoster.h"
#include "platform/runtime/DateTime.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Text.h"
#include "user_mock/clsUserMockIsolate.h"

namespace {

constexpr const char* kDefaultProjectedStats = "Default.pro";

// Stat values at or beyond these are suspicious; a rule scoring more than
// kLargeScoredValue for its category's maximum is worth a note.
constexpr double kLowLimit = -10000;
constexpr double kHighLimit = 20000;
constexpr double kLargeScoredValue = 100000;

// Yes and no as the checks compare them.
double YesNo(bool value) { return value ? -1.0 : 0.0; }

const std::string& Folder(int32_t pageCode) { return FileTypeFolder.at(static_cast<std::size_t>(pageCode)); }
const std::string& ProjectValue(int32_t key) { return GlobalProject().Value(key); }

std::string Num(int64_t value) { return std::to_string(value); }

// A Single in its shortest general form: the fewest digits that read back
// as the same Single, never in exponent form.
std::string SingleText(float value) {
  if (value == 0) return "0";
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  std::string s(buf, res.ptr);
  if (s.find('e') == std::string::npos) return s;
  res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  return std::string(buf, res.ptr);
}

// Reads a scoring-system file; the report says when it could not, so the
// reader shows nothing. A readable file too short for one rule is a scoring
// system without rules, not a file that cannot be read.
bool LoadScoringFile(const std::string& path, clsScoringIsolate& rules) {
  std::string refused;
  if (basSCOFileControl::ReadScoFileToIsolate(path, rules, &refused)) return true;
  if (!refused.empty() || !basFileExists_001::FileExists(path, false)) return false;
  rules.Clear();
  return true;
}

// Opens the default projected-stats file without the missing-file notice.
bool OpenDefaultDatabase(clsKickwellDB& db) {
  const std::string path = DefaultsFolder + kDefaultProjectedStats;
  if (!basFileExists_001::FileExists(path, false)) {
    db.pSbCloseKickwellDB();
    return false;
  }
  return db.InitializeKickwellDB(path);
}

}  // namespace

clsProjectValidation::clsProjectValidation() = default;
clsProjectValidation::~clsProjectValidation() = default;

// ---------------------------------------------------------------- recording

void clsProjectValidation::AddLine(int32_t key, int32_t status, const std::string& text) {
  const char* prefix = "";
  switch (key) {
    case kProjLeaguePropertiesFile:
      prefix = "LGP ";
      break;
    case kProjScoringSystemFile:
      prefix = "SCO ";
      break;
    case kProjProjectedStatsFile:
      prefix = "PRO ";
      break;
    case kProjUserMockDraftFile:
      prefix = "UGM ";
      break;
    default:
      break;
  }
  switch (status) {
    case kValidationValid:
      if (listValid_) listValid_(prefix + text);
      break;
    case kValidationWarning:
      if (listWarning_) listWarning_("Warning " + (prefix + text));
      break;
    case kValidationError: {
      const std::string line = "Error " + (prefix + text);
      if (listError_) listError_(line);
      errorMessage_ += line;
      errorMessage_ += runtime::kCrLf;
      break;
    }
    default:
      break;
  }
}

bool clsProjectValidation::CompareAndList(int32_t key, double a, double b, const std::string& text,
                                          const std::string& trueSuffix, const std::string& falseSuffix,
                                          int32_t trueStatus, int32_t falseStatus, int32_t mode) {
  bool holds = false;
  switch (mode) {
    case 0:
      holds = a == b;
      break;
    case 1:
      holds = a > b;
      break;
    case 2:
      holds = a < b;
      break;
    default:
      break;
  }
  if (holds)
    AddLine(key, trueStatus, text + trueSuffix);
  else
    AddLine(key, falseStatus, text + falseSuffix);
  return holds;
}

void clsProjectValidation::WorstStatus(int32_t& current, int32_t newStatus) {
  if (current == kValidationValid)
    current = newStatus;
  else if (current == kValidationWarning && newStatus == kValidationError)
    current = kValidationError;
}

void clsProjectValidation::AddHeading(const std::string& heading) {
  AddLine(kNoKey, kValidationValid, "");
  AddLine(kNoKey, kValidationValid, heading);
}

void clsProjectValidation::ResetStrategyFiles() { strategyFiles_.clear(); }

int32_t clsProjectValidation::Guarded(int32_t key, const std::function<int32_t()>& check) {
  try {
    return check();
  } catch (const std::exception& e) {
    AddLine(key, kValidationError, std::string(" ") + e.what());
    return kValidationError;
  }
}

int32_t clsProjectValidation::ScoringChecks(clsKickwellDB& db) {
  int32_t status = Guarded(kProjScoringSystemFile, [&] { return ValidateScoringSystem(db); });
  // A scoring system with errors is not applied to the stats.
  if (status != kValidationError)
    WorstStatus(status, Guarded(kProjScoringSystemFile, [&] { return ValidateScoringApplied(db); }));
  return status;
}

// ---------------------------------------------------------------- report texts

std::string clsProjectValidation::FileDesc(int32_t fileType, int32_t key) const {
  if (fileType < 0 || fileType >= kPageCodeCount) throw std::out_of_range("file type outside 0..14");
  const auto type = static_cast<std::size_t>(fileType);
  return FileTypeDescription[type] + " [" + FileTypeFolder[type] + ProjectValue(key) + "]";
}

std::string clsProjectValidation::StrategyFiles() const {
  std::string text;
  for (std::size_t i = 0; i < strategyFiles_.size(); ++i) {
    if (i > 0) text += runtime::kCrLf;
    text += FileTypeDescription[kPageDraftStrategies] + " [" + Folder(kPageDraftStrategies) +
            strategyFiles_[i] + "]";
  }
  return text;
}

// ---------------------------------------------------------------- runs

int32_t clsProjectValidation::ValidateProject(bool includeUserMock, bool mockDraft, bool skipLeague) {
  const std::string& projectName = GlobalProject().FileName();
  AddLine(kNoKey, kValidationValid, "Project " + projectName + " VALIDATION");
  DoEvents();
  fileHeading_ = "Kickwell Draftyard Project Validation [" + projectName + "] " +
                 runtime::FormatLogStamp(runtime::Now());

  clsKickwellDB db;
  int32_t status = Guarded(kProjProjectedStatsFile, [&] { return ValidateProjectedStats(db); });
  // The scoring checks still need a category catalogue: the default file's.
  if (status != kValidationValid && !OpenDefaultDatabase(db)) {
    AddLine(kNoKey, kValidationError,
            "Default Projected Stats File " + DefaultsFolder + kDefaultProjectedStats + " Unable To Open.");
    db.Terminate();
    return status;
  }

  if (!ProjectValue(kProjScoringSystemFile).empty())
    WorstStatus(status, Guarded(kProjProjectedStatsFile, [&] { return ValidateStatMinMax(db); }));
  WorstStatus(status, ScoringChecks(db));

  clsLeagueIsolate league;
  ResetStrategyFiles();
  if (!skipLeague) {
    WorstStatus(status, Guarded(kProjLeaguePropertiesFile, [&] {
                  return ValidateLeagueProperties(db, league, includeUserMock, mockDraft);
                }));
  }
  if (includeUserMock && !runtime::Trim(ProjectValue(kProjUserMockDraftFile)).empty()) {
    clsUserMockIsolate userMock;
    // The Files tab runs the same compatibility check: what makes it show
    // "Error" is listed here and in the report too.
    if (ValidateUserMock(userMock, mockDraft) == kValidationValid && !skipLeague)
      CheckUserMockLeagueCompatibility(league, userMock, db);
  }
  db.Terminate();
  return status;
}

bool clsProjectValidation::ModularValidation(int32_t& leagueStatus, int32_t& scoringStatus,
                                             int32_t& projectedStatus, int32_t& userMockStatus) {
  clsKickwellDB db;
  projectedStatus = Guarded(kProjProjectedStatsFile, [&] { return ValidateProjectedStats(db); });
  const bool projectedLoaded = projectedStatus == kValidationValid;
  if (projectedLoaded && !ProjectValue(kProjScoringSystemFile).empty())
    WorstStatus(projectedStatus, Guarded(kProjProjectedStatsFile, [&] { return ValidateStatMinMax(db); }));
  // Only a projected-stats file that failed its own check gives way to the
  // default file; one that merely holds extreme values still serves the
  // scoring checks.
  if (!projectedLoaded) OpenDefaultDatabase(db);

  scoringStatus = ScoringChecks(db);

  clsLeagueIsolate league;
  ResetStrategyFiles();
  leagueStatus =
      Guarded(kProjLeaguePropertiesFile, [&] { return ValidateLeagueProperties(db, league, true, false); });

  clsUserMockIsolate userMock;
  if (!runtime::Trim(ProjectValue(kProjUserMockDraftFile)).empty())
    userMockStatus = ValidateUserMock(userMock, true);
  else
    userMockStatus = kValidationError;
  if (userMockStatus == kValidationValid)
    userMockStatus = CheckUserMockLeagueCompatibility(league, userMock, db);
  db.Terminate();
  return true;
}

bool clsProjectValidation::CanCheatSheetBeCreated() {
  return ValidateProject(false, false, false) != kValidationError;
}

// ---------------------------------------------------------------- projected stats and scoring

bool clsProjectValidation::SelectedFileFound(int32_t key, int32_t pageCode) {
  const std::string& name = ProjectValue(key);
  if (CompareAndList(key, static_cast<double>(name.size()), 0, "no file selected.", "", "", kValidationError,
                     kValidationNoLine, 0))
    return false;
  const std::string path = Folder(pageCode) + name;
  return CompareAndList(key, YesNo(basFileExists_001::FileExists(path, false)), -1, "[" + path + "]", " found.",
                        " not found.", kValidationValid, kValidationError, 0);
}

int32_t clsProjectValidation::ValidateProjectedStats(clsKickwellDB& db) {
  const int32_t key = kProjProjectedStatsFile;
  AddHeading(" * PROJECTED STATS VALIDATION");
  if (!SelectedFileFound(key, kPageProjectedStats)) return kValidationError;
  const std::string path = Folder(kPageProjectedStats) + ProjectValue(key);
  if (!CompareAndList(key, YesNo(db.InitializeKickwellDB(path)), -1, "", "loaded.", " could not load.",
                      kValidationValid, kValidationError, 0))
    return kValidationError;
  const int32_t players = db.RecordCount(clsKickwellDB::kPlayers);
  if (!CompareAndList(key, players, 0, "Player Count = " + Num(players) + ".", "", "", kValidationValid,
                      kValidationError, 1))
    return kValidationError;
  return kValidationValid;
}

int32_t clsProjectValidation::ValidateScoringSystem(clsKickwellDB& db) {
  const int32_t key = kProjScoringSystemFile;
  AddHeading(" * SCORING SYSTEM VALIDATION");
  if (!SelectedFileFound(key, kPageScoringSystem)) return kValidationError;
  const std::string path = Folder(kPageScoringSystem) + ProjectValue(key);
  clsScoringIsolate rules;
  if (!CompareAndList(key, YesNo(LoadScoringFile(path, rules)), -1, "", "loaded.", "could not load.",
                      kValidationValid, kValidationError, 0))
    return kValidationError;
  int32_t status = kValidationValid;
  const int32_t count = rules.RecordCount();
  if (CompareAndList(key, count, 0, Num(count) + " scoring rules.", "", "", kValidationWarning,
                     kValidationValid, 0))
    WorstStatus(status, kValidationWarning);
  AddLine(key, kValidationValid, "checking for zero values in Points/For Every X.");
  clsCategoryControl& categories = db.StatCon();
  for (rules.MoveFirst(); !rules.IsEOF(); rules.MoveNext()) {
    const int32_t catID = rules.CatID();
    if (!categories.DoesIDExist(catID)) {
      AddLine(key, kValidationWarning, " - PRO Scoring Category [" + Num(catID) + "] not found in PRO.");
      WorstStatus(status, kValidationWarning);
      continue;
    }
    const std::string rule = "Rule " + categories.Name(catID);
    CompareAndList(key, 0, 0, rule + " [" + ScoringRuleText(rules, db) + "].", "", "", kValidationValid,
                   kValidationWarning, 0);
    if (CompareAndList(key, rules.Points(), 0, rule + " Points = " + SingleText(rules.Points()), "", "",
                       kValidationWarning, kValidationNoLine, 0))
      WorstStatus(status, kValidationWarning);
    if (CompareAndList(key, rules.ForEveryX(), 0, rule + " For Every X = " + SingleText(rules.ForEveryX()),
                       ".", "", kValidationError, kValidationNoLine, 0))
      WorstStatus(status, kValidationError);
    if (CompareAndList(key, rules.ApplyToPos(), 0, rule + " Apply To Pos = No Positon(s) Selected.", "", "",
                       kValidationWarning, kValidationNoLine, 0))
      WorstStatus(status, kValidationWarning);
  }
  return status;
}

int32_t clsProjectValidation::ValidateStatMinMax(clsKickwellDB& db) {
  constexpr int32_t key = kProjProjectedStatsFile;
  AddHeading(" * PROJECTED STATS MIN MAX VALIDATION");
  clsScoringIsolate rules;
  {
    // ID orders the categories of one sub-category, so the lines come in a
    // fixed order.
    auto rs = db.pSbKickwellSQL(
        "SELECT * FROM tblStatCategories WHERE SubCatID > 0 and SubCatID < 10  AND DisplayType = 1 "
        "ORDER BY SubCatID ASC, ID ASC;");
    for (; !rs->Eof(); rs->MoveNext()) {
      rules.AddNew();
      rules.SetCatID(rs->Field("id").AsLong());
      rules.SetPoints(1.0f);
      rules.SetFieldVal(1.0f);
      rules.SetRangeMin(0.0f);
      rules.SetRangeMax(100000.0f);
    }
  }
  if (rules.RecordCount() == 0) return kValidationValid;
  std::vector<double> maxima;
  std::vector<double> minima;
  ExtractCategoryExtremes(rules, db, maxima, 1);
  ExtractCategoryExtremes(rules, db, minima, -1);

  clsCategoryControl& categories = db.StatCon();
  int32_t status = kValidationValid;
  std::size_t i = 0;
  for (rules.MoveFirst(); !rules.IsEOF(); rules.MoveNext(), ++i) {
    const int32_t catID = rules.CatID();
    const std::string name = categories.Name(catID);
    const bool ok = minima[i] > kLowLimit && maxima[i] < kHighLimit;
    if (CompareAndList(key, YesNo(ok), -1,
                       name + " Min / Max Value = " + runtime::Format(minima[i], "0.##") + " / " +
                           runtime::Format(maxima[i], "0.##"),
                       "", " Low/High Value Warning", kValidationValid, kValidationWarning, 0))
      continue;
    WorstStatus(status, kValidationWarning);
    const int32_t table = categories.Table(catID);
    const std::string field = "Fld" + Num(categories.Field(catID));
    // A category computed without a stat field of its own has no players to list.
    if (table > db.StatTableMax() || db.StatCursor(table).FieldIndex(field) < 0) continue;
    const std::string from = "SELECT * FROM tblStat" + Num(table) + " WHERE " + field;
    const struct {
      const char* condition;
      double limit;
      const char* label;
    } listings[] = {{" > ?;", kHighLimit, "High"}, {" < ?;", kLowLimit, "Low"}};
    for (const auto& listing : listings) {
      auto rows = db.pSbKickwellSQL(from + listing.condition, {jet::Value(listing.limit)});
      for (; !rows->Eof(); rows->MoveNext()) {
        // By the field's name: the stat tables need not hold FldN at position N.
        AddLine(key, kValidationWarning,
                db.pFnGetPlayerName(rows->Field("PlayerID").AsLong()) + " " + name + " Value [" +
                    rows->Field(field).AsText() + "] " + listing.label + " Value Warning.");
      }
    }
  }
  return status;
}

int32_t clsProjectValidation::ValidateScoringApplied(clsKickwellDB& db) {
  AddHeading(" * SCORING SYSTEM APPLIED TO PROJECTED STATS VALIDATION");
  clsScoringIsolate rules;
  if (!LoadScoringFile(Folder(kPageScoringSystem) + ProjectValue(kProjScoringSystemFile), rules))
    return kValidationValid;
  rules.BuildMaps(DefaultsFolder);
  DoEvents();
  std::vector<double> maxima;
  std::vector<double> minima;
  ExtractCategoryExtremes(rules, db, maxima, 1);
  ExtractCategoryExtremes(rules, db, minima, -1);

  clsCategoryControl& categories = db.StatCon();
  // A value that cannot be scored is an error of the run; a large score is
  // only worth knowing.
  int32_t status = kValidationValid;
  std::size_t i = 0;
  for (rules.MoveFirst(); !rules.IsEOF(); rules.MoveNext(), ++i) {
    const int32_t catID = rules.CatID();
    if (!categories.DoesIDExist(catID)) continue;
    const std::string name = categories.Name(catID);
    double low = 0;
    double high = 0;
    const bool okLow = ScoredValue(minima[i], low, db, rules);
    const bool okHigh = ScoredValue(maxima[i], high, db, rules);
    const auto scored = [](bool ok, double points) {
      return ok ? runtime::Format(points, "0.000") : std::string("Error");
    };
    if (!CompareAndList(kProjProjectedStatsFile, YesNo(okLow && okHigh), -1,
                        name + " Min / Max Values = " + runtime::Format(minima[i], "0.##") + " / " +
                            runtime::Format(maxima[i], "0.##") + " /w Scoring = " + scored(okLow, low) +
                            " / " + scored(okHigh, high) + ".",
                        "", "", kValidationValid, kValidationError, 0))
      WorstStatus(status, kValidationError);
    CompareAndList(kProjScoringSystemFile, high, kLargeScoredValue, "",
                   "Rule " + name + " Large Max Value /w Scoring " + runtime::Format(high, "0.000"), "",
                   kValidationWarning, kValidationNoLine, 1);
  }
  return status;
}

void clsProjectValidation::ExtractCategoryExtremes(clsScoringIsolate& rules, clsKickwellDB& db,
                                                   std::vector<double>& values, int32_t mode) {
  db.pSbExtractMaxStatValues(0, rules, mode);
  values.assign(static_cast<std::size_t>(std::max(rules.RecordCount(), 0)), 0.0);
  const clsCategoryControl& categories = db.StatCon();
  std::size_t i = 0;
  for (rules.MoveFirst(); !rules.IsEOF() && i < values.size(); rules.MoveNext(), ++i)
    if (categories.DoesIDExist(rules.CatID())) values[i] = db.pFnGetMaxStatValue(rules.CatID());
}

bool clsProjectValidation::ScoredValue(double value, double& points, clsKickwellDB& db,
                                       clsScoringIsolate& rules) {
  try {
    points = db.pFnGetIsoScoringPoints(value, rules);
    return true;
  } catch (const std::exception&) {
    points = 0;
    return false;
  }
}

std::string clsProjectValidation::ScoringRuleText(const clsScoringIsolate& rules, clsKickwellDB& db) {
  std::string text = SingleText(rules.Points()) + " Pts";
  text += rules.ForEveryX() == -99999.0f ? " For Value" : " For Every " + SingleText(rules.ForEveryX());
  text += " In Range ";
  text += rules.RangeMin() == -99999.0f ? "No Limit" : SingleText(rules.RangeMin());
  text += rules.RangeMax() == 99999.0f ? " to No Limit" : " to " + SingleText(rules.RangeMax());
  const std::string positions = basSCOFileControl::PositionMaskText(
      rules.ApplyToPos(), [&db](int32_t posID) { return db.pFnGetPosAbrv(posID, false); });
  return text + " {" + runtime::Trim(positions) + "}";
}

// ---------------------------------------------------------------- league, rosters, strategy files

int32_t clsProjectValidation::ValidateLeagueProperties(clsKickwellDB& db, clsLeagueIsolate& league,
                                                       bool includeStrategies, bool mockDraft) {
  const int32_t key = kProjLeaguePropertiesFile;
  const int32_t sev = mockDraft ? kValidationError : kValidationWarning;
  AddHeading(" * LEAGUE PROPERTIES VALIDATION");
  int32_t status = kValidationValid;
  const std::string& name = ProjectValue(key);
  const std::string& folder = Folder(kPageLeagueProperties);
  bool loaded = false;
  if (!SelectedFileFound(key, kPageLeagueProperties)) {
    status = kValidationError;
  } else {
    league.SetFilePath(folder);
    league.SetFileName(name);
    loaded = CompareAndList(key, YesNo(league.LoadLeagueProps()), -1, "", " loaded.", " unable to load.",
                            kValidationValid, kValidationError, 0);
    if (!loaded) WorstStatus(status, kValidationError);
  }
  if (loaded) {
    if (!CompareAndList(key, league.TeamCount(), 0, "Team Count = " + Num(league.TeamCount()) + ".", "", "",
                        kValidationValid, kValidationError, 1))
      WorstStatus(status, kValidationError);
    if (!CompareAndList(key, league.DraftRounds(), 0, "Draft Rounds = " + Num(league.DraftRounds()) + ".", "",
                        " * Mock.", kValidationValid, sev, 1))
      WorstStatus(status, sev);
    if (league.CreatedDraftRounds() > 0 &&
        !CompareAndList(key, league.CreatedTeamCount(), league.TeamCount(), "Draft Order Team IDs are",
                        " Valid.", " Invalid - * Mock.", kValidationValid, sev, 0))
      WorstStatus(status, sev);
    WorstStatus(status, ValidateRosterSizes(league, db, mockDraft));
    if (includeStrategies) WorstStatus(status, ValidateStrategyFiles(league, db, mockDraft));
  }
  // Runs even without a league: it then finds no picks and adds its heading only.
  if (includeStrategies) WorstStatus(status, CheckLeagueStrategyConflicts(league, mockDraft));
  return status;
}

int32_t clsProjectValidation::ValidateRosterSizes(const clsLeagueIsolate& league, clsKickwellDB& db,
                                                  bool mockDraft) {
  const int32_t key = kProjLeaguePropertiesFile;
  const int32_t sev = mockDraft ? kValidationError : kValidationWarning;
  AddHeading(" * LEAGUE PROPERTIES ROSTER SIZE VALIDATION");
  AddLine(key, kValidationValid, "POS - MAP - RMin - RMax - SMin - SMax");
  int32_t status = kValidationValid;

  // Only positions with a record of the league can be in use or merged, so
  // the walk over 1..highest position ID visits just those, in ID order; a
  // database with a huge position ID then costs nothing.
  const int32_t maxPosID = db.pFnGetMaxPosID();
  std::set<int32_t> positions;
  for (int32_t i = 0; i < league.RosterSizeCount(); ++i) {
    const int32_t p = league.RosterPosID(i);
    if (p >= 1 && p <= maxPosID) positions.insert(p);
  }
  for (int32_t p : positions) {
    const int32_t rmax = league.RosterMax(p);
    const int32_t rmin = league.RosterMin(p);
    const int32_t smax = league.StarterMax(p);
    const int32_t smin = league.StarterMin(p);
    if (rmax <= 0 && rmin <= 0 && smax <= 0 && smin <= 0) {
      if (league.MergeAsID(p) != p) AddLine(key, kValidationValid, RosterSizeRow(db, p, league));
      continue;
    }
    const std::string P = db.pFnGetPosFull(p) + " ";
    bool ok = true;
    auto test = [&](bool fails, const std::string& text) {
      if (!fails) return;
      AddLine(key, kValidationError, text);
      ok = false;
    };
    test(rmax <= 0, P + "RosterMax = " + Num(rmax) + " must be > 0.");
    test(rmin < 0, P + "RosterMin = " + Num(rmin) + " must be > -1.");
    test(rmin > rmax,
         P + "RosterMin = " + Num(rmin) + " RosterMax = " + Num(rmax) + " RosterMin must be <= RosterMax.");
    test(smax <= 0, P + "StarterMax = " + Num(smax) + " must be > 0.");
    test(smin < 0, P + "StarterMin = " + Num(smin) + " must be > -1.");
    test(smin > rmax,
         P + "StarterMin = " + Num(smin) + " RosterMax = " + Num(rmax) + " StarterMin must be <= RosterMax.");
    test(smax > rmax,
         P + "StarterMax = " + Num(smax) + " RosterMax = " + Num(rmax) + " StarterMax must be <= RosterMax.");
    test(smin > smax, P + "StarterMin = " + Num(smin) + " StarterMax = " + Num(smax) +
                          " StarterMin must be <= StarterMax.");
    if (!CompareAndList(key, YesNo(ok), -1, RosterSizeRow(db, p, league), "", " Conflict.", kValidationValid,
                        kValidationError, 0))
      WorstStatus(status, kValidationError);
  }
  const int32_t allMax = league.RosterMax(1);
  if (!CompareAndList(key, allMax, 0, "All Roster Max = " + Num(allMax) + ".", "", " * Mock.",
                      kValidationValid, sev, 1))
    WorstStatus(status, sev);
  return status;
}

std::string clsProjectValidation::RosterSizeRow(clsKickwellDB& db, int32_t posID,
                                                const clsLeagueIsolate& league) {
  runtime::FixedLine row(37);
  row.Put(1, db.pFnGetPosAbrv(posID, true));
  row.Put(7, db.pFnGetPosAbrv(league.MergeAsID(posID), true));
  row.Put(14, Num(league.RosterMin(posID)));
  row.Put(21, Num(league.RosterMax(posID)));
  row.Put(28, Num(league.StarterMin(posID)));
  row.Put(35, Num(league.StarterMax(posID)));
  return row.Text();
}

int32_t clsProjectValidation::ValidateStrategyFiles(const clsLeagueIsolate& league, clsKickwellDB& db,
                                                    bool mockDraft) {
  AddHeading(" * STRATEGY FILE VALIDATION");
  for (int32_t t = 1; t <= league.TeamCount(); ++t) {
    std::string file = runtime::Trim(league.Strategy(t));
    if (!file.empty() &&
        std::find(strategyFiles_.begin(), strategyFiles_.end(), file) == strategyFiles_.end())
      strategyFiles_.push_back(std::move(file));
  }
  int32_t status = kValidationValid;
  for (const std::string& file : strategyFiles_)
    WorstStatus(status, ValidateStrategyFile(file, db, mockDraft));
  return status;
}

int32_t clsProjectValidation::ValidateStrategyFile(const std::string& fileName, clsKickwellDB& db,
                                                   bool mockDraft) {
  const int32_t key = kProjLeaguePropertiesFile;
  const int32_t sev = mockDraft ? kValidationError : kValidationWarning;
  const std::string& folder = Folder(kPageDraftStrategies);
  clsDraftStrategy strategy;
  strategy.SetFilePath(folder);
  strategy.SetFileName(fileName);
  if (!CompareAndList(key, YesNo(strategy.LoadDraftStrategy()), -1, "[" + folder + fileName + "]", " loaded.",
                      " not found. * Mock", kValidationValid, sev, 0))
    return sev;

  int32_t status = kValidationValid;
  const auto posAbrv = [&db](int32_t posID) { return db.pFnGetPosAbrv(posID, false); };
  for (int32_t i = 0; i < strategy.Count(); ++i) {
    const std::string label = fileName + " Rule " + Num(i + 1);
    if (CompareAndList(key, strategy.BegPick(i), strategy.EndPick(i),
                       label + " Draft Round Range " +
                           basSTGFileControl::PickNumberText(strategy.BegPick(i)) + " to " +
                           basSTGFileControl::PickNumberText(strategy.EndPick(i)),
                       " Invalid * Mock.", ".", sev, kValidationValid, 1))
      WorstStatus(status, sev);
    if (!CompareAndList(key, YesNo(basSTGFileControl::IsValidMethod(strategy.Method(i))), -1,
                        label + " Method " + basSTGFileControl::MethodText(strategy.Method(i)), ".",
                        " * Mock.", kValidationValid, sev, 0))
      WorstStatus(status, sev);
    if (!CompareAndList(key, YesNo(basSTGFileControl::IsValidCompare(strategy.Compare(i))), -1,
                        label + " Compare " + basSTGFileControl::CompareText(strategy.Compare(i)), ".",
                        " * Mock.", kValidationValid, sev, 0))
      WorstStatus(status, sev);
    AddLine(key, kValidationValid,
            label + " Factors " + basSTGFileControl::FactorFlagsText(strategy, i) + ".");
    std::string message;
    const bool positionsValid = strategy.IsPositionValid(i, message);
    const clsDraftStrategy::PositionIDs ids = strategy.PosInclusionIDs(i);
    if (!CompareAndList(key, YesNo(positionsValid), -1,
                        label + " " + basSTGFileControl::InclusionText(strategy.Inclusion(i)) +
                            " Positions " + basSTGFileControl::PositionSetText(ids, posAbrv),
                        ".", message, kValidationValid, kValidationWarning, 0))
      WorstStatus(status, kValidationWarning);
  }
  return status;
}

// ---------------------------------------------------------------- strategy conflicts

bool clsProjectValidation::LoadTeamStrategy(clsMockRoster& roster, const std::string& teamName,
                                            const std::string& fileName) {
  // Names are stored blank-padded to their field.
  const bool loaded = roster.LoadDraftStrategy(Folder(kPageDraftStrategies), runtime::Trim(fileName));
  return CompareAndList(
      kProjLeaguePropertiesFile, YesNo(loaded), -1,
      runtime::Trim(teamName) + " Strategy [" + runtime::Trim(roster.Strategy().FileName()) + "]", " loaded.",
      " not loaded.", kValidationValid, kValidationWarning, 0);
}

int32_t clsProjectValidation::CheckLeagueStrategyConflicts(const clsLeagueIsolate& league, bool mockDraft) {
  AddHeading(" * LEAGUE PROPERTIES DRAFT STRATEGY CONFLICTS");
  if (league.PickCount() == 0) return kValidationValid;
  std::vector<int32_t> order(static_cast<std::size_t>(league.PickCount()));
  for (int32_t i = 0; i < league.PickCount(); ++i) order[static_cast<std::size_t>(i)] = league.Pick(i);
  return TeamStrategyConflicts(
      order, league.TeamCount(),
      [&](int32_t t, clsMockRoster& roster) {
        return LoadTeamStrategy(roster, league.TeamName(t), league.Strategy(t));
      },
      mockDraft);
}

int32_t clsProjectValidation::CheckUserMockStrategyConflicts(const clsUserMockIsolate& userMock,
                                                             bool mockDraft) {
  AddHeading(" * USER GENERATED MOCK DRAFT STRATEGY CONFLICTS");
  if (userMock.BoardCount() == 0) return kValidationError;
  std::vector<int32_t> order(static_cast<std::size_t>(userMock.BoardCount()));
  for (int32_t i = 0; i < userMock.BoardCount(); ++i)
    order[static_cast<std::size_t>(i)] = userMock.BoardOwnerID(i);
  return TeamStrategyConflicts(
      order, userMock.OwnerCount(),
      [&](int32_t n, clsMockRoster& roster) {
        return LoadTeamStrategy(roster, userMock.OwnerName(n - 1), userMock.OwnerStrategy(n - 1));
      },
      mockDraft);
}

int32_t clsProjectValidation::TeamStrategyConflicts(
    std::span<const int32_t> order, int32_t teamCount,
    const std::function<bool(int32_t team, clsMockRoster& roster)>& loadTeam, bool mockDraft) {
  const int32_t teams = std::max(teamCount, 0);
  std::vector<clsMockRoster> strategies(static_cast<std::size_t>(teams) + 1);
  int32_t status = kValidationValid;
  for (int32_t t = 1; t <= teams; ++t) {
    if (!loadTeam(t, strategies[static_cast<std::size_t>(t)])) WorstStatus(status, kValidationWarning);
  }
  if (status == kValidationValid) status = FindStrategyConflict(teams, order, strategies, mockDraft);
  return status;
}

int32_t clsProjectValidation::RuleMethodAtPick(const clsMockRoster& strategy, int32_t pick,
                                               std::span<const int32_t> order) {
  // The rule the draft itself would use: the last one serves every pick no
  // rule covers, and a strategy without rules reads as one all-zero rule.
  const int32_t teamPick = basMockDraftCalculation::TeamPickNumber(pick, order);
  return strategy.StrategyMethod(strategy.StrategyArToUse(teamPick));
}

int32_t clsProjectValidation::FindStrategyConflict(int32_t teamCount, std::span<const int32_t> order,
                                                   std::span<const clsMockRoster> strategies,
                                                   bool mockDraft) {
  const int32_t sev = mockDraft ? kValidationError : kValidationWarning;
  constexpr int32_t kNoStrategy = -1;
  constexpr int32_t kEquilibrium = 3;
  constexpr int32_t kRosterPotGainLoss = 4;
  const auto isLookAhead = [](int32_t m) { return m == kEquilibrium || m == kRosterPotGainLoss; };
  const int32_t last = static_cast<int32_t>(order.size()) - 1;

  // Each pick's method once: the windows overlap, and a stored order may be long.
  std::vector<int32_t> methods(order.size(), kNoStrategy);
  for (int32_t i = 0; i <= last; ++i) {
    const int32_t team = order[static_cast<std::size_t>(i)];
    if (team >= 1 && team <= teamCount && static_cast<std::size_t>(team) < strategies.size())
      methods[static_cast<std::size_t>(i)] =
          RuleMethodAtPick(strategies[static_cast<std::size_t>(team)], i, order);
  }

  const int32_t depth = basMockDraftSettings::GlobalSettings().LongVal(kSetEquilibriumDepth);
  int32_t status = kValidationValid;
  for (int32_t i = 0; i <= last; ++i) {
    const int32_t m = methods[static_cast<std::size_t>(i)];
    if (!isLookAhead(m)) continue;
    const int32_t j = basMockDraftCalculation::FindTeamNthNextPick(order, i, m == kEquilibrium ? depth : 1);
    const int32_t team = order[static_cast<std::size_t>(i)];
    for (int32_t k = i + 1; k <= j; ++k) {
      const int32_t other = order[static_cast<std::size_t>(k)];
      if (other == team) continue;
      const int32_t m2 = methods[static_cast<std::size_t>(k)];
      if (!isLookAhead(m2)) continue;
      AddLine(kProjLeaguePropertiesFile, sev,
              "Strategy Conflict - Team [" + Num(team) + "] Pick [" + Num(i + 1) + "] " +
                  basSTGFileControl::MethodText(m) + " and Team [" + Num(other) + "] Pick [" + Num(k + 1) +
                  "] " + basSTGFileControl::MethodText(m2) + " * Mock");
      WorstStatus(status, sev);
      AddLine(kProjLeaguePropertiesFile, sev, "Strategy Conflict - Potential exists for more conflicts.");
      return status;
    }
  }
  return status;
}

// ---------------------------------------------------------------- user mock draft

int32_t clsProjectValidation::ValidateUserMock(clsUserMockIsolate& userMock, bool mockDraft) {
  const int32_t key = kProjUserMockDraftFile;
  AddHeading(" * USER GENERATED MOCK VALIDATION");
  const std::string& name = ProjectValue(key);
  const std::string& folder = Folder(kPageUserMockDraft);
  int32_t status = kValidationValid;
  if (!CompareAndList(key, YesNo(basFileExists_001::FileExists(folder + name, false)), -1,
                      "[" + folder + name + "]", " found.", " not found.", kValidationValid, kValidationError,
                      0)) {
    status = kValidationError;
  } else {
    userMock.SetFilePath(folder);
    userMock.SetFileName(name);
    if (!CompareAndList(key, YesNo(userMock.LoadUserMock()), -1, "", "loaded.", "not loaded.",
                        kValidationValid, kValidationError, 0)) {
      status = kValidationError;
    } else {
      if (!CompareAndList(key, userMock.DraftRounds(), 0, "Draft Rounds = " + Num(userMock.DraftRounds()),
                          ".", " must be > 0.", kValidationValid, kValidationError, 1))
        WorstStatus(status, kValidationError);
      if (!CompareAndList(key, userMock.BoardCount(), 0, "Draft Picks = " + Num(userMock.BoardCount()), ".",
                          " must be > 0.", kValidationValid, kValidationError, 1))
        WorstStatus(status, kValidationError);
    }
  }
  if (status == kValidationValid) status = CheckUserMockStrategyConflicts(userMock, mockDraft);
  return status;
}

int32_t clsProjectValidation::CheckUserMockLeagueCompatibility(const clsLeagueIsolate& league,
                                                               const clsUserMockIsolate& userMock,
                                                               clsKickwellDB& db) {
  (void)db;
  const int32_t key = kProjUserMockDraftFile;
  AddHeading(" * USER GENERATED MOCK AND LEAGUE PROPERTIES COMPATIBILITY");
  int32_t status = kValidationValid;
  const int32_t teams = league.TeamCount();
  if (!CompareAndList(key, userMock.OwnerCount(), teams,
                      "Team Count (LGP/UGM) = " + Num(teams) + "/" + Num(userMock.OwnerCount()) + ".", "",
                      " Team Count Not Equal.", kValidationValid, kValidationError, 0)) {
    WorstStatus(status, kValidationError);
    return status;
  }
  for (int32_t t = 1; t <= teams; ++t) {
    const bool same = runtime::Trim(league.TeamName(t)) == runtime::Trim(userMock.OwnerName(t - 1));
    if (!CompareAndList(key, 0, same ? 0 : 1,
                        "Team Name [" + Num(t) + "] LGP [" + league.TeamName(t) + "] UGM [" +
                            userMock.OwnerName(t - 1) + "].",
                        "", "", kValidationValid, kValidationWarning, 0))
      WorstStatus(status, kValidationWarning);
  }
  return status;
}
