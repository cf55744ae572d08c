-- Schema of a projected-stats file (.pro).
--
-- Column order is part of the contract: the player-data writers fill
-- columns by position, and position 0 of every table is the row id.
-- Declared types are the field types the program reads and writes (BYTE,
-- SHORT = 16-bit, LONG = 32-bit, SINGLE, DOUBLE, BIT, TEXT(n)); the database
-- layer converts values to them. Text compares without case: names are
-- looked up as typed, whatever their case.
-- Index names are "<table>_<index>": SQLite's index names are per file, the
-- program's are per table. See docs/projected-stats-schema.md.

CREATE TABLE tblPlayers (
  ID INTEGER PRIMARY KEY,
  MasterID LONG NOT NULL DEFAULT 0,
  BackName TEXT(50) COLLATE NOCASE,
  DOB LONG NOT NULL DEFAULT 0,
  TeamID LONG NOT NULL DEFAULT 0,
  PosID LONG NOT NULL DEFAULT 0
);
CREATE INDEX tblPlayers_IDNdx ON tblPlayers (ID);
CREATE INDEX tblPlayers_MasterIDNdx ON tblPlayers (MasterID);
CREATE INDEX tblPlayers_BackNameNdx ON tblPlayers (BackName);

CREATE TABLE tblPositions (
  ID INTEGER PRIMARY KEY,
  Pos TEXT(10) COLLATE NOCASE,
  PosFullName TEXT(50) COLLATE NOCASE,
  DisplayOrder BYTE NOT NULL DEFAULT 0,
  MergeAsID LONG NOT NULL DEFAULT 0,
  RosterMin LONG NOT NULL DEFAULT 0,
  RosterMax LONG NOT NULL DEFAULT 0,
  FullRosterMin LONG NOT NULL DEFAULT 0,
  FullRosterMax LONG NOT NULL DEFAULT 0,
  StartMin LONG NOT NULL DEFAULT 0,
  StartMax LONG NOT NULL DEFAULT 0,
  StartRosterMin LONG NOT NULL DEFAULT 0,
  StartRosterMax LONG NOT NULL DEFAULT 0
);
CREATE INDEX tblPositions_IDNdx ON tblPositions (ID);
CREATE INDEX tblPositions_DisplayOrderNdx ON tblPositions (DisplayOrder);
CREATE INDEX tblPositions_MergeAsIDNdx ON tblPositions (MergeAsID);

CREATE TABLE tblSchedule (
  ID INTEGER PRIMARY KEY,
  Year SHORT NOT NULL DEFAULT 0,
  Week BYTE NOT NULL DEFAULT 0,
  HomeTeamID LONG NOT NULL DEFAULT 0,
  AwayTeamID LONG NOT NULL DEFAULT 0
);
CREATE INDEX tblSchedule_IDNdx ON tblSchedule (ID);
CREATE INDEX tblSchedule_YearWeekNdx ON tblSchedule (Year, Week);

CREATE TABLE tblScoringSystem (
  ID INTEGER PRIMARY KEY,
  Points SINGLE NOT NULL DEFAULT 0,
  CatID LONG NOT NULL DEFAULT 0,
  FieldVal SINGLE NOT NULL DEFAULT 0,
  RangeMin SINGLE NOT NULL DEFAULT 0,
  RangeMax SINGLE NOT NULL DEFAULT 0,
  RangeRestrict BIT NOT NULL DEFAULT 0,
  ApplyToPos LONG NOT NULL DEFAULT 0
);
CREATE INDEX tblScoringSystem_IDNdx ON tblScoringSystem (ID);

CREATE TABLE tblSettings (
  ID INTEGER PRIMARY KEY,
  Year SHORT NOT NULL DEFAULT 0,
  PlayerDisplayGridID LONG NOT NULL DEFAULT 1,
  MasterVersion LONG NOT NULL DEFAULT 0,
  StrainName TEXT(50) COLLATE NOCASE,
  StrainVersion LONG NOT NULL DEFAULT 0,
  StrainMaxOffer LONG NOT NULL DEFAULT 0,
  LeagueName TEXT(50) COLLATE NOCASE,
  StrainURL TEXT(50) COLLATE NOCASE,
  ADPURL TEXT(50) COLLATE NOCASE
);

