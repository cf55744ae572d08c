-- Reference rows of the template: positions, teams, the bundled season's
-- bye weeks and the settings row. See docs/projected-stats-schema.md.

-- Positions. IDs follow the display-grid settings 5..25 (setting = ID + 4);
-- ID 1 is the whole roster. Every position starts merged into itself with
-- no roster limits; league properties write their own.

INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (1, 'ROS', 'Whole Roster', 1, 1);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (2, 'QB', 'Quarterback', 2, 2);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (3, 'RB', 'Running Back', 3, 3);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (4, 'WR', 'Wide Receiver', 4, 4);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (5, 'TE', 'Tight End', 5, 5);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (6, 'K', 'Kicker', 6, 6);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (7, 'DL', 'Defensive Lineman', 8, 7);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (8, 'LB', 'Linebacker', 9, 8);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (9, 'FB', 'Fullback', 12, 9);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (10, 'P', 'Punter', 13, 10);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (11, 'OL', 'Offensive Lineman', 16, 11);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (12, 'KR', 'Kick Returner', 14, 12);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (13, 'PR', 'Punt Returner', 15, 13);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (14, 'LS', 'Long Snapper', 17, 14);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (15, 'CB', 'Cornerback', 10, 15);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (16, 'S', 'Safety', 11, 16);
INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) VALUES (17, 'DST', 'Team Defense', 7, 17);

-- Teams with the seasons each row covers. AbrvB and AbrvC are other codes
-- data sources use for the same team. FA holds players without a team.

INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (1, 'ARI', 'ARZ', NULL, 1994, 9999, 'Arizona', 'Cardinals');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (2, 'ATL', NULL, NULL, 1966, 9999, 'Atlanta', 'Falcons');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (3, 'BAL', 'BLT', NULL, 1996, 9999, 'Baltimore', 'Ravens');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (4, 'BUF', NULL, NULL, 1960, 9999, 'Buffalo', 'Bills');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (5, 'CAR', NULL, NULL, 1995, 9999, 'Carolina', 'Panthers');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (6, 'CHI', NULL, NULL, 1921, 9999, 'Chicago', 'Bears');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (7, 'CIN', NULL, NULL, 1968, 9999, 'Cincinnati', 'Bengals');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (8, 'CLE', 'CLV', NULL, 1999, 9999, 'Cleveland', 'Browns');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (9, 'DAL', NULL, NULL, 1960, 9999, 'Dallas', 'Cowboys');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (10, 'DEN', NULL, NULL, 1960, 9999, 'Denver', 'Broncos');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (11, 'DET', NULL, NULL, 1934, 9999, 'Detroit', 'Lions');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (12, 'GB', 'GNB', NULL, 1921, 9999, 'Green Bay', 'Packers');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (13, 'HOU', 'HST', NULL, 2002, 9999, 'Houston', 'Texans');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (14, 'IND', NULL, NULL, 1984, 9999, 'Indianapolis', 'Colts');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (15, 'JAX', 'JAC', NULL, 1995, 9999, 'Jacksonville', 'Jaguars');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (16, 'KC', 'KAN', NULL, 1963, 9999, 'Kansas City', 'Chiefs');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (17, 'LAC', NULL, NULL, 2017, 9999, 'Los Angeles', 'Chargers');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (18, 'LAR', 'LA', NULL, 2016, 9999, 'Los Angeles', 'Rams');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (19, 'LV', 'LVR', NULL, 2020, 9999, 'Las Vegas', 'Raiders');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (20, 'MIA', NULL, NULL, 1966, 9999, 'Miami', 'Dolphins');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (21, 'MIN', NULL, NULL, 1961, 9999, 'Minnesota', 'Vikings');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (22, 'NE', 'NWE', NULL, 1971, 9999, 'New England', 'Patriots');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (23, 'NO', 'NOR', NULL, 1967, 9999, 'New Orleans', 'Saints');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (24, 'NYG', NULL, NULL, 1925, 9999, 'New York', 'Giants');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (25, 'NYJ', NULL, NULL, 1963, 9999, 'New York', 'Jets');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (26, 'PHI', NULL, NULL, 1933, 9999, 'Philadelphia', 'Eagles');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (27, 'PIT', NULL, NULL, 1933, 9999, 'Pittsburgh', 'Steelers');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (28, 'SEA', NULL, NULL, 1976, 9999, 'Seattle', 'Seahawks');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (29, 'SF', 'SFO', NULL, 1950, 9999, 'San Francisco', '49ers');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (30, 'TB', 'TAM', NULL, 1976, 9999, 'Tampa Bay', 'Buccaneers');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (31, 'TEN', NULL, NULL, 1997, 9999, 'Tennessee', 'Titans');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (32, 'WAS', 'WSH', NULL, 1937, 9999, 'Washington', 'Commanders');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (33, 'FA', NULL, NULL, 1920, 9999, 'Free Agent', 'Free Agent');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (34, 'OAK', NULL, NULL, 1995, 2019, 'Oakland', 'Raiders');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (35, 'SD', 'SDG', NULL, 1961, 2016, 'San Diego', 'Chargers');
INSERT INTO tblTeams (ID, AbrvA, AbrvB, AbrvC, StartYear, EndYear, City, Nickname) VALUES (36, 'STL', 'SL', NULL, 1995, 2015, 'St. Louis', 'Rams');

-- Bye weeks of the 2024 season.

INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 1, 11);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 2, 12);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 3, 14);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 4, 12);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 5, 11);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 6, 7);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 7, 12);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 8, 10);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 9, 7);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 10, 14);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 11, 5);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 12, 10);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 13, 14);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 14, 14);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 15, 12);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 16, 6);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 17, 5);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 18, 6);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 19, 10);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 20, 6);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 21, 6);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 22, 14);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 23, 12);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 24, 11);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 25, 12);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 26, 5);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 27, 9);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 28, 10);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 29, 9);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 30, 11);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 31, 5);
INSERT INTO tblByeWeeks (Year, TeamID, ByeWeek) VALUES (2024, 32, 14);

-- The one settings row: the bundled season, no master data, no strain, no ADP source.
INSERT INTO tblSettings (ID, Year, PlayerDisplayGridID, MasterVersion, StrainName, StrainVersion, StrainMaxOffer,
                         LeagueName, StrainURL, ADPURL)
VALUES (1, 2024, 1, 0, 'None', 0, 0, 'None', '', 'None');
