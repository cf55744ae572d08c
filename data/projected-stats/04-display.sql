-- Display formats, their text conversions and the default display grid.
--
-- DisplayType says what a format suits; a category is offered the formats
-- whose DisplayType equals its FormatType: 1 numbers, 2 yes/no marks,
-- 3 player names, 4 teams, 5 positions, 7 player ids, 12 injury status,
-- 13 bye weeks, 14 texts supplied by the document builders.
-- TextType: 0 number format (StringFormat), 1 text conversions, 2 lookup by
-- DisplayType, 3 the builders' keyed texts. ValuePosition (text types
-- only): 0 text alone, 1 number then text, 2 text then number.
-- The name styles keep the ids the program knows them by: 13 "Last, First",
-- 18 "Last, F.", 19 "F. Last", 20 "First Last".

INSERT INTO tblDisplayFormat (ID, DisplayType, TextType, Ranged, DisplayName, StringFormat, ValuePosition, ConvertCount) VALUES
  (1, 1, 0, 0, 'Whole Number', '0', 0, 0),
  (2, 1, 0, 0, 'One Decimal', '0.0', 0, 0),
  (3, 1, 0, 0, 'Two Decimals', '0.00', 0, 0),
  (4, 1, 0, 0, 'Thousands', '#,##0', 0, 0),
  (5, 1, 0, 0, 'Percent', '0.0%', 0, 0),
  (6, 1, 0, 0, 'Whole Percent', '0%', 0, 0),
  (7, 2, 1, 0, 'Yes / No', '', 0, 2),
  (8, 2, 1, 0, 'Check Mark', '', 0, 1),
  (9, 4, 2, 0, 'Team Abbreviation', '', 0, 0),
  (10, 5, 2, 0, 'Position Abbreviation', '', 0, 0),
  (11, 7, 2, 0, 'Player ID', '', 0, 0),
  (12, 12, 2, 0, 'Injury Status', '', 0, 0),
  (13, 3, 2, 0, 'Name (Last, First)', '', 0, 0),
  (14, 13, 2, 0, 'Bye Week', '', 0, 0),
  (15, 14, 3, 0, 'Document Text', '', 0, 0),
  (16, 1, 0, 0, 'Three Decimals', '0.000', 0, 0),
  (17, 12, 1, 0, 'Injury Status (Code)', '', 0, 7),
  (18, 3, 2, 0, 'Name (Last, F.)', '', 0, 0),
  (19, 3, 2, 0, 'Name (F. Last)', '', 0, 0),
  (20, 3, 2, 0, 'Name (First Last)', '', 0, 0),
  (21, 1, 1, 1, 'Passer Rating Grade', '0.0', 1, 4);

INSERT INTO tblDisplayTextConvert (ID, FormatID, TypeValueMin, TypeValueMax, OutputText) VALUES
  (1, 7, 0, 0, 'No'),
  (2, 7, 1, 1, 'Yes'),
  (3, 8, 1, 1, 'X'),
  (4, 17, 1, 1, 'PRB'),
  (5, 17, 2, 2, 'QST'),
  (6, 17, 3, 3, 'DBT'),
  (7, 17, 4, 4, 'OUT'),
  (8, 17, 5, 5, 'PUP'),
  (9, 17, 6, 6, 'IR'),
  (10, 17, 7, 7, 'SUS'),
  (11, 21, 0, 80, ' Poor'),
  (12, 21, 80, 95, ' Average'),
  (13, 21, 95, 110, ' Good'),
  (14, 21, 110, 160, ' Elite');

-- The default display grid (GridID 1), shown until a grid file is loaded.
-- Decimals holds the display-format id of the column; Align 1 left,
-- 4 centre, 7 right; widths in pixels.
INSERT INTO tblDisplayGrids (GridID, OrderNumber, TableFieldID, ColumnWidth, Title1, Title2, Decimals, Align) VALUES
  (1, 1, 51, 160, 'Player', 'Name', 13, 1),
  (1, 2, 116, 45, '', 'Team', 9, 4),
  (1, 3, 50, 40, '', 'Pos', 10, 4),
  (1, 4, 84, 40, '', 'Bye', 14, 4),
  (1, 5, 44, 60, 'Fantasy', 'Points', 2, 7),
  (1, 6, 88, 50, '', 'ADP', 2, 7),
  (1, 7, 3, 60, 'Passing', 'Yds', 1, 7),
  (1, 8, 4, 45, 'Passing', 'TD', 2, 7),
  (1, 9, 5, 45, 'Passing', 'Int', 2, 7),
  (1, 10, 14, 60, 'Rushing', 'Yds', 1, 7),
  (1, 11, 15, 45, 'Rushing', 'TD', 2, 7),
  (1, 12, 20, 45, 'Receiving', 'Rec', 2, 7),
  (1, 13, 21, 60, 'Receiving', 'Yds', 1, 7),
  (1, 14, 22, 45, 'Receiving', 'TD', 2, 7),
  (1, 15, 71, 45, 'Misc', 'FL', 2, 7);