CREATE TABLE tblTeams (
  ID INTEGER PRIMARY KEY,
  AbrvA TEXT(5) COLLATE NOCASE,
  AbrvB TEXT(5) COLLATE NOCASE,
  AbrvC TEXT(5) COLLATE NOCASE,
  StartYear SHORT NOT NULL DEFAULT 0,
  EndYear SHORT NOT NULL DEFAULT 0,
  City TEXT(50) COLLATE NOCASE,
  Nickname TEXT(50) COLLATE NOCASE
);
CREATE INDEX tblTeams_IDNdx ON tblTeams (ID);

CREATE TABLE tblPlayersTeam (
  ID INTEGER PRIMARY KEY,
  PlayerID LONG NOT NULL DEFAULT 0,
  TeamID LONG NOT NULL DEFAULT 0,
  Year SHORT NOT NULL DEFAULT 0,
  FromWeek BYTE NOT NULL DEFAULT 0,
  ToWeek BYTE NOT NULL DEFAULT 0
);
CREATE INDEX tblPlayersTeam_IDNdx ON tblPlayersTeam (ID);
CREATE INDEX tblPlayersTeam_PlayerIDYearNdx ON tblPlayersTeam (PlayerID, Year);

CREATE TABLE tblByeWeeks (
  ID INTEGER PRIMARY KEY,
  Year SHORT NOT NULL DEFAULT 0,
  TeamID LONG NOT NULL DEFAULT 0,
  ByeWeek BYTE NOT NULL DEFAULT 0
);
CREATE INDEX tblByeWeeks_IDNdx ON tblByeWeeks (ID);
CREATE UNIQUE INDEX tblByeWeeks_YearTeamIDNdx ON tblByeWeeks (Year, TeamID);

-- Stat tables: one row per player-week (Week 250 is the season row), except
-- tblStat1, which holds one row per scoring play. Values sit in FldK at
-- column position K; Year is always the last column.

CREATE TABLE tblStat0 (
  ID INTEGER PRIMARY KEY,
  PlayerID LONG NOT NULL DEFAULT 0,
  Week BYTE NOT NULL DEFAULT 0,
  Points DOUBLE NOT NULL DEFAULT 0,
  TeamID LONG NOT NULL DEFAULT 0,
  DNU SHORT NOT NULL DEFAULT 0,
  ADP SINGLE NOT NULL DEFAULT 0,
  InjuryStatus LONG NOT NULL DEFAULT 0,
  Year SHORT NOT NULL DEFAULT 0
);
CREATE INDEX tblStat0_IDNdx ON tblStat0 (ID);
CREATE UNIQUE INDEX tblStat0_PlayerIDWeekYearNdx ON tblStat0 (PlayerID, Week, Year);
CREATE INDEX tblStat0_WeekYearNdx ON tblStat0 (Week, Year);

-- Scoring plays: Fld3 is the play type, Fld4 the play's yardage.
CREATE TABLE tblStat1 (
  ID INTEGER PRIMARY KEY,
  PlayerID LONG NOT NULL DEFAULT 0,
  Week BYTE NOT NULL DEFAULT 0,
  Fld3 BYTE NOT NULL DEFAULT 0,
  Fld4 SINGLE NOT NULL DEFAULT 0,
  Year SHORT NOT NULL DEFAULT 0
);
CREATE INDEX tblStat1_IDNdx ON tblStat1 (ID);
CREATE INDEX tblStat1_PlayerIDWeekYearNdx ON tblStat1 (PlayerID, Week, Year);

