#pragma once
// The list of one update driver's downloads: for each request, where its
// bytes go, so that a completion can be matched to its request by download
// number. Entry 0 is a placeholder that unknown numbers read.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Seams.h"

class clsDownFile {
 public:
  clsDownFile() { Clear(); }

  // A new download number from the one counter of the program, so numbers
  // never repeat between the lists of different drivers.
  static int32_t NextDownloadNumber();

  // Empties the list (placeholder only).
  void Clear();
  // The number of requests.
  int32_t Count() const { return static_cast<int32_t>(entries_.size()) - 1; }
  void AddFile(const std::string& dest, const std::string& url, bool manual, int32_t id);

  // Fields of the first entry with download number `id`; an unknown number
  // reads the placeholder and the setters do nothing.
  const std::string& Dest(int32_t id) const { return Find(id).dest; }
  const std::string& URL(int32_t id) const { return Find(id).url; }
  bool Manual(int32_t id) const { return Find(id).manual; }
  bool Downloaded(int32_t id) const { return Find(id).downloaded; }
  void SetDownloaded(int32_t id, bool value);
  // True once the request has completed, stored or not.
  bool Finished(int32_t id) const { return Find(id).finished; }
  // How the request ended: why it was not stored ("" while it runs or when
  // it was), and whether its body was refused for its size.
  const std::string& Error(int32_t id) const { return Find(id).error; }
  bool TooLarge(int32_t id) const { return Find(id).tooLarge; }
  // By list position 1 .. Count; the placeholder's -1 elsewhere.
  int32_t FileID(int32_t index) const;

  // Records the completion of `id`: finished, and downloaded when the
  // control stored the body at its Dest (a reply that came whole, without
  // error and not empty). True when stored.
  bool SaveBinaryFile(const seams::DownloadResult& result, int32_t id);
  // Records that the request of `id` could not start, and why.
  void NotStarted(int32_t id, const std::string& error);
  // Adds the request of `id` and starts it (seams::Downloads). False when it
  // could not start: it is then finished, with why (Error).
  bool Start(const seams::DownloadRequest& request, bool manual, int32_t id, seams::DownloadView::Completion done);
  // A completion that reaches `owner`'s `method` only while someone still
  // holds the owner.
  template <class Owner>
  static seams::DownloadView::Completion ReachOwner(std::weak_ptr<Owner> owner,
                                                    void (Owner::*method)(int32_t, const seams::DownloadResult&)) {
    return [owner = std::move(owner), method](int32_t id, const seams::DownloadResult& result) {
      if (auto held = owner.lock()) ((*held).*method)(id, result);
    };
  }

  // True when every request has completed (stored or failed).
  bool AllFinished() const;

 private:
  struct Entry {
    std::string dest;
    std::string url;
    bool manual = false;
    int32_t fileID = -1;
    bool downloaded = false;
    bool finished = false;
    std::string error;
    bool tooLarge = false;
  };
  const Entry& Find(int32_t id) const;
  Entry* FindMutable(int32_t id);

  std::vector<Entry> entries_;
};
