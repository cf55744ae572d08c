-- The scoring system stored in the template: standard scoring for every
-- position (ApplyToPos 2 is bit 1, position 1, the whole roster), except the
-- points-allowed tiers, which only team defenses earn (bit 17, 131072):
-- every other player allows 0 points and would collect the top tier.
-- FieldVal is "for every X" (-99999 marks a threshold rule that gives its
-- Points once for a value inside RangeMin..RangeMax).

INSERT INTO tblScoringSystem (Points, CatID, FieldVal, RangeMin, RangeMax, RangeRestrict, ApplyToPos) VALUES
  (1, 3, 25, 0, 99999, 0, 2),
  (4, 4, 1, 0, 99999, 0, 2),
  (-2, 5, 1, 0, 99999, 0, 2),
  (1, 14, 10, 0, 99999, 0, 2),
  (6, 15, 1, 0, 99999, 0, 2),
  (1, 21, 10, 0, 99999, 0, 2),
  (6, 22, 1, 0, 99999, 0, 2),
  (6, 68, 1, 0, 99999, 0, 2),
  (6, 73, 1, 0, 99999, 0, 2),
  (-2, 71, 1, 0, 99999, 0, 2),
  (2, 75, 1, 0, 99999, 0, 2),
  (1, 31, 1, 0, 99999, 0, 2),
  (3, 33, 1, 0, 99999, 0, 2),
  (3, 35, 1, 0, 99999, 0, 2),
  (3, 37, 1, 0, 99999, 0, 2),
  (4, 39, 1, 0, 99999, 0, 2),
  (5, 41, 1, 0, 99999, 0, 2),
  (1, 103, 1, 0, 99999, 0, 2),
  (2, 104, 1, 0, 99999, 0, 2),
  (2, 105, 1, 0, 99999, 0, 2),
  (6, 106, 1, 0, 99999, 0, 2),
  (6, 107, 1, 0, 99999, 0, 2),
  (2, 108, 1, 0, 99999, 0, 2),
  (10, 99, -99999, 0, 0, 0, 131072),
  (7, 99, -99999, 1, 6, 0, 131072),
  (4, 99, -99999, 7, 13, 0, 131072),
  (1, 99, -99999, 14, 20, 0, 131072),
  (-1, 99, -99999, 28, 34, 0, 131072),
  (-4, 99, -99999, 35, 99999, 0, 131072);