-- Passing: attempts, completions, yards, touchdowns, interceptions, times
-- sacked, passer rating (Fld9), sack yards lost, longest completion.
CREATE TABLE tblStat2 (
  ID INTEGER PRIMARY KEY,
  PlayerID LONG NOT NULL DEFAULT 0,
  Week BYTE NOT NULL DEFAULT 0,
  Fld3 DOUBLE NOT NULL DEFAULT 0,
  Fld4 DOUBLE NOT NULL DEFAULT 0,
  Fld5 DOUBLE NOT NULL DEFAULT 0,
  Fld6 DOUBLE NOT NULL DEFAULT 0,
  Fld7 DOUBLE NOT NULL DEFAULT 0,
  Fld8 DOUBLE NOT NULL DEFAULT 0,
  Fld9 DOUBLE NOT NULL DEFAULT 0,
  Fld10 DOUBLE NOT NULL DEFAULT 0,
  Fld11 DOUBLE NOT NULL DEFAULT 0,
  Year SHORT NOT NULL DEFAULT 0
);
CREATE INDEX tblStat2_IDNdx ON tblStat2 (ID);
CREATE UNIQUE INDEX tblStat2_PlayerIDWeekYearNdx ON tblStat2 (PlayerID, Week, Year);

-- Rushing: attempts, yards, touchdowns, rushes of 20+ yards.
CREATE TABLE tblStat3 (
  ID INTEGER PRIMARY KEY,
  PlayerID LONG NOT NULL DEFAULT 0,
  Week BYTE NOT NULL DEFAULT 0,
  Fld3 DOUBLE NOT NULL DEFAULT 0,
  Fld4 DOUBLE NOT NULL DEFAULT 0,
  Fld5 DOUBLE NOT NULL DEFAULT 0,
  Fld6 DOUBLE NOT NULL DEFAULT 0,
  Year SHORT NOT NULL DEFAULT 0
);
CREATE INDEX tblStat3_IDNdx ON tblStat3 (ID);
CREATE UNIQUE INDEX tblStat3_PlayerIDWeekYearNdx ON tblStat3 (PlayerID, Week, Year);

-- Receiving: targets, receptions, yards, touchdowns, yards after catch,
-- red-zone targets, receptions of 20+ and 40+ yards, first downs.
CREATE TABLE tblStat4 (
  ID INTEGER PRIMARY KEY,
  PlayerID LONG NOT NULL DEFAULT 0,
  Week BYTE NOT NULL DEFAULT 0,
  Fld3 DOUBLE NOT NULL DEFAULT 0,
  Fld4 DOUBLE NOT NULL DEFAULT 0,
  Fld5 DOUBLE NOT NULL DEFAULT 0,
  Fld6 DOUBLE NOT NULL DEFAULT 0,
  Fld7 DOUBLE NOT NULL DEFAULT 0,
  Fld8 DOUBLE NOT NULL DEFAULT 0,
  Fld9 DOUBLE NOT NULL DEFAULT 0,
  Fld10 DOUBLE NOT NULL DEFAULT 0,
  Fld11 DOUBLE NOT NULL DEFAULT 0,
  Year SHORT NOT NULL DEFAULT 0
);
CREATE INDEX tblStat4_IDNdx ON tblStat4 (ID);
CREATE UNIQUE INDEX tblStat4_PlayerIDWeekYearNdx ON tblStat4 (PlayerID, Week, Year);

-- Fumbles: fumbles, fumbles lost, own fumbles recovered, fumble-recovery
-- touchdowns, fumble return yards.
CREATE TABLE tblStat5 (
  ID INTEGER PRIMARY KEY,
  PlayerID LONG NOT NULL DEFAULT 0,
  Week BYTE NOT NULL DEFAULT 0,
  Fld3 DOUBLE NOT NULL DEFAULT 0,
  Fld4 DOUBLE NOT NULL DEFAULT 0,
  Fld5 DOUBLE NOT NULL DEFAULT 0,
  Fld6 DOUBLE NOT NULL DEFAULT 0,
  Fld7 DOUBLE NOT NULL DEFAULT 0,
  Year SHORT NOT NULL DEFAULT 0
);
CREATE INDEX tblStat5_IDNdx ON tblStat5 (ID);
CREATE UNIQUE INDEX tblStat5_PlayerIDWeekYearNdx ON tblStat5 (PlayerID, Week, Year);

