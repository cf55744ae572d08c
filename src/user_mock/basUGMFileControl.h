#pragma once
// Moves a user mock draft into the engine's draft board and back. Owners are
// 0-based in the user mock and numbered from 1 on the board.

class clsMockDraft;
class clsUserMockIsolate;

namespace basUGMFileControl {

// Owner count, rounds, and each owner's name and strategy file (as the
// 50-character texts they are held in) into teams 1..n of the board.
void CopyUserMockOwnersToMock(const clsUserMockIsolate& ugm, clsMockDraft& mock);

// The board's picks (player and owner) and rounds into the user mock before
// it is saved. Each pick's PosID in the user mock is left as it was.
void CopyMockBoardToUserMock(clsUserMockIsolate& ugm, const clsMockDraft& mock);

}  // namespace basUGMFileControl
