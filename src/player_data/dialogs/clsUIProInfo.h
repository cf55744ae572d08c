#pragma once
// The projected-stats properties window (frmProInfo, "Projected Stats
// Properties"): where the data of the page's open database come from, and
// the buttons that change it at once (another season, the season's master
// files again, another strain or strain version, another or no ADP file).
// Every change is written into the database through the building routines
// of basCreateSingleSeasonDB; there is no Cancel. The window shows this
// state and forwards its clicks here.

#include <array>
#include <cstdint>
#include <string>

class clsKickwellDB;

class clsUIProInfo {
 public:
  static constexpr const char* kCaption = "Projected Stats Properties";
  static constexpr int32_t kRows = 7;
  enum Row : int32_t {
    kFileName = 0,
    kMasterYear = 1,
    kMasterVersion = 2,
    kStrainName = 3,
    kStrainVersion = 4,
    kStrainMaxVersion = 5,
    kADPFile = 6,
  };

  // lblProp: "Projected Stats File Name:", "Master Year:", ...
  static const char* PropertyCaption(int32_t row);
  // The caption of the row's button ("Change", "Reapply"); "" for a row
  // without one.
  static const char* ButtonCaption(int32_t row);

  // Keeps the page's database and the file name, and shows the values.
  void PassInfo(clsKickwellDB& db, const std::string& fileName);
  // lblVal of the row; "" outside 0..6.
  std::string Value(int32_t row) const;

  // chkOW, "DO NOT overwrite any modified players.": checked at load; the
  // keepModified flag of the two strain changes.
  bool KeepModified() const { return keepModified_; }
  void SetKeepModified(bool keep) { keepModified_ = keep; }

  // The buttons, by the row they stand on. A failure shows one message
  // captioned "Projected Stats Properties Error"; the values shown are then
  // those the database holds.
  void mMY_Click();   // another season: a master file of it
  void mMV_Click();   // the season's master files again
  void mSN_Click();   // another strain, or none (the bare ".kwr")
  void mSV_Click();   // the current strain up to a chosen version
  void mADP_Click();  // another ADP file, or none (the bare ".kwr")
  // "Close"; the close box (CloseWindow) does the same.
  void mBtn_Click() { closed_ = true; }
  void CloseWindow() { mBtn_Click(); }
  bool Closed() const { return closed_; }

 private:
  void Refresh();
  template <class Action>
  void Run(Action action);
  void ChangeMasterYear();
  void ChangeStrain();
  void ChangeStrainVersion();
  void ChangeADP();

  clsKickwellDB* db_ = nullptr;
  std::string fileName_;
  std::array<std::string, kRows> values_{};
  bool keepModified_ = true;
  bool closed_ = false;
};