-- Kicking: extra points made and missed, then field goals made and missed
-- by distance (0-19, 20-29, 30-39, 40-49, 50+), kickoffs, kickoff
-- touchbacks, field goals blocked, extra points blocked.
CREATE TABLE tblStat6 (
  ID INTEGER PRIMARY KEY,
  PlayerID LONG NOT NULL DEFAULT 0,
  Week BYTE NOT NULL DEFAULT 0,
  Fld3 DOUBLE NOT NULL DEFAULT 0,
  Fld4 DOUBLE NOT NULL DEFAULT 0,
  Fld5 DOUBLE NOT NULL DEFAULT 0,
  Fld6 DOUBLE NOT NULL DEFAULT 0,
  Fld7 DOUBLE NOT NULL DEFAULT 0,
  Fld8 DOUBLE NOT NULL DEFAULT 0,
  Fld9 DOUBLE NOT NULL DEFAULT 0,
  Fld10 DOUBLE NOT NULL DEFAULT 0,
  Fld11 DOUBLE NOT NULL DEFAULT 0,
  Fld12 DOUBLE NOT NULL DEFAULT 0,
  Fld13 DOUBLE NOT NULL DEFAULT 0,
  Fld14 DOUBLE NOT NULL DEFAULT 0,
  Fld15 DOUBLE NOT NULL DEFAULT 0,
  Fld16 DOUBLE NOT NULL DEFAULT 0,
  Fld17 DOUBLE NOT NULL DEFAULT 0,
  Fld18 DOUBLE NOT NULL DEFAULT 0,
  Year SHORT NOT NULL DEFAULT 0
);
CREATE INDEX tblStat6_IDNdx ON tblStat6 (ID);
CREATE UNIQUE INDEX tblStat6_PlayerIDWeekYearNdx ON tblStat6 (PlayerID, Week, Year);

-- Punting: punts, gross yards, net yards, inside the 20, touchbacks,
-- blocked, fair catches.
CREATE TABLE tblStat7 (
  ID INTEGER PRIMARY KEY,
  PlayerID LONG NOT NULL DEFAULT 0,
  Week BYTE NOT NULL DEFAULT 0,
  Fld3 DOUBLE NOT NULL DEFAULT 0,
  Fld4 DOUBLE NOT NULL DEFAULT 0,
  Fld5 DOUBLE NOT NULL DEFAULT 0,
  Fld6 DOUBLE NOT NULL DEFAULT 0,
  Fld7 DOUBLE NOT NULL DEFAULT 0,
  Fld8 DOUBLE NOT NULL DEFAULT 0,
  Fld9 DOUBLE NOT NULL DEFAULT 0,
  Year SHORT NOT NULL DEFAULT 0
);
CREATE INDEX tblStat7_IDNdx ON tblStat7 (ID);
CREATE UNIQUE INDEX tblStat7_PlayerIDWeekYearNdx ON tblStat7 (PlayerID, Week, Year);

-- Kick and punt returns: return yards, return touchdowns.
CREATE TABLE tblStat8 (
  ID INTEGER PRIMARY KEY,
  PlayerID LONG NOT NULL DEFAULT 0,
  Week BYTE NOT NULL DEFAULT 0,
  Fld3 DOUBLE NOT NULL DEFAULT 0,
  Fld4 DOUBLE NOT NULL DEFAULT 0,
  Year SHORT NOT NULL DEFAULT 0
);
CREATE INDEX tblStat8_IDNdx ON tblStat8 (ID);
CREATE UNIQUE INDEX tblStat8_PlayerIDWeekYearNdx ON tblStat8 (PlayerID, Week, Year);

-- Individual defence: solo tackles, assisted tackles, sacks, interceptions,
-- passes defended, forced fumbles, fumble recoveries, touchdowns, safeties.
CREATE TABLE tblStat9 (
  ID INTEGER PRIMARY KEY,
  PlayerID LONG NOT NULL DEFAULT 0,
  Week BYTE NOT NULL DEFAULT 0,
  Fld3 DOUBLE NOT NULL DEFAULT 0,
  Fld4 DOUBLE NOT NULL DEFAULT 0,
  Fld5 DOUBLE NOT NULL DEFAULT 0,
  Fld6 DOUBLE NOT NULL DEFAULT 0,
  Fld7 DOUBLE NOT NULL DEFAULT 0,
  Fld8 DOUBLE NOT NULL DEFAULT 0,
  Fld9 DOUBLE NOT NULL DEFAULT 0,
  Fld10 DOUBLE NOT NULL DEFAULT 0,
  Fld11 DOUBLE NOT NULL DEFAULT 0,
  Year SHORT NOT NULL DEFAULT 0
);
CREATE INDEX tblStat9_IDNdx ON tblStat9 (ID);
CREATE UNIQUE INDEX tblStat9_PlayerIDWeekYearNdx ON tblStat9 (PlayerID, Week, Year);

-- Miscellaneous: two-point conversions, games played, games started.
CREATE TABLE tblStat10 (
  ID INTEGER PRIMARY KEY,
  PlayerID LONG NOT NULL DEFAULT 0,
  Week BYTE NOT NULL DEFAULT 0,
  Fld3 DOUBLE NOT NULL DEFAULT 0,
  Fld4 DOUBLE NOT NULL DEFAULT 0,
  Fld5 DOUBLE NOT NULL DEFAULT 0,
  Year SHORT NOT NULL DEFAULT 0
);
CREATE INDEX tblStat10_IDNdx ON tblStat10 (ID);
CREATE UNIQUE INDEX tblStat10_PlayerIDWeekYearNdx ON tblStat10 (PlayerID, Week, Year);

-- Team defence: points allowed, yards allowed, rushing and passing yards
-- allowed, sacks, interceptions, fumble recoveries, defensive touchdowns,
-- special-teams touchdowns, safeties, blocked kicks, forced fumbles,
-- two-point returns, tackles for loss, three-and-outs forced.
CREATE TABLE tblStat11 (
  ID INTEGER PRIMARY KEY,
  PlayerID LONG NOT NULL DEFAULT 0,
  Week BYTE NOT NULL DEFAULT 0,
  Fld3 DOUBLE NOT NULL DEFAULT 0,
  Fld4 DOUBLE NOT NULL DEFAULT 0,
  Fld5 DOUBLE NOT NULL DEFAULT 0,
  Fld6 DOUBLE NOT NULL DEFAULT 0,
  Fld7 DOUBLE NOT NULL DEFAULT 0,
  Fld8 DOUBLE NOT NULL DEFAULT 0,
  Fld9 DOUBLE NOT NULL DEFAULT 0,
  Fld10 DOUBLE NOT NULL DEFAULT 0,
  Fld11 DOUBLE NOT NULL DEFAULT 0,
  Fld12 DOUBLE NOT NULL DEFAULT 0,
  Fld13 DOUBLE NOT NULL DEFAULT 0,
  Fld14 DOUBLE NOT NULL DEFAULT 0,
  Fld15 DOUBLE NOT NULL DEFAULT 0,
  Fld16 DOUBLE NOT NULL DEFAULT 0,
  Fld17 DOUBLE NOT NULL DEFAULT 0,
  Year SHORT NOT NULL DEFAULT 0
);
CREATE INDEX tblStat11_IDNdx ON tblStat11 (ID);
CREATE UNIQUE INDEX tblStat11_PlayerIDWeekYearNdx ON tblStat11 (PlayerID, Week, Year);

-- The stat-category catalogue: categories, the operations that compute
-- them from the stat tables, their groups and units.
CREATE TABLE tblStatSubCategories (
  ID INTEGER PRIMARY KEY,
  Name TEXT(50) COLLATE NOCASE
);

CREATE TABLE tblStatUnits (
  ID INTEGER PRIMARY KEY,
  Unit TEXT(50) COLLATE NOCASE
);

CREATE TABLE tblStatCategories (
  ID INTEGER PRIMARY KEY,
  SubCatID BYTE NOT NULL DEFAULT 0,
  Name TEXT(50) COLLATE NOCASE,
  Abrv TEXT(10) COLLATE NOCASE,
  Operations BYTE NOT NULL DEFAULT 0,
  Unit BYTE NOT NULL DEFAULT 0,
  DisplayType BYTE NOT NULL DEFAULT 0,
  FormatType BYTE NOT NULL DEFAULT 0,
  DefaultFormat BYTE NOT NULL DEFAULT 0,
  ZeroDisplay BYTE NOT NULL DEFAULT 0,
  EditType LONG NOT NULL DEFAULT 0,
  Sort LONG NOT NULL DEFAULT 0
);
CREATE INDEX tblStatCategories_SubCatIDNdx ON tblStatCategories (SubCatID);

CREATE TABLE tblStatProperties (
  ID INTEGER PRIMARY KEY,
  CatID LONG NOT NULL DEFAULT 0,
  OperationOrder BYTE NOT NULL DEFAULT 0,
  "Table" BYTE NOT NULL DEFAULT 0,
  Field BYTE NOT NULL DEFAULT 0,
  Operator BYTE NOT NULL DEFAULT 0,
  OperatorValue SINGLE NOT NULL DEFAULT 0,
  OperatorRef SHORT NOT NULL DEFAULT 0,
  TypeValue BYTE NOT NULL DEFAULT 0,
  TypeField BYTE NOT NULL DEFAULT 0,
  CheckRange BIT NOT NULL DEFAULT 0,
  MinValue SINGLE NOT NULL DEFAULT 0,
  MaxValue SINGLE NOT NULL DEFAULT 0
);
CREATE INDEX tblStatProperties_CatIDNdx ON tblStatProperties (CatID, OperationOrder);

-- Display formats, their value-to-text conversions, and the display grids
-- stored in the file (GridID 1 is the default grid).
CREATE TABLE tblDisplayFormat (
  ID INTEGER PRIMARY KEY,
  DisplayType BYTE NOT NULL DEFAULT 0,
  TextType BYTE NOT NULL DEFAULT 0,
  Ranged BIT NOT NULL DEFAULT 0,
  DisplayName TEXT(50) COLLATE NOCASE,
  StringFormat TEXT(50),
  ValuePosition BYTE NOT NULL DEFAULT 0,
  ConvertCount BYTE NOT NULL DEFAULT 0
);

CREATE TABLE tblDisplayTextConvert (
  ID INTEGER PRIMARY KEY,
  FormatID LONG NOT NULL DEFAULT 0,
  TypeValueMin SINGLE NOT NULL DEFAULT 0,
  TypeValueMax SINGLE NOT NULL DEFAULT 0,
  OutputText TEXT(50)
);
CREATE INDEX tblDisplayTextConvert_FormatIDNdx ON tblDisplayTextConvert (FormatID);

CREATE TABLE tblDisplayGrids (
  ID INTEGER PRIMARY KEY,
  GridID LONG NOT NULL DEFAULT 0,
  OrderNumber BYTE NOT NULL DEFAULT 0,
  TableFieldID LONG NOT NULL DEFAULT 0,
  ColumnWidth SHORT NOT NULL DEFAULT 0,
  Title1 TEXT(50),
  Title2 TEXT(50),
  Decimals BYTE NOT NULL DEFAULT 0,
  Align BYTE NOT NULL DEFAULT 0
);
CREATE INDEX tblDisplayGrids_GridIDNdx ON tblDisplayGrids (GridID, OrderNumber);
